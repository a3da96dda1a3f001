// File > Exit Program through the real event loop, run as main() runs it: the loop must end,
// and quickly, whatever windows the person has had open, hidden ones included; then the
// process ends at once, whatever the toolkit would still wait for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>
#include <cstdlib>
#include <memory>
#include <QTimer>

#include "QtStartedProgram.hpp"
#include "qt/QtDesktop.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"

namespace {

class ProgramExitTest : public qttest::ShippedProgram {
protected:
    void TearDown() override {
        ui::ResetGearingAutoSpacer();
        ShippedProgram::TearDown();
    }
};

// After an export, with a tool closed by its own button (which only hides it) and graph
// windows, tools, readers and the options window open.
TEST_F(ProgramExitTest, ExitEndsTheLoopWithinHalfASecondWhateverIsOpen) {
    const std::string csv = (root / "acceleration.csv").string();
    QElapsedTimer sinceExit;
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
            watchdog.start(5000);
            sinceExit.start();
            w.FileExit->UserClick();
        });
    });
    EXPECT_TRUE(watchdog.isActive()) << "the loop did not end by itself";
    EXPECT_LT(sinceExit.elapsed(), 500);
    EXPECT_TRUE(std::filesystem::exists(csv));
    EXPECT_TRUE(platform::Desktop::Instance().LoadedForms().empty());
}

// A program that has shut down while the toolkit still has work it would wait for as its
// application object goes (a task of its thread pool, standing in for a name lookup of an
// update check, which cannot be cancelled and lasts as long as the name server takes).
[[noreturn]] void EndWhileTheToolkitStillWorks() {
    static int argc = 1;
    static char name[] = "tests_qt";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    QThreadPool::globalInstance()->start([] { QThread::sleep(4); });
    const int code = qtfront::EndProcess(std::move(app), 7);
    std::exit(code == 7 ? 0 : 1);  // returned: it waited for the toolkit
}

// The process ends as soon as the program has shut down, with its exit code. Run in a process
// of its own, which the end ends.
TEST(ProcessEndTest, EndsAtOnceWhateverTheToolkitWouldStillWaitFor) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EXIT(EndWhileTheToolkitStillWorks(), ::testing::ExitedWithCode(7), "");
    EXPECT_LT(clock.elapsed(), 3000);
}

}  // namespace
