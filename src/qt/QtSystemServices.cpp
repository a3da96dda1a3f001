// Shell, sound, pictures, decimal separator, font metrics, clock, and installing them all.
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QLocale>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>
#include <memory>
#include <utility>

#include "qt/QtLook.hpp"
#include "qt/QtServices.hpp"

namespace qtfront {

using namespace platform;

namespace {

// Runs the freedesktop launcher on the target and returns at once; the launcher is watched
// from the event loop. It exits with a status other than 0 when it found no program for the
// target (3), the program failed (4) or the file is gone (2), and says why on the terminal;
// some launchers run the program in their own place and exit only when it closes. It is
// never killed, not even when the program ends: that would take the program along.
void RunLauncher(const QString& launcher, const QString& target,
                 std::function<void()> failedLater) {
    auto* process = new QProcess;
    process->setProgram(launcher);
    process->setArguments({target});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    auto report = std::make_shared<std::function<void()>>(std::move(failedLater));
    const auto failed = [report] {
        if (*report) ReportWhenFree(std::exchange(*report, {}));
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;  // finished follows
                         failed();
                         process->deleteLater();
                     });
    process->start();
}

}  // namespace

bool QtShellService::Open(const std::string& target, std::function<void()> failedLater) {
    const QString t = QString::fromStdString(target);
    const bool isUrl = t.startsWith("http:", Qt::CaseInsensitive) ||
                       t.startsWith("https:", Qt::CaseInsensitive) ||
                       t.startsWith("mailto:", Qt::CaseInsensitive);
    const QUrl url = isUrl ? QUrl(t) : QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
    if (!url.isValid()) return false;
    if (!isUrl && !QFileInfo::exists(t)) return false;
    // Qt's own way starts the same launcher but cannot hear it fail (no program for the
    // target): only whether it could be started.
    const QString launcher = QStandardPaths::findExecutable("xdg-open");
    if (launcher.isEmpty()) return QDesktopServices::openUrl(url);
    RunLauncher(launcher, isUrl ? QString::fromUtf8(url.toEncoded()) : url.toLocalFile(),
                std::move(failedLater));
    return true;
}

QtSoundService::QtSoundService() = default;
QtSoundService::~QtSoundService() = default;

void QtSoundService::PlayAsync(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    effect_->play();  // plays once loaded; returns at once
}

std::optional<Picture> QtPictureService::Load(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return Picture{path, image.width(), image.height()};
}

QtLocaleService::QtLocaleService()
    : separator_(QString(QLocale::system().decimalPoint()).toStdString()) {
    if (separator_.empty()) separator_ = ".";
}

TextExtent QtFontMetricsService::Measure(const std::string& text, const FontSpec& font) const {
    // A chart measures many texts in one font in a row: its metrics are made once for it.
    if (!metrics_ || !(metricsFont_ == font)) {
        metrics_.emplace(ToQFont(font));
        metricsFont_ = font;
    }
    const QFontMetricsF& fm = *metrics_;
    QString t = QString::fromStdString(text);
    t.remove('\r');
    const QStringList lines = t.split('\n');
    double width = 0;
    for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
    return TextExtent{width, fm.height() * static_cast<double>(lines.size())};
}

double QtClockService::SecondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void InstallQtServices() {
    InstallQtLook();
    ServiceSet& s = Services();
    s.messages = std::make_shared<QtMessageBoxService>();
    s.fileDialogs = std::make_shared<QtFileDialogService>();
    s.shell = std::make_shared<QtShellService>();
    s.sound = std::make_shared<QtSoundService>();
    s.http = std::make_shared<QtHttpService>();
    s.pictures = std::make_shared<QtPictureService>();
    s.locale = std::make_shared<QtLocaleService>();
    s.fonts = std::make_shared<QtFontMetricsService>();
    s.clock = std::make_shared<QtClockService>();
    s.windowUpdates = std::make_shared<QtWindowUpdateService>();
}

}  // namespace qtfront
