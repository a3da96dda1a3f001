// The sample cars shipped in data/: each is loaded through the real start-up from a copy of
// the shipped program folder, selected as a person would (which applies its default setup),
// and its acceleration run and top speed are compared with published figures of the real car.
//
// Tolerance: 15 % on every time and speed. The published times are single road-test runs by a
// skilled driver (launch revs and shift technique vary by several per cent between tests of
// the same car), the makers' masses and power figures carry their own production tolerances,
// and several inputs (centre of gravity height, drivetrain losses, tyre grip) are estimates;
// a fault in the physics or the data (a unit slip, a missing factor) shows as 30 % or more.
//
// The run launches at a fixed engine speed, idle plus a quarter of the way to the start of the
// torque plateau (1600 rpm for the turbocharged all-wheel-drive car, 1860 rpm for the rear-drive
// six), with the clutch factor rising from 0.6 as the road speed builds, where a road test
// drops the clutch at 4000-5000 rpm. The cars' data match their makers' figures (peak torque and
// its engine speed, power, ratios, tyres, masses); the standing start is the launch's own cost:
// a launch at 4500 rpm with the clutch closed takes 0-60 mph from 5.97 to 5.18 s for the
// all-wheel-drive car and from 5.34 to 5.05 s for the rear-drive one. The all-wheel-drive car
// loses about 1.4 s to its test, so its rolling acceleration (60 mph to the quarter mile) is
// what the 15 % applies to, and the standing time is only bounded.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "analysis/PhysicalCode.hpp"
#include "support/StartedProgram.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/EngineCode.hpp"

namespace {

namespace fs = std::filesystem;

constexpr double kKmh = 1.0 / 3.6;            // m/s per km/h
constexpr double kMph = 0.44704;              // m/s per mph
constexpr double kQuarterMile = 402.336;      // m
constexpr double kTolerance = 0.15;

// Published performance of the real car. 0 = no published figure to compare with.
struct Published {
    const char* name;       // vehicle name as stored
    int index;              // position in the shipped start-up list
    double peakTorque;      // N m, maker's figure
    double peakPower;       // kW, maker's figure
    double to100kmh;        // s, 0-100 km/h
    double to60mph;         // s, 0-60 mph
    double quarterMile;     // s, standing quarter mile (402 m)
    double topSpeedKmh;     // km/h
    bool topSpeedLimited;   // the published top speed is an electronic limit
    bool launchLimited;     // standing start dominated by the run's low launch speed
};

// Makers' data for power, torque, 0-100 km/h and top speed; magazine road tests for 0-60 mph
// and the quarter mile.
constexpr Published kCars[] = {
    {"VW Golf GTI Mk7", 0, 350.0, 162.0, 6.5, 0.0, 14.5, 246.0, false, false},
    {"BMW M3 E46", 1, 365.0, 252.0, 5.2, 4.8, 13.3, 250.0, true, false},
    {"Subaru Impreza WRX STI", 2, 407.0, 224.0, 0.0, 4.6, 13.2, 255.0, false, true},
};

class SampleVehiclesTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
    }
};

// Time (s) at which column `col` of the run first reaches `target`, interpolated between
// steps; -1 when never reached.
double TimeToReach(int col, double target) {
    const auto& s = analysis::AccelerationCode();
    for (int32_t k = 1; k <= s.AccLastStep; ++k) {
        const double a = s.Row(k - 1, col), b = s.Row(k, col);
        if (b >= target && a < target)
            return s.AccTimeStep * ((k - 1) + (target - a) / (b - a));
    }
    return -1.0;
}

bool RunIsFinite() {
    const auto& s = analysis::AccelerationCode();
    for (int32_t k = 0; k <= s.AccLastStep; ++k)
        for (int c = 0; c < analysis::kAccColumns; ++c)
            if (!std::isfinite(s.Row(k, c))) return false;
    for (float r : s.AccResults)
        if (!std::isfinite(r)) return false;
    return true;
}

void ExpectNear(double program, double published, const char* what, const char* car) {
    if (published <= 0.0) return;
    EXPECT_NEAR(program, published, kTolerance * published) << car << ": " << what;
}

