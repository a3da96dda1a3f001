// The gear speed chart, the wheel outline of the steering diagrams (corners worked by hand for
// 30 degrees), the contact patch boxes, the roll stiffness trapezoids and the vehicle views'
// markers and fills.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "charts/GearSpeedChart.hpp"
#include "charts/SuspensionCharts.hpp"
#include "charts/PatchDiagrams.hpp"
#include "charts/SteeringDiagrams.hpp"
#include "charts/VehicleCharts.hpp"
#include "charts/VehicleDiagrams.hpp"

using namespace chart_test;
using namespace charts;

namespace {

class DiagramsTest : public ChartTest {};

TEST_F(DiagramsTest, GearSpeedChartFullRangeAndSawtooth) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Drivetrain.NumGears = 3;
    v.Drivetrain.HasReverse = core::VbTrue;
    auto& g = vehicle::GearingCode();
    g.SpeedAtShift = {5, 10, 20, 30, 0, 0, 0, 0, 0};
    g.ShiftRevs = {500, 600, 600, 600, 0, 0, 0, 0};
    g.PostShiftRevs = {0, 300, 400, 0, 0, 0, 0};
    vehicle::EngineRecord e;
    e.PowerPeakSpeed = 550;
    auto& o = core::OptionsSettings();
    o.DrawPeakPowerLine = core::VbTrue;
    o.DrawPeakTorqueLine = core::VbFalse;
    o.DrawRevLimiterLine = core::VbFalse;
    DrawGearSpeedChart(s, e, 100.0f, 10.0f, 4.0f, 100.0f);
    auto power = Lines(kGreen);
    ASSERT_EQ(power.size(), 1u);
    EXPECT_DOUBLE_EQ(power[0].y1, (2985.0 - 2200.0) / 15.0);
    EXPECT_EQ(Lines(kGrey).back().width, 3);  // reverse, after the grid
    auto gears = Ops([](const DrawOp& op) { return op.kind == DrawOpKind::Line && op.width == 3 && op.color == 0; });
    ASSERT_EQ(gears.size(), 3u);  // every gear from the origin
    EXPECT_DOUBLE_EQ(gears[2].x2, (15.0 + 3000.0) / 15.0);
    EXPECT_EQ(s.DrawWidth, 3);
    auto t = Texts();
    EXPECT_EQ(t[0].text, "Speed (m/s)");
    EXPECT_EQ(t[1].text, "Angular velocity (rad/s)");

    o.GearSpeedStyle = core::VbTrue;
    v.Drivetrain.HasReverse = core::VbFalse;
    DrawGearSpeedChart(s, e, 100.0f, 10.0f, 4.0f, 100.0f);
    gears = Ops([](const DrawOp& op) { return op.kind == DrawOpKind::Line && op.width == 3 && op.color == 0; });
    ASSERT_EQ(gears.size(), 5u);  // first gear, then a line and a drop for gears 2 and 3
    EXPECT_DOUBLE_EQ(gears[2].x1, gears[2].x2);  // the drop at gear 1's shift speed
    EXPECT_DOUBLE_EQ(gears[2].y2, (2985.0 - 2400.0) / 15.0);
    EXPECT_EQ(Lines(kGrey).back().width, 1);  // no reverse line
}

// With the limiter on every gear's line ends at the limit (a fixed shift speed of 800 rad/s
// above a 700 rad/s limit is cut at 7/8 of its road speed), without it the line runs on; a
// power peak above the chart's top (3000 of its 2985 twips) draws no line.
TEST_F(DiagramsTest, GearSpeedChartCutsTheGearsAtTheLimit) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 3;
    vehicle::GearingCode().SpeedAtShift = {0, 8, 16, 24, 0, 0, 0, 0, 0};
    vehicle::GearingCode().ShiftRevs = {0, 800, 800, 800, 0, 0, 0, 0};
    vehicle::EngineRecord e;
    e.PowerPeakSpeed = 1000;
    e.LimitSpeed = 700;
    auto& o = core::OptionsSettings();
    o.DrawPeakPowerLine = core::VbTrue;
    for (const double top : {700.0, 800.0}) {
        o.RevLimitEnabled = core::ToVbBool(top == 700.0);
        DrawGearSpeedChart(s, e, 100.0f, 10.0f, 3.0f, 100.0f);
        EXPECT_TRUE(Lines(kGreen).empty());
        const auto gears = Ops([](const DrawOp& op) { return op.kind == DrawOpKind::Line && op.width == 3 && op.color == 0; });
        ASSERT_EQ(gears.size(), 3u);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_DOUBLE_EQ(gears[k].y2, (2985.0 - 3.0 * top) / 15.0) << k;
            EXPECT_NEAR(gears[k].x2, (15.0 + 800.0 * (k + 1) * top / 800.0) / 15.0, 1e-4) << k;
        }
    }
}

