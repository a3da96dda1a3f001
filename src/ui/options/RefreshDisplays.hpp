// What the main window redisplays after the options change: the list of routines that show a
// quantity (run after a change of its unit), the refresh of every display after the options
// file has been read from the options window, and the chart a graph-scale group redraws.
//
// All of them work from the state the analyses have already computed; a change of speed unit
// also reruns the run summaries and searches (their benchmark speeds follow the speed unit), a
// change of large-distance unit reruns both searches, and a change of power or torque unit
// re-fits the engine curve. Each does nothing when there is no main window.
#pragma once

#include "core/GraphScales.hpp"
#include "core/Units.hpp"

namespace ui {

// The redisplay list of one quantity, in order; each list ends with RefreshGraphScaleLabels.
void RedisplayQuantity(core::Quantity q);

// Every summary, caption and chart of the main window in the current units, scales and
// drawing switches: the acceleration summary and search, the deceleration summary and search,
// then the captions of every page, the scale labels, and the charts.
void RefreshAllDisplays();

// The chart of a graph-scale group (or of a drawing switch), on the main window and in every
// graph window that shows it.
void RedrawScaleChart(core::ScaleChart chart);

}  // namespace ui
