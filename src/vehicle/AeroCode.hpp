// Aerodynamic model of the current vehicle: the built-in device tables (undertrays, rear and
// front wings), the air constants, the drag/lift/wheel-load computation at one speed, the
// live summary ratios, the per-gear wheel loads and the speed table with the top speed.
//
// Element order everywhere: 0 body aero centre, 1 undertray, 2 rear wing, 3 front wing.
// Wheel order: 0 front left, 1 front right, 2 rear left, 3 rear right.
// Forces in N (lift negative = downforce), speeds in m/s, heights in m above the ground,
// wing angles in degrees, power in kW. Single-precision arithmetic.
//
// Program-wide state: AeroCode(). A test resets it with `vehicle::AeroCode() = {};`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

inline constexpr std::size_t kAeroNameLength = 16;
inline constexpr std::size_t kUndertrayTypeCount = 5;
inline constexpr std::size_t kWingTypeCount = 6;
inline constexpr std::size_t kAeroSpeedRows = 10001;   // rows 0..10000, row r = r x 0.05 m/s
inline constexpr std::size_t kAeroSpeedColumns = 12;
inline constexpr float kAeroSpeedStep = 0.05f;         // m/s between rows
inline constexpr float kMaxTopSpeed = 500.0f;          // m/s, the last row

// An undertray: drag and lift areas (m^2, coefficient x area).
struct AeroDeviceCoeffs {
    std::string Name;  // 16 characters, blank-padded
    float DragArea = 0.0f;
    float LiftArea = 0.0f;  // negative = downforce
};

// A wing: areas as functions of the wing angle a (degrees).
struct AeroWingCoeffs {
    std::string Name;          // 16 characters, blank-padded
    float Drag0 = 0.0f;        // m^2 at 0 degrees
    float DragPerDeg2 = 0.0f;  // m^2 per degree squared
    float Lift0 = 0.0f;        // m^2 at 0 degrees
    float LiftPerDeg = 0.0f;   // m^2 per degree
};

// Forces at one speed (30 Singles).
struct AeroForces {
    std::array<float, 4> Drag{};               // per element
    std::array<float, 4> Lift{};               // per element, negative = downforce
    float TotalDrag = 0.0f;
    float TotalLift = 0.0f;
    std::array<float, 4> LiftLoad{};           // lift carried by each wheel
    std::array<float, 4> DragPitchLoad{};      // wheel load change from drag at element heights
    std::array<float, 4> WheelLoad{};          // vertical wheel load with aero and rolling res.
    std::array<float, 4> RollingResistance{};  // per wheel
    float RollResPitchLoad = 0.0f;             // axle load change from rolling resistance
    float TotalRollingResistance = 0.0f;
    float TotalResistance = 0.0f;              // rolling resistance + drag
    float ResistancePower = 0.0f;              // kW at the live speed (live record only)
};

// Whether the forces lift an axle: either axle's two WheelLoads add up to less than 0 (N).
// The vehicle then tips, and no figure worked out from its wheel loads has a meaning.
bool VehicleTips(const AeroForces& forces);

// One row of the speed table: 0..3 lift of body, undertray, rear wing, front wing; 4 and 5
// lift carried by the front and the rear wheels; 6..9 drag of the four elements; 10 total
// rolling resistance; 11 total resistance. N.
using AeroSpeedRow = std::array<float, kAeroSpeedColumns>;

struct AeroCodeState {
    std::array<AeroDeviceCoeffs, kUndertrayTypeCount> UndertrayTypes{};
    std::array<AeroWingCoeffs, kWingTypeCount> RearWingTypes{};
    std::array<AeroWingCoeffs, kWingTypeCount> FrontWingTypes{};
    float AirTemperature = 0.0f;  // K
    float AirDensity = 0.0f;      // kg/m^3

    // Drag and lift areas (m^2) of the last CalcAeroForces call, per element.
    std::array<float, 4> DragCoeffs{};
    std::array<float, 4> LiftCoeffs{};

