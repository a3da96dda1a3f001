// The graph window's engine curve (id 0).
#include "charts/GraphWindowRoutines.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "platform/Controls.hpp"

namespace charts {

// Placeholder until the dyno chart can be drawn on any picture: records the id on a cleared
// picture.
void DrawPowerTorqueGraph(int16_t index, GraphWindow& window) {
    if (index != 0) return;
    window.SetCurrentGraph(GroupRange(GraphGroup::Data).FirstId);
    platform::Surface& s = window.LargeGraph().Surf();
    s.BeginFrame();
    s.Cls();
    s.EndFrame();
}

}  // namespace charts
