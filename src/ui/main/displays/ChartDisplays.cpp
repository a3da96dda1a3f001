#include "ui/main/displays/ChartDisplays.hpp"

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/PatchDiagrams.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "charts/RunGraphs.hpp"
#include "charts/SuspensionCharts.hpp"
#include "charts/VehicleCharts.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui {

namespace {

using charts::GraphGroup;
using charts::RefreshGraphWindows;

platform::Surface& Surf(platform::PictureBox* box) { return box->Surf(); }

}  // namespace

void DrawPhysicalChart(Main& form) {
    charts::DrawCornerMassChart(Surf(form.Analysis_PhysChart));
    RefreshGraphWindows(GraphGroup::Physical);
}

void DrawSuspChart(Main& form) {
    charts::DrawSuspRearView(form.Analysis_SuspChart(3).Surf());
    charts::DrawSuspSideView(form.Analysis_SuspChart(4).Surf());
    RefreshGraphWindows(GraphGroup::Springs, 3, 4);  // rear and side views
}

void DrawSuspDamperChart(Main& form) {
    charts::DrawSpringLoadChart(form.Analysis_SuspChart(0).Surf());
    charts::DrawWheelTravelChart(form.Analysis_SuspChart(1).Surf());
    RefreshGraphWindows(GraphGroup::Springs, 0, 1);  // spring loads and deflections
}

void DrawSuspBalance(Main& form) {
    charts::DrawRollStiffnessChart(form.Analysis_SuspChart(2).Surf());
    RefreshGraphWindows(GraphGroup::Springs, 2, 2);  // roll stiffness
    charts::DrawBalanceBar(Surf(form.Analysis_SuspBalance),
                           analysis::SuspensionCode().RollPerMassRearShare);
}

void DrawSuspResponseChart(Main& form) {
    const auto& names = core::TextTable().DampGraphModeNames;
    const auto& susp = analysis::SuspensionCode();
    const std::string& text = form.Analysis_SuspDampGraphCombo->Text();
    const analysis::ResponseHistory<float>* travel = nullptr;
    if (text == names[0]) travel = &susp.DropResponseTravel;
    else if (text == names[1]) travel = &susp.PushResponseTravel;
    else if (text == names[2]) travel = &susp.LiveResponseTravel;
    if (travel) charts::DrawSuspResponse(Surf(form.Analysis_DampChart), *travel);
    // The graph windows show their own choice, whatever the combo says.
    RefreshGraphWindows(GraphGroup::Damping);
}

void DrawDampBalance(Main& form) {
    const auto& balance = analysis::SuspensionCode().DampBalance;
    for (int i = 0; i < 5; ++i)
        if (form.Analysis_DampBalance.Has(i))
            charts::DrawBalanceBar(form.Analysis_DampBalance(i).Surf(), balance[static_cast<size_t>(i)]);
}

void DrawSuspensionCharts(Main& form) {
    DrawSuspChart(form);
    DrawSuspDamperChart(form);
    DrawSuspBalance(form);
    DrawSuspResponseChart(form);
    DrawDampBalance(form);
}

namespace {

// The two pictures of a run's page, each with the chart its list chooses (draw(surface,
// choice)); a refused run's pictures are blank, not the last run's.
template <typename Pictures, typename Choices, typename Draw>
void DrawRunPictures(Pictures& pictures, Choices& choices, bool refused, const Draw& draw) {
    for (int p = 0; p < 2; ++p) {
        platform::Surface& s = pictures(p).Surf();
        if (refused)
            s.Cls();
        else
            draw(s, choices(p).ListIndex());
    }
}

}  // namespace

void DrawAccGraph(Main& form, float& dt) {
    const auto draw = [&dt](platform::Surface& s, int choice) {
        charts::DrawAccChart(s, choice, dt);
    };
    DrawRunPictures(form.Analysis_AccGraph, form.Analysis_AccGraphData,
                    analysis::AccelerationCode().RunRefused, draw);
    RefreshGraphWindows(GraphGroup::Acceleration);
}

void DrawDecGraph(Main& form) {
    DrawRunPictures(form.Analysis_DecGraph, form.Analysis_DecGraphData,
                    analysis::DecelerationCode().RunRefused,
                    [](platform::Surface& s, int choice) { charts::DrawDecChart(s, choice); });
    RefreshGraphWindows(GraphGroup::Deceleration);
}

void PlotSteeringGeometry(Main& form) {
    charts::DrawSteeringDiagrams(form.Analysis_SteeringDiagram(0).Surf(),
                                 form.Analysis_SteeringDiagram(1).Surf());
    RefreshGraphWindows(GraphGroup::Steering);
}

void DrawGearingGraph(Main& form) {
    charts::DrawGearingSpeedChart(form.Analysis_GearingGraph(0).Surf());
    charts::DrawGearingTorqueChart(form.Analysis_GearingGraph(1).Surf());
    RefreshGraphWindows(GraphGroup::Drivetrain);
}

void DrawTyreDiagrams(Main& form) {
    const int wheel = form.Analysis_TyreChoice->ListIndex();
    // A wheel outside the list leaves both pictures as they were.
    if (wheel >= 0 && wheel < 4) {
        const auto& tyre = vehicle::TyreCode().WheelTyres[static_cast<size_t>(wheel)];
        charts::DrawTyreSideView(form.Analysis_TyreDrawing(0).Surf(), wheel,
                                 static_cast<float>(form.Analysis_TyresZoom(1).Value()));
        charts::DrawContactPatches(form.Analysis_TyreDrawing(1).Surf(), tyre,
                                   static_cast<float>(form.Analysis_TyresZoom(0).Value()) * 10.0f,
                                   0.0f, 0.0f);
    }
    RefreshGraphWindows(GraphGroup::Tyres);
    charts::DrawBalanceBar(Surf(form.Analysis_TyreGripDrawing), vehicle::TyreCode().FrontGripShare);
}

void DrawAeroSpeedChart(Main& form) {
    charts::DrawAeroSpeedChart(form.Analysis_AeroForcesChart(0).Surf(),
                               core::FromVbBool(SettingHandlers().AeroGraphMode));
    RefreshGraphWindows(GraphGroup::Aero, 0, 1);  // drag and lift against speed
}

void DrawAeroForcesChart(Main& form) {
    charts::DrawAeroForcesChart(form.Analysis_AeroForcesChart(1).Surf());
    RefreshGraphWindows(GraphGroup::Aero, 2, 2);  // the wheel loads
}

void DrawAeroBalanceDiagram(Main& form) {
    charts::DrawAeroBalanceChart(Surf(form.Analysis_AeroBalanceDiagram));
}

}  // namespace ui
