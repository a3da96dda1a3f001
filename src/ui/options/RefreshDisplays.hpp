// What the main window redisplays after the options change: the list of routines that show a
// quantity (run after a change of its unit), the refresh of every display after the options
// file has been read from the options window, and the chart a graph-scale group redraws.
//
// All of them work from the state the analyses have already computed; a change of speed unit
// also reruns the run summaries and searches (their benchmark speeds follow the speed unit), a
// change of large-distance unit reruns both searches, and a change of power or torque unit
// re-fits the engine curve. Each does nothing when there is no main window.
#pragma once

#include <array>

#include "core/GraphScales.hpp"
#include "core/Units.hpp"

namespace ui {

// Charts whose drawing waits for the end of a unit preset.
struct ChartRedrawsState {
    int Holds = 0;  // ChartsDrawnOnce objects alive
    std::array<bool, static_cast<std::size_t>(core::ScaleChart::AccGraph) + 1> Pending{};
};
ChartRedrawsState& ChartRedraws();

// While one lives (a unit preset choosing its 21 units), RedisplayQuantity notes the charts
// it would draw instead of drawing them; when the outermost ends, each noted chart is drawn
// once, on the main window and in every graph window that shows it.
class ChartsDrawnOnce {
public:
    ChartsDrawnOnce();
    ~ChartsDrawnOnce();
    ChartsDrawnOnce(const ChartsDrawnOnce&) = delete;
    ChartsDrawnOnce& operator=(const ChartsDrawnOnce&) = delete;
};

// The redisplay list of one quantity, in order; each list ends with RefreshGraphScaleLabels.
// Its charts wait while a ChartsDrawnOnce lives.
void RedisplayQuantity(core::Quantity q);

// Every summary, caption and chart of the main window in the current units, scales and
// drawing switches: the acceleration summary and search, the deceleration summary and search,
// then the captions of every page, the scale labels, and the charts.
void RefreshAllDisplays();

// The chart of a graph-scale group (or of a drawing switch), on the main window and in every
// graph window that shows it.
void RedrawScaleChart(core::ScaleChart chart);

}  // namespace ui
