// Module AccelerationCode: the standing-start, full-throttle acceleration run of the current
// vehicle with its current setup, stepped in time for up to 120 s; its summary (times and
// distances to the benchmark speeds and distances, peaks, launch and shift times, wheel spin,
// fuel use), the user's search over the run, and the result texts.
//
// The per-step table AccData holds 47 Singles a step (columns below, SI units). It is the one
// source of everything shown about a run: summary, search, texts, graph, CSV export and the
// replay viewer. A run sizes it once at its start and writes it row by row in place.
//
// Wheel order: 0 front left, 1 front right, 2 rear left, 3 rear right; axle of wheel i = i / 2.
// Speeds m/s, distances m, forces N, torques N m, engine and wheel speeds rad/s, times s.
//
// The model reads its setup through AccRunInputs and reaches the window through AccRunLinks
// (both filled by the main window; see ui/main/chain/MainAccelerationHandlers.cpp); with empty
// links a run computes and stores everything and shows nothing.
//
// Whether traction control was on for the run is LiveStateCode().AccTractionControl, which the
// run and the live-state analysis both set from Set_TC.
//
// Program-wide state: AccelerationCode(). A test resets it with
// `analysis::AccelerationCode() = analysis::AccelerationCodeState{};`.
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
#include "vehicle/TyreCode.hpp"

namespace analysis {

// ---- The run table ----

inline constexpr int kAccColumns = 47;

// Column of AccData. "Step start" values are those before the step's integration.
namespace AccCol {
inline constexpr int EngineSpeed = 0;         // rad/s
inline constexpr int Clutch = 1;              // 0..1
inline constexpr int Gear = 2;                // 1 = first gear
inline constexpr int DriveForce = 3;          // N, sum of the wheel forces (thrust for type 3)
inline constexpr int AeroLift = 4;            // N
inline constexpr int AeroDrag = 5;            // N
inline constexpr int RollingResistance = 6;   // N
inline constexpr int Resistance = 7;          // N, drag + rolling resistance
inline constexpr int NetForce = 8;            // N, drive force - resistance
inline constexpr int Acceleration = 9;        // m/s^2
inline constexpr int WeightTransfer = 10;     // N, longitudinal, positive towards the rear
inline constexpr int Speed = 11;              // m/s at step start
inline constexpr int Distance = 12;           // m at step start
inline constexpr int WheelLoad = 13;          // 13..16, N
inline constexpr int TyreDeflection = 17;     // 17..20, m
inline constexpr int WheelInertiaTorque = 21; // 21..24, N m
inline constexpr int WheelSpin = 25;          // 25..28, -1 spinning, 0 not
inline constexpr int LoadedSpringLength = 29; // 29..32, m
inline constexpr int CoGHeight = 33;          // m above the ground
inline constexpr int ElementHeight = 34;      // 34..37, m: body, undertray, front wing, rear wing
inline constexpr int Throttle = 38;           // 0..1
inline constexpr int FuelLeft = 39;           // litres
inline constexpr int FrontWingAngle = 40;     // rad, after body pitch
inline constexpr int RearWingAngle = 41;      // rad, after body pitch
inline constexpr int SlipRatio = 42;          // 42..45
inline constexpr int CoGFrontShare = 46;      // front-axle share of the mass
}  // namespace AccCol

// ---- The summary ----

inline constexpr std::size_t kAccResultCount = 40;

// Index into AccResults (SI units; 0 = never reached).
namespace AccRes {
inline constexpr int PeakAcceleration = 0;
inline constexpr int TimeToSpeed = 1;           // 1..5, benchmark speeds 0..4
inline constexpr int TimeToFinalSpeed = 6;     // 0 when the final speed is 0 or below
inline constexpr int DistanceAtSpeed = 7;       // 7..11
inline constexpr int DistanceAtFinalSpeed = 12;
inline constexpr int FinalSpeed = 13;
inline constexpr int TimeToDistance = 14;       // 14..15, benchmark distances 0..1
inline constexpr int SpeedAtDistance = 16;      // 16..17
inline constexpr int LaunchTime = 18;           // 0 when the clutch never closed
inline constexpr int ShiftTimeTotal = 19;
inline constexpr int TimeInGear = 19;           // 19 + gear, gears 1..7
inline constexpr int FrontSpinStartSpeed = 27;
inline constexpr int RearSpinStartSpeed = 28;
inline constexpr int FrontSpinEndSpeed = 29;
inline constexpr int RearSpinEndSpeed = 30;
inline constexpr int PeakDriveForce = 31;
inline constexpr int DriveEndTime = 32;
inline constexpr int MinThrottle = 33;
inline constexpr int FuelUsed = 34;             // litres
inline constexpr int FuelPerDistance = 35;      // litres per metre
inline constexpr int SearchTime = 36;
inline constexpr int SearchDistance = 37;
inline constexpr int SearchTimeAtDistance = 38;
inline constexpr int SearchSpeedAtDistance = 39;
}  // namespace AccRes

// The three time steps of the precision selector (list index 0, 1, 2).
inline constexpr std::array<float, 3> kAccTimeSteps{0.01f, 0.002f, 0.0005f};
inline constexpr float kAccRunSeconds = 120.0f;  // longest run

struct AccelerationCodeState {
    // Row s, column c at AccData[s * kAccColumns + c]; rows 0..AccLastStep are valid, rows
    // beyond hold nothing meaningful. At least (AccMaxSteps + 1) rows.
    std::vector<float> AccData;
    int32_t AccLastStep = -1;    // last row written; -1 before the first step of a run
    float AccTimeStep = 0.01f;   // s; step i is at time i x AccTimeStep
    int32_t AccMaxSteps = 0;     // last allowed row, CLng(120 / dt)
    float AccProgressDivisor = 0.0f;  // progress bar scale: 20 / dt, 6 / dt or 2 / dt
    float AccFuelLeft = 0.0f;    // litres in the tank during and after the run
    // The same tank summed in double precision, for the fuel used. A step of 1/2000 s burns
    // about 1e-5 l, which a Single tank of tens of litres would round away in part; the run's
    // masses and table keep to AccFuelLeft.
    double AccFuelLeftDouble = 0.0;
    vehicle::AeroForces AccAero;  // forces at the last step's speed
    std::array<SuspCorner, 4> AccSusp{};         // the run's working corners
    std::array<vehicle::TyreState, 4> AccTyres{};  // the run's working tyres
    std::array<float, kAccResultCount> AccResults{};
    // The graphs' ranges of AccData's columns (charts), each worked out once per run:
    // AnalyseAccRun, with which every run ends, forgets them.
    core::ColumnRangeMemo AccDataRanges;

