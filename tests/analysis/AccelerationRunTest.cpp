// The acceleration run against closed-form physics (a constant force on the sled), against
// itself at the three time steps, and its stop, shift, launch and table rules.
#include "analysis/AccelerationCode.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/SampleVehicles.hpp"

namespace {

using analysis::AccelerationCode;
using sample::Prepare;
using sample::SampleCar;
namespace Col = analysis::AccCol;
namespace Res = analysis::AccRes;

float Cell(int32_t step, int column) { return AccelerationCode().Row(step, column); }

void RunAcc(float dt, bool tractionControl = false, const analysis::AccRunLinks& links = {}) {
    analysis::AccRunInputs in;
    in.TractionControl = tractionControl;
    analysis::RunAccelerationAnalysis(dt, in, links);
}

// The "sled": the sample car pushed by `thrust` N at the ground, without drag, lift or rolling
// resistance and with wheels of no inertia, so that a constant thrust F gives exactly a = F / m;
// stiff springs and tyres keep its pitch small.
void PrepareSled(float thrust, int fuelLitres = 0) {
    vehicle::VehicleRecord v = sample::ThrustCar(thrust, 0.0f);
    v.FrontalArea = 0.0f;
    v.AeroElements[2].DeviceType = 0;
    v.RotatingMass = {0.0f, 0.0f};
    sample::Setup setup;
    setup.fuelLitres = fuelLitres;
    setup.live.TyreSetup.PressureKPa.fill(400);
    setup.live.Suspension.SpringStiffness = {3000, 3000};
    Prepare(v, setup);
    for (auto& t : vehicle::TyreCode().WheelTyres) {
        t.RollResC0 = t.RollResC1 = 0.0f;  // the aerodynamic model takes rolling resistance here
        t.Inertia = 0.0f;
    }
}

class AccelerationRunTest : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }
};

// A constant thrust on a vehicle without resistance or rotating inertia: a = F / m, and the
// semi-implicit Euler steps give v_i = a i dt and s_i = dt (v_1 + ... + v_i) = a dt^2 i (i + 1) / 2
// at the start of step i (the exact a t^2 / 2 plus the scheme's a t dt / 2).
TEST_F(AccelerationRunTest, ConstantThrustGivesSpeedProportionalToTime) {
    PrepareSled(3000.0f, 20);
    const float m = analysis::PhysicalCode().TotalMass;
    const double a = 3000.0 / m;
    RunAcc(0.01f);
    const auto& s = AccelerationCode();
    // No resistance: the net force never falls below 4 N, so the run lasts its full 120 s.
    ASSERT_EQ(s.AccLastStep, 12000);
    for (int32_t i : {0, 1, 100, 1000, 6000, 12000}) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(Cell(i, Col::DriveForce), 3000.0f);
        EXPECT_FLOAT_EQ(Cell(i, Col::Resistance), 0.0f);
        EXPECT_NEAR(Cell(i, Col::Acceleration), a, a * 1e-6);
        EXPECT_NEAR(Cell(i, Col::Speed), a * i * 0.01, a * i * 0.01 * 1e-5 + 1e-6);
        const double distance = a * 1e-4 * i * (i + 1) / 2.0;
        EXPECT_NEAR(Cell(i, Col::Distance), distance, distance * 1e-4 + 1e-6);
    }
    // Thrust driven: no fuel burnt, no gears, clutch closed, and no engine to turn (the car
    // keeps its sample engine's figures, idle 1000 rpm; none of them reach the table).
    for (int32_t i = 0; i <= s.AccLastStep; i += 500) {
        EXPECT_EQ(Cell(i, Col::Gear), 1.0f);
        EXPECT_EQ(Cell(i, Col::Clutch), 1.0f);
        EXPECT_EQ(Cell(i, Col::FuelLeft), 20.0f);
        EXPECT_EQ(Cell(i, Col::EngineSpeed), 0.0f);
        EXPECT_EQ(Cell(i, Col::Throttle), 1.0f);
    }
    EXPECT_EQ(s.AccFuelLeft, 20.0f);
    EXPECT_EQ(s.AccResults[Res::FuelUsed], 0.0f);
}

