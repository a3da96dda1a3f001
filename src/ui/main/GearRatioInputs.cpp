#include "ui/main/GearRatioInputs.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/ScopedValue.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "platform/Controls.hpp"
#include "ui/main/Main.hpp"
#include "ui/main/SettingHandlers.hpp"

namespace ui {

namespace {

constexpr int kGearBoxes = 9;
constexpr double kSliderPerRatio = 1000.0;  // slider value = ratio x 1000
constexpr double kLowestRatio = 0.5;
constexpr const char* kLowestRatioText = "0.5";

GearRatioEditState& Edits() { return SettingHandlers().GearEdits; }
SettingRoutines& R() { return SettingHandlers().Routines; }
bool Valid(int index) { return index >= 0 && index < kGearBoxes; }
std::size_t At(int index) { return static_cast<std::size_t>(index); }

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
    int outOfOrder = 0;
    for (int k = 1; k <= 6; ++k)
        if (form.Set_GearRatioSlider(k).Value() < form.Set_GearRatioSlider(k + 1).Value())
            ++outOfOrder;
    if (outOfOrder != 0 || core::OptionsSettings().AutoRecalc != core::VbTrue) return;
    const core::RaisedFlag suppress(core::GlobalChassisLab().SuppressRecalc);
    platform::Raise(R().CalcGearing);
    platform::Raise(R().AnalyseLiveState);
}

// A typed edit is finished: put the neighbours in order and recalculate.
void Commit(Main& form, int index) {
    if (!Valid(index) || !Edits().Uncommitted[At(index)]) return;
    Edits().Uncommitted[At(index)] = false;
    if (!NotLoading() || !NotSuppressed()) return;
    OrderNeighbours(form, index);
    RecalcWhenInOrder(form);
}

}  // namespace

std::string GearRatioSliderText(int value) { return core::DoubleText(value / kSliderPerRatio); }

void Set_GearRatioText_Change(Main& form, int index) {
    if (!Valid(index)) return;
    auto& e = Edits();
    // A change the person makes (a typed key, or any change while the box has the focus)
    // waits for Return or the focus leaving before the neighbours are ordered.
    const bool byPerson = e.KeyTyped[At(index)] || e.Focused[At(index)];
    e.KeyTyped[At(index)] = false;

    platform::TextBox& box = form.Set_GearRatioText(index);
    if (!(core::Val(box.Text()) >= kLowestRatio)) {
        // Below the lowest ratio, empty or not a number: the lowest ratio, with its last digit
        // selected so the next key typed replaces it. The new text runs this handler again.
        e.KeyTyped[At(index)] = byPerson;
        box.SetText(kLowestRatioText);
        e.KeyTyped[At(index)] = false;
        box.SetSelStart(2);
        box.SetSelLength(1);
        return;
    }

    {
        // The slider follows whatever the flags; its handler leaves this text as typed (a
        // ratio beyond the slider's range puts the slider at its limit).
        const core::ScopedValue<bool> fromText(e.SliderFromText[At(index)], true);
        form.Set_GearRatioSlider(index).SetValue(
            core::CLng(core::Val(box.Text()) * kSliderPerRatio));
    }

    if (!NotLoading() || !NotSuppressed()) return;
    if (byPerson) {
        e.Uncommitted[At(index)] = true;
    } else {
        e.Uncommitted[At(index)] = false;
        OrderNeighbours(form, index);
    }
    RecalcWhenInOrder(form);
}

void Set_GearRatioText_KeyPress(Main& form, int index, int& keyAscii) {
    if (!Valid(index)) return;
    if (keyAscii == ',') keyAscii = '.';  // whatever the keyboard, the point is the separator
    if (keyAscii == platform::kKeyReturn) {
        Commit(form, index);
    } else if (keyAscii == platform::kKeyBack || keyAscii >= 32) {
        Edits().KeyTyped[At(index)] = true;
    }
}

void Set_GearRatioText_GotFocus(Main&, int index) {
    if (Valid(index)) Edits().Focused[At(index)] = true;
}

void Set_GearRatioText_LostFocus(Main& form, int index) {
    if (!Valid(index)) return;
    Edits().Focused[At(index)] = false;
    Commit(form, index);
}

void Set_GearRatioSlider_Scroll(Main& form, int index) {
    if (!Valid(index)) return;
    auto& e = Edits();
    if (e.SliderFromText[At(index)]) return;
    // A slider moved by the person or by code replaces the text (and any edit in progress).
    e.KeyTyped[At(index)] = false;
    form.Set_GearRatioText(index).SetText(
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
