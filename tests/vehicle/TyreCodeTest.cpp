// Tyre model: compound table, wheel dimensions and mass fit, deflection, contact patch, grip,
// the per-wheel analysis pass and the height changes.
//
// Expected figures are worked by hand from the tyre geometry (sizes converted with the
// program's 0.393900787 inch per cm), not taken from the code's output.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "support/HangWatchdog.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

using vehicle::TyreCode;
using vehicle::TyreState;

void SetTyres(int16_t width, uint8_t profile, uint8_t rim, float wheelMass = 10.0f) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    for (int a = 0; a < 2; ++a) {
        v.Tyres[a] = vehicle::TyreSize{width, profile, rim};
        v.RotatingMass[a] = wheelMass;
    }
}

// Front-left wheel of a car on tyres of one size, its dimensions computed, at `pressure` Pa.
TyreState Wheel(int16_t width, uint8_t profile, uint8_t rim, int32_t pressure) {
    SetTyres(width, profile, rim);
    vehicle::CalcWheelDimensionsAndInertia();
    TyreState t = TyreCode().WheelTyres[0];
    t.Pressure = pressure;
    return t;
}

class TyreCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::GlobalShared() = core::GlobalSharedState{};
        TyreCode() = vehicle::TyreCodeState{};
        vehicle::AeroCode() = vehicle::AeroCodeState{};
        vehicle::InitTyreCompounds();
    }
    static bool AllFinite(const TyreState& t) {
        const float v[] = {t.Width, t.UnloadedRadius, t.SidewallHeight, t.CrownRadius,
                           t.StiffnessTerm, t.PressureFactor, t.EffectivePressure, t.WheelMass,
                           t.InertiaA, t.Inertia, t.VerticalStiffness, t.Deflection,
                           t.LoadedRadius, t.RollingRadius, t.RollingCircumference,
                           t.WallHeightRemaining, t.DeflectionRatio, t.PatchLength, t.PatchArea,
                           t.PatchAspect, t.LatGrip, t.LongGrip, t.TractionTorqueLimit,
                           t.LongGripForce, t.LatGripForce, t.LongAccelRate, t.LatAccelRate,
                           t.RollResC0, t.RollResC1, t.VerticalFrequency};
        for (float x : v)
            if (!std::isfinite(x)) return false;
        return true;
    }
};

TEST_F(TyreCodeTest, CompoundNamesAndTheDefaultCompound) {
    const char* names[] = {"Slick R1",    "Slick R2", "Slick R3", "Slick R4",  "Road Super",
                           "Road Normal", "Hybrid",   "Knobbly",  "Drag Slick"};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(TyreCode().TyreCompounds[k].Name, names[k]);
    for (const TyreState& w : TyreCode().WheelTyres) EXPECT_EQ(w.CompoundIndex, 5);
}

TEST_F(TyreCodeTest, DimensionsOf205_55R16) {
    SetTyres(205, 55, 16);
    core::GlobalChassisLab().CurrentVehicle.Tyres[1] = vehicle::TyreSize{225, 45, 17};
    vehicle::CalcWheelDimensionsAndInertia();
    const TyreState& f = TyreCode().WheelTyres[1];
    // Rim: 16 in / 0.393900787 = 40.61937 cm. Radius: 0.55 x 0.205 + 0.2030968 = 0.3158468 m.
    EXPECT_NEAR(f.RimDiameter, 0.4061937f, 1e-6f);
    EXPECT_NEAR(f.UnloadedRadius, 0.3158468f, 1e-6f);
    // Sidewall: the profile height less the 15 mm rim clearance.
    EXPECT_NEAR(f.SidewallHeight, 0.09775f, 1e-6f);
    // Rear wheels take the rear size: 0.45 x 0.225 + 17 / 0.393900787 / 200 = 0.3170404 m.
    EXPECT_NEAR(TyreCode().WheelTyres[2].UnloadedRadius, 0.3170404f, 1e-6f);
    EXPECT_NEAR(TyreCode().WheelTyres[3].UnloadedRadius, 0.3170404f, 1e-6f);
}

