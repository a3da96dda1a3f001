// The editor's states and page controls: the 200-vehicle limit, an update whose vehicle is
// gone, a vehicle that is not wheel driven, the first vehicle of an empty program, the lists
// that must hold a choice, the sliders' ranges and the page scroll bars.
#include <algorithm>
#include <string>
#include <vector>

#include "core/FuelTypes.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "support/SampleVehicles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace {

using editortest::EditorTest;
using editortest::FirstDifference;

class VehicleEditorLifecycle : public EditorTest {
protected:
    // Adds loaded vehicles (named "Extra n") until the list holds `count`.
    static void FillListTo(ui::Main& w, std::size_t count) {
        auto& g = core::GlobalChassisLab();
        for (int n = 0; g.Vehicles.size() < count; ++n) {
            vehicle::VehicleRecord v = g.Vehicles[0];
            vehicle::SetVehicleName(v, "Extra " + std::to_string(n));
            ASSERT_TRUE(vehicle::AppendVehicle(v));
            w.Main_SelectVeh->AddItem(v.Name);
        }
    }
};

TEST_F(VehicleEditorLifecycle, TheTwoHundredthVehicleIsTheLast) {
    ui::Main& w = StartWithCars();
    FillListTo(w, 199);
    w.VehData_CreateNew->UserClick();
    ASSERT_TRUE(EditorOpen());
    Type(*w.VehData_NewName, "Number 200");
    ASSERT_TRUE(w.VehData_AddVeh->Enabled());
    w.VehData_AddVeh->UserClick();
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 200);
    EXPECT_FALSE(EditorOpen());

    Messages().Clear();
    w.VehData_CreateNew->UserClick();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Messages().Last().text, "You can only load up to 200 vehicles at any one time.");
    EXPECT_EQ(Messages().Last().icon, platform::MsgIcon::None);
    EXPECT_TRUE(w.Main_SelectVeh->Visible());
}

// The list filled up while the editor was open (a vehicle file loaded meanwhile): "Add
// vehicle" refuses instead of growing the list past 200.
TEST_F(VehicleEditorLifecycle, AddRefusesWhenTheListFilledMeanwhile) {
    ui::Main& w = StartWithCars();
    FillListTo(w, 199);
    w.VehData_CreateNew->UserClick();
    Type(*w.VehData_NewName, "One too many");
    FillListTo(w, 200);
    Messages().Clear();
    w.VehData_AddVeh->UserClick();
    EXPECT_EQ(Messages().Last().text, core::TextTable().VehicleLimitText);
    EXPECT_EQ(core::GlobalChassisLab().Vehicles.size(), 200u);
    EXPECT_TRUE(EditorOpen());  // nothing stored; the user may cancel
}

// The edited vehicle is no longer in the list under its name: nothing is written anywhere.
TEST_F(VehicleEditorLifecycle, UpdateOfAVehicleNoLongerLoadedStops) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    w.VehData_EditExisting->UserClick();
    const std::string edited = w.VehData_NewName->Text();
    vehicle::SetVehicleName(g.Vehicles[0], "Renamed meanwhile");
    const auto before = g.Vehicles;
    Messages().Clear();
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(Messages().Last().text,
              "No loaded vehicle is named \"" + core::Trim(edited) +
                  "\"; the vehicle was not updated.");
    EXPECT_EQ(Messages().Last().icon, platform::MsgIcon::Exclamation);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(FirstDifference(g.Vehicles[i], before[i]), -1);
    EXPECT_TRUE(EditorOpen());
}

