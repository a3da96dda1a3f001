// File > Exit Program through the real event loop, run as main() runs it: the loop must end by
// itself, whatever windows the person has had open, hidden ones included, and without waiting
// for a web site that keeps an update check's request; then the process ends at once, whatever
// the toolkit would still wait for. How fast exit is belongs to the benchmarks
// (bench/qt_graph_windows.cpp).
#include <gtest/gtest.h>

#include <QApplication>
#include <QSemaphore>
#include <QThreadPool>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "LoopbackServer.hpp"
#include "QtStartedProgram.hpp"
#include "qt/QtDesktop.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"

namespace {

class ProgramExitTest : public qttest::ShippedProgram {
protected:
    void TearDown() override {
        ui::ResetGearingAutoSpacer();
        ui::WebLinks().WebSite = savedSite;
        ui::UpdateCheck() = {};
        ShippedProgram::TearDown();
    }
    qttest::AppReady ready;
    qttest::LoopbackServer server{{{"silent", {0, ""}}}};  // holds the request till the end
    std::string savedSite = ui::WebLinks().WebSite;
};

// After an export, with a tool closed by its own button (which only hides it), graph windows,
// tools, readers and the options window open, and an update check whose site holds its request
// for longer than the watchdog.
TEST_F(ProgramExitTest, ExitEndsTheLoopWhateverIsOpenOrAwaited) {
    ASSERT_TRUE(server.Listening());
    const std::string csv = (root / "acceleration.csv").string();
    QTimer watchdog;  // ends a loop that the program failed to end
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::quit(); });
    qtfront::RunDesktop([&] {
        ui::Main& w = Start();
        QTimer::singleShot(0, [&] {
            platform::FileDialogDouble().QueueSavePath(csv);
            w.ExportAccelerationData->UserClick();
            w.Analysis_GearingAutoSpace->UserClick();
            ui::PeekGearingAutoSpacer()->Close->UserClick();
            for (platform::MenuItem* entry :
                 {w.ToolsLargeGraph, w.ToolsLargeGraph, w.ToolsRealtimeAcc, w.ToolsMechCalcs,
                  w.ToolsUnitConverter, w.ToolsBinaryReader, w.ToolsSetupReader,
                  w.OptionsPreferences})
                entry->UserClick();
            watchdog.start(qttest::kHangWatchdogMs);
            platform::Services().http = std::make_shared<qtfront::QtHttpService>();
            ui::WebLinks().WebSite = server.Site("silent");
            ui::UpdateCheck().TimeoutMs = 2 * qttest::kHangWatchdogMs;  // past the watchdog
            ui::CheckForUpdate(true);
            EXPECT_TRUE(qttest::RunEventsUntil([this] { return server.requests == 1; }));
            w.FileExit->UserClick();
        });
    });
    EXPECT_TRUE(watchdog.isActive()) << "the loop did not end by itself";
    EXPECT_TRUE(std::filesystem::exists(csv));
    EXPECT_TRUE(platform::Desktop::Instance().LoadedForms().empty());
    // The request was dropped, not left to run: the site hears its caller hang up.
    EXPECT_TRUE(qttest::RunEventsUntil([this] { return server.open == 0; }));
}

// A program that has shut down while the toolkit still has work it would wait for as its
// application object goes (a task of its thread pool, standing in for a name lookup of an
// update check, which cannot be cancelled and lasts as long as the name server takes). The
// task is held until let go, which nothing does; after 20 s at least it ends the process itself,
// with another code.
[[noreturn]] void EndWhileTheToolkitStillWorks() {
    static int argc = 1;
    static char name[] = "tests_qt";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    static QSemaphore release;
    QThreadPool::globalInstance()->start([] {
        if (!release.tryAcquire(1, qttest::kHangWatchdogMs)) std::_Exit(9);  // still waited for
    });
    const int code = qtfront::EndProcess(std::move(app), 7);
    std::exit(code == 7 ? 0 : 1);  // returned: it waited for the toolkit
}

// The process ends as soon as the program has shut down, with its exit code, while the task is
// still held. Run in a process of its own, which the end ends.
TEST(ProcessEndTest, EndsAtOnceWhateverTheToolkitWouldStillWaitFor) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EndWhileTheToolkitStillWorks(), ::testing::ExitedWithCode(7), "");
}

}  // namespace
