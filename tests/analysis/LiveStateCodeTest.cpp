// Live-state analysis of the sample car (support/SampleVehicles.hpp): gear choice, engine
// state, grip limits of drive, brakes and cornering, and the load transfer against the
// closed-form m a h / L. Expected figures are worked from the vehicle's figures; where a figure
// of another model is needed (a rolling radius, a grip force) it is read from that model's
// state and the arithmetic on it is done here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "support/SampleVehicles.hpp"

namespace {

using analysis::LiveStateCode;
using analysis::PhysicalCode;
using sample::kG;

class LiveStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        core::GlobalChassisLab().CurrentVehicle = sample::SampleCar();
        in.SpeedMs = 25;
        in.ThrottlePercent = 50;
    }
    // Prepares the vehicle for the inputs, and prepares and runs the analysis.
    void Prepare() {
        sample::Setup setup;
        setup.live = in;
        sample::PrepareModels(setup);
    }
    void Run() {
        Prepare();
        analysis::AnalyseLiveState(in);
    }
    // Longitudinal transfer the analysis applied: rear axle load over the aerodynamic wheel
    // loads (the lateral transfer cancels across the axle).
    static float RearTransfer() {
        const auto& wl = vehicle::AeroCode().LiveAero.WheelLoad;
        const auto& d = PhysicalCode().CornerDynamicLoad;
        return d[2] + d[3] - wl[2] - wl[3];
    }
    // Load moved by the pitch of the body (sprung and unsprung weight leaning over).
    static double PitchTransfer() {
        const auto& m = PhysicalCode();
        const auto& p = LiveStateCode().BodyPitch;
        return (m.UnsprungMass * kG * std::sin(p.FromSuspension) * m.UnsprungCoG.Z +
                m.SprungMass * kG * std::sin(p.Total) * m.VehicleCoG.Z) /
               2.6;
    }
    // A throttle reached by steps of 0.001 from `start`.
    static void ExpectThrottleSteps(float throttle, float start) {
        const float steps = (start - throttle) / analysis::kLiveThrottleStep;
        EXPECT_NEAR(steps, std::round(steps), 0.05f) << throttle;
    }

    // The live results a call leaves, as bit patterns (so -0 and +0 differ, and NaN equals
    // itself).
    static std::vector<uint32_t> Snapshot() {
        const auto& m = PhysicalCode();
        const auto& s = LiveStateCode();
        std::vector<float> f(m.CornerDynamicLoad.begin(), m.CornerDynamicLoad.end());
        f.insert(f.end(), {m.VehicleCoG.Z, m.UnsprungCoG.Z, s.LateralAcceleration,
                           s.BodyPitch.Total, s.BodyPitch.FromSuspension, s.RotatingEquivMass,
                           s.BrakeApplied, s.LiveEngine.Throttle});
        f.insert(f.end(), s.LiveAccelParts.begin(), s.LiveAccelParts.end());
        f.insert(f.end(), s.TyreForce.begin(), s.TyreForce.end());
        for (const auto& p : m.AeroElementPos) f.push_back(p.Z);
        for (const auto& t : vehicle::TyreCode().WheelTyres)
            f.insert(f.end(), {t.Deflection, t.RollingRadius, t.LongGripForce, t.RollResC0});
        std::vector<uint32_t> bits(f.size());
        std::memcpy(bits.data(), f.data(), f.size() * sizeof(float));
        return bits;
    }

    analysis::LiveStateInputs in = sample::Setup::LiveInputs();
};

TEST_F(LiveStateTest, StandingStillWithNothingAppliedHasNoForces) {
    in.SpeedMs = 0;
    in.ThrottlePercent = 0;
    in.BrakePercent = 0;
    Run();
    const auto& s = LiveStateCode();
    EXPECT_EQ(s.LiveGear, 1);
    EXPECT_EQ(s.LiveEngine.Speed, 0.0f);
    EXPECT_EQ(s.LiveEngine.Torque, 0.0f);
    EXPECT_EQ(s.LiveAccelParts[analysis::kAccelDrive], 0.0f);
    EXPECT_EQ(s.LiveAccelParts[analysis::kAccelBrakes], 0.0f);
    for (float f : s.TyreForce) EXPECT_EQ(f, 0.0f);
    const auto& aero = vehicle::AeroCode().LiveAero;
    EXPECT_EQ(aero.TotalDrag, 0.0f);
    EXPECT_EQ(aero.TotalLift, 0.0f);
    EXPECT_EQ(s.LateralAcceleration, 0.0f);
}

