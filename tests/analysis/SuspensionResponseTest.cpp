// Load sharing through the anti-roll bar, travel, body roll and pitch, sprung heights, the
// corner time step and the three response runs.
//
// Expected numbers come from statics (coupled springs, weight transfer m a h / track or
// wheelbase, roll moment / roll stiffness) and from the spring-mass oscillator, worked by hand
// for the plain test car of SuspensionTestSupport.hpp.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "SuspensionTestSupport.hpp"

namespace {

using namespace suspension_test;
using analysis::ResponseCornerState;
using analysis::SuspCorner;
using analysis::SuspensionCode;

// One corner of the plain car with the given motion ratio, after CalcSuspension's rules.
SuspCorner PlainCorner(float motionRatio = 1.0f) {
    SuspCorner c;
    c.MotionRatio = motionRatio;
    c.SpringTravel = 0.1f;
    c.WheelTravel = 0.1f * motionRatio;
    c.SpringRate = 50000;
    c.WheelRate = 50000.0f / (motionRatio * motionRatio);
    c.BumpDamp = 3000;
    c.ReboundDamp = 6000;
    return c;
}

class SuspensionResponseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSuspensionState();
        SetPlainCar();
    }
    analysis::SuspensionSetupInputs setup = PlainSetup();
};

// ---- Load sharing ----

TEST_F(SuspensionResponseTest, EqualLoadsShareEquallyAndNoBarGivesLoadOverRate) {
    for (float bar : {0.0f, 20000.0f, 1.0e6f}) {
        SuspCorner a = PlainCorner(), b = PlainCorner();
        a.SpringLoad = b.SpringLoad = 2000.0f;
        analysis::ShareAxleLoad(a, b, bar);
        EXPECT_FLOAT_EQ(a.WheelDeflection, 0.04f);  // 2000 N / 50000 N/m
        EXPECT_FLOAT_EQ(b.WheelDeflection, 0.04f);
    }
    SuspCorner a = PlainCorner(), b = PlainCorner();
    a.SpringLoad = 3000.0f;
    b.SpringLoad = 1000.0f;
    analysis::ShareAxleLoad(a, b, 0.0f);
    EXPECT_FLOAT_EQ(a.WheelDeflection, 0.06f);
    EXPECT_FLOAT_EQ(b.WheelDeflection, 0.02f);
    EXPECT_FLOAT_EQ(a.WheelTravelLeft, 0.04f);
    EXPECT_FLOAT_EQ(a.LoadedSpringLength, 0.04f);
}

TEST_F(SuspensionResponseTest, BarCouplingMeetsTheEquilibriumOfBothCorners) {
    SuspCorner a = PlainCorner(), b = PlainCorner();
    a.SpringLoad = 3000.0f;
    b.SpringLoad = 1000.0f;
    const double k = 50000.0, bar = 20000.0;
    analysis::ShareAxleLoad(a, b, static_cast<float>(bar));
    // Each corner: its spring plus the bar's pull towards the other corner carry its load.
    EXPECT_NEAR(k * a.WheelDeflection + bar * (a.WheelDeflection - b.WheelDeflection), 3000.0,
                0.05);
    EXPECT_NEAR(k * b.WheelDeflection + bar * (b.WheelDeflection - a.WheelDeflection), 1000.0,
                0.05);
    EXPECT_NEAR(a.WheelDeflection, 0.0511111, 1e-6);  // 2.3e8 / 4.5e9
}

