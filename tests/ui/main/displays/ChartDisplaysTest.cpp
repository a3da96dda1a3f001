// The main window's charts as its routines draw them from the computed results: what each
// picture receives after the analyses, the choices read from the window's controls, and the
// choices that leave a picture as it was.
#include <gtest/gtest.h>

#include "charts/ChartColours.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/SampleVehicles.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/ChartDisplays.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"

namespace {

using platform::DrawOpKind;

class ChartDisplaysTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        sample::ResetAll();
        sample::Prepare(sample::SampleCar());
        ui::ResetMainWindow();
        w = &ui::MainWindow();
    }
    void TearDown() override { ui::ResetMainWindow(); }
    ui::Main* w = nullptr;
};

TEST_F(ChartDisplaysTest, TheLiveAnalysisRedrawsEveryChartItShows) {
    ui::AnalyseLiveStateAll(*w);
    std::vector<const platform::PictureBox*> charts{
        w->Analysis_SuspBalance, w->Analysis_DampChart, &w->Analysis_SteeringDiagram(0),
        &w->Analysis_SteeringDiagram(1), &w->Analysis_TyreDrawing(0), w->Analysis_TyreGripDrawing,
        &w->Analysis_AeroForcesChart(0), &w->Analysis_AeroForcesChart(1), w->Analysis_AeroBalanceDiagram};
    for (int i = 0; i < 5; ++i) charts.insert(charts.end(), {&w->Analysis_SuspChart(i), &w->Analysis_DampBalance(i)});
    for (const auto* c : charts) EXPECT_FALSE(c->Surf().DisplayList().empty()) << c->DisplayName();
}

TEST_F(ChartDisplaysTest, CornerMassScaleFollowsTheBareBody) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.BodyCoG.X = 0.5f;
    v.BodyCoG.Y = 0.5f;  // every body corner a quarter of the body mass
    auto& m = analysis::PhysicalCode().CornerMass;
    m = {300.0f, 310.0f, 320.0f, 330.0f};
    ui::DrawPhysicalChart(*w);
    const platform::Surface& s = w->Analysis_PhysChart->Surf();
    const double h = s.ScaleHeight();
    // Twips per kg: (H - 15) / (body mass / 4) / 1.15. The first bar is the rear-left wheel.
    const double scale = (h - 15.0) / (v.BodyMass * 0.25) / 1.15;
    const platform::DrawOp* bar = nullptr;
    for (const auto& o : s.DisplayList())
        if (o.kind == DrawOpKind::Box && o.color == charts::kRed) {
            bar = &o;
            break;
        }
    ASSERT_NE(bar, nullptr);
    EXPECT_NEAR(bar->y1, (h - 15.0 - 320.0 * scale) / 15.0, 1e-3);
}

TEST_F(ChartDisplaysTest, TyreSideViewIsDrawnAtTheZoomInTwipsPerMetre) {
    w->Analysis_TyreChoice->SetListIndex(2);
    w->Analysis_TyresZoom(1).SetValue(3000);
    ui::DrawTyreDiagrams(*w);
    const auto& tyre = vehicle::TyreCode().WheelTyres[2];
    const auto& list = w->Analysis_TyreDrawing(0).Surf().DisplayList();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].kind, DrawOpKind::Circle);
    EXPECT_NEAR(list[0].r, 3000.0 * (tyre.UnloadedRadius - tyre.WearDepth) / 15.0, 1e-3);
}

TEST_F(ChartDisplaysTest, AChoiceNamingNothingLeavesThePictureAsItWas) {
    w->Analysis_SuspDampGraphCombo->SetListIndex(0);
    ui::DrawSuspResponseChart(*w);
    const platform::Surface& damp = w->Analysis_DampChart->Surf();
    ASSERT_FALSE(damp.DisplayList().empty());
    const uint64_t before = damp.Revision();
    w->Analysis_SuspDampGraphCombo->Clear();  // no text
    ui::DrawSuspResponseChart(*w);
    EXPECT_EQ(damp.Revision(), before);

    w->Analysis_TyreChoice->Clear();
    const uint64_t side = w->Analysis_TyreDrawing(0).Surf().Revision();
    ui::DrawTyreDiagrams(*w);
    EXPECT_EQ(w->Analysis_TyreDrawing(0).Surf().Revision(), side);
}

TEST_F(ChartDisplaysTest, RunGraphsFollowTheirCombos) {
    analysis::RunAccelerationAnalysis(0.01f, {}, {});
    w->Analysis_AccGraphData(0).SetListIndex(5);  // speed
    float dt = 0.01f;
    ui::DrawAccGraph(*w, dt);
    const platform::Surface& s = w->Analysis_AccGraph(0).Surf();
    bool speedTitle = false;
    for (const auto& o : s.DisplayList())
        if (o.kind == DrawOpKind::Text && o.text == "Speed (m/s)") speedTitle = true;
    EXPECT_TRUE(speedTitle);
    // One point every 0.1 s: a stride of ten steps.
    int curve = 0;
    for (const auto& o : s.DisplayList()) curve += o.kind == DrawOpKind::Line && o.width == 2;
    const int32_t last = analysis::AccelerationCode().AccLastStep;
    EXPECT_EQ(curve, (last - 1) / 10);
}

}  // namespace
