#include "files/GearRatioCodec.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/GlobalShared.hpp"

namespace {

using files::LfsRatioToWord;
using files::LfsWordToRatio;

// The 16-bit pattern of a word above 32767 as held in an int16_t.
int16_t Signed(int word) { return static_cast<int16_t>(word > 32767 ? word - 65536 : word); }

TEST(GearRatioCodec, KnownWords) {
    // word = (ratio - 0.5) x 9362
    EXPECT_EQ(LfsWordToRatio(0), 0.5f);
    EXPECT_EQ(LfsRatioToWord(0.5f), 0);
    EXPECT_EQ(LfsRatioToWord(3.5f), 28086);  // 3.0 x 9362
    EXPECT_EQ(LfsWordToRatio(28086), 3.5f);
    EXPECT_EQ(LfsRatioToWord(4.0f), 32767);  // 3.5 x 9362
    EXPECT_EQ(LfsWordToRatio(32767), 4.0f);
    EXPECT_EQ(LfsRatioToWord(4.5f), Signed(37448));  // 4.0 x 9362
    EXPECT_EQ(LfsWordToRatio(Signed(37448)), 4.5f);
    EXPECT_EQ(LfsWordToRatio(-1), 7.5f);  // 65535 / 9362 + 0.5 = 7.49995 -> 7.500
    EXPECT_EQ(LfsRatioToWord(7.5f), Signed(65534));
    EXPECT_EQ(LfsRatioToWord(2.00005f), 14043);  // 1.50005 x 9362 = 14043.47
    EXPECT_EQ(LfsRatioToWord(1.25f), 7022);      // 7021.5 rounds away from zero
    // Ratios without a word clamp to the nearest end.
    for (float low : {0.0f, -3.5f, NAN}) EXPECT_EQ(LfsRatioToWord(low), 0) << low;
    for (float high : {11.0f, 100.0f}) EXPECT_EQ(LfsRatioToWord(high), Signed(65535)) << high;
}

TEST(GearRatioCodec, RatiosJustAboveFour) {
    // 4 + 2^-21 gives 32767.004; 4.00005 gives 32767.47; both are word 32767.
    EXPECT_EQ(LfsRatioToWord(std::nextafter(4.0f, 5.0f)), 32767);
    EXPECT_EQ(LfsRatioToWord(4.00005f), 32767);
    EXPECT_EQ(LfsRatioToWord(4.0001f), Signed(32768));  // 32767.94
    // 4.25 gives exactly 35107.5; files have always stored the signed equivalent rounded
    // away from zero (-30428.5 -> -30429), that is word 35107.
    EXPECT_EQ(LfsRatioToWord(4.25f), Signed(35107));
}

TEST(GearRatioCodec, ThreeDecimalRatiosRoundTrip) {
    core::GlobalShared() = core::GlobalSharedState{};
    // About 9.4 words per 0.001, so every ratio of three decimals decodes to itself.
    for (int k = 500; k <= 7500; ++k) {
        const float ratio = static_cast<float>(k / 1000.0);
        ASSERT_EQ(LfsWordToRatio(LfsRatioToWord(ratio)), ratio) << k;
    }
}

TEST(GearRatioCodec, WordsComeBackWithinHalfAThousandth) {
    // A decoded ratio keeps three decimals (0.0005 x 9362 = 4.7 words).
    for (int w = 0; w <= 65535; ++w) {
        const int back = static_cast<uint16_t>(LfsRatioToWord(LfsWordToRatio(Signed(w))));
        ASSERT_LE(std::abs(back - w), 5) << w;
    }
}

}  // namespace
