// What the vehicle editor's fill wrote into its boxes and shape sliders, with the record
// figures they stand for. A box shows its figure in as many characters as it holds ("196.9"
// for a 5 m height in inches) and a slider in whole steps; until the user changes a box (or a
// slider), the figure is the record's own. So a vehicle opened and stored unchanged keeps
// every byte, and what the editor judges is what it stores. A box the user changed holds the
// figure typed, also when it is typed back as it was.
#pragma once

#include <string>
#include <unordered_map>

#include "platform/Controls.hpp"
#include "ui/main/editor/FilledRecordCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace ui {

struct EditorFilledFiguresState {
    struct Box {
        std::string Text;
        float Figure = 0.0f;
    };
    struct Slider {
        int32_t Value = 0;
        float Figure = 0.0f;
    };
    std::unordered_map<const platform::TextBox*, Box> Boxes;
    std::unordered_map<const platform::Slider*, Slider> Sliders;
};

EditorFilledFiguresState& EditorFilledFigures();

// Forgets every filled figure: each opening of the editor starts afresh (the units may have
// changed since the last).
void ForgetFilledFigures();
// Forgets the filled figure of one box or slider: the user changed it.
void ForgetFilledFigure(const platform::TextBox& box);
void ForgetFilledFigure(const platform::Slider& slider);

// Write the field's text (VehicleEditorNumbers.hpp) into the box, or the position into the
// slider (nearest whole number, halves to even, held within the slider), and remember them (a
// slider only when the position lies within it). `field` is a field of the record `check`
// judges: a text shorter than the field's exact one is chosen so that it adds no problem to
// that record.
void FillBox(platform::TextBox& box, float& field, double unitFactor,
             const vehicle::FieldRange& range, const FilledRecordCheck& check);
// An engine speed box: the text chosen for its speed (rpm) with the others' (SpeedBoxTexts.hpp).
void FillSpeedBox(platform::TextBox& box, float rpm, const std::string& text);
void FillSlider(platform::Slider& slider, double position, float field);

// Whether the box holds no figure: its text holds no number as Val reads one (empty, blanks,
// "-", ".", words) and is not what the fill wrote. A text that begins with a number holds it,
// whatever follows: "0 rpm" holds a 0, which the box's range judges. BoxFigure reads a text
// without a number as 0; the engine boxes refuse it (VehicleEditorStore.cpp).
bool HoldsNoFigure(const platform::TextBox& box);

// The record figure of a box: the filled field until the user changes the box, else its typed
// figure (the leading number of its text, 0 when none) over the unit factor.
float BoxFigure(const platform::TextBox& box, double unitFactor);
// The same for an engine speed box (rpm in the record).
float SpeedBoxFigure(const platform::TextBox& box);
// The filled field until the user moves the slider, else `figure`.
float SliderFigure(const platform::Slider& slider, double figure);

}  // namespace ui
