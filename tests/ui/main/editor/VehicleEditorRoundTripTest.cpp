// A vehicle made through the editor's controls, stored, saved as a file and loaded back
// holds exactly what was typed; editing and cancelling changes nothing; storing an unchanged
// vehicle gives back what the editor showed.
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/TextTable.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace {

using editortest::EditorTest;
using editortest::FirstDifference;

class VehicleEditorRoundTrip : public EditorTest {};

float Share(double percent) { return static_cast<float>(percent / 100.0); }
// An angular velocity typed in rad/s is kept in rpm: divided by (pi / 30 as the program
// writes it).
float Rpm(double radPerSec) { return static_cast<float>(radPerSec / 0.10471975511963333); }
// Equal within single precision's last figures.
bool Close(float a, float b) { return std::fabs(a - b) <= 1e-4f * std::max(1.0f, std::fabs(b)); }

TEST_F(VehicleEditorRoundTrip, NewVehicleTypedInEveryBoxComesBackFromItsFile) {
    ui::Main& w = StartWithCars();
    ASSERT_EQ(core::GlobalChassisLab().VehicleCount, 3);
    w.VehData_CreateNew->UserClick();
    ASSERT_TRUE(EditorOpen());
    EXPECT_FALSE(w.VehData_AddVeh->Enabled());  // no name yet

    // What the user types (SI display units), and the record it must give.
    vehicle::VehicleRecord want;
    vehicle::SetVehicleName(want, "Test Roadster");
    Type(*w.VehData_NewName, "Test Roadster");
    Type(*w.VehData_NewBodyMass, "987.5");        want.BodyMass = 987.5f;
    Type(*w.VehData_NewBodyPosX, "49.5");         want.BodyCoG.X = Share(49.5);
    Type(*w.VehData_NewBodyPosY, "55.25");        want.BodyCoG.Y = Share(55.25);
    Type(*w.VehData_NewBodyPosZ, "0.45");         want.BodyCoG.Z = 0.45f;
    Type(*w.VehData_NewHandicapPosZ, "0.3");      want.HandicapHeight = 0.3f;
    Type(*w.VehData_NewFuelTankCapacity, "55");   want.FuelTankCapacity = 55.0f;
    Type(*w.VehData_NewFuelTankPosY, "30");       want.FuelTankPos.Y = Share(30);
    Type(*w.VehData_NewFuelTankPosZ, "0.25");     want.FuelTankPos.Z = 0.25f;
    Type(*w.VehData_NewRefPosZ, "0.1");           want.RefHeight = 0.1f;
    w.VehData_MaxPass->UserSelect(2);             want.MaxPassengers = 2;
    const char* seatX[] = {"75", "70"};
    const char* seatY[] = {"60", "35"};
    const char* seatZ[] = {"0.35", "0.4"};
    for (int s = 0; s <= 1; ++s) {
        Type(w.VehData_PassPosX(s), seatX[s]);
        Type(w.VehData_PassPosY(s), seatY[s]);
        Type(w.VehData_PassPosZ(s), seatZ[s]);
        want.Seats[s] = {Share(std::stod(seatX[s])), Share(std::stod(seatY[s])),
                         static_cast<float>(std::stod(seatZ[s]))};
    }
    w.VehData_NewDrivetrain->UserSelect(1);       want.Drivetrain.DriveType = vehicle::kDriveRear;
    Type(*w.VehData_NewTorque, "320");            want.Engine.PeakTorque = 320.0f;
    Type(*w.VehData_NewTorqueRPM, "400");         want.Engine.TorquePeakRPM = Rpm(400);
    Type(*w.VehData_NewPower, "180");             want.Engine.PeakPower = 180.0f;
    Type(*w.VehData_NewPowerRPM, "650");          want.Engine.PowerPeakRPM = Rpm(650);
    w.VehData_NewFuelType->UserSelect(2);         want.Engine.FuelType = 2;
    Type(*w.VehData_NewDrivetrainEff, "88");      want.Drivetrain.DrivetrainEfficiency = Share(88);
    Type(*w.VehData_NewDrivetrainShiftTime, "120");  want.Drivetrain.ShiftTime = 0.12f;
    w.VehData_NewNumGears->UserSelect(4);         want.Drivetrain.NumGears = 6;  // items "2".."7"
    if (w.VehData_NewRevGear->Value() == 0) w.VehData_NewRevGear->UserClick();
    want.Drivetrain.HasReverse = core::VbTrue;
    Type(*w.VehData_NewIdleRPM, "90");            want.Engine.IdleRPM = Rpm(90);
    Type(*w.VehData_NewLimitRPM, "750");          want.Engine.LimitRPM = Rpm(750);
    Type(*w.VehData_NewTorquePeakWidth, "100");   want.Engine.TorquePeakWidth = Rpm(100);
    w.VehData_NewIdleTorque->UserClickAt(40);     want.Engine.IdleTorqueFraction = 0.4f;
    w.VehData_NewTCA->UserClickAt(12);            want.Engine.LowerShape = 1.2f;
    w.VehData_NewPCA->UserClickAt(55);            want.Engine.UpperShapeA = 0.55f;
    w.VehData_NewPWA->UserClickAt(30);            want.Engine.UpperShapeB = 0.997f;
    w.VehData_NewPR->UserClickAt(10);             want.Engine.ReducePowerFactor = 0.99f;
    w.VehData_NewPS->UserClickAt(20);             want.Engine.ShiftPowerFactor = 1.02f;
    Type(*w.VehData_NewEBC, "0.07");              want.Engine.EngineBrakingCoeff = 0.07f;

    const char* width[] = {"225", "255"}, *profile[] = {"45", "40"}, *rim[] = {"17", "18"};
    const char* rot[] = {"19", "21"}, *spring[] = {"1.1", "1.2"}, *arb[] = {"1.3", "1.4"};
    const char* incl[] = {"0.2", "0.1"}, *camber[] = {"-0.01", "-0.02"};
    const char* unsprung[] = {"60", "65"}, *ride[] = {"0.12", "0.13"}, *track[] = {"1.52", "1.54"};
    for (int a = 0; a <= 1; ++a) {
        Type(w.VehData_NewTyreWidth(a), width[a]);
        Type(w.VehData_NewTyreProfile(a), profile[a]);
        Type(w.VehData_NewWheelSize(a), rim[a]);
        Type(w.VehData_NewUnsprung(a), unsprung[a]);
        Type(w.VehData_NewRotMass(a), rot[a]);
        Type(w.VehData_NewWheelSpringMR(a), spring[a]);
        Type(w.VehData_NewWheelARBMR(a), arb[a]);
        Type(w.VehData_NewInclination(a), incl[a]);
        Type(w.VehData_NewCamber(a), camber[a]);
        Type(w.VehData_NewRideHeight(a), ride[a]);
        Type(w.VehData_NewTrackWidth(a), track[a]);
        want.Tyres[a] = {static_cast<int16_t>(std::stoi(width[a])),
                         static_cast<uint8_t>(std::stoi(profile[a])),
                         static_cast<uint8_t>(std::stoi(rim[a]))};
        want.RotatingMass[a] = std::stof(rot[a]);
        want.Axles[a] = {std::stof(spring[a]), std::stof(arb[a]), std::stof(incl[a]),
                         std::stof(camber[a]), std::stof(unsprung[a]), std::stof(ride[a]),
                         std::stof(track[a])};
    }
    Type(*w.VehData_NewWheelbase, "2.55");        want.Wheelbase = 2.55f;
    Type(*w.VehData_NewFrontalArea, "1.9");       want.FrontalArea = 1.9f;
    Type(*w.VehData_NewCd, "0.31");               want.DragCoefficient = 0.31f;
    Type(*w.VehData_NewCl, "0.05");               want.LiftCoefficient = 0.05f;
    const char* posY[] = {"45", "50", "-10", "150"}, *posZ[] = {"0.5", "0.1", "1.05", "0.2"};
    for (int k = 0; k <= 3; ++k) {
        Type(w.VehData_NewAeroDevicePosY(k), posY[k]);
        Type(w.VehData_NewAeroDevicePosZ(k), posZ[k]);
        want.AeroElements[k].PosY = Share(std::stod(posY[k]));
        want.AeroElements[k].PosZ = std::stof(posZ[k]);
    }
    const int device[] = {0, 1, 2, 1};
    for (int k = 1; k <= 3; ++k) {
        w.VehData_NewAeroDeviceType(k).UserSelect(device[k]);
        want.AeroElements[k].DeviceType = device[k];
    }
    // Not held by the editor: a new vehicle has them 0 (FuelTankPos.X, element PosX, element 0's
    // device), which `want` already holds.

    ASSERT_TRUE(w.VehData_AddVeh->Enabled());
    Messages().Clear();
    w.VehData_AddVeh->UserClick();
    EXPECT_EQ(Messages().Requests().front().text, "Added vehicle: " + core::TrimRight(want.Name));
    EXPECT_EQ(Messages().Requests().front().icon, platform::MsgIcon::Information);
    EXPECT_FALSE(EditorOpen());
    auto& g = core::GlobalChassisLab();
    ASSERT_EQ(g.VehicleCount, 4);
    EXPECT_EQ(w.Main_SelectVeh->ListCount(), 4);
    EXPECT_EQ(w.Main_SelectVeh->Text(), want.Name);
    EXPECT_EQ(g.CurrentVehicle.Name, want.Name);  // the new vehicle is current
    EXPECT_EQ(FirstDifference(g.Vehicles[3], want), -1);

    // Saved, the program's list emptied, loaded again: every byte of the record is back.
    const std::string path = (root / "vehicles" / "roadster.vd3").string();
    ASSERT_TRUE(files::SaveVehicleFile(3, path));
    g.Vehicles.clear();
    g.VehicleCount = 0;
    ASSERT_TRUE(files::LoadVehicleFile(path, false));
    ASSERT_EQ(g.Vehicles.size(), 1u);
    EXPECT_EQ(FirstDifference(g.Vehicles[0], want), -1);
}

TEST_F(VehicleEditorRoundTrip, EditAndCancelChangesNothing) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    w.Main_SelectVeh->UserSelect(1);
    const auto vehiclesBefore = g.Vehicles;
    const auto currentBefore = g.CurrentVehicle;
    const int32_t springBefore = w.Set_SuspSpringStiffness(0).Value();

    w.VehData_EditExisting->UserClick();
    ASSERT_TRUE(EditorOpen());
    EXPECT_FALSE(w.VehData_NewName->Enabled());
    EXPECT_EQ(w.VehData_NewName->Text(), g.Vehicles[1].Name);
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());  // the car's own figures all pass
    Type(*w.VehData_NewBodyMass, "1");
    Type(*w.VehData_NewPowerRPM, "2");
    Type(w.VehData_NewTyreWidth(1), "999");
    w.VehData_NewDrivetrain->UserSelect(3);
    w.VehData_Cancel->UserClick();

    EXPECT_FALSE(EditorOpen());
    ASSERT_EQ(g.Vehicles.size(), vehiclesBefore.size());
    for (std::size_t i = 0; i < g.Vehicles.size(); ++i)
        EXPECT_EQ(FirstDifference(g.Vehicles[i], vehiclesBefore[i]), -1) << i;
    EXPECT_EQ(FirstDifference(g.CurrentVehicle, currentBefore), -1);
    EXPECT_EQ(w.Set_SuspSpringStiffness(0).Value(), springBefore);
    EXPECT_TRUE(w.Main_SelectVeh->Visible());
    EXPECT_TRUE(w.DataLabel(35).Visible());   // value labels back
    // The current car's own curve is on the plot again, without the editor's peak captions.
    bool red = false;
    for (const auto& op : w.TorquePowerPlot->Surf().DisplayList())
        if (op.kind == platform::DrawOpKind::Text && op.color == platform::RGB(255, 0, 0)) red = true;
    EXPECT_FALSE(red);
}

