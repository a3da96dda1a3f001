// Renders the vehicle editor offscreen for a person to look at (editor_*.png in test-screenshots/):
// each data tab filled from a shipped car, a new vehicle, the engine preview, and the
// torque data table window.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "core/TextTable.hpp"
#include "qt/RenderToPng.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace {

class VehicleEditorScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
    }
    static std::string PathOf(const std::string& name) {
        return qttest::ScreenshotPath("editor_" + name + ".png");
    }
    static void Shot(platform::Form& form, const std::string& name) {
        const std::string path = PathOf(name);
        ASSERT_TRUE(qtfront::RenderFormToPng(form, path)) << path;
        EXPECT_GT(QImage(QString::fromStdString(path)).width(), 200);
    }
    static void Type(platform::TextBox& box, const std::string& text) {
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        box.UserType(text);
    }
};

TEST_F(VehicleEditorScreenshots, FilledNewAndTorqueTable) {
    CopyShippedData();
    ui::Main& w = Start();
    w.VehData_Modification->SetVisible(true);
    w.Main_SelectVeh->UserSelect(1);
    w.VehData_EditExisting->UserClick();
    const char* tabs[] = {"physical", "drivetrain", "wheels", "aero"};
    for (int t = 1; t <= 4; ++t) {
        w.VehData_SelectPage->UserSelect(t);
        Shot(w, std::string(tabs[t - 1]) + "_filled");
    }
    ASSERT_TRUE(qtfront::RenderSurfaceToPng(w.TorquePowerPlot->Surf(), PathOf("dyno_preview")));
    w.VehData_Cancel->UserClick();

    // A new vehicle started from the current one, with its name typed.
    w.VehData_CreateNew->UserClick();
    Type(*w.VehData_NewName, "My new car");
    w.VehData_SelectPage->UserSelect(2);
    Shot(w, "new_vehicle");

    // An engine whose curve climbs far above its peak torque before the limit: refused, with
    // the limit box and the upper-shape slider red and a line on the preview saying why.
    // (The plateau ending 10 % below the power peak, the limit far above it.)
    const double width = 0.9 * std::stod(w.VehData_NewPowerRPM->Text()) -
                         std::stod(w.VehData_NewTorqueRPM->Text());
    Type(*w.VehData_NewTorquePeakWidth, std::to_string(static_cast<int>(width)));
    w.VehData_NewPCA->SetValue(99);
    Type(*w.VehData_NewLimitRPM, "950");
    Shot(w, "refused_curve");
    ASSERT_TRUE(qtfront::RenderSurfaceToPng(w.TorquePowerPlot->Surf(), PathOf("dyno_refused")));

    // The torque data table of the engine being edited.
    w.TorquePowerPlot->UserDblClick();
    ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    ASSERT_NE(table, nullptr);
    Shot(*table, "torque_table");
}

}  // namespace
