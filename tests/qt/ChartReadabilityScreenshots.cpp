// Charts whose titles, curves and grids can be seen, painted by Qt with its real fonts and
// saved as readable_<what>.png for a person to look at: every title wholly inside its picture
// (no glyph cut off at an edge), every lift curve of the sample cars inside the picture, and
// grids whose lines reach across the whole chart, never closer than 8 pixels, however fine the
// step in the chosen unit.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "QtTestApp.hpp"
#include "charts/ChartColours.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "qt/SurfacePainter.hpp"
#include "support/StartedProgram.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"

namespace {

using platform::DrawOp;
using platform::DrawOpKind;

// Ink (non-white pixels) of one op painted on a white image of w x h pixels, its origin
// moved by `pad` pixels in both directions.
int Ink(const DrawOp& op, int w, int h, int pad) {
    QImage image(w + 2 * pad, h + 2 * pad, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(pad, pad);
    qtfront::PaintDisplayList(p, {op});
    p.end();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
}

class ChartReadabilityScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }

    static void Save(const platform::Surface& s, const std::string& name) {
        qtfront::RenderSurface(s).save(
            QString::fromStdString(qttest::ScreenshotPath("readable_" + name + ".png")));
    }

    // Every text of the picture shows all its ink within the picture: painted on the picture
    // alone it leaves as many pixels as painted with room all round.
    static void ExpectTitlesInside(const platform::Surface& s, const std::string& name) {
        int texts = 0;
        for (const DrawOp& op : s.DisplayList()) {
            if (op.kind != DrawOpKind::Text || op.text.empty()) continue;
            ++texts;
            const int whole = Ink(op, s.PixelWidth(), s.PixelHeight(), 100);
            EXPECT_GT(whole, 0) << name << ": " << op.text;
            EXPECT_EQ(Ink(op, s.PixelWidth(), s.PixelHeight(), 0), whole) << name << ": " << op.text;
        }
        EXPECT_GE(texts, 2) << name;
        Save(s, name);
    }

    // Every curve segment (pen width 2) lies within the picture's height.
    static int ExpectCurvesInside(const platform::Surface& s, const std::string& name) {
        int segments = 0;
        for (const DrawOp& op : s.DisplayList()) {
            if (op.kind != DrawOpKind::Line || op.width != 2) continue;
            ++segments;
            for (double y : {op.y1, op.y2}) {
                EXPECT_GE(y, 0.0) << name;
                EXPECT_LE(y, s.PixelHeight()) << name;
            }
        }
        Save(s, name);
        return segments;
    }

    // The grey grid columns reach the right-hand end of the chart, no more than 101 are
    // drawn, and neighbouring lines lie at least 8 pixels apart.
    static void ExpectGridAcross(const platform::Surface& s, const std::string& name) {
        std::vector<double> xs, ys;
        double right = 0.0, top = s.PixelHeight();
        for (const DrawOp& op : s.DisplayList()) {
            if (op.kind != DrawOpKind::Line || op.color != charts::kGrey || op.width != 1) continue;
            if (op.x1 == op.x2) {
                xs.push_back(op.x1);
                right = std::max(right, op.x1);
            } else if (op.y1 == op.y2) {
                ys.push_back(op.y1);
                top = std::min(top, op.y1);
            }
        }
        EXPECT_LE(xs.size(), 101u) << name;
        EXPECT_LE(ys.size(), 101u) << name;
        for (std::vector<double>* lines : {&xs, &ys}) {
            std::sort(lines->begin(), lines->end());
            for (std::size_t i = 1; i < lines->size(); ++i)
                EXPECT_GE((*lines)[i] - (*lines)[i - 1], 7.99) << name << " line " << i;
        }
        EXPECT_GE(right, s.PixelWidth() - 1.0) << name;
        EXPECT_LE(top, 1.0) << name;
        Save(s, name);
    }
};

TEST_F(ChartReadabilityScreenshots, AxisTitlesLieWhollyInsideTheirPictures) {
    ui::Main& w = Start();
    ExpectTitlesInside(w.TorquePowerPlot->Surf(), "titles_dyno");
    w.Analysis_AccGraphData(0).SetListIndex(5);
    ExpectTitlesInside(w.Analysis_AccGraph(0).Surf(), "titles_acceleration_speed");
    charts::OpenGraphWindow();
    ui::ResizeableGraphWindow& gw = *ui::ResizeableGraphWindows().Windows.Peek(0);
    for (const int id : {0, 37}) {
        charts::GraphGroup group;
        ASSERT_TRUE(charts::GroupOfGraph(id, group));
        gw.GroupItems(group)(id - charts::GroupRange(group).FirstId).UserClick();
        ExpectTitlesInside(gw.LargeGraph().Surf(), "titles_graph_" + std::to_string(id));
    }
}

TEST_F(ChartReadabilityScreenshots, LiftChartsOfTheSampleCarsShowEveryCurve) {
    ui::Main& w = Start();
    charts::OpenGraphWindow();
    ui::ResizeableGraphWindow& gw = *ui::ResizeableGraphWindows().Windows.Peek(0);
    gw.SetSize(1000, 700);
    const char* cars[] = {"golf", "m3", "impreza"};
    ASSERT_EQ(w.Main_SelectVeh->ListCount(), 3);
    for (int car = 0; car < 3; ++car) {
        if (car > 0) w.Main_SelectVeh->UserSelect(car);
        w.Analysis_AeroGraphOption->SetListIndex(1);
        EXPECT_GT(ExpectCurvesInside(w.Analysis_AeroForcesChart(0).Surf(),
                                     std::string("lift_page_") + cars[car]), 0);
        gw.GroupItems(charts::GraphGroup::Aero)(1).UserClick();
        EXPECT_GT(ExpectCurvesInside(gw.LargeGraph().Surf(), std::string("lift_graph_30_") + cars[car]), 0);
    }
}

TEST_F(ChartReadabilityScreenshots, FineGridStepsStillSpanTheWholeChart) {
    ui::Main& w = Start();
    // A coast-down runs for minutes: one grid column a second would need hundreds.
    w.Analysis_DecOptions(0).UserClick();
    ASSERT_EQ(w.Analysis_DecOptions(0).Value(), 0);
    w.Analysis_DecCalc->UserClick();
    w.Analysis_DecGraphData(0).SetListIndex(5);
    ExpectGridAcross(w.Analysis_DecGraph(0).Surf(), "grid_coastdown_speed");
    // In poundals the force step is a seventh of the newton step.
    core::ApplyUnitPreset(2);
    w.Analysis_AccGraphData(0).SetListIndex(3);
    ExpectGridAcross(w.Analysis_AccGraph(0).Surf(), "grid_imperial_acceleration_forces");
    w.Analysis_DecGraphData(0).SetListIndex(3);
    ExpectGridAcross(w.Analysis_DecGraph(0).Surf(), "grid_imperial_coastdown_forces");
}

}  // namespace
