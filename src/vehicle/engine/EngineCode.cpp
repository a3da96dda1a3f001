#include "vehicle/engine/EngineCode.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/FuelTypes.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/CheckSlack.hpp"
#include "vehicle/engine/EngineCurve.hpp"
#include "vehicle/engine/EngineCurveBounds.hpp"
#include "vehicle/engine/EngineSpeedText.hpp"
#include "vehicle/engine/Matrix.hpp"
#include "vehicle/ModelGuards.hpp"

namespace vehicle {

namespace {

// Closed-throttle torque shape: k = sin(1.4 w / w_peak + kBrakePhase), never below
// kBrakeFloor above the power peak.
constexpr float kBrakeSlope = 1.4f;
constexpr double kBrakePhase = 0.15707963502011893;  // rad, close to (not exactly) pi/20
constexpr float kBrakeFloor = 0.9f;
constexpr float kBrakeConstant = 380.0f;  // rad/s-equivalent offset of the braking term
using core::kWattsPerKilowatt;
constexpr double kPeakEfficiency = 0.4;   // thermal efficiency at full torque

// Upper-fit construction points.
constexpr double kMidPlateauWeight = 0.4;   // wm = 0.4 we + 0.6 ws
constexpr double kMidPowerWeight = 0.6;
constexpr double kSlopeStep = 1.005;        // second point just past the shifted power peak

// The fits solve for the curve through the powers of its speeds (up to w^4). A speed of a
// thousandth of the power peak or less is standing still for them: next to the power peak's
// powers its own (1e-117 for an idle of 1e-38 rpm) leave the elimination no digit to work
// with, and the curve came out with coefficients of 1e23 and an area of -4E+29. Taken as 0,
// the fit gives the curve that such a speed tends to.
constexpr float kStandstillShare = 1e-3f;

float FitSpeed(float speed, float powerPeakSpeed) {
    return std::fabs(speed) <= kStandstillShare * powerPeakSpeed ? 0.0f : speed;
}

// The same holds for two speeds a fit joins (idle and the plateau start; the plateau end and
// the shifted power peak) when they lie close together: across a span g the coefficients grow
// as (w / g)^3 or (w / g)^4, the Singles they are stored in keep 7 digits, and the curve came
// out off by more than its own size (a plateau end less than 1 rpm below the power peak gave
// areas from -1E+11 to 1E+16; at equal speeds the quartic had no solution). Past the power
// peak the quartic also climbs as ((w - ws) / g)^4 without bound as g shrinks. A fit therefore
// spans at least this share of the power-peak speed: a lower speed closer than that is fitted
// as if it lay that far below (not below 0), and the curve from the real speed on is the part
// of that fit it needs. The curve changes continuously with the speeds, and equal speeds fit.
constexpr float kMinSpanShare = 0.02f;

float SpanStart(float lower, float upper, float powerPeakSpeed) {
    const float start = upper - kMinSpanShare * powerPeakSpeed;
    return lower > start && lower <= upper ? std::max(start, 0.0f) : lower;
}

// The check of a vehicle takes a speed that passes another by no more than the order's slack
// as equal to it (vehicle/EngineSpeedOrder.hpp: 1e-6 of it, CheckSlack, or what an editor
// box's text rounds away of either speed), and the sum of the stored plateau start and width,
// converted to rad/s in Singles, adds a few roundings: a plateau typed to end at the power
// peak (300 + 210 = 510 rad/s) ended 3e-5 rad/s above it, and the quartic was fitted across a
// negative span and failed. Such an end is the power peak: one past it by no more than four
// times the check's slack and the larger of the two speeds' text slacks.
float PlateauEndFor(float plateauEnd, float powerPeak) {
    if (!(plateauEnd > powerPeak)) return plateauEnd;
    constexpr double k = core::kRpmToRadPerSec;
    const double slack =
        k * std::max(EngineSpeedSlack(plateauEnd / k), EngineSpeedSlack(powerPeak / k));
    const double reach = powerPeak * (1.0 + 4.0 * kCheckSlack) + slack;
    return plateauEnd <= reach ? powerPeak : plateauEnd;
}

// The speeds (rad/s) the two fits join. The plateau end gets the quartic's span below the
// shifted power peak; a plateau start above that end moves down with it, so the cubic hands
// over where the quartic begins and the pieces never overlap.
struct FitJoints {
    float idle;          // start of the cubic, before its span is ensured
    float plateauStart;  // end of the cubic
    float plateauEnd;    // start of the quartic
    float powerPeak;     // shifted power peak
};

FitJoints JointsOf(const EngineRecord& engine) {
    FitJoints j;
    j.powerPeak = ShiftedPowerPeakSpeed(engine);
    j.plateauEnd = SpanStart(
        PlateauEndFor(FitSpeed(engine.TorquePeakEnd, engine.PowerPeakSpeed), j.powerPeak),
        j.powerPeak, engine.PowerPeakSpeed);
    j.plateauStart = std::min(FitSpeed(engine.TorquePeakStart, engine.PowerPeakSpeed),
                              j.plateauEnd);
    j.idle = FitSpeed(engine.IdleSpeed, engine.PowerPeakSpeed);
    return j;
}

// The plain coefficients are kept while, held in Singles, they give the curve's own values
// within this share of the largest of them. Across a short span they cannot: the powers of w
// are then large against the curve and cancel, and the 7 digits of a Single left a 250 N m
// engine with 163 N m at its plateau end and 130 N m where its power peak wants 220 (a span
// of 2 % of the power-peak speed); the integral, one power higher, loses more. Measured from
// the start of the span, the same curve keeps its figures to about a millionth. The shipped
// cars miss by at most 1.6e-5 and keep their plain coefficients.
constexpr double kPlainFitTolerance = 1e-4;

double CurveAt(const std::array<float, 4>& c, float speed, float origin) {
    return CubicAt(c, speed, origin);
}
double CurveAt(const std::array<float, 5>& c, float speed, float origin) {
    return QuarticAt(c, speed, origin);
}

// One condition of a fit: the curve's value (or slope) at a speed.
struct Condition {
    float speed;   // rad/s
    bool slope;    // false: the value there, true: the slope
    double target;  // N m, or N m per rad/s
};

// Solves the coefficients x of the polynomial of degree N - 1 in u = w - origin that meets
// the N conditions: x * M = targets, where M's column j holds condition j against the powers
// of u; x = targets x M^-1. False when M has no inverse or a coefficient does not fit a Single.
template <std::size_t N>
bool SolveConditions(const std::array<Condition, N>& conditions, float origin,
                     std::array<float, N>& out) {
    const auto n = static_cast<int32_t>(N);
    Matrix system, right, solution;
    system.SetSize(n, n);
    right.SetSize(1, n);
    solution.SetSize(1, n);
    for (int32_t j = 0; j < n; ++j) {
        const Condition& c = conditions[static_cast<std::size_t>(j)];
        const double u = static_cast<double>(c.speed) - origin;
        for (int32_t row = 0; row < n; ++row) {
            const int power = n - 1 - row;
            const double element =
                !c.slope ? std::pow(u, power) : power == 0 ? 0.0 : power * std::pow(u, power - 1);
            system.SetElement(row + 1, j + 1, element);
        }
        right.SetElement(1, j + 1, c.target);
    }
    system.Value(system.Inverse());
    if (system.GetNumRows() == 0) return false;
    solution.Value(solution.Multiply(right.Value(), system.Value()));
    std::array<float, N> result{};
    for (int32_t k = 0; k < n; ++k) {
        result[static_cast<std::size_t>(k)] = static_cast<float>(solution.GetElement(1, k + 1));
        if (!std::isfinite(result[static_cast<std::size_t>(k)])) return false;
    }
    out = result;
    return true;
}

// True when the coefficients give every value condition within the tolerance.
template <std::size_t N>
bool MeetsItsValues(const std::array<float, N>& c, float origin,
                    const std::array<Condition, N>& conditions) {
    double scale = 0.0;
    for (const Condition& k : conditions)
        if (!k.slope) scale = std::max(scale, std::fabs(k.target));
    for (const Condition& k : conditions) {
        if (k.slope) continue;
        const double miss = std::fabs(CurveAt(c, k.speed, origin) - k.target);
        if (!(miss <= kPlainFitTolerance * scale)) return false;
    }
    return true;
}

// Fits the curve in plain powers of w; when those miss its values, from `spanStart` instead.
// Writes the coefficients and their origin. False when no fit was found: then the coefficients
// are all 0 (no torque from that piece), never those of an engine fitted before.
template <std::size_t N>
bool FitCurve(const std::array<Condition, N>& conditions, float spanStart,
              std::array<float, N>& coefficients, float& origin) {
    std::array<float, N> plain{};
    const bool solved = SolveConditions(conditions, 0.0f, plain);
    if (!solved || !MeetsItsValues(plain, 0.0f, conditions)) {
        std::array<float, N> held{};
        if (SolveConditions(conditions, spanStart, held)) {
            coefficients = held;
            origin = spanStart;
            return true;
        }
    }
    coefficients = solved ? plain : std::array<float, N>{};
    origin = 0.0f;
    return solved;
}

}  // namespace

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit EngineCodeState g_state;
}  // namespace

