#include "ui/tools/replay/ReplayPlayback.hpp"

#include <algorithm>
#include <cmath>

#include "analysis/AccelerationCode.hpp"
#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/AccTargets.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "platform/Control.hpp"

namespace tools {

namespace {
namespace Col = analysis::AccCol;
constexpr int kRearWing = 2, kFrontWing = 3;  // aero elements
constexpr float kStripMargin = 15.0f;          // pixels left of the start line
constexpr float kMarkerRadius = 10.0f;         // pixels
constexpr platform::Color kDistance1Grey = platform::RGB(170, 170, 170);
}  // namespace

float TickSeconds(PlaySpeed speed) {
    switch (speed) {
        case PlaySpeed::Slow: return 0.01f;
        case PlaySpeed::Normal: return 0.05f;
        case PlaySpeed::Fast: return 0.1f;
    }
    return 0.05f;
}

float ReplayRun::At(int32_t step, int column) const {
    return Data[static_cast<std::size_t>(step) * analysis::kAccColumns +
                static_cast<std::size_t>(column)];
}

int16_t StepsPerTick(float tickSeconds, float timeStep) {
    if (!(timeStep > 0.0f)) return 0;
    return core::CInt(static_cast<double>(tickSeconds) / static_cast<double>(timeStep));
}

int32_t TicksFor(int32_t samples, int16_t stepPerTick) {
    if (stepPerTick <= 0) return 0;
    return core::CLng(static_cast<double>(samples) / stepPerTick);
}

ReplayRun CaptureRun(const std::vector<float>& table, int32_t lastStep, float timeStep,
                     const vehicle::VehicleRecord& vehicle,
                     const std::array<analysis::SuspCorner, 4>& corners,
                     const std::array<vehicle::TyreState, 4>& tyres, float tickSeconds) {
    ReplayRun run;
    const std::size_t rows = lastStep >= 0 ? static_cast<std::size_t>(lastStep) + 1 : 0;
    if (rows == 0 || table.size() < rows * analysis::kAccColumns) return run;  // no run yet
    run.Present = true;
    // Only the rows the run wrote: the table itself is sized for the longest run.
    run.Data.assign(table.begin(),
                    table.begin() + static_cast<std::ptrdiff_t>(rows * analysis::kAccColumns));
    run.LastStep = lastStep;
    run.TimeStep = timeStep;
    run.Vehicle = vehicle;
    run.Corners = corners;
    run.Tyres = tyres;
    run.StepPerTick = StepsPerTick(tickSeconds, timeStep);
    run.Position = 0;
    return run;
}

int DrivingSlot(const std::array<ReplayRun, 2>& runs) {
    if (runs[0].Present && (!runs[1].Present || runs[0].LastStep > runs[1].LastStep)) return 0;
    if (runs[1].Present) return 1;
    return -1;
}

std::array<std::string, 7> SlotValueTexts(const ReplayRun& run, int32_t sample) {
    using core::Quantity;
    const float gear = run.At(sample, Col::Gear);
    const float clutch = run.At(sample, Col::Clutch);
    return {
        core::RoundedText(run.At(sample, Col::Throttle) * 100.0f, 1) + "%",
        core::RoundedText((1.0f - clutch) * 100.0f, 1) + "%",
        core::UnitValueText(Quantity::ARV, run.At(sample, Col::EngineSpeed)),
        gear <= 1.0f || clutch >= 1.0f ? core::SingleText(gear) : std::string("-"),
        core::UnitValueText(Quantity::Acc, run.At(sample, Col::Acceleration)),
        core::UnitValueText(Quantity::Speed, run.At(sample, Col::Speed)),
        core::UnitValueText(Quantity::DistanceLarge, run.At(sample, Col::Distance)),
    };
}

std::string RunTimeText(const ReplayRun& run, int32_t sample) {
    return core::SingleText(core::RoundToDecimals(run.TimeStep * static_cast<float>(sample), 3)) +
           "s";
}

float PitchDiagramSpan(const vehicle::VehicleRecord& v,
                       const std::array<vehicle::TyreState, 4>& tyres) {
    const float L = v.Wheelbase;
    const auto& el = v.AeroElements;
    if (el[kRearWing].DeviceType + el[kFrontWing].DeviceType != 0) {
        // A wing placed within the wheelbase would give no span (or a negative one): the
        // wheelbase is the least the view shows.
        const float rear = std::max((1.0f - 2.0f * el[kRearWing].PosY) * L, L);
        const float front = std::max((2.0f * el[kFrontWing].PosY - 1.0f) * L, L);
        return 1.2f * std::max(rear, front);
    }
    return 1.1f * (tyres[0].UnloadedRadius + L + tyres[3].UnloadedRadius);
}

PitchFrame PreparePitchFrame(ReplayRun& run, int32_t sample, float drawingWidth) {
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t axle = k < 2 ? 0 : 1;
        auto& corner = run.Corners[k];
        corner.LoadedSpringLength = run.At(sample, Col::LoadedSpringLength + static_cast<int>(k));
        corner.WheelTravelLeft = run.Vehicle.Axles[axle].SpringMotionRatio * corner.LoadedSpringLength;
        auto& tyre = run.Tyres[k];
        const float free = tyre.UnloadedRadius - tyre.WearDepth;  // m, radius with no load
        tyre.LoadedRadius = free - run.At(sample, Col::TyreDeflection + static_cast<int>(k));
        // A tyre lifted off the ground (no deflection) has no patch.
        tyre.PatchLength = 2.0f * std::sqrt(std::max(0.0f, free * free - tyre.LoadedRadius * tyre.LoadedRadius));
    }
    PitchFrame f;
    f.CoG.X = 0.0f;
    f.CoG.Y = run.At(sample, Col::CoGFrontShare);
    f.CoG.Z = run.At(sample, Col::CoGHeight);
    f.UndertrayHeight = run.At(sample, Col::ElementHeight + 1);
    f.FrontWingHeight = run.At(sample, Col::ElementHeight + 2);
    f.RearWingHeight = run.At(sample, Col::ElementHeight + 3);
    f.Scale = drawingWidth / PitchDiagramSpan(run.Vehicle, run.Tyres);
    return f;
}

