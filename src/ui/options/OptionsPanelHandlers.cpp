// The options window frame's handlers: its load, the tab strip, the two file buttons and the
// preset buttons.
#include "core/GlobalChassisLab.hpp"
#include "files/OptionsFile.hpp"
#include "ui/options/OptionsFileLoad.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/OptionsPanelFill.hpp"
#include "ui/options/UnitPresets.hpp"

namespace ui {

void OptionsPanel::InstallHandlers() {
    Load = [this] { OptionsPanel_Form_Load(); };
    Select_Options->Click = [this] { Select_Options_Click(); };
    SetUnits.ForEach([this](int i, CommandButton& b) { b.Click = [this, i] { SetUnits_Click(i); }; });
    OptionsLoad->Click = [this] { OptionsLoad_Click(); };
    OptionsSave->Click = [this] { OptionsSave_Click(); };
    InstallUnitsHandlers();
    InstallGraphsHandlers();
    InstallMiscHandlers();
}

void OptionsPanel::OptionsPanel_Form_Load() {
    // An instance the start-up has filled already had its load; a window opened anew after it
    // was closed fills its lists and shows the stored options.
    if (ContentsLoaded) return;
    const auto& g = core::GlobalChassisLab();
    if (core::FromVbBool(g.FormLoading) || core::FromVbBool(g.OptionsPanelFilling)) return;
    FillUnitCombos();
    ShowOptionsSettings();
}

void OptionsPanel::Select_Options_Click() {
    const int page = Select_Options->SelectedTab() - 1;
    if (OptionsPage.Has(page)) OptionsPage(page).BringToFront();
}

void OptionsPanel::SetUnits_Click(int index) { ApplyUnitPreset(static_cast<int16_t>(index)); }

void OptionsPanel::OptionsLoad_Click() { LoadOptionsFile(files::OptionsLoadOccasion::Request); }

void OptionsPanel::OptionsSave_Click() { files::SaveOptionsFile(); }

}  // namespace ui
