// The torque data table window: its layout numbers, and the rows the editor's engine gives
// for a start speed and a step.
#include <array>
#include <string>
#include <vector>

#include "core/OptionsSettings.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace {

using editortest::EditorTest;

TEST(TorqueDataTableLayout, SnapsToTheMinimumThenSharesTheWidth) {
    // The outer size snaps; the client size (here 120 x 400 twips less) holds the table.
    const auto narrow = ui::LayoutTorqueTable(3500, 5000, 3380, 4600, 4);
    EXPECT_EQ(narrow.snapWidth, 4000);
    EXPECT_FALSE(narrow.snapHeight);
    const auto low = ui::LayoutTorqueTable(5000, 2500, 4880, 2100, 4);
    EXPECT_FALSE(low.snapWidth);
    EXPECT_EQ(low.snapHeight, 3000);
    const auto fits = ui::LayoutTorqueTable(5000, 4000, 4880, 3600, 4);
    EXPECT_EQ(fits.tableWidth, 4760);   // 4 pixels (60 twips) to each side
    EXPECT_EQ(fits.tableHeight, 2940);  // 40 pixels above for the boxes, 4 below
    EXPECT_EQ(fits.columnWidth, 1125);  // (4760 - 260) / 4
    EXPECT_EQ(ui::LayoutTorqueTable(5000, 4000, 4880, 3600, 0).columnWidth, 0);
}

class TorqueDataTableWindow : public EditorTest {
protected:
    // The editor open on the first car with its engine in simple figures (rad/s):
    // idle 100, torque peak 300 (plateau 100 wide), power peak 600, limit 700.
    ui::TorqueDataTable& Open() { return OpenWith({"700", "600", "300", "100", "100", "250"}); }
    // The same in rpm: idle 1000, torque peak 4000 (plateau 1000 wide), power peak 6000,
    // limit 7000.
    ui::TorqueDataTable& OpenInRpm() {
        return OpenWith({"7000", "6000", "4000", "1000", "1000", "250"}, kRpm);
    }
    // The engine typed into the editor in the given angular-velocity unit: limit, power peak,
    // torque peak, plateau width, idle speed (all speeds), then the peak torque in Nm.
    ui::TorqueDataTable& OpenWith(const std::array<const char*, 6>& engine, uint8_t speedUnit = 0) {
        ui::Main& w = StartWithCars();
        form = &w;
        core::ApplyUnitRow(core::Quantity::ARV, speedUnit);
        w.VehData_EditExisting->UserClick();
        Type(*w.VehData_NewLimitRPM, engine[0]);
        Type(*w.VehData_NewPowerRPM, engine[1]);
        Type(*w.VehData_NewTorqueRPM, engine[2]);
        Type(*w.VehData_NewTorquePeakWidth, engine[3]);
        Type(*w.VehData_NewIdleRPM, engine[4]);
        Type(*w.VehData_NewTorque, engine[5]);
        EXPECT_EQ(ui::EngineDisplays().EngineInputErrors, 0);
        w.TorquePowerPlot->UserDblClick();
        ui::TorqueDataTable* t = ui::OpenTorqueDataTable();
        EXPECT_NE(t, nullptr);
        return *t;
    }
    static constexpr uint8_t kRpm = 2;  // the angular-velocity unit's row
    static std::string Speed(const ui::TorqueDataTable& t, int row) {
        return t.DataTable->Item(row).text;
    }
    // The speed of the one row selected, "" with none.
    static std::string Selected(const ui::TorqueDataTable& t) {
        const std::vector<int> rows = t.DataTable->SelectedItems();
        if (rows.size() > 1) return "more than one row";
        return rows.empty() ? "" : Speed(t, rows[0]);
    }
    ui::Main* form = nullptr;
};

