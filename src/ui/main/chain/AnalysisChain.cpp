#include "ui/main/chain/AnalysisChain.hpp"

#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/RunRefusal.hpp"
#include "analysis/SteeringCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "platform/Services.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingDiffs.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/displays/AeroGearingDisplays.hpp"
#include "ui/main/displays/ChartDisplays.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/main/inputs/SetupReaders_Chassis.hpp"
#include "ui/main/inputs/SetupReaders_Drivetrain.hpp"
#include "ui/main/inputs/SetupReaders_Suspension.hpp"
#include "ui/main/displays/SteeringTyreDisplays.hpp"
#include "ui/main/displays/SuspensionDisplays.hpp"

namespace ui {

namespace {

bool WheelDriven() {
    return core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType < vehicle::kDriveThrust;
}

}  // namespace

void CalcMassesAndCentreOfGravity(Main& form) {
    analysis::CalcMassesAndCentreOfGravity(ReadMassInputs(form), vehicle::VehCode().SeatPositions);
    ShowPhysicalAnalysis(form);
    DrawPhysicalChart(form);
}

void CalcWheelDimensionsAndInertia(Main&) { vehicle::CalcWheelDimensionsAndInertia(); }

void UpdateTyreAnalysis(Main& form) {
    vehicle::UpdateTyreAnalysis(ReadTyreSetupInputs(form), ReadLiveTyreInputs(form),
                                analysis::TyreLoadsFromMasses());
    ShowTyreAnalysis(form);
    DrawTyreDiagrams(form);
}

void CalcSteeringGeometry(Main& form) {
    auto& live = analysis::LiveStateCode();
    live.LateralAcceleration =
        analysis::CalcSteeringGeometry(ReadSteeringSetupInputs(form), ReadLiveSteeringInputs(form),
                                       live.LiveSpeed, live.BodyPitch);
    ShowSteeringAnalysis(form);
    PlotSteeringGeometry(form);
}

void UpdateEngineModel(Main& form) {
    const uint8_t driveType = core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType;
    vehicle::EngineRecord& engine = vehicle::EngineCode().CurrentEngine;
    vehicle::UpdateEngineModel(engine, driveType);
    // A vehicle that is not wheel driven has no engine curve.
    if (driveType < vehicle::kDriveThrust) {
        DrawDynoGraph(form, engine);
    } else {
        ClearDynoGraph(form);
    }
}

void BuildAeroSpeedTable(Main& form) {
    vehicle::BuildAeroSpeedTable(analysis::AeroLoadsFromMasses());
    DrawAeroSpeedChart(form);
}

void CalcGearing(Main& form) {
    vehicle::GearingLinks links;
    links.LiveGear = analysis::LiveStateCode().LiveGear;
    links.ShowGearingTable = [&form] { ShowGearingTable(form); };
    links.DrawGearingGraph = [&form] { DrawGearingGraph(form); };
    links.CalcGearWheelLoads = [] {
        vehicle::CalcGearWheelLoads(analysis::AeroLoadsFromMasses(),
                                    vehicle::GearingCode().SpeedAtShift);
    };
    vehicle::CalcGearing(ReadGearingInputs(form), links);
}

void SetDiffParams(Main& form) {
    vehicle::SetDiffParams(ReadDiffInputs(form));
    ShowDiffSettings(form);
}

void AnalyseLiveStateAll(Main& form) {
    analysis::LiveStateLinks links;
    // The live state rebuilds the speed table before its aerodynamic displays.
    links.ShowAeroAnalysis = [&form] {
        DrawAeroSpeedChart(form);
        ShowAeroAnalysis(form);
        DrawAeroForcesChart(form);
        DrawAeroBalanceDiagram(form);
    };
    links.ShowTyreAnalysis = [&form] {
        ShowTyreAnalysis(form);
        DrawTyreDiagrams(form);
    };
    links.ShowSuspensionAnalysis = [&form] {
        ShowSuspensionAnalysis(form);
        DrawSuspensionCharts(form);
    };
    links.ShowSteeringAnalysis = [&form] { ShowSteeringAnalysis(form); };
    links.PlotSteeringGeometry = [&form] { PlotSteeringGeometry(form); };
    AnalyseLiveState(form, links);
}

void RunAccelerationAnalysisAll(Main& form) {
    RunAccelerationAnalysis(form, analysis::AccelerationCode().AccTimeStep);
}

void TellRunRefusal() {
    const std::string why = analysis::RunRefusalText();
    if (why.empty()) return;
    platform::MsgBox(why, platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                     core::TextTable().MsgTitleProblem);
}

void SettleVehicleAtRest(Main& form) {
    // The live state brakes through the brake torques (it starts from rest by itself), and
    // the gearing worked out before it, which picks the live gear, reads the heights, the wing
    // angles and the tyres' pressures and rolling resistance. Left as the vehicle selected
    // before had them, they changed this vehicle's live state and every run starting from it.
    SetBrakeTorques(form);
    vehicle::ApplyWingAngles(ReadAeroSetupInputs(form));
    analysis::ResetLiveResults();
    UpdateTyreAnalysis(form);  // no live loads yet: the tyres at the static loads
}

void RecalculateAnalyses(Main& form) {
    SettleVehicleAtRest(form);
    // The live state drives through the gearing: it must be this vehicle's, not the one left
    // by the vehicle selected before (its ratios and torque split would move the live corner
    // loads, and with them the tyre state every run starts from). The shift speeds then
    // follow the live heights.
    if (WheelDriven()) CalcGearing(form);
    AnalyseLiveStateAll(form);
    if (WheelDriven()) {
        CalcGearing(form);
    } else {
        ShowGearingTable(form);  // no gearing: no figures (of the vehicle before) in its table
    }
    SetDiffParams(form);
    RunAccelerationAnalysisAll(form);
    RunDecelerationAnalysis(form);
    TellRunRefusal();
}

void RecalculateAll(Main& form) {
    CalcMassesAndCentreOfGravity(form);
    UpdateTyreAnalysis(form);
    BuildAeroSpeedTable(form);
    AnalyseLiveStateAll(form);
    CalcGearing(form);
    SetDiffParams(form);
    SetBrakeTorques(form);
}

}  // namespace ui
