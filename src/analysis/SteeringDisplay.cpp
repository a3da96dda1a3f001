#include "analysis/SteeringDisplay.hpp"

#include <cmath>

#include "analysis/SteeringCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"

namespace analysis {

using core::Quantity;

namespace {

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

// Wheelbase to track width, to 3 decimals: "1.733 : 1". A track of no width has no ratio.
std::string RatioText(float ratio, float trackWidth) {
    if (!(trackWidth > 0.0f) || !std::isfinite(ratio)) return NotApplicable();
    return core::SingleText(core::RoundToDecimals(ratio, 3)) + " : 1";
}

}  // namespace

std::string AngleText(float radians) { return core::UnitValueText(Quantity::Angle, radians); }

std::string SidedAngleText(float radians, std::string_view zeroText) {
    if (!std::isfinite(radians)) return NotApplicable();
    if (radians == 0.0f) return std::string(zeroText);
    const auto& t = core::TextTable();
    return AngleText(std::fabs(radians)) + (radians > 0.0f ? t.RightText : t.LeftText);
}

void SteeringAnalysisCaptions(std::vector<core::Caption>& out) {
    using Target = core::LabelArray;
    const SteeringCodeState& s = SteeringCode();
    const auto& axles = core::GlobalChassisLab().CurrentVehicle.Axles;
    const std::string& straight = core::TextTable().StraightText;
    out.clear();
    auto put = [&out](Target array, int index, std::string text) {
        out.push_back({array, index, std::move(text), std::nullopt});
    };
    auto steering = [&put](int index, std::string text) {
        put(Target::Analysis_SteeringLabel, index, std::move(text));
    };

    put(Target::Set_LiveLabel, 108, SidedAngleText(s.SteerAngle, straight));
    put(Target::Set_TyreLabel, 8, AngleText(s.StaticCamber[0]) + " / " + AngleText(s.StaticCamber[1]));
    put(Target::Set_TyreLabel, 9, AngleText(s.StaticCamber[2]) + " / " + AngleText(s.StaticCamber[3]));

    put(Target::Set_SteerLabel, 100, AngleText(s.WheelToe[0]));
    put(Target::Set_SteerLabel, 101, AngleText(s.AxleCaster[0]));
    // The slider's per cent as set (a fraction of 0.57 reads "57%").
    const float percent = s.AckermannFraction * 100.0f;
    put(Target::Set_SteerLabel, 102,
        (std::isfinite(percent) ? core::SingleText(percent) : NotApplicable()) + "%");
    put(Target::Set_SteerLabel, 103, AngleText(s.SteeringLock));
    put(Target::Set_SteerLabel, 104, AngleText(s.WheelToe[2]));
    put(Target::Set_SteerLabel, 105, AngleText(s.AxleCaster[1]));

    for (int a = 0; a < 2; ++a)
        steering(100 + a, RatioText(s.WheelbaseTrackRatio[a], axles[a].TrackWidth));
    for (int a = 0; a < 2; ++a) steering(124 + a, AngleText(s.LiveCaster[a]));
    // No Ackermann correction (straight ahead, or parallel steer) has nothing to show.
    const std::string notApplicable = NotApplicable();
    for (int k = 0; k < 2; ++k)
        steering(102 + k, SidedAngleText(s.AckermannAngle[k], notApplicable));
    for (int k = 0; k < 2; ++k) steering(104 + k, SidedAngleText(s.WheelSteerAngle[k], straight));
    // Straight ahead on average the turn has no centre.
    steering(122, s.SteerRadius == 0.0f ? notApplicable
                                        : core::UnitValueText(Quantity::DistanceSmall, s.SteerRadius));
    steering(123, AngleText(s.AckermannArmAngle));
    // The body roll comes from the wheel loads: a vehicle that tips has no roll camber, nor a
    // live camber.
    const bool tips = vehicle::VehicleTips(vehicle::AeroCode().LiveAero);
    for (int i = 0; i < 4; ++i) {
        steering(106 + i, tips ? notApplicable : AngleText(s.RollCamber[i]));
        steering(110 + i, AngleText(s.CasterCamber[i]));
        steering(114 + i, AngleText(s.InclinationCamber[i]));
        steering(118 + i, tips ? notApplicable : AngleText(s.LiveCamber[i]));
    }
}

}  // namespace analysis
