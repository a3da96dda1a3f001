// Static suspension figures: corner rates and frequencies, damping, roll and pitch stiffness,
// level-ride targets and damping balance.
//
// Expected numbers are worked by hand from spring-mass physics for the plain test car of
// SuspensionTestSupport.hpp (k = 50000 N/m, m = 250 kg sprung, 25 kg unsprung per corner).
#include <gtest/gtest.h>

#include <cmath>

#include "SuspensionTestSupport.hpp"

namespace {

using namespace suspension_test;
using analysis::CalcSuspension;
using analysis::SuspensionCode;

class SuspensionCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSuspensionState();
        SetPlainCar();
    }
    analysis::SuspensionSetupInputs setup = PlainSetup();
};

TEST_F(SuspensionCodeTest, CornerFiguresFollowSpringMassPhysics) {
    CalcSuspension(setup, 0);
    const auto& s = SuspensionCode();
    for (int i = 0; i < 4; ++i) {
        const auto& c = s.SuspCorners[i];
        SCOPED_TRACE(i);
        // Slider x 100 as integers; travel mm / 1000.
        EXPECT_EQ(c.SpringRate, 50000);
        EXPECT_FLOAT_EQ(c.SpringTravel, 0.1f);
        // Ride frequency 1/(2 pi) sqrt(k/m) = sqrt(200) / 2 pi = 2.25079 Hz.
        EXPECT_NEAR(c.RideFrequency, 2.25079, 1e-4);
        // Wheel hop 1/(2 pi) sqrt(k/mu) = sqrt(2000) / 2 pi = 7.11763 Hz.
        EXPECT_NEAR(c.WheelHopFrequency, 7.11763, 1e-4);
        // Critical damping 2 sqrt(k m) = 2 sqrt(12.5e6) = 7071.07 N s/m.
        EXPECT_NEAR(c.CriticalDamping, 7071.068, 0.01);
        EXPECT_NEAR(c.BumpDampingRatio, 3000.0 / 7071.068, 1e-5);
        EXPECT_NEAR(c.ReboundDampingRatio, 6000.0 / 7071.068, 1e-5);
        // Damped frequency fn sqrt(1 - zeta^2): zeta 0.42426 -> 2.25079 x 0.90554.
        EXPECT_NEAR(s.BumpDampedFrequency[i], 2.03818, 1e-4);
        // zeta 0.84853 -> 2.25079 x 0.52915.
        EXPECT_NEAR(s.ReboundDampedFrequency[i], 1.19101, 1e-4);
        EXPECT_FLOAT_EQ(s.ReboundBumpRatio[i], 2.0f);
    }
    EXPECT_EQ(s.AntiRollBarRate[0], 20000);
    EXPECT_FLOAT_EQ(s.AntiRollStiffness[1], 20000.0f);
}

TEST_F(SuspensionCodeTest, MotionRatiosScaleWheelRateBySquareAndDampingOnce) {
    auto& axle = core::GlobalChassisLab().CurrentVehicle.Axles[0];
    axle.SpringMotionRatio = 2.0f;
    axle.ARBMotionRatio = 2.0f;
    CalcSuspension(setup, 0);
    const auto& s = SuspensionCode();
    for (int i : {0, 1}) {
        const auto& c = s.SuspCorners[i];
        EXPECT_FLOAT_EQ(c.WheelRate, 12500.0f);     // 50000 / 2^2
        EXPECT_FLOAT_EQ(c.BumpDampWheel, 1500.0f);  // 3000 / 2
        EXPECT_FLOAT_EQ(c.ReboundDampWheel, 3000.0f);
        EXPECT_FLOAT_EQ(c.WheelTravel, 0.2f);
    }
    EXPECT_FLOAT_EQ(s.AntiRollStiffness[0], 5000.0f);  // 20000 / 2^2
    EXPECT_FLOAT_EQ(s.SuspCorners[2].WheelRate, 50000.0f);
}

TEST_F(SuspensionCodeTest, NoBumpDampingLeavesTheUndampedFrequency) {
    setup.BumpDamp = {0, 0};
    CalcSuspension(setup, 0);
    const auto& s = SuspensionCode();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.SuspCorners[i].BumpDampWheel, 0.0f);
        EXPECT_EQ(s.SuspCorners[i].BumpDampingRatio, 0.0f);
        EXPECT_EQ(s.ReboundBumpRatio[i], -1.0f);
        EXPECT_EQ(s.BumpDampedFrequency[i], s.SuspCorners[i].RideFrequency);
    }
}

