// Several graph windows on the desktop at once: each its own top-level, resizable window with
// its own menu bar, the smallest size held by the window, and the person's minimise and
// maximise reaching the form.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <set>

#include "QtTestApp.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "qt/QtDesktop.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"

namespace {

class GraphWindowsDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        platform::InstallServiceDoubles();
        ui::InstallGraphWindows();
        ui::ResetGraphWindows();
        desktop = std::make_unique<qtfront::QtDesktop>();
    }
    void TearDown() override {
        ui::ResetGraphWindows();
        desktop.reset();
        platform::Desktop::Instance().CollectUnloaded();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static ui::ResizeableGraphWindow& Window(int slot) {
        return *ui::ResizeableGraphWindows().Windows.Peek(static_cast<std::size_t>(slot));
    }
    std::unique_ptr<qtfront::QtDesktop> desktop;
};

TEST_F(GraphWindowsDesktop, ThreeWindowsAreThreeTopLevelWindowsWithTheirOwnMenus) {
    for (int i = 0; i < 3; ++i) charts::OpenGraphWindow();
    QCoreApplication::processEvents();
    std::set<QWidget*> windows;
    std::set<QMenuBar*> bars;
    for (int i = 0; i < 3; ++i) {
        qtfront::FormView* view = desktop->ViewFor(Window(i));
        ASSERT_NE(view, nullptr) << i;
        EXPECT_TRUE(view->isWindow());
        EXPECT_TRUE(view->isVisible());
        EXPECT_EQ(view->windowTitle(), "Resizeable Graph Display");
        EXPECT_LT(view->minimumWidth(), view->maximumWidth()) << "resizable";
        windows.insert(view);
        bars.insert(view->MenuBarWidget());
        // The View menu and the duplicate entry show; the bookkeeping entries do not.
        QAction* viewMenu = view->ActionFor(*Window(i).ViewMenu);
        ASSERT_NE(viewMenu, nullptr);
        EXPECT_TRUE(viewMenu->isVisible());
        ASSERT_NE(view->ActionFor(*Window(i).CurrentGraphEntry), nullptr);
        EXPECT_FALSE(view->ActionFor(*Window(i).CurrentGraphEntry)->isVisible());
    }
    EXPECT_EQ(windows.size(), 3u);
    EXPECT_EQ(bars.size(), 3u);
    // They do not sit exactly on top of each other.
    EXPECT_NE(desktop->ViewFor(Window(0))->pos(), desktop->ViewFor(Window(1))->pos());
}

TEST_F(GraphWindowsDesktop, TheSmallestSizeHoldsAndMaximisingReachesTheForm) {
    charts::OpenGraphWindow();
    QCoreApplication::processEvents();
    ui::ResizeableGraphWindow& w = Window(0);
    qtfront::FormView* view = desktop->ViewFor(w);
    ASSERT_NE(view, nullptr);
    const QSize frame = view->frameGeometry().size() - view->geometry().size();
    EXPECT_EQ(view->minimumSize(), QSize(200, 134) - frame);
    view->resize(50, 40);  // the person tries smaller than the smallest
    QCoreApplication::processEvents();
    EXPECT_GE(w.Width() * 15, 3000);
    EXPECT_GE(w.Height() * 15, 2000);

    view->resize(520, 380);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.ClientWidth(), view->ClientArea()->width());
    EXPECT_EQ(w.LargeGraph().Width(), view->ClientArea()->width());

    view->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.WindowState(), platform::WindowState::Maximized);
    view->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.WindowState(), platform::WindowState::Normal);
}

}  // namespace
