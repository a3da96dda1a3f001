#include "ui/main/displays/ChartDoubleClicks.hpp"

#include "core/GlobalChassisLab.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

using charts::GraphGroup;

namespace {

int ListIndexOf(const platform::ControlArray<platform::ComboBox>& lists, int box) {
    return lists.Has(box) ? lists(box).ListIndex() : -1;
}

}  // namespace

ChartGraph DecGraphShown(const Main& form, int box) {
    return {GraphGroup::Deceleration, ListIndexOf(form.Analysis_DecGraphData, box)};
}

ChartGraph AccGraphShown(const Main& form, int box) {
    return {GraphGroup::Acceleration, ListIndexOf(form.Analysis_AccGraphData, box)};
}

ChartGraph DamperGraphShown(const Main& form) {
    return {GraphGroup::Damping, form.Analysis_SuspDampGraphCombo->ListIndex()};
}

ChartGraph TyreGraphShown(const Main& form, int box) {
    // The side view shows the wheel chosen in the selector; the contact patches are item 4.
    return {GraphGroup::Tyres, box == 0 ? form.Analysis_TyreChoice->ListIndex() : 4};
}

ChartGraph AeroGraphShown(int box) {
    // The speed chart shows drag or lift; the second box the loads per tyre.
    if (box == 1) return {GraphGroup::Aero, 2};
    return {GraphGroup::Aero, core::FromVbBool(SettingHandlers().AeroGraphMode) ? 1 : 0};
}

void ShowChartInGraphWindow(const ChartGraph& graph) {
    if (graph.Item < 0 || graph.Item >= charts::GroupRange(graph.Group).Count) return;
    charts::ShowGraphInNewestWindow(graph.Group, static_cast<int16_t>(graph.Item));
}

void InstallChartDoubleClicks(Main& form) {
    Main* w = &form;
    form.TorquePowerPlot->DblClick = [] { ShowChartInGraphWindow({GraphGroup::Data, 0}); };
    form.Analysis_PhysChart->DblClick = [] { ShowChartInGraphWindow({GraphGroup::Physical, 0}); };
    form.Analysis_DecGraph.ForEach([w](int i, platform::PictureBox& box) {
        box.DblClick = [w, i] { ShowChartInGraphWindow(DecGraphShown(*w, i)); };
    });
    form.Analysis_SuspChart.ForEach([](int i, platform::PictureBox& box) {
        box.DblClick = [i] { ShowChartInGraphWindow({GraphGroup::Springs, i}); };
    });
    form.Analysis_DampChart->DblClick = [w] { ShowChartInGraphWindow(DamperGraphShown(*w)); };
    form.Analysis_SteeringDiagram.ForEach([](int i, platform::PictureBox& box) {
        box.DblClick = [i] { ShowChartInGraphWindow({GraphGroup::Steering, i}); };
    });
    form.Analysis_GearingGraph.ForEach([](int i, platform::PictureBox& box) {
        box.DblClick = [i] {
            // A vehicle that is not wheel driven has no drive-train graphs.
            const auto& vehicle = core::GlobalChassisLab().CurrentVehicle;
            if (vehicle.Drivetrain.DriveType >= vehicle::kDriveThrust) return;
            ShowChartInGraphWindow({GraphGroup::Drivetrain, i});
        };
    });
    form.Analysis_TyreDrawing.ForEach([w](int i, platform::PictureBox& box) {
        box.DblClick = [w, i] { ShowChartInGraphWindow(TyreGraphShown(*w, i)); };
    });
    form.Analysis_AeroForcesChart.ForEach([](int i, platform::PictureBox& box) {
        box.DblClick = [i] { ShowChartInGraphWindow(AeroGraphShown(i)); };
    });
    form.Analysis_AccGraph.ForEach([w](int i, platform::PictureBox& box) {
        box.DblClick = [w, i] { ShowChartInGraphWindow(AccGraphShown(*w, i)); };
    });
}

}  // namespace ui