TEST_F(LiveStateTest, GearIsTheHighestWhoseLowerShiftSpeedLiesBelowTheSpeed) {
    Prepare();
    const auto& sas = vehicle::GearingCode().SpeedAtShift;
    ASSERT_LT(sas[1], sas[2]);
    // Exactly at the 1-2 shift speed the first gear is kept; above it the second is used.
    const auto justAbove = static_cast<uint8_t>(std::floor(sas[1]) + 1.0f);
    EXPECT_EQ(analysis::SelectLiveGear(static_cast<uint8_t>(std::floor(sas[1])), 5), 1);
    EXPECT_EQ(analysis::SelectLiveGear(justAbove, 5), 2);
    // Above every shift speed: the top gear, never a gear the vehicle does not have.
    EXPECT_EQ(analysis::SelectLiveGear(255, 5), 5);
    EXPECT_EQ(analysis::SelectLiveGear(255, 1), 1);

    in.SpeedMs = 255;
    Run();
    EXPECT_EQ(LiveStateCode().LiveGear, 5);
}

TEST_F(LiveStateTest, FullThrottleOnThePlateauTransfersMAHOverL) {
    // 18 m/s in second gear (8.19 overall) turns the engine near 470 rad/s, on the 250 N m
    // plateau (419..524 rad/s); the rear tyres carry it without spinning.
    in.SpeedMs = 18;
    in.ThrottlePercent = 100;
    in.TractionControl = true;
    Run();
    const auto& s = LiveStateCode();
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    ASSERT_EQ(s.LiveGear, 2);
    ASSERT_GT(s.LiveEngine.Speed, 419.0f);
    ASSERT_LT(s.LiveEngine.Speed, 524.0f);
    EXPECT_FLOAT_EQ(s.LiveEngine.Torque, 250.0f);
    EXPECT_FLOAT_EQ(s.LiveEngine.Throttle, 1.0f);

    // Drive force F = efficiency x torque x overall ratio / rolling radius, all at the rear.
    const double r = tyres[2].RollingRadius;
    const double driveForce = 0.85 * 250.0 * 8.19 / r;  // about 5700 N
    EXPECT_NEAR(s.TyreForce[2] + s.TyreForce[3], driveForce, 0.01 * driveForce);
    EXPECT_EQ(s.TyreForce[0], 0.0f);

    // Load moved to the rear axle: m a h / L = F h / L (about 1190 N), plus a pitch term of a
    // few newtons.
    const double h = PhysicalCode().VehicleCoG.Z;
    const double expected = driveForce * h / 2.6;
    EXPECT_NEAR(RearTransfer(), expected, 0.01 * expected);
    EXPECT_NEAR(RearTransfer(), expected + PitchTransfer(), 0.005 * expected);
    // Each rear wheel gains what each front wheel loses (the car is symmetric side to side).
    const auto& d = PhysicalCode().CornerDynamicLoad;
    const auto& wl = vehicle::AeroCode().LiveAero.WheelLoad;
    EXPECT_NEAR(d[2] - wl[2], wl[0] - d[0], 1.0f);

    // Live acceleration parts: drive over mass and rotating equivalent mass.
    const double mass = PhysicalCode().TotalMass + s.RotatingEquivMass;
    EXPECT_NEAR(s.LiveAccelParts[analysis::kAccelDrive], driveForce / mass,
                0.01 * driveForce / mass);
    EXPECT_NEAR(s.LiveAccelParts[analysis::kAccelNet],
                (s.TyreForce[0] + s.TyreForce[1] + s.TyreForce[2] + s.TyreForce[3] -
                 vehicle::AeroCode().LiveAero.TotalResistance) / mass,
                1e-4);
    EXPECT_GT(s.LiveAccelParts[analysis::kAccelResistance], 0.0f);
}

