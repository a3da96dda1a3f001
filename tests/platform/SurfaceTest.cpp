// The drawing surface: scale conversions to the pixel display list, text placement, frames,
// fills, and coordinates that must never reach the painter.
#include <cmath>
#include <limits>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;

namespace {

constexpr double kPi = 3.141592653589793;

class SurfaceDrawing : public PlatformTest {
protected:
    Surface s;
    void SetUp() override {
        PlatformTest::SetUp();
        s.SetPixelSize(200, 100);
    }
};

TEST_F(SurfaceDrawing, TwipsAreFifteenToThePixelFromTheTopLeft) {
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 3000.0f);
    EXPECT_FLOAT_EQ(s.ScaleHeight(), 1500.0f);
    s.DrawWidth = 2;
    s.DrawStyle = 2;
    s.ForeColor = RGB(0, 0, 255);
    s.Line(150, 300, 1500, 3000);
    ASSERT_EQ(s.DisplayList().size(), 1u);
    const DrawOp& op = s.DisplayList()[0];
    EXPECT_EQ(op.kind, DrawOpKind::Line);
    EXPECT_DOUBLE_EQ(op.x1, 10);
    EXPECT_DOUBLE_EQ(op.y1, 20);
    EXPECT_DOUBLE_EQ(op.x2, 100);
    EXPECT_DOUBLE_EQ(op.y2, 200);
    EXPECT_EQ(op.width, 2);
    EXPECT_EQ(op.style, 2);
    EXPECT_EQ(op.color, RGB(0, 0, 255));
    // The pen moved to the end: LineTo continues from there, in its own colour.
    s.LineTo(0, 0, RGB(255, 0, 0));
    EXPECT_DOUBLE_EQ(s.DisplayList()[1].x1, 100);
    EXPECT_DOUBLE_EQ(s.DisplayList()[1].y2, 0);
    EXPECT_EQ(s.DisplayList()[1].color, RGB(255, 0, 0));
}

TEST_F(SurfaceDrawing, UserScaleWithYUpwards) {
    s.Scale(0, 100, 10, 0);  // x 0..10 left to right, y 0..100 bottom to top
    EXPECT_FLOAT_EQ(s.ScaleLeft(), 0);
    EXPECT_FLOAT_EQ(s.ScaleTop(), 100);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 10);
    EXPECT_FLOAT_EQ(s.ScaleHeight(), -100);
    s.PSet(5, 25);
    const DrawOp& p = s.DisplayList().back();
    EXPECT_EQ(p.kind, DrawOpKind::Point);
    EXPECT_DOUBLE_EQ(p.x1, 100);  // half of 200 px
    EXPECT_DOUBLE_EQ(p.y1, 75);   // a quarter up from the bottom of 100 px
    // The user scale keeps its extent when the picture is resized.
    s.SetPixelSize(400, 200);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 10);
    s.PSet(5, 25);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().x1, 200);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().y1, 150);
    s.ScaleDefault();
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 6000.0f);
}

TEST_F(SurfaceDrawing, TextSizeComesFromTheFontServiceInScaleUnits) {
    // Arial 8 pt at 96 dpi is 10.667 px: a character 0.6 of that (6.4 px), a line 1.15 of it
    // (12.267 px). In twips: 96 per character, 184 per line.
    EXPECT_NEAR(s.TextWidth("abc"), 288.0, 1e-3);
    EXPECT_NEAR(s.TextHeight("abc"), 184.0, 1e-3);
    s.Scale(0, 100, 10, 0);  // 20 px per x unit, -1 px per y unit
    EXPECT_NEAR(s.TextWidth("abc"), 19.2 / 20.0, 1e-5);
    EXPECT_NEAR(s.TextHeight("abc"), -12.2667, 1e-3);
}

TEST_F(SurfaceDrawing, PrintPlacesTextAtThePenAndMovesDownOneLine) {
    s.CurrentX = 150;
    s.CurrentY = 300;
    s.ForeColor = RGB(1, 2, 3);
    s.Print("Hi");
    const DrawOp& t = s.DisplayList().back();
    EXPECT_EQ(t.kind, DrawOpKind::Text);
    EXPECT_EQ(t.text, "Hi");
    EXPECT_DOUBLE_EQ(t.x1, 10);
    EXPECT_DOUBLE_EQ(t.y1, 20);
    EXPECT_EQ(t.font, s.Font);
    EXPECT_EQ(t.color, RGB(1, 2, 3));
    EXPECT_FLOAT_EQ(s.CurrentX, 0);
    EXPECT_NEAR(s.CurrentY, 300 + 184, 1e-3);
    s.Print("ab", false);  // stays on the line, pen after the text
    EXPECT_NEAR(s.CurrentX, 192, 1e-3);
    EXPECT_NEAR(s.CurrentY, 484, 1e-3);
    // Turned axis text keeps its own font and angle.
    const FontSpec axis{"Arial", 9.0f, true, false};
    s.CurrentX = 30;
    s.CurrentY = 1200;
    s.PrintWithFont("Torque (Nm)", axis, 90.0);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().angleDeg, 90.0);
    EXPECT_EQ(s.DisplayList().back().font, axis);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().x1, 2);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().y1, 80);
}

