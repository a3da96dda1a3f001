#include "charts/RunGraphs.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "charts/ChartFrame.hpp"
#include "charts/GearSpeedChart.hpp"
#include "charts/LineCharts.hpp"
#include "charts/RunGraphPlan.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

namespace {

using core::Quantity;

// The heavier axle's wheel loads x 1.02 when that exceeds r (the force graphs' wheel-load
// series must fit): the rear pair unless the front-left load is above the rear-left one.
float WithWheelLoads(float r, const std::array<float, 4>& load, bool frontHeavier) {
    const float axle = frontHeavier ? load[1] + load[0] : load[3] + load[2];
    return std::max(r, axle * 1.02f);
}

}  // namespace

bool DrawAccChart(platform::Surface& s, int choice, float dt) {
    const auto& run = analysis::AccelerationCode();
    if (choice < 0 || choice >= kRunGraphChoices || run.AccLastStep < 0) return false;
    const auto& opt = core::OptionsSettings();
    const auto& tt = core::TextTable();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const auto& eng = vehicle::EngineCode().CurrentEngine;
    const int32_t rows = std::min<int32_t>(
        run.AccLastStep + 1, static_cast<int32_t>(run.AccData.size() / analysis::kAccColumns));
    if (rows < 1) return false;
    const int32_t last = rows - 1;

    // One point every 0.1 s.
    const uint8_t stride = dt == 0.01f ? 10 : dt == 0.002f ? 50 : dt == 0.0005f ? 200
                         : static_cast<uint8_t>(std::clamp<int32_t>(core::CLng(0.1f / dt), 1, 255));
    const bool vLoads = core::FromVbBool(opt.DrawAccVLoads);

    namespace C = analysis::AccCol;
    RunGraphPlan g;
    switch (choice) {
    case 0:
        g = RunPlan({C::Throttle}, 1.05f, 0.1f, tt.QuantityTitleThrottle, "%", kPlotSingle,
             opt.ThrottleTimeGraphScaleX);
        break;
    case 1:
        g = RunPlan({C::EngineSpeed}, eng.LimitSpeed * 1.05f,
             GridStep(opt.EngineARVTimeGraphScaleY, Quantity::ARV),
             AngularVelocityTitle(), core::UnitSuffix(Quantity::ARV), kPlotSingle,
             opt.EngineARVTimeGraphScaleX);
        break;
    case 2:
        g = RunPlan({C::Gear}, veh.Drivetrain.NumGears + 1.0f, 1.0f, tt.QuantityTitleGear, "", kPlotSingle,
             opt.GearTimeGraphScaleX);
        break;
    case 3: {
        float r = eng.PeakTorque;  // the thrust of a vehicle that is not wheel driven
        if (veh.Drivetrain.DriveType != vehicle::kDriveThrust) {
            const auto& tyres = vehicle::TyreCode().WheelTyres;
            const float radius = veh.Drivetrain.DriveType == vehicle::kDriveRear
                                     ? tyres[1].UnloadedRadius
                                     : tyres[0].UnloadedRadius;
            r = veh.Drivetrain.DrivetrainEfficiency * eng.PeakTorque *
                vehicle::GearingCode().OverallRatios[1] / (radius * 0.95f);
            const float peak = run.AccResults[analysis::AccRes::PeakDriveForce] * 1.05f;
            if (peak < r) r = peak;
        }
        const auto& load = run.AccAero.WheelLoad;
        if (vLoads) r = WithWheelLoads(r, load, load[0] > load[2]);
        g = RunPlan({C::DriveForce, C::Resistance, C::NetForce, C::WheelLoad, C::WheelLoad + 2}, r,
             GridStep(opt.ForcesTimeGraphScaleY, Quantity::Force), tt.QuantityTitleForce,
             core::UnitSuffix(Quantity::Force), kPlotForces, opt.ForcesTimeGraphScaleX);
        break;
    }
    case 4:
        g = RunPlan({C::Acceleration}, run.AccResults[analysis::AccRes::PeakAcceleration] * 1.05f,
             GridStep(opt.AccTimeGraphScaleY, Quantity::Acc), tt.QuantityTitleAcceleration,
             core::UnitSuffix(Quantity::Acc), kPlotSingle, opt.AccTimeGraphScaleX);
        break;
    case 5:
        g = RunPlan({C::Speed}, run.Row(last, C::Speed) * 1.05f,
             GridStep(opt.SpeedTimeGraphScaleY, Quantity::Speed),
             tt.QuantityTitleSpeed, core::UnitSuffix(Quantity::Speed), kPlotSingle,
             opt.SpeedTimeGraphScaleX);
        break;
    case 6:
        g = RunPlan({C::Distance}, run.AccResults[analysis::AccRes::DistanceAtFinalSpeed] * 1.05f,
             GridStep(opt.DistanceTimeGraphScaleY, Quantity::DistanceLarge), tt.QuantityTitleDistance,
             core::UnitSuffix(Quantity::DistanceLarge), kPlotSingle, opt.DistanceTimeGraphScaleX);
        break;
    case 7:
        g = CornerDistancePlan(C::LoadedSpringLength, LongestTravel(run.AccSusp, 0.01f) * 1.02f,
                               opt.SpringDefTimeGraphScaleY, opt.SpringDefTimeGraphScaleX);
        break;
    case 8:
        g = CornerDistancePlan(C::TyreDeflection, TallestSidewall(run.AccTyres) * 1.05f,
                               opt.TyreDefTimeGraphScaleY, opt.TyreDefTimeGraphScaleX);
        break;
    default:
        g = RunPlan({C::FuelLeft}, run.Row(0, C::FuelLeft) * 1.05f,
             GridStep(opt.FuelTimeGraphScaleY, Quantity::Volume),
             tt.QuantityTitleVolume, core::UnitSuffix(Quantity::Volume), kPlotSingle,
             opt.FuelTimeGraphScaleX);
        break;
    }
    const ChartSeries y =
        ChartSeries::Columns(run.AccData.data(), analysis::kAccColumns, rows, g.Columns.data(),
                             g.ColumnCount, &analysis::AccelerationCode().AccDataRanges);
    PlotRunGraph(s, g, y, dt, stride, last, choice == 3 && vLoads);
    return true;
}

