// Painting of chart curves: curves drawn segment by segment in turn come out as the separate
// curves they are, two pixels wide, solid at any screen scale, and a curve of far more points
// than pixels keeps its narrow peaks.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "QtTestApp.hpp"
#include "platform/Control.hpp"
#include "platform/ServiceDoubles.hpp"
#include "qt/SurfacePainter.hpp"

namespace {

constexpr float kTw = platform::kTwipsPerPixel;

class SurfacePainterCurves : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        platform::InstallServiceDoubles();
        surface.SetPixelSize(200, 100);
        surface.DrawWidth = 2;
    }
    // Rows of column x painted in colour c.
    static int RowsOf(const QImage& image, int x, QColor c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) n += image.pixelColor(x, y) == c;
        return n;
    }
    platform::Surface surface;
};

TEST_F(SurfacePainterCurves, CurvesDrawnInTurnStaySeparateAndTwoPixelsWide) {
    const platform::Color red = platform::RGB(255, 0, 0), blue = platform::RGB(0, 0, 255);
    // Two level curves, 20 and 60 pixels down, drawn one segment of each in turn.
    for (int i = 0; i < 180; ++i) {
        const float x1 = (10 + i) * kTw, x2 = (11 + i) * kTw;
        surface.Line(x1, 20 * kTw, x2, 20 * kTw, red);
        surface.Line(x1, 60 * kTw, x2, 60 * kTw, blue);
    }
    const QImage image = qtfront::RenderSurface(surface);
    for (int x : {15, 100, 185}) {
        EXPECT_EQ(RowsOf(image, x, QColor(255, 0, 0)), 2) << x;
        EXPECT_EQ(RowsOf(image, x, QColor(0, 0, 255)), 2) << x;
        EXPECT_EQ(image.pixelColor(x, 40), QColor(255, 255, 255)) << "nothing joins the curves";
    }
}

TEST_F(SurfacePainterCurves, CurvesStaySolidOnAScaledScreen) {
    // A rising and a level curve of many short segments, as a chart draws them.
    for (int i = 0; i < 180; ++i) {
        const float x1 = (10 + i) * kTw, x2 = (11 + i) * kTw;
        surface.Line(x1, (90 - i * 0.3f) * kTw, x2, (90 - (i + 1) * 0.3f) * kTw, 0);
        surface.Line(x1, 20 * kTw, x2, 20 * kTw, 0);
    }
    for (const double scale : {1.5, 2.0}) {
        // What a window paints at QT_SCALE_FACTOR = scale: device pixels, logical coordinates.
        QImage image(static_cast<int>(200 * scale), static_cast<int>(100 * scale),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        QPainter painter(&image);
        qtfront::PaintDisplayList(painter, surface.DisplayList());
        painter.end();
        const QColor black(0, 0, 0);
        for (int column : {20, 100, 180}) {
            const int x = static_cast<int>(column * scale);
            // Down each device column every curve is one unbroken run of black pixels, as
            // thick as two pixels at this scale.
            int runs = 0, longest = 0, run = 0;
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixelColor(x, y) == black) {
                    runs += run == 0;
                    longest = std::max(longest, ++run);
                } else {
                    run = 0;
                }
            }
            EXPECT_EQ(runs, 2) << "scale " << scale << ", column " << x;
            EXPECT_GE(longest, static_cast<int>(2 * scale)) << "scale " << scale << ", column " << x;
        }
    }
}

TEST_F(SurfacePainterCurves, AThousandPointsToAFewPixelsKeepTheirPeak) {
    // 2000 points across 100 pixels, level at 80 but for one point at 10 in the middle.
    surface.CurrentX = 50 * kTw;
    surface.CurrentY = 80 * kTw;
    for (int i = 1; i <= 2000; ++i) {
        const float y = i == 1000 ? 10.0f : 80.0f;
        surface.LineTo((50 + i * 0.05f) * kTw, y * kTw, platform::RGB(0, 0, 0));
    }
    const QImage image = qtfront::RenderSurface(surface);
    const QRect box = qttest::DarkBounds(image);
    EXPECT_LE(box.top(), 11) << "the peak is painted";
    EXPECT_GE(box.bottom(), 80);
    EXPECT_LE(box.left(), 50);
    EXPECT_GE(box.right(), 149);
}

}  // namespace
