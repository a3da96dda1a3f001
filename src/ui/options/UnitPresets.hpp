// The unit presets of the options window.
#pragma once

#include <cstdint>

namespace ui {

// The options window's preset buttons: 0 "SI", 1 "Metric", 2 "Imperial". Shows the stored
// options first, then selects the preset's unit of all 21 quantities through their selectors,
// each running its quantity's redisplay (unless the program is loading); the charts are drawn
// once, when all 21 are chosen. Another index only shows the options.
void ApplyUnitPreset(int16_t index);

}  // namespace ui
