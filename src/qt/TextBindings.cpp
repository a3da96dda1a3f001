// Text boxes and combo boxes. Typing goes through the model key by key (its KeyPress handler
// may change or drop a character, MaxLength and Locked apply there); the widget then shows
// the model's text and caret. Text that reaches a text box any other way (Ctrl+V, a
// middle-click paste of the X11 selection, the context menu, a drop, an input method) goes
// into the model as one insertion at the place it went in.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>

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

// An edit of a widget's text: `removed` characters at `start` gave way to `inserted`.
struct WidgetEdit {
    int start = 0;
    int removed = 0;
    QString inserted;
};

// The edit that turned `before` into `after`, the caret left at `caret` in `after`: at the
// end of what went in (or where something was taken out). Where the text alone leaves it
// open ("2" put into "22"), the caret tells where the edit was.
WidgetEdit EditBetween(const QString& before, const QString& after, int caret) {
    const int b = static_cast<int>(before.size());
    const int a = static_cast<int>(after.size());
    caret = std::clamp(caret, 0, a);
    int suffix = 0;
    while (suffix < std::min(b, a - caret) && before[b - 1 - suffix] == after[a - 1 - suffix])
        ++suffix;
    int prefix = 0;
    while (prefix < std::min({caret, b - suffix, a - suffix}) && before[prefix] == after[prefix])
        ++prefix;
    return {prefix, b - suffix - prefix, after.mid(prefix, a - suffix - prefix)};
}

class TextBoxBinding : public ControlBinding {
public:
    TextBoxBinding(FormView& view, platform::TextBox& c, QWidget* parent)
        : ControlBinding(view, c, MakeEditor(c, parent)), box_(c) {
        line_ = qobject_cast<QLineEdit*>(widget_.data());
        plain_ = qobject_cast<QPlainTextEdit*>(widget_.data());
        // The context menu's edits, drops and a middle-click paste change the widget's text
        // itself; the binding hears of each (the signals are blocked while the model's text is
        // copied in) and puts the same edit into the model.
        if (line_) {
            line_->setDragEnabled(false);
            QObject::connect(line_, &QLineEdit::textEdited, this, [this] { WidgetEdited(); });
        }
        if (plain_) {
            plain_->setUndoRedoEnabled(false);
            QObject::connect(plain_, &QPlainTextEdit::textChanged, this, [this] { WidgetEdited(); });
        }
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
            case QEvent::InputMethod:
                InputMethodCommit(*static_cast<QInputMethodEvent*>(event));
                return true;
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

    int WidgetCaret() const {
        return line_ ? line_->cursorPosition() : plain_->textCursor().position();
    }

    void Type(const QString& chars) {
        SelectionToModel();
        const std::string utf8 = chars.toStdString();
        User([this, &utf8] { box_.UserType(utf8); });
    }

    // Inserts a paste, drop or commit at the model's caret, replacing its selection: the
    // model takes the first line of a single-line box and turns line breaks into its own.
    void InsertAtModelCaret(const QString& text) {
        const std::string utf8 = text.toStdString();
        User([this, &utf8] { box_.UserInsert(utf8); });
    }

    // Selects characters [start, end) of the widget's text `shown` in the model. Code writes,
    // no events.
    void SelectInModel(const QString& shown, int start, int end) {
        const int s = ToModelPos(shown, start);
        box_.SetSelStart(s);
        box_.SetSelLength(ToModelPos(shown, end) - s);
    }

    // An input method's commit: it may first replace text around the caret (an autocorrection)
    // or else the selection.
    void InputMethodCommit(const QInputMethodEvent& im) {
        const QString commit = im.commitString();
        if (commit.isEmpty() && im.replacementLength() <= 0) return;
        SelectionToModel();
        if (im.replacementLength() > 0) {
            const QString shown = WidgetText();
            const int size = static_cast<int>(shown.size());
            const int start = std::clamp(WidgetCaret() + im.replacementStart(), 0, size);
            SelectInModel(shown, start, std::min(size, start + im.replacementLength()));
        }
        if (!commit.isEmpty()) InsertAtModelCaret(commit);
        else EraseModelSelection();
    }

    // The widget changed its own text (see the constructor): the model takes the same edit,
    // and the widget then shows the model's text, whatever the model made of it.
    void WidgetEdited() {
        if (!Live()) return;
        const QString before = ToWidgetText(box_.Text());
        const WidgetEdit edit = EditBetween(before, WidgetText(), WidgetCaret());
        SelectInModel(before, edit.start, edit.start + edit.removed);
        if (!edit.inserted.isEmpty()) InsertAtModelCaret(edit.inserted);
        else EraseModelSelection();
        if (Live()) Sync(Prop::Text);
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
        const std::string& text = box_.Text();
        const int start = box_.SelStart();
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
        box_.SetSelLength(length);
        EraseModelSelection();
    }

    // Takes the model's selection out of its text, as Delete does.
    void EraseModelSelection() {
        if (box_.Locked() || box_.SelLength() <= 0) return;
        std::string text = box_.Text();
        const int start = box_.SelStart();
        text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(box_.SelLength()));
        User([this, &text, start] {
            box_.SetText(text);
            box_.SetSelStart(start);
        });
    }

    bool Key(QKeyEvent& ke) {
        if (ke.matches(QKeySequence::Paste)) {
            const QString text = QApplication::clipboard()->text();
            if (!text.isEmpty()) {
                SelectionToModel();
                InsertAtModelCaret(text);
            }
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
        // A drop-down list without an edit field is painted as a button: a colour of its own
        // (the red of a list that needs a choice) shows on its face; the window background it
        // starts with leaves the face as every button's.
        if (combo_.Style() == platform::ComboStyle::DropdownList) {
            const QPalette standard = QApplication::palette();
            const bool own = combo_.BackColor() != platform::SysColor::WindowBackground;
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                pal.setColor(group, QPalette::Button,
                             own ? ToQColor(combo_.BackColor())
                                 : standard.color(group, QPalette::Button));
        }
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
