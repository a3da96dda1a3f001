#include "vehicle/engine/EngineSpeedOrder.hpp"

#include "vehicle/CheckSlack.hpp"

namespace vehicle {

EngineSpeedConflicts FindEngineSpeedConflicts(double torquePeak, double plateauWidth,
                                              double powerPeak, double idle, double limit) {
    // a < b, unless a falls short of b by no more than the slack.
    const auto below = [](double a, double b) { return a < b - CheckSlack(b); };
    EngineSpeedConflicts c;
    c.PowerBelowTorquePeak = below(powerPeak, torquePeak);
    c.PowerInsidePlateau = below(powerPeak, torquePeak + plateauWidth);
    c.IdleAboveTorquePeak = below(torquePeak, idle);
    c.IdleAboveLimit = !c.IdleAboveTorquePeak && below(limit, idle);
    return c;
}

}  // namespace vehicle
