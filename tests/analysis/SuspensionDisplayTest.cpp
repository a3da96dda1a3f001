// Suspension captions: the figures of the plain test car in two unit sets, the damping limits
// ("N/A" and the red colour), the squat / dive texts, and values that cannot be shown.
//
// Expected texts are worked by hand for the plain car of SuspensionTestSupport.hpp: k = 50000
// N/m, m = 250 kg sprung and 25 kg unsprung per corner, tracks 1.5 m, wheelbase 2.5 m,
// 100 mm travel, 3000 / 6000 N s/m bump / rebound, 20000 N/m bars, motion ratios 1.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "SuspensionTestSupport.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/SuspensionDisplay.hpp"
#include "support/SampleVehicles.hpp"

namespace {

using core::Caption;
using core::Quantity;
using Target = core::LabelArray;

class SuspensionDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        suspension_test::SetPlainCar();
    }
    void Calc(int liveSpeed = 0) {
        analysis::CalcSuspension(setup, static_cast<uint8_t>(liveSpeed));
        suspension_test::ShareLiveLoads();
        analysis::SuspensionAnalysisCaptions(captions);
    }
    const Caption& Find(int index, Target array = Target::Analysis_SuspLabel) {
        for (const auto& c : captions)
            if (c.Index == index && c.Array == array) return c;
        ADD_FAILURE() << "no caption " << index;
        static const Caption none;
        return none;
    }
    std::string Text(int index, Target array = Target::Analysis_SuspLabel) {
        return Find(index, array).Text;
    }
    static void Unit(Quantity q, const char* name) { ASSERT_TRUE(core::SelectUnitByName(q, name)); }

    analysis::SuspensionSetupInputs setup = suspension_test::PlainSetup();
    std::vector<Caption> captions;
};

TEST_F(SuspensionDisplayTest, PlainCarInDefaultUnits) {
    setup.ARBStiffness = {200, 0};  // no rear bar: front and rear roll figures differ
    Calc();
    EXPECT_EQ(Text(157), "0.1");   // 0.1 m wheel travel, no suffix
    EXPECT_EQ(Text(161), "50");    // 50000 N/m = 50 N/mm
    EXPECT_EQ(Text(169), " N/mm");
    EXPECT_EQ(Text(143), "2452");  // 250 kg x 9.80665 = 2451.66 N
    // Ride sqrt(50000 / 250) / 2 pi = 2.2508 Hz.
    EXPECT_EQ(Text(106), "2.25");
    // Critical 2 sqrt(50000 x 250) = 7071.07 N s/m; bump ratio 3000 over it.
    EXPECT_EQ(Text(145), "7.1 Ns/mm");
    EXPECT_EQ(Text(148), "42.4%");
    // Damped in bump: sqrt(200 - c^2 / (4 m^2)) / 2 pi with c^2 / 4m^2 = 36.
    EXPECT_EQ(Text(177), "2.04 Hz");
    EXPECT_EQ(Text(188), "2 : 1");
    // Slider values (rear 100..104, front 105..109).
    EXPECT_EQ(Text(106, Target::Set_SuspLabel), "50 N/mm");
    EXPECT_EQ(Text(103, Target::Set_SuspLabel), "6 Ns/mm");
    // Roll, front 118..123 and rear 112..117: springs 50000 x 0.5 x 1.5^2 = 56250, front bar
    // 1.5^2 x 20000 = 45000 N m/rad; per 500 kg sprung axle 202.5 front, 112.5 rear; rear
    // share 112.5 / 315 = 35.71 %.
    EXPECT_EQ(Text(118), "56.3 kNm/rad");
    EXPECT_EQ(Text(121), "0.8");
    EXPECT_EQ(Text(122), "203");
    EXPECT_EQ(Text(123), "64.29%");
    EXPECT_EQ(Text(117), "35.71%");
    // Pitch: 2 x (1.25 m)^2 x 50000 = 156250 N m/rad, over 1000 kg sprung.
    EXPECT_EQ(Text(124), "156.3 kNm/rad");
    EXPECT_EQ(Text(183), "0 Hz");  // standing still
    // Only the damping ratios carry a colour.
    for (const auto& c : captions)
        EXPECT_EQ(c.ForeColor.has_value(), c.Index >= 148 && c.Index <= 155) << c.Index;
}

