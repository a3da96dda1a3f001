// The gearing auto-spacer window ("Auto Space Gearing"): re-spaces the intermediate gear
// ratios of the current vehicle between its first and top gear by one of four methods, writes
// them into the main window's ratio boxes and recalculates the gearing once.
//
// The ratios change only when the person chooses a method, moves the adjuster or presses
// "Reapply"; opening the window selects the default method without applying it, so looking at
// the window never overwrites typed ratios. A vehicle the chosen method cannot respace (not
// wheel driven, fewer than two forward gears, or fewer than three for the progressive
// methods) gets nothing written and the controls that would apply are disabled.
//
// Single instance, modeless; "Done" hides it and it keeps its choices for the next showing.
#pragma once

#include <array>
#include <string>

#include "platform/Form.hpp"

namespace ui {

// The spacing methods in list order.
inline const std::array<std::string, 4> kGASMethodNames{
    "Equally spaced", "Progressive to zero (Linear)", "Progressive to zero (Exp.)",
    "Adjustable Progressive (Exp.)"};
inline constexpr int kGASAdjustableMethod = 3;

class GearingAutoSpacer : public platform::Form {
public:
    GearingAutoSpacer();

    platform::ControlArray<platform::Label> GASLabel;  // 0 title, 1 adjuster title, 2 drop
    platform::ComboBox* GAS_SelectMethod = nullptr;
    platform::Slider* GASAdjuster = nullptr;  // step into top gear = value / 100 + 1
    platform::CommandButton* Reapply = nullptr;
    platform::CommandButton* Close = nullptr;

    void GearingAutoSpacer_Load();
    void GAS_SelectMethod_Click();
    // Respaces by the chosen method and recalculates the gearing; nothing when the vehicle
    // cannot be respaced by it.
    void Apply();
    // Enables the controls that apply for what the current vehicle allows.
    void UpdateEnabling();

private:
    bool loading_ = false;  // the default method is being selected: show it, apply nothing
};

// Shows the window (modeless), creating it on first use, and enables its controls for the
// current vehicle. The analysis page's "Auto space gearing" button opens it.
void ShowGearingAutoSpacer();
GearingAutoSpacer* PeekGearingAutoSpacer();
void ResetGearingAutoSpacer();

}  // namespace ui
