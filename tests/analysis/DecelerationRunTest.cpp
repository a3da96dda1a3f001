// The deceleration run against closed-form physics and its edge cases: stopping distance and
// time of a constant deceleration, independence of the time step, the brake ramp, the grip
// limit with and without ABS, coasting, runs that never stop, fuel mass, engine braking.
#include <gtest/gtest.h>

#include <cmath>

#include "DecelerationTestVehicle.hpp"

namespace {

using analysis::DecCol::BrakeApplication;
using analysis::DecCol::BrakingForce;
using analysis::DecCol::Deceleration;
using analysis::DecCol::FrontBrakeShare;
using analysis::DecCol::Speed;
using analysis::DecelerationCode;
using analysis::DecRunInputs;
using analysis::SimulateDeceleration;

const analysis::DecRunLinks kNoLinks{};

float Cell(int32_t step, int column) { return DecelerationCode().Row(step, column); }

bool AllFinite() {
    const auto& s = DecelerationCode();
    for (int32_t r = 0; r <= s.DecLastStep; ++r)
        for (int c = 0; c < analysis::kDecColumns; ++c)
            if (!std::isfinite(s.Row(r, c))) return false;
    return true;
}

// Rigid wheels, no air, not wheel driven: after the ramp the braking force is the brake
// torque over the (constant) rolling radius, whatever the load transfer, so the deceleration
// is constant: a = sum of brake torques / r / m.
class ConstantDeceleration : public ::testing::TestWithParam<float> {};

TEST_P(ConstantDeceleration, StopsInTheClosedFormDistanceAndTime) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, false, true});
    analysis::SetBrakeTorques(800, 50);  // 400 N m at each wheel
    const float dt = GetParam();
    SimulateDeceleration(dectest::Brakes(), dt, 60, kNoLinks);

    const float r = vehicle::TyreCode().WheelTyres[0].UnloadedRadius;
    const double m = analysis::PhysicalCode().TotalMass;
    const double a = 1600.0 / r / m;
    const double v0 = dectest::kTopSpeed;
    const double T = analysis::kBrakeRampTime;
    // Linear ramp over T, then constant a: d = v0^2/(2a) + v0 T/2 - a T^2/24, t = v0/a + T/2.
    // The stepped ramp lags half a step; semi-implicit Euler is first order in dt. Speed and
    // distance are Singles: each of the n steps may round them by half a unit in the last
    // place (of the top speed, of the stopping distance), which bounds the drift added below.
    const double expectedDistance = v0 * v0 / (2 * a) + v0 * T / 2 - a * T * T / 24;
    const double expectedTime = v0 / a + T / 2;
    const double n = expectedTime / dt;
    const double speedUlp = std::nextafter(static_cast<float>(v0), 1e9f) - static_cast<float>(v0);
    const auto d = static_cast<float>(expectedDistance);
    const double distanceUlp = std::nextafter(d, 1e9f) - d;
    EXPECT_NEAR(dectest::StopDistance(), expectedDistance,
                1.5 * v0 * dt + 0.01 + n * distanceUlp / 2 + v0 * n * speedUlp / 2 / a);
    EXPECT_NEAR(dectest::StopTime(), expectedTime, 2.5 * dt + n * speedUlp / 2 / a);

    // Mid-run the deceleration is exactly the closed form (no air, no rolling resistance).
    const int32_t mid = DecelerationCode().DecLastStep / 2;
    EXPECT_NEAR(Cell(mid, Deceleration), a, a * 1e-5);
    EXPECT_NEAR(Cell(mid, BrakingForce), 1600.0 / r, 0.05);
    EXPECT_FLOAT_EQ(Cell(mid, FrontBrakeShare), 0.5f);
    EXPECT_TRUE(AllFinite());
}

INSTANTIATE_TEST_SUITE_P(TimeSteps, ConstantDeceleration,
                         ::testing::Values(0.01f, 0.005f, 0.002f, 0.0005f));

