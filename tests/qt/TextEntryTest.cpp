// Text that reaches a box other than by its keys, as the window system delivers it: a
// middle-click paste of the X11 selection, the context menu's Paste, a drop and an input
// method's commit each go into the model at the place they went in. The 2nd gear's box turns
// a typed comma into a point, which shows that its KeyPress handler saw every character; a
// calculator works out its results again.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "ProgramOnDesktop.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"

namespace {

struct Box {
    const char* name;
    platform::TextBox* model;
    QLineEdit* widget;
    const char* put;    // what goes into the emptied box
    const char* typed;  // what the box then holds
};

class TextEntry : public qttest::ProgramOnDesktop {
protected:
    void SetUp() override {
        ProgramOnDesktop::SetUp();
        w->Settings_SelectPage->UserSelect(4);  // Gearing
        ui::ShowMechCalcs();
        QCoreApplication::processEvents();
        calcs = ui::PeekMechCalcs();
        boxes = {{"2nd gear", &w->Set_GearRatioText(2), WidgetOf(*w, w->Set_GearRatioText(2)),
                  "2,5", "2.5"},
                 {"coil wire", &calcs->CoilSpringInput(3),
                  WidgetOf(*calcs, calcs->CoilSpringInput(3)), "0.008", "0.008"}};
    }
    void TearDown() override {
        calcs->Unload();
        ui::ResetMechCalcs();
        ProgramOnDesktop::TearDown();
    }
    QLineEdit* WidgetOf(platform::Form& form, platform::TextBox& box) {
        auto* edit = qobject_cast<QLineEdit*>(desktop->ViewFor(form)->WidgetFor(box));
        EXPECT_NE(edit, nullptr) << box.Name();
        return edit;
    }
    // The person empties the box (its whole text selected, Backspace) and `put` goes in as
    // `enter` puts it; the model and the box then hold what typing it gives.
    void ForEachBox(const std::function<void(const Box&)>& enter) {
        for (const Box& b : boxes) {
            SCOPED_TRACE(b.name);
            ASSERT_NE(b.widget, nullptr);
            QApplication::setActiveWindow(b.widget->window());
            b.widget->setFocus();
            b.widget->selectAll();
            QTest::keyClick(b.widget, Qt::Key_Backspace);
            ASSERT_EQ(b.model->Text(), "");
            const std::string coilRate = calcs->CoilCalcLabel(103).Caption();
            enter(b);
            EXPECT_EQ(b.model->Text(), b.typed);
            EXPECT_EQ(b.widget->text().toStdString(), b.typed);
            if (b.model == &calcs->CoilSpringInput(3)) {  // 8 mm wire: a softer spring
                EXPECT_NE(calcs->CoilCalcLabel(103).Caption(), coilRate);
            }
        }
    }
    ui::MechCalcs* calcs = nullptr;
    std::vector<Box> boxes;
};

// The selection exists only on a desktop that has one: ctest runs this under Xvfb too, where
// it must not skip.
TEST_F(TextEntry, AMiddleClickPastesTheSelectionAsTyping) {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection()) {
        ASSERT_TRUE(qEnvironmentVariableIsEmpty("CHASSISLAB_DESKTOP_HAS_SELECTION"));
        GTEST_SKIP() << "this desktop has no selection";
    }
    ForEachBox([&](const Box& b) {
        clipboard->setText(b.put, QClipboard::Selection);
        QTest::mouseClick(b.widget, Qt::MiddleButton, {}, b.widget->rect().center());
    });
}

TEST_F(TextEntry, TheContextMenusPasteTypesTheClipboard) {
    ForEachBox([](const Box& b) {
        QApplication::clipboard()->setText(b.put);
        bool pasted = false;
        const auto choosePaste = [&pasted] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || pasted) return;
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith("&Paste")) {
                    pasted = true;
                    action->trigger();
                }
            }
            menu->close();
        };
        QTimer::singleShot(0, choosePaste);  // a menu that runs its own loop
        const QPoint at = b.widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, b.widget->mapToGlobal(at));
        QApplication::sendEvent(b.widget, &event);
        QCoreApplication::processEvents();
        choosePaste();  // a menu left open
        EXPECT_TRUE(pasted);
    });
}

// A person drags `text` over the widget and drops it at `at`.
void Drop(QWidget* widget, const QString& text, QPoint at) {
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &drop);
}

TEST_F(TextEntry, ADropTypesItsText) {
    ForEachBox([](const Box& b) { Drop(b.widget, b.put, b.widget->rect().center()); });
}

// A one-line box takes the first line of what is dropped into it.
TEST_F(TextEntry, ATwoLineDropGivesItsFirstLine) {
    ForEachBox([](const Box& b) {
        Drop(b.widget, QString(b.put) + "\n12", b.widget->rect().center());
    });
}

// Dropped at the end of the text, past its last character: typing goes on after the drop.
TEST_F(TextEntry, ADropInsideTheTextLeavesTheCaretAfterIt) {
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.name);
        QApplication::setActiveWindow(b.widget->window());
        b.widget->setFocus();
        b.widget->selectAll();
        QTest::keyClicks(b.widget, "2.5");
        Drop(b.widget, "5", {b.widget->width() - 3, b.widget->height() / 2});
        QTest::keyClick(b.widget, Qt::Key_1);
        EXPECT_EQ(b.model->Text(), "2.551");
        EXPECT_EQ(b.widget->text().toStdString(), "2.551");
    }
}

// A Locked box takes nothing put in: Ctrl+V, a drop and an input method's commit leave its text
// and raise no Change (the calculator keeps its rate).
TEST_F(TextEntry, ALockedBoxTakesNoPasteDropOrCommit) {
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.name);
        b.model->SetLocked(true);
        QCoreApplication::processEvents();
        const std::string text = b.model->Text();
        const std::function<void()> change = b.model->Change;
        int changes = 0;
        b.model->Change = [&] {
            ++changes;
            if (change) change();
        };
        QApplication::setActiveWindow(b.widget->window());
        b.widget->setFocus();
        QApplication::clipboard()->setText(b.put);
        QTest::keyClick(b.widget, Qt::Key_V, Qt::ControlModifier);
        Drop(b.widget, b.put, b.widget->rect().center());
        QInputMethodEvent commit;
        commit.setCommitString(b.put);
        QApplication::sendEvent(b.widget, &commit);
        EXPECT_EQ(b.model->Text(), text);
        EXPECT_EQ(b.widget->text().toStdString(), text);
        EXPECT_EQ(changes, 0);
        b.model->Change = change;
        b.model->SetLocked(false);
    }
}

// An input method may replace text before the caret with its commit (an autocorrection):
// "1" typed, then replaced as a whole.
TEST_F(TextEntry, AnInputMethodsCommitReplacesWhatItSays) {
    ForEachBox([](const Box& b) {
        QTest::keyClick(b.widget, Qt::Key_1);
        QInputMethodEvent event;
        event.setCommitString(b.put, -1, 1);
        QApplication::sendEvent(b.widget, &event);
    });
}

}  // namespace