TEST_F(TyreCodeTest, WheelInertiaIsThatOfAPlausibleWheel) {
    SetTyres(205, 55, 16, 18.0f);
    vehicle::CalcWheelDimensionsAndInertia();
    const TyreState& t = TyreCode().WheelTyres[0];
    const float m = 18.0f, R = t.UnloadedRadius, rim = t.RimDiameter / 2.0f;
    // Most of a wheel's mass sits between the rim and the tread: its inertia about the axle
    // lies between that of a solid disc of the rim's radius and a thin ring at the tread.
    EXPECT_GT(t.Inertia, 0.5f * m * rim * rim);
    EXPECT_LT(t.Inertia, m * R * R);
    // About a diameter a flat ring has half its axial inertia (plus a little for its width).
    EXPECT_GT(t.InertiaA, 0.4f * t.Inertia);
    EXPECT_LT(t.InertiaA, 0.8f * t.Inertia);
}

// A wheel heavier than its thickest walls is the same shape in a denser material: its inertia
// stays below a ring of its mass at the tread (25 t gave 5e9 kg m^2, the inner radii negative).
TEST_F(TyreCodeTest, AHeavyWheelKeepsTheInertiaOfItsShape) {
    for (const float m : {20.0f, 2000.0f, 25000.0f}) {
        SetTyres(225, 45, 17, m);
        vehicle::CalcWheelDimensionsAndInertia();
        const TyreState& t = TyreCode().WheelTyres[0];
        EXPECT_LT(t.Inertia, m * t.UnloadedRadius * t.UnloadedRadius) << m;
        EXPECT_GT(t.InertiaA, 0.25f * t.Inertia) << m;
    }
}

TEST_F(TyreCodeTest, MassFitOfAnImpossibleWheelMassEndsAndStaysFinite) {
    // 1e7 kg: the scale starts near 1e6, where a step of 0.01 no longer changes a float; the
    // fit must end on its pass limit rather than loop for ever (a hang watchdog: it ends at
    // once).
    SetTyres(205, 55, 16, 1.0e7f);
    {
        const testsupport::HangWatchdog watchdog("the mass fit of a 1e7 kg wheel", 20);
        vehicle::CalcWheelDimensionsAndInertia();
    }
    for (const TyreState& t : TyreCode().WheelTyres) {
        EXPECT_TRUE(std::isfinite(t.Inertia));
        EXPECT_TRUE(std::isfinite(t.InertiaA));
    }
    // A negative mass (the tolerance is then negative, never met) ends as well.
    SetTyres(205, 55, 16, -5.0f);
    vehicle::CalcWheelDimensionsAndInertia();
    EXPECT_TRUE(std::isfinite(TyreCode().WheelTyres[0].Inertia));
}

TEST_F(TyreCodeTest, ZeroLoadDeflectionHalvesUntilItSettles) {
    TyreState t = Wheel(205, 55, 16, 200000);
    // Start 0.2 x 0.09775 = 0.01955 m, halved each pass; passes 17 and 18 give 1.49e-7 and
    // 7.46e-8, both 0.0000001 at 7 decimals.
    EXPECT_EQ(vehicle::CalcTyreDeflection(t, 0.0f), 18);
    EXPECT_NEAR(t.Deflection, 0.01955f / 262144.0f, 1e-12f);
}

