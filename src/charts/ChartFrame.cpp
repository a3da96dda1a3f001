#include "charts/ChartFrame.hpp"

#include <algorithm>
#include <cmath>

#include "charts/ChartColours.hpp"
#include "platform/Control.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"

namespace charts {

namespace {

constexpr int kLineCap = 100;     // a grid direction ends once more lines than this were drawn
constexpr double kMostLines = 100;  // lines a direction may need before its step is widened
constexpr double kFewestPixelsApart = 8;  // closer grid lines are widened apart
constexpr float kFontHeightTwips = 160.0f;  // 8 points

float FiniteOr0(float v) { return std::isfinite(v) ? v : 0.0f; }

// A grid line at position p of a surface `size` twips across could be seen; lines further
// off than the surface is large are left out (the loop still counts them).
bool Visible(float p, float size) { return std::fabs(p) <= 2.0f * std::fabs(size) + 1.0f; }

// The user's step, or its smallest 1-2-5 multiple (2, 5, 10, 20, 50, ... times) whose lines
// lie at least `fewestApart` surface units (kFewestPixelsApart pixels) apart and reach `limit`
// within kMostLines lines: closer lines hatch the chart grey, and a step that needs more lines
// would crowd them into the first part of the chart, where the line cap stops them. A step
// that does not move the lines forwards (zero, negative, or not a number on this scale) is
// kept as it is.
float WidenedStep(float scale, float step, float limit, double fewestApart) {
    const double spacing = static_cast<double>(step) * static_cast<double>(scale);
    if (!(spacing > 0.0) || !std::isfinite(spacing) || !(limit > 0.0f)) return step;
    // Lines 0, d, 2d, ... up to the first at or past the limit: ceil(limit / d) + 1 of them.
    for (double decade = 1.0; decade < 1e30; decade *= 10.0) {
        for (const double m : {1.0, 2.0, 5.0}) {
            const double apart = spacing * m * decade;
            if (apart >= fewestApart && std::ceil(limit / apart) + 1.0 <= kMostLines)
                return static_cast<float>(static_cast<double>(step) * m * decade);
        }
    }
    return step;
}

// The surface units that make kFewestPixelsApart pixels along a side `scaleSize` units and
// `pixels` pixels long (twips where the picture has no size yet).
double FewestApart(float scaleSize, int pixels) {
    const double perPixel = pixels > 0 ? std::fabs(static_cast<double>(scaleSize)) / pixels
                                       : static_cast<double>(platform::kTwipsPerPixel);
    return kFewestPixelsApart * perPixel;
}
double FewestApartX(const platform::Surface& s) {
    return FewestApart(s.ScaleWidth(), s.PixelWidth());
}
double FewestApartY(const platform::Surface& s) {
    return FewestApart(s.ScaleHeight(), s.PixelHeight());
}

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

// The vertical grid lines of the bottom-up and top-down layouts, from the bottom margin up to
// the top margin, every xStep (widened to fit) from the left margin.
void VerticalGridLines(platform::Surface& s, float xScale, float xStep, float top, float bottom,
                       float left, float right) {
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    const float limit = w - (left + right);
    ForEachGridLine(xScale, WidenedStep(xScale, xStep, limit, FewestApartX(s)), limit, w,
                    [&](float p) { s.Line(left + p, h - bottom, left + p, top, kGrey); });
}

// The left, bottom and (with a right margin) right axis lines, over the grid.
void AxisLines(platform::Surface& s, float top, float bottom, float left, float right) {
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    s.Line(left, h - bottom, left, top);
    if (right > 0) s.Line(w - right, h - bottom, w - right, top);
    s.Line(left, h - bottom, w - right, h - bottom);
}

}  // namespace

float ScaleWithin(float scale, float across, float along, float width, float height) {
    constexpr float kFill = 0.9f;  // share of the room a drawing made smaller fills
    if (!std::isfinite(scale)) return scale;
    float fit = scale;
    if (across > 0 && width > 0 && scale * 2 * across > width)
        fit = std::min(fit, kFill * width / (2 * across));
    if (along > 0 && height > 0 && scale * 2 * along > height)
        fit = std::min(fit, kFill * height / (2 * along));
    return std::isfinite(fit) ? fit : scale;
}

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

