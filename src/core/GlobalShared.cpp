#include "core/GlobalShared.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit GlobalSharedState g_state;
}  // namespace

GlobalSharedState& GlobalShared() { return g_state; }

namespace {

// Powers of ten 10^0 .. 10^22, each exact in a double.
constexpr int kMaxExactPow10 = 22;
constexpr std::array<double, kMaxExactPow10 + 1> kPow10 = [] {
    std::array<double, kMaxExactPow10 + 1> t{};
    t[0] = 1.0;
    for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10.0;
    return t;
}();
// 10^-n as the correctly rounded double of 1 / 10^n.
constexpr std::array<double, kMaxExactPow10 + 1> kInversePow10 = [] {
    std::array<double, kMaxExactPow10 + 1> t{};
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = 1.0 / kPow10[i];
    return t;
}();

// The whole number nearest to x, halves to even, for 0 <= x < 2^52: adding 2^52 leaves no
// fraction bits, so the addition itself rounds (in the default rounding mode) and the
// subtraction is exact. The same as nearbyint without the library call.
inline double RoundHalfEven(double x) {
    constexpr double kTwo52 = 4503599627370496.0;
    return (x + kTwo52) - kTwo52;
}

}  // namespace

namespace detail {

// The slow, always exact form of ScaleDecimal: through the float's 7-digit decimal text.
bool ScaleDecimalByText(float value, int32_t places, float& scaled) {
    char buf[48];
    // "-2.450000e+00": the float's 7-digit decimal form, independent of the locale.
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                   std::chars_format::scientific, 6);
    std::string text(buf, res.ptr);
    const std::size_t ePos = text.find('e');
    int exponent = 0;
    const char* expBegin = text.data() + ePos + 1;
    if (*expBegin == '+') ++expBegin;
    std::from_chars(expBegin, text.data() + text.size(), exponent);
    const int64_t newExponent = static_cast<int64_t>(exponent) + places;
    text.resize(ePos + 1);
    text += std::to_string(newExponent);

    const auto back = std::from_chars(text.data(), text.data() + text.size(), scaled,
                                      std::chars_format::scientific);
    if (back.ec == std::errc{}) return true;
    if (newExponent < 0) {
        scaled = std::copysign(0.0f, value);
        return true;
    }
    return false;
}

}  // namespace detail

namespace {

// The float nearest to digits x 10^-m (halves to the even float), or false when that cannot
// be settled exactly here. digits < 10^7, 0 < m <= 12.
bool NearestFloatOfQuotient(uint32_t digits, int m, float& out) {
    const double divisor = kPow10[static_cast<std::size_t>(m)];
    const float f = static_cast<float>(static_cast<double>(digits) / divisor);
    if (!std::isnormal(f)) return false;
    // f is right when digits lies strictly between the midpoints to f's two neighbours, each
    // times 10^m. A midpoint has 25 significant bits and 10^m = 5^m 2^m at most 28 more, so
    // the products are exact doubles.
    const uint32_t fb = std::bit_cast<uint32_t>(f);
    const double below = std::bit_cast<float>(fb - 1);
    const double above = std::bit_cast<float>(fb + 1);
    const double ff = f;
    const double d = digits;
    if (d > (ff + below) / 2.0 * divisor && d < (ff + above) / 2.0 * divisor) {
        out = f;
        return true;
    }
    return false;  // on or beyond a midpoint: let the text form decide
}

// 7 significant decimal digits of a positive float: magnitude ~ digits x 10^(exponent - 6),
// digits in [10^6, 10^7), the eighth digit rounded half to even exactly as the decimal text
// does. False outside the range where double arithmetic is exact enough to be sure.
bool SevenDigits(float magnitude, uint32_t& digits, int& exponent) {
    // 10^e <= magnitude < 10^(e+1), from the binary exponent and one comparison.
    if (!std::isnormal(magnitude)) return false;
    const int e2 = static_cast<int>((std::bit_cast<uint32_t>(magnitude) >> 23) & 0xFF) - 127;
    // floor(e2 log10 2), exact for the float exponent range (1233 / 4096 ~ log10 2).
    int e = (e2 * 1233) >> 12;
    const auto pow10 = [](int n) {
        return n >= 0 ? kPow10[static_cast<std::size_t>(n)] : kInversePow10[static_cast<std::size_t>(-n)];
    };
    if (e + 1 < -kMaxExactPow10 || e + 1 > kMaxExactPow10) return false;
    if (static_cast<double>(magnitude) >= pow10(e + 1)) ++e;
    // magnitude x 10^k has seven digits before the point. For 0 <= k <= 12 the product of the
    // 24-bit float and 10^k (at most 29 bits besides the power of two) is exact; for k < 0 the
    // quotient is correctly rounded, so an exact tie stays exact and any other value stays on
    // its side of the half.
    const int k = 6 - e;
    if (k > 12 || k < -kMaxExactPow10) return false;
    const double x = k >= 0 ? static_cast<double>(magnitude) * kPow10[static_cast<std::size_t>(k)]
                            : static_cast<double>(magnitude) / kPow10[static_cast<std::size_t>(-k)];
    double r = RoundHalfEven(x);
    if (r >= 1e7) {
        r = RoundHalfEven(r / 10.0);
        ++e;
    }
    digits = static_cast<uint32_t>(r);
    exponent = e;
    return true;
}

}  // namespace

