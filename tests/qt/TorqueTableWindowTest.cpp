// The engine's torque table is the main window's tool window: it stays above the main window
// while the person types into the vehicle editor's engine boxes, and opens clear of them, of
// the engine's frames and of the plot. ctest runs this on a 1366 x 768 and a 1920 x 1080 screen
// too (tests/qt/screens/); editor_torque_table_beside_<screen>.png in test-screenshots/ shows
// the screen with both windows.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <string>
#include <utility>
#include <vector>

#include "ProgramOnDesktop.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace {

class TorqueTableBesideEditor : public qttest::ProgramOnDesktop {
protected:
    // Every window framed as a window manager frames it: a title bar and borders outside the
    // client area.
    void SetUp() override {
        qtfront::TestFrame().added = QSize(10, 30);
        ProgramOnDesktop::SetUp();
    }
    void TearDown() override {
        qtfront::TestFrame().added = QSize(0, 0);
        ui::ResetTorqueDataTable();
        ProgramOnDesktop::TearDown();
    }
    // The screen as the person sees it: the main window, and the table above it.
    void Shot(const std::vector<QWidget*>& windows) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QImage image(screen.size(), QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QPainter painter(&image);
        for (QWidget* window : windows) painter.drawPixmap(window->pos(), window->grab());
        painter.end();
        const std::string path = qttest::ScreenshotPath(
            "editor_torque_table_beside_" + std::to_string(screen.width()) + "x" +
            std::to_string(screen.height()) + ".png");
        EXPECT_TRUE(image.save(QString::fromStdString(path))) << path;
    }
};

// The transient parent a tool window has when it first appears (what the window manager is
// told when the window is mapped).
class FirstToolWindow : public QObject {
public:
    QWidget* shown = nullptr;
    QWindow* transientParent = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* view = qobject_cast<qtfront::FormView*>(watched);
        if (event->type() == QEvent::Show && !shown && view && view->windowType() == Qt::Tool) {
            shown = view;
            if (view->windowHandle()) transientParent = view->windowHandle()->transientParent();
        }
        return false;
    }
};

TEST_F(TorqueTableBesideEditor, OpensAboveTheMainWindowClearOfTheEngineBoxes) {
    w->VehData_Modification->SetVisible(true);
    w->VehData_EditExisting->UserClick();
    w->VehData_SelectPage->UserSelect(2);  // Drive-train
    FirstToolWindow first;
    qApp->installEventFilter(&first);
    w->TorquePowerPlot->UserDblClick();
    qApp->removeEventFilter(&first);
    ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    ASSERT_NE(table, nullptr);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    qtfront::FormView* main = desktop->ViewFor(*w);
    qtfront::FormView* view = desktop->ViewFor(*table);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(view, nullptr);

    // Owned by the main window: a tool window over it, whichever of the two has the focus.
    EXPECT_EQ(table->Owner(), w);
    EXPECT_EQ(view->windowType(), Qt::Tool);
    ASSERT_NE(view->windowHandle(), nullptr);
    EXPECT_EQ(view->windowHandle()->transientParent(), main->windowHandle());
    EXPECT_EQ(first.shown, view);
    EXPECT_EQ(first.transientParent, main->windowHandle()) << "when it first appeared";
    // The main window's menu keys stay with it: F4 typed into the table links no tabs.
    auto* step = qobject_cast<QLineEdit*>(view->WidgetFor(*table->UnitStepText));
    ASSERT_NE(step, nullptr);
    QApplication::setActiveWindow(view);
    step->setFocus();
    const bool linking = w->OptionsTabLinking->Checked();
    QTest::keyClick(step, Qt::Key_F4);
    EXPECT_EQ(w->OptionsTabLinking->Checked(), linking);
    Shot({main, view});

    const QRect available = main->screen()->availableGeometry();
    // The header spans the main window's layout.
    if (available.width() < w->MainSection(0).Width())
        GTEST_SKIP() << "the screen is narrower than the main window's layout";
    const QRect placed(table->Left(), table->Top(), table->Width(), table->Height());
    EXPECT_TRUE(available.contains(placed));
    // Beside the Drive-train page, level with its top: from the page's right edge and top at
    // most what the main window's frame, menu bar and scroll bars add to its client area.
    QWidget* page = main->WidgetFor(w->DataPage(1));
    ASSERT_NE(page, nullptr);
    const QPoint pageAt = page->mapToGlobal(QPoint(0, 0));
    const int besideBy = placed.left() - (pageAt.x() + page->width());
    const int belowBy = placed.top() - pageAt.y();
    EXPECT_GE(besideBy, 0);
    EXPECT_LE(besideBy, w->Width() - w->ClientWidth());
    EXPECT_GE(belowBy, 0);
    EXPECT_LE(belowBy, w->Height() - w->ClientHeight());
    // The engine's two frames, each box in them, and the plot.
    const std::vector<const platform::Control*> engine = {
        &w->VehDataFrame(2),        &w->VehDataFrame(12),       w->VehData_NewTorque,
        w->VehData_NewTorqueRPM,    w->VehData_NewPower,        w->VehData_NewPowerRPM,
        w->VehData_NewIdleRPM,      w->VehData_NewLimitRPM,     w->VehData_NewTorquePeakWidth,
        w->VehData_NewEBC,          w->TorquePowerPlot};
    for (const platform::Control* c : engine) {
        QWidget* widget = main->WidgetFor(*c);
        ASSERT_NE(widget, nullptr) << c->Name();
        EXPECT_TRUE(widget->isVisible()) << c->Name();
        const QRect onScreen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        EXPECT_FALSE(onScreen.intersects(placed)) << c->Name() << " under the table";
    }
}

