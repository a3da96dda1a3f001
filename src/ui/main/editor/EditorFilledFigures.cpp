#include "ui/main/editor/EditorFilledFigures.hpp"

#include <algorithm>

#include "core/Numbers.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"

namespace ui {

namespace {

void Remember(const platform::TextBox& box, float field) {
    EditorFilledFigures().Boxes[&box] = {box.Text(), field};
}

// The filled field, while the box shows what the fill wrote.
const EditorFilledFiguresState::Box* Unchanged(const platform::TextBox& box) {
    const auto& boxes = EditorFilledFigures().Boxes;
    const auto it = boxes.find(&box);
    return it != boxes.end() && it->second.Text == box.Text() ? &it->second : nullptr;
}

}  // namespace

EditorFilledFiguresState& EditorFilledFigures() {
    static EditorFilledFiguresState state;
    return state;
}

void ForgetFilledFigures() { EditorFilledFigures() = {}; }

void ForgetFilledFigure(const platform::TextBox& box) { EditorFilledFigures().Boxes.erase(&box); }

void ForgetFilledFigure(const platform::Slider& slider) {
    EditorFilledFigures().Sliders.erase(&slider);
}

void FillBox(platform::TextBox& box, float& field, double unitFactor,
             const vehicle::FieldRange& range, const FilledRecordCheck& check) {
    box.SetText(FieldText(field, unitFactor, box.MaxLength(), range, check.For(field, range)));
    Remember(box, field);
}

void FillSpeedBox(platform::TextBox& box, float rpm, const std::string& text) {
    box.SetText(text);
    Remember(box, rpm);
}

void FillSlider(platform::Slider& slider, double position, float field) {
    const int32_t v = core::CLng(position);
    slider.SetValue(std::clamp(v, slider.Min(), slider.Max()));
    // A figure beyond the slider's reach (no file holds one) is what the slider shows.
    auto& sliders = EditorFilledFigures().Sliders;
    if (v == slider.Value()) {
        sliders[&slider] = {v, field};
    } else {
        sliders.erase(&slider);
    }
}

bool HoldsNoFigure(const platform::TextBox& box) {
    return Unchanged(box) == nullptr && !core::ReadTypedNumber(box.Text()).Found;
}

float BoxFigure(const platform::TextBox& box, double unitFactor) {
    if (const auto* filled = Unchanged(box)) return filled->Figure;
    return StoredSingle(core::TypedVal(box.Text()), unitFactor);
}

float SpeedBoxFigure(const platform::TextBox& box) {
    if (const auto* filled = Unchanged(box)) return filled->Figure;
    return StoredRpm(core::TypedVal(box.Text()));
}

float SliderFigure(const platform::Slider& slider, double figure) {
    const auto& sliders = EditorFilledFigures().Sliders;
    const auto it = sliders.find(&slider);
    if (it != sliders.end() && it->second.Value == slider.Value()) return it->second.Figure;
    return static_cast<float>(figure);
}

}  // namespace ui
