// What one graph of a run against time shows, for the run pages' graphs and the graph
// windows' own acceleration graphs: the table columns, the y range and grid step, the titles,
// the chart layout and the x grid step.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "analysis/SuspensionCode.hpp"
#include "charts/LineCharts.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

// Ranges and steps are internal (SI) units; the x grid step is seconds.
struct RunGraphPlan {
    std::array<int, 5> Columns{};
    int ColumnCount = 0;
    float Range = 0.0f;
    float YStep = 0.0f;
    std::string YTitle;
    std::string YUnit;
    uint8_t Mode = kPlotSingle;
    float XStep = 0.0f;
};

// Columns past the fifth are left out.
RunGraphPlan RunPlan(std::initializer_list<int> columns, float range, float yStep,
                     std::string yTitle, std::string yUnit, uint8_t mode, float xStep);

// The four corners' columns from `first` on (front-left, front-right, rear-left, rear-right),
// a distance in m (the spring lengths or the tyre deflections), the grid every yOption units
// of the small-distance unit.
RunGraphPlan CornerDistancePlan(int first, float range, int16_t yOption, float xStep);

// The longest spring travel of a run's working corners (m), `least` at the least.
float LongestTravel(const std::array<analysis::SuspCorner, 4>& corners, float least);

// The tallest sidewall of a run's working tyres, m.
float TallestSidewall(const std::array<vehicle::TyreState, 4>& tyres);

// The time (s) the acceleration graphs span: up to the moment the run first reached its final
// speed, or the table's last time for a run that never got going (no such moment).
float AccGraphTimeSpan();

// Draws one run graph: `timeSpan` seconds across the picture, point k at time k x dt, every
// stride-th point up to `last`. Its height spans the plan's range, widened to the values the
// chart draws: a value above the range moves the top to 1.05 x that value, and one below zero
// that would lie past the bottom edge raises the zero line to leave 1.05 x the lowest value
// under it, so no curve leaves the picture upwards or downwards.
void PlotRunGraph(platform::Surface& s, const RunGraphPlan& g, const ChartSeries& y, float dt,
                  uint8_t stride, int32_t last, float timeSpan, bool showExtra);

}  // namespace charts
