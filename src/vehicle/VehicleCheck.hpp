// The one check of a vehicle record: what the vehicle editor lets the user store is what the
// vehicle file reader loads. The reader judges the record it decoded; the editor the record it
// would store, built from its boxes in their display units. Both see every field's range
// (vehicle/VehicleFieldRanges.hpp) and the cross-checks between fields, with the same slack
// (CheckSlack), in the record's units:
// - an axle's unsprung mass at most the body's mass on that axle, a wheel at most half of it;
// - a tyre with at least kLeastSidewall of sidewall (width x profile): below it the rim
//   clearance the tyre model takes off leaves no sidewall, and its figures lose their meaning;
// - a wheel-driven engine's speeds in order (vehicle/engine/EngineSpeedOrder.hpp) and its
//   figures in agreement (vehicle/engine/EngineFigureCheck.hpp).
// A cross-check is judged only when every field it compares is within its range (the field's
// own problem names it then), and the engine's figures only when its speeds are in order.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

// The least sidewall a tyre may have, mm (Width mm x Profile %). Road tyres have 50 mm or more
// (a 305/20 race tyre has 61 mm).
inline constexpr double kLeastSidewall = 30.0;

// Which check a problem comes from.
enum class VehicleCheckKind : uint8_t {
    Range,                 // a field outside its range
    UnsprungAboveBody,     // an axle's unsprung mass above the body's mass on the axle
    WheelAboveHalf,        // a wheel heavier than half its axle's unsprung mass
    TyreSidewall,          // less sidewall than kLeastSidewall
    PowerBelowTorquePeak,  // engine speeds out of order ...
    PowerInsidePlateau,
    IdleAboveTorquePeak,
    IdleAboveLimit,
    PowerNeedsMoreTorque,  // engine figures that contradict each other
    PlateauGivesMorePower,
};

// Which way a field's figure must move to ease a problem.
enum class FigureMove : uint8_t { Lower, Raise };

struct FieldMove {
    std::string_view Field;  // "Engine.PeakPower"
    FigureMove Move = FigureMove::Lower;
};

// What an engine-figure problem (PowerNeedsMoreTorque, PlateauGivesMorePower) compares, in the
// record's units: a figure the engine states (the reduced peak power, kW; the peak torque,
// N m) at a speed (the shifted power peak; the plateau's end; rad/s) asks a figure (the torque
// that power needs there, N m; the power the plateau gives there, kW) beyond Margin x the
// figure it is held to (the peak torque; the typed peak power).
struct EngineFigureRefusal {
    double Stated = 0.0;
    double Speed = 0.0;
    double Asked = 0.0;
    double Held = 0.0;
    float Margin = 0.0f;
    // Asked over Held, as the check judged it: what easing the problem makes smaller.
    float Share = 0.0f;
    // The fields the advice names, each with the way its figure must move to ease the problem
    // (a table of the check's own, which lives as long as the program).
    std::span<const FieldMove> Moves;
};

struct VehicleProblem {
    VehicleCheckKind Kind = VehicleCheckKind::Range;
    // What the vehicle file reader says of it, below "Not a valid vehicle data file": "Value
    // out of range: Axles(0).ARBMotionRatio", "Wheel masses too heavy: ...".
    std::string Text;
    // The fields whose inputs are at fault, as the range check names them ("Engine.PeakPower",
    // "Tyres(1).Profile"): the boxes the editor marks.
    std::vector<std::string> Fields;
    // The figures of an engine-figure problem, from which each reader words it
    // (vehicle/EngineFigureWording.hpp); none for the other kinds.
    std::optional<EngineFigureRefusal> Figures;
};

// Every problem of the record, in the order the file reader reports them (it shows the
// first): the fields out of range in file order, the wheel masses and tyres axle by axle, the
// engine speeds, the engine figures. None for a vehicle both accept.
std::vector<VehicleProblem> FindVehicleProblems(const VehicleRecord& record);
// The same, with the fields out of range given (FieldsOutOfRange of the record): a caller that
// judges many records differing in one field within its range works the list out once.
std::vector<VehicleProblem> FindVehicleProblems(const VehicleRecord& record,
                                                std::vector<std::string> outOfRange);

}  // namespace vehicle