TEST_F(TyreCodeTest, LoadedTyreOf225_45R17) {
    TyreState t = Wheel(225, 45, 17, 220000);
    vehicle::CalcTyreContactPatch(t, 3500.0f);
    // Hand solution of d = L / (p x f(d) x 2 pi sqrt(Rc R)) with R = 0.3170404 m, crown
    // radius Rc = (0.1125^2 + 0.029025^2) / (2 x 0.029025) = 0.2325358 m and the pressure
    // share f(d) = 1 / (Rc R / d^2 / 1000 + 1): d = 0.0132445 m, f = 0.70409, stiffness
    // 264.26 kN/m (a typical car tyre).
    EXPECT_NEAR(t.Deflection, 0.0132445f, 2e-6f);
    EXPECT_NEAR(t.VerticalStiffness, 264260.6f, 300.0f);
    // Loaded radius R - d; rolling radius R - d/3; patch = chord at depth d: 2 sqrt(2Rd - d^2).
    EXPECT_NEAR(t.LoadedRadius, 0.3037959f, 2e-6f);
    EXPECT_NEAR(t.RollingRadius, 0.3126255f, 1e-6f);
    EXPECT_NEAR(t.PatchLength, 0.1813578f, 2e-5f);
    EXPECT_NEAR(t.PatchArea, 0.225f * 0.1813578f, 5e-6f);
    // Rolling-resistance terms grow with the deflection: 70 x d x 0.0085 and 70 x d x 0.002.
    EXPECT_NEAR(t.RollResC0, 70.0f * 0.0132445f * 0.0085f, 1e-6f);
    EXPECT_NEAR(vehicle::TyreRollingResistanceCoeff(t, 30.0f),
                t.RollResC0 + t.RollResC1 * 0.0002425 * 900.0, 1e-9);
}

// The second tyre of an axle at the same load is served from the last result; a change of
// load or pressure is worked out afresh, never served stale.
TEST_F(TyreCodeTest, RepeatedDeflectionGivesTheSameFiguresAndChangesAreRecomputed) {
    TyreState left = Wheel(225, 45, 17, 220000);
    TyreState right = left;
    const int passes = vehicle::CalcTyreDeflection(left, 3500.0f);
    EXPECT_EQ(vehicle::CalcTyreDeflection(right, 3500.0f), passes);
    EXPECT_EQ(right.Deflection, left.Deflection);
    EXPECT_EQ(right.VerticalStiffness, left.VerticalStiffness);

    TyreState softer = left;
    softer.Pressure = 150000;
    vehicle::CalcTyreDeflection(softer, 3500.0f);
    EXPECT_GT(softer.Deflection, left.Deflection);
    vehicle::CalcTyreDeflection(right, 4000.0f);
    EXPECT_GT(right.Deflection, left.Deflection);

    // The same figures as a computation with nothing remembered.
    TyreState fresh = Wheel(225, 45, 17, 220000);
    vehicle::TyreCode().LastDeflection = {};
    EXPECT_EQ(vehicle::CalcTyreDeflection(fresh, 3500.0f), passes);
    EXPECT_EQ(fresh.Deflection, left.Deflection);
}

TEST_F(TyreCodeTest, LoadBeyondTheTyreBottomsItOut) {
    TyreState t = Wheel(205, 55, 16, 200000);
    vehicle::CalcTyreContactPatch(t, 1.0e7f);
    EXPECT_FLOAT_EQ(t.Deflection, t.SidewallHeight);
}

TEST_F(TyreCodeTest, FlatTyreAndZeroSizedTyreGiveNoNaN) {
    // Pressure 0: no stiffness; any load flattens the tyre to its sidewall, no load leaves it.
    TyreState t = Wheel(205, 55, 16, 0);
    vehicle::CalcTyreContactPatch(t, 3000.0f);
    vehicle::CalcTyreGrip(t, 3000.0f);
    EXPECT_FLOAT_EQ(t.Deflection, t.SidewallHeight);
    EXPECT_TRUE(AllFinite(t));
    vehicle::CalcTyreContactPatch(t, 0.0f);
    vehicle::CalcTyreGrip(t, 0.0f);
    EXPECT_TRUE(AllFinite(t));
    EXPECT_LT(t.Deflection, 0.001f);

    // A vehicle file with no tyre sizes and no wheel masses.
    SetTyres(0, 0, 0, 0.0f);
    vehicle::CalcWheelDimensionsAndInertia();
    vehicle::UpdateTyreAnalysis({{200, 200, 200, 200}}, {{80, 80}, 0},
                                {{250, 250, 250, 250}, {2452, 2452, 2452, 2452}, {}});
    for (const TyreState& w : TyreCode().WheelTyres) EXPECT_TRUE(AllFinite(w));
    EXPECT_TRUE(std::isfinite(TyreCode().FrontPatchShare));
    EXPECT_TRUE(std::isfinite(TyreCode().FrontGripShare));
}

