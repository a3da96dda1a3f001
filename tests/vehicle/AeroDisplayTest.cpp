// Captions of the aerodynamic analysis: figures in several units, the pair, share and ratio
// forms, the aero balance's colour band, and what shows when standing still. Expected texts
// are worked from the unit table by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "../support/SampleVehicles.hpp"
#include "vehicle/AeroDisplay.hpp"

namespace {

using core::Quantity;
using vehicle::AeroBalanceColour;
using core::LabelArray;

class AeroDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }

    void Build(const vehicle::AeroCaptionInputs& in = {}) { out = vehicle::BuildAeroCaptions(in); }
    std::string Text(int index, LabelArray array = LabelArray::Analysis_AeroLabel) {
        for (const auto& c : out.Captions)
            if (c.Index == index && c.Array == array) return c.Text;
        ADD_FAILURE() << "no caption " << index;
        return {};
    }
    static void Unit(Quantity q, const char* name) { ASSERT_TRUE(core::SelectUnitByName(q, name)); }

    vehicle::AeroCaptions out;
};

// A car at speed: 400 N of drag and 200 N of rolling resistance, 1000 N of downforce.
void SetMovingCar() {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.FrontalArea = 2.0f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = 0.1f;
    auto& s = vehicle::AeroCode();
    s.DragCoeffs = {0.7f, 0.05f, 0.2f, 0.1f};  // body's with compressibility: not shown
    s.LiftCoeffs = {0.2f, -0.3f, -0.8f, -0.4f};
    auto& a = s.LiveAero;
    a.Drag = {250.0f, 20.0f, 80.0f, 50.0f};
    a.Lift = {100.0f, -300.0f, -320.0f, -480.0f};
    a.TotalDrag = 400.0f;
    a.TotalLift = -1000.0f;
    a.TotalRollingResistance = 200.0f;
    a.TotalResistance = 600.0f;
    a.ResistancePower = 15.0f;
    a.WheelLoad = {3000.0f, 3000.0f, 2500.0f, 2500.0f};
    s.TopSpeed = 50.0f;
    s.AeroWheelLoadFrontShare = 0.4567f;
    s.AeroLoadFrontShare = 0.45f;
    s.AeroLoadRatio = 1.0834f;
    s.FrontWingAngleEff = 5.5f;
    s.RearWingAngleEff = 11.25f;
}

TEST_F(AeroDisplayTest, MovingCarInSiAndOtherUnits) {
    SetMovingCar();
    Build({6, 12, 25, 0.455f});
    EXPECT_EQ(Text(2, LabelArray::Set_AeroLabel), "0.1 rad");   // 6 deg = 0.1047 rad
    EXPECT_EQ(Text(3, LabelArray::Set_AeroLabel), "0.21 rad");  // 12 deg = 0.2094 rad
    EXPECT_EQ(Text(104, LabelArray::Set_LiveLabel), "25 m/s");
    EXPECT_EQ(Text(10), "400 N");
    EXPECT_EQ(Text(13), "67% / 33%");
    EXPECT_EQ(Text(15), "2.5 : 1");  // 1000 N of downforce on 400 N of drag
    EXPECT_EQ(Text(22), "6000 N");   // front pair of wheel loads
    EXPECT_EQ(Text(24), "45.7% / 54.3%");
    EXPECT_EQ(Text(25), "45% / 55%");
    // Body: 2 m^2 x 0.32 without compressibility; areas carry no suffix.
    EXPECT_EQ(Text(37), "0.64");
    EXPECT_EQ(Text(41), "-0.4 : 1");
    EXPECT_EQ(Text(51), "15 : 1");   // undertray 300 / 20
    EXPECT_EQ(Text(59), "50 N");     // front wing is element 3
    EXPECT_EQ(Text(61), "9.6 : 1");  // 480 / 50
    EXPECT_EQ(Text(69), "80 N");     // rear wing is element 2
    EXPECT_EQ(Text(75), "0.1 rad");  // 5.5 deg = 0.096 rad
    // Air: 293.15 K, 101387.55 Pa, 101387.555 / 84148.7 = 1.20486 kg/m^3.
    EXPECT_EQ(Text(29), "20\u00B0C");
    EXPECT_EQ(Text(30), "101 kPa");
    EXPECT_EQ(Text(31), "1.205 kg/m\u00B3");

    Unit(Quantity::Speed, "Kilometres per hour");
    Unit(Quantity::Force, "Sthenes (kilonewtons)");
    Unit(Quantity::Power, "Horsepower (original)");
    Unit(Quantity::Angle, "Degrees");
    Unit(Quantity::Area, "Square centimetres");
    Unit(Quantity::Pressure, "Pounds per square inch");
    Build({6, 12, 25, 0.455f});
    EXPECT_EQ(Text(104, LabelArray::Set_LiveLabel), "90 km/h");
    EXPECT_EQ(Text(22), "6 kN");
    EXPECT_EQ(Text(77), "20 hp");  // 15 kW x 1.341 = 20.1
    EXPECT_EQ(Text(2, LabelArray::Set_AeroLabel), "6\u00B0");
    EXPECT_EQ(Text(37), "6400");   // 0.64 m^2 in cm^2
    EXPECT_EQ(Text(30), "14.7 psi");  // 101387.55 Pa / 6894.9 Pa per psi (program's inch)
}

