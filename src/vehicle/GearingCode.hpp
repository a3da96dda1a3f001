// Module GearingCode: gear ratios, shift points and shift speeds (CalcGearing), the
// differentials (vehicle/GearingDiffs.hpp) and the drivetrain inertia estimate
// (vehicle/GearingInertia.hpp). Its program-wide state is GearingCode().
//
// Gear index 0 is reverse, 1..NumGears the forward gears (NumGears 1..7), 8 the final drive
// where an array has it. Engine speeds in rad/s, road speeds in m/s, radii in m. Engine speed
// = overall ratio x wheel angular speed everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vehicle {

// Locking parameters of one axle differential.
struct DiffRecord {
    float PowerLocking = 0.0f;    // locking fraction under drive torque, 0 .. 0.9999
    float PowerMinShare = 0.0f;   // (1 - PowerLocking) / 2: least share of axle torque a wheel gets
    float PowerMaxShare = 0.0f;   // (1 + PowerLocking) / 2
    float PowerBiasRatio = 0.0f;  // (1 + PowerLocking) / (1 - PowerLocking)
    float CoastLocking = 0.0f;    // locking fraction on the overrun
    float CoastMinShare = 0.0f;
    float CoastMaxShare = 0.0f;
    float CoastBiasRatio = 0.0f;
    float PreLoad = 0.0f;         // N m
};

struct GearingCodeState {
    // ---- Gearing (CalcGearing) ----
    std::array<float, 9> GearRatios{};     // 0 reverse, 1..7 forward, 8 final drive
    std::array<float, 8> OverallRatios{};  // GearRatios(g) x GearRatios(8)
    std::array<float, 8> ShiftRevs{};      // rad/s where gear g is left; 0 and NumGears: top-of-gear
    std::array<float, 7> PostShiftRevs{};  // rad/s just after the upshift out of g; element 0 stays 0
    std::array<float, 8> RevDrop{};        // rad/s, ShiftRevs(g) - PostShiftRevs(g)
    std::array<float, 8> RatioStepPct{};   // %, (1 - GearRatios(g+1) / GearRatios(g)) x 100
    std::array<float, 9> SpeedAtShift{};   // m/s at ShiftRevs(g); 8: standstill row (aero sets 0)
    std::array<float, 8> SpeedGained{};    // m/s, SpeedAtShift(g+1) - SpeedAtShift(g)
    std::array<float, 8> CruisingRevs{};   // rad/s in gear g at the live road speed
    float TorqueCurveArea = 0.0f;          // N m x rad/s used by the forward gears
    // Share of drive torque to the front axle: 1 front drive, 0 rear drive, the centre split
    // for four-wheel drive, -1 for a vehicle that is not wheel driven.
    float FrontTorqueShare = 0.0f;
    std::array<float, 9> GearRollingRadius{};  // m, per-gear wheel radius for road speed

    // ---- Differentials (SetDiffParams) ----
    std::array<DiffRecord, 2> DiffParams{};  // 0 front, 1 rear
    std::array<float, 2> AxleTorqueShare{};  // drive torque share, 0 front, 1 rear
    std::array<float, 2> CentreShareMin{};
    std::array<float, 2> CentreShareMax{};
    float CentreDiffRatio = 0.0f;  // larger axle share over smaller
};

GearingCodeState& GearingCode();

// What CalcGearing reads from the Settings and Live pages.
struct GearingInputs {
    std::array<std::string, 9> GearRatioText;  // Set_GearRatioText(0..8).Text: 0 reverse, 8 final
    int32_t TorqueSplitCentre = 0;  // Set_GearingTorqueSplitCentre.Value, front share in %
    int32_t LiveSpeed = 0;          // Live_Speed.Value, m/s
};

// What CalcGearing needs from the tyre, aerodynamic and live-state models and the displays,
// which sit beside or above this module; and the live speed it hands back.
struct GearingLinks {
    uint8_t LiveGear = 1;  // gear of the last live-state analysis
    // Wheel loads at each row's SpeedAtShift (AeroCode().GearWheelLoads, from the masses);
    // run before each of the four rolling-radius passes of true-ground-speed mode.
    std::function<void()> CalcGearWheelLoads;
    std::function<void()> ShowGearingTable;
    std::function<void()> DrawGearingGraph;
    uint8_t LiveSpeed = 0;  // out: the live road speed in whole m/s (0..255)
};

// Most engine-speed steps of 1 rad/s a shift-point or top-of-gear search takes.
inline constexpr int32_t kMaxRevSearchSteps = 10000;

// The gearing analysis of the current vehicle (core::GlobalChassisLab().CurrentVehicle) with
// the current engine (EngineCode().CurrentEngine), its tyres (TyreCode().WheelTyres, rolling
// radii by CalcGearRollingRadii) and the options. A vehicle that is not wheel
// driven changes nothing. Ends by calling links.ShowGearingTable and links.DrawGearingGraph.
void CalcGearing(const GearingInputs& inputs, GearingLinks& links);

}  // namespace vehicle
