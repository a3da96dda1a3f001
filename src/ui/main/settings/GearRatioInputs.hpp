// Handlers of the gear-ratio rows on the "Gearing" tab: each ratio is a text box (the source
// the gearing analysis reads, through CommittedInputs.hpp) and a slider (ratio x 1000) kept in
// step with it.
//
// Index 0 reverse, 1..7 the forward gears, 8 the final drive. A ratio is a whole number (a
// typed comma arrives as the point) of at least 0.5 that a setup file can hold for the row
// (forward gears and final drive up to 7.5, reverse 1 to 8). The forward gears are kept in
// descending order (equal neighbours allowed): a ratio set from code, or a typed edit once it
// is committed by Return or by leaving the box, raises or lowers its neighbours, which ripple
// along the row. While the person is still typing only the slider and the analyses follow,
// together, and only texts that are ratios keeping the row in order, so the partial text
// "1" of "1.2" does not flatten the higher gears, an emptied box changes nothing, and the
// slider and the gearing table show the same ratio at every moment. A text that is no ratio
// when the edit is committed, or that code writes, gives way to the last valid ratio. A ratio
// beyond a narrowed slider range puts the slider at its limit and leaves the text as typed.
#pragma once

#include <string>

namespace ui {

class Main;

void Set_GearRatioText_Change(Main& form, int index);
void Set_GearRatioText_KeyPress(Main& form, int index, int& keyAscii);
void Set_GearRatioText_GotFocus(Main& form, int index);
void Set_GearRatioText_LostFocus(Main& form, int index);
void Set_GearRatioSlider_Scroll(Main& form, int index);

}  // namespace ui