// A thrust smaller than the rolling resistance leaves the car standing: the resistance holds
// it, it never pushes it backwards.
TEST_F(AccelerationRunTest, ThrustBelowTheRollingResistanceLeavesTheCarStanding) {
    PrepareSled(0.0f);
    for (auto& t : vehicle::TyreCode().WheelTyres) t.RollResC0 = 0.015f;
    RunAcc(0.01f);
    const auto& s = AccelerationCode();
    ASSERT_GT(Cell(0, Col::Resistance), Cell(0, Col::DriveForce));
    for (int32_t i = 0; i <= s.AccLastStep; i += 100) {
        EXPECT_EQ(Cell(i, Col::Speed), 0.0f) << i;
        EXPECT_EQ(Cell(i, Col::Distance), 0.0f) << i;
    }
}

// The wheels must be spun up as well as carried along: a wheel of inertia I rolling on radius r
// adds I / r^2 to the mass the thrust accelerates (its kinetic energy 1/2 I (v / r)^2 is that
// of a mass I / r^2 at v). Four wheels of 1.2 kg m^2 on about 0.3 m add some 53 kg.
TEST_F(AccelerationRunTest, SpinningWheelsAddTheirEquivalentMass) {
    PrepareSled(3000.0f, 20);
    constexpr float kWheelInertia = 1.2f;  // kg m^2
    for (auto& t : vehicle::TyreCode().WheelTyres) t.Inertia = kWheelInertia;
    RunAcc(0.01f);
    double wheelMass = 0.0;
    for (const auto& t : vehicle::TyreCode().WheelTyres)
        wheelMass += kWheelInertia / (static_cast<double>(t.RollingRadius) * t.RollingRadius);
    ASSERT_GT(wheelMass, 40.0);
    const double a = 3000.0 / (analysis::PhysicalCode().TotalMass + wheelMass);
    for (int32_t i : {0, 1, 100, 1000}) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(Cell(i, Col::Acceleration), a, a * 0.002);
    }
}

// Under acceleration a the load moving from the front to the rear axle is m a h / L (h the
// height of the centre of gravity, L the wheelbase). The thrust acts at the ground, so the
// whole of m a h / L shows; the suspension is stiff, so pitch adds well under 1 %.
TEST_F(AccelerationRunTest, WeightTransferIsMassTimesAccelerationTimesHeightOverWheelbase) {
    PrepareSled(3000.0f);
    RunAcc(0.01f);
    const auto& p = analysis::PhysicalCode();
    const float L = core::GlobalChassisLab().CurrentVehicle.Wheelbase;
    const int32_t i = 300;  // 3 s: the suspension has settled
    const double h = Cell(i, Col::CoGHeight);
    // Stiff springs: the body sits where the live state at rest put it.
    EXPECT_NEAR(h, p.VehicleCoG.Z, 0.01);
    const double expected = p.TotalMass * (3000.0 / p.TotalMass) * h / L;
    EXPECT_NEAR(Cell(i, Col::WeightTransfer), expected, expected * 0.01);
    // The front wheels lose it, the rear wheels gain it (static loads from the masses).
    const double frontDrop = p.CornerStaticLoad[0] + p.CornerStaticLoad[1] -
                             Cell(i, Col::WheelLoad + 0) - Cell(i, Col::WheelLoad + 1);
    const double rearGain = Cell(i, Col::WheelLoad + 2) + Cell(i, Col::WheelLoad + 3) -
                            p.CornerStaticLoad[2] - p.CornerStaticLoad[3];
    EXPECT_NEAR(frontDrop, expected, expected * 0.03);
    EXPECT_NEAR(rearGain, expected, expected * 0.03);
}

