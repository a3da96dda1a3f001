#include "vehicle/engine/EngineCode.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/SampleVehicles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "vehicle/engine/EngineCurve.hpp"
#include "vehicle/engine/EngineCurveBounds.hpp"
#include "vehicle/engine/EngineCurveIntegral.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace {

using vehicle::EngineRecord;
using vehicle::GetEngineTorque;

// Speeds of the petrol engine in rad/s (rpm x 0.10471975511963333).
constexpr double kIdle = 104.71975511963333;       // 1000 rpm
constexpr double kPlateauStart = 418.8790204785333;  // 4000 rpm
constexpr double kPlateauEnd = 523.5987755981667;    // 5000 rpm
constexpr double kPowerPeak = 680.6784082776166;     // 6500 rpm
constexpr double kLimit = 785.398163397225;          // 7500 rpm

class EngineCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        engine = sample::FittedSampleEngine();
    }
    float TorqueAt(double speed, float throttle) {
        EngineRecord e = engine;
        e.Speed = static_cast<float>(speed);
        e.Throttle = throttle;
        return GetEngineTorque(e);
    }
    EngineRecord engine;
};

TEST_F(EngineCodeTest, FiguresAreConvertedToRadiansPerSecondForWheelDrivenVehicles) {
    EXPECT_NEAR(engine.TorquePeakStart, kPlateauStart, 1e-4);
    EXPECT_NEAR(engine.TorquePeakEnd, kPlateauEnd, 1e-4);
    EXPECT_NEAR(engine.PowerPeakSpeed, kPowerPeak, 1e-4);
    EXPECT_NEAR(engine.IdleSpeed, kIdle, 1e-4);
    EXPECT_NEAR(engine.LimitSpeed, kLimit, 1e-4);
    EXPECT_EQ(engine.TorquePeakRPM, 4000.0f);  // stays in rpm
    EXPECT_EQ(engine.Throttle, 1.0f);

    // Thrust driven: nothing converted, no curve; nothing of the engine before it stays (its
    // plateau, curve and last engine speed and torque).
    engine.Speed = 649.26f;
    engine.Torque = 180.0f;
    EngineRecord thrust =
        vehicle::EngineRecordFromFigures(sample::SampleEngine(), vehicle::kDriveThrust, engine);
    EXPECT_EQ(thrust.PowerPeakSpeed, 6500.0f);
    EXPECT_EQ(thrust.TorquePeakStart, 0.0f);
    EXPECT_EQ(thrust.TorquePeakEnd, 0.0f);
    EXPECT_EQ(thrust.Speed, 0.0f);
    EXPECT_EQ(thrust.Torque, 0.0f);
    thrust.UpperCurve = {1, 2, 3, 4, 5};
    vehicle::EngineCode().MatrixInverseOK = core::VbFalse;
    vehicle::UpdateEngineModel(thrust, vehicle::kDriveThrust);
    EXPECT_EQ(thrust.UpperCurve, (std::array<float, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(thrust.LowerCurve, (std::array<float, 4>{}));
    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbFalse);
}

TEST_F(EngineCodeTest, FittedCurvePassesThroughTheGivenTorqueAndPowerPoints) {
    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbTrue);
    // Idle: half the peak torque (125 N m); plateau start and end: 250 N m.
    EXPECT_NEAR(TorqueAt(engine.IdleSpeed, 1.0f), 125.0, 0.01);
    EXPECT_EQ(TorqueAt(engine.TorquePeakStart, 1.0f), 250.0f);
    EXPECT_NEAR(TorqueAt(engine.TorquePeakEnd, 1.0f), 250.0, 0.05);
    // Flat ends: the cubic tops out at the plateau start, the quartic leaves the plateau end
    // level, so 1 rad/s either side is still within a few hundredths of a N m of 250.
    EXPECT_NEAR(TorqueAt(engine.TorquePeakStart - 1.0, 1.0f), 250.0, 0.05);
    EXPECT_NEAR(TorqueAt(engine.TorquePeakEnd + 1.0, 1.0f), 250.0, 0.05);
    // Power peak: 150 kW at 680.678 rad/s, i.e. 150000 / 680.678 = 220.368 N m.
    const float t = TorqueAt(engine.PowerPeakSpeed, 1.0f);
    EXPECT_NEAR(t, 220.368, 0.02);
    EXPECT_NEAR(t * engine.PowerPeakSpeed / 1000.0, 150.0, 0.01);
    // With UpperShapeB = 1 the slope there is that of constant power: 0.5 % faster, still
    // 150 kW to within the curvature of the quartic, and lower on either side.
    const double w2 = 1.005 * engine.PowerPeakSpeed;
    EXPECT_NEAR(TorqueAt(w2, 1.0f) * w2 / 1000.0, 150.0, 0.05);
    EXPECT_LT(TorqueAt(650.0, 1.0f) * 650.0 / 1000.0, 150.0);
    EXPECT_LT(TorqueAt(720.0, 1.0f) * 720.0 / 1000.0, 150.0);
}

