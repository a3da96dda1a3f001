// Every chart of the analysis pages for each shipped sample car, drawn through the window's own
// selectors, as chart_<page>_<choice>_<car>.png plus a contact sheet per car (chart_sheet_<car>.png)
// for a person to look at; each drawing must be non-empty with every coordinate accepted.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "QtTestApp.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "qt/SurfacePainter.hpp"
#include "support/StartedProgram.hpp"

namespace {

class ChartScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }

    struct Shot {
        std::string name;
        QImage image;
    };
    std::vector<Shot> shots;
    std::string car;

    void Take(platform::PictureBox& box, const std::string& page, const std::string& choice) {
        const platform::Surface& s = box.Surf();
        const std::string name = page + "_" + choice;
        EXPECT_FALSE(s.DisplayList().empty()) << name << " " << car;
        EXPECT_EQ(s.DroppedOps(), 0) << name << " " << car;
        const QImage image = qtfront::RenderSurface(s);
        ASSERT_FALSE(image.isNull()) << name;
        image.save(QString::fromStdString(qttest::ScreenshotPath("chart_" + name + "_" + car + ".png")));
        shots.push_back({name, image});
    }

    // All pictures of one car side by side with their names, on one sheet.
    void Sheet() {
        const int columns = 6, cell = 330, text = 14;
        int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
        QImage sheet(columns * cell, rows * (cell + text), QImage::Format_RGB32);
        sheet.fill(Qt::darkGray);
        QPainter p(&sheet);
        p.setFont(QFont("Arial", 8));
        for (size_t i = 0; i < shots.size(); ++i) {
            const int x = static_cast<int>(i % columns) * cell, y = static_cast<int>(i / columns) * (cell + text);
            p.setPen(Qt::white);
            p.drawText(x + 2, y + 11, QString::fromStdString(shots[i].name));
            p.drawImage(x, y + text, shots[i].image.scaled(cell - 4, cell - 4, Qt::KeepAspectRatio));
        }
        p.end();
        sheet.save(QString::fromStdString(qttest::ScreenshotPath("chart_sheet_" + car + ".png")));
        shots.clear();
    }

    void ShootCar(ui::Main& w) {
        Take(*w.Analysis_PhysChart, "physical", "masses");
        const char* susp[] = {"loads", "travel", "rollstiffness", "rear", "side"};
        for (int i = 0; i < 5; ++i) Take(w.Analysis_SuspChart(i), "springs", susp[i]);
        Take(*w.Analysis_SuspBalance, "springs", "balance");
        for (int c = 0; c < 3; ++c) {
            w.Analysis_SuspDampGraphCombo->SetListIndex(c);
            Take(*w.Analysis_DampChart, "damping", std::to_string(c));
        }
        for (int i = 0; i < 5; ++i) Take(w.Analysis_DampBalance(i), "damping", "balance" + std::to_string(i));
        for (int v = 0; v < 2; ++v) {
            w.Analysis_SteerToeDiagramMode->SetListIndex(v);
            w.Analysis_SteerCamberDiagramMode->SetListIndex(v);
            Take(w.Analysis_SteeringDiagram(0), "steering", "plan" + std::to_string(v));
            Take(w.Analysis_SteeringDiagram(1), "steering", "camber" + std::to_string(v));
        }
        Take(w.Analysis_GearingGraph(0), "gearing", "speed");
        Take(w.Analysis_GearingGraph(1), "gearing", "torque");
        for (int t = 0; t < 4; ++t) {
            w.Analysis_TyreChoice->SetListIndex(t);
            Take(w.Analysis_TyreDrawing(0), "tyres", "side" + std::to_string(t));
            Take(w.Analysis_TyreDrawing(1), "tyres", "patch" + std::to_string(t));
        }
        Take(*w.Analysis_TyreGripDrawing, "tyres", "grip");
        for (int a = 0; a < 2; ++a) {
            w.Analysis_AeroGraphOption->SetListIndex(a);
            Take(w.Analysis_AeroForcesChart(0), "aero", a == 0 ? "resistances" : "lift");
        }
        Take(w.Analysis_AeroForcesChart(1), "aero", "loads");
        Take(*w.Analysis_AeroBalanceDiagram, "aero", "balance");
        for (int c = 0; c < 10; ++c) {
            w.Analysis_AccGraphData(0).SetListIndex(c);
            Take(w.Analysis_AccGraph(0), "acceleration", std::to_string(c));
            w.Analysis_DecGraphData(0).SetListIndex(c);
            Take(w.Analysis_DecGraph(0), "deceleration", std::to_string(c));
        }
        Sheet();
    }
};

TEST_F(ChartScreenshots, EveryChartOfTheSampleCars) {
    ui::Main& w = Start();
    ASSERT_GE(w.Main_SelectVeh->ListCount(), 3);
    for (int k = 0; k < w.Main_SelectVeh->ListCount(); ++k) {
        w.Main_SelectVeh->SetListIndex(k);
        car = std::to_string(k);
        ShootCar(w);
    }
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
}

}  // namespace
