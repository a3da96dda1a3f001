// Module DecelerationCode: the per-wheel brake torques from the brake settings, and the run
// from the vehicle's top speed to standstill, stepped in time, with the brakes applied, with
// engine braking, or coasting; its summary (peak deceleration, times and distances from the
// benchmark speeds to standstill), the user's search over the run, and the brake and result
// texts.
//
// The per-step table DecData holds 48 Singles a step (columns below, SI units). It is the one
// source of everything shown about a run: summary, search, texts, graphs and the CSV export.
// A run sizes it once at its start and writes it row by row in place.
//
// Wheel order: 0 front left, 1 front right, 2 rear left, 3 rear right. Speeds m/s, distances
// m, forces N, torques N m (brake torques positive, an engine braking torque negative), engine
// and wheel speeds rad/s, times s. Deceleration is positive while the vehicle slows.
//
// The model reads its setup through DecRunInputs and BrakeSettingsInputs and reaches the
// window through DecRunLinks (all filled by the main window; see
// ui/main/chain/MainDecelerationHandlers.cpp); with empty links a run computes and stores
// everything and shows nothing.
//
// Program-wide state: DecelerationCode(). A test resets it with
// `analysis::DecelerationCode() = analysis::DecelerationCodeState{};`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/SuspensionCode.hpp"
#include "core/Caption.hpp"
#include "core/ColumnRanges.hpp"
#include "core/Numbers.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace analysis {

// ---- The run table ----

inline constexpr int kDecColumns = 48;

// Column of DecData. Engine speed, clutch, gear, speed and distance are the values at the
// start of the step; every other column is computed in the step.
namespace DecCol {
inline constexpr int EngineSpeed = 0;         // rad/s
inline constexpr int Clutch = 1;              // 1 engaged, 0 open
inline constexpr int Gear = 2;                // 0 when engine braking is off
inline constexpr int BrakingForce = 3;        // N, sum of the four tyre forces
inline constexpr int AeroLift = 4;            // N
inline constexpr int AeroDrag = 5;            // N
inline constexpr int RollingResistance = 6;   // N
inline constexpr int Resistance = 7;          // N, drag + rolling resistance
inline constexpr int TotalForce = 8;          // N, resistance + braking force
inline constexpr int Deceleration = 9;        // m/s^2, positive while slowing
inline constexpr int WeightTransfer = 10;     // N, longitudinal, positive towards the front
inline constexpr int Speed = 11;              // m/s
inline constexpr int Distance = 12;           // m
inline constexpr int TyreLoad = 13;           // 13..16, N
inline constexpr int TyreDeflection = 17;     // 17..20, m
inline constexpr int WheelInertiaTorque = 21; // 21..24, N m
inline constexpr int AtGripLimit = 25;        // 25..28, -1 at the limit, 0 not
inline constexpr int LoadedSpringLength = 29; // 29..32, m
inline constexpr int CoGHeight = 33;          // m above the ground
inline constexpr int ElementHeight = 34;      // 34..37, m: body, undertray, front wing, rear wing
inline constexpr int BrakeApplication = 38;   // 0..1, scale applied to the brake torques
inline constexpr int FuelLoad = 39;           // litres at the start of the run
inline constexpr int FrontWingAngle = 40;     // rad, after body pitch
inline constexpr int RearWingAngle = 41;      // rad, after body pitch
inline constexpr int SlipRatio = 42;          // 42..45, 0 or negative
inline constexpr int CoGFrontShare = 46;      // front-axle share of the mass
inline constexpr int FrontBrakeShare = 47;    // front share of the applied brake torque
}  // namespace DecCol

// ---- The summary ----

inline constexpr std::size_t kDecResultCount = 18;

// Index into DecResults (SI units).
namespace DecRes {
inline constexpr int PeakDeceleration = 0;
inline constexpr int TimeFromSpeed = 1;       // 1..5: benchmark speeds 1..5 to standstill
inline constexpr int TimeFromTopSpeed = 6;
inline constexpr int DistanceFromSpeed = 7;   // 7..11
inline constexpr int StoppingDistance = 12;
inline constexpr int PeakTotalForce = 13;
inline constexpr int SearchTime = 14;         // from speed A to speed B
inline constexpr int SearchDistance = 15;     // from speed A to speed B
inline constexpr int SearchTimeAtDistance = 16;  // to standstill with more than D left
inline constexpr int SearchSpeedAtDistance = 17;
}  // namespace DecRes

