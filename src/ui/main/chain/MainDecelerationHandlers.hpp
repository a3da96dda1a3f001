// The main window's side of the deceleration run and the brake panel: readers of the controls
// the run and the brake texts take, the links through which the run writes its progress,
// results and search boxes, the routines under their program names acting on the main window,
// and the handlers of the deceleration page's calculate button and search boxes.
#pragma once

#include <functional>

#include "analysis/DecelerationCode.hpp"

namespace ui {

class Main;

// Analysis_DecOptions(0) and (1), Set_ABS, Set_BrakeBalance, Live_TyreWear.
analysis::DecRunInputs ReadDecRunInputs(const Main& form);
// Set_BrakeMaxTorque, Set_BrakeBalance, Set_EBR, Set_TCSlipRatio, Set_TCSlipSpeed.
analysis::BrakeSettingsInputs ReadBrakeSettingsInputs(const Main& form);
// Analysis_DecProgress, Analysis_DecLabel and Analysis_DecSearchInput of the window. The graph
// link is left empty until the deceleration graphs are drawn by their own module.
analysis::DecRunLinks DecelerationLinks(Main& form);

// BrakeTorques from the brake sliders, then ShowBrakeSettings.
void SetBrakeTorques(Main& form);
// Set_BrakeLabel(100..104) and Analysis_DecLabel(100, 101, 115).
void ShowBrakeSettings(Main& form);
// The run with the window's options, its summary, search and texts.
void RunDecelerationAnalysis(Main& form);
// The search over the stored run from the window's search boxes.
void SearchDecRun(Main& form);
// The summary texts of the stored run (after a change of unit).
void ShowDecResults(Main& form);


}  // namespace ui
