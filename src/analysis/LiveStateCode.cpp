#include "analysis/LiveStateCode.hpp"

#include <algorithm>
#include <cmath>

#include "analysis/DecelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingInertia.hpp"
#include "vehicle/ModelGuards.hpp"

namespace analysis {

using vehicle::GuardedDiv;

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit LiveStateCodeState g_state;
}  // namespace

LiveStateCodeState& LiveStateCode() { return g_state; }

namespace {

constexpr float kGravity = 9.80665f;

// Most steps the traction loop takes. The engine torque moves monotonically with the
// throttle, so a sound engine ends well within 1 / kLiveThrottleStep steps; the bound only
// keeps a degenerate curve from hanging the window.
constexpr int kMaxThrottleSteps = 20000;

// Per-wheel working values of one call.
struct WheelForces {
    std::array<float, 4> DriveTorque{};  // N m at the wheel
    std::array<float, 4> Drive{};        // N
    std::array<float, 4> Brake{};        // N
    std::array<float, 4> Net{};          // N, drive - brake
    std::array<float, 4> Tyre{};         // N, what the tyre passes to the road
};

// Engine braking may be eased unless the simulator's rules forbid it for this car.
bool EngineBrakeReductionAllowed() {
    const auto& g = core::GlobalChassisLab();
    return !core::FromVbBool(core::OptionsSettings().LFSMode) ||
           !core::FromVbBool(g.HasLFSCar) || core::FromVbBool(g.CurrentLFSCar.HasThrottleSettings);
}

// The engine's torque at engine.Speed with the throttle at `throttle`, the driver's (or as
// traction control closed it). Engine braking is eased where allowed below the limit speed,
// as the deceleration run eases it: the throttle opens until the engine brakes with the
// unreduced share of its torque at that very speed, once, never so far that it drives.
void SetLiveEngineTorque(vehicle::EngineRecord& engine, float throttle, bool ease) {
    const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(engine);
    engine.Throttle = throttle;
    engine.Torque = vehicle::TorqueAtThrottle(ends, throttle);
    if (ease && engine.Torque < 0.0f && engine.Speed < engine.LimitSpeed)
        ReduceEngineBraking(engine, ends);
}

// Drive radius (m): the front wheels' rolling radius, the rear wheels', or the mean of the two
// for four-wheel drive.
float DriveRadius(uint8_t driveType) {
    const auto& t = vehicle::TyreCode().WheelTyres;
    switch (driveType) {
        case vehicle::kDriveFront: return t[0].RollingRadius;
        case vehicle::kDriveRear: return t[2].RollingRadius;
        default: return (t[0].RollingRadius + t[2].RollingRadius) / 2.0f;
    }
}

// Front wheels each take half the front share of the total wheel torque q, rear wheels half
// the rest.
void SplitWheelTorque(WheelForces& w, float q, float frontShare) {
    w.DriveTorque[0] = w.DriveTorque[1] = q * 0.5f * frontShare;
    w.DriveTorque[2] = w.DriveTorque[3] = q * 0.5f * (1.0f - frontShare);
}

void CalcLiveAero() {
    auto& aero = vehicle::AeroCode();
    const auto& m = PhysicalCode();
    const auto& p = m.AeroElementPos;
    vehicle::CalcAeroForces(aero.LiveAero, m.CornerStaticLoad,
                            static_cast<float>(LiveStateCode().LiveSpeed), m.VehicleCoG, p[0],
                            p[1], p[3], p[2], aero.FrontWingAngleEff, aero.RearWingAngleEff);
}

// Lateral load transfer of both axles in a steady turn: inertial part from the lateral
// acceleration plus the part from the roll of the sprung body and of the tyres, limited to the
// load of the side that unloads, then shared by the roll-stiffness split.
void CalcLateralTransfer(float trackAtCoG) {
    LiveStateCodeState& s = LiveStateCode();
    const PhysicalCodeState& m = PhysicalCode();
    const SuspensionCodeState& susp = SuspensionCode();
    const float roll = GuardedDiv(
        m.UnsprungMass * kGravity * std::sin(-susp.TyreRollAtUnsprung) * m.UnsprungCoG.Z +
            m.SprungMass * kGravity * std::sin(-susp.BodyRollAtCoG) * m.VehicleCoG.Z,
        trackAtCoG);
    const float inertial =
        GuardedDiv(m.TotalMass * s.LateralAcceleration * m.VehicleCoG.Z, trackAtCoG);
    float t = inertial + roll;
    const auto& st = m.CornerStaticLoad;
    if (t <= 0.0f && t < -(st[3] + st[1])) t = -(st[3] + st[1]);
    if (t > 0.0f && t > st[2] + st[0]) t = st[2] + st[0];
    s.AxleLateralTransfer[0] = susp.RollStiffnessFrontShare * t;
    s.AxleLateralTransfer[1] = (1.0f - susp.RollStiffnessFrontShare) * t;
}

void RecomputeDriveForces(WheelForces& w) {
    const auto& t = vehicle::TyreCode().WheelTyres;
    for (int i = 0; i < 4; ++i) w.Drive[i] = GuardedDiv(w.DriveTorque[i], t[i].RollingRadius);
}

void RecomputeBrakeForces(WheelForces& w, float brake, const std::array<float, 4>& torques) {
    const auto& t = vehicle::TyreCode().WheelTyres;
    for (int i = 0; i < 4; ++i) w.Brake[i] = GuardedDiv(brake * torques[i], t[i].RollingRadius);
}

// The aerodynamic elements at their static heights above the ground.
void SetStaticAeroElementHeights() {
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    auto& p = PhysicalCode().AeroElementPos;
    for (int i = 0; i < 4; ++i) p[i].Z = v.RefHeight + v.AeroElements[i].PosZ;
}

}  // namespace

