// Text boxes and combo boxes. Typing goes through the model (its KeyPress handler may change
// or drop a character, MaxLength and Locked apply there); the widget then shows the model's
// text and caret.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "qt/BindingKinds.hpp"
#include "qt/FormView.hpp"
#include "qt/QtLook.hpp"

namespace qtfront {

using platform::Prop;

namespace {

// The model keeps UTF-8 text with CR LF line breaks and byte offsets; the widgets keep
// QString text with LF and character offsets.
QString ToWidgetText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    return s;
}

int ToWidgetPos(const std::string& text, int bytes) {
    bytes = std::clamp(bytes, 0, static_cast<int>(text.size()));
    return static_cast<int>(ToWidgetText(text.substr(0, static_cast<std::size_t>(bytes))).size());
}

int ToModelPos(const QString& widgetText, int pos) {
    QString head = widgetText.left(pos);
    head.replace("\n", "\r\n");
    return static_cast<int>(head.toUtf8().size());
}

// Keys with Ctrl, Alt or Meta that move the caret, select or copy, and change no text.
bool LeavesTextAlone(const QKeyEvent& ke) {
    using K = QKeySequence;
    static constexpr K::StandardKey kKeys[] = {
        K::Copy, K::SelectAll, K::Deselect,
        K::MoveToNextChar, K::MoveToPreviousChar, K::MoveToNextWord, K::MoveToPreviousWord,
        K::MoveToNextLine, K::MoveToPreviousLine, K::MoveToNextPage, K::MoveToPreviousPage,
        K::MoveToStartOfLine, K::MoveToEndOfLine, K::MoveToStartOfBlock, K::MoveToEndOfBlock,
        K::MoveToStartOfDocument, K::MoveToEndOfDocument,
        K::SelectNextChar, K::SelectPreviousChar, K::SelectNextWord, K::SelectPreviousWord,
        K::SelectNextLine, K::SelectPreviousLine, K::SelectNextPage, K::SelectPreviousPage,
        K::SelectStartOfLine, K::SelectEndOfLine, K::SelectStartOfBlock, K::SelectEndOfBlock,
        K::SelectStartOfDocument, K::SelectEndOfDocument};
    for (K::StandardKey key : kKeys)
        if (ke.matches(key)) return true;
    return false;
}

class TextBoxBinding : public ControlBinding {
public:
    TextBoxBinding(FormView& view, platform::TextBox& c, QWidget* parent)
        : ControlBinding(view, c, MakeEditor(c, parent)), box_(c) {
        line_ = qobject_cast<QLineEdit*>(widget_.data());
        plain_ = qobject_cast<QPlainTextEdit*>(widget_.data());
        widget_->setContextMenuPolicy(Qt::NoContextMenu);
        widget_->setAcceptDrops(false);
        if (line_) line_->setDragEnabled(false);
        if (plain_) plain_->setUndoRedoEnabled(false);
        widget_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_ || !Live()) return false;
        switch (event->type()) {
            case QEvent::KeyPress: return Key(*static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn: {
                const auto reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                    User([this] { box_.UserFocus(); });
                }
                return false;
            }
            case QEvent::FocusOut: {
                const auto reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                    SelectionToModel();
                    User([this] { box_.UserLeave(); });
                }
                return false;
            }
            case QEvent::InputMethod: {
                const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
                if (!commit.isEmpty()) Type(commit);
                return true;
            }
            default: return false;
        }
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Text || what == Prop::Selection) {
            const QString text = ToWidgetText(box_.Text());
            if (WidgetText() != text) {
                if (line_) line_->setText(text);
                if (plain_) plain_->setPlainText(text);
            }
            const int start = ToWidgetPos(box_.Text(), box_.SelStart());
            const int end = ToWidgetPos(box_.Text(), box_.SelStart() + box_.SelLength());
            if (line_) line_->setSelection(start, end - start);
            if (plain_) {
                QTextCursor cursor = plain_->textCursor();
                cursor.setPosition(start);
                cursor.setPosition(end, QTextCursor::KeepAnchor);
                plain_->setTextCursor(cursor);
            }
        }
        if (what == Prop::Style) {
            if (line_) {
                line_->setReadOnly(box_.Locked());
                line_->setAlignment(box_.Alignment() == platform::Align::Right
                                        ? Qt::AlignRight
                                        : box_.Alignment() == platform::Align::Center
                                              ? Qt::AlignHCenter
                                              : Qt::AlignLeft);
            }
            if (plain_) plain_->setReadOnly(box_.Locked());
        }
    }
    void ApplyColors() override {
        QPalette pal = widget_->palette();
        SetColors(pal, QPalette::Base, QPalette::Text, box_.BackColor(), box_.ForeColor());
        widget_->setPalette(pal);
    }

