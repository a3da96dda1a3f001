#include "analysis/PhysicalDisplay.hpp"

#include <cmath>

#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace analysis {

using core::Quantity;

namespace {

constexpr double kGravity = 9.80665;

// Fills the captions of one routine; Phys(i) is Analysis_PhysLabel(i).
class CaptionWriter : public core::CaptionFill {
public:
    using core::CaptionFill::CaptionFill;
    std::string& Phys(int index) { return Text(core::LabelArray::Analysis_PhysLabel, index); }
};

const std::string& NotApplicable() {
    static const std::string text(core::kNotApplicableText);
    return text;
}

// The plain text of a number ("N/A" for a value that is not finite).
std::string Plain(float value) {
    return std::isfinite(value) ? core::SingleText(value) : NotApplicable();
}

// The rounded small-distance number without its suffix.
std::string NumberText(float metres) {
    float x = 0.0f;
    if (!std::isfinite(metres) || !core::UnitDisplayValue(Quantity::DistanceSmall, metres, x) ||
        !std::isfinite(x))
        return NotApplicable();
    return core::UnitNumberText(Quantity::DistanceSmall, metres);
}

std::string Percent(float share) { return core::RoundedText(share * 100.0f, 2) + "%"; }

}  // namespace

std::string ShareText(float share) { return Percent(share); }

std::string LabelledPairText(float frontShare) {
    const auto& t = core::TextTable();
    return Percent(frontShare) + t.FrontText + " / " + Percent(1.0f - frontShare) + t.RearText;
}

std::string PlainPairText(float frontShare) {
    return Percent(frontShare) + " / " + Percent(1.0f - frontShare);
}

std::string DistancePairText(float first, float second) {
    return NumberText(first) + " / " +
           NumberText(second) +
           core::UnitSuffix(Quantity::DistanceSmall);
}

void PhysicalAnalysisCaptions(const PhysicalCaptionInputs& in, std::vector<core::Caption>& out) {
    const PhysicalCodeState& m = PhysicalCode();
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const bool noMass = m.TotalMass == 0.0f;
    CaptionWriter w(out);

    w.Text(core::LabelArray::Set_AeroLabel, 11) = std::to_string(in.HandicapIntake) + "%";
    w.Text(core::LabelArray::Set_AeroLabel, 12) =
        core::UnitValueText(Quantity::Mass, in.HandicapMass);
    w.Text(core::LabelArray::Set_AeroLabel, 13) = std::to_string(in.HandicapMassPos) + "%";

    w.Phys(100) = core::UnitValueText(Quantity::Mass, m.FuelMass);
    w.Phys(101) = core::UnitValueText(Quantity::Mass, m.TotalMass);
    w.Phys(102) = core::UnitValueText(Quantity::Force, static_cast<double>(m.TotalMass) * kGravity);
    // The increase has no meaning without a dry mass to compare with.
    w.Phys(103) = m.DryMass == 0.0f
                      ? NotApplicable()
                      : Plain(core::RoundToDecimals(m.FuelMassIncrease, 3) * 100.0f) + "%";
    w.Phys(156) = ShareText(m.FuelCoGShift.X);
    w.Phys(104) = ShareText(m.FuelCoGShift.Y);
    w.Phys(105) = core::UnitValueText(Quantity::DistanceSmall, m.FuelCoGShift.Z);
    w.Phys(106) = core::UnitValueText(Quantity::Mass, m.UnsprungMass);
    w.Phys(107) = m.UnsprungMass == 0.0f ? NotApplicable() : LabelledPairText(m.UnsprungCoG.Y);
    w.Phys(108) = core::UnitValueText(Quantity::Mass, m.SprungMass);
    w.Phys(109) = LabelledPairText(m.SprungMassDistribution);
    w.Phys(110) = noMass ? NotApplicable() : ShareText(m.SprungMassShare);
    w.Phys(111) = noMass ? NotApplicable() : ShareText(1.0f - m.SprungMassShare);
    w.Phys(112) = (noMass || m.UnsprungMass == 0.0f)
                      ? NotApplicable()
                      : core::RoundedText(m.SprungUnsprungRatio, 2) + " : 1";
    for (int i = 0; i < 4; ++i) w.Phys(113 + i) = core::UnitValueText(Quantity::Mass, m.CornerMass[i]);
    for (int i = 0; i < 4; ++i)
        w.Phys(117 + i) = noMass ? NotApplicable() : ShareText(m.CornerMassShare[i]);
    for (int i = 0; i < 4; ++i)
        w.Phys(121 + i) = core::UnitValueText(Quantity::DistanceSmall, tyres[i].UnloadedRadius);
    for (int i = 0; i < 4; ++i)
        w.Phys(125 + i) = core::UnitValueText(Quantity::MOI, tyres[i].Inertia);
    // kW per kg; the inverse units show factor / value (core::UnitValueText). A vehicle that
    // is not wheel driven has no engine power to weigh against.
    const float peakPower = vehicle::EngineCode().CurrentEngine.PeakPower;
    const bool wheelDriven =
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType != vehicle::kDriveThrust;
    w.Phys(129) = noMass || !wheelDriven
                      ? NotApplicable()
                      : core::UnitValueText(Quantity::P2W, peakPower / m.TotalMass);
}

