// Main window layout: window size, menu bar, the four areas, the page frames and tab strips of
// the setting and analysis areas, and the header. The pages' contents are in the other
// MainLayout*.cpp units.
//
// The window's client area is 1280 x 800 pixels: the header across the top, the setting area
// on the left and the analysis area on the right. Pages of one area sit at the same place and
// the one in front (z-order) is the one seen.
#include "ui/main/layout/MainLayout.hpp"

namespace ui {

using namespace layout;
using platform::Align;
using platform::Orientation;

namespace {
// Areas, in pixels of the client area.
constexpr int kClientWidth = 1280;
constexpr int kClientHeight = 800;
constexpr int kHeaderHeight = 96;
constexpr int kSettingWidth = 500;
constexpr int kAnalysisLeft = 504;
constexpr int kAreaHeight = kClientHeight - kHeaderHeight;
// Page frames inside an area: below a title line and a tab strip.
constexpr int kPageTop = 48;

void Title(platform::Label& l) {
    platform::FontSpec f = l.Font();
    f.sizePt = 10.0f;
    f.bold = true;
    l.SetFont(f);
    l.SetHeight(20);
}
}  // namespace

void Main::BuildAreas() {
    SetClientSize(kClientWidth, kClientHeight);
    SetMinimumSize(800, 600);
    SetResizable(true);

    MakeFrame(*this, CTL(MainSection), 0, nullptr, 0, 0, kClientWidth, kHeaderHeight, {}, false);
    MakeFrame(*this, CTL(MainSection), 1, nullptr, 0, kHeaderHeight, kSettingWidth, kAreaHeight,
              {}, false);
    const int analysisWidth = kClientWidth - kAnalysisLeft;
    MakeFrame(*this, CTL(MainSection), 3, nullptr, kAnalysisLeft, kHeaderHeight, analysisWidth,
              kAreaHeight, {}, false);
    MakeFrame(*this, CTL(MainSection), 2, nullptr, kAnalysisLeft, kHeaderHeight, analysisWidth,
              kAreaHeight, {}, false);

    // Setting area: one frame per page name, all at one place.
    Frame* setting = &MainSection(1);
    const int pageWidth = kSettingWidth - 8;
    const int pageHeight = kAreaHeight - kPageTop;
    for (int i = 0; i <= 2; ++i)
        MakeFrame(*this, CTL(SubSection), i, setting, 0, 0, kSettingWidth, kAreaHeight, {}, false);

    Title(MakeLabel(*this, CTL(MainLabel), 0, &SubSection(0), 6, 2, 300, "Vehicle Data"));
    Make(*this, CTL(VehData_SelectPage), &SubSection(0), 4, 22, pageWidth, 24);
    for (const char* t : {"Physical", "Drive-train", "Wheels && Tyres", "Aerodynamics"})
        VehData_SelectPage->AddTab(t);
    for (int i = 0; i <= 3; ++i)
        MakeFrame(*this, CTL(DataPage), i, &SubSection(0), 4, kPageTop, pageWidth, pageHeight, {},
                  false);

    Title(MakeLabel(*this, CTL(MainLabel), 1, &SubSection(1), 6, 2, 300, "Vehicle Settings"));
    Make(*this, CTL(Settings_SelectPage), &SubSection(1), 4, 22, pageWidth, 24);
    for (const char* t :
         {"Brakes/TC", "Suspension", "Steering", "Gearing", "Tyres", "Downforce/Misc"})
        Settings_SelectPage->AddTab(t);
    for (int i = 0; i <= 5; ++i)
        MakeFrame(*this, CTL(SettingsPage), i, &SubSection(1), 4, kPageTop, pageWidth,
                  pageHeight, {}, false);

    Title(MakeLabel(*this, CTL(LiveLabel), 0, &SubSection(2), 6, 2, 300, "Live Settings"));
    MakeFrame(*this, CTL(LiveSettings), &SubSection(2), 4, 24, pageWidth, kAreaHeight - 24, {},
              false);

    // Analysis area and the cover that hides it while the vehicle editor is open.
    Frame* analysis = &MainSection(2);
    Title(MakeLabel(*this, CTL(MainLabel), 2, analysis, 6, 2, 300, "Analysis"));
    Make(*this, CTL(Analysis_SelectPage), analysis, 4, 22, analysisWidth - 8, 24);
    for (const char* t : {"Physical", "Deceleration", "Springs", "Damping", "Steering",
                          "Drive-train", "Tyres", "Aerodynamics", "Acceleration"})
        Analysis_SelectPage->AddTab(t);
    for (int i = 0; i <= 8; ++i)
        MakeFrame(*this, CTL(AnalysisPage), i, analysis, 4, kPageTop, analysisWidth - 8,
                  kAreaHeight - kPageTop, {}, false);

    platform::Label& cover =
        MakeLabel(*this, CTL(MainLabel), 4, &MainSection(3), 0, kAreaHeight / 2 - 10,
                  analysisWidth, "Analysis not available while creating/editing a vehicle",
                  Align::Center);
    Title(cover);

    BuildHeader();
    BuildDataPages();
    BuildSettingsBrakes(&SettingsPage(0));
    BuildSettingsSuspension(&SettingsPage(1));
    BuildSettingsSteering(&SettingsPage(2));
    BuildSettingsGearing(&SettingsPage(3));
    BuildSettingsTyres(&SettingsPage(4));
    BuildSettingsMisc(&SettingsPage(5));
    BuildLiveSettings(LiveSettings);
    BuildAnalysisPhysical(&AnalysisPage(0));
    BuildAnalysisDeceleration(&AnalysisPage(1));
    BuildAnalysisSprings(&AnalysisPage(2));
    BuildAnalysisDamping(&AnalysisPage(3));
    BuildAnalysisSteering(&AnalysisPage(4));
    BuildAnalysisDrivetrain(&AnalysisPage(5));
    BuildAnalysisTyres(&AnalysisPage(6));
    BuildAnalysisAero(&AnalysisPage(7));
    BuildAnalysisAcceleration(&AnalysisPage(8));

    // Before the first choice of the user: first tab of every strip, the settings page shown.
    // (Tabs are selected before the handlers exist, so nothing runs.)
    VehData_SelectPage->SelectTab(1);
    Settings_SelectPage->SelectTab(1);
    Analysis_SelectPage->SelectTab(1);
    DataPage(0).BringToFront();
    SettingsPage(0).BringToFront();
    AnalysisPage(0).BringToFront();
    SubSection(1).BringToFront();
    MainSection(2).BringToFront();
}

void Main::BuildHeader() {
    Frame* head = &MainSection(0);
    MakeLabel(*this, CTL(MainLabel), 3, head, 8, 10, 56, "Display:");
    Make(*this, CTL(Main_SelectPage), head, 66, 7, 170, kBoxHeight);
    MakeLabel(*this, CTL(MainLabel), 5, head, 8, 40, 100, "Current vehicle");
    Make(*this, CTL(Main_SelectVeh), head, 110, 37, 260, kBoxHeight);
    MakeLabel(*this, CTL(MainLabel), 6, head, 8, 40, 100, "Vehicle name:").SetVisible(false);
    Make(*this, CTL(VehData_NewName), head, 110, 37, 260, kBoxHeight);
    VehData_NewName->SetMaxLength(32);
    VehData_NewName->SetVisible(false);
    Make(*this, CTL(VehData_PhotoToggle), head, 8, 66, 170, kButtonHeight);
    VehData_PhotoToggle->SetCaption("Toggle Vehicle Tools");

    // The photo and the vehicle tools panel share one place; one of them is shown.
    Make(*this, CTL(Info_VehPic), head, 384, 4, 168, 88);
    MakeFrame(*this, CTL(VehData_Modification), head, 384, 0, 500, 94, "Vehicle Modification");
    VehData_Modification->SetVisible(false);
    struct ButtonPlace {
        CommandButton*& member;
        const char* name;
        int left, top, width;
        const char* caption;
        bool shown;
    };
    const ButtonPlace buttons[] = {
        {CTL(VehData_CreateNew), 8, 22, 150, "Create new vehicle", true},
        {CTL(VehData_EditExisting), 164, 22, 150, "Edit existing vehicle", true},
        {CTL(VehData_AddVeh), 8, 58, 150, "Add vehicle", false},
        {CTL(VehData_UpdateVeh), 164, 58, 150, "Update vehicle", false},
        {CTL(VehData_Cancel), 320, 58, 172, "Cancel current vehicle operation", false},
    };
    for (const ButtonPlace& b : buttons) {
        Make(*this, b.member, b.name, VehData_Modification, b.left, b.top, b.width, 28);
        b.member->SetCaption(b.caption);
        b.member->SetVisible(b.shown);
    }

    MakeFrame(*this, CTL(TestControls), head, 892, 0, 384, 94, "Low-Res Compatability Controls");
    TestControls->SetVisible(false);
    const char* settingsCaptions[] = {"<-", "->"};
    for (int i = 0; i <= 1; ++i) {
        auto& b = MakeIn(*this, CTL(MoveSettingsArea), i, TestControls, 12 + 48 * i, 40, 42, 28);
        b.SetCaption(settingsCaptions[i]);
        b.SetToolTipText("Move the settings area");
        b.SetVisible(i == 0);
    }
    const char* analysisCaptions[] = {"<-", "->", "^", "v"};
    for (int i = 0; i <= 3; ++i) {
        auto& b = MakeIn(*this, CTL(MoveAnalysisArea), i, TestControls, 150 + 48 * i, 40, 42, 28);
        b.SetCaption(analysisCaptions[i]);
        b.SetToolTipText("Move the analysis area");
        b.SetVisible(i != 1 && i != 3);
    }
}

}  // namespace ui
