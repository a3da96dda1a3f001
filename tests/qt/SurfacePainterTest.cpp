// Painting of display lists: where lines, boxes, circles, arcs and (turned) text land.
#include <gtest/gtest.h>

#include <numbers>

#include "QtTestApp.hpp"
#include "charts/DynoChart.hpp"
#include "platform/Control.hpp"
#include "platform/ServiceDoubles.hpp"
#include "qt/SurfacePainter.hpp"

namespace {

using platform::RGB;
using platform::Surface;

constexpr float kTw = platform::kTwipsPerPixel;  // the default scale is twips

class SurfacePainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        platform::InstallServiceDoubles();
        // Text sizes come from the Qt font metrics, as in the program.
        platform::Services().fonts = std::make_shared<qtfront::QtFontMetricsService>();
        surface.SetPixelSize(200, 150);
    }
    Surface surface;
};

TEST_F(SurfacePainterTest, TurnedTitleReadsUpwardsFromItsPointWithGlyphsToTheRight) {
    surface.CurrentX = 40 * kTw;
    surface.CurrentY = 140 * kTw;
    surface.PrintWithFont("Lateral acceleration", {"Arial", 10.0f, true, false}, 90);
    const QImage image = qtfront::RenderSurface(surface);
    const QRect box = qttest::DarkBounds(image);
    ASSERT_FALSE(box.isNull());
    // A vertical run: far taller than wide, beginning at the point and going up.
    EXPECT_GT(box.height(), 3 * box.width());
    EXPECT_GT(box.height(), 80);
    EXPECT_LE(box.bottom(), 141);
    EXPECT_GE(box.left(), 39);             // glyphs to the right of x
    EXPECT_LE(box.right(), 40 + 20);       // within one line height of it
    // Upright text of the same line lies along the row instead.
    Surface upright;
    upright.SetPixelSize(200, 150);
    upright.CurrentX = 10 * kTw;
    upright.CurrentY = 20 * kTw;
    upright.PrintWithFont("Lateral acceleration", {"Arial", 10.0f, true, false}, 0);
    const QRect flat = qttest::DarkBounds(qtfront::RenderSurface(upright));
    EXPECT_GT(flat.width(), 3 * flat.height());
    EXPECT_GE(flat.top(), 20);  // the point is the text's top-left corner
    EXPECT_GE(flat.left(), 10);
}

TEST_F(SurfacePainterTest, FilledCircleFillsItsCentreAndNothingOutsideTheRim) {
    surface.FillSolid = true;
    surface.FillColor = RGB(255, 0, 0);
    surface.Circle(100 * kTw, 75 * kTw, 30 * kTw, RGB(0, 0, 255));
    const QImage image = qtfront::RenderSurface(surface);
    EXPECT_EQ(QColor(image.pixel(100, 75)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(100 + 20, 75)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(100 + 36, 75)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(100, 75 - 36)), QColor(255, 255, 255));
}

TEST_F(SurfacePainterTest, EllipseAndArcFollowAspectAndAngles) {
    // Aspect 0.5: 40 pixels across, 20 up and down.
    surface.Circle(100 * kTw, 75 * kTw, 40 * kTw, RGB(0, 0, 0), {}, {}, 0.5);
    QImage image = qtfront::RenderSurface(surface);
    QRect box = qttest::DarkBounds(image);
    EXPECT_NEAR(box.width(), 81, 2);
    EXPECT_NEAR(box.height(), 41, 2);

    // A quarter arc from 3 o'clock anticlockwise to 12 o'clock: top-right quadrant only.
    surface.Cls();
    surface.Circle(100 * kTw, 75 * kTw, 40 * kTw, RGB(0, 0, 0), 0.0, std::numbers::pi / 2);
    image = qtfront::RenderSurface(surface);
    box = qttest::DarkBounds(image);
    EXPECT_GE(box.left(), 99);
    EXPECT_LE(box.bottom(), 76);
    EXPECT_NEAR(box.right(), 140, 2);
    EXPECT_NEAR(box.top(), 35, 2);
}

TEST_F(SurfacePainterTest, BoxesIncludeBothCornersAndFillWithTheLineColour) {
    surface.Box(10 * kTw, 10 * kTw, 19 * kTw, 19 * kTw, RGB(0, 128, 0), true);
    const QImage image = qtfront::RenderSurface(surface);
    for (int x : {10, 15, 19}) EXPECT_EQ(QColor(image.pixel(x, 15)), QColor(0, 128, 0)) << x;
    EXPECT_EQ(QColor(image.pixel(20, 15)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(9, 15)), QColor(255, 255, 255));
}

TEST_F(SurfacePainterTest, DashedLinesHaveGapsWideLinesAreSolidAndThick) {
    surface.DrawStyle = 1;
    surface.Line(0, 20 * kTw, 199 * kTw, 20 * kTw, RGB(0, 0, 0));
    surface.DrawWidth = 3;
    surface.Line(0, 60 * kTw, 199 * kTw, 60 * kTw, RGB(0, 0, 0));
    const QImage image = qtfront::RenderSurface(surface);
    const int dashed = qttest::DarkPixels(image, QRect(0, 20, 200, 1));
    EXPECT_GT(dashed, 50);
    EXPECT_LT(dashed, 190);
    EXPECT_EQ(qttest::DarkPixels(image, QRect(0, 60, 200, 1)), 200);
    EXPECT_EQ(qttest::DarkPixels(image, QRect(5, 59, 190, 3)), 570);  // three pixels thick
}

TEST_F(SurfacePainterTest, SystemColoursAreResolvedAndAnEmptySurfaceGivesNoImage) {
    surface.Line(0, 5 * kTw, 199 * kTw, 5 * kTw, platform::SysColor::WindowText);
    const QImage image = qtfront::RenderSurface(surface);
    const platform::Color rgb = platform::ResolveColor(platform::SysColor::WindowText);
    EXPECT_EQ(QColor(image.pixel(50, 5)),
              QColor(int(rgb & 255), int((rgb >> 8) & 255), int((rgb >> 16) & 255)));
    Surface empty;
    EXPECT_TRUE(qtfront::RenderSurface(empty).isNull());
}

// Wrapped text breaks where the whole line's width says, also in a font that kerns across
// the blanks ("A Torque", "Y AVA" are narrower than their words and blank added): each line
// fits, or is one word, and would not fit with the next line's first word.
TEST_F(SurfacePainterTest, WrappedLinesBreakWhereTheWholeLineIsMeasured) {
    const std::string text =
        "A Torque Year AVA To Ty 11 1 T Y W V Peak Avoid Yes Tyre AT LT power Wy A Y T V "
        "AVA Year To Torque A Ty 1 11 Yes W Avoid";
    const auto width = [this](const std::string& s) { return surface.TextWidth(s); };
    for (float w = 300.0f; w < 1600.0f; w += 7.3f) {
        const auto lines = charts::WrappedLines(surface, text, w);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            EXPECT_TRUE(width(line) <= w || line.find(' ') == std::string::npos) << line << " @ " << w;
            if (i + 1 == lines.size()) continue;
            const std::string next = lines[i + 1].substr(0, lines[i + 1].find(' '));
            EXPECT_GT(width(line + " " + next), w) << line << " + " << next << " @ " << w;
        }
    }
}

}  // namespace
