#include "vehicle/EngineSpeedOrder.hpp"

#include <algorithm>
#include <cmath>

namespace vehicle {

namespace {
// The stored speeds are Singles: one part in 1e6 covers their rounding with room to spare.
constexpr double kStoredSlack = 1e-6;
}  // namespace

EngineSpeedConflicts FindEngineSpeedConflicts(double torquePeak, double plateauWidth,
                                              double powerPeak, double idle, double limit,
                                              double slack) {
    // a < b, unless a falls short of b by no more than the slack.
    const auto below = [slack](double a, double b) {
        return a < b - slack * std::max(1.0, std::fabs(b));
    };
    EngineSpeedConflicts c;
    c.PowerBelowTorquePeak = below(powerPeak, torquePeak);
    c.PowerInsidePlateau = below(powerPeak, torquePeak + plateauWidth);
    c.IdleAboveTorquePeak = below(torquePeak, idle);
    c.IdleAboveLimit = !c.IdleAboveTorquePeak && below(limit, idle);
    return c;
}

std::string FirstEngineSpeedConflict(const VehicleRecord& record) {
    if (record.Drivetrain.DriveType == kDriveThrust) return {};
    const EngineFigures& e = record.Engine;
    const EngineSpeedConflicts c =
        FindEngineSpeedConflicts(e.TorquePeakRPM, e.TorquePeakWidth, e.PowerPeakRPM, e.IdleRPM,
                                 e.LimitRPM, kStoredSlack);
    if (c.PowerBelowTorquePeak || c.PowerInsidePlateau) return "Engine.PowerPeakRPM";
    if (c.IdleAboveTorquePeak || c.IdleAboveLimit) return "Engine.IdleRPM";
    return {};
}

}  // namespace vehicle
