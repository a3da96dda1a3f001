// Corner bars and the balance bar: the bar geometry in whole twips with halves to even, the
// bar order, each mode's colours, and the balance thresholds compared as Singles.
#include <algorithm>
#include <array>
#include <cmath>

#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/SuspensionCharts.hpp"
#include "charts/VehicleCharts.hpp"
#include "analysis/PhysicalCode.hpp"

using namespace chart_test;
using namespace charts;

namespace {

class BarChartsTest : public ChartTest {};

TEST_F(BarChartsTest, BarGeometryRoundsHalvesToEven) {
    // 1015 twips: slot (1015 - 15) / 4 = 250; width 250 / 1.75 = 142.86 -> 143; gap
    // (250 - 143) / 2 = 53.5 -> 54.
    const CornerBarGeometry g = CornerBars(1015.0f);
    EXPECT_EQ(g.Slot, 250);
    EXPECT_EQ(g.BarWidth, 143);
    EXPECT_EQ(g.Gap, 54);
    // 1045: slot 257.5 -> 258 (even); width 147.43 -> 147; gap 55.5 -> 56.
    const CornerBarGeometry h = CornerBars(1045.0f);
    EXPECT_EQ(h.Slot, 258);
    EXPECT_EQ(h.BarWidth, 147);
    EXPECT_EQ(h.Gap, 56);
}

// The bars of one colour, in drawing order.
std::vector<DrawOp> Bars(const platform::Surface& s, platform::Color c) {
    std::vector<DrawOp> out;
    for (const auto& o : s.DisplayList())
        if (o.kind == DrawOpKind::Box && o.color == c) out.push_back(o);
    return out;
}

TEST_F(BarChartsTest, OneSolidRedBarPerCornerInCornerOrder) {
    s.Scale(0, 0, 1015, 3000);  // a surface 1015 twips wide
    // Wheel k's value is 100 x (k + 1): bars rear left, rear right, front left, front right.
    const std::array<float, 8> v = {100, 200, 300, 400, 0, 0, 0, 0};
    DrawCornerBarChart(s, v, 2.0f, 50.0f, "Mass", " kg", kBarsSingle);
    auto red = Bars(s, kRed);
    ASSERT_EQ(red.size(), 4u);
    const double px = 300.0 / 1015.0;  // pixels per twip across
    const double py = 200.0 / 3000.0;
    // Columns from 15 + 54 to 15 + 54 + 143 twips.
    EXPECT_NEAR(red[0].x1, (15 + 54) * px, 1e-9);
    EXPECT_NEAR(red[0].x2, (15 + 54 + 143) * px, 1e-9);
    EXPECT_NEAR(red[1].x1, (15 + 250 + 54) * px, 1e-9);
    EXPECT_TRUE(red[0].filled);
    // Bar 0 is the rear-left wheel (value 300), bar 2 the front left (100).
    EXPECT_NEAR(red[0].y2, 2985 * py, 1e-9);
    EXPECT_NEAR(red[0].y1, (2985 - 600) * py, 1e-9);
    EXPECT_NEAR(red[2].y1, (2985 - 200) * py, 1e-9);
    // Titles: the y title, then the four corner labels reading upwards from the base.
    auto t = Texts();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].text, "Mass (kg)");
    EXPECT_EQ(t[1].text, " Rear  Left");
    EXPECT_EQ(t[4].text, " Front  Right");
    EXPECT_DOUBLE_EQ(t[1].angleDeg, 90.0);
    EXPECT_NEAR(t[1].x1, (54 + 15 + 143.0 / 3) * px, 1e-4);
    EXPECT_NEAR(t[1].y1, (3000 - 22.5) * py, 1e-6);
}

TEST_F(BarChartsTest, CompareModeShowsCapsAndShortfalls) {
    // Rear left: second value higher (green cap), rear right: lower (red top), fronts equal.
    const std::array<float, 8> v = {100, 100, 100, 100, 100, 100, 150, 50};
    DrawCornerBarChart(s, v, 1.0f, 50.0f, "Force", "N", kBarsCompare);
    EXPECT_EQ(Bars(s, kBlue).size(), 4u);
    EXPECT_EQ(Bars(s, kGreen).size(), 1u);
    EXPECT_EQ(Bars(s, kRed).size(), 1u);
    // The green cap comes first (the blue bar drawn over it); the red section runs from the
    // top of the second value to the top of the first.
    const auto& list = s.DisplayList();
    size_t firstBar = 0;
    while (firstBar < list.size() && list[firstBar].kind != DrawOpKind::Box) ++firstBar;
    ASSERT_LT(firstBar + 1, list.size());
    EXPECT_EQ(list[firstBar].color, kGreen);
    EXPECT_EQ(list[firstBar + 1].color, kBlue);
    auto red = Bars(s, kRed);
    EXPECT_DOUBLE_EQ(red[0].y2, (2985.0 - 50.0) / 15.0);
    EXPECT_DOUBLE_EQ(red[0].y1, (2985.0 - 100.0) / 15.0);

    DrawCornerBarChart(s, v, 1.0f, 50.0f, "Force", "N", kBarsOverlay);
    EXPECT_EQ(Bars(s, kBlue).size(), 4u);
    EXPECT_EQ(Bars(s, kGreen).size(), 4u);
    DrawCornerBarChart(s, v, 1.0f, 50.0f, "Force", "N", 7);  // no such mode: no bars
    EXPECT_TRUE(Boxes().empty());
}

