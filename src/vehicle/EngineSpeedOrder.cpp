#include "vehicle/EngineSpeedOrder.hpp"

#include <algorithm>
#include <cmath>

#include "core/Numbers.hpp"

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
    // "<field> (<rpm>) below <field> (<rpm>)": the speed that lies too low first.
    const auto below = [](const char* low, float lowRpm, const char* high, float highRpm) {
        return std::string(low) + " (" + core::SingleText(lowRpm) + ") below " + high + " (" +
               core::SingleText(highRpm) + ")";
    };
    if (c.PowerBelowTorquePeak)
        return below("Engine.PowerPeakRPM", e.PowerPeakRPM, "Engine.TorquePeakRPM",
                     e.TorquePeakRPM);
    if (c.PowerInsidePlateau)
        return below("Engine.PowerPeakRPM", e.PowerPeakRPM,
                     "Engine.TorquePeakRPM + Engine.TorquePeakWidth",
                     e.TorquePeakRPM + e.TorquePeakWidth);
    if (c.IdleAboveTorquePeak)
        return below("Engine.TorquePeakRPM", e.TorquePeakRPM, "Engine.IdleRPM", e.IdleRPM);
    if (c.IdleAboveLimit) return below("Engine.LimitRPM", e.LimitRPM, "Engine.IdleRPM", e.IdleRPM);
    return {};
}

}  // namespace vehicle