// The same car at 1/100, 1/500 and 1/2000 s: the integration error stays small.
TEST_F(AccelerationRunTest, ResultsDoNotDependOnTheTimeStep) {
    Prepare(SampleCar());
    struct Figures {
        float t15, t30, tQuarter, vFinal;
    };
    std::vector<Figures> f;
    std::vector<int32_t> maxSteps, progressMax;
    analysis::AccRunLinks links;
    links.SetProgressMax = [&](int32_t m) { progressMax.push_back(m); };
    for (float dt : analysis::kAccTimeSteps) {
        RunAcc(dt, false, links);
        const auto& R = AccelerationCode().AccResults;
        f.push_back({R[Res::TimeToSpeed], R[Res::TimeToSpeed + 1], R[Res::TimeToDistance],
                     R[Res::FinalSpeed]});
        maxSteps.push_back(AccelerationCode().AccMaxSteps);
    }
    EXPECT_EQ(maxSteps, (std::vector<int32_t>{12000, 60000, 240000}));  // 120 s of steps
    // One maximum per run; at 0.01 s: 12000 x 1.08 x 1.05 / 2000 = 6.804 -> 7.
    ASSERT_EQ(progressMax.size(), 3u);
    EXPECT_EQ(progressMax[0], 7);
    // A 150 kW, 1.2 t car: 0-30 m/s in several seconds, top speed above 50 m/s.
    EXPECT_GT(f[2].t30, 4.0f);
    EXPECT_LT(f[2].t30, 15.0f);
    EXPECT_GT(f[2].vFinal, 50.0f);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(f[k].t15, f[2].t15, f[2].t15 * 0.05);
        EXPECT_NEAR(f[k].t30, f[2].t30, f[2].t30 * 0.03);
        EXPECT_NEAR(f[k].tQuarter, f[2].tQuarter, f[2].tQuarter * 0.02);
        // The final speed is where the stop rule fires near the top speed; at the finest step
        // the slip ratio settles into a two-step oscillation that fires it a little earlier.
        EXPECT_NEAR(f[k].vFinal, f[2].vFinal, f[2].vFinal * 0.025);
    }
}

// Fuel used and shifting time of the same car at 1/100, 1/500 and 1/2000 s. A step of 1/2000 s
// burns about 1e-5 l, below the rounding of a Single tank of 40 l (4e-6 l), yet the fuel used
// must not drift with the step. Each shift lasts the shift time, from the last row with the
// clutch closed before it to the first closed again: 0.15 s is a whole number of steps at all
// three steps, and the run's Single count-down of it ends on the step it should at each.
TEST_F(AccelerationRunTest, FuelUsedAndShiftTimeDoNotDependOnTheTimeStep) {
    vehicle::VehicleRecord v = SampleCar();
    const float shiftTime = 0.15f;
    v.Drivetrain.ShiftTime = shiftTime;
    Prepare(v);
    std::vector<float> fuel;
    for (float dt : analysis::kAccTimeSteps) {
        SCOPED_TRACE(dt);
        RunAcc(dt);
        const auto& s = AccelerationCode();
        int shifts = 0;
        for (int32_t i = 1; i <= s.AccLastStep; ++i)
            if (Cell(i, Col::Gear) != Cell(i - 1, Col::Gear)) ++shifts;
        EXPECT_EQ(shifts, 4);
        EXPECT_NEAR(s.AccResults[Res::ShiftTimeTotal], shifts * shiftTime, dt / 2);
        fuel.push_back(s.AccResults[Res::FuelUsed]);
    }
    EXPECT_GT(fuel[0], 0.5f);
    for (int k = 0; k < 2; ++k) EXPECT_NEAR(fuel[k], fuel[2], fuel[2] * 0.005f) << k;
}

