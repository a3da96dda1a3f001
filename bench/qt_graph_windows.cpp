// Eight graph windows open on the heaviest graphs (the acceleration run at 1/2000 s, the
// suspension responses, the aerodynamic charts, the pitch and roll diagrams) beside the main
// window, all through the Qt front end (offscreen):
// - one step of the front spring stiffness slider: the live analysis, its captions, the main
//   window's charts, every graph window that shows one of the recomputed graphs, and the paint
//   of everything that changed. Target: median under 16 ms. "AllEight" also redraws the two
//   acceleration windows, which a slider move leaves as they are: the worst case.
// - resizing a graph window that shows the acceleration forces of the 1/2000 s run: its
//   layout and redraw (model), and with the window's own resize and paint. Target: under 5 ms.
//
// A run graph works out the range of each series it draws once per run (the run table's memo,
// core/ColumnRanges.hpp), not at each redraw. Resizes of the model, counted by
//   valgrind --tool=callgrind --cache-sim=yes --toggle-collect='platform::Form::UserResize*'
//     build/bench_qt_graph_windows --benchmark_filter=BM_GraphWindowResizeModel
//     --benchmark_min_time=0.01
// with the series walked at every draw: 11.57 M instructions, 108.3 k L1 data read misses;
// with the ranges remembered: 10.64 M and 72.2 k (-8.1 %, -33 %) for the same resizes.
//
// The whole program on the Qt front end, started on the sample cars:
// - opening every window the program has (each tool, reader and graph window);
// - File > Exit, the main window alone on screen (0) or with every window open (1);
// - File > Save As of the current setup over one of three files in turn (the File menu
//   opened first, the save dialog and the overwrite question answered by the test doubles),
//   with no other recent file (0) or with five recent names of 240 to 255 bytes below (1):
//   every change of an entry's check mark, state or caption brings the window's menus in step;
// - a message naming one (1) or twenty (20) files of 256-byte names without a blank, shown,
//   painted and closed: such a name is given places where a line may end.
//
// Run: build/bench_qt_graph_windows --benchmark_repetitions=10 --benchmark_report_aggregates_only
// Instructions of each of these actions alone:
//   valgrind --tool=callgrind --toggle-collect='*Measured*' build/bench_qt_graph_windows
//       --benchmark_filter=BM_SaveAsFromTheMenu/1 --benchmark_min_time=0.01
// and callgrind_annotate's inclusive count of the Measured... function over its calls
// (--benchmark_min_time=2 for a few calls of the lighter ones).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.hpp"
#include "QtBenchMain.hpp"
#include "analysis/AccelerationCode.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "qt/QtDesktop.hpp"
#include "files/ListFiles.hpp"
#include "platform/ServiceDoubles.hpp"
#include "qt/SurfacePainter.hpp"
#include "support/TemporaryFolder.hpp"
#include "ui/ProgramState.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/startup/MainStartUp.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/ExportProgress.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/LanguageSelection.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "ui/tools/UnitConv.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"

