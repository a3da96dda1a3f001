// Steering and camber geometry: setup-byte decoders, road-wheel angles with toe and Ackermann,
// turning radius and lateral acceleration, steering arms and the five camber contributions.
//
// Expected numbers are worked by hand from plane geometry: full Ackermann puts both front
// wheels square to lines from the turn centre on the rear axle's line, so that
// cot(outer) - cot(inner) = track / wheelbase; the turn radius is L / tan(mean wheel angle).
#include <gtest/gtest.h>

#include <cmath>

#include "SuspensionTestSupport.hpp"

namespace {

using namespace suspension_test;
using analysis::SteeringCode;

constexpr double kDeg = 57.29577951309679;

class SteeringCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSuspensionState();
        SetPlainCar();
        setup.Ackermann = 0;
    }
    float Run(int32_t steerTenths, uint8_t speed = 0) {
        analysis::LiveSteeringInputs live;
        live.SteeringAngle = steerTenths;
        return analysis::CalcSteeringGeometry(setup, live, speed, pitch);
    }
    analysis::SteeringSetupInputs setup;
    analysis::PitchAngles pitch;
};

TEST_F(SteeringCodeTest, SetupBytesDecodeToDegrees) {
    EXPECT_EQ(analysis::DecodeToeByte(9), 0.0f);
    EXPECT_FLOAT_EQ(analysis::DecodeToeByte(0), -0.9f);
    EXPECT_FLOAT_EQ(analysis::DecodeToeByte(18), 0.9f);
    EXPECT_FLOAT_EQ(analysis::DecodeToeByte(255), 24.6f);
    EXPECT_EQ(analysis::DecodeCamberAdjustByte(45), 0.0f);
    EXPECT_FLOAT_EQ(analysis::DecodeCamberAdjustByte(0), -4.5f);
    EXPECT_FLOAT_EQ(analysis::DecodeCamberAdjustByte(90), 4.5f);
}

TEST_F(SteeringCodeTest, StraightAheadWithToeHasNoRadiusAndNoLateralAcceleration) {
    setup.Toe = {12, 6};  // 0.3 deg toe-in front, 0.3 deg toe-out rear
    setup.Ackermann = 100;
    EXPECT_EQ(Run(0, 30), 0.0f);
    const auto& s = SteeringCode();
    EXPECT_NEAR(s.WheelSteerAngle[0], 0.3 / kDeg, 1e-7);   // left front points right
    EXPECT_NEAR(s.WheelSteerAngle[1], -0.3 / kDeg, 1e-7);  // right front points left
    EXPECT_NEAR(s.WheelSteerAngle[2], -0.3 / kDeg, 1e-7);  // rear: toe only
    EXPECT_NEAR(s.WheelSteerAngle[3], 0.3 / kDeg, 1e-7);
    EXPECT_EQ(s.AckermannAngle[0], 0.0f);
    EXPECT_EQ(s.AckermannAngle[1], 0.0f);
    EXPECT_EQ(s.SteerRadius, 0.0f);
}

TEST_F(SteeringCodeTest, FullAckermannMeetsTheTurnCentreCondition) {
    // Track 1.5 m, wheelbase 2.5 m, 10 deg to the right: turn centre R0 = 2.5 / tan 10 deg =
    // 14.178 m right of the axle's middle; the left (outer) wheel atan(2.5 / 14.928) =
    // 9.507 deg, the right (inner) atan(2.5 / 13.428) = 10.547 deg.
    setup.Ackermann = 100;
    Run(100);
    const auto& s = SteeringCode();
    const double outer = s.WheelSteerAngle[0], inner = s.WheelSteerAngle[1];
    EXPECT_NEAR(outer * kDeg, 9.5069, 1e-3);
    EXPECT_NEAR(inner * kDeg, 10.5468, 1e-3);
    EXPECT_NEAR(1.0 / std::tan(outer) - 1.0 / std::tan(inner), 1.5 / 2.5, 1e-5);

    // Half Ackermann: each wheel halfway between the steer angle and its ideal angle.
    setup.Ackermann = 50;
    Run(100);
    EXPECT_NEAR(s.WheelSteerAngle[0] * kDeg, (10.0 + 9.5069) / 2.0, 1e-3);
    EXPECT_NEAR(s.WheelSteerAngle[1] * kDeg, (10.0 + 10.5468) / 2.0, 1e-3);
    EXPECT_NEAR(s.AckermannArmAngle, std::atan(0.15), 1e-7);  // 0.5 x 0.75 / 2.5
    // Steering arms: wheel angle less / plus the Ackermann arm angle,
    // 9.75345 deg = 0.1702298 rad - 0.1488899 = 0.0213399 rad and
    // 10.2734 deg = 0.1793047 rad + 0.1488899 = 0.3281946 rad.
    EXPECT_NEAR(s.SteeringArmAngle[0], 0.0213399f, 3e-5f);
    EXPECT_NEAR(s.SteeringArmAngle[1], 0.3281946f, 3e-5f);
}