EngineCodeState& EngineCode() { return g_state; }

EngineRecord EngineRecordFromFigures(const EngineFigures& figures, uint8_t driveType,
                                     const EngineRecord& previous) {
    EngineRecord e = previous;
    e.PeakTorque = figures.PeakTorque;
    e.TorquePeakRPM = figures.TorquePeakRPM;
    e.TorquePeakWidth = figures.TorquePeakWidth;
    e.PeakPower = figures.PeakPower;
    e.PowerPeakSpeed = figures.PowerPeakRPM;
    e.IdleSpeed = figures.IdleRPM;
    e.LimitSpeed = figures.LimitRPM;
    e.EngineBrakingCoeff = figures.EngineBrakingCoeff;
    e.IdleTorqueFraction = figures.IdleTorqueFraction;
    e.LowerShape = figures.LowerShape;
    e.UpperShapeA = figures.UpperShapeA;
    e.UpperShapeB = figures.UpperShapeB;
    e.ReducePowerFactor = figures.ReducePowerFactor;
    e.ShiftPowerFactor = figures.ShiftPowerFactor;
    e.FuelType = figures.FuelType;
    if (driveType < kDriveThrust) {
        constexpr double k = core::kRpmToRadPerSec;
        e.TorquePeakStart = static_cast<float>(figures.TorquePeakRPM * k);
        e.TorquePeakEnd = static_cast<float>((figures.TorquePeakRPM + figures.TorquePeakWidth) * k);
        e.PowerPeakSpeed = static_cast<float>(figures.PowerPeakRPM * k);
        e.IdleSpeed = static_cast<float>(figures.IdleRPM * k);
        e.LimitSpeed = static_cast<float>(figures.LimitRPM * k);
    } else {
        // No engine turns and no fit replaces the curve: nothing of the engine before stays.
        e.TorquePeakStart = 0.0f;
        e.TorquePeakEnd = 0.0f;
        e.LowerCurve = {};
        e.UpperCurve = {};
        e.LowerOrigin = 0.0f;
        e.UpperOrigin = 0.0f;
        e.Speed = 0.0f;
        e.Torque = 0.0f;
        e.Power = 0.0f;
        e.Curve = {};
    }
    e.CurvePlateauStart = e.TorquePeakStart;
    e.CurvePlateauEnd = e.TorquePeakEnd;
    e.Throttle = 1.0f;
    return e;
}

