// Captions of the gear table of module GearingCode: the per-gear results of CalcGearing in the
// user's units, with the warning colours of the shift figures. ui/main/AeroGearingDisplays.hpp
// writes them into the "Gear ratio calculator" frame.
//
// Rows 0..7 (0 reverse) of engine speed before the shift, speed at the shift, overall ratio
// and cruising engine speed; rows 1..6 of engine speed after the shift, its drop (absolute and
// relative) and the speed gained. Rows above the number of gears show what the arrays hold.
// Engine speeds use the angular-velocity unit, road speeds the speed unit; values with no
// finite figure read "N/A".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vehicle {

struct GearingTableCaption {
    // The label array of the table column.
    enum class Column : uint8_t {
        RevsPreShift,   // GearingRevsPreShift 0..7
        Speed,          // GearingSpeed 0..7
        Reduction,      // GearingReduction 0..7
        CruisingRevs,   // GearingCruisingRevs 0..7
        Label,          // GearingLabel (1: the torque-curve area)
        RevsPostShift,  // GearingRevsPostShift 1..6
        RevsDropAbs,    // GearingRevsDropAbs 1..6
        RevsDropRel,    // GearingRevsDropRel 1..6
        SpeedGained,    // GearingSpeedGained 1..6
    };
    // Text colour, set before the caption: Keep leaves it as it is; Normal is the system's
    // button-text colour; Red marks a shift above the limit speed or a speed above the top
    // speed; Blue an engine speed after the shift below the start of the torque plateau.
    enum class Colour : uint8_t { Keep, Normal, Red, Blue };

    Column Array = Column::RevsPreShift;
    int Index = 0;
    std::string Text;
    Colour TextColour = Colour::Keep;
    bool operator==(const GearingTableCaption&) const = default;
};

inline constexpr int kGearingAreaLabel = 1;  // GearingLabel index of the torque-curve area

// The gear table's captions in writing order, from GearingCode(), the current engine's limit
// speed and torque plateau start, AeroCode().TopSpeed and the unit system.
std::vector<GearingTableCaption> BuildGearingTableCaptions();

}  // namespace vehicle