// Step and length of a run by the two options ("Apply brakes", "Use engine braking").
inline constexpr float kDecTimeStepBraking = 0.005f;   // s, brakes applied
inline constexpr int16_t kDecMaxTimeBraking = 60;      // s
inline constexpr float kDecTimeStepEngine = 0.025f;    // s, engine braking only
inline constexpr int16_t kDecMaxTimeEngine = 240;      // s
inline constexpr float kDecTimeStepCoasting = 0.1f;    // s, neither
inline constexpr int16_t kDecMaxTimeCoasting = 360;    // s

inline constexpr double kBrakeRampTime = 0.0666;     // s for the brakes to build up fully
inline constexpr double kThrottleSearchStep = 0.001;  // throttle step of the engine-brake cut

struct DecelerationCodeState {
    // ---- Brake torques (SetBrakeTorques) ----
    std::array<float, 4> BrakeTorques{};  // N m, most brake torque per wheel
    float BrakeTorqueRatio = 0.0f;        // front / rear wheel torque; 0 when either is 0

    // ---- The last run ----
    float DecTimeStep = 0.0f;  // s; step i is at time i x DecTimeStep
    int16_t DecMaxTime = 0;    // s, longest run
    int32_t DecMaxSteps = 0;   // last allowed row
    // Row s, column c at DecData[s * kDecColumns + c]; rows 0..DecLastStep are valid, the rest
    // (up to DecMaxSteps) zero.
    std::vector<float> DecData;
    int32_t DecLastStep = -1;  // last row written; -1 before the first
    vehicle::AeroForces DecAero;                   // forces at the last step's speed
    std::array<SuspCorner, 4> DecSusp{};           // the run's working corners
    std::array<vehicle::TyreState, 4> DecTyres{};  // the run's working tyres
    core::VbBool DecABS = core::VbFalse;           // Set_ABS as read at the start of the run

    std::array<float, kDecResultCount> DecResults{};
    // The graphs' ranges of DecData's columns (charts), each worked out once per run:
    // AnalyseDecRun, with which every run ends, forgets them.
    core::ColumnRangeMemo DecDataRanges;
    // Whether the last search's figures exist: the run came down to both speeds (indices 14,
    // 15), and it came to a stop for the time and speed at a distance left (16, 17).
    bool SearchSpeedsReached = false;
    bool SearchStopReached = false;
    int SearchDepth = 0;  // searches running now (a corrected box searches again inside one)
    // The last run was refused (analysis/RunRefusal.hpp): no run is stored, and the result
    // texts are empty.
    bool RunRefused = false;

    // The progress bar as last written (the run writes only changes to the window).
    int32_t ProgressMax = 0;
    int32_t ProgressValue = 0;

    float Row(int32_t step, int column) const {
        return DecData[static_cast<std::size_t>(step) * kDecColumns +
                       static_cast<std::size_t>(column)];
    }
};

DecelerationCodeState& DecelerationCode();

// Most searches that may run one inside another (the user's, then those its box corrections
// start).
inline constexpr int kMaxDecSearchDepth = 4;

// ---- Inputs and window links ----

// What a run reads from the main window's controls, once per run.
struct DecRunInputs {
    bool ApplyBrakes = true;      // Analysis_DecOptions(0) "Apply brakes" ticked
    bool EngineBraking = false;   // Analysis_DecOptions(1) "Use engine braking" ticked
    bool ABS = false;             // Set_ABS ticked
    int32_t BrakeBalance = 0;     // Set_BrakeBalance, per cent at the front
    int32_t TyreWearPercent = 0;  // Live_TyreWear, for the tyre height terms
};

// The brake panel's sliders, as their integer values.
struct BrakeSettingsInputs {
    int32_t MaxTorque = 0;    // Set_BrakeMaxTorque, N m
    int32_t Balance = 0;      // Set_BrakeBalance, per cent at the front
    int32_t EBR = 0;          // Set_EBR, per cent of engine braking removed
    int32_t TCSlipRatio = 0;  // Set_TCSlipRatio, tenths of a per cent
    int32_t TCSlipSpeed = 0;  // Set_TCSlipSpeed, m/s
};

// The brake panel: Set_BrakeLabel(100..104) and Analysis_DecLabel(100, 101, 115).
struct BrakeTexts {
    std::vector<core::Caption> SetBrakeLabels;
    std::vector<core::Caption> DecLabels;
};

// How a search ended: with results, or with one box corrected (its new text).
struct DecSearchOutcome {
    bool Corrected = false;
    int Box = -1;               // 0 from speed, 1 to speed, 2 distance
    std::string CorrectedText;  // the box's new text
};

