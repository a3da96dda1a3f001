#include "ui/main/editor/VehicleEditorChecks.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
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
#include "ui/main/form/EngineControls.hpp"

namespace ui {

namespace {

using platform::TextBox;
using In = EditorInput;
using Kind = vehicle::VehicleCheckKind;

void Colour(TextBox& box, bool valid) {
    box.SetBackColor(valid ? kEditorValidColor : kEditorRefusedColor);
}

void SetFlag(In input, bool ok) { VehicleEditorChecks()[input] = core::ToVbBool(ok); }

// Which drive types show a box: every one, the wheel-driven ones (the engine's boxes) or the
// one that is not (the thrust's, which hold the engine's first two fields).
enum class ShownFor : uint8_t { Every, WheelDriven, ThrustDriven };

// A box that holds a record field, the field named as the vehicle check names it; a box of an
// array is its element `index`. A table of constants: a check looks the boxes up and builds
// nothing. The engine's boxes and sliders are the engine controls' (EngineControls.hpp).
struct FieldBox {
    std::string_view field;
    In flag;
    TextBox* Main::*single = nullptr;
    platform::ControlArray<TextBox> Main::*array = nullptr;
    int index = 0;
    ShownFor shown = ShownFor::Every;

    TextBox& Of(Main& w) const { return single ? *(w.*single) : (w.*array)(index); }
    bool ShownWith(bool wheelDriven) const {
        return shown == ShownFor::Every || (shown == ShownFor::WheelDriven) == wheelDriven;
    }
};

constexpr FieldBox One(std::string_view field, In flag, TextBox* Main::*box,
                       ShownFor shown = ShownFor::Every) {
    return {field, flag, box, nullptr, 0, shown};
}
constexpr FieldBox Element(const char* field, In flag, platform::ControlArray<TextBox> Main::*array,
                           int index) {
    return {field, flag, nullptr, array, index};
}

constexpr ShownFor kEngine = ShownFor::WheelDriven;
constexpr ShownFor kThrust = ShownFor::ThrustDriven;

// The boxes of the record a store would write.
constexpr FieldBox kFieldBoxes[] = {
    One("BodyMass", In::BodyMass, &Main::VehData_NewBodyMass),
    One("BodyCoG.X", In::BodyPosX, &Main::VehData_NewBodyPosX),
    One("BodyCoG.Y", In::BodyPosY, &Main::VehData_NewBodyPosY),
    One("BodyCoG.Z", In::BodyPosZ, &Main::VehData_NewBodyPosZ),
    One("FuelTankCapacity", In::FuelTankCapacity, &Main::VehData_NewFuelTankCapacity),
    One("FuelTankPos.Y", In::FuelTankPosY, &Main::VehData_NewFuelTankPosY),
    One("FuelTankPos.Z", In::FuelTankPosZ, &Main::VehData_NewFuelTankPosZ),
    One("RefHeight", In::RefPosZ, &Main::VehData_NewRefPosZ),
    Element("AeroElements(0).PosY", In::AeroDevicePosY, &Main::VehData_NewAeroDevicePosY, 0),
    Element("AeroElements(1).PosY", In::AeroDevicePosY, &Main::VehData_NewAeroDevicePosY, 1),
    Element("AeroElements(2).PosY", In::AeroDevicePosY, &Main::VehData_NewAeroDevicePosY, 2),
    Element("AeroElements(3).PosY", In::AeroDevicePosY, &Main::VehData_NewAeroDevicePosY, 3),
    Element("AeroElements(0).PosZ", In::AeroDevicePosZ, &Main::VehData_NewAeroDevicePosZ, 0),
    Element("AeroElements(1).PosZ", In::AeroDevicePosZ, &Main::VehData_NewAeroDevicePosZ, 1),
    Element("AeroElements(2).PosZ", In::AeroDevicePosZ, &Main::VehData_NewAeroDevicePosZ, 2),
    Element("AeroElements(3).PosZ", In::AeroDevicePosZ, &Main::VehData_NewAeroDevicePosZ, 3),
    One("FrontalArea", In::FrontalArea, &Main::VehData_NewFrontalArea),
    One("DragCoefficient", In::Cd, &Main::VehData_NewCd),
    One("LiftCoefficient", In::Cl, &Main::VehData_NewCl),
    One("Drivetrain.DrivetrainEfficiency", In::DrivetrainEff, &Main::VehData_NewDrivetrainEff,
        kEngine),
    One("Drivetrain.ShiftTime", In::DrivetrainShiftTime, &Main::VehData_NewDrivetrainShiftTime,
        kEngine),
    // A vehicle that is not wheel driven holds its thrust and its height in the engine's first
    // two figures.
    One(vehicle::fields::PeakTorque.Name, In::Thrust, &Main::VehData_NewThrust, kThrust),
    One(vehicle::fields::TorquePeakRPM.Name, In::ThrustHeight, &Main::VehData_NewThrustHeight,
        kThrust),
    Element("Tyres(0).Width", In::TyreWidth, &Main::VehData_NewTyreWidth, 0),
    Element("Tyres(1).Width", In::TyreWidth, &Main::VehData_NewTyreWidth, 1),
    Element("Tyres(0).Profile", In::TyreProfile, &Main::VehData_NewTyreProfile, 0),
    Element("Tyres(1).Profile", In::TyreProfile, &Main::VehData_NewTyreProfile, 1),
    Element("Tyres(0).RimDiameter", In::WheelSize, &Main::VehData_NewWheelSize, 0),
    Element("Tyres(1).RimDiameter", In::WheelSize, &Main::VehData_NewWheelSize, 1),
    Element("RotatingMass(0)", In::RotMass, &Main::VehData_NewRotMass, 0),
    Element("RotatingMass(1)", In::RotMass, &Main::VehData_NewRotMass, 1),
    Element("Axles(0).SpringMotionRatio", In::WheelSpringMR, &Main::VehData_NewWheelSpringMR, 0),
    Element("Axles(1).SpringMotionRatio", In::WheelSpringMR, &Main::VehData_NewWheelSpringMR, 1),
    Element("Axles(0).ARBMotionRatio", In::WheelARBMR, &Main::VehData_NewWheelARBMR, 0),
    Element("Axles(1).ARBMotionRatio", In::WheelARBMR, &Main::VehData_NewWheelARBMR, 1),
    Element("Axles(0).Inclination", In::Inclination, &Main::VehData_NewInclination, 0),
    Element("Axles(1).Inclination", In::Inclination, &Main::VehData_NewInclination, 1),
    Element("Axles(0).CamberOffset", In::Camber, &Main::VehData_NewCamber, 0),
    Element("Axles(1).CamberOffset", In::Camber, &Main::VehData_NewCamber, 1),
    Element("Axles(0).UnsprungMass", In::Unsprung, &Main::VehData_NewUnsprung, 0),
    Element("Axles(1).UnsprungMass", In::Unsprung, &Main::VehData_NewUnsprung, 1),
    Element("Axles(0).RideHeight", In::RideHeight, &Main::VehData_NewRideHeight, 0),
    Element("Axles(1).RideHeight", In::RideHeight, &Main::VehData_NewRideHeight, 1),
    Element("Axles(0).TrackWidth", In::TrackWidth, &Main::VehData_NewTrackWidth, 0),
    Element("Axles(1).TrackWidth", In::TrackWidth, &Main::VehData_NewTrackWidth, 1),
    One("Wheelbase", In::Wheelbase, &Main::VehData_NewWheelbase),
    One("HandicapHeight", In::HandicapPosZ, &Main::VehData_NewHandicapPosZ),
    Element("Seats(0).X", In::PassPosX, &Main::VehData_PassPosX, 0),
    Element("Seats(1).X", In::PassPosX, &Main::VehData_PassPosX, 1),
    Element("Seats(0).Y", In::PassPosY, &Main::VehData_PassPosY, 0),
    Element("Seats(1).Y", In::PassPosY, &Main::VehData_PassPosY, 1),
    Element("Seats(0).Z", In::PassPosZ, &Main::VehData_PassPosZ, 0),
    Element("Seats(1).Z", In::PassPosZ, &Main::VehData_PassPosZ, 1),
};

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
    return IsEngineInput(i) || i == In::DrivetrainEff || i == In::DrivetrainShiftTime ||
           i == In::EngineFiguresAgree;
}
// Inputs hidden for a wheel-driven vehicle (the store does not read them).
bool HiddenWithWheelDrive(In i) { return i == In::Thrust || i == In::ThrustHeight; }

// Calls f(list, needed) for each list the store reads: `needed` when the store needs a choice
// in it for the editor's drive type (the fuel type and the number of gears only for a
// wheel-driven vehicle).
template <typename F>
void ForEachStoredList(const Main& form, F&& f) {
    const bool wheelDriven = form.VehData_NewDrivetrain->ListIndex() != vehicle::kDriveThrust;
    f(*form.VehData_NewDrivetrain, true);
    f(*form.VehData_MaxPass, true);
    f(*form.VehData_NewFuelType, wheelDriven);
    f(*form.VehData_NewNumGears, wheelDriven);
    for (int k = 1; k <= 3; ++k) f(form.VehData_NewAeroDeviceType(k), true);
}

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
    bool chosen = true;
    ForEachStoredList(form, [&chosen](const platform::ComboBox& list, bool needed) {
        chosen = chosen && !(needed && list.ListIndex() < 0);
    });
    return chosen;
}

