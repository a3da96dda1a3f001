// The graph window's engine curve (id 0): the current engine at full throttle, without the
// editor's peak captions.
#include "charts/DynoChart.hpp"
#include "charts/GraphWindowRoutines.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "platform/Controls.hpp"

namespace charts {

void DrawPowerTorqueGraph(int16_t index, GraphWindow& window) {
    if (index != 0) return;
    window.SetCurrentGraph(GroupRange(GraphGroup::Data).FirstId);
    vehicle::EngineRecord engine = vehicle::EngineCode().CurrentEngine;
    engine.Throttle = 1.0f;
    DrawDynoChart(window.LargeGraph().Surf(), engine, false);
}

}  // namespace charts
