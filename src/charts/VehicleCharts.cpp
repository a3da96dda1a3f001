#include "charts/VehicleCharts.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "charts/ChartFrame.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/GearSpeedChart.hpp"
#include "charts/LineCharts.hpp"
#include "charts/SteeringDiagrams.hpp"
#include "charts/VehicleDiagrams.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

namespace {

using core::Quantity;

bool WheelDriven() {
    return core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType < vehicle::kDriveThrust;
}

// The front axle's track with its tyres' width, x 1.5 (m): the width a steering view spans.
float FrontSpanWithMargin() {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    return (v.Axles[0].TrackWidth + vehicle::TyreCode().WheelTyres[0].Width) * 1.5f;
}

// Most points of the gear torque chart's engine curve (1 rad/s apart).
constexpr int32_t kMaxCurvePoints = 20000;

}  // namespace

void DrawCornerMassChart(platform::Surface& s) { DrawCornerMassChart(s, s.ScaleHeight()); }

void DrawCornerMassChart(platform::Surface& s, float height) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const float x = v.BodyCoG.X, y = v.BodyCoG.Y;
    // The bare body's heaviest corner sets the scale, so the bars move with the loads while
    // the scale stays put.
    float largest = 0.0f;
    for (const float share : {(1.0f - x) * y, x * y, (1.0f - x) * (1.0f - y), (1.0f - y) * x})
        if (share > largest) largest = share;
    const float bodyCorner = v.BodyMass * largest;
    const float yScale = (height - 15.0f) / bodyCorner / 1.15f;
    const auto& m = analysis::PhysicalCode().CornerMass;
    const std::array<float, 8> values = {m[0], m[1], m[2], m[3], 0, 0, 0, 0};
    DrawCornerBarChart(s, values, yScale,
                       GridStep(core::OptionsSettings().CornerMassChartScaleY, Quantity::Mass),
                       core::TextTable().QuantityTitleMass, core::UnitSuffix(Quantity::Mass),
                       kBarsSingle);
}

void DrawAeroSpeedChart(platform::Surface& s, bool lift) {
    const auto& aero = vehicle::AeroCode();
    const auto& opt = core::OptionsSettings();
    const auto& tt = core::TextTable();
    const auto& table = aero.AeroSpeedTable;
    const int32_t n = core::CLng(aero.TopSpeed / vehicle::kAeroSpeedStep);
    const int32_t rows = std::min<int32_t>(n + 1, static_cast<int32_t>(table.size()));
    float m = 0.0f;
    for (int32_t r = 0; r < rows; ++r)
        m = std::max({m, -table[r][1], -table[r][4], -table[r][5], table[r][11]});
    const float xScale = (s.ScaleWidth() - 15.0f) / static_cast<float>(n);
    const float yScale = (s.ScaleHeight() - 15.0f) / m;
    const float* base = table.empty() ? nullptr : table[0].data();
    const int32_t width = static_cast<int32_t>(vehicle::kAeroSpeedColumns);
    // One row of the table every 0.05 m/s: the speed grid step is the option in points.
    const Quantity speed = Quantity::Speed, force = Quantity::Force;
    if (!lift) {
        const ChartSeries y = ChartSeries::Columns(base, width, rows, {6, 7, 8, 9, 10, 11});
        PlotChart(s, y, 0.0f, 1, n, xScale, GridStep(opt.AeroDragGraphScaleX * 20.0, speed), yScale,
                  GridStep(opt.AeroDragGraphScaleY, force), tt.QuantityTitleSpeed, core::UnitSuffix(speed),
                  tt.QuantityTitleForce, core::UnitSuffix(force), false, kPlotAeroForces);
    } else {
        const ChartSeries y = ChartSeries::Columns(base, width, rows, {0, 1, 2, 3, 4, 5});
        PlotChartFromTop(s, y, 1, static_cast<int16_t>(std::min<int32_t>(n, INT16_MAX)), xScale,
                         GridStep(opt.AeroLiftGraphScaleX * 20.0, speed), yScale,
                         GridStep(opt.AeroLiftGraphScaleY, force), tt.QuantityTitleSpeed,
                         core::UnitSuffix(speed), tt.QuantityTitleForce, core::UnitSuffix(force));
    }
}

