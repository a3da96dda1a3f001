// Renders the main window offscreen on each setting page and on two analysis tabs, and writes
// the pictures as PNG files beside the test program (main_*.png) for a person to look at.
// The assertions are only that each picture was made at the window's size; the value of the
// test is the pictures. A second set ("*_filled") has every empty label filled with a
// typical-length value, to show whether the value columns leave room for real captions.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "qt/RenderToPng.hpp"
#include "support/StartedProgram.hpp"
#include "ui/MainTestSupport.hpp"

namespace {

// Writes the window's picture as main_<name>.png beside the test program; returns its size.
QSize Shot(ui::Main& w, const std::string& name) {
    const std::string path = core::ExecutableFolder() + "main_" + name + ".png";
    EXPECT_TRUE(qtfront::RenderFormToPng(w, path)) << path;
    return QImage(QString::fromStdString(path)).size();
}

class MainWindowScreenshots : public ui_test::MainWindowTest {
protected:
    void SetUp() override {
        qttest::App();
        MainWindowTest::SetUp();
    }
    QSize Shot(const std::string& name) { return ::Shot(*w, name); }

    void FillEmptyLabels() {
        for (const auto& c : w->AllControls()) {
            if (c->Kind() != platform::ControlKind::Label) continue;
            auto& l = static_cast<platform::Label&>(*c);
            if (l.Caption().empty()) l.SetCaption("1234.56 Nm");
        }
    }

    void ShootAll(const std::string& suffix) {
        const char* pages[] = {"Vehicle Data", "Vehicle Settings", "Live Settings"};
        const char* names[] = {"data", "settings", "live"};
        for (int p = 0; p < 3; ++p) {
            w->Main_SelectPage->SetText(pages[p]);
            const QSize s = Shot(std::string(names[p]) + suffix);
            EXPECT_GE(s.width(), 1280);
            EXPECT_GE(s.height(), 800);
        }
        // Two analysis tabs (tab linking off so the settings tab does not choose them).
        w->OptionsTabLinking->UserClick();
        w->Analysis_SelectPage->UserSelect(3);  // Springs
        Shot("springs" + suffix);
        w->Analysis_SelectPage->UserSelect(9);  // Acceleration
        Shot("acceleration" + suffix);
        w->OptionsTabLinking->UserClick();
    }
};

TEST_F(MainWindowScreenshots, PagesAndTabsRenderAtFullSize) { ShootAll(""); }

TEST_F(MainWindowScreenshots, PagesAndTabsWithValuesFilledIn) {
    FillEmptyLabels();
    ShootAll("_filled");
}

// Every tab of every strip, filled, for a full review of the layout (main_tab_*.png); the
// vehicle data tabs also as the editor shows them, inputs and unit labels in place of values.
TEST_F(MainWindowScreenshots, EveryTabFilled) {
    FillEmptyLabels();
    w->OptionsTabLinking->UserClick();
    w->Main_SelectPage->SetText("Vehicle Settings");
    for (int t = 1; t <= 6; ++t) {
        w->Settings_SelectPage->UserSelect(t);
        w->Analysis_SelectPage->UserSelect(t);
        Shot("tab_settings" + std::to_string(t) + "_analysis" + std::to_string(t));
    }
    w->Main_SelectPage->SetText("Vehicle Data");
    for (int t = 1; t <= 4; ++t) {
        w->VehData_SelectPage->UserSelect(t);
        w->Analysis_SelectPage->UserSelect(t + 5 <= 9 ? t + 5 : 9);
        Shot("tab_data" + std::to_string(t));
    }
    // Editor look: inputs shown, value labels (DataLabel 35-50, 135-154, 235-257, 335-349)
    // hidden, unit labels shown.
    for (const auto& c : w->AllControls()) {
        const bool onData = c->Name().rfind("VehData_New", 0) == 0 || c->Name() == "VehData_PassPosX" ||
                            c->Name() == "VehData_PassPosY" || c->Name() == "VehData_PassPosZ" ||
                            c->Name() == "VehData_MaxPass" || c->Name() == "VehData_DynoThrottle";
        if (onData && c->Name() != "VehData_NewName") c->SetVisible(true);
        if (c->Name() == "DataLabel") {
            const int i = c->Index() % 100;
            if (i >= 35 && i <= 57) c->SetVisible(false);
            if (i >= 70) c->SetVisible(true);
        }
    }
    w->VehData_NewName->SetVisible(true);
    w->MainLabel(6).SetVisible(true);
    w->MainLabel(5).SetVisible(false);
    w->Main_SelectVeh->SetVisible(false);
    w->MainSection(3).BringToFront();
    for (int t = 1; t <= 4; ++t) {
        w->VehData_SelectPage->UserSelect(t);
        Shot("tab_data" + std::to_string(t) + "_edit");
    }
}

// ---- The window as a user first sees it: the shipped sample cars loaded by the start-up ----

class LoadedMainWindowScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }
    void Shot(ui::Main& w, const std::string& name) { ::Shot(w, "loaded_" + name); }
};

// main_loaded_settings<t>.png: every settings tab with the analysis tab it links to;
// main_loaded_data<t>.png and main_loaded_live.png: the vehicle data tabs and the live page.
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
