#include "ui/main/editor/VehicleEditorChecks.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "files/SetupNameClash.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleCheck.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/EnginePreview.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

namespace {

using platform::TextBox;
using In = EditorInput;
using Kind = vehicle::VehicleCheckKind;

void Colour(TextBox& box, bool valid) {
    box.SetBackColor(valid ? kEditorValidColor : kEditorRefusedColor);
}

void SetFlag(In input, bool ok) { VehicleEditorChecks()[input] = core::ToVbBool(ok); }

// A box that holds a record field, the field named as the vehicle check names it.
struct FieldBox {
    std::string field;
    In flag;
    TextBox* box;
};

// The boxes of the record a store would write: the engine's or the thrust's, as the drive type
// chooses.
std::vector<FieldBox> FieldBoxes(Main& w, bool wheelDriven) {
    std::vector<FieldBox> all;
    const auto add = [&all](std::string field, In flag, TextBox& box) {
        all.push_back({std::move(field), flag, &box});
    };
    // "Axles(0).RideHeight", "RotatingMass(1)": per axle, seat or element.
    const auto each = [&add](int count, const char* array, const char* field, In flag,
                             platform::ControlArray<TextBox>& boxes) {
        for (int i = 0; i < count; ++i)
            add(std::string(array) + "(" + std::to_string(i) + ")" + field, flag, boxes(i));
    };
    add("BodyMass", In::BodyMass, *w.VehData_NewBodyMass);
    add("BodyCoG.X", In::BodyPosX, *w.VehData_NewBodyPosX);
    add("BodyCoG.Y", In::BodyPosY, *w.VehData_NewBodyPosY);
    add("BodyCoG.Z", In::BodyPosZ, *w.VehData_NewBodyPosZ);
    add("FuelTankCapacity", In::FuelTankCapacity, *w.VehData_NewFuelTankCapacity);
    add("FuelTankPos.Y", In::FuelTankPosY, *w.VehData_NewFuelTankPosY);
    add("FuelTankPos.Z", In::FuelTankPosZ, *w.VehData_NewFuelTankPosZ);
    add("RefHeight", In::RefPosZ, *w.VehData_NewRefPosZ);
    each(4, "AeroElements", ".PosY", In::AeroDevicePosY, w.VehData_NewAeroDevicePosY);
    each(4, "AeroElements", ".PosZ", In::AeroDevicePosZ, w.VehData_NewAeroDevicePosZ);
    add("FrontalArea", In::FrontalArea, *w.VehData_NewFrontalArea);
    add("DragCoefficient", In::Cd, *w.VehData_NewCd);
    add("LiftCoefficient", In::Cl, *w.VehData_NewCl);
    if (wheelDriven) {
        add("Engine.PeakTorque", In::Torque, *w.VehData_NewTorque);
        add("Engine.TorquePeakRPM", In::TorqueRPM, *w.VehData_NewTorqueRPM);
        add("Engine.TorquePeakWidth", In::TorquePeakWidth, *w.VehData_NewTorquePeakWidth);
        add("Engine.PeakPower", In::Power, *w.VehData_NewPower);
        add("Engine.PowerPeakRPM", In::PowerRPM, *w.VehData_NewPowerRPM);
        add("Engine.IdleRPM", In::IdleRPM, *w.VehData_NewIdleRPM);
        add("Engine.LimitRPM", In::LimitRPM, *w.VehData_NewLimitRPM);
        add("Engine.EngineBrakingCoeff", In::EBC, *w.VehData_NewEBC);
        add("Drivetrain.DrivetrainEfficiency", In::DrivetrainEff, *w.VehData_NewDrivetrainEff);
        add("Drivetrain.ShiftTime", In::DrivetrainShiftTime, *w.VehData_NewDrivetrainShiftTime);
    } else {
        add("Engine.PeakTorque", In::Thrust, *w.VehData_NewThrust);
        add("Engine.TorquePeakRPM", In::ThrustHeight, *w.VehData_NewThrustHeight);
    }
    each(2, "Tyres", ".Width", In::TyreWidth, w.VehData_NewTyreWidth);
    each(2, "Tyres", ".Profile", In::TyreProfile, w.VehData_NewTyreProfile);
    each(2, "Tyres", ".RimDiameter", In::WheelSize, w.VehData_NewWheelSize);
    each(2, "RotatingMass", "", In::RotMass, w.VehData_NewRotMass);
    each(2, "Axles", ".SpringMotionRatio", In::WheelSpringMR, w.VehData_NewWheelSpringMR);
    each(2, "Axles", ".ARBMotionRatio", In::WheelARBMR, w.VehData_NewWheelARBMR);
    each(2, "Axles", ".Inclination", In::Inclination, w.VehData_NewInclination);
    each(2, "Axles", ".CamberOffset", In::Camber, w.VehData_NewCamber);
    each(2, "Axles", ".UnsprungMass", In::Unsprung, w.VehData_NewUnsprung);
    each(2, "Axles", ".RideHeight", In::RideHeight, w.VehData_NewRideHeight);
    each(2, "Axles", ".TrackWidth", In::TrackWidth, w.VehData_NewTrackWidth);
    add("Wheelbase", In::Wheelbase, *w.VehData_NewWheelbase);
    add("HandicapHeight", In::HandicapPosZ, *w.VehData_NewHandicapPosZ);
    each(2, "Seats", ".X", In::PassPosX, w.VehData_PassPosX);
    each(2, "Seats", ".Y", In::PassPosY, w.VehData_PassPosY);
    each(2, "Seats", ".Z", In::PassPosZ, w.VehData_PassPosZ);
    return all;
}

// The engine-shape sliders, named as the vehicle check names their figures. They have no flag:
// a problem that names one clears the problem's own flag.
struct FieldSlider {
    const char* field;
    platform::Slider* slider;
};
std::array<FieldSlider, 6> ShapeSliders(Main& w) {
    return {{{"Engine.IdleTorqueFraction", w.VehData_NewIdleTorque},
             {"Engine.LowerShape", w.VehData_NewTCA},
             {"Engine.UpperShapeA", w.VehData_NewPCA},
             {"Engine.UpperShapeB", w.VehData_NewPWA},
             {"Engine.ReducePowerFactor", w.VehData_NewPR},
             {"Engine.ShiftPowerFactor", w.VehData_NewPS}}};
}

// The flag of a cross-check that has one of its own; the other problems clear the flags of the
// boxes they mark.
std::optional<In> CrossCheckFlag(Kind kind) {
    switch (kind) {
        case Kind::PowerBelowTorquePeak: return In::PowerAfterTorque;
        case Kind::PowerInsidePlateau: return In::PowerAfterPlateau;
        case Kind::IdleAboveTorquePeak:
        case Kind::IdleAboveLimit: return In::IdleLowest;
        case Kind::PowerNeedsMoreTorque:
        case Kind::PlateauGivesMorePower: return In::EngineFiguresAgree;
        default: return std::nullopt;
    }
}

// The name: a new vehicle needs a name, and one whose setup files no loaded vehicle's would
// share (files::SetupNameClash: the same name, blanks around it ignored and case counting, or
// one that differs only in characters a file name cannot hold), as Add would refuse it. The
// name of the vehicle being edited cannot change.
void CheckName(Main& form) {
    if (core::FromVbBool(vehicle::VehCode().EditorEditsExisting)) {
        SetFlag(In::Name, true);
        return;
    }
    const std::string& text = form.VehData_NewName->Text();
    // The record keeps 32 bytes: a name of letters outside ASCII may take more than its 32
    // characters, and cutting it would leave half a letter.
    const bool ok = !text.empty() && text.size() <= vehicle::kVehicleNameLength &&
                    files::VehiclesSharingSetupFiles(text).empty();
    Colour(*form.VehData_NewName, ok);
    SetFlag(In::Name, ok);
    ValidateVehicleEditorInputs(form);
}

// Inputs hidden for a vehicle that is not wheel driven (the store writes fixed values there).
bool HiddenWithoutWheelDrive(In i) {
    for (In e : kEngineInputs)
        if (e == i) return true;
    return i == In::DrivetrainEff || i == In::DrivetrainShiftTime || i == In::EngineFiguresAgree;
}
// Inputs hidden for a wheel-driven vehicle (the store does not read them).
bool HiddenWithWheelDrive(In i) { return i == In::Thrust || i == In::ThrustHeight; }

}  // namespace