// A run works out each tyre's temperature factor once: the grip with it is the grip.
TEST_F(TyreCodeTest, GripWithAPrecomputedTemperatureFactorIsTheGrip) {
    TyreState warm = Wheel(225, 45, 17, 220000);
    vehicle::CalcTyreContactPatch(warm, 3500.0f);
    warm.Temperature = 95;
    TyreState hot = warm;
    vehicle::CalcTyreGrip(warm, 3500.0f);
    vehicle::CalcTyreGrip(hot, 3500.0f, vehicle::TyreTemperatureFactor(hot));
    EXPECT_EQ(hot.LongGrip, warm.LongGrip);
    EXPECT_EQ(hot.LatGrip, warm.LatGrip);
    EXPECT_LT(warm.LongGrip, TyreCode().TyreCompounds[warm.CompoundIndex].PeakGrip);
}

TEST_F(TyreCodeTest, TemperatureWindowFactors) {
    // Road Normal: optimum 50 deg C, windows -23 / +30, edge factors 0.93 / 0.96, far 0.82.
    // At zero load the friction is the peak 1.4 times the temperature factor.
    TyreState t = Wheel(205, 55, 16, 0);
    auto gripAt = [&](uint8_t temp) {
        t.Temperature = temp;
        vehicle::CalcTyreGrip(t, 0.0f);
        return t.LongGrip;
    };
    EXPECT_FLOAT_EQ(gripAt(50), 1.4f);
    EXPECT_NEAR(gripAt(80), 1.4f * 0.96f, 1e-6f);                   // hot edge
    EXPECT_NEAR(gripAt(27), 1.4f * 0.93f, 1e-6f);                   // cold edge
    EXPECT_NEAR(gripAt(110), 1.4f * (0.96f + 0.82f) / 2.0f, 1e-6f);  // twice the window
    EXPECT_NEAR(gripAt(4), 1.4f * (0.93f + 0.82f) / 2.0f, 1e-6f);
    // Inside the window the loss is quadratic: half-way, a quarter of the edge loss.
    EXPECT_NEAR(gripAt(65), 1.4f * (1.0f - 0.25f * 0.04f), 1e-6f);
    // Lateral friction is the longitudinal over 1.225: 1.4 x 0.99 / 1.225 = 1.1314286.
    EXPECT_NEAR(t.LatGrip, 1.1314286f, 1e-6f);
}

// A compound index no compound has (a damaged setup file's) gives the default compound's grip,
// its temperature window too; the first index past the table as well as any other.
TEST_F(TyreCodeTest, ACompoundIndexPastTheTableGivesTheDefaultCompound) {
    TyreState road = Wheel(225, 45, 17, 220000);
    road.Temperature = 80;  // Road Normal's hot edge: 1.4 x 0.96
    vehicle::CalcTyreGrip(road, 0.0f);
    ASSERT_NEAR(road.LongGrip, 1.4f * 0.96f, 1e-6f);
    constexpr std::size_t past = vehicle::kTyreCompoundCount;
    for (const std::size_t index : {past, past + 1, std::size_t{255}}) {
        SCOPED_TRACE(index);
        TyreState t = road;
        t.CompoundIndex = static_cast<uint8_t>(index);
        vehicle::CalcTyreGrip(t, 0.0f);
        EXPECT_EQ(t.LongGrip, road.LongGrip);
        EXPECT_EQ(t.LatGrip, road.LatGrip);
        EXPECT_EQ(vehicle::TyreTemperatureFactor(t), vehicle::TyreTemperatureFactor(road));
    }
}

