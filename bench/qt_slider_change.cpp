// One slider Change whose handler rewrites 100 label captions and redraws a 2,000-op chart,
// with the Qt window kept in step and its pending paint events processed (offscreen).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cmath>

#include "QtBenchMain.hpp"
#include "platform/Form.hpp"
#include "qt/QtDesktop.hpp"

namespace {

struct BenchForm : platform::Form {
    BenchForm() : platform::Form("Bench") {
        Move(0, 0, 900, 700);
        slider = &Create<platform::Slider>("Slide");
        slider->Move(10, 10, 300, 30);
        slider->SetMax(1000);
        for (int i = 0; i < 100; ++i) {
            labels[i] = &Create<platform::Label>("Value", nullptr, i);
            labels[i]->Move(10 + (i % 5) * 80, 50 + (i / 5) * 20, 75, 18);
        }
        chart = &Create<platform::PictureBox>("Chart");
        chart->Move(420, 50, 460, 400);
        chart->SetBackColor(platform::RGB(255, 255, 255));
        slider->Change = [this] { Redraw(); };
    }

    void Redraw() {
        const int v = slider->Value();
        for (int i = 0; i < 100; ++i) {
            labels[i]->SetCaption(std::to_string(v * 100 + i) + " N");
        }
        platform::Surface& s = chart->Surf();
        s.BeginFrame();
        s.Cls();
        s.Scale(0, 100, 2000, -100);
        s.CurrentX = 0;
        s.CurrentY = 0;
        for (int i = 0; i < 2000; ++i) {
            s.LineTo(static_cast<float>(i), 80.0f * std::sin((i + v) * 0.01f));
        }
        s.EndFrame();
    }

    platform::Slider* slider;
    platform::Label* labels[100];
    platform::PictureBox* chart;
};

void BM_SliderChangeWithQtSync(benchmark::State& state) {
    BenchForm form;
    qtfront::QtDesktop desktop;
    form.Show();
    QCoreApplication::processEvents();
    int v = 0;
    for (auto _ : state) {
        v = (v + 7) % 1000;
        form.slider->SetValue(v);
        // Layout, then the paint of everything that changed.
        QCoreApplication::processEvents();
    }
    state.counters["ops"] = static_cast<double>(form.chart->Surf().DisplayList().size());
    form.Unload();
    QCoreApplication::processEvents();
}
void BM_ModelOnly(benchmark::State& state) {
    BenchForm form;
    int v = 0;
    for (auto _ : state) {
        v = (v + 7) % 1000;
        form.slider->SetValue(v);
    }
}
BENCHMARK(BM_ModelOnly)->Unit(benchmark::kMillisecond);
void BM_SyncNoPaint(benchmark::State& state) {
    BenchForm form;
    qtfront::QtDesktop desktop;
    form.Show();
    QCoreApplication::processEvents();
    int v = 0;
    for (auto _ : state) {
        v = (v + 7) % 1000;
        form.slider->SetValue(v);
    }
    form.Unload();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_SyncNoPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderChangeWithQtSync)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) { return bench_support::RunQtBenchmarks(argc, argv); }
