// Drivetrain and traction inside one step of the acceleration run: engine torque through the
// clutch to the wheels, the wheels' loads and traction limits, the limited-slip transfer
// across each axle, the throttle reduction that keeps the weakest wheel at its limit, the
// wheel forces, spin flags and slip ratios; and, after the integration, the engine speed,
// clutch and the wheels' speeds and inertia torques.
//
// Signs: wheel torques and forces positive forwards; an inertia torque is positive when the
// slowing rotating parts give torque to the road and negative when speeding them up takes it.
#include <cmath>

#include "analysis/AccelerationRunState.hpp"
#include "analysis/PhysicalCode.hpp"
#include "core/GlobalShared.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace analysis::accrun {

namespace {

// Share of the drive torque going to wheel i's axle.
float AxleShareOfWheel(const Run& r, int i) {
    return i < 2 ? r.frontShare : 1.0f - r.frontShare;
}

// (limit - inertia) / (torque - inertia): the share of the wheel's torque the tyre can take.
// A wheel whose torque is all inertia torque has nothing to limit: ratio 1.
float TractionRatio(double limit, double inertia, double torque) {
    const double den = torque - inertia;
    if (den == 0.0) return 1.0f;
    return static_cast<float>((limit - inertia) / den);
}

// core::CLng(x) != 0 without the conversion: rounding half to even gives 0 for |x| <= 0.5
// and for NaN, and a non-zero whole number (or a clamped one) for anything further out.
bool RoundsToNonZero(double x) { return std::fabs(x) > 0.5; }

// Drive torque at the wheels (N m) for the engine's current Torque.
float WheelDriveTorque(Run& r) {
    float t = r.engine.Torque;
    if (r.clutchCapacity * r.clutch < t) t = r.clutchCapacity * r.clutch;
    const float ratio = vehicle::GearingCode().OverallRatios[r.gear];
    const double engineFromWheels = static_cast<double>(ratio) * r.drivenWheelSpeed;
    if (engineFromWheels < r.launchSpeed) {
        // Below the launch speed the slipping clutch loses part of its capacity.
        t = static_cast<float>(t - static_cast<double>(r.clutchCapacity * kLaunchLossShare) *
                                       (r.launchSpeed - engineFromWheels) / r.launchSpeed);
    }
    return r.efficiency * t * ratio;
}

// Throttle after k reductions, growing the ladder when needed.
float LadderThrottle(Run& r, std::size_t k) {
    while (k >= r.throttleLadder.size()) {
        const std::size_t n = r.throttleLadder.size();
        r.throttleLadder.resize(n * 2);
        for (std::size_t j = n; j < r.throttleLadder.size(); ++j)
            r.throttleLadder[j] = r.throttleLadder[j - 1] - kThrottleStep;
    }
    return r.throttleLadder[k];
}

// Drive torque at the wheels after k throttle reductions (sets the engine's Throttle and
// Torque).
float DriveTorqueAtStep(Run& r, std::size_t k) {
    r.engine.Throttle = LadderThrottle(r, k);
    r.engine.Torque = vehicle::TorqueAtThrottle(r.torqueEnds, r.engine.Throttle);
    return WheelDriveTorque(r);
}

// Most reductions tried: far below any closed-throttle torque.
constexpr std::size_t kMaxThrottleSteps = std::size_t{1} << 22;

}  // namespace

bool WheelDriven(const Run& r) { return r.driveType != vehicle::kDriveThrust; }

void ComputeDriveTorque(Run& r) {
    if (!WheelDriven(r)) {
        r.engine.Torque = vehicle::GetThrottleTorque(r.engine);  // thrust, N
        return;
    }
    r.torqueEnds = vehicle::GetTorqueEnds(r.engine);
    r.engine.Torque = vehicle::TorqueAtThrottle(r.torqueEnds, r.engine.Throttle);
    r.driveTorque = WheelDriveTorque(r);
}