// A name whose setup files a loaded car's would share ("VW Golf GTI Mk7?" beside "VW Golf GTI
// Mk7") turns its box red and keeps Add disabled; the store itself refuses it too, naming both:
// it stores nothing and the editor stays open. Update refuses too when such a pair is already
// loaded.
TEST_F(VehicleEditorLifecycle, ANameSharingALoadedCarsSetupFilesIsNotStored) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    const auto refusal = [](const std::string& name, const std::string& loaded) {
        return "The vehicle \"" + name + "\" was not taken: its setup files would be named \"" +
               loaded + "_*.set\", as are those of the loaded vehicle \"" + loaded + "\".";
    };
    const std::size_t count = g.Vehicles.size();
    const std::pair<const char*, const char*> added[] = {{"VW Golf GTI Mk7?", "VW Golf GTI Mk7"},
                                                         {" BMW M3 E46", "BMW M3 E46"}};
    for (const auto& [name, loaded] : added) {
        SCOPED_TRACE(name);
        w.VehData_CreateNew->UserClick();
        Type(*w.VehData_NewName, name);
        EXPECT_FALSE(w.VehData_AddVeh->Enabled());
        Messages().Clear();
        ui::StoreEditedVehicle(w);
        EXPECT_EQ(Messages().Last().text, refusal(name, loaded));
        EXPECT_EQ(Messages().Last().title, "Problem");
        EXPECT_EQ(g.Vehicles.size(), count);
        EXPECT_TRUE(EditorOpen());
        w.VehData_Cancel->UserClick();
    }

    // Selecting the twin must not apply the default setup it shares, which would select the
    // first car again.
    std::filesystem::remove(root / "setups" / (core::Trim(g.Vehicles[0].Name) + "_Default.set"));
    vehicle::VehicleRecord twin = g.Vehicles[0];
    vehicle::SetVehicleName(twin, core::Trim(g.Vehicles[0].Name) + "*");
    ASSERT_TRUE(vehicle::AppendVehicle(twin));
    w.Main_SelectVeh->AddItem(twin.Name);
    w.Main_SelectVeh->UserSelect(w.Main_SelectVeh->ListCount() - 1);
    w.VehData_EditExisting->UserClick();
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    Messages().Clear();
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(Messages().Last().text,
              refusal(core::TrimRight(twin.Name), core::TrimRight(g.Vehicles[0].Name)));
    EXPECT_TRUE(EditorOpen());
}

// "Not wheel driven" hides the engine and drive-train inputs; they do not hold the store back,
// and the store writes the thrust with the fixed figures of a vehicle without an engine. The
// thrust boxes, empty for a car that had an engine, are red and hold the store back.
TEST_F(VehicleEditorLifecycle, NotWheelDrivenStoresThrustWhateverTheHiddenEngineBoxesHold) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
    EXPECT_TRUE(w.VehDataFrame(5).Visible());  // "Propulsion"
    EXPECT_TRUE(Refused(*w.VehData_NewThrust));
    EXPECT_TRUE(Refused(*w.VehData_NewThrustHeight));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    Type(*w.VehData_NewThrust, "4000");
    Type(*w.VehData_NewThrustHeight, "x");
    EXPECT_TRUE(Accepted(*w.VehData_NewThrust));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    Type(*w.VehData_NewThrustHeight, "0.6");
    // A refused engine box (set by code: it is hidden) does not disable the store: the hidden
    // boxes are no part of the vehicle stored.
    w.VehData_NewTorque->SetText("0");
    w.VehData_NewDrivetrainShiftTime->SetText("1");
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();

    const vehicle::VehicleRecord& v = g.Vehicles[0];
    EXPECT_EQ(v.Drivetrain.DriveType, vehicle::kDriveThrust);
    EXPECT_EQ(v.Engine.PeakTorque, 4000.0f);
    EXPECT_EQ(v.Engine.TorquePeakRPM, 0.6f);
    EXPECT_EQ(v.Engine.LimitRPM, 0.0f);
    EXPECT_EQ(v.Drivetrain.NumGears, 0);
    // No engine curve: the plot is empty (not a curve divided by a zero limit speed).
    EXPECT_TRUE(w.TorquePowerPlot->Surf().DisplayList().empty());

    // Back to an engine: the engine inputs return.
    w.VehData_EditExisting->UserClick();
    EXPECT_TRUE(w.VehDataFrame(5).Visible());
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveFront);
    EXPECT_TRUE(w.VehDataFrame(2).Visible());
    EXPECT_FALSE(w.VehDataFrame(5).Visible());
}

