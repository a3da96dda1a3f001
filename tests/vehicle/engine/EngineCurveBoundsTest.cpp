// The full-throttle curve keeps to the engine's own figures: makers' engines typed as a user
// types them, with every shipped car's shapes and the editor's defaults, and the searches that
// walk the curve past the limit.
#include "vehicle/engine/EngineCurve.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/PublishedEngines.hpp"
#include "support/SampleVehicles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/engine/EngineCurveIntegral.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/VehicleCheck.hpp"

namespace {

using vehicle::EngineRecord;
// The bounds' own slack, and the rounding of the torque to a Single on top.
constexpr double kSlack = vehicle::kCurveBoundSlack + 1e-6;

struct Case {
    std::string what;
    vehicle::VehicleRecord car;  // the Golf with the engine typed into it
};

// Every published engine at both ends of its power band, with the Golf's, the BMW's and the
// Subaru's shapes and with the editor's defaults.
std::vector<Case> PublishedCases() {
    const std::vector<vehicle::VehicleRecord> shipped = vehtest::ShippedCars();
    std::vector<std::pair<std::string, vehicle::EngineFigures>> shapes;
    for (const auto& car : shipped) shapes.emplace_back(core::Trim(car.Name), car.Engine);
    shapes.emplace_back("defaults", vehtest::DefaultShapes(shipped[2].Engine));
    std::vector<Case> cases;
    for (const vehtest::PublishedEngine& p : vehtest::kPublishedEngines) {
        for (const float rpm : {p.powerFrom, p.powerTo}) {
            for (const auto& [name, figures] : shapes) {
                Case c{std::string(p.name) + " at " + std::to_string(int(rpm)) + " rpm, " + name +
                           " shapes",
                       shipped[2]};
                c.car.Engine = vehtest::Typed(p, rpm, figures);
                cases.push_back(c);
            }
        }
    }
    return cases;
}

EngineRecord Fitted(const vehicle::VehicleRecord& car) {
    EngineRecord e = vehicle::EngineRecordFromFigures(car.Engine, car.Drivetrain.DriveType);
    vehicle::UpdateEngineModel(e, car.Drivetrain.DriveType);
    e.Throttle = 1.0f;
    return e;
}

// A speed in rad/s as the vehicle record keeps it, in rpm.
float Rpm(double radPerSecond) { return static_cast<float>(radPerSecond / core::kRpmToRadPerSec); }

double TorqueAt(EngineRecord e, double w) {
    e.Speed = static_cast<float>(w);
    return vehicle::GetEngineTorque(e);
}

// Simpson's rule on the full-throttle torque from a to b (rad/s), steps of about `step`.
double Simpson(const EngineRecord& e, double a, double b, double step) {
    const int n = 2 * std::max(1, static_cast<int>((b - a) / (2 * step)));
    const double h = (b - a) / n;
    double sum = 0;
    for (int i = 0; i <= n; ++i) sum += (i == 0 || i == n ? 1 : i % 2 ? 4 : 2) * TorqueAt(e, a + i * h);
    return sum * h / 3;
}

// No engine typed from a maker's figures is refused; its curve meets the stated power at the
// power peak (within 2 %), never gives more torque than stated nor more power past the power
// peak (nor more than 1 % more below it, where a shape slider lifted the 190 kW engine's to
// 236.5 kW), and past it falls no lower than the floor line (or the torque cap, where that lies
// below) up to the limit. Its area is the integral of that curve, and the editor's scan names
// the peak torque where the plateau starts (it read "550.1 Nm" for 550, and the plateau's end).
TEST(EngineCurveBounds, PublishedEnginesKeepToTheirOwnFigures) {
    sample::ResetAll();
    core::OptionsSettings().RevLimitEnabled = core::VbFalse;  // the curve beyond the limit too
    for (const Case& c : PublishedCases()) {
        SCOPED_TRACE(c.what);
        // The check the vehicle editor and the vehicle file reader share.
        const auto problems = vehicle::FindVehicleProblems(c.car);
        ASSERT_TRUE(problems.empty()) << problems.front().Text;
        const EngineRecord e = Fitted(c.car);

        const double tp = e.PeakTorque, pr = 1000.0 * e.PeakPower;  // N m, W
        const double ws = e.PowerPeakSpeed, limit = e.LimitSpeed;
        EXPECT_NEAR(TorqueAt(e, ws) * ws, pr, 0.02 * pr);
        double worstTorque = 0, worstPower = 0, worstBelow = 0, worstFloor = 1e9;
        for (double w = e.IdleSpeed; w <= 1.5 * limit; w += 0.25) {
            const double t = TorqueAt(e, w);
            worstTorque = std::max(worstTorque, t / tp);
            (w > ws ? worstPower : worstBelow) = std::max(w > ws ? worstPower : worstBelow, t * w / pr);
            if (w > ws && w <= limit) {
                // The floor line, where the torque cap leaves room for it: a power that needs a
                // little more than the peak torque at its peak (accepted up to 1.02 x) is held
                // by the cap.
                const double line = 1.0 - (1.0 - vehicle::kFloorShareAtLimit) * (w - ws) / (limit - ws);
                worstFloor = std::min(worstFloor, t * w / std::min(pr * line, tp * w));
            }
        }
        EXPECT_LE(worstTorque, 1.0 + kSlack);
        EXPECT_LE(worstPower, 1.0 + kSlack);
        EXPECT_LE(worstBelow, vehicle::kPowerMarginBelowPeak + kSlack);
        if (ws < limit) EXPECT_GE(worstFloor, 1.0 - kSlack);
        // Past the limit (and the power peak) the power falls on a line to nothing at 1.5 x the
        // larger: the Golf 1.6 TDI typed at 3000 rpm fell from 95.2 N m to nothing at once.
        const double fallStart = std::max<double>(e.LimitSpeed + 1.0f, e.ShiftPowerFactor * ws);
        const double fallEnd = 1.5 * std::max<double>(limit, e.ShiftPowerFactor * ws);
        const double startPower =  // the curve's as it arrives there
            TorqueAt(e, std::nextafter(static_cast<float>(fallStart), 0.0f)) * fallStart;
        double worstFall = 0;
        for (double w = fallStart; w < fallEnd + 10.0; w += 0.5) {
            const double line = startPower * std::max(0.0, (fallEnd - w) / (fallEnd - fallStart));
            worstFall = std::max(worstFall, std::fabs(TorqueAt(e, w) * w - line) / pr);
        }
        EXPECT_LT(worstFall, 1e-5);
        const auto top = static_cast<float>(1.5 * limit);
        EXPECT_NEAR(vehicle::TorqueCurveArea(e, 0.0f, top),
                    Simpson(e, e.IdleSpeed, top, 0.01), 1e-5 * tp * limit);

        EngineRecord scanned = e;
        vehicle::ScanEnginePeaks(scanned);
        EXPECT_EQ(vehicle::EngineCode().ScannedTorquePeak, e.PeakTorque);
        EXPECT_EQ(vehicle::EngineCode().ScannedTorquePeakSpeed, std::ceil(e.TorquePeakStart));
    }
}

// Figures the check refuses still give a curve within them, in the editor's preview: 300 N m
// with 200 kW at 5000 rpm needs 382 N m at its power peak; the Subaru's plateau gives 50 times
// 5 kW. Neither curve passes the peak torque, nor the power by more than the margin below the
// power peak and the slack above it.
TEST(EngineCurveBounds, RefusedFiguresStillKeepTheCurveWithinThem) {
    sample::ResetAll();
    core::OptionsSettings().RevLimitEnabled = core::VbFalse;
    const std::vector<vehicle::VehicleRecord> shipped = vehtest::ShippedCars();
    vehicle::VehicleRecord strong = shipped[2], weak = shipped[1];
    strong.Engine.PeakTorque = 300.0f;
    strong.Engine.PeakPower = 200.0f;
    strong.Engine.PowerPeakRPM = 5000.0f;
    weak.Engine.PeakPower = 5.0f;
    for (const vehicle::VehicleRecord& car : {strong, weak}) {
        SCOPED_TRACE(car.Engine.PeakPower);
        ASSERT_FALSE(vehicle::FindVehicleProblems(car).empty());
        const EngineRecord e = Fitted(car);
        const double tp = e.PeakTorque, pr = 1000.0 * e.PeakPower, ws = e.PowerPeakSpeed;
        for (double w = e.IdleSpeed; w <= 1.5 * e.LimitSpeed; w += 0.25) {
            const double t = TorqueAt(e, w);
            ASSERT_LE(t, tp * (1.0 + kSlack)) << w;
            ASSERT_LE(t * w, pr * (w < ws ? vehicle::kPowerMarginBelowPeak + kSlack : 1.0 + kSlack))
                << w;
        }
    }
}

// The boxes take rad/s in SI: a plateau typed to end at the power peak (x + y = z) is stored in
// rpm and may end a few 1e-5 rad/s above it, which the check lets pass as equal. Every such
// entry the check accepts fits, and the curve meets its power at the peak: of the whole-number
// entries from 0 to 300 with 295 N m, 150 kW, idle 80 and limit 560 rad/s, the check accepts
// 2,975; 322 of them end above the peak, and 170 of those failed to fit and kept the previous
// car's quartic. Plateau 300 + 210, 150 kW at 510 rad/s: 15 rad/s past the peak the floor
// holds 150 kW x (1 - 0.35 x 15 / 50) / 525 = 255.7 N m, at the limit 0.65 x 150 kW / 560 =
// 174.1 N m (the failed fit had left 285.7 and 267.9).
TEST(EngineCurveBounds, APlateauTypedToEndAtThePowerPeakAlwaysFits) {
    sample::ResetAll();
    vehicle::VehicleRecord car = vehtest::ShippedCars()[2];
    auto& f = car.Engine;
    f.PeakTorque = 295.0f;
    f.PeakPower = 150.0f;
    f.IdleRPM = Rpm(80);
    f.LimitRPM = Rpm(560);
    int accepted = 0;
    for (int x = 0; x <= 300; ++x) {
        for (int y = 0; y <= 300; ++y) {
            f.TorquePeakRPM = Rpm(x);
            f.TorquePeakWidth = Rpm(y);
            f.PowerPeakRPM = Rpm(x + y);
            if (!vehicle::FindVehicleProblems(car).empty()) continue;
            ++accepted;
            vehicle::EngineCode().MatrixInverseOK = core::VbFalse;
            const EngineRecord e = Fitted(car);
            ASSERT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbTrue) << x << " + " << y;
            const double ws = e.PowerPeakSpeed, ts = std::min(150000.0 / ws, 295.0);
            ASSERT_NEAR(TorqueAt(e, ws), ts, 0.02 * ts) << x << " + " << y;
            if (x == 300 && y == 210) {
                EXPECT_NEAR(TorqueAt(e, 525.0), 255.7, 0.05);
                EXPECT_NEAR(TorqueAt(e, 560.0), 174.1, 0.05);
            }
        }
    }
    EXPECT_EQ(accepted, 2975);
}

