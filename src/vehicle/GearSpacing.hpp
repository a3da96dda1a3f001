// Gear-ratio auto-spacing (part of the gearing module): new intermediate ratios between the
// first and the top gear, which stay as they are.
//
//  - Equal spacing: a geometric series, every step ratio(g) / ratio(g+1) the same.
//  - Progressive spacing: the steps shrink towards the top gear by a common factor k, searched
//    so that the steps multiply to the spread first / top. Mode 0 grows the steps linearly in
//    k, mode 1 by k^((NumGears - j + 2) / 4), mode 2 the same with exponent / 6 from a fixed
//    step into top gear (the adjuster: step = 1 + value / 100).
//
// Ratios are dimensionless, gear index 1 = first gear. Single precision, as the boxes show.
#pragma once

#include <array>
#include <cstdint>

namespace vehicle {

inline constexpr int kMaxForwardGears = 7;
inline constexpr int32_t kGearSpacingPasses = 10000;  // most passes of the progressive search

// ratio(g) for g = 1 .. numGears (index 0 unused).
using GearRatioSet = std::array<float, kMaxForwardGears + 1>;

enum class GearSpacingMode : int16_t { Linear = 0, Exponential = 1, Adjustable = 2 };

// Fewest forward gears each method can respace: equal spacing needs two (it rewrites both
// ends with their own values), progressive spacing three (with two there is nothing between).
inline constexpr int kFewestGearsEqual = 2;
inline constexpr int kFewestGearsProgressive = 3;

// First gear `first`, top gear `top` of `numGears` (2..7): ratio(g) = step^(numGears - g) x top
// with step = (first / top)^(1 / (numGears - 1)); gears 1 and numGears come back as given (to
// single precision).
GearRatioSet AutoSpaceGearsEqual(float first, float top, int numGears);

struct ProgressiveSpacing {
    GearRatioSet Ratios{};  // gears 1..numGears; 1 and numGears as given
    float Factor = 0.0f;    // k reached
    int32_t Passes = 0;     // search passes run
    bool Converged = false; // the steps multiply to the spread within 0.01 %
};

// Progressive spacing for `numGears` (3..7) from positive ratios (anything else gives no
// ratios and no passes); `adjusterValue` (5..50) is read in mode 2 only.
// The search starts at k = 1.075 and moves k by 0.0005 while the product is more than 0.5 %
// off, then by 0.00001, until it is within 0.01 % or kGearSpacingPasses passes have run; the
// ratios of the last pass are returned either way.
ProgressiveSpacing AutoSpaceGearsProgressive(float first, float top, int numGears,
                                             GearSpacingMode mode, int32_t adjusterValue);

// The drop in engine speed on the shift into top gear (%) for an adjuster value: the step is
// value / 100 + 1, the drop (1 - 1 / step) x 100, rounded to one place.
float TopGearDropPercent(int32_t adjusterValue);

}  // namespace vehicle
