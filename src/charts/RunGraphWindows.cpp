// The draw routines of the graph windows for the two runs against time (ids 2 to 11 and 32 to
// 41). The deceleration graphs are the deceleration page's own; the acceleration graphs differ
// from the acceleration page's: every step of 0.01 s is plotted (the page plots one every
// 0.1 s), the distance is shown in the small-distance unit, and the force axis is sized with
// the radius of the driven rear wheels for a rear-driven car.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <initializer_list>
#include <string>

#include "analysis/AccelerationCode.hpp"
#include "charts/ChartFrame.hpp"
#include "charts/GearSpeedChart.hpp"
#include "charts/GraphWindowRoutines.hpp"
#include "charts/LineCharts.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "charts/RunGraphPlan.hpp"
#include "charts/RunGraphs.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

namespace {

using core::Quantity;

// Steps between plotted points: one point every 0.01 s of the run.
uint8_t AccPointStride(float dt) {
    if (dt == 0.01f) return 1;
    if (dt == 0.002f) return 5;
    if (dt == 0.0005f) return 20;
    return static_cast<uint8_t>(std::clamp<int32_t>(core::CLng(0.01f / dt), 1, 255));
}

// The top of the force graph: the drive force the engine can give through first gear, at most
// 1.05 x the largest drive force of the run; with the wheel loads drawn, raised to 1.02 x the
// heavier axle's load.
float AccForceTop() {
    const auto& run = analysis::AccelerationCode();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const auto& eng = vehicle::EngineCode().CurrentEngine;
    float m = eng.PeakTorque;  // a vehicle that is not wheel driven: its thrust
    if (veh.Drivetrain.DriveType != vehicle::kDriveThrust) {
        const auto& tyres = vehicle::TyreCode().WheelTyres;
        const float r = veh.Drivetrain.DriveType == vehicle::kDriveRear ? tyres[2].UnloadedRadius
                                                                          : tyres[0].UnloadedRadius;
        m = veh.Drivetrain.DrivetrainEfficiency * eng.PeakTorque *
            vehicle::GearingCode().OverallRatios[1] / (0.95f * r);
    }
    m = std::min(m, 1.05f * run.AccResults[analysis::AccRes::PeakDriveForce]);
    if (core::FromVbBool(core::OptionsSettings().DrawAccVLoads)) {
        const auto& load = run.AccAero.WheelLoad;
        const float axle = load[0] > load[2] ? load[0] + load[1] : load[2] + load[3];
        m = std::max(m, 1.02f * axle);
    }
    return m;
}

// last: the last row of the run, -1 for a run without rows.
RunGraphPlan AccGraphOf(int index, int32_t last) {
    namespace C = analysis::AccCol;
    namespace R = analysis::AccRes;
    const auto& run = analysis::AccelerationCode();
    const auto row = [&run, last](int32_t step, int column) {
        return last >= 0 ? run.Row(step, column) : 0.0f;
    };
    const auto& opt = core::OptionsSettings();
    const auto& tt = core::TextTable();
    const auto unit = [](Quantity q) { return core::UnitSuffix(q); };
    switch (index) {
        case 0:
            return RunPlan({C::Throttle}, 1.05f, 0.1f, tt.QuantityTitleThrottle, "%", kPlotSingle,
                           opt.ThrottleTimeGraphScaleX);
        case 1:
            return RunPlan({C::EngineSpeed}, 1.05f * vehicle::EngineCode().CurrentEngine.LimitSpeed,
                           GridStep(opt.EngineARVTimeGraphScaleY, Quantity::ARV),
                           AngularVelocityTitle(), unit(Quantity::ARV), kPlotSingle,
                           opt.EngineARVTimeGraphScaleX);
        case 2:
            return RunPlan({C::Gear},
                           core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears + 1.0f, 1.0f,
                           tt.QuantityTitleGear, "", kPlotSingle, opt.GearTimeGraphScaleX);
        case 3:
            return RunPlan({C::DriveForce, C::Resistance, C::NetForce, C::WheelLoad, C::WheelLoad + 2},
                           AccForceTop(), GridStep(opt.ForcesTimeGraphScaleY, Quantity::Force),
                           tt.QuantityTitleForce, unit(Quantity::Force), kPlotForces,
                           opt.ForcesTimeGraphScaleX);
        case 4:
            return RunPlan({C::Acceleration}, 1.05f * run.AccResults[R::PeakAcceleration],
                           GridStep(opt.AccTimeGraphScaleY, Quantity::Acc),
                           tt.QuantityTitleAcceleration, unit(Quantity::Acc), kPlotSingle,
                           opt.AccTimeGraphScaleX);
        case 5:
            return RunPlan({C::Speed}, 1.05f * row(last, C::Speed),
                           GridStep(opt.SpeedTimeGraphScaleY, Quantity::Speed),
                           tt.QuantityTitleSpeed, unit(Quantity::Speed), kPlotSingle,
                           opt.SpeedTimeGraphScaleX);
        case 6:
            return RunPlan({C::Distance}, 1.05f * run.AccResults[R::DistanceAtFinalSpeed],
                           GridStep(opt.DistanceTimeGraphScaleY, Quantity::DistanceSmall),
                           tt.QuantityTitleDistance, unit(Quantity::DistanceSmall), kPlotSingle,
                           opt.DistanceTimeGraphScaleX);
        case 7:
            return CornerDistancePlan(C::LoadedSpringLength, 1.02f * LongestTravel(run.AccSusp, 0.01f),
                                      opt.SpringDefTimeGraphScaleY, opt.SpringDefTimeGraphScaleX);
        case 8:
            return CornerDistancePlan(C::TyreDeflection, 1.05f * TallestSidewall(run.AccTyres),
                                      opt.TyreDefTimeGraphScaleY, opt.TyreDefTimeGraphScaleX);
        default:
            return RunPlan({C::FuelLeft}, 1.05f * row(0, C::FuelLeft),
                           GridStep(opt.FuelTimeGraphScaleY, Quantity::Volume),
                           tt.QuantityTitleVolume, unit(Quantity::Volume), kPlotSingle,
                           opt.FuelTimeGraphScaleX);
    }
}

// The y title and unit of each deceleration graph.
std::pair<std::string, std::string> DecTitles(int index) {
    const auto& tt = core::TextTable();
    const auto unit = [](Quantity q) { return core::UnitSuffix(q); };
    switch (index) {
        case 0: return {tt.QuantityTitleBrake, "%"};
        case 1: return {AngularVelocityTitle(), unit(Quantity::ARV)};
        case 2: return {tt.QuantityTitleGear, ""};
        case 3: return {tt.QuantityTitleForce, unit(Quantity::Force)};
        case 4: return {tt.QuantityTitleAcceleration, unit(Quantity::Acc)};
        case 5: return {tt.QuantityTitleSpeed, unit(Quantity::Speed)};
        case 6: return {tt.QuantityTitleDistance, unit(Quantity::DistanceLarge)};
        case 7:
        case 8: return {tt.QuantityTitleDistance, unit(Quantity::DistanceSmall)};
        default: return {tt.QuantityTitleBrakeBalance, "%"};
    }
}

// A run graph before the run has any rows: its axes and titles, no curve (the window would
// otherwise go on showing the graph it showed before).
void EmptyRunGraph(platform::Surface& s, const std::string& yTitle, const std::string& yUnit) {
    PlotChart(s, ChartSeries{}, 0.0f, 1, -1, NAN, 0.0f, NAN, 0.0f,
              core::TextTable().QuantityTitleTime, "s", yTitle, yUnit, false, kPlotSingle);
}

}  // namespace

