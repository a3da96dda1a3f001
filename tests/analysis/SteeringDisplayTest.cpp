// Captions of the steering state, computed by CalcSteeringGeometry on a car of 2.5 m wheelbase,
// 1.5 m front and 1.45 m rear track. Expected texts worked by hand, in degrees (2 decimals).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/SteeringDisplay.hpp"
#include "support/SampleVehicles.hpp"

namespace {

using Target = core::LabelArray;
using core::Quantity;

std::string Deg(const char* number, const char* side = "") {
    return std::string(number) + "\u00B0" + side;
}

class SteeringDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        ASSERT_TRUE(core::SelectUnitByName(Quantity::Angle, "Degrees"));
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.Wheelbase = 2.5f;
        v.Axles[0].TrackWidth = 1.5f;
        v.Axles[1].TrackWidth = 1.45f;
    }
    // Geometry at the live steering angle (tenths of a degree), no body pitch.
    void Steer(int32_t tenths) {
        analysis::CalcSteeringGeometry(setup, {tenths}, 0, analysis::PitchAngles{});
        analysis::SteeringAnalysisCaptions(captions);
    }
    std::string Text(int index, Target array = Target::Analysis_SteeringLabel) const {
        for (const auto& c : captions)
            if (c.Array == array && c.Index == index) return c.Text;
        ADD_FAILURE() << "no caption " << index;
        return {};
    }
    analysis::SteeringSetupInputs setup;
    std::vector<core::Caption> captions;
};

TEST_F(SteeringDisplayTest, TurnWithHalfAckermannInDegreesAndRadians) {
    Steer(100);  // 10 degrees right, Ackermann 50 %
    // R0 = 2.5 / tan 10° = 14.178 m; ideal left atan(2.5 / 14.928) = 9.507°, right
    // atan(2.5 / 13.428) = 10.546°; the linkage adds half of each difference.
    EXPECT_EQ(Text(108, Target::Set_LiveLabel), Deg("10", " Right"));
    EXPECT_EQ(Text(102), Deg("0.25", " Left"));
    EXPECT_EQ(Text(103), Deg("0.27", " Right"));
    EXPECT_EQ(Text(104), Deg("9.75", " Right"));
    EXPECT_EQ(Text(105), Deg("10.27", " Right"));
    EXPECT_EQ(Text(122), "14.16 m");    // 2.5 / tan(mean 10.013°)
    EXPECT_EQ(Text(123), Deg("8.53"));  // atan(0.5 x 0.75 / 2.5)
    EXPECT_EQ(Text(100), "1.667 : 1");
    EXPECT_EQ(Text(101), "1.724 : 1");
    EXPECT_EQ(Text(102, Target::Set_SteerLabel), "50%");
    // Radians change the angles only.
    ASSERT_TRUE(core::SelectUnitByName(Quantity::Angle, "Radians"));
    Steer(-100);
    EXPECT_EQ(Text(108, Target::Set_LiveLabel), "0.17 rad Left");  // 0.1745 rad
    EXPECT_EQ(Text(104), "0.18 rad Left");                         // inner wheel 10.27°
    EXPECT_EQ(Text(103, Target::Set_SteerLabel), "0.42 rad");  // 24° lock
    EXPECT_EQ(Text(100), "1.667 : 1");
    EXPECT_EQ(Text(122), "14.16 m");
}

TEST_F(SteeringDisplayTest, StraightAheadWithToeInAndParallelSteer) {
    setup.Toe = {19, 9};  // +1° front
    setup.Ackermann = 57;
    Steer(0);
    EXPECT_EQ(Text(108, Target::Set_LiveLabel), "Straight");
    // Toe-in points the left wheel to the right and the right wheel to the left.
    EXPECT_EQ(Text(104), Deg("1", " Right"));
    EXPECT_EQ(Text(105), Deg("1", " Left"));
    EXPECT_EQ(Text(102), "N/A");
    EXPECT_EQ(Text(122), "N/A");
    EXPECT_EQ(Text(102, Target::Set_SteerLabel), "57%");
    setup.Ackermann = 0;
    Steer(100);
    EXPECT_EQ(Text(103), "N/A");
    // No vehicle: no track to compare with, and never "NaN" or "Inf".
    core::GlobalChassisLab().CurrentVehicle = vehicle::VehicleRecord{};
    Steer(100);
    EXPECT_EQ(Text(100), "N/A");
    for (const auto& c : captions)
        EXPECT_TRUE(c.Text.find("NaN") == c.Text.npos && c.Text.find("Inf") == c.Text.npos);
}

TEST_F(SteeringDisplayTest, CamberPerWheel) {
    core::GlobalChassisLab().CurrentVehicle.Axles[0].CamberOffset =
        static_cast<float>(-1.5 / core::kDegreesPerRadian);
    analysis::SuspensionCode().AxleRollAngle[0] = static_cast<float>(0.8 / core::kDegreesPerRadian);
    setup.Camber = {55, 35, 45, 30};  // +1°, -1°, 0°, -1.5°
    Steer(0);
    EXPECT_EQ(Text(8, Target::Set_TyreLabel), Deg("1") + " / " + Deg("-1"));
    EXPECT_EQ(Text(9, Target::Set_TyreLabel), Deg("0") + " / " + Deg("-1.5"));
    EXPECT_EQ(Text(106), Deg("-0.8"));  // roll: minus on the left wheel
    EXPECT_EQ(Text(107), Deg("0.8"));
    // Offset + roll + static: -1.5 - 0.8 + 1 and -1.5 + 0.8 - 1.
    EXPECT_EQ(Text(118), Deg("-1.3"));
    EXPECT_EQ(Text(119), Deg("-1.7"));
}

}  // namespace
