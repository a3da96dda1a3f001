// The line charts: which series each mode draws and in which colour, where the points lie,
// the stride and the last index, the gear torque chart's used range and traction lines (in
// one torque unit whatever unit is shown), and the chart drawn from the top.
#include <vector>

#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "charts/LineCharts.hpp"

using namespace chart_test;
using namespace charts;

namespace {

class LineChartsTest : public ChartTest {
protected:
    // `series` series of `points` points; series k holds k + 1 everywhere.
    ChartSeries Flat(int series, int points) {
        data.assign(static_cast<size_t>(series) * points, 0.0f);
        for (int k = 0; k < series; ++k)
            for (int i = 0; i < points; ++i) data[static_cast<size_t>(k) * points + i] = k + 1.0f;
        return ChartSeries::Contiguous(data.data(), series, points);
    }
    void Plot(const ChartSeries& y, uint8_t mode, bool extra = false, uint8_t stride = 1,
              int32_t last = 10, float x0 = 1.0f) {
        PlotChart(s, y, x0, stride, last, 100.0f, 1.0f, 100.0f, 1.0f, "Time", "s", "Force", "N",
                  extra, mode);
    }
    std::vector<float> data;
};

TEST_F(LineChartsTest, SingleSeriesStartsAtPointOneAndStopsAtTheLastWholeStride) {
    // Points 0..10 at x = 15 + i x 0.5 x 100 twips; stride 3 joins 1-4, 4-7, 7-10.
    Plot(Flat(1, 11), kPlotSingle, false, 3, 10, 0.5f);
    auto black = Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.color == kBlack && o.width == 2; });
    ASSERT_EQ(black.size(), 3u);
    EXPECT_DOUBLE_EQ(black[0].x1, (15.0 + 50.0) / 15.0);
    EXPECT_DOUBLE_EQ(black[0].x2, (15.0 + 200.0) / 15.0);
    EXPECT_DOUBLE_EQ(black[0].y1, (2985.0 - 100.0) / 15.0);  // value 1 at 100 twips per unit
    EXPECT_EQ(s.DrawWidth, 2);
    // lastIdx below 1 + stride: no curve, but the frame and titles.
    Plot(Flat(1, 11), kPlotSingle, false, 3, 3, 0.5f);
    EXPECT_TRUE(Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.width == 2; }).empty());
    EXPECT_EQ(Texts().size(), 2u);
}

TEST_F(LineChartsTest, ForceChartAddsTheWheelLoadsOnRequest) {
    Plot(Flat(5, 11), kPlotForces, false);
    // From point 0: ten segments per series; red, blue and green only.
    EXPECT_EQ(Lines(kRed).size(), 10u);
    EXPECT_EQ(Lines(kBlue).size(), 10u);
    EXPECT_EQ(Lines(kGreen).size(), 10u);
    EXPECT_TRUE(Lines(kMagenta).empty());
    EXPECT_TRUE(Lines(kCyan).empty());
    // Red is series 1 (value 2).
    EXPECT_DOUBLE_EQ(Lines(kRed)[0].y1, (2985.0 - 200.0) / 15.0);
    Plot(Flat(5, 11), kPlotForces, true);
    EXPECT_EQ(Lines(kMagenta).size(), 10u);
    EXPECT_EQ(Lines(kCyan).size(), 10u);
}

TEST_F(LineChartsTest, AeroForcesShowOnlyTheFittedElements) {
    auto& el = core::GlobalChassisLab().CurrentVehicle.AeroElements;
    for (auto& e : el) e.DeviceType = 0;
    Plot(Flat(6, 11), kPlotAeroForces);
    EXPECT_EQ(Lines(kBlack).size() - 2, 9u);  // less the two axis lines
    EXPECT_TRUE(Lines(kGreen).empty());
    EXPECT_TRUE(Lines(kBlue).empty());
    EXPECT_TRUE(Lines(kRed).empty());
    EXPECT_EQ(Lines(kMagenta).size(), 9u);
    EXPECT_EQ(Lines(kCyan).size(), 9u);
    // x ignores X(0): point i at 15 + i x xScale.
    EXPECT_DOUBLE_EQ(Lines(kCyan)[0].x1, (15.0 + 100.0) / 15.0);
    el[2].DeviceType = 1;  // a rear wing
    Plot(Flat(6, 11), kPlotAeroForces);
    EXPECT_EQ(Lines(kBlue).size(), 9u);
}