// Storing a vehicle without a change gives back what the fill showed: unrounded figures
// within single precision, the rounded ones to their box's figures; in imperial units the
// boxes show converted figures and the store converts them back.
TEST_F(VehicleEditorRoundTrip, UpdateWithoutChangeKeepsEveryCarInEitherUnits) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    for (int pass = 0; pass < 4; ++pass) {
        const int car = pass % 3;
        if (pass == 3) core::ApplyUnitPreset(2);  // the first car again, in imperial units
        SCOPED_TRACE(pass);
        w.Main_SelectVeh->UserSelect(car);
        const vehicle::VehicleRecord before = g.Vehicles[static_cast<std::size_t>(car)];
        w.VehData_EditExisting->UserClick();
        if (pass == 3) EXPECT_NE(w.VehData_NewBodyMass->Text(), core::DoubleText(before.BodyMass));
        ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
        Messages().Clear();
        w.VehData_UpdateVeh->UserClick();
        EXPECT_EQ(Messages().Last().text, "Updated vehicle: " + core::TrimRight(before.Name));
        const vehicle::VehicleRecord& after = g.Vehicles[static_cast<std::size_t>(car)];
        EXPECT_TRUE(Close(after.BodyMass, before.BodyMass));
        EXPECT_TRUE(Close(after.BodyCoG.Z, before.BodyCoG.Z));
        EXPECT_TRUE(Close(after.Engine.PeakPower, before.Engine.PeakPower));
        EXPECT_TRUE(Close(after.Engine.LimitRPM, before.Engine.LimitRPM));
        EXPECT_TRUE(Close(after.Wheelbase, before.Wheelbase));
        EXPECT_TRUE(Close(after.Engine.PowerPeakRPM, before.Engine.PowerPeakRPM));
        EXPECT_TRUE(Close(after.Engine.IdleTorqueFraction, before.Engine.IdleTorqueFraction));
        EXPECT_TRUE(Close(after.Axles[1].TrackWidth, before.Axles[1].TrackWidth));
        EXPECT_TRUE(Close(after.FrontalArea, before.FrontalArea));
        EXPECT_TRUE(Close(after.FuelTankCapacity, before.FuelTankCapacity));
        EXPECT_EQ(after.Drivetrain.NumGears, before.Drivetrain.NumGears);
        EXPECT_EQ(after.AeroElements[2].DeviceType, before.AeroElements[2].DeviceType);
        // Fields the editor does not hold are kept.
        EXPECT_EQ(after.FuelTankPos.X, before.FuelTankPos.X);
        EXPECT_EQ(after.AeroElements[0].DeviceType, before.AeroElements[0].DeviceType);
        EXPECT_FALSE(EditorOpen());
        EXPECT_EQ(g.VehicleCount, 3);  // updated in place
    }
}