private:
    static QWidget* MakeEditor(platform::TextBox& c, QWidget* parent) {
        if (c.MultiLine()) return new QPlainTextEdit(parent);
        return new QLineEdit(parent);
    }

    QString WidgetText() const {
        if (line_) return line_->text();
        return plain_->toPlainText();
    }

    // The person may have moved the caret or selected text in the widget: tell the model
    // before it inserts at its caret. Code writes, no events.
    void SelectionToModel() {
        const QString text = WidgetText();
        int start = 0, end = 0;
        if (line_) {
            if (line_->hasSelectedText()) {
                start = line_->selectionStart();
                end = start + static_cast<int>(line_->selectedText().size());
            } else {
                start = end = line_->cursorPosition();
            }
        } else {
            const QTextCursor cursor = plain_->textCursor();
            start = cursor.selectionStart();
            end = cursor.selectionEnd();
        }
        const int s = ToModelPos(text, start);
        const int e = ToModelPos(text, end);
        if (box_.SelStart() != s) box_.SetSelStart(s);
        if (box_.SelLength() != e - s) box_.SetSelLength(e - s);
    }

    void Type(const QString& chars) {
        SelectionToModel();
        const std::string utf8 = chars.toStdString();
        User([this, &utf8] { box_.UserType(utf8); });
    }

    void KeyCode(int keyAscii) {
        SelectionToModel();
        User([this, keyAscii] { box_.UserKey(keyAscii); });
    }

    // Deletes the selection, or the character after the caret, as a plain edit of the text
    // (Delete raises no KeyPress, only Change).
    void DeleteForward(bool copyFirst) {
        SelectionToModel();
        if (box_.Locked()) return;
        std::string text = box_.Text();
        int start = box_.SelStart();
        int length = box_.SelLength();
        if (copyFirst) {
            if (length <= 0) return;
            QApplication::clipboard()->setText(
                QString::fromStdString(text.substr(static_cast<std::size_t>(start),
                                                   static_cast<std::size_t>(length))));
        }
        if (length <= 0) {
            if (start >= static_cast<int>(text.size())) return;
            length = text.compare(static_cast<std::size_t>(start), 2, "\r\n") == 0 ? 2 : 1;
            // Whole UTF-8 characters: continuation bytes go with their lead byte.
            while (start + length < static_cast<int>(text.size()) &&
                   (static_cast<unsigned char>(text[static_cast<std::size_t>(start + length)]) &
                    0xC0) == 0x80) {
                ++length;
            }
        }
        text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        User([this, &text, start] {
            box_.SetText(text);
            box_.SetSelStart(start);
        });
    }

    bool Key(QKeyEvent& ke) {
        if (ke.matches(QKeySequence::Paste)) {
            QString text = QApplication::clipboard()->text();
            if (!box_.MultiLine()) text = text.section('\n', 0, 0).remove('\r');
            else text.replace("\r\n", "\n").replace('\n', '\r');  // Return: a new line
            if (!text.isEmpty()) Type(text);
            return true;
        }
        if (ke.matches(QKeySequence::Cut)) {
            DeleteForward(true);
            return true;
        }
        if (ke.matches(QKeySequence::Undo) || ke.matches(QKeySequence::Redo)) return true;
        switch (ke.key()) {
            case Qt::Key_Backspace: KeyCode(platform::kKeyBack); return true;
            case Qt::Key_Return:
            case Qt::Key_Enter: KeyCode(platform::kKeyReturn); return true;
            case Qt::Key_Escape: KeyCode(platform::kKeyEscape); return true;
            case Qt::Key_Delete: DeleteForward(false); return true;
            case Qt::Key_Tab:
            case Qt::Key_Backtab: return false;
            default: break;
        }
        if (ke.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            // Selection, copy and navigation are the widget's own; any other such key (the
            // desktop's editing keys: Ctrl+U, Ctrl+K, Ctrl+Backspace, ...) would change the
            // widget's text behind the model's back, and does nothing.
            return !LeavesTextAlone(ke);
        }
        const QString text = ke.text();
        if (text.isEmpty() || !text.at(0).isPrint()) return false;
        Type(text);
        return true;
    }

    platform::TextBox& box_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
};

class ComboBoxBinding : public ControlBinding {
public:
    ComboBoxBinding(FormView& view, platform::ComboBox& c, QComboBox* w)
        : ControlBinding(view, c, w), combo_(c), w_(w) {
        w->setMaxVisibleItems(16);
        new WheelNeedsFocus(*w);
        QObject::connect(w, &QComboBox::activated, this,
                         [this](int index) { User([this, index] { combo_.UserSelect(index); }); });
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Style) {
            const bool editable = combo_.Style() != platform::ComboStyle::DropdownList;
            if (w_->isEditable() != editable) {
                w_->setEditable(editable);
                if (editable) {
                    w_->setInsertPolicy(QComboBox::NoInsert);
                    w_->setCompleter(nullptr);
                    QObject::connect(w_->lineEdit(), &QLineEdit::textEdited, this,
                                     [this](const QString& text) {
                                         const std::string t = text.toStdString();
                                         User([this, &t] { combo_.UserType(t); });
                                     });
                }
            }
        }
        if (what == Prop::Items) {
            bool same = w_->count() == combo_.ListCount();
            for (int i = 0; same && i < combo_.ListCount(); ++i) {
                same = w_->itemText(i) == QString::fromStdString(combo_.List(i));
            }
            if (!same) {
                w_->clear();
                for (int i = 0; i < combo_.ListCount(); ++i) {
                    w_->addItem(QString::fromStdString(combo_.List(i)));
                }
            }
        }
        if (what == Prop::Items || what == Prop::Text || what == Prop::Selection ||
            what == Prop::Value || what == Prop::Style) {
            if (w_->currentIndex() != combo_.ListIndex()) w_->setCurrentIndex(combo_.ListIndex());
            if (QLineEdit* edit = w_->lineEdit()) {
                const QSignalBlocker block(edit);
                const QString text = QString::fromStdString(combo_.Text());
                if (edit->text() != text) edit->setText(text);
            }
        }
    }
    void ApplyColors() override {
        QPalette pal = w_->palette();
        SetColors(pal, QPalette::Base, QPalette::Text, combo_.BackColor(), combo_.ForeColor());
        w_->setPalette(pal);
    }

private:
    platform::ComboBox& combo_;
    QComboBox* w_;
};

}  // namespace

ControlBinding* BindTextBox(FormView& view, platform::TextBox& c, QWidget* parent) {
    return new TextBoxBinding(view, c, parent);
}
ControlBinding* BindComboBox(FormView& view, platform::ComboBox& c, QWidget* parent) {
    return new ComboBoxBinding(view, c, new QComboBox(parent));
}

}  // namespace qtfront