TEST_F(LiveStateTest, BrakingMovesLoadForward) {
    in.SpeedMs = 25;
    in.ThrottlePercent = 0;
    in.BrakePercent = 30;
    in.ABS = true;
    Run();
    const auto& s = LiveStateCode();
    const float total = s.TyreForce[0] + s.TyreForce[1] + s.TyreForce[2] + s.TyreForce[3];
    ASSERT_LT(total, 0.0f);
    const double h = PhysicalCode().VehicleCoG.Z;
    // F h / L, plus the body diving forwards.
    const double expected = total * h / 2.6 + PitchTransfer();
    EXPECT_NEAR(RearTransfer(), expected, 0.005 * std::fabs(expected));
    EXPECT_LT(LiveStateCode().BodyPitch.Total, 0.0f);
    EXPECT_LT(s.LiveAccelParts[analysis::kAccelNet], 0.0f);
    EXPECT_GT(s.LiveAccelParts[analysis::kAccelBrakes], 0.0f);
}

TEST_F(LiveStateTest, FullBrakeWithoutAntiLockEasesAllBrakesToTheWeakestWheel) {
    in.SpeedMs = 25;
    in.ThrottlePercent = 0;
    in.BrakePercent = 100;
    // With anti-lock brakes each over-braked wheel is held at its own limit.
    in.ABS = true;
    Run();
    const auto heldForces = LiveStateCode().TyreForce;
    EXPECT_FLOAT_EQ(LiveStateCode().BrakeApplied, 1.0f);
    // Front brakes: 2400 N m x 65 % = 1560 N m each, over 5000 N at the road: beyond grip.
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    ASSERT_GT(1560.0f / tyres[0].RollingRadius, 4500.0f);

    in.ABS = false;
    Run();
    const auto& s = LiveStateCode();
    EXPECT_LT(s.BrakeApplied, 1.0f);
    EXPECT_GT(s.BrakeApplied, 0.3f);
    // The front wheels, the weakest, are exactly at the force anti-lock held them at; the rear
    // wheels brake less than their grip allows.
    EXPECT_NEAR(s.TyreForce[0], heldForces[0], 0.002f * std::fabs(heldForces[0]));
    EXPECT_NEAR(s.TyreForce[1], heldForces[1], 0.002f * std::fabs(heldForces[1]));
    EXPECT_GT(s.TyreForce[2], heldForces[2]);  // less negative
    EXPECT_GT(s.LiveAccelParts[analysis::kAccelNet], -100.0f);
    // Less total braking than with anti-lock brakes, which keeps the rear at full pressure.
    const float eased = s.TyreForce[0] + s.TyreForce[1] + s.TyreForce[2] + s.TyreForce[3];
    const float held = heldForces[0] + heldForces[1] + heldForces[2] + heldForces[3];
    EXPECT_GT(eased, held);
}

TEST_F(LiveStateTest, WheelspinWithoutTractionControlClosesTheThrottleInSteps) {
    // 10 m/s in first gear (13.65): 0.85 x 250 x 13.65 / 2 / 0.305 = 4750 N per rear wheel, far
    // beyond the rear tyres' grip of about 3000 N.
    in.SpeedMs = 10;
    in.ThrottlePercent = 100;
    in.TractionControl = false;
    Run();
    const auto& s = LiveStateCode();
    ASSERT_EQ(s.LiveGear, 1);
    EXPECT_LT(s.LiveEngine.Throttle, 0.9f);
    EXPECT_GT(s.LiveEngine.Throttle, 0.3f);
    ExpectThrottleSteps(s.LiveEngine.Throttle, 1.0f);
    // The rear wheels pass about their grip, not the demanded 4750 N each.
    EXPECT_LT(s.TyreForce[2], 3600.0f);

    // Traction control holds each wheel at its limit and leaves the throttle as set.
    in.TractionControl = true;
    Run();
    EXPECT_FLOAT_EQ(LiveStateCode().LiveEngine.Throttle, 1.0f);
    EXPECT_LT(LiveStateCode().TyreForce[2], 3600.0f);

    // Front-wheel drive at 6 m/s: the front wheels' grip changes from pass to pass as the
    // load moves. Each pass closes the throttle from where the pass before left it, never
    // opening it again: 50 steps here (closed afresh from full throttle in the last pass, 47).
    core::GlobalChassisLab().CurrentVehicle = sample::SampleCar(vehicle::kDriveFront);
    in.SpeedMs = 6;
    in.TractionControl = false;
    Run();
    EXPECT_NEAR(LiveStateCode().LiveEngine.Throttle, 1.0f - 50.0f * analysis::kLiveThrottleStep,
                0.2f * analysis::kLiveThrottleStep);
}

