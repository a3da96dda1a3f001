#include "vehicle/GearSpacing.hpp"

#include <cmath>

#include "core/GlobalShared.hpp"

namespace vehicle {

namespace {
constexpr float kStartFactor = 1.075f;
constexpr double kCoarseStep = 0.0005;
constexpr double kFineStep = 0.00001;

// Index helper: the ratio and step arrays are indexed by gear.
std::size_t G(int gear) { return static_cast<std::size_t>(gear); }

// Steps S(1..numGears) for factor k (S(numGears) = 1) and their product.
float BuildSteps(float k, int numGears, GearSpacingMode mode, float adjust, GearRatioSet& steps) {
    steps[G(numGears)] = 1.0f;
    float product = 1.0f;
    int from = numGears - 1;
    float divisor = 4.0f;
    if (mode == GearSpacingMode::Adjustable) {
        steps[G(numGears - 1)] = adjust;
        product = adjust;
        from = numGears - 2;
        divisor = 6.0f;
    }
    for (int j = from; j >= 1; --j) {
        float growth = k;
        if (mode != GearSpacingMode::Linear)
            growth = static_cast<float>(
                std::pow(static_cast<double>(k), static_cast<double>(numGears - j + 2) / divisor));
        steps[G(j)] = growth * steps[G(j + 1)];
        product *= steps[G(j)];
    }
    return product;
}
}  // namespace

GearRatioSet AutoSpaceGearsEqual(float first, float top, int numGears) {
    GearRatioSet out{};
    if (numGears < kFewestGearsEqual || numGears > kMaxForwardGears) return out;
    const float step = static_cast<float>(
        std::pow(static_cast<double>(first / top), 1.0 / static_cast<double>(numGears - 1)));
    for (int g = 1; g <= numGears; ++g)
        out[G(g)] = static_cast<float>(std::pow(static_cast<double>(step), numGears - g)) * top;
    // The ends are the user's own: keep them exactly.
    out[1] = first;
    out[G(numGears)] = top;
    return out;
}

ProgressiveSpacing AutoSpaceGearsProgressive(float first, float top, int numGears,
                                             GearSpacingMode mode, int32_t adjusterValue) {
    ProgressiveSpacing r;
    if (numGears < kFewestGearsProgressive || numGears > kMaxForwardGears) return r;
    if (!(first > 0.0f && top > 0.0f && std::isfinite(first / top))) return r;
    const float adjust = 1.0f + static_cast<float>(adjusterValue) / 100.0f;
    const double target = static_cast<double>(first / top);
    const float low = static_cast<float>(target * 0.9999);
    const float high = static_cast<float>(target * 1.0001);
    const float farLow = static_cast<float>(target * 0.995);
    const float farHigh = static_cast<float>(target * 1.005);

    GearRatioSet steps{};
    float k = kStartFactor;
    while (r.Passes < kGearSpacingPasses) {
        const float product = BuildSteps(k, numGears, mode, adjust, steps);
        ++r.Passes;
        if (!std::isfinite(product)) break;  // k has left the range where steps exist
        if (product < low) {
            k = static_cast<float>(k + (product < farLow ? kCoarseStep : kFineStep));
        } else if (product > high) {
            k = static_cast<float>(k - (product > farHigh ? kCoarseStep : kFineStep));
        } else {
            r.Converged = true;
            break;
        }
    }
    r.Factor = k;
    r.Ratios[G(numGears)] = top;
    for (int j = numGears - 1; j >= 2; --j) r.Ratios[G(j)] = r.Ratios[G(j + 1)] * steps[G(j)];
    r.Ratios[1] = first;
    return r;
}

float TopGearDropPercent(int32_t adjusterValue) {
    const float step = static_cast<float>(adjusterValue) / 100.0f + 1.0f;
    return core::RoundToDecimals((1.0f - 1.0f / step) * 100.0f, 1);
}

}  // namespace vehicle
