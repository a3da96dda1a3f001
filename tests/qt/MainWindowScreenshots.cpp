// Renders the main window offscreen as a user first sees it, with the shipped sample cars loaded
// by the start-up, and writes the pictures in test-screenshots/ (main_loaded_*.png) for a
// person to look at: every settings tab with the analysis tab it links to, the acceleration
// tab, the vehicle data tabs and the live page.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "core/TextTable.hpp"
#include "qt/RenderToPng.hpp"
#include "support/StartedProgram.hpp"

namespace {

class LoadedMainWindowScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }
    // Writes the window's picture as main_loaded_<name>.png; it has the window's full size.
    static void Shot(ui::Main& w, const std::string& name) {
        const std::string path = qttest::ScreenshotPath("main_loaded_" + name + ".png");
        ASSERT_TRUE(qtfront::RenderFormToPng(w, path)) << path;
        const QSize size = QImage(QString::fromStdString(path)).size();
        EXPECT_GE(size.width(), 1280) << name;
        EXPECT_GE(size.height(), 800) << name;
    }
};

TEST_F(LoadedMainWindowScreenshots, EverySettingsTabAfterStartUp) {
    ui::Main& w = Start();
    ASSERT_GT(core::GlobalChassisLab().VehicleCount, 0);
    w.Main_SelectPage->SetText("Vehicle Settings");
    for (int t = 1; t <= 6; ++t) {
        w.Settings_SelectPage->UserSelect(t);
        Shot(w, "settings" + std::to_string(t));
    }
    w.Analysis_SelectPage->UserSelect(9);  // Acceleration
    Shot(w, "acceleration");
    w.Main_SelectPage->SetText("Vehicle Data");
    for (int t = 1; t <= 4; ++t) {
        w.VehData_SelectPage->UserSelect(t);
        Shot(w, "data" + std::to_string(t));
    }
    w.Main_SelectPage->SetText("Live Settings");
    Shot(w, "live");
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
}

}  // namespace
