// The main window's suspension page captions: the writer of the suspension results into
// Analysis_SuspLabel (springs and damping pages, with the colour of the damping ratios) and of
// the setting values beside the suspension sliders into Set_SuspLabel. The texts come from
// analysis/SuspensionDisplay.hpp; only these functions touch the controls.
#pragma once

#include <vector>

#include "analysis/SuspensionDisplay.hpp"

namespace ui {

class Main;

// Every suspension caption from the current results, without a new analysis (unit changes,
// the refresh of all displays, the end of the live-state analysis).
void ShowSuspensionAnalysis(Main& form);

// The three response runs on the current corners, then ShowSuspensionAnalysis.
void UpdateSuspensionAnalysis(Main& form);

}  // namespace ui