TEST_F(EngineCodeTest, ClosedThrottleBrakesAndItsFactorIsFlooredAboveThePowerPeak) {
    EXPECT_EQ(TorqueAt(50.0, 1.0f), 0.0f);  // below idle full throttle gives nothing
    // k = sin(1.4 x 50 / 680.678 + 0.15708) = sin(0.25992) = 0.25700;
    // B = -(0.05 x 50 x 0.25700 + 0.05 x 380) = -19.6425 N m.
    EXPECT_NEAR(TorqueAt(50.0, 0.0f), -19.6425, 1e-3);
    // Half throttle on the plateau: the mean of 250 and the closed-throttle torque at 450:
    // k = sin(1.4 x 450 / 680.678 + 0.15708) = 0.88320, B = -(0.05 x 450 x 0.88320 + 19) =
    // -38.872, mean 105.564.
    EXPECT_NEAR(TorqueAt(450.0, 0.5f), 105.564, 2e-3);
    // At the power peak the factor is the plain sine, sin(1.4 + 0.15708) = 0.99991:
    // B = -(0.05 x 680.678 x 0.99991 + 19) = -53.031.
    EXPECT_NEAR(TorqueAt(engine.PowerPeakSpeed, 0.0f), -53.031, 2e-3);
    // At 1.35 x the power-peak speed the sine is 0.8887, so 0.9 is used:
    // B = -(0.05 x 918.916 x 0.9 + 19) = -60.351. (Rev limiter off: 918.9 is past the limit.)
    core::OptionsSettings().RevLimitEnabled = core::VbFalse;
    EXPECT_NEAR(TorqueAt(1.35 * kPowerPeak, 0.0f), -60.351, 2e-3);
}

TEST_F(EngineCodeTest, RevLimiterCutsTheThrottleOnlyMoreThanOneRadianPerSecondAboveTheLimit) {
    const double atLimit = engine.LimitSpeed + 1.0f;
    const double beyond = engine.LimitSpeed + 1.5f;
    auto& limiter = core::OptionsSettings().RevLimitEnabled;
    limiter = core::VbFalse;
    const float freeAtLimit = TorqueAt(atLimit, 0.7f);
    const float freeBeyond = TorqueAt(beyond, 1.0f);
    limiter = core::VbTrue;
    EXPECT_EQ(TorqueAt(atLimit, 0.7f), freeAtLimit);
    EXPECT_EQ(TorqueAt(beyond, 1.0f), TorqueAt(beyond, 0.0f));  // closed-throttle torque
    EXPECT_LT(TorqueAt(beyond, 1.0f), 0.0f);
    EXPECT_GE(freeBeyond, 0.0f);
}

// Coefficients set by hand are bounded again, as a fit does.
TEST_F(EngineCodeTest, FullThrottleCurveIsHeldBetweenZeroAndThePeakTorque) {
    const float cap = static_cast<float>(250.0 * (1.0 + vehicle::kCurveBoundSlack));
    const auto set = [this](std::array<float, 5> upper) {
        engine.UpperCurve = upper;
        vehicle::BoundFittedCurve(engine);
    };
    set({0, 0, 0, 0, -50.0f});
    EXPECT_EQ(TorqueAt(600.0, 1.0f), 0.0f);
    set({0, 0, 0, 0, 1e9f});
    EXPECT_EQ(TorqueAt(600.0, 1.0f), cap);
    set({1e30f, 0, 0, 0, 0});  // beyond the Single range at 600^4
    EXPECT_EQ(TorqueAt(600.0, 1.0f), cap);
    // Below the power peak the power is held at 1.01 x 150 kW: 151500 / 650 = 233.08 N m.
    EXPECT_NEAR(TorqueAt(650.0, 1.0f), 233.077, 1e-3);

    // The integral takes the same torque. (w - 620)^2 / 100 - 5^2 from 540 to 680 rad/s (below
    // the power peak), with u = w - 620: the parts from u = -80 to -50 and from 50 to 60 count,
    // [u^3/300 - 25 u] over them = 540 + 53.33; the polynomial's own integral would be -1073.3.
    set({0, 0, 0.01f, -12.4f, 3819.0f});
    EXPECT_NEAR(vehicle::TorqueCurveArea(engine, 540.0f, 680.0f), 593.33, 0.05);
    set({0, 0, 0, 0, 2e8f});  // the cap x 60 rad/s (its power stays below 151.5 kW)
    EXPECT_NEAR(vehicle::TorqueCurveArea(engine, 540.0f, 600.0f),
                250.0 * (1.0 + vehicle::kCurveBoundSlack) * 60.0, 1e-6);
}

