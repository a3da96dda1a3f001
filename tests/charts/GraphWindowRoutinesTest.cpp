// The graph-window draw routines on a window of known size, from hand-made run tables and
// states: what each plots, its scales and its degenerate cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/ChartColours.hpp"
#include "charts/GraphWindowRoutines.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "charts/RunGraphs.hpp"
#include "platform/Form.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/SampleVehicles.hpp"

namespace {

using platform::DrawOp;
using platform::DrawOpKind;

// A graph window reduced to what the routines use: a borderless picture of W x H pixels.
class FakeGraphWindow : public charts::GraphWindow {
public:
    FakeGraphWindow(int width, int height, float innerHeight)
        : form_("FakeGraphWindow"), inner_(innerHeight) {
        box_ = &form_.Create<platform::PictureBox>("LargeGraph");
        box_->SetBorder(false);
        box_->Move(0, 0, width, height);
    }
    platform::PictureBox& LargeGraph() override { return *box_; }
    float InnerHeight() const override { return inner_; }
    int CurrentGraph() const override { return current_; }
    void SetCurrentGraph(int id) override { current_ = id; }
    void ShowWindow() override {}
    void SetSlot(int) override {}
    void SetDupeMenuEnabled(bool) override {}
    void UncheckGraphMenus() override {}
    void CheckGraphItem(int) override {}

    const std::vector<DrawOp>& Ops() const { return box_->Surf().DisplayList(); }
    // The curve segments (width 2) of one colour.
    std::vector<DrawOp> Curves(platform::Color c) const {
        std::vector<DrawOp> out;
        for (const auto& o : Ops())
            if (o.kind == DrawOpKind::Line && o.width == 2 && o.color == c) out.push_back(o);
        return out;
    }

private:
    platform::Form form_;
    platform::PictureBox* box_;
    float inner_;
    int current_ = -1;
};

// Draws graph `id` with its group's routine.
void DrawId(int id, charts::GraphWindow& window) {
    charts::GraphGroup group;
    ASSERT_TRUE(charts::GroupOfGraph(id, group));
    charts::DrawGroupGraph(group, static_cast<int16_t>(id - charts::GroupRange(group).FirstId), window);
}

constexpr int kW = 400, kH = 300;              // pixels
constexpr float kHTwips = kH * 15.0f;          // 4500
constexpr float kPlotH = kHTwips - 15.0f;      // twips above the x axis

class GraphWindowRoutines : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        sample::ResetAll();
        analysis::AccelerationCode() = analysis::AccelerationCodeState{};
        analysis::DecelerationCode() = analysis::DecelerationCodeState{};
    }
    // An acceleration run of `last` steps of dt, reaching its final speed at `finalTime`;
    // speed rises by 0.1 m/s a step and the drive force is `force` throughout.
    static void AccRun(float dt, int32_t last, float finalTime, float force = 1000.0f) {
        auto& run = analysis::AccelerationCode();
        run.AccTimeStep = dt;
        run.AccLastStep = last;
        run.AccData.assign(static_cast<std::size_t>(last + 1) * analysis::kAccColumns, 0.0f);
        run.AccDataRanges.Clear();  // a new table, as after a run
        for (int32_t k = 0; k <= last; ++k) {
            float* row = &run.AccData[static_cast<std::size_t>(k) * analysis::kAccColumns];
            row[analysis::AccCol::Speed] = 0.1f * static_cast<float>(k);
            row[analysis::AccCol::DriveForce] = force;
            row[analysis::AccCol::Gear] = 1.0f;
        }
        run.AccResults[analysis::AccRes::TimeToFinalSpeed] = finalTime;
        run.AccResults[analysis::AccRes::PeakDriveForce] = force;
    }
    // A deceleration run of 100 steps of 0.005 s holding `value` in `column` throughout.
    static void DecRun(int column, float value) {
        auto& run = analysis::DecelerationCode();
        run.DecTimeStep = 0.005f;
        run.DecLastStep = 100;
        run.DecData.assign(101 * analysis::kDecColumns, 0.0f);
        run.DecDataRanges.Clear();  // a new table, as after a run
        for (int k = 0; k <= 100; ++k)
            run.DecData[static_cast<std::size_t>(k) * analysis::kDecColumns + column] = value;
    }
    // Pixel y of a value plotted at yScale twips per unit.
    static double YOf(double value, double yScale) { return (kPlotH - value * yScale) / 15.0; }

    FakeGraphWindow w{kW, kH, kHTwips};
};

