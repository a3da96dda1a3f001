// Fuel table and benchmark targets, checked against hand calculations.
#include <gtest/gtest.h>

#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"

namespace {

const core::FuelTypeRecord& Fuel(std::size_t i) { return core::FuelTable().FuelTypes.at(i); }

class FuelTypesTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::FuelTable() = core::FuelTypesState{};
        core::InitFuelTypes();
    }
};

TEST_F(FuelTypesTest, PlainFuelsEnergyIsDensityTimesSpecificEnergy) {
    // Hand: 0.73722 kg/L x 43.8 MJ/kg = 32,290,236 J/L; floats near 3e7 are 2 apart.
    EXPECT_NEAR(Fuel(0).EnergyPerLitre, 32290236.0, 2.0);
    EXPECT_NEAR(Fuel(1).EnergyPerLitre, 0.842 * 42500000.0, 4.0);  // 35,785,000
    EXPECT_NEAR(Fuel(4).EnergyPerLitre, 21050520.0, 2.0);
    EXPECT_NEAR(Fuel(9).EnergyPerLitre, 12802500.0, 1.0);
    EXPECT_FLOAT_EQ(Fuel(0).Density, 0.73722f);
    // An electric car burns nothing.
    EXPECT_EQ(Fuel(3).Name, "Electric / No Fuel");
    EXPECT_EQ(Fuel(3).Density, 0.0f);
    EXPECT_EQ(Fuel(3).EnergyPerLitre, 0.0f);
}

TEST_F(FuelTypesTest, BlendsMixByVolume) {
    // E85: 0.85 x 21,050,520 + 0.15 x 32,290,236 = 22,736,477.4 J/L;
    // density 0.85 x 0.789 + 0.15 x 0.73722 = 0.781233 kg/L.
    EXPECT_NEAR(Fuel(5).EnergyPerLitre, 22736478.0, 4.0);
    EXPECT_NEAR(Fuel(5).Density, 0.781233, 1e-6);
    // 85 % of the way from gasoline towards ethanol, in both.
    EXPECT_NEAR((Fuel(5).Density - Fuel(0).Density) / (Fuel(4).Density - Fuel(0).Density), 0.85, 1e-5);
    EXPECT_LT(Fuel(5).EnergyPerLitre, Fuel(0).EnergyPerLitre);
    EXPECT_GT(Fuel(5).EnergyPerLitre, Fuel(4).EnergyPerLitre);
    // Nitromethane 90 %: 0.9 x 12,802,500 + 0.1 x 15,796,410 = 13,101,891; 50 %: 14,299,455.
    EXPECT_NEAR(Fuel(10).EnergyPerLitre, 13101891.0, 2.0);
    EXPECT_NEAR(Fuel(10).Density, 1.10338, 1e-6);
    EXPECT_NEAR(Fuel(11).EnergyPerLitre, 14299455.0, 2.0);
    EXPECT_NEAR(Fuel(11).Density, 0.9649, 1e-6);
}

class AccTargetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::AccTargetTable() = core::AccTargetsState{};
        core::InitAccTargets();
    }
    double At(std::size_t unit, std::size_t row) {
        return core::AccTargetTable().AccTargets.at(unit).at(row);
    }
};

TEST_F(AccTargetsTest, RoundFiguresInEachSpeedUnit) {
    // m/s: 15 to 75 in steps of 15, 500 m and 1000 m.
    for (std::size_t r = 0; r < 5; ++r) EXPECT_DOUBLE_EQ(At(0, r), 15.0 * (r + 1));
    EXPECT_DOUBLE_EQ(At(0, 5), 500.0);
    // km/h: 50 km/h = 13.888... m/s, 100 km/h = 27.777... m/s.
    EXPECT_NEAR(At(1, 0), 13.8888889, 1e-6);
    EXPECT_NEAR(At(1, 1), 27.7777778, 1e-6);
    EXPECT_DOUBLE_EQ(At(1, 6), 1000.0);
    // mph: 30 mph = 13.4112 m/s, 60 mph = 26.8224 m/s; quarter mile and mile.
    EXPECT_NEAR(At(2, 0), 13.4112, 1e-9);
    EXPECT_NEAR(At(2, 1), 26.8224, 1e-9);
    EXPECT_NEAR(At(2, 5), 402.336, 1e-9);
    EXPECT_NEAR(At(2, 6), 1609.344, 1e-9);
    // knots: 30 kn = 30 x 1852 m / 3600 s = 15.433 m/s (the program's mile ratio gives a
    // nautical mile of 1852.0005 m).
    EXPECT_NEAR(At(3, 0), 15.43334, 1e-4);
    EXPECT_NEAR(At(3, 5), 463.0001, 1e-3);
    EXPECT_NEAR(At(3, 6), 1852.0005, 1e-3);
    // ft/s: 50 ft/s = 15.24 m/s; 1000 ft and 6000 ft.
    EXPECT_NEAR(At(4, 0), 15.24, 1e-6);
    EXPECT_NEAR(At(4, 4), 76.2, 1e-6);
    EXPECT_NEAR(At(4, 5), 304.8, 1e-6);
    EXPECT_NEAR(At(4, 6), 1828.8, 1e-6);
}

}  // namespace