TEST_F(SampleVehiclesTest, ShippedListLoadsAllThreeCarsWithTheirDefaultSetups) {
    Start();
    const auto& g = core::GlobalChassisLab();
    ASSERT_EQ(g.VehicleCount, 3);
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
    std::array<uint8_t, 3> driveTypes{};
    for (const Published& car : kCars) {
        EXPECT_EQ(g.Vehicles[static_cast<std::size_t>(car.index)].Name,
                  vehicle::PaddedVehicleName(car.name));
        driveTypes[static_cast<std::size_t>(car.index)] =
            g.Vehicles[static_cast<std::size_t>(car.index)].Drivetrain.DriveType;
        EXPECT_TRUE(fs::exists(root / "setups" / (std::string(car.name) + "_Default.set")))
            << car.name;
    }
    // One car of each wheel-driven layout.
    EXPECT_EQ(driveTypes, (std::array<uint8_t, 3>{vehicle::kDriveFront, vehicle::kDriveRear,
                                                  vehicle::kDriveAll}));
}

TEST_F(SampleVehiclesTest, AccelerationAndTopSpeedMatchPublishedFigures) {
    ui::Main& w = Start();
    for (const Published& car : kCars) {
        SCOPED_TRACE(car.name);
        if (car.index > 0) w.Main_SelectVeh->UserSelect(car.index);
        const auto& g = core::GlobalChassisLab();
        ASSERT_EQ(g.CurrentVehicle.Name, vehicle::PaddedVehicleName(car.name));
        // The default setup was applied: its gear ratios are in the boxes.
        EXPECT_NE(w.Set_GearRatioText(8).Text(), "");
        ASSERT_GT(analysis::AccelerationCode().AccLastStep, 100);
        EXPECT_TRUE(RunIsFinite());

        const double t100 = TimeToReach(analysis::AccCol::Speed, 100.0 * kKmh);
        const double t60 = TimeToReach(analysis::AccCol::Speed, 60.0 * kMph);
        const double t400 = TimeToReach(analysis::AccCol::Distance, 400.0);
        const double tQuarter = TimeToReach(analysis::AccCol::Distance, kQuarterMile);
        const double vTop = vehicle::AeroCode().TopSpeed / kKmh;
        std::printf("%-24s mass %.0f kg  0-60 mph %.2f s  0-100 km/h %.2f s  400 m %.2f s  "
                    "1/4 mile %.2f s  top speed %.1f km/h  run end %.1f km/h\n",
                    car.name, analysis::PhysicalCode().TotalMass, t60, t100, t400, tQuarter,
                    vTop,
                    analysis::AccelerationCode().AccResults[analysis::AccRes::FinalSpeed] / kKmh);
        EXPECT_TRUE(std::isfinite(vTop));

        // The fitted torque curve passes through the published peaks (a kW/PS or rpm/rad/s
        // slip in the data would miss them by far more).
        vehicle::EngineRecord engine = vehicle::EngineCode().CurrentEngine;
        vehicle::ScanEnginePeaks(engine);
        EXPECT_NEAR(vehicle::EngineCode().ScannedTorquePeak, car.peakTorque, 0.01 * car.peakTorque);
        EXPECT_NEAR(vehicle::EngineCode().ScannedPowerPeak, car.peakPower, 0.03 * car.peakPower);

        if (car.launchLimited) {
            ASSERT_GT(car.to60mph, 0.0);
            ExpectNear(tQuarter - t60, car.quarterMile - car.to60mph, "60 mph to 1/4 mile",
                       car.name);
            EXPECT_GT(t60, car.to60mph);  // the low launch speed costs time, never gains it
            EXPECT_LT(t60, car.to60mph * 1.35);
        } else {
            ExpectNear(t100, car.to100kmh, "0-100 km/h", car.name);
            ExpectNear(t60, car.to60mph, "0-60 mph", car.name);
        }
        ExpectNear(tQuarter, car.quarterMile, "quarter mile", car.name);
        if (car.topSpeedLimited) {
            // The car's limiter stops it; the program models none, so the drag-limited speed
            // lies above the limit. The closed-form check, efficiency x power = 1/2 rho Cd A v^3
            // plus rolling resistance, gives about 287 km/h for the data; 20 % above the
            // limit bounds it.
            EXPECT_GE(vTop, car.topSpeedKmh);
            EXPECT_LE(vTop, car.topSpeedKmh * 1.2);
        } else {
            ExpectNear(vTop, car.topSpeedKmh, "top speed", car.name);
        }
    }
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
    EXPECT_EQ(platform::SliderClampTotal(), 0);
}

}  // namespace
