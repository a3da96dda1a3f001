// The acceleration replay's arithmetic, without the window: stored runs, how many samples a
// timer tick advances at each play speed, which run drives the position slider, the seven
// value texts of a run at a sample, the side view's inputs at a sample, and the drag strip.
//
// A run is a copy of the acceleration run table (rows 0..LastStep, columns of
// analysis::AccCol) with the vehicle, suspension corners and tyres it was computed with.
// Samples are at i x TimeStep seconds. One tick of the 50 ms timer stands for 0.01 s of run
// time at 0.2x, 0.05 s at 1x and 0.1 s at 2x.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/SuspensionCode.hpp"
#include "platform/Surface.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace tools {

inline constexpr int kReplayTimerMs = 50;
enum class PlaySpeed : uint8_t { Slow = 0, Normal = 1, Fast = 2 };  // 0.2x, 1x, 2x
// Run seconds one tick stands for.
float TickSeconds(PlaySpeed speed);

struct ReplayRun {
    bool Present = false;
    std::vector<float> Data;   // rows 0..LastStep of the run table
    int32_t LastStep = -1;     // index of the last sample
    float TimeStep = 0.0f;     // s per sample
    int32_t Position = 0;      // sample shown
    int16_t StepPerTick = 0;   // samples advanced per tick
    vehicle::VehicleRecord Vehicle;
    std::array<analysis::SuspCorner, 4> Corners{};  // changed per shown sample (own copies)
    std::array<vehicle::TyreState, 4> Tyres{};

    float At(int32_t step, int column) const;
};

// Samples per tick: tick seconds / time step, halves to even (0.05 s of a 0.002 s run: 25).
int16_t StepsPerTick(float tickSeconds, float timeStep);
// Slider ticks for `samples` samples: samples / step, halves to even (0 for a step of 0).
int32_t TicksFor(int32_t samples, int16_t stepPerTick);

// A stored copy of the current acceleration run (the rows written so far) with the vehicle,
// corners and tyres it was computed with, at position 0 with the step of `tickSeconds`.
// Nothing (not present) when no run has been computed.
ReplayRun CaptureRun(const std::vector<float>& table, int32_t lastStep, float timeStep,
                     const vehicle::VehicleRecord& vehicle,
                     const std::array<analysis::SuspCorner, 4>& corners,
                     const std::array<vehicle::TyreState, 4>& tyres, float tickSeconds);

// The slot whose position the slider follows: of the present slots, slot 0 when its last
// step is greater than slot 1's, otherwise slot 1; -1 when neither is present.
int DrivingSlot(const std::array<ReplayRun, 2>& runs);

// Throttle, clutch, engine angular velocity, gear, acceleration, speed and distance at the
// sample, in the display units in force. The gear shows "-" during a shift (gear 2 or more
// with the clutch not fully engaged).
std::array<std::string, 7> SlotValueTexts(const ReplayRun& run, int32_t sample);
// "1.25s": the run time of the sample, to three places.
std::string RunTimeText(const ReplayRun& run, int32_t sample);

// The side view's inputs at a sample. Updates the run's own corners (spring length, wheel
// travel left) and tyres (loaded radius, patch length) from the sample.
struct PitchFrame {
    vehicle::PositionXYZ CoG;       // Y front share, Z height (m)
    float UndertrayHeight = 0.0f;   // m above the ground
    float FrontWingHeight = 0.0f;
    float RearWingHeight = 0.0f;
    float Scale = 0.0f;             // drawing units per metre
};
PitchFrame PreparePitchFrame(ReplayRun& run, int32_t sample, float drawingWidth);
// Length (m) the side view spans: 1.2 x the larger wing overhang measured from the wheelbase's
// centre (never less than the wheelbase) when a wing is fitted, else 1.1 x the wheelbase plus
// the front and rear tyre radii.
float PitchDiagramSpan(const vehicle::VehicleRecord& v, const std::array<vehicle::TyreState, 4>& tyres);

// The drag strip: a start line, the two benchmark distance lines (first grey, second black)
// and a marker per present run (run 1 blue in the upper half, run 2 red in the lower), on a
// surface drawn in pixels. The strip spans the first or second benchmark distance of the
// speed unit (choice 0 or 1) or the longer run (choice 2); xScale is set to pixels per metre
// (left as it was for choice 2 with no run).
void DrawRaceFrame(platform::Surface& strip, const std::array<ReplayRun, 2>& runs, int choice,
                   float& xScale);

}  // namespace tools
