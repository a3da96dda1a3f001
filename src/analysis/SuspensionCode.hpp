// Suspension model: the static figures of the four corners (wheel rates, ride and wheel-hop
// frequencies, critical damping and damping ratios), anti-roll bar rates, roll and pitch
// stiffness, level-ride target frequencies and damping balance; and the dynamic side: load
// sharing across an axle through the anti-roll bar, travel left at each corner, body roll and
// pitch, sprung height changes, one explicit time step of a corner's spring-damper motion and
// the three 2-second response runs ("drop", "push", "live") the damping chart shows.
//
// Corner order 0 front left, 1 front right, 2 rear left, 3 rear right; axle 0 front, 1 rear.
// SI units (m, kg, N, s, rad, Hz). Single-precision fields as the rest of the models.
//
// Spring side and wheel side: wheel movement = spring movement x MotionRatio. The wheel rate
// divides the spring rate by MotionRatio^2; the damping at the wheel divides the damper's
// coefficient by MotionRatio once. Both rules are part of this model and every figure here
// uses them.
//
// The models read the suspension sliders through SuspensionSetupInputs (the main window's
// reader fills it; see SetupReaders_Suspension.hpp), the masses and loads from PhysicalCode()
// and the geometry from GlobalChassisLab().CurrentVehicle. A divisor that a vehicle file can
// make zero (motion ratio, track, wheelbase, a corner mass) gives a result of 0, never an
// infinity or NaN.
//
// Program-wide state: SuspensionCode(). A test resets it with
// `analysis::SuspensionCode() = analysis::SuspensionCodeState{};`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace analysis {

inline constexpr int kResponseSteps = 400;       // steps of one response run (2 s)
inline constexpr float kResponseTimeStep = 0.005f;  // s
inline constexpr float kExtensionBounceLimit = 0.002f;  // m past full extension
inline constexpr float kBounceRestitution = 0.75f;      // velocity kept after a bounce

// The other wheel of the same axle, and the axle of each wheel.
inline constexpr std::array<uint8_t, 4> OppositeWheel{1, 0, 3, 2};
inline constexpr std::array<uint8_t, 4> WheelAxle{0, 0, 1, 1};

// One corner's suspension. Fields 0-8 and 15-19 come from CalcSuspension; 9-14 from the load
// sharing (ShareAxleLoad, UpdateCornerTravel) or the time step (StepSuspensionCorner).
struct SuspCorner {
    float MotionRatio = 0.0f;         // wheel-to-spring ratio of the axle
    float SpringTravel = 0.0f;        // m, full travel at the spring
    float WheelTravel = 0.0f;         // m, SpringTravel x MotionRatio
    int32_t BumpDamp = 0;             // N s/m at the damper, compression
    int32_t ReboundDamp = 0;          // N s/m at the damper, extension
    float BumpDampWheel = 0.0f;       // N s/m, BumpDamp / MotionRatio
    float ReboundDampWheel = 0.0f;    // N s/m, ReboundDamp / MotionRatio
    int32_t SpringRate = 0;           // N/m at the spring
    float WheelRate = 0.0f;           // N/m, SpringRate / MotionRatio^2
    float SpringLoad = 0.0f;          // N, vertical corner load less the unsprung weight
    float SpringDeflection = 0.0f;    // m, compression of the spring
    float WheelDeflection = 0.0f;     // m, compression seen at the wheel
    float LoadedSpringLength = 0.0f;  // m, SpringTravel - SpringDeflection (travel left)
    float WheelTravelLeft = 0.0f;     // m, WheelTravel - WheelDeflection
    float TravelLeftDiff = 0.0f;      // m, WheelTravelLeft - LoadedSpringLength
    float RideFrequency = 0.0f;       // Hz, undamped bounce of the sprung corner
    float WheelHopFrequency = 0.0f;   // Hz, undamped hop of the unsprung corner
    float CriticalDamping = 0.0f;     // N s/m at the wheel
    float BumpDampingRatio = 0.0f;    // BumpDampWheel / CriticalDamping
    float ReboundDampingRatio = 0.0f; // ReboundDampWheel / CriticalDamping
};

// State of one corner at one time step of a response run or of a time-stepped run.
struct ResponseCornerState {
    float SpringForce = 0.0f;   // N, -Position x MotionRatio x WheelRate
    float DamperForce = 0.0f;   // N, -Velocity x bump or rebound coefficient
    float Acceleration = 0.0f;  // m/s^2, net force over the sprung corner mass
    float Velocity = 0.0f;      // m/s at the spring; negative = compressing
    float Position = 0.0f;      // m at the spring: 0 fully extended, -SpringTravel on the stop
};

