#include "ui/main/editor/VehicleEditorChecks.hpp"

#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/EngineSpeedOrder.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleFieldRanges.hpp"
#include "ui/main/editor/EnginePreview.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

namespace {

using platform::TextBox;
using vehicle::FieldRange;
namespace rg = vehicle::ranges;
using In = EditorInput;

// A box's number: the leading number of its text, 0 when there is none.
double N(const TextBox& box) { return core::TypedVal(box.Text()); }

const auto& Units() { return core::OptionsSettings(); }

void Colour(TextBox& box, bool valid) {
    box.SetBackColor(valid ? kEditorValidColor : kEditorRefusedColor);
}

// The common check: the box's value divided by its unit factor lies in the range.
bool Check(TextBox& box, double unitFactor, const FieldRange& range) {
    const bool ok = range.Accepts(N(box) / unitFactor);
    Colour(box, ok);
    return ok;
}

void SetFlag(In input, bool ok) { VehicleEditorChecks()[input] = core::ToVbBool(ok); }

// A single box: check, flag, then the cross-checks.
void CheckSingle(Main& form, TextBox& box, double unitFactor, const FieldRange& range, In input) {
    SetFlag(input, Check(box, unitFactor, range));
    ValidateVehicleEditorInputs(form);
}

// A box array: every element is checked and coloured whichever one changed; the flag holds
// only when all pass.
template <typename RangeOf>
bool CheckEach(const platform::ControlArray<TextBox>& boxes, double unitFactor, RangeOf rangeOf) {
    bool all = true;
    boxes.ForEach([&](int i, TextBox& box) {
        if (!Check(box, unitFactor, rangeOf(i))) all = false;
    });
    return all;
}

void CheckArray(Main& form, const platform::ControlArray<TextBox>& boxes, double unitFactor,
                const FieldRange& range, In input) {
    SetFlag(input, CheckEach(boxes, unitFactor, [&](int) -> const FieldRange& { return range; }));
    ValidateVehicleEditorInputs(form);
}

// The thrust and its height: a number and nothing else (an empty box gives no thrust), within
// what the box's length lets the user type. Both boxes are checked whichever one changed.
bool CheckNumber(TextBox& box, double unitFactor, const FieldRange& range) {
    const core::TypedNumber n = core::ReadTypedNumber(box.Text());
    const bool ok = n.Whole && range.Accepts(n.Value / unitFactor);
    Colour(box, ok);
    return ok;
}

void CheckPropulsion(Main& form) {
    SetFlag(In::Thrust,
            CheckNumber(*form.VehData_NewThrust, Units().UnitFactorForce, rg::Thrust));
    SetFlag(In::ThrustHeight, CheckNumber(*form.VehData_NewThrustHeight,
                                          Units().UnitFactorDistanceSmall, rg::ThrustHeight));
}

// Rotating mass per wheel: in range, and at most half the axle's unsprung mass (compared in
// display units, both boxes showing masses).
void CheckRotatingMass(Main& form) {
    const double factor = Units().UnitFactorMass;
    bool all = true;
    for (int a = 0; a <= 1; ++a) {
        TextBox& rot = form.VehData_NewRotMass(a);
        bool ok = rg::RotatingMass.Accepts(N(rot) / factor);
        if (ok && vehicle::LargestRotatingMass(N(form.VehData_NewUnsprung(a))) < N(rot))
            ok = false;
        Colour(rot, ok);
        if (!ok) all = false;
    }
    SetFlag(In::RotMass, all);
}

// Unsprung mass per axle: in range, and at most the axle's share of the body mass; then the
// rotating masses again, which are bounded by it.
void CheckUnsprungMass(Main& form) {
    const double factor = Units().UnitFactorMass;
    const double body = N(*form.VehData_NewBodyMass);
    const double front = N(*form.VehData_NewBodyPosY) / 100.0;
    bool all = true;
    for (int a = 0; a <= 1; ++a) {
        TextBox& box = form.VehData_NewUnsprung(a);
        const double u = N(box) / factor;
        bool ok = rg::UnsprungMass.Accepts(u);
        if (ok && vehicle::BodyMassOnAxle(body, front, a) / factor < u) ok = false;
        Colour(box, ok);
        if (!ok) all = false;
    }
    SetFlag(In::Unsprung, all);
    CheckRotatingMass(form);
}

// The name: a new vehicle needs a name, and one that no loaded vehicle has (trailing blanks
// ignored, case counts). The name of the vehicle being edited cannot change.
void CheckName(Main& form) {
    if (core::FromVbBool(vehicle::VehCode().EditorEditsExisting)) {
        SetFlag(In::Name, true);
        return;
    }
    const std::string& text = form.VehData_NewName->Text();
    // The record keeps 32 bytes: a name of letters outside ASCII may take more than its 32
    // characters, and cutting it would leave half a letter.
    bool ok = !text.empty() && text.size() <= vehicle::kVehicleNameLength;
    if (ok) {
        const std::string typed = core::TrimRight(text);
        for (const auto& v : core::GlobalChassisLab().Vehicles) {
            if (core::TrimRight(v.Name) == typed) {
                ok = false;
                break;
            }
        }
    }
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
    auto& checks = VehicleEditorChecks();
    // The filling writes the propulsion boxes only for a vehicle that is not wheel driven: a
    // new vehicle copied from one that is shows them empty, and red, once that type is chosen.
    CheckPropulsion(form);

    // Display values: the five speed boxes share one unit, so no factor is needed.
    TextBox& torqueBox = *form.VehData_NewTorqueRPM;
    TextBox& powerBox = *form.VehData_NewPowerRPM;
    TextBox& widthBox = *form.VehData_NewTorquePeakWidth;
    TextBox& idleBox = *form.VehData_NewIdleRPM;
    TextBox& limitBox = *form.VehData_NewLimitRPM;
    const vehicle::EngineSpeedConflicts order = vehicle::FindEngineSpeedConflicts(
        N(torqueBox), N(widthBox), N(powerBox), N(idleBox), N(limitBox));
    const bool powerBeforeTorque = order.PowerBelowTorquePeak;
    const bool powerInPlateau = order.PowerInsidePlateau;
    const bool idleAboveTorque = order.IdleAboveTorquePeak;
    const bool idleAboveLimit = order.IdleAboveLimit;  // reported once, torque first
    SetFlag(In::PowerAfterTorque, !powerBeforeTorque);
    SetFlag(In::PowerAfterPlateau, !powerInPlateau);
    SetFlag(In::IdleLowest, !idleAboveTorque && !idleAboveLimit);

    // The preview builds the engine; figures that contradict each other mark the boxes they
    // come from: a power that needs more than the peak torque marks the power, its speed and
    // the peak torque; a plateau that gives more than the peak power marks the peak torque,
    // the plateau's start and width, and the power.
    const vehicle::EngineFigureConflicts conflicts = PreviewEngineEdits(form);
    const bool byPower = conflicts.PowerNeedsMoreTorque();
    const bool byPlateau = conflicts.PlateauGivesMorePower();
    SetFlag(In::EngineFiguresAgree, !conflicts.Any());

    // Every speed box from its own check and the cross-checks that name it, so a conflict
    // resolved from one box clears the mark on the other box too.
    Colour(torqueBox,
           checks.Holds(In::TorqueRPM) && !powerBeforeTorque && !idleAboveTorque && !byPlateau);
    Colour(powerBox,
           checks.Holds(In::PowerRPM) && !powerBeforeTorque && !powerInPlateau && !byPower);
    Colour(widthBox, checks.Holds(In::TorquePeakWidth) && !powerInPlateau && !byPlateau);
    Colour(idleBox, checks.Holds(In::IdleRPM) && !idleAboveTorque && !idleAboveLimit);
    Colour(limitBox, checks.Holds(In::LimitRPM) && !idleAboveLimit);
    Colour(*form.VehData_NewPower, checks.Holds(In::Power) && !byPower && !byPlateau);
    Colour(*form.VehData_NewTorque, checks.Holds(In::Torque) && !byPower && !byPlateau);

    form.VehData_DynoThrottle->SetEnabled(
        core::FromVbBool(vehicle::EngineCode().MatrixInverseOK) && CountEngineInputErrors() == 0);
    const bool complete = EditorInputsComplete(form);
    form.VehData_AddVeh->SetEnabled(complete);
    form.VehData_UpdateVeh->SetEnabled(complete);
}

void InstallVehicleEditorChecks(Main& form) {
    Main* f = &form;
    // The ranges are program-wide constants; the handlers keep pointers to them.
    const auto single = [f](TextBox* box, double core::UnitSystem::*factor,
                            const FieldRange& range, In input) {
        const FieldRange* r = &range;
        box->Change = [f, box, factor, r, input] {
            CheckSingle(*f, *box, factor ? Units().*factor : 1.0, *r, input);
        };
    };
    const auto array = [f](platform::ControlArray<TextBox>& boxes,
                           double core::UnitSystem::*factor, const FieldRange& range, In input) {
        const platform::ControlArray<TextBox>* arr = &boxes;
        const FieldRange* r = &range;
        boxes.ForEach([=](int, TextBox& box) {
            box.Change = [f, arr, factor, r, input] {
                CheckArray(*f, *arr, factor ? Units().*factor : 1.0, *r, input);
            };
        });
    };
    using U = core::UnitSystem;
    constexpr double U::*kNone = nullptr;

    form.VehData_NewName->Change = [f] { CheckName(*f); };
    // Body mass and front share bound the wheel masses: both re-check all four.
    form.VehData_NewBodyMass->Change = [f] {
        SetFlag(In::BodyMass, Check(*f->VehData_NewBodyMass, Units().UnitFactorMass, rg::BodyMass));
        CheckUnsprungMass(*f);
        ValidateVehicleEditorInputs(*f);
    };
    single(form.VehData_NewBodyPosX, kNone, rg::BodyPosX, In::BodyPosX);
    form.VehData_NewBodyPosY->Change = [f] {
        SetFlag(In::BodyPosY, Check(*f->VehData_NewBodyPosY, 1.0, rg::BodyPosY));
        CheckUnsprungMass(*f);
        ValidateVehicleEditorInputs(*f);
    };
    single(form.VehData_NewBodyPosZ, &U::UnitFactorDistanceSmall, rg::Height, In::BodyPosZ);
    single(form.VehData_NewRefPosZ, &U::UnitFactorDistanceSmall, rg::Height, In::RefPosZ);
    single(form.VehData_NewFuelTankCapacity, &U::UnitFactorVolume, rg::FuelTankCapacity,
           In::FuelTankCapacity);
    single(form.VehData_NewFuelTankPosY, kNone, rg::FuelTankPosY, In::FuelTankPosY);
    single(form.VehData_NewFuelTankPosZ, &U::UnitFactorDistanceSmall, rg::Height,
           In::FuelTankPosZ);
    array(form.VehData_PassPosX, kNone, rg::SeatPosX, In::PassPosX);
    array(form.VehData_PassPosY, kNone, rg::SeatPosY, In::PassPosY);
    array(form.VehData_PassPosZ, &U::UnitFactorDistanceSmall, rg::Height, In::PassPosZ);

    single(form.VehData_NewTorque, &U::UnitFactorTorque, rg::PeakTorque, In::Torque);
    single(form.VehData_NewTorqueRPM, &U::UnitFactorARV, rg::TorquePeakSpeed, In::TorqueRPM);
    single(form.VehData_NewPower, &U::UnitFactorPower, rg::PeakPower, In::Power);
    single(form.VehData_NewPowerRPM, &U::UnitFactorARV, rg::PowerPeakSpeed, In::PowerRPM);
    single(form.VehData_NewEBC, kNone, rg::EngineBrakingCoeff, In::EBC);
    single(form.VehData_NewDrivetrainEff, kNone, rg::DrivetrainEfficiency, In::DrivetrainEff);
    single(form.VehData_NewDrivetrainShiftTime, kNone, rg::ShiftTime, In::DrivetrainShiftTime);
    single(form.VehData_NewIdleRPM, &U::UnitFactorARV, rg::IdleSpeed, In::IdleRPM);
    single(form.VehData_NewTorquePeakWidth, &U::UnitFactorARV, rg::TorquePeakWidth,
           In::TorquePeakWidth);
    single(form.VehData_NewLimitRPM, &U::UnitFactorARV, rg::LimitSpeed, In::LimitRPM);

    array(form.VehData_NewTyreWidth, kNone, rg::TyreWidth, In::TyreWidth);
    array(form.VehData_NewTyreProfile, kNone, rg::TyreProfile, In::TyreProfile);
    array(form.VehData_NewWheelSize, kNone, rg::RimDiameter, In::WheelSize);
    form.VehData_NewRotMass.ForEach([f](int, TextBox& box) {
        box.Change = [f] {
            CheckRotatingMass(*f);
            ValidateVehicleEditorInputs(*f);
        };
    });
    array(form.VehData_NewWheelSpringMR, kNone, rg::SpringMotionRatio, In::WheelSpringMR);
    form.VehData_NewUnsprung.ForEach([f](int, TextBox& box) {
        box.Change = [f] {
            CheckUnsprungMass(*f);
            ValidateVehicleEditorInputs(*f);
        };
    });
    array(form.VehData_NewTrackWidth, &U::UnitFactorDistanceSmall, rg::TrackWidth,
          In::TrackWidth);
    single(form.VehData_NewWheelbase, &U::UnitFactorDistanceSmall, rg::Wheelbase, In::Wheelbase);

    single(form.VehData_NewFrontalArea, &U::UnitFactorArea, rg::FrontalArea, In::FrontalArea);
    single(form.VehData_NewCd, kNone, rg::DragCoefficient, In::Cd);
    single(form.VehData_NewCl, kNone, rg::LiftCoefficient, In::Cl);
    // Each aerodynamic row has its own position range.
    const platform::ControlArray<TextBox>* posY = &form.VehData_NewAeroDevicePosY;
    form.VehData_NewAeroDevicePosY.ForEach([f, posY](int, TextBox& box) {
        box.Change = [f, posY] {
            SetFlag(In::AeroDevicePosY,
                    CheckEach(*posY, 1.0, [](int row) -> const FieldRange& {
                        return rg::AeroElementPosY[static_cast<std::size_t>(row)];
                    }));
            ValidateVehicleEditorInputs(*f);
        };
    });
    array(form.VehData_NewAeroDevicePosZ, &U::UnitFactorDistanceSmall, rg::AeroElementHeight,
          In::AeroDevicePosZ);

    single(form.VehData_NewHandicapPosZ, &U::UnitFactorDistanceSmall, rg::HandicapHeight,
           In::HandicapPosZ);
    for (TextBox* box : {form.VehData_NewThrust, form.VehData_NewThrustHeight}) {
        box->Change = [f] {
            CheckPropulsion(*f);
            ValidateVehicleEditorInputs(*f);
        };
    }
    array(form.VehData_NewWheelARBMR, kNone, rg::ARBMotionRatio, In::WheelARBMR);
    array(form.VehData_NewInclination, &U::UnitFactorAngle, rg::Angle, In::Inclination);
    array(form.VehData_NewCamber, &U::UnitFactorAngle, rg::Angle, In::Camber);
    array(form.VehData_NewRideHeight, &U::UnitFactorDistanceSmall, rg::RideHeight,
          In::RideHeight);

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
