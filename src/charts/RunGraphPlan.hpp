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

// Draws one run graph: point k at time k x dt, every stride-th point up to `last`. Its width
// spans the table's time, 0 to last x dt, so that the last point drawn lies within it: a run's
// speed need not rise to the end (a gear too short or too tall to hold the speed it was
// shifted at), so the moment it first reached its final speed can lie well before its last
// row. Its height spans the plan's range, widened to the values the chart draws: a value above
// the range moves the top to 1.05 x that value, and one below zero that would lie past the
// bottom edge raises the zero line to leave 1.05 x the lowest value under it, so no curve
// leaves the picture upwards or downwards.
void PlotRunGraph(platform::Surface& s, const RunGraphPlan& g, const ChartSeries& y, float dt,
                  uint8_t stride, int32_t last, bool showExtra);

}  // namespace charts
