// Opening, filling and closing the vehicle editor.
#include "ui/main/editor/VehicleEditor.hpp"

#include <cstddef>
#include <iterator>
#include <string>
#include <type_traits>

#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/SpeedBoxTexts.hpp"
#include "ui/main/editor/VehicleFormLayout.hpp"
#include "ui/main/form/EngineControls.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace ui {

namespace {

using core::Quantity;
using platform::Control;
using platform::TextBox;

// ---- The page's label groups, per tab ----
struct UnitCaption {
    int label;
    Quantity quantity;
};
struct TabLabels {
    int valueFirst, valueLast;        // value labels: hidden while editing
    int closeValueLast;               // last value label the closing shows again
    int unitFirst, unitLast;          // unit labels: shown while editing
    std::initializer_list<int> rowCaptions;  // shown by the opening, left to the layout after
};
constexpr TabLabels kPhysical{35, 50, 50, 70, 84, {9, 10, 11, 12}};
constexpr TabLabels kDrivetrain{135, 154, 154, 170, 179, {}};
constexpr TabLabels kWheels{235, 257, 257, 270, 292, {}};
constexpr TabLabels kAero{335, 349, 346, 370, 378, {307, 308, 309}};
constexpr TabLabels kTabs[] = {kPhysical, kDrivetrain, kWheels, kAero};

constexpr UnitCaption kUnitCaptions[] = {
    {70, Quantity::Mass},          {73, Quantity::DistanceSmall}, {74, Quantity::DistanceSmall},
    {75, Quantity::Volume},        {77, Quantity::DistanceSmall}, {78, Quantity::DistanceSmall},
    {81, Quantity::DistanceSmall}, {84, Quantity::DistanceSmall},
    {170, Quantity::Torque},       {171, Quantity::ARV},          {173, Quantity::ARV},
    {175, Quantity::ARV},          {176, Quantity::ARV},          {177, Quantity::ARV},
    {172, Quantity::Power},        {178, Quantity::Force},        {179, Quantity::DistanceSmall},
    {274, Quantity::Angle},        {275, Quantity::Angle},        {276, Quantity::Angle},
    {277, Quantity::Angle},        {278, Quantity::Mass},         {279, Quantity::Mass},
    {286, Quantity::Mass},         {287, Quantity::Mass},         {288, Quantity::DistanceSmall},
    {289, Quantity::DistanceSmall}, {290, Quantity::DistanceSmall},
    {291, Quantity::DistanceSmall}, {292, Quantity::DistanceSmall},
    {370, Quantity::Area},         {372, Quantity::DistanceSmall}, {374, Quantity::DistanceSmall},
    {376, Quantity::DistanceSmall}, {378, Quantity::DistanceSmall},
};

void ShowLabels(Main& w, int first, int last, bool visible) {
    for (int i = first; i <= last; ++i)
        if (w.DataLabel.Has(i)) w.DataLabel(i).SetVisible(visible);
}

// Every edit control of the page (all indexes of the arrays).
template <typename F>
void ForEachEditControl(Main& w, F&& f) {
    Control* singles[] = {
        w.VehData_NewBodyMass, w.VehData_NewBodyPosX, w.VehData_NewBodyPosY,
        w.VehData_NewBodyPosZ, w.VehData_NewHandicapPosZ, w.VehData_NewFuelTankCapacity,
        w.VehData_NewFuelTankPosY, w.VehData_NewFuelTankPosZ, w.VehData_NewRefPosZ,
        w.VehData_MaxPass, w.VehData_NewTorque, w.VehData_NewPower, w.VehData_NewTorqueRPM,
        w.VehData_NewPowerRPM, w.VehData_NewIdleRPM, w.VehData_NewLimitRPM,
        w.VehData_NewTorquePeakWidth, w.VehData_NewEBC, w.VehData_NewDrivetrainEff,
        w.VehData_NewDrivetrainShiftTime, w.VehData_NewThrust, w.VehData_NewThrustHeight,
        w.VehData_NewFuelType, w.VehData_NewDrivetrain, w.VehData_NewNumGears,
        w.VehData_NewRevGear, w.VehData_NewIdleTorque, w.VehData_NewTCA, w.VehData_NewPCA,
        w.VehData_NewPWA, w.VehData_NewPR, w.VehData_NewPS, w.VehData_DynoThrottle,
        w.VehData_NewWheelbase, w.VehData_NewFrontalArea, w.VehData_NewCd, w.VehData_NewCl};
    for (Control* c : singles) f(*c);
    const auto each = [&f](const auto& arr) { arr.ForEach([&f](int, Control& c) { f(c); }); };
    each(w.VehData_PassPosX);
    each(w.VehData_PassPosY);
    each(w.VehData_PassPosZ);
    each(w.VehData_NewTyreWidth);
    each(w.VehData_NewTyreProfile);
    each(w.VehData_NewWheelSize);
    each(w.VehData_NewRotMass);
    each(w.VehData_NewWheelSpringMR);
    each(w.VehData_NewWheelARBMR);
    each(w.VehData_NewInclination);
    each(w.VehData_NewCamber);
    each(w.VehData_NewUnsprung);
    each(w.VehData_NewRideHeight);
    each(w.VehData_NewTrackWidth);
    each(w.VehData_NewAeroDevicePosY);
    each(w.VehData_NewAeroDevicePosZ);
    each(w.VehData_NewAeroDeviceType);
}

void DisableMenu(Main& w, const char* name) {
    if (platform::MenuItem* m = w.FindMenu(name)) m->SetEnabled(false);
}
// The closing gives an entry back only when it has something to open.
void RestoreMenu(Main& w, const char* name) {
    if (platform::MenuItem* m = w.FindMenu(name)) m->SetEnabled(static_cast<bool>(m->Click));
}

// ---- Texts of the fill ----
std::string Whole(long v) { return std::to_string(v); }

// Selects the list entry with this text; a text that is no entry leaves the list without a
// choice (never with one an earlier opening made, perhaps for another vehicle).
void SetChoice(platform::ComboBox& box, const std::string& text) {
    if (box.FindItem(text) < 0) {
        box.SetListIndex(-1);
    } else {
        box.SetText(text);
    }
}

// Selects the entry of a table row (its name); a row outside the table leaves no choice.
template <typename Table>
void SetTableChoice(platform::ComboBox& box, const Table& table, long row) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) {
        box.SetListIndex(-1);
        return;
    }
    const auto& entry = table[static_cast<std::size_t>(row)];
    if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, std::string>) {
        SetChoice(box, entry);
    } else {
        SetChoice(box, entry.Name);
    }
}

}  // namespace

