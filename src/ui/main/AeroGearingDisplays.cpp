#include "ui/main/AeroGearingDisplays.hpp"

#include "analysis/PhysicalCode.hpp"
#include "platform/Control.hpp"
#include "ui/main/CaptionWriter.hpp"
#include "ui/main/Main.hpp"
#include "vehicle/AeroDisplay.hpp"
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

platform::Label& GearingTableLabel(Main& form, const vehicle::GearingTableCaption& c) {
    using Column = vehicle::GearingTableCaption::Column;
    switch (c.Array) {
        case Column::RevsPreShift: return form.GearingRevsPreShift(c.Index);
        case Column::Speed: return form.GearingSpeed(c.Index);
        case Column::Reduction: return form.GearingReduction(c.Index);
        case Column::CruisingRevs: return form.GearingCruisingRevs(c.Index);
        case Column::Label: return form.GearingLabel(c.Index);
        case Column::RevsPostShift: return form.GearingRevsPostShift(c.Index);
        case Column::RevsDropAbs: return form.GearingRevsDropAbs(c.Index);
        case Column::RevsDropRel: return form.GearingRevsDropRel(c.Index);
        case Column::SpeedGained: break;
    }
    return form.GearingSpeedGained(c.Index);
}

}  // namespace

void ShowAeroAnalysis(Main& form) {
    vehicle::AeroCaptionInputs in;
    in.FrontWingAngle = form.Set_AeroWingAngle(0).Value();
    in.RearWingAngle = form.Set_AeroWingAngle(1).Value();
    in.LiveSpeed = form.Live_Speed->Value();
    in.CoGFrontShare = analysis::PhysicalCode().VehicleCoG.Y;
    const vehicle::AeroCaptions out = vehicle::BuildAeroCaptions(in);

    WriteCaptions(form, out.Captions);
    platform::Label& balance = form.Analysis_AeroLabel(vehicle::kAeroBalanceLabel);
    balance.SetForeColor(BalanceColour(out.BalanceColour));
    balance.SetToolTipText(out.BalanceToolTip);
}

void ShowGearingTable(Main& form) {
    using Colour = vehicle::GearingTableCaption::Colour;
    for (const auto& c : vehicle::BuildGearingTableCaptions()) {
        platform::Label& label = GearingTableLabel(form, c);
        switch (c.TextColour) {
            case Colour::Keep: break;
            case Colour::Normal: label.SetForeColor(platform::SysColor::ButtonText); break;
            case Colour::Red: label.SetForeColor(platform::RGB(255, 0, 0)); break;
            case Colour::Blue: label.SetForeColor(platform::RGB(0, 0, 255)); break;
        }
        label.SetCaption(c.Text);
    }
}

}  // namespace ui
