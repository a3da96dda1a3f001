// The charts of the engine's curve, the dyno chart and the gear torque chart, keep what they
// draw on their picture: a curve that climbs above its peak torque (as the curve check lets
// through, up to a few times), the braking of a part throttle below zero, a top gear left at a
// power peak above the limit while the limiter cuts the engine there, and traction limits
// above what the gears pass on.
#include <string>

#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "charts/DynoChart.hpp"
#include "charts/VehicleCharts.hpp"
#include "vehicle/EngineCurveCheck.hpp"

using namespace chart_test;

namespace {

class EngineCurveCharts : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.Drivetrain.DriveType = vehicle::kDriveRear;
        v.Drivetrain.NumGears = 2;
        v.Drivetrain.DrivetrainEfficiency = 0.9f;
        auto& g = vehicle::GearingCode();
        g.OverallRatios = {12.0f, 12.0f, 8.0f, 0, 0, 0, 0, 0};
        g.FrontTorqueShare = 0.0f;
    }
    // The sample engine (250 N m, 150 kW at 680.7 rad/s, limit 785.4) with its upper shape
    // slider at the top: past the power peak it climbs to 1.5 times its peak torque.
    static vehicle::EngineRecord Climbing() {
        vehicle::EngineFigures f = sample::SampleEngine();
        f.UpperShapeA = 0.99f;
        vehicle::EngineRecord e = vehicle::EngineRecordFromFigures(f, vehicle::kDriveRear);
        vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
        return e;
    }
    // Gear 1 left at `shift`, the top gear at `top` (rad/s).
    static void Shifts(float shift, float top) {
        auto& g = vehicle::GearingCode();
        g.ShiftRevs = {top, shift, top, 0, 0, 0, 0, 0};
        g.PostShiftRevs = {0, shift * 8.0f / 12.0f, 0, 0, 0, 0, 0};
    }
    // "" when every drawing lies on the picture (a pixel of pen to spare); else the first one
    // off it. The grid's last lines lie on or past the edge by design.
    std::string FirstOffThePicture() const {
        const double w = s.PixelWidth(), h = s.PixelHeight();
        const auto in = [&](double x, double y) { return x >= -2 && x <= w + 2 && y >= -2 && y <= h + 2; };
        for (const DrawOp& o : s.DisplayList()) {
            if (o.kind != DrawOpKind::Line || o.color == charts::kGrey) continue;
            if (!in(o.x1, o.y1) || !in(o.x2, o.y2))
                return "(" + std::to_string(o.x1) + ", " + std::to_string(o.y1) + ")-(" +
                       std::to_string(o.x2) + ", " + std::to_string(o.y2) + ")";
        }
        return "";
    }
    std::size_t Curves() const {
        return Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.width >= 2; }).size();
    }
};

TEST_F(EngineCurveCharts, EveryCurveStaysOnItsPicture) {
    auto& o = core::OptionsSettings();
    ASSERT_TRUE(core::FromVbBool(o.RevLimitEnabled));
    const vehicle::EngineRecord climbing = Climbing();
    ASSERT_GT(vehicle::FullThrottlePeak(climbing) / climbing.PeakTorque, 1.4f);
    ASSERT_FALSE(vehicle::CurveRisesAbovePeak(climbing));

    const struct {
        const char* what;
        vehicle::EngineRecord engine;
        float limit;  // rad/s
        float throttle;
        bool limiter, engineCurve;
        float traction = 0.0f;  // N m per driven wheel, drawn when not 0
    } cases[] = {
        {"climbing curve", climbing, climbing.LimitSpeed, 1.0f, true, false},
        {"climbing curve, the engine's own drawn", climbing, climbing.LimitSpeed, 1.0f, true, true},
        // The top gear's power peak at 680.7 rad/s beyond a 600 rad/s limit.
        {"power peak above the limit", sample::FittedSampleEngine(), 600.0f, 1.0f, true, false},
        {"power peak above the limit, no limiter", sample::FittedSampleEngine(), 600.0f, 1.0f,
         false, true},
        {"part throttle", sample::FittedSampleEngine(), 785.398f, 0.2f, true, false},
        // 10000 N m at the rear wheels against 250 x 12 x 0.9 = 2700 N m in first gear.
        {"traction limits", sample::FittedSampleEngine(), 785.398f, 1.0f, true, false, 5000.0f},
    };
    for (const auto& c : cases) {
        o.RevLimitEnabled = core::ToVbBool(c.limiter);
        o.DrawEngineTorque = core::ToVbBool(c.engineCurve);
        o.DrawStaticTractionLimit = core::ToVbBool(c.traction > 0.0f);
        for (auto& t : vehicle::TyreCode().WheelTyres) t.TractionTorqueLimit = c.traction;
        vehicle::EngineRecord engine = c.engine;
        engine.LimitSpeed = c.limit;
        engine.Throttle = c.throttle;
        vehicle::EngineCode().CurrentEngine = engine;
        Shifts(c.limit, engine.PowerPeakSpeed);

        charts::DrawDynoChart(s, engine, false);
        EXPECT_GT(Curves(), 100u) << c.what;
        EXPECT_EQ(FirstOffThePicture(), "") << "dyno, " << c.what;
        if (c.throttle < 1.0f) continue;  // the gear chart draws full throttle only
        charts::DrawGearingTorqueChart(s);
        EXPECT_GT(Curves(), 100u) << c.what;
        EXPECT_EQ(FirstOffThePicture(), "") << "gear torque, " << c.what;
    }
}

}  // namespace
