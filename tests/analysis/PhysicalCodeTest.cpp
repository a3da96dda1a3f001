// Masses and centre of gravity: totals, centres with and without fuel, corner masses and
// loads, and the sprung/unsprung split. Expected figures are moment sums worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/PhysicalCode.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

using analysis::MassInputs;
using analysis::PhysicalCode;

const analysis::SeatPositionTable kSeats = {0.3f, 0.55f, 0.25f,   // front passenger
                                            0.3f, 0.3f,  0.28f,   // rear left
                                            0.5f, 0.3f,  0.3f,    // rear middle
                                            0.7f, 0.3f,  0.28f};  // rear right

MassInputs Empty() {
    MassInputs in;
    in.PassengerTypes = {"None", "None", "None", "None"};
    return in;
}

class PhysicalCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        PhysicalCode() = analysis::PhysicalCodeState{};
        vehicle::TyreCode() = vehicle::TyreCodeState{};
        vehicle::EngineCode() = vehicle::EngineCodeState{};
        core::InitDefaultTexts();
        core::InitFuelTypes();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.BodyMass = 1000.0f;
        v.BodyCoG = {0.5f, 0.6f, 0.3f};
        v.RefHeight = 0.2f;
        v.Wheelbase = 2.5f;
        v.FuelTankPos = {0.5f, 0.3f, 0.1f};
        v.HandicapHeight = 0.15f;
        v.Axles[0].UnsprungMass = 80.0f;
        v.Axles[1].UnsprungMass = 70.0f;
    }
};

TEST_F(PhysicalCodeTest, EmptyVehicleAtSixtyPercentFront) {
    analysis::CalcMassesAndCentreOfGravity(Empty(), kSeats);
    const auto& s = PhysicalCode();
    EXPECT_FLOAT_EQ(s.DryMass, 1000.0f);
    EXPECT_FLOAT_EQ(s.TotalMass, 1000.0f);
    EXPECT_EQ(s.FuelMassIncrease, 0.0f);
    EXPECT_FLOAT_EQ(s.VehicleCoG.X, 0.5f);
    EXPECT_FLOAT_EQ(s.VehicleCoG.Y, 0.6f);
    EXPECT_FLOAT_EQ(s.VehicleCoG.Z, 0.5f);  // 0.3 above the reference plane, plane at 0.2
    EXPECT_FLOAT_EQ(s.StaticCoG.Z, 0.5f);
    // 60 % of 1000 kg on the front axle, split evenly side to side.
    const float mass[] = {300.0f, 300.0f, 200.0f, 200.0f};
    const float load[] = {2941.995f, 2941.995f, 1961.33f, 1961.33f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(s.CornerMass[i], mass[i], 1e-3f) << i;
        EXPECT_NEAR(s.CornerStaticLoad[i], load[i], 1e-3f) << i;
        EXPECT_NEAR(s.CornerMassShare[i], mass[i] / 1000.0f, 1e-6f);
    }
    // CoG 0.4 x 2.5 = 1.0 m behind the front axle, 1.5 m ahead of the rear.
    EXPECT_NEAR(s.CoGAxleDistance[0], 1.0f, 1e-6f);
    EXPECT_NEAR(s.CoGAxleDistance[1], 1.5f, 1e-6f);
}

TEST_F(PhysicalCodeTest, OccupantsWeighSeventyKilogramsAtTheirSeats) {
    MassInputs in = Empty();
    in.PassengerTypes[0] = "Male";
    in.PassengerTypes[3] = "Female";
    in.PassengerTypes[1] = "male";  // not an occupant text: an empty seat
    in.PassengerTypes[2] = "";
    analysis::CalcMassesAndCentreOfGravity(in, kSeats);
    const auto& s = PhysicalCode();
    EXPECT_FLOAT_EQ(s.DryMass, 1140.0f);
    // X: (1000 x 0.5 + 70 x 0.3 + 70 x 0.7) / 1140 = 570 / 1140 = 0.5.
    EXPECT_NEAR(s.VehicleCoG.X, 0.5f, 1e-6f);
    // Y: (600 + 70 x 0.55 + 70 x 0.3) / 1140 = 659.5 / 1140.
    EXPECT_NEAR(s.VehicleCoG.Y, 659.5f / 1140.0f, 1e-6f);
    // Z: (300 + 70 x 0.25 + 70 x 0.28) / 1140 + 0.2.
    EXPECT_NEAR(s.StaticCoG.Z, 337.1f / 1140.0f + 0.2f, 1e-6f);
}