namespace {

void FitLower(EngineRecord& engine) {
    const FitJoints j = JointsOf(engine);
    const float wp = j.plateauStart;
    engine.CurvePlateauStart = wp;
    if (j.idle >= wp) {  // the plateau (or the quartic) starts at idle: no cubic
        engine.LowerCurve = {0.0f, 0.0f, 0.0f, 0.0f};
        engine.LowerOrigin = 0.0f;
        return;
    }
    const float wi = SpanStart(j.idle, wp, engine.PowerPeakSpeed);
    const float ti = engine.IdleTorqueFraction * engine.PeakTorque;
    const float tp = engine.PeakTorque;
    const float s = engine.LowerShape * (tp - ti) / (wp - wi);  // wp != wi here
    const std::array<Condition, 4> conditions{{
        {wi, false, ti},   // T(wi) = Ti
        {wp, false, tp},   // T(wp) = Tp
        {wi, true, s},     // T'(wi) = s
        {wp, true, 0.0},   // T'(wp) = 0
    }};
    FitCurve(conditions, wi, engine.LowerCurve, engine.LowerOrigin);
}

void FitUpper(EngineRecord& engine) {
    const FitJoints j = JointsOf(engine);
    const float pr = ReducedPeakPower(engine);  // kW
    const float ws = j.powerPeak;               // rad/s
    const float we = j.plateauEnd;
    engine.CurvePlateauEnd = we;
    const float wm = static_cast<float>(kMidPlateauWeight * we + kMidPowerWeight * ws);
    const float ts = GuardedDiv(kWattsPerKilowatt * pr, ws);
    const float w2 = static_cast<float>(kSlopeStep * ws);
    const float t2 = GuardedDiv(kWattsPerKilowatt * (pr * engine.UpperShapeB), w2);
    const float slope = GuardedDiv(t2 - ts, w2 - ws);
    const float tm = (1.0f - engine.UpperShapeA) * ts + engine.UpperShapeA * engine.PeakTorque;
    const std::array<Condition, 5> conditions{{
        {we, false, engine.PeakTorque},  // T(we) = PeakTorque
        {ws, false, ts},                 // T(ws) = Ts
        {wm, false, tm},                 // T(wm) = Tm
        {we, true, 0.0},                 // T'(we) = 0
        {ws, true, slope},               // T'(ws) = slope
    }};

    auto& state = EngineCode();
    state.MatrixInverseOK = core::VbTrue;
    const bool fitted = FitCurve(conditions, we, engine.UpperCurve, engine.UpperOrigin);
    state.MatrixInverseOK = core::ToVbBool(fitted);
}

}  // namespace

