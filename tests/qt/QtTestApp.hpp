// The one QApplication of the Qt tests (offscreen unless the environment says otherwise),
// created on first use and left alive until the process ends.
#pragma once

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <filesystem>
#include <functional>
#include <string>

#include "core/TextTable.hpp"

#include "qt/QtLook.hpp"
#include "qt/QtServices.hpp"

namespace qttest {

inline QApplication& App() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tests_qt";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        qtfront::InstallQtLook();
        return a;
    }();
    return *app;
}

// A fixture's first member when later members are Qt objects that need the application
// (a socket made before it never hears of its connections).
struct AppReady {
    AppReady() { App(); }
};

// Where the screenshot tests put their pictures for a person to look at: a folder of their own
// beside the test programs ("test-screenshots/"), so the program folder holds only the program's
// files. Created on first use.
inline std::string ScreenshotPath(const std::string& fileName) {
    const std::filesystem::path folder =
        std::filesystem::path(core::ExecutableFolder()) / "test-screenshots";
    std::filesystem::create_directories(folder);
    return (folder / fileName).string();
}

// How long a test waits for what must come before it gives up: a hang watchdog, far above
// what anything it waits for takes, also on a loaded machine. No test judges speed by the clock.
constexpr int kHangWatchdogMs = 20000;

// Runs the event loop until `done` holds or the watchdog has run out; whether it holds.
inline bool RunEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < kHangWatchdogMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Pixels darker than mid grey inside a rectangle of an image.
inline int DarkPixels(const QImage& image, const QRect& area) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) ++n;
        }
    }
    return n;
}

// The bounding box of the dark pixels of an image (null when there are none).
inline QRect DarkBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace qttest
