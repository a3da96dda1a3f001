// The graph-window registry with real windows (no front end): slots, counts, the newest
// window, the "Open another graph window" entries, the View menu, resizing and the refresh of
// open windows.
#include <gtest/gtest.h>

#include <vector>

#include "charts/ResizeableGraphCode.hpp"
#include "platform/PlatformState.hpp"
#include "platform/ServiceDoubles.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"

namespace {

using charts::GraphGroup;
using charts::ResizeableGraphCode;
using ui::ResizeableGraphWindow;

class GraphWindowRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        ui::InstallGraphWindows();
        ui::ResetGraphWindows();
    }
    void TearDown() override {
        ui::ResetGraphWindows();
        platform::Desktop::Instance().CollectUnloaded();
    }
    static ResizeableGraphWindow& Window(int slot) {
        auto* w = ui::ResizeableGraphWindows().Windows.Peek(static_cast<std::size_t>(slot));
        EXPECT_NE(w, nullptr) << "slot " << slot;
        return *w;
    }
    static void Open(int times) {
        for (int i = 0; i < times; ++i) charts::OpenGraphWindow();
    }
    static std::vector<int> CheckedIds(ResizeableGraphWindow& w) {
        std::vector<int> ids;
        for (int g = 0; g < charts::kGraphGroupCount; ++g) {
            const auto group = static_cast<GraphGroup>(g);
            w.GroupItems(group).ForEach([&](int k, platform::MenuItem& m) {
                if (m.Checked()) ids.push_back(charts::GroupRange(group).FirstId + k);
            });
        }
        return ids;
    }
    static uint64_t Drawn(int slot) { return Window(slot).LargeGraph().Surf().Revision(); }
};

TEST_F(GraphWindowRegistry, TheGroupsCoverTheFortyTwoIdsInOrder) {
    int next = 0;
    for (int g = 0; g < charts::kGraphGroupCount; ++g) {
        const auto range = charts::GroupRange(static_cast<GraphGroup>(g));
        EXPECT_EQ(range.FirstId, next);
        next += range.Count;
    }
    EXPECT_EQ(next, charts::kGraphCount);
    GraphGroup group = GraphGroup::Data;
    EXPECT_TRUE(charts::GroupOfGraph(35, group));
    EXPECT_EQ(group, GraphGroup::Acceleration);
    EXPECT_TRUE(charts::GroupOfGraph(31, group));
    EXPECT_EQ(group, GraphGroup::Aero);
    EXPECT_FALSE(charts::GroupOfGraph(-1, group));
    EXPECT_FALSE(charts::GroupOfGraph(42, group));
}

TEST_F(GraphWindowRegistry, TheViewMenuHoldsTenSubmenusAndFortyTwoItems) {
    Open(1);
    ResizeableGraphWindow& w = Window(0);
    ASSERT_NE(w.ViewMenu, nullptr);
    EXPECT_EQ(w.ViewMenu->Items().size(), 10u);
    int items = 0;
    for (int g = 0; g < 10; ++g) {
        items += static_cast<int>(w.SubMenu(g).Items().size());
        EXPECT_EQ(w.GroupItems(static_cast<GraphGroup>(g)).Count(),
                  charts::GroupRange(static_cast<GraphGroup>(g)).Count);
    }
    EXPECT_EQ(items, 42);
    EXPECT_EQ(w.CurrentGraph(), -1) << "a new window shows no graph";
    EXPECT_TRUE(CheckedIds(w).empty());

    // A click checks only that item and draws its graph.
    w.SpringMenuItem(3).UserClick();
    EXPECT_EQ(w.CurrentGraph(), 15);
    EXPECT_EQ(CheckedIds(w), std::vector<int>{15});
    w.AccMenuItem(3).UserClick();
    EXPECT_EQ(w.CurrentGraph(), 35);
    EXPECT_EQ(CheckedIds(w), std::vector<int>{35});
}

