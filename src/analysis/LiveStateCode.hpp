// Live-state analysis: the vehicle in the state set on the main window's live panel (road
// speed, throttle, brake, steering angle, wing angles, anti-lock brakes and traction control).
// From the masses already computed it works out the engine state in the gear the speed
// selects, the drive and brake forces at the wheels limited by tyre grip, the aerodynamic
// forces, the lateral and longitudinal load transfer and the live corner loads, body roll and
// pitch, and the live heights of the centre of gravity and the aerodynamic elements; then it
// rebuilds the aerodynamic speed table and refreshes the live displays.
//
// Results live where their readers expect them: this module's state below; the live corner
// loads (CornerDynamicLoad), the live heights (VehicleCoG.Z, UnsprungCoG.Z, AeroElementPos)
// in PhysicalCode(); the live aerodynamic forces and the wing angles (LiveAero, FrontWingAngle,
// FrontWingAngleEff, ...) in vehicle::AeroCode(); the corners in SuspensionCode().
//
// Wheel order 0 front left, 1 front right, 2 rear left, 3 rear right; axle 0 front, 1 rear;
// aerodynamic elements 0 body aero centre, 1 undertray, 2 rear wing, 3 front wing.
// SI units; single-precision arithmetic as the rest of the models; g = 9.80665 m/s^2.
//
// The model reads the setup and live controls through LiveStateInputs (filled by the main
// window's reader, ui/main/displays/LiveDisplays.hpp) and reaches the displays of the other
// modules through LiveStateLinks; with empty links it computes everything and shows nothing.
//
// Program-wide state: LiveStateCode(). A test resets it with
// `analysis::LiveStateCode() = analysis::LiveStateCodeState{};`.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/Numbers.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace analysis {

inline constexpr int kLiveStatePasses = 4;        // load-transfer passes
// Throttle step of the traction loop; engine braking is eased by the deceleration run's own
// search (ReduceEngineBraking), in its steps.
inline constexpr float kLiveThrottleStep = 0.001f;
inline constexpr float kLiveDegreesPerRadian = 57.29578f;  // wing-angle pitch correction

// LiveAccelParts index.
inline constexpr int kAccelResistance = 0;
inline constexpr int kAccelDrive = 1;
inline constexpr int kAccelBrakes = 2;
inline constexpr int kAccelNet = 3;

struct LiveStateCodeState {
    uint8_t LiveSpeed = 0;  // m/s, Live_Speed
    uint8_t LiveGear = 1;   // gear used at LiveSpeed
    core::VbBool DecABS = core::VbFalse;              // Set_ABS: anti-lock brakes on
    core::VbBool AccTractionControl = core::VbFalse;  // Set_TC: traction control on
    // Working copy of the current engine, remade on every call. Throttle (0..1) is the one the
    // engine-braking and traction loops reached; Speed rad/s; Torque N m (thrust N for a
    // vehicle that is not wheel driven).
    vehicle::EngineRecord LiveEngine;
    // m/s^2, positive in a right-hand turn: the steering's demand, limited by lateral grip.
    float LateralAcceleration = 0.0f;
    std::array<float, 2> AxleLateralTransfer{};  // N, front and rear axle
    PitchAngles BodyPitch;                        // rad, positive = front higher
    // X = 0.5, Z = height of the aero element relative to the centre of gravity (m).
    std::array<vehicle::PositionXYZ, 4> AeroElementRelPos{};
    // m/s^2 over (TotalMass + rotating equivalent mass): resistances, drive, brakes, net.
    std::array<float, 4> LiveAccelParts{};
    float RotatingEquivMass = 0.0f;  // kg, of the last call
    // Of the last pass: the brake share applied (0..1, eased below the setting when a wheel
    // locks without anti-lock brakes) and each tyre's longitudinal force (N, + forwards).
    float BrakeApplied = 0.0f;
    std::array<float, 4> TyreForce{};
};

LiveStateCodeState& LiveStateCode();

// Everything the analysis reads from the main window, as the controls hold it.
struct LiveStateInputs {
    int32_t SpeedMs = 0;           // Live_Speed, whole m/s (0..255)
    int32_t ThrottlePercent = 0;   // Live_Throttle
    int32_t BrakePercent = 0;      // Live_Brake
    bool ABS = false;              // Set_ABS value not 0
    bool TractionControl = false;  // Set_TC value not 0
    vehicle::AeroSetupInputs Wings;               // Set_AeroWingAngle(0), (1)
    SuspensionSetupInputs Suspension;             // suspension sliders
    SteeringSetupInputs Steering;                 // steering and camber sliders
    LiveSteeringInputs LiveSteering;              // Live_SteeringAngle
    vehicle::TyreSetupInputs TyreSetup;           // Set_TyrePressure(0..3)
    vehicle::LiveTyreInputs LiveTyres;            // Live_TyreTemp(0..1), Live_TyreWear
};

// The displays the analysis refreshes at its end, in this order. Each shows results already
// computed (captions and charts of its module); an empty one is skipped.
struct LiveStateLinks {
    std::function<void()> ShowAeroAnalysis;        // aerodynamic captions and charts
    std::function<void()> ShowTyreAnalysis;        // tyre captions and diagrams
    std::function<void()> ShowSuspensionAnalysis;  // suspension captions and charts
    std::function<void()> ShowLiveAnalysis;        // live captions (ui/main/displays/)
    std::function<void()> ShowSteeringAnalysis;    // steering captions
    std::function<void()> PlotSteeringGeometry;    // steering diagram
};

// The live-state analysis of the current vehicle. Needs, already computed: the masses, the
// tyre state, the gearing (SpeedAtShift, OverallRatios, FrontTorqueShare) and the brake
// torques (DecelerationCode().BrakeTorques).
void AnalyseLiveState(const LiveStateInputs& inputs, const LiveStateLinks& links = {});

// Puts the live results back to the vehicle at rest: no live corner loads, the centres of
// gravity and the aerodynamic elements at their static heights, the body level (no roll, no
// pitch) and the tyres without rolling resistance until worked out at a load. The live
// analysis starts its passes from these, and starts every call by this reset, so its results
// depend only on its inputs, never on an earlier call or an earlier vehicle.
void ResetLiveResults();

// The gear the live speed selects: 1, or the highest n (2..numGears) whose predecessor's
// shift speed lies below the speed.
uint8_t SelectLiveGear(uint8_t liveSpeed, uint8_t numGears);

}  // namespace analysis