TEST_F(LineChartsTest, EngineChartJoinsPreviousPointsAndTitlesThePowerAxis) {
    // x0 = 100 rad/s: point i at 15 + (100 + i) x 100 twips; stride 2 leaves every second gap.
    PlotChart(s, Flat(2, 6), 100.0f, 2, 5, 1.0f, 1000.0f, 100.0f, 1.0f, "Angular velocity",
              "rad/s", "Torque", "N m", false, kPlotEngine);
    auto torque = Lines(kBlue);
    ASSERT_EQ(torque.size(), 3u);  // (0,1), (2,3), (4,5)
    EXPECT_DOUBLE_EQ(torque[0].x1, (15.0 + 100.0) / 15.0);
    EXPECT_DOUBLE_EQ(torque[1].x1, (15.0 + 102.0) / 15.0);
    EXPECT_EQ(Lines(kGreen).size(), 3u);
    EXPECT_EQ(Lines(kBlack).size(), 3u);  // left, right and bottom axes
    auto t = Texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[2].text, "Power (kW)");
    // Turned to read upwards, its glyphs lie right of x1: they end at the right edge.
    EXPECT_NEAR(t[2].x1 + platform::Services().fonts->Measure(t[2].text, t[2].font).height,
                300.0, 1e-3);
    EXPECT_DOUBLE_EQ(t[2].y1, 3000.0 / 1.25 / 15.0);
}

TEST_F(LineChartsTest, FourCornerSeries) {
    Plot(Flat(4, 11), kPlotFourCorners);
    EXPECT_EQ(Lines(kBlack).size() - 2, 18u);
    EXPECT_EQ(Lines(kBlue).size(), 18u);
}

class GearTorqueChart : public LineChartsTest {
protected:
    void SetUp() override {
        LineChartsTest::SetUp();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.Drivetrain.DriveType = vehicle::kDriveRear;
        v.Drivetrain.NumGears = 2;
        v.Drivetrain.DrivetrainEfficiency = 0.5f;
        auto& g = vehicle::GearingCode();
        g.OverallRatios = {0, 4.0f, 2.0f, 0, 0, 0, 0, 0};
        g.ShiftRevs = {0, 105.0f, 108.0f, 0, 0, 0, 0, 0};  // gear 1 used to idle + 5
        g.PostShiftRevs = {0, 102.0f, 0, 0, 0, 0, 0};      // gear 2 from idle + 2
        g.FrontTorqueShare = 0.0f;
        auto& e = vehicle::EngineCode().CurrentEngine;
        e.IdleSpeed = 100.0f;
        e.TorquePeakStart = 103.0f;
        e.LimitSpeed = 107.0f;
    }
    // Engine torque 1 N m at idle + i rad/s for i = 0..10.
    void Draw() {
        PlotChart(s, Flat(1, 11), 100.0f, 1, 10, 1.0f, 100.0f, 10.0f, 100.0f, "Angular velocity",
                  "rad/s", "Torque", "N m", false, kPlotGearTorque);
    }
};

