// Where a torque-curve polynomial crosses a level, how high it rises, and the cheap bound that
// lets the curve integral skip the search, on polynomials whose roots and extremes are known.
#include "vehicle/CurveCrossings.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using vehicle::CurvePolynomial;

// (w - 1)(w - 2)(w - 3)(w - 4) = w^4 - 10 w^3 + 35 w^2 - 50 w + 24: roots 1..4, value 24 at 0,
// turning points 2.5 (a top of 0.5625) and 2.5 -+ sqrt(1.25) (bottoms of -1).
constexpr CurvePolynomial kFourRoots{1, -10, 35, -50, 24};
// -(w - 5)^2 + 4 = -w^2 + 10 w - 21: top 4 at 5, roots 3 and 7.
constexpr CurvePolynomial kHill{0, 0, -1, 10, -21};

TEST(CurveCrossings, LevelsAreCrossedWhereTheRootsAre) {
    struct Case {
        CurvePolynomial p;
        double lo, hi, level;
        std::vector<double> crossings;
    };
    const Case cases[] = {
        {kFourRoots, 0.0, 5.0, 0.0, {1, 2, 3, 4}},
        {kFourRoots, 1.5, 3.5, 0.0, {2, 3}},
        {kFourRoots, 0.0, 5.0, 24.0, {}},          // 24 at both ends only, not inside
        {kHill, 0.0, 10.0, 3.0, {4, 6}},           // -(w - 5)^2 + 4 = 3 at 5 -+ 1
        {kHill, 0.0, 10.0, 5.0, {}},               // above the top
        {kHill, 6.0, 2.0, 0.0, {}},                // an empty range
    };
    for (const Case& c : cases) {
        std::array<double, 4> found{};
        const int n = vehicle::LevelCrossings(c.p, c.lo, c.hi, c.level, found);
        ASSERT_EQ(n, static_cast<int>(c.crossings.size()))
            << c.lo << ".." << c.hi << " @ " << c.level;
        for (std::size_t k = 0; k < c.crossings.size(); ++k)
            EXPECT_NEAR(found[k], c.crossings[k], 1e-12);
    }
}

TEST(CurveCrossings, MaximumIsAtAnEndOrATurningPoint) {
    EXPECT_DOUBLE_EQ(vehicle::CurveMaximum(kHill, 0.0, 10.0), 4.0);    // the top
    EXPECT_DOUBLE_EQ(vehicle::CurveMaximum(kHill, 6.0, 9.0), 3.0);     // the left end
    EXPECT_NEAR(vehicle::CurveMaximum(kFourRoots, 1.5, 3.5), 0.5625, 1e-12);
    EXPECT_DOUBLE_EQ(vehicle::CurveMaximum(kFourRoots, 0.0, 5.0), 24.0);  // both ends
    EXPECT_LT(vehicle::CurveMaximum(kHill, 2.0, 1.0), -1e300);
}

// The bound holds only where the whole range stays inside: a curve inside at the middle of
// the range but outside near its ends must not pass (the integral would then skip the parts
// where the torque is held at 0 or at the ceiling).
TEST(CurveCrossings, StaysWithinOnlyWhenTheWholeRangeDoes) {
    struct Case {
        CurvePolynomial p;
        double lo, hi, low, high;
        bool within;
    };
    const Case cases[] = {
        {kHill, 4.0, 6.0, 0.0, 10.0, true},    // 3 .. 4
        {kHill, 2.0, 8.0, 0.0, 10.0, false},   // 4 at the middle, -5 at the ends
        {kHill, 4.0, 6.0, 0.0, 3.5, false},    // 4 at the middle, above the top level
        {kHill, 4.9, 5.1, 3.9, 4.1, true},
        {kFourRoots, 2.4, 2.6, -2.0, 1.0, true},
        {kFourRoots, 0.5, 4.5, -2.0, 1.0, false},  // 0.5625 at the middle, 6.6 at the ends
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vehicle::CurveStaysWithin(c.p, c.lo, c.hi, c.low, c.high), c.within)
            << c.lo << ".." << c.hi;
    }
    EXPECT_DOUBLE_EQ(vehicle::EvaluateCurve(kFourRoots, 2.5), 0.5625);
}

}  // namespace