TEST_F(TyreCodeTest, FrictionFallsWithPatchPressure) {
    TyreState t = Wheel(225, 45, 17, 220000);
    t.Temperature = 50;  // optimum of Road Normal
    vehicle::CalcTyreContactPatch(t, 3500.0f);
    vehicle::CalcTyreGrip(t, 3500.0f);
    // Mean patch pressure 3500 / 0.040806 m^2 = 85.77 kPa; (85.77 / 180)^2 = 0.2271.
    EXPECT_NEAR(t.LongGrip, 1.4f - 0.2271f, 1e-3f);
}

// Friction falls down to half the compound's peak (a 20 t truck gave -103); a wheel lifted off
// the ground has the friction of no load, and passes on no force.
TEST_F(TyreCodeTest, FrictionKeepsHalfThePeakAndALiftedWheelNoForce) {
    // Width mm, load N, Road Normal's friction at its optimum (peak 1.4).
    for (const auto [width, load, friction] : {std::tuple{225, 3500.0f, 1.4f - 0.2271f},
                                               {400, 49033.0f, 0.7f}, {50, 8000.0f, 0.7f},
                                               {225, -2500.0f, 1.4f}}) {
        TyreState t = Wheel(static_cast<int16_t>(width), 45, 17, 220000);
        t.Temperature = 50;
        vehicle::CalcTyreContactPatch(t, load);
        vehicle::CalcTyreGrip(t, load);
        EXPECT_NEAR(t.LongGrip, friction, 1e-3f) << width << " mm, " << load << " N";
    }
    vehicle::UpdateTyreAnalysis({{200, 200, 200, 200}}, {{50, 50}, 0},
                                {{300, 300, 200, 200}, {2942, 2942, 1961, 1961}, {-1500, 6000, 1961, 3000}});
    EXPECT_EQ(TyreCode().WheelTyres[0].LongGripForce, 0.0f);
    EXPECT_EQ(TyreCode().WheelTyres[0].LatAccelRate, 0.0f);
    EXPECT_GT(TyreCode().FrontGripShare, 0.0f);
}

