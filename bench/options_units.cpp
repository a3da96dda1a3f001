// A change of unit in the options window, as a person makes it: the program started on the
// shipped sample cars (the first one prepared, both runs done), then
//  - another speed unit chosen in its selector: every speed caption, the run summaries and
//    searches and every chart that shows a speed redrawn (target: median under 5 ms);
//  - the "Imperial" preset button: 21 selections, each with its redisplay (target: under
//    30 ms).
//
// Run: build/bench_options_units --benchmark_repetitions=10 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "BenchSupport.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

// The program started on the sample cars, with the options window open.
struct StartedProgram : bench_support::StartedProgram {
    ui::OptionsPanel* panel = nullptr;

    StartedProgram() {
        panel = &ui::OptionsPanelWindow();
        panel->Show();
    }
    ~StartedProgram() { ui::ResetOptionsPanel(); }
};

void BM_SpeedUnitChange(benchmark::State& state) {
    StartedProgram program;
    platform::ComboBox& speed = program.panel->Select(core::Quantity::Speed);
    int unit = 1;  // km/h and mph in turn
    for (auto _ : state) {
        speed.UserSelect(unit);
        unit = unit == 1 ? 2 : 1;
        benchmark::DoNotOptimize(program.main->GearingSpeed(1).Caption().data());
    }
}
BENCHMARK(BM_SpeedUnitChange)->Unit(benchmark::kMillisecond);

void BM_ImperialPreset(benchmark::State& state) {
    StartedProgram program;
    for (auto _ : state) {
        state.PauseTiming();
        program.panel->SetUnits(0).UserClick();  // back to SI, untimed
        state.ResumeTiming();
        program.panel->SetUnits(2).UserClick();
        benchmark::DoNotOptimize(program.main->GearingSpeed(1).Caption().data());
    }
}
BENCHMARK(BM_ImperialPreset)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
