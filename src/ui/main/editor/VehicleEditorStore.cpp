// Storing the edited vehicle: the edit controls back into a record, added to the list or
// written over the edited vehicle, announced and selected. A vehicle whose setup files another
// loaded vehicle's would share is refused, and the editor stays open.
#include "ui/main/editor/VehicleEditor.hpp"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/FileMessages.hpp"
#include "files/SetupNameClash.hpp"
#include "platform/Services.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleFieldRanges.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/form/EngineControls.hpp"

namespace ui {

namespace {

using platform::TextBox;

// A box's record figure (EditorFilledFigures.hpp); engine speeds: an angular velocity in the
// box, rpm in the record.
float Divided(const TextBox& box, double factor) { return BoxFigure(box, factor); }
float Single(const TextBox& box) { return BoxFigure(box, 1.0); }
float Rpm(const TextBox& box) { return SpeedBoxFigure(box); }

// The figure of an engine box of a wheel-driven vehicle. One that holds no figure gives NaN,
// which no range takes: read as 0, an empty torque peak or idle speed would store an engine
// turning at 0 rad/s that nobody typed. The other boxes read such a text as 0, judged by their
// ranges.
float EngineBoxFigure(const Main& w, const EngineControl& c) {
    const TextBox& box = *(w.*(c.Box));
    if (HoldsNoFigure(box)) return std::numeric_limits<float>::quiet_NaN();
    return c.ShowsSpeed() ? Rpm(box) : Divided(box, c.UnitFactor());
}

uint8_t Index8(const platform::ComboBox& box) { return static_cast<uint8_t>(box.ListIndex()); }
double N(const TextBox& box) { return core::TypedVal(box.Text()); }

// Whether the check takes the engine and drive-train figures a thrust-driven vehicle holds
// besides its thrust and height (those the editor shows no box for): it names none of them.
bool HiddenThrustFiguresTaken(const vehicle::VehicleRecord& v) {
    const auto hidden = [](const std::string& field) {
        return (field.starts_with("Engine.") && field != vehicle::fields::PeakTorque.Name &&
                field != vehicle::fields::TorquePeakRPM.Name) ||
               (field.starts_with("Drivetrain.") && field != "Drivetrain.DriveType");
    };
    const std::vector<std::string> refused = vehicle::FieldsOutOfRange(v);
    return std::none_of(refused.begin(), refused.end(), hidden);
}

// The first loaded vehicle of exactly this name (all 32 characters), or -1.
int IndexOfVehicle(const std::string& paddedName) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    for (std::size_t i = 0; i < vehicles.size(); ++i)
        if (vehicles[i].Name == paddedName) return static_cast<int>(i);
    return -1;
}

}  // namespace

