#include "charts/RunGraphPlan.hpp"

#include <algorithm>
#include <utility>

#include "charts/ChartFrame.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"

namespace charts {

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

}  // namespace charts
