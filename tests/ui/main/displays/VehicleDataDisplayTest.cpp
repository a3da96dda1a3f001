// Vehicle data captions: the figure forms (display units, shares with directions, plain
// numbers), the torque plateau, the program's inch, the element positions and the fuel-load
// slider's upper end. Expected texts are worked by hand from the unit table.
#include <gtest/gtest.h>

#include <string>

#include "analysis/LiveStateTestSupport.hpp"
#include "vehicle/VehicleDataDisplay.hpp"

namespace {

using core::Quantity;

class VehicleDataDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        live_test::ResetAll();
        live_test::SetSampleRecord();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        vehicle::EngineCode().CurrentEngine =
            vehicle::EngineRecordFromFigures(v.Engine, v.Drivetrain.DriveType);
    }
    std::string Text(int index) {
        data = vehicle::BuildVehicleDataCaptions();
        for (const auto& c : data.Captions)
            if (c.Index == index) return c.Text;
        ADD_FAILURE() << "no caption " << index;
        return {};
    }
    static vehicle::VehicleRecord& V() { return core::GlobalChassisLab().CurrentVehicle; }

    vehicle::VehicleDataCaptions data;
};

TEST_F(VehicleDataDisplayTest, TorquePlateauIsShownAsARangeOrAtOneSpeed) {
    // 4000 to 5000 rpm, shown back in rpm through 60 / (2 x 3.141592653589).
    ASSERT_TRUE(core::SelectUnitByName(Quantity::ARV, "Revolutions per minute"));
    EXPECT_EQ(Text(135), "250 Nm @ 4000-5000 rpm");
    EXPECT_EQ(Text(136), "150 kW @ 6500 rpm");
    EXPECT_EQ(Text(144), "1000 rpm");
    auto& e = vehicle::EngineCode().CurrentEngine;
    e.TorquePeakEnd = e.TorquePeakStart;
    EXPECT_EQ(Text(135), "250 Nm @ 4000 rpm");
    EXPECT_EQ(Text(144), "0 rpm");
    // The same plateau in rad/s: 418.879 rad/s.
    ASSERT_TRUE(core::SelectUnitByName(Quantity::ARV, "Radians per second"));
    EXPECT_EQ(Text(135), "250 Nm @ 419 rad/s");
}

TEST_F(VehicleDataDisplayTest, WheelFiguresUseTheProgramsInch) {
    V().Tyres[0] = {205, 55, 15};
    // 15 / 0.393900787 / 100 = 0.380807 m.
    EXPECT_EQ(Text(249), "0.38 m");
    EXPECT_EQ(Text(245), "0.21 m");  // 205 mm at 2 decimals
    EXPECT_EQ(Text(247), "55%");
    ASSERT_TRUE(core::SelectUnitByName(Quantity::DistanceSmall, "Inches"));
    // 0.380807 m x 39.3900787 = 15.0 in; 0.205 m = 8.07 in.
    EXPECT_EQ(Text(249), "15 in");
    EXPECT_EQ(Text(245), "8.1 in");
    EXPECT_EQ(Text(235), "1 : 1");
}

TEST_F(VehicleDataDisplayTest, PlainFiguresAreNotRounded) {
    V().Drivetrain.DrivetrainEfficiency = 0.85f;
    EXPECT_EQ(Text(139), "85");
    EXPECT_EQ(Text(142), "200ms");
    V().DragCoefficient = 0.3125f;
    EXPECT_EQ(Text(336), "0.3125");
    EXPECT_EQ(Text(141), "Yes");
    V().Drivetrain.HasReverse = core::VbFalse;
    EXPECT_EQ(Text(141), "No");
    EXPECT_EQ(Text(140), "5");
    EXPECT_EQ(Text(44), "4");
}

TEST_F(VehicleDataDisplayTest, PositionsAsSharesWithTheirDirection) {
    V().BodyCoG = {0.5f, 0.55f, 0.35f};
    V().FuelTankPos.Y = 0.255f;
    EXPECT_EQ(Text(36), "50% Right");
    EXPECT_EQ(Text(37), "55% Front");
    EXPECT_EQ(Text(41), "25.5% Front");  // one decimal for the tank
    // Body, undertray and rear wing from the rear; the front wing from the front.
    V().AeroElements[0].PosY = 0.45f;
    V().AeroElements[2].PosY = -0.1f;
    V().AeroElements[3].PosY = 1.1f;
    EXPECT_EQ(Text(338), "55% Rear");
    EXPECT_EQ(Text(340), "110% Rear");
    EXPECT_EQ(Text(341), "110% Front");
}

TEST_F(VehicleDataDisplayTest, NamesFromTheTablesAndNoneBeyondThem) {
    EXPECT_EQ(Text(348).size(), vehicle::kAeroNameLength);  // blanks kept
    // A row beyond its table (a damaged file) is not a name.
    vehicle::EngineCode().CurrentEngine.FuelType = 200;
    V().AeroElements[1].DeviceType = 99;
    EXPECT_EQ(Text(137), "N/A");
    EXPECT_EQ(Text(347), "N/A");
}

TEST_F(VehicleDataDisplayTest, FuelSliderTopIsTheCapacityHalvesToEven) {
    V().FuelTankCapacity = 42.5f;
    Text(40);
    EXPECT_EQ(data.FuelLoadMax, 42);
    V().FuelTankCapacity = 43.5f;
    EXPECT_EQ(Text(40), "43.5 l");
    EXPECT_EQ(data.FuelLoadMax, 44);
    // Written straight after the tank figures.
    ASSERT_GT(data.FuelMaxAfter, 0u);
    EXPECT_EQ(data.Captions[data.FuelMaxAfter - 1].Index, 42);
    EXPECT_EQ(data.Captions[data.FuelMaxAfter].Index, 43);
}

// An all-zero record's captions (never "NaN" or "Inf") are checked on the window, in
// LiveDisplaysTest.
TEST_F(VehicleDataDisplayTest, MassesInTheirUnit) {
    EXPECT_EQ(Text(35), "1000 kg");
    ASSERT_TRUE(core::SelectUnitByName(Quantity::Mass, "Pounds"));
    EXPECT_EQ(Text(35), "2205 lb");
    EXPECT_EQ(Text(243), "154 lb");  // 70 kg of unsprung mass
}

}  // namespace
