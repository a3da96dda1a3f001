// The vehicle editor's live preview of the engine being edited: its curve on the vehicle data
// page's TorquePowerPlot and, when open, the rows of the torque data table window.
#pragma once

namespace ui {

class Main;

// Why the preview refuses the engine being edited.
struct CurveRefusal {
    // How high the curve climbs before the limit, as a multiple of the peak torque, when that
    // is above its margin; 0 when it stays within it or nothing was drawn.
    float Rise = 0.0f;
    // The torque the power figure asks at the power peak, as a multiple of the peak torque.
    float PowerPeakShare = 0.0f;

    bool Refused() const { return Rise > 0.0f; }
    // The climb comes from the power figure (power, its speed, the peak torque), not from the
    // limit and the upper shape.
    bool ByPowerFigure() const { return Refused() && PowerPeakShare > 1.0f; }
};

// Builds a trial engine from the editor's engine boxes and shape sliders, fits and draws it,
// and refills the torque data table when it is open. Does nothing while an engine input is
// invalid; clears the plot and the table when the editor's drive type is "Not wheel driven".
// A curve that climbs above its margin of the peak torque before the limit is drawn with red
// lines saying why and what to change.
CurveRefusal PreviewEngineEdits(Main& form);

}  // namespace ui
