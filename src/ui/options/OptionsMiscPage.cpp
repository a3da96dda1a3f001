// The misc page: each switch stores its option at once and reruns what depends on it (the
// gearing calculation, the live-state analysis or the setup page's configuration).
//
// Check boxes are read two ways: the update check, automatic recalculation, the simplified
// differentials and dampers and the low-resolution aids are on only when checked (a grey box
// is off); the rev limiter, compatibility mode and setup filter are on for any value but 0.
//
// "Unless guarded" below means: only when neither FormLoading nor OptionsPanelFilling is
// raised. The update-check, simplified-differential, simplified-damper and setup-filter boxes
// test no flag: they do their whole work also while the window is being filled.
#include <algorithm>
#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/GraphScales.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace ui {
namespace {

core::OptionsSettingsState& Options() { return core::OptionsSettings(); }

// The main window when it may recalculate now; nullptr while guarded.
Main* UnguardedMain() {
    const auto& g = core::GlobalChassisLab();
    if (core::FromVbBool(g.FormLoading) || core::FromVbBool(g.OptionsPanelFilling)) return nullptr;
    return g.MainForm;
}

void RecalculateGearing() {
    if (Main* m = UnguardedMain()) CalcGearing(*m);
}

// Replaces a box's text by `limit` when its number lies beyond it (the box's change handler
// then runs again and finds the value in range). Returns true when it replaced the text.
bool CorrectAbove(platform::TextBox& box, double limit, const char* limitText) {
    if (core::TypedVal(box.Text()) <= limit) return false;
    box.SetText(limitText);
    return true;
}
bool CorrectBelowZero(platform::TextBox& box) {
    if (core::TypedVal(box.Text()) >= 0.0) return false;
    box.SetText("0");
    return true;
}

// The fixed shift speed typed: a whole number of rpm, kept within what an engine can turn.
int32_t FixedShiftRpmOf(const platform::TextBox& box) {
    const double typed = core::TypedVal(box.Text());
    return core::CLng(std::clamp(typed, 0.0, static_cast<double>(core::kFixedShiftRpmMax)));
}

}  // namespace

void OptionsPanel::InstallMiscHandlers() {
    AutoUpdateChecking->Click = [this] { AutoUpdateChecking_Click(); };
    AutomaticUpdating->Click = [this] { AutomaticUpdating_Click(); };
    RC_Auto->Click = [this] { RC_Auto_Click(); };
    RC_Fixed->Click = [this] { RC_Fixed_Click(); };
    RC_FixedVal->Change = [this] { RC_FixedVal_Change(); };
    RevLimitEnable->Click = [this] { RevLimitEnable_Click(); };
    GearRevsTop.ForEach([this](int, OptionButton& o) { o.Click = [this] { GearRevsTop_Click(); }; });
    GearRevsTopPowerDrop->Change = [this] { GearRevsTopPowerDrop_Scroll(); };
    GearRevsTopPowerDrop->Scroll = [this] { GearRevsTopPowerDrop_Scroll(); };
    SpeedoError->Change = [this] { SpeedoError_Change(); };
    SpeedoType.ForEach([this](int, OptionButton& o) { o.Click = [this] { SpeedoType_Click(); }; });
    SimplifiedDiffsEnable->Click = [this] { SimplifiedDiffsEnable_Click(); };
    SimplifiedDampersEnable->Click = [this] { SimplifiedDampersEnable_Click(); };
    EnableLFSMode->Click = [this] { EnableLFSMode_Click(); };
    FilterSetups->Click = [this] { FilterSetups_Click(); };
    EnableTestControls->Click = [this] { EnableTestControls_Click(); };
    AreaOffset.ForEach([this](int, TextBox& t) { t.Change = [this] { AreaOffset_Change(); }; });
}

void OptionsPanel::AutoUpdateChecking_Click() {
    // Read at the next start.
    Options().AutoUpdateCheck = core::ToVbBool(AutoUpdateChecking->Value() == 1);
}

void OptionsPanel::AutomaticUpdating_Click() {
    if (AutomaticUpdating->Value() == 1) {
        Options().AutoRecalc = core::VbTrue;
        if (Main* m = UnguardedMain()) AnalyseLiveStateAll(*m);
    } else {
        Options().AutoRecalc = core::VbFalse;
    }
}

void OptionsPanel::RC_Auto_Click() {
    Options().ShiftPointAuto = core::VbTrue;
    RC_FixedVal->SetEnabled(false);
    RevLimitEnable->SetEnabled(true);
    RecalculateGearing();
}

