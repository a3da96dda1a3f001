#include "core/GlobalShared.hpp"

#include <gtest/gtest.h>

#include <bit>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using core::RoundToDecimals;
using core::RoundToSigFigs;

class GlobalSharedTest : public ::testing::Test {
protected:
    void SetUp() override { core::GlobalShared() = core::GlobalSharedState{}; }
    core::RoundCacheState& Cache() { return core::GlobalShared().RoundCache; }
};

TEST_F(GlobalSharedTest, RoundToDecimals) {
    struct Case {
        float value;
        int places;
        float expected;
    };
    const Case cases[] = {
        // Halves away from zero.
        {2.5f, 0, 3.0f}, {-2.5f, 0, -3.0f}, {0.4f, 0, 0.0f}, {-0.6f, 0, -1.0f}, {0.05f, 1, 0.1f},
        {1.25f, 1, 1.3f}, {-1.25f, 1, -1.3f}, {1.24f, 1, 1.2f}, {123.456f, 2, 123.46f},
        {7.0f, 3, 7.0f},
        // Scaled in decimal: 0.45f is 0.449999988 and 2.45f is 2.45000005; scaled in binary
        // 0.45f x 10 would fall below 4.5. At seven decimal digits both are an exact half.
        {0.45f, 1, 0.5f}, {2.45f, 1, 2.5f}, {1.005f, 2, 1.01f}, {-0.45f, 1, -0.5f},
        // Only the first dropped digit counts.
        {1.249f, 1, 1.2f}, {0.0499f, 1, 0.0f},
        // Negative places.
        {1234.0f, -2, 1200.0f}, {1250.0f, -2, 1300.0f}, {-1250.0f, -2, -1300.0f},
        {45.0f, -1, 50.0f},
        // Huge values, and a value scaled below the smallest float.
        {3e38f, 5, 3e38f}, {1e-40f, -3, 0.0f}};
    for (const Case& c : cases) {
        Cache() = {};  // every case computed, never served from the previous one
        EXPECT_EQ(RoundToDecimals(c.value, c.places), c.expected) << c.value << " at " << c.places;
    }
    EXPECT_TRUE(std::isinf(RoundToDecimals(INFINITY, 2)));
    EXPECT_TRUE(std::isnan(RoundToDecimals(NAN, 2)));
}

// A planted result proves that a repeat is served from the cache and anything else is not.
TEST_F(GlobalSharedTest, CacheIsKeyedOnValueAndPlacesAndZeroLeavesItAlone) {
    EXPECT_EQ(RoundToDecimals(1.25f, 1), 1.3f);
    EXPECT_EQ(RoundToDecimals(0.0f, 3), 0.0f);
    Cache().LastResult = 99.0f;
    EXPECT_EQ(RoundToDecimals(1.25f, 1), 99.0f);
    EXPECT_EQ(RoundToDecimals(1.25f, 0), 1.0f);  // same value, other places: computed
    Cache().LastResult = 99.0f;
    EXPECT_EQ(RoundToDecimals(1.25f, 0), 99.0f);
    EXPECT_EQ(RoundToDecimals(1.35f, 0), 1.0f);  // other value: computed
}

TEST_F(GlobalSharedTest, RoundToSigFigs) {
    EXPECT_EQ(RoundToSigFigs(0.0f, 3), 0.0f);
    EXPECT_EQ(RoundToSigFigs(4.56f, 2), 4.6f);
    EXPECT_EQ(RoundToSigFigs(9.96f, 2), 10.0f);
    EXPECT_EQ(RoundToSigFigs(-456.0f, 2), -460.0f);
    EXPECT_EQ(RoundToSigFigs(-45.6f, 2), -46.0f);
    EXPECT_EQ(RoundToSigFigs(0.012345f, 3), 0.0123f);
    EXPECT_EQ(RoundToSigFigs(1000.0f, 1), 1000.0f);
    EXPECT_EQ(RoundToSigFigs(999.6f, 3), 1000.0f);
}

TEST_F(GlobalSharedTest, Log10) {
    EXPECT_EQ(core::Log10(1000.0f), 3.0f);
    EXPECT_EQ(core::Log10(0.01f), -2.0f);
    EXPECT_TRUE(std::isinf(core::Log10(0.0f)));
    EXPECT_TRUE(std::isnan(core::Log10(-1.0f)));
}