    if (gridMode == kGridCentred) {
        if (xGrid) {
            const float limit = w - static_cast<float>(left + right);
            const float step = WidenedStep(xScale, xStep, limit, FewestApartX(s));
            ForEachGridLine(xScale, step, limit, w, [&](float p) {
                s.Line(w / 2 + p, h, w / 2 + p, 0, kGrey);
                s.Line(w / 2 - p, h, w / 2 - p, 0, kGrey);
            });
        }
    } else if (gridMode != kGridHorizontal && xGrid) {
        VerticalGridLines(s, xScale, xStep, t, b, l, r);
    }

    if (yGrid) {
        const float limit = h - static_cast<float>(top + bottom);
        const float step = WidenedStep(yScale, yStep, limit, FewestApartY(s));
        ForEachGridLine(yScale, step, limit, h, [&](float p) {
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
    AxisLines(s, t, b, l, r);
}

void DrawGridFromLevel(platform::Surface& s, float xScale, float xStep, float yScale, float yStep,
                       float zeroY) {
    const float m = kChartMargin;
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    s.DrawWidth = 1;
    if (std::isfinite(xScale)) VerticalGridLines(s, xScale, FiniteOr0(xStep), m, 0.0f, m, 0.0f);
    if (std::isfinite(yScale)) {
        // One step for both sides of the zero line, widened to fit the whole height.
        const float step = WidenedStep(yScale, FiniteOr0(yStep), h - m, FewestApartY(s));
        ForEachGridLine(yScale, step, h - zeroY, h,
                        [&](float p) { s.Line(m, zeroY + p, w, zeroY + p, kGrey); });
        ForEachGridLine(yScale, step, zeroY - m, h, [&](float p) {
            if (p > 0) s.Line(m, zeroY - p, w, zeroY - p, kGrey);
        });
    }
    AxisLines(s, m, 0.0f, m, 0.0f);
}

void DrawGridAboutZero(platform::Surface& s, float xScale, float xStep, float yScale, float yStep,
                       float zeroY, uint8_t right) {
    const float m = kChartMargin, r = right;
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    const float axis = h - m;  // the bottom axis
    s.DrawWidth = 1;
    if (std::isfinite(xScale)) VerticalGridLines(s, xScale, FiniteOr0(xStep), 0.0f, m, m, r);
    if (std::isfinite(yScale)) {
        // One step for both sides of the zero line, widened to fit the whole height.
        const float step = WidenedStep(yScale, FiniteOr0(yStep), axis, FewestApartY(s));
        // Downwards no line past the bottom axis; upwards, as DrawGrid, up to the first line at
        // or past the top edge.
        ForEachGridLine(yScale, step, axis - zeroY, h, [&](float p) {
            if (p > 0 && zeroY + p <= axis) s.Line(m, zeroY + p, w - r, zeroY + p, kGrey);
        });
        ForEachGridLine(yScale, step, zeroY, h, [&](float p) {
            if (p > 0) s.Line(m, zeroY - p, w - r, zeroY - p, kGrey);
        });
    }
    AxisLines(s, 0.0f, m, m, r);
    if (zeroY >= 0 && zeroY <= axis) s.Line(m, zeroY, w - r, zeroY);
}

std::string TitleWithUnit(const std::string& title, const std::string& unit) {
    const auto& tt = core::TextTable();
    return title + " " + tt.UnitOpenBracket + core::Trim(unit) + tt.UnitCloseBracket;
}

void DrawAxisTitles(platform::Surface& s, const std::string& xTitle, const std::string& xUnit,
                    const std::string& yTitle, const std::string& yUnit) {
    if (!xTitle.empty()) {
        // Its bottom on the bottom edge, so the whole line of text shows.
        const std::string xText = TitleWithUnit(xTitle, xUnit);
        s.CurrentX = s.ScaleWidth() / 3;
        s.CurrentY = s.ScaleHeight() - s.TextHeight(xText);
        s.Print(xText);
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

float ChartTextHeight(const std::string& text) {
    const double px = platform::Services().fonts->Measure(text, ChartFont()).height;
    return static_cast<float>(px * platform::kTwipsPerPixel);
}

void PrintRotatedTextAtRight(platform::Surface& s, const std::string& text, float y) {
    PrintRotatedText(s, text, s.ScaleWidth() - ChartTextHeight(text), y);
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