void OptionsPanel::RC_Fixed_Click() {
    Options().ShiftPointAuto = core::VbFalse;
    RC_FixedVal->SetEnabled(true);
    RevLimitEnable->SetEnabled(false);
    Options().FixedShiftRpm = FixedShiftRpmOf(*RC_FixedVal);
    RecalculateGearing();
}

void OptionsPanel::RC_FixedVal_Change() {
    // A speed beyond the range is corrected in the box, whose change then stores it.
    if (CorrectAbove(*RC_FixedVal, core::kFixedShiftRpmMax, "100000")) return;
    if (CorrectBelowZero(*RC_FixedVal)) return;
    Options().FixedShiftRpm = FixedShiftRpmOf(*RC_FixedVal);
    RecalculateGearing();
}

void OptionsPanel::RevLimitEnable_Click() {
    Options().RevLimitEnabled = core::ToVbBool(RevLimitEnable->Value() != 0);
    RecalculateGearing();
}

void OptionsPanel::GearRevsTop_Click() {
    for (int i = 0; i <= 2; ++i) {
        if (GearRevsTop(i).Value()) Options().GearRevsTopMode = static_cast<uint8_t>(i);
    }
    GearRevsTopPowerDrop->SetEnabled(Options().GearRevsTopMode == 2);
    RecalculateGearing();
}

void OptionsPanel::GearRevsTopPowerDrop_Scroll() {
    const int32_t percent = GearRevsTopPowerDrop->Value();
    Options().PowerDropPercent = static_cast<uint8_t>(percent);
    GearingOptionsLabel(2).SetCaption(std::to_string(percent) + "%");
    RecalculateGearing();
}

void OptionsPanel::SpeedoError_Change() {
    // Each replacement raises this handler again, which then finds the value in range; the
    // outer run goes on with the replaced text.
    CorrectAbove(*SpeedoError, core::kSpeedoErrorMaxPercent, "15");
    CorrectBelowZero(*SpeedoError);
    Options().SpeedoErrorPercent = static_cast<float>(core::TypedVal(SpeedoError->Text()));
    RecalculateGearing();
}

void OptionsPanel::SpeedoType_Click() {
    const bool indicated = SpeedoType(1).Value();
    Options().SpeedoIndicated = core::ToVbBool(indicated);
    SpeedoError->SetEnabled(indicated);
    RecalculateGearing();
}

void OptionsPanel::SimplifiedDiffsEnable_Click() { ApplySimplifiedDiffs(SimplifiedDiffsEnable->Value() == 1); }

void OptionsPanel::SimplifiedDampersEnable_Click() {
    ApplySimplifiedDampers(SimplifiedDampersEnable->Value() == 1);
}

void OptionsPanel::EnableLFSMode_Click() {
    Options().LFSMode = core::ToVbBool(EnableLFSMode->Value() != 0);
    if (UnguardedMain() != nullptr) ConfigureSetupControls();
}

void OptionsPanel::FilterSetups_Click() {
    // Read by the next setup-open dialog.
    Options().FilterSetupsOnOpen = core::ToVbBool(FilterSetups->Value() != 0);
}

void OptionsPanel::EnableTestControls_Click() {
    const bool on = EnableTestControls->Value() == 1;
    Options().LowResControls = core::ToVbBool(on);
    AreaOffset(0).SetEnabled(on);
    AreaOffset(1).SetEnabled(on);
    // While the window is being filled the option is only stored. A person's click shows or
    // hides the main window's area-move buttons where the tools panel is on view; the photo
    // and tools view itself flips only by its own toggle.
    const auto& g = core::GlobalChassisLab();
    if (core::FromVbBool(g.OptionsPanelFilling) || g.MainForm == nullptr) return;
    FollowLowResOption(*g.MainForm);
}

void OptionsPanel::AreaOffset_Change() {
    CorrectAbove(AreaOffset(0), core::kAreaOffsetXMax, "204");
    CorrectBelowZero(AreaOffset(0));
    CorrectAbove(AreaOffset(1), core::kAreaOffsetYMax, "148");
    CorrectBelowZero(AreaOffset(1));
    // This handler does not test FormLoading: the offsets are only read by the area moves.
    if (core::FromVbBool(core::GlobalChassisLab().OptionsPanelFilling)) return;
    Options().AreaOffsetX = static_cast<uint8_t>(core::CLng(core::TypedVal(AreaOffset(0).Text())));
    Options().AreaOffsetY = static_cast<uint8_t>(core::CLng(core::TypedVal(AreaOffset(1).Text())));
}

}  // namespace ui