void ComputeWheelTorques(Run& r, std::array<vehicle::TyreState, 4>& tyres,
                         const std::array<SuspCorner, 4>& corners) {
    const auto& unsprung = PhysicalCode().UnsprungCornerMass;
    const auto& axleShare = vehicle::GearingCode().AxleTorqueShare;
    for (int i = 0; i < 4; ++i) {
        const float load = CornerTyreLoad(r.response[i], corners[i], r.targetLoad[i], unsprung[i]);
        r.wheelLoad[i] = load;
        r.spin[i] = core::VbFalse;

        vehicle::TyreState& t = tyres[i];
        vehicle::CalcTyreContactPatch(t, load, true);
        vehicle::CalcTyreGrip(t, load, r.temperatureFactor[i]);
        t.TractionTorqueLimit = load * t.LongGrip * t.RollingRadius;

        if (!WheelDriven(r)) continue;
        r.wheelTorque[i] = static_cast<double>(AxleShareOfWheel(r, i) * r.driveTorque * 0.5f) +
                           r.inertiaTorque[i];
        if (!r.tractionControl) {
            if (axleShare[i / 2] > 0.0f && r.clutch > 0.0f && RoundsToNonZero(r.wheelTorque[i]))
                r.tractionRatio[i] =
                    TractionRatio(t.TractionTorqueLimit, r.inertiaTorque[i], r.wheelTorque[i]);
        } else if (r.wheelTorque[i] > t.TractionTorqueLimit) {
            r.wheelTorque[i] = t.TractionTorqueLimit;
        }
    }
}

void LimitedSlipTransfer(Run& r, const std::array<vehicle::TyreState, 4>& tyres) {
    const auto& g = vehicle::GearingCode();
    for (int a = 0; a < 2; ++a) {
        const int w0 = 2 * a;
        const int w1 = 2 * a + 1;
        const vehicle::DiffRecord& diff = g.DiffParams[a];
        const float r0 = r.tractionRatio[w0];
        const float r1 = r.tractionRatio[w1];
        if (!(g.AxleTorqueShare[a] > 0.0f && diff.PowerBiasRatio > 1.0f &&
              (r0 < 1.0f || r1 < 1.0f) && r0 != r1 && r.axleTorque[a] > 0.0f))
            continue;
        const float lock = core::MaxSingle(diff.PreLoad, r.axleTorque[a] * diff.PowerLocking);
        const int lower = r0 < r1 ? w0 : w1;
        const int higher = lower == w0 ? w1 : w0;
        // Torque a wheel could still take before reaching its traction limit.
        auto spare = [&](int i) {
            return static_cast<float>(
                (tyres[i].TractionTorqueLimit - r.inertiaTorque[i]) -
                (r.wheelTorque[i] - r.inertiaTorque[i]));
        };
        const float spareLower = spare(lower);
        const float spareHigher = spare(higher);
        float t;
        if (spareHigher > 0.0f)
            t = 2.0f * core::MinSingle(-spareLower, spareHigher);
        else
            t = (spareLower - spareHigher) * -0.5f;
        if (t > lock) t = lock;
        r.wheelTorque[lower] -= t * 0.5f;
        r.wheelTorque[higher] += t * 0.5f;
        r.lowerWheel[a] = lower;
        r.higherWheel[a] = higher;
        r.transfer[a] = t;
    }
    for (int i = 0; i < 4; ++i) {
        if (g.AxleTorqueShare[i / 2] > 0.0f && r.clutch > 0.0f && r.wheelTorque[i] > 0.0) {
            r.tractionRatio[i] = TractionRatio(tyres[i].TractionTorqueLimit, r.inertiaTorque[i],
                                               r.wheelTorque[i]);
            if (r.tractionRatio[i] < r.minRatio) r.minRatio = r.tractionRatio[i];
        }
    }
}

void ReduceThrottle(Run& r) {
    if (r.minRatio < 0.0f) r.minRatio = 0.0f;
    const float target = r.minRatio * r.driveTorque;
    if (!(r.driveTorque > target)) return;
    // The reduction lowers the throttle 0.001 at a time until the drive torque is no longer
    // above the target. The drive torque never rises as the throttle falls, so the first such
    // step is found by doubling and then halving the step count; the result is the step the
    // one-at-a-time loop would stop at.
    std::size_t hi = 1;
    while (DriveTorqueAtStep(r, hi) > target) {
        if (hi >= kMaxThrottleSteps) break;  // no torque response at all: give up there
        hi *= 2;
    }
    std::size_t lo = hi / 2;  // lo: still above the target (or 0, known above)
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (DriveTorqueAtStep(r, mid) > target)
            lo = mid;
        else
            hi = mid;
    }
    r.driveTorque = DriveTorqueAtStep(r, hi);
}

