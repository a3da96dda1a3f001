// Division for the drivetrain models: a divisor a vehicle file or a setup can make zero gives
// 0 instead of infinity or NaN, and so does a quotient that does not fit a Single.
#pragma once

#include <cmath>

namespace vehicle {

inline float DivOrZero(float numerator, float denominator) {
    if (denominator == 0.0f) return 0.0f;
    const float q = numerator / denominator;
    return std::isfinite(q) ? q : 0.0f;
}

}  // namespace vehicle
