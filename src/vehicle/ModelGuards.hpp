// Guards for the model arithmetic. A vehicle file can hold zeros (a mass, a tyre width, a
// wheelbase) that would make a quotient infinite or not a number; the models give 0 for such
// a result instead, and the displays show 0 from a model as "N/A" where the figure has no
// meaning. Nothing here changes a result whose inputs are sound.
#pragma once

#include <cmath>

namespace vehicle {

// numerator / denominator in single precision, or 0 when the denominator is 0 or the
// quotient is not finite.
inline float GuardedDiv(float numerator, float denominator) {
    if (denominator == 0.0f) return 0.0f;
    const float q = numerator / denominator;
    return std::isfinite(q) ? q : 0.0f;
}

// Square root of a length or area term that sound inputs keep non-negative; 0 for a negative
// or non-finite argument.
inline float GuardedSqrt(float x) {
    return (x > 0.0f && std::isfinite(x)) ? std::sqrt(x) : 0.0f;
}

// The value, or 0 when it is not finite.
inline float Finite(float x) { return std::isfinite(x) ? x : 0.0f; }

}  // namespace vehicle
