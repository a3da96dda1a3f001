// What every chart has around its data: the grey grid with its axis lines, the axis titles
// with their units in brackets, and text in the 8-point chart font, level or turned to read
// upwards. None of these clears the surface: the chart that calls them draws its whole picture
// inside one ChartRedraw.
//
// Coordinates are twips (15 to the pixel), origin top-left, y downwards. Scales are twips per
// unit of the plotted quantity, steps units between grid lines. Margins are whole twips.
#pragma once

#include <cstdint>
#include <string>

#include "core/Units.hpp"
#include "platform/Surface.hpp"

namespace charts {

// The data origin of every line chart: 15 twips in from the left edge and up from the bottom.
inline constexpr float kChartMargin = 15.0f;

// One chart drawn as one picture: the surface collects the drawing and shows it only when the
// chart is complete (the hide, clear, draw and show of a picture box). Clears on construction.
class ChartRedraw {
public:
    explicit ChartRedraw(platform::Surface& surface);
    ~ChartRedraw();
    ChartRedraw(const ChartRedraw&) = delete;
    ChartRedraw& operator=(const ChartRedraw&) = delete;

private:
    platform::Surface& surface_;
};

// Grid layouts of DrawGrid.
enum : uint8_t {
    kGridFromBottom = 0,   // vertical and horizontal lines from the bottom-left origin
    kGridFromTop = 1,      // horizontal lines counted downwards from the top margin
    kGridHorizontal = 2,   // horizontal lines only (bar charts)
    kGridCentred = 3,      // pairs of lines running outwards from the centre, whole surface
};

// Grid lines (0xAAAAAA) every xStep / yStep at the given scales, then the axis lines in the
// surface's foreground colour: left, bottom, and right when `right` > 0 (a centre cross in
// the centred layout). Positions are the running sum of the steps; each direction stops at the
// first line at or past the usable size, and after 101 lines whatever the step (a step or
// scale of 0 puts them all on the axis). A step whose lines would lie less than 8 pixels
// apart, or would need more than 100 lines to cross the chart, is widened to its smallest
// 1-2-5 multiple (2, 5, 10, 20, ... times) that does neither. A direction whose scale is not
// a finite number has no grid lines; a step that is not a finite number counts as 0. Leaves
// DrawWidth at 1.
void DrawGrid(platform::Surface& s, float xScale, float xStep, float yScale, float yStep,
              uint8_t top, uint8_t bottom, uint8_t left, uint8_t right, uint8_t gridMode);

// The top-down frame of a chart whose zero line lies zeroY twips below the top edge (at the
// top margin of 15 twips or lower): as DrawGrid in the from-top layout with margins 15 top and
// left, 0 bottom and right, except that the horizontal lines run every yStep both ways from the
// zero line, down to the bottom edge and up to the top margin.
void DrawGridFromLevel(platform::Surface& s, float xScale, float xStep, float yScale, float yStep,
                       float zeroY);

// The bottom-up frame of a line chart whose zero line lies zeroY twips below the top edge,
// above the bottom axis (values below zero lie under it): as DrawGrid in the from-bottom
// layout (margins 15 left and bottom, `right` at the right) except that the horizontal grid
// lines run every yStep both ways from the zero line, down to the bottom axis (none below it)
// and up to the first at or past the top edge; the zero line itself is drawn in the axis
// colour.
void DrawGridAboutZero(platform::Surface& s, float xScale, float xStep, float yScale, float yStep,
                       float zeroY, uint8_t right);

// The x title "<xTitle> (<xUnit>)" at a third of the width with its bottom on the bottom
// edge (none when xTitle is empty; the brackets stay when the unit is empty), and the y
// title "<yTitle> (<yUnit>)" (no brackets when yUnit is empty) reading upwards from the left
// edge at 80 % of the height. Units are trimmed of blanks.
void DrawAxisTitles(platform::Surface& s, const std::string& xTitle, const std::string& xUnit,
                    const std::string& yTitle, const std::string& yUnit);

// `scale` (twips per metre), or less where a drawing of half width `across` and half height
// `along` (m) about the centre of a room of `width` x `height` twips would pass its edges:
// then the drawing fills 90 % of the room in that direction, so that it touches no edge. A
// scale that is not finite is returned as it is (nothing can be drawn at it).
float ScaleWithin(float scale, float across, float along, float width, float height);

// A chart-scale option (a grid step in the display unit of q) in internal units.
float GridStep(double option, core::Quantity q);

// "<title> (<unit>)" with the text table's brackets and the unit trimmed of blanks.
std::string TitleWithUnit(const std::string& title, const std::string& unit);

// The chart font: Arial, a character height of 160 twips rounded to whole pixels.
platform::FontSpec ChartFont();
// The chart font's character height in pixels as the font request gives it (negative: a
// character height rather than a cell height); -11 at 15 twips per pixel.
int ChartFontHeightPixels(int twipsPerPixelY);

// Text in the chart font turned 90 degrees: it starts at (x, y) and reads upwards, the glyphs
// lying to the right of x.
void PrintRotatedText(platform::Surface& s, const std::string& text, float x, float y);
// Turned text as PrintRotatedText whose glyphs end at the right edge: the title of a
// right-hand axis.
void PrintRotatedTextAtRight(platform::Surface& s, const std::string& text, float y);
// The height of a line of text in the chart font, twips (a turned text's width across).
float ChartTextHeight(const std::string& text);
// Level text in the chart font with its top-left corner at (x, y).
void PrintFontText(platform::Surface& s, const std::string& text, float x, float y);

}  // namespace charts