TEST_F(GraphWindowRoutines, AccelerationGraphsPlotOnePointEveryHundredthOfASecond) {
    // 1 s of run: at 0.0005 s only every 20th step is joined (points 1, 21, ... 1961, joined
    // from point 1 while a whole stride remains), at 0.002 s every 5th (1 .. 491), at 0.01 s
    // every step: 99 segments each time.
    const std::pair<float, int32_t> runs[] = {{0.0005f, 2000}, {0.01f, 100}, {0.002f, 500}};
    for (const auto& [dt, last] : runs) {
        AccRun(dt, last, 1.0f);
        charts::DrawAccelerationGraph(5, w);  // speed
        EXPECT_EQ(w.CurrentGraph(), 37);
        EXPECT_EQ(w.Curves(charts::kBlack).size(), 99u) << dt;
    }
}

// A run whose speed peaks and falls back (a top gear too tall to hold the speed it was shifted
// at) first reaches its final speed halfway; its graphs still span every row, in a window (a
// point every step) and on the page (every 10th step, the last at step 191).
TEST_F(GraphWindowRoutines, TheAccelerationTimeAxisSpansTheWholeRun) {
    AccRun(0.01f, 200, 1.0f);  // final speed 10 m/s, first reached at step 100 of 200
    auto& run = analysis::AccelerationCode();
    for (int32_t k = 151; k <= 200; ++k)
        run.AccData[static_cast<std::size_t>(k) * analysis::kAccColumns + analysis::AccCol::Speed] =
            30.0f - 0.1f * static_cast<float>(k);
    const double xPerStep = 0.01 * (kW * 15.0 - 15.0) / 2.0 / 15.0;  // pixels
    for (const auto& [onPage, lastDrawn] : {std::pair{false, 200}, std::pair{true, 191}}) {
        if (onPage) ASSERT_TRUE(charts::DrawAccChart(w.LargeGraph().Surf(), 5, 0.01f));
        else charts::DrawAccelerationGraph(5, w);
        double rightmost = 0.0;
        for (const DrawOp& o : w.Curves(charts::kBlack)) rightmost = std::max({rightmost, o.x1, o.x2});
        EXPECT_NEAR(rightmost, 1.0 + lastDrawn * xPerStep, 1e-3) << onPage;
        EXPECT_LE(rightmost, kW) << onPage;
    }
}

TEST_F(GraphWindowRoutines, AFiveSpeedGearGraphSpansSixGearsWithALineEveryGear) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 5;
    AccRun(0.01f, 100, 1.0f);
    charts::DrawAccelerationGraph(2, w);
    // Gear 1 throughout: a level line one sixth of the way up.
    const auto curve = w.Curves(charts::kBlack);
    ASSERT_FALSE(curve.empty());
    EXPECT_NEAR(curve.front().y1, YOf(1.0, kPlotH / 6.0), 1e-3);
    std::vector<double> grid;
    for (const auto& o : w.Ops())
        if (o.kind == DrawOpKind::Line && o.color == charts::kGrey && o.y1 == o.y2) grid.push_back(o.y1);
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    ASSERT_GE(grid.size(), 5u);
    for (std::size_t i = 1; i < grid.size(); ++i)
        EXPECT_NEAR(grid[i] - grid[i - 1], kPlotH / 6.0 / 15.0, 0.01);
}