TEST_F(LiveStateTest, SteeringDemandBeyondGripIsCappedWithItsSign) {
    in.SpeedMs = 25;
    in.ThrottlePercent = 0;
    in.Steering.Lock = 30;
    for (int sign : {1, -1}) {
        in.LiveSteering.SteeringAngle = sign * 200;  // 20 degrees at 25 m/s: far beyond grip
        Run();
        const float a = LiveStateCode().LateralAcceleration;
        // The cap: the four tyres' lateral grip at the aerodynamic wheel loads over the mass.
        vehicle::TyreLoadInputs loads = analysis::TyreLoadsFromMasses();
        loads.CornerDynamicLoad = vehicle::AeroCode().LiveAero.WheelLoad;
        vehicle::UpdateTyreAnalysis(in.TyreSetup, in.LiveTyres, loads);
        float grip = 0.0f;
        for (const auto& t : vehicle::TyreCode().WheelTyres) grip += t.LatGripForce;
        const float cap = grip / PhysicalCode().TotalMass;
        EXPECT_NEAR(a, sign * cap, 0.01f * cap) << sign;
        const float demand = analysis::CalcSteeringGeometry(in.Steering, in.LiveSteering, 25,
                                                            analysis::PitchAngles{});
        EXPECT_GT(std::fabs(demand), 1.5f * cap);
        EXPECT_EQ(demand > 0.0f, sign > 0);
    }
}

// A steady turn: the load leaving the inner wheels is m a h / t (t the track at the centre of
// gravity) plus the weight of the rolled body leaning outwards, and each axle takes its share
// of it by roll stiffness: with a front bar and none at the rear, well over half at the front.
// Each axle's left-right difference is twice its share: the outer wheel gains what the inner
// one loses.
TEST_F(LiveStateTest, SteadyTurnSharesTheLateralTransferByRollStiffness) {
    in.Suspension.ARBStiffness = {400, 0};
    in.SpeedMs = 20;
    in.ThrottlePercent = 0;
    in.LiveSteering.SteeringAngle = 40;  // 4 degrees of steering wheel: well within grip
    Run();
    const auto& s = LiveStateCode();
    const auto& m = PhysicalCode();
    const auto& susp = analysis::SuspensionCode();
    const double a = s.LateralAcceleration;
    ASSERT_GT(std::fabs(a), 2.0);
    // Share of the front axle: its roll stiffness (springs and bar) over both axles'.
    const double kf = susp.RollStiffness[analysis::kRollTotal];
    const double kr = susp.RollStiffness[6 + analysis::kRollTotal];
    const double front = kf / (kf + kr);
    ASSERT_GT(front, 0.6);
    const double track = 1.5;  // both axles
    const double h = m.VehicleCoG.Z;
    const double lean = (m.UnsprungMass * kG * std::sin(-susp.TyreRollAtUnsprung) * m.UnsprungCoG.Z +
                         m.SprungMass * kG * std::sin(-susp.BodyRollAtCoG) * h) /
                        track;
    const double transfer = m.TotalMass * a * h / track + lean;
    // The lean adds a few per cent to m a h / t, in the same direction.
    EXPECT_GT(lean / transfer, 0.0);
    EXPECT_LT(lean / transfer, 0.1);

    // Differences net of the aerodynamic loads; the car is symmetric side to side, so the
    // longitudinal transfer moves both wheels of an axle alike.
    ASSERT_FLOAT_EQ(m.VehicleCoG.X, 0.5f);
    const auto& d = m.CornerDynamicLoad;
    const auto& wl = vehicle::AeroCode().LiveAero.WheelLoad;
    const double frontDifference = (d[0] - wl[0]) - (d[1] - wl[1]);
    const double rearDifference = (d[2] - wl[2]) - (d[3] - wl[3]);
    EXPECT_NEAR(frontDifference, 2.0 * front * transfer, 0.005 * std::fabs(transfer));
    EXPECT_NEAR(rearDifference, 2.0 * (1.0 - front) * transfer, 0.005 * std::fabs(transfer));
    // The wheels of one side together gain all of it.
    EXPECT_NEAR((frontDifference + rearDifference) / 2.0, transfer, 0.005 * std::fabs(transfer));
}

