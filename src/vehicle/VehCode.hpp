// Operations on the vehicle list (core::GlobalChassisLab().Vehicles / VehicleCount).
//
// The list only grows, in the order of the main window's vehicle selector: element i is item
// i, and each item is the element's full 32-character padded Name. These routines keep the
// list and its count; the selector is kept in step by the user interface (the item to add is
// always the appended element's Name).
#pragma once

#include <array>
#include <string_view>

#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

// State derived from the selected vehicle.
struct VehCodeState {
    // Occupant seats x (X, Y, Z) as fractions of track (X, from the left), wheelbase (Y, from
    // the rear) and metres (Z): 0 front passenger, 1 rear left, 2 rear middle, 3 rear right.
    std::array<float, 12> SeatPositions{};

    // ---- Vehicle editor (the main window's vehicle data page in edit mode) ----
    // The editor is shown: raised by the two opening handlers, lowered by its closing.
    core::VbBool EditorOpen = core::VbFalse;
    // True: the editor changes the selected vehicle; false: it creates a new one. Kept after
    // the editor closes (the next opening sets it again).
    core::VbBool EditorEditsExisting = core::VbFalse;
    // Raised only while the editor's controls are being filled from the current vehicle:
    // the cross-check of the editor inputs and the engine preview wait until it is lowered.
    core::VbBool EditorFilling = core::VbFalse;
};

VehCodeState& VehCode();

// True when no further vehicle may be added (core::kMaxVehicles loaded).
bool VehicleListFull();

// Appends a copy of the record (its Name padded to 32 characters) and raises VehicleCount.
// Refuses, changing nothing, when the list is full; the caller tells the user.
bool AppendVehicle(const VehicleRecord& record);

// Index of the element whose padded Name equals the padded text exactly (case-sensitive);
// the last match wins. -1 when there is none.
int FindVehicleIndex(std::string_view name);

// Overwrites the element whose Name equals the record's padded Name (the last match).
// False when no element has that name.
bool ReplaceVehicle(const VehicleRecord& record);

// Makes the vehicle named by the selector text (the full 32-character padded name, exact and
// case-sensitive, the last match winning) current: CurrentVehicle, the simulator car row and
// HasLFSCar, the engine record with its speeds in rad/s, the seat positions and the front
// share of the drive torque (centreSplitPercent is the centre split slider, front per cent).
// False, changing nothing, when no vehicle has that name.
bool SetCurrentVehicle(std::string_view selectorText, int32_t centreSplitPercent);

}  // namespace vehicle
