// Engine figures that contradict each other. The curve is held within the engine's figures
// (vehicle/engine/EngineCurve.hpp), so any figures give a bounded curve; but where the figures
// cannot all be true, no curve keeps to them, and the vehicle editor and the vehicle file
// reader refuse them, naming the fields:
// - the (reduced) power at its (shifted) peak needs clearly more torque there than the peak
//   torque: more than kPowerTorqueMargin x, for the rounding of makers' figures (a BMW M3
//   F80's 317 kW typed at 5500 rpm, the start of its power band, needs 1.0007 x its 550 N m; a
//   Golf R Mk7's 221 kW at 5500 rpm 1.0098 x its 380 N m). The torque cap then holds the curve
//   within 2 % of the stated power at its peak;
// - the plateau alone gives clearly more than the typed peak power: the peak torque at the
//   plateau's end, with a margin for the same rounding (the Golf GTI's plateau end gives
//   161 kW against its stated 162). The power reduction is no part of it: the curve's power
//   cap holds a reduced power by trimming the plateau's end.
// Figures in the engine record's units: N m, kW, rad/s.
#pragma once

#include "vehicle/engine/EngineRecord.hpp"

namespace vehicle {

// How far the torque the power needs at its peak may pass the peak torque.
inline constexpr float kPowerTorqueMargin = 1.02f;
// How far the plateau's power may pass the typed peak power.
inline constexpr float kPlateauPowerMargin = 1.05f;

struct EngineFigureConflicts {
    // N m: the torque ReducedPeakPower needs at ShiftedPowerPeakSpeed.
    float PowerPeakTorque = 0.0f;
    // kW: what PeakTorque gives at the plateau's end TorquePeakEnd.
    float PlateauPower = 0.0f;
    // PowerPeakTorque over PeakTorque.
    float PowerPeakTorqueShare = 0.0f;
    // PlateauPower over the typed PeakPower.
    float PlateauPowerShare = 0.0f;

    bool PowerNeedsMoreTorque() const;
    bool PlateauGivesMorePower() const;
    bool Any() const { return PowerNeedsMoreTorque() || PlateauGivesMorePower(); }
};

// From the figures of a wheel-driven engine record (the fit is not needed). A 0 speed, torque
// or power gives a 0 share.
EngineFigureConflicts FindEngineFigureConflicts(const EngineRecord& engine);

}  // namespace vehicle
