// Opening, filling and closing the vehicle editor.
#include "ui/main/editor/VehicleEditor.hpp"

#include <algorithm>
#include <string>
#include <type_traits>

#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/editor/VehicleFormLayout.hpp"
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
// A Single field times a factor, in double precision.
double Display(float field, double factor) { return static_cast<double>(field) * factor; }
std::string Whole(long v) { return std::to_string(v); }

// A slider position from a figure, nearest whole number (halves to even), kept inside the
// slider's range: a figure from a file may lie beyond what the slider can show.
void SetSlider(platform::Slider& s, double position) {
    const int32_t v = core::CLng(position);
    s.SetValue(std::clamp(v, s.Min(), s.Max()));
}

// Selects the list entry with this text; a text that is no entry changes nothing.
void SetChoice(platform::ComboBox& box, const std::string& text) { box.SetText(text); }

// Selects the entry of a table row (its name); a row outside the table changes nothing.
template <typename Table>
void SetTableChoice(platform::ComboBox& box, const Table& table, long row) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) return;
    const auto& entry = table[static_cast<std::size_t>(row)];
    if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, std::string>) {
        SetChoice(box, entry);
    } else {
        SetChoice(box, entry.Name);
    }
}

}  // namespace

void OpenVehicleEditor(Main& w) {
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
    auto& editor = vehicle::VehCode();
    editor.EditorFilling = core::VbTrue;
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& u = core::OptionsSettings();
    const double small = u.UnitFactorDistanceSmall;

    w.VehData_NewBodyMass->SetText(FieldText(v.BodyMass, u.UnitFactorMass));
    w.VehData_NewBodyPosX->SetText(FieldText(v.BodyCoG.X, 100));
    w.VehData_NewBodyPosY->SetText(FieldText(v.BodyCoG.Y, 100));
    w.VehData_NewBodyPosZ->SetText(FieldText(v.BodyCoG.Z, small));
    w.VehData_NewHandicapPosZ->SetText(FieldText(v.HandicapHeight, small));
    w.VehData_NewFuelTankCapacity->SetText(FieldText(v.FuelTankCapacity, u.UnitFactorVolume));
    w.VehData_NewFuelTankPosY->SetText(FieldText(v.FuelTankPos.Y, 100));
    w.VehData_NewFuelTankPosZ->SetText(FieldText(v.FuelTankPos.Z, small));
    w.VehData_NewRefPosZ->SetText(FieldText(v.RefHeight, small));
    SetChoice(*w.VehData_MaxPass, Whole(v.MaxPassengers));
    for (int s = 0; s <= 1; ++s) {
        const vehicle::PositionXYZ& seat = v.Seats[static_cast<std::size_t>(s)];
        w.VehData_PassPosX(s).SetText(FieldText(seat.X, 100));
        w.VehData_PassPosY(s).SetText(FieldText(seat.Y, 100));
        w.VehData_PassPosZ(s).SetText(FieldText(seat.Z, small));
    }

    // Selecting the drive type shows the engine or the thrust inputs.
    SetTableChoice(*w.VehData_NewDrivetrain, core::TextTable().DriveTypeNames,
                   v.Drivetrain.DriveType);
    const vehicle::EngineFigures& e = v.Engine;
    if (v.Drivetrain.DriveType != vehicle::kDriveThrust) {
        w.VehData_NewTorque->SetText(FieldText(e.PeakTorque, u.UnitFactorTorque));
        w.VehData_NewTorqueRPM->SetText(SpeedFieldText(e.TorquePeakRPM));
        w.VehData_NewPower->SetText(FieldText(e.PeakPower, u.UnitFactorPower));
        w.VehData_NewPowerRPM->SetText(SpeedFieldText(e.PowerPeakRPM));
        const auto& fuels = core::FuelTable().FuelTypes;
        if (e.FuelType < fuels.size()) SetChoice(*w.VehData_NewFuelType, fuels[e.FuelType].Name);
        w.VehData_NewDrivetrainEff->SetText(FieldText(v.Drivetrain.DrivetrainEfficiency, 100));
        w.VehData_NewDrivetrainShiftTime->SetText(FieldText(v.Drivetrain.ShiftTime, 1000));
        SetChoice(*w.VehData_NewNumGears, Whole(v.Drivetrain.NumGears));
        w.VehData_NewRevGear->SetValue(core::FromVbBool(v.Drivetrain.HasReverse) ? 1 : 0);
        w.VehData_NewIdleRPM->SetText(SpeedFieldText(e.IdleRPM));
        w.VehData_NewLimitRPM->SetText(SpeedFieldText(e.LimitRPM));
        w.VehData_NewTorquePeakWidth->SetText(SpeedFieldText(e.TorquePeakWidth));
        SetSlider(*w.VehData_NewIdleTorque, Display(e.IdleTorqueFraction, 100));
        SetSlider(*w.VehData_NewTCA, Display(e.LowerShape, 10));
        SetSlider(*w.VehData_NewPCA, Display(e.UpperShapeA, 100));
        SetSlider(*w.VehData_NewPWA, (1.0 - static_cast<double>(e.UpperShapeB)) * 10000.0);
        SetSlider(*w.VehData_NewPR, (1.0 - static_cast<double>(e.ReducePowerFactor)) * 1000.0);
        SetSlider(*w.VehData_NewPS, (static_cast<double>(e.ShiftPowerFactor) - 1.0) * 1000.0);
        w.VehData_NewEBC->SetText(FieldText(e.EngineBrakingCoeff, 1));
    } else {
        // A vehicle that is not wheel driven keeps its thrust (N) and its height (m) there.
        w.VehData_NewThrust->SetText(FieldText(e.PeakTorque, u.UnitFactorForce));
        w.VehData_NewThrustHeight->SetText(FieldText(e.TorquePeakRPM, small));
    }

    for (int a = 0; a <= 1; ++a) {
        const auto i = static_cast<std::size_t>(a);
        const vehicle::AxleSuspension& x = v.Axles[i];
        w.VehData_NewTyreWidth(a).SetText(Whole(v.Tyres[i].Width));
        w.VehData_NewTyreProfile(a).SetText(Whole(v.Tyres[i].Profile));
        w.VehData_NewWheelSize(a).SetText(Whole(v.Tyres[i].RimDiameter));
        w.VehData_NewRotMass(a).SetText(FieldText(v.RotatingMass[i], u.UnitFactorMass));
        w.VehData_NewWheelSpringMR(a).SetText(FieldText(x.SpringMotionRatio, 1));
        w.VehData_NewWheelARBMR(a).SetText(FieldText(x.ARBMotionRatio, 1));
        w.VehData_NewInclination(a).SetText(FieldText(x.Inclination, u.UnitFactorAngle));
        w.VehData_NewCamber(a).SetText(FieldText(x.CamberOffset, u.UnitFactorAngle));
        w.VehData_NewUnsprung(a).SetText(FieldText(x.UnsprungMass, u.UnitFactorMass));
        w.VehData_NewRideHeight(a).SetText(FieldText(x.RideHeight, small));
        w.VehData_NewTrackWidth(a).SetText(FieldText(x.TrackWidth, small));
    }
    w.VehData_NewWheelbase->SetText(FieldText(v.Wheelbase, small));
    w.VehData_NewFrontalArea->SetText(FieldText(v.FrontalArea, u.UnitFactorArea));
    w.VehData_NewCd->SetText(FieldText(v.DragCoefficient, 1));
    w.VehData_NewCl->SetText(FieldText(v.LiftCoefficient, 1));
    for (int k = 0; k <= 3; ++k) {
        const vehicle::AeroElement& el = v.AeroElements[static_cast<std::size_t>(k)];
        w.VehData_NewAeroDevicePosY(k).SetText(FieldText(el.PosY, 100));
        w.VehData_NewAeroDevicePosZ(k).SetText(FieldText(el.PosZ, small));
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
