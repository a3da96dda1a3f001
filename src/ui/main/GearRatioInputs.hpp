// Handlers of the gear-ratio rows on the "Gearing" tab: each ratio is a text box (the source
// the gearing analysis reads) and a slider (ratio x 1000) kept in step with it.
//
// Index 0 reverse, 1..7 the forward gears, 8 the final drive. The forward gears are kept in
// descending order (equal neighbours allowed): a ratio set from code, or a typed edit once it
// is committed by Return or by leaving the box, raises or lowers its neighbours, which ripple
// along the row. While the person is still typing only the slider follows, so the partial text
// "1" of "1.2" does not flatten the higher gears. A typed ratio beyond the slider's range puts
// the slider at its limit and leaves the text as typed.
#pragma once

#include <string>

namespace ui {

class Main;

// The slider value's ratio in its shortest text: 3790 gives "3.79", 1000 "1", 500 "0.5".
std::string GearRatioSliderText(int value);

void Set_GearRatioText_Change(Main& form, int index);
void Set_GearRatioText_KeyPress(Main& form, int index, int& keyAscii);
void Set_GearRatioText_GotFocus(Main& form, int index);
void Set_GearRatioText_LostFocus(Main& form, int index);
void Set_GearRatioSlider_Scroll(Main& form, int index);

}  // namespace ui
