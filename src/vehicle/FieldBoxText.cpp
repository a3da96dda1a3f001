#include "vehicle/FieldBoxText.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/Numbers.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/CheckSlack.hpp"

namespace vehicle {

namespace {

float HeldSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(v)) return 0.0f;
    if (v > kMax) return std::numeric_limits<float>::max();
    if (v < -kMax) return -std::numeric_limits<float>::max();
    return static_cast<float>(v);
}

// A decimal figure: its size is Mantissa x 10^Exponent.
struct Decimal {
    bool Negative = false;
    uint64_t Mantissa = 0;
    int Exponent = 0;
};

// The most significant digits worked out of a double: as many as tell every double apart.
constexpr int kMostDigits = 17;

// |value| to `count` significant digits (at most kMostDigits), rounded to the nearest from its
// binary digits (a tie to even): the digits, and the decimal exponent of the first.
struct Scientific {
    std::array<char, kMostDigits> Digits{};
    int Exponent = 0;

    Scientific(double value, int count) {
        char buf[40];
        const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                       std::chars_format::scientific, count - 1)
                             .ptr;
        const char* p = buf;
        for (int n = 0; p < end && *p != 'e'; ++p)
            if (*p != '.') Digits[static_cast<std::size_t>(n++)] = *p;
        if (p < end) std::from_chars(p + (p[1] == '+' ? 2 : 1), end, Exponent);
    }
    // The first `count` digits as a whole number.
    uint64_t Mantissa(int count) const {
        uint64_t m = 0;
        for (int i = 0; i < count; ++i)
            m = m * 10 + static_cast<uint64_t>(Digits[static_cast<std::size_t>(i)] - '0');
        return m;
    }
};

// A finite display value's first kMostDigits significant digits, worked out once, and the
// value rounded from them to fewer. A double lies within half a unit of the last of them, and
// no other figure of as many digits lies nearer; so rounding them gives what rounding the
// value gives, except where the digits dropped are exactly a half ("5" and zeros): the value
// may lie a hair either side of that, and is rounded again from its binary digits.
class DisplayDigits {
public:
    explicit DisplayDigits(double display) : display_(display), digits_(display, kMostDigits) {}

    double Value() const { return display_; }

    // The value rounded to `digits` significant digits (1 to 15), to the nearest.
    Decimal Rounded(int digits) const {
        const auto& all = digits_.Digits;
        const auto dropped = all.begin() + digits;
        bool up = *dropped > '5';
        if (*dropped == '5') {
            up = std::any_of(dropped + 1, all.end(), [](char c) { return c != '0'; });
            if (!up) {
                const Scientific again(display_, digits);
                return {display_ < 0.0, again.Mantissa(digits), again.Exponent - (digits - 1)};
            }
        }
        Decimal d{display_ < 0.0, digits_.Mantissa(digits), digits_.Exponent - (digits - 1)};
        if (up && ++d.Mantissa == kPowersOfTen[static_cast<std::size_t>(digits)]) {
            d.Mantissa /= 10;  // 999 up is 1000: one digit more, one place higher
            ++d.Exponent;
        }
        return d;
    }

private:
    static constexpr std::array<uint64_t, 16> kPowersOfTen = [] {
        std::array<uint64_t, 16> p{};
        p[0] = 1;
        for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
        return p;
    }();

    double display_;
    Scientific digits_;
};

// The double a text of the decimal figure reads back as (core::Val): the nearest to it. A
// mantissa of at most 2^53 and a power of ten of at most 10^22 are both exact in a double, so
// one multiplication or division gives the nearest as from_chars does; beyond that the figure
// is read from its digits. A zero reads back as zero, whatever its sign.
double ValueOf(const Decimal& d) {
    static constexpr std::array<double, 23> kExactPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (d.Mantissa == 0) return 0.0;
    double v = 0.0;
    if (d.Mantissa <= (uint64_t{1} << 53) && std::abs(d.Exponent) <= 22) {
        const auto m = static_cast<double>(d.Mantissa);
        const double power = kExactPowers[static_cast<std::size_t>(std::abs(d.Exponent))];
        v = d.Exponent < 0 ? m / power : m * power;
    } else {
        char buf[48];  // 20 digits at most, "e", an exponent
        char* end = std::to_chars(buf, buf + 24, d.Mantissa).ptr;
        *end++ = 'e';
        end = std::to_chars(end, buf + sizeof buf, d.Exponent).ptr;
        std::from_chars(buf, end, v);
    }
    return d.Negative ? -v : v;
}