TEST_F(LiveStateTest, EngineBrakingIsEasedUnlessTheSimulatorForbidsIt) {
    in.SpeedMs = 25;
    in.ThrottlePercent = 0;
    Prepare();
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction = 0.5f;
    analysis::AnalyseLiveState(in);
    const auto& e = LiveStateCode().LiveEngine;
    // Closed-throttle torque at the engine speed of the unloaded radius, worked by hand:
    // second gear 2.1 x 3.9 = 8.19 on the 0.3158468 m radius of a 205/55 R16:
    // 25 x 8.19 / 0.3158468 = 648.257 rad/s; closed-throttle factor
    // sin(1.4 x 648.257 / 680.678 + 0.15708) = 0.99677; braking torque
    // -(0.05 x 648.257 x 0.99677 + 19) = -51.308 N m.
    const float b = -51.308f;
    vehicle::EngineRecord closed = e;
    closed.Speed = 648.257f;
    closed.Throttle = 0.0f;
    ASSERT_NEAR(vehicle::GetEngineTorque(closed), b, 2e-3f);
    // The passes turn the engine at the rolling radius (read from the tyre model), a little
    // faster, where it brakes a little harder; half of that torque is the target, and the
    // throttle opens in steps until the torque is no longer below it.
    const float gearRatio = vehicle::GearingCode().OverallRatios[LiveStateCode().LiveGear];
    const float rolling = 25.0f * gearRatio / vehicle::TyreCode().WheelTyres[2].RollingRadius;
    EXPECT_FLOAT_EQ(e.Speed, rolling);
    EXPECT_GT(e.Speed, 648.257f);
    closed.Speed = e.Speed;
    const vehicle::TorqueEnds at = vehicle::GetTorqueEnds(closed);
    const float braking = vehicle::TorqueAtThrottle(at, 0.0f);
    EXPECT_LT(braking, b);
    // The analysis's throttle search against plain calls of the engine model at that speed.
    EXPECT_GT(e.Throttle, 0.0f);
    ExpectThrottleSteps(e.Throttle, 0.0f);
    EXPECT_LT(vehicle::TorqueAtThrottle(at, e.Throttle - analysis::kLiveThrottleStep),
              0.5f * braking);
    EXPECT_EQ(e.Torque, vehicle::TorqueAtThrottle(at, e.Throttle));
    // Halved once: within a throttle step of half, not eased again to a quarter.
    EXPECT_GE(e.Torque, 0.5f * braking);
    EXPECT_LT(e.Torque, 0.5f * braking + analysis::kLiveThrottleStep * (at.Full - at.Braking));

    // All of it removed: the search stops at the throttle of no torque, not one step past it
    // (the engine would drive).
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction = 1.0f;
    analysis::AnalyseLiveState(in);
    closed.Speed = e.Speed;
    const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(closed);
    EXPECT_EQ(e.Torque, vehicle::TorqueAtThrottle(ends, e.Throttle));
    EXPECT_LE(e.Torque, 0.0f);
    EXPECT_GT(e.Torque, 1e-6f * b);

    // As in the run, an engine above its limit speed is not eased, judged at the speed the
    // passes turn it at: here the unloaded radius gives one below the limit.
    auto& current = vehicle::EngineCode().CurrentEngine;
    const float limit = current.LimitSpeed;
    current.EngineBrakeReduction = 0.5f;
    current.LimitSpeed = 650.0f;
    analysis::AnalyseLiveState(in);
    ASSERT_GT(e.Speed, 651.0f);
    EXPECT_EQ(e.Throttle, 0.0f);
    closed.Speed = e.Speed;
    closed.Throttle = 0.0f;
    EXPECT_EQ(e.Torque, vehicle::GetEngineTorque(closed));
    current.LimitSpeed = limit;

    // A simulator car without throttle settings in compatibility mode: full engine braking.
    core::OptionsSettings().LFSMode = core::VbTrue;
    core::GlobalChassisLab().HasLFSCar = core::VbTrue;
    core::GlobalChassisLab().CurrentLFSCar.HasThrottleSettings = core::VbFalse;
    analysis::AnalyseLiveState(in);
    EXPECT_EQ(LiveStateCode().LiveEngine.Throttle, 0.0f);
    EXPECT_LT(LiveStateCode().LiveEngine.Torque, 0.0f);
}