TEST_F(GraphWindowRegistry, TheLowestFreeSlotIsReusedAndBecomesTheNewest) {
    Open(3);
    auto& r = ResizeableGraphCode();
    EXPECT_EQ(r.GraphWindowSlotCount, 3);
    EXPECT_EQ(r.OpenGraphWindowCount, 3);
    EXPECT_EQ(r.NewestGraphWindow, 2);
    EXPECT_EQ(Window(1).Slot(), 1);
    EXPECT_EQ(platform::Desktop::Instance().ShownForms().size(), 3u);

    Window(1).SteeringMenuItem(1).UserClick();
    ResizeableGraphWindow* closed = &Window(1);
    EXPECT_TRUE(closed->Unload()) << "a graph window never refuses to close";
    EXPECT_EQ(r.OpenGraphWindowCount, 2);
    EXPECT_EQ(r.NewestGraphWindow, 2);
    EXPECT_FALSE(core::FromVbBool(r.GraphWindows[1].InUse));

    Window(2).UserClose();
    EXPECT_EQ(r.NewestGraphWindow, 0) << "the latest opened that is still open";

    charts::OpenGraphWindow();
    EXPECT_EQ(r.GraphWindowSlotCount, 3) << "no slot added while one is free";
    EXPECT_EQ(r.OpenGraphWindowCount, 2);
    EXPECT_EQ(r.NewestGraphWindow, 1);
    ResizeableGraphWindow& reopened = Window(1);
    EXPECT_NE(&reopened, closed);
    EXPECT_TRUE(reopened.Visible());
    EXPECT_EQ(reopened.CurrentGraph(), -1) << "a reopened window starts blank";
    EXPECT_EQ(reopened.Slot(), 1);
    EXPECT_EQ(r.GraphWindows[1].Window, &reopened);
}

TEST_F(GraphWindowRegistry, EightAtMostAndTheDupeEntriesFollowTheCount) {
    Open(7);
    auto& r = ResizeableGraphCode();
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(Window(i).DupeMenu->Enabled());
    Window(6).DupeMenu->UserClick();  // the eighth, through the window's own menu
    EXPECT_EQ(r.OpenGraphWindowCount, 8);
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(Window(i).DupeMenu->Enabled()) << i;

    // A ninth open (the Tools entry) changes nothing but the menus.
    const std::size_t shown = platform::Desktop::Instance().ShownForms().size();
    charts::OpenGraphWindow();
    EXPECT_EQ(r.OpenGraphWindowCount, 8);
    EXPECT_EQ(r.GraphWindowSlotCount, 8);
    EXPECT_EQ(r.NewestGraphWindow, 7);
    EXPECT_EQ(platform::Desktop::Instance().ShownForms().size(), shown);
    Window(0).DupeMenu->UserClick();  // disabled: nothing
    EXPECT_EQ(r.OpenGraphWindowCount, 8);

    Window(4).UserClose();
    for (int i = 0; i < 8; ++i) {
        if (i != 4) EXPECT_TRUE(Window(i).DupeMenu->Enabled()) << i;
    }
    charts::OpenGraphWindow();
    EXPECT_EQ(r.NewestGraphWindow, 4);
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(Window(i).DupeMenu->Enabled()) << i;
}

TEST_F(GraphWindowRegistry, TheNewestWindowFollowsTheOrderOfOpeningNotTheClock) {
    // Opened before and after midnight by the system clock: the order of opening decides.
    auto& clock = *platform::Platform().doubles.clock;
    clock.Set(86399.0);
    Open(1);
    clock.Set(1.0);
    Open(1);
    auto& r = ResizeableGraphCode();
    EXPECT_EQ(r.NewestGraphWindow, 1);
    EXPECT_GT(r.GraphWindows[1].OpenedAt, r.GraphWindows[0].OpenedAt);
    EXPECT_GT(r.GraphWindows[0].OpenedAt, 0u) << "every open window qualifies as newest";
}

TEST_F(GraphWindowRegistry, ADoubleClickDrawsIntoTheNewestWindowOrOpensOne) {
    auto& r = ResizeableGraphCode();
    charts::ShowGraphInNewestWindow(GraphGroup::Acceleration, 3);
    ASSERT_EQ(r.OpenGraphWindowCount, 1);
    EXPECT_EQ(Window(0).CurrentGraph(), 35);
    EXPECT_EQ(CheckedIds(Window(0)), std::vector<int>{35});

    Open(1);
    const uint64_t first = Drawn(0);
    charts::ShowGraphInNewestWindow(GraphGroup::Aero, 1);
    EXPECT_EQ(Window(1).CurrentGraph(), 30);
    EXPECT_EQ(CheckedIds(Window(1)), std::vector<int>{30});
    EXPECT_EQ(Window(0).CurrentGraph(), 35) << "the older window is untouched";
    EXPECT_EQ(Drawn(0), first);

    // Repeated double-clicks redraw the same window, replacing graph and check mark.
    charts::ShowGraphInNewestWindow(GraphGroup::Physical, 0);
    EXPECT_EQ(Window(1).CurrentGraph(), 1);
    EXPECT_EQ(CheckedIds(Window(1)), std::vector<int>{1});
    EXPECT_EQ(r.OpenGraphWindowCount, 2);
}