namespace detail {

// value x 10^places in decimal arithmetic: the float is taken at 7 significant decimal digits,
// the decimal point moved by `places`, and the exact decimal product converted back to the
// nearest float. A product too small for a float gives zero; returns false when the product
// is too large for one.
//
// Every display caption and the tyre model's convergence test come through here, so the usual
// magnitudes take an exact arithmetic path; anything it cannot settle goes through text.
bool ScaleDecimal(float value, int32_t places, float& scaled) {
    uint32_t digits = 0;
    int e = 0;
    if (places >= -30 && places <= 30 && SevenDigits(std::fabs(value), digits, e)) {
        const int j = e - 6 + places;  // the scaled value is digits x 10^j
        float f = 0.0f;
        bool settled = false;
        if (j >= 0 && j <= 12) {
            // digits x 10^j is an exact double (24 + 29 bits); one rounding to float.
            f = static_cast<float>(static_cast<double>(digits) * kPow10[static_cast<std::size_t>(j)]);
            settled = true;
        } else if (j < 0 && j >= -12) {
            settled = NearestFloatOfQuotient(digits, -j, f);
        }
        if (settled) {
            scaled = value < 0.0f ? -f : f;
            return true;
        }
    }
    return ScaleDecimalByText(value, places, scaled);
}

}  // namespace detail

float RoundToDecimals(float value, int32_t places) {
    RoundCacheState& c = GlobalShared().RoundCache;
    if (c.Factor == 0.0f) c.Factor = 1.0f;
    if (value == c.LastValue && places == c.LastPlaces) return c.LastResult;
    if (value == 0.0f) return 0.0f;
    if (!std::isfinite(value)) return value;

    if (places != c.LastPlaces) {
        c.LastPlaces = places;
        // 10^places in double, exact for the usual places, stored as a float.
        c.Factor = places >= 0 && places <= kMaxExactPow10
                       ? static_cast<float>(kPow10[static_cast<std::size_t>(places)])
                       : static_cast<float>(std::pow(10.0, static_cast<double>(places)));
    }

    float s = value;
    if (c.Factor != 1.0f && !detail::ScaleDecimal(value, places, s)) {
        // Too large once scaled: a float that big has no decimals to drop at these places.
        c.LastValue = value;
        c.LastResult = value;
        return value;
    }

    float w = std::trunc(s);
    // First dropped decimal digit, from the float s and w in double precision (exact).
    const double d =
        std::fabs(std::trunc((static_cast<double>(s) - static_cast<double>(w)) * 10.0));
    if (d > 4.0) {
        if (w == 0.0f)
            w = s > 0.0f ? 1.0f : -1.0f;
        else if (w > 0.0f)
            w += 1.0f;
        else
            w -= 1.0f;
    }

    float result = w;
    if (c.Factor != 1.0f)
        result = static_cast<float>(static_cast<double>(w) / static_cast<double>(c.Factor));
    // A value rounded to zero keeps its sign ("-0" is shown as "0" by SingleText).
    c.LastResult = result;
    c.LastValue = value;
    return result;
}

float Log10(float x) {
    return static_cast<float>(std::log(static_cast<double>(x)) / std::log(10.0));
}

float RoundToSigFigs(float value, uint8_t figures) {
    if (value == 0.0f) return 0.0f;
    if (!std::isfinite(value)) return value;
    const float magnitude = std::fabs(value);
    const int e = static_cast<int>(std::floor(Log10(magnitude)));  // decimal exponent
    const float scaled = static_cast<float>(static_cast<double>(magnitude) *
                                            std::pow(10.0, figures - e - 1));
    const double rounded = RoundToDecimals(scaled, 0);
    const double sign = value > 0.0f ? 1.0 : -1.0;
    return static_cast<float>(sign * rounded * std::pow(10.0, e - figures + 1));
}

FlagBits ByteToBits(uint8_t value) {
    FlagBits bits{};
    int rest = value;
    for (int i = 7; i >= 0; --i) {
        const int mask = 1 << i;
        if (rest >= mask) {
            bits[static_cast<std::size_t>(i)] = VbTrue;
            rest -= mask;
        }
    }
    return bits;
}

uint8_t BitsToByte(const FlagBits& bits) {
    unsigned v = 0;
    for (std::size_t i = 0; i < bits.size(); ++i)
        if (bits[i] != VbFalse) v |= 1u << i;
    return static_cast<uint8_t>(v);
}

std::string BitsToString(const FlagBits& bits) {
    std::string s;
    for (std::size_t i = bits.size(); i-- > 0;) s += bits[i] != VbFalse ? '1' : '0';
    return s;
}

}  // namespace core
