// The bound of the run searches' boxes: a value typed in a box is beyond the run's end (a
// speed or distance it never reached) only when it lies past the end by more than the box's
// own rounding. A box corrected to the end shows it in its unit's decimals, which may round it
// up by half a unit of the last decimal or a hair more (the end is a Single: 69.85 m/s is held
// as 69.8499985 and shown as "69.9"); read back, that text is the end itself, so the corrected
// box searches instead of correcting itself again to the same text, which would start no
// search at all.
#pragma once

#include <algorithm>
#include <cmath>

#include "core/OptionsSettings.hpp"

namespace analysis {

// value and end in internal units; q the quantity the box is typed in.
inline bool BeyondRunEnd(double value, double end, core::Quantity q) {
    constexpr double kRelative = 1e-6;  // share of the end value always counted as the end
    if (!(value > end)) return false;
    // The end as a corrected box shows it, read back: never beyond.
    const double shown = core::UnitInputValue(q, core::UnitNumberText(q, end));
    if (value <= shown) return false;
    const core::UnitSlot unit = core::UnitData(q);
    const double halfLastDecimal =
        unit.Factor > 0.0 ? 0.5 * std::pow(10.0, -static_cast<int>(unit.Decimals)) / unit.Factor
                          : 0.0;
    const double tolerance = std::max(kRelative * std::max(1.0, std::abs(end)), halfLastDecimal);
    return value - end > tolerance;
}

}  // namespace analysis