// What the user typed into the editor and cancelled never comes back in another vehicle's
// hidden inputs, and each opening fills the hidden inputs again. A thrust-driven vehicle (made
// elsewhere, burning diesel) switched to front wheel drive, before and after a cancelled edit
// of the Golf's engine and drive-train, shows no engine or drive-train figure (the boxes
// empty and red: an engine box holds no figure, the drive-train's refuse 0), no gears (the list, without a choice, marked as a
// refused box is) and its own fuel; figures typed there and cancelled are not the Golf's
// next. The Golf opened after a cancelled thrust, switched to not wheel driven, has no thrust
// or height; the thrust car shows its own again.
TEST_F(VehicleEditorLifecycle, ACancelledEditNeverComesBackInAnotherVehicle) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    w.VehData_EditExisting->UserClick();
    const std::string golfEfficiency = w.VehData_NewDrivetrainEff->Text();
    const std::string golfShiftTime = w.VehData_NewDrivetrainShiftTime->Text();
    ASSERT_NE(golfEfficiency, "");
    ASSERT_NE(golfShiftTime, "");
    w.VehData_Cancel->UserClick();
    vehicle::VehicleRecord thrust = vehtest::ThrustGolf(g.Vehicles[0]);
    thrust.Engine.FuelType = 1;  // "Diesel"
    const std::string path = (root / "vehicles" / "thrust.vd3").string();
    vehtest::WriteVehicleFile(path, thrust);
    platform::FileDialogDouble().QueueOpenPath(path);
    w.FileLoadVehicle->UserClick();
    ASSERT_EQ(core::TrimRight(g.CurrentVehicle.Name), "Thrust Golf");
    const auto switchedToFrontWheelDrive = [&w] {
        w.VehData_EditExisting->UserClick();
        w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveFront);
        for (platform::TextBox* box : {w.VehData_NewTorque, w.VehData_NewIdleRPM,
                                       w.VehData_NewTorquePeakWidth, w.VehData_NewPower,
                                       w.VehData_NewDrivetrainEff,
                                       w.VehData_NewDrivetrainShiftTime})
            EXPECT_EQ(box->Text(), "") << box->DisplayName();
        EXPECT_TRUE(Refused(*w.VehData_NewPower));
        EXPECT_TRUE(Refused(*w.VehData_NewDrivetrainEff));
        EXPECT_TRUE(Refused(*w.VehData_NewIdleRPM));
        EXPECT_EQ(w.VehData_NewFuelType->Text(), "Diesel");
        EXPECT_TRUE(Accepted(*w.VehData_NewFuelType));
        EXPECT_EQ(w.VehData_NewNumGears->ListIndex(), -1);
        EXPECT_TRUE(Refused(*w.VehData_NewNumGears));
        EXPECT_EQ(w.VehData_NewRevGear->Value(), 0);
        EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
        w.VehData_NewNumGears->UserSelect(3);
        EXPECT_TRUE(Accepted(*w.VehData_NewNumGears));
        Type(*w.VehData_NewDrivetrainEff, "77");
        Type(*w.VehData_NewDrivetrainShiftTime, "444");
        w.VehData_Cancel->UserClick();
    };
    switchedToFrontWheelDrive();

    w.Main_SelectVeh->UserSelect(0);
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.VehData_NewDrivetrainEff->Text(), golfEfficiency);
    EXPECT_EQ(w.VehData_NewDrivetrainShiftTime->Text(), golfShiftTime);
    Type(*w.VehData_NewTorque, "400");
    Type(*w.VehData_NewIdleRPM, "100");
    Type(*w.VehData_NewTorquePeakWidth, "250");
    Type(*w.VehData_NewDrivetrainEff, "66");
    Type(*w.VehData_NewDrivetrainShiftTime, "333");
    w.VehData_Cancel->UserClick();
    w.Main_SelectVeh->UserSelect(3);
    switchedToFrontWheelDrive();

    w.Main_SelectVeh->UserSelect(0);
    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
    Type(*w.VehData_NewThrust, "9999");
    Type(*w.VehData_NewThrustHeight, "4.5");
    w.VehData_Cancel->UserClick();
    w.Main_SelectVeh->UserSelect(1);
    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
    EXPECT_EQ(w.VehData_NewThrust->Text(), "");
    EXPECT_EQ(w.VehData_NewThrustHeight->Text(), "");
    EXPECT_TRUE(Refused(*w.VehData_NewThrust));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    Type(*w.VehData_NewThrustHeight, "4.4");
    w.VehData_Cancel->UserClick();
    w.Main_SelectVeh->UserSelect(3);
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.VehData_NewThrust->Text(), "5000");
    EXPECT_EQ(w.VehData_NewThrustHeight->Text(), "0.5");
}