TEST_F(EngineCodeTest, DegenerateFitsGiveZeroCoefficientsNeverThoseOfAnotherEngine) {
    // A plateau from idle: an all-zero lower curve.
    EngineRecord e = engine;
    e.TorquePeakStart = e.IdleSpeed;
    e.LowerCurve = {1, 2, 3, 4};
    vehicle::FitLowerTorqueCurve(e);
    EXPECT_EQ(e.LowerCurve, (std::array<float, 4>{0, 0, 0, 0}));

    // A power peak at 0 rad/s fits without non-finite coefficients.
    e = engine;
    e.PowerPeakSpeed = 0.0f;
    vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
    for (float c : e.UpperCurve) EXPECT_TRUE(std::isfinite(c));
    e.Speed = 300.0f;
    e.Throttle = 0.0f;
    EXPECT_TRUE(std::isfinite(GetEngineTorque(e)));

    // A damaged vehicle file: unsolvable fits leave no torque from their piece, never the
    // curve of the engine the record held before, and say so.
    vehicle::EngineCode().MatrixInverseOK = core::VbTrue;
    EngineRecord broken = engine;
    broken.IdleSpeed = std::numeric_limits<float>::quiet_NaN();
    vehicle::FitLowerTorqueCurve(broken);
    EXPECT_EQ(broken.LowerCurve, (std::array<float, 4>{}));
    broken = engine;
    broken.TorquePeakEnd = std::numeric_limits<float>::quiet_NaN();
    vehicle::FitUpperTorqueCurve(broken);
    EXPECT_EQ(broken.UpperCurve, (std::array<float, 5>{}));
    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbFalse);
    // A torque speed of NaN gives 0, never NaN.
    broken.Speed = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(GetEngineTorque(broken), 0.0f);
    // Past the fall's end (1.5 x the limit) nothing, up to infinity, where no span ends above
    // the speed: the walk stops at the last span instead of reading past them.
    for (const float w : {1.5f * engine.LimitSpeed + 1.0f, 3e38f, HUGE_VALF})
        EXPECT_EQ(vehicle::FullThrottleTorque(engine, w), 0.0f) << w;
}

// Simpson's rule on the full-throttle torque of `e` from a to b (rad/s), n intervals.
double Simpson(EngineRecord e, double a, double b, int n = 20000) {
    const auto torque = [&e](double w) {
        e.Speed = static_cast<float>(w);
        e.Throttle = 1.0f;
        return static_cast<double>(GetEngineTorque(e));
    };
    const double h = (b - a) / n;
    double sum = torque(a) + torque(b);
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4.0 : 2.0) * torque(a + i * h);
    return sum * h / 3.0;
}

EngineRecord Fitted(const vehicle::EngineFigures& f, uint8_t driveType) {
    EngineRecord e = vehicle::EngineRecordFromFigures(f, driveType);
    vehicle::UpdateEngineModel(e, driveType);
    return e;
}

