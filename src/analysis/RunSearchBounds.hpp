// The bound of the run searches' boxes: a value typed in a box is beyond the run's end (a
// speed or distance it never reached) only when it lies past the end by more than the box's
// own rounding. A box corrected to the end shows it in its unit's decimals, which may round it
// up by half a unit of the last decimal; read back, that is the end itself, so the corrected
// box searches instead of correcting itself again.
#pragma once

#include <algorithm>
#include <cmath>

#include "core/OptionsSettings.hpp"

namespace analysis {

// value and end in internal units; q the quantity the box is typed in.
inline bool BeyondRunEnd(double value, double end, core::Quantity q) {
    constexpr double kRelative = 1e-6;  // share of the end value always counted as the end
    const core::UnitSlot unit = core::UnitData(q);
    const double halfLastDecimal =
        unit.Factor > 0.0 ? 0.5 * std::pow(10.0, -static_cast<int>(unit.Decimals)) / unit.Factor
                          : 0.0;
    const double tolerance = std::max(kRelative * std::max(1.0, std::abs(end)), halfLastDecimal);
    return value > end && value - end > tolerance;
}

}  // namespace analysis
