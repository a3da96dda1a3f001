#include "ui/main/settings/GearRatioInputs.hpp"

#include <algorithm>
#include <optional>
#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/ScopedValue.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/CommittedInputs.hpp"
#include "ui/main/settings/SettingHandlers.hpp"

namespace ui {

namespace {

constexpr int kGearBoxes = 9;

GearRatioEditState& Edits() { return SettingHandlers().GearEdits; }
SettingRoutines& R() { return SettingHandlers().Routines; }
bool Valid(int index) { return index >= 0 && index < kGearBoxes; }
std::size_t At(int index) { return static_cast<std::size_t>(index); }
TypedEdit& Edit(int index) { return Edits().Boxes[At(index)]; }
std::string& Followed(int index) { return Edits().FollowedText[At(index)]; }

// Moves the slider of row `index` to the ratio; its handler leaves the box's text as it is.
// A ratio beyond a narrowed slider range puts the slider at its limit.
void SliderToRatio(Main& form, int index, double ratio) {
    const core::ScopedValue<bool> fromText(Edits().SliderFromText[At(index)], true);
    form.Set_GearRatioSlider(index).SetValue(GearRatioSliderValue(ratio));
}

// Whether the forward gears' sliders descend (equal neighbours allowed): as they stand, or
// with row `index`'s slider moved to `ratio`.
bool ForwardGearsInOrder(const Main& form, int index = -1, double ratio = 0.0) {
    const auto at = [&](int g) {
        const platform::Slider& s = form.Set_GearRatioSlider(g);
        return g == index ? std::clamp(GearRatioSliderValue(ratio), s.Min(), s.Max()) : s.Value();
    };
    for (int k = 1; k <= 6; ++k)
        if (at(k) < at(k + 1)) return false;
    return true;
}

// Puts back the ratio the box held before the person's edit, as code writes it (its handler
// orders the neighbours and recalculates). A box that never held one takes its slider's.
void RestoreLastValid(Main& form, int index) {
    const std::string text = GearRatioBeforeEdit(form, index);
    if (GearRatioOf(index, text)) WriteAsCode(form.Set_GearRatioText(index), Edit(index), text);
}

// Keeps the forward gears in descending order around gear `index` by moving its neighbours'
// sliders; each move writes the neighbour's text, whose handler orders its own neighbours in
// turn, so a change ripples along the row. Reverse (0) and the final drive (8) have none.
void OrderNeighbours(Main& form, int index) {
    auto& s = form.Set_GearRatioSlider;
    if (index == 1) {
        if (s(1).Value() < s(2).Value()) s(2).SetValue(s(1).Value());
    } else if (index >= 2 && index <= 6) {
        if (s(index).Value() < s(index + 1).Value()) s(index + 1).SetValue(s(index).Value());
        if (s(index).Value() > s(index - 1).Value()) s(index - 1).SetValue(s(index).Value());
    } else if (index == 7) {
        if (s(7).Value() > s(6).Value()) s(6).SetValue(s(7).Value());
    }
}

// Reruns gearing and the live state once no forward pair is out of order. The suppress flag
// keeps the handlers of controls those routines move from recalculating again.
void RecalcWhenInOrder(Main& form) {
    if (!ForwardGearsInOrder(form) || core::OptionsSettings().AutoRecalc != core::VbTrue) return;
    const core::RaisedFlag suppress(core::GlobalChassisLab().SuppressRecalc);
    platform::Raise(R().CalcGearing);
    platform::Raise(R().AnalyseLiveState);
}

// A typed edit is finished: a text that is no ratio gives way to the ratio before the edit; a
// ratio is kept, moves the slider (which did not follow a ratio that put the row out of
// order), puts the neighbours in order and recalculates.
void Commit(Main& form, int index) {
    TypedEdit& e = Edit(index);
    if (!e.Uncommitted) return;
    e.Uncommitted = false;
    Followed(index).clear();
    const std::string& text = form.Set_GearRatioText(index).Text();
    const std::optional<double> ratio = GearRatioOf(index, text);
    if (!ratio) {
        RestoreLastValid(form, index);
        return;
    }
    e.LastValidText = text;
    SliderToRatio(form, index, *ratio);
    if (!NotLoading() || !NotSuppressed()) return;
    OrderNeighbours(form, index);
    RecalcWhenInOrder(form);
}

}  // namespace

void Set_GearRatioText_Change(Main& form, int index) {
    if (!Valid(index)) return;
    const bool byPerson = TakePersonEdit(Edit(index));
    platform::TextBox& box = form.Set_GearRatioText(index);
    const std::optional<double> ratio = GearRatioOf(index, box.Text());
    if (!ratio) {
        // Typing passes through texts that are no ratio ("", "0.", "9"): they wait for the
        // commit, and the slider and the analyses keep the last ratio. Code's are refused.
        if (!byPerson) RestoreLastValid(form, index);
        return;
    }
    if (byPerson) {
        // The slider and the analyses show the same ratio at every moment: they follow a
        // typed ratio only where it keeps the row in order (the neighbours follow once the
        // edit is committed); otherwise both keep the ratio they show.
        if (!ForwardGearsInOrder(form, index, *ratio)) return;
        Followed(index) = box.Text();
    } else {
        Edit(index).LastValidText = box.Text();
        Followed(index).clear();
    }

    SliderToRatio(form, index, *ratio);  // whatever the flags

    if (!NotLoading() || !NotSuppressed()) return;
    // The neighbours follow a person's edit only once it is committed.
    if (!byPerson) OrderNeighbours(form, index);
    RecalcWhenInOrder(form);
}

void Set_GearRatioText_KeyPress(Main& form, int index, int& keyAscii) {
    if (!Valid(index)) return;
    if (keyAscii == ',') keyAscii = '.';  // whatever the keyboard, the point is the separator
    if (TypedEditKey(Edit(index), keyAscii)) Commit(form, index);
}

void Set_GearRatioText_GotFocus(Main&, int index) {
    if (Valid(index)) Edit(index).Focused = true;
}

void Set_GearRatioText_LostFocus(Main& form, int index) {
    if (!Valid(index)) return;
    Edit(index).Focused = false;
    Commit(form, index);
}

void Set_GearRatioSlider_Scroll(Main& form, int index) {
    if (!Valid(index) || Edits().SliderFromText[At(index)]) return;
    // A slider moved by the person or by code replaces the text (and any edit in progress).
    WriteAsCode(form.Set_GearRatioText(index), Edit(index),
                GearRatioSliderText(form.Set_GearRatioSlider(index).Value()));
}

void InstallGearRatioHandlers(Main& form) {
    Main* f = &form;
    form.Set_GearRatioText.ForEach([f](int i, platform::TextBox& box) {
        box.Change = [f, i] { Set_GearRatioText_Change(*f, i); };
        box.KeyPress = [f, i](int& key) { Set_GearRatioText_KeyPress(*f, i, key); };
        box.GotFocus = [f, i] { Set_GearRatioText_GotFocus(*f, i); };
        box.LostFocus = [f, i] { Set_GearRatioText_LostFocus(*f, i); };
    });
    form.Set_GearRatioSlider.ForEach([f](int i, platform::Slider& s) {
        BindSlider(s, [f, i] { Set_GearRatioSlider_Scroll(*f, i); });
    });
}

}  // namespace ui
