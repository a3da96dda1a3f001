#include "charts/DynoChart.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "charts/ChartFrame.hpp"
#include "charts/LineCharts.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "core/Units.hpp"
#include "platform/Control.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace charts {

namespace {

constexpr float kWattsPerKilowatt = 1000.0f;
constexpr float kHeadroom = 1.05f;  // the higher peak fills 1/1.05 of the chart's height
constexpr platform::Color kPeakTextColor = platform::RGB(255, 0, 0);
constexpr float kPeakTextLeft = 22.5f;  // twips

// A figure as the peak captions show it: rounded, then its unit.
std::string Figure(float value, double factor, int32_t places, core::Quantity q) {
    return core::RoundedText(static_cast<float>(value * factor), places) + core::UnitSuffix(q);
}

// The refusal's band: its wrapped lines, each one line of the font high (measured once: every
// line is a single line of the one font).
struct RefusalBand {
    std::vector<std::string> Lines;
    float LineHeight = 0.0f;

    float Height() const { return LineHeight * static_cast<float>(Lines.size()); }
};

RefusalBand BandLines(const platform::Surface& surface, std::string_view text, KeptNames names) {
    RefusalBand band;
    band.Lines = WrappedLines(surface, text, surface.ScaleWidth() - 2.0f * kPeakTextLeft, names);
    if (!band.Lines.empty()) band.LineHeight = surface.TextHeight(band.Lines.front());
    return band;
}

// The refusal's lines in red, each below the one before from the top.
void PrintBand(platform::Surface& surface, const RefusalBand& band) {
    surface.ForeColor = kPeakTextColor;
    float lineTop = 0.0f;
    for (const std::string& line : band.Lines) {
        surface.CurrentX = kPeakTextLeft;
        surface.CurrentY = lineTop;
        surface.Print(line);
        lineTop += band.LineHeight;
    }
    surface.ForeColor = 0;
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// A letter, or a byte of a character beyond ASCII ("m" is no unit of "m²").
constexpr bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

// The words a figure's unit may be (every unit's suffix that stands apart from its number:
// "Nm", "lbf ft", "rad/s", "hp/ton (US)"), and the "x" of a factor ("1.02 x"), by first
// byte, the longest first.
class UnitWords {
public:
    UnitWords() {
        for (std::size_t q = 0; q < core::kQuantityCount; ++q)
            for (const core::UnitRow& row : core::UnitRows(core::QuantityAt(q)))
                if (row.Suffix.size() > 1 && row.Suffix.front() == ' ') Add(row.Suffix.substr(1));
        Add("x");
        for (auto& words : byFirst_)
            std::stable_sort(words.begin(), words.end(),
                             [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    }
    // The length of the unit that `rest` starts with: a unit word that ends the text or is
    // followed by a character that is no letter or digit ("Nm)", "kW,"); 0 for none.
    std::size_t At(std::string_view rest) const {
        if (rest.empty()) return 0;
        for (const std::string_view word : byFirst_[static_cast<unsigned char>(rest.front())]) {
            if (!rest.starts_with(word)) continue;
            if (rest.size() == word.size()) return word.size();
            const char next = rest[word.size()];
            if (!IsDigit(next) && !IsLetter(next)) return word.size();
        }
        return 0;
    }

private:
    void Add(std::string_view word) {
        auto& words = byFirst_[static_cast<unsigned char>(word.front())];
        if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
    }
    std::array<std::vector<std::string_view>, 256> byFirst_;
};

// The length of the longest of `names` that `rest` starts with as words of its own (followed
// by no letter or digit); 0 for none.
std::size_t NameAt(std::string_view rest, KeptNames names) {
    std::size_t longest = 0;
    for (const std::string_view name : names) {
        if (name.size() <= longest || !rest.starts_with(name)) continue;
        const char next = rest.size() > name.size() ? rest[name.size()] : ' ';
        if (!IsDigit(next) && !IsLetter(next)) longest = name.size();
    }
    return longest;
}

// The next piece of `text` from `at` that a line never splits: one of `names` ("Torque
// plateau width"), a word (up to a blank), or a figure (a word ending in a digit: "(200",
// "523.6") with the unit after it ("(200 Nm)", "523.6 rad/s)", "1.02 x"). Moves `at` past it
// and the blank after it; empty between two blanks.
std::string_view NextPiece(std::string_view text, std::size_t& at, KeptNames names) {
    static const UnitWords units;
    const std::size_t start = at;
    // A name's last word runs on to the next blank (a comma, a colon).
    const std::size_t name = NameAt(text.substr(start), names);
    std::size_t end = std::min(text.find(' ', at + name), text.size());
    const bool figure = name == 0 && end > start && IsDigit(text[end - 1]);
    if (figure && end < text.size()) {
        // The unit's word runs on to the next blank (its closing bracket, a comma).
        const std::size_t unit = units.At(text.substr(end + 1));
        if (unit > 0) end = std::min(text.find(' ', end + 1 + unit), text.size());
    }
    at = end + 1;
    return text.substr(start, end - start);
}

}  // namespace

DynoSamples SampleDynoCurve(vehicle::EngineRecord& engine) {
    DynoSamples s;
    s.FirstSpeed = engine.IdleSpeed;
    const double span = static_cast<double>(engine.LimitSpeed) - engine.IdleSpeed;
    // One sample per rad/s; an engine that never revs above idle has no curve, and neither
    // has one beyond any the vehicle editor accepts (a damaged file's figures).
    if (!std::isfinite(span) || span < 1.0 || span > vehicle::ranges::LimitSpeed.Max) return s;
    const auto& u = core::OptionsSettings();
    s.LastIndex = core::CLng(span);
    s.Torque.resize(static_cast<std::size_t>(s.LastIndex) + 1);
    s.Power.resize(s.Torque.size());
    for (int32_t k = 0; k <= s.LastIndex; ++k) {
        engine.Speed = engine.IdleSpeed + static_cast<float>(k);
        const float t = vehicle::GetEngineTorque(engine);
        engine.Torque = t;
        engine.Power = t * engine.Speed / kWattsPerKilowatt;
        s.Torque[static_cast<std::size_t>(k)] = static_cast<float>(t * u.UnitFactorTorque);
        s.Power[static_cast<std::size_t>(k)] = static_cast<float>(engine.Power * u.UnitFactorPower);
    }
    return s;
}

std::vector<std::string> ScannedPeakTexts() {
    const auto& u = core::OptionsSettings();
    const auto& e = vehicle::EngineCode();
    using Q = core::Quantity;
    const auto speed = [&u](float w) {
        return Figure(w, u.UnitFactorARV, u.UnitDecimalsARV, Q::ARV);
    };
    return {"Scanned torque peak: " +
                Figure(e.ScannedTorquePeak, u.UnitFactorTorque, u.UnitDecimalsTorque + 1, Q::Torque) +
                " @ " + speed(e.ScannedTorquePeakSpeed),
            "Scanned power peak: " +
                Figure(e.ScannedPowerPeak, u.UnitFactorPower, u.UnitDecimalsPower + 1, Q::Power) +
                " @ " + speed(e.ScannedPowerPeakSpeed)};
}

std::vector<std::string> WrappedLines(const platform::Surface& surface, std::string_view text,
                                      float width, KeptNames names) {
    std::vector<std::string> lines;
    std::string line;  // the line being filled, and the next piece tried on it
    line.reserve(text.size());
    // The line's width: each piece is measured once and the widths added with a blank's
    // between them. The sum differs from the whole line's width only by the kerning at each
    // join, less than a blank's width; within that doubt of the edge the line is measured
    // whole, and the widths are added from there.
    float lineWidth = 0.0f;
    int addedJoins = 0;  // joins added since the line was last measured whole
    float blank = 0.0f;  // measured at the first join
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t from = at;
        std::string_view piece = NextPiece(text, at, names);
        if (piece.empty()) continue;
        float pieceWidth = surface.TextWidth(std::string(piece));
        if (pieceWidth > width) {
            // A name wider than a whole line breaks at its blanks as any words.
            std::size_t wordEnd = from;
            const std::string_view word = NextPiece(text, wordEnd, {});
            if (word.size() < piece.size()) {
                at = wordEnd;
                piece = word;
                pieceWidth = surface.TextWidth(std::string(piece));
            }
        }
        if (line.empty()) {
            line.assign(piece);
            lineWidth = pieceWidth;
            addedJoins = 0;
            continue;
        }
        if (blank == 0.0f) blank = surface.TextWidth(" ");
        const std::size_t kept = line.size();
        line.append(" ").append(piece);
        float longer = lineWidth + blank + pieceWidth;
        const bool measured = std::abs(longer - width) <= static_cast<float>(addedJoins + 1) * blank;
        if (measured) longer = surface.TextWidth(line);
        if (longer > width) {
            lines.emplace_back(line, 0, kept);
            line.assign(piece);
            lineWidth = pieceWidth;
            addedJoins = 0;
        } else {
            lineWidth = longer;
            addedJoins = measured ? 0 : addedJoins + 1;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

void DrawDynoChart(platform::Surface& surface, vehicle::EngineRecord& engine,
                   bool showScannedPeaks, std::string_view refusal, KeptNames names) {
    const auto& u = core::OptionsSettings();
    const auto& texts = core::TextTable();
    const DynoSamples samples = SampleDynoCurve(engine);
    std::vector<float> values(samples.Torque);
    values.insert(values.end(), samples.Power.begin(), samples.Power.end());
    const auto series = ChartSeries::Contiguous(values.data(), 2,
                                                static_cast<int32_t>(samples.Torque.size()));

    // The higher of the two peaks (in display units, both on the one y scale) fills the
    // height with 5 % to spare, or the highest point of the curves where it rises past that
    // (an accepted curve may climb to a few times its peak torque before the limit); below a
    // closed or part throttle's braking the zero line rises. The limit speed fills the width.
    // A zero peak or limit gives an infinite scale, which leaves the curves out and draws the
    // empty axes.
    const float xScale = (surface.ScaleWidth() - 30.0f) / engine.LimitSpeed;
    const auto tp = static_cast<float>(engine.PeakTorque * u.UnitFactorTorque);
    const auto pp = static_cast<float>(engine.PeakPower * u.UnitFactorPower);
    float high = 0.0f, low = 0.0f;
    for (const float v : values) {
        if (v > high) high = v;
        if (v < low) low = v;
    }
    const float peak = tp >= pp ? tp : pp;
    const float top = high > kHeadroom * peak ? kHeadroom * high : kHeadroom * peak;
    // The refusal's band at the top: the curves fill the height below it.
    const RefusalBand band = BandLines(surface, refusal, names);
    const float yScale = (surface.ScaleHeight() - 15.0f - band.Height()) / (top - kHeadroom * low);
    const std::string& xTitle = u.UnitIndexARV != 0 ? texts.QuantityTitleRotationalVelocity
                                                    : texts.QuantityTitleAngularVelocity;

    surface.BeginFrame();  // curves and captions appear together
    PlotChart(surface, series, samples.FirstSpeed, 1, samples.LastIndex, xScale,
              static_cast<float>(u.DynoGraphScaleX / u.UnitFactorARV), yScale,
              static_cast<float>(u.DynoGraphScaleY), xTitle, core::UnitSuffix(core::Quantity::ARV),
              texts.QuantityTitleTorque, core::UnitSuffix(core::Quantity::Torque), false,
              kPlotEngine, kHeadroom * low);
    if (showScannedPeaks) {
        vehicle::ScanEnginePeaks(engine);
        const std::vector<std::string> lines = ScannedPeakTexts();
        PrintFontText(surface, "", 0.0f, 0.0f);
        surface.ForeColor = kPeakTextColor;
        // Two lines at the bottom left: the lower one ends 30 twips above the x-axis title,
        // which fills the bottom line of the picture. (Placed at 45 and 30 twips above the
        // edge, as a picture scaled in pixels would hold them, the text would lie below the
        // edge of one scaled in twips.)
        const float lineHeight = surface.TextHeight(lines[0]);
        const float titleTop = surface.ScaleHeight() - surface.TextHeight(xTitle);
        const float lowerTop = titleTop - 30.0f - lineHeight;
        surface.CurrentX = kPeakTextLeft;
        surface.CurrentY = lowerTop - lineHeight;
        surface.Print(lines[0]);
        surface.CurrentX = kPeakTextLeft;
        surface.CurrentY = lowerTop;
        surface.Print(lines[1]);
        surface.ForeColor = 0;
    }
    if (!band.Lines.empty()) PrintBand(surface, band);
    surface.EndFrame();
}

void DrawDynoBand(platform::Surface& surface, std::string_view text, KeptNames names) {
    surface.BeginFrame();
    surface.Cls();
    PrintFontText(surface, "", 0.0f, 0.0f);
    PrintBand(surface, BandLines(surface, text, names));
    surface.EndFrame();
}

}  // namespace charts
