// The order an engine's speeds must keep for its torque curve to be fitted: idle at or below
// the torque peak and the limit, the power peak at or above the torque peak and the end of the
// plateau. Equal speeds pass, and so do speeds a millionth apart and a speed typed as the
// vehicle editor's box shows another: a box shows a speed in a few characters, in the unit of
// angular velocity chosen, and typed back its text is stored as a figure a hair off the one
// it shows. The one check of a vehicle (vehicle/VehicleCheck.hpp) judges a wheel-driven
// vehicle's speeds with it.
#pragma once

#include "vehicle/engine/EngineSpeedText.hpp"

namespace vehicle {

// Whether speed `a` lies below speed `b` (rpm) for their order. Not where they are equal but
// for the roundings of their Singles or the slack of every check of a vehicle (CheckSlack of
// `b`: what the order allowed before it knew the boxes' texts, so every record it passed then
// passes now), nor where one is the figure that typing the text a box shows of the other
// stores, in any unit of angular velocity (rad/s, rps, rpm): 1500 rpm shows as 157.08 rad/s,
// and 157.08 rad/s is stored as 1500.0038 rpm. The verdict does not hang on the unit chosen,
// so a vehicle stored in one unit loads in every other; a speed a unit of the last digit away
// (157.081 rad/s) lies below, unless in another unit the box shows the two speeds alike and
// one of them is what typing that text stores (a record that typing equal texts in that unit
// makes). An infinite speed equals no finite one, and a speed that is no number (NaN) lies
// below every speed and every speed below it: it is in order with none.
// It judges one pair and is no order to sort speeds with: NaN lies below itself, and equality
// (neither below the other) does not carry over: a equal to b and b equal to c do not make a
// equal to c, for the slack reaches from each speed alone.
bool SpeedBelow(double a, double b);

struct EngineSpeedConflicts {
    bool PowerBelowTorquePeak = false;
    bool PowerInsidePlateau = false;  // below torque peak + plateau width
    bool IdleAboveTorquePeak = false;
    bool IdleAboveLimit = false;
};

// The five speeds in rpm, as the record holds them, judged by SpeedBelow: a power peak typed
// equal to the plateau's end, which may land a hair below the sum of the stored start and
// width, passes too.
EngineSpeedConflicts FindEngineSpeedConflicts(double torquePeak, double plateauWidth,
                                              double powerPeak, double idle, double limit);

}  // namespace vehicle
