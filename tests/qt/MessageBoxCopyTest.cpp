// What a message box puts on the clipboard: Ctrl+C copies the message as written (without the
// line breaks the box puts into a long name), wherever the focus is; with part of the text
// selected in the label, that part; so does the label's context menu, and what the person
// selects is the desktop's selection as written too (ctest runs these under Xvfb as well, where
// there is one). The text is plain whatever it names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "QtTestApp.hpp"
#include "platform/Services.hpp"
#include "qt/QtServices.hpp"

namespace {

// A name of 260 characters without a blank: the box cuts it into lines.
const std::string kLongName = std::string(130, 'N') + "\u200B" + std::string(126, 'M') + ".vd3";

class MessageBoxCopy : public ::testing::Test {
protected:
    void SetUp() override { qttest::App(); }

    // Shows `text` in a message box with OK and Cancel and calls `check` with the box and its
    // label once it is on screen; then closes it.
    static void WithBox(const std::string& text,
                        const std::function<void(QMessageBox&, QLabel&)>& check) {
        bool shown = false;
        int polls = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || shown) return;
            // The keys go to the active window (a desktop may take a moment to hand it over;
            // the watchdog's worth of polls at most).
            if (!box->isActiveWindow() && ++polls < qttest::kHangWatchdogMs / 20) return;
            shown = true;
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_NE(label, nullptr);
            if (label) check(*box, *label);
            box->done(QMessageBox::Cancel);
        });
        poll.start(20);
        platform::MessageRequest request;
        request.text = text;
        request.buttons = platform::MsgButtons::OKCancel;
        qtfront::QtMessageBoxService().Show(request);
        poll.stop();
        EXPECT_TRUE(shown);
    }

    // Ctrl+C pressed where the focus is; what the clipboard then holds.
    static std::string CopyWithKeys() {
        QClipboard& clipboard = *QGuiApplication::clipboard();
        clipboard.setText(QStringLiteral("copied before"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        return clipboard.text().toStdString();
    }

    // Selects the written `part` of the message in the label, which shows it with the line
    // breaks the box put in (line separators).
    static void Select(QLabel& label, const std::string& message, const std::string& part) {
        const QString shown = label.text();
        std::vector<int> shownAt;  // per written character
        for (int i = 0; i < static_cast<int>(shown.size()); ++i)
            if (shown[i] != QChar::LineSeparator) shownAt.push_back(i);
        const QString whole = QString::fromStdString(message);
        ASSERT_EQ(shownAt.size(), static_cast<std::size_t>(whole.size()));
        const auto from = static_cast<std::size_t>(whole.indexOf(QString::fromStdString(part)));
        const std::size_t last = from + static_cast<std::size_t>(QString::fromStdString(part).size()) - 1;
        label.setSelection(shownAt[from], shownAt[last] + 1 - shownAt[from]);
    }
};

// Chooses `entry` of the label's context menu, opened where the person right-clicks; whether
// the menu offered it enabled. The menu opens at the click, its Copy naming Ctrl+C.
bool ChooseFromContextMenu(QLabel& label, const QString& entry) {
    bool chosen = false;
    const QPoint at = label.rect().center();
    const auto choose = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        EXPECT_EQ(menu->pos(), label.mapToGlobal(at)) << "where the menu opened";
        // Copy, a line, then Select All, as a text's menu has them.
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        EXPECT_EQ(entries.join(u'|').toStdString(), "&Copy|-|Select All");
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("&Copy"))
                EXPECT_EQ(action->shortcut().toString().toStdString(), "Ctrl+C");
            if (action->text() == entry && action->isEnabled() && !chosen) {
                chosen = true;
                action->trigger();
            }
        }
        menu->close();
    };
    QTimer::singleShot(0, choose);  // a menu that runs its own loop
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, label.mapToGlobal(at));
    QApplication::sendEvent(&label, &event);
    QCoreApplication::processEvents();
    choose();  // a menu left open
    return chosen;
}

// The written text of what the label has selected: its text less the line breaks the box put
// in (the paragraph separator is the message's own line end).
std::string SelectedAsWritten(const QLabel& label) {
    QString text = label.selectedText();
    text.remove(QChar::LineSeparator);
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text.toStdString();
}

TEST_F(MessageBoxCopy, CtrlCCopiesTheMessageAsWrittenWhereverTheFocusIs) {
    const std::string message = "The file " + kLongName + " cannot be read:\nPermission denied";
    const std::string firstLine = "The file " + kLongName + " cannot be read:";
    const struct {
        const char* focus;        // where the focus is when Ctrl+C is pressed
        std::string selected;     // written text selected in the label ("": none)
        std::string copied;
    } rows[] = {
        {"ok", "", message},
        {"cancel", "", message},
        {"ok", "Permission", message},  // a selection in the label, the focus on a button
        {"label", "", message},
        {"label", message, message},
        {"label", kLongName, kLongName},  // the name alone, cut into lines on screen
        {"label", firstLine, firstLine},
        {"label", "Permission", "Permission"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.focus) + " / " + row.selected.substr(0, 12));
        WithBox(message, [&](QMessageBox& box, QLabel& label) {
            ASSERT_GT(label.text().count(QChar::LineSeparator), 0) << "the name is cut";
            if (!row.selected.empty()) Select(label, message, row.selected);
            QWidget* focus = std::string(row.focus) == "label"    ? static_cast<QWidget*>(&label)
                             : std::string(row.focus) == "cancel" ? box.button(QMessageBox::Cancel)
                                                                  : box.button(QMessageBox::Ok);
            focus->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(QApplication::focusWidget(), focus);
            EXPECT_EQ(CopyWithKeys(), row.copied);
        });
    }
}

