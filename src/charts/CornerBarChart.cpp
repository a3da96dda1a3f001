#include "charts/CornerBarChart.hpp"

#include <algorithm>
#include <cmath>

#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"

namespace charts {

namespace {

// The shares are compared as Singles.
constexpr float kBalanceHigh = 0.5025f;
constexpr float kBalanceLow = 0.4925f;
constexpr float kBalanceInset = 4.0f;  // twips between the edge and the bar's frame

}  // namespace

CornerBarGeometry CornerBars(float scaleWidth) {
    CornerBarGeometry g;
    g.Slot = core::CLng((scaleWidth - kChartMargin) / 4.0f);
    g.BarWidth = core::CLng(static_cast<float>(g.Slot) / 1.75f);
    g.Gap = core::CLng(static_cast<float>(g.Slot - g.BarWidth) / 2.0f);
    return g;
}

void DrawCornerBarChart(platform::Surface& s, const std::array<float, 8>& values, float yScale,
                        float yStep, const std::string& yTitle, const std::string& yUnit,
                        uint8_t mode) {
    ChartRedraw frame(s);
    DrawGrid(s, 0.0f, 0.0f, yScale, yStep, 0, 15, 15, 0, kGridHorizontal);
    const CornerBarGeometry g = CornerBars(s.ScaleWidth());
    s.DrawWidth = 3;

    const float y0 = s.ScaleHeight() - kChartMargin;
    const bool draw = std::isfinite(yScale) && mode <= kBarsCompare;
    for (int n = 0; draw && n < 4; ++n) {
        const int k = CornerBarOrder[n];
        const float a = values[k], b = values[k + 4];
        // A bar beyond the chart (a negative value runs down from the base) ends at its edge.
        const auto onChart = [&](float y) { return std::clamp(y, 0.0f, s.ScaleHeight()); };
        const float topA = onChart(y0 - a * yScale), topB = onChart(y0 - b * yScale);
        if (!std::isfinite(topA) || !std::isfinite(topB)) continue;
        // The bar's columns, one twip apart from its left edge to BarWidth twips right of it,
        // each a vertical line of the pen's width: together one solid block per colour.
        const float x = kChartMargin + static_cast<float>(n * g.Slot + g.Gap);
        const float x2 = x + static_cast<float>(g.BarWidth);
        auto columns = [&](float bottom, float top, Color c) { s.Box(x, bottom, x2, top, c, true); };
        switch (mode) {
        case kBarsSingle:
            columns(y0, topA, kRed);
            break;
        case kBarsOverlay:
            columns(y0, topA, kBlue);
            columns(y0, topB, kGreen);
            break;
        default:
            if (b > a) columns(y0, topB, kGreen);
            columns(y0, topA, kBlue);
            if (b < a) columns(topB, topA, kRed);
            break;
        }
    }

    DrawAxisTitles(s, "", "", yTitle, yUnit);
    const auto& tt = core::TextTable();
    const std::string labels[4] = {tt.RearText + " " + tt.LeftText, tt.RearText + " " + tt.RightText,
                                   tt.FrontText + " " + tt.LeftText, tt.FrontText + " " + tt.RightText};
    for (int n = 0; n < 4; ++n) {
        const float x = static_cast<float>(n * g.Slot + g.Gap) + kChartMargin +
                        static_cast<float>(g.BarWidth) / 3.0f;
        PrintRotatedText(s, labels[n], x, s.ScaleHeight() - 22.5f);
    }
}

void DrawBalanceBar(platform::Surface& s, float v) {
    ChartRedraw frame(s);
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    const float in = kBalanceInset;
    const Color back = v > kBalanceHigh ? kLightRed : v < kBalanceLow ? kLightBlue : kLightGreen;
    s.Box(in, in, w - in, h - in, back, true);
    // A share beyond 0..1 ends at the frame's edge.
    const float end = in + std::clamp(v, 0.0f, 1.0f) * (w - 2 * in);
    if (std::isfinite(end)) s.Box(w * 0.5f, in, end, h - in, v >= 0.5f ? kRed : kBlue, true);
    for (int i = 0; i <= 10; ++i) {
        const float x = in + static_cast<float>(i) * (w - 2 * in) / 10.0f;
        s.Line(x, in, x, h - in, kBlack);
    }
    s.Line(w / 2, 0, w / 2, h, kBlack);
    const auto& tt = core::TextTable();
    s.CurrentX = 15;
    s.CurrentY = h / 3;
    s.Print(tt.UndersteerText);
    s.CurrentX = w * 0.8f;
    s.CurrentY = h / 3;
    s.Print(tt.OversteerText);
}

}  // namespace charts