TEST_F(SuspensionResponseTest, LiftingCornerStopsAtZeroAndOverloadSitsOnTheBumpStop) {
    SuspCorner a = PlainCorner(), b = PlainCorner();
    a.SpringLoad = -1000.0f;
    b.SpringLoad = 3000.0f;
    analysis::ShareAxleLoad(a, b, 0.0f);
    EXPECT_EQ(a.WheelDeflection, 0.0f);
    EXPECT_FLOAT_EQ(a.WheelTravelLeft, 0.1f);

    // Motion ratio 1.25: 8000 N on 32000 N/m would need 0.25 m at the wheel, 0.2 m at the
    // spring; the spring has 0.1 m.
    SuspCorner c = PlainCorner(1.25f), d = PlainCorner(1.25f);
    c.SpringLoad = d.SpringLoad = 8000.0f;
    analysis::ShareAxleLoad(c, d, 20000.0f);
    EXPECT_FLOAT_EQ(c.SpringDeflection, 0.1f);
    EXPECT_FLOAT_EQ(c.WheelDeflection, 0.125f);
    EXPECT_EQ(c.LoadedSpringLength, 0.0f);
    EXPECT_EQ(c.WheelTravelLeft, 0.0f);

    // Without a spring a loaded corner rests on its stop rather than going infinite.
    SuspCorner e = PlainCorner(), f = PlainCorner();
    e.SpringRate = f.SpringRate = 0;
    e.WheelRate = f.WheelRate = 0.0f;
    e.SpringLoad = f.SpringLoad = 2000.0f;
    analysis::ShareAxleLoad(e, f, 0.0f);
    EXPECT_FLOAT_EQ(e.SpringDeflection, 0.1f);
    EXPECT_TRUE(CornerFinite(e));
}

// The mirror case: the right-hand corner lifts and stops at full extension, whether the bar
// couples it or not, and the loaded left corner is worked out as before: without a bar
// 3000 N / 50000 N/m = 0.06 m; with a bar of 20000 N/m the right corner alone would need
// (1000 x 20000 - 2000 x 50000) / 4.5e9 = -0.0178 m and the left takes
// (1000 x 20000 + 3000 x 50000) / 4.5e9 = 0.0378 m.
TEST_F(SuspensionResponseTest, LiftingRightCornerStopsAtZeroLikeTheLeft) {
    struct Case {
        float bar, rightLoad;
        double left;
    };
    for (const Case& c : {Case{0.0f, -1000.0f, 0.06}, Case{20000.0f, -2000.0f, 1.7e8 / 4.5e9}}) {
        SCOPED_TRACE(c.bar);
        SuspCorner a = PlainCorner(), b = PlainCorner();
        a.SpringLoad = 3000.0f;
        b.SpringLoad = c.rightLoad;
        analysis::ShareAxleLoad(a, b, c.bar);
        EXPECT_EQ(b.WheelDeflection, 0.0f);
        EXPECT_FLOAT_EQ(b.WheelTravelLeft, 0.1f);
        EXPECT_FLOAT_EQ(b.LoadedSpringLength, 0.1f);
        EXPECT_NEAR(a.WheelDeflection, c.left, 1e-6);
    }
}

// ---- Roll, pitch and heights ----

TEST_F(SuspensionResponseTest, RollUnderLateralTransferIsMomentOverRollStiffness) {
    analysis::CalcSuspension(setup, 0);
    // Right-hand turn at 5 m/s^2, centre of gravity 0.5 m up, 1100 kg, track 1.5 m:
    // transfer m a h / T = 1833.33 N, half on each axle (equal roll stiffness), to the left.
    const double perAxle = 1100.0 * 5.0 * 0.5 / 1.5 / 2.0;
    auto& p = analysis::PhysicalCode();
    for (int i = 0; i < 4; ++i) {
        p.CornerDynamicLoad[i] += static_cast<float>(i % 2 == 0 ? perAxle : -perAxle);
    }
    ShareLiveLoads();
    analysis::CalcBodyRollAngles();
    const auto& s = SuspensionCode();
    // Roll moment 916.67 x 1.5 = 1375 N m over 56250 + 45000 N m/rad; the loaded left side
    // is lower, which reads as negative roll.
    const double expected = perAxle * 1.5 / 101250.0;  // 0.0135802 rad
    EXPECT_NEAR(std::tan(-s.SuspRollAngle[0]), expected, 1e-6);
    EXPECT_NEAR(std::tan(-s.SuspRollAngle[1]), expected, 1e-6);
    EXPECT_EQ(s.TyreRollAngle[0], 0.0f);
    EXPECT_FLOAT_EQ(s.AxleRollAngle[0], s.SuspRollAngle[0]);
    EXPECT_FLOAT_EQ(s.BodyRollAtCoG, s.SuspRollAngle[0]);
}

