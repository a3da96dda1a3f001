// The draw routines of the graph windows for the mass, suspension, steering,
// drive-train, tyre and aerodynamic graphs (ids 1 and 12 to 31). Where a graph is the main
// window's chart at another size, the page chart's own routine draws it on the window's
// picture; the others choose their scales here from the picture's size and call the chart
// primitives.
#include "charts/ChartFrame.hpp"
#include "charts/GraphWindowRoutines.hpp"

#include <algorithm>
#include <array>

#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/PatchDiagrams.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "charts/SteeringDiagrams.hpp"
#include "charts/SuspensionCharts.hpp"
#include "charts/VehicleCharts.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

namespace {

using core::Quantity;

platform::Surface& Picture(GraphWindow& window) { return window.LargeGraph().Surf(); }

bool InGroup(GraphGroup group, int16_t index) {
    return index >= 0 && index < GroupRange(group).Count;
}

void Record(GraphGroup group, int16_t index, GraphWindow& window) {
    window.SetCurrentGraph(GroupRange(group).FirstId + index);
}

}  // namespace

// Id 1: the static corner masses, scaled so that the bare body's heaviest corner fills
// 1 / 1.15 of the window's own inner height.
void DrawCornerMassesGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Physical, index)) return;
    Record(GraphGroup::Physical, index, window);
    DrawCornerMassChart(Picture(window), window.InnerHeight());
}

// Ids 12-16: spring loads, spring deflections, roll stiffness, rear view, side view.
void DrawSpringGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Springs, index)) return;
    platform::Surface& s = Picture(window);
    switch (index) {
        case 0: DrawSpringLoadChart(s); break;
        case 1: DrawWheelTravelChart(s); break;
        case 2: DrawRollStiffnessChart(s); break;
        case 3: DrawSuspRearView(s); break;
        default: DrawSuspSideView(s); break;
    }
    Record(GraphGroup::Springs, index, window);
}

// Ids 17-19: the drop, push and live response runs.
void DrawDamperGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Damping, index)) return;
    const auto& susp = analysis::SuspensionCode();
    const analysis::ResponseHistory<float>* runs[] = {
        &susp.DropResponseTravel, &susp.PushResponseTravel, &susp.LiveResponseTravel};
    DrawSuspResponse(Picture(window), *runs[index]);
    Record(GraphGroup::Damping, index, window);
}

// Ids 20-21: the steering plan (close-up or full view) and the camber diagram.
void DrawSteeringGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Steering, index)) return;
    platform::Surface& s = Picture(window);
    if (index == 0) {
        DrawSteeringPlan(s);
    } else {
        DrawCamberView(s, s.ScaleWidth());
    }
    Record(GraphGroup::Steering, index, window);
}

// Ids 22-23: engine speed against road speed, wheel torque against wheel speed.
void DrawDrivetrainGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Drivetrain, index)) return;
    if (index == 0) {
        DrawGearingSpeedChart(Picture(window));
    } else {
        DrawGearingTorqueChart(Picture(window));
    }
    Record(GraphGroup::Drivetrain, index, window);
}

// Ids 24-28: one wheel from the side (front left .. rear right), the four contact patches.
void DrawTyreGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Tyres, index)) return;
    platform::Surface& s = Picture(window);
    const float size = std::min(s.ScaleWidth(), 1.075f * s.ScaleHeight());
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    if (index < 4) {
        DrawTyreSideView(s, index, 0.4f * size / tyres[static_cast<std::size_t>(index)].UnloadedRadius);
    } else {
        DrawContactPatchDiagram(s, tyres, 0.75f * size / core::GlobalChassisLab().CurrentVehicle.Wheelbase);
    }
    Record(GraphGroup::Tyres, index, window);
}

// Ids 29-31: drag and lift against speed up to the top speed, and the aerodynamic wheel loads
// against the static ones on a scale that also holds the speed chart's largest force.
void DrawAeroGraph(int16_t index, GraphWindow& window) {
    if (!InGroup(GraphGroup::Aero, index)) return;
    platform::Surface& s = Picture(window);
    if (index < 2) {
        DrawAeroSpeedChart(s, index == 1);
    } else {
        const auto& aero = vehicle::AeroCode();
        const auto& table = aero.AeroSpeedTable;
        const int32_t n = core::CLng(aero.TopSpeed / vehicle::kAeroSpeedStep);
        const int32_t rows = std::clamp<int32_t>(n + 1, 0, static_cast<int32_t>(table.size()));
        float m = 0.0f;
        for (int32_t r = 0; r < rows; ++r)
            m = std::max({m, -table[r][1], -table[r][4], -table[r][5], table[r][11]});
        DrawAeroForcesChart(s, m);
    }
    Record(GraphGroup::Aero, index, window);
}

}  // namespace charts
