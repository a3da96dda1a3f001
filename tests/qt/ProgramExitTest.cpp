// File > Exit Program through the real event loop, run as main() runs it: the loop must end,
// and quickly, whatever windows the person has had open, hidden ones included.
#include <gtest/gtest.h>

#include <QElapsedTimer>
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

}  // namespace
