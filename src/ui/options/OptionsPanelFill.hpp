// Bringing the options window in line with the unit system and the options block, and the
// routines that act through it: the unit lists, the showing of every stored option, the
// scale value labels and the unit presets.
//
// Each reaches the window through its one program-wide instance, created on first use.
#pragma once

#include <cstdint>

namespace ui {

// Lists the unit names of each quantity in its selector (not cleared first, nothing selected),
// with OptionsPanelFilling raised.
void FillUnitCombos();

// Shows every stored option in its control and applies the stored unit selections through
// the selectors, with OptionsPanelFilling raised (the handlers store but redisplay nothing).
// The ten roll and pitch diagram switches are left as they are.
void ShowOptionsSettings();

// The value label of every graph-scale slider, from the stored scales in the current units.
void RefreshGraphScaleLabels();

// The options window's preset buttons: 0 "SI", 1 "Metric", 2 "Imperial". Shows the stored
// options first, then selects the preset's unit of all 21 quantities through their selectors,
// each running its quantity's redisplay (unless the program is loading). Another index only
// shows the options.
void ApplyUnitPreset(int16_t index);

}  // namespace ui
