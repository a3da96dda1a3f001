// The chart frame: grid positions from the running sum of the steps, the 101-line cap, the
// first line at or past the usable size, margins and axis lines, titles with their brackets,
// and where the turned text starts.
#include "charts/ChartFrame.hpp"
#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "charts/VehicleCharts.hpp"
#include "core/OptionsSettings.hpp"

using namespace chart_test;
using namespace charts;

namespace {

class ChartFrameTest : public ChartTest {};

std::vector<double> Xs(const std::vector<DrawOp>& ops) {
    std::vector<double> x;
    for (const auto& o : ops) x.push_back(o.x1);
    return x;
}

TEST_F(ChartFrameTest, VerticalLinesFollowTheRunningSumAndEndPastTheUsableWidth) {
    // 4500 twips wide, 15 left and 0 right margin: usable 4485 twips. xStep 0.25 at 1000 twips
    // per unit: lines every 250 twips, exact in binary. 0, 250, ..., 4250, then 4500 (the
    // first at or past 4485) is still drawn: 19 lines.
    DrawGrid(s, 1000.0f, 0.25f, 0.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    auto grid = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    ASSERT_EQ(grid.size(), 19u);
    for (size_t k = 0; k < grid.size(); ++k) {
        EXPECT_DOUBLE_EQ(grid[k].x1, (15.0 + 250.0 * k) / 15.0);
        EXPECT_DOUBLE_EQ(grid[k].y1, (3000.0 - 15.0) / 15.0);  // from the bottom margin
        EXPECT_DOUBLE_EQ(grid[k].y2, 0.0);                    // up to the top margin (0)
    }
    EXPECT_EQ(s.DrawWidth, 1);
}

TEST_F(ChartFrameTest, FractionalStepsAccumulateInSinglePrecision) {
    // A step of 0.1 added up ten times in single precision is 1.0000001192..., not 1; at
    // 4470 twips per unit the eleventh line lies at 4470.00053 twips.
    DrawGrid(s, 4470.0f, 0.1f, 0.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    auto grid = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    ASSERT_EQ(grid.size(), 12u);  // 0 .. 1.1 units; 1.1 x 4470 = 4917 is the first past 4485
    const double tenth = (15.0 + static_cast<double>(1.00000011920929f * 4470.0f)) / 15.0;
    EXPECT_NEAR(grid[10].x1, tenth, 1e-4);
    EXPECT_GT(grid[10].x1 * 15.0, 15.0 + 4470.0);
}

TEST_F(ChartFrameTest, AZeroStepStopsAfter101LinesOnTheAxis) {
    DrawGrid(s, 100.0f, 0.0f, 100.0f, 0.0f, 0, 15, 15, 0, kGridFromBottom);
    auto vertical = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    auto horizontal = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    EXPECT_EQ(vertical.size(), 101u);
    EXPECT_EQ(horizontal.size(), 101u);
    for (const auto& o : vertical) EXPECT_DOUBLE_EQ(o.x1, 1.0);  // x = 15 twips
}

TEST_F(ChartFrameTest, BottomUpRowsClimbFromTheBottomAxis) {
    // The first row lies on the bottom axis (15 twips above the edge), the second one step of
    // 1000 twips above it; both span from the left margin to the right edge.
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    auto rows = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    ASSERT_GE(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0].y1, 2985.0 / 15.0);
    EXPECT_DOUBLE_EQ(rows[1].y1, 1985.0 / 15.0);
    EXPECT_DOUBLE_EQ(rows[1].x1, 1.0);
    EXPECT_DOUBLE_EQ(rows[1].x2, 300.0);
}

TEST_F(ChartFrameTest, AStepNeedingOver100LinesWidensToA125Multiple) {
    // 1500 pixels wide: 22485 usable twips at 150 twips (10 px) a step would need 151 lines;
    // x2 needs 76 (0, 300, ..., 22500).
    s.SetPixelSize(1500, 200);
    DrawGrid(s, 1.0f, 150.0f, 0.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    auto columns = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    ASSERT_EQ(columns.size(), 76u);
    EXPECT_DOUBLE_EQ(columns[1].x1 - columns[0].x1, 300.0 / 15.0);
    EXPECT_DOUBLE_EQ(columns.back().x1, (15.0 + 22500.0) / 15.0);  // the whole width covered
    // 100 lines still fit: 227.2 twips a step reaches 22485 at the 99th step.
    s.Cls();
    DrawGrid(s, 1.0f, 227.2f, 0.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    EXPECT_EQ(Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; }).size(), 100u);
}

TEST_F(ChartFrameTest, LinesCloserThanEightPixelsWidenToA125Multiple) {
    // 300 x 200 pixels. Columns every 50 twips (3.3 px): x2 is 6.7 px, x5 is 16.7 px. Rows
    // every 3 twips: x20 is 4 px, x50 is 10 px (150 twips, 21 rows up to 3000).
    DrawGrid(s, 1.0f, 50.0f, 1.0f, 3.0f, 0, 15, 15, 0, kGridFromBottom);
    auto columns = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    ASSERT_EQ(columns.size(), 19u);  // 0, 250, ..., 4500
    EXPECT_DOUBLE_EQ(columns[1].x1 - columns[0].x1, 250.0 / 15.0);
    auto rows = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_DOUBLE_EQ(rows[0].y1 - rows[1].y1, 150.0 / 15.0);
    // Exactly 8 pixels apart is kept; so are the pairs running outwards from the centre.
    s.Cls();
    DrawGrid(s, 1.0f, 120.0f, 0.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    columns = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    EXPECT_DOUBLE_EQ(columns[1].x1 - columns[0].x1, 8.0);
    s.Cls();
    DrawGrid(s, 1.0f, 100.0f, 0.0f, 1.0f, 0, 0, 0, 0, kGridCentred);
    columns = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    EXPECT_NEAR(columns[2].x1 - columns[0].x1, 200.0 / 15.0, 1e-9);
}

TEST_F(ChartFrameTest, GridStepsUnderTheImperialPresetAreDisplayUnitsConverted) {
    // The force option is a step in poundals; 500 pdl is 500 / 7.233 N = 69.1 N. The corner
    // bars of 2985 twips for 1000 N x 1.2 put one row every 69.1 x 2.4875 twips (11.5 px).
    core::ApplyUnitPreset(2);
    const double factor = core::UnitData(core::Quantity::Force).Factor;
    ASSERT_GT(factor, 7.0);
    EXPECT_FLOAT_EQ(GridStep(500.0, core::Quantity::Force), static_cast<float>(500.0 / factor));
    core::OptionsSettings().AeroLoadsChartScaleY = 500;
    DrawAeroForcesChart(s, 1000.0f);
    auto rows = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    ASSERT_GE(rows.size(), 2u);
    EXPECT_NEAR((rows[0].y1 - rows[1].y1) * 15.0, 500.0 / factor * (2985.0 / 1000.0 / 1.2), 1e-3);
}

TEST_F(ChartFrameTest, ScalesThatAreNotNumbersLeaveTheAxesAlone) {
    DrawGrid(s, NAN, 1.0f, INFINITY, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    EXPECT_TRUE(Lines(kGrey).empty());
    EXPECT_EQ(Lines(0).size(), 2u);
    // A step that is not a number is a step of 0.
    DrawGrid(s, 10.0f, NAN, 10.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    EXPECT_EQ(Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; }).size(), 101u);
    EXPECT_EQ(s.DroppedOps(), 0);
    EXPECT_TRUE(AllFinite());
}

TEST_F(ChartFrameTest, AxisLinesAndMargins) {
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 0, 15, 15, 0, kGridFromBottom);
    auto axes = Lines(0);  // foreground black
    ASSERT_EQ(axes.size(), 2u);  // left and bottom, no right axis without a right margin
    s.Cls();
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 0, 15, 15, 15, kGridFromBottom);
    axes = Lines(0);
    ASSERT_EQ(axes.size(), 3u);
    EXPECT_DOUBLE_EQ(axes[1].x1, (4500.0 - 15.0) / 15.0);
    // A surface narrower than its margins: no vertical grid line, the axes still drawn.
    s.Cls();
    s.SetPixelSize(1, 200);
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 0, 15, 15, 15, kGridFromBottom);
    EXPECT_TRUE(Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; }).empty());
    EXPECT_EQ(Lines(0).size(), 3u);
}

