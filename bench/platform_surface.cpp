// Hot paths of the platform model (no front end attached): redrawing a chart into a picture
// box's surface, and rewriting the captions of a page of result labels.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/Form.hpp"

namespace {

// One chart redraw: 2,000 operations in a frame on a user scale, as a line chart with grid,
// axis texts and a data series draws them.
void BM_SurfaceFrame2000Ops(benchmark::State& state) {
    platform::Form form("Bench");
    auto& box = form.Create<platform::PictureBox>("Graph");
    box.Move(0, 0, 640, 400);
    platform::Surface& s = box.Surf();
    const platform::FontSpec axis{"Arial", 8.0f, false, false};
    for (auto _ : state) {
        s.BeginFrame();
        s.Cls();
        s.Scale(0, 1000, 8000, 0);
        for (int i = 0; i < 200; ++i) {  // grid: 200 boxes and lines
            s.Line(i * 40.0f, 0, i * 40.0f, 1000, 0xC0C0C0);
            s.Box(i * 40.0f, 0, i * 40.0f + 20, 20, 0x808080);
        }
        for (int i = 0; i < 100; ++i) {  // axis labels, half of them turned
            s.CurrentX = i * 80.0f;
            s.CurrentY = 990;
            if (i % 2) s.PrintWithFont("Nm", axis, 90.0);
            else s.Print("1000");
        }
        s.CurrentX = 0;
        s.CurrentY = 0;
        for (int i = 0; i < 1400; ++i)  // the series
            s.LineTo(i * 5.7f, 500 + 400 * ((i % 50) / 50.0f), 0x0000FF);
        s.EndFrame();
        benchmark::DoNotOptimize(s.DisplayList().data());
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_SurfaceFrame2000Ops);

// One recalculation's worth of caption writes: 100 labels rewritten with new values.
void BM_LabelRewrites100(benchmark::State& state) {
    platform::Form form("Bench");
    platform::ControlArray<platform::Label> labels;
    for (int i = 0; i < 100; ++i) form.CreateIn(labels, "Analysis_PhysLabel", 100 + i);
    std::vector<std::string> texts[2];
    for (int i = 0; i < 100; ++i) {
        texts[0].push_back(std::to_string(i * 1.25) + " kg");
        texts[1].push_back(std::to_string(i * 1.5) + " kg");
    }
    int round = 0;
    for (auto _ : state) {
        const auto& t = texts[round++ & 1];
        for (int i = 0; i < 100; ++i) labels(100 + i).SetCaption(t[static_cast<std::size_t>(i)]);
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_LabelRewrites100);

}  // namespace

BENCHMARK_MAIN();