bool DrawDecChart(platform::Surface& s, int choice) {
    const auto& run = analysis::DecelerationCode();
    if (choice < 0 || choice >= kRunGraphChoices || run.DecLastStep < 0) return false;
    const auto& opt = core::OptionsSettings();
    const auto& tt = core::TextTable();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const int32_t rows = std::min<int32_t>(
        run.DecLastStep + 1, static_cast<int32_t>(run.DecData.size() / analysis::kDecColumns));
    if (rows < 1) return false;
    const int32_t last = rows - 1;
    const float dt = run.DecTimeStep;
    const bool vLoads = core::FromVbBool(opt.DrawDecVLoads);

    namespace C = analysis::DecCol;
    namespace R = analysis::DecRes;
    RunGraphPlan g;
    switch (choice) {
    case 0:
        g = RunPlan({C::BrakeApplication}, 1.05f, 0.1f, tt.QuantityTitleBrake, "%", kPlotSingle,
             opt.DecBrakeGraphScaleX);
        break;
    case 1:
        g = RunPlan({C::EngineSpeed}, vehicle::EngineCode().CurrentEngine.LimitSpeed * 1.05f,
             GridStep(opt.DecEngineARVGraphScaleY, Quantity::ARV), AngularVelocityTitle(),
             core::UnitSuffix(Quantity::ARV), kPlotSingle, opt.DecEngineARVGraphScaleX);
        break;
    case 2:
        g = RunPlan({C::Gear}, veh.Drivetrain.NumGears + 1.0f, 1.0f, tt.QuantityTitleGear, "", kPlotSingle,
             opt.DecGearGraphScaleX);
        break;
    case 3: {
        float r = run.DecResults[R::PeakTotalForce] * 1.05f;
        const auto& load = run.DecAero.WheelLoad;
        if (vLoads) r = WithWheelLoads(r, load, load[0] > load[2]);
        g = RunPlan({C::BrakingForce, C::Resistance, C::TotalForce, C::TyreLoad, C::TyreLoad + 2}, r,
             GridStep(opt.DecForcesGraphScaleY, Quantity::Force), tt.QuantityTitleForce,
             core::UnitSuffix(Quantity::Force), kPlotForces, opt.DecForcesGraphScaleX);
        break;
    }
    case 4:
        g = RunPlan({C::Deceleration}, run.DecResults[R::PeakDeceleration] * 1.05f,
             GridStep(opt.DecDecGraphScaleY, Quantity::Acc), tt.QuantityTitleAcceleration,
             core::UnitSuffix(Quantity::Acc), kPlotSingle, opt.DecDecGraphScaleX);
        break;
    case 5:
        g = RunPlan({C::Speed}, vehicle::AeroCode().TopSpeed * 1.05f,
             GridStep(opt.DecSpeedGraphScaleY, Quantity::Speed),
             tt.QuantityTitleSpeed, core::UnitSuffix(Quantity::Speed), kPlotSingle,
             opt.DecSpeedGraphScaleX);
        break;
    case 6:
        g = RunPlan({C::Distance}, run.DecResults[R::StoppingDistance] * 1.05f,
             GridStep(opt.DecDistanceGraphScaleY, Quantity::DistanceLarge), tt.QuantityTitleDistance,
             core::UnitSuffix(Quantity::DistanceLarge), kPlotSingle, opt.DecDistanceGraphScaleX);
        break;
    case 7:
        g = CornerDistancePlan(C::LoadedSpringLength, LongestTravel(run.DecSusp, 0.01f) * 1.02f,
                               opt.DecSpringDefGraphScaleY, opt.DecSpringDefGraphScaleX);
        break;
    case 8:
        g = CornerDistancePlan(C::TyreDeflection, TallestSidewall(run.DecTyres) * 1.05f,
                               opt.DecTyreDefGraphScaleY, opt.DecTyreDefGraphScaleX);
        break;
    default:
        g = RunPlan({C::FrontBrakeShare}, 1.05f, 0.1f, tt.QuantityTitleBrakeBalance, "%", kPlotSingle,
             opt.DecBrakeBalanceGraphScaleX);
        break;
    }
    const ChartSeries y =
        ChartSeries::Columns(run.DecData.data(), analysis::kDecColumns, rows, g.Columns.data(),
                             g.ColumnCount, &analysis::DecelerationCode().DecDataRanges);
    PlotRunGraph(s, g, y, dt, 1, last, choice == 3 && vLoads);
    return true;
}

}  // namespace charts
