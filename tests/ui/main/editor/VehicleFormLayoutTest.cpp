// The main window's vehicle-dependent rows: passengers by seat count, gear rows by number of
// gears and drive type, the reverse row, the differential panels and view, and the rows of
// each aerodynamic device.
#include <algorithm>
#include <map>
#include <stdexcept>

#include "ui/main/editor/VehicleConfigTestSupport.hpp"
#include "platform/Controls.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "ui/main/editor/VehicleFormLayout.hpp"

namespace {

using ui_test::VehicleConfigTest;
using vehicle::VehicleRecord;

class VehicleFormLayoutTest : public VehicleConfigTest {
protected:
    VehicleRecord& Vehicle() { return core::GlobalChassisLab().CurrentVehicle; }

    void SetDrive(uint8_t driveType, uint8_t gears, bool reverse = true) {
        Vehicle().Drivetrain.DriveType = driveType;
        Vehicle().Drivetrain.NumGears = gears;
        Vehicle().Drivetrain.HasReverse = core::ToVbBool(reverse);
    }

    // Gear k's row on the settings page, in the gearing table and in the acceleration summary.
    void ExpectGearRow(int k, bool visible) {
        EXPECT_EQ(w->Set_GearRatioText(k).Visible(), visible) << "gear " << k;
        EXPECT_EQ(w->GearingSpeed(k).Visible(), visible) << "gear " << k;
        EXPECT_EQ(w->Analysis_AccLabel(k + 16).Visible(), visible) << "gear " << k;
    }
    // The shift from gear s to s + 1 (s = 1..6).
    void ExpectShiftRow(int s, bool visible) {
        EXPECT_EQ(w->GearingRevsDropAbs(s).Visible(), visible) << "shift " << s;
    }
};

struct SeatCase {
    int seats;
    std::array<bool, 4> shown;  // front, rear left, rear middle, rear right
    bool frame, frontRows, rearRows;
};

TEST_F(VehicleFormLayoutTest, PassengerSelectorsBySeatCount) {
    const SeatCase cases[] = {
        {0, {false, false, false, false}, false, true, true},
        {1, {true, false, false, false}, true, true, false},
        {2, {false, true, false, true}, true, false, true},
        {3, {true, true, false, true}, true, true, true},
        {4, {true, true, true, true}, true, true, true},
        {9, {true, true, true, true}, true, true, true},  // a damaged file: all four seats
    };
    for (const SeatCase& c : cases) {
        SCOPED_TRACE("seats " + std::to_string(c.seats));
        // The previous vehicle's choice never survives.
        for (int s = 0; s < 4; ++s) w->Set_Pass(s).SetText("Female");
        Vehicle().MaxPassengers = static_cast<uint8_t>(c.seats);
        ui::UpdateVehicleFormLayout();
        for (int s = 0; s < 4; ++s) {
            SCOPED_TRACE("seat " + std::to_string(s));
            EXPECT_EQ(w->Set_Pass(s).Visible(), c.shown[s]);
            EXPECT_EQ(w->Set_Pass(s).Text(), "None");
            const std::vector<std::string> expected =
                c.shown[s] ? std::vector<std::string>{"None", "Male", "Female"}
                           : std::vector<std::string>{"None"};
            EXPECT_EQ(Items(w->Set_Pass(s)), expected);
        }
        EXPECT_EQ(w->VehDataFrame(9).Visible(), c.frame);
        EXPECT_EQ(w->DataLabel(45).Visible(), c.frontRows);
        EXPECT_EQ(w->DataLabel(48).Visible(), c.rearRows);
    }
}

TEST_F(VehicleFormLayoutTest, PassengerHandlerSeesTheLayoutFlagAndRecalculatesNothing) {
    // The passenger handler recalculates only while the layout flag is down; count the calls
    // that would have recalculated.
    auto& g = core::GlobalChassisLab();
    int calls = 0, wouldRecalculate = 0;
    for (int s = 0; s < 4; ++s)
        w->Set_Pass(s).Click = [&] {
            ++calls;
            if (!core::FromVbBool(g.VehicleLayoutBusy)) ++wouldRecalculate;
        };
    Vehicle().MaxPassengers = 4;
    ui::UpdateVehicleFormLayout();
    EXPECT_EQ(calls, 4);  // each seat set back to "None"
    EXPECT_EQ(wouldRecalculate, 0);
    EXPECT_FALSE(core::FromVbBool(g.VehicleLayoutBusy));

    // A person's choice afterwards is heard with the flag down.
    w->Set_Pass(1).UserSelect(1);
    EXPECT_EQ(wouldRecalculate, 1);
}

TEST_F(VehicleFormLayoutTest, LayoutFlagIsLoweredWhenAHandlerThrows) {
    w->Set_Pass(0).Click = [] { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(ui::UpdateVehicleFormLayout(), std::runtime_error);
    EXPECT_FALSE(core::FromVbBool(core::GlobalChassisLab().VehicleLayoutBusy));
}

TEST_F(VehicleFormLayoutTest, GearRowsFollowTheNumberOfGears) {
    // In this order, so that each vehicle follows one with other rows shown; one gear keeps
    // the first two rows.
    const std::pair<uint8_t, int> cases[] = {{vehicle::kDriveRear, 5}, {vehicle::kDriveRear, 7},
                                             {vehicle::kDriveFront, 1}, {vehicle::kDriveAll, 4}};
    for (const auto& [drive, gears] : cases) {
        SCOPED_TRACE(std::to_string(gears) + " gears");
        SetDrive(drive, static_cast<uint8_t>(gears));
        ui::UpdateVehicleFormLayout();
        const int rows = std::max(gears, 2);
        for (int k = 1; k <= 7; ++k) ExpectGearRow(k, k <= rows);
        for (int s = 1; s <= 6; ++s) ExpectShiftRow(s, s < rows);  // s to s + 1
        EXPECT_TRUE(w->Set_GearRatioText(8).Visible());             // final drive
        EXPECT_FALSE(w->VehDataFrame(5).Visible());                 // "Propulsion"
    }
}

TEST_F(VehicleFormLayoutTest, VehicleThatIsNotWheelDriven) {
    // Something on both gearing charts first, to see them cleared.
    for (int i : {0, 1}) w->Analysis_GearingGraph(i).Surf().Line(0, 0, 100, 100);
    SetDrive(vehicle::kDriveThrust, 0, /*reverse=*/true);
    ui::UpdateVehicleFormLayout();

    for (int k = 1; k <= 7; ++k) ExpectGearRow(k, false);
    for (int s = 1; s <= 6; ++s) ExpectShiftRow(s, false);
    EXPECT_FALSE(w->Set_GearRatioText(8).Visible());
    EXPECT_FALSE(w->DataLabel(139).Visible());
    EXPECT_FALSE(w->VehDataFrame(2).Visible());
    EXPECT_FALSE(w->TorquePowerPlot->Visible());
    EXPECT_TRUE(w->VehDataFrame(5).Visible());
    EXPECT_TRUE(w->Analysis_GearingGraph(0).Surf().DisplayList().empty());
    EXPECT_TRUE(w->Analysis_GearingGraph(1).Surf().DisplayList().empty());
    for (int f : {1, 2, 3}) EXPECT_FALSE(w->Analysis_GearingFrame(f).Visible()) << f;
    EXPECT_FALSE(w->DiffFrame(2).Visible());
    // The reverse row still follows the reverse gear.
    EXPECT_TRUE(w->Set_GearingLabel(7).Visible());

    // A wheel-driven vehicle afterwards shows its gears again.
    SetDrive(vehicle::kDriveAll, 4);
    ui::UpdateVehicleFormLayout();
    for (int k = 1; k <= 7; ++k) ExpectGearRow(k, k <= 4);
    EXPECT_TRUE(w->Set_GearRatioText(8).Visible());
    EXPECT_TRUE(w->VehDataFrame(2).Visible());
    EXPECT_TRUE(w->TorquePowerPlot->Visible());
    EXPECT_FALSE(w->VehDataFrame(5).Visible());
}

TEST_F(VehicleFormLayoutTest, ReverseRowFollowsTheReverseGear) {
    for (bool reverse : {true, false}) {
        SCOPED_TRACE(reverse ? "reverse" : "no reverse");
        SetDrive(vehicle::kDriveRear, 5, reverse);
        ui::UpdateVehicleFormLayout();
        EXPECT_EQ(w->Set_GearRatioText(0).Visible(), reverse);
        EXPECT_EQ(w->GearingSpeed(0).Visible(), reverse);
        EXPECT_FALSE(w->GearingCruisingRevs(0).Visible());  // no cruising speed in reverse
    }
}

TEST_F(VehicleFormLayoutTest, SimulatorReverseRatioStaysUneditableWhicheverRoutineRunsLast) {
    // The simulator fixes a car's reverse ratio: its inputs stay hidden after the layout as
    // after the setting-page configuration, while the row and the ratio text are shown.
    MakeCurrent("XR GT", /*hasReverse=*/true);
    SetDrive(vehicle::kDriveFront, 5, /*reverse=*/true);
    ui::ConfigureSetupControls();
    ui::UpdateVehicleFormLayout();
    EXPECT_FALSE(w->Set_GearRatioText(0).Visible());
    EXPECT_FALSE(w->Set_GearRatioSlider(0).Visible());
    EXPECT_TRUE(w->Set_GearingLabel(35).Visible());
    EXPECT_TRUE(w->GearingSpeed(0).Visible());

    // Out of compatibility mode the inputs are the vehicle's own, shown with a reverse gear.
    core::OptionsSettings().LFSMode = core::VbFalse;
    ui::UpdateVehicleFormLayout();
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_GearRatioText(0).Visible());
    EXPECT_TRUE(w->Set_GearRatioSlider(0).Visible());
    EXPECT_FALSE(w->Set_GearingLabel(35).Visible());
    MakeCurrent("XR GT", /*hasReverse=*/false);
    ui::ConfigureSetupControls();
    EXPECT_FALSE(w->Set_GearRatioText(0).Visible());
    EXPECT_FALSE(w->Set_GearRatioSlider(0).Visible());
}

struct DiffCase {
    uint8_t driveType;
    bool centrePanel, rear, front, centre;
    std::vector<int> viewsSelected;  // Set_ViewDiff indexes, in order
};

TEST_F(VehicleFormLayoutTest, DifferentialPanelsAndViewByDriveType) {
    const DiffCase cases[] = {
        {vehicle::kDriveFront, false, false, true, false, {0}},
        {vehicle::kDriveRear, false, true, false, false, {1}},
        {vehicle::kDriveAll, true, true, true, true, {1}},
        {vehicle::kDriveThrust, false, false, false, false, {0, 1}},
    };
    std::vector<int> selected;
    for (int i : {0, 1}) w->Set_ViewDiff(i).Click = [&selected, i] { selected.push_back(i); };
    for (const DiffCase& c : cases) {
        SCOPED_TRACE("drive type " + std::to_string(c.driveType));
        selected.clear();
        SetDrive(c.driveType, 5);
        ui::UpdateVehicleFormLayout();
        EXPECT_EQ(w->DiffFrame(2).Visible(), c.centrePanel);
        EXPECT_EQ(w->Analysis_GearingFrame(1).Visible(), c.rear);
        EXPECT_EQ(w->Analysis_GearingFrame(2).Visible(), c.front);
        EXPECT_EQ(w->Analysis_GearingFrame(3).Visible(), c.centre);
        EXPECT_EQ(selected, c.viewsSelected);
        EXPECT_EQ(w->Set_ViewDiff(c.viewsSelected.back()).Value(), true);
    }

    // An unknown drive type changes neither the panels nor the view.
    SetDrive(vehicle::kDriveAll, 5);
    ui::UpdateVehicleFormLayout();
    selected.clear();
    SetDrive(7, 5);
    ui::UpdateVehicleFormLayout();
    EXPECT_TRUE(selected.empty());
    EXPECT_TRUE(w->DiffFrame(2).Visible());
    EXPECT_TRUE(w->Analysis_GearingFrame(3).Visible());
    EXPECT_TRUE(w->Set_ViewDiff(1).Value());
}

TEST_F(VehicleFormLayoutTest, AeroDeviceRowsFollowTheDevices) {
    auto& aero = Vehicle().AeroElements;
    aero[1].DeviceType = 2;  // undertray
    aero[2].DeviceType = 5;  // rear wing
    aero[3].DeviceType = 0;  // no front wing
    ui::UpdateVehicleFormLayout();

    // Front wing (device 2) hidden on every page; rear wing and undertray shown.
    EXPECT_FALSE(w->Set_SetupFrame(8).Visible());
    EXPECT_FALSE(w->AeroPanel(8).Visible());
    EXPECT_FALSE(w->DataLabel(341).Visible());
    EXPECT_FALSE(w->Analysis_PhysLabel(134).Visible());
    EXPECT_FALSE(w->Analysis_SuspLabel(29).Visible());
    EXPECT_TRUE(w->Set_SetupFrame(7).Visible());
    EXPECT_TRUE(w->AeroPanel(6).Visible());
    EXPECT_TRUE(w->DataLabel(339).Visible());
    EXPECT_TRUE(w->Analysis_SuspLabel(28).Visible());

    // No undertray: its rows go, and there is no settings frame to hide (the wing frames
    // keep following their own devices).
    aero[1].DeviceType = 0;
    aero[3].DeviceType = 1;
    ui::UpdateVehicleFormLayout();
    EXPECT_FALSE(w->AeroPanel(6).Visible());
    EXPECT_FALSE(w->DataLabel(339).Visible());
    EXPECT_FALSE(w->Analysis_PhysLabel(132).Visible());
    EXPECT_TRUE(w->Set_SetupFrame(7).Visible());
    EXPECT_TRUE(w->Set_SetupFrame(8).Visible());
}

TEST_F(VehicleFormLayoutTest, ChangesNoSettingValue) {
    // Only visibility, the passenger lists and the differential view change.
    std::map<std::string, int32_t> before;
    auto sliders = [&] {
        std::map<std::string, int32_t> out;
        for (const auto& c : w->AllControls())
            if (c->Kind() == platform::ControlKind::Slider)
                out[c->DisplayName()] = static_cast<const platform::Slider&>(*c).Value();
        return out;
    };
    before = sliders();
    std::vector<std::string> texts;
    for (int k = 0; k <= 8; ++k) texts.push_back(w->Set_GearRatioText(k).Text());

    SetDrive(vehicle::kDriveThrust, 0);
    Vehicle().MaxPassengers = 2;
    ui::UpdateVehicleFormLayout();
    SetDrive(vehicle::kDriveFront, 3, false);
    ui::UpdateVehicleFormLayout();

    EXPECT_EQ(sliders(), before);
    for (int k = 0; k <= 8; ++k) EXPECT_EQ(w->Set_GearRatioText(k).Text(), texts[k]) << k;
}

}  // namespace
