#include "ui/options/RefreshDisplays.hpp"

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/VehicleRecord.hpp"
#include "ui/main/displays/AeroGearingDisplays.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/ChartDisplays.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/main/displays/SteeringTyreDisplays.hpp"
#include "ui/main/displays/SuspensionDisplays.hpp"
#include "ui/options/OptionsPanelFill.hpp"

namespace ui {
namespace {

Main* MainWindowOrNull() { return core::GlobalChassisLab().MainForm; }

float& AccStep() { return analysis::AccelerationCode().AccTimeStep; }

// The power and torque chart of the current engine; a vehicle that is not wheel driven has
// no engine curve, and its chart is cleared.
void DrawDynoGraph(Main& form) {
    if (core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType < vehicle::kDriveThrust) {
        ui::DrawDynoGraph(form, vehicle::EngineCode().CurrentEngine);
    } else {
        ClearDynoGraph(form);
    }
}

// A chart of a redisplay: drawn now, or noted while a preset holds the drawing.
void Draw(core::ScaleChart chart) {
    ChartRedrawsState& redraws = ChartRedraws();
    if (redraws.Holds > 0) {
        redraws.Pending[static_cast<std::size_t>(chart)] = true;
    } else {
        RedrawScaleChart(chart);
    }
}

}  // namespace

ChartRedrawsState& ChartRedraws() {
    static ChartRedrawsState state;
    return state;
}

ChartsDrawnOnce::ChartsDrawnOnce() { ++ChartRedraws().Holds; }

ChartsDrawnOnce::~ChartsDrawnOnce() {
    ChartRedrawsState& redraws = ChartRedraws();
    if (--redraws.Holds > 0) return;
    for (std::size_t i = 0; i < redraws.Pending.size(); ++i) {
        if (!redraws.Pending[i]) continue;
        redraws.Pending[i] = false;
        RedrawScaleChart(static_cast<core::ScaleChart>(i));
    }
}

void RedisplayQuantity(core::Quantity q) {
    Main* w = MainWindowOrNull();
    if (w == nullptr) return;
    Main& f = *w;
    using Q = core::Quantity;
    using C = core::ScaleChart;
    switch (q) {
        case Q::Speed:
            ShowVehicleData(f);
            ShowGearingTable(f);
            ShowAeroAnalysis(f);
            AnalyseAccRun(f, AccStep());
            SearchAccRun(f, AccStep());
            analysis::AnalyseDecRun();
            SearchDecRun(f);
            Draw(C::AccGraph);
            ShowDecResults(f);
            Draw(C::DecGraph);
            Draw(C::GearingGraph);
            Draw(C::AeroSpeedChart);
            // The traction-control slip speed beside its slider is a speed too.
            ShowBrakeSettings(f);
            break;
        case Q::DistanceSmall:
            ShowPhysicalAnalysis(f);
            ShowLiveAnalysis(f);
            ShowVehicleData(f);
            ShowTyreAnalysis(f);
            ShowSuspensionAnalysis(f);
            ShowSteeringAnalysis(f);
            Draw(C::AccGraph);
            Draw(C::DecGraph);  // spring lengths and tyre deflections
            Draw(C::SuspDamperChart);
            Draw(C::SuspResponseChart);
            Draw(C::TyreDiagrams);
            break;
        case Q::DistanceLarge:
            ShowAccResults(f);
            SearchAccRun(f, AccStep());
            SearchDecRun(f);
            Draw(C::AccGraph);
            ShowDecResults(f);
            Draw(C::DecGraph);  // distance
            break;
        case Q::Area:
            ShowAeroAnalysis(f);
            ShowTyreAnalysis(f);
            ShowVehicleData(f);
            break;
        case Q::Pressure:
            ShowVehicleData(f);
            ShowTyreAnalysis(f);
            ShowAeroAnalysis(f);
            break;
        case Q::Mass:
            ShowVehicleData(f);
            ShowPhysicalAnalysis(f);
            Draw(C::PhysicalChart);
            break;
        case Q::Force:
            ShowVehicleData(f);
            ShowPhysicalAnalysis(f);
            ShowSuspensionAnalysis(f);
            ShowAeroAnalysis(f);
            // The tyre page's grip forces and dynamic load.
            ShowTyreAnalysis(f);
            ShowAccResults(f);
            Draw(C::DecGraph);
            Draw(C::SuspDamperChart);
            Draw(C::AeroSpeedChart);
            Draw(C::AeroForcesChart);
            Draw(C::AccGraph);
            break;
        case Q::Stiffness:
            ShowTyreAnalysis(f);
            ShowSuspensionAnalysis(f);
            break;
        case Q::Acc:
            ShowVehicleData(f);
            ShowLiveAnalysis(f);
            ShowTyreAnalysis(f);
            ShowAccResults(f);
            ShowDecResults(f);
            Draw(C::AccGraph);
            Draw(C::DecGraph);  // deceleration
            break;
        case Q::Power:
            ShowVehicleData(f);
            UpdateEngineModel(f);
            ShowAeroAnalysis(f);
            break;
        case Q::Torque:
            ShowVehicleData(f);
            UpdateEngineModel(f);
            ShowGearingTable(f);
            ShowDiffSettings(f);
            ShowBrakeSettings(f);
            Draw(C::GearingGraph);
            break;
        case Q::P2W:
        case Q::MOI:
            ShowPhysicalAnalysis(f);
            break;
        case Q::Density:
            ShowAeroAnalysis(f);
            break;
        case Q::ARV:
            ShowVehicleData(f);
            ShowLiveAnalysis(f);
            Draw(C::DynoGraph);
            ShowGearingTable(f);
            Draw(C::GearingGraph);
            Draw(C::AccGraph);
            Draw(C::DecGraph);  // engine speed
            break;
        case Q::Damping:
        case Q::Rot:
            ShowSuspensionAnalysis(f);
            break;
        case Q::Angle:
            // The vehicle data page's inclination and camber offset.
            ShowVehicleData(f);
            ShowAeroAnalysis(f);
            ShowSuspensionAnalysis(f);
            ShowSteeringAnalysis(f);
            break;
        case Q::FuelEcon:
            ShowAccResults(f);
            break;
        case Q::Volume:
            ShowVehicleData(f);
            ShowLiveAnalysis(f);
            ShowAccResults(f);
            Draw(C::AccGraph);
            break;
        case Q::Frequency:
            ShowSuspensionAnalysis(f);
            ShowTyreAnalysis(f);
            break;
    }
    RefreshGraphScaleLabels();
}

void RefreshAllDisplays() {
    Main* w = MainWindowOrNull();
    if (w == nullptr) return;
    Main& f = *w;
    AnalyseAccRun(f, AccStep());
    SearchAccRun(f, AccStep());
    // The deceleration summary's benchmark speeds follow the speed unit: summarise the stored
    // run again before its search and captions, or a new speed unit would show the old
    // unit's benchmarks.
    analysis::AnalyseDecRun();
    SearchDecRun(f);
    ShowVehicleData(f);
    ShowPhysicalAnalysis(f);
    ShowLiveAnalysis(f);
    ShowBrakeSettings(f);
    ShowDecResults(f);
    ShowSuspensionAnalysis(f);
    ShowSteeringAnalysis(f);
    ShowGearingTable(f);
    ShowDiffSettings(f);
    ShowTyreAnalysis(f);
    ShowAeroAnalysis(f);
    RefreshGraphScaleLabels();
    DrawDynoGraph(f);
    DrawPhysicalChart(f);
    DrawDecGraph(f);
    DrawSuspDamperChart(f);
    DrawSuspResponseChart(f);
    DrawGearingGraph(f);
    DrawTyreDiagrams(f);
    DrawAeroSpeedChart(f);
    DrawAeroForcesChart(f);
    DrawAccGraph(f, AccStep());
}

void RedrawScaleChart(core::ScaleChart chart) {
    Main* w = MainWindowOrNull();
    if (w == nullptr) return;
    Main& f = *w;
    using C = core::ScaleChart;
    switch (chart) {
        case C::None: break;
        case C::DynoGraph: DrawDynoGraph(f); break;
        case C::PhysicalChart: DrawPhysicalChart(f); break;
        case C::DecGraph: DrawDecGraph(f); break;
        case C::SuspDamperChart: DrawSuspDamperChart(f); break;
        case C::SuspBalance: DrawSuspBalance(f); break;
        case C::SuspChart: DrawSuspChart(f); break;
        case C::SuspResponseChart: DrawSuspResponseChart(f); break;
        case C::GearingGraph: DrawGearingGraph(f); break;
        case C::TyreDiagrams: DrawTyreDiagrams(f); break;
        case C::AeroSpeedChart: DrawAeroSpeedChart(f); break;
        case C::AeroForcesChart: DrawAeroForcesChart(f); break;
        case C::AccGraph: DrawAccGraph(f, AccStep()); break;
    }
}

}  // namespace ui
