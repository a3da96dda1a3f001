// Level crossings and the cheap bound of the curve integral, on polynomials whose roots and
// extremes are known.
#include "vehicle/engine/CurveCrossings.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// (w - 1)(w - 2)(w - 3)(w - 4): roots 1..4, 0.5625 at the top 2.5, 24 at 0 and 5.
constexpr vehicle::CurvePolynomial kFourRoots{0, 1, -10, 35, -50, 24};
// 4 - (w - 5)^2: top 4 at 5, roots 3 and 7.
constexpr vehicle::CurvePolynomial kHill{0, 0, 0, -1, 10, -21};
// w (w - 1)(w - 2)(w - 3)(w - 4): a quartic times the speed, as where a curve meets a power
// bound; roots 0..4.
constexpr vehicle::CurvePolynomial kFiveRoots{1, -10, 35, -50, 24, 0};

TEST(CurveCrossings, CrossingsLieWhereTheRootsAre) {
    const std::vector<double> all{1, 2, 3, 4}, middle{2, 3}, sides{4, 6};
    const struct { vehicle::CurvePolynomial p; double lo, hi, level; std::vector<double> at; }
        cases[] = {{kFourRoots, 0, 5, 0, all}, {kFourRoots, 1.5, 3.5, 0, middle},
                   {kFourRoots, 0, 5, 24, {}}, {kHill, 0, 10, 3, sides}, {kHill, 0, 10, 5, {}},
                   {kFiveRoots, -1, 5, 0, {0, 1, 2, 3, 4}}, {kFiveRoots, 0.5, 3.5, 0, {1, 2, 3}}};
    for (const auto& c : cases) {
        std::array<double, 5> found{};
        ASSERT_EQ(vehicle::LevelCrossings(c.p, c.lo, c.hi, c.level, found), int(c.at.size()));
        for (std::size_t k = 0; k < c.at.size(); ++k) EXPECT_NEAR(found[k], c.at[k], 1e-12);
    }
}

// Inside at the middle of the range is not enough: the integral would skip the parts held at
// 0 or at the ceiling near the ends.
TEST(CurveCrossings, StaysWithinOnlyWhenTheWholeRangeDoes) {
    const struct { vehicle::CurvePolynomial p; double lo, hi, low, high; bool within; } cases[] = {
        {kHill, 4, 6, 0, 10, true},    {kHill, 2, 8, 0, 10, false},  // -5 at 2 and 8
        {kHill, 4, 6, 0, 3.5, false},  {kFourRoots, 2.4, 2.6, -2, 1, true},
        {kFourRoots, 0.5, 4.5, -2, 1, false},                        // 6.6 at the ends
        {kFiveRoots, 0.4, 0.6, 0, 10, true}, {kFiveRoots, 0.1, 1.1, 0, 10, false}};
    for (const auto& c : cases)
        EXPECT_EQ(vehicle::CurveStaysWithin(c.p, c.lo, c.hi, c.low, c.high), c.within) << c.lo;
}

}  // namespace