void LiveAnalysisCaptions(const LiveCaptionInputs& in, std::vector<core::Caption>& out) {
    const PhysicalCodeState& m = PhysicalCode();
    const LiveStateCodeState& s = LiveStateCode();
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    CaptionWriter w(out);

    // Fuel load with the share of the tank it fills; a tank that holds nothing has no share.
    {
        std::string& text = w.Text(core::LabelArray::Set_LiveLabel, 103);
        text = core::UnitValueText(Quantity::Volume, m.LiveFuelLoad);
        text += " (";
        if (v.FuelTankCapacity > 0.0f)
            text += core::RoundedText(static_cast<float>(m.LiveFuelLoad) / v.FuelTankCapacity * 100.0f, 1) +
                    "%";
        else
            text += NotApplicable();
        text += ")";
    }
    w.Text(core::LabelArray::Set_LiveLabel, 105) = std::to_string(in.ThrottlePercent) + "%";
    w.Text(core::LabelArray::Set_LiveLabel, 106) = std::to_string(in.BrakePercent) + "%";

    // The live heights and accelerations come from the wheel loads (the deflections, the grip
    // and the rolling resistance they give): a vehicle that tips has none.
    const bool tips = vehicle::VehicleTips(vehicle::AeroCode().LiveAero);
    const auto fromLoads = [tips](Quantity q, float value) {
        return tips ? NotApplicable() : core::UnitValueText(q, value);
    };
    w.Phys(157) = fromLoads(Quantity::Acc, s.LateralAcceleration);
    w.Phys(130) = DistancePairText(m.CoGAxleDistance[0], m.CoGAxleDistance[1]);
    for (int i = 0; i < 4; ++i)
        w.Phys(131 + i) =
            DistancePairText(m.AeroElementAxleDistance[i], m.AeroElementAxleDistance[i + 4]);
    for (int i = 0; i < 4; ++i) w.Phys(141 + i) = PlainPairText(v.AeroElements[i].PosY);
    for (int i = 0; i < 4; ++i)
        w.Phys(146 + i) = fromLoads(Quantity::DistanceSmall, s.AeroElementRelPos[i].Z);
    for (int i = 0; i < 4; ++i)
        w.Phys(136 + i) = fromLoads(Quantity::DistanceSmall, m.AeroElementPos[i].Z);
    w.Phys(135) = fromLoads(Quantity::DistanceSmall, m.VehicleCoG.Z);
    w.Phys(140) = PlainPairText(m.VehicleCoG.Y);
    w.Phys(145) = NotApplicable();
    // Resistances and brakes read as negative accelerations.
    w.Phys(150) = fromLoads(Quantity::Acc, -s.LiveAccelParts[kAccelResistance]);
    w.Phys(151) = fromLoads(Quantity::Acc, s.LiveAccelParts[kAccelDrive]);
    w.Phys(152) = fromLoads(Quantity::Acc, -s.LiveAccelParts[kAccelBrakes]);
    w.Phys(153) = fromLoads(Quantity::Acc, s.LiveAccelParts[kAccelNet]);
    w.Phys(154) = std::to_string(s.LiveGear);
    w.Phys(155) = core::UnitValueText(Quantity::ARV, s.LiveEngine.Speed);
}

}  // namespace analysis