void OpenVehicleEditor(Main& w) {
    // What an earlier opening filled in may stand for figures in other units.
    ForgetFilledFigures();
    w.MainLabel(5).SetVisible(false);
    w.Main_SelectVeh->SetVisible(false);
    w.Main_SelectVeh->SetEnabled(false);
    w.VehData_CreateNew->SetEnabled(false);
    w.VehData_EditExisting->SetEnabled(false);
    w.VehData_PhotoToggle->SetEnabled(false);
    DisableMenu(w, "OptionsPreferences");
    AllowOptionsUnitChanges(false);
    w.MainLabel(6).SetVisible(true);
    w.VehDataFrame(9).SetVisible(true);
    w.VehData_NewName->SetVisible(true);
    w.VehData_Cancel->SetVisible(true);

    w.Main_SelectPage->SetText(core::TextTable().PageNames[0]);
    w.Main_SelectPage->SetEnabled(false);
    w.MainSection(3).BringToFront();

    for (const UnitCaption& u : kUnitCaptions)
        if (w.DataLabel.Has(u.label)) w.DataLabel(u.label).SetCaption(core::UnitSuffix(u.quantity));
    for (const TabLabels& tab : kTabs) {
        ShowLabels(w, tab.valueFirst, tab.valueLast, false);
        for (int i : tab.rowCaptions) ShowLabels(w, i, i, true);
        ShowLabels(w, tab.unitFirst, tab.unitLast, true);
    }
    ForEachEditControl(w, [](Control& c) { c.SetVisible(true); });
}

