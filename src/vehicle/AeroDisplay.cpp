#include "vehicle/AeroDisplay.hpp"

#include <cmath>
#include <utility>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"

namespace vehicle {

using core::Quantity;

namespace {

// Air pressure the air constants are worked out for, Pa.
constexpr double kAirPressure = 101387.5546875;
// 0 deg C in kelvin.
constexpr double kZeroCelsius = 273.15;
// The aero balance reads green from this far behind the weight balance...
constexpr double kBalanceRearTolerance = 0.0075;
// ...to this far ahead of it (front shares).
constexpr double kBalanceFrontTolerance = 0.0025;

// The aero balance divides the front wheels' lift less their drag-pitch load by the total
// lift; a total below this share of the loads it is made of (every element's lift and the
// drag-pitch load) leaves no balance to show: the quotient then grows without bound (a lift
// coefficient of 0.001 gave 1578.6% / -1478.6%).
constexpr float kBalanceMinTotalShare = 0.25f;

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

// The aero balance is the front axle's share of the total lift; it means something only while
// that total is not lost in the cancelling of lift and downforce, nor small beside the load
// the drag's pitch moves between the axles. Per wheel: each axle's two wheels carry half.
bool LiftBalanceDefined(const AeroForces& a) {
    float acting = 0.0f;  // N
    for (float lift : a.Lift) acting += std::fabs(lift);
    acting = 0.5f * acting + std::fabs(a.DragPitchLoad[0]);
    return 0.5f * std::fabs(a.TotalLift) > kBalanceMinTotalShare * acting;
}

// An angle held in degrees, in the angle unit.
std::string DegreesText(double degrees) {
    return core::UnitValueText(Quantity::Angle, degrees / core::kDegreesPerRadian);
}

// Front and rear of a front share at one decimal: "45.5% / 54.5%".
std::string PairText(float frontShare) {
    if (!std::isfinite(frontShare)) return NotApplicable();
    return core::RoundedText(frontShare * 100.0f, 1) + "% / " + core::RoundedText((1.0f - frontShare) * 100.0f, 1) +
           "%";
}

// The front axle's share of the wheel loads with aerodynamics: a share only while both axles
// stay on the ground; a lift beyond an axle's load leaves a sum near or below zero whose
// shares lie beyond 0..100 % (676.2% / -576.2% for a light body of 100 m^2 at a Cd of 5).
std::string WheelLoadShareText(const AeroForces& a, float frontShare) {
    const float sum = a.WheelLoad[0] + a.WheelLoad[1] + a.WheelLoad[2] + a.WheelLoad[3];
    if (VehicleTips(a) || !(sum > 0.0f)) return NotApplicable();
    return PairText(frontShare);
}

// Lift/drag ratio, positive for downforce: "2.5 : 1"; "N/A" with no drag (standing still).
std::string RatioText(float lift, float drag) {
    if (drag == 0.0f) return NotApplicable();
    const float ratio = -lift / drag;
    if (!std::isfinite(ratio)) return NotApplicable();
    return core::RoundedText(ratio, 2) + " : 1";
}

// Shares of drag and rolling resistance in the total: "35% / 65%"; "N/A" with no resistance.
std::string ResistanceShareText(const AeroForces& a) {
    if (a.TotalResistance == 0.0f) return NotApplicable();
    const float drag = a.TotalDrag / a.TotalResistance * 100.0f;
    const float rolling = a.TotalRollingResistance / a.TotalResistance * 100.0f;
    if (!std::isfinite(drag) || !std::isfinite(rolling)) return NotApplicable();
    return core::RoundedText(drag, 0) + "% / " + core::RoundedText(rolling, 0) + "%";
}

}  // namespace

AeroBalanceColour AeroBalanceColourFor(float aeroFrontShare, float cogFrontShare) {
    if (aeroFrontShare == 0.0f || !std::isfinite(aeroFrontShare)) return AeroBalanceColour::Black;
    const double share = aeroFrontShare;
    const double cog = cogFrontShare;
    if (share < cog - kBalanceRearTolerance) return AeroBalanceColour::Blue;
    if (share > cog + kBalanceFrontTolerance) return AeroBalanceColour::Red;
    return AeroBalanceColour::Green;
}

bool TopSpeedShown(bool runsRefused) {
    return !runsRefused && !VehicleTips(AeroCode().LiveAero);
}

AeroCaptions BuildAeroCaptions(const AeroCaptionInputs& in) {
    const AeroCodeState& s = AeroCode();
    const AeroForces& a = s.LiveAero;
    const VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;

    AeroCaptions out;
    auto& list = out.Captions;
    list.reserve(48);
    auto analysis = [&list](int index, std::string text) {
        list.push_back({core::LabelArray::Analysis_AeroLabel, index, std::move(text), {}});
    };

    using core::LabelArray;
    list.push_back({LabelArray::Set_AeroLabel, 2, DegreesText(in.FrontWingAngle), {}});
    list.push_back({LabelArray::Set_AeroLabel, 3, DegreesText(in.RearWingAngle), {}});
    list.push_back({LabelArray::Set_LiveLabel, 104,
                    core::UnitValueText(Quantity::Speed, in.LiveSpeed), {}});

    // The axle loads, and the rolling resistance worked out from the wheel loads, of a
    // vehicle that tips have no meaning; nor has the rolling resistance of a tyre on its rim,
    // nor a top speed reached against either.
    const bool tips = VehicleTips(a);
    const auto fromLoads = [tips](std::string text) {
        return tips ? NotApplicable() : std::move(text);
    };
    const auto fromRolling = [&in, tips](std::string text) {
        return tips || in.RunsRefused ? NotApplicable() : std::move(text);
    };
    analysis(17, TopSpeedShown(in.RunsRefused) ? core::UnitValueText(Quantity::Speed, s.TopSpeed)
                                               : NotApplicable());
    analysis(12, fromRolling(core::UnitValueText(Quantity::Force, a.TotalResistance)));
    analysis(77, fromRolling(core::UnitValueText(Quantity::Power, a.ResistancePower)));
    analysis(10, core::UnitValueText(Quantity::Force, a.TotalDrag));
    analysis(11, fromRolling(core::UnitValueText(Quantity::Force, a.TotalRollingResistance)));
    analysis(13, fromRolling(ResistanceShareText(a)));
    analysis(14, core::UnitValueText(Quantity::Force, a.TotalLift));
    analysis(15, RatioText(a.TotalLift, a.TotalDrag));
    analysis(22, fromLoads(core::UnitValueText(Quantity::Force, a.WheelLoad[1] + a.WheelLoad[0])));
    analysis(23, fromLoads(core::UnitValueText(Quantity::Force, a.WheelLoad[3] + a.WheelLoad[2])));
    analysis(24, WheelLoadShareText(a, s.AeroWheelLoadFrontShare));

    // The aero balance: no aero load (standing still, no lift) or a total lift near zero has
    // none to show.
    out.BalanceColour = LiftBalanceDefined(a)
                            ? AeroBalanceColourFor(s.AeroLoadFrontShare, in.CoGFrontShare)
                            : AeroBalanceColour::Black;
    if (out.BalanceColour == AeroBalanceColour::Black) {
        analysis(kAeroBalanceLabel, NotApplicable());
        out.BalanceToolTip = NotApplicable();
    } else {
        analysis(kAeroBalanceLabel, PairText(s.AeroLoadFrontShare));
    }

    analysis(16, core::RoundedText(s.AeroLoadRatio, 2));
    analysis(29, core::RoundedText(static_cast<float>(s.AirTemperature - kZeroCelsius), 2) +
                     core::TextTable().DegreesCelsiusSuffix);
    analysis(30, core::UnitValueText(Quantity::Pressure, kAirPressure));
    analysis(31, core::UnitValueText(Quantity::Density, s.AirDensity));

    // Per element: drag area, lift area, drag, lift, lift/drag ratio. The body's drag area
    // is the plain one, without the compressibility factor of the last force calculation.
    struct Element {
        int first;    // label of the drag area; the other four follow
        int element;  // 0 body, 1 undertray, 2 rear wing, 3 front wing
    };
    constexpr Element kElements[] = {{37, 0}, {47, 1}, {57, 3}, {67, 2}};
    for (const Element& e : kElements) {
        const std::size_t k = static_cast<std::size_t>(e.element);
        const float dragArea = k == 0 ? v.FrontalArea * v.DragCoefficient : s.DragCoeffs[k];
        const float liftArea = k == 0 ? v.LiftCoefficient * v.FrontalArea : s.LiftCoeffs[k];
        analysis(e.first, core::UnitNumberText(Quantity::Area, dragArea));
        analysis(e.first + 1, core::UnitNumberText(Quantity::Area, liftArea));
        analysis(e.first + 2, core::UnitValueText(Quantity::Force, a.Drag[k]));
        analysis(e.first + 3, core::UnitValueText(Quantity::Force, a.Lift[k]));
        analysis(e.first + 4, RatioText(a.Lift[k], a.Drag[k]));
    }
    // The wings' angles after the body-pitch correction (the pitch the wheel loads give).
    analysis(75, tips ? NotApplicable() : DegreesText(s.FrontWingAngleEff));
    analysis(73, tips ? NotApplicable() : DegreesText(s.RearWingAngleEff));
    return out;
}

}  // namespace vehicle