// The figure one unit of its last digit nearer zero, with as many digits: below a mantissa that
// is a power of ten that is all nines one place lower (10 x 10^1 gives 99, 1 x 10^2 gives 90),
// not one digit fewer (9 x 10^1) or zero.
Decimal OneDigitUnitLess(Decimal d) {
    uint64_t m = d.Mantissa;
    while (m >= 10 && m % 10 == 0) m /= 10;
    if (m == 1) {
        d.Mantissa = d.Mantissa * 10 - 1;
        --d.Exponent;
    } else {
        --d.Mantissa;
    }
    return d;
}

// The texts of a decimal figure that fit in `maxLength` characters: as the program writes
// Doubles, and the two short exponent forms that reach further in few characters ("155E3",
// "1.55E5"). Every text holds all the figure's significant digits, a "-" before a negative
// one, a point (or an exponent) when it has a fraction, and a "0." (or an exponent) before
// one below 1: a text that cannot fit by that count is not written.
std::vector<std::string> TextsThatFit(Decimal d, std::size_t maxLength) {
    std::vector<std::string> texts;
    const auto add = [&texts, maxLength](std::string text) {
        if (text.size() <= maxLength) texts.push_back(std::move(text));
    };
    if (d.Mantissa == 0) {
        add(core::DoubleText(0.0));
        return texts;
    }
    while (d.Mantissa % 10 == 0) {
        d.Mantissa /= 10;
        ++d.Exponent;
    }
    const std::string sign = d.Negative ? "-" : "", digits = std::to_string(d.Mantissa);
    const std::size_t least = sign.size() + digits.size() + (d.Exponent < 0 ? 1 : 0) +
                              (d.Exponent + static_cast<int>(digits.size()) - 1 < 0 ? 1 : 0);
    if (least <= maxLength) add(core::DoubleText(ValueOf(d)));
    const std::string exponent = std::to_string(d.Exponent);
    if (sign.size() + digits.size() + 1 + exponent.size() <= maxLength)
        add(sign + digits + "E" + exponent);
    if (digits.size() > 1 && sign.size() + digits.size() + 2 <= maxLength) {
        const int first = d.Exponent + static_cast<int>(digits.size()) - 1;
        add(sign + digits.substr(0, 1) + "." + digits.substr(1) + "E" + std::to_string(first));
    }
    return texts;
}

// The display value rounded to 1, 2, ... 15 significant digits, written as the program writes
// Doubles; the first text whose figure `readBack` turns into `field` again. A Single needs at
// most 9 digits (a few more through a unit factor), so the search ends long before 15; should
// it not, the 15-digit text is the nearest there is. The text of a rounded value reads back as
// that very value (DoubleText writes 15 digits, which a double keeps), so it is written only
// for the figure found.
template <typename ReadBack>
std::string ShortestText(float field, const DisplayDigits& display, ReadBack readBack) {
    for (int digits = 1; digits < 15; ++digits) {
        const double rounded = ValueOf(display.Rounded(digits));
        if (std::bit_cast<uint32_t>(readBack(rounded)) == std::bit_cast<uint32_t>(field))
            return core::DoubleText(rounded);
    }
    return core::DoubleText(display.Value());
}

// A text that fits the box, for a figure whose exact text does not.
struct Candidate {
    std::string Text;
    float Figure = 0.0f;     // as the store reads the text back
    bool Taken = false;      // the field's range takes it
    double Distance = 0.0;   // from the field
    bool Exponent = false;   // written with an exponent ("8E3")
    std::optional<bool> AddsNoProblem;  // asked only of those that could be shown
};

// Taken first, then nearer, then without an exponent, then shorter.
bool RanksBefore(const Candidate& a, const Candidate& b) {
    if (a.Taken != b.Taken) return a.Taken;
    if (a.Distance != b.Distance) return a.Distance < b.Distance;
    if (a.Exponent != b.Exponent) return !a.Exponent;
    return a.Text.size() < b.Text.size();
}