TEST_F(TorqueDataTableWindow, OpensFromTheEditorsPlotWithRowsFromIdle) {
    ui::TorqueDataTable& t = Open();
    EXPECT_TRUE(core::FromVbBool(ui::EngineDisplays().TorqueTableOpen));
    EXPECT_EQ(t.Caption(), "Engine Torque Curve Data Table");
    EXPECT_EQ(t.Owner(), form);  // a tool window of the main window
    EXPECT_EQ(t.StartRevsText->Text(), "100");  // the idle speed, written into the empty box
    EXPECT_EQ(t.UnitStepText->Text(), "250");
    // 100, 350, 600 rad/s, then (700 - 100) / 250 = 2.4 rounds to 2: the table ends below the
    // limit.
    ASSERT_EQ(t.DataTable->ItemCount(), 3);
    EXPECT_EQ(Speed(t, 1), "100 rad/s");
    EXPECT_EQ(Speed(t, 3), "600 rad/s");
    // On the plateau (350 rad/s): the peak torque, 100 % of it, and 250 x 350 / 1000 kW.
    EXPECT_EQ(t.DataTable->Item(2).subItems[0], "250 Nm");
    EXPECT_EQ(t.DataTable->Item(2).subItems[1], "100%");
    EXPECT_EQ(t.DataTable->Item(2).subItems[2], "87.5 kW");
    // Editing the engine refills it.
    Type(*form->VehData_NewTorque, "200");
    EXPECT_EQ(t.DataTable->Item(2).subItems[0], "200 Nm");
}

TEST_F(TorqueDataTableWindow, StepStartAndRowCountRules) {
    ui::TorqueDataTable& t = Open();
    // A step below 5 rad/s is 5: (700 - 100) / 5 = 120 steps, 121 rows, the last at the limit.
    Type(*t.UnitStepText, "2");
    ASSERT_EQ(t.DataTable->ItemCount(), 121);
    EXPECT_EQ(Speed(t, 121), "700 rad/s");
    Type(*t.UnitStepText, "0");
    EXPECT_EQ(t.DataTable->ItemCount(), 121);
    // A start above the power peak starts at the power peak.
    Type(*t.UnitStepText, "30");
    Type(*t.StartRevsText, "650");
    EXPECT_EQ(Speed(t, 1), "600 rad/s");
    // (700 - 600) / 30 = 3.33 -> 3: rows at 600, 630, 660, 690.
    EXPECT_EQ(t.DataTable->ItemCount(), 4);
    // When the rounded count overshoots, the last row sits at the limit: (700 - 600) / 40 = 2.5
    // rounds to 2 (half to even), 120 / 45 = 2.67 rounds to 3 -> 600, 645, 690, 700.
    Type(*t.StartRevsText, "580");
    Type(*t.UnitStepText, "45");
    ASSERT_EQ(t.DataTable->ItemCount(), 4);
    EXPECT_EQ(Speed(t, 4), "700 rad/s");
    // Clearing the start box starts from idle again and writes it back.
    Type(*t.StartRevsText, "");
    EXPECT_EQ(t.StartRevsText->Text(), "100");
    EXPECT_EQ(Speed(t, 1), "100 rad/s");

    // At most 201 rows.
    Type(*form->VehData_NewLimitRPM, "2000");
    Type(*t.UnitStepText, "5");  // (2000 - 100) / 5 = 380 steps
    EXPECT_EQ(t.DataTable->ItemCount(), 201);
    EXPECT_EQ(Speed(t, 201), "1100 rad/s");
}

TEST_F(TorqueDataTableWindow, ClosingStopsTheRefillsAndTheEditorClosesIt) {
    ui::TorqueDataTable& t = Open();
    t.UserClose();
    EXPECT_FALSE(core::FromVbBool(ui::EngineDisplays().TorqueTableOpen));
    EXPECT_EQ(ui::OpenTorqueDataTable(), nullptr);
    form->TorquePowerPlot->UserDblClick();  // opens a fresh one
    ASSERT_NE(ui::OpenTorqueDataTable(), nullptr);
    EXPECT_EQ(ui::OpenTorqueDataTable()->UnitStepText->Text(), "250");
    form->VehData_Cancel->UserClick();
    EXPECT_EQ(ui::OpenTorqueDataTable(), nullptr);
    EXPECT_FALSE(core::FromVbBool(ui::EngineDisplays().TorqueTableOpen));
}

TEST_F(TorqueDataTableWindow, NoRowsForAVehicleThatIsNotWheelDriven) {
    ui::TorqueDataTable& t = Open();
    ASSERT_GT(t.DataTable->ItemCount(), 0);
    form->VehData_NewDrivetrain->UserSelect(3);
    EXPECT_EQ(t.DataTable->ItemCount(), 0);
    EXPECT_TRUE(form->TorquePowerPlot->Surf().DisplayList().empty());
}

