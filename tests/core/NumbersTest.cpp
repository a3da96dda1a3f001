#include "core/Numbers.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

using core::CByteChecked;
using core::CIntChecked;
using core::CLngChecked;
using core::DoubleText;
using core::SingleText;
using core::Val;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Val, ReadsTheLongestLeadingNumber) {
    const std::pair<std::string, double> cases[] = {
        {"12.5xyz", 12.5}, {"  \t42", 42.0}, {"+7", 7.0}, {".5", 0.5}, {"-.5e1", -5.0},
        {"2.5E-2", 0.025}, {"1e3", 1000.0},
        {"1.2.3", 1.2},  // a second point ends the number
        {"1,5", 1.0},    // a comma is never a decimal point
        {"3e", 3.0}, {"3e+x", 3.0},  // an exponent needs digits
        // D is the exponent letter of double-precision numbers.
        {"1D3", 1000.0}, {"2.5d-2", 0.025}, {"-1.5D+2", -150.0}, {"4D", 4.0}, {"1D999", kInf},
        // Blanks inside the number are skipped.
        {"1 2", 12.0}, {"- 5", -5.0}, {"1 . 5 e 1", 15.0}, {"\n3", 3.0},
        // No number: zero.
        {"", 0.0}, {"   ", 0.0}, {"abc", 0.0}, {"-", 0.0}, {".", 0.0}, {"= 5", 0.0},
        {"&X12", 0.0},
        // Hexadecimal and octal.
        {"&H1F", 31.0}, {"&h1f", 31.0}, {"&O17", 15.0}, {"&HFFFF", 65535.0}, {"&H", 0.0},
        {"&O19", 1.0},  // 9 is no octal digit
        // Huge and tiny numbers do not throw.
        {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0.0}, {std::string(400, '9'), kInf}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(Val(text), expected) << text;
}

// A typed number takes the comma as the point, and tells a complete number from a text that
// only begins with one (what a box refuses at the end of an edit), and both from a text that
// holds no number at all (a 0 followed by a unit holds a 0; blanks alone hold none).
TEST(TypedNumber, TakesTheCommaAsThePointAndTellsAWholeNumber) {
    struct Case {
        const char* text;
        double value;
        bool whole;
        bool found = true;
    };
    const Case cases[] = {
        {"100,5", 100.5, true}, {"2.5", 2.5, true}, {" -0,25 ", -0.25, true}, {"3,", 3.0, true},
        {"1 2", 12.0, true}, {"1e3", 1000.0, true}, {"&H1F", 31.0, true},
        {"1,2,3", 1.2, false}, {"35x", 35.0, false}, {"3e", 3.0, false},
        {"0 rpm", 0.0, false}, {"0x", 0.0, false}, {"0.", 0.0, true}, {"-0", 0.0, true},
        {"\t0", 0.0, true}, {"&H0", 0.0, true}, {"&H0x", 0.0, false},
        {"", 0.0, false, false}, {"  ", 0.0, false, false}, {"\t", 0.0, false, false},
        {"-", 0.0, false, false}, {",", 0.0, false, false}, {".", 0.0, false, false},
        {"- x", 0.0, false, false}, {"abc", 0.0, false, false}, {"&H", 0.0, false, false},
        {"&Hx", 0.0, false, false}};
    for (const Case& c : cases) {
        const core::TypedNumber n = core::ReadTypedNumber(c.text);
        EXPECT_EQ(n.Value, c.value) << c.text;
        EXPECT_EQ(n.Whole, c.whole) << c.text;
        EXPECT_EQ(n.Found, c.found) << c.text;
        EXPECT_EQ(core::TypedVal(c.text), c.value) << c.text;
    }
    // Without a comma the value is Val's, to the bit.
    for (const char* text : {"12.5xyz", "-.5e1", "1D3", "0.1", "7.5001"})
        EXPECT_EQ(core::TypedVal(text), Val(text)) << text;
}

TEST(Val, IgnoresTheLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    // scripts/setup.sh generates de_DE.UTF-8; without a decimal-comma locale the test would
    // prove nothing, so it fails rather than passing silently.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        FAIL() << "no locale with a decimal comma installed (run scripts/setup.sh as root)";
    const double v = Val("1.5");
    const std::string t = SingleText(1.5f);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(v, 1.5);
    EXPECT_EQ(t, "1.5");
}

TEST(Conversion, RoundsHalvesToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},        {2.5, 2},
                                            {3.5, 4},   {-0.5, 0},       {-1.5, -2},
                                            {-2.5, -2}, {2.4999999, 2},  {2.5000001, 3}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(core::CInt(value), expected) << value;
    EXPECT_EQ(core::CLng(100000.5), 100000);
    EXPECT_EQ(core::CByte(254.5), 254);
}