void FitLowerTorqueCurve(EngineRecord& engine) {
    FitLower(engine);
    BoundFittedCurve(engine);
}

void FitUpperTorqueCurve(EngineRecord& engine) {
    FitUpper(engine);
    BoundFittedCurve(engine);
}

void UpdateEngineModel(EngineRecord& engine, uint8_t driveType) {
    if (driveType == kDriveThrust) return;  // thrust driven: no torque curve
    FitLower(engine);
    FitUpper(engine);
    BoundFittedCurve(engine);
}

TorqueEnds GetTorqueEnds(const EngineRecord& engine) {
    const float w = engine.Speed;
    TorqueEnds ends;

    ends.Full = FullThrottleTorque(engine, w);

    // Closed-throttle (engine-braking) torque, negative.
    const float phase = GuardedDiv(kBrakeSlope * w, engine.PowerPeakSpeed);
    float k = static_cast<float>(std::sin(phase + kBrakePhase));
    if (w > engine.PowerPeakSpeed && k < kBrakeFloor) k = kBrakeFloor;
    ends.Braking =
        -(engine.EngineBrakingCoeff * w * k + engine.EngineBrakingCoeff * kBrakeConstant);

    ends.Limited = core::FromVbBool(core::OptionsSettings().RevLimitEnabled) &&
                   w > engine.LimitSpeed + 1.0f;
    return ends;
}

float TorqueAtThrottle(const TorqueEnds& ends, float throttle) {
    const float t = ends.Limited ? 0.0f : throttle;
    const float torque = core::LerpSingle(ends.Braking, ends.Full, t);
    return std::isfinite(torque) ? torque : 0.0f;
}