TEST_F(ChartFrameTest, HorizontalOnlyFromTopAndCentredLayouts) {
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 0, 15, 15, 0, kGridHorizontal);
    EXPECT_TRUE(Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; }).empty());
    s.Cls();
    // Counted downwards from a 15-twip top margin.
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 15, 0, 15, 0, kGridFromTop);
    auto h = Ops([](const DrawOp& o) { return Horizontal(o) && o.color == kGrey; });
    ASSERT_GE(h.size(), 2u);
    EXPECT_DOUBLE_EQ(h[0].y1, 1.0);
    EXPECT_DOUBLE_EQ(h[1].y1, 1015.0 / 15.0);
    s.Cls();
    // Centred: pairs from the centre outwards across the whole surface, then the centre cross.
    DrawGrid(s, 1000.0f, 1.0f, 1000.0f, 1.0f, 0, 0, 0, 0, kGridCentred);
    auto v = Ops([](const DrawOp& o) { return Vertical(o) && o.color == kGrey; });
    ASSERT_GE(v.size(), 4u);
    EXPECT_DOUBLE_EQ(v[0].x1, 150.0);
    EXPECT_DOUBLE_EQ(v[2].x1, (2250.0 + 1000.0) / 15.0);
    EXPECT_DOUBLE_EQ(v[3].x1, (2250.0 - 1000.0) / 15.0);
    EXPECT_DOUBLE_EQ(v[2].y1, 200.0);
    auto cross = Lines(0);
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_DOUBLE_EQ(cross[0].x1, 150.0);
    EXPECT_DOUBLE_EQ(cross[1].y1, 100.0);
}