TEST_F(GraphWindowRoutines, TheAccelerationForceAxisFollowsItsOwnWheelLoadOption) {
    auto& veh = core::GlobalChassisLab().CurrentVehicle;
    veh.Drivetrain.DriveType = vehicle::kDriveRear;
    veh.Drivetrain.DrivetrainEfficiency = 0.9f;
    vehicle::EngineCode().CurrentEngine.PeakTorque = 300.0f;
    vehicle::GearingCode().OverallRatios[1] = 12.0f;
    auto& tyres = vehicle::TyreCode().WheelTyres;
    tyres[0].UnloadedRadius = 0.5f;  // the front wheels are not the driven ones
    tyres[2].UnloadedRadius = 0.3f;
    // Through first gear: 0.9 x 300 x 12 / (0.95 x 0.3) = 11368 N; the run's peak 8000 N
    // x 1.05 = 8400 N is smaller, so it sets the axis.
    AccRun(0.01f, 100, 1.0f, 8000.0f);
    analysis::AccelerationCode().AccAero.WheelLoad = {5000.0f, 5000.0f, 3000.0f, 3000.0f};
    core::OptionsSettings().DrawDecVLoads = core::VbTrue;  // the other run's option: no effect
    charts::DrawAccelerationGraph(3, w);
    EXPECT_EQ(w.CurrentGraph(), 35);
    auto drive = w.Curves(charts::kGreen);
    ASSERT_FALSE(drive.empty());
    EXPECT_NEAR(drive.front().y1, YOf(8000.0, kPlotH / 8400.0), 1e-3);
    EXPECT_TRUE(w.Curves(charts::kMagenta).empty()) << "no wheel-load series without the option";

    // With the loads drawn the axis holds 1.02 x the heavier (front) axle: 10200 N.
    core::OptionsSettings().DrawAccVLoads = core::VbTrue;
    charts::DrawAccelerationGraph(3, w);
    drive = w.Curves(charts::kGreen);
    ASSERT_FALSE(drive.empty());
    EXPECT_NEAR(drive.front().y1, YOf(8000.0, kPlotH / 10200.0), 1e-3);

    // A peak above what first gear can give (1.05 x 10900 = 11445 N): the first-gear force
    // is the top (rear radius).
    core::OptionsSettings().DrawAccVLoads = core::VbFalse;
    AccRun(0.01f, 100, 1.0f, 10900.0f);
    charts::DrawAccelerationGraph(3, w);
    drive = w.Curves(charts::kGreen);
    ASSERT_FALSE(drive.empty());
    const double top = 0.9 * 300.0 * 12.0 / (0.95 * 0.3);
    EXPECT_NEAR(drive.front().y1, YOf(10900.0, kPlotH / top), 2e-2);
    // A drive force past that top: the axis grows to hold the curve drawn, 1.05 x 20000 N.
    AccRun(0.01f, 100, 1.0f, 20000.0f);
    charts::DrawAccelerationGraph(3, w);
    EXPECT_NEAR(w.Curves(charts::kGreen).at(0).y1, YOf(20000.0, kPlotH / 21000.0), 2e-2);
}