void DrawAeroForcesChart(platform::Surface& s, float leastTop) {
    const auto& load = vehicle::AeroCode().LiveAero.WheelLoad;
    const auto& stat = analysis::PhysicalCode().CornerStaticLoad;
    std::array<float, 8> v{};
    float m = leastTop;
    for (int i = 0; i < 4; ++i) {
        v[i] = stat[i];
        v[i + 4] = load[i];
        m = std::max(m, load[i]);
    }
    DrawCornerBarChart(s, v, (s.ScaleHeight() - 15.0f) / m / 1.2f,
                       GridStep(core::OptionsSettings().AeroLoadsChartScaleY, Quantity::Force),
                       core::TextTable().QuantityTitleForce, core::UnitSuffix(Quantity::Force),
                       kBarsCompare);
}

void DrawAeroBalanceChart(platform::Surface& s) {
    const auto& load = vehicle::AeroCode().LiveAero.WheelLoad;
    const auto& mass = analysis::PhysicalCode().CornerMass;
    const float g = static_cast<float>(core::kGravity);
    const float a = load[0] / (mass[0] * g);
    const float b = load[2] / (mass[2] * g);
    // With an axle lifted off the ground (a negative load) there is no balance to draw.
    DrawBalanceBar(s, a >= 0.0f && b >= 0.0f ? a / (a + b) : NAN);
}

void DrawGearingSpeedChart(platform::Surface& s) {
    const auto& opt = core::OptionsSettings();
    if (!WheelDriven()) {
        DrawGearSpeedChart(s, vehicle::EngineCode().CurrentEngine, NAN, 0.0f, NAN, 0.0f);
        return;
    }
    const auto& gear = vehicle::GearingCode();
    const int n = std::min<int>(core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears, 7);
    float rMax = 0.0f;
    for (int g = 0; g <= n; ++g) rMax = std::max(rMax, gear.ShiftRevs[g]);
    // The chart cuts the gears at the limit while the limiter is on (a fixed shift speed may
    // lie above it).
    const float top = vehicle::DrivingSpeedTop(vehicle::EngineCode().CurrentEngine);
    if (top > 0.0f) rMax = std::min(rMax, top);
    const float xScale = (s.ScaleWidth() - 15.0f) / (GearLinesTopSpeed() * 1.025f);
    const float yScale = (s.ScaleHeight() - 15.0f) / (rMax * 1.025f);
    DrawGearSpeedChart(s, vehicle::EngineCode().CurrentEngine, xScale,
                       GridStep(opt.SpeedPlotScaleX, Quantity::Speed), yScale,
                       GridStep(opt.SpeedPlotScaleY, Quantity::ARV));
}

