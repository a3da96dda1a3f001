// Operations on the vehicle list (core::GlobalChassisLab().Vehicles / VehicleCount).
//
// The list only grows, in the order of the main window's vehicle selector: element i is item
// i, and each item is the element's full 32-character padded Name. These routines keep the
// list and its count; the selector is kept in step by the user interface (the item to add is
// always the appended element's Name).
#pragma once

#include <string_view>

#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

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

}  // namespace vehicle
