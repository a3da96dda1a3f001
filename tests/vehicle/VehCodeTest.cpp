// The vehicle list: padded names, lookups, the 200-vehicle limit.
#include <gtest/gtest.h>

#include "core/GlobalChassisLab.hpp"
#include "vehicle/VehCode.hpp"

namespace {

class VehCodeTest : public ::testing::Test {
protected:
    void SetUp() override { core::GlobalChassisLab() = core::GlobalChassisLabState{}; }
    void TearDown() override { core::GlobalChassisLab() = core::GlobalChassisLabState{}; }
    static vehicle::VehicleRecord Named(const std::string& name, float mass = 1000.0f) {
        vehicle::VehicleRecord v;
        v.Name = name;  // deliberately unpadded: the list pads it
        v.BodyMass = mass;
        return v;
    }
};

TEST_F(VehCodeTest, NamesArePaddedOrCutToThirtyTwoCharacters) {
    vehicle::VehicleRecord v;
    EXPECT_EQ(v.Name, std::string(32, ' '));
    vehicle::SetVehicleName(v, "Car");
    EXPECT_EQ(v.Name, "Car" + std::string(29, ' '));
    vehicle::SetVehicleName(v, std::string(40, 'x'));
    EXPECT_EQ(v.Name, std::string(32, 'x'));
}

TEST_F(VehCodeTest, AppendLookupAndReplace) {
    auto& g = core::GlobalChassisLab();
    ASSERT_TRUE(vehicle::AppendVehicle(Named("Alpha", 1.0f)));
    ASSERT_TRUE(vehicle::AppendVehicle(Named("Bravo   ", 2.0f)));
    ASSERT_TRUE(vehicle::AppendVehicle(Named("Alpha", 3.0f)));
    EXPECT_EQ(g.VehicleCount, 3);
    EXPECT_EQ(g.Vehicles[1].Name, "Bravo" + std::string(27, ' '));

    // Trailing blanks do not matter, letter case does; the last match wins.
    EXPECT_EQ(vehicle::FindVehicleIndex("Bravo"), 1);
    EXPECT_EQ(vehicle::FindVehicleIndex(g.Vehicles[1].Name), 1);
    EXPECT_EQ(vehicle::FindVehicleIndex("Alpha"), 2);
    EXPECT_EQ(vehicle::FindVehicleIndex("alpha"), -1);
    EXPECT_EQ(vehicle::FindVehicleIndex(" Bravo"), -1);

    ASSERT_TRUE(vehicle::ReplaceVehicle(Named("Bravo", 20.0f)));
    EXPECT_EQ(g.Vehicles[1].BodyMass, 20.0f);
    EXPECT_EQ(g.Vehicles[1].Name.size(), 32u);
    EXPECT_FALSE(vehicle::ReplaceVehicle(Named("Charlie")));
    EXPECT_EQ(g.VehicleCount, 3);
}

TEST_F(VehCodeTest, ListStopsAtTwoHundred) {
    auto& g = core::GlobalChassisLab();
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(vehicle::AppendVehicle(Named(std::to_string(i))));
    EXPECT_TRUE(vehicle::VehicleListFull());
    EXPECT_FALSE(vehicle::AppendVehicle(Named("one too many")));
    EXPECT_EQ(g.VehicleCount, 200);
    EXPECT_EQ(g.Vehicles.size(), 200u);
    EXPECT_EQ(vehicle::FindVehicleIndex("one too many"), -1);
}

}  // namespace