namespace {

constexpr int kGraphs[8] = {35, 39, 17, 19, 31, 29, 16, 15};

ui::ResizeableGraphWindow& Window(int slot) {
    return *ui::ResizeableGraphWindows().Windows.Peek(static_cast<std::size_t>(slot));
}

// The program started on a copy of the shipped program folder (its first sample car), the
// suspension page on show, a 1/2000 s acceleration run, and eight graph windows on their
// graphs.
ui::Main& PrepareEightWindows() {
    platform::InstallServiceDoubles();
    ui::ResetProgramState();
    static const std::string folder = [] {
        const std::string root = testsupport::MakeTemporaryFolder("chassislab-bench").string();
        if (root.empty()) std::abort();
        std::filesystem::copy(CHASSISLAB_DATA_DIR, root, std::filesystem::copy_options::recursive);
        return root + "/";
    }();
    ui::MainStartUp().ProgramFolder = folder;
    ui::Main& form = ui::MainWindow();
    form.Show();  // its load event runs the start-up
    form.Main_SelectPage->SetText("Vehicle Settings");
    form.Analysis_SelectPage->UserSelect(3);  // Springs
    form.Analysis_AccPrecision->SetListIndex(2);  // 1/2000 s
    ui::RunAccelerationAnalysisAll(form);
    for (int i = 0; i < 8; ++i) {
        charts::OpenGraphWindow();
        charts::GraphGroup group;
        charts::GroupOfGraph(kGraphs[i], group);
        Window(i).GraphMenuItem_Click(group, kGraphs[i] - charts::GroupRange(group).FirstId);
    }
    return form;
}

void Close(ui::Main& form) {
    form.Unload();  // closes the graph windows with it
    QCoreApplication::processEvents();
    ui::ResetGraphWindows();
    ui::ResetMainWindow();
}

void SliderMove(benchmark::State& state, bool allEight) {
    qtfront::QtDesktop desktop;
    ui::Main& form = PrepareEightWindows();
    QCoreApplication::processEvents();
    int step = 0;
    uint64_t redrawn = 0;
    for (auto _ : state) {
        uint64_t before = 0;
        for (int i = 0; i < 8; ++i) before += Window(i).LargeGraph().Surf().Revision();
        bench_support::MoveSpringSlider(form, step);
        if (allEight) charts::RefreshGraphWindows(charts::GraphGroup::Acceleration);
        QCoreApplication::processEvents();
        for (int i = 0; i < 8; ++i) redrawn += Window(i).LargeGraph().Surf().Revision();
        redrawn -= before;
    }
    state.counters["window_redraws_per_move"] =
        static_cast<double>(redrawn) / static_cast<double>(state.iterations());
    state.counters["acc_steps"] = analysis::AccelerationCode().AccLastStep + 1;
    Close(form);
}

void BM_SpringSliderMoveEightGraphWindows(benchmark::State& state) { SliderMove(state, false); }
BENCHMARK(BM_SpringSliderMoveEightGraphWindows)->Unit(benchmark::kMillisecond);

void BM_SpringSliderMoveAllEightRedrawn(benchmark::State& state) { SliderMove(state, true); }
BENCHMARK(BM_SpringSliderMoveAllEightRedrawn)->Unit(benchmark::kMillisecond);

// The same slider move without the front end: analyses, captions and drawing only.
void BM_SpringSliderMoveEightGraphWindowsModel(benchmark::State& state) {
    ui::Main& form = PrepareEightWindows();
    int step = 0;
    for (auto _ : state) bench_support::MoveSpringSlider(form, step);
    Close(form);
}
BENCHMARK(BM_SpringSliderMoveEightGraphWindowsModel)->Unit(benchmark::kMillisecond);

void BM_GraphWindowResizeModel(benchmark::State& state) {
    ui::Main& form = PrepareEightWindows();
    ui::ResizeableGraphWindow& w = Window(0);  // acceleration forces, 1/2000 s
    const int margin = w.Height() - w.ClientHeight();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        const int width = wide ? 1200 : 800, height = wide ? 800 : 600;
        w.UserResize(width, height, width, height - margin);
    }
    state.counters["ops"] = static_cast<double>(w.LargeGraph().Surf().DisplayList().size());
    state.counters["acc_steps"] = analysis::AccelerationCode().AccLastStep + 1;
    Close(form);
}
BENCHMARK(BM_GraphWindowResizeModel)->Unit(benchmark::kMillisecond);

[[gnu::noinline]] void MeasuredResize(qtfront::FormView& view, bool wide) {
    view.resize(wide ? 1200 : 800, wide ? 800 : 600);  // the person drags the corner
    QCoreApplication::processEvents();
}

void BM_GraphWindowResizeWithQtPaint(benchmark::State& state) {
    qtfront::QtDesktop desktop;
    ui::Main& form = PrepareEightWindows();
    QCoreApplication::processEvents();
    qtfront::FormView* view = desktop.ViewFor(Window(0));
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        MeasuredResize(*view, wide);
    }
    Close(form);
}
BENCHMARK(BM_GraphWindowResizeWithQtPaint)->Unit(benchmark::kMillisecond);

// The acceleration forces of the 1/2000 s run, painted into an image at 1200 x 800 pixels:
// the paint alone of a resized window.
void BM_GraphWindowPaintOnly(benchmark::State& state) {
    ui::Main& form = PrepareEightWindows();
    ui::ResizeableGraphWindow& w = Window(0);
    w.UserResize(1200, 800, 1200, 800 - (w.Height() - w.ClientHeight()));
    for (auto _ : state) {
        const QImage image = qtfront::RenderSurface(w.LargeGraph().Surf());
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["ops"] = static_cast<double>(w.LargeGraph().Surf().DisplayList().size());
    Close(form);
}
BENCHMARK(BM_GraphWindowPaintOnly)->Unit(benchmark::kMillisecond);

// The program started on a copy of the shipped program folder, its windows on the Qt desktop.
struct ProgramOnQt {
    bench_support::StartedProgram program;
    qtfront::QtDesktop desktop;
    ui::Main& main = *program.main;

    ProgramOnQt() { QCoreApplication::processEvents(); }
    ~ProgramOnQt() {
        std::vector<platform::Form*> loaded = platform::Desktop::Instance().LoadedForms();
        for (platform::Form* f : loaded) f->Unload();
        Settle();
        ui::ResetMechCalcs();
        ui::ResetUnitConv();
        ui::ResetDragRaceWindow();
        ui::ResetGearingAutoSpacer();
        ui::ResetMakeLevelRide();
        ui::ResetOptionsPanel();
        ui::ResetGraphWindows();
    }
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::Desktop::Instance().CollectUnloaded();
    }
};

