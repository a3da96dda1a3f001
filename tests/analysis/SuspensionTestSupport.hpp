// A plain test car for the suspension and steering tests: four equal corners, motion ratios 1,
// tracks 1.5 m, wheelbase 2.5 m, 250 kg sprung and 25 kg unsprung at each corner, centre of
// gravity on the centre line halfway between the axles; sliders 100 mm travel, 50000 N/m
// springs, 3000 / 6000 N s/m bump / rebound, 20000 N/m bars.
#pragma once

#include <cmath>
#include <initializer_list>

#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "vehicle/TyreCode.hpp"

namespace suspension_test {

inline constexpr double kG = 9.80665;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr float kSprung = 250.0f;   // kg per corner
inline constexpr float kUnsprung = 25.0f;  // kg per corner

inline void ResetSuspensionState() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    analysis::PhysicalCode() = analysis::PhysicalCodeState{};
    analysis::SuspensionCode() = analysis::SuspensionCodeState{};
    analysis::SteeringCode() = analysis::SteeringCodeState{};
    vehicle::TyreCode() = vehicle::TyreCodeState{};
}

inline void SetPlainCar() {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    for (auto& axle : v.Axles) {
        axle.SpringMotionRatio = 1.0f;
        axle.ARBMotionRatio = 1.0f;
        axle.TrackWidth = 1.5f;
        axle.UnsprungMass = 2.0f * kUnsprung;
        axle.RideHeight = 0.1f;
    }
    v.Wheelbase = 2.5f;
    v.AeroElements[0].PosY = 0.5f;
    v.AeroElements[1].PosY = 0.5f;
    v.AeroElements[2].PosY = 0.0f;  // rear wing over the rear axle
    v.AeroElements[3].PosY = 1.0f;  // front wing over the front axle

    auto& p = analysis::PhysicalCode();
    for (int i = 0; i < 4; ++i) {
        p.SprungCornerMass[i] = kSprung;
        p.UnsprungCornerMass[i] = kUnsprung;
        p.CornerMass[i] = kSprung + kUnsprung;
        p.CornerStaticLoad[i] = static_cast<float>((kSprung + kUnsprung) * kG);
        p.CornerDynamicLoad[i] = p.CornerStaticLoad[i];
    }
    p.SprungMass = 4.0f * kSprung;
    p.UnsprungMass = 4.0f * kUnsprung;
    p.TotalMass = p.SprungMass + p.UnsprungMass;
    p.SprungAxleMass = {2.0f * kSprung, 2.0f * kSprung};
    p.VehicleCoG = {0.5f, 0.5f, 0.5f};
    p.UnsprungCoG = {0.5f, 0.5f, 0.3f};
    p.SprungMassShare = p.SprungMass / p.TotalMass;
    p.FrontAxleSprungShare = kSprung / (kSprung + kUnsprung);
    p.RearAxleSprungShare = kSprung / (kSprung + kUnsprung);
}

inline analysis::SuspensionSetupInputs PlainSetup() {
    analysis::SuspensionSetupInputs in;
    in.SpringTravelMm = {100, 100};
    in.SpringStiffness = {500, 500};
    in.BumpDamp = {30, 30};
    in.ReboundDamp = {60, 60};
    in.ARBStiffness = {200, 200};
    return in;
}

// Sets each corner's SpringLoad from CornerDynamicLoad, as the live-state analysis does, and
// shares both axles.
inline void ShareLiveLoads() {
    auto& s = analysis::SuspensionCode();
    const auto& p = analysis::PhysicalCode();
    for (int i = 0; i < 4; ++i) {
        s.SuspCorners[i].SpringLoad =
            static_cast<float>(p.CornerDynamicLoad[i] - p.UnsprungCornerMass[i] * kG);
    }
    analysis::ShareAxleLoad(s.SuspCorners[0], s.SuspCorners[1], s.AntiRollStiffness[0]);
    analysis::ShareAxleLoad(s.SuspCorners[2], s.SuspCorners[3], s.AntiRollStiffness[1]);
}

inline bool AllFinite(std::initializer_list<float> values) {
    for (float x : values)
        if (!std::isfinite(x)) return false;
    return true;
}

inline bool CornerFinite(const analysis::SuspCorner& c) {
    return AllFinite({c.MotionRatio, c.SpringTravel, c.WheelTravel, c.BumpDampWheel,
                      c.ReboundDampWheel, c.WheelRate, c.SpringLoad, c.SpringDeflection,
                      c.WheelDeflection, c.LoadedSpringLength, c.WheelTravelLeft,
                      c.TravelLeftDiff, c.RideFrequency, c.WheelHopFrequency,
                      c.CriticalDamping, c.BumpDampingRatio, c.ReboundDampingRatio});
}

}  // namespace suspension_test