// Ids 2-11: the deceleration run's graphs, as on the deceleration page.
void DrawDecelerationGraph(int16_t index, GraphWindow& window) {
    if (index < 0 || index >= GroupRange(GraphGroup::Deceleration).Count) return;
    platform::Surface& s = window.LargeGraph().Surf();
    if (!DrawDecChart(s, index)) {
        const auto [title, unit] = DecTitles(index);
        EmptyRunGraph(s, title, unit);
    }
    window.SetCurrentGraph(GroupRange(GraphGroup::Deceleration).FirstId + index);
}

// Ids 32-41: the acceleration run's graphs over the whole run.
void DrawAccelerationGraph(int16_t index, GraphWindow& window) {
    const GraphGroupRange range = GroupRange(GraphGroup::Acceleration);
    if (index < 0 || index >= range.Count) return;
    const auto& run = analysis::AccelerationCode();
    const int32_t rows = std::min<int32_t>(
        run.AccLastStep + 1, static_cast<int32_t>(run.AccData.size() / analysis::kAccColumns));
    platform::Surface& s = window.LargeGraph().Surf();
    if (rows < 1) {
        const RunGraphPlan g = AccGraphOf(index, -1);
        EmptyRunGraph(s, g.YTitle, g.YUnit);
    } else {
        const int32_t last = rows - 1;
        const float dt = run.AccTimeStep;
        const RunGraphPlan g = AccGraphOf(index, last);
        const bool extra = index == 3 && core::FromVbBool(core::OptionsSettings().DrawAccVLoads);
        const ChartSeries y =
            ChartSeries::Columns(run.AccData.data(), analysis::kAccColumns, rows, g.Columns.data(),
                                 g.ColumnCount, &analysis::AccelerationCode().AccDataRanges);
        PlotRunGraph(s, g, y, dt, AccPointStride(dt), last, extra);
    }
    window.SetCurrentGraph(range.FirstId + index);
}

}  // namespace charts
