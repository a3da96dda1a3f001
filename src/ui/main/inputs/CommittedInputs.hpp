// What the typed number boxes stand for when the gearing and the runs' searches read them:
// the gear-ratio boxes and the two runs' search boxes.
//
// A box's text is its value while it holds one: written by code, committed by Return or by
// leaving the box, or typed and valid as it stands. While a person's edit holds no value (an
// emptied box, "abc", a ratio below 0.5) a search box stands for the value it held before the
// edit, the one its commit brings back; a gear-ratio box, during a person's edit, stands for
// the ratio its slider shows (the last typed ratio the slider followed, or the one before the
// edit). So a recalculation or a run in the meantime never reads a half-typed text as 0, and
// the gearing reads the ratio the slider shows. (Saving a setup reads the box as shown and
// names a gear whose text it cannot store.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

class Main;

// The ratio of `text` when it is one that gear row `index` (0 reverse, 1..7 forward gears,
// 8 final drive) takes: a number and nothing else, at least 0.5, and within what a setup
// file can hold for the row.
std::optional<double> GearRatioOf(int index, const std::string& text);

// The slider value's ratio in its shortest text: 3790 gives "3.79", 1000 "1", 500 "0.5".
std::string GearRatioSliderText(int value);
// The gear-ratio slider's value for a ratio (ratio x 1000, rounded).
int32_t GearRatioSliderValue(double ratio);

// The text the gear-ratio box of row `index` held before a person's edit that is still going
// on (its slider's ratio when it never held one).
std::string GearRatioBeforeEdit(const Main& form, int index);

// The gear-ratio text the gearing reads for row `index` (0..8): the ratio its slider shows.
std::string CommittedGearRatioText(const Main& form, int index);

// The texts of the search boxes the searches read (0 from speed, 1 to speed, 2 distance).
std::string CommittedAccSearchText(const Main& form, int index);
std::string CommittedDecSearchText(const Main& form, int index);

}  // namespace ui
