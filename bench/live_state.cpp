// The path of one live slider move: the live-state analysis of a realistic vehicle (the sample
// car of tests/support/SampleVehicles.hpp: 1180 kg, rear drive, five gears, small rear wing,
// at 25 m/s on half throttle) with its live captions written into the main window. Target: median under
// 0.3 ms. Also the model alone (and coasting with eased engine braking), the caption texts
// alone and the physical captions.
//
// Run: build-*/bench_live_state --benchmark_repetitions=10 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "BenchSupport.hpp"
#include "support/SampleVehicles.hpp"
#include "analysis/PhysicalDisplay.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"

namespace {

analysis::LiveStateInputs SampleInputs() {
    analysis::LiveStateInputs in = sample::Setup::LiveInputs();
    in.SpeedMs = 25;
    in.ThrottlePercent = 50;
    return in;
}

void SampleVehicle() {
    sample::ResetAll();
    sample::Setup setup;
    setup.live = SampleInputs();
    sample::Prepare(sample::SampleCar(), setup);
}

// The sample vehicle, and the main window's live and setup controls set to its inputs.
ui::Main& PrepareWindow() {
    SampleVehicle();
    ui::ResetMainWindow();
    ui::Main& form = ui::MainWindow();
    bench_support::SetLiveControls(form, SampleInputs());
    return form;
}

void BM_AnalyseLiveStateWithCaptions(benchmark::State& state) {
    ui::Main& form = PrepareWindow();
    int speed = 20;
    for (auto _ : state) {
        // A slider being dragged: the speed changes on every move.
        speed = speed == 40 ? 20 : speed + 1;
        form.Live_Speed->SetValue(speed);
        ui::AnalyseLiveStateAll(form);  // the live analysis with every caption it refreshes
        benchmark::DoNotOptimize(analysis::PhysicalCode().CornerDynamicLoad[0]);
    }
    ui::ResetMainWindow();
}
BENCHMARK(BM_AnalyseLiveStateWithCaptions)->Unit(benchmark::kMicrosecond);

void BM_AnalyseLiveStateModel(benchmark::State& state) {
    SampleVehicle();
    analysis::LiveStateInputs in = SampleInputs();
    for (auto _ : state) {
        in.SpeedMs = in.SpeedMs == 40 ? 20 : in.SpeedMs + 1;
        analysis::AnalyseLiveState(in);
        benchmark::DoNotOptimize(analysis::PhysicalCode().CornerDynamicLoad[0]);
    }
}
BENCHMARK(BM_AnalyseLiveStateModel)->Unit(benchmark::kMicrosecond);

// Coasting with the throttle closed and half the engine braking eased: the throttle is searched
// for in every pass, at the engine speed of that pass.
void BM_AnalyseLiveStateEasedEngineBraking(benchmark::State& state) {
    SampleVehicle();
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction = 0.5f;
    analysis::LiveStateInputs in = SampleInputs();
    in.ThrottlePercent = 0;
    for (auto _ : state) {
        in.SpeedMs = in.SpeedMs == 40 ? 20 : in.SpeedMs + 1;
        analysis::AnalyseLiveState(in);
        benchmark::DoNotOptimize(analysis::LiveStateCode().LiveEngine.Torque);
    }
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction = 0.0f;
}
BENCHMARK(BM_AnalyseLiveStateEasedEngineBraking)->Unit(benchmark::kMicrosecond);

void BM_LiveCaptionTexts(benchmark::State& state) {
    SampleVehicle();
    analysis::AnalyseLiveState(SampleInputs());
    std::vector<core::Caption> captions;
    for (auto _ : state) {
        analysis::LiveAnalysisCaptions({50, 0}, captions);
        benchmark::DoNotOptimize(captions.data());
    }
}
BENCHMARK(BM_LiveCaptionTexts)->Unit(benchmark::kMicrosecond);

void BM_PhysicalCaptionTexts(benchmark::State& state) {
    SampleVehicle();
    std::vector<core::Caption> captions;
    for (auto _ : state) {
        analysis::PhysicalAnalysisCaptions({0, 0, 50}, captions);
        benchmark::DoNotOptimize(captions.data());
    }
}
BENCHMARK(BM_PhysicalCaptionTexts)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
