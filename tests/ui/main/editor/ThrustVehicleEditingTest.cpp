// A vehicle that is not wheel driven in the editor: given wheel drive it asks for the engine it
// does not have, and made or copied as one it keeps its own fuel (whose load it weighs).
#include <string>
#include <vector>

#include "analysis/PhysicalCode.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"

namespace {

using editortest::EditorTest;
using editortest::FirstDifference;
using platform::TextBox;

// Rows of the fuel table (its list's entries).
constexpr uint8_t kDiesel = 1, kElectric = 3, kNitromethane = 9;

class ThrustVehicleEditing : public EditorTest {
protected:
    // The Golf's record made thrust driven (5000 N at 0.5 m) burning `fuel`, loaded through
    // File > Load Vehicle Data: the current vehicle.
    void LoadThrustCar(ui::Main& w, uint8_t fuel, const std::string& name) {
        auto& g = core::GlobalChassisLab();
        vehicle::VehicleRecord v = vehtest::ThrustGolf(g.Vehicles[0]);
        v.Engine.FuelType = fuel;
        vehicle::SetVehicleName(v, name);
        const std::string path = (root / "vehicles" / (name + ".vd3")).string();
        vehtest::WriteVehicleFile(path, v);
        platform::FileDialogDouble().QueueOpenPath(path);
        w.FileLoadVehicle->UserClick();
        ASSERT_EQ(core::TrimRight(g.CurrentVehicle.Name), name) << Messages().Last().text;
    }

    static double TotalMass() { return analysis::PhysicalCode().TotalMass; }

    // The red words above the engine preview, as one text.
    static std::string Band(ui::Main& w) {
        std::string band;
        for (const platform::DrawOp& op : w.TorquePowerPlot->Surf().DisplayList())
            if (op.kind == platform::DrawOpKind::Text && !op.text.empty() &&
                op.color == platform::RGB(255, 0, 0))
                band += (band.empty() ? "" : " ") + op.text;
        return band;
    }
};

// SI units. Given front wheel drive, the thrust car's engine and drive-train boxes are empty:
// not its thrust as a peak torque, nor the thrust's height as a speed, nor the 100 % that
// passes its thrust on. Every one of them is red, also where a wheel-driven car may have 0:
// an empty box holds no figure, and once read as 0 it stored an idle and a torque peak of
// 0 rad/s nobody typed (a launch of 0.01 s, against the Golf's 0.43 s). No box shows a figure
// on red; its fuel is its own. With every other box typed, the preview's band says which
// boxes still need a figure; typed, 0 too where the range takes it, Update stores what was
// typed, and nothing of the thrust.
TEST_F(ThrustVehicleEditing, GivenWheelDriveItAsksForItsEngine) {
    ui::Main& w = StartWithCars();
    LoadThrustCar(w, kDiesel, "Thrust Golf");
    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveFront);