TEST_F(TyreCodeTest, AnalysisPassAtStaticAndLiveLoads) {
    SetTyres(205, 55, 16);
    vehicle::CalcWheelDimensionsAndInertia();
    const vehicle::TyreSetupInputs setup{{200, 210, 190, 190}};
    const vehicle::LiveTyreInputs live{{50, 60}, 0};
    vehicle::TyreLoadInputs loads{{300, 300, 200, 200},
                                  {2941.995f, 2941.995f, 1961.33f, 1961.33f},
                                  {2941.995f, 2941.995f, 1961.33f, 1961.33f}};
    vehicle::UpdateTyreAnalysis(setup, live, loads);
    const auto& s = TyreCode();
    EXPECT_EQ(s.WheelTyres[1].Pressure, 210000);
    EXPECT_EQ(s.WheelTyres[0].Temperature, 50);
    EXPECT_EQ(s.WheelTyres[3].Temperature, 60);
    // Live loads equal to the static loads lose nothing.
    EXPECT_FLOAT_EQ(s.WeightTransferGripLoss, 0.0f);
    for (float loss : s.WheelGripLoss) EXPECT_FLOAT_EQ(loss, 0.0f);
    const TyreState& fl = s.WheelTyres[0];
    // Hand solution for the front tyre at 2941.995 N and 200 kPa: R = 0.3158468 m, crown
    // depth 0.0041 m, free wall 0.09365 m, sagitta 0.3 x 0.09365 + 0.0041 = 0.032195 m, crown
    // radius Rc = (0.1025^2 + 0.032195^2) / (2 x 0.032195) = 0.1792634 m, stiffness term
    // 2 pi sqrt(Rc R) = 1.4950782; d = L / (p f(d) x 1.4950782) gives d = 0.0130901 m,
    // f = 0.751634, vertical stiffness 224750 N/m.
    EXPECT_NEAR(fl.Deflection, 0.0130901f, 2e-6f);
    EXPECT_NEAR(fl.VerticalStiffness, 224750.0f, 300.0f);
    // Rolling radius R - d/3 = 0.3114835 m; patch 0.205 x 2 sqrt(R^2 - (R - d)^2) =
    // 0.205 x 0.1799728 = 0.0368944 m^2; mean pressure 2941.995 / 0.0368944 = 79.74 kPa;
    // friction at the optimum 50 deg C: 1.4 - (79.74 / 180)^2 = 1.4 - 0.196253 = 1.2037466.
    EXPECT_NEAR(fl.RollingRadius, 0.3114835f, 1e-6f);
    EXPECT_NEAR(fl.LongGrip, 1.2037466f, 1e-4f);
    // Grip force 2941.995 x 1.2037466 = 3541.416 N; lateral 3541.416 / 1.225 / 300 kg =
    // 9.63651 m/s^2; traction torque 300 x 9.80665 x 1.2037466 x 0.3114835 = 1103.093 N m.
    EXPECT_NEAR(fl.LongGripForce, 3541.416f, 0.3f);
    EXPECT_NEAR(fl.LatAccelRate, 9.63651f, 1e-3f);
    EXPECT_NEAR(fl.TractionTorqueLimit, 1103.093f, 0.1f);
    // Bounce frequency of the corner on the tyre: sqrt(224750 / 300) / 2 pi = 4.35622 Hz.
    EXPECT_NEAR(fl.VerticalFrequency, 4.35622f, 3e-3f);
    // Wall left: 0.09775 - 0.0130901 = 0.0846599 m; circumference 2 pi x 0.3114835 = 1.9571084 m.
    EXPECT_NEAR(fl.WallHeightRemaining, 0.0846599f, 2e-6f);
    EXPECT_NEAR(fl.RollingCircumference, 1.9571084f, 1e-5f);
    // The front carries more load on equal tyres: more than half the patch area.
    EXPECT_GT(s.FrontPatchShare, 0.5f);
    EXPECT_LT(s.FrontPatchShare, 1.0f);

    // Lateral transfer: friction is concave in load, so the axle loses summed friction.
    loads.CornerDynamicLoad = {3941.995f, 1941.995f, 2461.33f, 1461.33f};
    vehicle::UpdateTyreAnalysis(setup, live, loads);
    EXPECT_GT(s.WeightTransferGripLoss, 0.0f);
    EXPECT_GT(s.WheelGripLoss[0], 0.0f);  // the loaded wheel loses friction
    EXPECT_LT(s.WheelGripLoss[1], 0.0f);  // the unloaded one gains

    // All live loads 0: the grip forces use the static loads.
    loads.CornerDynamicLoad = {0, 0, 0, 0};
    vehicle::UpdateTyreAnalysis(setup, live, loads);
    EXPECT_NEAR(s.WheelTyres[2].LongGripForce, 1961.33f * s.WheelTyres[2].LongGrip, 1e-2f);
}

TEST_F(TyreCodeTest, ZeroCornerMassGivesZeroRatesAndFrequency) {
    SetTyres(205, 55, 16);
    vehicle::CalcWheelDimensionsAndInertia();
    vehicle::UpdateTyreAnalysis({{200, 200, 200, 200}}, {{50, 50}, 0},
                                {{0, 300, 0, 200}, {0, 2941.995f, 0, 1961.33f}, {}});
    const TyreState& w = TyreCode().WheelTyres[0];
    EXPECT_EQ(w.VerticalFrequency, 0.0f);
    EXPECT_EQ(w.LongAccelRate, 0.0f);
    EXPECT_EQ(w.LatAccelRate, 0.0f);
    EXPECT_TRUE(AllFinite(w));
}

