// Gear-ratio auto-spacing against closed forms. With steps S(j) = ratio(j) / ratio(j+1):
//  - equal spacing is the geometric series ratio(g) = top x (first / top)^((n - g) / (n - 1));
//  - progressive mode 0 has S(n-m) = k^m, so the steps multiply to k^(n(n-1)/2) = spread;
//  - modes 1 and 2 grow the steps by k^e with known exponents e, so log k is log spread (less
//    the fixed top step in mode 2) over the sum of those exponents.
#include <gtest/gtest.h>

#include <cmath>

#include "vehicle/GearSpacing.hpp"

namespace {

using namespace vehicle;

TEST(GearSpacing, EqualSpacingOfASixSpeedBoxIsAGeometricSeries) {
    const float first = 3.5f, top = 0.8f;
    const GearRatioSet r = AutoSpaceGearsEqual(first, top, 6);
    const double step = std::pow(3.5 / 0.8, 1.0 / 5.0);
    for (int g = 1; g <= 6; ++g)
        EXPECT_NEAR(r[g], 0.8 * std::pow(step, 6 - g), 2e-6) << g;
    EXPECT_EQ(r[1], first);
    EXPECT_EQ(r[6], top);
    for (int g = 1; g < 5; ++g)  // every step the same
        EXPECT_NEAR(r[g] / r[g + 1], r[g + 1] / r[g + 2], 2e-6) << g;
    // Two gears: both ends back as they were.
    const GearRatioSet two = AutoSpaceGearsEqual(2.0f, 1.0f, 2);
    EXPECT_EQ(two[1], 2.0f);
    EXPECT_EQ(two[2], 1.0f);
}

TEST(GearSpacing, LinearProgressionMatchesTheClosedForm) {
    const auto s = AutoSpaceGearsProgressive(3.5f, 0.9f, 6, GearSpacingMode::Linear, 18);
    ASSERT_TRUE(s.Converged);
    const double k = std::pow(3.5 / 0.9, 1.0 / 15.0);  // k^(1+2+3+4+5) = spread
    EXPECT_NEAR(s.Ratios[5], 0.9 * k, 3e-4);
    EXPECT_NEAR(s.Ratios[4], 0.9 * k * k * k, 6e-4);
    EXPECT_NEAR(s.Ratios[2], 0.9 * std::pow(k, 1 + 2 + 3 + 4), 1.5e-3);
    EXPECT_EQ(s.Ratios[1], 3.5f);
    EXPECT_EQ(s.Ratios[6], 0.9f);
    // The steps shrink towards the top gear.
    for (int g = 1; g < 5; ++g) EXPECT_GT(s.Ratios[g] / s.Ratios[g + 1], s.Ratios[g + 1] / s.Ratios[g + 2]);
}

// log k over the sum of the exponents of the steps S(1..n-1), for the exponential modes.
double ExpectedFactor(double spread, int n, GearSpacingMode mode, double adjust) {
    const double divisor = mode == GearSpacingMode::Adjustable ? 6.0 : 4.0;
    const int grown = mode == GearSpacingMode::Adjustable ? n - 2 : n - 1;  // steps that grow
    double exponents = 0.0;
    for (int j = 1; j <= grown; ++j)
        for (int i = j; i <= grown; ++i) exponents += (n - i + 2) / divisor;
    double logSpread = std::log(spread);
    if (mode == GearSpacingMode::Adjustable) logSpread -= grown * std::log(adjust) + std::log(adjust);
    return std::exp(logSpread / exponents);
}

TEST(GearSpacing, ExponentialModesMatchTheirClosedForms) {
    for (auto mode : {GearSpacingMode::Exponential, GearSpacingMode::Adjustable}) {
        const auto s = AutoSpaceGearsProgressive(3.2f, 0.85f, 5, mode, 18);
        ASSERT_TRUE(s.Converged) << static_cast<int>(mode);
        const double k = ExpectedFactor(3.2 / 0.85, 5, mode, 1.18);
        // The search stops within 0.01 % of the spread: k within a few of its 1e-5 steps.
        EXPECT_NEAR(s.Factor, k, 4e-5) << static_cast<int>(mode);
        // Each step is the next one times k^((n - j + 2) / divisor): for j = 2, n = 5 the
        // exponent is 5/4 (mode 1) or 5/6 (mode 2). Step 1 ends on the user's first gear, so
        // it holds only to the search's 0.01 %.
        const double divisor = mode == GearSpacingMode::Adjustable ? 6.0 : 4.0;
        const double s1 = s.Ratios[1] / s.Ratios[2], s2 = s.Ratios[2] / s.Ratios[3],
                     s3 = s.Ratios[3] / s.Ratios[4];
        EXPECT_NEAR(s2 / s3, std::pow(s.Factor, 5.0 / divisor), 1e-5);
        EXPECT_NEAR(s1 / s2, std::pow(s.Factor, 6.0 / divisor), 2e-4);
    }
    // Mode 2: the step into top gear is the adjuster's.
    const auto s = AutoSpaceGearsProgressive(3.2f, 0.85f, 5, GearSpacingMode::Adjustable, 18);
    EXPECT_NEAR(s.Ratios[4], 0.85f * 1.18f, 1e-6);
}

TEST(GearSpacing, ThreeGearsAdjustableWritesTheAdjusterStepOnly) {
    const auto s = AutoSpaceGearsProgressive(2.5f, 1.0f, 3, GearSpacingMode::Adjustable, 30);
    ASSERT_TRUE(s.Converged);
    EXPECT_NEAR(s.Ratios[2], 1.3f, 1e-6);  // S(2) = 1 + 30 / 100
    // S(1) = k^(4/6) x 1.3 and S(1) x S(2) = 2.5.
    EXPECT_NEAR(std::pow(s.Factor, 4.0 / 6.0) * 1.3 * 1.3, 2.5, 2.5e-4);
}

TEST(GearSpacing, AnUnreachableSpreadReportsNoConvergence) {
    // Three gears, a top step of only 1.05 and a spread of 5: S(1) = k^(2/3) x 1.05 must be
    // 4.76, so k must climb to about 9.8, beyond the 0.0005-step reach of the passes (6.08).
    const auto s = AutoSpaceGearsProgressive(2.5f, 0.5f, 3, GearSpacingMode::Adjustable, 5);
    EXPECT_FALSE(s.Converged);
    EXPECT_EQ(s.Passes, kGearSpacingPasses);
    // Converging on the very last pass still counts as converged (unlike a bare pass count).
    const auto quick = AutoSpaceGearsProgressive(3.5f, 0.9f, 6, GearSpacingMode::Linear, 18);
    EXPECT_TRUE(quick.Converged);
    EXPECT_LT(quick.Passes, kGearSpacingPasses);
}

TEST(GearSpacing, TooFewGearsGiveNothing) {
    EXPECT_EQ(AutoSpaceGearsEqual(3.0f, 1.0f, 1)[1], 0.0f);
    const auto s = AutoSpaceGearsProgressive(3.0f, 1.0f, 2, GearSpacingMode::Linear, 18);
    EXPECT_EQ(s.Passes, 0);
    EXPECT_EQ(s.Ratios[1], 0.0f);
}

TEST(GearSpacing, TopGearDrop) {
    EXPECT_FLOAT_EQ(TopGearDropPercent(18), 15.3f);  // 1 - 1 / 1.18 = 0.1525
    EXPECT_FLOAT_EQ(TopGearDropPercent(5), 4.8f);
    EXPECT_FLOAT_EQ(TopGearDropPercent(50), 33.3f);
}

}  // namespace