    TextBox* const needed[] = {w.VehData_NewTorque, w.VehData_NewPower, w.VehData_NewPowerRPM,
                               w.VehData_NewLimitRPM, w.VehData_NewDrivetrainEff,
                               w.VehData_NewDrivetrainShiftTime};
    TextBox* const zeroTaken[] = {w.VehData_NewTorqueRPM, w.VehData_NewIdleRPM,
                                  w.VehData_NewTorquePeakWidth, w.VehData_NewEBC};
    for (TextBox* box : needed) {
        EXPECT_EQ(box->Text(), "") << box->DisplayName();
        EXPECT_TRUE(Refused(*box)) << box->DisplayName();
    }
    for (TextBox* box : zeroTaken) {
        EXPECT_EQ(box->Text(), "") << box->DisplayName();
        EXPECT_TRUE(Refused(*box)) << box->DisplayName();
    }
    for (const auto& owned : w.AllControls()) {
        const auto* box = dynamic_cast<const TextBox*>(owned.get());
        if (box != nullptr && box->Shown() && Refused(*box))
            EXPECT_EQ(box->Text(), "") << box->DisplayName() << " shows a figure on red";
    }
    EXPECT_EQ(w.VehData_NewFuelType->Text(), "Diesel");
    EXPECT_TRUE(Accepted(*w.VehData_NewFuelType));
    EXPECT_EQ(w.VehData_NewNumGears->ListIndex(), -1);
    EXPECT_TRUE(Refused(*w.VehData_NewNumGears));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());

    // The boxes that were red, typed as the user typed them.
    Type(*w.VehData_NewTorque, "350");
    Type(*w.VehData_NewPower, "150");
    Type(*w.VehData_NewPowerRPM, "600");
    Type(*w.VehData_NewLimitRPM, "700");
    Type(*w.VehData_NewDrivetrainEff, "90");
    Type(*w.VehData_NewDrivetrainShiftTime, "300");
    w.VehData_NewNumGears->UserSelect(5);  // items "2".."7"
    for (TextBox* box : needed) EXPECT_TRUE(Accepted(*box)) << box->DisplayName();
    for (TextBox* box : zeroTaken) {
        EXPECT_EQ(box->Text(), "") << box->DisplayName();
        EXPECT_TRUE(Refused(*box)) << box->DisplayName();
    }
    EXPECT_EQ(Band(w),
              "Peak torque speed needs a figure; Torque plateau width needs a figure; Idle point "
              "needs a figure; Engine braking coeff. needs a figure");
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());

    // 0 typed where the range takes it is a figure like any other.
    Type(*w.VehData_NewTorqueRPM, "300");
    Type(*w.VehData_NewTorquePeakWidth, "0");
    Type(*w.VehData_NewIdleRPM, "80");
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());  // no engine braking yet
    EXPECT_EQ(Band(w), "Engine braking coeff. needs a figure");
    Type(*w.VehData_NewEBC, "0");
    for (TextBox* box : zeroTaken) EXPECT_TRUE(Accepted(*box)) << box->DisplayName();
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();

    const vehicle::VehicleRecord& v = core::GlobalChassisLab().Vehicles.back();
    EXPECT_EQ(v.Drivetrain.DriveType, vehicle::kDriveFront);
    EXPECT_EQ(v.Engine.PeakTorque, 350.0f);
    EXPECT_EQ(v.Engine.TorquePeakRPM, ui::StoredRpm(300.0));
    EXPECT_EQ(v.Engine.TorquePeakWidth, 0.0f);
    EXPECT_EQ(v.Engine.PeakPower, 150.0f);
    EXPECT_EQ(v.Engine.IdleRPM, ui::StoredRpm(80.0));
    EXPECT_EQ(v.Engine.EngineBrakingCoeff, 0.0f);
    EXPECT_EQ(v.Engine.FuelType, kDiesel);
    EXPECT_EQ(v.Drivetrain.NumGears, 7);
    EXPECT_FLOAT_EQ(v.Drivetrain.DrivetrainEfficiency, 0.9f);
    EXPECT_FLOAT_EQ(v.Drivetrain.ShiftTime, 0.3f);
}