TEST_F(TyreCodeTest, FullWearLowersRadiiAndHeightsBy15mm) {
    SetTyres(205, 55, 16);
    vehicle::CalcWheelDimensionsAndInertia();
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.AeroElements[0].PosY = 0.5f;
    v.AeroElements[2].PosY = 0.0f;
    v.AeroElements[3].PosY = 1.0f;
    const vehicle::TyreLoadInputs loads{{300, 300, 200, 200},
                                        {2941.995f, 2941.995f, 1961.33f, 1961.33f},
                                        {3000, 2900, 2000, 1900}};
    vehicle::UpdateTyreAnalysis({{200, 200, 200, 200}}, {{50, 50}, 0}, loads);
    const TyreState fresh = TyreCode().WheelTyres[0];
    vehicle::UpdateTyreAnalysis({{200, 200, 200, 200}}, {{50, 50}, 100}, loads);
    const TyreState worn = TyreCode().WheelTyres[0];
    EXPECT_FLOAT_EQ(worn.Deflection, fresh.Deflection);
    EXPECT_NEAR(fresh.LoadedRadius - worn.LoadedRadius, 0.015f, 1e-6f);
    EXPECT_NEAR(fresh.RollingRadius - worn.RollingRadius, 0.015f, 1e-6f);

    const vehicle::PositionXYZ cog{0.45f, 0.6f, 0.5f};
    vehicle::HeightChange h0{}, h100{};
    vehicle::CalcAxleTyreHeights(h0, cog, 0.010f, 0.012f, 0.008f, 0.009f, 0.55f, 0);
    vehicle::CalcAxleTyreHeights(h100, cog, 0.010f, 0.012f, 0.008f, 0.009f, 0.55f, 100);
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(h0[k] - h100[k], 0.015f, 1e-6f) << k;
    // Hand values: front change -0.011, rear -0.0085. Element 4 (rear wing, all on the rear
    // axle) -0.0085, element 5 (front wing) -0.011, the unsprung centre 0.55 of the way front.
    EXPECT_NEAR(h0[4], -0.0085f, 1e-7f);
    EXPECT_NEAR(h0[5], -0.011f, 1e-7f);
    EXPECT_NEAR(h0[1], -0.0085f + 0.55f * (-0.011f + 0.0085f), 1e-7f);
    // CoG: 0.6 front mix -0.01 plus the lateral term (0.5 (0.012 + 0.009) - 0.5 (0.010 +
    // 0.008)) x (0.5 - 0.45) = 0.0015 x 0.05.
    EXPECT_NEAR(h0[0], -0.0085f + 0.6f * (-0.0025f) + 0.0015f * 0.05f, 1e-7f);
}

TEST_F(TyreCodeTest, GearRollingRadiiUseTheDrivenAxle) {
    SetTyres(205, 55, 16);
    core::GlobalChassisLab().CurrentVehicle.Tyres[1] = vehicle::TyreSize{225, 45, 17};
    vehicle::CalcWheelDimensionsAndInertia();
    for (auto& w : TyreCode().WheelTyres) w.Pressure = 200000;
    auto& loads = vehicle::AeroCode().GearWheelLoads;
    for (auto& row : loads) row = {3000.0f, 3000.0f, 2000.0f, 2000.0f};
    vehicle::GearingCode().FrontTorqueShare = 0.0f;  // rear drive
    vehicle::CalcGearRollingRadii();
    TyreState rear = TyreCode().WheelTyres[2];
    vehicle::CalcTyreContactPatch(rear, 2000.0f);
    // 0.98 x the rear wheels' rolling radius at their load.
    EXPECT_NEAR(vehicle::GearingCode().GearRollingRadius[3], 0.98f * rear.RollingRadius, 1e-6f);
    // The tyre state itself keeps its last results.
    EXPECT_EQ(TyreCode().WheelTyres[2].Deflection, 0.0f);
}

}  // namespace
