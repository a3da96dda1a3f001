#include "core/Numbers.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace core {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index of the next character at or after i that is not a blank (blanks, tabs and line feeds
// are ignored anywhere inside a number).
std::size_t SkipBlanks(std::string_view t, std::size_t i) {
    while (i < t.size() && IsBlank(t[i])) ++i;
    return i;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "&H..." or "&O..." after the "&": the digits that follow, as a plain non-negative value
// (found when there is at least one digit, whole when nothing else follows them).
TypedNumber ReadRadix(std::string_view t, std::size_t i, int radix) {
    double v = 0.0;
    bool anyDigit = false;
    for (i = SkipBlanks(t, i); i < t.size(); i = SkipBlanks(t, i + 1)) {
        const int d = HexDigitValue(t[i]);
        if (d < 0 || d >= radix) break;
        v = v * radix + d;
        anyDigit = true;
    }
    return {v, anyDigit && i >= t.size(), anyDigit};
}

// Decimal text of a finite value, rounded to `digits` significant digits, split into its
// digits (no trailing zeros, at least one digit) and the decimal exponent of the first digit.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // "15" for 1.5E+07
    int exponent = 0;    // 7 for 1.5E+07
};

DecimalDigits ToDecimalDigits(double v, int digits) {
    DecimalDigits d;
    char buf[64];
    // Scientific form with digits-1 decimals: "-1.500000e+07". Correctly rounded and free of
    // any locale.
    const auto res =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
    const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t ePos = s.find('e');
    for (; i < ePos; ++i)
        if (IsDigit(s[i])) d.digits.push_back(s[i]);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string_view exp = s.substr(ePos + 1);
    if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), d.exponent);
    return d;
}

// Plain text of a value with at most `digits` significant digits; the exponent form is used
// when the rounded value's decimal exponent is below -5 or at least `digits`.
std::string NumberText(double v, int digits) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    if (v == 0.0) return "0";  // also negative zero

    const DecimalDigits d = ToDecimalDigits(v, digits);
    std::string out = d.negative ? "-" : "";
    const int nd = static_cast<int>(d.digits.size());
    if (d.exponent < -5 || d.exponent >= digits) {
        out += d.digits[0];
        if (nd > 1) {
            out += '.';
            out.append(d.digits, 1, std::string::npos);
        }
        out += d.exponent < 0 ? "E-" : "E+";
        const int e = std::abs(d.exponent);
        if (e < 10) out += '0';
        out += std::to_string(e);
    } else if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    } else if (nd <= d.exponent + 1) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.exponent + 1 - nd), '0');
    } else {
        out.append(d.digits, 0, static_cast<std::size_t>(d.exponent + 1));
        out += '.';
        out.append(d.digits, static_cast<std::size_t>(d.exponent + 1), std::string::npos);
    }
    return out;
}

// Nearest whole number, halves to the even neighbour. Independent of the floating-point
// environment's rounding mode.
double RoundHalfEven(double v) {
    const double f = std::floor(v);
    const double diff = v - f;  // exact: 0 <= diff < 1
    if (diff > 0.5) return f + 1.0;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

template <typename T>
Converted<T> ConvertChecked(double v) {
    if (std::isnan(v)) return {T{0}, false};
    constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
    const double r = RoundHalfEven(v);  // infinities stay infinite and clamp below
    if (r < lo) return {std::numeric_limits<T>::min(), false};
    if (r > hi) return {std::numeric_limits<T>::max(), false};
    return {static_cast<T>(r), true};
}

// The longest leading number of the text (the reading Val describes), whether nothing but
// blanks follows it, and whether there is one at all.
TypedNumber ParseNumber(std::string_view t) {
    std::size_t i = SkipBlanks(t, 0);
    if (i >= t.size()) return {};

    if (t[i] == '&') {
        const std::size_t k = SkipBlanks(t, i + 1);
        if (k < t.size() && (t[k] == 'H' || t[k] == 'h')) return ReadRadix(t, k + 1, 16);
        if (k < t.size() && (t[k] == 'O' || t[k] == 'o')) return ReadRadix(t, k + 1, 8);
        return {};
    }

    // Gather the number without its blanks into a clean text for from_chars.
    std::string clean;
    bool negative = false;
    if (t[i] == '+' || t[i] == '-') {
        negative = t[i] == '-';
        i = SkipBlanks(t, i + 1);
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < t.size(); i = SkipBlanks(t, i + 1)) {
        if (IsDigit(t[i])) {
            clean.push_back(t[i]);
            anyDigit = true;
        } else if (t[i] == '.' && !seenPoint) {
            clean.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return {};

    // Exponent: taken only when at least one digit follows the E (or D, the double-precision
    // exponent letter: "1D3" is 1000) and its sign.
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::string exp = "e";
        std::size_t k = SkipBlanks(t, i + 1);
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) {
            exp.push_back(t[k]);
            k = SkipBlanks(t, k + 1);
        }
        bool expDigit = false;
        for (; k < t.size() && IsDigit(t[k]); k = SkipBlanks(t, k + 1)) {
            exp.push_back(t[k]);
            expDigit = true;
        }
        if (expDigit) {
            clean += exp;
            i = k;
        }
    }

    double v = 0.0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), v,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large saturates to infinity; too small underflows to zero.
        const std::size_t ePos = clean.find('e');
        const bool tiny = ePos != std::string::npos && ePos + 1 < clean.size() &&
                          clean[ePos + 1] == '-';
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (res.ec != std::errc{}) {
        v = 0.0;
    }
    return {negative ? -v : v, i >= t.size(), true};
}

}  // namespace

double Val(std::string_view t) { return ParseNumber(t).Value; }

TypedNumber ReadTypedNumber(std::string_view text) {
    std::string pointed(text);
    for (char& c : pointed)
        if (c == ',') c = '.';
    return ParseNumber(pointed);
}

double TypedVal(std::string_view text) { return ReadTypedNumber(text).Value; }

Converted<int16_t> CIntChecked(double v) { return ConvertChecked<int16_t>(v); }
Converted<int32_t> CLngChecked(double v) { return ConvertChecked<int32_t>(v); }
Converted<uint8_t> CByteChecked(double v) { return ConvertChecked<uint8_t>(v); }
int16_t CInt(double v) { return CIntChecked(v).value; }
int32_t CLng(double v) { return CLngChecked(v).value; }
uint8_t CByte(double v) { return CByteChecked(v).value; }

double Int(double v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }

std::string SingleText(float v) { return NumberText(static_cast<double>(v), 7); }
std::string DoubleText(double v) { return NumberText(v, 15); }

std::string PadFixed(std::string_view text, std::size_t length) {
    std::string out(text.substr(0, length));
    out.resize(length, ' ');
    return out;
}

std::string TrimRight(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\0')) --n;
    return std::string(text.substr(0, n));
}

std::string Trim(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && text[b] == ' ') ++b;
    return TrimRight(text.substr(b));
}

}  // namespace core