void ValidateVehicleEditorInputs(Main& form) {
    if (core::FromVbBool(vehicle::VehCode().EditorFilling)) return;
    const bool wheelDriven = form.VehData_NewDrivetrain->ListIndex() != vehicle::kDriveThrust;

    // Every flag but the name's holds until a problem of the record a store would write
    // clears it; the boxes a problem names turn red.
    auto& checks = VehicleEditorChecks();
    for (std::size_t k = 0; k < kEditorInputCount; ++k)
        if (static_cast<In>(k) != In::Name) checks.Valid[k] = core::VbTrue;
    std::vector<const platform::Control*> refused;
    bool allShown = true;  // every problem marks a box or slider
    const vehicle::VehicleRecord toStore = VehicleToStore(form);
    const std::vector<vehicle::VehicleProblem> problems = vehicle::FindVehicleProblems(toStore);
    for (const vehicle::VehicleProblem& p : problems) {
        const std::optional<In> own = CrossCheckFlag(p.Kind);
        if (own) SetFlag(*own, false);
        const auto names = [&p](std::string_view field) {
            return std::find(p.Fields.begin(), p.Fields.end(), field) != p.Fields.end();
        };
        bool shown = false;
        for (const FieldBox& b : kFieldBoxes) {
            if (!b.ShownWith(wheelDriven) || !names(b.field)) continue;
            refused.push_back(&b.Of(form));
            if (!own) SetFlag(b.flag, false);
            shown = true;
        }
        // A slider has no flag: a problem that names one clears the problem's own flag.
        for (const EngineControl* c : kEngineControls) {
            if (!wheelDriven || !names(c->Field->Name)) continue;
            if (c->Box) {
                refused.push_back(form.*(c->Box));
                if (!own) SetFlag(c->Flag, false);
            } else {
                refused.push_back(form.*(c->Slider));
            }
            shown = true;
        }
        allShown = allShown && shown;
    }
    // The thrust and its height take a number and nothing else after it ("3x" is refused). A
    // thrust car's own box, emptied (no number at all), reads as the 0 it stands for, as every
    // box but an engine's does, and both ranges take it. The boxes of a car given thrust here
    // (or of a new car copied from one with an engine) come up empty and ask for their
    // figures: an untouched 0 N would store a car that never moves.
    if (!wheelDriven) {
        const bool ownThrust =
            core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType == vehicle::kDriveThrust;
        for (const FieldBox& b : kFieldBoxes) {
            if (b.shown != ShownFor::ThrustDriven) continue;
            TextBox& box = b.Of(form);
            const core::TypedNumber typed = core::ReadTypedNumber(box.Text());
            if (typed.Whole || (ownThrust && !typed.Found)) continue;
            refused.push_back(&box);
            SetFlag(b.flag, false);
        }
    }
    const auto isRefused = [&refused](const platform::Control* c) {
        return std::find(refused.begin(), refused.end(), c) != refused.end();
    };
    for (const FieldBox& b : kFieldBoxes) {
        if (!b.ShownWith(wheelDriven)) continue;
        TextBox& box = b.Of(form);
        Colour(box, !isRefused(&box));
    }
    for (const EngineControl* c : kEngineControls) {
        if (c->Box) {
            if (wheelDriven) Colour(*(form.*(c->Box)), !isRefused(form.*(c->Box)));
        } else {
            platform::Slider* s = form.*(c->Slider);
            s->SetBackColor(isRefused(s) ? kEditorRefusedColor : kEditorSliderColor);
        }
    }
    // A list the store needs a choice in, without one, is marked as a refused box is.
    ForEachStoredList(form, [](platform::ComboBox& list, bool needed) {
        list.SetBackColor(needed && list.ListIndex() < 0 ? kEditorRefusedColor
                                                         : kEditorValidColor);
    });

    // The preview draws the engine the figures give, with the refusal of figures that
    // contradict each other, once every engine box and speed is in order; until then it says
    // which rules the red boxes break.
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
    const auto judgeOnChange = [f](TextBox* box) {
        box->Change = [f, box] {
            if (!core::FromVbBool(vehicle::VehCode().EditorFilling)) ForgetFilledFigure(*box);
            ValidateVehicleEditorInputs(*f);
        };
    };
    for (const FieldBox& b : kFieldBoxes) judgeOnChange(&b.Of(form));
    for (const EngineControl* c : kEngineControls)
        if (c->Box) judgeOnChange(form.*(c->Box));

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