    int SearchDepth = 0;  // searches running now (a corrected box searches again inside one)
    // The last run was refused (analysis/RunRefusal.hpp): no run is stored, and the result
    // texts are empty.
    bool RunRefused = false;

    // The progress bar as last written (the run writes only changes to the window).
    int32_t ProgressMax = 0;
    int32_t ProgressValue = 0;

    float Row(int32_t step, int column) const {
        return AccData[static_cast<std::size_t>(step) * kAccColumns +
                       static_cast<std::size_t>(column)];
    }
};

AccelerationCodeState& AccelerationCode();

// Most searches that may run one inside another (the user's, then those its box corrections
// start).
inline constexpr int kMaxAccSearchDepth = 4;

// ---- Inputs and window links ----

// What a run reads from the main window's controls, once per run.
struct AccRunInputs {
    bool TractionControl = false;  // Set_TC ticked
    int32_t TyreWearPercent = 0;   // Live_TyreWear, for the tyre height terms
};

// Text colours the summary sets (Analysis_AccLabel 11 and 131).
inline constexpr uint32_t kAccTextBlack = 0x000000;
inline constexpr uint32_t kAccTextBlue = 0xFF0000;  // &HFF0000: blue
inline constexpr uint32_t kAccTextRed = 0x0000FF;   // &HFF: red
struct AccLabelColour {
    int Index = 0;
    uint32_t Colour = 0;
    bool operator==(const AccLabelColour&) const = default;
};
// The result texts of the summary, and the colours set after all of them.
struct AccResultTexts {
    std::vector<core::Caption> Labels;  // Analysis_AccLabel, in writing order, without colours
    std::vector<AccLabelColour> Colours;
};

// How a search ended: with results, or with one box corrected (its new text).
struct AccSearchOutcome {
    bool Corrected = false;
    int Box = -1;               // 0 from speed, 1 to speed, 2 distance
    std::string CorrectedText;  // the box's new text
};

// The window side of a run; any member may be empty.
struct AccRunLinks {
    std::function<void(int32_t)> SetProgressMax;    // Analysis_AccProgress.Max
    std::function<void(int32_t)> SetProgressValue;  // Analysis_AccProgress.Value
    std::function<void(const AccResultTexts&)> ShowAccResults;
    // Analysis_AccSearchInput(0..2).Text.
    std::function<std::array<std::string, 3>()> ReadSearchInputs;
    // Rewrites one search box (its change handler then searches again).
    std::function<void(int box, const std::string& text)> WriteSearchInput;
    std::function<void(const std::vector<core::Caption>&)> ShowAccSearchResults;
    std::function<void(float dt)> DrawAccGraph;
};

// ---- Routines ----

// Simulates the run with time step dt (0.01, 0.002 or 0.0005 s) into the state above, then
// AnalyseAccRun, SearchAccRun and the graph. Needs the masses, tyres, aerodynamics, live
// state, suspension, gearing and differentials of the current vehicle computed first.
void RunAccelerationAnalysis(float dt, const AccRunInputs& inputs, const AccRunLinks& links);

// The summary AccResults(0..35) of the stored run, then its texts (links.ShowAccResults).
void AnalyseAccRun(float dt, const AccRunLinks& links);

// The search over the stored run with the three box texts (display units). Fills
// AccResults(36..39) unless a box needs correcting; then returns the correction and changes
// no result.
AccSearchOutcome SearchAccRunTexts(float dt, const std::array<std::string, 3>& boxes);
// Reads the boxes through the links, searches, and either rewrites the corrected box or
// shows the results.
void SearchAccRun(float dt, const AccRunLinks& links);

// The summary texts from AccResults, the benchmarks and the units (label 11 blue when the run
// reached its step limit, label 131 red when the tank ran dry). A figure the run never reached
// reads "N/A": a benchmark, the final speed of a run that never got going, a launch that never
// ended. The time-in-gear labels of gears the vehicle does not have are empty.
AccResultTexts AccResultsTexts();
// Labels 133..136 from AccResults(36..39).
std::vector<core::Caption> AccSearchResultsTexts();

// The time step of a precision selector index (0.01 s for an index outside 0..2).
float AccTimeStepForPrecision(int listIndex);

}  // namespace analysis