// A plateau of no width typed at or just below the power peak: the fit moves it lower, to give
// the quartic its span, and the curve reaches the peak torque there, below the typed start. The
// scan looked only from the typed start and named the highest torque below it, the torque cap:
// "550.1 Nm" for the Golf with 550 N m at 150 rad/s, 81.7 kW at 150 rad/s, idle 80, limit 180 and
// upper shape A 0.99. It names the peak torque where the moved plateau starts, and never more:
// typed at 147.1 rad/s with 82.45 kW and upper shape A 0.21 it starts at 147 rad/s (scanned
// from the typed start, or the higher of the two, 149).
TEST(EngineCurveBounds, APlateauTheFitMovesLowerIsScannedWhereItStarts) {
    sample::ResetAll();
    vehicle::VehicleRecord car = vehtest::ShippedCars()[2];
    auto& f = car.Engine;
    f = vehtest::DefaultShapes(f);
    f.PeakTorque = 550.0f;
    f.TorquePeakWidth = 0.0f;
    f.PowerPeakRPM = Rpm(150);
    f.IdleRPM = Rpm(80);
    f.LimitRPM = Rpm(180);
    int moved = 0;
    for (const float shapeA : {0.2f, 0.21f, 0.6f, 0.99f}) {
        for (const double start : {147.0, 147.1, 148.5, 150.0}) {  // up to 2 % below the peak
            for (const float power : {80.0f, 81.0f, 81.7f, 82.45f, 82.5f}) {
                f.UpperShapeA = shapeA;
                f.TorquePeakRPM = Rpm(start);
                f.PeakPower = power;
                if (!vehicle::FindVehicleProblems(car).empty()) continue;
                EngineRecord e = Fitted(car);
                moved += e.CurvePlateauStart < e.TorquePeakStart;
                vehicle::ScanEnginePeaks(e);
                const auto& s = vehicle::EngineCode();
                SCOPED_TRACE(std::to_string(shapeA) + ", " + std::to_string(start) + ", " +
                             std::to_string(power));
                EXPECT_LE(s.ScannedTorquePeakSpeed, std::ceil(e.TorquePeakStart));
                // 80 kW: its cap below the power peak, 1.01 x 80 kW, holds the torque under
                // 550 N m at 147 rad/s (549.7) and beyond; the scan names the highest it has.
                if (power == 80.0f) EXPECT_LT(s.ScannedTorquePeak, 550.0f);
                else EXPECT_EQ(s.ScannedTorquePeak, 550.0f);
                if (shapeA == 0.21f && start == 147.1 && power == 82.45f)
                    EXPECT_EQ(s.ScannedTorquePeakSpeed, 147.0f);
            }
        }
    }
    EXPECT_GT(moved, 0);
}