// A row the person picked stays picked over each refill while the table lists its engine
// speed, at whatever row the speed is then; typed a key at a time, the boxes pass through
// figures whose tables lack it, or hold no rows at all. In rpm the rows' speeds are Singles in
// rad/s built from the typed start and step, so the same speed reached by another step is a
// different Single.
TEST_F(TorqueDataTableWindow, APickedRowStaysPickedWhileItsSpeedIsListed) {
    ui::TorqueDataTable& t = OpenInRpm();
    ASSERT_EQ(t.StartRevsText->Text(), "1000");
    Type(*t.UnitStepText, "100");
    ASSERT_EQ(Speed(t, 51), "6000 rpm");
    t.DataTable->UserClickItem(51);
    const std::string torqueBefore = t.DataTable->Item(51).subItems[0];

    // The torque box emptied (no engine: no rows), then a new peak torque typed.
    Type(*form->VehData_NewTorque, "");
    ASSERT_EQ(t.DataTable->ItemCount(), 0);
    Type(*form->VehData_NewTorque, "240");
    EXPECT_EQ(Selected(t), "6000 rpm") << "a keystroke in an engine box";
    EXPECT_EQ(t.DataTable->SelectedItems(), std::vector<int>{51});
    EXPECT_NE(t.DataTable->Item(51).subItems[0], torqueBefore);
    // Half the step: the speed at row 101 ("5" on the way: 5 rad/s steps, without it).
    Type(*t.UnitStepText, "50");
    EXPECT_EQ(Selected(t), "6000 rpm") << "step 50";
    EXPECT_EQ(t.DataTable->SelectedItems(), std::vector<int>{101});
    // 2000 rpm + 80 x 50 rpm: in rad/s 628.31854, where 1000 rpm + 50 x 100 rpm gave 628.31848.
    Type(*t.StartRevsText, "2000");
    EXPECT_EQ(Selected(t), "6000 rpm") << "start 2000";
    EXPECT_EQ(t.DataTable->SelectedItems(), std::vector<int>{81});
    // 2020, 2070, ..., 5970, 6020 rpm: the speed is gone, no row is selected.
    Type(*t.StartRevsText, "2020");
    EXPECT_EQ(Speed(t, 81), "6020 rpm");
    EXPECT_EQ(Selected(t), "") << "start 2020";
    // ... and it comes back with the speed.
    Type(*t.StartRevsText, "2000");
    EXPECT_EQ(Selected(t), "6000 rpm") << "start 2000 again";

    // Another row picked, the last (at the limit speed), is the one kept.
    t.DataTable->UserClickItem(t.DataTable->ItemCount());
    Type(*form->VehData_NewTorque, "250");
    EXPECT_EQ(Selected(t), "7000 rpm") << "another row picked";
}

// The first row is a row like any other; and where whole revolutions per second show two rows
// alike, the one nearer the picked speed is kept.
TEST_F(TorqueDataTableWindow, TheFirstRowOrTheNearerOfTwoAlikeIsKept) {
    constexpr uint8_t kRps = 1;
    ui::TorqueDataTable& t = OpenWith({"116", "100", "66", "16", "16", "250"}, kRps);
    Type(*t.StartRevsText, "16");
    Type(*t.UnitStepText, "1");
    t.DataTable->UserClickItem(1);
    Type(*form->VehData_NewTorque, "240");
    EXPECT_EQ(t.DataTable->SelectedItems(), std::vector<int>{1}) << "the first row";

    ASSERT_EQ(Speed(t, 5), "20 rps");
    t.DataTable->UserClickItem(5);
    // From 16.2 rps in steps of 0.85: 19.6 and 20.45 rps both show as 20 rps; 19.6 is nearer.
    Type(*t.UnitStepText, "0.85");
    Type(*t.StartRevsText, "16.2");
    ASSERT_EQ(Speed(t, 5), "20 rps");
    ASSERT_EQ(Speed(t, 6), "20 rps");
    EXPECT_EQ(t.DataTable->SelectedItems(), std::vector<int>{5});

    // Within half the last digit shown, not a whole one: from 17.3 rps in steps of 2, the
    // nearest row is 19.3 rps, 0.7 away, which shows as another speed; from 16.3, 20.3 is it.
    Type(*t.UnitStepText, "2");
    Type(*t.StartRevsText, "17.3");
    ASSERT_EQ(Speed(t, 2), "19 rps");
    EXPECT_EQ(Selected(t), "") << "0.7 rps away";
    Type(*t.StartRevsText, "16.3");
    EXPECT_EQ(Selected(t), "20 rps") << "0.3 rps away";
}

}  // namespace
