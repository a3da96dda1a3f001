// Disc-spring stack arrangements (partitions counted by hand and from the partition numbers
// p(N)), the unit converter's factors and the level-ride spring rates.
#include <gtest/gtest.h>

#include <cmath>

#include "core/GlobalShared.hpp"
#include "ui/tools/calculators/BellevilleStack.hpp"
#include "ui/tools/LevelRide.hpp"
#include "ui/tools/UnitConversions.hpp"

namespace {

using namespace tools;

TEST(BellevilleStack, EveryPartitionInDescendingOrder) {
    // The partition numbers p(1) .. p(15).
    const int counts[] = {1, 2, 3, 5, 7, 11, 15, 22, 30, 42, 56, 77, 101, 135, 176};
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(BuildBellevilleStackConfigs(n).size(), static_cast<std::size_t>(counts[n - 1]))
            << n;
    std::vector<std::string> five;
    for (const auto& c : BuildBellevilleStackConfigs(5)) five.push_back(c.Config);
    EXPECT_EQ(five, (std::vector<std::string>{"5", "4-1", "3-2", "3-1-1", "2-2-1", "2-1-1-1",
                                              "1-1-1-1-1"}));
    // Those a bounded generator misses at 14 and 15 are there.
    auto has = [](int n, const std::string& config) {
        for (const auto& c : BuildBellevilleStackConfigs(n))
            if (c.Config == config) return true;
        return false;
    };
    EXPECT_TRUE(has(14, "4-4-3-3"));
    EXPECT_TRUE(has(15, "5-4-3-3"));
    EXPECT_TRUE(has(15, "4-4-3-3-1"));
    EXPECT_TRUE(BuildBellevilleStackConfigs(0).empty());
}

TEST(BellevilleStack, MultipliersVisualsAndNumbers) {
    const auto seven = BuildBellevilleStackConfigs(7);
    EXPECT_EQ(seven[0].Config, "7");
    EXPECT_EQ(seven[0].Visual, ">>>>>>>");
    EXPECT_FLOAT_EQ(seven[0].Multiplier, 7.0f);
    EXPECT_EQ(seven[0].Number, 1);
    for (const auto& c : seven) {
        if (c.Config == "3-2-2") {
            EXPECT_EQ(c.Visual, ">>><<>>");
            EXPECT_FLOAT_EQ(c.Multiplier, 0.75f);  // 1 / (1/3 + 1/2 + 1/2)
        }
    }
    EXPECT_EQ(seven.back().Config, "1-1-1-1-1-1-1");
    EXPECT_EQ(seven.back().Visual, "><><><>");
    EXPECT_EQ(core::RoundToDecimals(seven.back().Multiplier, 5), core::RoundToDecimals(1.0f / 7.0f, 5));
    EXPECT_EQ(seven.back().Number, 15);
    // 4-4-1-1 and 2-2-2-2-2 both stiffen by 0.4.
    for (const auto& c : BuildBellevilleStackConfigs(10))
        if (c.Config == "4-4-1-1" || c.Config == "2-2-2-2-2")
            EXPECT_FLOAT_EQ(c.Multiplier, 0.4f) << c.Config;
    // 500 N/mm typed with the N/mm factor (0.001 per N/m): 7 x 500 N/mm = 3.5e6 N/m.
    EXPECT_FLOAT_EQ(StackStiffness(7.0f, 500.0, 0.001), 3.5e6f);
}

TEST(UnitConverter, ConvertsToSIWithTheProgramsFactors) {
    EXPECT_EQ(ConversionText(ConvQuantity::Distance, "cm", 250.0f), "is 2.5 m");
    EXPECT_EQ(ConversionText(ConvQuantity::Distance, "in", 100.0f), "is 2.54 m");
    EXPECT_EQ(ConversionText(ConvQuantity::Mass, "Tons (Long)", 1.0f), "is 1016 kg");
    EXPECT_EQ(ConversionText(ConvQuantity::Mass, "lb", 100.0f), "is 45.4 kg");
    EXPECT_EQ(ConversionText(ConvQuantity::Power, "hp", 134.1f), "is 100 kW");
    EXPECT_EQ(ConversionText(ConvQuantity::Torque, "lbf ft", 100.0f), "is 135.6 Nm");
    EXPECT_EQ(ConversionText(ConvQuantity::Torque, "kgfm", 10.0f), "is 98.1 Nm");
    // A typed number beyond a Single ("1e40") has no figure to show.
    EXPECT_EQ(ConversionText(ConvQuantity::Distance, "cm", static_cast<float>(1e40)), "is N/A m");
    // No unit chosen (or a name of another case): nothing to show.
    EXPECT_FALSE(ConversionText(ConvQuantity::Distance, "", 250.0f));
    EXPECT_FALSE(ConversionText(ConvQuantity::Mass, "LB", 1.0f));
}

TEST(UnitConverter, TyreSizes) {
    EXPECT_EQ(TyreSizeText(205, 585, 380), "205 / 50 R15");
    // (600 - 406) / 2 / 225 x 100 = 43.1; 406 mm = 15.98 in.
    EXPECT_EQ(TyreSizeText(225, 600, 406), "225 / 43 R16");
    EXPECT_TRUE(CheckTyreSize(205, 585, 380).All());
    auto c = CheckTyreSize(205, 149, 380);
    EXPECT_FALSE(c.Height);
    EXPECT_FALSE(c.Rim);  // the rim is now above the height
    c = CheckTyreSize(0, 585, 380);  // a width of 0 would divide by zero
    EXPECT_FALSE(c.Width);
    EXPECT_FALSE(c.All());
    c = CheckTyreSize(205, 585, 99);
    EXPECT_TRUE(c.Height);
    EXPECT_FALSE(c.Rim);
}

// Front 600 kg sprung, rear 500 kg, motion ratios 1.0 and 0.8, wheelbase 2.5 m, 25 m/s.
LevelRideVehicle Car() { return {{600.0f, 500.0f}, {1.0f, 0.8f}, 2.5f, 25.0f}; }

TEST(LevelRide, RateForAFrequencyAndSliderRounding) {
    // (2 pi 1.5)^2 x 0.5 x 600 x 1^2 = 26647.9 N/m
    EXPECT_NEAR(SpringRateForFrequency(1.5f, 600.0f, 1.0f), 26647.93f, 0.05f);
    // x 0.8^2 on a 500 kg axle: 88.8264 x 250 x 0.64
    EXPECT_NEAR(SpringRateForFrequency(1.5f, 500.0f, 0.8f), 14212.23f, 0.05f);
    EXPECT_EQ(SpringSliderValue(7450.0f), 74);  // halves to even
    EXPECT_EQ(SpringSliderValue(7550.0f), 76);
    EXPECT_EQ(SpringSliderValue(26647.93f), 266);
}

TEST(LevelRide, StiffenSoftenAverageAndRevert) {
    // Front 1.4 Hz, rear 1.5 Hz now; level ride wants front 1.5 Hz for that rear, rear
    // 1/(1/1.4 - 0.1) = 1.628 Hz for that front.
    LevelRideSnapshot s{{20000.0f, 15000.0f}, {1.4f, 1.5f}, {1.5f, 1.628f}};
    const auto v = Car();
    const int32_t frontTarget = SpringSliderValue(SpringRateForFrequency(1.5f, 600.0f, 1.0f));
    const int32_t rearTarget = SpringSliderValue(SpringRateForFrequency(1.628f, 500.0f, 0.8f));
    // The front target is above the front frequency: Stiffen moves the front to its target;
    // Soften moves the other axle, the rear, to its target (the front's is not below).
    auto stiff = LevelRideSprings(LevelRideAction::Stiffen, s, v);
    ASSERT_TRUE(stiff);
    EXPECT_EQ(stiff->Front, frontTarget);
    EXPECT_EQ(stiff->Rear, 150);  // its rate at opening
    EXPECT_FALSE(stiff->RearFirst);
    auto soft = LevelRideSprings(LevelRideAction::Soften, s, v);
    EXPECT_EQ(soft->Rear, rearTarget);
    EXPECT_EQ(soft->Front, 200);
    EXPECT_TRUE(soft->RearFirst);
    // Equal values: both touch the rear.
    s.LevelRideFrequency[0] = s.RideFrequency[0];
    EXPECT_EQ(LevelRideSprings(LevelRideAction::Stiffen, s, v)->Front, 200);
    EXPECT_EQ(LevelRideSprings(LevelRideAction::Soften, s, v)->Front, 200);
    EXPECT_EQ(LevelRideSprings(LevelRideAction::Stiffen, s, v)->Rear, rearTarget);
    // Average: front k = mean of the target rate and 20000; rear matched to that frequency.
    s.LevelRideFrequency[0] = 1.5f;
    auto avg = LevelRideSprings(LevelRideAction::Average, s, v);
    const double k0 = (26647.93 + 20000.0) / 2.0;
    const double f0 = std::sqrt(k0 / 300.0) / (2.0 * 3.141592653589);
    const double f1 = 1.0 / (1.0 / f0 - 2.5 / 25.0);
    EXPECT_EQ(avg->Front, static_cast<int32_t>(std::lround(k0 / 100.0)));
    EXPECT_NEAR(*avg->Rear, (2 * 3.141592653589 * f1) * (2 * 3.141592653589 * f1) * 250 * 0.64 / 100.0, 0.51);
    const auto back = RevertSprings(s);
    EXPECT_EQ(back.Front, 200);
    EXPECT_EQ(back.Rear, 150);
}

TEST(LevelRide, NothingAtStandstillOrWithoutATargetAndNoRearWithoutAPeriod) {
    LevelRideSnapshot s{{20000.0f, 15000.0f}, {1.4f, 1.5f}, {1.5f, 1.628f}};
    auto v = Car();
    v.LiveSpeed = 0.0f;
    EXPECT_FALSE(LevelRideUsable(s, v));
    for (auto a : {LevelRideAction::Stiffen, LevelRideAction::Average, LevelRideAction::Soften})
        EXPECT_FALSE(LevelRideSprings(a, s, v));
    v = Car();
    s.LevelRideFrequency[1] = 0.0f;
    EXPECT_FALSE(LevelRideUsable(s, v));
    // 1/f0 - L/v <= 0: a slow car with a short period cannot be levelled at the rear.
    s.LevelRideFrequency = {1.5f, 1.628f};
    v.Wheelbase = 10.0f;
    v.LiveSpeed = 5.0f;  // L/v = 2 s, longer than any ride period here
    const auto avg = LevelRideSprings(LevelRideAction::Average, s, v);
    ASSERT_TRUE(avg);
    EXPECT_TRUE(avg->Front);
    EXPECT_FALSE(avg->Rear);
}

}  // namespace
