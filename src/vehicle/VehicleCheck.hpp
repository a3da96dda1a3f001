// The one check of a vehicle record: what the vehicle editor lets the user store is what the
// vehicle file reader loads. The reader judges the record it decoded; the editor the record it
// would store, built from its boxes in their display units. Both see every field's range
// (vehicle/VehicleFieldRanges.hpp) and the cross-checks between fields, with the same slack
// (CheckSlack), in the record's units:
// - an axle's unsprung mass at most the body's mass on that axle, a wheel at most half of it;
// - a tyre with at least kLeastSidewall of sidewall (width x profile): below it the rim
//   clearance the tyre model takes off leaves no sidewall, and its figures lose their meaning;
// - a wheel-driven engine's speeds in order (vehicle/EngineSpeedOrder.hpp, which also
//   takes a speed typed as the editor's box shows another as equal to it) and its figures in
//   agreement (vehicle/engine/EngineFigureCheck.hpp).
// A cross-check is judged only when every field it compares is within its range (the field's
// own problem names it then), and the engine's figures only when its speeds are in order.
#pragma once

#include <string>
#include <vector>

#include "vehicle/VehicleProblem.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

// The least sidewall a tyre may have, mm (Width mm x Profile %). Road tyres have 50 mm or more
// (a 305/20 race tyre has 61 mm).
inline constexpr double kLeastSidewall = 30.0;

// Every problem of the record, in the order the file reader reports them (it shows the
// first): the fields out of range in file order, the wheel masses and tyres axle by axle, the
// engine speeds, the engine figures. None for a vehicle both accept.
std::vector<VehicleProblem> FindVehicleProblems(const VehicleRecord& record);
// The same, with the fields out of range given (FieldsOutOfRange of the record): a caller that
// judges many records differing in one field within its range works the list out once.
std::vector<VehicleProblem> FindVehicleProblems(const VehicleRecord& record,
                                                std::vector<std::string> outOfRange);
// The engine's problems alone, as FindVehicleProblems finds them in a record none of whose
// engine figures is out of its range: the speeds of a wheel-driven engine out of order, or
// else its figures contradicting each other (without the reader's text). What a caller that
// judges the engine again with one figure moved within its range reads
// (vehicle/EngineFigureMoves.hpp).
std::vector<VehicleProblem> FindEngineProblems(const VehicleRecord& record);

}  // namespace vehicle
