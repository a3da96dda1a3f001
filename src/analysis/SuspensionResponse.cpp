// Time step of one suspension corner and the three response runs of the damping chart.
//
// The step works in the spring's coordinate (Position, 0 = fully extended, negative =
// compressed): with the wheel rate k, the damper coefficient c and the motion ratio r, a corner
// of sprung mass m follows m x'' = -k x - (L + c x') / r + r A, L the spring load and A the
// anti-roll coupling force. Its rest position is x = -L r / SpringRate, the spring deflection
// ShareAxleLoad gives for the same load without a bar.
#include <algorithm>
#include <cmath>

#include "analysis/PhysicalCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/ModelGuards.hpp"

namespace analysis {

namespace {

constexpr float kPushStartOffset = 1.0e-5f;  // m off the bump stop at the start of "push"

// The step of StepSuspensionCorner on separate previous and new states.
inline void StepCorner(const ResponseCornerState& prev, ResponseCornerState& next, SuspCorner& c,
                       float arbForce, float mass, float dt) {
    // A corner cannot cross its whole travel in one step.
    const float vMax = vehicle::GuardedDiv(c.SpringTravel, dt);

    next.SpringForce = -prev.Position * c.MotionRatio * c.WheelRate;
    const int32_t d = prev.Velocity < 0.0f ? c.BumpDamp : c.ReboundDamp;
    next.DamperForce = -prev.Velocity * static_cast<float>(d);
    const float force =
        vehicle::GuardedDiv(next.SpringForce - c.SpringLoad + next.DamperForce, c.MotionRatio) +
        c.MotionRatio * arbForce;
    next.Acceleration = mass == 0.0f ? 0.0f : vehicle::GuardedDiv(force, mass);

    next.Velocity = vehicle::Finite(next.Acceleration * dt + prev.Velocity);
    if (std::fabs(next.Velocity) > vMax) next.Velocity = next.Velocity < 0.0f ? -vMax : vMax;

    // Bounce off the ends of the travel, judged on the previous position.
    if (-prev.Position >= c.SpringTravel || prev.Position >= kExtensionBounceLimit) {
        next.Velocity = -next.Velocity * kBounceRestitution;
    }

    next.Position = next.Velocity * dt + prev.Position;
    if (-next.Position > c.SpringTravel) {
        next.Position = -c.SpringTravel;
    } else if (next.Position > kExtensionBounceLimit) {
        next.Position = 0.0f;
    }

    // The corner follows the new position (SpringDeflection keeps its static value).
    c.WheelDeflection = -next.Position * c.MotionRatio;
    c.LoadedSpringLength = next.Position + c.SpringTravel;
    c.WheelTravelLeft = c.WheelTravel - c.WheelDeflection;
    c.TravelLeftDiff = c.WheelTravelLeft - c.LoadedSpringLength;
}

// SpringLoad of every working corner: the given corner load less the unsprung weight.
void SetSpringLoads(std::array<SuspCorner, 4>& w, const std::array<float, 4>& cornerLoad,
                    const PhysicalCodeState& p) {
    for (int i = 0; i < 4; ++i) {
        w[i].SpringLoad =
            static_cast<float>(cornerLoad[i] - p.UnsprungCornerMass[i] * core::kGravity);
    }
}

// One 400-step run from the states at step 0; the anti-roll coupling forces start at 0 and
// follow each step's wheel deflections.
void RunResponse(std::array<SuspCorner, 4>& w, const std::array<float, 2>& antiRoll,
                 const PhysicalCodeState& p, ResponseHistory<ResponseCornerState>& states,
                 ResponseHistory<float>& travel) {
    std::array<float, 4> coupling{};
    for (int step = 1; step <= kResponseSteps; ++step) {
        for (int i = 0; i < 4; ++i) {
            ResponseCornerState& next = states[i][step];
            StepCorner(states[i][step - 1], next, w[i], coupling[i], p.SprungCornerMass[i],
                       kResponseTimeStep);
            travel[i][step] = w[i].SpringTravel + next.Position;
        }
        for (int i = 0; i < 4; ++i) coupling[i] = AntiRollCouplingForce(w, antiRoll, i);
    }
}

}  // namespace

void StepSuspensionCorner(std::array<ResponseCornerState, 2>& state, SuspCorner& c,
                          float arbForce, float mass, float dt) {
    StepCorner(state[0], state[1], c, arbForce, mass, dt);
}

float CornerTyreLoad(const ResponseCornerState& state, const SuspCorner& corner, float cornerLoad,
                     float unsprungMass) {
    // The spring's force with the corner on its bump stop: the most the spring holds.
    const float springAtStop = corner.SpringTravel * corner.MotionRatio * corner.WheelRate;
    const bool onStop = state.Position == -corner.SpringTravel;
    const bool extended = state.Position == 0.0f;
    const bool bottomed = corner.SpringLoad >= springAtStop;
    float load = cornerLoad;
    if (!onStop && !extended && !bottomed)
        load = static_cast<float>(static_cast<double>(state.SpringForce + state.DamperForce) +
                                  static_cast<double>(unsprungMass) * core::kGravity);
    return std::max(load, 0.0f);
}

float AntiRollCouplingForce(const std::array<SuspCorner, 4>& corners,
                            const std::array<float, 2>& antiRoll, int i) {
    return (corners[i].WheelDeflection - corners[OppositeWheel[i]].WheelDeflection) *
           antiRoll[WheelAxle[i]] * 0.5f;
}

void SimulateSuspensionResponse() {
    SuspensionCodeState& s = SuspensionCode();
    const PhysicalCodeState& p = PhysicalCode();
    std::array<SuspCorner, 4> w = s.SuspCorners;  // working copies; the live ones stay

    // "drop": from full extension, at rest, under the static loads.
    SetSpringLoads(w, p.CornerStaticLoad, p);
    for (int i = 0; i < 4; ++i) s.DropResponseStates[i][0] = ResponseCornerState{};
    RunResponse(w, s.AntiRollStiffness, p, s.DropResponseStates, s.DropResponseTravel);

    // "push": from just off the bump stop; the corners go on from the end of the drop.
    for (int i = 0; i < 4; ++i) {
        s.PushResponseStates[i][0] = ResponseCornerState{};
        s.PushResponseStates[i][0].Position = -w[i].SpringTravel + kPushStartOffset;
    }
    RunResponse(w, s.AntiRollStiffness, p, s.PushResponseStates, s.PushResponseTravel);

    // "live": from the static equilibrium, the step response to the live loads.
    for (int i = 0; i < 4; ++i) {
        const auto staticLoad = static_cast<float>(p.CornerStaticLoad[i] -
                                                   p.UnsprungCornerMass[i] * core::kGravity);
        const float springSideRate =
            vehicle::GuardedDiv(static_cast<float>(w[i].SpringRate), w[i].MotionRatio);
        s.LiveResponseStates[i][0] = ResponseCornerState{};
        s.LiveResponseStates[i][0].Position = -vehicle::GuardedDiv(staticLoad, springSideRate);
    }
    SetSpringLoads(w, p.CornerDynamicLoad, p);
    RunResponse(w, s.AntiRollStiffness, p, s.LiveResponseStates, s.LiveResponseTravel);

    // Spring travel left to wheel travel left (entry 0 of the histories is not used).
    for (int i = 0; i < 4; ++i) {
        const float mr = w[i].MotionRatio;
        for (int step = 1; step <= kResponseSteps; ++step) {
            s.DropResponseTravel[i][step] *= mr;
            s.PushResponseTravel[i][step] *= mr;
            s.LiveResponseTravel[i][step] *= mr;
        }
    }
}

}  // namespace analysis
