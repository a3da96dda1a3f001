// Placeholder draw routines: each records its graph id on a cleared picture until the graph
// itself is drawn here.
#include "charts/GraphWindowRoutines.hpp"

#include "charts/ResizeableGraphCode.hpp"
#include "platform/Controls.hpp"

namespace charts {

namespace {

void Blank(GraphGroup group, int16_t index, GraphWindow& window) {
    const GraphGroupRange range = GroupRange(group);
    if (index < 0 || index >= range.Count) return;
    platform::Surface& s = window.LargeGraph().Surf();
    s.BeginFrame();
    s.Cls();
    s.EndFrame();
    window.SetCurrentGraph(range.FirstId + index);
}

}  // namespace

void DrawPowerTorqueGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Data, i, w); }
void DrawCornerMassesGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Physical, i, w); }
void DrawDecelerationGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Deceleration, i, w); }
void DrawSpringGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Springs, i, w); }
void DrawDamperGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Damping, i, w); }
void DrawSteeringGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Steering, i, w); }
void DrawDrivetrainGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Drivetrain, i, w); }
void DrawTyreGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Tyres, i, w); }
void DrawAeroGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Aero, i, w); }
void DrawAccelerationGraph(int16_t i, GraphWindow& w) { Blank(GraphGroup::Acceleration, i, w); }

}  // namespace charts
