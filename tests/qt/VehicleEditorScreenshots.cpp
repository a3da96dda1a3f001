// Renders the vehicle editor offscreen for a person to look at (editor_*.png in test-screenshots/):
// each data tab filled from a shipped car, a new vehicle, the engine preview, and the
// torque data table window.
#include <QImage>
#include <cctype>
#include <string>

#include "QtTestApp.hpp"
#include "core/TextTable.hpp"
#include "qt/RenderToPng.hpp"
#include "core/GlobalChassisLab.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/PublishedEngines.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
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

    // The torque data table of the engine being edited.
    w.TorquePowerPlot->UserDblClick();
    ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    ASSERT_NE(table, nullptr);
    Shot(*table, "torque_table");
}

// Makers' engines typed into the Golf at the start of their power bands, where the curve
// fitted through the power peak had collapsed (Golf 1.6 TDI), climbed to 3.5 times the stated
// power (VW up!) or been refused (Golf 2.0 TDI): dyno_<engine>.png shows each held within its
// figures.
TEST_F(VehicleEditorScreenshots, PublishedEnginesInThePreview) {
    CopyShippedData();
    ui::Main& w = Start();
    w.VehData_Modification->SetVisible(true);
    w.VehData_EditExisting->UserClick();
    for (const int k : {8, 0, 9}) {
        const vehtest::PublishedEngine& p = vehtest::kPublishedEngines[k];
        vehtest::TypeIntoEditor(w, p, p.powerFrom);
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << p.name;
        std::string name = p.name;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        ASSERT_TRUE(qtfront::RenderSurfaceToPng(w.TorquePowerPlot->Surf(), PathOf("dyno_" + name)));
    }
    w.VehData_Cancel->UserClick();
}

// Figures that contradict each other: the refusal in a band above the curve, the boxes and
// sliders it names red (editor_refused_power.png, dyno_refused_power.png, ..._plateau.png).
// Then the idle speed above the torque peak and a peak torque out of its range: no curve, only
// the rules the red boxes break (editor_red_boxes.png, dyno_red_boxes.png).
TEST_F(VehicleEditorScreenshots, RefusedFiguresInThePreview) {
    CopyShippedData();
    ui::Main& w = Start();
    w.VehData_Modification->SetVisible(true);
    w.VehData_EditExisting->UserClick();
    w.VehData_SelectPage->UserSelect(2);
    for (const char* power : {"400", "100"}) {  // more than 350 N m give, less than the plateau
        Type(*w.VehData_NewPower, power);
        const std::string what = power[0] == '4' ? "power" : "plateau";
        ASSERT_TRUE(qtfront::RenderSurfaceToPng(w.TorquePowerPlot->Surf(), PathOf("dyno_refused_" + what)));
        if (what == "power") Shot(w, "refused_power");
    }
    Type(*w.VehData_NewIdleRPM, "200");
    Type(*w.VehData_NewTorque, "0");
    ASSERT_TRUE(qtfront::RenderSurfaceToPng(w.TorquePowerPlot->Surf(), PathOf("dyno_red_boxes")));
    Shot(w, "red_boxes");
}

// A car without wheel drive given front wheel drive in the editor: its engine and drive-train
// boxes empty, red where a wheel-driven car may not have 0, and the gears list without a
// choice red too (editor_thrust_to_front_wheel_drive.png).
TEST_F(VehicleEditorScreenshots, ThrustCarGivenWheelDrive) {
    CopyShippedData();
    ui::Main& w = Start();
    const std::string path = (root / "vehicles" / "thrust.vd3").string();
    vehtest::WriteVehicleFile(path, vehtest::ThrustGolf(core::GlobalChassisLab().Vehicles[0]));
    platform::FileDialogDouble().QueueOpenPath(path);
    w.FileLoadVehicle->UserClick();
    w.VehData_Modification->SetVisible(true);
    w.VehData_EditExisting->UserClick();
    w.VehData_SelectPage->UserSelect(2);
    w.VehData_NewDrivetrain->UserSelect(0);
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    Shot(w, "thrust_to_front_wheel_drive");
    w.VehData_Cancel->UserClick();
}

}  // namespace