// A gear shift takes the acceleration and the net force below zero: on the main window's chart
// and in a graph window alike the height spans the values drawn, so no curve leaves the picture
// at the bottom.
TEST_F(GraphWindowRoutines, RunGraphsKeepEveryValueDrawnInThePicture) {
    AccRun(0.01f, 200, 1.0f);
    auto& run = analysis::AccelerationCode();
    for (int32_t k = 0; k <= 200; ++k) {
        const bool shifting = k % 50 >= 20 && k % 50 <= 22;  // sampled at every stride
        float* row = &run.AccData[static_cast<std::size_t>(k) * analysis::kAccColumns];
        row[analysis::AccCol::Acceleration] = shifting ? -4.5f : 2.0f;
        row[analysis::AccCol::NetForce] = shifting ? -900.0f : 600.0f;
    }
    run.AccResults[analysis::AccRes::PeakAcceleration] = 2.0f;
    for (const int draw : {3, 4, 13, 14}) {  // choices 3 and 4, in a window and on the page
        if (draw < 10) charts::DrawAccelerationGraph(static_cast<int16_t>(draw), w);
        else ASSERT_TRUE(charts::DrawAccChart(w.LargeGraph().Surf(), draw - 10, 0.01f));
        double lowest = 0.0;
        for (const DrawOp& o : w.Ops()) {
            EXPECT_LE(std::max(o.y1, o.y2), kH) << draw;  // grid lines too
            if (o.kind == DrawOpKind::Line && o.width == 2) lowest = std::max({lowest, o.y1, o.y2});
        }
        EXPECT_GT(lowest, kH * 0.8) << draw << ": the lowest value lies near the bottom";
    }
}

TEST_F(GraphWindowRoutines, TheDecelerationForceAxisFollowsOnlyItsOwnOption) {
    DecRun(analysis::DecCol::BrakingForce, 6000.0f);
    auto& run = analysis::DecelerationCode();
    run.DecResults[analysis::DecRes::PeakTotalForce] = 8000.0f;  // axis 8400 N
    run.DecAero.WheelLoad = {6000.0f, 6000.0f, 2000.0f, 2000.0f};
    core::OptionsSettings().DrawAccVLoads = core::VbTrue;
    charts::DrawDecelerationGraph(3, w);
    EXPECT_EQ(w.CurrentGraph(), 5);
    auto braking = w.Curves(charts::kGreen);
    ASSERT_FALSE(braking.empty());
    EXPECT_NEAR(braking.front().y1, YOf(6000.0, kPlotH / 8400.0), 1e-3);
    core::OptionsSettings().DrawDecVLoads = core::VbTrue;  // 1.02 x 12000 = 12240 N
    charts::DrawDecelerationGraph(3, w);
    braking = w.Curves(charts::kGreen);
    ASSERT_FALSE(braking.empty());
    EXPECT_NEAR(braking.front().y1, YOf(6000.0, kPlotH / 12240.0), 1e-3);
}

TEST_F(GraphWindowRoutines, TheDecelerationSpringGraphSpansOneCentimetreAtLeast) {
    // Springs with 2 mm of travel: the axis still spans 1.02 x 0.01 m, so a 5 mm length
    // sits halfway up rather than far above the picture.
    DecRun(analysis::DecCol::LoadedSpringLength, 0.005f);
    for (auto& corner : analysis::DecelerationCode().DecSusp) corner.SpringTravel = 0.002f;
    charts::DrawDecelerationGraph(7, w);
    EXPECT_EQ(w.CurrentGraph(), 9);
    auto front = w.Curves(charts::kBlack);
    ASSERT_FALSE(front.empty());
    EXPECT_NEAR(front.front().y1, YOf(0.005, kPlotH / (0.01f * 1.02f)), 1e-3);
}

TEST_F(GraphWindowRoutines, TheWheelTorqueGraphCountsFromIdleInWholeRadiansPerSecond) {
    // Idle at 80.6 rad/s: point 0 of the engine curve stands for 81 rad/s, drawn at
    // 81 x (W - 15) / limit speed twips from the axis (the engine torque line sets the scale).
    auto& veh = core::GlobalChassisLab().CurrentVehicle;
    veh.Drivetrain.DriveType = vehicle::kDriveRear;
    veh.Drivetrain.NumGears = 1;
    veh.Drivetrain.DrivetrainEfficiency = 1.0f;
    auto& engine = vehicle::EngineCode().CurrentEngine;
    engine = sample::FittedSampleEngine();
    engine.IdleSpeed = 80.6f;
    vehicle::GearingCode().OverallRatios[1] = 10.0f;
    vehicle::GearingCode().ShiftRevs[1] = engine.LimitSpeed;
    core::OptionsSettings().DrawEngineTorque = core::VbTrue;
    DrawId(23, w);
    auto curve = w.Ops();
    auto first = std::find_if(curve.begin(), curve.end(), [](const DrawOp& o) {
        return o.kind == DrawOpKind::Line && o.color == charts::kYellow;
    });
    ASSERT_NE(first, curve.end());
    const double xScale = (kW * 15.0 - 15.0) / engine.LimitSpeed;
    EXPECT_NEAR(first->x1, (15.0 + 81.0 * xScale) / 15.0, 1e-3);
}