TEST_F(GearTorqueChart, FullRangeThenTheUsedRangeInItsColours) {
    core::OptionsSettings().HighlightTorqueCurve = core::VbTrue;
    Draw();
    // Full range: ten plain black segments per gear (+ 2 axes); then the used range: gear 1
    // segments 1..5, gear 2 segments 2..8 (point 8 is shift + 0). Colours: blue below the
    // plateau (i < 3), red past the limit (i > 7), green between.
    EXPECT_EQ(Lines(kBlack).size(), 2u + 20u);
    EXPECT_EQ(Lines(kBlue).size(), 2u + 1u);   // gear 1: 1, 2; gear 2: 2
    EXPECT_EQ(Lines(kGreen).size(), 3u + 5u);  // gear 1: 3..5; gear 2: 3..7
    EXPECT_EQ(Lines(kRed).size(), 1u);         // gear 2: 8
    // Gear 1 at point 1: x = 15 + 101 / 4 x 1 twips, y = base - 1 x 10 x 0.5 x 4.
    auto blue = Lines(kBlue);
    EXPECT_NEAR(blue[0].x2, (15.0 + 101.0 / 4.0) / 15.0, 1e-5);
    EXPECT_NEAR(blue[0].y2, (2985.0 - 20.0) / 15.0, 1e-5);
}

TEST_F(GearTorqueChart, UsedRangeOnlyInBlackWithoutHighlight) {
    core::OptionsSettings().GearTorqueStyle = core::VbTrue;
    Draw();
    EXPECT_EQ(Lines(kBlack).size(), 2u + 5u + 7u);
}

TEST_F(GearTorqueChart, TractionLinesStayInNewtonMetresInAnyTorqueUnit) {
    auto& o = core::OptionsSettings();
    o.DrawStaticTractionLimit = core::VbTrue;
    o.GearTorqueStyle = core::VbTrue;
    ASSERT_TRUE(core::ApplyUnitRow(core::Quantity::Torque, 1));  // a unit other than N m
    ASSERT_NE(o.UnitFactorTorque, 1.0);
    auto& t = vehicle::TyreCode().WheelTyres;
    t[0].TractionTorqueLimit = 30.0f;
    t[1].TractionTorqueLimit = 30.0f;
    t[2].TractionTorqueLimit = 40.0f;
    t[3].TractionTorqueLimit = 50.0f;
    Draw();
    // Rear drive: one red line at the rear wheels' 90 N m x 10 twips per N m.
    auto red = Ops([](const DrawOp& op) { return Horizontal(op) && op.color == kRed; });
    ASSERT_EQ(red.size(), 1u);
    EXPECT_NEAR(red[0].y1, (2985.0 - 900.0) / 15.0, 1e-6);
    EXPECT_DOUBLE_EQ(red[0].x2, 300.0);

    // Four-wheel drive: the front sum in orange and the rear in red, and two curves per gear.
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveAll;
    vehicle::GearingCode().FrontTorqueShare = 0.4f;
    Draw();
    auto orange = Lines(kOrange);
    ASSERT_EQ(orange.size(), 1u);
    EXPECT_NEAR(orange[0].y1, (2985.0 - 600.0) / 15.0, 1e-6);
    EXPECT_EQ(Lines(kGrey).size() - Ops([](const DrawOp& op) {
                  return op.color == kGrey && op.width == 1;
              }).size(),
              5u + 7u);  // front curves grey (width 2), rear black
}

TEST_F(LineChartsTest, LiftChartDrawsDownwardsFromTheTop) {
    auto& el = core::GlobalChassisLab().CurrentVehicle.AeroElements;
    for (auto& e : el) e.DeviceType = 1;
    std::vector<float> lift(6 * 11, -2.0f);  // 2 N of downforce everywhere
    PlotChartFromTop(s, ChartSeries::Contiguous(lift.data(), 6, 11), 1, 10, 100.0f, 1.0f, 100.0f, 1.0f,
                     "Speed", "m/s", "Force", "N");
    auto green = Lines(kGreen);
    ASSERT_EQ(green.size(), 9u);
    EXPECT_DOUBLE_EQ(green[0].y1, (15.0 + 200.0) / 15.0);
    EXPECT_TRUE(Lines(kMagenta).empty());  // wheel loads only with their option
    // The zero line is the first grey horizontal line, 15 twips below the top.
    auto grid = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    EXPECT_DOUBLE_EQ(grid[0].y1, 1.0);
    auto t = Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_DOUBLE_EQ(t[0].y1, 0.0);
    EXPECT_EQ(t[1].text, "Force (N)");
    core::OptionsSettings().DrawAeroVLoads = core::VbTrue;
    PlotChartFromTop(s, ChartSeries::Contiguous(lift.data(), 6, 11), 1, 10, 100.0f, 1.0f, 100.0f, 1.0f, "", "",
                     "", "");
    EXPECT_EQ(Lines(kMagenta).size(), 9u);
    EXPECT_EQ(Texts()[0].text, " ()");
}

