// The order an engine's speeds must keep for its torque curve to be fitted: idle at or below
// the torque peak and the limit, the power peak at or above the torque peak and the end of the
// plateau (equal speeds pass). The vehicle editor checks its speed boxes with it, and the
// vehicle file reader refuses a wheel-driven vehicle that breaks it.
#pragma once

#include <string>

#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

struct EngineSpeedConflicts {
    bool PowerBelowTorquePeak = false;
    bool PowerInsidePlateau = false;  // below torque peak + plateau width
    bool IdleAboveTorquePeak = false;
    bool IdleAboveLimit = false;      // reported only when idle is not above the torque peak
};

// The five speeds in one unit, whichever (the editor's display unit, or the record's rpm).
// `slack` is how far (relative, at least absolute for values below 1) a speed may pass another
// and still count as equal: 0 for typed values; a few parts in 1e7 for speeds that come back
// from single precision, where a power peak typed equal to the plateau's end may land a hair
// below the sum of the stored start and width.
EngineSpeedConflicts FindEngineSpeedConflicts(double torquePeak, double plateauWidth,
                                              double powerPeak, double idle, double limit,
                                              double slack = 0.0);

// For a stored vehicle: the first conflict, naming both record fields with their speeds in rpm,
// the lower first ("Engine.TorquePeakRPM (3000) below Engine.IdleRPM (4001)"), or an empty
// text. A vehicle that is not wheel driven has no engine speeds (its first engine figures hold
// the thrust and its height) and always passes.
std::string FirstEngineSpeedConflict(const VehicleRecord& record);

}  // namespace vehicle