// Filled and stored without a change, every shipped vehicle's file comes out byte for byte
// the same, in SI and in imperial units (where every box shows a converted figure). So does a
// thrust-driven vehicle made elsewhere, burning diesel, whose engine figures (which the editor
// shows no box for) are its own, loaded and saved through the File menu. Selected after a car
// with an engine, it keeps nothing of that engine's curve, whatever figures it holds.
TEST_F(VehicleEditorRoundTrip, StoringUnchangedShippedVehiclesChangesNoByte) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    vehicle::VehicleRecord thrust = vehtest::ThrustGolf(g.Vehicles[0]);
    thrust.Engine.FuelType = 1;  // "Diesel"
    const std::string loaded = (root / "vehicles" / "thrust.vd3").string();
    vehtest::WriteVehicleFile(loaded, thrust);
    const vehicle::EngineRecord& engine = vehicle::EngineCode().CurrentEngine;
    ASSERT_GT(engine.Curve.Count, 0);
    platform::FileDialogDouble().QueueOpenPath(loaded);
    w.FileLoadVehicle->UserClick();
    ASSERT_EQ(g.VehicleCount, 4) << Messages().Last().text;
    const auto holdsNoCurve = [&engine] {
        return engine.Curve.Count == 0 && engine.LowerCurve == std::array<float, 4>{} &&
               engine.UpperCurve == std::array<float, 5>{} && engine.LowerOrigin == 0.0f &&
               engine.UpperOrigin == 0.0f && engine.CurvePlateauEnd == 0.0f;
    };
    EXPECT_TRUE(holdsNoCurve());

    const auto shipped = g.Vehicles;
    for (int preset : {0, 2}) {
        core::ApplyUnitPreset(preset);
        for (std::size_t car = 0; car < shipped.size(); ++car) {
            SCOPED_TRACE(std::to_string(preset) + " " + shipped[car].Name);
            w.Main_SelectVeh->UserSelect(static_cast<int>(car));
            w.VehData_EditExisting->UserClick();
            ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
            w.VehData_UpdateVeh->UserClick();
            EXPECT_EQ(FirstDifference(g.Vehicles[car], shipped[car]), -1);
        }
    }
    EXPECT_TRUE(holdsNoCurve());
    const std::string saved = (root / "vehicles" / "saved.vd3").string();
    platform::FileDialogDouble().QueueSavePath(saved);
    w.FileSaveVehicle->UserClick();
    EXPECT_EQ(vehtest::ReadFile(saved), vehtest::ReadFile(loaded));

    // A figure without a box that the check refuses, of the engine or of the drive-train, does
    // not hold the store back: the store writes the fixed figures of a vehicle without an
    // engine instead, and keeps its fuel.
    vehicle::SetThrustOnlyFigures(thrust);
    for (const auto refuse : {+[](vehicle::VehicleRecord& v) { v.Engine.LimitRPM = -1.0f; },
                              +[](vehicle::VehicleRecord& v) {
                                  v.Drivetrain.DrivetrainEfficiency = -1.0f;
                              }}) {
        refuse(g.Vehicles[3]);
        w.VehData_EditExisting->UserClick();
        ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
        w.VehData_UpdateVeh->UserClick();
        EXPECT_EQ(FirstDifference(g.Vehicles[3], thrust), -1);
        EXPECT_EQ(g.Vehicles[3].Engine.FuelType, 1);
    }
}