// The speed axis ends 2.5 % past the fastest line drawn, whichever gear that is.
TEST_F(DiagramsTest, GearSpeedChartHoldsEveryGearLine) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Drivetrain.DriveType = vehicle::kDriveFront;
    v.Drivetrain.NumGears = 3;
    auto& g = vehicle::GearingCode();
    g.ShiftRevs = {600, 600, 600, 600, 0, 0, 0, 0};
    // Speeds at the shift of reverse and gears 1 to 3 (m/s), and whether reverse is fitted.
    const std::pair<std::array<float, 4>, bool> cases[] = {
        {{5, 10, 20, 30}, true},    // the usual order: the top gear's line
        {{5, 10, 25, 12}, true},    // a top gear set shorter: gear 2's
        {{40, 10, 20, 30}, true},   // a reverse taller than the top gear
        {{40, 10, 20, 30}, false},  // the same without reverse: the top gear's
    };
    for (const auto& [speed, reverse] : cases) {
        g.SpeedAtShift = {speed[0], speed[1], speed[2], speed[3], 0, 0, 0, 0, 0};
        v.Drivetrain.HasReverse = reverse ? core::VbTrue : core::VbFalse;
        DrawGearingSpeedChart(s);
        double rightmost = 0.0;
        for (const auto& o : Ops([](const DrawOp& op) { return op.kind == DrawOpKind::Line && op.width == 3; }))
            rightmost = std::max({rightmost, o.x1, o.x2});
        EXPECT_NEAR(rightmost, (15.0 + 4485.0 / 1.025) / 15.0, 1e-3) << speed[0] << " " << reverse;
    }
}

TEST_F(DiagramsTest, WheelOutlineCornersForThirtyDegrees) {
    vehicle::TyreState t;
    t.Width = 0.2f;
    t.UnloadedRadius = 0.3f;
    const float a = 30.0f / 57.29577951309679f;
    DrawWheelOutline(s, t, a, true, 1000.0f, 0.0f, 0.0f, 1);
    // Centre (2250, 1500); H = 300 (cos 30 - 1) = -40.19, WX = 100 sin 30 = 50, RX = 150.
    // P1 (2000, 1559.81), P2 (2300, 1340.19), P3 (2200, 1659.81), P4 (2500, 1440.19).
    auto l = Lines(kBlack);
    ASSERT_EQ(l.size(), 4u);  // no direction line
    const double h = 300.0 * (std::cos(30.0 / 57.29577951309679) - 1.0);
    auto at = [](double twips) { return twips / 15.0; };
    EXPECT_NEAR(l[0].x1, at(2000), 1e-3);
    EXPECT_NEAR(l[0].y1, at(1500 + 150 + h - 50), 1e-3);
    EXPECT_NEAR(l[0].x2, at(2300), 1e-3);
    EXPECT_NEAR(l[0].y2, at(1500 - 150 - h - 50), 1e-3);
    EXPECT_NEAR(l[1].x1, at(2200), 1e-3);
    EXPECT_NEAR(l[1].y1, at(1500 + 150 + h + 50), 1e-3);
    EXPECT_NEAR(l[1].x2, at(2500), 1e-3);
    EXPECT_NEAR(l[1].y2, at(1500 - 150 - h + 50), 1e-3);

    // Straight ahead: an upright rectangle; a front wheel's direction line runs 8 m left.
    s.Cls();
    DrawWheelOutline(s, t, 0.0f, true, 100.0f, 0.0f, 0.0f, 0);
    auto dir = Lines(kBlue);
    ASSERT_EQ(dir.size(), 1u);
    EXPECT_NEAR(dir[0].x1, at(2250 - 800), 1e-6);
    EXPECT_NEAR(dir[0].x2, at(2250), 1e-6);
    EXPECT_DOUBLE_EQ(dir[0].y1, dir[0].y2);
    s.Cls();
    DrawWheelOutline(s, t, 0.0f, false, 100.0f, 0.0f, 0.0f, 0);  // a rear wheel's runs right
    EXPECT_NEAR(Lines(kBlue)[0].x2, at(2250 + 800), 1e-6);
}

