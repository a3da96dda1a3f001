// Steering and camber geometry: road-wheel angles from the steer angle with Ackermann and toe,
// the turning radius and the lateral acceleration it demands at the live speed, the steering
// arm directions, and each wheel's live camber as the sum of five contributions (axle
// geometry, body roll, caster while steering, kingpin inclination while steering, static
// adjustment).
//
// Angles in radians (degrees / 57.29577951309679). A positive steer or wheel angle turns the
// wheel's front to the right; a positive steer angle makes the front-left wheel the outer one.
// Wheel order 0 front left, 1 front right, 2 rear left, 3 rear right; axle 0 front, 1 rear.
// Single-precision state; the trigonometry is worked in double precision and stored as float.
//
// The routines read the steering and camber sliders through SteeringSetupInputs and
// LiveSteeringInputs (filled by the main window's readers, SetupReaders_Suspension.hpp), the
// geometry from GlobalChassisLab().CurrentVehicle and the axle roll from SuspensionCode().
// The live body pitch and the live speed belong to the live-state analysis and are passed in.
// The captions and diagrams (ShowSteeringAnalysis, PlotSteeringGeometry) are drawn by the
// caller afterwards.
//
// Program-wide state: SteeringCode(). A test resets it with
// `analysis::SteeringCode() = analysis::SteeringCodeState{};`.
#pragma once

#include <array>
#include <cstdint>

#include "analysis/SuspensionCode.hpp"

namespace analysis {

struct SteeringCodeState {
    float SteerAngle = 0.0f;                    // rad, front steer before Ackermann and toe
    std::array<float, 4> WheelToe{};            // rad: front toe on 0, minus it on 1; rear 2, 3
    std::array<float, 2> AxleCaster{};          // rad, setting per axle
    float AckermannFraction = 0.0f;             // 0 parallel steer .. 1 full Ackermann
    float SteeringLock = 0.0f;                  // rad, maximum lock (shown only)
    std::array<float, 4> StaticCamber{};        // rad, camber adjustment per wheel
    std::array<float, 2> WheelbaseTrackRatio{}; // wheelbase / front track, / rear track
    std::array<float, 2> AckermannAngle{};      // rad the linkage adds at front left, right
    std::array<float, 4> WheelSteerAngle{};     // rad, road-wheel angle per wheel
    float SteerRadius = 0.0f;                   // m, >= 0; 0 when steering straight on average
    float AckermannArmAngle = 0.0f;             // rad, steering arms of the linkage
    std::array<float, 2> SteeringArmAngle{};    // rad, front-left and front-right arm
    std::array<float, 4> InclinationCamber{};   // rad, kingpin inclination; 2, 3 stay 0
    std::array<float, 2> LiveCaster{};          // rad per axle, caster + body pitch
    std::array<float, 4> RollCamber{};          // rad, from body roll
    std::array<float, 4> CasterCamber{};        // rad, from caster while steering; 2, 3 stay 0
    std::array<float, 4> GeometryCamber{};      // rad, axle camber offset - inclination
    std::array<float, 4> LiveCamber{};          // rad, total per wheel
    uint8_t ToeDiagramMode = 0;                 // 0 close-up plan, 1 full plan
    uint8_t CamberDiagramMode = 0;              // 0 front axle, otherwise rear axle
};

SteeringCodeState& SteeringCode();

// ---- Inputs read from the main window ----

// Set_SteerToe(a) (9 = no toe, tenths of a degree either side; positive = toe-in),
// Set_SteerCaster(a) (tenths of a degree), Set_SteerAckermann (per cent), Set_SteerLock
// (degrees), Set_TyreCamber(i) in wheel order (45 = no camber, tenths of a degree either side).
struct SteeringSetupInputs {
    std::array<int32_t, 2> Toe{9, 9};
    std::array<int32_t, 2> Caster{};
    int32_t Ackermann = 50;
    int32_t Lock = 24;
    std::array<int32_t, 4> Camber{45, 45, 45, 45};
};

// Live_SteeringAngle, tenths of a degree, positive to the right.
struct LiveSteeringInputs {
    int32_t SteeringAngle = 0;
};

// Toe in degrees of a setup byte: (b - 9) / 10.
float DecodeToeByte(uint8_t b);
// Camber adjustment in degrees of a setup byte: (b - 45) / 10.
float DecodeCamberAdjustByte(uint8_t b);

// Recomputes the whole steering state from the sliders and CurrentVehicle, then the live
// camber (CalcWheelCamber with bodyPitch). Returns the lateral acceleration the steering
// demands at liveSpeed (m/s^2, positive in a right-hand turn, 0 when steering straight on
// average); the live-state analysis keeps it as its LateralAcceleration and caps it at the
// tyres' grip.
float CalcSteeringGeometry(const SteeringSetupInputs& setup, const LiveSteeringInputs& live,
                           uint8_t liveSpeed, const PitchAngles& bodyPitch);

// Live caster, roll, caster-induced and geometry camber and the total per wheel, from the
// current steering state, the axle roll of SuspensionCode() and the live body pitch.
void CalcWheelCamber(const PitchAngles& bodyPitch);

}  // namespace analysis
