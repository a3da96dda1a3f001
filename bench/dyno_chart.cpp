// The vehicle editor's engine preview redraws the dyno chart on every keystroke in an engine
// box and on every move of a shape slider: one curve sample per rad/s from idle to the limit,
// a scan for the peaks (as many torque evaluations again) and the line chart.
#include <benchmark/benchmark.h>

#include "charts/DynoChart.hpp"
#include "support/SampleVehicles.hpp"

namespace {

void BM_DrawDynoChartWithPeaks(benchmark::State& state) {
    sample::ResetAll();
    vehicle::EngineRecord e = sample::FittedSampleEngine();  // 682 samples, idle to limit
    platform::Surface surface;
    surface.SetPixelSize(454, 240);  // the vehicle data page's plot
    for (auto _ : state) {
        charts::DrawDynoChart(surface, e, true);
        benchmark::DoNotOptimize(surface.DisplayList().size());
    }
}
BENCHMARK(BM_DrawDynoChartWithPeaks)->Unit(benchmark::kMicrosecond);

void BM_FitAndDrawPreview(benchmark::State& state) {
    // What a keystroke costs beyond the box checks: both curve fits, then the chart.
    sample::ResetAll();
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    platform::Surface surface;
    surface.SetPixelSize(454, 240);
    for (auto _ : state) {
        vehicle::EngineRecord trial = e;
        vehicle::UpdateEngineModel(trial, vehicle::kDriveRear);
        charts::DrawDynoChart(surface, trial, true);
        benchmark::DoNotOptimize(surface.DisplayList().size());
    }
}
BENCHMARK(BM_FitAndDrawPreview)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