// The Golf made a thrust car shows no figure of the Golf's engine and gearbox: the gearing
// table (with its torque-curve area) reads N/A, the live engine speed 0, the time-in-gear rows
// are empty.
TEST_F(VehicleEditorLifecycle, AThrustCarShowsNoFigureOfTheEngineBeforeIt) {
    ui::Main& w = StartWithCars();
    ASSERT_NE(w.GearingLabel(1).Caption(), "N/A");
    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
    Type(*w.VehData_NewThrust, "4000");
    Type(*w.VehData_NewThrustHeight, "0.6");
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(w.GearingLabel(1).Caption(), "N/A");
    for (int g = 0; g <= 7; ++g) EXPECT_EQ(w.GearingRevsPreShift(g).Caption(), "N/A") << g;
    EXPECT_EQ(w.Analysis_PhysLabel(155).Caption(), "0 rad/s");
    for (int g = 1; g <= 7; ++g) EXPECT_EQ(w.Analysis_AccLabel(116 + g).Caption(), "") << g;
}

// With no vehicle at all, "Create new vehicle" opens an editor whose boxes are empty; every
// list starts at its first entry, so no choice is ever missing.
TEST_F(VehicleEditorLifecycle, FirstVehicleOfAnEmptyProgram) {
    ui::Main& w = Start();
    auto& g = core::GlobalChassisLab();
    ASSERT_EQ(g.VehicleCount, 0);
    ui::Main_VehData_CreateNew_Click(w);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(w.VehData_NewBodyMass->Text(), "");
    EXPECT_EQ(w.VehData_NewDrivetrain->ListIndex(), 0);
    EXPECT_EQ(w.VehData_NewAeroDeviceType(3).ListIndex(), 0);
    Type(*w.VehData_NewName, "First");
    EXPECT_FALSE(w.VehData_AddVeh->Enabled());  // the boxes have never held a valid value
    w.VehData_Cancel->UserClick();
    EXPECT_FALSE(w.VehData_EditExisting->Enabled());  // still no vehicle
}

// The first vehicle stored in an empty program ends the start-up state and is prepared in
// full by its selection.
TEST_F(VehicleEditorLifecycle, FirstVehicleStoredEndsTheStartUp) {
    ui::Main& w = Start();
    w.VehData_Modification->SetVisible(true);
    auto& g = core::GlobalChassisLab();
    ASSERT_TRUE(core::FromVbBool(g.FormLoading));
    ui::Main_VehData_CreateNew_Click(w);
    // The figures of the test car, written into the boxes as the editor's fill writes them.
    vehicle::VehicleRecord car = sample::SampleCar(vehicle::kDriveFront);
    car.Seats[1].X = 0.7f;  // the editor keeps seats 50 to 100 % to the right
    g.CurrentVehicle = car;
    ui::FillVehicleEditor(w);
    Type(*w.VehData_NewName, "First car");
    ASSERT_TRUE(w.VehData_AddVeh->Enabled());
    w.VehData_AddVeh->UserClick();
    EXPECT_FALSE(core::FromVbBool(g.FormLoading));
    ASSERT_EQ(g.VehicleCount, 1);
    EXPECT_EQ(core::Trim(g.CurrentVehicle.Name), "First car");
    EXPECT_EQ(w.Main_SelectVeh->ListIndex(), 0);
    EXPECT_TRUE(w.VehData_EditExisting->Enabled());
    // Its engine was fitted and drawn.
    EXPECT_NEAR(vehicle::EngineCode().CurrentEngine.PeakTorque, 250.0f, 0.01f);
    EXPECT_FALSE(w.TorquePowerPlot->Surf().DisplayList().empty());
}

