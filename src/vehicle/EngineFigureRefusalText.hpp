// The text of an engine-figure refusal (VehicleProblem::Figures): its head, the figures it
// compares in the units shown, and the advice, each field named and moved as its reader sees
// it. The vehicle file reader names the record's fields and moves their figures:
//   "Power needs more torque: Engine.PeakPower x Engine.ReducePowerFactor (107.9 kW) at
//   Engine.PowerPeakRPM x Engine.ShiftPowerFactor (523.6 rad/s) needs 206 Nm, more than
//   1.02 x Engine.PeakTorque (200 Nm): lower Engine.PeakPower or Engine.ReducePowerFactor, or
//   raise Engine.PowerPeakRPM, Engine.ShiftPowerFactor or Engine.PeakTorque";
// the vehicle editor names its controls, moves them, and advises only those that clear the
// refusal alone (vehicle/EngineFigureMoves.hpp).
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "vehicle/VehicleProblem.hpp"

namespace vehicle {

// A field as a text names it. Reversed: the control that sets the field moves against its
// figure (a slider whose figure falls as it rises), so the advice moves it the other way.
struct FieldWord {
    std::string_view Field;  // "Engine.ReducePowerFactor"
    std::string_view Name;   // "Power reduction"
    bool Reversed = false;
};

struct FieldWording {
    // Fields not listed are named as the record names them, and moved as their figures.
    std::span<const FieldWord> Words;
    // Between a figure and the factor applied to it.
    std::string_view FactorJoin = " x ";
    // How far moving a field's figure alone the way given goes towards clearing the refusal,
    // asked once for each field of the advice. None: each clears it.
    std::function<MoveReach(std::string_view field, FigureMove move)> Reach;
};

// The text of `problem`, which has Figures, in these words.
std::string EngineFigureRefusalText(const VehicleProblem& problem, const FieldWording& words);

}  // namespace vehicle