void FillVehicleEditor(Main& w) {
    namespace rg = vehicle::ranges;
    auto& editor = vehicle::VehCode();
    editor.EditorFilling = core::VbTrue;
    ForgetFilledFigures();
    // The record the boxes show, which a box's shorter text is judged in (FilledRecordCheck):
    // the current vehicle, as it is run (the figures its drive type does not use are the fixed
    // ones, vehicle::DropUnusedFigures).
    vehicle::VehicleRecord v = core::GlobalChassisLab().CurrentVehicle;
    const FilledRecordCheck check(v);
    const auto& u = core::OptionsSettings();
    const double small = u.UnitFactorDistanceSmall;

    FillBox(*w.VehData_NewBodyMass, v.BodyMass, u.UnitFactorMass, rg::BodyMass, check);
    FillBox(*w.VehData_NewBodyPosX, v.BodyCoG.X, 100, rg::BodyPosX, check);
    FillBox(*w.VehData_NewBodyPosY, v.BodyCoG.Y, 100, rg::BodyPosY, check);
    FillBox(*w.VehData_NewBodyPosZ, v.BodyCoG.Z, small, rg::Height, check);
    FillBox(*w.VehData_NewHandicapPosZ, v.HandicapHeight, small, rg::HandicapHeight, check);
    FillBox(*w.VehData_NewFuelTankCapacity, v.FuelTankCapacity, u.UnitFactorVolume,
            rg::FuelTankCapacity, check);
    FillBox(*w.VehData_NewFuelTankPosY, v.FuelTankPos.Y, 100, rg::FuelTankPosY, check);
    FillBox(*w.VehData_NewFuelTankPosZ, v.FuelTankPos.Z, small, rg::Height, check);
    FillBox(*w.VehData_NewRefPosZ, v.RefHeight, small, rg::Height, check);
    SetChoice(*w.VehData_MaxPass, Whole(v.MaxPassengers));
    for (int s = 0; s <= 1; ++s) {
        vehicle::PositionXYZ& seat = v.Seats[static_cast<std::size_t>(s)];
        FillBox(w.VehData_PassPosX(s), seat.X, 100, rg::SeatPosX, check);
        FillBox(w.VehData_PassPosY(s), seat.Y, 100, rg::SeatPosY, check);
        FillBox(w.VehData_PassPosZ(s), seat.Z, small, rg::Height, check);
    }

    // Selecting the drive type shows the engine or the thrust inputs. The group hidden for
    // the vehicle's drive type is written too, so that choosing another drive type shows
    // nothing an earlier opening left, and no figure the vehicle does not have. A vehicle that
    // is not wheel driven has no engine speeds, power, torque, engine braking, efficiency,
    // shift time or gears: those boxes are empty, the list of gears without a choice (given
    // wheels, the editor asks for them), and the shape sliders stand at the fixed figures it
    // runs with; its fuel is its own. A wheel-driven vehicle has no thrust.
    SetTableChoice(*w.VehData_NewDrivetrain, core::TextTable().DriveTypeNames,
                   v.Drivetrain.DriveType);
    const bool thrustDriven = v.Drivetrain.DriveType == vehicle::kDriveThrust;
    vehicle::EngineFigures& e = v.Engine;
    // The speeds' texts are chosen together: typed back together, they keep their order.
    const EngineSpeedTexts speedTexts =
        thrustDriven ? EngineSpeedTexts{} : ChooseEngineSpeedTexts(w, e, check);
    for (std::size_t k = 0; k < std::size(kEngineControls); ++k) {
        const EngineControl* c = kEngineControls[k];
        const vehicle::EngineField& field = *c->Field;
        float& figure = e.*(field.Figure);
        if (c->Slider) {
            FillSlider(*(w.*(c->Slider)), field.Slider->Position(figure), figure);
        } else if (thrustDriven) {
            (w.*(c->Box))->SetText("");
        } else if (c->ShowsSpeed()) {
            FillSpeedBox(*(w.*(c->Box)), figure, speedTexts[k]);
        } else {
            FillBox(*(w.*(c->Box)), figure, c->UnitFactor(), field.Range, check);
        }
    }
    const auto& fuels = core::FuelTable().FuelTypes;
    SetChoice(*w.VehData_NewFuelType, e.FuelType < fuels.size() ? fuels[e.FuelType].Name : "");
    w.VehData_NewRevGear->SetValue(core::FromVbBool(v.Drivetrain.HasReverse) ? 1 : 0);
    if (thrustDriven) {
        w.VehData_NewDrivetrainEff->SetText("");
        w.VehData_NewDrivetrainShiftTime->SetText("");
        w.VehData_NewNumGears->SetListIndex(-1);
        // Its thrust (N) and the thrust's height (m) are the engine's first two figures.
        FillBox(*w.VehData_NewThrust, e.PeakTorque, u.UnitFactorForce, rg::Thrust, check);
        FillBox(*w.VehData_NewThrustHeight, e.TorquePeakRPM, small, rg::ThrustHeight, check);
    } else {
        FillBox(*w.VehData_NewDrivetrainEff, v.Drivetrain.DrivetrainEfficiency, 100,
                rg::DrivetrainEfficiency, check);
        FillBox(*w.VehData_NewDrivetrainShiftTime, v.Drivetrain.ShiftTime, 1000, rg::ShiftTime,
                check);
        SetChoice(*w.VehData_NewNumGears, Whole(v.Drivetrain.NumGears));
        w.VehData_NewThrust->SetText("");
        w.VehData_NewThrustHeight->SetText("");
    }

    for (int a = 0; a <= 1; ++a) {
        const auto i = static_cast<std::size_t>(a);
        vehicle::AxleSuspension& x = v.Axles[i];
        w.VehData_NewTyreWidth(a).SetText(Whole(v.Tyres[i].Width));
        w.VehData_NewTyreProfile(a).SetText(Whole(v.Tyres[i].Profile));
        w.VehData_NewWheelSize(a).SetText(Whole(v.Tyres[i].RimDiameter));
        FillBox(w.VehData_NewRotMass(a), v.RotatingMass[i], u.UnitFactorMass,
                rg::RotatingMass, check);
        FillBox(w.VehData_NewWheelSpringMR(a), x.SpringMotionRatio, 1,
                rg::SpringMotionRatio, check);
        FillBox(w.VehData_NewWheelARBMR(a), x.ARBMotionRatio, 1, rg::ARBMotionRatio, check);
        FillBox(w.VehData_NewInclination(a), x.Inclination, u.UnitFactorAngle, rg::Angle, check);
        FillBox(w.VehData_NewCamber(a), x.CamberOffset, u.UnitFactorAngle, rg::Angle, check);
        FillBox(w.VehData_NewUnsprung(a), x.UnsprungMass, u.UnitFactorMass,
                rg::UnsprungMass, check);
        FillBox(w.VehData_NewRideHeight(a), x.RideHeight, small, rg::RideHeight, check);
        FillBox(w.VehData_NewTrackWidth(a), x.TrackWidth, small, rg::TrackWidth, check);
    }
    FillBox(*w.VehData_NewWheelbase, v.Wheelbase, small, rg::Wheelbase, check);
    FillBox(*w.VehData_NewFrontalArea, v.FrontalArea, u.UnitFactorArea, rg::FrontalArea, check);
    FillBox(*w.VehData_NewCd, v.DragCoefficient, 1, rg::DragCoefficient, check);
    FillBox(*w.VehData_NewCl, v.LiftCoefficient, 1, rg::LiftCoefficient, check);
    for (int k = 0; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        vehicle::AeroElement& el = v.AeroElements[i];
        FillBox(w.VehData_NewAeroDevicePosY(k), el.PosY, 100, rg::AeroElementPosY[i], check);
        FillBox(w.VehData_NewAeroDevicePosZ(k), el.PosZ, small, rg::AeroElementHeight, check);
    }
    const auto& aero = vehicle::AeroCode();
    SetTableChoice(w.VehData_NewAeroDeviceType(1), aero.UndertrayTypes, v.AeroElements[1].DeviceType);
    SetTableChoice(w.VehData_NewAeroDeviceType(2), aero.RearWingTypes, v.AeroElements[2].DeviceType);
    SetTableChoice(w.VehData_NewAeroDeviceType(3), aero.FrontWingTypes, v.AeroElements[3].DeviceType);

    w.VehData_DynoThrottle->SetValue(100);
    editor.EditorFilling = core::VbFalse;
}

