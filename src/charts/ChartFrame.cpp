#include "charts/ChartFrame.hpp"

#include <cmath>

#include "charts/ChartColours.hpp"
#include "platform/Control.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"

namespace charts {

namespace {

constexpr int kLineCap = 100;  // a grid direction ends once more lines than this were drawn
constexpr float kFontHeightTwips = 160.0f;  // 8 points

float FiniteOr0(float v) { return std::isfinite(v) ? v : 0.0f; }

// A grid line at position p of a surface `size` twips across could be seen; lines further
// off than the surface is large are left out (the loop still counts them).
bool Visible(float p, float size) { return std::fabs(p) <= 2.0f * std::fabs(size) + 1.0f; }

// Calls line(p) for the grid positions p = 0, step, 2 step, ... (times scale) of one direction
// until one reaches `limit` (that one is still drawn) or kLineCap lines were counted; lines
// beyond sight (a step far larger than the chart) are counted but not drawn.
template <typename DrawLine>
void ForEachGridLine(float scale, float step, float limit, float size, DrawLine line) {
    float a = 0.0f, p = 0.0f;
    int n = 0;
    while (p < limit) {
        p = a * scale;
        if (Visible(p, size)) line(p);
        a += step;
        if (++n > kLineCap) p = size;
    }
}

}  // namespace

float GridStep(double option, core::Quantity q) {
    return static_cast<float>(option / core::UnitData(q).Factor);
}

ChartRedraw::ChartRedraw(platform::Surface& surface) : surface_(surface) {
    surface_.BeginFrame();
    surface_.Cls();
}

ChartRedraw::~ChartRedraw() { surface_.EndFrame(); }

void DrawGrid(platform::Surface& s, float xScale, float xStep, float yScale, float yStep,
              uint8_t top, uint8_t bottom, uint8_t left, uint8_t right, uint8_t gridMode) {
    // A direction without a usable scale has no grid lines; a step that is not a number is 0.
    const bool xGrid = std::isfinite(xScale), yGrid = std::isfinite(yScale);
    xStep = FiniteOr0(xStep);
    yStep = FiniteOr0(yStep);
    const float w = s.ScaleWidth();
    const float h = s.ScaleHeight();
    const float l = left, r = right, t = top, b = bottom;
    s.DrawWidth = 1;

    if (gridMode != kGridHorizontal && xGrid) {
        ForEachGridLine(xScale, xStep, w - static_cast<float>(left + right), w, [&](float p) {
            if (gridMode == kGridCentred) {
                s.Line(w / 2 + p, h, w / 2 + p, 0, kGrey);
                s.Line(w / 2 - p, h, w / 2 - p, 0, kGrey);
            } else {
                s.Line(l + p, h - b, l + p, t, kGrey);
            }
        });
    }

    if (yGrid) {
        ForEachGridLine(yScale, yStep, h - static_cast<float>(top + bottom), h, [&](float p) {
            if (gridMode == kGridCentred) {
                s.Line(0, h / 2 + p, w, h / 2 + p, kGrey);
                s.Line(0, h / 2 - p, w, h / 2 - p, kGrey);
            } else if (gridMode == kGridFromTop) {
                s.Line(l, t + p, w - r, t + p, kGrey);
            } else {
                s.Line(l, h - b - p, w - r, h - b - p, kGrey);
            }
        });
    }

    if (gridMode == kGridCentred) {
        s.Line(w / 2, h, w / 2, 0);
        s.Line(0, h / 2, w, h / 2);
        return;
    }
    s.Line(l, h - b, l, t);
    if (right > 0) s.Line(w - r, h - b, w - r, t);
    s.Line(l, h - b, w - r, h - b);
}

std::string TitleWithUnit(const std::string& title, const std::string& unit) {
    const auto& tt = core::TextTable();
    return title + " " + tt.UnitOpenBracket + core::Trim(unit) + tt.UnitCloseBracket;
}

void DrawAxisTitles(platform::Surface& s, const std::string& xTitle, const std::string& xUnit,
                    const std::string& yTitle, const std::string& yUnit) {
    if (!xTitle.empty()) {
        s.CurrentX = s.ScaleWidth() / 3;
        s.CurrentY = s.ScaleHeight() - kChartMargin;
        s.Print(TitleWithUnit(xTitle, xUnit));
    }
    const std::string yText = yUnit.empty() ? yTitle : TitleWithUnit(yTitle, yUnit);
    PrintRotatedText(s, yText, 0.0f, s.ScaleHeight() / 1.25f);
}

int ChartFontHeightPixels(int twipsPerPixelY) {
    return -core::CInt(kFontHeightTwips / static_cast<float>(twipsPerPixelY));
}

platform::FontSpec ChartFont() {
    // The request gives a character height in pixels; at the screen's 96 pixels to the inch
    // a point is 4/3 of a pixel.
    const int px = -ChartFontHeightPixels(platform::kTwipsPerPixel);
    return platform::FontSpec{"Arial", static_cast<float>(px) * 0.75f, false, false};
}

void PrintRotatedText(platform::Surface& s, const std::string& text, float x, float y) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.PrintWithFont(text, ChartFont(), 90.0);
}

void PrintFontText(platform::Surface& s, const std::string& text, float x, float y) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.PrintWithFont(text, ChartFont(), 0.0);
}

}  // namespace charts