TEST_F(SteeringCodeTest, ParallelSteerRadiusAndLateralAccelerationBothWays) {
    setup.Toe = {11, 9};  // 0.2 deg toe-in
    const float right = Run(100, 20);
    const auto& s = SteeringCode();
    EXPECT_NEAR(s.WheelSteerAngle[0] * kDeg, 10.2, 1e-4);
    EXPECT_NEAR(s.WheelSteerAngle[1] * kDeg, 9.8, 1e-4);
    EXPECT_EQ(s.AckermannArmAngle, 0.0f);
    EXPECT_EQ(s.SteeringArmAngle[0], s.WheelSteerAngle[0]);
    // Mean 10 deg: R = 2.5 / tan 10 deg = 14.178 m; a = v^2 / R = 400 / 14.178 = 28.213.
    EXPECT_NEAR(s.SteerRadius, 14.1781, 1e-3);
    EXPECT_NEAR(right, 28.2125, 1e-3);

    setup.Ackermann = 100;
    setup.Toe = {9, 9};
    const float left = Run(-100, 20);
    EXPECT_LT(left, 0.0f);
    EXPECT_GT(s.SteerRadius, 0.0f);
    // Turning left the front-left wheel is the inner one: the larger angle.
    EXPECT_NEAR(s.WheelSteerAngle[0] * kDeg, -10.5468, 1e-3);
    EXPECT_NEAR(s.WheelSteerAngle[1] * kDeg, -9.5069, 1e-3);
}

TEST_F(SteeringCodeTest, CamberContributionsAndTheirSigns) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Axles[0].Inclination = 0.1f;
    v.Axles[0].CamberOffset = 0.02f;
    v.Axles[1].Inclination = 0.0f;
    v.Axles[1].CamberOffset = -0.01f;
    analysis::SuspensionCode().AxleRollAngle = {0.02f, 0.01f};
    setup.Caster = {50, 30};             // 5 deg, 3 deg
    setup.Camber = {55, 55, 35, 45};     // +1, +1, -1, 0 deg
    pitch.Total = 0.01f;
    Run(200);  // 20 deg right, parallel steer
    const auto& s = SteeringCode();

    EXPECT_NEAR(s.LiveCaster[0], 5.0 / kDeg + 0.01, 1e-7);
    EXPECT_NEAR(s.LiveCaster[1], 3.0 / kDeg + 0.01, 1e-7);
    // Caster: -sin 20 deg x 0.097266 on the outer (left) wheel, + on the inner.
    EXPECT_NEAR(s.CasterCamber[0], -0.342020 * 0.0972665, 1e-6);
    EXPECT_NEAR(s.CasterCamber[1], 0.342020 * 0.0972665, 1e-6);
    // Inclination: (1 - cos 20 deg) x 0.1 on both front wheels.
    EXPECT_NEAR(s.InclinationCamber[0], 0.0060307, 1e-6);
    EXPECT_NEAR(s.InclinationCamber[1], 0.0060307, 1e-6);
    EXPECT_EQ(s.InclinationCamber[2], 0.0f);
    EXPECT_EQ(s.CasterCamber[3], 0.0f);
    // Roll: minus on the left, plus on the right.
    EXPECT_EQ(s.RollCamber[0], -0.02f);
    EXPECT_EQ(s.RollCamber[1], 0.02f);
    EXPECT_EQ(s.RollCamber[2], -0.01f);
    EXPECT_FLOAT_EQ(s.GeometryCamber[0], -0.08f);
    EXPECT_FLOAT_EQ(s.GeometryCamber[3], -0.01f);
    // Rear wheels: geometry + roll + static only.
    EXPECT_NEAR(s.LiveCamber[2], -0.01 - 0.01 - 1.0 / kDeg, 1e-7);
    EXPECT_NEAR(s.LiveCamber[3], -0.01 + 0.01, 1e-7);
    EXPECT_NEAR(s.LiveCamber[0], -0.08 - 0.02 - 0.0332673 + 0.0060307 + 1.0 / kDeg, 2e-6);

    // A new roll reaches the camber through CalcWheelCamber alone.
    analysis::SuspensionCode().AxleRollAngle = {0.0f, 0.0f};
    analysis::CalcWheelCamber(pitch);
    EXPECT_EQ(s.RollCamber[1], 0.0f);
}

TEST_F(SteeringCodeTest, TurnCentreInsideTheTrackHoldsTheInnerWheelSquare) {
    // Wheelbase 0.5 m against a 2 m track at 40 deg: R0 = 0.596 m lies inside the right
    // wheel (1 m from the middle); its ideal angle is held at 90 deg instead of flipping.
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Wheelbase = 0.5f;
    v.Axles[0].TrackWidth = 2.0f;
    setup.Ackermann = 100;
    Run(400, 10);
    const auto& s = SteeringCode();
    EXPECT_NEAR(s.WheelSteerAngle[1], 1.5707963, 1e-6);
    EXPECT_GT(s.WheelSteerAngle[0], 0.0f);
    EXPECT_LT(s.WheelSteerAngle[0], 40.0 / kDeg);
    Run(-400, 10);
    EXPECT_NEAR(s.WheelSteerAngle[0], -1.5707963, 1e-6);
}

TEST_F(SteeringCodeTest, EmptyVehicleGivesFiniteGeometry) {
    ResetSuspensionState();
    setup.Ackermann = 100;
    const float a = Run(240, 40);
    const auto& s = SteeringCode();
    EXPECT_TRUE(std::isfinite(a));
    EXPECT_TRUE(AllFinite({s.SteerRadius, s.AckermannArmAngle, s.WheelbaseTrackRatio[0],
                           s.WheelbaseTrackRatio[1], s.AckermannAngle[0], s.AckermannAngle[1],
                           s.SteeringArmAngle[0], s.SteeringArmAngle[1]}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(AllFinite({s.WheelSteerAngle[i], s.LiveCamber[i]}));
    }
}

}  // namespace
