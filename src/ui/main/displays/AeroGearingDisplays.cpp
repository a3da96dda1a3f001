#include "ui/main/displays/AeroGearingDisplays.hpp"

#include <string>
#include <vector>

#include "analysis/PhysicalCode.hpp"
#include "analysis/RunRefusal.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "platform/Control.hpp"
#include "ui/main/displays/CaptionWriter.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SetupReaders_Drivetrain.hpp"
#include "vehicle/AeroDisplay.hpp"
#include "vehicle/GearingDiffs.hpp"
#include "vehicle/GearingTable.hpp"

namespace ui {

namespace {

platform::Color BalanceColour(vehicle::AeroBalanceColour c) {
    switch (c) {
        case vehicle::AeroBalanceColour::Blue: return platform::RGB(0, 0, 255);
        case vehicle::AeroBalanceColour::Red: return platform::RGB(255, 0, 0);
        case vehicle::AeroBalanceColour::Green: return platform::RGB(0, 160, 0);
        case vehicle::AeroBalanceColour::Black: break;
    }
    return platform::RGB(0, 0, 0);
}

// The runs refuse the vehicle as it stands now: the tyres' states and static loads are those
// the runs start from.
bool RunsRefused() { return analysis::FindBottomedTyre().has_value(); }

}  // namespace

void ShowAeroAnalysis(Main& form) {
    vehicle::AeroCaptionInputs in;
    in.FrontWingAngle = form.Set_AeroWingAngle(0).Value();
    in.RearWingAngle = form.Set_AeroWingAngle(1).Value();
    in.LiveSpeed = form.Live_Speed->Value();
    in.CoGFrontShare = analysis::PhysicalCode().VehicleCoG.Y;
    in.RunsRefused = RunsRefused();
    const vehicle::AeroCaptions out = vehicle::BuildAeroCaptions(in);

    WriteCaptions(form, out.Captions);
    platform::Label& balance = form.Analysis_AeroLabel(vehicle::kAeroBalanceLabel);
    balance.SetForeColor(BalanceColour(out.BalanceColour));
    balance.SetToolTipText(out.BalanceToolTip);
}

// The gear table's colours are the window's red, blue and button text.
static_assert(vehicle::kGearingWarnRed == platform::RGB(255, 0, 0));
static_assert(vehicle::kGearingWarnBlue == platform::RGB(0, 0, 255));
static_assert(vehicle::kGearingNormalColour == platform::SysColor::ButtonText);

void ShowGearingTable(Main& form) {
    std::vector<core::Caption> captions =
        vehicle::BuildGearingTableCaptions(vehicle::TopSpeedShown(RunsRefused()));
    // A vehicle that is not wheel driven has no gearing: the gearing state still holds the
    // figures of the vehicle selected before it.
    if (core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType == vehicle::kDriveThrust) {
        for (core::Caption& c : captions) {
            c.Text = std::string(core::kNotApplicableText);
            if (c.ForeColor) c.ForeColor = vehicle::kGearingNormalColour;
        }
    }
    WriteCaptions(form, captions);
}

void ShowDiffSettings(Main& form) {
    WriteCaptions(form, vehicle::DiffSettingsCaptions(ReadDiffInputs(form)));
}

}  // namespace ui
