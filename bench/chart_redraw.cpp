// The charts on the path of a slider move, without Qt: one step of the front spring stiffness
// slider recomputes the live state, rewrites the captions and redraws every main-window chart
// (the suspension page's among them). Target: median under 1 ms. Also the acceleration graph
// of a 1/2000 s run (the longest table) drawn on a 1920 x 1080 surface (target with painting,
// in qt_chart_redraw: under 5 ms).
//
// Run: build/bench_chart_redraw --benchmark_repetitions=10 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "BenchSupport.hpp"
#include "charts/RunGraphs.hpp"
#include "charts/SuspensionCharts.hpp"
#include "platform/ServiceDoubles.hpp"

namespace {

void BM_SpringSliderMoveWithCharts(benchmark::State& state) {
    platform::InstallServiceDoubles();
    ui::Main& form = bench_support::PrepareChartWindow();
    int step = 0;
    for (auto _ : state) {
        bench_support::MoveSpringSlider(form, step);
        benchmark::DoNotOptimize(form.Analysis_DampChart->Surf().Revision());
    }
    ui::ResetMainWindow();
}
BENCHMARK(BM_SpringSliderMoveWithCharts)->Unit(benchmark::kMicrosecond);

void BM_SuspensionPageChartsOnly(benchmark::State& state) {
    platform::InstallServiceDoubles();
    ui::Main& form = bench_support::PrepareChartWindow();
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            platform::Surface& s = form.Analysis_SuspChart(i).Surf();
            switch (i) {
            case 0: charts::DrawSpringLoadChart(s); break;
            case 1: charts::DrawWheelTravelChart(s); break;
            case 2: charts::DrawRollStiffnessChart(s); break;
            case 3: charts::DrawSuspRearView(s); break;
            default: charts::DrawSuspSideView(s); break;
            }
        }
        charts::DrawSuspResponse(form.Analysis_DampChart->Surf(),
                                 analysis::SuspensionCode().DropResponseTravel);
    }
    ui::ResetMainWindow();
}
BENCHMARK(BM_SuspensionPageChartsOnly)->Unit(benchmark::kMicrosecond);

void BM_AccGraphLongestRun(benchmark::State& state) {
    platform::InstallServiceDoubles();
    platform::Surface s;
    bench_support::RunLongestAccRun(s);
    for (auto _ : state) {
        charts::DrawAccChart(s, static_cast<int>(state.range(0)), bench_support::kLongestRunStep);
        benchmark::DoNotOptimize(s.DisplayList().data());
    }
    state.counters["steps"] = analysis::AccelerationCode().AccLastStep + 1;
    state.counters["ops"] = static_cast<double>(s.DisplayList().size());
}
BENCHMARK(BM_AccGraphLongestRun)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