TEST_F(PhysicalCodeTest, HandicapMassSitsOnTheCentreLine) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.BodyCoG.X = 0.4f;
    MassInputs in = Empty();
    in.HandicapMass = 100;
    in.HandicapPosPercent = 80;
    analysis::CalcMassesAndCentreOfGravity(in, kSeats);
    const auto& s = PhysicalCode();
    EXPECT_FLOAT_EQ(s.DryMass, 1100.0f);
    EXPECT_NEAR(s.DryCoG.X, (1000.0f * 0.4f + 100.0f * 0.5f) / 1100.0f, 1e-6f);
    EXPECT_NEAR(s.DryCoG.Y, (600.0f + 80.0f) / 1100.0f, 1e-6f);
    EXPECT_NEAR(s.DryCoG.Z, (300.0f + 15.0f) / 1100.0f, 1e-6f);  // without the plane height
    // The slider holds whole kg up to 255.
    in.HandicapMass = 300;
    analysis::CalcMassesAndCentreOfGravity(in, kSeats);
    EXPECT_FLOAT_EQ(s.DryMass, 1255.0f);
}

TEST_F(PhysicalCodeTest, FuelLoadMovesTheCentreOfGravityTowardsTheTank) {
    vehicle::EngineCode().CurrentEngine.FuelType = 0;  // "Gasoline (Petrol)", 0.73722 kg/L
    MassInputs in = Empty();
    in.FuelLoadLitres = 50;
    analysis::CalcMassesAndCentreOfGravity(in, kSeats);
    const auto& s = PhysicalCode();
    EXPECT_EQ(s.LiveFuelLoad, 50);
    EXPECT_NEAR(s.FuelMass, 36.861f, 1e-4f);
    EXPECT_FLOAT_EQ(s.DryMass, 1000.0f);
    EXPECT_NEAR(s.TotalMass, 1036.861f, 1e-3f);
    EXPECT_NEAR(s.FuelMassIncrease, 0.036861f, 1e-6f);
    // Y: (600 + 36.861 x 0.3) / 1036.861 = 0.589330; the tank is behind the CoG.
    EXPECT_NEAR(s.VehicleCoG.Y, 611.0583f / 1036.861f, 1e-6f);
    EXPECT_NEAR(s.FuelCoGShift.Y, 611.0583f / 1036.861f - 0.6f, 1e-6f);
    // Z: (300 + 3.6861) / 1036.861 + 0.2; the tank is low, so the CoG drops.
    EXPECT_NEAR(s.StaticCoG.Z, 303.6861f / 1036.861f + 0.2f, 1e-6f);
    EXPECT_LT(s.FuelCoGShift.Z, 0.0f);

    // "Electric / No Fuel" weighs nothing whatever the litres; a fuel row beyond the table too.
    vehicle::EngineCode().CurrentEngine.FuelType = 3;
    analysis::CalcMassesAndCentreOfGravity(in, kSeats);
    EXPECT_EQ(s.FuelMass, 0.0f);
    vehicle::EngineCode().CurrentEngine.FuelType = 200;
    analysis::CalcMassesAndCentreOfGravity(in, kSeats);
    EXPECT_EQ(s.FuelMass, 0.0f);
}