// The gearing integrates from a post-shift speed to a shift speed fixed anywhere up to the
// limit: the area of the torque the runs use over that interval alone, none when it is empty.
// The Golf at the upper shape's default showed -918171 for a fixed 1000 rpm.
TEST_F(EngineCodeTest, IntegralCoversItsIntervalAtEveryShapeCornerAndShiftSpeed) {
    core::OptionsSettings().RevLimitEnabled = core::VbFalse;  // the integral ignores it
    for (const vehicle::VehicleRecord& car : vehtest::ShippedCars()) {
        for (int corner = 0; corner < 64; ++corner) {
            const EngineRecord e =
                Fitted(vehtest::AtShapeCorner(car.Engine, corner), car.Drivetrain.DriveType);
            for (const double shift : {0.0, 104.72, 0.8 * e.IdleSpeed + 0.2 * e.TorquePeakStart,
                                       0.5 * (e.TorquePeakStart + e.TorquePeakEnd),
                                       double(e.TorquePeakEnd), double(e.LimitSpeed)}) {
                for (const float lower : {0.0, 0.5 * shift, shift + 10.0}) {
                    const auto b = static_cast<float>(shift);
                    const double a = std::max(lower, e.IdleSpeed);
                    const double area = vehicle::TorqueCurveArea(e, lower, b);
                    const double simpson = b > a ? Simpson(e, a, b, 2000) : 0.0;
                    EXPECT_NEAR(area, simpson, 1e-4 * e.PeakTorque * std::max(b - a, 0.0) + 1.0)
                        << car.Name << ", shapes " << corner << ", " << lower << " to " << b;
                }
            }
        }
    }
}

TEST_F(EngineCodeTest, IntegralMatchesSimpsonRuleOverTheWholeCurve) {
    // Independent check: Simpson's rule on the full-throttle torque from idle to the power peak.
    const double simpson = Simpson(engine, engine.IdleSpeed, engine.PowerPeakSpeed);
    EXPECT_NEAR(vehicle::TorqueCurveArea(engine, 0.0f, engine.PowerPeakSpeed), simpson,
                simpson * 2e-4);
    // The plateau alone: 250 N m x (523.599 - 418.879) rad/s = 26180 N m rad/s.
    EXPECT_NEAR(vehicle::TorqueCurveArea(engine, engine.TorquePeakStart, engine.TorquePeakEnd),
                250.0 * (kPlateauEnd - kPlateauStart), 0.5);
}

// An idle of 1e-38 rpm, or (idle 0) a plateau from 1.5e-19 rpm 2e-10 rpm wide: next to the
// power peak's, the powers of such speeds left the fits no digits, and the area under the
// curve came out near -4E+29 or 1E+30. The fits take them as 0, and the area stays the
// integral of the torque the curve gives.
TEST_F(EngineCodeTest, SpeedsTooSmallToFitAreTakenAsStandingStill) {
    constexpr double k = 0.10471975511963333;  // rad/s per rpm
    EngineRecord tinyIdle = engine;
    tinyIdle.IdleSpeed = static_cast<float>(1e-38 * k);
    EngineRecord tinyPlateau = engine;
    tinyPlateau.IdleSpeed = 0.0f;
    tinyPlateau.TorquePeakStart = static_cast<float>(1.5e-19 * k);
    tinyPlateau.TorquePeakEnd = static_cast<float>((1.5e-19 + 2e-10) * k);
    for (EngineRecord* e : {&tinyIdle, &tinyPlateau}) {
        vehicle::UpdateEngineModel(*e, vehicle::kDriveRear);
        // Never more than the 250 N m plateau all the way from 0 to the power peak.
        const double simpson = Simpson(*e, e->IdleSpeed, e->PowerPeakSpeed);
        EXPECT_GT(simpson, 1e5);
        EXPECT_LT(simpson, 250.0 * kPowerPeak);
        EXPECT_NEAR(vehicle::TorqueCurveArea(*e, 0.0f, e->PowerPeakSpeed), simpson,
                    simpson * 2e-4);
    }
    // A plateau from idle: 250 N m from 0 rad/s.
    tinyPlateau.Speed = 1.0f;
    EXPECT_NEAR(GetEngineTorque(tinyPlateau), 250.0, 0.01);
}

