// The vehicle editor's live preview of the engine being edited: its curve on the vehicle data
// page's TorquePowerPlot and, when open, the rows of the torque data table window.
#pragma once

#include "vehicle/EngineCurveCheck.hpp"

namespace ui {

class Main;

// Builds a trial engine from the editor's engine boxes and shape sliders, fits and draws it,
// and refills the torque data table when it is open. Does nothing while an engine input is
// invalid; clears the plot and the table when the editor's drive type is "Not wheel driven".
// A curve that climbs above its margin of the peak torque before the limit is drawn with red
// lines saying why and what to change; the refusal is returned (nothing refused when nothing
// was drawn).
vehicle::CurveRefusal PreviewEngineEdits(Main& form);

}  // namespace ui
