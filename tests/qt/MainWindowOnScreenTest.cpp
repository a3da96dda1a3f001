// The main window on a screen smaller than its layout: it opens within the screen's available
// area, and its client area scrolls (bars and mouse wheel) so that the lowest and rightmost
// controls can be reached. Writes main_screen_<width>x<height>_top.png and _scrolled.png in
// test-screenshots/ for a person to look at; run it with
// QT_QPA_PLATFORM=offscreen:configfile=<json with one screen> to see another screen size.
#include <QScreen>
#include <QWheelEvent>

#include "ProgramOnDesktop.hpp"
#include "core/TextTable.hpp"

namespace {

TEST(FitWithin, MovesAndShrinksAWindowIntoTheAvailableArea) {
    const QRect laptop(0, 0, 1366, 728);  // 1366 x 768 less a 40-pixel panel at the bottom
    EXPECT_EQ(qtfront::FitWithin({100, 100, 300, 200}, laptop), QRect(100, 100, 300, 200));
    EXPECT_EQ(qtfront::FitWithin({1200, 600, 300, 200}, laptop), QRect(1066, 528, 300, 200));
    EXPECT_EQ(qtfront::FitWithin({-50, -20, 300, 200}, laptop), QRect(0, 0, 300, 200));
    EXPECT_EQ(qtfront::FitWithin({30, 40, 1296, 862}, laptop), QRect(30, 0, 1296, 728));
    EXPECT_EQ(qtfront::FitWithin({30, 40, 1296, 862}, QRect(1920, 30, 1280, 690)),
              QRect(1920, 30, 1280, 690));
}

class MainWindowOnScreen : public qttest::ProgramOnDesktop {
protected:
    void SetUp() override {
        ProgramOnDesktop::SetUp();
        view = desktop->ViewFor(*w);
        ASSERT_NE(view, nullptr);
    }
    void Shot(const std::string& name) {
        const QSize screen = view->screen()->size();
        const std::string path = qttest::ScreenshotPath("main_screen_" + std::to_string(screen.width()) +
                                                          "x" + std::to_string(screen.height()) +
                                                          "_" + name + ".png");
        EXPECT_TRUE(view->grab().save(QString::fromStdString(path))) << path;
    }
    // Whether the whole of a control's widget lies inside the client area as it shows now.
    bool InView(platform::Control& c) {
        QWidget* widget = view->WidgetFor(c);
        const QRect at(widget->mapTo(view->ClientArea(), QPoint(0, 0)), widget->size());
        return view->ClientArea()->rect().contains(at);
    }
    qtfront::FormView* view = nullptr;
};

TEST_F(MainWindowOnScreen, OpensWithinTheScreenAndScrollsToTheLowestControls) {
    const QRect available = view->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(view->frameGeometry())) << "opens within the screen";
    EXPECT_EQ(w->ClientWidth(), view->ClientArea()->width());
    EXPECT_EQ(w->ClientHeight(), view->ClientArea()->height());
    Shot("top");
    // The main window's layout is 1280 x 800 pixels.
    if (view->ClientArea()->width() >= 1280 && view->ClientArea()->height() >= 800) {
        GTEST_SKIP() << "the layout fits this screen";
    }
    // The lowest chart of the acceleration page and the lowest frame of the physical page.
    w->Analysis_SelectPage->UserSelect(9);
    platform::Control& chart = w->Analysis_AccGraph(1);
    platform::Control& liveInfo = w->Analysis_PhysicalFrame(7);
    EXPECT_FALSE(InView(chart));
    QScrollBar* down = view->VerticalScrollBar();
    ASSERT_TRUE(down->isVisible());

    // The wheel where no control takes it (a person's wheel over a caption or a frame comes
    // up to the client area) scrolls the client area.
    QWidget* client = view->ClientArea();
    QWheelEvent wheel(QPointF(5, 5), client->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(client, &wheel);
    EXPECT_GT(down->value(), 0);
    EXPECT_EQ(view->ScrollPosition().y(), down->value());

    down->setValue(down->maximum());
    view->HorizontalScrollBar()->setValue(view->HorizontalScrollBar()->maximum());
    EXPECT_TRUE(InView(chart));
    Shot("scrolled");
    w->Analysis_SelectPage->UserSelect(1);
    EXPECT_TRUE(InView(liveInfo));
    // The model keeps the layout's own positions; only the widgets move.
    EXPECT_EQ(w->MainSection(2).Top(), 96);
}

}  // namespace
