#include "core/GlobalShared.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {

GlobalSharedState& GlobalShared() {
    static GlobalSharedState state;
    return state;
}

namespace {

// Powers of ten, exact in long double (64-bit mantissa) up to 10^27.
constexpr int kMaxExactPow10 = 27;
long double Pow10(int n) {
    static const auto table = [] {
        std::array<long double, kMaxExactPow10 + 1> t{};
        t[0] = 1.0L;
        for (int i = 1; i <= kMaxExactPow10; ++i) t[static_cast<std::size_t>(i)] = t[static_cast<std::size_t>(i - 1)] * 10.0L;
        return t;
    }();
    return table[static_cast<std::size_t>(n)];
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
// be settled exactly here. digits < 10^7, 0 < m <= 17.
bool NearestFloatOfQuotient(uint64_t digits, int m, float& out) {
    const long double divisor = Pow10(m);
    const float f = static_cast<float>(static_cast<long double>(digits) / divisor);
    if (!std::isnormal(f)) return false;
    // Compare digits with the two midpoints between f and its neighbours, scaled by 10^m.
    // A midpoint of two floats has 25 significant bits and 10^m = 5^m 2^m needs at most 40,
    // so each product is exact in long double.
    const long double lo = (static_cast<long double>(f) +
                            std::nextafter(f, 0.0f)) / 2.0L * divisor;
    const long double hi = (static_cast<long double>(f) +
                            std::nextafter(f, std::numeric_limits<float>::infinity())) / 2.0L *
                           divisor;
    const long double d = static_cast<long double>(digits);
    if (d > lo && d < hi) {
        out = f;
        return true;
    }
    return false;  // on or beyond a midpoint: let the text form decide
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
    const float magnitude = std::fabs(value);
    if (magnitude >= 1e-12f && magnitude < 1e12f && places >= -12 && places <= 12) {
        // Decimal exponent e with 10^e <= magnitude < 10^(e+1).
        int e = static_cast<int>(std::floor(std::log10(static_cast<double>(magnitude))));
        const auto digitsAt = [&](int exponent, long double& exact) {
            const int k = 6 - exponent;  // magnitude x 10^k has 7 digits before the point
            exact = k >= 0 ? static_cast<long double>(magnitude) * Pow10(k)
                           : static_cast<long double>(magnitude) / Pow10(-k);
        };
        long double x = 0;
        digitsAt(e, x);
        if (x >= 1e7L) digitsAt(++e, x);  // log10 a shade low
        if (x < 1e6L) digitsAt(--e, x);   // or high
        // 7 significant digits, halves to even as the decimal text has them. For k >= 0 the
        // product above is exact; for k < 0 a tie is exactly representable and a non-tie lies
        // far further from the half than the quotient's rounding error.
        auto digits = static_cast<uint64_t>(std::nearbyint(x));
        if (digits >= 10000000u) {
            digits /= 10u;
            ++e;
        }
        const int j = e - 6 + places;  // the scaled value is digits x 10^j
        float f = 0.0f;
        bool settled = false;
        if (j >= 0 && j <= 12) {
            f = static_cast<float>(static_cast<long double>(digits) * Pow10(j));  // exact, one rounding
            settled = true;
        } else if (j < 0 && j >= -17) {
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
        c.Factor = static_cast<float>(std::pow(10.0, static_cast<double>(places)));
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

float MaxSingle(float a, float b) { return a > b ? a : b; }
float MinSingle(float a, float b) { return a < b ? a : b; }

float LerpSingle(float a, float b, float t) {
    const double td = t;
    return static_cast<float>((1.0 - td) * a + static_cast<double>(b) * td);
}

double LerpDouble(double a, double b, double t) { return (1.0 - t) * a + b * t; }

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
