// The vehicle editor's benchmarks, shared by the program that measures text with the test
// doubles' fonts (vehicle_editor.cpp) and the one that measures it with Qt's
// (qt_vehicle_editor.cpp); each program defines InstallEditorBenchServices.
//
// Opening the vehicle editor on a shipped sample car ("Edit existing vehicle"), as a person
// does: the page switched into the editor, every box filled with the car's figures in the
// chosen units (the shortest text that reads back to each figure, or the nearest that fits
// the box), the whole record judged and the engine preview drawn. The editor is cancelled
// again outside the timing. And a keystroke in the open editor: the record judged again, the
// boxes coloured and the engine preview redrawn; with figures the engine cannot give, also
// the refusal worded and wrapped above the curve.
//
// Run: build/bench_vehicle_editor --benchmark_repetitions=10 --benchmark_report_aggregates_only
// (build/bench_qt_vehicle_editor likewise).
// Instructions of each fill or keystroke alone, one callgrind dump per call:
//   valgrind --tool=callgrind --toggle-collect=F --dump-after=F build/bench_vehicle_editor
//       --benchmark_filter='BM_KeystrokeInEditor/0/0$' --benchmark_min_time=0.3
// (or BM_RefusalKeystrokeInEditor)
// with F 'ui::FillVehicleEditor(ui::Main&)' or
// '(anonymous namespace)::TypeKey(platform::TextBox&, int)'.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.hpp"
#include "core/OptionsSettings.hpp"

// What the program installs once the started program has put in the test doubles' services.
void InstallEditorBenchServices();

namespace {

// Arguments: the sample car (0 to 2) and the unit preset (0 SI, 2 imperial).
void BM_OpenEditorOnSampleCar(benchmark::State& state) {
    bench_support::StartedProgram program;
    InstallEditorBenchServices();
    ui::Main& w = *program.main;
    core::ApplyUnitPreset(static_cast<int16_t>(state.range(1)));
    w.Main_SelectVeh->UserSelect(static_cast<int>(state.range(0)));
    w.VehData_Modification->SetVisible(true);  // the vehicle tools in place of the photo
    for (auto _ : state) {
        w.VehData_EditExisting->UserClick();
        if (!w.VehData_UpdateVeh->Enabled()) state.SkipWithError("the editor did not open");
        benchmark::DoNotOptimize(w.VehData_NewLimitRPM->Text().data());
        state.PauseTiming();
        w.VehData_Cancel->UserClick();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditorOnSampleCar)
    ->ArgsProduct({{0, 1, 2}, {0, 2}})
    ->Unit(benchmark::kMicrosecond);

// One key typed at the end of the box's text; kept out of line so that callgrind can count
// its instructions alone.
[[gnu::noinline]] void TypeKey(platform::TextBox& box, int key) {
    box.SetSelStart(static_cast<int>(box.Text().size()));
    box.UserKey(key);
}

// The editor opened on the sample car (argument 0) in the unit preset (argument 1).
ui::Main& OpenEditor(bench_support::StartedProgram& program, const benchmark::State& state) {
    ui::Main& w = *program.main;
    core::ApplyUnitPreset(static_cast<int16_t>(state.range(1)));
    w.Main_SelectVeh->UserSelect(static_cast<int>(state.range(0)));
    w.VehData_Modification->SetVisible(true);
    w.VehData_EditExisting->UserClick();
    return w;
}

// Whether the engine preview prints a refusal: red text at the top of the plot, above the
// scanned peaks.
bool ShowsRefusal(ui::Main& w) {
    for (const platform::DrawOp& op : w.TorquePowerPlot->Surf().DisplayList())
        if (op.kind == platform::DrawOpKind::Text && op.color == platform::RGB(255, 0, 0) &&
            op.text.starts_with("Power needs more torque"))
            return true;
    return false;
}

// Arguments as above. The last figure of the body's front share deleted and typed again: two
// keystrokes. A share in per cent reads the same in every unit preset.
void BM_KeystrokeInEditor(benchmark::State& state) {
    bench_support::StartedProgram program;
    InstallEditorBenchServices();
    ui::Main& w = OpenEditor(program, state);
    platform::TextBox& box = *w.VehData_NewBodyPosY;
    const std::string shown = box.Text();
    const int last = static_cast<unsigned char>(shown.back());
    for (auto _ : state) {
        TypeKey(box, platform::kKeyBack);
        TypeKey(box, last);
    }
    if (box.Text() != shown || !w.VehData_UpdateVeh->Enabled())
        state.SkipWithError("the keystrokes did not reach the box");
    state.SetItemsProcessed(2 * state.iterations());
    w.VehData_Cancel->UserClick();
}
BENCHMARK(BM_KeystrokeInEditor)
    ->ArgsProduct({{0, 1, 2}, {0, 2}})
    ->Unit(benchmark::kMicrosecond);

// Arguments as above. A peak power far beyond what the engine's torque gives (999 kW or hp
// and ten times that) typed into the power box: each keystroke judges the record, refuses
// the figures and prints the refusal wrapped in the preview's band above the curve.
void BM_RefusalKeystrokeInEditor(benchmark::State& state) {
    bench_support::StartedProgram program;
    InstallEditorBenchServices();
    ui::Main& w = OpenEditor(program, state);
    platform::TextBox& box = *w.VehData_NewPower;
    box.SetText("9990");
    for (auto _ : state) {
        TypeKey(box, platform::kKeyBack);
        TypeKey(box, '0');
    }
    if (box.Text() != "9990" || w.VehData_UpdateVeh->Enabled() || !ShowsRefusal(w))
        state.SkipWithError("the keystrokes did not show a refusal");
    state.SetItemsProcessed(2 * state.iterations());
    w.VehData_Cancel->UserClick();
}
BENCHMARK(BM_RefusalKeystrokeInEditor)
    ->ArgsProduct({{0, 1, 2}, {0, 2}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

