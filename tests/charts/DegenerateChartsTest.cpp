// Every chart and diagram fed the figures that leave its scale without a finite value (a body
// mass, time span, speed range, force, radius, track or wheelbase of 0, a vehicle that is not
// wheel driven, a run that never moves) or with figures that are not numbers: each draws its
// grid, axes and titles (or an empty picture) and never hands the surface a coordinate it
// has to throw away.
#include <cmath>
#include <limits>

#include "charts/ChartTestSupport.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/LineCharts.hpp"
#include "charts/PatchDiagrams.hpp"
#include "charts/RunGraphs.hpp"
#include "charts/SuspensionCharts.hpp"
#include "charts/VehicleCharts.hpp"

using namespace chart_test;
using namespace charts;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class DegenerateCharts : public ChartTest {
protected:
    // Draws on a fresh surface and checks what the surface was given.
    template <typename Draw>
    void Check(const char* what, Draw draw, bool expectDrawing = true) {
        platform::Surface fresh;
        fresh.SetPixelSize(300, 200);
        draw(fresh);
        EXPECT_EQ(fresh.DroppedOps(), 0) << what;
        for (const auto& o : fresh.DisplayList())
            for (double v : {o.x1, o.y1, o.x2, o.y2, o.r})
                ASSERT_TRUE(std::isfinite(v)) << what;
        if (expectDrawing) EXPECT_FALSE(fresh.DisplayList().empty()) << what;
    }
    // A run of two rows of zeros: it never moves.
    void StandingRuns() {
        auto& acc = analysis::AccelerationCode();
        acc.AccData.assign(2 * analysis::kAccColumns, 0.0f);
        acc.AccLastStep = 1;
        auto& dec = analysis::DecelerationCode();
        dec.DecData.assign(2 * analysis::kDecColumns, 0.0f);
        dec.DecLastStep = 1;
        dec.DecTimeStep = 0.0f;
    }
};

TEST_F(DegenerateCharts, AnEmptyVehicleDrawsEveryChartWithoutAStrayCoordinate) {
    // Everything zero: body mass, wheelbase, tracks, tyres, gears, top speed, loads.
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.AeroElements[2].DeviceType = 1;  // a wing, so the side view takes its wing scale
    StandingRuns();
    vehicle::AeroCode().AeroSpeedTable.assign(3, vehicle::AeroSpeedRow{});
    Check("corner masses", [](platform::Surface& s) { DrawCornerMassChart(s); });
    Check("aero resistances", [](platform::Surface& s) { DrawAeroSpeedChart(s, false); });
    Check("aero lift", [](platform::Surface& s) { DrawAeroSpeedChart(s, true); });
    Check("aero loads", [](platform::Surface& s) { DrawAeroForcesChart(s); });
    Check("aero balance", [](platform::Surface& s) { DrawAeroBalanceChart(s); });
    Check("gear speeds", [](platform::Surface& s) { DrawGearingSpeedChart(s); });
    Check("gear torque", [](platform::Surface& s) { DrawGearingTorqueChart(s); });
    Check("tyre side", [](platform::Surface& s) { DrawTyreSideView(s, 0, 5000.0f); });
    Check("rear view", [](platform::Surface& s) { DrawSuspRearView(s); }, false);
    Check("side view", [](platform::Surface& s) { DrawSuspSideView(s); }, false);
    Check("spring loads", [](platform::Surface& s) { DrawSpringLoadChart(s); });
    Check("wheel travel", [](platform::Surface& s) { DrawWheelTravelChart(s); });
    Check("roll stiffness", [](platform::Surface& s) { DrawRollStiffnessChart(s); });
    Check("response", [](platform::Surface& s) {
        DrawSuspResponse(s, analysis::SuspensionCode().DropResponseTravel);
    });
    Check("steering", [](platform::Surface& s) {
        platform::Surface camber;
        camber.SetPixelSize(300, 200);
        DrawSteeringDiagrams(s, camber);
        EXPECT_EQ(camber.DroppedOps(), 0);
    }, false);
    Check("contact patches", [](platform::Surface& s) {
        DrawContactPatchDiagram(s, vehicle::TyreCode().WheelTyres, 1000.0f);
    });
    for (int c = 0; c < kRunGraphChoices; ++c) {
        Check("acceleration", [c](platform::Surface& s) { EXPECT_TRUE(DrawAccChart(s, c, 0.01f)); });
        Check("deceleration", [c](platform::Surface& s) { EXPECT_TRUE(DrawDecChart(s, c)); });
    }
}