TEST_F(SuspensionResponseTest, DiveUnderBrakingTransferFollowsTheCarsPitchStiffness) {
    analysis::CalcSuspension(setup, 0);
    // Braking at 5 m/s^2: m a h / L = 1100 x 5 x 0.5 / 2.5 = 1100 N onto the front axle.
    auto& p = analysis::PhysicalCode();
    for (int i = 0; i < 4; ++i) p.CornerDynamicLoad[i] += (i < 2 ? 550.0f : -550.0f);
    ShareLiveLoads();
    const analysis::PitchAngles pitch = analysis::CalcBodyPitch(
        SuspensionCode().SuspCorners, vehicle::TyreCode().WheelTyres);
    // Moment 1100 x 2.5 over the four springs' L^2 k = 312500 N m/rad: 0.0088 rad nose down.
    // (PitchStiffness counts one corner per axle, half of that.)
    EXPECT_NEAR(std::tan(pitch.FromSuspension), -0.0088, 1e-6);
    EXPECT_NEAR(2.0 * SuspensionCode().PitchStiffness, 312500.0, 0.5);
    EXPECT_EQ(pitch.FromTyres, 0.0f);
    EXPECT_FLOAT_EQ(pitch.Total, pitch.FromSuspension);
}

TEST_F(SuspensionResponseTest, TyrePitchIsFrontHeightOverRearHeight) {
    std::array<vehicle::TyreState, 4> tyres{};
    for (auto& t : tyres) t.LoadedRadius = 0.30f;
    std::array<SuspCorner, 4> corners{};
    EXPECT_EQ(analysis::CalcBodyPitch(corners, tyres).FromTyres, 0.0f);
    tyres[0].LoadedRadius = tyres[1].LoadedRadius = 0.31f;
    const auto pitch = analysis::CalcBodyPitch(corners, tyres);
    EXPECT_NEAR(pitch.FromTyres, std::atan(0.01 / 2.5), 1e-6);  // front higher: positive
}

TEST_F(SuspensionResponseTest, SprungHeightsAtCentreOfGravityAndAeroElements) {
    analysis::HeightChange h{};
    h[analysis::kHeightAtUnsprung] = 7.0f;
    const float share = 250.0f / 275.0f;  // sprung part of each axle's mass
    analysis::CalcAxleHeightsSprung(h, {0.5f, 0.5f, 0.5f}, 0.05f, 0.05f, 0.03f, 0.03f);
    EXPECT_NEAR(h[0], (0.5 * 0.03 + 0.5 * 0.05) * share, 1e-7);
    EXPECT_EQ(h[analysis::kHeightAtUnsprung], 7.0f);
    EXPECT_FLOAT_EQ(h[2], 0.04f);  // body centre halfway
    EXPECT_FLOAT_EQ(h[4], 0.03f);  // rear wing over the rear axle
    EXPECT_FLOAT_EQ(h[5], 0.05f);  // front wing over the front axle

    // Mass towards the left (X = 0.3) and the left 10 mm higher: the centre rises by
    // 0.01 x 0.2 x the sprung share of the mass.
    analysis::CalcAxleHeightsSprung(h, {0.3f, 0.5f, 0.5f}, 0.06f, 0.04f, 0.03f, 0.03f);
    EXPECT_NEAR(h[0], 0.04 * share + 0.01 * 0.2 * (1000.0 / 1100.0), 1e-6);
}

// ---- Time step ----

TEST_F(SuspensionResponseTest, StepForcesUseBumpWhenCompressingAndReboundWhenExtending) {
    SuspCorner c = PlainCorner();
    c.SpringLoad = 2000.0f;
    c.SpringDeflection = 0.04f;
    std::array<ResponseCornerState, 2> st{};
    st[0].Position = -0.02f;
    st[0].Velocity = -0.1f;
    analysis::StepSuspensionCorner(st, c, 100.0f, 300.0f, 0.005f);
    // Spring 0.02 x 50000 = 1000 N; bump damper 0.1 x 3000 = 300 N;
    // net (1000 - 2000 + 300) + 100 = -600 N on 300 kg.
    EXPECT_FLOAT_EQ(st[1].SpringForce, 1000.0f);
    EXPECT_FLOAT_EQ(st[1].DamperForce, 300.0f);
    EXPECT_FLOAT_EQ(st[1].Acceleration, -2.0f);
    EXPECT_FLOAT_EQ(st[1].Velocity, -0.11f);
    EXPECT_FLOAT_EQ(st[1].Position, -0.02055f);
    EXPECT_FLOAT_EQ(c.WheelDeflection, 0.02055f);
    EXPECT_FLOAT_EQ(c.WheelTravelLeft, 0.07945f);
    EXPECT_FLOAT_EQ(c.SpringDeflection, 0.04f);  // the step leaves it

    st[0].Velocity = 0.1f;
    analysis::StepSuspensionCorner(st, c, 0.0f, 300.0f, 0.005f);
    EXPECT_FLOAT_EQ(st[1].DamperForce, -600.0f);
}