TEST(Conversion, ReportsAndClampsOutOfRange) {
    // Rounding happens before the range check: -32768.5 rounds to the even -32768.
    EXPECT_TRUE(CIntChecked(32767.4).inRange);
    EXPECT_TRUE(CIntChecked(-32768.5).inRange);
    EXPECT_EQ(CIntChecked(-32768.5).value, -32768);
    const auto high = CIntChecked(32767.5);
    EXPECT_FALSE(high.inRange);
    EXPECT_EQ(high.value, 32767);
    const auto low = CIntChecked(-40000.0);
    EXPECT_FALSE(low.inRange);
    EXPECT_EQ(low.value, -32768);

    EXPECT_TRUE(CLngChecked(2147483646.5).inRange);
    EXPECT_FALSE(CLngChecked(2147483647.5).inRange);
    EXPECT_FALSE(CLngChecked(-2147483649.0).inRange);

    EXPECT_TRUE(CByteChecked(-0.5).inRange);  // rounds to 0
    EXPECT_FALSE(CByteChecked(-1.0).inRange);
    EXPECT_EQ(CByteChecked(-1.0).value, 0);
    EXPECT_FALSE(CByteChecked(255.5).inRange);
    EXPECT_EQ(CByteChecked(300.0).value, 255);
}

TEST(Conversion, NaNAndInfinityAreNeverConverted) {
    EXPECT_FALSE(CIntChecked(kNaN).inRange);
    EXPECT_EQ(CIntChecked(kNaN).value, 0);
    EXPECT_FALSE(CLngChecked(kNaN).inRange);
    EXPECT_FALSE(CByteChecked(kNaN).inRange);
    EXPECT_EQ(CIntChecked(kInf).value, 32767);
    EXPECT_FALSE(CIntChecked(kInf).inRange);
    EXPECT_EQ(CLngChecked(-kInf).value, INT32_MIN);
    EXPECT_FALSE(CLngChecked(-kInf).inRange);
}

TEST(Conversion, IntFloorsFixTruncates) {
    EXPECT_EQ(core::Int(1.5), 1.0);
    EXPECT_EQ(core::Int(-1.5), -2.0);
    EXPECT_EQ(core::Int(-2.0), -2.0);
    EXPECT_EQ(core::Fix(1.5), 1.0);
    EXPECT_EQ(core::Fix(-1.5), -1.0);
}

TEST(SingleText, PlainDecimalForm) {
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(-0.0f), "0");
    EXPECT_EQ(SingleText(0.1f), "0.1");  // the float is 0.100000001490116...
    EXPECT_EQ(SingleText(-0.5f), "-0.5");
    EXPECT_EQ(SingleText(100.0f), "100");
    EXPECT_EQ(SingleText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(SingleText(3.14159265f), "3.141593");
    EXPECT_EQ(SingleText(1234567.8f), "1234568");  // seven significant digits
    EXPECT_EQ(SingleText(9999999.0f), "9999999");
    EXPECT_EQ(SingleText(0.000123f), "0.000123");
}

TEST(SingleText, ExponentFormOutsideOneE5ToOneE7) {
    EXPECT_EQ(SingleText(1e7f), "1E+07");
    EXPECT_EQ(SingleText(-2.5e20f), "-2.5E+20");
    EXPECT_EQ(SingleText(123456789.0f), "1.234568E+08");
    // 1e-5f is 9.99999974737875e-06: it rounds up to 1E-05 at seven digits and stays plain.
    EXPECT_EQ(SingleText(1e-5f), "0.00001");
    EXPECT_EQ(SingleText(1.5e-6f), "1.5E-06");
    EXPECT_EQ(SingleText(-1e-10f), "-1E-10");
    EXPECT_EQ(SingleText(std::numeric_limits<float>::quiet_NaN()), "NaN");
    EXPECT_EQ(SingleText(-std::numeric_limits<float>::infinity()), "-Inf");
}

TEST(DoubleText, FifteenSignificantDigits) {
    EXPECT_EQ(DoubleText(0.1), "0.1");
    EXPECT_EQ(DoubleText(0.1 + 0.2), "0.3");
    EXPECT_EQ(DoubleText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(DoubleText(123456.789), "123456.789");
    EXPECT_EQ(DoubleText(-2.5), "-2.5");
    EXPECT_EQ(DoubleText(-0.0), "0");
    EXPECT_EQ(DoubleText(999999999999999.0), "999999999999999");
    EXPECT_EQ(DoubleText(1e15), "1E+15");
    EXPECT_EQ(DoubleText(1e-5), "0.00001");
    EXPECT_EQ(DoubleText(1e-6), "1E-06");
    EXPECT_EQ(DoubleText(1e100), "1E+100");
}

TEST(FixedText, PadTrim) {
    EXPECT_EQ(core::PadFixed("abc", 5), "abc  ");
    EXPECT_EQ(core::PadFixed("abcdef", 3), "abc");
    EXPECT_EQ(core::PadFixed("", 2), "  ");
    EXPECT_EQ(core::TrimRight(std::string("ab c  \0\0", 8)), "ab c");
    EXPECT_EQ(core::TrimRight("   "), "");
    EXPECT_EQ(core::Trim("  a b  "), "a b");
}

}  // namespace
