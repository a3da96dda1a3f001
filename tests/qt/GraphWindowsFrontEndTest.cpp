// Graph windows as a person uses them through the Qt front end, from the main window's charts
// and the windows' own menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QMouseEvent>
#include <QSlider>

#include "ProgramOnDesktop.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"

namespace {

using charts::ResizeableGraphCode;

class GraphWindowsFrontEnd : public qttest::ProgramOnDesktop {
protected:
    static ui::ResizeableGraphWindow& Window(int slot) {
        return *ui::ResizeableGraphWindows().Windows.Peek(static_cast<std::size_t>(slot));
    }
    qtfront::FormView& ViewOf(platform::Form& form) {
        qtfront::FormView* view = desktop->ViewFor(form);
        EXPECT_NE(view, nullptr);
        return *view;
    }
    // The person double-clicks a picture box of the main window.
    void DoubleClick(platform::PictureBox& box) {
        QWidget* widget = ViewOf(*w).WidgetFor(box);
        ASSERT_NE(widget, nullptr);
        const QPointF at(20, 20);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(widget, &e);
        }
        QCoreApplication::processEvents();
    }
    void Choose(ui::ResizeableGraphWindow& gw, platform::MenuItem& item) {
        QAction* action = ViewOf(gw).ActionFor(item);
        ASSERT_NE(action, nullptr);
        action->trigger();
        QCoreApplication::processEvents();
    }
    static uint64_t Drawn(int slot) { return Window(slot).LargeGraph().Surf().Revision(); }

};

TEST_F(GraphWindowsFrontEnd, ThreeWindowsADoubleClickASliderAndAWindowClosedAndReopened) {
    auto& r = ResizeableGraphCode();
    // A double-click with no graph window open opens one showing that chart.
    w->Analysis_DecGraphData(0).SetListIndex(5);  // speed
    DoubleClick(w->Analysis_DecGraph(0));
    ASSERT_EQ(r.OpenGraphWindowCount, 1);
    EXPECT_EQ(Window(0).CurrentGraph(), 7);
    EXPECT_TRUE(ViewOf(Window(0)).ActionFor(Window(0).DecMenuItem(5))->isChecked());

    // Two more from the windows' own menus: each a window of its own, blank.
    Choose(Window(0), *Window(0).DupeMenu);
    Choose(Window(1), *Window(1).DupeMenu);
    ASSERT_EQ(r.OpenGraphWindowCount, 3);
    EXPECT_EQ(Window(1).CurrentGraph(), -1);
    EXPECT_EQ(Window(2).CurrentGraph(), -1);
    EXPECT_TRUE(ViewOf(Window(2)).isVisible());

    // A graph from the middle window's View menu; a double-click goes to the newest (slot 2).
    Choose(Window(1), Window(1).AccMenuItem(5));
    EXPECT_EQ(Window(1).CurrentGraph(), 37);
    DoubleClick(w->Analysis_SuspChart(0));
    EXPECT_EQ(Window(2).CurrentGraph(), 12);
    EXPECT_EQ(Window(1).CurrentGraph(), 37);
    EXPECT_EQ(Window(0).CurrentGraph(), 7);

    // The person moves the speed slider: the live state recomputes and redraws the window of
    // its suspension charts; the run graphs stay as they were.
    const uint64_t dec = Drawn(0), acc = Drawn(1), springs = Drawn(2);
    auto* slider = qobject_cast<QSlider*>(ViewOf(*w).WidgetFor(*w->Live_Speed));
    ASSERT_NE(slider, nullptr);
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCoreApplication::processEvents();
    EXPECT_GT(Drawn(2), springs);
    EXPECT_EQ(Drawn(1), acc);
    EXPECT_EQ(Drawn(0), dec);
    EXPECT_EQ(Window(2).CurrentGraph(), 12);

    // The middle window closes by its close box; the next one opened takes its slot, blank,
    // and becomes the target of double-clicks.
    ViewOf(Window(1)).close();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.OpenGraphWindowCount, 2);
    EXPECT_EQ(r.NewestGraphWindow, 2);
    Choose(Window(0), *Window(0).DupeMenu);
    ASSERT_EQ(r.OpenGraphWindowCount, 3);
    EXPECT_EQ(r.GraphWindowSlotCount, 3);
    EXPECT_EQ(r.NewestGraphWindow, 1);
    EXPECT_EQ(Window(1).CurrentGraph(), -1);
    EXPECT_TRUE(ViewOf(Window(1)).isVisible());
    DoubleClick(*w->Analysis_PhysChart);
    EXPECT_EQ(Window(1).CurrentGraph(), 1);
    EXPECT_EQ(Window(2).CurrentGraph(), 12);
    EXPECT_EQ(Window(0).CurrentGraph(), 7);
}

}  // namespace
