// The options window's pages with the "Imperial" preset applied, over the main window showing
// the sample car in imperial units (options_*.png), for a person to look at.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>

#include "QtTestApp.hpp"
#include "qt/RenderToPng.hpp"
#include "core/TextTable.hpp"
#include "support/StartedProgram.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

class OptionsWindowScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }
    void TearDown() override {
        ui::ResetOptionsPanel();
        StartedProgram::TearDown();
    }

    // The main window with the options window over its lower left, leaving the analysis
    // page's upper half (the gear table) in view; the picture grows to hold both.
    static void ShootOver(ui::Main& main, ui::OptionsPanel& panel, const std::string& name) {
        const QImage behind = qtfront::RenderForm(main);
        const QImage front = qtfront::RenderForm(panel);
        ASSERT_FALSE(behind.isNull());
        ASSERT_FALSE(front.isNull());
        const QPoint at(8, 400);
        QImage picture(std::max(behind.width(), at.x() + front.width() + 8),
                       std::max(behind.height(), at.y() + front.height() + 8), QImage::Format_ARGB32);
        picture.fill(QColor(90, 100, 110));
        {
            QPainter p(&picture);
            p.drawImage(QPoint(0, 0), behind);
            p.fillRect(QRect(at + QPoint(6, 6), front.size()), QColor(0, 0, 0, 70));  // shadow
            p.drawImage(at, front);
        }
        const std::string path = qttest::ScreenshotPath("options_" + name + ".png");
        EXPECT_TRUE(picture.save(QString::fromStdString(path))) << path;
    }
};

TEST_F(OptionsWindowScreenshots, ThreePagesWithTheImperialPresetOverTheMainWindow) {
    ui::Main& main = Start();
    ASSERT_GT(core::GlobalChassisLab().VehicleCount, 0);
    ui::ShowOptionsPanel();
    ui::OptionsPanel& panel = ui::OptionsPanelWindow();
    panel.SetUnits(2).UserClick();
    // The main window on the drive-train analysis (speeds, torques, engine speeds).
    main.Main_SelectPage->SetText("Vehicle Settings");
    main.Settings_SelectPage->UserSelect(4);
    EXPECT_NE(main.GearingSpeed(1).Caption().find(" mph"), std::string::npos);

    panel.Select_Options->UserSelect(1);
    ShootOver(main, panel, "units");
    panel.Select_Options->UserSelect(2);
    ShootOver(main, panel, "graphs");
    panel.VScrollGraphsTab->SetValue(800);
    ShootOver(main, panel, "graphs_scrolled");
    panel.Select_Options->UserSelect(3);
    ShootOver(main, panel, "misc");
}

}  // namespace
