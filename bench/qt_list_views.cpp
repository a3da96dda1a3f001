// List views through the Qt front end (offscreen), each action followed by the event loop's
// layout and paint of what changed:
// - a keystroke in an engine box of the vehicle editor while the engine's torque table is open
//   at its smallest step (5 rad/s): the editor's checks, the engine preview and the table
//   filled again, 201 rows of four columns; with argument 1, a row the person picked in the
//   middle of the table selected again. Target: well under 16 ms.
// - "Reset List" in the start-up list window (Configure Vehicle Auto-Loading) on a list of 200,
//   1,000 or 2,000 entries: the list read again and every entry shown.
//
// Run: build/bench_qt_list_views --benchmark_repetitions=10 --benchmark_report_aggregates_only
// Instructions of each keystroke or Reset List alone:
//   valgrind --tool=callgrind --toggle-collect='*TypeLastDigit*' build/bench_qt_list_views
//       --benchmark_filter=BM_EngineKeystroke.*/0 --benchmark_min_time=0.01
// (or '*::ResetList(*' with --benchmark_filter=BM_StartUpListWindowResetList/2000): one call
// each. With the whole list copied into the window at each row and cell: 1,028 M and 12,000 M
// instructions; with each change copied alone: 8.2 M and 15.7 M. The picked row selected
// again adds 0.3 M (its selection copied into the widget) to a keystroke; with it the widget
// is painted at each keystroke, where without it a paint may wait for the next one, so count
// over several keystrokes (--benchmark_min_time=0.5) to compare the two.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "BenchSupport.hpp"
#include "QtBenchMain.hpp"
#include "core/OptionsSettings.hpp"
#include "files/ListFiles.hpp"
#include "files/SafeFileWrite.hpp"
#include "qt/QtDesktop.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace {

// Replaces the box's whole text by typing it, a character at a time.
void Type(platform::TextBox& box, const std::string& text) {
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    box.UserType(text);
}

// One key typed over the last character of the box's text.
[[gnu::noinline]] void TypeLastDigit(platform::TextBox& box, char digit) {
    box.SetSelStart(static_cast<int>(box.Text().size()) - 1);
    box.SetSelLength(1);
    box.UserKey(digit);
    QCoreApplication::processEvents();
}

// The editor open on the first sample car in SI units (engine speeds in rad/s), its engine
// given a range from idle to the limit of 1,000 rad/s and more, and the torque table open at
// the smallest step: 201 rows; state.range(0) 1: row 101 picked.
void BM_EngineKeystrokeWithTheTorqueTableFull(benchmark::State& state) {
    qtfront::QtDesktop desktop;
    bench_support::StartedProgram program;
    ui::Main& w = *program.main;
    core::ApplyUnitPreset(0);
    w.Main_SelectVeh->UserSelect(0);
    w.VehData_Modification->SetVisible(true);
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewLimitRPM, "2000");
    Type(*w.VehData_NewPowerRPM, "600");
    Type(*w.VehData_NewTorqueRPM, "300");
    Type(*w.VehData_NewTorquePeakWidth, "100");
    Type(*w.VehData_NewIdleRPM, "100");
    Type(*w.VehData_NewTorque, "250");
    w.TorquePowerPlot->UserDblClick();
    ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    if (table == nullptr) {
        state.SkipWithError("the torque table did not open");
        return;
    }
    platform::TextBox& step = *table->UnitStepText;  // emptied: the smallest step
    step.SetSelStart(0);
    step.SetSelLength(static_cast<int>(step.Text().size()));
    step.UserKey(platform::kKeyBack);
    QCoreApplication::processEvents();
    const bool picked = state.range(0) != 0;
    if (picked) table->DataTable->UserClickItem(101);
    char digit = '0';
    for (auto _ : state) {
        digit = digit == '0' ? '1' : '0';  // 250 and 251 Nm
        TypeLastDigit(*w.VehData_NewTorque, digit);
    }
    state.counters["rows"] = table->DataTable->ItemCount();
    if (table->DataTable->ItemCount() != 201) state.SkipWithError("the table is not full");
    if (picked && table->DataTable->SelectedItems() != std::vector<int>{101})
        state.SkipWithError("the picked row is not selected");
    w.VehData_Cancel->UserClick();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_EngineKeystrokeWithTheTorqueTableFull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Reset List" clicked, and the window painted.
[[gnu::noinline]] void ResetList(ui::AutoVehEditor& window) {
    window.AutoVehLoad->UserClick();
    QCoreApplication::processEvents();
}

// "Reset List" clicked in the start-up list window on a list of state.range(0) entries.
void BM_StartUpListWindowResetList(benchmark::State& state) {
    qtfront::QtDesktop desktop;
    bench_support::StartedProgram program;
    const auto entries = static_cast<int>(state.range(0));
    std::string list;
    for (int i = 0; i < entries; ++i) list += "Listed vehicle " + std::to_string(i) + "\r\n";
    files::ReplaceFileContents(core::GlobalChassisLab().AppDir + files::kAutoVehicleListFile, list);
    ui::ShowAutoVehEditor();
    ui::AutoVehEditor& window = ui::AutoVehEditorWindow();
    QCoreApplication::processEvents();
    for (auto _ : state) ResetList(window);
    if (window.VehAutoList->ItemCount() != entries) state.SkipWithError("not every entry is shown");
    window.Unload();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_StartUpListWindowResetList)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench_support::RunQtBenchmarks(argc, argv); }