TEST_F(SurfaceDrawing, BoxesAndCirclesFill) {
    s.FillColor = RGB(255, 0, 0);
    s.Box(300, 300, 0, 0);  // corners in any order
    EXPECT_FALSE(s.DisplayList().back().filled) << "transparent fill by default";
    EXPECT_DOUBLE_EQ(s.DisplayList().back().x1, 0);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().x2, 20);
    s.FillSolid = true;
    s.Box(0, 0, 300, 300, RGB(0, 255, 0));
    EXPECT_TRUE(s.DisplayList().back().filled);
    EXPECT_EQ(s.DisplayList().back().fillColor, RGB(255, 0, 0));
    EXPECT_EQ(s.DisplayList().back().color, RGB(0, 255, 0));
    s.FillSolid = false;
    s.Box(0, 0, 300, 300, RGB(0, 0, 9), true);  // "BF"
    EXPECT_TRUE(s.DisplayList().back().filled);
    EXPECT_EQ(s.DisplayList().back().fillColor, RGB(0, 0, 9));

    s.FillSolid = true;
    s.Circle(1500, 750, 300);
    const DrawOp& c = s.DisplayList().back();
    EXPECT_EQ(c.kind, DrawOpKind::Circle);
    EXPECT_DOUBLE_EQ(c.x1, 100);
    EXPECT_DOUBLE_EQ(c.y1, 50);
    EXPECT_DOUBLE_EQ(c.r, 20);
    EXPECT_TRUE(c.full);
    EXPECT_TRUE(c.filled);
    EXPECT_FLOAT_EQ(s.CurrentX, 1500);
}

TEST_F(SurfaceDrawing, ArcsAndEllipses) {
    s.Circle(1500, 750, 300, {}, 0.0, kPi / 2);
    EXPECT_FALSE(s.DisplayList().back().full);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().endAngle, kPi / 2);
    // Aspect 2: the radius is the vertical one, 20 px; the horizontal one is 10 px.
    s.Circle(1500, 750, 300, {}, {}, {}, 2.0);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().r, 10);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().r * s.DisplayList().back().aspect, 20);
    // Aspect 0.5: the radius is the horizontal one.
    s.Circle(1500, 750, 300, {}, {}, {}, 0.5);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().r, 20);
    // The radius is measured in horizontal units: round in pixels on a stretched scale.
    s.Scale(0, 0, 10, 100);
    s.Circle(5, 50, 1);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().r, 20);
    EXPECT_DOUBLE_EQ(s.DisplayList().back().aspect, 1);
}

TEST_F(SurfaceDrawing, NonFiniteOrFarOffCoordinatesAreDroppedAndCounted) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    s.Line(0, 0, nan, 10);
    s.Line(0, 0, 1.6e7f, 10);  // over a million pixels away
    s.Box(0, inf, 10, 10);
    s.Circle(0, 0, 2e7f);
    s.PSet(-1.6e7f, 0);
    s.CurrentX = nan;
    s.Print("x");
    EXPECT_EQ(s.DroppedOps(), 6);
    EXPECT_TRUE(s.DisplayList().empty());
    s.Line(0, 0, 1.4e7f, 0);  // 933,333 px: still drawn
    EXPECT_EQ(s.DisplayList().size(), 1u);
    // A degenerate user scale divides by zero: dropped, not painted.
    s.Scale(0, 0, 0, 10);
    s.Line(1, 1, 2, 2);
    EXPECT_EQ(s.DroppedOps(), 7);
}

TEST_F(SurfaceDrawing, FrameReplacesTheListAtOnce) {
    int changed = 0;
    s.Changed = [&] { ++changed; };
    s.Line(0, 0, 15, 15);
    EXPECT_EQ(changed, 1);
    const uint64_t before = s.Revision();
    s.BeginFrame();
    s.Cls();
    s.Line(0, 0, 30, 30);
    s.Line(0, 0, 45, 45);
    s.BeginFrame();  // nested: only the outer pair counts
    s.PSet(15, 15);
    s.EndFrame();
    EXPECT_TRUE(s.InFrame());
    ASSERT_EQ(s.DisplayList().size(), 1u) << "the old picture stays until the frame ends";
    EXPECT_DOUBLE_EQ(s.DisplayList()[0].x2, 1);
    EXPECT_EQ(changed, 1);
    s.EndFrame();
    EXPECT_FALSE(s.InFrame());
    ASSERT_EQ(s.DisplayList().size(), 3u);
    EXPECT_DOUBLE_EQ(s.DisplayList()[0].x2, 2);
    EXPECT_EQ(changed, 2);
    EXPECT_GT(s.Revision(), before);
    s.EndFrame();  // unmatched: harmless
    EXPECT_EQ(changed, 2);
}

TEST_F(SurfaceDrawing, ClsClearsAndReturnsThePenToTheTopLeft) {
    s.Scale(-5, 10, 5, -10);
    s.Line(0, 0, 1, 1);
    s.Cls();
    EXPECT_TRUE(s.DisplayList().empty());
    EXPECT_FLOAT_EQ(s.CurrentX, -5);
    EXPECT_FLOAT_EQ(s.CurrentY, 10);
}

}  // namespace
