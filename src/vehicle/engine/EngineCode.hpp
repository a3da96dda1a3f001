// Module EngineCode: the piston-engine model. A torque curve over engine angular velocity:
// a cubic from idle to the start of the torque plateau, the plateau at peak torque, and a
// quartic above it through a (possibly reduced and shifted) power peak, held within the
// engine's own figures (vehicle/engine/EngineCurve.hpp). On top of it the closed-throttle
// (engine-braking) torque, the throttle blend, the rev limiter, the integral of the curve,
// fuel flow and a scan for the curve's peaks.
//
// Units: engine speeds in rad/s (the vehicle record keeps rpm), torque in N m, power in kW.
// Model arithmetic is single precision; the curve fits solve their systems in double
// (vehicle/engine/Matrix.hpp) and store Singles. Nothing here returns NaN or infinity.
#pragma once

#include <cstdint>

#include "core/Numbers.hpp"
#include "vehicle/engine/EngineRecord.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

struct EngineCodeState {
    EngineRecord CurrentEngine;  // engine of the current vehicle; runs work on copies
    // Set true by FitUpperTorqueCurve before it inverts; cleared by Matrix::Inverse when no
    // arrangement inverts. The vehicle editor enables its dyno throttle only while true.
    core::VbBool MatrixInverseOK = core::VbFalse;
    // Results of ScanEnginePeaks.
    float ScannedTorquePeak = 0.0f;       // N m
    float ScannedTorquePeakSpeed = 0.0f;  // rad/s, whole number
    float ScannedPowerPeak = 0.0f;        // kW
    float ScannedPowerPeakSpeed = 0.0f;   // rad/s, whole number
};

EngineCodeState& EngineCode();

// The engine record of a vehicle as it becomes current: the figures copied; for drive types 0
// to 2 the power-peak, idle and limit speeds and the plateau start and end converted to rad/s
// (for drive type 3 nothing is converted), the curve's plateau at the figures' own; Throttle 1.
// The curve coefficients and their origins are the ones of `previous` (a fit replaces them).
// Drive type 3 has no engine curve: its plateau speeds, curve coefficients and origins, engine
// speed, torque and power are 0, whatever `previous` held.
EngineRecord EngineRecordFromFigures(const EngineFigures& figures, uint8_t driveType,
                                     const EngineRecord& previous = {});

// Fit the cubic below the plateau and set CurvePlateauStart. Idle speed at or above the
// plateau start gives all-zero coefficients. When the system cannot be solved the coefficients
// are all 0: nothing of an engine fitted before stays. Then bounds the curve (the record's
// Curve, vehicle/engine/EngineCurve.hpp).
void FitLowerTorqueCurve(EngineRecord& engine);
// Fit the quartic above the plateau and set CurvePlateauEnd, then bound the curve. Sets
// MatrixInverseOK true, then false again (with all-0 coefficients) when the system cannot be
// solved; figures the check of a vehicle accepts always fit.
void FitUpperTorqueCurve(EngineRecord& engine);
// Both fits, and the curve bounded once. A vehicle that is not wheel driven (drive type 3) has
// no curve: nothing is done. (The dyno graph is redrawn by the caller.)
void UpdateEngineModel(EngineRecord& engine, uint8_t driveType);

// Torque (N m) at engine.Speed and engine.Throttle: the full-throttle curve (the fitted curve
// held within the engine's own figures, vehicle/engine/EngineCurve.hpp) blended with the
// closed-throttle torque by throttle; above LimitSpeed + 1 with the rev limiter on, the
// closed-throttle torque alone.
float GetEngineTorque(const EngineRecord& engine);
// The two ends GetEngineTorque blends at one engine speed: evaluated once, they give the torque
// at any throttle at that speed with the same result as GetEngineTorque.
struct TorqueEnds {
    float Full = 0.0f;     // N m, full-throttle curve
    float Braking = 0.0f;  // N m, closed throttle (negative)
    bool Limited = false;  // rev limiter cuts the throttle
};
TorqueEnds GetTorqueEnds(const EngineRecord& engine);
float TorqueAtThrottle(const TorqueEnds& ends, float throttle);
// The largest throttle in [braking, driving] at which the engine does not drive (torque at most
// 0 at `ends`), found by halving: the torque at `braking` is at most 0, at `driving` above 0.
// The torque there is 0, or negative by less than one step of the throttle's last bit.
float ThrottleAtZeroTorque(const TorqueEnds& ends, float braking, float driving);
// The highest engine speed (rad/s) at which the full-throttle curve drives: the limit while the
// rev limiter is on (the charts and the gearing's curve area end there, though a shift speed
// may lie beyond it); with the limiter off, none (infinity).
float DrivingSpeedTop(const EngineRecord& engine);
// Throttle x PeakTorque: thrust (N) of a vehicle of drive type 3.
float GetThrottleTorque(const EngineRecord& engine);
// Fuel used in one time step (s) in litres, at engine.Speed delivering engine.Torque, from the
// energy per litre of the engine's fuel (core::FuelTable()); a fuel that is not burnt (or a
// fuel index outside the table) gives 0.
double GetFuelFlow(const EngineRecord& engine, float timeStep);
// The same with the torque ends at engine.Speed already evaluated.
double GetFuelFlow(const EngineRecord& engine, const TorqueEnds& ends, float timeStep);
// Scans whole rad/s from CInt(IdleSpeed) to CInt(LimitSpeed) at the record's own throttle and
// fills the four Scanned... values of EngineCode(); leaves engine.Speed at the last speed. The
// torque peak is PeakTorque at the first speed from the plateau's start on where the curve
// reaches it (within the curve's slack); a curve that never does gives its highest torque.
void ScanEnginePeaks(EngineRecord& engine);

}  // namespace vehicle
