#include "charts/RunGraphPlan.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "charts/ChartFrame.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"

namespace charts {

namespace {
constexpr float kRangeMargin = 1.05f;  // room above the highest (below the lowest) value
}  // namespace

RunGraphPlan RunPlan(std::initializer_list<int> columns, float range, float yStep,
                     std::string yTitle, std::string yUnit, uint8_t mode, float xStep) {
    RunGraphPlan g;
    for (int c : columns)
        if (g.ColumnCount < 5) g.Columns[g.ColumnCount++] = c;
    g.Range = range;
    g.YStep = yStep;
    g.YTitle = std::move(yTitle);
    g.YUnit = std::move(yUnit);
    g.Mode = mode;
    g.XStep = xStep;
    return g;
}

RunGraphPlan CornerDistancePlan(int first, float range, int16_t yOption, float xStep) {
    using core::Quantity;
    return RunPlan({first, first + 1, first + 2, first + 3}, range,
                   GridStep(yOption, Quantity::DistanceSmall),
                   core::TextTable().QuantityTitleDistance,
                   core::UnitSuffix(Quantity::DistanceSmall), kPlotFourCorners, xStep);
}

float LongestTravel(const std::array<analysis::SuspCorner, 4>& corners, float least) {
    for (const auto& c : corners) least = std::max(least, c.SpringTravel);
    return least;
}

float TallestSidewall(const std::array<vehicle::TyreState, 4>& tyres) {
    float top = 0.0f;
    for (const auto& t : tyres) top = std::max(top, t.SidewallHeight);
    return top;
}

void PlotRunGraph(platform::Surface& s, const RunGraphPlan& g, const ChartSeries& y, float dt,
                  uint8_t stride, int32_t last, bool showExtra) {
    // The table's last time, as the runs' summaries time a row (exact in double, then rounded
    // once). A table of one row spans no time: no curve, the frame only.
    const auto timeSpan = static_cast<float>(static_cast<double>(dt) * last);
    const float xScale = (s.ScaleWidth() - kChartMargin) / timeSpan;
    const float height = s.ScaleHeight() - kChartMargin;  // from the bottom axis to the top edge
    float high = std::isfinite(g.Range) ? std::max(g.Range, 0.0f) : 0.0f;
    float low = 0.0f;
    const ValueRange drawn = DrawnValueRange(y, stride, last, showExtra, g.Mode);
    if (drawn.Any && drawn.High > high) high = drawn.High * kRangeMargin;
    // A value below zero that would be drawn past the bottom edge (further under the axis than
    // the margin) makes room for itself; one within the margin is still in the picture.
    if (drawn.Any && drawn.Low < 0.0f && -drawn.Low * (height / high) > kChartMargin)
        low = drawn.Low * kRangeMargin;
    const float yScale = height / (high - low);
    PlotChart(s, y, dt, stride, last, xScale, g.XStep, yScale, g.YStep,
              core::TextTable().QuantityTitleTime, "s", g.YTitle, g.YUnit, showExtra, g.Mode, low);
}

}  // namespace charts
