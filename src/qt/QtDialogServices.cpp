// Message boxes and the open/save file dialogs.
#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include "qt/FormView.hpp"
#include "qt/MessageBoxText.hpp"
#include "qt/QtServices.hpp"

namespace qtfront {

using namespace platform;

namespace {

int TitleBarWidth(const QString& title, const QFont& font) {
    // The window manager draws the title in a font of its own, often bold and larger than the
    // program's, between the window's icon and its buttons (minimise, maximise, close).
    QFont titleFont = font;
    titleFont.setBold(true);
    if (font.pixelSize() > 0) {
        titleFont.setPixelSize(font.pixelSize() * 5 / 4);
    } else {
        titleFont.setPointSizeF(font.pointSizeF() * 1.25);
    }
    constexpr int kIconAndButtons = 120;  // pixels
    return QFontMetrics(titleFont).horizontalAdvance(title) + kIconAndButtons;
}

}  // namespace

MsgAnswer QtMessageBoxService::Show(const MessageRequest& request) {
    QMessageBox box(DialogOwner());
    QString text = QString::fromStdString(request.text);
    text.replace("\r\n", "\n");
    // A message box grows to hold a stretch of up to a quarter of the screen's width, and of
    // 400 pixels on any screen: Qt lets a box, icon and margins included, grow to 545 pixels
    // at least, or to the screen's width on a screen of 1024 pixels or less.
    constexpr int kWidestStretch = 400;  // pixels
    const ShownMessage shown = CutLongStretches(
        text, box.font(), std::min(box.screen()->availableGeometry().width() / 4, kWidestStretch));
    // A message is plain text, whatever it names (a file called "<b>.vd3").
    box.setTextFormat(Qt::PlainText);
    box.setText(shown.text);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        CopyAsWritten(box, *label, shown);
    }
    box.setWindowTitle(QString::fromStdString(request.title.empty() ? kAppTitle : request.title));
    switch (request.icon) {
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    // The first button is the default one.
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
    switch (request.buttons) {
        case MsgButtons::OK: buttons = QMessageBox::Ok; first = escape = QMessageBox::Ok; break;
        case MsgButtons::OKCancel:
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            buttons = QMessageBox::Yes | QMessageBox::No;
            first = QMessageBox::Yes;
            break;
        case MsgButtons::YesNoCancel:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            first = QMessageBox::Yes;
            escape = QMessageBox::Cancel;
            break;
        case MsgButtons::RetryCancel:
            buttons = QMessageBox::Retry | QMessageBox::Cancel;
            first = QMessageBox::Retry;
            escape = QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(first);
    if (escape != QMessageBox::NoButton) box.setEscapeButton(escape);
    // A message box is as wide as its text; a short text under a long title would leave the
    // title cut short in the title bar.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle(), box.font()), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const int result = box.exec();
    switch (result) {
        case QMessageBox::Ok: return MsgAnswer::OK;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Retry: return MsgAnswer::Retry;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        default: break;
    }
    // Closed without a button (only possible where there is no escape button).
    return request.buttons == MsgButtons::OK ? MsgAnswer::OK
           : request.buttons == MsgButtons::YesNo ? MsgAnswer::No
                                                  : MsgAnswer::Cancel;
}

namespace {

// A file name pattern as a Qt name filter can hold it. Qt splits a filter's patterns at blanks
// and has no quoting; a filter whose patterns hold a character outside a small set (a bracket,
// a letter with an accent) is not read as patterns at all; and "[" opens a character set. Each
// such character becomes "?", which matches any one character: every file the pattern names
// still matches, and a few files of other names may too.
QString QtWildcard(const QString& pattern) {
    static const QString kKept = QStringLiteral("_.,*?+-#@!$%&=~");
    QString out;
    for (const char32_t c : pattern.toUcs4()) {
        const QChar ascii(static_cast<char16_t>(c < 128 ? c : u'?'));
        out += ascii.isLetterOrNumber() || kKept.contains(ascii) ? ascii : QChar(u'?');
    }
    return out;
}

}  // namespace

std::string ToQtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns) p = QtWildcard(p.trimmed());
        out << QString("%1 (%2)").arg(parts[i].trimmed(), patterns.join(' '));
    }
    return out.join(";;").toStdString();
}

void SetNameFilters(QFileDialog& dialog, const std::string& filter) {
    const QString filters = QString::fromStdString(ToQtNameFilters(filter));
    if (!filters.isEmpty()) dialog.setNameFilters(filters.split(";;"));
}

namespace {

FileDialogResult Run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(DialogOwner(), QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The program asks its own overwrite question (it also replaces an empty file silently).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setFileMode(save                   ? QFileDialog::AnyFile
                       : request.multiSelect ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
    SetNameFilters(dialog, request.filter);
    // No default suffix here: Qt adds one only to a name without a dot, and the program adds
    // the default extension to every chosen name that does not end in it.
    if (!request.initialFolder.empty()) {
        dialog.setDirectory(QString::fromStdString(request.initialFolder));
    }
    if (!request.fileName.empty()) {
        // A proposed name may come with a folder of its own.
        const QFileInfo info(QString::fromStdString(request.fileName));
        if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        result.cancelled = true;
        result.errorNumber = kCancelErrorNumber;
        result.errorDescription = "Cancel was selected.";
        return result;
    }
    for (const QString& f : dialog.selectedFiles()) {
        result.paths.push_back(QFileInfo(f).absoluteFilePath().toStdString());
    }
    return result;
}

}  // namespace

FileDialogResult QtFileDialogService::Open(const FileDialogRequest& request) {
    return Run(request, false);
}

FileDialogResult QtFileDialogService::Save(const FileDialogRequest& request) {
    return Run(request, true);
}

}  // namespace qtfront
