// Drivetrain inertia of module GearingCode: the rotating inertia of engine, gearbox, shafts
// and wheels, referred to the wheels, and its equivalent translating mass. The drivetrain
// parts are not entered by the user: engine, gearbox and shaft sizes are estimated from the
// engine's peak torque (the callers pass EngineRecord::PeakTorque), the gear ratios
// (GearingCode().GearRatios / OverallRatios) and the current vehicle's wheelbase and tracks.
//
// Inertias in kg m^2, equivalent masses in kg (inertia / rolling radius^2). Nothing is stored.
#pragma once

#include <array>
#include <cstdint>

namespace vehicle {

// Gear number meaning "no gear engaged".
inline constexpr uint8_t kNoGear = 255;

// The two tyre figures these routines read, per wheel (FL, FR, RL, RR).
struct WheelSpin {
    float Inertia = 0.0f;        // kg m^2 about the axle
    float RollingRadius = 0.0f;  // m
};
using WheelSpinSet = std::array<WheelSpin, 4>;

// The figures of any per-wheel tyre record with Inertia and RollingRadius fields.
template <typename Tyre>
WheelSpinSet WheelSpinOf(const std::array<Tyre, 4>& tyres) {
    WheelSpinSet out;
    for (std::size_t i = 0; i < 4; ++i) out[i] = {tyres[i].Inertia, tyres[i].RollingRadius};
    return out;
}

// Shafts only (propeller and half shafts), referred to the wheels, no gear engaged.
float CalcShaftInertia(float torque);
// Engine, gearbox and shafts referred to the wheels in gear g (1..7; 0 reverse). A gear
// outside the ratio table counts as no gear engaged (shafts only).
float CalcDrivetrainInertiaInGear(float torque, uint8_t gear);
// Equivalent mass of the rotating drivetrain (shared out to the driven wheels by
// FrontTorqueShare) and all four wheels. gear kNoGear: shafts only. A vehicle that is not
// wheel driven gets the wheels alone.
float CalcRotatingEquivMass(const WheelSpinSet& tyres, float torque, uint8_t gear);
// Equivalent mass of the wheels that are not driven (0 for four-wheel drive).
float CalcWheelEquivMass(const WheelSpinSet& tyres);

template <typename Tyre>
float CalcRotatingEquivMass(const std::array<Tyre, 4>& tyres, float torque, uint8_t gear) {
    return CalcRotatingEquivMass(WheelSpinOf(tyres), torque, gear);
}
template <typename Tyre>
float CalcWheelEquivMass(const std::array<Tyre, 4>& tyres) {
    return CalcWheelEquivMass(WheelSpinOf(tyres));
}

}  // namespace vehicle