TEST_F(GlobalSharedTest, MaxMinTakeTheSecondOnATie) {
    EXPECT_EQ(core::MaxSingle(2.0f, 1.0f), 2.0f);
    EXPECT_EQ(core::MaxSingle(1.0f, 2.0f), 2.0f);
    EXPECT_EQ(core::MinSingle(2.0f, 1.0f), 1.0f);
    // +0 and -0 compare equal; the sign shows which argument came back.
    EXPECT_TRUE(std::signbit(core::MaxSingle(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(core::MinSingle(-0.0f, 0.0f)));
}

TEST_F(GlobalSharedTest, Lerp) {
    EXPECT_EQ(core::LerpSingle(0.0f, 10.0f, 0.25f), 2.5f);
    EXPECT_EQ(core::LerpSingle(4.0f, 8.0f, 1.0f), 8.0f);
    EXPECT_EQ(core::LerpSingle(4.0f, 8.0f, -0.5f), 2.0f);  // extrapolates
    EXPECT_DOUBLE_EQ(core::LerpDouble(1.0, 3.0, 0.5), 2.0);
    // One rounding: (1 - 1/3) x 1 + 2 x 1/3 in double, then to float.
    const float third = 1.0f / 3.0f;
    const double exact = (1.0 - third) * 1.0 + 2.0 * static_cast<double>(third);
    EXPECT_EQ(core::LerpSingle(1.0f, 2.0f, third), static_cast<float>(exact));
}

TEST_F(GlobalSharedTest, BitPacking) {
    const core::FlagBits five = core::ByteToBits(5);
    const core::FlagBits expected{-1, 0, -1, 0, 0, 0, 0, 0};
    EXPECT_EQ(five, expected);
    EXPECT_EQ(core::BitsToString(five), "00000101");
    EXPECT_EQ(core::BitsToByte(five), 5);
    EXPECT_EQ(core::BitsToString(core::ByteToBits(128)), "10000000");
    for (int b = 0; b < 256; ++b)
        ASSERT_EQ(core::BitsToByte(core::ByteToBits(static_cast<uint8_t>(b))), b);
}

struct Tagged {
    float key;
    int tag;
    bool operator<(const Tagged& o) const { return key < o.key; }
};

TEST_F(GlobalSharedTest, MergeSortMatchesStableSortOnRandomLists) {
    std::mt19937 rng(7);
    for (int n : {0, 1, 2, 3, 5, 16, 17, 100}) {
        std::vector<Tagged> v;
        for (int i = 0; i < n; ++i) v.push_back({static_cast<float>(rng() % 10), i});
        std::vector<Tagged> expected = v;
        std::stable_sort(expected.begin(), expected.end());
        core::MergeSortVariants(v);
        for (int i = 0; i < n; ++i) ASSERT_EQ(v[i].tag, expected[i].tag) << "n=" << n;
    }
    std::vector<float> floats{2.5f, -1.0f, 0.0f};
    core::MergeSortVariants(floats);
    EXPECT_EQ(floats, (std::vector<float>{-1.0f, 0.0f, 2.5f}));
}

// ---- The arithmetic scaling of RoundToDecimals against its decimal-text definition ----

// Every float the fast path meets must scale to exactly the float the decimal text gives:
// random bit patterns over the display range, and the awkward cases of exact ties at the
// eighth digit (1234567.5), values just below a power of ten and sub-millimetre deflections.
TEST(RoundToDecimalsScaling, ArithmeticMatchesTheDecimalText) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<uint32_t> bits(0x2B8CBCCC, 0x5368D4A5);  // ~1e-12 .. ~1e12
    std::uniform_int_distribution<int> placesDist(-6, 9);
    int checked = 0;
    auto check = [&](float v, int places) {
        float fast = 0, slow = 0;
        const bool okFast = core::detail::ScaleDecimal(v, places, fast);
        const bool okSlow = core::detail::ScaleDecimalByText(v, places, slow);
        ASSERT_EQ(okFast, okSlow) << v << " at " << places;
        if (okSlow) {
            ASSERT_EQ(std::bit_cast<uint32_t>(fast), std::bit_cast<uint32_t>(slow))
                << v << " at " << places;
        }
        ++checked;
    };
    for (int i = 0; i < 400000; ++i) {
        float v = std::bit_cast<float>(bits(rng));
        if (i % 2) v = -v;
        check(v, placesDist(rng));
    }
    for (float v : {1234567.5f, 12345675.0f, 0.45f, 2.45f, 1.005f, 9999999.0f, 999999.94f,
                    0.099999994f, 0.01955f, 1e-7f, 3.0e-5f, 123.456f}) {
        for (int places = -3; places <= 9; ++places) check(v, places);
    }
    EXPECT_GT(checked, 400000);
}

// The tyre model skips the 7-decimal comparison of two deflections that lie further apart than
// 1.2e-7 + 1.2e-6 x the larger value, relying on this: such values never round alike.
TEST(RoundToDecimalsScaling, ValuesFurtherApartThanTheBoundNeverRoundAlikeAtSevenDecimals) {
    std::mt19937 rng(99);
    std::uniform_real_distribution<double> magnitude(-5.0, 1.0);  // 1e-5 .. 10
    for (int i = 0; i < 200000; ++i) {
        const float a = static_cast<float>(std::pow(10.0, magnitude(rng)));
        const float bound = 1.2e-7f + 1.2e-6f * a;
        // The nearest float just beyond the bound above a.
        const float b = std::nextafter(a + bound, 1e30f);
        ASSERT_NE(core::RoundToDecimals(a, 7), core::RoundToDecimals(b, 7)) << a << " " << b;
    }
}

}  // namespace