TEST_F(SuspensionCodeTest, DampingAtOrAboveCriticalHasNoOscillation) {
    // k = 40000 N/m, m = 400 kg: critical damping 2 sqrt(1.6e7) = 8000 N s/m exactly.
    setup.SpringStiffness = {400, 400};
    for (int i = 0; i < 4; ++i) analysis::PhysicalCode().SprungCornerMass[i] = 400.0f;
    setup.BumpDamp = {80, 79};      // front exactly critical, rear just below
    setup.ReboundDamp = {200, 200};  // well above critical
    CalcSuspension(setup, 0);
    const auto& s = SuspensionCode();
    EXPECT_FLOAT_EQ(s.SuspCorners[0].CriticalDamping, 8000.0f);
    EXPECT_EQ(s.BumpDampedFrequency[0], 0.0f);
    EXPECT_EQ(s.ReboundDampedFrequency[0], 0.0f);
    EXPECT_EQ(s.ReboundDampedFrequency[2], 0.0f);
    // Just below (zeta = 0.9875): fn sqrt(1 - zeta^2) = (10 / 2 pi) x 0.157619 = 0.25086 Hz.
    EXPECT_NEAR(s.BumpDampedFrequency[2], 0.25086, 2e-4);
}

TEST_F(SuspensionCodeTest, RollAndPitchStiffnessFromSpringsBarsAndTracks) {
    setup.ARBStiffness = {400, 200};
    CalcSuspension(setup, 0);
    const auto& s = SuspensionCode();
    const auto& r = s.RollStiffness;
    // Two springs k at +-T/2: k T^2 / 2 = 50000 x 2.25 / 2 = 56250 N m/rad per axle.
    EXPECT_FLOAT_EQ(r[0], 56250.0f);
    EXPECT_FLOAT_EQ(r[6], 56250.0f);
    // A bar K resisting the difference T phi of the wheels: K T^2.
    EXPECT_FLOAT_EQ(r[1], 90000.0f);
    EXPECT_FLOAT_EQ(r[7], 45000.0f);
    EXPECT_FLOAT_EQ(r[2], 146250.0f);
    EXPECT_FLOAT_EQ(r[8], 101250.0f);
    EXPECT_FLOAT_EQ(r[5], 1.6f);
    EXPECT_FLOAT_EQ(r[11], 0.8f);
    // Per sprung axle mass (500 kg).
    EXPECT_FLOAT_EQ(r[3], 112.5f);
    EXPECT_FLOAT_EQ(r[4], 292.5f);
    EXPECT_FLOAT_EQ(r[10], 202.5f);
    EXPECT_NEAR(s.RollStiffnessFrontShare, 146250.0 / 247500.0, 1e-6);
    EXPECT_NEAR(s.RollPerMassRearShare, 202.5 / 495.0, 1e-6);
    // Pitch: one corner per axle at 1.25 m: 2 x 1.25^2 x 50000.
    EXPECT_FLOAT_EQ(s.PitchStiffness, 156250.0f);
    EXPECT_FLOAT_EQ(s.PitchStiffnessPerMass, 156.25f);
}

TEST_F(SuspensionCodeTest, LevelRideTargetsAtSpeedAndStandstill) {
    CalcSuspension(setup, 0);
    EXPECT_EQ(SuspensionCode().LevelRideFrequency[0], 0.0f);
    EXPECT_EQ(SuspensionCode().LevelRideFrequency[1], 0.0f);

    // 20 m/s: tau = 2.5 / 20 = 0.125 s; period 1 / 2.25079 = 0.444289 s.
    CalcSuspension(setup, 20);
    const auto& lr = SuspensionCode().LevelRideFrequency;
    EXPECT_NEAR(lr[0], 1.0 / (0.125 + 0.444289), 1e-4);  // 1.75658 Hz, below the rear's
    EXPECT_NEAR(lr[1], 1.0 / (0.444289 - 0.125), 1e-4);  // 3.13197 Hz, above the front's
    EXPECT_LT(lr[0], SuspensionCode().SuspCorners[2].RideFrequency);
    EXPECT_GT(lr[1], SuspensionCode().SuspCorners[0].RideFrequency);


    // 1 m/s: tau = 2.5 s exceeds the front period; the rear target turns negative (kept as
    // computed for the make-level-ride tool), and no rear spring matches.
    CalcSuspension(setup, 1);
    EXPECT_NEAR(SuspensionCode().LevelRideFrequency[1], 1.0 / (0.444289 - 2.5), 1e-4);
    EXPECT_FALSE(SuspensionCode().RearLevelRideExists);
}