void CloseVehicleEditor(Main& w) {
    auto& g = core::GlobalChassisLab();
    w.MainLabel(6).SetVisible(false);
    w.VehData_NewName->SetVisible(false);
    w.VehData_AddVeh->SetVisible(false);
    w.VehData_UpdateVeh->SetVisible(false);
    w.VehData_Cancel->SetVisible(false);
    w.VehData_NewName->SetBackColor(platform::SysColor::WindowBackground);

    w.Main_SelectVeh->SetEnabled(true);
    w.VehData_CreateNew->SetEnabled(true);
    w.VehData_EditExisting->SetEnabled(g.VehicleCount > 0);
    w.VehData_PhotoToggle->SetEnabled(true);
    RestoreMenu(w, "OptionsPreferences");
    AllowOptionsUnitChanges(true);
    w.MainLabel(5).SetVisible(true);
    w.Main_SelectVeh->SetVisible(true);

    for (const TabLabels& tab : kTabs) {
        ShowLabels(w, tab.valueFirst, tab.closeValueLast, true);
        ShowLabels(w, tab.unitFirst, tab.unitLast, false);
    }
    ForEachEditControl(w, [](Control& c) { c.SetVisible(false); });
    // The torque data table belongs to the editor's engine.
    CloseTorqueDataTable();

    if (g.VehicleCount > 0) UpdateVehicleFormLayout();
    w.Main_SelectPage->SetEnabled(true);
    w.MainSection(2).BringToFront();
    vehicle::VehCode().EditorOpen = core::VbFalse;

    if (g.VehicleCount > 0 && g.CurrentVehicle.Drivetrain.DriveType < vehicle::kDriveThrust)
        DrawDynoGraph(w, vehicle::EngineCode().CurrentEngine);
}

}  // namespace ui