// Body pitch, rad, positive = front higher than rear.
struct PitchAngles {
    float FromTyres = 0.0f;       // from the loaded tyre radii and the ride heights
    float FromSuspension = 0.0f;  // from the corners' travel left
    float Total = 0.0f;           // FromTyres + FromSuspension
};

// Height changes (m): 0 at the centre of gravity, 1 at the unsprung centre, 2..5 at the aero
// elements (body aero centre, undertray, rear wing, front wing). Shared with the tyre model.
using vehicle::HeightChange;
inline constexpr std::size_t kHeightAtCoG = 0;
inline constexpr std::size_t kHeightAtUnsprung = 1;
inline constexpr std::size_t kHeightAtElement0 = 2;

// A response run's history, corner first, then step 0..kResponseSteps.
template <typename T>
using ResponseHistory = std::array<std::array<T, kResponseSteps + 1>, 4>;

// RollStiffness index 6 x axle + one of these.
inline constexpr int kRollSprings = 0;         // N m/rad from the springs
inline constexpr int kRollBar = 1;             // N m/rad from the anti-roll bar
inline constexpr int kRollTotal = 2;           // springs + bar
inline constexpr int kRollSpringsPerMass = 3;  // springs / sprung axle mass
inline constexpr int kRollTotalPerMass = 4;    // total / sprung axle mass
inline constexpr int kRollBarSpringRatio = 5;  // bar / springs

struct SuspensionCodeState {
    // ---- Static figures (CalcSuspension) ----
    std::array<SuspCorner, 4> SuspCorners{};        // the live corner records
    std::array<int32_t, 2> AntiRollBarRate{};       // N/m at the bar
    std::array<float, 2> AntiRollStiffness{};       // N/m at the wheel
    std::array<float, 12> RollStiffness{};          // 6 x axle + kRoll...
    float PitchStiffness = 0.0f;                    // N m/rad
    float PitchStiffnessPerMass = 0.0f;             // N m/rad per kg of sprung mass
    float RollStiffnessFrontShare = 0.0f;           // front share of the total, 0..1
    float RollPerMassRearShare = 0.0f;              // rear share of total per sprung mass
    std::array<float, 2> LevelRideFrequency{};      // Hz: 0 front given rear, 1 rear given front
    // Whether a rear frequency can match the front: not when the front's period is no longer
    // than the time the rear axle takes to reach the front's bump (low speed, long wheelbase);
    // LevelRideFrequency(1) is then 1 / (period - time) as computed, negative or infinite.
    bool RearLevelRideExists = true;
    std::array<float, 4> BumpDampedFrequency{};     // Hz, 0 when at or above critical damping
    std::array<float, 4> ReboundDampedFrequency{};  // Hz
    std::array<float, 4> ReboundBumpRatio{};        // ReboundDamp / BumpDamp; -1 without bump
    std::array<float, 5> DampBalance{};             // the five damping balance figures, 0..1

    // ---- Live roll and heights (load passes of the live-state analysis) ----
    std::array<float, 2> SuspRollAngle{};  // rad per axle, from the springs
    std::array<float, 2> TyreRollAngle{};  // rad per axle, from the tyres
    std::array<float, 2> AxleRollAngle{};  // rad per axle, springs + tyres
    float BodyRollAtCoG = 0.0f;            // rad
    float TyreRollAtUnsprung = 0.0f;       // rad
    HeightChange SuspHeightChange{};       // m, from the suspension

    // ---- Response runs (SimulateSuspensionResponse) ----
    ResponseHistory<ResponseCornerState> DropResponseStates{};
    ResponseHistory<ResponseCornerState> PushResponseStates{};
    ResponseHistory<ResponseCornerState> LiveResponseStates{};
    // Wheel travel left to the bump stop (m) per corner and step; steps 1..400 are written.
    ResponseHistory<float> DropResponseTravel{};
    ResponseHistory<float> PushResponseTravel{};
    ResponseHistory<float> LiveResponseTravel{};
};

SuspensionCodeState& SuspensionCode();

// ---- Inputs read from the main window ----

