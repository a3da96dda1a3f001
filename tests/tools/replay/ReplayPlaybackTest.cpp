// The replay arithmetic on its own: steps per tick at the three speeds and time steps, slider
// ticks rounded half to even, the side view's inputs at a sample and its span.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AccelerationCode.hpp"
#include "ui/tools/replay/ReplayPlayback.hpp"

namespace {

using namespace tools;

TEST(ReplayPlayback, StepsPerTickForEveryTimeStepAndSpeed) {
    const float steps[3] = {0.01f, 0.002f, 0.0005f};
    const int16_t expected[3][3] = {{1, 5, 10}, {5, 25, 50}, {20, 100, 200}};  // 0.2x, 1x, 2x
    for (int s = 0; s < 3; ++s)
        for (int p = 0; p < 3; ++p)
            EXPECT_EQ(StepsPerTick(TickSeconds(static_cast<PlaySpeed>(p)), steps[s]), expected[s][p])
                << s << " " << p;
    EXPECT_EQ(StepsPerTick(0.05f, 0.0f), 0);  // no time step, no steps
}

TEST(ReplayPlayback, SliderTicksRoundHalfToEven) {
    EXPECT_EQ(TicksFor(1003, 5), 201);  // 200.6
    EXPECT_EQ(TicksFor(25, 10), 2);     // 2.5
    EXPECT_EQ(TicksFor(35, 10), 4);     // 3.5
    EXPECT_EQ(TicksFor(35, 0), 0);
}

ReplayRun OneSampleRun() {
    ReplayRun r;
    r.Present = true;
    r.LastStep = 0;
    r.TimeStep = 0.01f;
    r.Data.assign(analysis::kAccColumns, 0.0f);
    namespace Col = analysis::AccCol;
    r.Data[Col::CoGFrontShare] = 0.52f;
    r.Data[Col::CoGHeight] = 0.48f;
    r.Data[Col::ElementHeight + 1] = 0.1f;   // undertray
    r.Data[Col::ElementHeight + 2] = 0.3f;   // front wing
    r.Data[Col::ElementHeight + 3] = 1.1f;   // rear wing
    for (int k = 0; k < 4; ++k) {
        r.Data[Col::LoadedSpringLength + k] = 0.06f;
        r.Data[Col::TyreDeflection + k] = 0.02f;
        r.Tyres[static_cast<std::size_t>(k)].UnloadedRadius = 0.32f;
        r.Tyres[static_cast<std::size_t>(k)].WearDepth = 0.01f;
    }
    r.Vehicle.Wheelbase = 2.5f;
    r.Vehicle.Axles[0].SpringMotionRatio = 1.2f;
    r.Vehicle.Axles[1].SpringMotionRatio = 0.9f;
    return r;
}

TEST(ReplayPlayback, SideViewInputsAtASample) {
    ReplayRun r = OneSampleRun();
    const PitchFrame f = PreparePitchFrame(r, 0, 2800.0f);
    // Loaded radius 0.32 - 0.01 - 0.02 = 0.29 m; patch 2 sqrt(0.31^2 - 0.29^2) = 0.2191 m.
    EXPECT_NEAR(r.Tyres[0].LoadedRadius, 0.29f, 1e-6);
    EXPECT_NEAR(r.Tyres[3].PatchLength, 2.0 * std::sqrt(0.31 * 0.31 - 0.29 * 0.29), 1e-5);
    // Wheel travel left: the axle's motion ratio x the spring length.
    EXPECT_NEAR(r.Corners[1].WheelTravelLeft, 1.2f * 0.06f, 1e-7);
    EXPECT_NEAR(r.Corners[2].WheelTravelLeft, 0.9f * 0.06f, 1e-7);
    EXPECT_FLOAT_EQ(f.CoG.Y, 0.52f);
    EXPECT_FLOAT_EQ(f.CoG.Z, 0.48f);
    EXPECT_FLOAT_EQ(f.UndertrayHeight, 0.1f);
    EXPECT_FLOAT_EQ(f.FrontWingHeight, 0.3f);
    EXPECT_FLOAT_EQ(f.RearWingHeight, 1.1f);
    // No wings: 1.1 x (0.32 + 2.5 + 0.32) = 3.454 m across 2800 units.
    EXPECT_NEAR(f.Scale, 2800.0f / 3.454f, 0.01f);
}

TEST(ReplayPlayback, SpanWithWings) {
    ReplayRun r = OneSampleRun();
    r.Vehicle.AeroElements[2].DeviceType = 1;
    r.Vehicle.AeroElements[2].PosY = -0.2f;  // 0.7 L behind the centre: twice that across
    EXPECT_NEAR(PitchDiagramSpan(r.Vehicle, r.Tyres), 1.2f * 1.4f * 2.5f, 1e-5);
    // Wings within the wheelbase: never narrower than the wheelbase (not 0 or negative).
    r.Vehicle.AeroElements[2].PosY = 0.5f;
    r.Vehicle.AeroElements[3].DeviceType = 1;
    r.Vehicle.AeroElements[3].PosY = 0.5f;
    EXPECT_NEAR(PitchDiagramSpan(r.Vehicle, r.Tyres), 1.2f * 2.5f, 1e-5);
}

TEST(ReplayPlayback, DrivingSlotIsTheLongerPresentRun) {
    std::array<ReplayRun, 2> runs;
    EXPECT_EQ(DrivingSlot(runs), -1);
    runs[1].Present = true;
    runs[1].LastStep = 10;
    EXPECT_EQ(DrivingSlot(runs), 1);
    runs[0].Present = true;
    runs[0].LastStep = 10;  // equal: slot 2
    EXPECT_EQ(DrivingSlot(runs), 1);
    runs[0].LastStep = 11;
    EXPECT_EQ(DrivingSlot(runs), 0);
    runs[1].Present = false;
    runs[0].LastStep = 1;
    EXPECT_EQ(DrivingSlot(runs), 0);
}

}  // namespace
