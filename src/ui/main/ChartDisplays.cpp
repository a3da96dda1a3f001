#include "ui/main/ChartDisplays.hpp"

#include "analysis/SuspensionCode.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/GraphWindowRefresh.hpp"
#include "charts/PatchDiagrams.hpp"
#include "charts/RunGraphs.hpp"
#include "charts/SuspensionCharts.hpp"
#include "charts/VehicleCharts.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "ui/main/Main.hpp"
#include "ui/main/SettingHandlers.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui {

namespace {

// Graph ids of the graph windows, by family.
namespace GraphId {
constexpr int16_t CornerMass = 1;
constexpr int16_t DecFirst = 2, DecLast = 11;
constexpr int16_t SpringLoads = 12, WheelTravel = 13, RollStiffness = 14, RearView = 15,
                  SideView = 16, ResponseFirst = 17, ResponseLast = 19;
constexpr int16_t SteeringPlan = 20, Camber = 21;
constexpr int16_t GearSpeed = 22, GearTorque = 23;
constexpr int16_t TyreFirst = 24, TyreLast = 28;
constexpr int16_t AeroDrag = 29, AeroLift = 30, AeroLoads = 31;
constexpr int16_t AccFirst = 32, AccLast = 41;
}  // namespace GraphId

platform::Surface& Surf(platform::PictureBox* box) { return box->Surf(); }

}  // namespace

void DrawPhysicalChart(Main& form) {
    charts::DrawCornerMassChart(Surf(form.Analysis_PhysChart));
    charts::RefreshGraphWindows(GraphId::CornerMass, GraphId::CornerMass);
}

void DrawSuspChart(Main& form) {
    charts::DrawSuspRearView(form.Analysis_SuspChart(3).Surf());
    charts::DrawSuspSideView(form.Analysis_SuspChart(4).Surf());
    charts::RefreshGraphWindows(GraphId::RearView, GraphId::SideView);
}

void DrawSuspDamperChart(Main& form) {
    charts::DrawSpringLoadChart(form.Analysis_SuspChart(0).Surf());
    charts::DrawWheelTravelChart(form.Analysis_SuspChart(1).Surf());
    charts::RefreshGraphWindows(GraphId::SpringLoads, GraphId::WheelTravel);
}

void DrawSuspBalance(Main& form) {
    charts::DrawRollStiffnessChart(form.Analysis_SuspChart(2).Surf());
    charts::RefreshGraphWindows(GraphId::RollStiffness, GraphId::RollStiffness);
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
    charts::RefreshGraphWindows(GraphId::ResponseFirst, GraphId::ResponseLast);
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

void DrawAccGraph(Main& form, float& dt) {
    for (int p = 0; p < 2; ++p)
        charts::DrawAccChart(form.Analysis_AccGraph(p).Surf(), form.Analysis_AccGraphData(p).ListIndex(), dt);
    charts::RefreshGraphWindows(GraphId::AccFirst, GraphId::AccLast);
}

void DrawDecGraph(Main& form) {
    for (int p = 0; p < 2; ++p)
        charts::DrawDecChart(form.Analysis_DecGraph(p).Surf(), form.Analysis_DecGraphData(p).ListIndex());
    charts::RefreshGraphWindows(GraphId::DecFirst, GraphId::DecLast);
}

void PlotSteeringGeometry(Main& form) {
    charts::DrawSteeringDiagrams(form.Analysis_SteeringDiagram(0).Surf(),
                                 form.Analysis_SteeringDiagram(1).Surf());
    charts::RefreshGraphWindows(GraphId::SteeringPlan, GraphId::Camber);
}

void DrawGearingGraph(Main& form) {
    charts::DrawGearingSpeedChart(form.Analysis_GearingGraph(0).Surf());
    charts::DrawGearingTorqueChart(form.Analysis_GearingGraph(1).Surf());
    charts::RefreshGraphWindows(GraphId::GearSpeed, GraphId::GearTorque);
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
    charts::RefreshGraphWindows(GraphId::TyreFirst, GraphId::TyreLast);
    charts::DrawBalanceBar(Surf(form.Analysis_TyreGripDrawing), vehicle::TyreCode().FrontGripShare);
}

void DrawAeroSpeedChart(Main& form) {
    charts::DrawAeroSpeedChart(form.Analysis_AeroForcesChart(0).Surf(),
                               core::FromVbBool(SettingHandlers().AeroGraphMode));
    charts::RefreshGraphWindows(GraphId::AeroDrag, GraphId::AeroLift);
}

void DrawAeroForcesChart(Main& form) {
    charts::DrawAeroForcesChart(form.Analysis_AeroForcesChart(1).Surf());
    charts::RefreshGraphWindows(GraphId::AeroLoads, GraphId::AeroLoads);
}

void DrawAeroBalanceDiagram(Main& form) {
    charts::DrawAeroBalanceChart(Surf(form.Analysis_AeroBalanceDiagram));
}

}  // namespace ui