[[gnu::noinline]] void MeasuredOpenEveryWindow() {
    using namespace ui;
    ShowOptionsPanel();
    charts::OpenGraphWindow();
    ShowDataOutputReader();
    ShowLFSSetupReader();
    ShowMechCalcs();
    ShowUnitConv();
    ShowDragRaceWindow();
    ShowGearingAutoSpacer();
    ShowAutoVehEditor();
    ShowTorqueDataTable();
    ShowMakeLevelRide();
    ShowAbout();
    ShowLanguageSelection();
    ExportProgressLinks().Show();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void BM_OpenEveryWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        {
            ProgramOnQt program;
            state.ResumeTiming();
            MeasuredOpenEveryWindow();
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEveryWindow)->Unit(benchmark::kMillisecond);

[[gnu::noinline]] void MeasuredExit(ui::Main& main) {
    main.FileExit->UserClick();
    ProgramOnQt::Settle();
}

void BM_ExitProgram(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        {
            ProgramOnQt program;
            if (state.range(0) == 1) MeasuredOpenEveryWindow();
            state.ResumeTiming();
            MeasuredExit(program.main);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExitProgram)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

[[gnu::noinline]] void MeasuredSaveAs(ui::Main& main, const std::string& path) {
    platform::FileDialogDouble().QueueSavePath(path);
    main.FileMenu->UserClick();  // the menu opens
    main.FileSaveAs->UserClick();
    QCoreApplication::processEvents();
}

void BM_SaveAsFromTheMenu(benchmark::State& state) {
    ProgramOnQt program;
    if (state.range(0) == 1) {
        for (const int bytes : {240, 244, 248, 252, 255}) {
            const std::string name = "R" + std::to_string(bytes) +
                                     std::string(static_cast<std::size_t>(bytes - 15), 'M') +
                                     "_end" + std::to_string(bytes) + ".set";
            ui::AddRecentFile((program.program.root / "setups" / name).string());
        }
    }
    // Three setups saved in turn, each over its file: the oldest of the three goes to the top
    // of Open Recent, the other two one down, and the long names stay below them.
    std::string paths[3];
    for (int i = 0; i < 3; ++i) {
        paths[i] = (program.program.root / "setups" / ("bench" + std::to_string(i) + ".set")).string();
        MeasuredSaveAs(program.main, paths[i]);
    }
    int next = 0;
    for (auto _ : state) {
        MeasuredSaveAs(program.main, paths[next]);
        next = (next + 1) % 3;
    }
    if (files::ListFiles().RecentFiles[0].Path != paths[(next + 2) % 3])
        state.SkipWithError("the setup was not saved");
}
BENCHMARK(BM_SaveAsFromTheMenu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Closes the message box once it is on screen, painted first.
void CloseMessageWhenShown() {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return CloseMessageWhenShown();
        benchmark::DoNotOptimize(box->grab().cacheKey());
        box->done(QMessageBox::Ok);
    });
}

void ShowMessage(const platform::MessageRequest& request) {
    CloseMessageWhenShown();
    qtfront::QtMessageBoxService().Show(request);
}

[[gnu::noinline]] void MeasuredMessage(const platform::MessageRequest& request) {
    ShowMessage(request);
}

void BM_MessageWithLongNames(benchmark::State& state) {
    platform::MessageRequest request;
    request.icon = platform::MsgIcon::Exclamation;
    for (int i = 0; i < state.range(0); ++i) {
        const std::string name = "/" + std::string(251, static_cast<char>('A' + i % 26)) + ".vd3";
        request.text += "The file " + name + " cannot be loaded.\r\n";
    }
    ShowMessage(request);  // the fonts a message needs loaded once for the program
    for (auto _ : state) MeasuredMessage(request);
}
BENCHMARK(BM_MessageWithLongNames)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench_support::RunQtBenchmarks(argc, argv); }
