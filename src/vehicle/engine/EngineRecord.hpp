// The engine model of one vehicle: its figures (speeds in rad/s), the fitted curve's
// coefficients, the full-throttle curve those give within the engine's own figures, and the
// state of one torque evaluation. The engine module (vehicle/engine/EngineCode.hpp) fits it; the
// curve (vehicle/engine/EngineCurve.hpp) is built with the fit and evaluated from it.
#pragma once

#include <array>
#include <cstdint>

namespace vehicle {

// What the full-throttle torque follows over one span of engine speed.
enum class CurveForm : uint8_t {
    Constant,   // A (N m): the plateau, the torque cap, or nothing
    Cubic,      // the fitted cubic below the plateau (the record's LowerCurve)
    Quartic,    // the fitted quartic above the plateau (the record's UpperCurve)
    PowerLine,  // a power line, power A + B x speed: torque A / speed + B (A in W, B in N m)
};

struct CurveSpan {
    double End = 0.0;  // rad/s: the span holds the speeds from the previous span's end to below this
    double A = 0.0;
    double B = 0.0;
    CurveForm Form = CurveForm::Constant;
};

// The full-throttle torque over the whole speed range, as spans in speed order; the last ends at
// infinity. Built with the fit (vehicle/engine/EngineCurve.hpp), which bounds the fitted pieces
// by the engine's figures; every torque and every integral of the curve reads it. Empty: no
// curve (no torque at any speed), as for an engine never fitted.
//
// The capacity: from idle to the fall at most four stretches (cubic, plateau, quartic below and
// above the power peak), and within one the followed piece changes only where two of its pieces
// meet (the fitted one, the floor, the torque and power caps, 0 and the ceiling): every pair
// meeting as often as its degree allows gives 15, 3, 19 and 28 meetings. With the spans below
// idle, of the fall and beyond it, 72 at most.
inline constexpr std::size_t kMaxCurveSpans = 80;
struct BoundedCurve {
    std::array<CurveSpan, kMaxCurveSpans> Spans{};
    uint8_t Count = 0;
};

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
    BoundedCurve Curve;               // the full-throttle torque, built with the fit
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