// The shipped cars with two neighbouring engine speeds from equal to 3 % of the power-peak
// speed apart, shape figures at their own values or at every corner of their ranges: each
// loads and its curve fits. The curve holds its own figures (the peak torque where the cubic
// and the quartic meet the plateau, the reduced power at the shifted power peak); its area to
// the limit is that of the torque the runs use, within the margin's torque when the check
// accepts it. Before, the BMW gave areas of 1.7E+7, 5.9E+11 and -1.5E+11, and a 150 kW engine
// 192 kW at its power peak: the fit had moved the plateau end, the torque had not.
TEST_F(EngineCodeTest, CloseSpeedsAndExtremeShapesGiveAFiniteCurveAndABoundedArea) {
    core::OptionsSettings().RevLimitEnabled = core::VbFalse;  // the curve itself up to the limit
    for (vehicle::VehicleRecord car : vehtest::ShippedCars()) {
        const std::string name = car.Name;
        const vehicle::EngineFigures own = car.Engine;
        for (int corner = -1; corner < 64; ++corner) {  // -1: the car's own shape figures
            for (int pair = 0; pair < 4; ++pair) {
                for (const double share : {0.0, 1e-9, 1e-7, 1e-5, 1e-4, 1e-3, 3e-3, 1e-2, 3e-2}) {
                    vehicle::EngineFigures& f = car.Engine;
                    f = corner >= 0 ? vehtest::AtShapeCorner(own, corner) : own;
                    const auto gap = static_cast<float>(share * f.PowerPeakRPM);
                    if (pair == 0) f.IdleRPM = f.TorquePeakRPM - gap;
                    if (pair == 1) f.TorquePeakWidth = f.PowerPeakRPM - gap - f.TorquePeakRPM;
                    if (pair == 2) f.LimitRPM = f.PowerPeakRPM + gap;
                    if (pair == 3) f.TorquePeakWidth = gap;
                    SCOPED_TRACE(::testing::Message() << name << ", shapes " << corner
                                                      << ", pair " << pair << ", gap " << share);
                    ASSERT_TRUE(vehicle::FieldsOutOfRange(car).empty());
                    ASSERT_EQ(vehtest::EngineSpeedProblem(car), "");

                    EngineRecord e = Fitted(f, car.Drivetrain.DriveType);
                    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbTrue);
                    for (float c : e.LowerCurve) ASSERT_TRUE(std::isfinite(c));
                    for (float c : e.UpperCurve) ASSERT_TRUE(std::isfinite(c));

                    const double tp = e.PeakTorque;
                    const double ws = e.ShiftPowerFactor * e.PowerPeakSpeed;
                    const double ts = 1000.0 * e.ReducePowerFactor * e.PeakPower / ws;
                    const double tolerance = 3e-3 * std::max(tp, ts);
                    EngineRecord probe = e;
                    const auto torqueAt = [&probe](double w) {
                        probe.Speed = static_cast<float>(w);
                        return static_cast<double>(GetEngineTorque(probe));
                    };
                    // The plateau, or the power 1.01 x the (reduced) peak power where the
                    // plateau would give more.
                    const auto plateau = [&](double w) { return std::min(tp, 1.01 * ts * ws / w); };
                    if (e.IdleSpeed < e.CurvePlateauStart) {
                        const float start = std::nextafter(e.CurvePlateauStart, 0.0f);
                        EXPECT_NEAR(torqueAt(start), plateau(start), tolerance);
                    }
                    EXPECT_NEAR(torqueAt(e.CurvePlateauEnd), plateau(e.CurvePlateauEnd), tolerance);
                    EXPECT_NEAR(torqueAt(ws), ts, tolerance);

                    const double idle = e.IdleSpeed, limit = e.LimitSpeed;
                    const double area = vehicle::TorqueCurveArea(e, 0.0f, e.LimitSpeed);
                    EXPECT_NEAR(area, Simpson(e, idle, limit, 2000),
                                1e-4 * tp * (limit - idle) + 1.0);
                    EXPECT_LE(area, tp * (1.0 + vehicle::kCurveBoundSlack) * (limit - idle));
                    const auto wsSingle = static_cast<float>(ws);
                    EXPECT_LE(vehicle::TorqueCurveArea(e, 0.0f, wsSingle), tp * ws);
                }
            }
        }
    }
}

