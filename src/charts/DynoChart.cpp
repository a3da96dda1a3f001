#include "charts/DynoChart.hpp"

#include <algorithm>
#include <cmath>

#include "charts/ChartFrame.hpp"
#include "charts/LineCharts.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
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

// The refusal's lines in red, each below the one before from the top.
void PrintBand(platform::Surface& surface, const std::vector<std::string>& lines) {
    surface.ForeColor = kPeakTextColor;
    float lineTop = 0.0f;
    for (const std::string& line : lines) {
        surface.CurrentX = kPeakTextLeft;
        surface.CurrentY = lineTop;
        surface.Print(line);
        lineTop += surface.TextHeight(line);
    }
    surface.ForeColor = 0;
}

std::vector<std::string> BandLines(const platform::Surface& surface, std::string_view text) {
    return WrappedLines(surface, text, surface.ScaleWidth() - 2.0f * kPeakTextLeft);
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
                                      float width) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        std::string longer = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && surface.TextWidth(longer) > width) {
            lines.push_back(std::move(line));
            longer = std::string(word);
        }
        line = std::move(longer);
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

void DrawDynoChart(platform::Surface& surface, vehicle::EngineRecord& engine,
                   bool showScannedPeaks, std::string_view refusal) {
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
    const std::vector<std::string> refusalLines = BandLines(surface, refusal);
    float band = 0.0f;
    for (const std::string& line : refusalLines) band += surface.TextHeight(line);
    const float yScale = (surface.ScaleHeight() - 15.0f - band) / (top - kHeadroom * low);
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
    if (!refusalLines.empty()) PrintBand(surface, refusalLines);
    surface.EndFrame();
}

void DrawDynoBand(platform::Surface& surface, std::string_view text) {
    surface.BeginFrame();
    surface.Cls();
    PrintFontText(surface, "", 0.0f, 0.0f);
    PrintBand(surface, BandLines(surface, text));
    surface.EndFrame();
}

}  // namespace charts