TEST_F(SuspensionResponseTest, StepBouncesClampsAndLimitsAtTheEndsOfTravel) {
    SuspCorner c = PlainCorner();
    std::array<ResponseCornerState, 2> st{};
    // On the bump stop, still compressing: the velocity reverses at 75 %.
    st[0].Position = -0.1f;
    st[0].Velocity = -0.5f;
    analysis::StepSuspensionCorner(st, c, 0.0f, 0.0f, 0.005f);
    EXPECT_FLOAT_EQ(st[1].Velocity, 0.375f);
    EXPECT_FLOAT_EQ(st[1].Position, -0.098125f);
    EXPECT_NEAR(c.LoadedSpringLength, 0.001875, 1e-8);

    // Stepping past the stop is held at it.
    st[0].Position = -0.099f;
    st[0].Velocity = -1.0f;
    analysis::StepSuspensionCorner(st, c, 0.0f, 0.0f, 0.005f);
    EXPECT_EQ(st[1].Position, -0.1f);

    // More than 2 mm past full extension goes back to full extension.
    st[0].Position = 0.001f;
    st[0].Velocity = 1.0f;
    analysis::StepSuspensionCorner(st, c, 0.0f, 0.0f, 0.005f);
    EXPECT_EQ(st[1].Position, 0.0f);
    EXPECT_FLOAT_EQ(st[1].Velocity, 1.0f);

    // No faster than the whole travel in one step: 0.1 m / 0.005 s = 20 m/s.
    st[0].Position = -0.05f;
    st[0].Velocity = -30.0f;
    analysis::StepSuspensionCorner(st, c, 0.0f, 0.0f, 0.005f);
    EXPECT_FLOAT_EQ(st[1].Velocity, -20.0f);
}

TEST_F(SuspensionResponseTest, AntiRollCouplingPushesTheMoreCompressedCornerBack) {
    std::array<SuspCorner, 4> corners{};
    corners[0].WheelDeflection = 0.05f;
    corners[1].WheelDeflection = 0.03f;
    const std::array<float, 2> bar{20000.0f, 0.0f};
    EXPECT_FLOAT_EQ(analysis::AntiRollCouplingForce(corners, bar, 0), 200.0f);
    EXPECT_FLOAT_EQ(analysis::AntiRollCouplingForce(corners, bar, 1), -200.0f);
    EXPECT_EQ(analysis::AntiRollCouplingForce(corners, bar, 2), 0.0f);
}

// ---- Response runs ----

TEST_F(SuspensionResponseTest, DropAndPushSettleAtTheStaticDeflection) {
    core::GlobalChassisLab().CurrentVehicle.Axles[0].SpringMotionRatio = 1.25f;
    analysis::CalcSuspension(setup, 0);
    const std::array<SuspCorner, 4> before = SuspensionCode().SuspCorners;
    analysis::SimulateSuspensionResponse();
    const auto& s = SuspensionCode();
    // Spring load 250 kg x g = 2451.66 N. Front: wheel rate 50000 / 1.25^2 = 32000 N/m,
    // deflection 0.076615 m of 0.125 m; rear: 0.049033 m of 0.1 m. Damping ratios 0.42 and
    // above decay the drop's swing to well under 0.1 mm in 2 s.
    const double load = 250.0 * kG;
    const double expected[4] = {0.125 - load / 32000.0, 0.125 - load / 32000.0,
                                0.1 - load / 50000.0, 0.1 - load / 50000.0};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(s.DropResponseTravel[i][400], expected[i], 1e-4);
        EXPECT_NEAR(s.PushResponseTravel[i][400], expected[i], 1e-4);
        // The drop starts fully extended at rest, the push just off the bump stop.
        EXPECT_EQ(s.DropResponseStates[i][0].Position, 0.0f);
        EXPECT_FLOAT_EQ(s.PushResponseStates[i][0].Position, -0.1f + 1e-5f);
        EXPECT_LT(s.PushResponseTravel[i][1], 0.01);
        EXPECT_GT(s.DropResponseTravel[i][1], expected[i]);
        // The live corner records are left as they were.
        EXPECT_EQ(s.SuspCorners[i].WheelDeflection, before[i].WheelDeflection);
        EXPECT_EQ(s.SuspCorners[i].SpringLoad, before[i].SpringLoad);
    }
}

