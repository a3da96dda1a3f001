#include "ui/tools/LevelRide.hpp"

#include <cmath>

#include "core/Numbers.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/Units.hpp"

namespace tools {

namespace {
constexpr float kNmPerSliderUnit = 100.0f;
}  // namespace

float SpringRateForFrequency(float frequencyHz, float sprungAxleMass, float motionRatio) {
    const float omega = 2.0f * frequencyHz * static_cast<float>(core::kPi);  // rad/s
    return omega * omega * 0.5f * sprungAxleMass * (motionRatio * motionRatio);
}

int32_t SpringSliderValue(float rateNm) { return core::CLng(rateNm / kNmPerSliderUnit); }

bool LevelRideUsable(const LevelRideSnapshot& s, const LevelRideVehicle& v) {
    return v.LiveSpeed > 0.0f && s.LevelRideFrequency[0] > 0.0f && s.LevelRideFrequency[1] > 0.0f;
}

std::optional<LevelRideSliders> LevelRideSprings(LevelRideAction action,
                                                 const LevelRideSnapshot& s,
                                                 const LevelRideVehicle& v) {
    if (!LevelRideUsable(s, v)) return std::nullopt;
    auto rate = [&](std::size_t axle, float f) {
        return SpringRateForFrequency(f, v.SprungAxleMass[axle], v.MotionRatio[axle]);
    };
    LevelRideSliders out;
    if (action == LevelRideAction::Average) {
        float k0 = rate(0, s.LevelRideFrequency[0]);
        k0 = k0 - (k0 - s.SpringRate[0]) * 0.5f;
        out.Front = SpringSliderValue(k0);
        const float mr0 = v.MotionRatio[0];
        const float f0 = std::sqrt((k0 / (mr0 * mr0)) / (v.SprungAxleMass[0] * 0.5f)) /
                         static_cast<float>(core::kTwoPi);
        const float period = 1.0f / f0 - v.Wheelbase / v.LiveSpeed;  // s, rear ride period
        if (period > 0.0f && std::isfinite(period)) out.Rear = SpringSliderValue(rate(1, 1.0f / period));
        return out;
    }
    std::size_t axle = 0;
    if (action == LevelRideAction::Stiffen)
        axle = s.LevelRideFrequency[0] <= s.RideFrequency[0] ? 1 : 0;
    else
        axle = s.LevelRideFrequency[0] < s.RideFrequency[0] ? 0 : 1;
    const int32_t moved = SpringSliderValue(rate(axle, s.LevelRideFrequency[axle]));
    const int32_t kept = SpringSliderValue(s.SpringRate[1 - axle]);
    out.Front = axle == 0 ? moved : kept;
    out.Rear = axle == 1 ? moved : kept;
    out.RearFirst = axle == 1;  // the moved axle first
    return out;
}

LevelRideSliders RevertSprings(const LevelRideSnapshot& s) {
    return {SpringSliderValue(s.SpringRate[0]), SpringSliderValue(s.SpringRate[1]), false};
}

}  // namespace tools
