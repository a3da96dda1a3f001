#include "ui/main/settings/DiffSettings.hpp"

#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

namespace {

SettingRoutines& R() { return SettingHandlers().Routines; }
void Run(const std::function<void()>& routine) { platform::Raise(routine); }

uint8_t DriveType() { return core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType; }

// "40%": the slider value as a whole number.
void WritePercent(Main& form, int label, const platform::Slider& slider) {
    form.Set_GearingLabel(label).SetCaption(std::to_string(slider.Value()) + "%");
}

// Caption indexes (Set_GearingLabel) of the rows of the front and rear panels.
struct AxleRows {
    int power, powerValue, coast, coastValue, viscous, viscousValue, preload, preloadValue;
};
constexpr AxleRows kFrontRows{22, 23, 24, 25, 26, 27, 32, 31};
constexpr AxleRows kRearRows{15, 16, 17, 18, 19, 20, 34, 33};
constexpr int kCentreViscous = 12, kCentreViscousValue = 13;

void ShowRow(Main& form, platform::Control& slider, int caption, int value, bool shown) {
    slider.SetVisible(shown);
    form.Set_GearingLabel(caption).SetVisible(shown);
    form.Set_GearingLabel(value).SetVisible(shown);
}

// A locking slider's caption: index 0 the front panel's, any other the rear panel's.
int LockingCaption(int index, bool power) {
    const AxleRows& rows = index == 0 ? kFrontRows : kRearRows;
    return power ? rows.powerValue : rows.coastValue;
}

bool LockingRecalcAllowed() {
    return NotSuppressed() && core::OptionsSettings().AutoRecalc == core::VbTrue;
}

}  // namespace

void Set_GearingDiffType_Click(Main& form, int index) {
    const std::string& t = form.Set_GearingDiffType(index).Text();
    const auto& names = core::TextTable().DiffTypeNames;  // Open, Locked, Viscous, Clutch pack
    if (index == 0 || index == 1) {
        const AxleRows& rows = index == 0 ? kFrontRows : kRearRows;
        bool known = true, viscous = false, clutch = false;
        if (t == names[0] || t == names[1]) {
        } else if (t == names[2]) {
            viscous = true;
        } else if (t == names[3]) {
            clutch = true;
        } else {
            known = false;  // an unknown text leaves the panel as it is
        }
        if (known) {
            ShowRow(form, form.Set_GearingViscousTorque(index), rows.viscous, rows.viscousValue,
                    viscous);
            ShowRow(form, form.Set_GearingDiffPowerLocking(index), rows.power, rows.powerValue,
                    clutch);
            ShowRow(form, form.Set_GearingDiffCoastLocking(index), rows.coast, rows.coastValue,
                    clutch);
            ShowRow(form, form.Set_GearingDiffPreLoad(index), rows.preload, rows.preloadValue,
                    clutch);
        }
    } else if (index == 2) {
        // The centre differential is open or viscous; other texts leave its row as it is.
        if (t == names[0] || t == names[2]) {
            ShowRow(form, form.Set_GearingViscousTorque(2), kCentreViscous, kCentreViscousValue,
                    t == names[2]);
        }
    }
    if (AutoRecalcOn() && NotSuppressed() && NotLoading()) Run(R().SetDiffParams);
}

void Set_ViewDiff_Click(Main& form, int index) {
    const uint8_t d = DriveType();
    if (index == 0) {
        if (d == vehicle::kDriveRear || d == vehicle::kDriveThrust)
            form.NoDiffFrame(0).BringToFront();
        else
            form.DiffFrame(0).BringToFront();
    } else if (index == 1) {
        if (d == vehicle::kDriveFront || d == vehicle::kDriveThrust)
            form.NoDiffFrame(1).BringToFront();
        else
            form.DiffFrame(1).BringToFront();
    }
}

void Set_GearingTorqueSplitCentre_Scroll(Main& form) {
    WritePercent(form, 10, *form.Set_GearingTorqueSplitCentre);
    // Only an all-wheel-drive vehicle splits its torque between the axles.
    if (DriveType() == vehicle::kDriveAll && RecalcAllowed()) {
        Run(R().CalcGearing);
        Run(R().SetDiffParams);
    }
}

void Set_GearingViscousTorque_Scroll(Main&, int) { Run(R().ShowDiffSettings); }

void Set_GearingDiffPowerLocking_Scroll(Main& form, int index) {
    const platform::Slider& power = form.Set_GearingDiffPowerLocking(index);
    WritePercent(form, LockingCaption(index, true), power);
    // A 2-way clutch pack locks alike on power and on coast (runs the coast handler).
    if (core::OptionsSettings().SimplifiedDiffs == core::VbTrue &&
        form.Set_GearingDiffCoastLocking.Has(index))
        form.Set_GearingDiffCoastLocking(index).SetValue(power.Value());
    if (LockingRecalcAllowed()) Run(R().SetDiffParams);
}

void Set_GearingDiffCoastLocking_Scroll(Main& form, int index) {
    WritePercent(form, LockingCaption(index, false), form.Set_GearingDiffCoastLocking(index));
    if (LockingRecalcAllowed()) Run(R().SetDiffParams);
}

void Set_GearingDiffPreLoad_Scroll(Main&, int) {
    if (RecalcAllowed()) Run(R().SetDiffParams);
}

void InstallDiffHandlers(Main& form) {
    Main* f = &form;
    form.Set_GearingDiffType.ForEach([f](int i, platform::ComboBox& c) {
        c.Click = [f, i] { Set_GearingDiffType_Click(*f, i); };
    });
    form.Set_ViewDiff.ForEach(
        [f](int i, platform::OptionButton& b) { b.Click = [f, i] { Set_ViewDiff_Click(*f, i); }; });
    BindSlider(*form.Set_GearingTorqueSplitCentre,
               [f] { Set_GearingTorqueSplitCentre_Scroll(*f); });
    auto bindArray = [f](const Main::Array<Main::Slider>& sliders, void (*handler)(Main&, int)) {
        sliders.ForEach([f, handler](int i, platform::Slider& s) {
            BindSlider(s, [f, handler, i] { handler(*f, i); });
        });
    };
    bindArray(form.Set_GearingViscousTorque, &Set_GearingViscousTorque_Scroll);
    bindArray(form.Set_GearingDiffPowerLocking, &Set_GearingDiffPowerLocking_Scroll);
    bindArray(form.Set_GearingDiffCoastLocking, &Set_GearingDiffCoastLocking_Scroll);
    bindArray(form.Set_GearingDiffPreLoad, &Set_GearingDiffPreLoad_Scroll);
}

}  // namespace ui