TEST_F(GraphWindowRegistry, TheRefreshRedrawsOnlyWindowsShowingTheGroup) {
    Open(4);
    Window(0).SpringMenuItem(0).UserClick();    // 12
    Window(1).SteeringMenuItem(0).UserClick();  // 20
    Window(2).SpringMenuItem(4).UserClick();    // 16
    // Window 3 shows nothing.
    std::vector<uint64_t> before;
    for (int i = 0; i < 4; ++i) before.push_back(Drawn(i));
    charts::RefreshGraphWindows(GraphGroup::Springs);
    EXPECT_GT(Drawn(0), before[0]);
    EXPECT_EQ(Drawn(1), before[1]);
    EXPECT_GT(Drawn(2), before[2]);
    EXPECT_EQ(Drawn(3), before[3]);
    EXPECT_EQ(Window(0).CurrentGraph(), 12);
    EXPECT_EQ(Window(2).CurrentGraph(), 16);

    // Only the items asked for: the roll stiffness window (14) is left alone by a redraw of
    // spring loads and deflections (12, 13).
    Window(3).SpringMenuItem(2).UserClick();
    const uint64_t roll = Drawn(3), loads = Drawn(0);
    charts::RefreshGraphWindows(GraphGroup::Springs, 0, 1);
    EXPECT_EQ(Drawn(3), roll);
    EXPECT_GT(Drawn(0), loads);

    // A closed window is never drawn, even though it keeps its graph id.
    Window(0).UserClose();
    const uint64_t closed = Drawn(0);
    charts::RefreshGraphWindows(GraphGroup::Springs);
    EXPECT_EQ(Drawn(0), closed);
}

TEST_F(GraphWindowRegistry, ResizingKeepsTheSmallestSizeInTheNormalStateAndRedraws) {
    Open(1);
    ResizeableGraphWindow& w = Window(0);
    const int margin = w.Height() - w.ClientHeight();
    // A person drags it smaller than 3000 x 2000 twips: it snaps back.
    w.UserResize(120, 100, 120, 100 - margin);
    EXPECT_EQ(w.Width(), 200);
    EXPECT_EQ(w.Height(), 134);
    EXPECT_GE(w.Height() * 15, 2000);

    // A window that never had a graph stays blank on resize.
    w.UserResize(500, 400, 500, 400 - margin);
    EXPECT_EQ(w.CurrentGraph(), -1);
    EXPECT_TRUE(w.LargeGraph().Surf().DisplayList().empty());
    EXPECT_EQ(w.LargeGraph().Width(), 500);
    EXPECT_EQ(w.LargeGraph().Height(), 400 - margin - 1) << "4 twips short of the client area";

    // With a graph, a resize redraws it and keeps its check mark.
    w.TyreMenuItem(2).UserClick();
    const uint64_t drawn = Drawn(0);
    w.UserResize(600, 450, 600, 450 - margin);
    EXPECT_GT(Drawn(0), drawn);
    EXPECT_EQ(w.CurrentGraph(), 26);
    EXPECT_EQ(CheckedIds(w), std::vector<int>{26});

    // Minimised or maximised, the desktop decides the size: nothing is forced.
    w.UserWindowState(platform::WindowState::Minimized);
    w.UserResize(160, 30, 160, 0);
    EXPECT_EQ(w.Width(), 160);
    w.UserWindowState(platform::WindowState::Maximized);
    w.UserResize(1900, 1000, 1900, 1000 - margin);
    EXPECT_EQ(w.Width(), 1900);
    EXPECT_EQ(w.LargeGraph().Width(), 1900);
}

TEST_F(GraphWindowRegistry, AnIdOutsideTheGraphsDrawsNothingOnResize) {
    Open(1);
    ResizeableGraphWindow& w = Window(0);
    w.SetCurrentGraph(42);
    const uint64_t drawn = Drawn(0);
    w.UserResize(500, 400, 500, 380);
    EXPECT_EQ(Drawn(0), drawn);
    EXPECT_TRUE(CheckedIds(w).empty());
}

}  // namespace