// Spring loads are scaled by the largest load either way: a -134592 N bar was drawn some
// 500000 px below the chart. A negative bar runs from the base to the chart's edge.
TEST_F(BarChartsTest, SpringLoadsScaleByTheLargestLoadEitherWay) {
    auto& c = analysis::SuspensionCode().SuspCorners;
    for (const float rearRight : {1000.0f, -134592.0f}) {
        c[0].SpringLoad = c[1].SpringLoad = 2000.0f;
        c[2].SpringLoad = 1500.0f;
        c[3].SpringLoad = rearRight;
        DrawSpringLoadChart(s);
        const auto red = Bars(s, kRed);
        ASSERT_EQ(red.size(), 4u);
        for (const DrawOp& bar : red) EXPECT_LE(std::max(bar.y1, bar.y2), 200.0) << rearRight;
        // The tallest fills 1/1.15 of the 2985 twips above the base (bar 2 is the front left).
        const double tallest = std::max(2000.0f, std::fabs(rearRight));
        EXPECT_NEAR(red[2].y1, (2985.0 - 2985.0 / 1.15 * 2000.0 / tallest) / 15.0, 0.01);
    }
}

platform::Color Background(const platform::Surface& s) { return s.DisplayList().front().fillColor; }

TEST_F(BarChartsTest, BalanceThresholdsAreSingles) {
    s.DrawWidth = 2;
    DrawBalanceBar(s, 0.5025f);
    EXPECT_EQ(Background(s), kLightGreen);
    DrawBalanceBar(s, std::nextafter(0.5025f, 1.0f));
    EXPECT_EQ(Background(s), kLightRed);
    DrawBalanceBar(s, 0.4925f);
    EXPECT_EQ(Background(s), kLightGreen);
    DrawBalanceBar(s, std::nextafter(0.4925f, 0.0f));
    EXPECT_EQ(Background(s), kLightBlue);
    EXPECT_EQ(s.DrawWidth, 2);  // left as it was
}

TEST_F(BarChartsTest, BalanceBarRunsFromTheCentre) {
    DrawBalanceBar(s, 0.3f);
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].fillColor, kLightBlue);
    EXPECT_EQ(boxes[1].fillColor, kBlue);
    // From the centre (2250 twips) left to 4 + 0.3 x 4492 = 1351.6 twips.
    EXPECT_NEAR(boxes[1].x2, 150.0, 1e-6);
    EXPECT_NEAR(boxes[1].x1, (4.0 + 0.3 * 4492.0) / 15.0, 1e-4);
    EXPECT_EQ(Lines(kBlack).size(), 12u);  // ten tenths plus both ends, and the centre line
    auto t = Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "Understeer");
    EXPECT_EQ(t[1].text, "Oversteer");

    DrawBalanceBar(s, 0.5f);  // a red bar of no width at the centre
    boxes = Boxes();
    EXPECT_EQ(boxes[0].fillColor, kLightGreen);
    EXPECT_EQ(boxes[1].fillColor, kRed);
    EXPECT_DOUBLE_EQ(boxes[1].x1, boxes[1].x2);
}

// A share beyond 0..1 ends at the frame; the aero balance of a car with an axle lifted off the
// ground (a wheel-load sum near zero gave 676 %) draws no bar.
TEST_F(BarChartsTest, BalanceBarStaysInItsFrame) {
    DrawBalanceBar(s, 6.762f);
    EXPECT_NEAR(Boxes()[1].x2, (4500.0 - 4.0) / 15.0, 1e-4);
    analysis::PhysicalCode().CornerMass = {30.0f, 30.0f, 25.0f, 25.0f};
    vehicle::AeroCode().LiveAero.WheelLoad = {600.0f, 600.0f, -400.0f, -400.0f};
    DrawAeroBalanceChart(s);
    EXPECT_EQ(Boxes().size(), 1u);  // the background alone
}

}  // namespace
