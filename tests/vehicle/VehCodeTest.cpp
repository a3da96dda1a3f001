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

// ---- Making a vehicle current ----
#include "core/LFSCars.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"

namespace {

class SetCurrentVehicleTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::InitLFSCars();
        vehicle::GearingCode().FrontTorqueShare = 0.25f;
    }
    void TearDown() override { core::GlobalChassisLab() = core::GlobalChassisLabState{}; }

    static vehicle::VehicleRecord Make(const std::string& name, uint8_t driveType) {
        vehicle::VehicleRecord v;
        vehicle::SetVehicleName(v, name);
        v.Drivetrain.DriveType = driveType;
        v.Engine.PowerPeakRPM = 6000.0f;
        v.Engine.IdleRPM = 900.0f;
        v.Engine.LimitRPM = 7000.0f;
        v.Engine.TorquePeakRPM = 4000.0f;
        v.Engine.TorquePeakWidth = 500.0f;
        v.FuelTankPos.X = 0.2f;
        v.Seats[0] = {0.7f, 0.55f, 0.5f};
        v.Seats[1] = {0.3f, 0.2f, 0.52f};
        return v;
    }
};

TEST_F(SetCurrentVehicleTest, CopiesTheVehicleAndDerivesEngineSeatsAndShare) {
    ASSERT_TRUE(vehicle::AppendVehicle(Make("Hatch", vehicle::kDriveFront)));
    ASSERT_TRUE(vehicle::SetCurrentVehicle(vehicle::PaddedVehicleName("Hatch"), 60));
    const auto& g = core::GlobalChassisLab();
    EXPECT_EQ(g.CurrentVehicle.Name, vehicle::PaddedVehicleName("Hatch"));
    EXPECT_EQ(g.HasLFSCar, core::VbFalse);
    EXPECT_FLOAT_EQ(g.CurrentVehicle.FuelTankPos.X, 0.5f);  // the tank sits on the centre line
    const auto& e = vehicle::EngineCode().CurrentEngine;
    // 6000 rpm * pi/30 = 628.3185 rad/s; the plateau 4000..4500 rpm = 418.879..471.239 rad/s.
    EXPECT_NEAR(e.PowerPeakSpeed, 628.3185f, 1e-3f);
    EXPECT_NEAR(e.TorquePeakStart, 418.879f, 1e-3f);
    EXPECT_NEAR(e.TorquePeakEnd, 471.239f, 1e-3f);
    EXPECT_FLOAT_EQ(e.Throttle, 1.0f);
    EXPECT_FLOAT_EQ(vehicle::GearingCode().FrontTorqueShare, 1.0f);
    const auto& s = vehicle::VehCode().SeatPositions;
    const std::array<float, 12> expected{0.7f, 0.55f, 0.5f, 0.7f, 0.2f, 0.52f,
                                         0.5f, 0.2f, 0.52f, 0.3f, 0.2f, 0.52f};
    for (std::size_t i = 0; i < 12; ++i) EXPECT_FLOAT_EQ(s[i], expected[i]) << i;
}

TEST_F(SetCurrentVehicleTest, FrontShareFollowsTheDriveType) {
    ASSERT_TRUE(vehicle::AppendVehicle(Make("RWD", vehicle::kDriveRear)));
    ASSERT_TRUE(vehicle::AppendVehicle(Make("AWD", vehicle::kDriveAll)));
    vehicle::VehicleRecord jet = Make("Jet", vehicle::kDriveThrust);
    jet.Engine.FuelType = 2;  // "LPG (Autogas)", not the first fuel
    ASSERT_TRUE(vehicle::AppendVehicle(jet));
    vehicle::SetCurrentVehicle("RWD", 60);
    EXPECT_FLOAT_EQ(vehicle::GearingCode().FrontTorqueShare, 0.0f);
    vehicle::SetCurrentVehicle("AWD", 60);
    EXPECT_FLOAT_EQ(vehicle::GearingCode().FrontTorqueShare, 0.6f);
    vehicle::SetCurrentVehicle("Jet", 60);
    EXPECT_FLOAT_EQ(vehicle::GearingCode().FrontTorqueShare, -1.0f);
    // Not wheel driven: its thrust height (the plateau speed's field) stays as given, nothing
    // converted to rad/s; the engine speeds it has no use for are not taken, but the list
    // keeps them.
    const auto& engine = vehicle::EngineCode().CurrentEngine;
    EXPECT_FLOAT_EQ(engine.TorquePeakRPM, 4000.0f);
    EXPECT_FLOAT_EQ(engine.PowerPeakSpeed, 0.0f);
    EXPECT_FLOAT_EQ(core::GlobalChassisLab().Vehicles[2].Engine.PowerPeakRPM, 6000.0f);
    // Its fuel still weighs: it keeps its own fuel type.
    EXPECT_EQ(core::GlobalChassisLab().CurrentVehicle.Engine.FuelType, 2);
    EXPECT_EQ(engine.FuelType, 2);
}

TEST_F(SetCurrentVehicleTest, UnknownNameKeepsTheCurrentVehicle) {
    ASSERT_TRUE(vehicle::AppendVehicle(Make("Hatch", vehicle::kDriveFront)));
    ASSERT_TRUE(vehicle::SetCurrentVehicle("Hatch", 50));
    EXPECT_FALSE(vehicle::SetCurrentVehicle("hatch", 50));  // case matters
    EXPECT_EQ(core::GlobalChassisLab().CurrentVehicle.Name, vehicle::PaddedVehicleName("Hatch"));
}

TEST_F(SetCurrentVehicleTest, SimulatorCarIsMatchedByFullNameAndKeptWhenNoneMatches) {
    ASSERT_TRUE(vehicle::AppendVehicle(Make("XR GT", vehicle::kDriveRear)));
    ASSERT_TRUE(vehicle::AppendVehicle(Make("XR GT Turbo", vehicle::kDriveRear)));
    ASSERT_TRUE(vehicle::AppendVehicle(Make("Own car", vehicle::kDriveRear)));
    vehicle::SetCurrentVehicle("XR GT", 50);
    EXPECT_EQ(core::GlobalChassisLab().HasLFSCar, core::VbTrue);
    EXPECT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentLFSCar.Code), "XRG");
    vehicle::SetCurrentVehicle("Own car", 50);
    EXPECT_EQ(core::GlobalChassisLab().HasLFSCar, core::VbFalse);
    EXPECT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentLFSCar.Code), "XRG");
    // A longer name is another row, not a prefix match.
    vehicle::SetCurrentVehicle("XR GT Turbo", 50);
    EXPECT_EQ(core::GlobalChassisLab().HasLFSCar, core::VbTrue);
    EXPECT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentLFSCar.Code), "XRT");
}

}  // namespace