// The shortest exact text when it fits. Else, for a field within the check's slack of zero
// (which every check takes as zero), "0" when the range takes it and it adds no problem. Else
// the texts that fit, ranked: first those whose figure adds no problem to the record
// (`addsNoProblem`: put in the record in place of the field, it turns nothing red that the
// exact figure did not), then as RanksBefore; where none adds no problem (a field at two
// opposing limits, or no judge), the first as RanksBefore. With n digits the nearest is the
// figure rounded to n digits or a neighbour; fewer digits come no nearer, so they are looked
// at only while no text taken by the range and adding no problem has been found. A field the
// range does not take (a record no file could hold) shows the nearest text; one that no text
// of its digits fits (a tiny figure, "-2.5387104E-11" in 5 characters) shows "0", the nearest
// that does.
template <typename ReadBack>
std::string BoxText(float field, double display, int maxLength, const FieldRange& range,
                    ReadBack readBack, const FigureJudge& addsNoProblem) {
    if (!std::isfinite(display)) return core::DoubleText(display);
    const DisplayDigits digits(display);
    const std::string exact = ShortestText(field, digits, readBack);
    if (maxLength <= 0 || exact.size() <= static_cast<std::size_t>(maxLength)) return exact;
    const bool wheelDriven = range.Scope != RangeScope::ThrustDriven;
    const std::string zero = core::DoubleText(0.0);
    const float zeroFigure = readBack(0.0);
    if (AtMost(std::fabs(static_cast<double>(field) * range.RecordToChecked), 0.0) &&
        range.Takes(zeroFigure, wheelDriven) && (!addsNoProblem || addsNoProblem(zeroFigure)))
        return zero;
    std::vector<Candidate> found;
    for (int n = std::min(maxLength, 15); n >= 1; --n) {
        const Decimal nearest = digits.Rounded(n);
        for (int step : {0, -1, 1}) {
            if (step < 0 && nearest.Mantissa == 0) continue;
            Decimal d = nearest;
            if (step < 0)
                d = OneDigitUnitLess(d);
            else
                d.Mantissa += static_cast<uint64_t>(step);
            // Every text of the figure reads back as the same value.
            const float figure = readBack(ValueOf(d));
            for (std::string& text : TextsThatFit(d, static_cast<std::size_t>(maxLength))) {
                Candidate c{std::move(text), figure};
                c.Taken = range.Takes(c.Figure, wheelDriven);
                c.Distance = std::fabs(static_cast<double>(c.Figure) - field);
                c.Exponent = c.Text.find('E') != std::string::npos;
                found.push_back(std::move(c));
            }
        }
        std::stable_sort(found.begin(), found.end(), RanksBefore);
        if (found.empty() || !found.front().Taken) continue;
        if (!addsNoProblem) break;
        // The best ranked text that adds no problem; texts of one figure are judged once.
        for (Candidate& c : found) {
            if (!c.Taken) break;
            if (!c.AddsNoProblem) {
                c.AddsNoProblem = addsNoProblem(c.Figure);
                for (Candidate& same : found)
                    if (same.Figure == c.Figure) same.AddsNoProblem = c.AddsNoProblem;
            }
            if (*c.AddsNoProblem) return c.Text;
        }
    }
    return found.empty() ? zero : found.front().Text;
}

}  // namespace

float StoredSingle(double typed, double unitFactor) { return HeldSingle(typed / unitFactor); }

float StoredSpeed(double typed, double arvFactor) {
    return HeldSingle(typed / core::kRpmToRadPerSec / arvFactor);
}

std::string FieldBoxText(float field, double unitFactor, int maxLength, const FieldRange& range,
                         const FigureJudge& addsNoProblem) {
    return BoxText(
        field, static_cast<double>(field) * unitFactor, maxLength, range,
        [unitFactor](double typed) { return StoredSingle(typed, unitFactor); }, addsNoProblem);
}

std::string SpeedBoxText(float rpm, double arvFactor, int maxLength, const FieldRange& range,
                         const FigureJudge& addsNoProblem) {
    return BoxText(
        rpm, static_cast<double>(rpm) * (core::kRpmToRadPerSec * arvFactor), maxLength, range,
        [arvFactor](double typed) { return StoredSpeed(typed, arvFactor); }, addsNoProblem);
}

}  // namespace vehicle