TEST_F(LineChartsTest, LiftMovesTheZeroLineSoLiftAndDownforceBothFit) {
    auto& el = core::GlobalChassisLab().CurrentVehicle.AeroElements;
    for (auto& e : el) e.DeviceType = 1;
    // The body lifts 3 N, the rear wing pushes down 5 N, the rest is 0; the caller's scale
    // fits 5 N of downforce in the 2985 twips below the top margin.
    std::vector<float> lift(6 * 11, 0.0f);
    for (int i = 0; i < 11; ++i) {
        lift[static_cast<size_t>(i)] = 3.0f;
        lift[static_cast<size_t>(2 * 11 + i)] = -5.0f;
    }
    PlotChartFromTop(s, ChartSeries::Contiguous(lift.data(), 6, 11), 1, 10, 100.0f, 1.0f,
                     2985.0f / 5.0f, 1.0f, "Speed", "m/s", "Force", "N");
    // 8 N over 2985 twips: 373.125 twips a newton, the zero line 3 N below the top margin.
    const double scale = 2985.0 / 8.0, zero = 15.0 + 3.0 * scale;
    auto body = Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.color == kBlack && o.width == 2; });
    ASSERT_EQ(body.size(), 9u);
    EXPECT_NEAR(body[0].y1, 1.0, 1e-4);                                // lift up to the top margin
    EXPECT_NEAR(Lines(kBlue)[0].y1, 200.0, 1e-4);                      // downforce to the bottom
    EXPECT_NEAR(Lines(kGreen)[0].y1, zero / 15.0, 1e-4);               // no force on the zero line
    for (const auto& o : Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line; })) {
        EXPECT_GE(o.y1, 0.0);
        EXPECT_LE(o.y1, 200.0);
    }
    // The grid runs from the zero line every newton, downwards and then upwards.
    auto grid = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    ASSERT_GE(grid.size(), 8u);
    EXPECT_NEAR(grid[0].y1, zero / 15.0, 1e-4);
    EXPECT_NEAR(grid[1].y1, (zero + scale) / 15.0, 1e-4);
    EXPECT_NEAR(grid[6].y1, (zero - scale) / 15.0, 1e-4);  // past 5 N below: the first above
}

TEST_F(LineChartsTest, ATableShorterThanItsLastIndexIsNotReadPast) {
    Plot(Flat(2, 5), kPlotForces, true, 1, 400);  // two series, five points, asks for more
    EXPECT_EQ(Lines(kRed).size(), 4u);
    EXPECT_TRUE(Lines(kMagenta).empty());
}

}  // namespace

namespace {

// A stride of 0 is a caller's mistake that would never finish the segment loop: it stops a
// debug build at once and draws the frame without curves otherwise.
TEST_F(LineChartsTest, AStrideOfZeroNeverLoops) {
#ifdef NDEBUG
    Plot(Flat(1, 11), kPlotSingle, false, 0);
    EXPECT_TRUE(Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.width == 2; }).empty());
    EXPECT_EQ(Texts().size(), 2u);
#else
    EXPECT_DEATH(Plot(Flat(1, 11), kPlotSingle, false, 0), "stride");
#endif
}

}  // namespace