// A thrust car burning anything but the first fuel, copied through "Create new vehicle": the
// copy is its source in every figure it is run with but the name, fuel and loaded mass
// included (Electric weighs nothing: 20 litres of Gasoline would add 14.74 kg). A car with an
// engine made thrust driven through "Edit existing vehicle" keeps the fuel its list holds, and
// so its mass; whichever fuel the list is given, the first one too.
TEST_F(ThrustVehicleEditing, AThrustCarKeepsItsFuel) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    for (const uint8_t fuel : {kDiesel, kElectric, kNitromethane}) {
        const std::string name = "Thrust " + std::to_string(fuel);
        SCOPED_TRACE(name);
        LoadThrustCar(w, fuel, name);
        const vehicle::VehicleRecord source = g.CurrentVehicle;
        const double mass = TotalMass();
        w.VehData_CreateNew->UserClick();
        Type(*w.VehData_NewName, "Copy of " + name);
        ASSERT_TRUE(w.VehData_AddVeh->Enabled());
        w.VehData_AddVeh->UserClick();
        ASSERT_EQ(core::TrimRight(g.CurrentVehicle.Name), "Copy of " + name);
        EXPECT_EQ(g.Vehicles.back().Engine.FuelType, fuel);
        // A new vehicle has 0 in the fields the editor does not hold, which nothing reads.
        vehicle::VehicleRecord copy = g.CurrentVehicle;
        copy.Name = source.Name;
        for (std::size_t k = 0; k < copy.AeroElements.size(); ++k)
            copy.AeroElements[k].PosX = source.AeroElements[k].PosX;
        copy.AeroElements[0].DeviceType = source.AeroElements[0].DeviceType;
        EXPECT_EQ(FirstDifference(copy, source), -1);
        EXPECT_EQ(TotalMass(), mass);
    }

    // Made thrust driven: a Diesel car, and a car whose list was set to Electric in the edit.
    for (const uint8_t fuel : {kDiesel, kElectric}) {
        SCOPED_TRACE(static_cast<int>(fuel));
        const int car = fuel == kDiesel ? 1 : 2;
        w.Main_SelectVeh->UserSelect(car);
        w.VehData_EditExisting->UserClick();
        w.VehData_NewFuelType->UserSelect(fuel);
        if (fuel == kDiesel) {
            w.VehData_UpdateVeh->UserClick();
            w.VehData_EditExisting->UserClick();
        }
        const double mass = TotalMass();
        w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
        Type(*w.VehData_NewThrust, "4000");
        Type(*w.VehData_NewThrustHeight, "0.6");
        ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
        w.VehData_UpdateVeh->UserClick();
        const vehicle::VehicleRecord& made = g.Vehicles[static_cast<std::size_t>(car)];
        EXPECT_EQ(made.Drivetrain.DriveType, vehicle::kDriveThrust);
        EXPECT_EQ(made.Engine.FuelType, fuel);
        if (fuel == kDiesel) EXPECT_EQ(TotalMass(), mass);
    }
    // The Diesel thrust car given Gasoline, the list's first entry (shown while it has wheels).
    w.Main_SelectVeh->UserSelect(1);
    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveFront);
    w.VehData_NewFuelType->UserSelect(0);
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(g.Vehicles[1].Engine.FuelType, 0);
    // A thrust car's hidden list left without a choice (by code: no opening leaves one so)
    // does not hold the store back, and the car keeps its own fuel.
    w.Main_SelectVeh->UserSelect(3);  // "Thrust 1", Diesel
    w.VehData_EditExisting->UserClick();
    w.VehData_NewFuelType->SetListIndex(-1);
    ui::ValidateVehicleEditorInputs(w);
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(g.Vehicles[3].Engine.FuelType, kDiesel);
}

// A thrust car's own thrust and height, emptied, read as the 0 each stands for, which their
// ranges take: white, and stored as 0 (a car that only coasts, its thrust at the ground). A
// number with more after it is refused. The boxes of a car given thrust come up empty and
// ask for their figures (see NotWheelDrivenStoresThrustWhateverTheHiddenEngineBoxesHold).
TEST_F(ThrustVehicleEditing, ItsOwnThrustBoxesEmptiedReadAsNoThrust) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    LoadThrustCar(w, kDiesel, "Thrust Golf");
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewThrust, "3x");
    EXPECT_TRUE(Refused(*w.VehData_NewThrust));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    for (const char* none : {"", "  "}) {
        Type(*w.VehData_NewThrust, none);
        Type(*w.VehData_NewThrustHeight, none);
        EXPECT_TRUE(Accepted(*w.VehData_NewThrust)) << '"' << none << '"';
        EXPECT_TRUE(Accepted(*w.VehData_NewThrustHeight)) << '"' << none << '"';
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << '"' << none << '"';
    }
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(g.CurrentVehicle.Drivetrain.DriveType, vehicle::kDriveThrust);
    EXPECT_EQ(g.CurrentVehicle.Engine.PeakTorque, 0.0f);
    EXPECT_EQ(g.CurrentVehicle.Engine.TorquePeakRPM, 0.0f);
}

}  // namespace
