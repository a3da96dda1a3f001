// The options window's frame: its single instance, its load, the tab strip, the two file
// buttons and the preset buttons.
#include "ui/options/OptionsPanel.hpp"

#include <memory>

#include "core/GlobalChassisLab.hpp"
#include "ui/main/form/Main.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/options/OptionsPanelFill.hpp"

namespace ui {

namespace {
// Owns the one options window (module state of this unit).
struct OptionsPanelWindowState {
    platform::FormHolder<OptionsPanel> Holder;
};
OptionsPanelWindowState& OptionsPanelModule() {
    static OptionsPanelWindowState state;
    return state;
}

// The <Q> part of the quantity's control names, in core::Quantity order.
constexpr std::array<const char*, core::kQuantityCount> kQuantityNames = {
    "Speed",  "DistanceSmall", "DistanceLarge", "Area",    "Pressure", "Mass",  "Force",
    "Stiffness", "Acc",        "Power",         "Torque",  "P2W",      "Density", "ARV",
    "MOI",    "Damping",       "Rot",           "Angle",   "FuelEcon", "Volume", "Frequency",
};
}  // namespace

std::string UnitSelectorName(core::Quantity q) {
    return std::string("Select_") + kQuantityNames.at(core::QuantityIndex(q)) + "Units";
}

std::string UnitLabelName(core::Quantity q) {
    return std::string("Label_") + kQuantityNames.at(core::QuantityIndex(q)) + "Units";
}

int UnitCaptionIndex(core::Quantity q) {
    // The captions run in quantity order, except that large distance comes last.
    const int i = static_cast<int>(core::QuantityIndex(q));
    if (q == core::Quantity::DistanceLarge) return 20;
    return i < 2 ? i : i - 1;
}

OptionsPanel::OptionsPanel() : platform::Form("OptionsPanel") {
    SetCaption("User Preferences");
    BuildFrame();
    ShowDiagramSwitches();
    InstallHandlers();
    AllowUnitChanges(!core::FromVbBool(vehicle::VehCode().EditorOpen));
    core::GlobalChassisLab().OptionsPanelForm = this;
}

OptionsPanel::~OptionsPanel() {
    if (core::GlobalChassisLab().OptionsPanelForm == this)
        core::GlobalChassisLab().OptionsPanelForm = nullptr;
}

OptionsPanel& OptionsPanelWindow() {
    OptionsPanel& w = OptionsPanelModule().Holder.Get();
    core::GlobalChassisLab().OptionsPanelForm = &w;
    return w;
}

OptionsPanel* ExistingOptionsPanel() {
    OptionsPanel* w = OptionsPanelModule().Holder.Peek();
    return w != nullptr && !w->WasUnloaded() ? w : nullptr;
}

void ResetOptionsPanel() { OptionsPanelModule().Holder.Reset(); }

void ShowOptionsPanel() { OptionsPanelWindow().Show(); }

void InstallOptionsMenuEntry(Main& form) {
    form.OptionsPreferences->SetEnabled(true);
    form.OptionsPreferences->Click = [] { ShowOptionsPanel(); };
}

void AllowOptionsUnitChanges(bool allowed) {
    if (OptionsPanel* w = ExistingOptionsPanel()) w->AllowUnitChanges(allowed);
}

void OptionsPanel::AllowUnitChanges(bool allowed) {
    for (ComboBox* selector : UnitSelector) selector->SetEnabled(allowed);
    SetUnits.ForEach([allowed](int, CommandButton& b) { b.SetEnabled(allowed); });
    OptionsLoad->SetEnabled(allowed);
}

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

void OptionsPanel::OptionsLoad_Click() { LoadOptionsFile(); }

void OptionsPanel::OptionsSave_Click() { files::SaveOptionsFile(); }

OptionsPanel::Label& OptionsPanel::ScaleValueLabel(const core::GraphScaleSlider& s) const {
    return s.VerticalLabel ? Label_YUnits(s.Group) : Label_XUnits(s.Group);
}

}  // namespace ui