TEST_F(LiveStateTest, ThrustDrivesAndPitchesAboutItsHeight) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Drivetrain.DriveType = vehicle::kDriveThrust;
    v.Engine.PeakTorque = 3000.0f;  // N of thrust
    in.SpeedMs = 20;
    in.ThrottlePercent = 100;
    v.Engine.TorquePeakRPM = 0.0f;  // thrust at the ground
    Run();
    const auto& s = LiveStateCode();
    EXPECT_FLOAT_EQ(s.LiveEngine.Torque, 3000.0f);
    for (float f : s.TyreForce) EXPECT_EQ(f, 0.0f);
    const double mass = PhysicalCode().TotalMass + s.RotatingEquivMass;
    EXPECT_NEAR(s.LiveAccelParts[analysis::kAccelDrive], 3000.0 / mass, 1e-3);
    // Thrust at the ground: the moment thrust x h over the wheelbase, as a drive force would.
    const double h = PhysicalCode().VehicleCoG.Z;
    EXPECT_NEAR(RearTransfer(), 3000.0 * h / 2.6 + PitchTransfer(), 0.005 * 3000.0 * h / 2.6);

    // Thrust acting through the centre of gravity moves no load (but the body's pitch).
    v.Engine.TorquePeakRPM = static_cast<float>(h);
    Run();
    EXPECT_NEAR(RearTransfer(), PitchTransfer(), 2.0);  // h of the previous pass
}

TEST_F(LiveStateTest, AnEmptyVehicleRecordGivesFiniteResults) {
    // No masses, no tyres, no engine, no gearing: nothing may divide by zero or hang.
    for (int brake : {0, 100}) {
        in.SpeedMs = 30;
        in.ThrottlePercent = 100;
        in.BrakePercent = brake;
        in.LiveSteering.SteeringAngle = 100;
        analysis::AnalyseLiveState(in);
        const auto& s = LiveStateCode();
        const auto& m = PhysicalCode();
        for (float x : s.LiveAccelParts) EXPECT_TRUE(std::isfinite(x));
        for (float x : s.TyreForce) EXPECT_TRUE(std::isfinite(x));
        for (float x : m.CornerDynamicLoad) EXPECT_TRUE(std::isfinite(x));
        for (const auto& p : m.AeroElementPos) EXPECT_TRUE(std::isfinite(p.Z));
        EXPECT_TRUE(std::isfinite(s.LateralAcceleration));
        EXPECT_TRUE(std::isfinite(s.LiveEngine.Speed));
        EXPECT_TRUE(std::isfinite(s.LiveEngine.Torque));
        EXPECT_TRUE(std::isfinite(m.VehicleCoG.Z));
        EXPECT_TRUE(std::isfinite(s.BodyPitch.Total));
    }
}

// The results depend only on the inputs: a call gives the same figures to the last bit
// whatever the call before it left (here one braking and turning at another speed, which
// leaves the body rolled and pitched, the heights and the tyres elsewhere).
TEST_F(LiveStateTest, RepeatedCallsGiveTheSameState) {
    in.BrakePercent = 30;
    in.LiveSteering.SteeringAngle = 120;
    Run();
    const auto first = Snapshot();
    analysis::AnalyseLiveState(in);
    EXPECT_EQ(Snapshot(), first) << "the same inputs again";

    analysis::LiveStateInputs other = in;
    other.SpeedMs = 45;
    other.BrakePercent = 80;
    other.LiveSteering.SteeringAngle = -200;
    analysis::AnalyseLiveState(other);
    ASSERT_NE(Snapshot(), first);
    analysis::AnalyseLiveState(in);
    EXPECT_EQ(Snapshot(), first) << "after a call with other inputs";
    // The element heights relative to the centre of gravity follow the live heights.
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(LiveStateCode().AeroElementRelPos[i].Z,
                        PhysicalCode().AeroElementPos[i].Z - PhysicalCode().VehicleCoG.Z);
}

TEST_F(LiveStateTest, DisplaysRunInOrderAfterTheModel) {
    std::string order;
    analysis::LiveStateLinks links;
    links.ShowAeroAnalysis = [&] { order += "A"; };
    links.ShowTyreAnalysis = [&] { order += "T"; };
    links.ShowSuspensionAnalysis = [&] { order += "S"; };
    links.ShowLiveAnalysis = [&] {
        order += "L";
        // The speed table is already rebuilt when the live captions are written.
        EXPECT_FALSE(vehicle::AeroCode().AeroSpeedTable.empty());
    };
    links.ShowSteeringAnalysis = [&] { order += "G"; };
    links.PlotSteeringGeometry = [&] { order += "P"; };
    Prepare();
    analysis::AnalyseLiveState(in, links);
    EXPECT_EQ(order, "ATSLGP");
}

}  // namespace
