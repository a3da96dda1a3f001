// One vehicle as the program holds it and as the vehicle data file stores it.
//
// Field order is the order of the ".vd3" file (files/VehicleFile.cpp writes it field by field,
// packed, little-endian); never copy this struct's memory to or from a file.
//
// Types: Single = float, Integer = int16_t, Long = int32_t, Byte = uint8_t; booleans are
// core::VbBool (int16_t, true = -1, false = 0).
//
// Name: a std::string that always holds exactly kVehicleNameLength characters, blank-padded on
// the right (the padded text is what the vehicle selector lists and what lookups compare).
// Set it only through SetVehicleName(), which pads or cuts.
//
// Wheel order of per-wheel arrays elsewhere: 0 FL, 1 FR, 2 RL, 3 RR; per-axle arrays here:
// 0 front, 1 rear.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Numbers.hpp"

namespace vehicle {

inline constexpr std::size_t kVehicleNameLength = 32;

// A mass position. X and Y are shares (0..1), Z a height in m above the vehicle's RefHeight.
struct PositionXYZ {
    float X = 0.0f;  // share of the mass on the right-hand wheels; 0.5 = centre line
    float Y = 0.0f;  // share on the front axle: distance to the front axle is (1 - Y) * Wheelbase
    float Z = 0.0f;  // m above the reference plane
};

// One aerodynamic element: 0 body aero centre, 1 undertray, 2 rear wing, 3 front wing.
struct AeroElement {
    int32_t DeviceType = 0;  // row of the element's device table; 0 = "N/A" (no device)
    float PosX = 0.0f;       // lateral share, as PositionXYZ::X (stored, unused by analyses)
    float PosY = 0.0f;       // share on the front axle, as PositionXYZ::Y
    float PosZ = 0.0f;       // m, height at which the element's forces act
};

// Engine figures; copied in this order to the start of the engine model. For DriveType 3
// (thrust driven) PeakTorque is the constant thrust (N) and TorquePeakRPM its height (m).
struct EngineFigures {
    float PeakTorque = 0.0f;          // N m (N for DriveType 3)
    float TorquePeakRPM = 0.0f;       // rpm, start of the torque plateau (m for DriveType 3)
    float TorquePeakWidth = 0.0f;     // rpm, width of the plateau
    float PeakPower = 0.0f;           // kW
    float PowerPeakRPM = 0.0f;        // rpm
    float IdleRPM = 0.0f;             // rpm
    float LimitRPM = 0.0f;            // rpm
    float EngineBrakingCoeff = 0.0f;  // closed-throttle torque coefficient
    float IdleTorqueFraction = 0.0f;  // torque at idle / PeakTorque
    float LowerShape = 0.0f;          // curve shape below the plateau
    float UpperShapeA = 0.0f;         // curve shape above the plateau
    float UpperShapeB = 0.0f;         // second shape factor above the plateau (fraction)
    float ReducePowerFactor = 0.0f;   // factor on PeakPower (fraction)
    float ShiftPowerFactor = 0.0f;    // factor on the power-peak speed (fraction)
    uint8_t FuelType = 0;             // row of the fuel table
};

// DriveType values.
inline constexpr uint8_t kDriveFront = 0;
inline constexpr uint8_t kDriveRear = 1;
inline constexpr uint8_t kDriveAll = 2;
inline constexpr uint8_t kDriveThrust = 3;  // not wheel driven

struct DrivetrainSpec {
    float DrivetrainEfficiency = 0.0f;  // share of engine output reaching the wheels, 0..1
    float ShiftTime = 0.0f;             // s per gear change
    core::VbBool HasReverse = core::VbFalse;
    uint8_t DriveType = 0;              // kDriveFront .. kDriveThrust
    uint8_t NumGears = 0;               // forward gears
};

struct TyreSize {
    int16_t Width = 0;        // mm
    uint8_t Profile = 0;      // aspect ratio, per cent
    uint8_t RimDiameter = 0;  // inches
};

struct AxleSuspension {
    float SpringMotionRatio = 0.0f;  // wheel-to-spring motion ratio (shown as "x : 1")
    float ARBMotionRatio = 0.0f;     // wheel-to-anti-roll-bar motion ratio
    float Inclination = 0.0f;        // rad, steering-axis inclination
    float CamberOffset = 0.0f;       // rad; static geometry camber = CamberOffset - Inclination
    float UnsprungMass = 0.0f;       // kg, whole axle
    float RideHeight = 0.0f;         // m
    float TrackWidth = 0.0f;         // m
};

struct VehicleRecord {
    std::string Name = std::string(kVehicleNameLength, ' ');  // always 32 chars, blank-padded
    float BodyMass = 0.0f;          // kg, empty vehicle (no occupants, fuel or handicap)
    PositionXYZ BodyCoG;
    float FuelTankCapacity = 0.0f;  // litres; also the top of the fuel load slider
    PositionXYZ FuelTankPos;        // X is forced to 0.5 in the current copy on selection
    float RefHeight = 0.0f;         // m, reference plane above the ground
    std::array<AeroElement, 4> AeroElements{};  // body, undertray, rear wing, front wing
    float FrontalArea = 0.0f;       // m^2
    float DragCoefficient = 0.0f;
    float LiftCoefficient = 0.0f;
    EngineFigures Engine;
    DrivetrainSpec Drivetrain;
    std::array<TyreSize, 2> Tyres{};          // 0 front, 1 rear
    std::array<float, 2> RotatingMass{};      // kg, one wheel with tyre; 0 front, 1 rear
    std::array<AxleSuspension, 2> Axles{};    // 0 front, 1 rear
    float Wheelbase = 0.0f;         // m
    float HandicapHeight = 0.0f;    // m above the reference plane
    std::array<PositionXYZ, 2> Seats{};       // 0 front passenger seat, 1 rear passenger seat
    uint8_t MaxPassengers = 0;      // 0..4
};

// The name as stored: padded with blanks to 32 characters, or cut to 32.
std::string PaddedVehicleName(std::string_view name);
void SetVehicleName(VehicleRecord& record, std::string_view name);
// The figures a vehicle that is not wheel driven holds besides its thrust, its height (the
// engine's first two figures) and its fuel type (its fuel still weighs), as the vehicle editor
// stores them when it makes a vehicle thrust driven: no engine speeds or power, shape factors
// of 1, no engine braking, and a drive-train that passes everything on, without gears, reverse
// or shift time. The drive type and the fuel type are left as they are. A thrust-driven vehicle
// made elsewhere may hold other figures there, which the editor keeps; whatever they are, its
// engine record holds no curve, no fit and nothing of the engine selected before it
// (EngineRecordFromFigures).
void SetThrustOnlyFigures(VehicleRecord& record);
// Leaves in the record only the figures its vehicle uses, as the analyses and displays read it
// (the current vehicle): one that is not wheel driven keeps its thrust, the thrust's height and
// its fuel type, and gets the fixed figures above for the engine and drive-train it does not
// have, whatever it held there. A wheel-driven vehicle's record stays as it is.
void DropUnusedFigures(VehicleRecord& record);

}  // namespace vehicle
