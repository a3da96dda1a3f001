// Painting in the middle of a handler's long work, without letting the person start another.
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>

#include "qt/QtServices.hpp"

namespace qtfront {

namespace {

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
