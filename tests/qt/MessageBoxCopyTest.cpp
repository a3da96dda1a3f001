// What a message box puts on the clipboard: Ctrl+C copies the message as written (without the
// line breaks the box puts into a long name), wherever the focus is; with part of the text
// selected in the label, that part. The text is plain whatever it names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
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