// The updated vehicle keeps the setup the user is working with (its default setup file is not
// applied again), and the analyses run for the stored figures.
TEST_F(VehicleEditorRoundTrip, UpdatedVehicleKeepsThePresentSetup) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    w.Main_SelectVeh->UserSelect(1);  // its default setup file is applied
    platform::Slider& spring = w.Set_SuspSpringStiffness(0);
    const int32_t moved = spring.Value() == spring.Min() ? spring.Min() + 7 : spring.Min() + 3;
    spring.UserClickAt(moved);
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewBodyMass, "1500");
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(spring.Value(), moved);
    EXPECT_EQ(g.CurrentVehicle.BodyMass, 1500.0f);
    EXPECT_EQ(g.Vehicles[1].BodyMass, 1500.0f);
    // Selecting it again as a person does applies its default setup as before.
    w.Main_SelectVeh->UserSelect(1);
    EXPECT_NE(spring.Value(), moved);
}

// A box without a range takes any text; a figure beyond what a Single holds is stored as the
// largest Single, never as infinity (which no vehicle file could load again).
// The boxes without a range of their own are held to what their length lets the user type:
// a figure written with an exponent beyond that is never stored.
TEST_F(VehicleEditorRoundTrip, HugeFiguresInUncheckedBoxesAreNeverStored) {
    ui::Main& w = StartWithCars();
    const vehicle::VehicleRecord before = core::GlobalChassisLab().Vehicles[0];
    w.VehData_EditExisting->UserClick();
    Type(w.VehData_NewCamber(0), "9e99");
    Type(w.VehData_NewWheelARBMR(1), "-9e99");
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();
    const auto& v = core::GlobalChassisLab().Vehicles[0];
    EXPECT_EQ(v.Axles[0].CamberOffset, before.Axles[0].CamberOffset);
    EXPECT_EQ(v.Axles[1].ARBMotionRatio, before.Axles[1].ARBMotionRatio);
}

