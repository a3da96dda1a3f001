#include "ui/main/inputs/CommittedInputs.hpp"

#include "core/Numbers.hpp"
#include "files/SetupFile.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"

namespace ui {

namespace {

constexpr double kLowestRatio = 0.5;
constexpr double kSliderPerRatio = 1000.0;  // slider value = ratio x 1000

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// A person's edit that is still going on and whose text holds no value.
bool PendingWithoutValue(const TypedEdit& edit, bool holdsValue) {
    return edit.Uncommitted && !holdsValue;
}

std::string CommittedSearchText(const platform::TextBox& box, const TypedEdit& edit) {
    const std::string& text = box.Text();
    return PendingWithoutValue(edit, core::ReadTypedNumber(text).Whole) ? edit.LastValidText
                                                                        : text;
}

}  // namespace

std::optional<double> GearRatioOf(int index, const std::string& text) {
    const core::TypedNumber n = core::ReadTypedNumber(text);
    if (!n.Whole || !(n.Value >= kLowestRatio) || !files::SetupRatioStorable(index, n.Value))
        return std::nullopt;
    return n.Value;
}

std::string GearRatioSliderText(int value) { return core::DoubleText(value / kSliderPerRatio); }

int32_t GearRatioSliderValue(double ratio) { return core::CLng(ratio * kSliderPerRatio); }

std::string GearRatioBeforeEdit(const Main& form, int index) {
    const std::string& last = SettingHandlers().GearEdits.Boxes[At(index)].LastValidText;
    if (!last.empty()) return last;
    return GearRatioSliderText(form.Set_GearRatioSlider(index).Value());
}

std::string CommittedGearRatioText(const Main& form, int index) {
    const GearRatioEditState& edits = SettingHandlers().GearEdits;
    if (!edits.Boxes[At(index)].Uncommitted) return form.Set_GearRatioText(index).Text();
    // A person's edit going on: the ratio its slider shows.
    const std::string& followed = edits.FollowedText[At(index)];
    return followed.empty() ? GearRatioBeforeEdit(form, index) : followed;
}

std::string CommittedAccSearchText(const Main& form, int index) {
    return CommittedSearchText(form.Analysis_AccSearchInput(index),
                               SettingHandlers().SearchEdits.Acc[At(index)]);
}

std::string CommittedDecSearchText(const Main& form, int index) {
    return CommittedSearchText(form.Analysis_DecSearchInput(index),
                               SettingHandlers().SearchEdits.Dec[At(index)]);
}

}  // namespace ui