void ResetLiveResults() {
    PhysicalCodeState& m = PhysicalCode();
    m.CornerDynamicLoad = {};
    m.VehicleCoG.Z = m.StaticCoG.Z;
    m.UnsprungCoG.Z = m.StaticUnsprungCoGHeight;
    SetStaticAeroElementHeights();
    LiveStateCode().BodyPitch = PitchAngles{};
    SuspensionCodeState& susp = SuspensionCode();
    susp.BodyRollAtCoG = 0.0f;
    susp.TyreRollAtUnsprung = 0.0f;
    // No rolling resistance until the tyres are worked out at a load.
    for (auto& t : vehicle::TyreCode().WheelTyres) {
        t.RollResC0 = 0.0f;
        t.RollResC1 = 0.0f;
    }
}

uint8_t SelectLiveGear(uint8_t liveSpeed, uint8_t numGears) {
    const auto& speedAtShift = vehicle::GearingCode().SpeedAtShift;
    const int top = numGears > 7 ? 7 : numGears;
    uint8_t gear = 1;
    for (int n = 2; n <= top; ++n)
        if (speedAtShift[n - 1] < static_cast<float>(liveSpeed)) gear = static_cast<uint8_t>(n);
    return gear;
}

void AnalyseLiveState(const LiveStateInputs& in, const LiveStateLinks& links) {
    LiveStateCodeState& s = LiveStateCode();
    PhysicalCodeState& m = PhysicalCode();
    SuspensionCodeState& susp = SuspensionCode();
    vehicle::AeroCodeState& aero = vehicle::AeroCode();
    auto& tyres = vehicle::TyreCode().WheelTyres;
    const vehicle::GearingCodeState& gearing = vehicle::GearingCode();
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    vehicle::EngineRecord& engine = s.LiveEngine;
    const std::array<float, 4>& brakeTorques = DecelerationCode().BrakeTorques;

    // Every call starts from the vehicle at rest, whatever the last call (or the vehicle
    // selected before) left: the passes begin with the heights, the body roll and pitch and
    // the tyres' rolling resistance, and a different start moves the results in the last bits.
    ResetLiveResults();

    // ---- A. Inputs and engine state ----
    float brake = static_cast<float>(in.BrakePercent) / 100.0f;
    const float throttle = static_cast<float>(in.ThrottlePercent) / 100.0f;
    engine = vehicle::EngineCode().CurrentEngine;
    s.LiveSpeed = core::CByte(in.SpeedMs);
    s.DecABS = core::ToVbBool(in.ABS);
    s.AccTractionControl = core::ToVbBool(in.TractionControl);
    const float speed = static_cast<float>(s.LiveSpeed);

    const uint8_t driveType = v.Drivetrain.DriveType;
    const bool wheelDriven = driveType != vehicle::kDriveThrust;
    s.LiveGear = SelectLiveGear(s.LiveSpeed, v.Drivetrain.NumGears);
    const float ratio = gearing.OverallRatios[s.LiveGear];
    const float efficiency = v.Drivetrain.DrivetrainEfficiency;
    const float frontShare = gearing.FrontTorqueShare;
    const bool easeEngineBraking = EngineBrakeReductionAllowed();
    const bool standing = s.LiveSpeed == 0;

    engine.Throttle = throttle;
    WheelForces w;
    if (!wheelDriven) {
        engine.Torque = vehicle::GetThrottleTorque(engine);  // thrust, N
    } else if (standing) {
        // A standing vehicle does not turn its engine: no engine torque reaches the wheels.
        engine.Speed = 0.0f;
        engine.Torque = 0.0f;
    }
    // A turning engine's speed, torque and wheel torques are worked out in each pass below, at
    // the rolling radius of that pass's loads, from `passThrottle`: the driver's throttle, or
    // as traction control closed it in an earlier pass. Each pass eases the engine braking
    // afresh at its own engine speed.
    float passThrottle = throttle;

    CalcSuspension(in.Suspension, s.LiveSpeed);

    vehicle::ApplyWingAngles(in.Wings);
    SetStaticAeroElementHeights();

    CalcLiveAero();
    for (int i = 0; i < 4; ++i) m.CornerDynamicLoad[i] = aero.LiveAero.WheelLoad[i];

    // The steering's demand; the passes limit it to the tyres' lateral grip.
    s.LateralAcceleration =
        CalcSteeringGeometry(in.Steering, in.LiveSteering, s.LiveSpeed, s.BodyPitch);
    const float demand = s.LateralAcceleration;
    vehicle::UpdateTyreAnalysis(in.TyreSetup, in.LiveTyres, TyreLoadsFromMasses());
    s.RotatingEquivMass = vehicle::CalcRotatingEquivMass(tyres, engine.PeakTorque, s.LiveGear);

    m.UnsprungCoG.Z = m.StaticUnsprungCoGHeight;
    const float trackAtCoG =
        v.Axles[0].TrackWidth * m.VehicleCoG.Y + (1.0f - m.VehicleCoG.Y) * v.Axles[1].TrackWidth;

    // ---- B. Passes of load transfer ----
    float q = 0.0f;          // N m, total wheel torque of the engine
    float totalForce = 0.0f; // N, sum of the tyre forces (and the thrust)
    for (int pass = 0; pass < kLiveStatePasses; ++pass) {
        for (int i = 0; i < 4; ++i) {
            susp.SuspCorners[i].SpringLoad =
                m.CornerDynamicLoad[i] - m.UnsprungCornerMass[i] * kGravity;
            vehicle::CalcTyreContactPatch(tyres[i], m.CornerDynamicLoad[i]);
            vehicle::CalcTyreGrip(tyres[i], m.CornerDynamicLoad[i]);
        }
        CalcLiveAero();
        CalcLateralTransfer(trackAtCoG);

        if (wheelDriven && !standing) {
            const float r = DriveRadius(driveType);
            engine.Speed = GuardedDiv(speed * ratio, r);
            SetLiveEngineTorque(engine, passThrottle, easeEngineBraking);
            q = efficiency * engine.Torque * ratio;
            SplitWheelTorque(w, q, frontShare);
        }

        // Grip limits: drive factor kd and brake factor kb of the weakest wheel.
        float kd = 1.0f, kb = 1.0f;
        RecomputeDriveForces(w);
        RecomputeBrakeForces(w, brake, brakeTorques);
        for (int i = 0; i < 4; ++i) {
            const float grip = tyres[i].LongGripForce;
            w.Net[i] = w.Drive[i] - w.Brake[i];
            w.Tyre[i] = w.Net[i];
            if (w.Net[i] > grip) {
                kd = std::fmin(kd, grip / w.Net[i]);
                w.Tyre[i] = grip;
            }
            if (w.Net[i] < -grip) {
                kb = std::fmin(kb, -grip / w.Net[i]);
                w.Tyre[i] = -grip;
            }
        }
        bool eased = false;
        if (!in.ABS && kb < 1.0f) {
            // Ease the brake until the weakest wheel is at its limit; it stays eased.
            brake = kb * brake;
            RecomputeBrakeForces(w, brake, brakeTorques);
            eased = true;
        }
        if (!in.TractionControl && kd < 1.0f && wheelDriven && !standing) {
            // Close the throttle until the weakest driven wheel is at its limit.
            const float target = kd * q;
            for (int k = 0; q > target && k < kMaxThrottleSteps; ++k) {
                engine.Throttle = engine.Throttle - kLiveThrottleStep;
                engine.Torque = vehicle::GetEngineTorque(engine);
                q = efficiency * engine.Torque * ratio;
            }
            SplitWheelTorque(w, q, frontShare);
            RecomputeDriveForces(w);
            passThrottle = engine.Throttle;
            eased = true;
        }
        if (eased) {
            for (int i = 0; i < 4; ++i) {
                w.Net[i] = w.Drive[i] - w.Brake[i];
                w.Tyre[i] = w.Net[i];
            }
        }

        float latGrip = 0.0f;
        for (int i = 0; i < 4; ++i) latGrip = latGrip + tyres[i].LatGripForce;
        const float aMax = GuardedDiv(latGrip, m.TotalMass);
        if (demand > aMax) s.LateralAcceleration = aMax;
        if (demand < -aMax) s.LateralAcceleration = -aMax;

        ShareAxleLoad(susp.SuspCorners[0], susp.SuspCorners[1], susp.AntiRollStiffness[0]);
        ShareAxleLoad(susp.SuspCorners[2], susp.SuspCorners[3], susp.AntiRollStiffness[1]);
        CalcBodyRollAngles();
        s.BodyPitch = CalcBodyPitch(susp.SuspCorners, tyres);
        CalcWheelCamber(s.BodyPitch);

        const float pitchTransfer = GuardedDiv(
            m.UnsprungMass * kGravity * std::sin(s.BodyPitch.FromSuspension) * m.UnsprungCoG.Z +
                m.SprungMass * kGravity * std::sin(s.BodyPitch.Total) * m.VehicleCoG.Z,
            v.Wheelbase);

        aero.FrontWingAngleEff =
            static_cast<float>(aero.FrontWingAngle) - s.BodyPitch.Total * kLiveDegreesPerRadian;
        aero.RearWingAngleEff =
            static_cast<float>(aero.RearWingAngle) - s.BodyPitch.Total * kLiveDegreesPerRadian;

        s.BrakeApplied = brake;
        s.TyreForce = w.Tyre;

        // Longitudinal transfer, positive towards the rear.
        totalForce = w.Tyre[1] + w.Tyre[0] + w.Tyre[2] + w.Tyre[3];
        float d = GuardedDiv(m.VehicleCoG.Z * totalForce, v.Wheelbase);
        if (!wheelDriven) {
            // The thrust drives the vehicle and pitches it about its line of action.
            totalForce = totalForce + engine.Torque;
            d = d + GuardedDiv((m.VehicleCoG.Z - engine.TorquePeakRPM) * engine.Torque,
                               v.Wheelbase);
        }
        d = d + pitchTransfer;
        const auto& wl = aero.LiveAero.WheelLoad;
        if (d <= 0.0f && d < -(wl[3] + wl[2])) d = -(wl[3] + wl[2]);
        if (d > 0.0f && d > wl[1] + wl[0]) d = wl[1] + wl[0];

        const float x = m.VehicleCoG.X;
        const auto& lat = s.AxleLateralTransfer;
        m.CornerDynamicLoad[0] = wl[0] - x * d + lat[0];
        m.CornerDynamicLoad[1] = wl[1] - (1.0f - x) * d - lat[0];
        m.CornerDynamicLoad[2] = x * d + wl[2] + lat[1];
        m.CornerDynamicLoad[3] = (1.0f - x) * d + wl[3] - lat[1];

        // Live heights from the suspension travel and the tyre deflections.
        CalcAxleHeightsSprung(susp.SuspHeightChange, m.VehicleCoG,
                              susp.SuspCorners[0].WheelTravelLeft,
                              susp.SuspCorners[1].WheelTravelLeft,
                              susp.SuspCorners[2].WheelTravelLeft,
                              susp.SuspCorners[3].WheelTravelLeft);
        auto& tyreHeight = vehicle::TyreCode().TyreHeightChange;
        vehicle::CalcAxleTyreHeights(tyreHeight, m.VehicleCoG, tyres[0].Deflection,
                                     tyres[1].Deflection, tyres[2].Deflection,
                                     tyres[3].Deflection, m.UnsprungCoG.Y,
                                     in.LiveTyres.WearPercent);
        const auto& sh = susp.SuspHeightChange;
        m.VehicleCoG.Z = sh[0] + m.StaticCoG.Z + tyreHeight[0];
        m.UnsprungCoG.Z = tyreHeight[1] + m.StaticUnsprungCoGHeight;
        for (int i = 0; i < 4; ++i)
            m.AeroElementPos[i].Z =
                v.RefHeight + v.AeroElements[i].PosZ + sh[2 + i] + tyreHeight[2 + i];
    }

    // ---- C. After the passes ----
    vehicle::BuildAeroSpeedTable(AeroLoadsFromMasses());
    for (int i = 0; i < 4; ++i) {
        s.AeroElementRelPos[i].X = 0.5f;
        s.AeroElementRelPos[i].Z = m.AeroElementPos[i].Z - m.VehicleCoG.Z;
    }

    float driveSum = w.Drive[0] + w.Drive[1] + w.Drive[2] + w.Drive[3];
    if (!wheelDriven) driveSum = driveSum + engine.Torque;
    const float brakeSum = w.Brake[0] + w.Brake[1] + w.Brake[2] + w.Brake[3];
    // Share of the demanded forces the tyres pass on.
    const float share =
        driveSum == brakeSum ? 1.0f : GuardedDiv(totalForce, driveSum - brakeSum);
    const float mass = m.TotalMass + s.RotatingEquivMass;
    const float resistance = aero.LiveAero.TotalResistance;
    s.LiveAccelParts[kAccelResistance] = GuardedDiv(resistance, mass);
    s.LiveAccelParts[kAccelDrive] = GuardedDiv(driveSum * share, mass);
    s.LiveAccelParts[kAccelBrakes] = GuardedDiv(brakeSum * share, mass);
    s.LiveAccelParts[kAccelNet] = GuardedDiv(totalForce - resistance, mass);

    vehicle::UpdateAeroAnalysis(speed, m.TotalMass);
    if (links.ShowAeroAnalysis) links.ShowAeroAnalysis();
    vehicle::UpdateTyreAnalysis(in.TyreSetup, in.LiveTyres, TyreLoadsFromMasses());
    if (links.ShowTyreAnalysis) links.ShowTyreAnalysis();
    SimulateSuspensionResponse();
    if (links.ShowSuspensionAnalysis) links.ShowSuspensionAnalysis();
    if (links.ShowLiveAnalysis) links.ShowLiveAnalysis();
    if (links.ShowSteeringAnalysis) links.ShowSteeringAnalysis();
    if (links.PlotSteeringGeometry) links.PlotSteeringGeometry();
}

}  // namespace analysis
