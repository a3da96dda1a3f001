// Renders every tool window offscreen with worked values, as tools_*.png in test-screenshots/
// for a person to look at; each picture has the window's size.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "platform/ServiceDoubles.hpp"
#include "qt/RenderToPng.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/UnitConv.hpp"

namespace {

void Shot(platform::Form& f, const std::string& name) {
    const std::string path = qttest::ScreenshotPath("tools_" + name + ".png");
    EXPECT_TRUE(qtfront::RenderFormToPng(f, path)) << path;
    const QImage image(QString::fromStdString(path));
    EXPECT_GE(image.width(), f.Width() - 2) << name;
}

class ToolWindowScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        Reset();
        platform::InstallServiceDoubles();
        core::GlobalShared() = core::GlobalSharedState{};
        core::OptionsSettings() = {};
        core::SetDefaultOptions();
        core::ApplyUnitPreset(1);  // metric
        core::InitDefaultTexts();
    }
    void TearDown() override { Reset(); }
    static void Reset() {
        ui::ResetMechCalcs();
        ui::ResetUnitConv();
        ui::ResetGearingAutoSpacer();
        ui::ResetMakeLevelRide();
    }
};

TEST_F(ToolWindowScreenshots, CalculatorsAndUnitConverter) {
    ui::ShowMechCalcs();
    auto& w = *ui::PeekMechCalcs();
    Shot(w, "mechcalcs_springs");
    w.SelectMechCalc->UserSelect(1);
    w.DiscMasterCylinders->UserSelect(1);
    Shot(w, "mechcalcs_brakes");

    ui::ShowUnitConv();
    auto& u = *ui::PeekUnitConv();
    u.DistanceInput->SetText("250");
    u.Select_DistanceUnits->UserSelect(0);
    u.MassInput->SetText("1");
    u.Select_MassUnits->UserSelect(4);
    u.PowerInput->SetText("150");
    u.Select_PowerUnits->UserSelect(1);
    u.TorqueInput->SetText("100");
    u.Select_TorqueUnits->UserSelect(1);
    Shot(u, "unitconv");
}

// The two windows that act on the main window, with the shipped sample cars loaded.
class MainToolScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }
    void TearDown() override {
        ui::ResetGearingAutoSpacer();
        ui::ResetMakeLevelRide();
        ui::ResetDragRaceWindow();
        StartedProgram::TearDown();
    }
};

// The replay shows two sample cars' runs, 2 s in.
TEST_F(MainToolScreenshots, AutoSpacerLevelRideAndReplay) {
    ui::Main& main = Start();
    ui::ShowGearingAutoSpacer();
    auto& g = *ui::PeekGearingAutoSpacer();
    g.GASAdjuster->UserClickAt(25);
    Shot(g, "autospacer");
    main.Live_Speed->SetValue(30);
    ui::ShowMakeLevelRide();
    Shot(*ui::PeekMakeLevelRide(), "makelevelride");

    ui::ShowDragRaceWindow();
    auto& r = *ui::PeekDragRaceWindow();
    r.Run1Add->UserClick();
    ASSERT_GE(main.Main_SelectVeh->ListCount(), 2);
    main.Main_SelectVeh->UserSelect(1);  // selecting a car runs its acceleration
    r.Run2Add->UserClick();
    r.Go->UserClick();
    for (int i = 0; i < 41; ++i) r.PlayTimer->Tick();  // 2 s of run time at 1x
    Shot(r, "replay_midrun");
}

}  // namespace
