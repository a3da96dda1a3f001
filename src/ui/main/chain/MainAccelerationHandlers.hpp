// The main window's side of the acceleration run: the reader of the controls the run takes,
// the links through which it writes its progress, result texts and search boxes, the routines
// under their program names acting on the main window, and the handlers of the acceleration
// page's calculate button, precision selector and search boxes.
#pragma once

#include <functional>

#include "analysis/AccelerationCode.hpp"

namespace ui {

class Main;

// Set_TC, Live_TyreWear.
analysis::AccRunInputs ReadAccRunInputs(const Main& form);
// Analysis_AccProgress, Analysis_AccLabel and Analysis_AccSearchInput of the window. The graph
// link is left empty until the acceleration graph is drawn by its own module.
analysis::AccRunLinks AccelerationLinks(Main& form);

// The run at the given time step (callers pass AccelerationCode().AccTimeStep), then its
// summary, search and texts.
void RunAccelerationAnalysis(Main& form, float& timeStep);
// The summary and texts of the stored run again (after a change of speed unit).
void AnalyseAccRun(Main& form, float& timeStep);
// The search over the stored run from the window's search boxes.
void SearchAccRun(Main& form, float& timeStep);
// The summary texts of the stored run in the current units.
void ShowAccResults(Main& form);

// The search boxes of both runs. While a person is still typing into one, a search that
// would correct a box leaves it as typed and shows nothing: the correction waits for the end
// of the edit.
struct SearchBoxHoldState {
    bool HoldCorrections = false;
};
SearchBoxHoldState& SearchBoxHolds();

// The unit labels beside the search boxes of both runs: Analysis_AccLabel(38) and
// Analysis_DecLabel(15) the speed unit, Analysis_AccLabel(39) and Analysis_DecLabel(16) the
// large-distance unit. Written at start-up and by every search, so a change of either unit
// (which reruns the searches) shows the new unit beside the boxes.
void WriteSearchUnitLabels(Main& form);


}  // namespace ui