// The curve may pass the peak torque by its slack: the Golf's reaches 350.0024 N m just past
// its plateau. A scan that never meets the plateau (here the record's plateau lies beyond the
// limit) names the highest torque it found, but never more than the peak torque.
TEST(EngineCurveBounds, TheScannedTorqueNeverPassesThePeakTorque) {
    sample::ResetAll();
    EngineRecord e = Fitted(vehtest::ShippedCars()[2]);  // the Golf
    ASSERT_GT(vehicle::FullThrottleTorque(e, 440.0f), e.PeakTorque);
    e.TorquePeakStart = e.CurvePlateauStart = e.LimitSpeed + 1.0f;
    vehicle::ScanEnginePeaks(e);
    EXPECT_EQ(vehicle::EngineCode().ScannedTorquePeak, e.PeakTorque);
    EXPECT_EQ(vehicle::EngineCode().ScannedTorquePeakSpeed, 440.0f);
}

// Without the limiter the shift searches and the power-drop search walk the curve past the
// limit; it falls there, so every shift speed and top-gear speed stays below 1.5 x the limit,
// and the area below gears x peak torque x 1.5 x limit. The shipped cars at every corner of the
// shape sliders, and the published engines in the Golf.
TEST(EngineCurveBounds, WithoutTheLimiterNoSearchRunsAway) {
    std::vector<Case> cases = PublishedCases();
    for (const auto& car : vehtest::ShippedCars()) {
        for (int corner = 0; corner < 64; ++corner) {
            Case c{core::Trim(car.Name) + " at corner " + std::to_string(corner), car};
            c.car.Engine = vehtest::AtShapeCorner(car.Engine, corner);
            cases.push_back(c);
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sample::ResetAll();
        sample::Prepare(c.car);
        auto& o = core::OptionsSettings();
        o.RevLimitEnabled = core::VbFalse;
        o.ShiftPointAuto = core::VbTrue;
        o.PowerDropPercent = 50;
        const EngineRecord& e = vehicle::EngineCode().CurrentEngine;
        const int gears = c.car.Drivetrain.NumGears;
        for (uint8_t mode : {0, 1, 2}) {
            o.GearRevsTopMode = mode;
            vehicle::GearingInputs in;
            in.GearRatioText = sample::Setup{}.gearRatios;
            vehicle::GearingLinks links;
            vehicle::CalcGearing(in, links);
            const auto& g = vehicle::GearingCode();
            for (int k = 1; k <= gears; ++k) EXPECT_LT(g.ShiftRevs[k], 1.5f * e.LimitSpeed) << k;
            EXPECT_LE(g.TorqueCurveArea, gears * e.PeakTorque * 1.5f * e.LimitSpeed);
        }
    }
}

// With the limiter on no shift speed lies above the limit, even where the power peak does: the
// M3 E46's 252 kW at 7900 rpm typed with its limit at 7800 rpm had every shift at 7900 rpm
// and the run stayed in first gear.
TEST(EngineCurveBounds, APowerPeakAboveTheLimitShiftsAtTheLimit) {
    sample::ResetAll();
    vehicle::VehicleRecord car = vehtest::ShippedCars()[0];
    ASSERT_EQ(core::Trim(car.Name), "BMW M3 E46");
    car.Engine.LimitRPM = 7800.0f;
    sample::Prepare(car);
    const auto& g = vehicle::GearingCode();
    const float limit = vehicle::EngineCode().CurrentEngine.LimitSpeed;
    for (int k = 1; k < car.Drivetrain.NumGears; ++k) EXPECT_LE(g.ShiftRevs[k], limit) << k;
    analysis::RunAccelerationAnalysis(0.01f, {}, {});
    const auto& run = analysis::AccelerationCode();
    EXPECT_GT(run.Row(run.AccLastStep, analysis::AccCol::Gear), 2.0f);
}

// Where the quartic's terms cancel, the area is still the integral of the curve: the Subaru
// with idle torque 0.25, lower shape 0, upper shapes 0.99 and 0.995, the plateau ending at 90 %
// of the power peak and the limit at 6600 rpm showed an area 1.4e-4 off its Simpson integral.
TEST(EngineCurveBounds, TheAreaHoldsWhereTheQuarticsTermsCancel) {
    sample::ResetAll();
    vehicle::VehicleRecord car = vehtest::ShippedCars()[1];
    auto& f = car.Engine;
    f.IdleTorqueFraction = 0.25f;
    f.LowerShape = 0.0f;
    f.UpperShapeA = 0.99f;
    f.UpperShapeB = 0.995f;
    f.TorquePeakWidth = 0.9f * f.PowerPeakRPM - f.TorquePeakRPM;
    f.LimitRPM = 6600.0f;
    const EngineRecord e = Fitted(car);
    for (const double from : {0.0, 400.0, 600.0}) {
        for (const double to : {500.0, 650.0, double(e.LimitSpeed)}) {
            if (to <= from) continue;
            const double simpson = Simpson(e, std::max<double>(from, e.IdleSpeed), to, 0.002);
            const double area =
                vehicle::TorqueCurveArea(e, static_cast<float>(from), static_cast<float>(to));
            EXPECT_NEAR(area, simpson, 1e-5 * simpson)
                << from << " to " << to;
        }
    }
}

}  // namespace