// Braking at a steady F moves F h / L of load from the rear axle onto the front (h the height of
// the centre of gravity, L the wheelbase), and the four wheels together still carry the weight.
// Without air the axles carry their static loads plus and minus that transfer; the body diving
// forwards leans its weight the same way and adds a few per cent.
TEST(DecelerationRun, BrakingMovesLoadFromTheRearAxleToTheFront) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, false, true});
    analysis::SetBrakeTorques(800, 50);
    SimulateDeceleration(dectest::Brakes(), 0.005f, 60, kNoLinks);
    const int32_t mid = DecelerationCode().DecLastStep / 2;  // brakes on, body settled
    const auto& m = analysis::PhysicalCode();
    const double L = core::GlobalChassisLab().CurrentVehicle.Wheelbase;
    const double transfer =
        Cell(mid - 1, BrakingForce) * Cell(mid, analysis::DecCol::CoGHeight) / L;
    ASSERT_GT(transfer, 500.0);
    using analysis::DecCol::TyreLoad;
    const double front = Cell(mid, TyreLoad + 0) + Cell(mid, TyreLoad + 1);
    const double rear = Cell(mid, TyreLoad + 2) + Cell(mid, TyreLoad + 3);
    const double staticFront = m.CornerStaticLoad[0] + m.CornerStaticLoad[1];
    const double staticRear = m.CornerStaticLoad[2] + m.CornerStaticLoad[3];
    EXPECT_GT(front - staticFront, transfer);
    EXPECT_LT(front - staticFront, 1.06 * transfer);
    EXPECT_NEAR(staticRear - rear, front - staticFront, 0.001 * transfer);
}

TEST(DecelerationRun, FirstRowUnbrakedThenTheRampBuildsUp) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, false, true});
    analysis::SetBrakeTorques(800, 50);
    SimulateDeceleration(dectest::Brakes(), 0.005f, 60, kNoLinks);
    // Row 0: scale 0, no brake torque at all (no air either).
    EXPECT_NEAR(Cell(0, BrakeApplication), 0.0f, 1e-6f);
    EXPECT_NEAR(Cell(0, BrakingForce), 0.0f, 0.01f);
    EXPECT_FLOAT_EQ(Cell(0, Speed), dectest::kTopSpeed);
    // Then the scale grows by dt / 0.0666 a step until it reaches 1 (13 steps of 5 ms).
    for (int k = 1; k <= 13; ++k)
        EXPECT_NEAR(Cell(k, BrakeApplication), k * 0.005 / 0.0666, 1e-4) << "step " << k;
    EXPECT_FLOAT_EQ(Cell(14, BrakeApplication), 1.0f);
    EXPECT_FLOAT_EQ(Cell(200, BrakeApplication), 1.0f);
}

// A real vehicle (deflecting tyres, suspension, air, rear drive): the same stop at 1/100,
// 1/500 and 1/2000 s within the integration error.
TEST(DecelerationRun, IndependentOfTheTimeStep) {
    dectest::SetUpVehicle();
    std::array<float, 3> distance{}, time{}, steady{};
    const std::array<float, 3> steps{0.01f, 0.002f, 0.0005f};
    for (int k = 0; k < 3; ++k) {
        SimulateDeceleration(dectest::Brakes(), steps[k], 60, kNoLinks);
        ASSERT_TRUE(AllFinite());
        distance[k] = dectest::StopDistance();
        time[k] = dectest::StopTime();
        // Two rows: at the finest step the deceleration alternates from one step to the next
        // (the wheels' slip settles into a two-step oscillation); their mean is the steady value.
        const auto row = static_cast<int32_t>(std::lround(2.0 / steps[k]));
        steady[k] = (Cell(row, Deceleration) + Cell(row + 1, Deceleration)) / 2.0f;
    }
    // Order of the error: v0 x dt at the coarse step (0.55 m on a stop of about 150 m).
    EXPECT_GT(distance[2], 100.0f);
    EXPECT_NEAR(distance[0], distance[2], dectest::kTopSpeed * 0.01f * 1.5f);
    EXPECT_NEAR(distance[1], distance[2], dectest::kTopSpeed * 0.002f * 1.5f + 0.05f);
    EXPECT_NEAR(time[0], time[2], 0.03f);
    EXPECT_NEAR(time[1], time[2], 0.01f);
    EXPECT_NEAR(steady[0], steady[2], steady[2] * 0.01f);  // 2 s in, after the transients
    EXPECT_NEAR(steady[1], steady[2], steady[2] * 0.002f);
}