bool EditorInputsComplete(const Main& form) {
    const bool wheelDriven = form.VehData_NewDrivetrain->ListIndex() != vehicle::kDriveThrust;
    const auto& checks = VehicleEditorChecks();
    for (std::size_t k = 0; k < kEditorInputCount; ++k) {
        const auto input = static_cast<In>(k);
        if (wheelDriven ? HiddenWithWheelDrive(input) : HiddenWithoutWheelDrive(input)) continue;
        if (!checks.Holds(input)) return false;
    }
    // A list without a choice would store an index that names nothing.
    if (form.VehData_NewDrivetrain->ListIndex() < 0 || form.VehData_MaxPass->ListIndex() < 0)
        return false;
    if (wheelDriven && (form.VehData_NewFuelType->ListIndex() < 0 ||
                        form.VehData_NewNumGears->ListIndex() < 0))
        return false;
    for (int k = 1; k <= 3; ++k)
        if (form.VehData_NewAeroDeviceType(k).ListIndex() < 0) return false;
    return true;
}

void ValidateVehicleEditorInputs(Main& form) {
    if (core::FromVbBool(vehicle::VehCode().EditorFilling)) return;
    const bool wheelDriven = form.VehData_NewDrivetrain->ListIndex() != vehicle::kDriveThrust;
    const std::vector<FieldBox> boxes = FieldBoxes(form, wheelDriven);

    // Every flag but the name's holds until a problem of the record a store would write
    // clears it; the boxes a problem names turn red.
    auto& checks = VehicleEditorChecks();
    for (std::size_t k = 0; k < kEditorInputCount; ++k)
        if (static_cast<In>(k) != In::Name) checks.Valid[k] = core::VbTrue;
    std::vector<const platform::Control*> refused;
    bool allShown = true;  // every problem marks a box or slider
    const vehicle::VehicleRecord toStore = VehicleToStore(form);
    const std::array<FieldSlider, 6> sliders = ShapeSliders(form);
    const std::vector<vehicle::VehicleProblem> problems = vehicle::FindVehicleProblems(toStore);
    for (const vehicle::VehicleProblem& p : problems) {
        const std::optional<In> own = CrossCheckFlag(p.Kind);
        if (own) SetFlag(*own, false);
        const auto names = [&p](const std::string& field) {
            return std::find(p.Fields.begin(), p.Fields.end(), field) != p.Fields.end();
        };
        bool shown = false;
        for (const FieldBox& b : boxes) {
            if (!names(b.field)) continue;
            refused.push_back(b.box);
            if (!own) SetFlag(b.flag, false);
            shown = true;
        }
        if (wheelDriven) {
            for (const FieldSlider& s : sliders) {
                if (!names(s.field)) continue;
                refused.push_back(s.slider);
                shown = true;
            }
        }
        allShown = allShown && shown;
    }
    // The thrust and its height take a number and nothing else (an empty box gives no thrust).
    if (!wheelDriven) {
        for (const FieldBox& b : boxes) {
            if ((b.flag == In::Thrust || b.flag == In::ThrustHeight) &&
                !core::ReadTypedNumber(b.box->Text()).Whole) {
                refused.push_back(b.box);
                SetFlag(b.flag, false);
            }
        }
    }
    const auto isRefused = [&refused](const platform::Control* c) {
        return std::find(refused.begin(), refused.end(), c) != refused.end();
    };
    for (const FieldBox& b : boxes) Colour(*b.box, !isRefused(b.box));
    for (const FieldSlider& s : sliders)
        s.slider->SetBackColor(isRefused(s.slider) ? kEditorRefusedColor : kEditorSliderColor);

    // The preview draws the engine the figures give, with the refusal of figures that
    // contradict each other, once every engine box and speed is in order.
    PreviewEngineEdits(form, toStore, problems);
    form.VehData_DynoThrottle->SetEnabled(
        core::FromVbBool(vehicle::EngineCode().MatrixInverseOK) && CountEngineInputErrors() == 0);
    const bool complete = allShown && EditorInputsComplete(form);
    form.VehData_AddVeh->SetEnabled(complete);
    form.VehData_UpdateVeh->SetEnabled(complete);
}