// The stop rule: past the second benchmark distance, 0.2 s after the last shift and with a
// net force below 4 N; the first such step only arms it, the second ends the run and is the
// table's last row.
TEST_F(AccelerationRunTest, RunStopsOnTheSecondQualifyingStep) {
    Prepare(SampleCar());
    RunAcc(0.01f);
    const auto& s = AccelerationCode();
    const int32_t last = s.AccLastStep;
    ASSERT_LT(last, s.AccMaxSteps);
    const float endDistance = static_cast<float>(core::AccTargetTable().AccTargets[0][6]);
    // Distance after a step's integration is the next row's step-start distance.
    auto qualifies = [&](int32_t i, float distanceAfter) {
        for (int32_t j = std::max(0, i - 21); j < i; ++j)
            if (Cell(j, Col::Gear) != Cell(i, Col::Gear)) return false;
        return distanceAfter > endDistance && Cell(i, Col::NetForce) < 4.0f;
    };
    int earlier = 0;
    for (int32_t i = 0; i < last; ++i)
        if (qualifies(i, Cell(i + 1, Col::Distance))) ++earlier;
    EXPECT_EQ(earlier, 1);
    EXPECT_TRUE(qualifies(last, Cell(last, Col::Distance) + 0.01f * Cell(last, Col::Speed)));
}

TEST_F(AccelerationRunTest, LaunchStartsOnAPartlyClosedClutchAndShiftsOpenIt) {
    Prepare(SampleCar());
    RunAcc(0.01f);
    const auto& s = AccelerationCode();
    EXPECT_FLOAT_EQ(Cell(0, Col::Clutch), 0.6f);
    EXPECT_EQ(Cell(0, Col::Gear), 1.0f);
    EXPECT_EQ(Cell(0, Col::Speed), 0.0f);
    // The first row in second gear has the clutch fully open; gears only go up, one at a time.
    int32_t first2 = -1;
    for (int32_t i = 1; i <= s.AccLastStep; ++i) {
        const float dg = Cell(i, Col::Gear) - Cell(i - 1, Col::Gear);
        ASSERT_TRUE(dg == 0.0f || dg == 1.0f) << i;
        if (first2 < 0 && Cell(i, Col::Gear) == 2.0f) first2 = i;
    }
    ASSERT_GT(first2, 0);
    EXPECT_EQ(Cell(first2, Col::Clutch), 0.0f);
    EXPECT_EQ(Cell(s.AccLastStep, Col::Gear), 5.0f);
    EXPECT_GT(s.AccResults[Res::ShiftTimeTotal], 0.0f);
    // Fuel burns; as the tank behind the centre of gravity empties, the mass moves forward.
    EXPECT_LT(s.AccFuelLeft, 40.0f);  // of the 40 l in the tank
    EXPECT_GT(Cell(s.AccLastStep, Col::CoGFrontShare), Cell(0, Col::CoGFrontShare));
}

TEST_F(AccelerationRunTest, ZeroShiftTimeChangesGearWithTheClutchClosed) {
    vehicle::VehicleRecord v = SampleCar();
    v.Drivetrain.ShiftTime = 0.0f;
    Prepare(v);
    RunAcc(0.01f);
    const auto& s = AccelerationCode();
    bool launched = false;
    for (int32_t i = 0; i <= s.AccLastStep; ++i) {
        if (Cell(i, Col::Clutch) == 1.0f) launched = true;
        if (launched) ASSERT_EQ(Cell(i, Col::Clutch), 1.0f) << i;
    }
    EXPECT_EQ(Cell(s.AccLastStep, Col::Gear), 5.0f);
    EXPECT_EQ(s.AccResults[Res::ShiftTimeTotal], 0.0f);
}

// A record claiming more gears than the gear tables hold (a damaged file read before the reader
// checked the count) runs in the seven it has and never reads past the tables.
TEST_F(AccelerationRunTest, MoreGearsThanTheTablesHoldStopAtSeventh) {
    vehicle::VehicleRecord v = SampleCar();
    v.Drivetrain.NumGears = 12;
    sample::Setup setup;
    // Short gears, so the run shifts through all of them before its top speed.
    setup.gearRatios = {"3.3", "3.0", "2.5", "2.0", "1.6", "1.3", "1.0", "0.8", "3.9"};
    Prepare(v, setup);
    RunAcc(0.01f);
    const auto& s = AccelerationCode();
    float top = 0.0f;
    for (int32_t i = 0; i <= s.AccLastStep; ++i) top = std::max(top, Cell(i, Col::Gear));
    EXPECT_EQ(top, 7.0f);
    for (float r : s.AccResults) EXPECT_TRUE(std::isfinite(r));
}

