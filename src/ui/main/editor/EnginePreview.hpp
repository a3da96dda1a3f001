// The vehicle editor's live preview of the engine being edited: its curve on the vehicle data
// page's TorquePowerPlot and, when open, the rows of the torque data table window.
#pragma once

#include "vehicle/EngineFigureCheck.hpp"

namespace ui {

class Main;

// Builds a trial engine from the editor's engine boxes and shape sliders, fits and draws it,
// and refills the torque data table when it is open. Does nothing while an engine input is
// invalid; clears the plot and the table when the editor's drive type is "Not wheel driven".
// Figures that contradict each other are drawn with red lines saying which and what to change;
// the conflicts are returned (none when nothing was drawn).
vehicle::EngineFigureConflicts PreviewEngineEdits(Main& form);

}  // namespace ui