TEST_F(GraphWindowRoutines, CornerMassesAreScaledToTheWindowsOwnInnerHeight) {
    auto& veh = core::GlobalChassisLab().CurrentVehicle;
    veh.BodyMass = 1000.0f;
    veh.BodyCoG.X = 0.5f;
    veh.BodyCoG.Y = 0.6f;  // heaviest body corner: 0.5 x 0.6 x 1000 = 300 kg
    analysis::PhysicalCode().CornerMass = {300.0f, 300.0f, 200.0f, 200.0f};
    FakeGraphWindow tall(kW, kH, kHTwips + 600.0f);  // the window is 40 pixels taller
    charts::DrawCornerMassesGraph(0, tall);
    EXPECT_EQ(tall.CurrentGraph(), 1);
    // A 300 kg bar reaches 300 x (inner height - 15) / 300 / 1.15 twips above the axis.
    const double height = (kHTwips + 600.0 - 15.0) / 1.15 / 15.0;
    bool found = false;
    for (const auto& o : tall.Ops())
        if (o.kind != DrawOpKind::Text && o.color == charts::kRed)
            found = found || std::abs(std::abs(o.y2 - o.y1) - height) < 0.1;
    EXPECT_TRUE(found);
}

TEST_F(GraphWindowRoutines, AeroLoadsShareTheSpeedChartsLargestForce) {
    auto& aero = vehicle::AeroCode();
    aero.TopSpeed = 1.0f;  // rows 0..20
    aero.AeroSpeedTable.assign(21, vehicle::AeroSpeedRow{});
    aero.AeroSpeedTable[20][11] = 4000.0f;  // total resistance at the top speed
    aero.LiveAero.WheelLoad = {3000.0f, 3000.0f, 2500.0f, 2500.0f};
    analysis::PhysicalCode().CornerStaticLoad = {2900.0f, 2900.0f, 2400.0f, 2400.0f};
    charts::DrawAeroGraph(2, w);
    EXPECT_EQ(w.CurrentGraph(), 31);
    // m = 4000 N (above every live load): a 2900 N static bar is 2900 x 4485 / 4000 / 1.2.
    const double height = 2900.0 * kPlotH / 4000.0 / 1.2 / 15.0;
    bool found = false;
    for (const auto& o : w.Ops())
        if (o.kind != DrawOpKind::Text && o.color == charts::kBlue)
            found = found || std::abs(std::abs(o.y2 - o.y1) - height) < 0.1;
    EXPECT_TRUE(found);
}

TEST_F(GraphWindowRoutines, AResizedWindowRescalesItsGraph) {
    // Spring loads: the largest load fills (H - 15) / 1.15 twips, whatever H.
    analysis::SuspensionCode().SuspCorners[0].SpringLoad = 4000.0f;
    analysis::SuspensionCode().SuspCorners[2].SpringLoad = 2000.0f;
    auto tallest = [](const FakeGraphWindow& fw) {
        double h = 0.0;
        for (const auto& o : fw.Ops())
            if (o.kind != DrawOpKind::Text && o.color == charts::kRed) h = std::max(h, std::abs(o.y2 - o.y1));
        return h;
    };
    charts::DrawSpringGraph(0, w);
    EXPECT_NEAR(tallest(w), kPlotH / 1.15 / 15.0, 0.1);
    w.LargeGraph().Move(0, 0, kW, 2 * kH);
    charts::DrawSpringGraph(0, w);
    EXPECT_NEAR(tallest(w), (2 * kHTwips - 15.0) / 1.15 / 15.0, 0.1);
}

