// The acceleration run: set-up from the current vehicle's computed state, the step loop with
// the chassis computations (aerodynamics, suspension, pitch, heights, load transfer), fuel
// burn, integration, gear shifts and the stop rule, and the row written to AccData each step.
//
// Integration is semi-implicit Euler: speed from this step's acceleration, then distance from
// the new speed. Load transfer is positive towards the rear.
#include <algorithm>
#include <cmath>

#include "analysis/AccelerationCode.hpp"
#include "analysis/AccelerationRunState.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/RunRefusal.hpp"
#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingInertia.hpp"

namespace analysis {

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit AccelerationCodeState g_state;
}  // namespace

AccelerationCodeState& AccelerationCode() { return g_state; }

float AccTimeStepForPrecision(int listIndex) {
    if (listIndex < 0 || listIndex > 2) return kAccTimeSteps[0];
    return kAccTimeSteps[static_cast<std::size_t>(listIndex)];
}

namespace {

using accrun::Run;

constexpr float kStopNetForce = 4.0f;        // N: the run is at its top speed below this
constexpr float kStopAfterShift = 0.2f;      // s settled after a shift before stopping
constexpr double kProgressSpan = 1.08 * 1.05;  // progress bar maximum per unit of steps
constexpr std::size_t kThrottleLadderStart = 2048;
// Highest forward gear the gear tables hold.
constexpr uint8_t kTopGear =
    std::tuple_size_v<decltype(vehicle::GearingCodeState::OverallRatios)> - 1;

// The module states the step loop reads and writes, looked up once per run.
struct StepModules {
    AccelerationCodeState& acc = AccelerationCode();
    const PhysicalCodeState& physical = PhysicalCode();
    const SuspensionCodeState& suspension = SuspensionCode();
    const vehicle::VehicleRecord& vehicle = core::GlobalChassisLab().CurrentVehicle;
    const vehicle::AeroCodeState& aero = vehicle::AeroCode();
};

// Writes the progress bar value when it changes.
void SetProgressValue(AccelerationCodeState& s, const AccRunLinks& links, int32_t value) {
    if (value == s.ProgressValue) return;
    s.ProgressValue = value;
    if (links.SetProgressValue) links.SetProgressValue(value);
}

int32_t ProgressRound(double x) { return accrun::ProgressBarValue(x); }

void InitRun(Run& r, float dt, const AccRunInputs& inputs, const AccRunLinks& links) {
    AccelerationCodeState& s = AccelerationCode();
    const PhysicalCodeState& p = PhysicalCode();
    const SuspensionCodeState& susp = SuspensionCode();
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& gearing = vehicle::GearingCode();
    const auto& aero = vehicle::AeroCode();

    r.dt = dt;
    r.slipRateLimit = dt * accrun::kSlipRatePerSecond;
    if (dt != kAccTimeSteps[0]) {
        const double steps = static_cast<double>(dt) / kAccTimeSteps[0];
        r.slipSmoothing = static_cast<float>(1.0 - std::pow(1.0 - accrun::kSlipSmoothing, steps));
        r.wheelSpeedSmoothing = 1.0 - std::pow(1.0 - accrun::kWheelSpeedSmoothing, steps);
    }
    r.engine = vehicle::EngineCode().CurrentEngine;
    const auto& fuels = core::FuelTable().FuelTypes;
    r.fuelDensity = r.engine.FuelType < fuels.size() ? fuels[r.engine.FuelType].Density : 0.0f;
    r.totalMass = p.TotalMass;
    r.sprungMass = p.SprungMass;
    s.AccFuelLeft = static_cast<float>(p.LiveFuelLoad);
    s.AccFuelLeftDouble = p.LiveFuelLoad;
    r.clutchCapacity = accrun::kClutchCapacityFactor * r.engine.PeakTorque;

    for (int i = 0; i < 4; ++i) {
        s.AccTyres[i] = vehicle::TyreCode().WheelTyres[i];
        r.temperatureFactor[i] = vehicle::TyreTemperatureFactor(s.AccTyres[i]);
        s.AccSusp[i] = susp.SuspCorners[i];
        r.spin[i] = core::VbFalse;
        r.cornerMass[i] = p.CornerMass[i];
        r.sprungCornerMass[i] = p.SprungCornerMass[i];
        r.staticLoad[i] = p.CornerStaticLoad[i];
        r.targetLoad[i] = p.CornerStaticLoad[i];
        r.wheelLoad[i] = p.CornerStaticLoad[i];
        s.AccSusp[i].SpringLoad = static_cast<float>(
            p.CornerStaticLoad[i] - static_cast<double>(p.UnsprungCornerMass[i]) * core::kGravity);
    }
    ShareAxleLoad(s.AccSusp[0], s.AccSusp[1], susp.AntiRollStiffness[0]);
    ShareAxleLoad(s.AccSusp[2], s.AccSusp[3], susp.AntiRollStiffness[1]);
    for (int i = 0; i < 4; ++i) {
        r.response[i] = ResponseCornerState{};
        r.response[i].SpringForce = -s.AccSusp[i].SpringLoad;
        r.response[i].Position = -s.AccSusp[i].SpringDeflection;
        r.elementPos[i] = vehicle::PositionXYZ{};
        r.elementPos[i].Z = v.RefHeight + v.AeroElements[i].PosZ;
    }

    r.gear = 1;
    r.rotEquivMass = vehicle::CalcRotatingEquivMass(s.AccTyres, r.engine.PeakTorque, 1);
    s.AccAero = aero.LiveAero;
    r.cog = p.DryCoG;

    s.AccMaxSteps = core::CLng(static_cast<double>(kAccRunSeconds) / dt);
    r.speed = 0.0;
    r.distance = 0.0f;
    r.prevDriveForce = 0.0f;
    r.fuelMass = 0.0f;

    r.driveType = v.Drivetrain.DriveType;
    // The gear tables hold seven forward gears; a record with more (or none) is run in the
    // gears the tables hold.
    r.numGears = std::clamp<uint8_t>(v.Drivetrain.NumGears, 1, kTopGear);
    r.efficiency = v.Drivetrain.DrivetrainEfficiency;
    r.shiftTime = v.Drivetrain.ShiftTime;
    r.frontShare = gearing.FrontTorqueShare;
    r.clutch = (r.driveType == vehicle::kDriveThrust || r.engine.TorquePeakStart == 0.0f)
                   ? 1.0f
                   : accrun::kLaunchClutch;

    s.AccLastStep = -1;
    s.AccTimeStep = dt;
    r.shifting = false;
    r.releasing = false;
    r.stopFlag = false;
    r.timeSinceShift = 0.0f;

    // The second benchmark distance of the speed unit in use: the run ends beyond it.
    const auto& targets = core::AccTargetTable().AccTargets;
    const uint8_t unit = core::OptionsSettings().UnitIndexSpeed;
    r.endDistance = unit < targets.size() ? static_cast<float>(targets[unit][6]) : 0.0f;

    r.tractionControl = inputs.TractionControl;
    r.tyreWearPercent = inputs.TyreWearPercent;
    LiveStateCode().AccTractionControl = core::ToVbBool(inputs.TractionControl);

    // A vehicle that is not wheel driven has no engine speed: its engine figures hold fixed
    // values (and the plateau start is left from the vehicle before), so its engine speed
    // column stays 0.
    r.launchSpeed = accrun::WheelDriven(r)
                        ? r.engine.TorquePeakStart * 0.25f + r.engine.IdleSpeed * 0.75f
                        : 0.0f;
    r.engine.Speed = r.launchSpeed;

    // The table is sized once for the longest run and rows are written in place. Rows beyond
    // the run's last step are never read, so a table already large enough is not cleared.
    s.AccData.resize(static_cast<std::size_t>(s.AccMaxSteps + 1) * kAccColumns);

    if (dt == kAccTimeSteps[0])
        s.AccProgressDivisor = 20.0f / dt;
    else if (dt == kAccTimeSteps[1])
        s.AccProgressDivisor = 6.0f / dt;
    else if (dt == kAccTimeSteps[2])
        s.AccProgressDivisor = 2.0f / dt;

    r.frontWingEff = aero.FrontWingAngle;
    r.rearWingEff = aero.RearWingAngle;

    s.ProgressMax = ProgressRound(s.AccMaxSteps * kProgressSpan / s.AccProgressDivisor);
    if (links.SetProgressMax) links.SetProgressMax(s.ProgressMax);
    s.ProgressValue = -1;  // the first step writes its value

    // Fixed for the run: the drivetrain inertia of each gear, and the throttle ladder.
    for (uint8_t g = 0; g < r.halfGearInertia.size(); ++g)
        r.halfGearInertia[g] =
            vehicle::CalcDrivetrainInertiaInGear(r.engine.PeakTorque, g) * 0.5f;
    r.throttleLadder.resize(kThrottleLadderStart);
    r.throttleLadder[0] = 1.0f;
    for (std::size_t k = 1; k < r.throttleLadder.size(); ++k)
        r.throttleLadder[k] = r.throttleLadder[k - 1] - accrun::kThrottleStep;
}

// Aerodynamics, suspension, pitch, heights and the target corner loads for this step.
void ChassisStep(Run& r, const StepModules& m) {
    AccelerationCodeState& s = m.acc;
    const PhysicalCodeState& p = m.physical;
    const SuspensionCodeState& susp = m.suspension;
    const vehicle::VehicleRecord& v = m.vehicle;
    const auto& aero = m.aero;

    vehicle::CalcAeroForces(s.AccAero, r.staticLoad, static_cast<float>(r.speed), r.cog,
                            r.elementPos[0], r.elementPos[1], r.elementPos[3], r.elementPos[2],
                            r.frontWingEff, r.rearWingEff);

    // Anti-roll coupling of every corner before any corner moves.
    std::array<float, 4> arb{};
    for (int i = 0; i < 4; ++i)
        arb[i] = (s.AccSusp[i].WheelDeflection - s.AccSusp[OppositeWheel[i]].WheelDeflection) *
                 susp.AntiRollStiffness[WheelAxle[i]] * 0.5f;
    for (int i = 0; i < 4; ++i) {
        s.AccSusp[i].SpringLoad = static_cast<float>(
            r.targetLoad[i] - static_cast<double>(p.UnsprungCornerMass[i]) * core::kGravity);
        std::array<ResponseCornerState, 2> st{r.response[i], ResponseCornerState{}};
        StepSuspensionCorner(st, s.AccSusp[i], arb[i], r.sprungCornerMass[i], r.dt);
        r.response[i] = st[1];
    }

    const PitchAngles pitch = CalcBodyPitch(s.AccSusp, s.AccTyres);
    r.frontWingEff = static_cast<float>(aero.FrontWingAngle - pitch.Total * core::kDegreesPerRadian);
    r.rearWingEff = static_cast<float>(aero.RearWingAngle - pitch.Total * core::kDegreesPerRadian);

    HeightChange sprung{};
    CalcAxleHeightsSprung(sprung, r.cog, s.AccSusp[0].WheelTravelLeft,
                          s.AccSusp[1].WheelTravelLeft, s.AccSusp[2].WheelTravelLeft,
                          s.AccSusp[3].WheelTravelLeft);
    HeightChange tyre{};
    vehicle::CalcAxleTyreHeights(tyre, r.cog, s.AccTyres[0].Deflection, s.AccTyres[1].Deflection,
                                 s.AccTyres[2].Deflection, s.AccTyres[3].Deflection,
                                 p.UnsprungCoG.Y, r.tyreWearPercent);

    // Centre of gravity height above the ground with this step's fuel.
    r.cog.Z = (v.FuelTankPos.Z * r.fuelMass + p.DryMass * p.DryCoG.Z) / r.totalMass +
              sprung[kHeightAtCoG] + tyre[kHeightAtCoG] + v.RefHeight;
    r.unsprungHeight = p.StaticUnsprungCoGHeight + tyre[kHeightAtUnsprung];
    for (int i = 0; i < 4; ++i)
        r.elementPos[i].Z = v.RefHeight + v.AeroElements[i].PosZ + sprung[kHeightAtElement0 + i] +
                            tyre[kHeightAtElement0 + i];

    // Longitudinal load transfer: the drive force acting at its height (the centre of gravity,
    // or below it at the thrust line), and the weights of the pitched sprung and unsprung
    // masses.
    const float h = r.driveType == vehicle::kDriveThrust ? r.cog.Z - r.engine.TorquePeakRPM
                                                         : r.cog.Z;
    float wt = static_cast<float>(
        (h * r.prevDriveForce) / v.Wheelbase +
        (r.sprungMass * core::kGravity * std::sin(pitch.Total) * r.cog.Z +
         p.UnsprungMass * core::kGravity * std::sin(-pitch.FromSuspension) * r.unsprungHeight) /
            v.Wheelbase);
    const float frontLoad = s.AccAero.WheelLoad[0] + s.AccAero.WheelLoad[1];
    if (wt > frontLoad) wt = frontLoad;
    r.weightTransfer = wt;

    const float x = r.cog.X;
    r.targetLoad[0] = s.AccAero.WheelLoad[0] - x * wt;
    r.targetLoad[1] = s.AccAero.WheelLoad[1] - (1.0f - x) * wt;
    r.targetLoad[2] = s.AccAero.WheelLoad[2] + x * wt;
    r.targetLoad[3] = s.AccAero.WheelLoad[3] + (1.0f - x) * wt;
}

// Fuel burnt this step, and the masses and centre of gravity that follow.
void FuelStep(Run& r, const StepModules& m) {
    AccelerationCodeState& s = m.acc;
    const PhysicalCodeState& p = m.physical;
    const vehicle::VehicleRecord& v = m.vehicle;
    const double burnt = vehicle::GetFuelFlow(r.engine, r.torqueEnds, r.dt);  // litres
    s.AccFuelLeft = static_cast<float>(s.AccFuelLeft - burnt);
    if (s.AccFuelLeft < 0.0f) s.AccFuelLeft = 0.0f;
    s.AccFuelLeftDouble = std::max(s.AccFuelLeftDouble - burnt, 0.0);
    r.fuelMass = s.AccFuelLeft * r.fuelDensity;
    r.totalMass = p.DryMass + r.fuelMass;
    r.cog.X = (p.DryCoG.X * p.DryMass + v.FuelTankPos.X * r.fuelMass) / r.totalMass;
    r.cog.Y = (p.DryCoG.Y * p.DryMass + v.FuelTankPos.Y * r.fuelMass) / r.totalMass;
    SplitCornerMasses(r.cornerMass, r.totalMass, r.cog);
    SubtractUnsprungMasses(r.sprungCornerMass, r.cornerMass);
    r.sprungMass = r.sprungCornerMass[0] + r.sprungCornerMass[1] + r.sprungCornerMass[2] +
                   r.sprungCornerMass[3];
    for (int i = 0; i < 4; ++i)
        r.staticLoad[i] = static_cast<float>(r.cornerMass[i] * core::kGravity);
}

void WriteRow(AccelerationCodeState& s, const Run& r, float driveForce, float netForce,
              float acceleration) {
    float* row = s.AccData.data() + static_cast<std::size_t>(s.AccLastStep) * kAccColumns;
    row[AccCol::EngineSpeed] = r.engine.Speed;
    row[AccCol::Clutch] = r.clutch;
    row[AccCol::Gear] = r.gear;
    row[AccCol::DriveForce] = driveForce;
    row[AccCol::AeroLift] = s.AccAero.TotalLift;
    row[AccCol::AeroDrag] = s.AccAero.TotalDrag;
    row[AccCol::RollingResistance] = s.AccAero.TotalRollingResistance;
    row[AccCol::Resistance] = s.AccAero.TotalResistance;
    row[AccCol::NetForce] = netForce;
    row[AccCol::Acceleration] = acceleration;
    row[AccCol::WeightTransfer] = r.weightTransfer;
    row[AccCol::Speed] = static_cast<float>(r.speed);
    row[AccCol::Distance] = r.distance;
    for (int i = 0; i < 4; ++i) {
        row[AccCol::WheelLoad + i] = r.wheelLoad[i];
        row[AccCol::TyreDeflection + i] = s.AccTyres[i].Deflection;
        row[AccCol::WheelInertiaTorque + i] = static_cast<float>(r.inertiaTorque[i]);
        row[AccCol::WheelSpin + i] = r.spin[i];
        row[AccCol::LoadedSpringLength + i] = s.AccSusp[i].LoadedSpringLength;
        row[AccCol::SlipRatio + i] = r.slipRatio[i];
    }
    row[AccCol::CoGHeight] = r.cog.Z;
    row[AccCol::ElementHeight + 0] = r.elementPos[0].Z;  // body aero centre
    row[AccCol::ElementHeight + 1] = r.elementPos[1].Z;  // undertray
    row[AccCol::ElementHeight + 2] = r.elementPos[3].Z;  // front wing
    row[AccCol::ElementHeight + 3] = r.elementPos[2].Z;  // rear wing
    row[AccCol::Throttle] = r.engine.Throttle;
    row[AccCol::FuelLeft] = s.AccFuelLeft;
    row[AccCol::FrontWingAngle] = static_cast<float>(r.frontWingEff / core::kDegreesPerRadian);
    row[AccCol::RearWingAngle] = static_cast<float>(r.rearWingEff / core::kDegreesPerRadian);
    row[AccCol::CoGFrontShare] = r.cog.Y;
}

// Gear shift under way or due, then the stop rule. Returns true when the run ends here.
bool ShiftAndStop(Run& r, float netForce) {
    const auto& g = vehicle::GearingCode();
    if (accrun::WheelDriven(r)) {
        const bool due = r.engine.Speed > g.ShiftRevs[r.gear] && r.gear < r.numGears;
        if (due && !r.shifting) {
            r.shifting = true;
            r.releasing = true;
            r.shiftTimer = r.shiftTime + r.dt;
            r.rampTime = r.shiftTime / 5.0f;
            r.releaseTimer = r.rampTime + r.dt;
        }
        if (r.shifting) {
            // Clutch out over the first fifth of the shift time, gear change, clutch in over
            // the last fifth.
            r.shiftTimer -= r.dt;
            r.timeSinceShift = 0.0f;
            if (r.releasing) {
                r.releaseTimer -= r.dt;
                if (r.releaseTimer < r.dt) {
                    ++r.gear;
                    r.releasing = false;
                    r.clutch = 0.0f;
                    r.engine.Speed =
                        static_cast<float>(g.OverallRatios[r.gear] * r.drivenWheelSpeed);
                } else {
                    r.clutch = r.releaseTimer / (r.shiftTime / 5.0f);
                }
            }
            if (r.shiftTimer < r.rampTime) r.clutch = 1.0f - r.shiftTimer / (r.shiftTime / 5.0f);
            if (r.shiftTimer < r.dt) {
                r.shifting = false;
                r.clutch = 1.0f;
            }
            return false;
        }
    }
    // At its top speed, past the second benchmark distance and settled after the last shift:
    // the run ends on the second step that finds it so.
    r.timeSinceShift += r.dt;
    if (r.distance > r.endDistance && r.timeSinceShift > kStopAfterShift &&
        netForce < kStopNetForce) {
        if (r.stopFlag) return true;
        r.stopFlag = true;
    }
    return false;
}

}  // namespace