void DrawRaceFrame(platform::Surface& strip, const std::array<ReplayRun, 2>& runs, int choice,
                   float& xScale) {
    charts::ChartRedraw frame(strip);
    const float w = static_cast<float>(strip.PixelWidth());
    const float h = static_cast<float>(strip.PixelHeight());
    strip.Scale(0.0f, 0.0f, w, h);  // pixels
    const auto& targets =
        core::AccTargetTable().AccTargets[core::OptionsSettings().UnitIndexSpeed];
    const float distance1 = static_cast<float>(targets[core::kAccTargetFirstDistance]);
    const float distance2 = static_cast<float>(targets[core::kAccTargetFirstDistance + 1]);
    auto finalDistance = [](const ReplayRun& r) { return r.At(r.LastStep, Col::Distance); };
    if (choice == 0) {
        xScale = (w - 30.0f) / distance1;
    } else if (choice == 1) {
        xScale = (w - 30.0f) / distance2;
    } else if (runs[0].Present || runs[1].Present) {
        float longest = 0.0f;
        if (runs[0].Present && runs[1].Present)
            longest = finalDistance(runs[0]) > finalDistance(runs[1]) ? finalDistance(runs[0])
                                                                        : finalDistance(runs[1]);
        else
            longest = finalDistance(runs[0].Present ? runs[0] : runs[1]);
        xScale = (w - 30.0f) / longest;
    }
    if (!std::isfinite(xScale)) xScale = 0.0f;  // a run that never moved

    strip.DrawWidth = 1;
    strip.Line(kStripMargin, h, kStripMargin, 0.0f, charts::kBlack);
    strip.Line(kStripMargin + xScale * distance1, h, kStripMargin + xScale * distance1, 0.0f,
               kDistance1Grey);
    strip.Line(kStripMargin + xScale * distance2, h, kStripMargin + xScale * distance2, 0.0f,
               charts::kBlack);
    const platform::Color colours[2] = {charts::kBlue, charts::kRed};
    const float rows[2] = {0.25f, 0.75f};
    strip.FillSolid = true;
    for (std::size_t k = 0; k < 2; ++k) {
        const ReplayRun& r = runs[k];
        if (!r.Present) continue;
        const int32_t sample = std::min(r.Position, r.LastStep);
        strip.FillColor = colours[k];
        strip.Circle(kStripMargin + xScale * r.At(sample, Col::Distance), rows[k] * h,
                     kMarkerRadius, colours[k]);
    }
    strip.FillSolid = false;
}

}  // namespace tools
