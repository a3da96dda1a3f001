// File > Exit Program through the real event loop, run as main() runs it: the loop must end,
// and quickly, whatever windows the person has had open, hidden ones included.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

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

    // Starts the program, lets `use` work with the main window from the event loop, then
    // chooses Exit Program. False when the loop had to be ended by the watchdog; otherwise
    // `seconds` is the time from the Exit click until the loop returned.
    bool RunThenExit(const std::function<void(ui::Main&)>& use, double& seconds) {
        QElapsedTimer sinceExit;
        bool hung = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            hung = true;
            QCoreApplication::quit();
        });
        qtfront::RunDesktop([&] {
            Start();
            QTimer::singleShot(0, [&] {
                use(ui::MainWindow());
                watchdog.start(5000);
                sinceExit.start();
                ui::MainWindow().FileExit->UserClick();
            });
        });
        seconds = static_cast<double>(sinceExit.elapsed()) / 1000.0;
        return !hung;
    }
};

TEST_F(ProgramExitTest, ExitEndsTheLoopAfterAnExportAndAHiddenTool) {
    const std::string csv = (root / "acceleration.csv").string();
    double seconds = 0;
    ASSERT_TRUE(RunThenExit(
        [&](ui::Main& w) {
            platform::FileDialogDouble().QueueSavePath(csv);
            w.ExportAccelerationData->UserClick();
            // The gear-ratio spacer's Close button only hides it.
            w.Analysis_GearingAutoSpace->UserClick();
            ASSERT_NE(ui::PeekGearingAutoSpacer(), nullptr);
            ui::PeekGearingAutoSpacer()->Close->UserClick();
        },
        seconds));
    EXPECT_TRUE(std::filesystem::exists(csv));
    EXPECT_LT(seconds, 0.5);
    EXPECT_TRUE(platform::Desktop::Instance().LoadedForms().empty());
}

TEST_F(ProgramExitTest, ExitEndsTheLoopWithGraphWindowsToolsAndReadersOpen) {
    double seconds = 0;
    ASSERT_TRUE(RunThenExit(
        [](ui::Main& w) {
            for (platform::MenuItem* entry :
                 {w.ToolsLargeGraph, w.ToolsLargeGraph, w.ToolsRealtimeAcc, w.ToolsMechCalcs,
                  w.ToolsUnitConverter, w.ToolsBinaryReader, w.ToolsSetupReader,
                  w.OptionsPreferences})
                entry->UserClick();
            EXPECT_GE(platform::Desktop::Instance().ShownForms().size(), 9u);
        },
        seconds));
    EXPECT_LT(seconds, 0.5);
    EXPECT_TRUE(platform::Desktop::Instance().LoadedForms().empty());
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
}

}  // namespace
