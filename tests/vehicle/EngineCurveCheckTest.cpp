// The check of an engine's full-throttle curve against its own peak torque: engines of makers'
// published figures at the vehicle editor's default shapes pass, the shipped cars pass, and
// curves that run away past the power peak are refused.
#include "vehicle/EngineCurveCheck.hpp"

#include <gtest/gtest.h>

#include "support/SampleVehicles.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

using vehicle::EngineFigures;

// Torque (N m) over its plateau (rpm), power (kW) at its peak (rpm; the top of a power band,
// as the shipped cars enter it), limit and idle (rpm).
struct Published {
    const char* name;
    float torque, plateauStart, plateauEnd, power, powerPeak, limit, idle;
};

// The editor's shape sliders as the form starts: 60, 15, 60, 25, 0, 0.
EngineFigures AtDefaultShapes(const Published& p) {
    EngineFigures f{};
    f.PeakTorque = p.torque;
    f.TorquePeakRPM = p.plateauStart;
    f.TorquePeakWidth = p.plateauEnd - p.plateauStart;
    f.PeakPower = p.power;
    f.PowerPeakRPM = p.powerPeak;
    f.LimitRPM = p.limit;
    f.IdleRPM = p.idle;
    f.IdleTorqueFraction = 0.6f;
    f.LowerShape = 1.5f;
    f.UpperShapeA = 0.6f;
    f.UpperShapeB = 0.9975f;
    f.ReducePowerFactor = 1.0f;
    f.ShiftPowerFactor = 1.0f;
    return f;
}

float Rise(const EngineFigures& f) {
    vehicle::EngineRecord e = vehicle::EngineRecordFromFigures(f, vehicle::kDriveRear);
    vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
    return vehicle::FullThrottlePeak(e) / e.PeakTorque;
}

TEST(EngineCurveCheck, PublishedEnginesAtTheDefaultShapesPass) {
    const Published engines[] = {
        // High-revving, the limit well above the power peak.
        {"Honda S2000 F20C", 208, 7500, 7500, 177, 8300, 9000, 800},
        {"Honda Civic Type R B16B", 160, 7500, 7500, 136, 8200, 9000, 800},
        {"Mazda RX-8 Renesis", 211, 5500, 5500, 170, 8200, 9000, 800},
        {"Mitsubishi Lancer Evo IX", 355, 3500, 3500, 206, 6500, 7500, 800},
        {"Ford Focus RS Mk3", 440, 2000, 4500, 257, 6000, 6800, 800},
        {"Porsche 911 Carrera S 992", 530, 2300, 5000, 331, 6500, 7500, 800},
        {"Ferrari 458 Italia", 540, 6000, 6000, 425, 9000, 9000, 1000},
        {"Fiat 500 1.2", 102, 3000, 3000, 51, 5500, 6500, 800},
        {"VW up! 1.0", 95, 3000, 4300, 44, 6000, 6500, 750},
        {"Toyota GT86", 205, 6400, 6600, 147, 7000, 7400, 700},
        // Diesels: limits 25 to 40 % above the power peak, the highest rises measured.
        {"VW Golf 2.0 TDI", 340, 1750, 3000, 110, 4000, 5000, 800},
        {"VW 1.6 TDI", 250, 1500, 3200, 85, 4000, 5000, 800},
        {"Toyota Hilux 2.8 D-4D", 500, 1600, 2800, 150, 3400, 4400, 700},
        {"Ford Transit 2.0 EcoBlue", 385, 1600, 2300, 96, 3500, 4800, 750},
    };
    for (const Published& p : engines) EXPECT_LT(Rise(AtDefaultShapes(p)), 3.7f) << p.name;

    // The shipped cars at their own shapes, and with the shape sliders at any of their ends
    // (at most 2.1, the Subaru).
    for (const vehicle::VehicleRecord& car : vehtest::ShippedCars()) {
        EXPECT_NEAR(Rise(car.Engine), 1.0f, 1e-3f);
        for (int corner = 0; corner < 64; ++corner) {
            const EngineFigures f = vehtest::AtShapeCorner(car.Engine, corner);
            EXPECT_LT(Rise(f), 2.2f) << car.Name << ", shapes " << corner;
        }
    }
}

// Past the power peak the quartic climbs as the fourth power: the Golf with a 9000 rpm limit
// and its plateau ending 10 % below the power peak reached 660125 N m at the upper shape's end.
TEST(EngineCurveCheck, RunawayCurvesAreRefusedAndTheStoredCheckKeepsTheFitFlag) {
    sample::ResetAll();
    vehicle::VehicleRecord golf = vehtest::ShippedCars()[2];
    golf.Engine.LimitRPM = 9000.0f;
    golf.Engine.TorquePeakWidth = 0.9f * golf.Engine.PowerPeakRPM - golf.Engine.TorquePeakRPM;
    for (const float shapeA : {0.99f, 0.6f}) {
        golf.Engine.UpperShapeA = shapeA;
        const float rise = Rise(golf.Engine);
        EXPECT_GT(rise, vehicle::kCurvePeakMargin) << shapeA;
        vehicle::EngineCode().MatrixInverseOK = core::VbFalse;
        EXPECT_NEAR(vehicle::StoredCurveRise(golf), rise, 1e-3f);
        EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbFalse);
    }
    golf.Engine.LimitRPM = golf.Engine.PowerPeakRPM;  // stopped at the power peak: passes
    EXPECT_EQ(vehicle::StoredCurveRise(golf), 0.0f);
    // The sample engine's highest torque is its plateau.
    EXPECT_EQ(vehicle::FullThrottlePeak(sample::FittedSampleEngine()), 250.0f);
}

}  // namespace
