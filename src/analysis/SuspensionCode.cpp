// Static suspension figures, load sharing across an axle, body roll and pitch, and sprung
// height changes. The response runs and the time step are in SuspensionResponse.cpp.
#include "analysis/SuspensionCode.hpp"

#include <cmath>
#include <limits>

#include "analysis/PhysicalCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/ModelGuards.hpp"

namespace analysis {

namespace {

SuspensionCodeState g_suspension;

constexpr double kTwoPi = 2.0 * core::kPi;  // 6.283185307178, as the frequencies use it

// n / d rounded to a float, or 0 when d is 0 or the quotient is not finite.
float Div(double n, double d) {
    if (d == 0.0) return 0.0f;
    const auto q = static_cast<float>(n / d);
    return std::isfinite(q) ? q : 0.0f;
}

// Square root of a term sound inputs keep non-negative; 0 otherwise.
double Root(double x) { return (x > 0.0 && std::isfinite(x)) ? std::sqrt(x) : 0.0; }

// atan of a slope rise / run, 0 when the run is 0.
float SlopeAngle(double rise, double run) {
    return static_cast<float>(std::atan(static_cast<double>(Div(rise, run))));
}

// Corner `first` of an axle from the axle's geometry and sliders; copied whole to the other
// corner of the axle.
void SetAxleCorners(SuspensionCodeState& s, const SuspensionSetupInputs& setup,
                    const vehicle::AxleSuspension& axle, int a) {
    SuspCorner& c = s.SuspCorners[2 * a];
    c.MotionRatio = axle.SpringMotionRatio;
    c.SpringTravel = static_cast<float>(setup.SpringTravelMm[a] / 1000.0);
    c.SpringRate = SliderRate(setup.SpringStiffness[a]);
    c.BumpDamp = SliderRate(setup.BumpDamp[a]);
    c.ReboundDamp = SliderRate(setup.ReboundDamp[a]);
    s.SuspCorners[2 * a + 1] = c;
}

// Rates, frequencies and damping of one corner with sprung corner mass m and unsprung corner
// mass mu. The rates at the wheel are worked out whatever the mass, so a corner without sprung
// mass never keeps the figures of an earlier vehicle or setup.
void CalcCornerFigures(SuspensionCodeState& s, int i, float m, float mu) {
    SuspCorner& c = s.SuspCorners[i];
    const double mr = c.MotionRatio;
    s.ReboundBumpRatio[i] = c.BumpDamp == 0 ? -1.0f : Div(c.ReboundDamp, c.BumpDamp);
    c.WheelTravel = c.SpringTravel * c.MotionRatio;
    c.WheelRate = Div(static_cast<double>(c.SpringRate), mr * mr);
    c.BumpDampWheel = Div(static_cast<double>(c.BumpDamp), mr);
    c.ReboundDampWheel = Div(static_cast<double>(c.ReboundDamp), mr);

    if (m == 0.0f) {
        c.RideFrequency = 0.0f;
        c.CriticalDamping = 0.0f;
        c.BumpDampingRatio = 0.0f;
        c.ReboundDampingRatio = 0.0f;
        s.BumpDampedFrequency[i] = 0.0f;
        s.ReboundDampedFrequency[i] = 0.0f;
    } else {
        const double k = c.WheelRate;
        const double md = m;
        c.RideFrequency = static_cast<float>(Root(k / md) / kTwoPi);
        c.CriticalDamping = static_cast<float>(2.0 * Root(k * md));
        c.BumpDampingRatio = Div(c.BumpDampWheel, c.CriticalDamping);
        c.ReboundDampingRatio = Div(c.ReboundDampWheel, c.CriticalDamping);
        // Below critical damping the corner still oscillates, at
        // sqrt(k/m - c^2 / (4 m^2)) / (2 pi); at or above it there is no oscillation.
        auto damped = [&](float dampWheel) -> float {
            if (!(dampWheel < c.CriticalDamping)) return 0.0f;
            const double cw = dampWheel;
            return static_cast<float>(Root(k / md - cw * cw / (4.0 * md * md)) / kTwoPi);
        };
        s.BumpDampedFrequency[i] = damped(c.BumpDampWheel);
        s.ReboundDampedFrequency[i] = damped(c.ReboundDampWheel);
    }

    // Wheel hop: the unsprung corner bouncing on the wheel rate, 1 / (2 pi) sqrt(k / mu).
    const double hopRoot = Root(Div(mu, c.WheelRate));
    c.WheelHopFrequency = Div(0.5, hopRoot * core::kPi);
}

// Level-ride targets: a bump met by the front axle reaches the rear tau = L / v later; the
// front (rear) frequency that brings both ends level again given the other end's frequency.
void CalcLevelRide(SuspensionCodeState& s, uint8_t liveSpeed, float wheelbase) {
    s.RearLevelRideExists = true;
    if (liveSpeed == 0) {
        s.LevelRideFrequency = {0.0f, 0.0f};
        return;
    }
    const auto& c = s.SuspCorners;
    const float fFront = (c[0].RideFrequency + c[1].RideFrequency) * 0.5f;
    const float fRear = (c[2].RideFrequency + c[3].RideFrequency) * 0.5f;
    const float tau = wheelbase / static_cast<float>(liveSpeed);
    // A mean frequency of 0 stands for an infinitely long period: the target is then 0.
    s.LevelRideFrequency[0] = fRear == 0.0f ? 0.0f : Div(1.0, tau + 1.0f / fRear);
    const float periodLeft = fFront == 0.0f ? 0.0f : 1.0f / fFront - tau;  // s
    s.RearLevelRideExists = fFront == 0.0f || periodLeft > 0.0f;
    s.LevelRideFrequency[1] = fFront == 0.0f ? 0.0f : Div(1.0, periodLeft);
}

void CalcRollAndPitchStiffness(SuspensionCodeState& s, const vehicle::VehicleRecord& v,
                               const PhysicalCodeState& p) {
    auto& rs = s.RollStiffness;
    for (int a = 0; a < 2; ++a) {
        const float t = v.Axles[a].TrackWidth;
        const float t2 = t * t;
        rs[6 * a + kRollSprings] = s.SuspCorners[2 * a].WheelRate * 0.5f * t2;
        rs[6 * a + kRollBar] = t2 * s.AntiRollStiffness[a];
        rs[6 * a + kRollTotal] = rs[6 * a + kRollBar] + rs[6 * a + kRollSprings];
        rs[6 * a + kRollBarSpringRatio] = Div(rs[6 * a + kRollBar], rs[6 * a + kRollSprings]);
    }

    const float y = p.VehicleCoG.Y;
    const float l = v.Wheelbase;
    const float toFront = (1.0f - y) * l;  // m, centre of gravity to the front axle
    const float toRear = y * l;            // m, centre of gravity to the rear axle
    s.PitchStiffness = toFront * toFront * s.SuspCorners[0].WheelRate +
                       toRear * toRear * s.SuspCorners[2].WheelRate;

    if (p.SprungMass == 0.0f) {
        for (int a = 0; a < 2; ++a) {
            rs[6 * a + kRollSpringsPerMass] = 0.0f;
            rs[6 * a + kRollTotalPerMass] = 0.0f;
        }
        s.PitchStiffnessPerMass = 0.0f;
    } else {
        for (int a = 0; a < 2; ++a) {
            const float axleMass = p.SprungCornerMass[2 * a] + p.SprungCornerMass[2 * a + 1];
            rs[6 * a + kRollSpringsPerMass] = Div(rs[6 * a + kRollSprings], axleMass);
            rs[6 * a + kRollTotalPerMass] = Div(rs[6 * a + kRollTotal], axleMass);
        }
        s.PitchStiffnessPerMass = Div(s.PitchStiffness, p.SprungMass);
    }

    s.RollStiffnessFrontShare = Div(rs[kRollTotal], rs[6 + kRollTotal] + rs[kRollTotal]);
    s.RollPerMassRearShare =
        p.SprungMass == 0.0f
            ? 0.5f
            : Div(rs[6 + kRollTotalPerMass], rs[kRollTotalPerMass] + rs[6 + kRollTotalPerMass]);
}

// Damping balance: each damper's coefficient weighted by its axle's track and by the share of
// the mass the other axle carries, as a share of the pair that acts in a cornering phase.
void CalcDampBalance(SuspensionCodeState& s, const vehicle::VehicleRecord& v, float y) {
    const double tf = v.Axles[0].TrackWidth;
    const double tr = v.Axles[1].TrackWidth;
    const SuspCorner& f = s.SuspCorners[0];
    const SuspCorner& r = s.SuspCorners[2];
    // Sums of two coefficients are formed as integers (64-bit: no overflow) before use.
    auto wf = [&](int64_t d) { return tf * static_cast<double>(d) * y; };
    auto wr = [&](int64_t d) { return (1.0 - y) * tr * static_cast<double>(d); };
    auto share = [](double part, double other) { return Div(part, other + part); };

    const int64_t fBump = f.BumpDamp, fReb = f.ReboundDamp;
    const int64_t rBump = r.BumpDamp, rReb = r.ReboundDamp;

    s.DampBalance[0] = (fBump == 0 && rReb == 0) ? 1.0f : share(wr(rReb), wf(fBump));
    if (fBump == 0 && fReb == 0 && rBump == 0 && rReb == 0) {
        s.DampBalance[1] = 1.0f;
        s.DampBalance[3] = 1.0f;
    } else {
        const double front = wf(fBump + fReb);
        const double rear = wr(rBump + rReb);
        s.DampBalance[1] = share(rear, front);
        s.DampBalance[3] = Div(front, front + rear);
    }
    if (fReb == 0 && rBump == 0) {
        s.DampBalance[2] = 1.0f;
        s.DampBalance[4] = 1.0f;
    } else {
        const double front = wf(fReb);
        const double rear = wr(rBump);
        s.DampBalance[2] = share(rear, front);
        s.DampBalance[4] = Div(front, front + rear);
    }
}

}  // namespace

SuspensionCodeState& SuspensionCode() { return g_suspension; }

int32_t SliderRate(int32_t sliderValue) {
    const int64_t rate = static_cast<int64_t>(sliderValue) * 100;
    if (rate > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (rate < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rate);
}

void CalcSuspension(const SuspensionSetupInputs& setup, uint8_t liveSpeed) {
    SuspensionCodeState& s = g_suspension;
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const PhysicalCodeState& p = PhysicalCode();

    SetAxleCorners(s, setup, v.Axles[0], 0);
    SetAxleCorners(s, setup, v.Axles[1], 1);

    for (int a = 0; a < 2; ++a) {
        s.AntiRollBarRate[a] = SliderRate(setup.ARBStiffness[a]);
        const double mr = v.Axles[a].ARBMotionRatio;
        s.AntiRollStiffness[a] = Div(static_cast<double>(s.AntiRollBarRate[a]), mr * mr);
    }

    for (int i = 0; i < 4; ++i) CalcCornerFigures(s, i, p.SprungCornerMass[i], p.UnsprungCornerMass[i]);

    CalcLevelRide(s, liveSpeed, v.Wheelbase);
    CalcRollAndPitchStiffness(s, v, p);
    CalcDampBalance(s, v, p.VehicleCoG.Y);
}

void ShareAxleLoad(SuspCorner& left, SuspCorner& right, float antiRoll) {
    // Two springs of wheel rate k coupled by a bar of rate K: k da + K (da - db) = La and
    // k db + K (db - da) = Lb.
    const float la = left.SpringLoad;
    const float lb = right.SpringLoad;
    const float k = left.WheelRate;
    const float kk = antiRoll;
    const float denominator = 2.0f * k * kk + k * k;
    if (denominator == 0.0f) {
        // No spring: a loaded corner rests on its bump stop, an unloaded one hangs free.
        left.WheelDeflection = la > 0.0f ? left.WheelTravel : 0.0f;
        right.WheelDeflection = lb > 0.0f ? right.WheelTravel : 0.0f;
    } else {
        left.WheelDeflection = vehicle::Finite(((la + lb) * kk + la * k) / denominator);
        right.WheelDeflection = vehicle::Finite(((la + lb) * kk + lb * k) / denominator);
    }
    if (left.WheelDeflection < 0.0f) left.WheelDeflection = 0.0f;
    if (right.WheelDeflection < 0.0f) right.WheelDeflection = 0.0f;
    UpdateCornerTravel(left);
    UpdateCornerTravel(right);
}

void UpdateCornerTravel(SuspCorner& c) {
    c.SpringDeflection = vehicle::GuardedDiv(c.WheelDeflection, c.MotionRatio);
    if (c.SpringDeflection > c.SpringTravel) {
        c.SpringDeflection = c.SpringTravel;
        c.WheelDeflection = c.SpringTravel * c.MotionRatio;
    }
    c.LoadedSpringLength = c.SpringTravel - c.SpringDeflection;
    c.WheelTravelLeft = c.WheelTravel - c.WheelDeflection;
    c.TravelLeftDiff = c.WheelTravelLeft - c.LoadedSpringLength;
}

void CalcBodyRollAngles() {
    SuspensionCodeState& s = g_suspension;
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const PhysicalCodeState& p = PhysicalCode();
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const auto& c = s.SuspCorners;

    for (int a = 0; a < 2; ++a) {
        const float t = v.Axles[a].TrackWidth;
        s.SuspRollAngle[a] = SlopeAngle(c[2 * a].WheelTravelLeft - c[2 * a + 1].WheelTravelLeft, t);
        s.TyreRollAngle[a] = SlopeAngle(tyres[2 * a].LoadedRadius - tyres[2 * a + 1].LoadedRadius, t);
        s.AxleRollAngle[a] = s.SuspRollAngle[a] + s.TyreRollAngle[a];
    }
    const float y = p.VehicleCoG.Y;
    s.BodyRollAtCoG = (1.0f - y) * s.AxleRollAngle[1] + y * s.AxleRollAngle[0];
    const float u = p.UnsprungCoG.Y;
    s.TyreRollAtUnsprung = (1.0f - u) * s.TyreRollAngle[1] + u * s.TyreRollAngle[0];
}

PitchAngles CalcBodyPitch(const std::array<SuspCorner, 4>& corners,
                          const std::array<vehicle::TyreState, 4>& tyres) {
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const float l = v.Wheelbase;
    PitchAngles pitch;
    const float frontTravel = (corners[1].WheelTravelLeft + corners[0].WheelTravelLeft) * 0.5f;
    const float rearTravel = (corners[3].WheelTravelLeft + corners[2].WheelTravelLeft) * 0.5f;
    pitch.FromSuspension = SlopeAngle(frontTravel - rearTravel, l);
    const float frontHeight =
        (tyres[1].LoadedRadius + tyres[0].LoadedRadius) * 0.5f + v.Axles[0].RideHeight;
    const float rearHeight =
        (tyres[3].LoadedRadius + tyres[2].LoadedRadius) * 0.5f + v.Axles[1].RideHeight;
    pitch.FromTyres = SlopeAngle(frontHeight - rearHeight, l);
    pitch.Total = pitch.FromTyres + pitch.FromSuspension;
    return pitch;
}

void CalcAxleHeightsSprung(HeightChange& result, const vehicle::PositionXYZ& cog, float fl,
                           float fr, float rl, float rr) {
    const PhysicalCodeState& p = PhysicalCode();
    const auto& elements = core::GlobalChassisLab().CurrentVehicle.AeroElements;
    const float front = (fl + fr) * 0.5f;
    const float rear = (rl + rr) * 0.5f;
    float atCoG = (1.0f - cog.Y) * rear * p.RearAxleSprungShare +
                  front * cog.Y * p.FrontAxleSprungShare;
    for (std::size_t i = 0; i < 4; ++i) {
        const float f = elements[i].PosY;
        result[kHeightAtElement0 + i] = (1.0f - f) * rear + front * f;
    }
    // Left-right difference, weighted by how far the centre of gravity sits off the centre
    // line (X = share of the mass on the right-hand wheels).
    atCoG += ((fl + rl) * 0.5f - (fr + rr) * 0.5f) * (0.5f - cog.X) * p.SprungMassShare;
    result[kHeightAtCoG] = vehicle::Finite(atCoG);
}

}  // namespace analysis
