// Main window rows by vehicle configuration (see VehicleFormLayout.hpp).
#include "ui/main/editor/VehicleFormLayout.hpp"

#include <initializer_list>
#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/ScopedValue.hpp"
#include "core/TextTable.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

namespace {

constexpr int kSeatCount = 4;   // 0 front, 1 rear left, 2 rear middle, 3 rear right
constexpr int kMaxForwardGears = 7;

void Show(platform::Control& c, bool visible) { c.SetVisible(visible); }

void ShowLabels(platform::ControlArray<platform::Label>& labels, std::initializer_list<int> indexes,
                bool visible) {
    for (int i : indexes) labels(i).SetVisible(visible);
}

// ---- Passengers ----

// The seat selector with its caption ("Front:", "Rear left:", ...).
void ShowSeat(Main& w, int seat, bool visible) {
    w.Set_Pass(seat).SetVisible(visible);
    w.Set_AeroLabel(4 + seat).SetVisible(visible);
}

// Leaves only "None" in a selector (items 2 and then 1 removed).
void OfferNoOccupant(platform::ComboBox& seat) {
    seat.RemoveItem(2);
    seat.RemoveItem(1);
}

void LayoutPassengers(Main& w, int seats) {
    const auto& occupant = core::TextTable().OccupantTypeNames;  // "None", "Male", "Female"
    // Every seat back to "None" and hidden; selecting "None" runs the selector's handler,
    // which does not recalculate while the layout flag is raised.
    for (int s = 0; s < kSeatCount; ++s) {
        platform::ComboBox& seat = w.Set_Pass(s);
        seat.Clear();
        seat.AddItem(occupant[0]);
        seat.SetText(occupant[0]);
        ShowSeat(w, s, false);
    }
    ShowLabels(w.DataLabel, {9, 10, 11, 12, 45, 46, 47, 48, 49, 50}, true);
    w.VehDataFrame(9).SetVisible(true);
    w.Set_SetupFrame(15).SetVisible(true);

    // Position rows of the data page: front seat 9, 10 and 45..47; rear seats 11, 12, 48..50.
    auto showFrontRows = [&](bool v) { ShowLabels(w.DataLabel, {9, 10, 45, 46, 47}, v); };
    auto showRearRows = [&](bool v) { ShowLabels(w.DataLabel, {11, 12, 48, 49, 50}, v); };
    auto offerOccupants = [&](int s) {
        w.Set_Pass(s).AddItem(occupant[1]);
        w.Set_Pass(s).AddItem(occupant[2]);
        ShowSeat(w, s, true);
    };

    if (seats == 0) {
        w.VehDataFrame(9).SetVisible(false);
        w.Set_SetupFrame(15).SetVisible(false);
        return;
    }
    if (seats == 1) {
        offerOccupants(0);
        showRearRows(false);
        return;
    }
    for (int s = 0; s < kSeatCount; ++s) offerOccupants(s);
    if (seats == 2) {
        // Two rear seats, no front passenger.
        OfferNoOccupant(w.Set_Pass(0));
        ShowSeat(w, 0, false);
        showFrontRows(false);
    }
    if (seats == 2 || seats == 3) {
        // No rear middle seat.
        OfferNoOccupant(w.Set_Pass(2));
        ShowSeat(w, 2, false);
    }
}

// ---- Gears ----

// Every control of forward gear k (1..7) on the settings page, in the gearing table and in
// the acceleration summary; row k also carries the shift from gear k - 1.
void ShowGearRow(Main& w, int k, bool visible) {
    Show(w.Set_GearRatioText(k), visible);
    Show(w.Set_GearRatioSlider(k), visible);
    Show(w.Set_GearingLabel(k - 1), visible);
    Show(w.GearingSpeed(k), visible);
    Show(w.GearingRevsPreShift(k), visible);
    Show(w.GearingReduction(k), visible);
    Show(w.GearingCruisingRevs(k), visible);
    Show(w.GearingLabel(k + 12), visible);
    if (k >= 2) {
        Show(w.GearingRevsPostShift(k - 1), visible);
        Show(w.GearingRevsDropAbs(k - 1), visible);
        Show(w.GearingRevsDropRel(k - 1), visible);
        Show(w.GearingSpeedGained(k - 1), visible);
    }
    Show(w.Analysis_AccLabel(k + 16), visible);   // "1st:" .. "7th:"
    Show(w.Analysis_AccLabel(k + 116), visible);  // its time
}

// What only an engine-and-gearbox vehicle has: torque curve area, final drive, drive-train
// data rows, engine frame and engine curve.
void ShowWheelDriveItems(Main& w, bool visible) {
    ShowLabels(w.GearingLabel, {0, 1}, visible);
    Show(w.Set_GearingLabel(8), visible);
    Show(w.Set_GearRatioText(8), visible);
    Show(w.Set_GearRatioSlider(8), visible);
    ShowLabels(w.DataLabel, {103, 104, 105, 139, 180, 140, 141, 142}, visible);
    Show(w.VehDataFrame(2), visible);
    Show(*w.VehData_DT_VScroll, visible);
    Show(*w.TorquePowerPlot, visible);
}

void LayoutGears(Main& w, const vehicle::DrivetrainSpec& drive) {
    const bool wheelDriven = drive.DriveType != vehicle::kDriveThrust;
    if (!wheelDriven) {
        w.Analysis_GearingGraph(0).Surf().Cls();
        w.Analysis_GearingGraph(1).Surf().Cls();
    }
    // All seven rows follow the drive type, so rows 1 and 2 come back when a wheel-driven
    // vehicle follows one that is not; the rows beyond the gear count are hidden next.
    for (int k = 1; k <= kMaxForwardGears; ++k) ShowGearRow(w, k, wheelDriven);
    ShowWheelDriveItems(w, wheelDriven);
    w.VehDataFrame(5).SetVisible(!wheelDriven);  // "Propulsion"

    if (drive.DriveType < vehicle::kDriveThrust) {
        // Rows 1 and 2 always stay for a wheel-driven vehicle.
        for (int k = 3; k <= kMaxForwardGears; ++k)
            if (drive.NumGears < k) ShowGearRow(w, k, false);
    }
}

void LayoutReverse(Main& w, bool hasReverse) {
    Show(w.Set_GearingLabel(7), hasReverse);  // "Reverse"
    // The ratio inputs stay hidden where the simulator fixes the reverse ratio (the setting
    // page shows it as text instead), whichever of the two routines ran last.
    const bool inputs = hasReverse && !SimulatorCarSetup();
    Show(w.Set_GearRatioSlider(0), inputs);
    Show(w.Set_GearRatioText(0), inputs);
    Show(w.GearingLabel(20), hasReverse);  // "Reverse" in the gearing table
    Show(w.GearingReduction(0), hasReverse);
    Show(w.GearingRevsPreShift(0), hasReverse);
    Show(w.GearingSpeed(0), hasReverse);
    Show(w.GearingCruisingRevs(0), false);
}

// ---- Differentials ----

void LayoutDifferentials(Main& w, uint8_t driveType) {
    bool centre = false, rear = false, front = false;
    switch (driveType) {
        case vehicle::kDriveFront: front = true; break;
        case vehicle::kDriveRear: rear = true; break;
        case vehicle::kDriveAll: centre = rear = front = true; break;
        case vehicle::kDriveThrust: break;
        default: return;  // unknown drive type: panels and view as they are
    }
    w.DiffFrame(2).SetVisible(centre);
    w.Analysis_GearingFrame(1).SetVisible(rear);    // "Rear differential"
    w.Analysis_GearingFrame(2).SetVisible(front);   // "Front differential"
    w.Analysis_GearingFrame(3).SetVisible(centre);  // "Centre differential"
    // Selecting a view button runs its handler, which puts the matching panel (or its "Not
    // Available" placeholder) on top.
    if (driveType == vehicle::kDriveFront || driveType == vehicle::kDriveThrust)
        w.Set_ViewDiff(0).SetValue(true);
    if (driveType != vehicle::kDriveFront) w.Set_ViewDiff(1).SetValue(true);
}

// ---- Aerodynamic devices ----

// Device e: 0 undertray, 1 rear wing, 2 front wing (vehicle element e + 1).
void ShowAeroDevice(Main& w, int e, bool visible) {
    ShowLabels(w.DataLabel, {307 + e, 339 + e, 343 + e, 347 + e}, visible);
    if (e >= 1) Show(w.Set_SetupFrame(6 + e), visible);  // "Rear wing", "Front wing"
    Show(w.AeroPanel(6 + e), visible);
    ShowLabels(w.Analysis_PhysLabel, {28 + e, 32 + e, 132 + e, 137 + e, 142 + e, 147 + e},
               visible);
    Show(w.Analysis_SuspLabel(27 + e), visible);
}

void LayoutAeroDevices(Main& w, const vehicle::VehicleRecord& v) {
    for (int e = 0; e <= 2; ++e)
        ShowAeroDevice(w, e, v.AeroElements[static_cast<std::size_t>(e) + 1].DeviceType != 0);
}

}  // namespace

void UpdateVehicleFormLayout() {
    core::GlobalChassisLabState& g = core::GlobalChassisLab();
    Main* w = g.MainForm;
    if (w == nullptr) return;
    const core::RaisedFlag busy(g.VehicleLayoutBusy);
    // A copy: the layout follows the figures as they were on entry, whatever the handlers it
    // raises do meanwhile.
    const vehicle::VehicleRecord v = g.CurrentVehicle;
    LayoutPassengers(*w, v.MaxPassengers);
    LayoutGears(*w, v.Drivetrain);
    LayoutReverse(*w, core::FromVbBool(v.Drivetrain.HasReverse));
    LayoutDifferentials(*w, v.Drivetrain.DriveType);
    LayoutAeroDevices(*w, v);
}

}  // namespace ui
