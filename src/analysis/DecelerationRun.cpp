// The deceleration run: from the top speed to standstill, one row of DecData per time step.
//
// Each step: aerodynamic forces at the current speed; the four suspension corners stepped
// under the previous step's wheel loads; body pitch, wing angles and the heights of the centre
// of gravity and the aero elements; longitudinal load transfer from the previous step's
// braking force and the pitch; engine braking (with the engine-brake reduction found by
// opening the throttle); per-wheel tyre loads, grip limits, brake, engine and inertia torques;
// the brake ramp and the grip limit (all four brakes scaled by the weakest wheel, or each
// wheel clipped alone with ABS); tyre forces and slip; the row; then speed, distance, wheel
// speeds, inertia torques and downshifts for the next step.
#include <algorithm>
#include <cmath>

#include "analysis/DecelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/RunRefusal.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingInertia.hpp"
#include "vehicle/ModelGuards.hpp"

namespace analysis {

using vehicle::GuardedDiv;

namespace {

constexpr double kG = core::kGravity;
constexpr double kDegPerRad = core::kDegreesPerRadian;
constexpr double kSlipRateFactor = 0.3;       // slip may change by this x dt a step
constexpr double kSlipAtLimit = -0.075;       // slip ratio of a wheel at its grip limit
constexpr float kSlipFollow = 0.2f;           // share of the new slip taken each step
constexpr float kWheelSpeedFollow = 0.2f;     // share of the new wheel speed taken each step
constexpr int kMaxGearIndex = 7;              // highest forward gear of the ratio tables

// Fuel density (kg/l) of a fuel row; 0 for a row outside the table.
float FuelDensity(uint8_t fuelType) {
    const auto& fuels = core::FuelTable().FuelTypes;
    return fuelType < fuels.size() ? fuels[fuelType].Density : 0.0f;
}

// Everything the run carries from step to step.
struct RunState {
    vehicle::EngineRecord engine;
    float speed = 0.0f;     // m/s
    float distance = 0.0f;  // m
    float fuelLeft = 0.0f;  // litres
    float fuelMass = 0.0f;  // kg
    float totalMass = 0.0f;
    float sprungMass = 0.0f;
    float rotEquivMass = 0.0f;  // kg, only in the first step
    vehicle::PositionXYZ cog;       // X, Y shares; Z height above ground (after the first step)
    vehicle::PositionXYZ unsprungCoG;
    std::array<vehicle::PositionXYZ, 4> elementPos{};  // element order; only Z used
    float frontWingAngle = 0.0f;  // degrees, after pitch
    float rearWingAngle = 0.0f;
    std::array<float, 4> cornerMass{};
    std::array<float, 4> sprungCornerMass{};
    std::array<float, 4> staticLoad{};
    std::array<float, 4> wheelLoad{};
    std::array<float, 4> inertiaTorque{};
    std::array<float, 4> slip{};
    std::array<float, 4> wheelSpeed{};  // rad/s
    std::array<ResponseCornerState, 4> response{};
    float prevBrakingForce = 0.0f;
    uint8_t gear = 0;          // the table's gear; 0 without engine braking
    uint8_t inertiaGear = 0;   // the gear the inertias are taken in (kNoGear: none)
    float clutch = 1.0f;
    bool shifting = false;
    bool clutchPhase = false;
    float shiftLeft = 0.0f;    // s
    float clutchLeft = 0.0f;   // s
    float firstFifth = 0.0f;   // s
    float rampLeft = 0.0f;     // s
    bool rampActive = false;
};

// Fuel, total mass and the centre of gravity's shares with `fuelLeft` litres in the tank.
void ApplyFuel(RunState& r) {
    const auto& m = PhysicalCode();
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    r.fuelMass = FuelDensity(r.engine.FuelType) * r.fuelLeft;
    r.totalMass = m.DryMass + r.fuelMass;
    r.cog.X = GuardedDiv(m.DryCoG.X * m.DryMass + v.FuelTankPos.X * r.fuelMass, r.totalMass);
    r.cog.Y = GuardedDiv(m.DryCoG.Y * m.DryMass + v.FuelTankPos.Y * r.fuelMass, r.totalMass);
}

void SplitMasses(RunState& r) {
    SplitCornerMasses(r.cornerMass, r.totalMass, r.cog);
    SubtractUnsprungMasses(r.sprungCornerMass, r.cornerMass);
    r.sprungMass = r.sprungCornerMass[0] + r.sprungCornerMass[1] + r.sprungCornerMass[2] +
                   r.sprungCornerMass[3];
}

void CalcAero(DecelerationCodeState& s, const RunState& r) {
    vehicle::CalcAeroForces(s.DecAero, r.staticLoad, r.speed, r.cog, r.elementPos[0],
                            r.elementPos[1], r.elementPos[3], r.elementPos[2], r.frontWingAngle,
                            r.rearWingAngle);
}

uint8_t ClampGear(int gear) {
    return static_cast<uint8_t>(std::clamp(gear, 0, kMaxGearIndex));
}

bool WheelDriven(const vehicle::VehicleRecord& v) {
    return v.Drivetrain.DriveType <= vehicle::kDriveAll;
}

// "Use engine braking" as the run takes it: no engine brakes a vehicle that is not wheel
// driven, which then coasts with the brakes off.
bool EngineBrakes(const DecRunInputs& inputs, const vehicle::VehicleRecord& v) {
    return inputs.EngineBraking && WheelDriven(v);
}

}  // namespace

float ReduceEngineBraking(vehicle::EngineRecord& engine, const vehicle::TorqueEnds& ends) {
    const float from = engine.Throttle;
    float torque = vehicle::TorqueAtThrottle(ends, from);
    // Never above 0, whatever the reduction: eased braking never drives the vehicle.
    const float target = std::min(0.0f, (1.0f - engine.EngineBrakeReduction) * torque);
    // The speed stays, so only the blend of the two ends changes with the throttle.
    while (torque < target && engine.Throttle < 1.0f) {
        engine.Throttle =
            std::min(1.0f, static_cast<float>(engine.Throttle + kThrottleSearchStep));
        torque = vehicle::TorqueAtThrottle(ends, engine.Throttle);
    }
    if (torque > 0.0f) {
        // The last step passed the throttle of no torque: back to it (the engine brakes
        // at the throttle it started from).
        engine.Throttle = vehicle::ThrottleAtZeroTorque(ends, from, engine.Throttle);
        torque = vehicle::TorqueAtThrottle(ends, engine.Throttle);
    }
    engine.Torque = torque;
    return torque;
}

void DecTimingForOptions(const DecRunInputs& inputs, float& timeStep, int16_t& maxTime) {
    const bool engineBraking = EngineBrakes(inputs, core::GlobalChassisLab().CurrentVehicle);
    if (inputs.ApplyBrakes) {
        timeStep = kDecTimeStepBraking;
        maxTime = kDecMaxTimeBraking;
    } else if (engineBraking) {
        timeStep = kDecTimeStepEngine;
        maxTime = kDecMaxTimeEngine;
    } else {
        timeStep = kDecTimeStepCoasting;
        maxTime = kDecMaxTimeCoasting;
    }
}

void SimulateDeceleration(const DecRunInputs& inputs, float timeStep, int16_t maxTime,
                          const DecRunLinks& links) {
    DecelerationCodeState& s = DecelerationCode();
    const PhysicalCodeState& m = PhysicalCode();
    const SuspensionCodeState& susp = SuspensionCode();
    const vehicle::GearingCodeState& gearing = vehicle::GearingCode();
    const auto& tyresLive = vehicle::TyreCode().WheelTyres;
    const vehicle::AeroCodeState& aero = vehicle::AeroCode();
    const core::GlobalChassisLabState& global = core::GlobalChassisLab();
    const vehicle::VehicleRecord& v = global.CurrentVehicle;
    const vehicle::DrivetrainSpec& drive = v.Drivetrain;

    // ---- Set-up ----
    const bool applyBrakes = inputs.ApplyBrakes;
    const bool abs = inputs.ABS;
    s.DecABS = core::ToVbBool(abs);
    // A step of 0 or less would never advance; the smallest positive step stands for it.
    const float dt = timeStep > 0.0f ? timeStep : kDecTimeStepBraking;
    s.DecTimeStep = dt;
    s.DecMaxTime = maxTime > 0 ? maxTime : int16_t{1};
    s.DecMaxSteps = core::CLng(static_cast<double>(s.DecMaxTime) / static_cast<double>(dt));
    const auto slipRate = static_cast<float>(dt * kSlipRateFactor);

    // Sized once per run; assign keeps the capacity of an earlier run of the same length.
    s.DecData.assign(static_cast<std::size_t>(s.DecMaxSteps + 1) * kDecColumns, 0.0f);
    s.ProgressMax = static_cast<int32_t>(
        core::RoundToDecimals(static_cast<float>(s.DecMaxSteps / 20.0), 0));
    s.ProgressValue = -1;
    if (links.SetProgressMax) links.SetProgressMax(s.ProgressMax);

    const bool wheelDriven = WheelDriven(v);
    const bool engineBraking = EngineBrakes(inputs, v);
    // The simulator's cars without throttle settings have no engine-brake reduction and burn
    // no fuel on the overrun.
    const bool throttleSettings =
        !(core::FromVbBool(core::OptionsSettings().LFSMode) && core::FromVbBool(global.HasLFSCar) &&
          !core::FromVbBool(global.CurrentLFSCar.HasThrottleSettings));
    const float frontShare = gearing.FrontTorqueShare;

    RunState r;
    r.engine = vehicle::EngineCode().CurrentEngine;
    r.engine.Throttle = 0.0f;
    if (!wheelDriven) r.engine.Speed = 0.0f;  // no engine turns: the engine speed column is 0
    r.fuelLeft = static_cast<float>(m.LiveFuelLoad);
    const float fuelLoadAtStart = r.fuelLeft;
    r.speed = aero.TopSpeed;
    r.distance = 0.0f;
    // The fuel in the tank weighs from the first step on, whatever branch the run takes.
    r.cog = m.DryCoG;
    ApplyFuel(r);
    r.totalMass = m.TotalMass;
    r.sprungMass = m.SprungMass;
    s.DecAero = aero.LiveAero;
    r.unsprungCoG = m.UnsprungCoG;
    for (int e = 0; e < 4; ++e) r.elementPos[e].Z = v.RefHeight + v.AeroElements[e].PosZ;
    r.frontWingAngle = aero.FrontWingAngle;
    r.rearWingAngle = aero.RearWingAngle;

    for (int i = 0; i < 4; ++i) {
        s.DecTyres[i] = tyresLive[i];
        s.DecSusp[i] = susp.SuspCorners[i];
        r.sprungCornerMass[i] = m.SprungCornerMass[i];
        r.cornerMass[i] = m.CornerMass[i];
        r.staticLoad[i] = m.CornerStaticLoad[i];
        r.wheelLoad[i] = s.DecAero.WheelLoad[i];
        vehicle::CalcTyreContactPatch(s.DecTyres[i], r.wheelLoad[i]);
        r.wheelSpeed[i] = GuardedDiv(r.speed, s.DecTyres[i].UnloadedRadius);  // slip 0
        s.DecSusp[i].SpringLoad =
            static_cast<float>(r.wheelLoad[i] - m.UnsprungCornerMass[i] * kG);
    }
    CalcAero(s, r);
    ShareAxleLoad(s.DecSusp[0], s.DecSusp[1], susp.AntiRollStiffness[0]);
    ShareAxleLoad(s.DecSusp[2], s.DecSusp[3], susp.AntiRollStiffness[1]);
    for (int i = 0; i < 4; ++i) {
        r.response[i] = ResponseCornerState{};
        r.response[i].SpringForce = -s.DecSusp[i].SpringLoad;
        r.response[i].Position = -s.DecSusp[i].SpringDeflection;
    }

    if (engineBraking) {
        r.gear = ClampGear(drive.NumGears);
        r.engine.Speed = gearing.ShiftRevs[r.gear];
        r.inertiaGear = r.gear;
    } else {
        r.gear = 0;
        r.inertiaGear = vehicle::kNoGear;
    }
    r.rotEquivMass =
        vehicle::CalcRotatingEquivMass(s.DecTyres, r.engine.PeakTorque, r.inertiaGear);

    r.rampLeft = static_cast<float>(dt + kBrakeRampTime);
    r.rampActive = true;
    r.clutch = 1.0f;
    r.shifting = false;
    s.DecLastStep = -1;
    bool finalStep = false;

    // Per-step working values.
    std::array<float, 4> tyreLoad{}, brakeTorque{}, engineTorque{}, wheelTorque{}, limit{},
        tyreForce{}, atLimit{}, arb{};
    vehicle::HeightChange suspHeight{}, tyreHeight{};
    std::array<ResponseCornerState, 2> buffer{};

    // ---- Steps ----
    for (;;) {
        if (s.DecLastStep == s.DecMaxSteps) break;
        ++s.DecLastStep;
        const int32_t step = s.DecLastStep;
        const auto progress = static_cast<int32_t>(
            core::RoundToDecimals(static_cast<float>(step / 20.0), 0));
        if (progress != s.ProgressValue) {
            s.ProgressValue = progress;
            if (links.SetProgressValue) links.SetProgressValue(progress);
        }

        // Values at the start of the step.
        const float engineSpeedAtStart = r.engine.Speed;
        const float clutchAtStart = r.clutch;
        const uint8_t gearAtStart = r.gear;
        const float speedAtStart = r.speed;
        const float distanceAtStart = r.distance;

        // Aerodynamic forces and the suspension under the previous step's loads.
        CalcAero(s, r);
        for (int i = 0; i < 4; ++i)
            arb[i] = AntiRollCouplingForce(s.DecSusp, susp.AntiRollStiffness, i);
        for (int i = 0; i < 4; ++i) {
            s.DecSusp[i].SpringLoad =
                static_cast<float>(r.wheelLoad[i] - m.UnsprungCornerMass[i] * kG);
            buffer[0] = r.response[i];
            StepSuspensionCorner(buffer, s.DecSusp[i], arb[i], r.sprungCornerMass[i], dt);
            r.response[i] = buffer[1];
        }

        // Pitch, wing angles and heights.
        const PitchAngles pitch = CalcBodyPitch(s.DecSusp, s.DecTyres);
        r.frontWingAngle =
            static_cast<float>(aero.FrontWingAngle - static_cast<double>(pitch.Total) * kDegPerRad);
        r.rearWingAngle =
            static_cast<float>(aero.RearWingAngle - static_cast<double>(pitch.Total) * kDegPerRad);
        suspHeight.fill(0.0f);
        CalcAxleHeightsSprung(suspHeight, r.cog, s.DecSusp[0].WheelTravelLeft,
                              s.DecSusp[1].WheelTravelLeft, s.DecSusp[2].WheelTravelLeft,
                              s.DecSusp[3].WheelTravelLeft);
        vehicle::CalcAxleTyreHeights(tyreHeight, r.cog, s.DecTyres[0].Deflection,
                                     s.DecTyres[1].Deflection, s.DecTyres[2].Deflection,
                                     s.DecTyres[3].Deflection, r.unsprungCoG.Y,
                                     inputs.TyreWearPercent);
        r.cog.Z = GuardedDiv(m.DryMass * m.DryCoG.Z + v.FuelTankPos.Z * r.fuelMass, r.totalMass) +
                  suspHeight[kHeightAtCoG] + tyreHeight[kHeightAtCoG] + v.RefHeight;
        const float unsprungHeight = m.StaticUnsprungCoGHeight + tyreHeight[kHeightAtUnsprung];
        for (int e = 0; e < 4; ++e)
            r.elementPos[e].Z = v.RefHeight + v.AeroElements[e].PosZ +
                                suspHeight[kHeightAtElement0 + e] +
                                tyreHeight[kHeightAtElement0 + e];

        // Longitudinal load transfer to the front axle.
        float transfer = 0.0f;
        if (v.Wheelbase != 0.0f) {
            const double t =
                static_cast<double>(r.cog.Z) * r.prevBrakingForce / v.Wheelbase +
                (r.sprungMass * kG * std::sin(-static_cast<double>(pitch.Total)) * r.cog.Z +
                 m.UnsprungMass * kG * std::sin(-static_cast<double>(pitch.FromTyres)) *
                     unsprungHeight) /
                    v.Wheelbase;
            transfer = vehicle::Finite(static_cast<float>(t));
        }
        const auto& wl = s.DecAero.WheelLoad;
        transfer = std::min(transfer, wl[2] + wl[3]);
        transfer = std::max(transfer, -(wl[0] + wl[1]));
        const float X = r.cog.X;
        r.wheelLoad[0] = wl[0] + X * transfer;
        r.wheelLoad[1] = wl[1] + (1.0f - X) * transfer;
        r.wheelLoad[2] = wl[2] - X * transfer;
        r.wheelLoad[3] = wl[3] - (1.0f - X) * transfer;

        // Engine braking.
        float axleTorque = 0.0f;
        if (engineBraking) {
            r.engine.Throttle = 0.0f;
            const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(r.engine);
            float torque = vehicle::TorqueAtThrottle(ends, 0.0f);
            r.engine.Torque = torque;
            if (throttleSettings && torque < 0.0f) {
                if (r.engine.Speed < r.engine.LimitSpeed)
                    torque = ReduceEngineBraking(r.engine, ends);
                r.fuelLeft =
                    static_cast<float>(r.fuelLeft - vehicle::GetFuelFlow(r.engine, ends, dt));
                if (r.fuelLeft < 0.0f) r.fuelLeft = 0.0f;
                ApplyFuel(r);
                SplitMasses(r);
            }
            axleTorque = drive.DrivetrainEfficiency * torque * gearing.OverallRatios[r.gear] *
                         r.clutch;
        }

        // Per wheel: tyre load, grip limit and torques.
        float scale = 1.0f;
        for (int i = 0; i < 4; ++i) {
            tyreLoad[i] = CornerTyreLoad(r.response[i], s.DecSusp[i], r.wheelLoad[i],
                                         m.UnsprungCornerMass[i]);
            atLimit[i] = 0.0f;
            vehicle::TyreState& tyre = s.DecTyres[i];
            vehicle::CalcTyreContactPatch(tyre, tyreLoad[i]);
            vehicle::CalcTyreGrip(tyre, tyreLoad[i]);
            tyre.TractionTorqueLimit = tyreLoad[i] * tyre.LongGrip * tyre.RollingRadius;
            limit[i] = tyre.TractionTorqueLimit;

            engineTorque[i] = 0.0f;
            if (engineBraking)
                engineTorque[i] = static_cast<float>(
                    (i < 2 ? frontShare : 1.0f - frontShare) * axleTorque * 0.5);
            brakeTorque[i] = applyBrakes ? s.BrakeTorques[i] : 0.0f;
            wheelTorque[i] = r.inertiaTorque[i] + brakeTorque[i] - engineTorque[i];
            if (applyBrakes && wheelTorque[i] > limit[i]) {
                if (!abs) {
                    // The share of the brake torque this wheel can take; a wheel whose inertia
                    // alone exceeds its grip takes none (never a negative brake).
                    const float ratio = std::max(
                        0.0f, GuardedDiv(limit[i] - r.inertiaTorque[i],
                                         wheelTorque[i] - r.inertiaTorque[i]));
                    scale = std::min(scale, ratio);
                } else {
                    wheelTorque[i] = limit[i];
                    brakeTorque[i] = limit[i] - r.inertiaTorque[i] + engineTorque[i];
                }
            }
        }

        // The brakes build up over kBrakeRampTime: scale 0 in the first step.
        if (applyBrakes && r.rampActive) {
            r.rampLeft -= dt;
            const auto ramp = static_cast<float>(1.0 - r.rampLeft / kBrakeRampTime);
            scale = std::min(scale, std::max(ramp, 0.0f));
            if (r.rampLeft < dt) r.rampActive = false;
        }

        // Tyre forces and slip.
        float brakingForce = 0.0f;
        for (int i = 0; i < 4; ++i) {
            if (applyBrakes && !abs) {
                brakeTorque[i] = scale * brakeTorque[i];
                wheelTorque[i] = r.inertiaTorque[i] + brakeTorque[i] - engineTorque[i];
            }
            if (wheelTorque[i] == limit[i]) atLimit[i] = -1.0f;
            tyreForce[i] = r.wheelLoad[i] < 0.0f
                               ? 0.0f
                               : GuardedDiv(wheelTorque[i], s.DecTyres[i].RollingRadius);
            brakingForce += tyreForce[i];
            if (limit[i] == 0.0f) {
                r.slip[i] = 0.0f;
            } else {
                const float old = r.slip[i];
                const auto target = static_cast<float>(kSlipAtLimit * wheelTorque[i] / limit[i]);
                float next = core::LerpSingle(old, vehicle::Finite(target), kSlipFollow);
                next = std::min(next, old + slipRate);
                next = std::max(next, old - slipRate);
                r.slip[i] = std::min(next, 0.0f);
            }
        }

        const float totalForce = s.DecAero.TotalResistance + brakingForce;
        const float deceleration = GuardedDiv(totalForce, r.totalMass + r.rotEquivMass);
        const float brakeSum = brakeTorque[0] + brakeTorque[1] + brakeTorque[2] + brakeTorque[3];
        const float frontBrakeShare =
            brakeSum == 0.0f ? static_cast<float>(inputs.BrakeBalance / 100.0)
                             : GuardedDiv(brakeTorque[0] + brakeTorque[1], brakeSum);

        // The row.
        float* row = &s.DecData[static_cast<std::size_t>(step) * kDecColumns];
        row[DecCol::EngineSpeed] = engineSpeedAtStart;
        row[DecCol::Clutch] = clutchAtStart;
        row[DecCol::Gear] = gearAtStart;
        row[DecCol::BrakingForce] = brakingForce;
        row[DecCol::AeroLift] = s.DecAero.TotalLift;
        row[DecCol::AeroDrag] = s.DecAero.TotalDrag;
        row[DecCol::RollingResistance] = s.DecAero.TotalRollingResistance;
        row[DecCol::Resistance] = s.DecAero.TotalResistance;
        row[DecCol::TotalForce] = totalForce;
        row[DecCol::Deceleration] = deceleration;
        row[DecCol::WeightTransfer] = transfer;
        row[DecCol::Speed] = speedAtStart;
        row[DecCol::Distance] = distanceAtStart;
        for (int i = 0; i < 4; ++i) {
            row[DecCol::TyreLoad + i] = tyreLoad[i];
            row[DecCol::TyreDeflection + i] = s.DecTyres[i].Deflection;
            row[DecCol::WheelInertiaTorque + i] = r.inertiaTorque[i];
            row[DecCol::AtGripLimit + i] = atLimit[i];
            row[DecCol::LoadedSpringLength + i] = s.DecSusp[i].LoadedSpringLength;
            row[DecCol::SlipRatio + i] = r.slip[i];
        }
        row[DecCol::CoGHeight] = r.cog.Z;
        row[DecCol::ElementHeight + 0] = r.elementPos[0].Z;
        row[DecCol::ElementHeight + 1] = r.elementPos[1].Z;
        row[DecCol::ElementHeight + 2] = r.elementPos[3].Z;
        row[DecCol::ElementHeight + 3] = r.elementPos[2].Z;
        row[DecCol::BrakeApplication] = scale;
        row[DecCol::FuelLoad] = fuelLoadAtStart;
        row[DecCol::FrontWingAngle] = static_cast<float>(r.frontWingAngle / kDegPerRad);
        row[DecCol::RearWingAngle] = static_cast<float>(r.rearWingAngle / kDegPerRad);
        row[DecCol::CoGFrontShare] = r.cog.Y;
        row[DecCol::FrontBrakeShare] = frontBrakeShare;

        // Integration (semi-implicit Euler).
        r.prevBrakingForce = brakingForce;
        r.speed -= deceleration * dt;
        if (r.speed > aero.TopSpeed) r.speed = aero.TopSpeed;
        if (finalStep) r.speed = 0.0f;
        r.rotEquivMass = 0.0f;  // from now on the wheels act through their inertia torques
        r.distance += dt * r.speed;
        // The step that reaches standstill overshoots it a little: the distance keeps the
        // overshoot (the stopping distance is that of the integration), but the vehicle does
        // not roll backwards. The last row holds the stop: speed 0, the forces at standstill,
        // and wheels and engine that no longer turn backwards.
        if (!(r.speed > 0.0f)) r.speed = 0.0f;

        // Wheel speeds, inertia torques and downshifts (wheel-driven vehicles only).
        if (wheelDriven) {
            float meanWheelSpeed = 0.0f;
            if (engineBraking) {
                const auto& t = s.DecTyres;
                const double radius =
                    ((t[0].RollingRadius + t[1].RollingRadius) * frontShare +
                     (1.0f - frontShare) * (t[2].RollingRadius + t[3].RollingRadius)) *
                    0.5;
                const double slipMean = frontShare * 0.5 * (r.slip[0] + r.slip[1]) +
                                        (1.0f - frontShare) * 0.5 * (r.slip[2] + r.slip[3]);
                if (radius != 0.0)
                    meanWheelSpeed =
                        vehicle::Finite(static_cast<float>(r.speed / radius / (1.0 - slipMean)));
                r.engine.Speed = meanWheelSpeed * gearing.OverallRatios[r.gear];
            }
            const auto drivetrainInertia = static_cast<float>(
                0.5 * (engineBraking
                           ? vehicle::CalcDrivetrainInertiaInGear(r.engine.PeakTorque, r.gear)
                           : vehicle::CalcShaftInertia(r.engine.PeakTorque)));
            for (int i = 0; i < 4; ++i) {
                const vehicle::TyreState& tyre = s.DecTyres[i];
                const float previous = r.wheelSpeed[i];
                const float rolling =
                    GuardedDiv(GuardedDiv(r.speed, tyre.RollingRadius), 1.0f - r.slip[i]);
                r.wheelSpeed[i] = core::LerpSingle(previous, rolling, kWheelSpeedFollow);
                const float angularAcc = (r.wheelSpeed[i] - previous) / dt;
                const float share = i < 2 ? frontShare : 1.0f - frontShare;
                float torque = 0.0f;
                if (share != 0.0f)
                    torque = (tyre.Inertia + drivetrainInertia * share) * angularAcc;
                const float live = std::fabs(tyresLive[i].TractionTorqueLimit);
                r.inertiaTorque[i] = std::clamp(vehicle::Finite(torque), -live, live);
            }

            if (engineBraking) {
                const float fifth = drive.ShiftTime / 5.0f;
                if (!r.shifting && r.gear >= 2 &&
                    r.engine.Speed < gearing.PostShiftRevs[r.gear - 1]) {
                    r.shifting = true;
                    r.shiftLeft = drive.ShiftTime + dt;
                    r.firstFifth = fifth;
                    r.clutchLeft = r.firstFifth + dt;
                    r.clutchPhase = true;
                }
                if (r.shifting) {
                    r.shiftLeft -= dt;
                    if (r.clutchPhase) {
                        r.clutchLeft -= dt;
                        if (r.clutchLeft >= dt) {
                            r.clutch = GuardedDiv(r.clutchLeft, fifth);
                        } else {
                            r.gear = ClampGear(r.gear - 1);
                            r.engine.Speed = meanWheelSpeed * gearing.OverallRatios[r.gear];
                            r.clutchPhase = false;
                            r.clutch = 0.0f;
                        }
                    }
                    if (r.shiftLeft < r.firstFifth)
                        r.clutch = std::min(1.0f, 1.0f - GuardedDiv(r.shiftLeft, fifth));
                    if (r.shiftLeft < 0.0f) r.shifting = false;
                }
            }
        }

        if (finalStep) break;
        if (!(r.speed > 0.0f)) finalStep = true;  // one more row, then stop
    }

    s.ProgressValue = s.ProgressMax;
    if (links.SetProgressValue) links.SetProgressValue(s.ProgressMax);
}

void RunDecelerationAnalysis(const DecRunInputs& inputs, const DecRunLinks& links) {
    DecelerationCode().RunRefused = FindBottomedTyre().has_value();
    if (DecelerationCode().RunRefused) {
        // No run is stored, and the page shows no figures (of this vehicle or the one run
        // before).
        DecelerationCode().DecLastStep = -1;
        DecelerationCode().ProgressValue = 0;
        if (links.SetProgressValue) links.SetProgressValue(0);
    } else {
        float timeStep = 0.0f;
        int16_t maxTime = 0;
        DecTimingForOptions(inputs, timeStep, maxTime);
        SimulateDeceleration(inputs, timeStep, maxTime, links);
    }
    AnalyseDecRun();
    SearchDecRun(links);
    if (links.ShowDecResults) links.ShowDecResults(DecResultsTexts());
    if (links.DrawDecGraph) links.DrawDecGraph();
}

}  // namespace analysis
