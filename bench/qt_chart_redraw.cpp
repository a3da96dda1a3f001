// The charts on the path of a slider move through the Qt front end: one step of the front
// spring stiffness slider with the suspension page on show, its analyses, captions and charts,
// and the window's layout and paint of everything that changed (offscreen). Target: median
// under 8 ms. Also the acceleration graph of a 1/2000 s run drawn on a 1920 x 1080 surface and
// painted into an image: under 5 ms.
//
// Run: build/bench_qt_chart_redraw --benchmark_repetitions=10 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "BenchSupport.hpp"
#include "QtBenchMain.hpp"
#include "charts/RunGraphs.hpp"
#include "qt/QtDesktop.hpp"
#include "qt/SurfacePainter.hpp"

namespace {

void BM_SpringSliderMoveWithQtPaint(benchmark::State& state) {
    ui::Main& form = bench_support::PrepareChartWindow();
    qtfront::QtDesktop desktop;
    form.Show();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        bench_support::MoveSpringSlider(form, step);
        QCoreApplication::processEvents();
    }
    form.Unload();
    QCoreApplication::processEvents();
    ui::ResetMainWindow();
}
BENCHMARK(BM_SpringSliderMoveWithQtPaint)->Unit(benchmark::kMillisecond);

void BM_AccGraphLongestRunPainted(benchmark::State& state) {
    platform::Surface s;
    bench_support::RunLongestAccRun(s);
    for (auto _ : state) {
        charts::DrawAccChart(s, static_cast<int>(state.range(0)), bench_support::kLongestRunStep);
        const QImage image = qtfront::RenderSurface(s);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["steps"] = analysis::AccelerationCode().AccLastStep + 1;
}
BENCHMARK(BM_AccGraphLongestRunPainted)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench_support::RunQtBenchmarks(argc, argv); }
