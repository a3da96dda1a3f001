// One frame of the acceleration replay viewer with two stored runs of the tests' sample car:
// the slider is set, which shows both runs' seven values, recomputes and redraws both side
// views and redraws the drag strip. The frame must take well under the 50 ms timer period;
// the target is under 2 ms, also for runs at 1/2000 s (where a tick at 2x spans 200 samples).
#include <benchmark/benchmark.h>

#include "analysis/AccelerationCode.hpp"
#include "core/AccTargets.hpp"
#include "platform/Controls.hpp"
#include "support/SampleVehicles.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"

namespace {

void FrameAt(benchmark::State& state, float dt) {
    sample::ResetAll();
    core::InitAccTargets();
    sample::Prepare(sample::SampleCar());
    analysis::RunAccelerationAnalysis(dt, {}, {});
    ui::ResetDragRaceWindow();
    ui::ShowDragRaceWindow();
    ui::DragRaceWindow& w = *ui::PeekDragRaceWindow();
    w.UseCurrentRun(0);
    // A second, heavier car for run 2.
    auto heavy = sample::SampleCar();
    heavy.BodyMass += 300.0f;
    sample::Prepare(heavy);
    analysis::RunAccelerationAnalysis(dt, {}, {});
    w.UseCurrentRun(1);
    w.Faster_Click();  // 2x: the largest jump between frames
    const int32_t top = w.ProgressMeter->Max();
    int32_t v = 1;
    for (auto _ : state) {
        w.ProgressMeter->SetValue(v);
        v = v % top + 1;
        benchmark::DoNotOptimize(w.DragStrip->Surf().Revision());
    }
    state.counters["samples"] = static_cast<double>(w.Runs[0].LastStep + 1);
    ui::ResetDragRaceWindow();
}

void BM_ReplayFrameStandard(benchmark::State& state) { FrameAt(state, 0.01f); }
void BM_ReplayFrameUltra(benchmark::State& state) { FrameAt(state, 0.0005f); }

BENCHMARK(BM_ReplayFrameStandard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReplayFrameUltra)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
