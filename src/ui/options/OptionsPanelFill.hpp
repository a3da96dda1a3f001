// Bringing the options window in line with the unit system and the options block, and the
// routines that act through it: the unit lists, the showing of every stored option and the
// scale value labels.
//
// Each reaches the window through its one program-wide instance, created on first use.
#pragma once

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

}  // namespace ui
