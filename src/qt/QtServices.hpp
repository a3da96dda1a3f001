// The desktop services on Qt: message boxes, file dialogs, the shell, sound, HTTP, pictures,
// the decimal separator, font metrics, the clock and painting during long work.
#pragma once

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Services.hpp"

class QFileDialog;
class QSoundEffect;

namespace qtfront {

// Puts the Qt implementations into every slot of platform::Services() and sets up the look
// (style, palette, fonts). Needs a QApplication.
void InstallQtServices();

class QtMessageBoxService : public platform::MessageBoxService {
public:
    platform::MsgAnswer Show(const platform::MessageRequest& request) override;
};

class QtFileDialogService : public platform::FileDialogService {
public:
    platform::FileDialogResult Open(const platform::FileDialogRequest& request) override;
    platform::FileDialogResult Save(const platform::FileDialogRequest& request) override;
};

// "Description|*.ext|Other|*.a;*.b" as a Qt name filter list "Description (*.ext);;...".
// Characters a Qt pattern cannot hold (blanks, brackets, letters outside ASCII) become "?".
std::string ToQtNameFilters(const std::string& filter);
// Gives the dialog the filters of a "Description|patterns|..." text.
void SetNameFilters(QFileDialog& dialog, const std::string& filter);

// Starts the desktop's launcher on the target and watches it without waiting: the person's
// input goes on meanwhile. False at once for an address that is not one, a missing file, or a
// launcher that cannot be started; `failedLater` runs when the launcher exits with a failure
// (it found no program for the target, or the program it ran failed).
class QtShellService : public platform::ShellService {
public:
    bool Open(const std::string& target, std::function<void()> failedLater) override;
};

class QtSoundService : public platform::SoundService {
public:
    QtSoundService();
    ~QtSoundService() override;
    // A new sound stops the one playing.
    void PlayAsync(const std::string& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

// Redirects are followed (not from https to http).
class QtHttpService : public platform::HttpService {
public:
    ~QtHttpService() override;
    // Waits in a local event loop that leaves out the person's input, so no handler runs
    // meanwhile from a click.
    platform::HttpResult Get(const std::string& url, int timeoutMs = 10000) override;
    // The answer is handed over from the main event loop: while a handler lets the windows
    // paint or has a modal dialog open, it waits.
    int GetLater(const std::string& url, int timeoutMs, platform::HttpDone done) override;
    void Cancel(int request) override;

private:
    void Report(int request, const platform::HttpDone& done);
    std::map<int, QPointer<QObject>> running_;  // background requests by number
    int lastRequest_ = 0;
};

class QtPictureService : public platform::PictureService {
public:
    std::optional<platform::Picture> Load(const std::string& path) override;
};

// The separator starts as the user's locale's; setting it affects this program only.
class QtLocaleService : public platform::LocaleService {
public:
    QtLocaleService();
    std::string DecimalSeparator() const override { return separator_; }
    void SetDecimalSeparator(const std::string& separator) override { separator_ = separator; }

private:
    std::string separator_;
};

// Widest line and line height times the number of lines, in pixels.
class QtFontMetricsService : public platform::FontMetricsService {
public:
    platform::TextExtent Measure(const std::string& text,
                                 const platform::FontSpec& font) const override;

private:
    // The metrics of the font measured last.
    mutable std::optional<QFontMetricsF> metrics_;
    mutable platform::FontSpec metricsFont_;
};

class QtClockService : public platform::ClockService {
public:
    double SecondsSinceMidnight() const override;
};

// Runs the events that are not the person's input: painting, timers, the network. A request
// to close a window waits too: it is made again once the handler has returned.
class QtWindowUpdateService : public platform::WindowUpdateService {
public:
    void LetWindowsPaint() override;
    // The shortest time between two paints, ms: enough for a progress bar to move smoothly.
    static constexpr int kPaintIntervalMs = 30;

private:
    QElapsedTimer sinceLastPaint_;
};

// True while a handler is letting the windows paint (see QtWindowUpdateService).
bool InsideLongWork();
// Whether something that finished in the background may be reported now: where a handler
// could have started, not while a handler lets the windows paint and not under a modal
// dialog (a message box, a file dialog) that a handler has open.
bool CanReportNow();
// Runs `report` now when it may, else from the main event loop as soon as it may.
void ReportWhenFree(std::function<void()> report);

}  // namespace qtfront