float ThrottleAtZeroTorque(const TorqueEnds& ends, float braking, float driving) {
    // Halve the span until its ends are neighbouring floats; each pass keeps the torque at
    // `braking` at most 0 and the torque at `driving` above it.
    for (;;) {
        const float mid = braking + (driving - braking) * 0.5f;
        if (mid <= braking || mid >= driving) return braking;
        if (TorqueAtThrottle(ends, mid) > 0.0f)
            driving = mid;
        else
            braking = mid;
    }
}

float GetEngineTorque(const EngineRecord& engine) {
    return TorqueAtThrottle(GetTorqueEnds(engine), engine.Throttle);
}

float DrivingSpeedTop(const EngineRecord& engine) {
    return core::FromVbBool(core::OptionsSettings().RevLimitEnabled)
               ? engine.LimitSpeed
               : std::numeric_limits<float>::infinity();
}

float GetThrottleTorque(const EngineRecord& engine) {
    return engine.Throttle * engine.PeakTorque;
}

double GetFuelFlow(const EngineRecord& engine, float timeStep) {
    return GetFuelFlow(engine, GetTorqueEnds(engine), timeStep);
}

double GetFuelFlow(const EngineRecord& engine, const TorqueEnds& ends, float timeStep) {
    const auto& fuels = core::FuelTable().FuelTypes;
    if (engine.FuelType >= fuels.size()) return 0.0;
    const float energyPerLitre = fuels[engine.FuelType].EnergyPerLitre;  // J/L
    if (energyPerLitre == 0.0f) return 0.0;
    const float closed = TorqueAtThrottle(ends, 0.0f);
    const float full = TorqueAtThrottle(ends, 1.0f);
    if (full <= 0.0f) return 0.0;
    const float r = GuardedDiv(full - closed, engine.PeakTorque - closed);
    const double efficiency = kPeakEfficiency * r;
    if (efficiency == 0.0) return 0.0;
    const double litres = static_cast<double>(engine.Torque - closed) * engine.Speed /
                          efficiency * timeStep / energyPerLitre;
    return std::isfinite(litres) ? litres : 0.0;
}

void ScanEnginePeaks(EngineRecord& engine) {
    auto& s = EngineCode();
    s.ScannedTorquePeak = 0.0f;
    s.ScannedTorquePeakSpeed = 0.0f;
    s.ScannedPowerPeak = 0.0f;
    s.ScannedPowerPeakSpeed = 0.0f;
    // The curve may pass the peak torque by its slack (vehicle/engine/EngineCurve.hpp): where it
    // reaches the peak torque within that, from the plateau's start on, the peak torque is the
    // figure, at the first speed that reaches it. The plateau starts where it was typed or, where
    // the fit moved it lower (a plateau of no width close below the power peak), there.
    const float reach = static_cast<float>(engine.PeakTorque * (1.0 - kCurveBoundSlack));
    const float plateauStart = std::min(engine.TorquePeakStart, engine.CurvePlateauStart);
    float reachedAt = -1.0f;  // rad/s; none yet
    const int32_t first = core::CInt(engine.IdleSpeed);
    const int32_t last = core::CInt(engine.LimitSpeed);
    for (int32_t step = first; step <= last; ++step) {
        const auto w = static_cast<float>(step);
        engine.Speed = w;
        const float t = GetEngineTorque(engine);
        const float p = w * t / kWattsPerKilowatt;
        if (t > s.ScannedTorquePeak) {
            s.ScannedTorquePeak = t;
            s.ScannedTorquePeakSpeed = w;
        }
        if (reachedAt < 0.0f && w >= plateauStart && t >= reach && t > 0.0f)
            reachedAt = w;
        if (p > s.ScannedPowerPeak) {
            s.ScannedPowerPeak = p;
            s.ScannedPowerPeakSpeed = w;
        }
    }
    if (reachedAt >= 0.0f) {
        s.ScannedTorquePeak = engine.PeakTorque;
        s.ScannedTorquePeakSpeed = reachedAt;
    }
    // The slack is the curve's, not the engine's: never more than the peak torque is shown.
    s.ScannedTorquePeak = std::min(s.ScannedTorquePeak, std::max(engine.PeakTorque, 0.0f));
}

}  // namespace vehicle