// The window side of a run; any member may be empty.
struct DecRunLinks {
    std::function<void(int32_t)> SetProgressMax;    // Analysis_DecProgress.Max
    std::function<void(int32_t)> SetProgressValue;  // Analysis_DecProgress.Value
    std::function<void(const std::vector<core::Caption>&)> ShowDecResults;
    // Analysis_DecSearchInput(0..2).Text.
    std::function<std::array<std::string, 3>()> ReadSearchInputs;
    // Rewrites one search box (its change handler then searches again).
    std::function<void(int box, const std::string& text)> WriteSearchInput;
    std::function<void(const std::vector<core::Caption>&)> ShowDecSearchResults;
    std::function<void()> DrawDecGraph;
};

// ---- Routines ----

// BrakeTorques and BrakeTorqueRatio from the maximum torque and the front balance.
void SetBrakeTorques(int32_t maxTorque, int32_t balancePercent);

// The step and run length the options choose (table above). "Use engine braking" counts only
// for a wheel-driven current vehicle: one that is not wheel driven coasts with the brakes off.
void DecTimingForOptions(const DecRunInputs& inputs, float& timeStep, int16_t& maxTime);

// The run with the options' step into the state above, then AnalyseDecRun, SearchDecRun, the
// result texts and the graph. Needs SetBrakeTorques and the masses, tyres, aerodynamics, live
// state, suspension and gearing of the current vehicle computed first.
void RunDecelerationAnalysis(const DecRunInputs& inputs, const DecRunLinks& links);

// The simulation alone with any time step (s) and longest run (s): fills DecData,
// DecLastStep and the run's working copies; reports progress through the links. The run
// always ends, after at most maxTime / timeStep + 1 rows. A vehicle that is not wheel driven
// has no engine braking and no engine speed (its column is 0).
void SimulateDeceleration(const DecRunInputs& inputs, float timeStep, int16_t maxTime,
                          const DecRunLinks& links);

// The engine-brake reduction: from the torque of `ends` (the torque's ends at engine.Speed,
// vehicle::GetTorqueEnds) at engine.Throttle, where the engine brakes (the run's closed
// throttle; the live page's throttle as set), opens engine.Throttle in steps of
// kThrottleSearchStep until the engine brakes with no more than (1 - EngineBrakeReduction) of
// that torque, never past full throttle nor past the throttle of no torque (the engine never
// drives: at a reduction of 1 it neither brakes nor drives). Returns the torque at the throttle
// found (also stored in engine.Torque), between the torque it started from and 0. The run and
// the live page both ease the braking by it, each once at the engine speed it works at.
float ReduceEngineBraking(vehicle::EngineRecord& engine, const vehicle::TorqueEnds& ends);

// The benchmark speeds 1..5 (m/s) of the selected speed unit.
std::array<double, 5> DecTargetSpeeds();

// True when the stored run ended at standstill (its last row at speed 0 or below) without
// having gone backwards overall; a run that reached its longest time still moving did not.
bool DecRunStopped();

// DecResults(0..13) from the stored run. The times and distances to standstill from the
// benchmark speeds (1..5, 7..11) are 0 ("never") for a run that did not stop.
void AnalyseDecRun();

// The search over the stored run with the three box texts (display units). Fills
// DecResults(14..17) and the two reached flags unless a box needs correcting; then returns the
// correction (the run's end in the unit's decimals) and changes no result. A value beyond the
// run by less than that rounding counts as at its end, so a corrected text read back never
// needs correcting again; the start speed is passed at the run's first row and the whole
// distance there too.
DecSearchOutcome SearchDecRunTexts(const std::array<std::string, 3>& boxes);
// Reads the boxes through the links, searches, and either rewrites the corrected box or
// shows the results.
void SearchDecRun(const DecRunLinks& links);

// Analysis_DecLabel texts of the summary: the five benchmark rows (4..8 captions, 102..111
// times and distances), the top-speed row (9, 112, 113) and the peak deceleration (114). Every
// time and distance to standstill reads "N/A" for a run that did not stop, and a distance
// below zero too.
std::vector<core::Caption> DecResultsTexts();
// Analysis_DecLabel(116..119) from DecResults(14..17); "N/A" for figures the run never
// reached.
std::vector<core::Caption> DecSearchResultsTexts();
// The brake panel texts from the sliders and BrakeTorques.
BrakeTexts BrakeSettingsTexts(const BrakeSettingsInputs& inputs);

}  // namespace analysis