// The step that reaches standstill overshoots it a little; the row after it is the stop: speed
// 0, no rolling resistance or engine speed turned backwards. The stopping distance is the
// integration of that step, overshoot included, as the summary has always given it.
TEST(DecelerationRun, NeverFasterThanTopSpeedAndEndsAtStandstill) {
    DecRunInputs engineOnly;
    engineOnly.ApplyBrakes = false;
    engineOnly.EngineBraking = true;
    for (const DecRunInputs& in : {dectest::Brakes(), engineOnly, DecRunInputs{}}) {
        SCOPED_TRACE(in.ApplyBrakes ? "brakes" : in.EngineBraking ? "engine" : "coasting");
        dectest::SetUpVehicle();
        analysis::RunDecelerationAnalysis(in, kNoLinks);
        const auto& s = DecelerationCode();
        const int32_t last = s.DecLastStep;
        for (int32_t r = 0; r <= last; ++r) ASSERT_LE(Cell(r, Speed), dectest::kTopSpeed);
        EXPECT_GT(Cell(last - 1, Speed), 0.0f);
        EXPECT_EQ(Cell(last, Speed), 0.0f);
        for (int c : {analysis::DecCol::EngineSpeed, analysis::DecCol::AeroDrag,
                      analysis::DecCol::RollingResistance, analysis::DecCol::Resistance})
            EXPECT_GE(Cell(last, c), 0.0f) << c;
        const float overshoot =
            Cell(last - 1, Speed) - Cell(last - 1, Deceleration) * s.DecTimeStep;
        EXPECT_LT(overshoot, 0.0f);
        EXPECT_EQ(Cell(last, analysis::DecCol::Distance),
                  Cell(last - 1, analysis::DecCol::Distance) + s.DecTimeStep * overshoot);
        EXPECT_EQ(s.DecResults[analysis::DecRes::StoppingDistance], dectest::StopDistance());
        // Rows after the last stay zero.
        EXPECT_EQ(Cell(last + 1, Speed), 0.0f);
        EXPECT_EQ(Cell(last + 1, FrontBrakeShare), 0.0f);
    }
}

// Without ABS every brake is scaled by the weakest wheel's ratio: the front share stays the
// balance. With ABS each wheel is clipped alone: the share moves and the scale is the ramp's.
TEST(DecelerationRun, GripLimitScalesAllBrakesWithoutAbsAndEachWheelWithAbs) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, false, false});
    analysis::SetBrakeTorques(6000, 65);  // far beyond the tyres' grip
    SimulateDeceleration(dectest::Brakes(false), 0.005f, 60, kNoLinks);
    const int32_t mid = DecelerationCode().DecLastStep / 2;
    EXPECT_LT(Cell(mid, BrakeApplication), 0.5f);
    EXPECT_GT(Cell(mid, BrakeApplication), 0.0f);
    EXPECT_NEAR(Cell(mid, FrontBrakeShare), 0.65f, 1e-5f);
    // Braking within the grip: well under mu g for this compound.
    EXPECT_LT(Cell(mid, Deceleration), 2.0 * dectest::kG);
    const float withoutAbs = dectest::StopDistance();

    SimulateDeceleration(dectest::Brakes(true), 0.005f, 60, kNoLinks);
    EXPECT_FLOAT_EQ(Cell(mid, BrakeApplication), 1.0f);
    EXPECT_GT(std::fabs(Cell(mid, FrontBrakeShare) - 0.65f), 0.01f);
    for (int w = 0; w < 4; ++w) EXPECT_EQ(Cell(mid, analysis::DecCol::AtGripLimit + w), -1.0f);
    // Every wheel at its own limit stops no later than all held back by the weakest.
    EXPECT_LE(dectest::StopDistance(), withoutAbs + 0.01f);
}

