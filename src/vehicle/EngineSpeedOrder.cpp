#include "vehicle/EngineSpeedOrder.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Numbers.hpp"
#include "core/Units.hpp"
#include "vehicle/CheckSlack.hpp"
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
    // In order, as nearly all are; a speed that is no number is in order with none.
    if (!(a < b)) return std::isnan(a) || std::isnan(b);
    // No slack takes an infinite speed as a finite one.
    if (std::isinf(a) || std::isinf(b)) return true;
    // The slack of every check of a vehicle, which the order once had alone: a record it
    // passed still passes (a plateau's end, a sum no box shows, 1e-6 past the power peak).
    // It holds the roundings of Singles too: a sum of two lies within a step and a half (a
    // step is at most 2^-23 of a speed) of a third typed equal to it.
    if (!(a < b - CheckSlack(b))) return false;
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