TEST_F(PhysicalCodeTest, SprungAndUnsprungSplit) {
    auto& tyres = vehicle::TyreCode().WheelTyres;
    tyres[0].UnloadedRadius = tyres[1].UnloadedRadius = 0.31f;
    tyres[2].UnloadedRadius = tyres[3].UnloadedRadius = 0.33f;
    analysis::CalcMassesAndCentreOfGravity(Empty(), kSeats);
    const auto& s = PhysicalCode();
    EXPECT_FLOAT_EQ(s.UnsprungMass, 150.0f);
    EXPECT_NEAR(s.UnsprungCoG.Y, 80.0f / 150.0f, 1e-6f);
    EXPECT_FLOAT_EQ(s.SprungMass, 850.0f);
    EXPECT_FLOAT_EQ(s.UnsprungCornerMass[1], 40.0f);
    EXPECT_FLOAT_EQ(s.UnsprungCornerMass[2], 35.0f);
    EXPECT_NEAR(s.SprungCornerMass[0], 260.0f, 1e-3f);
    EXPECT_NEAR(s.SprungCornerMass[3], 165.0f, 1e-3f);
    EXPECT_NEAR(s.SprungAxleMass[0], 520.0f, 1e-3f);
    EXPECT_NEAR(s.SprungAxleMass[1], 330.0f, 1e-3f);
    EXPECT_NEAR(s.SprungMassDistribution, 520.0f / 850.0f, 1e-6f);
    EXPECT_NEAR(s.SprungMassShare, 0.85f, 1e-6f);
    EXPECT_NEAR(s.SprungUnsprungRatio, 0.85f / 0.15f, 1e-4f);
    EXPECT_NEAR(s.FrontAxleSprungShare, 520.0f / 600.0f, 1e-6f);
    EXPECT_NEAR(s.RearAxleSprungShare, 330.0f / 400.0f, 1e-6f);
    // Axle centres at the tyre radii: (70 x 0.33 + 80 x 0.31) / 150.
    EXPECT_NEAR(s.StaticUnsprungCoGHeight, 47.9f / 150.0f, 1e-6f);

    std::array<float, 4> sprung{};
    analysis::SubtractUnsprungMasses(sprung, {300, 300, 200, 200});
    EXPECT_FLOAT_EQ(sprung[0], 260.0f);
    EXPECT_FLOAT_EQ(sprung[2], 165.0f);
}

TEST_F(PhysicalCodeTest, SplitCornerMassesOffCentre) {
    std::array<float, 4> out{};
    analysis::SplitCornerMasses(out, 1000.0f, {0.6f, 0.4f, 0.0f});
    // 40 % front, 60 % of each axle on the right.
    EXPECT_NEAR(out[0], 160.0f, 1e-3f);
    EXPECT_NEAR(out[1], 240.0f, 1e-3f);
    EXPECT_NEAR(out[2], 240.0f, 1e-3f);
    EXPECT_NEAR(out[3], 360.0f, 1e-3f);
}

TEST_F(PhysicalCodeTest, ZeroMassesGiveZeroInsteadOfInfinity) {
    auto allFinite = [] {
        const auto& s = PhysicalCode();
        const float v[] = {s.FuelMassIncrease, s.DryCoG.X, s.DryCoG.Y, s.DryCoG.Z,
                           s.VehicleCoG.X, s.VehicleCoG.Y, s.VehicleCoG.Z, s.StaticCoG.Z,
                           s.FuelCoGShift.X, s.FuelCoGShift.Z, s.CornerMassShare[0],
                           s.UnsprungCoG.Y, s.SprungMassShare, s.SprungUnsprungRatio,
                           s.SprungMassDistribution, s.FrontAxleSprungShare,
                           s.RearAxleSprungShare, s.StaticUnsprungCoGHeight};
        for (float x : v)
            if (!std::isfinite(x)) return false;
        return true;
    };
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    // No unsprung mass: the sprung/unsprung ratio has no meaning and shows as 0.
    v.Axles[0].UnsprungMass = v.Axles[1].UnsprungMass = 0.0f;
    analysis::CalcMassesAndCentreOfGravity(Empty(), kSeats);
    EXPECT_TRUE(allFinite());
    EXPECT_EQ(PhysicalCode().UnsprungCoG.Y, 0.0f);
    EXPECT_EQ(PhysicalCode().StaticUnsprungCoGHeight, 0.0f);
    EXPECT_EQ(PhysicalCode().SprungUnsprungRatio, 0.0f);

    // All of the mass unsprung: no sprung mass distribution.
    v.Axles[0].UnsprungMass = 600.0f;
    v.Axles[1].UnsprungMass = 400.0f;
    analysis::CalcMassesAndCentreOfGravity(Empty(), kSeats);
    EXPECT_TRUE(allFinite());
    EXPECT_EQ(PhysicalCode().SprungMassDistribution, 0.0f);

    // A vehicle of no mass at all.
    v.BodyMass = 0.0f;
    analysis::CalcMassesAndCentreOfGravity(Empty(), kSeats);
    EXPECT_TRUE(allFinite());
    EXPECT_EQ(PhysicalCode().VehicleCoG.Y, 0.0f);
    EXPECT_EQ(PhysicalCode().FuelMassIncrease, 0.0f);
    EXPECT_FLOAT_EQ(PhysicalCode().StaticCoG.Z, 0.2f);
}

}  // namespace