vehicle::VehicleRecord ReadEditedVehicle(const Main& w, const vehicle::VehicleRecord& base) {
    vehicle::VehicleRecord v = base;
    const auto& u = core::OptionsSettings();
    const double small = u.UnitFactorDistanceSmall;
    vehicle::SetVehicleName(v, w.VehData_NewName->Text());

    v.BodyMass = Divided(*w.VehData_NewBodyMass, u.UnitFactorMass);
    v.BodyCoG.X = Divided(*w.VehData_NewBodyPosX, 100);
    v.BodyCoG.Y = Divided(*w.VehData_NewBodyPosY, 100);
    v.BodyCoG.Z = Divided(*w.VehData_NewBodyPosZ, small);
    v.HandicapHeight = Divided(*w.VehData_NewHandicapPosZ, small);
    v.FuelTankCapacity = Divided(*w.VehData_NewFuelTankCapacity, u.UnitFactorVolume);
    v.FuelTankPos.Y = Divided(*w.VehData_NewFuelTankPosY, 100);
    v.FuelTankPos.Z = Divided(*w.VehData_NewFuelTankPosZ, small);
    v.RefHeight = Divided(*w.VehData_NewRefPosZ, small);
    v.MaxPassengers = core::CByte(core::TypedVal(w.VehData_MaxPass->Text()));
    for (int s = 0; s <= 1; ++s) {
        vehicle::PositionXYZ& seat = v.Seats[static_cast<std::size_t>(s)];
        seat.X = Divided(w.VehData_PassPosX(s), 100);
        seat.Y = Divided(w.VehData_PassPosY(s), 100);
        seat.Z = Divided(w.VehData_PassPosZ(s), small);
    }

    v.Drivetrain.DriveType = Index8(*w.VehData_NewDrivetrain);
    vehicle::EngineFigures& e = v.Engine;
    if (v.Drivetrain.DriveType != vehicle::kDriveThrust) {
        for (const EngineControl* c : kEngineControls) {
            float& figure = e.*(c->Field->Figure);
            if (c->Slider) {
                const platform::Slider& s = *(w.*(c->Slider));
                figure = SliderFigure(s, c->Field->Slider->Figure(s.Value()));
            } else {
                figure = EngineBoxFigure(w, *c);
            }
        }
        e.FuelType = Index8(*w.VehData_NewFuelType);
        v.Drivetrain.DrivetrainEfficiency = Divided(*w.VehData_NewDrivetrainEff, 100);
        v.Drivetrain.NumGears = core::CByte(core::TypedVal(w.VehData_NewNumGears->Text()));
        v.Drivetrain.HasReverse = core::ToVbBool(w.VehData_NewRevGear->Value() != 0);
        v.Drivetrain.ShiftTime = Divided(*w.VehData_NewDrivetrainShiftTime, 1000);
    } else {
        // Thrust (N) and its height (m) in the engine's first two figures. The figures without
        // a box stay the vehicle's own when it was thrust driven before and the check takes
        // them: an unchanged store changes nothing. A vehicle the editor makes thrust driven (a
        // new one, or one whose drive type was changed to thrust) gets the fixed ones. Its fuel
        // still weighs: it is the one its list holds (the vehicle's own until changed; with no
        // choice there, the vehicle's own, and a new vehicle's first).
        e.PeakTorque = Divided(*w.VehData_NewThrust, u.UnitFactorForce);
        e.TorquePeakRPM = Divided(*w.VehData_NewThrustHeight, small);
        if (w.VehData_NewFuelType->ListIndex() >= 0) e.FuelType = Index8(*w.VehData_NewFuelType);
        if (base.Drivetrain.DriveType != vehicle::kDriveThrust || !HiddenThrustFiguresTaken(v))
            vehicle::SetThrustOnlyFigures(v);
    }

    for (int a = 0; a <= 1; ++a) {
        const auto i = static_cast<std::size_t>(a);
        v.Tyres[i].Width = core::CInt(N(w.VehData_NewTyreWidth(a)));
        v.Tyres[i].Profile = core::CByte(N(w.VehData_NewTyreProfile(a)));
        v.Tyres[i].RimDiameter = core::CByte(N(w.VehData_NewWheelSize(a)));
        v.RotatingMass[i] = Divided(w.VehData_NewRotMass(a), u.UnitFactorMass);
        vehicle::AxleSuspension& x = v.Axles[i];
        x.SpringMotionRatio = Single(w.VehData_NewWheelSpringMR(a));
        x.ARBMotionRatio = Single(w.VehData_NewWheelARBMR(a));
        x.Inclination = Divided(w.VehData_NewInclination(a), u.UnitFactorAngle);
        x.CamberOffset = Divided(w.VehData_NewCamber(a), u.UnitFactorAngle);
        x.UnsprungMass = Divided(w.VehData_NewUnsprung(a), u.UnitFactorMass);
        x.RideHeight = Divided(w.VehData_NewRideHeight(a), small);
        x.TrackWidth = Divided(w.VehData_NewTrackWidth(a), small);
    }
    v.Wheelbase = Divided(*w.VehData_NewWheelbase, small);
    v.FrontalArea = Divided(*w.VehData_NewFrontalArea, u.UnitFactorArea);
    v.DragCoefficient = Single(*w.VehData_NewCd);
    v.LiftCoefficient = Single(*w.VehData_NewCl);
    for (int k = 0; k <= 3; ++k) {
        vehicle::AeroElement& el = v.AeroElements[static_cast<std::size_t>(k)];
        el.PosY = Divided(w.VehData_NewAeroDevicePosY(k), 100);
        el.PosZ = Divided(w.VehData_NewAeroDevicePosZ(k), small);
        if (k >= 1) el.DeviceType = w.VehData_NewAeroDeviceType(k).ListIndex();
    }
    return v;
}

vehicle::VehicleRecord VehicleToStore(const Main& w) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    if (core::FromVbBool(vehicle::VehCode().EditorEditsExisting)) {
        const int target = IndexOfVehicle(vehicle::PaddedVehicleName(w.VehData_NewName->Text()));
        if (target >= 0) return ReadEditedVehicle(w, vehicles[static_cast<std::size_t>(target)]);
    }
    return ReadEditedVehicle(w, vehicle::VehicleRecord{});
}

void StoreEditedVehicle(Main& w) {
    auto& g = core::GlobalChassisLab();
    const auto& texts = core::TextTable();
    const bool update = core::FromVbBool(vehicle::VehCode().EditorEditsExisting);
    const std::string name = vehicle::PaddedVehicleName(w.VehData_NewName->Text());

    if (update) {
        const int target = IndexOfVehicle(name);
        if (target < 0) {
            platform::MsgBox("No loaded vehicle is named \"" + core::Trim(name) +
                                 "\"; the vehicle was not updated.",
                             platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                             texts.MsgTitleProblem);
            return;
        }
        const auto index = static_cast<std::size_t>(target);
        if (const std::string clash = files::SetupNameClash(name, index); !clash.empty()) {
            files::ShowFileProblem(clash);
            return;
        }
        vehicle::VehicleRecord& element = g.Vehicles[index];
        element = ReadEditedVehicle(w, element);
        platform::MsgBox(texts.UpdatedVehicleText + core::TrimRight(element.Name), platform::MsgButtons::OK,
                         platform::MsgIcon::Information);
    } else {
        if (vehicle::VehicleListFull()) {
            platform::MsgBox(texts.VehicleLimitText);
            return;
        }
        if (const std::string clash = files::SetupNameClash(name); !clash.empty()) {
            files::ShowFileProblem(clash);
            return;
        }
        if (g.VehicleCount == 0) g.FormLoading = core::VbFalse;
        // A new vehicle starts from zeros: the fields the editor does not hold stay 0.
        const vehicle::VehicleRecord record = ReadEditedVehicle(w, vehicle::VehicleRecord{});
        vehicle::AppendVehicle(record);
        w.Main_SelectVeh->AddItem(record.Name);
        platform::MsgBox(texts.AddedVehicleText + core::TrimRight(record.Name), platform::MsgButtons::OK,
                         platform::MsgIcon::Information);
    }

    // Selecting it recomputes every analysis; the editor is still open, so an updated vehicle
    // keeps the present setup and a new one gets its default setup.
    w.Main_SelectVeh->SetText(name);
    CloseVehicleEditor(w);
}

}  // namespace ui