TEST_F(GraphWindowRoutines, TheEngineAndWheelTorqueGraphsNameTheirSpeedAxisByTheUnit) {
    auto& veh = core::GlobalChassisLab().CurrentVehicle;
    veh.Drivetrain.NumGears = 1;
    veh.Drivetrain.DrivetrainEfficiency = 1.0f;
    auto& engine = vehicle::EngineCode().CurrentEngine;
    engine = sample::FittedSampleEngine();
    vehicle::GearingCode().OverallRatios[1] = 10.0f;
    auto texts = [this] {
        std::vector<std::string> out;
        for (const auto& o : w.Ops())
            if (o.kind == DrawOpKind::Text) out.push_back(o.text);
        return out;
    };
    auto has = [](const std::vector<std::string>& all, const std::string& start) {
        return std::any_of(all.begin(), all.end(),
                           [&](const std::string& t) { return t.rfind(start, 0) == 0; });
    };
    for (int id : {0, 23}) {
        core::SelectUnitByName(core::Quantity::ARV, core::UnitRows(core::Quantity::ARV)[0].Name);
        DrawId(id, w);
        EXPECT_EQ(w.CurrentGraph(), id);
        EXPECT_TRUE(has(texts(), "Angular velocity")) << id << ": rad/s";
        ASSERT_TRUE(core::SelectUnitByName(core::Quantity::ARV, core::UnitRows(core::Quantity::ARV)[1].Name));
        DrawId(id, w);
        EXPECT_TRUE(has(texts(), "Rotational velocity")) << id;
        EXPECT_FALSE(has(texts(), "Angular velocity")) << id;
    }
}

TEST_F(GraphWindowRoutines, AnEmptyStateDrawsEveryGraphWithoutInfiniteCoordinates) {
    // Nothing computed: zero masses, radii, wheelbase, peaks and no run rows.
    for (int id = 0; id < charts::kGraphCount; ++id) {
        FakeGraphWindow fresh(kW, kH, kHTwips);
        DrawId(id, fresh);
        EXPECT_EQ(fresh.CurrentGraph(), id);
        for (const auto& o : fresh.Ops())
            for (double v : {o.x1, o.y1, o.x2, o.y2, o.r}) EXPECT_TRUE(std::isfinite(v)) << id;
    }
}

TEST_F(GraphWindowRoutines, ARunWithoutRowsShowsItsAxesNotTheGraphBefore) {
    analysis::SuspensionCode().SuspCorners[0].SpringLoad = 4000.0f;
    for (int id : {7, 37}) {  // the speed of each run
        charts::DrawSpringGraph(0, w);
        DrawId(id, w);
        EXPECT_EQ(w.CurrentGraph(), id);
        bool bars = false, title = false;
        for (const auto& o : w.Ops()) {
            bars = bars || (o.kind != DrawOpKind::Text && o.color == charts::kRed);
            title = title || (o.kind == DrawOpKind::Text && o.text.rfind("Speed", 0) == 0);
        }
        EXPECT_FALSE(bars) << id << ": the spring loads are gone";
        EXPECT_TRUE(title) << id;
        EXPECT_TRUE(w.Curves(charts::kBlack).empty()) << id;
    }
}

TEST_F(GraphWindowRoutines, AnItemOutsideItsGroupDrawsNothing) {
    charts::DrawSpringGraph(0, w);
    const auto revision = w.LargeGraph().Surf().Revision();
    charts::DrawSpringGraph(5, w);
    charts::DrawAccelerationGraph(-1, w);
    charts::DrawPowerTorqueGraph(1, w);
    EXPECT_EQ(w.CurrentGraph(), 12);
    EXPECT_EQ(w.LargeGraph().Surf().Revision(), revision);
}

}  // namespace
