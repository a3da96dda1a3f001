// Masses and centres of gravity of the current vehicle with its occupants, handicap mass and
// fuel load: total and dry mass, centres of gravity with and without fuel, corner masses and
// static corner loads, and the split into sprung and unsprung mass. Also holds the live-state
// results the tyre and aerodynamic models read (live corner loads and heights).
//
// Wheel order: 0 front left, 1 front right, 2 rear left, 3 rear right. Positions: X = share
// of the mass on the right-hand wheels, Y = share on the front axle, Z = height in m.
// Masses kg, loads N. Single-precision arithmetic; g = 9.80665 m/s^2.
//
// A quotient whose divisor a vehicle file can make zero (dry or total mass, unsprung mass, an
// axle's corner masses) is 0 instead of infinite; the displays show such figures as "N/A".
//
// Program-wide state: PhysicalCode(). A test resets it with
// `analysis::PhysicalCode() = analysis::PhysicalCodeState{};`.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "vehicle/AeroCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace analysis {

using vehicle::PositionXYZ;

inline constexpr float kOccupantMass = 70.0f;  // kg, "Male" or "Female"

struct PhysicalCodeState {
    // ---- Masses (CalcMassesAndCentreOfGravity) ----
    int16_t LiveFuelLoad = 0;         // litres in the tank
    float FuelMass = 0.0f;            // kg
    float DryMass = 0.0f;             // kg, without fuel
    float TotalMass = 0.0f;           // kg, dry + fuel
    float FuelMassIncrease = 0.0f;    // TotalMass / DryMass - 1
    PositionXYZ DryCoG;               // without fuel; Z above the reference plane
    PositionXYZ VehicleCoG;           // loaded vehicle; Z static here, live after the analysis
    PositionXYZ StaticCoG;            // only Z: static height above ground, m
    PositionXYZ FuelCoGShift;         // shift of the centre of gravity caused by the fuel
    std::array<float, 2> CoGAxleDistance{};           // m: 0 to the front axle, 1 to the rear
    std::array<float, 8> AeroElementAxleDistance{};   // m: i to the front axle, i + 4 to the rear
    std::array<float, 4> CornerMass{};                // kg, static, with fuel
    std::array<float, 4> CornerMassShare{};           // CornerMass / TotalMass
    std::array<float, 4> CornerStaticLoad{};          // N
    float UnsprungMass = 0.0f;                        // kg, both axles
    std::array<float, 4> UnsprungCornerMass{};        // kg, half the axle's at each corner
    float SprungMass = 0.0f;                          // kg
    std::array<float, 4> SprungCornerMass{};          // kg
    std::array<float, 2> SprungAxleMass{};            // kg, front and rear
    float SprungMassShare = 0.0f;                     // SprungMass / TotalMass
    float SprungUnsprungRatio = 0.0f;                 // sprung / unsprung
    float SprungMassDistribution = 0.0f;              // front share of the sprung mass
    float FrontAxleSprungShare = 0.0f;                // sprung part of the front axle's mass
    float RearAxleSprungShare = 0.0f;                 // sprung part of the rear axle's mass
    PositionXYZ UnsprungCoG;          // X unused, Y front share, Z live height (live state)
    float StaticUnsprungCoGHeight = 0.0f;  // m

    // ---- Live state (written by the live-state analysis; read by the tyre and aero models) --
    std::array<float, 4> CornerDynamicLoad{};            // N, live corner loads
    std::array<PositionXYZ, 4> AeroElementPos{};         // Z: live height above ground, m
};

PhysicalCodeState& PhysicalCode();

// Set_HandicapMass (kg), Set_HandicapMassPos (per cent towards the front), Set_Pass(0..3)
// texts, Live_FuelLoad (litres).
struct MassInputs {
    int32_t HandicapMass = 0;
    int32_t HandicapPosPercent = 0;
    std::array<std::string, 4> PassengerTypes{};
    int32_t FuelLoadLitres = 0;
};

// Four occupant seats x (X, Y, Z), as set on vehicle selection: seat 0 front passenger,
// 1..3 rear left, middle, right.
using SeatPositionTable = std::array<float, 12>;

// Every mass figure above from CurrentVehicle, the seats, the fuel table and the inputs.
// VehicleCoG.Z and UnsprungCoG.Z start at their static heights. (The physical captions and
// the corner-mass chart are redrawn by the caller afterwards.)
void CalcMassesAndCentreOfGravity(const MassInputs& inputs, const SeatPositionTable& seats);

// out(0) = (1 - X) Y m, out(1) = X Y m, out(2) = (1 - X)(1 - Y) m, out(3) = (1 - Y) X m.
void SplitCornerMasses(std::array<float, 4>& out, float mass, const PositionXYZ& position);

// out(i) = in(i) - UnsprungCornerMass(i).
void SubtractUnsprungMasses(std::array<float, 4>& out, const std::array<float, 4>& in);

// The mass results in the form the tyre and aerodynamic models take them.
vehicle::TyreLoadInputs TyreLoadsFromMasses();
vehicle::AeroLoadInputs AeroLoadsFromMasses();

}  // namespace analysis
