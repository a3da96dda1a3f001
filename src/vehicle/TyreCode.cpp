#include "vehicle/TyreCode.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/ModelGuards.hpp"

namespace vehicle {

namespace {
// The one instance, at namespace scope so its accessor needs no first-use check. Not
// constinit: its table holds std::string names, whose constructor GCC evaluates at compile
// time but clang (with libstdc++ 12) cannot, so there it is initialised before main; nothing
// reads it earlier.
TyreCodeState g_state;
}  // namespace

TyreCodeState& TyreCode() { return g_state; }

namespace {

constexpr float kPi = 3.141592653589f;
constexpr float kTwoPi = 6.283185307178f;
constexpr float kGravity = 9.80665f;
constexpr float kInchesPerCm = 0.393900787f;
constexpr float kOneThird = 0.3333333432674408f;   // 1/3 as a Single
constexpr float kOneTwelfth = 0.0833333358168602f;  // 1/12 as a Single
constexpr float kRimDensity = 2700.0f;              // kg/m^3, aluminium
constexpr float kTyreDensity = 1400.0f;             // kg/m^3, rubber
constexpr float kRimClearance = 0.015f;             // m between rim edge and usable sidewall
constexpr float kLatGripRatio = 1.225f;             // longitudinal / lateral friction
constexpr float kPatchPressureRef = 180000.0f;      // Pa, load sensitivity of friction
// Friction falls with the patch pressure only down to this share of the compound's peak. The
// grip force (load x friction) of this model is greatest where the friction has fallen to
// 0.55-0.6 of the peak (tyres from 50 to 400 mm wide, 200 to 800 kPa); past that, more load
// would give less force, and the fall would go on through zero. Heavily loaded tyres keep
// about half a performance tyre's peak: truck tyres reach 0.6 to 0.8 on dry asphalt.
constexpr float kLeastGripShare = 0.5f;
constexpr int kMaxDeflectionPasses = 255;
constexpr int kMaxMassFitPasses = 10000;
constexpr int kMassFitReversals = 3;

// Standstill rolling-resistance terms, replaced by load-dependent ones at the first patch.
constexpr float kRollResC0 = 0.0085f;
constexpr float kRollResC1 = 0.002f;
constexpr float kRollResLoadFactor = 70.0f;          // per m of deflection

TyreCompound Compound(const char* name, float peak, uint8_t optimum, float coldWindow,
                      float hotWindow, float coldEdge, float hotEdge, float farCold,
                      float farHot) {
    return TyreCompound{name, peak, optimum, coldWindow, hotWindow, coldEdge, hotEdge, farCold,
                        farHot};
}

// Temperature factor of the compound at temperature `temp` (deg C): 1 at the optimum, the edge
// factor at the window's edge, tending to the far factor well outside it.
float TemperatureFactor(const TyreCompound& c, uint8_t temp) {
    const float dT = static_cast<float>(static_cast<int>(temp) - static_cast<int>(c.OptimumTemp));
    float window, edge, far;
    if (dT < 0.0f) {
        window = c.ColdWindow;
        edge = c.ColdEdgeFactor;
        far = c.FarColdFactor;
    } else {
        window = c.HotWindow;
        edge = c.HotEdgeFactor;
        far = c.FarHotFactor;
    }
    const float x = GuardedDiv(dT, window);  // windows carry the sign of their side: x >= 0
    if (std::fabs(x) < 1.0f) {
        const float x2 = x * x;
        return 1.0f - x2 + x2 * edge;
    }
    const float q = std::fabs(1.0f - 1.0f / x);
    return (1.0f - q) * edge + q * far;
}

const TyreCompound& CompoundOf(const TyreState& tyre) {
    const auto& table = TyreCode().TyreCompounds;
    // A compound index from a damaged setup file falls back to the default compound.
    return table[tyre.CompoundIndex < table.size() ? tyre.CompoundIndex : kDefaultTyreCompound];
}

}  // namespace

float WearDepthFromPercent(int32_t wearPercent) {
    return static_cast<float>(wearPercent) / 100.0f * kTreadDepth;
}

void InitTyreCompounds() {
    auto& t = TyreCode().TyreCompounds;
    t[0] = Compound("Slick R1", 1.95f, 70, -14.0f, 14.0f, 0.93f, 0.95f, 0.85f, 0.78f);
    t[1] = Compound("Slick R2", 1.9f, 85, -20.0f, 15.0f, 0.94f, 0.95f, 0.83f, 0.81f);
    t[2] = Compound("Slick R3", 1.85f, 100, -20.0f, 20.0f, 0.95f, 0.95f, 0.79f, 0.84f);
    t[3] = Compound("Slick R4", 1.8f, 115, -20.0f, 20.0f, 0.95f, 0.96f, 0.79f, 0.87f);
    t[4] = Compound("Road Super", 1.5f, 60, -23.0f, 30.0f, 0.93f, 0.96f, 0.82f, 0.82f);
    t[5] = Compound("Road Normal", 1.4f, 50, -23.0f, 30.0f, 0.93f, 0.96f, 0.82f, 0.82f);
    t[6] = Compound("Hybrid", 1.4f, 50, -23.0f, 30.0f, 0.93f, 0.96f, 0.82f, 0.82f);
    t[7] = Compound("Knobbly", 1.25f, 40, -23.0f, 30.0f, 0.93f, 0.96f, 0.82f, 0.82f);
    t[8] = Compound("Drag Slick", 3.5f, 85, -20.0f, 15.0f, 0.94f, 0.95f, 0.83f, 0.81f);
    for (TyreState& w : TyreCode().WheelTyres) {
        w.RollResC0 = kRollResC0;
        w.RollResC1 = kRollResC1;
        w.CompoundIndex = kDefaultTyreCompound;
    }
}

float CalcWheelMassAndInertia(TyreState& tyre, float scale, bool writeInertia) {
    const float rr = tyre.RimDiameter / 2.0f;
    const float R = tyre.UnloadedRadius;
    const float W = tyre.Width;
    const float k = scale;

    // Wall thicknesses: rim flange, barrel, centre disc; tyre tread band and sidewall.
    const float t1 = 0.06f * rr * k;
    const float t2 = 0.025f * rr * k;
    const float t3 = 0.12f * rr * k;
    const float u1 = 0.013f * R * k;
    const float u2 = 0.0225f * R * k + u1;
    const float a = rr - t1;      // inner barrel radius
    const float b = W - 2.0f * t2;  // barrel width
    const float at2 = a + t2;
    const float Ru = R - u2;        // inner radius of the tread band

    const float V1 = kTwoPi * t2 * (rr * rr - a * a);        // two flanges
    const float V2 = kPi * b * (at2 * at2 - a * a);           // barrel
    const float V3 = kPi * a * a * t3 * kOneThird;            // centre disc as a cone
    const float V4 = kPi * W * (R * R - Ru * Ru);             // tread band
    const float V5 = kTwoPi * u1 * (Ru * Ru - rr * rr);       // two sidewalls

    if (!writeInertia) return kRimDensity * (V1 + V2 + V3) + kTyreDensity * (V4 + V5);

    const float m1 = kRimDensity * V1;
    const float m2 = kRimDensity * V2;
    const float m3 = kRimDensity * V3;
    const float m4 = kTyreDensity * V4;
    const float m5 = kTyreDensity * V5;
    const float c = kOneTwelfth;

    tyre.Inertia = Finite(m1 * (rr * rr + a * a) / 2.0f + m2 * (at2 * at2 + a * a) / 2.0f +
                          m3 * (a * a) / 2.0f + m4 * (R * R + Ru * Ru) / 2.0f +
                          m5 * (rr * rr + Ru * Ru) / 2.0f);
    const float halfW = W / 2.0f;
    tyre.InertiaA = Finite(c * m1 * (3.0f * (a * a + rr * rr) + t2 * t2) +
                           c * m2 * (3.0f * (at2 * at2 + a * a) + b * b) +
                           c * m3 * (3.0f * (a * a) + t3 * t3) +
                           c * m4 * (3.0f * (R * R + Ru * Ru) + W * W) +
                           c * m5 * (3.0f * (rr * rr + Ru * Ru) + u1 * u1) +
                           m5 * (halfW * halfW));
    return 0.0f;
}

namespace {

// The largest wall-thickness scale at which the walls still fit the wheel: the rim's flange
// (0.06 rr k) no thicker than the rim's radius, its two barrel walls (0.025 rr k each) no wider
// than the tyre, and the tread band and sidewall (0.0355 R k together) no deeper than the
// tyre's height above the rim. Past it a radius of the model turns negative and the volumes
// lose their meaning.
float LargestWallScale(const TyreState& tyre) {
    const float rr = tyre.RimDiameter / 2.0f;
    const float R = tyre.UnloadedRadius;
    float k = std::numeric_limits<float>::infinity();
    if (rr > 0.0f) k = std::min({k, 1.0f / 0.06f, tyre.Width / (0.05f * rr)});
    if (R > 0.0f) k = std::min(k, (R - rr) / ((0.0225f + 0.013f) * R));
    return std::max(k, 0.0f);
}

// Wall-thickness scale at which the wheel model weighs the tyre's WheelMass. Steps of 0.01
// far from the target, 0.0005 near it; ends within 0.2 % of the mass, at the third reversal of
// direction, or after kMaxMassFitPasses steps (keeping the last scale). The scale stays within
// LargestWallScale; a wheel heavier than its walls can make at that scale keeps it, and
// `densityFactor` (otherwise 1) says how much denser than the model's metal and rubber the
// wheel must be to weigh its mass.
float FitWallScale(TyreState& tyre, float& densityFactor) {
    densityFactor = 1.0f;
    const float target = tyre.WheelMass;
    const float m1 = CalcWheelMassAndInertia(tyre, 1.0f, false);
    // A wheel the model gives no (or no sensible) mass cannot be fitted: keep the scale 1.
    if (!(m1 > 0.0f) || !std::isfinite(m1)) return 1.0f;
    const float largest = LargestWallScale(tyre);
    // Whether the walls at their thickest still weigh less than the wheel (then its density).
    const auto tooLightAtLargest = [&] {
        const float heaviest = CalcWheelMassAndInertia(tyre, largest, false);
        if (!(heaviest > 0.0f) || heaviest >= target) return false;
        densityFactor = target / heaviest;
        return true;
    };
    float k = target / m1;
    if (k > largest) {
        if (tooLightAtLargest()) return largest;
        k = largest;
    }
    float e = CalcWheelMassAndInertia(tyre, k, false) - target;
    const float tolerance = 0.002f * target;
    const float band = 0.1f * target;
    int reversals = 0;
    int direction = 0;  // 0 none yet, +1 up, -1 down
    for (int pass = 0; std::fabs(e) > tolerance && pass < kMaxMassFitPasses; ++pass) {
        if (e >= 0.0f) {  // too heavy
            k = e > band ? k - 0.01f : k - 0.0005f;
            if (direction == 1) ++reversals;
            direction = -1;
        } else {  // too light
            k = e < -band ? k + 0.01f : k + 0.0005f;
            if (k > largest) {
                if (tooLightAtLargest()) return largest;
                k = largest;
            }
            if (direction == -1) ++reversals;
            direction = 1;
        }
        e = CalcWheelMassAndInertia(tyre, k, false) - target;
        if (reversals >= kMassFitReversals) break;
    }
    return k;
}

}  // namespace

void CalcWheelDimensionsAndInertia() {
    const VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    for (int i = 0; i < 4; ++i) {
        TyreState& t = TyreCode().WheelTyres[i];
        const int axle = i / 2;
        const TyreSize& size = v.Tyres[axle];
        t.Width = static_cast<float>(size.Width) / 1000.0f;
        t.Aspect = static_cast<float>(size.Profile) / 100.0f;
        t.RimDiameter = static_cast<float>(size.RimDiameter) / kInchesPerCm / 100.0f;
        t.WheelMass = v.RotatingMass[axle];

        const float halfRim = t.RimDiameter / 2.0f;
        const float R = t.Aspect * t.Width + halfRim;
        t.UnloadedRadius = R;
        t.SidewallHeight = R - halfRim - kRimClearance;
        t.CrownDepth = t.Width * 0.02f;
        t.SidewallFree = R - t.CrownDepth - (halfRim + kRimClearance);
        t.SidewallBulge = 0.3f * t.SidewallFree;
        const float s = t.SidewallBulge + t.CrownDepth;
        t.CrownSagitta = s;
        const float halfW = t.Width / 2.0f;
        // Circle through the tread edges with sagitta s; a tyre without a crown has none.
        t.CrownRadius = GuardedDiv(halfW * halfW + s * s, 2.0f * s);
        t.StiffnessTerm = kTwoPi * GuardedSqrt(t.CrownRadius * R);

        float density = 1.0f;
        const float k = FitWallScale(t, density);
        CalcWheelMassAndInertia(t, k, true);
        // The same shape of denser material: the moments grow with the mass.
        t.Inertia *= density;
        t.InertiaA *= density;
    }
}

namespace {

// RoundToDecimals(a, 7) == RoundToDecimals(b, 7). Rounding moves a value by at most half a
// unit of the seventh decimal (0.5e-7) plus half a unit of its seventh significant digit
// (at most 0.5e-6 of the value) plus the float roundings of the scaled value and the result
// (a few 1e-9 at these sizes); two values further apart than both movements together cannot
// round alike, so only close ones need the rounding itself. The bound used has a 15 % margin.
bool SameAtSevenDecimals(float a, float b) {
    const float larger = std::max(std::fabs(a), std::fabs(b));
    const float apart = std::fabs(a - b);
    if (apart > 1.2e-7f + 1.2e-6f * larger) return false;
    return core::RoundToDecimals(a, 7) == core::RoundToDecimals(b, 7);
}

// How the deflection iteration starts and when it ends.
enum class DeflectionStart {
    Fixed,  // from a fifth of the wall height; ends when two passes agree to 7 decimals
    Last,   // from the tyre's last deflection; ends when a pass moves it 0.5e-7 m or less
};

// Deflection (m) under the load by fixed-point iteration; returns the passes made.
int IterateTyreDeflection(TyreState& tyre, float load, DeflectionStart start);

}  // namespace

int CalcTyreDeflection(TyreState& tyre, float load) {
    DeflectionMemo& memo = TyreCode().LastDeflection;
    if (memo.valid && memo.load == load && memo.pressure == tyre.Pressure &&
        memo.sidewallHeight == tyre.SidewallHeight && memo.crownRadius == tyre.CrownRadius &&
        memo.unloadedRadius == tyre.UnloadedRadius && memo.stiffnessTerm == tyre.StiffnessTerm) {
        tyre.PressureFactor = memo.pressureFactor;
        tyre.EffectivePressure = memo.effectivePressure;
        tyre.VerticalStiffness = memo.verticalStiffness;
        tyre.Deflection = memo.deflection;
        return memo.passes;
    }
    const int passes = IterateTyreDeflection(tyre, load, DeflectionStart::Fixed);
    memo = {true, tyre.SidewallHeight, tyre.CrownRadius, tyre.UnloadedRadius, tyre.StiffnessTerm,
            load, tyre.Pressure, tyre.PressureFactor, tyre.EffectivePressure,
            tyre.VerticalStiffness, tyre.Deflection, passes};
    return passes;
}

namespace {

// One pass of the fixed-point iteration from deflection d0 (m): the pressure factor,
// effective pressure and vertical stiffness at d0, and the next deflection, the mean of d0 and
// the sink the load gives at that stiffness.
inline float DeflectionPass(TyreState& tyre, float load, float pressure, float d0) {
    tyre.PressureFactor =
        Finite(1.0f / (tyre.CrownRadius * tyre.UnloadedRadius / (d0 * d0) * 0.001f + 1.0f));
    tyre.EffectivePressure = tyre.PressureFactor * pressure;
    tyre.VerticalStiffness = tyre.EffectivePressure * tyre.StiffnessTerm;
    // load / stiffness; a tyre without stiffness (no pressure) gives way to any load at
    // once, and carries no load without deflecting.
    float sink = 0.0f;
    if (tyre.VerticalStiffness != 0.0f)
        sink = load / tyre.VerticalStiffness;
    else if (load > 0.0f)
        sink = std::numeric_limits<float>::infinity();
    float d = (sink + d0) / 2.0f;
    if (!(d > 0.0f)) d = 0.0001f;  // also catches a quotient that is not a number
    if (d > tyre.SidewallHeight) d = tyre.SidewallHeight;
    return d;
}

// Whether the iteration ends after a pass from d0 to d.
bool DeflectionSettled(bool fromLast, float d, float d0) {
    if (d == 0.0f) return true;
    return fromLast ? std::fabs(d - d0) <= 0.5e-7f : SameAtSevenDecimals(d, d0);
}

bool StartsFromLast(const TyreState& tyre, DeflectionStart start) {
    return start == DeflectionStart::Last && tyre.Deflection > 0.0f &&
           tyre.Deflection <= tyre.SidewallHeight;
}

int IterateTyreDeflection(TyreState& tyre, float load, DeflectionStart start) {
    const float pressure = static_cast<float>(tyre.Pressure);
    const bool fromLast = StartsFromLast(tyre, start);
    float d = fromLast ? tyre.Deflection : 0.2f * tyre.SidewallHeight;
    int passes = 0;
    while (passes < kMaxDeflectionPasses) {
        ++passes;
        const float d0 = d;
        d = DeflectionPass(tyre, load, pressure, d0);
        if (DeflectionSettled(fromLast, d, d0)) break;
    }
    tyre.Deflection = Finite(d);
    return passes;
}

// Loaded and rolling radii, contact patch and rolling-resistance terms at the tyre's
// deflection.
void PatchFromDeflection(TyreState& tyre) {
    const float d = tyre.Deflection;
    const float Rw = tyre.UnloadedRadius - tyre.WearDepth;  // radius of the worn tyre
    tyre.LoadedRadius = Rw - d;
    tyre.RollingRadius = Rw - d / 3.0f;
    tyre.PatchLength = 2.0f * GuardedSqrt(Rw * Rw - tyre.LoadedRadius * tyre.LoadedRadius);
    tyre.PatchWidth = tyre.Width;
    tyre.PatchArea = tyre.Width * tyre.PatchLength;
    tyre.RollResC0 = d * kRollResC0 * kRollResLoadFactor;
    tyre.RollResC1 = d * kRollResC1 * kRollResLoadFactor;
}

}  // namespace

void CalcTyreContactPatch(TyreState& tyre, float load, bool fromLastDeflection) {
    if (fromLastDeflection)
        IterateTyreDeflection(tyre, load, DeflectionStart::Last);
    else
        CalcTyreDeflection(tyre, load);
    PatchFromDeflection(tyre);
}

float TyreTemperatureFactor(const TyreState& tyre) {
    return TemperatureFactor(CompoundOf(tyre), tyre.Temperature);
}

void CalcTyreGrip(TyreState& tyre, float load) {
    CalcTyreGrip(tyre, load, TyreTemperatureFactor(tyre));
}

void CalcTyreGrip(TyreState& tyre, float load, float temperatureFactor) {
    const TyreCompound& c = CompoundOf(tyre);
    float mu0 = c.PeakGrip;
    // A wheel off the ground (no load, or a lift beyond its load) has its unloaded friction.
    if (load > 0.0f) {
        // Friction falls with the mean patch pressure; no patch area gives no reduction.
        const float p = GuardedDiv(load, tyre.PatchArea * kPatchPressureRef);
        mu0 = std::max(c.PeakGrip - p * p, kLeastGripShare * c.PeakGrip);
    }
    tyre.LongGrip = temperatureFactor * mu0;
    tyre.LatGrip = tyre.LongGrip / kLatGripRatio;
}

void UpdateTyreAnalysis(const TyreSetupInputs& setup, const LiveTyreInputs& live,
                        const TyreLoadInputs& loads) {
    TyreCodeState& s = TyreCode();
    const float wear = WearDepthFromPercent(live.WearPercent);
    const bool liveLoadsZero = loads.CornerDynamicLoad[0] + loads.CornerDynamicLoad[1] +
                                   loads.CornerDynamicLoad[2] + loads.CornerDynamicLoad[3] ==
                               0.0f;
    std::array<float, 4> staticGrip{};
    for (int i = 0; i < 4; ++i) {
        TyreState& t = s.WheelTyres[i];
        t.Pressure = core::CLng(static_cast<double>(setup.PressureKPa[i]) * 1000.0);
        t.Temperature = core::CByte(live.TemperatureC[i / 2]);
        t.WearDepth = wear;

        // Static pass.
        CalcTyreContactPatch(t, loads.CornerStaticLoad[i]);
        CalcTyreGrip(t, loads.CornerStaticLoad[i]);
        t.TractionTorqueLimit = loads.CornerMass[i] * kGravity * t.LongGrip * t.RollingRadius;
        staticGrip[i] = t.LongGrip;

        // Live pass.
        CalcTyreContactPatch(t, loads.CornerDynamicLoad[i]);
        CalcTyreGrip(t, loads.CornerDynamicLoad[i]);
        s.WheelGripLoss[i] = staticGrip[i] == 0.0f ? 0.0f : 1.0f - t.LongGrip / staticGrip[i];

        // A wheel lifted off the ground passes on no force.
        const float load = std::max(
            liveLoadsZero ? loads.CornerStaticLoad[i] : loads.CornerDynamicLoad[i], 0.0f);
        t.LongGripForce = load * t.LongGrip;
        t.LatGripForce = load * t.LatGrip;
        t.LongAccelRate = GuardedDiv(t.LongGripForce, loads.CornerMass[i]);
        t.LatAccelRate = GuardedDiv(t.LatGripForce, loads.CornerMass[i]);

        t.RollingCircumference = 2.0f * t.RollingRadius * kPi;
        t.WallHeightRemaining = t.SidewallHeight - t.Deflection;
        t.DeflectionRatio = GuardedDiv(t.Deflection, t.SidewallHeight);
        t.PatchAspect = GuardedDiv(t.PatchWidth, t.PatchLength);
        t.VerticalFrequency = 0.0f;
        if (loads.CornerMass[i] > 0.0f && t.VerticalStiffness > 0.0f)
            t.VerticalFrequency =
                Finite(0.5f / (kPi * std::sqrt(loads.CornerMass[i] / t.VerticalStiffness)));
    }
    const auto& w = s.WheelTyres;
    s.FrontPatchShare =
        GuardedDiv(w[0].PatchArea + w[1].PatchArea,
                   w[0].PatchArea + w[1].PatchArea + w[2].PatchArea + w[3].PatchArea);
    s.FrontGripShare =
        GuardedDiv(w[0].LatAccelRate + w[1].LatAccelRate,
                   w[0].LatAccelRate + w[1].LatAccelRate + w[2].LatAccelRate + w[3].LatAccelRate);
    const float staticSum = staticGrip[0] + staticGrip[1] + staticGrip[2] + staticGrip[3];
    const float liveSum = w[0].LongGrip + w[1].LongGrip + w[2].LongGrip + w[3].LongGrip;
    s.WeightTransferGripLoss = staticSum == 0.0f ? 0.0f : 1.0f - liveSum / staticSum;
}

void CalcAxleTyreHeights(HeightChange& result, const PositionXYZ& position, float dFL, float dFR,
                         float dRL, float dRR, float unsprungCoGY, int32_t wearPercent) {
    const float wear = WearDepthFromPercent(wearPercent);
    const float hF = -0.5f * (dFL + dFR) - wear;
    const float hR = -0.5f * (dRL + dRR) - wear;
    const float u = unsprungCoGY;
    result[1] = (1.0f - u) * hR + u * hF;
    const VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    for (int k = 0; k < 4; ++k) {
        const float y = v.AeroElements[k].PosY;
        result[2 + k] = (1.0f - y) * hR + y * hF;
    }
    const float Y = position.Y;
    // Lateral term: the right-hand wheels' mean deflection against the left-hand ones', felt
    // at the centre of gravity in proportion to its offset from the centre line.
    result[0] = (1.0f - Y) * hR + Y * hF +
                (0.5f * (dFR + dRR) - 0.5f * (dFL + dRL)) * (0.5f - position.X);
}

void CalcGearRollingRadii() {
    GearingCodeState& gearing = GearingCode();
    const float frontTorqueShare = gearing.FrontTorqueShare;
    const auto& loads = AeroCode().GearWheelLoads;
    std::array<TyreState, 4> copy = TyreCode().WheelTyres;
    for (std::size_t g = 0; g < kGearRows; ++g) {
        for (int i = 0; i < 4; ++i) CalcTyreContactPatch(copy[i], loads[g][i]);
        gearing.GearRollingRadius[g] =
            0.98f *
            ((copy[0].RollingRadius + copy[1].RollingRadius) * frontTorqueShare +
             (copy[2].RollingRadius + copy[3].RollingRadius) * (1.0f - frontTorqueShare)) /
            2.0f;
    }
}

}  // namespace vehicle
