#include "vehicle/engine/EngineSpeedText.hpp"

#include <algorithm>
#include <cmath>

#include "core/PhysicalConstants.hpp"
#include "core/Units.hpp"

namespace vehicle {

namespace {

constexpr double kRpm = core::kRpmToRadPerSec;

// Decimals a text of kEngineSpeedTextLength characters holds of a display value: what the
// digits before the point (a value below 1 has its "0") and the point leave ("157.080",
// "0.12345"); none where no point fits, nor for a value without digits (infinite or NaN).
int Decimals(double display) {
    const double size = std::fabs(display);
    if (!std::isfinite(size)) return 0;
    const int whole = size < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(size))) + 1;
    return std::max(0, kEngineSpeedTextLength - 1 - whole);
}

// At least a step of the Single of a speed `rpm` (at most two): 2^-23 of it.
double SingleStep(double rpm) { return std::fabs(rpm) * 0x1p-23; }

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

}  // namespace vehicle