// A plateau whose end the fit takes as the power peak, though it lies above it by more than
// the Singles' roundings, the power peak not shifted. The quartic is fitted from the power
// peak; across the span below zero it had no solution. The end typed as the power peak's box
// shows it in rpm (1050, where the power peak is 1049.9951 rpm), which the speed order takes
// as equal; and an end past a power peak just below a power of ten (5999.99 rpm, 99.9998 rev/s)
// by more than the slack of the peak's texts but within that of the end's (6000.033 rpm,
// 100.0006 rev/s, a digit fewer): the larger of the two speeds' slacks.
TEST_F(EngineCodeTest, APlateauEndingAtThePowerPeaksTextFits) {
    const struct {
        float torquePeak, plateauWidth, powerPeak, peakPower, idle, limit;  // rpm, kW
        bool ordered;  // the speed order takes the end as the power peak
    } cases[] = {{600.0f, 450.0f, 1049.9951f, 27.0f, 300.0f, 1500.0f, true},
                 {3000.0f, 3000.033f, 5999.99f, 155.0f, 1000.0f, 7000.0f, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.powerPeak);
        vehicle::EngineFigures f = sample::SampleEngine();
        f.TorquePeakRPM = c.torquePeak;
        f.TorquePeakWidth = c.plateauWidth;
        f.PowerPeakRPM = c.powerPeak;
        f.PeakPower = c.peakPower;
        f.IdleRPM = c.idle;
        f.LimitRPM = c.limit;
        ASSERT_EQ(f.ShiftPowerFactor, 1.0f);
        vehicle::VehicleRecord car = sample::SampleCar();
        car.Engine = f;
        EXPECT_EQ(vehtest::EngineSpeedProblem(car).empty(), c.ordered);
        ASSERT_GT(f.TorquePeakRPM + f.TorquePeakWidth, f.PowerPeakRPM * (1.0 + 4e-6));

        const EngineRecord e = Fitted(f, vehicle::kDriveRear);
        EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbTrue);
        for (float k : e.UpperCurve) ASSERT_TRUE(std::isfinite(k));
        const double ws = e.PowerPeakSpeed, ts = 1000.0 * e.PeakPower / ws;
        EngineRecord probe = e;
        probe.Speed = e.PowerPeakSpeed;
        EXPECT_NEAR(GetEngineTorque(probe), ts, 3e-3 * 250.0);
        probe.Speed = std::nextafter(e.PowerPeakSpeed, 0.0f);
        EXPECT_NEAR(GetEngineTorque(probe), ts, 3e-3 * 250.0);
    }
}

TEST_F(EngineCodeTest, FuelFlowIsTheEnergyAboveClosedThrottleOverEfficiency) {
    EngineRecord e = engine;
    e.Speed = 450.0f;
    e.Throttle = 1.0f;
    e.Torque = 250.0f;
    // B0 = -38.872 (as above), r = 1, efficiency 0.4:
    // (250 + 38.872) x 450 / 0.4 x 0.01 s / 32290236 J/L = 1.00644e-4 L.
    EXPECT_NEAR(vehicle::GetFuelFlow(e, 0.01f), 1.00644e-4, 2e-9);
    // A fuel that is not burnt, a speed without full-throttle torque, a fuel index past the
    // table: no flow.
    core::FuelTable().FuelTypes[0].EnergyPerLitre = 0.0f;
    EXPECT_EQ(vehicle::GetFuelFlow(e, 0.01f), 0.0);
    core::InitFuelTypes();
    e.Speed = 50.0f;
    EXPECT_EQ(vehicle::GetFuelFlow(e, 0.01f), 0.0);
    e.Speed = 450.0f;
    e.FuelType = 200;
    EXPECT_EQ(vehicle::GetFuelFlow(e, 0.01f), 0.0);
}

TEST_F(EngineCodeTest, PeakScanFindsThePlateauAndThePowerPeak) {
    EngineRecord e = engine;
    vehicle::ScanEnginePeaks(e);
    const auto& s = vehicle::EngineCode();
    EXPECT_NEAR(s.ScannedTorquePeak, 250.0, 0.01);
    EXPECT_GE(s.ScannedTorquePeakSpeed, 419.0f);  // first whole rad/s on the plateau
    EXPECT_LE(s.ScannedTorquePeakSpeed, 524.0f);
    EXPECT_NEAR(s.ScannedPowerPeak, 150.0, 0.05);
    EXPECT_NEAR(s.ScannedPowerPeakSpeed, kPowerPeak, 5.0);
    EXPECT_EQ(e.Speed, 785.0f);  // CInt(785.398), the last speed tried

    EngineRecord flat;  // no curve, no engine braking: never positive
    flat.IdleSpeed = 10.0f;
    flat.LimitSpeed = 20.0f;
    flat.Throttle = 1.0f;
    vehicle::ScanEnginePeaks(flat);
    EXPECT_EQ(s.ScannedTorquePeak, 0.0f);
    EXPECT_EQ(s.ScannedTorquePeakSpeed, 0.0f);
    EXPECT_EQ(s.ScannedPowerPeak, 0.0f);
    EXPECT_EQ(s.ScannedPowerPeakSpeed, 0.0f);
}

}  // namespace
