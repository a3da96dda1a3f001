// Tyre model: the compound table, the per-wheel tyre state, and the routines that derive wheel
// dimensions and inertia, deflection under load, the contact patch, grip, rolling resistance,
// the tyre height changes under the body and a rolling radius for each gear row.
//
// Wheel order of every per-wheel array: 0 front left, 1 front right, 2 rear left, 3 rear
// right; wheels 0 and 1 take the front axle's tyre size, 2 and 3 the rear's.
// Lengths are metres, loads newtons, pressures pascals, temperatures deg C.
//
// The arithmetic is single precision throughout (each intermediate stored as a float), with
// the constants as the model uses them (pi = 3.141592653589, 0.393900787 inch per cm).
//
// The models read the setup through the small input structs below, which the main window's
// readers fill from its controls; they never touch a control themselves. The mass results
// come in a TyreLoadInputs (analysis/PhysicalCode.hpp builds one from the mass state).
//
// Program-wide state: TyreCode(). A test resets it with
// `vehicle::TyreCode() = vehicle::TyreCodeState{};`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

inline constexpr std::size_t kTyreCompoundCount = 9;
inline constexpr uint8_t kDefaultTyreCompound = 5;  // "Road Normal"
inline constexpr std::size_t kGearRows = 9;          // gear rows of the per-gear tables
inline constexpr float kTreadDepth = 0.015f;         // m of tread a 100 % worn tyre has lost

// One row of the compound table.
struct TyreCompound {
    std::string Name;             // shown in the compound selectors
    float PeakGrip = 0.0f;        // friction coefficient at zero load and optimum temperature
    uint8_t OptimumTemp = 0;      // deg C
    float ColdWindow = 0.0f;      // deg C below the optimum, negative
    float HotWindow = 0.0f;       // deg C above the optimum, positive
    float ColdEdgeFactor = 0.0f;  // grip factor at the cold edge of the window
    float HotEdgeFactor = 0.0f;   // grip factor at the hot edge of the window
    float FarColdFactor = 0.0f;   // grip factor approached far below the window
    float FarHotFactor = 0.0f;    // grip factor approached far above the window
};

// One wheel's tyre: dimensions, the results at the last load computed, and the live inputs.
struct TyreState {
    float Width = 0.0f;                 // m, section width
    float Aspect = 0.0f;                // profile / 100
    float RimDiameter = 0.0f;           // m
    float UnloadedRadius = 0.0f;        // m
    float SidewallHeight = 0.0f;        // m, usable sidewall height
    float CrownDepth = 0.0f;            // m, depth of the tread crown
    float SidewallFree = 0.0f;          // m, sidewall height below the crown
    float SidewallBulge = 0.0f;         // m
    float CrownSagitta = 0.0f;          // m, sagitta of the tread arc across the width
    float CrownRadius = 0.0f;           // m, radius of that arc
    float StiffnessTerm = 0.0f;         // m; vertical stiffness = effective pressure x this
    float PressureFactor = 0.0f;        // share of the inflation pressure carrying load, 0..1
    float EffectivePressure = 0.0f;     // Pa
    float WheelMass = 0.0f;             // kg, one wheel (rim and tyre)
    float InertiaA = 0.0f;              // kg m^2 about a wheel diameter
    float Inertia = 0.0f;               // kg m^2 about the axle
    float VerticalStiffness = 0.0f;     // N/m
    float Deflection = 0.0f;            // m, under the current load
    float LoadedRadius = 0.0f;          // m
    float RollingRadius = 0.0f;         // m, effective rolling radius
    float RollingCircumference = 0.0f;  // m
    float WallHeightRemaining = 0.0f;   // m of sidewall left under load
    float DeflectionRatio = 0.0f;       // deflection / sidewall height
    float PatchWidth = 0.0f;            // m
    float PatchLength = 0.0f;           // m
    float PatchArea = 0.0f;             // m^2
    float PatchAspect = 0.0f;           // patch width / patch length
    float LatGrip = 0.0f;               // lateral friction coefficient
    float LongGrip = 0.0f;              // longitudinal friction coefficient
    float TractionTorqueLimit = 0.0f;   // N m, static traction torque limit
    float LongGripForce = 0.0f;         // N
    float LatGripForce = 0.0f;          // N
    float LongAccelRate = 0.0f;         // m/s^2, longitudinal grip force per kg of corner mass
    float LatAccelRate = 0.0f;          // m/s^2, lateral grip force per kg of corner mass
    float RollResC0 = 0.0f;             // rolling-resistance coefficient, constant term
    float RollResC1 = 0.0f;             // rolling-resistance coefficient, speed-squared term
    int32_t Pressure = 0;               // Pa, inflation pressure
    uint8_t Temperature = 0;            // deg C
    float WearDepth = 0.0f;             // m of tread worn away
    uint8_t CompoundIndex = 0;          // row of the compound table
    float VerticalFrequency = 0.0f;     // Hz, corner mass bouncing on the tyre
};

// Height changes (m, negative = lower): 0 centre of gravity, 1 centre of the unsprung masses,
// 2..5 the aerodynamic elements 0..3 (body, undertray, rear wing, front wing).
using HeightChange = std::array<float, 6>;