// The five suspension slider arrays, index 0 front, 1 rear, as their integer values:
// Set_SuspSpringTravel (mm), Set_SuspSpringStiffness (100 N/m), Set_SuspBumpDamp and
// Set_SuspReboundDamp (100 N s/m), Set_SuspARBStiffness (100 N/m).
struct SuspensionSetupInputs {
    std::array<int32_t, 2> SpringTravelMm{};
    std::array<int32_t, 2> SpringStiffness{};
    std::array<int32_t, 2> BumpDamp{};
    std::array<int32_t, 2> ReboundDamp{};
    std::array<int32_t, 2> ARBStiffness{};
};

// A slider value in units of 100 (N/m or N s/m) as the integer rate it stands for; a value
// beyond the 32-bit range saturates.
int32_t SliderRate(int32_t sliderValue);

// ---- Static figures ----

// Rewrites every static figure of the state from the sliders, CurrentVehicle's axles and
// wheelbase, the masses of PhysicalCode() and the live speed (whole m/s). Corners 1 and 3 are
// copies of 0 and 2 (all twenty fields; the caller's load sharing then sets 9-14 again).
void CalcSuspension(const SuspensionSetupInputs& setup, uint8_t liveSpeed);

// ---- Load sharing and travel ----

// Static wheel deflections of the two corners of one axle coupled by an anti-roll bar of
// stiffness antiRoll (N/m at the wheel), from their SpringLoad; never below 0. Then the
// travel fields of both corners.
void ShareAxleLoad(SuspCorner& left, SuspCorner& right, float antiRoll);

// SpringDeflection, LoadedSpringLength, WheelTravelLeft and TravelLeftDiff from the corner's
// WheelDeflection; a corner past its travel sits on the bump stop.
void UpdateCornerTravel(SuspCorner& corner);

// ---- Body attitude ----

// SuspRollAngle, TyreRollAngle, AxleRollAngle, BodyRollAtCoG and TyreRollAtUnsprung from the
// live corners, the tyres' loaded radii (TyreCode().WheelTyres), the tracks and the centres
// of gravity (PhysicalCode()).
void CalcBodyRollAngles();

// Pitch of the body from the corners' travel left and from the tyres' loaded radii with the
// axles' ride heights. Works on any four corners and tyres (the live ones or a run's copies).
PitchAngles CalcBodyPitch(const std::array<SuspCorner, 4>& corners,
                          const std::array<vehicle::TyreState, 4>& tyres);

// Height changes of the sprung body from the four corners' WheelTravelLeft: fills the centre
// of gravity and the four aero elements, leaves result[kHeightAtUnsprung] as it is.
void CalcAxleHeightsSprung(HeightChange& result, const vehicle::PositionXYZ& cog, float fl,
                           float fr, float rl, float rr);

// ---- Time step and response runs ----

// One explicit step of a corner: state[0] is the previous state (read), state[1] the new one
// (written); the corner's WheelDeflection, LoadedSpringLength, WheelTravelLeft and
// TravelLeftDiff follow the new position. arbForce is the anti-roll bar's coupling force (N),
// mass the sprung corner mass (kg; 0 gives no acceleration), dt the step (s).
void StepSuspensionCorner(std::array<ResponseCornerState, 2>& state, SuspCorner& corner,
                          float arbForce, float mass, float dt);

// The tyre's vertical load (N) under a corner of a time-stepped run: the spring and damper
// forces of its state plus the unsprung weight (unsprungMass kg). A spring that cannot say what
// the tyre carries gives the whole corner load (cornerLoad, N) instead: one fully extended, and
// one at or past its travel, whose bump stop passes the rest of the load. That is a spring on
// the stop, or one whose load (the corner's SpringLoad) needs all its travel or more: the step
// bounces such a spring off its stop, and its force alone is what the spring holds, not the
// load. Never below 0.
float CornerTyreLoad(const ResponseCornerState& state, const SuspCorner& corner, float cornerLoad,
                     float unsprungMass);

// The anti-roll coupling force on corner i from the corners' current wheel deflections.
float AntiRollCouplingForce(const std::array<SuspCorner, 4>& corners,
                            const std::array<float, 2>& antiRoll, int i);

// The three response runs on working copies of the live corners (the live records are not
// changed): "drop" from full extension under the static loads, "push" from just off the bump
// stop, "live" from the static equilibrium to the live loads. Each fills its states and its
// wheel-travel-left history.
void SimulateSuspensionResponse();

}  // namespace analysis
