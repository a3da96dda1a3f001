// The carried state of one acceleration run (internal to AccelerationRun.cpp and
// AccelerationDrivetrain.cpp): what one step hands to the next. Nothing here outlives a run;
// the results go to AccelerationCode().
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "analysis/SuspensionCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace analysis::accrun {

inline constexpr float kClutchCapacityFactor = 1.05f;  // clutch capacity / peak torque
inline constexpr float kLaunchClutch = 0.6f;       // clutch factor at the start
inline constexpr float kLaunchLossShare = 0.05f;   // share of the clutch capacity lost at launch
inline constexpr float kSlipRatePerSecond = 0.3f;  // largest change of slip ratio per second
inline constexpr float kSlipScale = 0.075f;        // slip ratio at the traction limit
inline constexpr float kSlipSmoothing = 0.2f;      // weight of the new slip value
inline constexpr float kWheelSpeedSmoothing = 0.2f;  // weight of the new wheel speed
inline constexpr float kThrottleStep = 0.001f;     // throttle reduction step
inline constexpr float kSpinLimitShare = 0.999f;   // spin when torque > this x traction limit
// A slip ratio of 1 would make the wheel speed infinite; the run keeps it below this.
inline constexpr float kMaxSlipRatio = 0.99f;

// Progress bar value for a position x (in progress units): x as a float rounded half away
// from zero, which is what core::RoundToDecimals(x, 0) gives, without that routine's call
// and cache on every step of the run and of its summary.
inline int32_t ProgressBarValue(double x) {
    return static_cast<int32_t>(std::round(static_cast<float>(x)));
}

struct Run {
    // ---- Fixed for the run ----
    float dt = 0.01f;               // s
    float endDistance = 0.0f;       // m the run must pass before it may stop
    float slipRateLimit = 0.0f;     // dt x 0.3, largest slip change per step
    // Weights of the new slip and wheel-speed values per step: the 1/100 s weights, held to
    // the same smoothing per second at any step.
    float slipSmoothing = kSlipSmoothing;
    double wheelSpeedSmoothing = kWheelSpeedSmoothing;
    uint8_t driveType = 0;
    uint8_t numGears = 1;
    bool tractionControl = false;
    int32_t tyreWearPercent = 0;
    float clutchCapacity = 0.0f;    // N m, C
    float launchSpeed = 0.0f;       // rad/s, L
    float frontShare = 0.0f;        // FrontTorqueShare
    float efficiency = 0.0f;        // drivetrain efficiency
    float shiftTime = 0.0f;         // s
    float fuelDensity = 0.0f;       // kg/l of the engine's fuel
    // CalcDrivetrainInertiaInGear(PeakTorque, g) x 0.5 for g = 0..7 (the gearing is fixed
    // during a run).
    std::array<float, 8> halfGearInertia{};
    // Each tyre's compound grip factor at its temperature, which the run does not change.
    std::array<float, 4> temperatureFactor{};
    // Throttle after k reductions of 0.001 from full throttle, accumulated in Single as the
    // reduction loop does it; grown when a step needs more.
    std::vector<float> throttleLadder;

    // ---- Vehicle state ----
    vehicle::EngineRecord engine;   // Throttle, Speed, Torque are the run's
    vehicle::TorqueEnds torqueEnds;  // the engine curve at this step's engine speed
    double speed = 0.0;             // m/s
    float distance = 0.0f;          // m
    uint8_t gear = 1;
    float clutch = 1.0f;            // 0..1
    vehicle::PositionXYZ cog;       // X right share, Y front share, Z height above ground
    float totalMass = 0.0f;         // kg
    float sprungMass = 0.0f;        // kg
    float fuelMass = 0.0f;          // kg
    std::array<float, 4> cornerMass{};        // kg
    std::array<float, 4> sprungCornerMass{};  // kg
    std::array<float, 4> staticLoad{};        // N
    std::array<float, 4> targetLoad{};        // N, static + aero + load transfer
    std::array<float, 4> wheelLoad{};         // N, the tyre's load this step
    std::array<ResponseCornerState, 4> response{};
    std::array<vehicle::PositionXYZ, 4> elementPos{};  // element order; Z height above ground
    float frontWingEff = 0.0f;      // degrees, after body pitch
    float rearWingEff = 0.0f;
    float prevDriveForce = 0.0f;    // N
    float rotEquivMass = 0.0f;      // kg
    float weightTransfer = 0.0f;    // N
    float unsprungHeight = 0.0f;    // m

    // ---- Drivetrain and wheels ----
    float driveTorque = 0.0f;       // N m at the wheels, D
    double drivenWheelSpeed = 0.0;  // rad/s, w
    std::array<double, 4> wheelTorque{};    // N m
    std::array<double, 4> inertiaTorque{};  // N m, + released, - absorbed
    std::array<double, 4> wheelForce{};     // N
    std::array<double, 4> angularSpeed{};   // rad/s
    std::array<float, 4> tractionRatio{};
    std::array<float, 4> slipRatio{};
    std::array<core::VbBool, 4> spin{};
    std::array<float, 2> axleTorque{};      // N m, previous step's
    std::array<float, 2> transfer{};        // N m, this step's limited-slip transfer
    std::array<int, 2> lowerWheel{0, 2};
    std::array<int, 2> higherWheel{1, 3};
    float minRatio = 1.0f;                  // m, smallest traction ratio of the step

    // ---- Shifting and stopping ----
    bool shifting = false;
    bool releasing = false;
    float shiftTimer = 0.0f;
    float releaseTimer = 0.0f;
    float rampTime = 0.0f;
    float timeSinceShift = 0.0f;
    bool stopFlag = false;
};

// ---- Drivetrain steps (AccelerationDrivetrain.cpp) ----

bool WheelDriven(const Run& r);
// Engine torque at the run's throttle and engine speed, clutch limit, launch loss; sets the
// engine's Torque, r.driveTorque and r.torqueEnds (the curve at this step's engine speed, used
// by every later torque of the step).
void ComputeDriveTorque(Run& r);
// Wheel loads, tyres, traction limits and wheel torques; clears the spin flags.
void ComputeWheelTorques(Run& r, std::array<vehicle::TyreState, 4>& tyres,
                         const std::array<SuspCorner, 4>& corners);
// Limited-slip transfer per axle and the smallest traction ratio (traction control off).
void LimitedSlipTransfer(Run& r, const std::array<vehicle::TyreState, 4>& tyres);
// Throttle reduction until the drive torque is within the weakest wheel's traction.
void ReduceThrottle(Run& r);
// Wheel torques with the reduced drive torque, axle torques, spin flags, wheel forces and
// slip ratios.
void FinalWheelPass(Run& r, const std::array<vehicle::TyreState, 4>& tyres);
// Driven-wheel speed, engine speed and clutch from the new road speed.
void EngineSpeedFromRoad(Run& r, const std::array<vehicle::TyreState, 4>& tyres);
// Wheel angular speeds and inertia torques from the new road speed.
void WheelInertiaTorques(Run& r, const std::array<vehicle::TyreState, 4>& tyres);

}  // namespace analysis::accrun
