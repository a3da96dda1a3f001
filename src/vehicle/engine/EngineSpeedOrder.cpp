#include "vehicle/engine/EngineSpeedOrder.hpp"

#include <algorithm>
#include <cmath>

#include "core/PhysicalConstants.hpp"
#include "core/Units.hpp"

namespace vehicle {

namespace {

constexpr double kRpm = core::kRpmToRadPerSec;

// Decimals a text of kEngineSpeedTextLength characters holds of a display value: what the
// digits before the point (a value below 1 has its "0") and the point leave ("157.080",
// "0.12345"); none where no point fits.
int Decimals(double display) {
    const double size = std::fabs(display);
    const int whole = size < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(size))) + 1;
    return std::max(0, kEngineSpeedTextLength - 1 - whole);
}

// At least a step of the Single of a speed (at most two): 2^-23 of it.
double SingleStep(double rpm) { return std::fabs(rpm) * 0x1p-23; }

// Zeros a text of `digits` (its figure as a whole number of units of the last decimal) drops
// at its end, of its `decimals`.
int DroppedZeros(double digits, int decimals) {
    int zeros = 0;
    while (zeros < decimals && digits != 0.0 && std::fmod(digits, 10.0) == 0.0) {
        digits /= 10.0;
        ++zeros;
    }
    return zeros;
}

// Whether `typed` (rpm) is what typing a text of a speed box in the unit `factor` (display
// units per rad/s) stores, and that is the text the box shows of `shown`. The text is the
// typed speed rounded to the box's decimals (a whole number over an exact power of ten is the
// double nearest the decimal, as a text reads), which the editor reads back divided by the
// rpm constant and the unit's factor, as a Single. The box shows, of the two texts either
// side of a speed, the one whose Single lies nearer the speed's; of two as near, the shorter,
// and of two as long, the one nearer in its digits (of two as near, the even).
bool TypedAsShownIn(double shown, double typed, double factor) {
    const double perRpm = kRpm * factor;  // display units per rpm
    const int decimals = Decimals(typed * perRpm);
    const double scale = std::pow(10.0, decimals);
    const double digits = std::round(typed * perRpm * scale);  // the text's, as a whole number
    const auto stored = [&](double text) { return static_cast<float>(text / kRpm / factor); };
    const float figure = stored(digits / scale);
    if (figure != static_cast<float>(typed)) return false;
    // The text a unit of the last digit away on the other side of the speed shown.
    const double across = digits + (figure > shown ? -1.0 : 1.0);
    const double near = std::fabs(figure - shown);
    const double other = std::fabs(stored(across / scale) - shown);
    if (near != other) return near < other;
    const int zeros = DroppedZeros(digits, decimals), acrossZeros = DroppedZeros(across, decimals);
    if (zeros != acrossZeros) return zeros > acrossZeros;
    // The speed shown in its display units, and how far each text lies from it in units of
    // the last decimal (the product held exact, as the box's digits are worked from it).
    const double display = shown * perRpm;
    const double off = std::fabs(std::fma(display, scale, -digits));
    const double acrossOff = std::fabs(std::fma(display, scale, -across));
    return off < acrossOff || (off == acrossOff && std::fmod(digits, 2.0) == 0.0);
}

bool TypedAsShown(double shown, double typed) {
    for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV))
        if (TypedAsShownIn(shown, typed, unit.Factor)) return true;
    return false;
}

}  // namespace

double EngineSpeedSlack(double rpm) {
    double slack = 0.0;
    for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV)) {
        const double perRpm = kRpm * unit.Factor;
        slack = std::max(slack, 0.5 * std::pow(10.0, -Decimals(rpm * perRpm)) / perRpm);
    }
    // The text's reach, and the Single it is stored as.
    return slack + 2.0 * SingleStep(rpm);
}

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