void DrawGearingTorqueChart(platform::Surface& s) {
    const auto& opt = core::OptionsSettings();
    const auto& tt = core::TextTable();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const auto& gear = vehicle::GearingCode();
    const float xStep = GridStep(opt.TorquePlotScaleX, Quantity::ARV);
    const float yStep = opt.TorquePlotScaleY;  // N m whatever the torque unit shown
    const std::string& xTitle = AngularVelocityTitle();
    const std::string xUnit = core::UnitSuffix(Quantity::ARV);
    const std::string yUnit = core::UnitSuffix(Quantity::Torque);
    if (!WheelDriven()) {
        PlotChart(s, ChartSeries{}, 0.0f, 1, 0, NAN, xStep, NAN, yStep, xTitle, xUnit,
                  tt.QuantityTitleTorque, yUnit, false, kPlotGearTorque);
        return;
    }
    vehicle::EngineRecord engine = vehicle::EngineCode().CurrentEngine;
    const int n = std::min<int>(veh.Drivetrain.NumGears, 7);
    // With the limiter on the engine gives no full-throttle torque above its limit (the curve
    // there is the closed-throttle braking, below the axis): the chart ends at the limit even
    // where a shift speed lies beyond it.
    const float revTop = vehicle::DrivingSpeedTop(engine);
    const auto used = [revTop](float speed) { return speed > revTop ? revTop : speed; };
    float rMax = 0.0f;
    for (int g = 0; g <= n; ++g) rMax = std::max(rMax, used(gear.ShiftRevs[g]));
    const bool usedRange = core::FromVbBool(opt.GearTorqueStyle);
    float rAll = engine.LimitSpeed;
    for (int g = 0; g <= n; ++g) rAll = std::max(rAll, used(gear.ShiftRevs[g]));
    if (usedRange) rAll = rMax;
    const float wMax = usedRange ? used(gear.ShiftRevs[n]) : rAll;
    const float topRatio = gear.OverallRatios[n];
    float xScale = (s.ScaleWidth() - 15.0f) / (wMax * 1.025f / topRatio);
    const bool engineCurve = core::FromVbBool(opt.DrawEngineTorque);
    // The engine's own curve then spans the axis up to the limit, or to the last speed drawn
    // beyond it without the limiter.
    if (engineCurve && topRatio > 1.0f)
        xScale = (s.ScaleWidth() - 15.0f) / std::max(engine.LimitSpeed, rAll);

    // Full-throttle torque every rad/s from idle.
    const int32_t last = std::clamp<int32_t>(core::CLng(rAll - engine.IdleSpeed), -1, kMaxCurvePoints);
    std::vector<float> torque(static_cast<size_t>(last + 1));
    engine.Throttle = 1.0f;
    float curveTop = 0.0f;
    for (int32_t i = 0; i <= last; ++i) {
        engine.Speed = engine.IdleSpeed + static_cast<float>(i);
        torque[static_cast<size_t>(i)] = vehicle::GetEngineTorque(engine);
        curveTop = std::max(curveTop, torque[static_cast<size_t>(i)]);
    }

    // The y axis reaches 5 % above the first gear's wheel torque at the peak torque, or 5 %
    // above the highest torque drawn where that rises past it: an accepted curve may climb to
    // a few times its peak torque before the limit, and the engine's own curve and the
    // traction limits are drawn on the same scale when they are shown.
    constexpr float kHeadroom = 1.05f;
    float share = 1.0f;
    if (veh.Drivetrain.DriveType == vehicle::kDriveAll)
        share = gear.FrontTorqueShare > 0.5f ? gear.FrontTorqueShare : 1.0f - gear.FrontTorqueShare;
    const float efficiency = veh.Drivetrain.DrivetrainEfficiency;
    const float p = engine.PeakTorque * gear.OverallRatios[1] * efficiency * share;
    float drawn = 0.0f;
    for (int g = 1; g <= n; ++g)
        drawn = std::max(drawn, curveTop * gear.OverallRatios[g] * efficiency * share);
    if (engineCurve) drawn = std::max(drawn, curveTop);
    if (core::FromVbBool(opt.DrawStaticTractionLimit)) {
        // The driven axles' lines, as the chart draws them.
        const auto& t = vehicle::TyreCode().WheelTyres;
        const uint8_t drive = veh.Drivetrain.DriveType;
        if (drive != vehicle::kDriveRear)
            drawn = std::max(drawn, t[0].TractionTorqueLimit + t[1].TractionTorqueLimit);
        if (drive != vehicle::kDriveFront)
            drawn = std::max(drawn, t[2].TractionTorqueLimit + t[3].TractionTorqueLimit);
    }
    const float top = drawn > p * kHeadroom ? drawn * kHeadroom : p * kHeadroom;
    const float yScale = (s.ScaleHeight() - 15.0f) / top;

    // The chart counts its points from idle in whole rad/s.
    const float firstSpeed = static_cast<float>(core::CLng(engine.IdleSpeed));
    PlotChart(s, ChartSeries::Contiguous(torque.data(), 1, last + 1), firstSpeed, 1, last,
              xScale, xStep, yScale, yStep, xTitle, xUnit, tt.QuantityTitleTorque, yUnit, false,
              kPlotGearTorque);
}

void DrawTyreSideView(platform::Surface& s, int wheel, float zoom) {
    ChartRedraw frame(s);
    if (wheel < 0 || wheel > 3 || !std::isfinite(zoom)) return;
    DrawSideTyre(s, vehicle::TyreCode().WheelTyres[static_cast<size_t>(wheel)], zoom, 0.0f);
}

void DrawSteeringDiagrams(platform::Surface& plan, platform::Surface& camber) {
    DrawSteeringPlan(plan);
    DrawCamberView(camber, plan.ScaleWidth());
}

void DrawSteeringPlan(platform::Surface& plan) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const auto& st = analysis::SteeringCode();
    float scale, offset;
    if (st.ToeDiagramMode == 0) {
        scale = plan.ScaleWidth() / FrontSpanWithMargin();
        offset = 0.0f;
    } else {
        scale = plan.ScaleHeight() /
                ((v.Wheelbase + tyres[0].UnloadedRadius + tyres[2].UnloadedRadius) * 1.3f);
        offset = v.Wheelbase;
    }
    scale = SteeringPlanScaleWithin(plan, scale, st.ToeDiagramMode != 0, st.WheelSteerAngle);
    DrawSteeringDiagram(plan, st.WheelSteerAngle, st.SteeringArmAngle, scale, offset);
}

void DrawCamberView(platform::Surface& camber, float width) {
    const auto& lean = analysis::SteeringCode().LiveCamber;
    DrawCamberDiagram(camber, vehicle::TyreCode().WheelTyres, lean,
                      CamberScaleWithin(camber, width / FrontSpanWithMargin(), lean));
}

}  // namespace charts
