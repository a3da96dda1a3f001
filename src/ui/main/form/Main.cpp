// The main window's own handlers: page selection, the three tab strips, the link from
// settings tabs to analysis tabs, the low-resolution area moves and the springs-page scrolling.
// Navigation only changes which page is in front and where the areas sit; it never
// recalculates or redraws anything.
#include "ui/main/form/Main.hpp"

#include <cstdlib>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"

namespace ui {

Main::Main() : platform::Form("Main") {
    SetCaption(std::string(core::kProgramName) + core::kProgramVersion);
    BuildMenus();
    BuildAreas();
    InstallNavigationHandlers();
    // Before any other handler is attached (ui/main/MainWindow.hpp attaches them), so filling
    // the selectors runs none.
    ApplySelectorFills();
    core::GlobalChassisLab().MainForm = this;
}

Main::~Main() {
    if (core::GlobalChassisLab().MainForm == this) core::GlobalChassisLab().MainForm = nullptr;
}

void Main::InstallNavigationHandlers() {
    Main_SelectPage->Click = [this] { Main_SelectPage_Click(); };
    VehData_SelectPage->Click = [this] { VehData_SelectPage_Click(); };
    Settings_SelectPage->Click = [this] { Settings_SelectPage_Click(); };
    Analysis_SelectPage->Click = [this] { Analysis_SelectPage_Click(); };
    OptionsTabLinking->Click = [this] { OptionsTabLinking_Click(); };
    MoveSettingsArea.ForEach(
        [this](int i, platform::CommandButton& b) { b.Click = [this, i] { MoveSettingsArea_Click(i); }; });
    MoveAnalysisArea.ForEach(
        [this](int i, platform::CommandButton& b) { b.Click = [this, i] { MoveAnalysisArea_Click(i); }; });
    Analysis_SuspVScroll->Change = [this] { Analysis_SuspVScroll_Change(); };
    Analysis_SuspVScroll->Scroll = [this] { Analysis_SuspVScroll_Scroll(); };
}

void Main::ApplySelectorFills() {
    for (const core::SelectorFill& fill : core::TextTable().SelectorFills) {
        // "Name" or "Name(index)"
        std::string name = fill.Control;
        int index = -1;
        const auto open = name.find('(');
        if (open != std::string::npos) {
            index = std::atoi(name.c_str() + open + 1);
            name.resize(open);
        }
        platform::Control* c = Find(name, index);
        if (c == nullptr || c->Kind() != platform::ControlKind::ComboBox) continue;
        auto& combo = static_cast<platform::ComboBox&>(*c);
        combo.Clear();
        for (const std::string& item : fill.Items) combo.AddItem(item);
        if (fill.FirstChoice >= 0 && fill.FirstChoice < combo.ListCount())
            combo.SetListIndex(fill.FirstChoice);
    }
}

void Main::Main_SelectPage_Click() {
    const std::string& text = Main_SelectPage->Text();
    const auto& names = core::TextTable().PageNames;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        // The first exact match wins; an empty name (texts not yet set) matches nothing.
        if (!names[i].empty() && text == names[i]) {
            SubSection(i).BringToFront();
            return;
        }
    }
}

namespace {
// Brings page (tab - 1) of a page array to the front when the strip has a tab selected.
void ShowTabPage(const platform::TabStrip& strip, const platform::ControlArray<platform::Frame>& pages) {
    const int page = strip.SelectedTab() - 1;
    if (pages.Has(page)) pages(page).BringToFront();
}
}  // namespace

void Main::VehData_SelectPage_Click() { ShowTabPage(*VehData_SelectPage, DataPage); }

int Main::LinkedAnalysisTab(int settingsTab) {
    switch (settingsTab) {
        case 1: return 2;  // Brakes/TC -> Deceleration
        case 2: return 3;  // Suspension -> Springs
        case 3: return 5;  // Steering -> Steering
        case 4: return 6;  // Gearing -> Drive-train
        case 5: return 7;  // Tyres -> Tyres
        case 6: {
            // Downforce/Misc -> Aerodynamics when the vehicle has a wing, else Physical.
            const auto& aero = core::GlobalChassisLab().CurrentVehicle.AeroElements;
            // Summed in 64 bits: two device numbers of any size cannot cancel by overflow.
            const int64_t wings = int64_t{aero[2].DeviceType} + int64_t{aero[3].DeviceType};
            return wings != 0 ? 8 : 1;
        }
        default: return 0;
    }
}

void Main::Settings_SelectPage_Click() {
    ShowTabPage(*Settings_SelectPage, SettingsPage);
    if (!TabLinking) return;
    const int tab = LinkedAnalysisTab(Settings_SelectPage->SelectedTab());
    // Selecting the tab raises its Click, which shows the page as a user's click does.
    if (tab > 0) Analysis_SelectPage->SelectTab(tab);
}

void Main::Analysis_SelectPage_Click() { ShowTabPage(*Analysis_SelectPage, AnalysisPage); }

void Main::OptionsTabLinking_Click() {
    const bool link = !OptionsTabLinking->Checked();
    OptionsTabLinking->SetChecked(link);
    TabLinking = link;
}

void Main::MoveSettingsArea_Click(int index) {
    // The step is read at each press: a changed option applies to the next move.
    const int step = core::OptionsSettings().AreaOffsetX;
    auto& area = MainSection(1);
    if (index == 0) {
        area.SetLeft(area.Left() - step);
        MoveSettingsArea(0).SetVisible(false);
        MoveSettingsArea(1).SetVisible(true);
    } else if (index == 1) {
        area.SetLeft(area.Left() + step);
        MoveSettingsArea(0).SetVisible(true);
        MoveSettingsArea(1).SetVisible(false);
    }
}

void Main::MoveAnalysisArea_Click(int index) {
    const int stepX = core::OptionsSettings().AreaOffsetX;
    const int stepY = core::OptionsSettings().AreaOffsetY;
    auto& area = MainSection(2);
    switch (index) {
        case 0:
            area.SetLeft(area.Left() - stepX);
            MoveAnalysisArea(0).SetVisible(false);
            MoveAnalysisArea(1).SetVisible(true);
            break;
        case 1:
            area.SetLeft(area.Left() + stepX);
            MoveAnalysisArea(0).SetVisible(true);
            MoveAnalysisArea(1).SetVisible(false);
            break;
        case 2:
            area.SetTop(area.Top() - stepY);
            MoveAnalysisArea(2).SetVisible(false);
            MoveAnalysisArea(3).SetVisible(true);
            break;
        case 3:
            area.SetTop(area.Top() + stepY);
            MoveAnalysisArea(2).SetVisible(true);
            MoveAnalysisArea(3).SetVisible(false);
            break;
        default: break;
    }
}

void Main::Analysis_SuspVScroll_Change() { Analysis_SuspVScroll_Scroll(); }

void Main::Analysis_SuspVScroll_Scroll() {
    const int v = Analysis_SuspVScroll->Value();
    for (const ScrollBase& b : kSpringsScrollBase) {
        platform::Control& c = b.isChart ? static_cast<platform::Control&>(Analysis_SuspChart(b.index))
                                         : static_cast<platform::Control&>(Analysis_SuspFrame(b.index));
        c.SetTop(b.top - v);
    }
}

}  // namespace ui
