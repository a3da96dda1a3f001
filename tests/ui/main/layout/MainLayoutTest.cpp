// Geometry of the main window's layout: everything fits in its container (nothing cut off at
// the right, nothing above or left of its frame), and only the springs page's scroll content
// reaches below its page.
#include "ui/main/MainTestSupport.hpp"

namespace {

using ui_test::MainWindowTest;

TEST_F(MainWindowTest, EveryControlFitsInsideItsContainer) {
    const platform::Container* springs = &w->AnalysisPage(2);
    for (const auto& c : w->AllControls()) {
        platform::Control* parent = c->Parent() ? c->Parent()->AsControl() : nullptr;
        if (parent == nullptr) continue;  // areas on the client area
        SCOPED_TRACE(c->DisplayName() + " in " + parent->DisplayName());
        EXPECT_GE(c->Left(), 0);
        EXPECT_GE(c->Top(), 0);
        EXPECT_LE(c->Left() + c->Width(), parent->Width());
        if (c->Parent() != springs) EXPECT_LE(c->Top() + c->Height(), parent->Height());
    }
}

TEST_F(MainWindowTest, AreasFillTheClientAreaWithoutOverlap) {
    const auto& head = w->MainSection(0);
    const auto& set = w->MainSection(1);
    const auto& ana = w->MainSection(2);
    EXPECT_EQ(set.Top(), head.Top() + head.Height());
    EXPECT_EQ(ana.Top(), set.Top());
    EXPECT_LE(set.Left() + set.Width(), ana.Left());
    EXPECT_LE(ana.Left() + ana.Width(), 1280);
    EXPECT_LE(ana.Top() + ana.Height(), 800);
    // The cover sits exactly over the analysis area.
    const auto& cover = w->MainSection(3);
    EXPECT_EQ(cover.Left(), ana.Left());
    EXPECT_EQ(cover.Top(), ana.Top());
    EXPECT_EQ(cover.Width(), ana.Width());
    EXPECT_EQ(cover.Height(), ana.Height());
}

TEST_F(MainWindowTest, StackedPanelsShareTheirPlace) {
    auto samePlace = [](const platform::Control& a, const platform::Control& b) {
        return a.Parent() == b.Parent() && a.Left() == b.Left() && a.Top() == b.Top() &&
               a.Width() == b.Width() && a.Height() == b.Height();
    };
    for (int i = 1; i <= 8; ++i) EXPECT_TRUE(samePlace(w->AnalysisPage(0), w->AnalysisPage(i)));
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(samePlace(w->SettingsPage(0), w->SettingsPage(i)));
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(samePlace(w->DataPage(0), w->DataPage(i)));
    // Front and rear differential panels and their placeholders share one place; the centre
    // panel has its own, over its placeholder.
    EXPECT_TRUE(samePlace(w->DiffFrame(0), w->DiffFrame(1)));
    EXPECT_TRUE(samePlace(w->DiffFrame(0), w->NoDiffFrame(0)));
    EXPECT_TRUE(samePlace(w->DiffFrame(1), w->NoDiffFrame(1)));
    EXPECT_TRUE(samePlace(w->DiffFrame(2), w->NoDiffFrame(2)));
    EXPECT_FALSE(samePlace(w->DiffFrame(0), w->DiffFrame(2)));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(samePlace(w->Analysis_GearingFrame(i), w->Analysis_GearingFrame(i + 3)));
}

// The hover texts of the gearing and deceleration graphs say what each graph plots.
TEST_F(MainWindowTest, RunAndGearingGraphsExplainThemselvesOnHover) {
    EXPECT_EQ(w->Analysis_GearingGraph(0).ToolTipText(),
              "This graph shows engine rotational velocity against vehicle velocity, for all "
              "available gears");
    EXPECT_EQ(w->Analysis_GearingGraph(1).ToolTipText(),
              "This graph shows wheel torque against wheel rotational velocity, for all "
              "available gears");
    EXPECT_EQ(w->Analysis_DecGraph(0).ToolTipText(),
              "This graph shows all the forces acting on the car against time");
    EXPECT_EQ(w->Analysis_DecGraph(1).ToolTipText(),
              "This graph shows vehicle velocity against time");
}

}  // namespace