void RunAccelerationAnalysis(float dt, const AccRunInputs& inputs, const AccRunLinks& links) {
    AccelerationCode().RunRefused = FindBottomedTyre().has_value();
    if (AccelerationCode().RunRefused) {
        // No run is stored, and the page shows no figures (of this vehicle or the one run
        // before).
        AccelerationCode().AccLastStep = -1;
        SetProgressValue(AccelerationCode(), links, 0);
        AnalyseAccRun(dt, links);
        SearchAccRun(dt, links);
        if (links.DrawAccGraph) links.DrawAccGraph(dt);
        return;
    }
    Run r;
    InitRun(r, dt, inputs, links);
    const StepModules m;
    AccelerationCodeState& s = m.acc;
    const bool wheelDriven = accrun::WheelDriven(r);

    while (s.AccLastStep != s.AccMaxSteps) {
        ++s.AccLastStep;
        SetProgressValue(s, links, ProgressRound(s.AccLastStep / static_cast<double>(s.AccProgressDivisor)));

        ChassisStep(r, m);

        // Drive torque, wheel loads and traction, limited-slip transfer, throttle reduction.
        r.engine.Throttle = 1.0f;
        accrun::ComputeDriveTorque(r);
        r.minRatio = 1.0f;
        accrun::ComputeWheelTorques(r, s.AccTyres, s.AccSusp);
        r.transfer = {0.0f, 0.0f};
        if (wheelDriven && !r.tractionControl) {
            accrun::LimitedSlipTransfer(r, s.AccTyres);
            if (r.minRatio < 1.0f) accrun::ReduceThrottle(r);
        }

        if (wheelDriven) {
            FuelStep(r, m);
            accrun::FinalWheelPass(r, s.AccTyres);
        }

        const float driveForce =
            wheelDriven ? static_cast<float>(r.wheelForce[0] + r.wheelForce[1] + r.wheelForce[2] +
                                             r.wheelForce[3])
                        : r.engine.Torque;
        r.prevDriveForce = driveForce;
        const float netForce = driveForce - s.AccAero.TotalResistance;
        const float acceleration = netForce / (r.rotEquivMass + r.totalMass);
        WriteRow(s, r, driveForce, netForce, acceleration);

        // Rolling resistance and drag hold a car that its drive cannot move; they never push
        // it backwards.
        r.speed = std::max(0.0, r.speed + static_cast<double>(r.dt) * acceleration);
        r.distance = static_cast<float>(r.distance + r.dt * r.speed);

        if (wheelDriven) {
            accrun::EngineSpeedFromRoad(r, s.AccTyres);
            accrun::WheelInertiaTorques(r, s.AccTyres);
        }
        r.rotEquivMass = vehicle::CalcWheelEquivMass(s.AccTyres);

        if (ShiftAndStop(r, netForce)) break;
    }

    SetProgressValue(s, links, ProgressRound(s.AccMaxSteps / static_cast<double>(s.AccProgressDivisor)));
    AnalyseAccRun(dt, links);
    SearchAccRun(dt, links);
    if (links.DrawAccGraph) links.DrawAccGraph(s.AccTimeStep);
}

}  // namespace analysis