TEST_F(VehicleEditorLifecycle, AListWithoutAChoiceKeepsTheStoreDisabled) {
    ui::Main& w = StartWithCars();
    w.VehData_EditExisting->UserClick();
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_NewAeroDeviceType(2).SetListIndex(-1);
    ui::ValidateVehicleEditorInputs(w);
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    EXPECT_TRUE(Refused(w.VehData_NewAeroDeviceType(2)));  // the reason shown
    w.VehData_NewAeroDeviceType(2).UserSelect(0);  // choosing re-runs the checks
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
    EXPECT_TRUE(Accepted(w.VehData_NewAeroDeviceType(2)));
}

// Figures beyond what a slider shows are held at its end, not counted as clamped writes.
TEST_F(VehicleEditorLifecycle, SliderPositionsFromARecordStayInRange) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    g.Vehicles[0].Engine.IdleTorqueFraction = 0.1f;  // 10, slider 25 .. 95
    g.Vehicles[0].Engine.UpperShapeB = 0.98f;        // 200, slider 0 .. 50
    g.Vehicles[0].Engine.LowerShape = 1.25f;         // 12.5: halves go to even, 12
    w.Main_SelectVeh->UserSelect(0);
    const int64_t clampsBefore = platform::SliderClampTotal();
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.VehData_NewIdleTorque->Value(), 25);
    EXPECT_EQ(w.VehData_NewPWA->Value(), 50);
    EXPECT_EQ(w.VehData_NewTCA->Value(), 12);
    EXPECT_EQ(platform::SliderClampTotal(), clampsBefore);
}

// Slider positions are stored as shape figures: 25 -> 1 - 0.0001 x 25, 0 -> 1 + 0.001 x 0.
TEST_F(VehicleEditorLifecycle, ShapeSlidersStoreTheirFigures) {
    ui::Main& w = StartWithCars();
    w.VehData_EditExisting->UserClick();
    w.VehData_NewPWA->UserClickAt(25);
    w.VehData_NewPS->UserClickAt(0);
    w.VehData_UpdateVeh->UserClick();
    const auto& e = core::GlobalChassisLab().Vehicles[0].Engine;
    EXPECT_FLOAT_EQ(e.UpperShapeB, 0.9975f);
    EXPECT_EQ(e.ShiftPowerFactor, 1.0f);
}

TEST_F(VehicleEditorLifecycle, WhileOpenTheWindowIsGivenOverToTheEditor) {
    ui::Main& w = StartWithCars();
    w.Main_SelectPage->SetText("Live Settings");
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.Main_SelectPage->Text(), "Vehicle Data");
    EXPECT_FALSE(w.Main_SelectPage->Enabled());
    EXPECT_FALSE(w.Main_SelectVeh->Visible());
    EXPECT_FALSE(w.VehData_CreateNew->Enabled());
    EXPECT_FALSE(w.VehData_AddVeh->Visible());
    // The analysis area is covered by the notice.
    EXPECT_EQ(w.MainSection(3).Parent()->Children().back(), &w.MainSection(3));
    w.VehData_Cancel->UserClick();
    EXPECT_TRUE(w.Main_SelectPage->Enabled());
    EXPECT_EQ(w.MainSection(2).Parent()->Children().back(), &w.MainSection(2));
}

TEST_F(VehicleEditorLifecycle, PageScrollBarsMoveTheirFrames) {
    ui::Main& w = StartWithCars();
    const int wheels = w.VehDataFrame(4).Top(), drive = w.VehDataFrame(2).Top();
    w.VehData_Wh_VScroll->SetValue(10);
    w.VehData_DT_VScroll->SetValue(20);
    EXPECT_EQ(w.VehDataFrame(4).Top(), wheels - 10);
    EXPECT_EQ(w.VehDataFrame(2).Top(), drive - 20);
}

