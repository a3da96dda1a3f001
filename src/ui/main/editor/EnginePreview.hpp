// The vehicle editor's live preview of the engine being edited: its curve on the vehicle data
// page's TorquePowerPlot and, when open, the rows of the torque data table window.
#pragma once

#include <vector>

#include "vehicle/VehicleProblem.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

class Main;

// Builds a trial engine from the engine of the record a store would write (the editor's engine
// boxes and shape sliders), fits and draws it, and refills the torque data table when it is
// open. Figures that contradict each other are drawn with the refusal of them in red, in a band
// above the curves, in the editor's words (EngineControlWords.hpp). While an engine box is out
// of its range or the engine speeds out of order, the plot shows only a band of the rules the
// red boxes break, and the table no rows; when the editor's drive type is "Not wheel driven",
// both are cleared.
void PreviewEngineEdits(Main& form);
// The same with the record a store would write already built and judged (`problems`: what the
// vehicle check finds in it).
void PreviewEngineEdits(Main& form, const vehicle::VehicleRecord& toStore,
                        const std::vector<vehicle::VehicleProblem>& problems);

}  // namespace ui