TEST_F(ChartFrameTest, TitlesKeepTheirBrackets) {
    DrawAxisTitles(s, "Gear", "", "Speed", " m/s ");
    auto t = Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "Gear ()");
    EXPECT_DOUBLE_EQ(t[0].x1, 1500.0 / 15.0);           // a third of the width
    // The whole line shows: its bottom on the bottom edge, not its top 15 twips above it.
    EXPECT_NEAR(t[0].y1 + platform::Services().fonts->Measure(t[0].text, t[0].font).height,
                200.0, 1e-3);
    EXPECT_EQ(t[1].text, "Speed (m/s)");
    EXPECT_DOUBLE_EQ(t[1].angleDeg, 90.0);
    EXPECT_DOUBLE_EQ(t[1].x1, 0.0);
    EXPECT_DOUBLE_EQ(t[1].y1, 3000.0 / 1.25 / 15.0);  // 80 % of the height

    s.Cls();
    DrawAxisTitles(s, "", "s", "Throttle", "");
    t = Texts();
    ASSERT_EQ(t.size(), 1u);  // no x title without its title, whatever the unit
    EXPECT_EQ(t[0].text, "Throttle");
    s.Cls();
    DrawAxisTitles(s, "", "", "", "m");
    EXPECT_EQ(Texts()[0].text, " (m)");
}

TEST_F(ChartFrameTest, ChartFontIsEightPointArial) {
    EXPECT_EQ(ChartFontHeightPixels(15), -11);  // 160 / 15 = 10.67
    EXPECT_EQ(ChartFontHeightPixels(12), -13);  // 13.33
    PrintRotatedText(s, "Force (N)", 30.0f, 2400.0f);
    PrintFontText(s, "level", 45.0f, 60.0f);
    auto t = Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].font.name, "Arial");
    EXPECT_DOUBLE_EQ(t[0].angleDeg, 90.0);
    EXPECT_DOUBLE_EQ(t[0].x1, 2.0);
    EXPECT_DOUBLE_EQ(t[0].y1, 160.0);
    EXPECT_DOUBLE_EQ(t[1].angleDeg, 0.0);
    EXPECT_DOUBLE_EQ(t[1].x1, 3.0);
    EXPECT_DOUBLE_EQ(t[1].y1, 4.0);
}

TEST_F(ChartFrameTest, ARedrawReplacesThePictureInOneStep) {
    s.Line(0, 0, 150, 150);
    uint64_t shown = 0;
    s.Changed = [&] { ++shown; };
    {
        ChartRedraw frame(s);
        s.Line(15, 15, 30, 30);
        s.Line(15, 15, 45, 45);
        EXPECT_EQ(shown, 0u);
    }
    EXPECT_EQ(shown, 1u);
    EXPECT_EQ(s.DisplayList().size(), 2u);
}

}  // namespace