// The editor's engine preview: redrawn from the boxes with the scanned peaks and the rows of
// the torque data table. While an engine box is out of its range or the speeds out of order
// it shows nothing of an earlier engine (no curve, no scanned peak, no refusal, no row), only
// the rules the red boxes break, in the editor's words and the units shown; the first
// keystroke that mends them brings the curve back. The Golf: power peak 250 kW needs more
// torque than its 350 N m; its torque peak is at 157.1 rad/s.
TEST_F(VehicleEditorLifecycle, EnginePreviewFollowsTheBoxes) {
    ui::Main& w = StartWithCars();
    w.VehData_CreateNew->UserClick();
    w.TorquePowerPlot->UserDblClick();
    const ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    ASSERT_NE(table, nullptr);
    const auto& list = w.TorquePowerPlot->Surf().DisplayList();
    // The plot's texts, and whether it draws anything else.
    const auto texts = [&list] {
        std::vector<std::string> all;
        for (const platform::DrawOp& op : list)
            if (op.kind == platform::DrawOpKind::Text && !op.text.empty()) all.push_back(op.text);
        return all;
    };
    const auto drawsCurve = [&list] {
        return std::any_of(list.begin(), list.end(), [](const platform::DrawOp& op) {
            return op.kind != platform::DrawOpKind::Text;
        });
    };
    const auto shows = [&texts](const std::string& start) {
        const auto all = texts();
        return std::any_of(all.begin(), all.end(),
                           [&start](const std::string& t) { return t.starts_with(start); });
    };
    // Nothing but the band, in red, and no row.
    const auto bandOnly = [&](const std::string& rules) {
        EXPECT_FALSE(drawsCurve());
        std::string band;
        for (const std::string& line : texts()) band += (band.empty() ? "" : " ") + line;
        EXPECT_EQ(band, rules);
        for (const platform::DrawOp& op : list)
            if (!op.text.empty()) EXPECT_EQ(op.color, platform::RGB(255, 0, 0)) << op.text;
        EXPECT_NE(ui::EngineDisplays().EngineInputErrors, 0);
    };
    const auto curve = [&] {
        EXPECT_TRUE(drawsCurve());
        EXPECT_TRUE(shows("Scanned torque peak: "));
        EXPECT_GT(table->DataTable->ItemCount(), 0);
        EXPECT_EQ(ui::EngineDisplays().EngineInputErrors, 0);
    };
    curve();
    Type(*w.VehData_NewPower, "250");
    curve();
    EXPECT_TRUE(shows("Power needs more torque: "));

    const std::string idle = w.VehData_NewIdleRPM->Text();
    Type(*w.VehData_NewIdleRPM, "200");
    bandOnly("Idle point must not be above Peak torque speed");
    EXPECT_EQ(table->DataTable->ItemCount(), 0);
    Type(*w.VehData_NewTorque, "0");
    bandOnly("Peak torque must be from 2 to 500000 Nm; Idle point must not be above Peak torque "
             "speed");
    Type(*w.VehData_NewIdleRPM, idle);
    bandOnly("Peak torque must be from 2 to 500000 Nm");
    // A problem with no rule of an engine box (a tyre without sidewall) adds nothing.
    const std::string profile = w.VehData_NewTyreProfile(0).Text();
    Type(w.VehData_NewTyreProfile(0), "10");
    bandOnly("Peak torque must be from 2 to 500000 Nm");
    Type(w.VehData_NewTyreProfile(0), profile);
    Type(*w.VehData_NewTorque, "300");
    curve();
    // The peak found by the scan is the typed peak torque (the plateau's level).
    EXPECT_NEAR(vehicle::EngineCode().ScannedTorquePeak, 300.0f, 0.5f);

    // A range in the units shown, each end as the box would take it (a width of 9999 rad/s
    // is 95484 rpm, which the box's four characters hold only as 95E3).
    w.VehData_Cancel->UserClick();
    core::ApplyUnitPreset(2);
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewTorquePeakWidth, "-1");
    Type(*w.VehData_NewPower, "1E6");
    bandOnly("Torque plateau width must be from 0 to 95E3 rpm; Peak power must be from 2.682 to 670500 hp");
}

}  // namespace
