// Windows on the desktop: shown forms get a window, a handler may unload its own window, the
// close box and Esc ask the form, and a person's resize and move reach the form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QShortcut>
#include <QTest>

#include "QtTestApp.hpp"
#include "qt/QtDesktop.hpp"

namespace {

struct ToolForm : platform::Form {
    ToolForm() : platform::Form("Tool") {
        SetCaption("Tool");
        Move(10, 10, 300, 200);
        SetResizable(true);
        SetMinimumSize(200, 150);
        close = &Create<platform::CommandButton>("Close");
        close->Move(10, 10, 80, 24);
        close->SetCaption("Close");
        close->Click = [this] { Unload(); };
        Resize = [this] { resizes.emplace_back(ClientWidth(), ClientHeight()); };
    }
    platform::CommandButton* close;
    std::vector<std::pair<int, int>> resizes;
};

class QtDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        platform::InstallServiceDoubles();
        desktop = std::make_unique<qtfront::QtDesktop>();
    }
    void TearDown() override {
        desktop.reset();
        platform::Desktop::Instance().CollectUnloaded();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::unique_ptr<qtfront::QtDesktop> desktop;
};

TEST_F(QtDesktopTest, ShownFormGetsAWindowThatReportsItsClientSize) {
    ToolForm form;
    form.Show();
    qtfront::FormView* view = desktop->ViewFor(form);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), "Tool");
    // The client area has the size the form asked for (300 x 200 less the form's 20-pixel
    // allowance for a title bar); the window's frame lies outside it, and the form's outer
    // size takes the frame in once the window reports it. The smallest size is an outer one.
    QCoreApplication::processEvents();
    const QSize frame = view->frameGeometry().size() - view->geometry().size();
    EXPECT_EQ(view->minimumSize(), QSize(200, 150) - frame);
    EXPECT_EQ(view->ClientArea()->size(), QSize(300, 180));
    EXPECT_EQ(view->frameGeometry().size(), QSize(300, 180) + frame);
    EXPECT_EQ(form.Width(), 300 + frame.width());
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 180);

    form.resizes.clear();
    view->resize(400, 250);  // the person drags the corner
    QCoreApplication::processEvents();
    ASSERT_FALSE(form.resizes.empty());
    EXPECT_EQ(form.resizes.back(), std::make_pair(400, 250));
    EXPECT_EQ(form.Width(), 400 + frame.width());

    EXPECT_EQ(view->pos(), QPoint(10, 10));
    view->move(140, 90);  // the person drags the title bar
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Left(), 140);
    EXPECT_EQ(form.Top(), 90);
    EXPECT_EQ(form.Width(), 400 + frame.width());  // a move is no resize
    // A move from code reaches the window and comes back as no change.
    form.Move(60, 40, form.Width(), form.Height());
    QCoreApplication::processEvents();
    EXPECT_EQ(view->pos(), QPoint(60, 40));
    EXPECT_EQ(form.Left(), 60);

    form.Hide();
    EXPECT_FALSE(view->isVisible());
    form.Unload();
}

TEST_F(QtDesktopTest, AHandlerMayUnloadItsOwnWindow) {
    auto owned = std::make_unique<ToolForm>();
    ToolForm& form = *owned;
    form.Show();
    QPointer<qtfront::FormView> view = desktop->ViewFor(form);
    ASSERT_TRUE(view);
    auto* button = qobject_cast<QPushButton*>(view->WidgetFor(*form.close));
    ASSERT_NE(button, nullptr);
    bool closedAll = false;
    QObject::connect(desktop.get(), &qtfront::QtDesktop::allWindowsClosed,
                     [&] { closedAll = true; });
    // The program parks a spent window; collecting it after the click destroys it.
    form.UnloadEvent = [&](bool&) { platform::Desktop::Instance().Park(std::move(owned)); };
    button->click();
    EXPECT_TRUE(closedAll);
    EXPECT_EQ(platform::Desktop::Instance().ParkedCount(), 0u);  // collected after the click
    EXPECT_EQ(desktop->ViewFor(form), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(view);
}

TEST_F(QtDesktopTest, TheCloseBoxAsksTheForm) {
    ToolForm form;
    bool refuse = true;
    form.UnloadEvent = [&](bool& cancel) { cancel = refuse; };
    form.Show();
    qtfront::FormView* view = desktop->ViewFor(form);
    ASSERT_NE(view, nullptr);
    view->close();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(form.Loaded());
    refuse = false;
    view->close();
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(desktop->ViewFor(form), nullptr);
}

TEST_F(QtDesktopTest, EscPressesTheCancelButtonOfAWindowThatHasOne) {
    ToolForm plain, tool;
    tool.SetCancelButton(tool.close);
    for (ToolForm* form : {&plain, &tool}) form->Show();
    auto escapeOf = [&](ToolForm& form) {
        QShortcut* esc = desktop->ViewFor(form)->findChild<QShortcut*>();
        EXPECT_NE(esc, nullptr);
        if (esc) EXPECT_EQ(esc->key(), QKeySequence(Qt::Key_Escape));
        return esc;
    };
    // Esc in any control of the window, a text box's included, which would otherwise take it.
    QShortcut* esc = escapeOf(tool);
    ASSERT_NE(esc, nullptr);
    EXPECT_EQ(esc->context(), Qt::WindowShortcut);
    EXPECT_TRUE(esc->isEnabled());
    emit esc->activated();
    EXPECT_TRUE(tool.WasUnloaded());
    // A window that takes no Esc leaves the key to its controls.
    ASSERT_NE(escapeOf(plain), nullptr);
    EXPECT_FALSE(escapeOf(plain)->isEnabled());
    plain.Unload();
}

// Esc pressed with a drop-down list open, as the window system delivers it (to the window,
// where the window's Esc shortcut is found first): the first closes only the list, the
// next one the window.
TEST_F(QtDesktopTest, EscWithADropDownListOpenClosesOnlyTheList) {
    ToolForm tool;
    tool.SetClosesOnEscape(true);
    auto& list = tool.Create<platform::ComboBox>("Units");
    list.Move(10, 40, 120, 22);
    list.AddItem("Metres");
    list.AddItem("Feet");
    tool.Show();
    qtfront::FormView& view = *desktop->ViewFor(tool);
    QApplication::setActiveWindow(&view);
    auto* combo = qobject_cast<QComboBox*>(view.WidgetFor(list));
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    combo->showPopup();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(view.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(tool.Loaded());
    QApplication::setActiveWindow(&view);  // the window manager hands the focus back
    QTest::keyClick(view.windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(tool.WasUnloaded());
}

TEST_F(QtDesktopTest, AFormDroppedWithoutUnloadTakesItsWindowAlong) {
    auto form = std::make_unique<ToolForm>();
    form->Show();
    QPointer<qtfront::FormView> view = desktop->ViewFor(*form);
    ASSERT_TRUE(view);
    const platform::Form* address = form.get();
    form.reset();
    EXPECT_FALSE(view->Attached());
    EXPECT_EQ(desktop->ViewFor(*address), nullptr);
}

}  // namespace
