// Painting in the middle of a handler's long work, without letting the person start another;
// reporting what finished in the background once no handler is at work.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

#include "qt/QtServices.hpp"

namespace qtfront {

namespace {

// How long a report that cannot be made yet waits before it tries again, ms.
constexpr int kReportRetryMs = 50;

struct WindowUpdatesModule {
    int paintDepth = 0;  // LetWindowsPaint calls running (one, unless a handler nests)
};

WindowUpdatesModule& Module() {
    static WindowUpdatesModule m;
    return m;
}

// Holds back every request to close a window (the close box, Alt+F4: these come from the
// window system, not as the person's input) and makes it again from the main event loop.
class CloseLater : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        // The window system's request reaches the widget as its close event; held there, it
        // is made again later as the widget's own close().
        if (event->type() != QEvent::Close || !target->isWidgetType()) return false;
        event->ignore();
        // A window gone meanwhile takes its queued call with it.
        QMetaObject::invokeMethod(target, "close", Qt::QueuedConnection);
        return true;
    }
};

}  // namespace

bool InsideLongWork() { return Module().paintDepth > 0; }

bool CanReportNow() { return !InsideLongWork() && !QApplication::activeModalWidget(); }

void ReportWhenFree(std::function<void()> report) {
    if (CanReportNow()) {
        report();
        return;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    QTimer::singleShot(kReportRetryMs, app, [report = std::move(report)]() mutable {
        ReportWhenFree(std::move(report));
    });
}

void QtWindowUpdateService::LetWindowsPaint() {
    if (sinceLastPaint_.isValid() && sinceLastPaint_.elapsed() < kPaintIntervalMs) return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    CloseLater closeLater;
    app->installEventFilter(&closeLater);
    ++Module().paintDepth;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --Module().paintDepth;
    app->removeEventFilter(&closeLater);
    sinceLastPaint_.start();
}

}  // namespace qtfront