// The inputs and results of the last deflection worked out. The deflection is a pure function
// of these inputs, and the two tyres of an axle usually meet the same ones in a straight-line
// run, so the second is served from here with exactly the same figures.
struct DeflectionMemo {
    bool valid = false;
    float sidewallHeight = 0, crownRadius = 0, unloadedRadius = 0, stiffnessTerm = 0, load = 0;
    int32_t pressure = 0;
    float pressureFactor = 0, effectivePressure = 0, verticalStiffness = 0, deflection = 0;
    int passes = 0;
};

struct TyreCodeState {
    std::array<TyreCompound, kTyreCompoundCount> TyreCompounds{};
    DeflectionMemo LastDeflection;
    std::array<TyreState, 4> WheelTyres{};
    float FrontPatchShare = 0.0f;              // front share of the summed patch area
    float FrontGripShare = 0.0f;               // front share of the summed lateral grip rate
    std::array<float, 4> WheelGripLoss{};      // share of static friction lost at the live load
    float WeightTransferGripLoss = 0.0f;       // share of the summed static friction lost
    HeightChange TyreHeightChange{};
    // The per-gear rolling radii are kept with the gearing results
    // (GearingCode().GearRollingRadius), which is where the road speeds are worked out.
};

TyreCodeState& TyreCode();

// ---- Inputs read from the main window ----

// Set_TyrePressure(0..3): one slider per wheel, value in kPa.
struct TyreSetupInputs {
    std::array<int32_t, 4> PressureKPa{};
};

// Live_TyreTemp(0) front tyres, (1) rear tyres, deg C; Live_TyreWear, per cent of the tread.
struct LiveTyreInputs {
    std::array<int32_t, 2> TemperatureC{};
    int32_t WearPercent = 0;
};

// Mass results the tyre analysis needs (per corner, wheel order).
struct TyreLoadInputs {
    std::array<float, 4> CornerMass{};         // kg
    std::array<float, 4> CornerStaticLoad{};   // N
    std::array<float, 4> CornerDynamicLoad{};  // N, live state
};

// m of tread worn at the wear slider's per cent.
float WearDepthFromPercent(int32_t wearPercent);

// ---- Routines ----

// Fills the nine compound rows and gives every wheel compound 5 ("Road Normal") and the
// standstill rolling-resistance terms 0.0085 and 0.002. Once at start-up. (The compound
// selectors list TyreCompounds()[k].Name in index order; the user interface fills them.)
void InitTyreCompounds();

// Dimensions, mass fit and moments of inertia of the four wheels from CurrentVehicle's tyre
// sizes and wheel masses.
void CalcWheelDimensionsAndInertia();

// The wheel's mass (kg) at wall-thickness scale `scale`; with `writeInertia` true it writes
// Inertia and InertiaA instead and returns 0.
float CalcWheelMassAndInertia(TyreState& tyre, float scale, bool writeInertia);

// Deflection (m) under the vertical load (N) by fixed-point iteration, at most 255 passes.
// Returns the number of passes made.
int CalcTyreDeflection(TyreState& tyre, float load);

// Deflection, loaded and rolling radii, contact patch and rolling-resistance terms at the
// load (N). Allocates nothing. With fromLastDeflection the deflection iteration starts from the
// tyre's present deflection (a time-stepped run, whose load changes little from one step to
// the next) and ends when a pass moves it by 0.5e-7 m or less, the tolerance of the
// 7-decimal comparison of the cold start.
void CalcTyreContactPatch(TyreState& tyre, float load, bool fromLastDeflection = false);

// LongGrip and LatGrip at the load (N); needs the patch of the same load.
void CalcTyreGrip(TyreState& tyre, float load);
// The compound's grip factor at the tyre's temperature: 1 at the compound's optimum.
float TyreTemperatureFactor(const TyreState& tyre);
// CalcTyreGrip with the temperature factor worked out beforehand (the runs, whose tyre
// temperatures stay as they are).
void CalcTyreGrip(TyreState& tyre, float load, float temperatureFactor);

// The per-wheel analysis pass at the static and the live corner loads. (The tyre captions
// and diagrams are redrawn by the caller afterwards.)
void UpdateTyreAnalysis(const TyreSetupInputs& setup, const LiveTyreInputs& live,
                        const TyreLoadInputs& loads);

// Height changes from tyre deflection (FL, FR, RL, RR) and tread wear at the position's
// centre of gravity (X right-hand share, Y front share), at the unsprung-mass centre (front
// share unsprungCoGY) and at CurrentVehicle's four aero elements.
void CalcAxleTyreHeights(HeightChange& result, const PositionXYZ& position, float dFL, float dFR,
                         float dRL, float dRR, float unsprungCoGY, int32_t wearPercent);

// Rolling-resistance coefficient at the speed (m/s): the tyre's constant term and its speed
// term, which grows with the square of the speed (0.0002425 per (m/s)^2).
inline double TyreRollingResistanceCoeff(const TyreState& tyre, float speed) {
    constexpr double kRollResSpeedFactor = 0.0002425;
    const double v = speed;
    return static_cast<double>(tyre.RollResC0) +
           static_cast<double>(tyre.RollResC1) * kRollResSpeedFactor * (v * v);
}

// GearingCode().GearRollingRadius for the nine gear rows from AeroCode().GearWheelLoads, on
// copies of the four tyre states (WheelTyres is not changed): 0.98 x the driven wheels' mean
// rolling radius, weighted by GearingCode().FrontTorqueShare.
void CalcGearRollingRadii();

}  // namespace vehicle