// A strong engine on a slippery car spins its wheels: without traction control the throttle is
// cut back to the traction limit; with it, the wheels are held at their limits and the throttle
// stays open.
TEST_F(AccelerationRunTest, TractionControlHoldsWheelsInsteadOfCuttingThrottle) {
    vehicle::VehicleRecord v = SampleCar();
    v.Engine.PeakTorque = 600.0f;
    v.Engine.PeakPower = 350.0f;
    Prepare(v);

    RunAcc(0.01f, false);
    const auto& R = AccelerationCode().AccResults;
    EXPECT_LT(R[Res::MinThrottle], 0.9f);
    EXPECT_GT(R[Res::RearSpinEndSpeed], 0.0f);
    EXPECT_EQ(R[Res::FrontSpinEndSpeed], 0.0f);  // rear drive
    const float tSpin = R[Res::TimeToSpeed];

    RunAcc(0.01f, true);
    EXPECT_EQ(analysis::LiveStateCode().AccTractionControl, core::VbTrue);
    const auto& s = AccelerationCode();
    for (int32_t i = 0; i <= s.AccLastStep; ++i) {
        ASSERT_EQ(Cell(i, Col::Throttle), 1.0f) << i;
        for (int w = 0; w < 4; ++w) ASSERT_EQ(Cell(i, Col::WheelSpin + w), 0.0f) << i;
    }
    EXPECT_EQ(R[Res::RearSpinEndSpeed], 0.0f);
    EXPECT_NEAR(R[Res::TimeToSpeed], tSpin, tSpin * 0.25);
    // Slip ratios stay below 1 throughout.
    for (int32_t i = 0; i <= s.AccLastStep; ++i)
        for (int w = 0; w < 4; ++w) ASSERT_LT(Cell(i, Col::SlipRatio + w), 1.0f);
}

// Every cell of a run is a finite number, for each drive type and with a limited-slip
// differential.
TEST_F(AccelerationRunTest, EveryDriveTypeGivesAFiniteTable) {
    for (uint8_t drive : {vehicle::kDriveFront, vehicle::kDriveRear, vehicle::kDriveAll}) {
        SCOPED_TRACE(static_cast<int>(drive));
        sample::ResetAll();
        vehicle::VehicleRecord v = SampleCar(drive);
        v.Engine.PeakTorque = 450.0f;
        v.BodyCoG.X = 0.56f;  // heavier on the right: the two wheels of an axle differ
        sample::Setup setup;
        setup.diffType = "Clutch pack";
        setup.lockingPercent = 40;
        Prepare(v, setup);
        RunAcc(0.01f);
        const auto& s = AccelerationCode();
        for (int32_t i = 0; i <= s.AccLastStep; ++i)
            for (int c = 0; c < analysis::kAccColumns; ++c)
                ASSERT_TRUE(std::isfinite(Cell(i, c))) << "row " << i << " column " << c;
        EXPECT_GT(s.AccResults[Res::FinalSpeed], 40.0f);
        // Undriven wheels carry no inertia torque of the drivetrain: front drive has none at
        // the rear, rear drive none at the front.
        if (drive == vehicle::kDriveFront)
            for (int32_t i = 0; i <= s.AccLastStep; ++i)
                ASSERT_EQ(Cell(i, Col::WheelInertiaTorque + 2), 0.0f);
        if (drive == vehicle::kDriveRear)
            for (int32_t i = 0; i <= s.AccLastStep; ++i)
                ASSERT_EQ(Cell(i, Col::WheelInertiaTorque + 0), 0.0f);
    }
}

}  // namespace
