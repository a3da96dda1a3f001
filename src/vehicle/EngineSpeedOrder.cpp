#include "vehicle/EngineSpeedOrder.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Numbers.hpp"
#include "core/Units.hpp"
#include "vehicle/FieldBoxText.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace vehicle {

namespace {

// Whether `typed` (rpm) is what typing the text a speed box in the unit of `arvFactor` shows
// of `shown` stores: the very text the editor writes (vehicle/FieldBoxText.hpp). The speed
// boxes' ranges differ only at their ends, where no order is judged: the torque peak's stands
// for them all.
bool TypedAsShownIn(double shown, double typed, double arvFactor) {
    const std::string text = SpeedBoxText(static_cast<float>(shown), arvFactor,
                                          kEngineSpeedTextLength, ranges::TorquePeakSpeed);
    return StoredSpeed(core::Val(text), arvFactor) == static_cast<float>(typed);
}

bool TypedAsShown(double shown, double typed) {
    for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV))
        if (TypedAsShownIn(shown, typed, unit.Factor)) return true;
    return false;
}

}  // namespace

bool SpeedBelow(double a, double b) {
    if (!(a < b)) return false;  // in order (or NaN), as nearly all are
    // Singles rounded apart: a sum of two (the plateau's end) lies within a step and a half
    // of a third typed equal to it.
    if (!(a < b - 2.0 * SingleStep(std::max(std::fabs(a), std::fabs(b))))) return false;
    if (b - a > std::max(EngineSpeedSlack(a), EngineSpeedSlack(b))) return true;
    return !TypedAsShown(a, b) && !TypedAsShown(b, a);
}

EngineSpeedConflicts FindEngineSpeedConflicts(double torquePeak, double plateauWidth,
                                              double powerPeak, double idle, double limit) {
    EngineSpeedConflicts c;
    c.PowerBelowTorquePeak = SpeedBelow(powerPeak, torquePeak);
    c.PowerInsidePlateau = SpeedBelow(powerPeak, torquePeak + plateauWidth);
    c.IdleAboveTorquePeak = SpeedBelow(torquePeak, idle);
    c.IdleAboveLimit = SpeedBelow(limit, idle);
    return c;
}

}  // namespace vehicle