TEST_F(SuspensionResponseTest, UndampedDropOscillatesAtTheRideFrequency) {
    setup.BumpDamp = {0, 0};
    setup.ReboundDamp = {0, 0};
    analysis::CalcSuspension(setup, 0);
    analysis::SimulateSuspensionResponse();
    const auto& s = SuspensionCode();
    const double rest = 0.1 - 250.0 * kG / 50000.0;
    // Upward crossings of the rest travel, interpolated between steps of 5 ms.
    std::vector<double> crossings;
    for (int step = 2; step <= 400; ++step) {
        const double a = s.DropResponseTravel[0][step - 1] - rest;
        const double b = s.DropResponseTravel[0][step] - rest;
        if (a < 0.0 && b >= 0.0) crossings.push_back(0.005 * (step - 1 + a / (a - b)));
    }
    ASSERT_GE(crossings.size(), 4u);
    const double period = (crossings.back() - crossings.front()) / (crossings.size() - 1);
    // 1 / (1/(2 pi) sqrt(50000 / 250)) = 0.444289 s.
    EXPECT_NEAR(period, 0.444289, 0.002);
    for (int step = 1; step <= 400; ++step) EXPECT_EQ(s.DropResponseStates[0][step].DamperForce, 0.0f);
}

TEST_F(SuspensionResponseTest, LiveRunStaysAtRestOrStepsToTheLiveLoad) {
    analysis::CalcSuspension(setup, 0);
    analysis::SimulateSuspensionResponse();
    const auto& s = SuspensionCode();
    const double rest = 0.1 - 250.0 * kG / 50000.0;
    for (int i = 0; i < 4; ++i) {
        for (int step = 1; step <= 400; ++step) {
            ASSERT_NEAR(s.LiveResponseTravel[i][step], rest, 1e-6) << i << " " << step;
        }
    }

    // 1000 N more on each front wheel (a downforce, say): the front settles 0.02 m lower.
    auto& p = analysis::PhysicalCode();
    p.CornerDynamicLoad[0] += 1000.0f;
    p.CornerDynamicLoad[1] += 1000.0f;
    analysis::SimulateSuspensionResponse();
    EXPECT_NEAR(s.LiveResponseTravel[0][400], rest - 0.02, 1e-4);
    EXPECT_NEAR(s.LiveResponseTravel[2][400], rest, 1e-6);
}

TEST_F(SuspensionResponseTest, EmptyVehicleRunsStayFinite) {
    ResetSuspensionState();
    analysis::CalcSuspension(setup, 10);
    ShareLiveLoads();
    analysis::CalcBodyRollAngles();
    const auto pitch = analysis::CalcBodyPitch(SuspensionCode().SuspCorners,
                                               vehicle::TyreCode().WheelTyres);
    analysis::CalcAxleHeightsSprung(SuspensionCode().SuspHeightChange,
                                    analysis::PhysicalCode().VehicleCoG, 0, 0, 0, 0);
    analysis::SimulateSuspensionResponse();
    const auto& s = SuspensionCode();
    EXPECT_TRUE(AllFinite({pitch.Total, s.BodyRollAtCoG, s.TyreRollAtUnsprung}));
    for (float h : s.SuspHeightChange) EXPECT_TRUE(std::isfinite(h));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(CornerFinite(s.SuspCorners[i]));
        for (int step = 1; step <= 400; ++step) {
            const auto& st = s.LiveResponseStates[i][step];
            ASSERT_TRUE(AllFinite({st.SpringForce, st.DamperForce, st.Acceleration, st.Velocity,
                                   st.Position, s.DropResponseTravel[i][step],
                                   s.PushResponseTravel[i][step],
                                   s.LiveResponseTravel[i][step]}));
        }
    }
}

}  // namespace