TEST(DecelerationRun, CoastingRecordsFullScaleAndTheBalanceSetting) {
    dectest::SetUpVehicle();
    DecRunInputs in;
    in.ApplyBrakes = false;
    in.BrakeBalance = 65;
    analysis::RunDecelerationAnalysis(in, kNoLinks);
    const auto& s = DecelerationCode();
    EXPECT_EQ(s.DecTimeStep, 0.1f);
    for (int32_t r : {0, 10, s.DecLastStep}) {
        EXPECT_EQ(Cell(r, BrakeApplication), 1.0f);
        EXPECT_FLOAT_EQ(Cell(r, FrontBrakeShare), 0.65f);
        EXPECT_EQ(Cell(r, analysis::DecCol::Gear), 0.0f);
    }
    // Only the air and the rolling resistance slow the car: at the start the deceleration is
    // the resistance over the mass with the rotating equivalent mass, later over the mass.
    EXPECT_GT(Cell(0, Deceleration), 0.0f);
    EXPECT_NEAR(Cell(5, Deceleration),
                Cell(5, analysis::DecCol::TotalForce) / analysis::PhysicalCode().TotalMass, 1e-4);
    EXPECT_TRUE(AllFinite());
}

// Zero brake torque, no air and no rolling resistance: nothing slows the vehicle. The run
// must end at its step limit.
TEST(DecelerationRun, NothingSlowsTheVehicleEndsAtTheStepLimit) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, false, true});
    analysis::SetBrakeTorques(0, 50);
    analysis::RunDecelerationAnalysis(dectest::Brakes(), kNoLinks);
    const auto& s = DecelerationCode();
    EXPECT_EQ(s.DecLastStep, 12000);
    EXPECT_FLOAT_EQ(Cell(12000, Speed), dectest::kTopSpeed);
    EXPECT_FLOAT_EQ(Cell(100, FrontBrakeShare), 0.65f);  // no torque: the balance setting
    EXPECT_TRUE(AllFinite());

    DecRunInputs coast;
    coast.ApplyBrakes = false;
    analysis::RunDecelerationAnalysis(coast, kNoLinks);
    EXPECT_EQ(s.DecLastStep, 3600);
}

TEST(DecelerationRun, ProgressGoesInTwentiethsToTheMaximum) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, false, true});
    int32_t max = -1, last = -1, writes = 0;
    bool rising = true;
    analysis::DecRunLinks links;
    links.SetProgressMax = [&](int32_t v) { max = v; };
    links.SetProgressValue = [&](int32_t v) {
        if (v < last) rising = false;
        last = v;
        ++writes;
    };
    SimulateDeceleration(dectest::Brakes(), 0.005f, 60, links);
    EXPECT_EQ(max, 600);  // 12000 / 20
    EXPECT_EQ(last, 600);
    EXPECT_TRUE(rising);
    EXPECT_LE(writes, DecelerationCode().DecLastStep / 20 + 3);  // only changes are written
}

// A top speed of 0, and a vehicle with nothing in it: two rows, nothing infinite.
TEST(DecelerationRun, DegenerateVehiclesEndWithFiniteRows) {
    dectest::SetUpVehicle();
    vehicle::AeroCode().TopSpeed = 0.0f;
    SimulateDeceleration(dectest::Brakes(), 0.005f, 60, kNoLinks);
    EXPECT_EQ(DecelerationCode().DecLastStep, 1);
    EXPECT_TRUE(AllFinite());

    dectest::ResetModules();
    vehicle::AeroCode().TopSpeed = 30.0f;
    analysis::SetBrakeTorques(1000, 50);
    for (bool engine : {false, true}) {
        DecRunInputs in = dectest::Brakes();
        in.EngineBraking = engine;
        analysis::RunDecelerationAnalysis(in, kNoLinks);
        EXPECT_TRUE(AllFinite());
        EXPECT_LE(DecelerationCode().DecLastStep, DecelerationCode().DecMaxSteps);
    }
}

// The fuel weighs from the first row in every run: with the tank at the height of the dry
// centre of gravity the fuel cannot move the centre's height. Sprung shares of 0 and rigid
// wheels leave the height terms out, so row 0 holds (m_dry z + m_fuel z) / m + RefHeight.
TEST(DecelerationRun, FuelMassCountsInTheCentreOfGravityWithoutEngineBraking) {
    for (int32_t litres : {0, 50}) {
        dectest::SetUpVehicle({vehicle::kDriveThrust, false, true, litres});
        auto& m = analysis::PhysicalCode();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.FuelTankPos.Z = m.DryCoG.Z;
        v.FuelTankPos.Y = m.DryCoG.Y;
        m.FrontAxleSprungShare = m.RearAxleSprungShare = m.SprungMassShare = 0.0f;
        SimulateDeceleration(dectest::Brakes(), 0.005f, 60, kNoLinks);
        EXPECT_NEAR(Cell(0, analysis::DecCol::CoGHeight), m.DryCoG.Z + v.RefHeight, 1e-5f)
            << litres << " litres";
        EXPECT_NEAR(Cell(0, analysis::DecCol::CoGFrontShare), m.DryCoG.Y, 1e-6f);
        EXPECT_FLOAT_EQ(Cell(0, analysis::DecCol::FuelLoad), static_cast<float>(litres));
    }
}

