// The order of an engine's speeds: what the slack of every check of a vehicle took as equal
// still is (the order had that slack alone before it knew the editor's box texts, and files
// of that time hold such speeds), and a speed without digits equals no finite one.
#include "vehicle/EngineSpeedOrder.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "vehicle/CheckSlack.hpp"

namespace {

using vehicle::SpeedBelow;

// Speeds from 1 to 240000 rpm, spread evenly in size, each with a second speed up to three
// slacks above it: the second lies above the first unless it is within the slack of it.
TEST(EngineSpeedOrder, WhatTheCheckSlackTookAsEqualStillIs) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int within = 0;
    for (int k = 0; k < 20000; ++k) {
        const auto a = static_cast<float>(std::pow(240000.0, unit(rng)));
        const auto b = static_cast<float>(a + 3.0 * vehicle::CheckSlack(a) * unit(rng));
        if (b - static_cast<double>(a) > vehicle::CheckSlack(b)) continue;
        ++within;
        EXPECT_FALSE(SpeedBelow(a, b)) << a << " " << b;
        EXPECT_FALSE(SpeedBelow(b, a)) << a << " " << b;
    }
    EXPECT_GT(within, 5000);
    // Exactly the slack apart is equal too, where no box's text of the one types the other
    // (6999.993 rpm shows as "6999.99" rpm).
    for (const double speed : {1000.0, 6000.0, 7000.0, 8000.0, 100000.0})
        EXPECT_FALSE(SpeedBelow(speed - vehicle::CheckSlack(speed), speed)) << speed;
    // The plateau typed in rad/s from 868.546 for 59.9 against a power peak typed as 928.445:
    // its end lies 0.0087 rpm past the peak.
    const double end = 8294.00293 + 572.002869;
    EXPECT_FALSE(SpeedBelow(8865.99707f, end));
    EXPECT_FALSE(vehicle::FindEngineSpeedConflicts(8294.00293f, 572.002869f, 8865.99707f, 750.0,
                                                   9000.0)
                     .PowerInsidePlateau);
    // A thousandth of an rpm beyond the slack lies below.
    EXPECT_TRUE(SpeedBelow(8865.99707 - 0.001 - vehicle::CheckSlack(end), end));
}

// The slack of a speed: half a unit of the last digit of the text a seven-character box shows
// of it, in the unit where that unit is largest, and two steps of its Single (2^-23 of it
// each). 1500 rpm shows as "1500.00" rpm (a unit of 0.01 rpm), "157.080" rad/s (0.0095 rpm)
// and "25.0000" rev/s (0.006 rpm); past 100 rev/s a digit goes: 6000.03 rpm shows as "100.001"
// rev/s (0.06 rpm). 200000 rpm shows as "200000" rpm.
TEST(EngineSpeedOrder, TheSlackIsHalfTheLastDigitOfTheWidestText) {
    const struct {
        double rpm, half;  // rpm
    } cases[] = {{1500.0, 0.005}, {5999.99, 0.005}, {6000.03, 0.03}, {200000.0, 0.5}};
    for (const auto& c : cases) {
        EXPECT_NEAR(vehicle::EngineSpeedSlack(c.rpm), c.half + 2.0 * std::ldexp(c.rpm, -23), 1e-9)
            << c.rpm;
        // Below 0 too, where no range lets a speed reach the order: the slack of its size.
        EXPECT_EQ(vehicle::EngineSpeedSlack(-c.rpm), vehicle::EngineSpeedSlack(c.rpm)) << c.rpm;
    }
}

// An infinite speed is no finite one, however large the slack of its size; a speed that is no
// number is in order with none, itself included. The slack of such speeds is worked out
// without a whole number made of them.
TEST(EngineSpeedOrder, ASpeedWithoutDigitsEqualsNoFiniteOne) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    for (const double finite : {0.0, 1500.0, 1e30}) {
        EXPECT_TRUE(SpeedBelow(finite, inf)) << finite;
        EXPECT_FALSE(SpeedBelow(inf, finite)) << finite;
        EXPECT_TRUE(SpeedBelow(-inf, finite)) << finite;
        EXPECT_TRUE(SpeedBelow(finite, nan)) << finite;
        EXPECT_TRUE(SpeedBelow(nan, finite)) << finite;
    }
    EXPECT_FALSE(SpeedBelow(inf, inf));
    EXPECT_TRUE(SpeedBelow(nan, nan));
    EXPECT_EQ(vehicle::EngineSpeedSlack(inf), inf);
    EXPECT_EQ(vehicle::EngineSpeedSlack(-inf), inf);
    EXPECT_TRUE(std::isnan(vehicle::EngineSpeedSlack(nan)));
    EXPECT_GT(vehicle::EngineSpeedSlack(1e300), 0.0);
}

}  // namespace
