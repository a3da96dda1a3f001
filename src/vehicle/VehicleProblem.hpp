// A problem the one check of a vehicle (vehicle/VehicleCheck.hpp) finds in a record: which check
// it comes from, the reader's text of it, the fields at fault and, for figures of the engine
// that contradict each other, what it compares (worded by vehicle/EngineFigureRefusalText.hpp).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vehicle {

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

// How far moving one field's figure alone goes towards clearing an engine-figure problem
// (vehicle/EngineFigureMoves.hpp works it out by the check itself).
enum class MoveReach : uint8_t {
    None,    // the figure cannot move that way, or moving it eases nothing
    Helps,   // it eases the refusal, but even as far as it may go it does not clear it
    Clears,  // as far as it may go, the check no longer refuses the record for it
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
    // The figures of an engine-figure problem, from which each reader words it; none for the
    // other kinds.
    std::optional<EngineFigureRefusal> Figures;
};

}  // namespace vehicle