void FinalWheelPass(Run& r, const std::array<vehicle::TyreState, 4>& tyres) {
    if (!r.tractionControl && r.minRatio < 1.0f) {
        for (int i = 0; i < 4; ++i)
            r.wheelTorque[i] =
                static_cast<double>(AxleShareOfWheel(r, i) * r.driveTorque * 0.5f) +
                r.inertiaTorque[i];
        // The axle's limited-slip transfer once per axle: what one wheel gives, the other takes.
        for (int a = 0; a < 2; ++a) {
            r.wheelTorque[r.lowerWheel[a]] -= r.transfer[a] * 0.5f;
            r.wheelTorque[r.higherWheel[a]] += r.transfer[a] * 0.5f;
        }
    }
    r.axleTorque[0] = static_cast<float>(r.wheelTorque[0] + r.wheelTorque[1]);
    r.axleTorque[1] = static_cast<float>(r.wheelTorque[2] + r.wheelTorque[3]);
    for (int i = 0; i < 4; ++i) {
        const vehicle::TyreState& t = tyres[i];
        const float limit = t.TractionTorqueLimit;
        r.spin[i] = core::ToVbBool(static_cast<double>(limit) * kSpinLimitShare < r.wheelTorque[i] &&
                                   r.minRatio < 1.0f);
        r.wheelForce[i] = r.targetLoad[i] < 0.0f ? 0.0 : r.wheelTorque[i] / t.RollingRadius;

        const float old = r.slipRatio[i];
        float next =
            limit == 0.0f ? 0.0f : static_cast<float>(r.wheelTorque[i] / limit * kSlipScale);
        next = core::LerpSingle(old, next, r.slipSmoothing);
        if (next > old + r.slipRateLimit)
            next = old + r.slipRateLimit;
        else if (next < old - r.slipRateLimit)
            next = old - r.slipRateLimit;
        if (next < 0.0f) next = 0.0f;
        if (next > kMaxSlipRatio) next = kMaxSlipRatio;
        r.slipRatio[i] = next;
    }
}

void EngineSpeedFromRoad(Run& r, const std::array<vehicle::TyreState, 4>& tyres) {
    const float f = r.frontShare;
    const auto& R = tyres;
    const auto& S = r.slipRatio;
    const double meanRadius =
        0.5 * (f * (R[0].RollingRadius + R[1].RollingRadius) +
               (1.0f - f) * (R[2].RollingRadius + R[3].RollingRadius));
    const double slip = f * 0.5 * (S[0] + S[1]) + (1.0f - f) * 0.5 * (S[2] + S[3]);
    r.drivenWheelSpeed = r.speed / meanRadius / (1.0 - slip);
    r.engine.Speed =
        static_cast<float>(vehicle::GearingCode().OverallRatios[r.gear] * r.drivenWheelSpeed);
    if (r.engine.Speed < r.launchSpeed) {
        // Launch: the engine is held at the launch speed and the clutch closes with the
        // road speed.
        r.clutch = r.engine.Speed / r.launchSpeed * 0.4f + kLaunchClutch;
        if (r.clutch > 1.0f) r.clutch = 1.0f;
        r.engine.Speed = r.launchSpeed;
    } else if (!r.shifting) {
        r.clutch = 1.0f;
    }
}

void WheelInertiaTorques(Run& r, const std::array<vehicle::TyreState, 4>& tyres) {
    const float J = r.halfGearInertia[r.gear];
    const float f = r.frontShare;
    const auto& live = vehicle::TyreCode().WheelTyres;
    for (int i = 0; i < 4; ++i) {
        const double old = r.angularSpeed[i];
        const double raw = r.speed / tyres[i].RollingRadius / (1.0 - r.slipRatio[i]);
        r.angularSpeed[i] = core::LerpDouble(old, raw, r.wheelSpeedSmoothing);
        const double deceleration = (old - r.angularSpeed[i]) / r.dt;
        double torque;
        if (i < 2)
            torque = f == 0.0f ? 0.0 : (J * f + tyres[i].Inertia) * deceleration;
        else
            torque = f == 1.0f ? 0.0 : (J * (1.0f - f) + tyres[i].Inertia) * deceleration;
        // Bounded by what the tyre could pass to the road at its static load: a magnitude (a
        // limit below zero must not turn the bound into a torque of its own).
        const double lim = std::fabs(live[i].TractionTorqueLimit);
        if (torque > lim)
            torque = lim;
        else if (torque < -lim)
            torque = -lim;
        r.inertiaTorque[i] = torque;
    }
}

}  // namespace analysis::accrun
