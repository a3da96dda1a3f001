// The engine model of one vehicle: its figures (speeds in rad/s), the fitted curve's
// coefficients and the state of one torque evaluation. The engine module (vehicle/EngineCode.hpp)
// fits and evaluates it; the curve's bounds (vehicle/EngineCurve.hpp) read it.
#pragma once

#include <array>
#include <cstdint>

namespace vehicle {

struct EngineRecord {
    // ---- Copy of the vehicle's EngineFigures (same order) ----
    float PeakTorque = 0.0f;          // N m, plateau torque (thrust N for drive type 3)
    float TorquePeakRPM = 0.0f;       // rpm, unconverted (thrust height m for drive type 3)
    float TorquePeakWidth = 0.0f;     // rpm, unconverted
    float PeakPower = 0.0f;           // kW
    float PowerPeakSpeed = 0.0f;      // rad/s
    float IdleSpeed = 0.0f;           // rad/s
    float LimitSpeed = 0.0f;          // rad/s, rev limiter
    float EngineBrakingCoeff = 0.0f;  // closed-throttle torque multiplier
    float IdleTorqueFraction = 0.0f;  // torque at idle / PeakTorque
    float LowerShape = 0.0f;          // slope factor of the lower curve at idle
    float UpperShapeA = 0.0f;         // weight of PeakTorque in the upper curve's middle point
    float UpperShapeB = 0.0f;         // power ratio just past the shifted power peak
    float ReducePowerFactor = 0.0f;   // multiplies PeakPower for the upper fit
    float ShiftPowerFactor = 0.0f;    // multiplies PowerPeakSpeed for the upper fit
    uint8_t FuelType = 0;             // row of the fuel table
    // ---- Derived ----
    float TorquePeakStart = 0.0f;     // rad/s, start of the plateau
    float TorquePeakEnd = 0.0f;       // rad/s, end of the plateau
    std::array<float, 4> LowerCurve{};  // coefficients of u^3, u^2, u, 1; u = w - LowerOrigin
    std::array<float, 5> UpperCurve{};  // coefficients of u^4 .. 1; u = w - UpperOrigin
    // rad/s: the speeds the coefficients are measured from. 0 (plain powers of w) unless the
    // plain coefficients, held in Singles, would miss the curve's own figures; then the start
    // of the fit's span.
    float LowerOrigin = 0.0f;
    float UpperOrigin = 0.0f;
    // rad/s: where the fitted curve's plateau starts and ends. The plateau start and end unless
    // a fit had to move them: a speed too small to fit is 0, and a plateau end close below the
    // shifted power peak is moved down to give the quartic its span (the plateau start with
    // it, when it lay above). Written by the fits; the torque and its integral change piece
    // here, so they follow the curve that was fitted.
    float CurvePlateauStart = 0.0f;
    float CurvePlateauEnd = 0.0f;
    float Throttle = 0.0f;            // 0..1
    float EngineBrakeReduction = 0.0f;  // 0..1, share of engine braking the runs remove
    float Speed = 0.0f;               // rad/s, input of GetEngineTorque
    float Torque = 0.0f;              // N m, last output (stored by the caller)
    float Power = 0.0f;               // kW, last output (stored by the caller)
};

// The power peak the upper curve is fitted through, in Singles as the fit forms them: the
// typed power-peak speed moved by the shift factor (rad/s), and the typed power lowered by the
// reduce factor (kW).
inline float ShiftedPowerPeakSpeed(const EngineRecord& engine) {
    return engine.ShiftPowerFactor * engine.PowerPeakSpeed;
}
inline float ReducedPeakPower(const EngineRecord& engine) {
    return engine.ReducePowerFactor * engine.PeakPower;
}

}  // namespace vehicle