TEST_F(DegenerateCharts, AVehicleThatIsNotWheelDrivenHasEmptyGearingCharts) {
    core::GlobalChassisLab().CurrentVehicle = sample::ThrustCar(3000.0f, 0.5f);
    auto& g = vehicle::GearingCode();
    g.SpeedAtShift[1] = 40.0f;
    g.ShiftRevs[1] = 600.0f;
    for (auto draw : {&DrawGearingSpeedChart, &DrawGearingTorqueChart}) {
        platform::Surface s;
        s.SetPixelSize(300, 200);
        draw(s);
        // Grid, axes and titles only: nothing drawn thicker than the grid.
        for (const auto& o : s.DisplayList())
            if (o.kind == DrawOpKind::Line) EXPECT_EQ(o.width, 1);
        int titles = 0;
        for (const auto& o : s.DisplayList()) titles += o.kind == DrawOpKind::Text;
        EXPECT_EQ(titles, 2);
        EXPECT_EQ(s.DroppedOps(), 0);
    }
}

TEST_F(DegenerateCharts, FiguresThatAreNotNumbersAreLeftOut) {
    std::vector<float> y = {0, 1, kNaN, 3, INFINITY, 5};
    Check("line chart", [&](platform::Surface& s) {
        PlotChart(s, ChartSeries::Contiguous(y.data(), 1, 6), 1.0f, 1, 5, 100.0f, 1.0f, 100.0f, 1.0f,
                  "Time", "s", "Speed", "m/s", false, kPlotSingle);
        // Segments 1-2, 2-3, 3-4 and 4-5 each touch a NaN or an infinity: only none are left.
        EXPECT_TRUE(Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.width == 2; }).empty());
    });
    Check("scales", [&](platform::Surface& s) {
        PlotChart(s, ChartSeries::Contiguous(y.data(), 1, 6), 1.0f, 1, 5, kNaN, 1.0f, INFINITY, kNaN,
                  "Time", "s", "Speed", "m/s", false, kPlotForces);
    });
    Check("bars", [](platform::Surface& s) {
        DrawCornerBarChart(s, {kNaN, 1, 2, 3, 4, 5, 6, 7}, INFINITY, 1.0f, "Mass", "kg", kBarsCompare);
    });
    Check("balance", [](platform::Surface& s) { DrawBalanceBar(s, kNaN); });
    Check("patch", [](platform::Surface& s) {
        DrawContactPatches(s, vehicle::TyreState{}, INFINITY, 0.0f, 0.0f);
    });
}

TEST_F(DegenerateCharts, AChoiceOutsideTheListLeavesThePictureAsItWas) {
    StandingRuns();
    s.Line(0, 0, 150, 150);
    EXPECT_FALSE(DrawAccChart(s, -1, 0.01f));
    EXPECT_FALSE(DrawAccChart(s, 10, 0.01f));
    EXPECT_FALSE(DrawDecChart(s, 10));
    EXPECT_EQ(s.DisplayList().size(), 1u);
    // Before the first run there is nothing to draw either.
    analysis::AccelerationCode().AccLastStep = -1;
    EXPECT_FALSE(DrawAccChart(s, 0, 0.01f));
    EXPECT_EQ(s.DisplayList().size(), 1u);
}

}  // namespace