TEST_F(MessageBoxCopy, TheContextMenuCopiesThePartSelectedAsWritten) {
    const std::string message = "The file " + kLongName + " cannot be read:\nPermission denied";
    const std::string firstLines = "The file " + std::string(100, 'N');  // cut at least once
    const struct {
        std::string selected;  // "": none
        const char* entry;
        std::string copied;
    } rows[] = {
        {"Permission", "&Copy", "Permission"},
        {kLongName, "&Copy", kLongName},
        {firstLines, "&Copy", firstLines},
        {"", "&Copy", "copied before"},  // nothing to copy: Copy is not offered
        {"", "Select All", "copied before"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selected.substr(0, 12) + " / " + row.entry);
        WithBox(message, [&](QMessageBox&, QLabel& label) {
            ASSERT_GT(label.text().count(QChar::LineSeparator), 0) << "the name is cut";
            if (!row.selected.empty()) Select(label, message, row.selected);
            QApplication::clipboard()->setText(QStringLiteral("copied before"));
            EXPECT_EQ(ChooseFromContextMenu(label, row.entry), row.entry != std::string("&Copy") ||
                                                                   !row.selected.empty());
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), row.copied);
            if (std::string(row.entry) == "Select All") {
                EXPECT_EQ(SelectedAsWritten(label), message);
                ASSERT_TRUE(ChooseFromContextMenu(label, "&Copy"));
                EXPECT_EQ(QApplication::clipboard()->text().toStdString(), message);
            }
        });
    }
}

// Where the desktop has a selection (X11), what the person selects in the label becomes it as
// written: with the mouse across a line break the box put in, by the keys, by a double click
// on a word the box cut, and by the context menu's Select All.
TEST_F(MessageBoxCopy, TheDesktopsSelectionHoldsThePartSelectedAsWritten) {
    QClipboard& clipboard = *QApplication::clipboard();
    if (!clipboard.supportsSelection()) {
        ASSERT_TRUE(qEnvironmentVariableIsEmpty("CHASSISLAB_DESKTOP_HAS_SELECTION"));
        GTEST_SKIP() << "this desktop has no selection";
    }
    const std::string message = "The file " + kLongName + " cannot be read:\nPermission denied";
    const struct {
        const char* how;
        std::function<void(QLabel&)> select;
    } ways[] = {
        {"a drag from the first line into the third",
         [](QLabel& label) {
             const int line = label.fontMetrics().lineSpacing();
             const QPoint to(label.width() / 3, line * 5 / 2);
             QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(label.width() / 2, line / 2));
             QTest::mouseMove(&label, to);
             QTest::mouseRelease(&label, Qt::LeftButton, {}, to);
         }},
        {"the keys, across a line break put in",
         [](QLabel& label) {
             label.setFocus(Qt::TabFocusReason);
             label.setSelection(20, 0);
             for (int i = 0; i < 60; ++i) QTest::keyClick(&label, Qt::Key_Right, Qt::ShiftModifier);
         }},
        {"a double click on the cut name",
         [](QLabel& label) {
             const int line = label.fontMetrics().lineSpacing();
             QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(label.width() / 2, line * 3 / 2));
         }},
        {"the context menu's Select All",
         [](QLabel& label) { ASSERT_TRUE(ChooseFromContextMenu(label, "Select All")); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        WithBox(message, [&](QMessageBox&, QLabel& label) {
            clipboard.setText(QStringLiteral("selected before"), QClipboard::Selection);
            way.select(label);
            QCoreApplication::processEvents();
            ASSERT_TRUE(label.selectedText().contains(QChar::LineSeparator)) << "a cut selected";
            const std::string selected = SelectedAsWritten(label);
            EXPECT_NE(message.find(selected), std::string::npos) << selected;
            EXPECT_EQ(clipboard.text(QClipboard::Selection).toStdString(), selected);
        });
    }
}

// A file named "<b>x</b>.vd3" is shown and copied with its tags: the message is no markup
// (message_tags.png in test-screenshots/).
TEST_F(MessageBoxCopy, AMessageIsPlainText) {
    const std::string message = "Vehicle file <b>x</b>.vd3 could not be opened.";
    WithBox(message, [&](QMessageBox& box, QLabel& label) {
        EXPECT_TRUE(box.grab().save(QString::fromStdString(qttest::ScreenshotPath("message_tags.png"))));
        EXPECT_EQ(label.textFormat(), Qt::PlainText);
        label.setFocus(Qt::MouseFocusReason);
        QTest::keyClick(&label, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(label.selectedText().toStdString(), message) << "the tags are shown";
        EXPECT_EQ(CopyWithKeys(), message);
    });
}

}  // namespace