// Each box shows the fewest digits that read back to the field's Single: a seat at 0.52 m as
// "0.52" (not the widened "0.519999980926514"); a figure that needs more characters than its
// box holds shows rounded to them: 3000 rpm in rad/s in 7, heights in 5 (7 for the aero
// elements), and a body of 1234.0625 kg, halfway between two texts of 8 characters as near
// as each other, in the one rounded to even. Stored unchanged, each keeps its figure.
TEST_F(VehicleEditorRoundTrip, FillWritesTheFiguresAsTheBoxesShowThem) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    g.Vehicles[0].Engine.IdleRPM = 3000.0f;
    g.Vehicles[0].BodyCoG.Z = 0.123456f;
    g.Vehicles[0].AeroElements[2].PosZ = 0.1234567f;
    g.Vehicles[0].Drivetrain.ShiftTime = 0.15f;
    g.Vehicles[0].Seats[1].Z = 0.52f;
    g.Vehicles[0].BodyMass = 1234.0625f;
    w.Main_SelectVeh->UserSelect(0);
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.VehData_NewIdleRPM->Text(), "314.159");
    EXPECT_EQ(w.VehData_NewBodyPosZ->Text(), "0.123");
    EXPECT_EQ(w.VehData_NewAeroDevicePosZ(2).Text(), "0.12346");
    EXPECT_EQ(w.VehData_NewDrivetrainShiftTime->Text(), "150");
    EXPECT_EQ(w.VehData_PassPosZ(1).Text(), "0.52");
    EXPECT_EQ(w.VehData_NewBodyMass->Text(), "1234.062");
    EXPECT_EQ(w.DataLabel(171).Caption(), core::UnitSuffix(core::Quantity::ARV));
    const vehicle::VehicleRecord before = g.Vehicles[0];
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(FirstDifference(g.Vehicles[0], before), -1);
}

}  // namespace