TEST(DecelerationRun, EngineBrakingDownshiftsAndSlowsMoreThanCoasting) {
    dectest::SetUpVehicle();
    DecRunInputs coast;
    coast.ApplyBrakes = false;
    analysis::RunDecelerationAnalysis(coast, kNoLinks);
    const float coastTime = dectest::StopTime();

    DecRunInputs engine = coast;
    engine.EngineBraking = true;
    analysis::RunDecelerationAnalysis(engine, kNoLinks);
    const auto& s = DecelerationCode();
    EXPECT_EQ(s.DecTimeStep, 0.025f);
    EXPECT_TRUE(AllFinite());
    EXPECT_LT(dectest::StopTime(), coastTime);
    EXPECT_EQ(Cell(0, analysis::DecCol::Gear), 5.0f);
    // Engine speed of row 0 is the top gear's shift speed; gears come down one at a time.
    EXPECT_FLOAT_EQ(Cell(0, analysis::DecCol::EngineSpeed), 680.0f);
    float lowest = 5.0f;
    for (int32_t r = 1; r <= s.DecLastStep; ++r) {
        const float g = Cell(r, analysis::DecCol::Gear);
        ASSERT_GE(g, lowest - 1.0f);
        lowest = std::min(lowest, g);
        ASSERT_GE(Cell(r, analysis::DecCol::Clutch), 0.0f);
        ASSERT_LE(Cell(r, analysis::DecCol::Clutch), 1.0f);
    }
    EXPECT_LE(lowest, 2.0f);
}

// A vehicle that is not wheel driven has no engine braking and no wheel inertia torques.
TEST(DecelerationRun, ThrustVehicleHasNoEngineBrakingNorInertiaTorques) {
    dectest::SetUpVehicle({vehicle::kDriveThrust, true, false});
    DecRunInputs in = dectest::Brakes();
    in.EngineBraking = true;
    SimulateDeceleration(in, 0.005f, 60, kNoLinks);
    const auto& s = DecelerationCode();
    for (int32_t r = 0; r <= s.DecLastStep; r += 50)
        for (int w = 0; w < 4; ++w)
            ASSERT_EQ(Cell(r, analysis::DecCol::WheelInertiaTorque + w), 0.0f);
    // Same stop as without the option.
    const float withOption = dectest::StopDistance();
    SimulateDeceleration(dectest::Brakes(), 0.005f, 60, kNoLinks);
    EXPECT_FLOAT_EQ(dectest::StopDistance(), withOption);
}

// Nor does an engine brake it with "Use engine braking" alone: it coasts, and shows no engine
// speed (not even one the vehicle before left behind).
TEST(DecelerationRun, ThrustVehicleWithEngineBrakingAloneCoasts) {
    dectest::SetUpVehicle({vehicle::kDriveThrust});
    vehicle::EngineCode().CurrentEngine.Speed = 649.26f;
    DecRunInputs in;
    in.ApplyBrakes = false;
    in.EngineBraking = true;
    analysis::RunDecelerationAnalysis(in, kNoLinks);
    const auto& s = DecelerationCode();
    EXPECT_EQ(s.DecTimeStep, analysis::kDecTimeStepCoasting);
    EXPECT_TRUE(analysis::DecRunStopped());
    for (int32_t r = 0; r <= s.DecLastStep; ++r) {
        ASSERT_EQ(Cell(r, analysis::DecCol::EngineSpeed), 0.0f) << r;
        ASSERT_EQ(Cell(r, analysis::DecCol::Gear), 0.0f) << r;
    }
}

