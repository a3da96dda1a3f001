// The order an engine's speeds must keep for its torque curve to be fitted: idle at or below
// the torque peak and the limit, the power peak at or above the torque peak and the end of the
// plateau (equal speeds pass, give or take the slack of every vehicle check). The one check of
// a vehicle (vehicle/VehicleCheck.hpp) judges a wheel-driven vehicle's speeds with it.
#pragma once

namespace vehicle {

struct EngineSpeedConflicts {
    bool PowerBelowTorquePeak = false;
    bool PowerInsidePlateau = false;  // below torque peak + plateau width
    bool IdleAboveTorquePeak = false;
    bool IdleAboveLimit = false;      // reported only when idle is not above the torque peak
};

// The five speeds in one unit, whichever (the record's rpm): a speed that falls short of
// another by no more than CheckSlack of it counts as equal, so a power peak typed equal to the
// plateau's end, which may land a hair below the sum of the stored start and width, passes.
EngineSpeedConflicts FindEngineSpeedConflicts(double torquePeak, double plateauWidth,
                                              double powerPeak, double idle, double limit);

}  // namespace vehicle