TEST_F(SuspensionDisplayTest, OtherUnitsAndLiveFigures) {
    Unit(Quantity::DistanceSmall, "Millimetres");
    Unit(Quantity::Frequency, "Cycles per minute");
    Unit(Quantity::Angle, "Degrees");
    Calc(25);
    // Static deflection 2451.66 / 50000 = 49.03 mm of the 100 mm travel.
    EXPECT_EQ(Text(164), "49");
    EXPECT_EQ(Text(100), "51");
    EXPECT_EQ(Text(104), "135");  // 2.2508 Hz x 60
    // Level ride at 25 m/s: tau = 2.5 / 25 = 0.1 s, 1 / f = 0.44429 s:
    // 1 / (0.1 + 0.44429) = 1.83726 Hz and 1 / (0.44429 - 0.1) = 2.90453 Hz.
    EXPECT_EQ(Text(183), "110 cpm");
    EXPECT_EQ(Text(184), "174 cpm");

    // Roll angles: front 129..131, rear 126..128.
    auto& s = analysis::SuspensionCode();
    s.TyreRollAngle = {0.01f, -0.02f};  // 0.573 and -1.146 degrees
    s.SuspHeightChange = {-0.012f, 0.0f, 0.001f, 0.002f, 0.003f, -0.0046f};
    analysis::LiveStateCode().BodyPitch = {0.02f, -0.03f, -0.01f};
    analysis::SuspensionAnalysisCaptions(captions);
    EXPECT_EQ(Text(129), "0.57\u00B0");
    EXPECT_EQ(Text(126), "-1.15\u00B0");
    EXPECT_EQ(Text(135), "-12 mm");
    EXPECT_EQ(Text(139), "-5 mm");  // front wing
    EXPECT_EQ(Text(132), "1.15\u00B0 Squat");
    EXPECT_EQ(Text(133), "1.72\u00B0 Dive");
    EXPECT_EQ(Text(134), "0.57\u00B0 Dive");
}

// The rear target exists while the front's period (0.44429 s) exceeds the time the rear axle
// takes to reach the bump (2.5 m / speed); it read -0.43 to -36.7 Hz below that speed.
TEST_F(SuspensionDisplayTest, RearLevelRideTargetOnlyWhereARearSpringMatches) {
    for (const auto& [speed, text] : {std::pair{0, "0 Hz"}, {6, "36.2 Hz"}, {5, "N/A"}}) {
        Calc(speed);
        EXPECT_EQ(Text(184), text) << speed << " m/s";
    }
}

TEST_F(SuspensionDisplayTest, DampingLimitsAndValuesThatCannotBeShown) {
    setup.BumpDamp = {0, 30};      // front: no bump damping
    setup.ReboundDamp = {80, 60};  // front: 8000 N s/m, above the critical 7071
    Calc();
    EXPECT_EQ(Text(185), "N/A");
    EXPECT_EQ(Text(175), "2.25 Hz");  // without bump damping: the undamped frequency
    // 8000 / 7071.07 = 113.1 %: over-damped, red, no damped frequency.
    EXPECT_EQ(Text(152), "113.1%");
    EXPECT_EQ(Find(152).ForeColor, analysis::kSuspTextRed);
    EXPECT_EQ(Text(179), "N/A");
    EXPECT_EQ(analysis::DampingRatioColour(1.0f), analysis::kSuspTextBlack);
    EXPECT_EQ(analysis::PitchAngleText(0.0f), "0 rad Squat");

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    auto& s = analysis::SuspensionCode();
    s.SuspCorners[1].WheelRate = inf;
    s.SuspCorners[1].BumpDampingRatio = nan;
    s.RollStiffness[analysis::kRollBarSpringRatio] = nan;
    s.RollPerMassRearShare = nan;
    s.LevelRideFrequency[1] = -inf;
    s.ReboundBumpRatio[3] = inf;
    analysis::LiveStateCode().BodyPitch.Total = nan;
    analysis::SuspensionAnalysisCaptions(captions);
    for (int index : {161, 149, 121, 123, 117, 184, 188, 134}) EXPECT_EQ(Text(index), "N/A");
    for (const auto& c : captions) {
        EXPECT_EQ(c.Text.find("NaN"), std::string::npos) << c.Index;
        EXPECT_EQ(c.Text.find("Inf"), std::string::npos) << c.Index;
    }
}

}  // namespace
