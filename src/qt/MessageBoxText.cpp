#include "qt/MessageBoxText.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace qtfront {

namespace {

// Line separators, not places where a line may end (zero-width spaces): the box's font may
// have no zero-width space, and each would then cost the box's layout a run of text in
// another font at every width it tries (one 256-byte name took a fifth longer to show).
constexpr QChar kLineBreak(QChar::LineSeparator);

class CopiesAsWritten : public QObject {
public:
    CopiesAsWritten(QWidget& box, QLabel& label, const ShownMessage& shown)
        : QObject(&label), label_(label) {
        const auto size = static_cast<std::size_t>(shown.text.size());
        writtenAt_.reserve(size + 1);
        for (std::size_t i = 0; i < size; ++i) {
            writtenAt_.push_back(written_.size());
            if (!shown.added[i]) {
                shownAt_.push_back(static_cast<qsizetype>(i));
                written_ += shown.text[static_cast<qsizetype>(i)];
            }
        }
        writtenAt_.push_back(written_.size());
        shownAt_.push_back(shown.text.size());
        label.installEventFilter(this);
        connect(QGuiApplication::clipboard(), &QClipboard::changed, this,
                [this](QClipboard::Mode mode) {
                    if (handling_) PutBackAsWritten(mode);
                });
        // The box's Ctrl+C, wherever its focus is (at first on a button): a label that cannot
        // be edited claims no key as its own, so this comes first on the label too.
        auto* copy = new QShortcut(QKeySequence::Copy, &box);
        connect(copy, &QShortcut::activated, this, [this] { CopyForKeys(); });
    }

    // The label copies only while it handles the person's input: the clipboard changes then
    // are its own. Its context menu is this one's, whose Copy copies as written.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &label_ && event->type() == QEvent::ContextMenu) {
            ShowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        if (handling_ || watched != &label_ || !MayCopy(event->type())) return false;
        handling_ = true;
        static_cast<QObject&>(label_).event(event);
        if (event->type() == QEvent::MouseButtonDblClick) SelectCutWordsWhole();
        handling_ = false;
        return true;  // handled, or passed on to the box as the label left it (ignored)
    }

private:
    static bool MayCopy(QEvent::Type type) {
        switch (type) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove: return true;
            default: return false;
        }
    }

    // The label's selection in the written text: [first, second).
    std::pair<qsizetype, qsizetype> WrittenSelection() const {
        const qsizetype start = std::max<qsizetype>(0, label_.selectionStart());
        const auto last = static_cast<qsizetype>(writtenAt_.size()) - 1;
        const qsizetype end = std::min(last, start + label_.selectedText().size());
        return {writtenAt_[static_cast<std::size_t>(std::min(start, last))],
                writtenAt_[static_cast<std::size_t>(end)]};
    }

    QString SelectedAsWritten() const {
        const auto [from, to] = WrittenSelection();
        return written_.mid(from, to - from);
    }

    // Ctrl+C: the part of the message selected in the label where the label has the focus,
    // else the whole message.
    void CopyForKeys() {
        const bool part = label_.hasFocus() && label_.hasSelectedText();
        QGuiApplication::clipboard()->setText(part ? SelectedAsWritten() : written_);
    }

    // The label's context menu: Copy (of the part selected) and Select All, as a text's
    // menu has them.
    void ShowMenu(const QPoint& at) {
        auto* menu = new QMenu(&label_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copy = menu->addAction(QStringLiteral("&Copy"), this, [this] {
            QGuiApplication::clipboard()->setText(SelectedAsWritten());
        });
        copy->setShortcut(QKeySequence::Copy);
        copy->setEnabled(label_.hasSelectedText());
        menu->addSeparator();
        menu->addAction(QStringLiteral("Select All"), this, [this] { SelectAll(); });
        menu->popup(at);
    }

    // The whole message selected; on a desktop with a selection, that is the selection too,
    // as for a part selected with the mouse.
    void SelectAll() {
        label_.setSelection(0, static_cast<int>(label_.text().size()));
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) clipboard->setText(written_, QClipboard::Selection);
    }

    void PutBackAsWritten(QClipboard::Mode mode) {
        if (!label_.hasSelectedText()) return;
        handling_ = false;  // the text put back is left as it is
        QGuiApplication::clipboard()->setText(SelectedAsWritten(), mode);
        handling_ = true;
    }

    void SelectCutWordsWhole() {
        if (!label_.hasSelectedText()) return;
        auto [from, to] = WrittenSelection();
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, written_);
        words.setPosition(from);
        if (!words.isAtBoundary()) from = std::max<qsizetype>(0, words.toPreviousBoundary());
        words.setPosition(to);
        if (!words.isAtBoundary()) to = std::max(to, words.toNextBoundary());
        const qsizetype start = shownAt_[static_cast<std::size_t>(from)];
        const qsizetype length = shownAt_[static_cast<std::size_t>(to)] - start;
        if (start == label_.selectionStart() && length == label_.selectedText().size()) return;
        label_.setSelection(static_cast<int>(start), static_cast<int>(length));
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) PutBackAsWritten(QClipboard::Selection);
    }

    QLabel& label_;
    QString written_;                  // the message as written
    std::vector<qsizetype> writtenAt_;  // per shown character (and the end): where in written_
    std::vector<qsizetype> shownAt_;    // per written character (and the end): where shown
    bool handling_ = false;
};

}  // namespace

ShownMessage CutLongStretches(const QString& text, const QFont& font, int widest) {
    ShownMessage out;
    const auto keep = [&out](QStringView part) {
        out.text += part;
        out.added.resize(static_cast<std::size_t>(out.text.size()), false);
    };
    const auto cut = [&out] {
        out.text += kLineBreak;
        out.added.push_back(true);
    };
    const QFontMetricsF metrics(font);
    QTextBoundaryFinder lineEnds(QTextBoundaryFinder::Line, text);
    qsizetype from = 0;
    for (qsizetype to = lineEnds.toNextBoundary(); to != -1; to = lineEnds.toNextBoundary()) {
        const QStringView stretch = QStringView(text).mid(from, to - from);
        from = to;
        if (metrics.horizontalAdvance(stretch.toString()) <= widest) {
            keep(stretch);
            continue;
        }
        // Character by character (grapheme clusters), each line as long as it fits.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, stretch.toString());
        qsizetype start = 0, end = 0;
        qreal filled = 0;
        for (qsizetype next = characters.toNextBoundary(); next != -1;
             next = characters.toNextBoundary()) {
            const QStringView character = stretch.mid(end, next - end);
            const qreal width = character.size() == 1
                                    ? metrics.horizontalAdvance(character.front())
                                    : metrics.horizontalAdvance(character.toString());
            if (filled + width > widest && end > start) {
                if (start > 0) cut();
                keep(stretch.mid(start, end - start));
                start = end;
                filled = 0;
            }
            filled += width;
            end = next;
        }
        if (start > 0) cut();
        keep(stretch.mid(start));
    }
    return out;
}

void CopyAsWritten(QWidget& box, QLabel& label, const ShownMessage& shown) {
    new CopiesAsWritten(box, label, shown);
}

}  // namespace qtfront