TEST_F(AeroDisplayTest, StandingStillHasNoRatiosAndNoBalance) {
    auto& a = vehicle::AeroCode().LiveAero;
    a.TotalRollingResistance = 150.0f;  // rolling resistance only
    a.TotalResistance = 150.0f;
    a.WheelLoad = {3000.0f, 3000.0f, 2500.0f, 2500.0f};
    vehicle::AeroCode().AeroWheelLoadFrontShare = 6.0f / 11.0f;
    Build({0, 0, 0, 0.55f});
    for (int index : {15, 41, 51, 61, 71}) EXPECT_EQ(Text(index), "N/A") << index;
    EXPECT_EQ(Text(13), "0% / 100%");
    EXPECT_EQ(Text(25), "N/A");
    EXPECT_EQ(out.BalanceToolTip, "N/A");
    EXPECT_EQ(out.BalanceColour, AeroBalanceColour::Black);

    // Nothing at all (no vehicle) and a damaged figure: never "NaN" or "Inf".
    sample::ResetAll();
    vehicle::AeroCode().LiveAero.TotalLift = std::numeric_limits<float>::quiet_NaN();
    vehicle::AeroCode().AeroWheelLoadFrontShare = std::numeric_limits<float>::infinity();
    Build();
    EXPECT_EQ(Text(13), "N/A");
    EXPECT_EQ(Text(14), "N/A");
    EXPECT_EQ(Text(24), "N/A");
    for (const auto& c : out.Captions) {
        EXPECT_EQ(c.Text.find("NaN"), std::string::npos) << c.Index;
        EXPECT_EQ(c.Text.find("Inf"), std::string::npos) << c.Index;
        EXPECT_FALSE(c.Text.empty()) << c.Index;
    }
}

// The top speed of a vehicle whose runs are refused (a tyre on its rim), or that tips, reads
// "N/A"; refused, so do the rolling resistance and what is made of it; the axle loads stay.
TEST_F(AeroDisplayTest, TopSpeedOfAVehicleThatTipsOrIsRefusedIsNotApplicable) {
    SetMovingCar();
    vehicle::AeroCaptionInputs in{0, 0, 25, 0.5f, true};
    Build(in);
    for (int index : {17, 11, 12, 13, 77}) EXPECT_EQ(Text(index), "N/A") << index;
    EXPECT_EQ(Text(22), "6000 N");
    in.RunsRefused = false;
    vehicle::AeroCode().LiveAero.WheelLoad = {-100.0f, -100.0f, 3000.0f, 3000.0f};  // tips
    Build(in);
    EXPECT_EQ(Text(17), "N/A");
}