// A window's outer corner on the screen, as the front end has it and as the program has it.
std::pair<int, int> Corner(const QWidget& view) { return {view.x(), view.y()}; }
std::pair<int, int> Corner(const platform::Form& form) { return {form.Left(), form.Top()}; }

// Placed beside the editor when it opens, not at each showing: a table the person moved stays
// where it is when the plot is double-clicked again. Closed and opened again, it is a new
// window and opens beside the editor once more.

TEST_F(TorqueTableBesideEditor, StaysWhereThePersonMovedIt) {
    w->VehData_Modification->SetVisible(true);
    w->VehData_EditExisting->UserClick();
    w->VehData_SelectPage->UserSelect(2);  // Drive-train
    w->TorquePowerPlot->UserDblClick();
    ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    ASSERT_NE(table, nullptr);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    qtfront::FormView* view = desktop->ViewFor(*table);
    ASSERT_NE(view, nullptr);
    const std::pair<int, int> beside = Corner(*view);
    ASSERT_EQ(Corner(*table), beside);

    // The person drags it by its title bar to the screen's top left corner, over the main
    // window.
    const QPoint to = view->screen()->availableGeometry().topLeft() + QPoint(40, 40);
    view->move(to);
    QCoreApplication::processEvents();
    const std::pair<int, int> moved = Corner(*view);
    ASSERT_EQ(moved, std::make_pair(to.x(), to.y()));
    ASSERT_NE(moved, beside);
    ASSERT_EQ(Corner(*table), moved);

    w->TorquePowerPlot->UserDblClick();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(ui::OpenTorqueDataTable(), table);
    EXPECT_EQ(Corner(*view), moved) << "double-clicked again";
    EXPECT_EQ(Corner(*table), moved) << "double-clicked again";

    view->close();  // its close box
    QCoreApplication::processEvents();
    ASSERT_EQ(ui::OpenTorqueDataTable(), nullptr);
    w->TorquePowerPlot->UserDblClick();
    ui::TorqueDataTable* again = ui::OpenTorqueDataTable();
    ASSERT_NE(again, nullptr);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    qtfront::FormView* reopened = desktop->ViewFor(*again);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(Corner(*reopened), beside) << "closed and opened again";
    EXPECT_EQ(Corner(*again), beside) << "closed and opened again";
}

}  // namespace
