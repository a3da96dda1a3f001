// Renders the main window offscreen as a user first sees it, with the shipped sample cars loaded
// by the start-up, and writes the pictures in test-screenshots/ (main_loaded_*.png) for a
// person to look at: every settings tab with the analysis tab it links to, the acceleration
// tab, the vehicle data tabs and the live page.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "vehicle/VehicleRecord.hpp"
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

// A simulator car fixes its reverse ratio: the gearing page shows the ratio as text on the
// Reverse row, in place of the hidden box and slider.
TEST_F(LoadedMainWindowScreenshots, SimulatorCarShowsItsReverseRatioOnTheReverseRow) {
    ui::Main& w = Start();
    auto& g = core::GlobalChassisLab();
    ASSERT_GE(g.VehicleCount, 2);
    vehicle::SetVehicleName(g.Vehicles[1], "XR GT");
    w.Main_SelectVeh->SetList(1, "XR GT");
    w.Main_SelectVeh->UserSelect(1);
    w.Main_SelectPage->SetText("Vehicle Settings");
    w.Settings_SelectPage->UserSelect(4);
    Shot(w, "settings4_simulator_car");
    const platform::Label& ratio = w.Set_GearingLabel(35);
    const platform::Label& reverse = w.Set_GearingLabel(7);
    ASSERT_TRUE(ratio.Visible());
    ASSERT_TRUE(reverse.Visible());
    EXPECT_EQ(ratio.Caption(), "3.578");
    EXPECT_EQ(ratio.Top(), reverse.Top());
}

}  // namespace
