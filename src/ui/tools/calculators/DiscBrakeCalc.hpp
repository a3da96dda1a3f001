// The disc brake calculator as a plain function: pedal force through the pedal lever, an
// optional balance (bias) bar between two master cylinders, the hydraulics and the calipers to
// the brake torque of the front and rear discs.
//
// Inputs in SI (m, N; the bias bar's offset in turns of its thread). Arrays of two are front
// (0) and rear (1). Single precision throughout.
#pragma once

#include <array>

namespace tools {

// The input boxes, by their index in the window's box array (9 and 10 do not exist).
namespace BrakeBox {
inline constexpr int PedalArm = 0;
inline constexpr int PushrodDistance = 1;
inline constexpr int AppliedForce = 2;
inline constexpr int BiasThread = 3;
inline constexpr int BiasLength = 4;
inline constexpr int BiasOffset = 5;
inline constexpr int MasterBore = 6;
inline constexpr int FrontCaliperBore = 7;
inline constexpr int RearCaliperBore = 8;
inline constexpr int RearDisc = 11;
inline constexpr int Friction = 12;
inline constexpr int FrontDisc = 13;
inline constexpr int Count = 14;  // array size (indexes 9 and 10 unused)
}  // namespace BrakeBox

struct DiscBrakeInputs {
    float PedalArm = 0.0f;         // m, Lp (pivot to pedal pad)
    float PushrodDistance = 0.0f;  // m, Lr (pivot to pushrod)
    float AppliedForce = 0.0f;     // N, Fa on the pad
    int MasterCylinders = 1;       // 1 or 2 (two: a bias bar splits the force)
    float BiasThread = 0.0f;       // m per turn, h
    float BiasLength = 0.0f;       // m, Lb
    float BiasOffset = 0.0f;       // turns, u; positive moves force to the front
    float MasterBore = 0.0f;       // m, Dm
    std::array<float, 2> CaliperBore{};      // m, Dc
    std::array<float, 2> CalipersPerDisc{};  // c
    int PadsPerCaliper = 1;        // P
    float Friction = 0.0f;         // mu, pad on disc
    std::array<float, 2> DiscDiameter{};     // m, Dd
};

struct DiscBrakeResult {
    std::array<bool, BrakeBox::Count> Ok{};  // per box index; true for the unused indexes
    bool Valid = true;
    float Leverage = 0.0f;          // R = Lp / Lr
    float MechanicalForce = 0.0f;   // N, Fa x R
    float MasterArea = 0.0f;        // m^2
    std::array<float, 2> CaliperArea{};   // m^2, all pistons on the disc
    std::array<float, 2> PadRadius{};     // m, effective
    std::array<float, 2> MasterForce{};   // N
    std::array<float, 2> Pressure{};      // Pa
    std::array<float, 2> ClampForce{};    // N
    std::array<float, 2> Torque{};        // N m per disc
    float TorqueEffortRatio = 0.0f;       // (T front + T rear) / Fa, N m per N
    // Front share of the torque, 0..1; false when the torques add up to 0 (no balance).
    bool HasBalance = false;
    float FrontBalance = 0.0f;
};

// Checks in order, each box within its range of PartRanges.hpp: pedal arm, pushrod distance,
// applied force, thread, bias bar length, offset (with two master cylinders also small enough
// that neither cylinder is pulled: shift <= 0.5), master bore and caliper bores, friction,
// each disc at least twice its caliper bore and at most 1 m. The bias-bar boxes are checked
// also with one master cylinder. When every box passes, the figures are checked against each
// other: the pedal ratio (pedal arm and pushrod boxes) and the line pressure in each master
// cylinder (applied force and master bore boxes).
DiscBrakeResult CalcDiscBrakes(const DiscBrakeInputs& in);

}  // namespace tools
