// The options window's frame: its single instance, the menu entry that opens it and the unit
// controls' enabled state. The frame's handlers are in OptionsPanelHandlers.cpp.
#include "ui/options/OptionsPanel.hpp"

#include <memory>

#include "core/GlobalChassisLab.hpp"
#include "ui/main/form/Main.hpp"
#include "vehicle/VehCode.hpp"

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
    SetClosesOnEscape(true);
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

OptionsPanel::Label& OptionsPanel::ScaleValueLabel(const core::GraphScaleSlider& s) const {
    return s.VerticalLabel ? Label_YUnits(s.Group) : Label_XUnits(s.Group);
}

}  // namespace ui