    AeroForces LiveAero;  // the live state's forces
    // WheelLoad at each gear row's shift speed (row 8: standstill), N.
    std::array<std::array<float, 4>, 9> GearWheelLoads{};
    float AeroLoadFrontShare = 0.0f;       // front share of the aero load
    float AeroWheelLoadFrontShare = 0.0f;  // front share of the wheel loads with aero
    float AeroLoadRatio = 0.0f;            // (weight - lift) / weight

    // Wing angles (degrees) of the setup and after the body-pitch correction.
    uint8_t FrontWingAngle = 0;
    uint8_t RearWingAngle = 0;
    float FrontWingAngleEff = 0.0f;
    float RearWingAngleEff = 0.0f;

    std::vector<AeroSpeedRow> AeroSpeedTable;  // kAeroSpeedRows rows after the first build
    std::size_t AeroSpeedRowsUsed = 0;         // rows 0 .. this - 1 may be non-zero
    float TopSpeed = 0.0f;                     // m/s, at most 500
};

AeroCodeState& AeroCode();

// ---- Inputs ----

// Set_AeroWingAngle(0) front wing, (1) rear wing: whole degrees.
struct AeroSetupInputs {
    uint8_t FrontWingAngle = 0;
    uint8_t RearWingAngle = 0;
};

// Mass and position results the per-gear loads and the speed table need (filled from the
// mass state and the live heights; analysis/PhysicalCode.hpp builds one).
struct AeroLoadInputs {
    std::array<float, 4> CornerStaticLoad{};   // N
    PositionXYZ VehicleCoG;                    // Z = height above ground, m
    std::array<PositionXYZ, 4> AeroElementPos{};  // element order; Z = height above ground, m
};

// ---- Routines ----

// Fills the three device tables and the air constants. Once at start-up. (The editor's device
// selectors list the tables' 16-character names; the user interface fills them.)
void InitAeroDevices();

// Drag, lift, wheel loads and rolling resistance at `speed` (m/s; negative = backwards).
// Only Z of the four positions is used. Reads CurrentVehicle, the compatibility option and
// WheelTyres. Leaves forces.ResistancePower as it was.
void CalcAeroForces(AeroForces& forces, const std::array<float, 4>& staticLoads, float speed,
                    const PositionXYZ& cog, const PositionXYZ& bodyPos,
                    const PositionXYZ& undertrayPos, const PositionXYZ& frontWingPos,
                    const PositionXYZ& rearWingPos, float frontWingAngle, float rearWingAngle);

// The setup wing angles; the effective angles start equal to them (the live-state analysis
// then corrects them for body pitch).
void ApplyWingAngles(const AeroSetupInputs& inputs);

// Resistance power of the live record and the three live summary ratios. (The aerodynamic
// captions and charts are redrawn by the caller afterwards.)
void UpdateAeroAnalysis(float liveSpeed, float totalMass);

// GearWheelLoads from the shift speeds of the nine gear rows; sets speedAtShift[8] to 0 (the
// standstill row) first. Uses the setup wing angles, without the body-pitch correction.
void CalcGearWheelLoads(const AeroLoadInputs& loads, std::span<float, kGearRows> speedAtShift);

// Sweeps the speed upwards in 0.05 m/s steps from the live record, storing each step's forces
// in AeroSpeedTable, until the resistance power reaches the power available at the wheels
// (DrivetrainEfficiency x PeakPower of the current engine; for a vehicle that is not wheel
// driven, its thrust x speed) or the speed reaches 500 m/s; TopSpeed is the last speed.
// Uses the effective (pitch-corrected) wing angles. (The speed chart is redrawn by the caller.)
void BuildAeroSpeedTable(const AeroLoadInputs& loads);

// The same sweep for a given available power (kW) of a wheel-driven vehicle, or, with
// `thrustDriven`, for a constant thrust (N) whose power grows with speed.
void BuildAeroSpeedTableFor(const AeroLoadInputs& loads, bool thrustDriven, float wheelPowerKW,
                            float thrust);

}  // namespace vehicle