void InstallVehicleEditorChecks(Main& form) {
    Main* f = &form;
    form.VehData_NewName->Change = [f] { CheckName(*f); };
    // Every other box: what the user changed holds the figure typed, and the whole record is
    // judged again.
    std::vector<TextBox*> figures;
    for (const FieldBox& b : FieldBoxes(form, true)) figures.push_back(b.box);
    figures.push_back(form.VehData_NewThrust);
    figures.push_back(form.VehData_NewThrustHeight);
    for (TextBox* box : figures) {
        box->Change = [f, box] {
            if (!core::FromVbBool(vehicle::VehCode().EditorFilling)) ForgetFilledFigure(*box);
            ValidateVehicleEditorInputs(*f);
        };
    }

    // The lists have no check of their own, but the store needs a choice in each.
    const auto recheck = [f] {
        if (core::FromVbBool(vehicle::VehCode().EditorOpen)) ValidateVehicleEditorInputs(*f);
    };
    form.VehData_NewFuelType->Click = recheck;
    form.VehData_NewNumGears->Click = recheck;
    form.VehData_MaxPass->Click = recheck;
    form.VehData_NewAeroDeviceType.ForEach(
        [recheck](int, platform::ComboBox& box) { box.Click = recheck; });
}

}  // namespace ui
