// The line charts: PlotChart, the one curve chart of the program (run graphs, engine chart,
// aerodynamic forces, suspension response, the per-gear drive torque chart), and
// PlotChartFromTop, its twin with the origin at the top edge (aerodynamic lift, drawn
// downwards).
//
// A value v at point i lies at y = ScaleHeight - 15 - v x yScale (higher by -yLow x yScale
// with a raised zero line); its x depends on the mode (below). Both routines redraw the whole
// surface as one picture and leave DrawWidth at 2.
//
// Unusable scales: when xScale or yScale is not a finite number, or a point's position is not,
// the curves (or that segment) are left out and the grid, axes and titles are still drawn.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/ColumnRanges.hpp"
#include "platform/Surface.hpp"

namespace charts {

// The data of a chart, read in place: Series series of Points points each. The value of series
// s at point i is Values[SeriesOffset[s] + i x PointStride], so a chart reads the columns of a
// run table (one row a point) or series stored one after another without copying them. A mode
// reads only the series it draws; series the view does not hold are not drawn, and points past
// its end neither. Ranges, when set, remembers the ranges of the series read from Values
// (DrawnValueRange), for data that stays as it is between draws (a run's table).
struct ChartSeries {
    static constexpr int kMaxSeries = 6;
    const float* Values = nullptr;
    int Series = 0;
    int32_t Points = 0;
    int32_t PointStride = 1;
    std::array<int32_t, kMaxSeries> SeriesOffset{};
    core::ColumnRangeMemo* Ranges = nullptr;
    float At(int s, int32_t i) const {
        return Values[static_cast<size_t>(SeriesOffset[s]) + static_cast<size_t>(i) * PointStride];
    }

    // `series` series of `points` values stored one after another.
    static ChartSeries Contiguous(const float* values, int series, int32_t points);
    // Columns of a table of `rows` rows of `rowLength` values each (one row a point), with
    // the table's memo of column ranges if it has one.
    static ChartSeries Columns(const float* table, int32_t rowLength, int32_t rows,
                               const int* columns, int count,
                               core::ColumnRangeMemo* ranges = nullptr);
    static ChartSeries Columns(const float* table, int32_t rowLength, int32_t rows,
                               std::initializer_list<int> columns) {
        return Columns(table, rowLength, rows, columns.begin(), static_cast<int>(columns.size()));
    }
};

// Chart layouts of PlotChart.
enum : uint8_t {
    kPlotSingle = 0,       // one series, black; point i at x = 15 + i x x0 x xScale
    kPlotAeroForces = 1,   // six series against point index (x = 15 + i x xScale): body drag
                           // black, undertray green, rear wing blue, front wing red (each only
                           // when the element is fitted), rolling resistance magenta, total cyan
    kPlotForces = 2,       // from point 0: series 1 red, 2 blue, 0 green; with showExtra also
                           // 3 magenta and 4 cyan (x as mode 0)
    kPlotEngine = 3,       // torque (series 0, blue) and power (series 1, green) against engine
                           // speed x0 + i; right-hand axis and power title
    kPlotGearTorque = 4,   // the engine torque curve (N m at idle + i rad/s) turned into the
                           // wheel torque of every gear, with traction lines and the used range
    kPlotFourCorners = 5,  // four series: 0 and 1 black, 2 and 3 blue (x as mode 0)
};

// Draws the chart of `mode` from `y` (x0: the point spacing in modes 0, 2 and 5, the x value
// of point 0 in modes 3 and 4; not read in mode 1). Segments join every stride-th point up to
// lastIdx (the loop ends at lastIdx - stride; modes 3 and 4 join point i - 1 to i). stride
// must be at least 1. Titles as DrawAxisTitles. Mode 1 reads the current vehicle's aero
// elements; mode 4 the current vehicle's drivetrain, the gearing results, the current engine,
// the wheels' static traction torques and the gear-torque drawing options.
// yLow (below 0; not in mode 4) is the value at the bottom axis: the zero line is raised by
// -yLow x yScale and the horizontal grid lines run both ways from it (DrawGridAboutZero).
void PlotChart(platform::Surface& s, const ChartSeries& y, float x0, uint8_t stride,
               int32_t lastIdx, float xScale, float xStep, float yScale, float yStep,
               const std::string& xTitle, const std::string& xUnit, const std::string& yTitle,
               const std::string& yUnit, bool showExtra, uint8_t mode, float yLow = 0.0f);

// The lowest and highest finite value PlotChart draws of `y` in a mode of stride segments
// (0, 1, 2 or 5): the points its segments join, of the series the mode shows. None (Any
// false) for the other modes or when no segment is drawn. Taken from y.Ranges when set.
using ValueRange = core::ValueRange;
ValueRange DrawnValueRange(const ChartSeries& y, uint8_t stride, int32_t lastIdx,
                           bool showExtra, uint8_t mode);

// The six aerodynamic lift series (as mode 1) drawn downwards from the top edge: the zero line
// is 15 twips below the top, y = 15 - v x yScale, and point i lies at x = 15 + i x xScale. When
// a drawn series lifts (a value above 0), or a downforce would reach past the bottom edge, the
// zero line moves down and the y scale shrinks as needed, so that the largest lift and the
// largest downforce both fit between the top margin and the bottom edge; the horizontal grid
// lines then run both ways from the zero line. The wheel-load series 4 and 5 only with the
// option DrawAeroVLoads. Both titles always carry their brackets; the x title stands on the
// top edge.
void PlotChartFromTop(platform::Surface& s, const ChartSeries& y, uint8_t stride, int16_t lastIdx,
                      float xScale, float xStep, float yScale, float yStep,
                      const std::string& xTitle, const std::string& xUnit,
                      const std::string& yTitle, const std::string& yUnit);

}  // namespace charts