TEST_F(SuspensionCodeTest, DampingBalanceFiguresAndAllZeroPairs) {
    CalcSuspension(setup, 0);
    const auto& d = SuspensionCode().DampBalance;
    // Equal tracks and a centred mass: each figure is the share of the coefficients.
    EXPECT_NEAR(d[0], 6000.0 / 9000.0, 1e-6);  // rear rebound against front bump
    EXPECT_NEAR(d[1], 0.5, 1e-6);
    EXPECT_NEAR(d[3], 0.5, 1e-6);
    EXPECT_NEAR(d[2], 3000.0 / 9000.0, 1e-6);  // rear bump against front rebound
    EXPECT_NEAR(d[4], 6000.0 / 9000.0, 1e-6);

    // The front axle carries 60 %: front weighted by 0.6, rear by 0.4.
    analysis::PhysicalCode().VehicleCoG.Y = 0.6f;
    CalcSuspension(setup, 0);
    EXPECT_NEAR(d[0], 0.4 * 6000 / (0.6 * 3000 + 0.4 * 6000), 1e-6);

    // No front bump and no rear rebound: 1.0 even with the other pair set.
    analysis::PhysicalCode().VehicleCoG.Y = 0.5f;
    setup.BumpDamp = {0, 30};
    setup.ReboundDamp = {60, 0};
    CalcSuspension(setup, 0);
    EXPECT_EQ(d[0], 1.0f);
    EXPECT_NEAR(d[2], 1.0 / 3.0, 1e-6);

    setup.BumpDamp = {0, 0};
    setup.ReboundDamp = {0, 0};
    CalcSuspension(setup, 0);
    for (float x : d) EXPECT_EQ(x, 1.0f);
}

TEST_F(SuspensionCodeTest, CornerWithoutSprungMassKeepsNoFiguresOfAnEarlierSetup) {
    CalcSuspension(setup, 0);
    analysis::PhysicalCode().SprungCornerMass[3] = 0.0f;
    setup.SpringStiffness = {500, 800};
    CalcSuspension(setup, 0);
    const auto& s = SuspensionCode();
    const auto& c = s.SuspCorners[3];
    EXPECT_EQ(c.RideFrequency, 0.0f);
    EXPECT_EQ(c.CriticalDamping, 0.0f);
    EXPECT_EQ(c.BumpDampingRatio, 0.0f);
    EXPECT_EQ(s.BumpDampedFrequency[3], 0.0f);
    // The rates at the wheel follow the new springs, as on the other rear corner.
    EXPECT_FLOAT_EQ(c.WheelRate, 80000.0f);
    EXPECT_FLOAT_EQ(c.WheelRate, s.SuspCorners[2].WheelRate);
    EXPECT_NEAR(c.WheelHopFrequency, std::sqrt(80000.0 / 25.0) / kTwoPi, 1e-4);
}

TEST_F(SuspensionCodeTest, EmptyVehicleGivesFiniteFigures) {
    ResetSuspensionState();  // every geometry figure and mass 0
    analysis::PhysicalCode().VehicleCoG.Y = 0.5f;
    CalcSuspension(setup, 30);
    const auto& s = SuspensionCode();
    for (const auto& c : s.SuspCorners) EXPECT_TRUE(CornerFinite(c));
    for (float x : s.RollStiffness) EXPECT_TRUE(std::isfinite(x));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(AllFinite({s.BumpDampedFrequency[i], s.ReboundDampedFrequency[i],
                               s.ReboundBumpRatio[i]}));
    }
    for (float x : s.DampBalance) EXPECT_TRUE(std::isfinite(x));
    EXPECT_TRUE(AllFinite({s.PitchStiffness, s.PitchStiffnessPerMass, s.RollStiffnessFrontShare,
                           s.RollPerMassRearShare, s.LevelRideFrequency[0],
                           s.LevelRideFrequency[1], s.AntiRollStiffness[0]}));
    EXPECT_EQ(s.RollPerMassRearShare, 0.5f);
}

TEST_F(SuspensionCodeTest, SliderRatesSaturateInsteadOfOverflowing) {
    EXPECT_EQ(analysis::SliderRate(750), 75000);
    EXPECT_EQ(analysis::SliderRate(-3), -300);
    EXPECT_EQ(analysis::SliderRate(30000000), 2147483647);
}

}  // namespace
