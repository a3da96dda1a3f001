// The spring and disc-brake formulas against figures worked by hand from the textbook
// formulas, with E = 2e11 Pa, G = 7.93e10 Pa and pi = 3.141592653589:
//   leaf (semi-elliptic) k = 8 E N b t^3 f / (3 L^3), quarter-elliptic E N b t^3 f / (6 L^3)
//   coil k = G r^4 / (4 n R^3), n = free length / pitch (at most the total coils)
//   bar GJ = G pi / 4 (Ro^4 - Ri^4), torsion GJ / Lb, at the arms 4 GJ / (A^2 Lb)
#include <gtest/gtest.h>

#include <vector>

#include "ui/tools/calculators/DiscBrakeCalc.hpp"
#include "ui/tools/calculators/SpringCalcs.hpp"

namespace {

using namespace tools;

tools::LeafSpringInputs DefaultLeaf() {
    return {1.016f, 0.0635f, 0.00635f, 6.0, LeafType::SemiElliptic};
}

TEST(LeafSpringCalc, DesignTimeLeafGivesTheHandWorkedRates) {
    // 6 x 0.0635 x 2e11 x 1.25 / 3 = 3.175e10; (2 x 0.00635 / 1.016)^3 = 0.0125^3.
    auto in = DefaultLeaf();
    EXPECT_NEAR(CalcLeafSpring(in).Rate, 3.175e10 * 1.953125e-6, 0.5);  // 62011.7 N/m
    in.Type = LeafType::SemiEllipticProgressive;                          // factor 1.1
    EXPECT_NEAR(CalcLeafSpring(in).Rate, 54570.3, 0.5);
    in.Type = LeafType::QuarterElliptic;  // (t / L)^3 x 0.5 x base, factor 1.25 again
    EXPECT_NEAR(CalcLeafSpring(in).Rate, 3875.7, 0.1);
}

TEST(LeafSpringCalc, LeafCountRoundsHalfToEvenAndMustLieInTwoTo40) {
    auto in = DefaultLeaf();
    const float perLeaf = CalcLeafSpring(in).Rate / 6.0f;
    in.LeavesTyped = 2.5;  // 2 leaves
    EXPECT_EQ(CalcLeafSpring(in).Leaves, 2);
    EXPECT_NEAR(CalcLeafSpring(in).Rate, 2 * perLeaf, 0.1);
    in.LeavesTyped = 3.5;  // 4 leaves
    EXPECT_EQ(CalcLeafSpring(in).Leaves, 4);
    for (double bad : {1.0, 0.0, -3.0, 41.0, 256.0, 1e12}) {
        in.LeavesTyped = bad;
        const auto r = CalcLeafSpring(in);
        EXPECT_FALSE(r.Valid) << bad;
        EXPECT_FALSE(r.Ok[3]) << bad;
        EXPECT_TRUE(r.Ok[0]) << bad;
    }
    in.LeavesTyped = 40.0;  // more than any truck or rail-wagon spring
    EXPECT_TRUE(CalcLeafSpring(in).Valid);
    in.LeavesTyped = 2.0;
    in.Thickness = 0.0025f;  // a twentieth of the shortest span
    in.Span = 0.0499f;
    EXPECT_FALSE(CalcLeafSpring(in).Ok[0]);
    in.Span = 0.05f;  // the threshold itself passes
    EXPECT_TRUE(CalcLeafSpring(in).Valid);
}

TEST(CoilSpringCalc, DesignTimeCoilGivesTheHandWorkedFigures) {
    const auto r = CalcCoilSpring({0.145f, 0.0388f, 5.25f, 0.014f, 0.069f});
    ASSERT_TRUE(r.Valid);
    EXPECT_NEAR(r.ActiveCoils, 3.73711f, 1e-5);     // 0.145 / 0.0388
    EXPECT_NEAR(r.MeanDiameter, 0.083f, 1e-7);       // 0.069 + 0.014
    EXPECT_NEAR(r.Travel, 0.0715f, 1e-7);            // 0.145 - 5.25 x 0.014
    EXPECT_NEAR(r.Rate, 178207.0, 2.0);              // 7.93e10 x 0.007^4 / (4 n 0.0415^3)
}

// A spring up to a pitch longer than its coils (plain ends) has no more active coils than it
// has coils: 0.05 m at 0.01 m is 5 pitches, of 4 coils. With 8 mm wire 69 mm inside:
// 7.93e10 x 0.004^4 / (4 x 4 x 0.0385^3) = 22233.7 N/m (17787 N/m with 5).
TEST(CoilSpringCalc, ActiveCoilsNeverExceedTheTotalCoils) {
    const auto r = CalcCoilSpring({0.05f, 0.01f, 4.0f, 0.008f, 0.069f});
    ASSERT_TRUE(r.Valid);
    EXPECT_EQ(r.ActiveCoils, 4.0f);
    EXPECT_NEAR(r.Rate, 22233.7, 0.5);
}

TEST(CoilSpringCalc, EachLimitFailsItsOwnBoxOnly) {
    const CoilSpringInputs good{0.145f, 0.0388f, 5.25f, 0.014f, 0.069f};
    auto in = good;
    in.TotalCoils = 1.99f;
    auto r = CalcCoilSpring(in);
    EXPECT_FALSE(r.Valid);
    EXPECT_EQ(r.Ok, (std::array<bool, 5>{true, true, false, true, true}));
    in.TotalCoils = 2.0f;
    in.FreeLength = 0.11f;  // two coils hold at most three pitches: 0.1164 m
    EXPECT_TRUE(CalcCoilSpring(in).Valid);
    in = good;
    in.FreeLength = 0.0f;
    in.InnerDiameter = 0.0099f;
    r = CalcCoilSpring(in);
    EXPECT_EQ(r.Ok, (std::array<bool, 5>{false, true, true, true, false}));
}

// Torsion stiffness G J / Lb with the polar moment J = pi (Ro^4 - Ri^4) / 2, G = 7.93e10 Pa:
// tubular Ro = 0.0143 m, Ri = 0.0111 m: J = 4.18389e-8 m^4, 7.93e10 x J / 0.8223 m =
// 4034.8 N m/rad; solid J = 6.56847e-8 m^4: 6334.4 N m/rad.
TEST(TorsionBarCalc, TubularAndSolidBarsGiveTheHandWorkedStiffnesses) {
    TorsionBarInputs in{0.227f, 0.8223f, 0.0286f, 0.0032f, false};
    auto r = CalcTorsionBar(in);
    ASSERT_TRUE(r.Valid);
    EXPECT_NEAR(r.HollowDiameter, 0.0222f, 1e-6);  // 2 x (0.0143 - 0.0032)
    EXPECT_NEAR(r.TorsionStiffness, 4034.8, 0.1);
    EXPECT_NEAR(r.LinearStiffness, 156603.4, 5.0);
    in.Solid = true;  // the wall is the radius: no hole
    r = CalcTorsionBar(in);
    ASSERT_TRUE(r.Valid);
    EXPECT_EQ(r.HollowDiameter, 0.0f);
    EXPECT_NEAR(r.TorsionStiffness, 6334.4, 0.1);
    EXPECT_NEAR(r.LinearStiffness, 245858.5, 8.0);
}

TEST(TorsionBarCalc, LimitsAndAWallThickerThanTheRadius) {
    TorsionBarInputs in{0.05f, 0.2f, 0.005f, 0.001f, false};  // every threshold passes
    EXPECT_TRUE(CalcTorsionBar(in).Valid);
    in.ArmLength = 0.049f;
    in.Diameter = 0.0049f;
    const auto r = CalcTorsionBar(in);
    EXPECT_EQ(r.Ok, (std::array<bool, 4>{false, true, false, true}));
    // The wall may be as thick as the radius (no hole left), not thicker and not 0 or less.
    in = {0.227f, 0.8223f, 0.0286f, 0.0143f, false};
    EXPECT_TRUE(CalcTorsionBar(in).Valid);
    EXPECT_EQ(CalcTorsionBar(in).HollowDiameter, 0.0f);
    for (float wall : {0.0144f, 0.2f, 0.0f, -0.0032f}) {
        in.WallThickness = wall;
        EXPECT_EQ(CalcTorsionBar(in).Ok, (std::array<bool, 4>{true, true, true, false})) << wall;
    }
}

DiscBrakeInputs DefaultBrakes() {
    DiscBrakeInputs in;
    in.PedalArm = 0.223f;
    in.PushrodDistance = 0.035f;
    in.AppliedForce = 333.0f;
    in.MasterCylinders = 1;
    in.BiasThread = 0.00125f;
    in.BiasLength = 0.075f;
    in.BiasOffset = 1.0f;
    in.MasterBore = 0.02f;
    in.CaliperBore = {0.035f, 0.032f};
    in.CalipersPerDisc = {4.0f, 2.0f};
    in.PadsPerCaliper = 1;
    in.Friction = 0.4f;
    in.DiscDiameter = {0.2755f, 0.26f};
    return in;
}

TEST(DiscBrakeCalc, OneMasterCylinderGivesTheHandWorkedFigures) {
    const auto r = CalcDiscBrakes(DefaultBrakes());
    ASSERT_TRUE(r.Valid);
    EXPECT_NEAR(r.Leverage, 6.3714f, 1e-4);          // 0.223 / 0.035
    EXPECT_NEAR(r.MechanicalForce, 2121.686f, 0.01);  // 333 x 0.223 / 0.035
    EXPECT_NEAR(r.MasterArea, 3.14159e-4f, 1e-9);    // (0.01)^2 pi
    EXPECT_NEAR(r.CaliperArea[0], 0.0038485f, 1e-7);  // 0.035^2 x 4 x pi / 4
    EXPECT_NEAR(r.CaliperArea[1], 0.0016085f, 1e-7);
    EXPECT_NEAR(r.PadRadius[0], 0.10275f, 1e-7);      // 0.2755 / 2 - 0.035
    EXPECT_NEAR(r.PadRadius[1], 0.098f, 1e-7);
    EXPECT_NEAR(r.Pressure[0], 6.75354e6f, 10.0f);  // 2121.686 N / 3.14159e-4 m^2
    EXPECT_EQ(r.Pressure[0], r.Pressure[1]);
    EXPECT_NEAR(r.ClampForce[0], 25990.7f, 0.5f);
    EXPECT_NEAR(r.ClampForce[1], 10863.0f, 0.5f);
    EXPECT_NEAR(r.Torque[0], 534.1f, 0.05f);   // 0.4 x 25990.7 x 0.10275 x 1 x 0.5
    EXPECT_NEAR(r.Torque[1], 212.9f, 0.05f);
    EXPECT_NEAR(r.TorqueEffortRatio, 2.243f, 0.001f);
    ASSERT_TRUE(r.HasBalance);
    EXPECT_NEAR(r.FrontBalance, 0.715f, 0.001f);
}

TEST(DiscBrakeCalc, TheBiasBarShiftsForceBetweenTwoMasterCylinders) {
    auto in = DefaultBrakes();
    in.MasterCylinders = 2;  // shift 1 x 0.00125 / 0.075 = 1/60
    const auto r = CalcDiscBrakes(in);
    ASSERT_TRUE(r.Valid);
    EXPECT_NEAR(r.MasterForce[0], 1096.20f, 0.02f);
    EXPECT_NEAR(r.MasterForce[1], 1025.48f, 0.02f);
    EXPECT_NEAR(r.Pressure[0], 3.4893e6f, 100.0f);
    EXPECT_NEAR(r.Pressure[1], 3.2642e6f, 100.0f);
    EXPECT_NEAR(r.Torque[0], 551.91f, 0.05f);
    EXPECT_NEAR(r.Torque[1], 205.82f, 0.05f);
    EXPECT_NEAR(r.TorqueEffortRatio, 2.2755f, 0.001f);
    EXPECT_NEAR(r.FrontBalance, 0.7284f, 0.0005f);
    // Centred, two cylinders brake exactly as one.
    in.BiasOffset = 0.0f;
    const auto centred = CalcDiscBrakes(in);
    const auto one = CalcDiscBrakes(DefaultBrakes());
    EXPECT_NEAR(centred.Torque[0], one.Torque[0], 0.01f);
    EXPECT_NEAR(centred.Torque[1], one.Torque[1], 0.01f);
}

TEST(DiscBrakeCalc, LimitsFailTheirBoxesAndBlockTheResults) {
    auto in = DefaultBrakes();
    in.AppliedForce = 9.9f;
    in.Friction = 2.01f;
    auto r = CalcDiscBrakes(in);
    EXPECT_FALSE(r.Valid);
    EXPECT_FALSE(r.Ok[BrakeBox::AppliedForce]);
    EXPECT_FALSE(r.Ok[BrakeBox::Friction]);
    EXPECT_TRUE(r.Ok[BrakeBox::PedalArm]);
    EXPECT_EQ(r.Torque[0], 0.0f);  // nothing computed
    in = DefaultBrakes();
    in.AppliedForce = 10.0f;
    in.Friction = 1.0f;  // hotter carbon pads than any made
    EXPECT_TRUE(CalcDiscBrakes(in).Valid);
    in.Friction = 0.09f;
    EXPECT_FALSE(CalcDiscBrakes(in).Valid);
    // A disabled bias-bar box still blocks the calculation with one cylinder.
    in = DefaultBrakes();
    in.BiasThread = 0.0f;
    EXPECT_FALSE(CalcDiscBrakes(in).Ok[BrakeBox::BiasThread]);
    // A caliper bore of exactly half the disc passes with a pad radius of 0; more fails the
    // disc's box.
    in = DefaultBrakes();
    in.DiscDiameter[1] = 0.064f;
    r = CalcDiscBrakes(in);
    ASSERT_TRUE(r.Valid);
    EXPECT_NEAR(r.PadRadius[1], 0.0f, 1e-9);
    in.DiscDiameter[1] = 0.0639f;
    EXPECT_FALSE(CalcDiscBrakes(in).Ok[BrakeBox::RearDisc]);
}

TEST(DiscBrakeCalc, NoBalanceWithoutTorqueAndNoPulledCylinder) {
    auto in = DefaultBrakes();
    in.DiscDiameter = {0.07f, 0.064f};  // both pad radii 0
    const auto r = CalcDiscBrakes(in);
    ASSERT_TRUE(r.Valid);
    EXPECT_FALSE(r.HasBalance);
    // An offset that moves the pivot beyond the bar's end would pull the rear cylinder.
    in = DefaultBrakes();
    in.MasterCylinders = 2;
    in.BiasOffset = 30.0f;  // shift 0.5: rear force 0, allowed
    EXPECT_TRUE(CalcDiscBrakes(in).Valid);
    in.BiasOffset = 31.0f;
    const auto pulled = CalcDiscBrakes(in);
    EXPECT_FALSE(pulled.Valid);
    EXPECT_FALSE(pulled.Ok[BrakeBox::BiasOffset]);
    // 20 turns of a 0.5 mm thread on a 20 mm bar put the pivot at the bar's end: a shift of
    // 0.50000006 in Singles, allowed; 20.001 turns go past it.
    in.BiasThread = 0.0005f;
    in.BiasLength = 0.02f;
    in.BiasOffset = 20.0f;
    EXPECT_TRUE(CalcDiscBrakes(in).Valid);
    in.BiasOffset = 20.001f;
    EXPECT_FALSE(CalcDiscBrakes(in).Ok[BrakeBox::BiasOffset]);
    in.MasterCylinders = 1;  // without the bar the offset does not matter
    EXPECT_TRUE(CalcDiscBrakes(in).Valid);
    in.BiasOffset = -1.0f;
    EXPECT_FALSE(CalcDiscBrakes(in).Ok[BrakeBox::BiasOffset]);
}

// Figures that no real part has together: across each boundary the boxes that make it up
// fail (and only they), at it they pass. The first two leaves and pedal are the testers'.
TEST(CalculatorCrossChecks, FiguresThatBoundEachOther) {
    const struct {
        const char* what;
        CoilSpringInputs in;
        std::array<bool, 5> ok;
    } coils[] = {
        {"8 mm wire", {0.145f, 0.0388f, 5.25f, 0.008f, 0.069f}, {true, true, true, true, true}},
        {"9.5 mm wire", {0.145f, 0.0388f, 5.25f, 0.0095f, 0.069f}, {true, true, true, true, true}},
        // 10 coils: 5.25 at 14 mm hold 87.5 mm, not 145.
        {"pitch as the wire", {0.145f, 0.014f, 10.0f, 0.014f, 0.069f}, {true, true, true, true, true}},
        {"pitch below the wire", {0.145f, 0.0139f, 10.0f, 0.014f, 0.069f}, {true, false, true, false, true}},
        // Plain ends: at most one pitch more than the total coils, here 6 x 20 mm.
        {"within 6 pitches", {0.119f, 0.02f, 5.0f, 0.014f, 0.069f}, {true, true, true, true, true}},
        {"beyond 6 pitches", {0.121f, 0.02f, 5.0f, 0.014f, 0.069f}, {false, false, false, true, true}},
        // Exactly at two limits in Singles: 0.05 lies above 5 x 0.01 and 4 x 0.0125.
        {"at 5 pitches", {0.05f, 0.01f, 4.0f, 0.008f, 0.069f}, {true, true, true, true, true}},
        {"closed up at 5 pitches", {0.05f, 0.0125f, 4.0f, 0.0125f, 0.069f},
         {true, true, true, true, true}},
        {"2 um beyond 5 pitches", {0.050002f, 0.01f, 4.0f, 0.008f, 0.069f},
         {false, false, false, true, true}},
        {"200 active coils from 2", {1.0f, 0.005f, 2.0f, 0.005f, 0.069f}, {false, false, false, true, true}},
        {"index 19.6", {0.145f, 0.0388f, 5.25f, 0.014f, 0.26f}, {true, true, true, true, true}},
        {"index 20.3", {0.145f, 0.0388f, 5.25f, 0.014f, 0.27f}, {true, true, true, false, false}},
        // An index of 20 typed exactly: 0.1 / 0.005 m lies above 20 in Singles.
        {"index 20", {0.145f, 0.0388f, 5.25f, 0.005f, 0.095f}, {true, true, true, true, true}},
        {"index 20.02", {0.145f, 0.0388f, 5.25f, 0.005f, 0.0951f}, {true, true, true, false, false}},
        {"index 3.3", {0.145f, 0.0388f, 3.0f, 0.03f, 0.07f}, {true, true, true, true, true}},
        {"index 2.7", {0.145f, 0.0388f, 3.0f, 0.03f, 0.05f}, {true, true, true, false, false}},
    };
    for (const auto& c : coils) {
        const auto r = CalcCoilSpring(c.in);
        EXPECT_EQ(r.Ok, c.ok) << c.what;
        EXPECT_EQ(r.Valid, c.ok == (std::array<bool, 5>{true, true, true, true, true})) << c.what;
    }

    const struct {
        float span, thickness;
        bool ok;
    } leaves[] = {{0.05f, 0.1f, false},  {1.016f, 0.051f, false}, {1.016f, 0.05f, true},
                  // 20 thicknesses typed exactly: 0.08 lies below 20 x 0.004 in Singles.
                  {0.08f, 0.004f, true}, {0.0799f, 0.004f, false}};
    for (const auto& l : leaves) {
        auto in = DefaultLeaf();
        in.Span = l.span;
        in.Thickness = l.thickness;
        const auto r = CalcLeafSpring(in);
        EXPECT_EQ(r.Ok, (std::array<bool, 4>{l.ok, true, l.ok, true})) << l.span << " " << l.thickness;
    }

    const struct {
        float arm, diameter;
        bool ok;
    } bars[] = {{0.15f, 0.08f, false}, {0.16f, 0.08f, true}};
    for (const auto& b : bars) {
        const auto r = CalcTorsionBar({b.arm, 0.8223f, b.diameter, 0.0032f, false});
        EXPECT_EQ(r.Ok, (std::array<bool, 4>{b.ok, true, b.ok, true})) << b.arm;
    }

    // Pedal ratio 2 to 10; at most 300 bar from the 20 mm master cylinder (pi 0.01^2 m^2):
    // 1400 N x 6.37 makes 284 bar, 1500 N 304 bar, 5000 N x 100 some 16000 bar.
    const struct {
        const char* what;
        float arm, rod, push;
        std::vector<int> refused;
    } pedals[] = {
        {"100:1, 5000 N", 1.0f, 0.01f, 5000.0f,
         {BrakeBox::PedalArm, BrakeBox::PushrodDistance, BrakeBox::AppliedForce, BrakeBox::MasterBore}},
        {"11.4:1", 0.4f, 0.035f, 333.0f, {BrakeBox::PedalArm, BrakeBox::PushrodDistance}},
        {"1.86:1", 0.223f, 0.12f, 333.0f, {BrakeBox::PedalArm, BrakeBox::PushrodDistance}},
        {"2.2:1", 0.223f, 0.1f, 333.0f, {}},
        // 150 / 15 mm typed exactly: 10.0000006 in Singles.
        {"10:1", 0.15f, 0.015f, 333.0f, {}},
        {"10.01:1", 0.1501f, 0.015f, 333.0f, {BrakeBox::PedalArm, BrakeBox::PushrodDistance}},
        {"284 bar", 0.223f, 0.035f, 1400.0f, {}},
        {"304 bar", 0.223f, 0.035f, 1500.0f, {BrakeBox::AppliedForce, BrakeBox::MasterBore}},
    };
    for (const auto& p : pedals) {
        auto in = DefaultBrakes();
        in.PedalArm = p.arm;
        in.PushrodDistance = p.rod;
        in.AppliedForce = p.push;
        const auto r = CalcDiscBrakes(in);
        std::array<bool, BrakeBox::Count> ok{};
        ok.fill(true);
        for (int box : p.refused) ok[static_cast<std::size_t>(box)] = false;
        EXPECT_EQ(r.Ok, ok) << p.what;
        EXPECT_EQ(r.Valid, p.refused.empty()) << p.what;
    }
}

}  // namespace
