#include "ui/main/editor/VehicleEditorNumbers.hpp"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"

namespace ui {

namespace {

float HeldSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(v)) return 0.0f;
    if (v > kMax) return std::numeric_limits<float>::max();
    if (v < -kMax) return -std::numeric_limits<float>::max();
    return static_cast<float>(v);
}

// Display units of an angular velocity per rpm.
double SpeedFactor() { return core::kRpmToRadPerSec * core::OptionsSettings().UnitFactorARV; }

// A decimal figure: its size is Mantissa x 10^Exponent.
struct Decimal {
    bool Negative = false;
    uint64_t Mantissa = 0;
    int Exponent = 0;
};

// The display value rounded to `digits` significant digits (1 to 15), to the nearest.
Decimal Rounded(double display, int digits) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(display),
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    Decimal d;
    d.Negative = display < 0.0;
    const char* p = buf;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.') d.Mantissa = d.Mantissa * 10 + static_cast<uint64_t>(*p - '0');
    int exponent = 0;
    if (p < end) std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    d.Exponent = exponent - (digits - 1);
    return d;
}

double ValueOf(const Decimal& d) {
    const std::string text = std::to_string(d.Mantissa) + "e" + std::to_string(d.Exponent);
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return d.Negative ? -v : v;
}

// A decimal figure as the program writes Doubles: up to 15 digits round-trip through a double.
std::string TextOf(const Decimal& d) { return core::DoubleText(ValueOf(d)); }

// The texts of a decimal figure: as the program writes Doubles, and the two short exponent
// forms that reach further in few characters ("155E3", "1.55E5").
std::vector<std::string> TextsOf(Decimal d) {
    std::vector<std::string> texts{TextOf(d)};
    if (d.Mantissa == 0) return texts;
    while (d.Mantissa % 10 == 0) {
        d.Mantissa /= 10;
        ++d.Exponent;
    }
    const std::string sign = d.Negative ? "-" : "", digits = std::to_string(d.Mantissa);
    texts.push_back(sign + digits + "E" + std::to_string(d.Exponent));
    if (digits.size() > 1) {
        const int exponent = d.Exponent + static_cast<int>(digits.size()) - 1;
        texts.push_back(sign + digits.substr(0, 1) + "." + digits.substr(1) + "E" +
                        std::to_string(exponent));
    }
    return texts;
}

// The display value rounded to 1, 2, ... 15 significant digits, written as the program writes
// Doubles; the first text whose figure `readBack` turns into `field` again. A Single needs at
// most 9 digits (a few more through a unit factor), so the search ends long before 15; should
// it not, the 15-digit text is the nearest there is.
template <typename ReadBack>
std::string ShortestText(float field, double display, ReadBack readBack) {
    for (int digits = 1; digits < 15; ++digits) {
        const std::string text = TextOf(Rounded(display, digits));
        if (std::bit_cast<uint32_t>(readBack(core::Val(text))) == std::bit_cast<uint32_t>(field))
            return text;
    }
    return core::DoubleText(display);
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

// The shortest exact text when it fits. Else the texts that fit, ranked: first those whose
// figure adds no problem to the record (`addsNoProblem`: put in the record in place of the
// field, it turns nothing red that the exact figure did not), then as RanksBefore; where none
// adds no problem (a field at two opposing limits, or no judge), the first as RanksBefore.
// With n digits the nearest is the figure rounded to n digits or a neighbour; fewer digits
// come no nearer, so they are looked at only while no text taken by the range and adding no
// problem has been found. A field the range does not take (a record no file could hold)
// shows the nearest text.
template <typename ReadBack>
std::string BoxText(float field, double display, int maxLength, const vehicle::FieldRange& range,
                    ReadBack readBack, const FigureJudge& addsNoProblem) {
    const auto fits = [maxLength](const std::string& text) {
        return maxLength <= 0 || text.size() <= static_cast<std::size_t>(maxLength);
    };
    const std::string exact = ShortestText(field, display, readBack);
    if (fits(exact) || !std::isfinite(display)) return exact;
    const bool wheelDriven = range.Scope != vehicle::RangeScope::ThrustDriven;
    std::vector<Candidate> found;
    for (int digits = std::min(maxLength, 15); digits >= 1; --digits) {
        const Decimal nearest = Rounded(display, digits);
        for (int step : {0, -1, 1}) {
            if (step < 0 && nearest.Mantissa == 0) continue;
            Decimal d = nearest;
            d.Mantissa = step < 0 ? d.Mantissa - 1 : d.Mantissa + static_cast<uint64_t>(step);
            for (const std::string& text : TextsOf(d)) {
                if (!fits(text)) continue;
                Candidate c{text, readBack(core::Val(text))};
                c.Taken = range.Takes(c.Figure, wheelDriven);
                c.Distance = std::fabs(static_cast<double>(c.Figure) - field);
                c.Exponent = text.find('E') != std::string::npos;
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
    return found.empty() ? exact : found.front().Text;
}

}  // namespace

float StoredSingle(double typed, double unitFactor) { return HeldSingle(typed / unitFactor); }

float StoredRpm(double typed) {
    return HeldSingle(typed / core::kRpmToRadPerSec / core::OptionsSettings().UnitFactorARV);
}

std::string FieldText(float field, double unitFactor, int maxLength,
                      const vehicle::FieldRange& range, const FigureJudge& addsNoProblem) {
    return BoxText(
        field, static_cast<double>(field) * unitFactor, maxLength, range,
        [unitFactor](double typed) { return StoredSingle(typed, unitFactor); }, addsNoProblem);
}

std::string SpeedFieldText(float rpm, int maxLength, const vehicle::FieldRange& range,
                           const FigureJudge& addsNoProblem) {
    return BoxText(rpm, static_cast<double>(rpm) * SpeedFactor(), maxLength, range, StoredRpm,
                   addsNoProblem);
}

}  // namespace ui
