// Engine figures that contradict each other. The curve is held within the engine's figures
// (vehicle/EngineCurve.hpp), so any figures give a bounded curve; but where the figures cannot
// all be true, no curve keeps to them, and the vehicle editor and the vehicle file reader
// refuse them, naming the fields:
// - the power at its peak needs more torque there than the peak torque;
// - the plateau alone gives clearly more than the peak power: the peak torque at the plateau's
//   end, with a margin for the rounding of makers' figures (the Golf GTI's plateau end gives
//   161 kW against its stated 162).
// Figures in the engine record's units: N m, kW, rad/s.
#pragma once

#include "vehicle/EngineRecord.hpp"

namespace vehicle {

// How far the plateau's power may pass the (reduced) peak power.
inline constexpr float kPlateauPowerMargin = 1.05f;

struct EngineFigureConflicts {
    // The torque the power figure needs at the (shifted) power peak, over the peak torque.
    float PowerPeakTorqueShare = 0.0f;
    // The peak torque times the plateau-end speed, over the (reduced) peak power.
    float PlateauPowerShare = 0.0f;

    bool PowerNeedsMoreTorque() const;
    bool PlateauGivesMorePower() const;
    bool Any() const { return PowerNeedsMoreTorque() || PlateauGivesMorePower(); }
};

// From the figures of a wheel-driven engine record (the fit is not needed): the plateau end
// TorquePeakEnd, the power peak ShiftPowerFactor x PowerPeakSpeed, the power
// ReducePowerFactor x PeakPower. A 0 speed, torque or power gives a 0 share.
EngineFigureConflicts FindEngineFigureConflicts(const EngineRecord& engine);

}  // namespace vehicle
