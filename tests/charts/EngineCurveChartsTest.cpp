// The dyno chart and the gear torque chart keep what they draw on their picture: a curve that
// climbs above its peak torque (as the curve check lets through), a part throttle's braking
// below zero, a top gear left at a power peak beyond the limit while the limiter cuts the
// engine there, traction limits above what the gears pass on.
#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "charts/DynoChart.hpp"
#include "charts/VehicleCharts.hpp"

using namespace chart_test;

namespace {

class EngineCurveCharts : public ChartTest {};

TEST_F(EngineCurveCharts, EveryCurveStaysOnItsPicture) {
    auto& d = core::GlobalChassisLab().CurrentVehicle.Drivetrain;
    d.DriveType = vehicle::kDriveRear;
    d.NumGears = 2;
    d.DrivetrainEfficiency = 0.9f;
    vehicle::GearingCode().OverallRatios = {12.0f, 12.0f, 8.0f, 0, 0, 0, 0, 0};
    auto& o = core::OptionsSettings();
    // The sample engine: 250 N m, 150 kW at 680.7 rad/s, limit 785.4. Its upper shape at 0.99
    // climbs to 1.5 times the peak torque past the power peak.
    const struct {
        const char* what;
        float shapeA, limit, throttle;
        bool limiter;
        float traction;  // N m per wheel; drawn when not 0
    } cases[] = {
        {"climbing curve", 0.99f, 785.398f, 1.0f, true, 0.0f},
        {"power peak beyond the limit", 0.5f, 600.0f, 1.0f, true, 0.0f},
        {"part throttle", 0.5f, 785.398f, 0.2f, true, 0.0f},
        {"traction limits", 0.5f, 785.398f, 1.0f, true, 5000.0f},  // 2700 N m in first gear
    };
    for (const auto& c : cases) {
        vehicle::EngineFigures f = sample::SampleEngine();
        f.UpperShapeA = c.shapeA;
        vehicle::EngineRecord e = vehicle::EngineRecordFromFigures(f, vehicle::kDriveRear);
        vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
        e.LimitSpeed = c.limit;
        e.Throttle = c.throttle;
        vehicle::EngineCode().CurrentEngine = e;
        vehicle::GearingCode().ShiftRevs = {0, c.limit, e.PowerPeakSpeed, 0, 0, 0, 0, 0};
        o.RevLimitEnabled = core::ToVbBool(c.limiter);
        o.DrawStaticTractionLimit = core::ToVbBool(c.traction > 0.0f);
        for (auto& t : vehicle::TyreCode().WheelTyres) t.TractionTorqueLimit = c.traction;
        const auto offPicture = [this] {
            int off = 0;
            const auto in = [this](double x, double y) {
                return x >= -2 && y >= -2 && x <= s.PixelWidth() + 2 && y <= s.PixelHeight() + 2;
            };
            for (const DrawOp& op : Ops([](const DrawOp& op) { return op.color != charts::kGrey; }))
                off += !in(op.x1, op.y1) || !in(op.x2, op.y2);
            return off;
        };
        charts::DrawDynoChart(s, e, false);
        EXPECT_EQ(offPicture(), 0) << "dyno, " << c.what;
        charts::DrawGearingTorqueChart(s);
        EXPECT_EQ(offPicture(), 0) << "gear torque, " << c.what;
        EXPECT_GT(Lines(charts::kBlack).size(), 100u) << c.what;
    }
}

}  // namespace