TEST_F(DiagramsTest, ContactPatchBoxIsCentredOnHalfTheOffsets) {
    vehicle::TyreState t;
    t.PatchWidth = 0.2f;
    t.PatchLength = 0.15f;
    DrawContactPatch(s, t, 1000.0f, 1.5f, -2.6f);
    // From (2250 + 650, 1500 - 1375) to (2250 + 850, 1500 - 1225).
    auto b = Boxes();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NEAR(b[0].x1, 2900.0 / 15.0, 1e-4);
    EXPECT_NEAR(b[0].x2, 3100.0 / 15.0, 1e-4);
    EXPECT_NEAR(b[0].y1, 125.0 / 15.0, 1e-4);
    EXPECT_NEAR(b[0].y2, 275.0 / 15.0, 1e-4);
    EXPECT_TRUE(b[0].filled);

    // A front track wider than the rear puts the upper pair further apart.
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Wheelbase = 2.0f;
    v.Axles[0].TrackWidth = 1.6f;
    v.Axles[1].TrackWidth = 1.2f;
    std::array<vehicle::TyreState, 4> four{t, t, t, t};
    DrawContactPatchDiagram(s, four, 1000.0f);
    b = Boxes();
    ASSERT_EQ(b.size(), 4u);
    EXPECT_LT(b[0].y1, b[2].y1);  // front at the top
    EXPECT_GT(b[1].x1 - b[0].x1, b[3].x1 - b[2].x1);
}

TEST_F(DiagramsTest, RollStiffnessTrapezoids) {
    std::array<float, 12> k{};
    k[3] = 100;  // springs per mass, front
    k[4] = 200;  // total per mass, front
    k[9] = 100;
    k[10] = 0;   // no rear roll stiffness: a triangle
    DrawRollStiffnessDiagram(s, k, 50.0f, 1.0f, 200.0f, 2.0f, 200.0f);
    auto green = Lines(kGreen);
    ASSERT_EQ(green.size(), 4u);
    EXPECT_DOUBLE_EQ(green[0].x1, (2250.0 - 200.0) / 15.0);  // top edge
    EXPECT_DOUBLE_EQ(green[0].y1, (1500.0 - 100.0) / 15.0);
    EXPECT_DOUBLE_EQ(green[2].x1, 150.0);  // the bottom edge has no width
    EXPECT_DOUBLE_EQ(green[2].x2, 150.0);
    EXPECT_EQ(Lines(kBlue).size(), 4u);
    EXPECT_EQ(s.DrawWidth, 2);
}

TEST_F(DiagramsTest, PitchMarkersFollowTheirTogglesAndFittedElements) {
    vehicle::VehicleRecord v;
    v.Wheelbase = 2.5f;
    std::array<vehicle::TyreState, 4> tyres{};
    for (auto& t : tyres) {
        t.UnloadedRadius = 0.3f;
        t.LoadedRadius = 0.29f;
        t.RimDiameter = 0.4f;
        t.PatchLength = 0.1f;
    }
    std::array<analysis::SuspCorner, 4> susp{};
    vehicle::PositionXYZ cog;
    cog.Y = 1.0f;  // all on the front axle: the marker above the front axle, on the right
    cog.Z = 0.5f;
    DrawPitchDiagram(s, tyres, susp, v, cog, 0.1f, 0.2f, 0.9f, 1000.0f);
    auto circles = Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Circle && o.color == kOrange; });
    ASSERT_EQ(circles.size(), 1u);  // no aero element fitted: the centre of gravity only
    EXPECT_NEAR(circles[0].x1, (2250.0 + 1250.0) / 15.0, 1e-4);
    EXPECT_NEAR(circles[0].y1, (2985.0 - 500.0) / 15.0, 1e-4);
    EXPECT_NEAR(circles[0].r, 20.0 / 15.0, 1e-5);
    // Every tyre draws its ground band again.
    EXPECT_EQ(Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Box && o.color == kGrey; }).size(), 4u);
    v.AeroElements[2].DeviceType = 1;
    v.AeroElements[2].PosY = 0.0f;
    DrawPitchDiagram(s, tyres, susp, v, cog, 0.1f, 0.2f, 0.9f, 1000.0f);
    auto wing = Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Circle && o.color == kBlue; });
    ASSERT_EQ(wing.size(), 1u);
    EXPECT_NEAR(wing[0].x1, (2250.0 - 1250.0) / 15.0, 1e-4);  // over the rear axle
}

// The rear and side views keep everything on the picture when a ride height of a metre or a
// high centre of gravity would rise above it.
TEST_F(DiagramsTest, RearAndSideViewsKeepTallVehiclesOnThePicture) {
    sample::Prepare(sample::SampleCar());
    auto& axles = core::GlobalChassisLab().CurrentVehicle.Axles;
    // Ride height, height of the centre of gravity (m).
    for (const auto [ride, cog] : {std::pair{1.0f, 0.5f}, {0.1f, 10.0f}}) {
        axles[0].RideHeight = axles[1].RideHeight = ride;
        analysis::PhysicalCode().VehicleCoG.Z = cog;
        for (auto draw : {DrawSuspRearView, DrawSuspSideView}) {
            draw(s);
            for (const DrawOp& o : s.DisplayList()) EXPECT_GE(std::min(o.y1, o.y2) - o.r, -0.5) << ride;
        }
    }
}

}  // namespace