// The engine-brake reduction opens the throttle until the braking torque is cut by the
// reduction, and never past full throttle: the engine still brakes, with the torque of the
// throttle found (at 500 rad/s half of its -41.9 N m, where full throttle gives +250 N m).
TEST(DecelerationEngineBrake, ReductionFoundAndThrottleNeverPastFull) {
    dectest::SetUpVehicle();
    vehicle::EngineRecord e = vehicle::EngineCode().CurrentEngine;
    e.Speed = 500.0f;
    e.Throttle = 0.0f;
    const float closed = vehicle::GetEngineTorque(e);
    ASSERT_LT(closed, 0.0f);
    e.EngineBrakeReduction = 0.5f;
    const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(e);
    const float half = analysis::ReduceEngineBraking(e, ends);
    EXPECT_GE(half, 0.5f * closed);
    EXPECT_LT(half, 0.0f);
    EXPECT_EQ(half, vehicle::TorqueAtThrottle(ends, e.Throttle));
    EXPECT_GT(e.Throttle, 0.0f);
    // One throttle step less would still brake harder than half.
    vehicle::EngineRecord before = e;
    before.Throttle = e.Throttle - 0.001f;
    EXPECT_LT(vehicle::GetEngineTorque(before), 0.5f * closed);
    EXPECT_EQ(e.Torque, half);

    // Below idle the full-throttle curve gives nothing; a reduction the engine cannot reach
    // stops at full throttle.
    e.Speed = 10.0f;
    e.Throttle = 0.0f;
    e.EngineBrakeReduction = 1.5f;
    const float closedLow = vehicle::GetEngineTorque(e);
    ASSERT_LT(closedLow, 0.0f);
    analysis::ReduceEngineBraking(e, vehicle::GetTorqueEnds(e));
    EXPECT_EQ(e.Throttle, 1.0f);

    e.Throttle = 0.0f;
    e.EngineBrakeReduction = 1.0f;
    analysis::ReduceEngineBraking(e, vehicle::GetTorqueEnds(e));
    EXPECT_LE(e.Throttle, 1.0f);
    EXPECT_LE(e.Torque, 1e-3f);
}

// The reduction eases the braking and never drives: over the sample engine with several
// braking coefficients, a 4000 N m engine and every speed below the limit, the torque found
// lies between the closed-throttle torque and 0 and is the torque at the throttle found. At
// 100 % it is 0 within a hair wherever full throttle drives at all; a weakly braking engine
// whose throttle steps are coarse against its braking does not drive at 55 % either.
TEST(DecelerationEngineBrake, ReductionNeverDrives) {
    dectest::SetUpVehicle();
    struct Row {
        float brakingCoeff;
        float torqueScale;  // peak torque and power times this
        float reduction;
    };
    for (const Row& row : {Row{0.05f, 1.0f, 1.0f}, Row{0.01f, 1.0f, 1.0f}, Row{0.2f, 1.0f, 1.0f},
                           Row{10.0f, 1.0f, 1.0f}, Row{0.01f, 16.0f, 1.0f},
                           Row{0.01f, 16.0f, 0.55f}}) {
        vehicle::EngineFigures f = sample::SampleEngine();
        f.EngineBrakingCoeff = row.brakingCoeff;
        f.PeakTorque *= row.torqueScale;
        f.PeakPower *= row.torqueScale;
        vehicle::EngineRecord e = vehicle::EngineRecordFromFigures(f, vehicle::kDriveRear);
        vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
        e.EngineBrakeReduction = row.reduction;
        for (float w = 1.0f; w < e.LimitSpeed; w += 0.37f) {
            e.Speed = w;
            e.Throttle = 0.0f;
            const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(e);
            const float closed = vehicle::TorqueAtThrottle(ends, 0.0f);
            const float torque = analysis::ReduceEngineBraking(e, ends);
            ASSERT_GE(torque, closed) << w;
            ASSERT_LE(torque, 0.0f) << row.brakingCoeff << " " << row.reduction << " " << w;
            ASSERT_EQ(torque, vehicle::TorqueAtThrottle(ends, e.Throttle)) << w;
            ASSERT_EQ(e.Torque, torque);
            if (row.reduction == 1.0f && ends.Full > 0.0f)
                ASSERT_GE(torque, -1e-6f * (ends.Full - closed)) << w;
        }
    }
}

}  // namespace