// The wheel loads' front share is a share while both axles carry load (a lift beyond one
// gave 676.2% / -576.2%).
TEST_F(AeroDisplayTest, WheelLoadShareOnlyWithBothAxlesOnTheGround) {
    SetMovingCar();
    for (const auto& [rear, text] : {std::pair{0.0f, "45.7% / 54.3%"}, {-400.0f, "N/A"}}) {
        vehicle::AeroCode().LiveAero.WheelLoad = {600.0f, 700.0f, rear, rear};
        Build({0, 0, 25, 0.5f});
        EXPECT_EQ(Text(24), text) << rear;
    }
}

TEST_F(AeroDisplayTest, BalanceIsGreenFromThreeQuartersOfAPointBehindToAQuarterAhead) {
    using vehicle::AeroBalanceColourFor;
    const float cog = 0.5f;
    EXPECT_EQ(AeroBalanceColourFor(0.4924f, cog), AeroBalanceColour::Blue);
    EXPECT_EQ(AeroBalanceColourFor(0.4926f, cog), AeroBalanceColour::Green);
    EXPECT_EQ(AeroBalanceColourFor(0.5f, cog), AeroBalanceColour::Green);
    EXPECT_EQ(AeroBalanceColourFor(0.5024f, cog), AeroBalanceColour::Green);
    EXPECT_EQ(AeroBalanceColourFor(0.5026f, cog), AeroBalanceColour::Red);
    EXPECT_EQ(AeroBalanceColourFor(0.0f, cog), AeroBalanceColour::Black);

    // A valid balance clears the "N/A" tool tip a standstill left.
    SetMovingCar();
    vehicle::AeroCode().AeroLoadFrontShare = 0.6f;
    Build({0, 0, 0, 0.5f});
    EXPECT_EQ(out.BalanceColour, AeroBalanceColour::Red);
    EXPECT_EQ(Text(25), "60% / 40%");
    EXPECT_TRUE(out.BalanceToolTip.empty());
}

// Lift and downforce that cancel leave a total near zero, whose front share is huge: no
// balance is shown. A small total that is no accident of cancelling still has one.
TEST_F(AeroDisplayTest, BalanceOfATotalLiftNearZeroIsNotApplicable) {
    SetMovingCar();
    auto& s = vehicle::AeroCode();
    s.LiveAero.Lift = {300.0f, -100.0f, -100.0f, -99.999f};
    s.LiveAero.TotalLift = 0.001f;
    s.AeroLoadFrontShare = -4.256126e24f;
    Build({0, 0, 25, 0.5f});
    EXPECT_EQ(Text(25), "N/A");
    EXPECT_EQ(out.BalanceColour, AeroBalanceColour::Black);
    EXPECT_EQ(out.BalanceToolTip, "N/A");

    s.LiveAero.Lift = {0.0f, -2.0f, -2.0f, 0.0f};
    s.LiveAero.TotalLift = -4.0f;
    s.AeroLoadFrontShare = 0.5f;
    Build({0, 0, 1, 0.5f});
    EXPECT_EQ(Text(25), "50% / 50%");

    // The line lies at a quarter of the loads the total is made of, per wheel: half of each
    // element's lift and the drag-pitch load. Lifts of 300, -100, -100 and the last one:
    for (const auto [last, dragPitch, shown] :
         {std::tuple{-97.0f, 0.0f, false},  // 3 N of 597: cancelling
          {-30.0f, 0.0f, false},           // 35 per wheel, under a quarter of 265
          {100.0f, 0.0f, true},            // 100, over a quarter of 300
          {100.0f, 150.0f, false}}) {      // under a quarter of 450: a lift coefficient of 0.001
        s.LiveAero.Lift = {300.0f, -100.0f, -100.0f, last};
        s.LiveAero.TotalLift = 100.0f + last;
        s.LiveAero.DragPitchLoad = {dragPitch, dragPitch, -dragPitch, -dragPitch};
        s.AeroLoadFrontShare = 0.3f;
        Build({0, 0, 25, 0.5f});
        EXPECT_EQ(Text(25), shown ? "30% / 70%" : "N/A") << last << " " << dragPitch;
    }
}

}  // namespace
