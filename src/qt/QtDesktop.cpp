#include "qt/QtDesktop.hpp"

#include <QClipboard>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/Services.hpp"

namespace qtfront {

QtDesktop::QtDesktop() {
    platform::Desktop::Instance().SetObserver(this);
    for (platform::Form* f : platform::Desktop::Instance().ShownForms()) FormShown(*f);
}

QtDesktop::~QtDesktop() {
    if (platform::Desktop::Instance().Observer() == this) {
        platform::Desktop::Instance().SetObserver(nullptr);
    }
    for (auto& [form, view] : views_) delete view.data();
}

FormView* QtDesktop::ViewFor(const platform::Form& form) const {
    auto it = views_.find(&form);
    return it == views_.end() ? nullptr : it->second.data();
}

void QtDesktop::FormShown(platform::Form& form) {
    FormView* view = ViewFor(form);
    if (view && !view->Attached()) {
        view->deleteLater();
        view = nullptr;
    }
    if (!view) {
        // An owned form's window is made the owner's tool window (when the owner has one).
        view = new FormView(form, form.Owner() ? ViewFor(*form.Owner()) : nullptr);
        views_[&form] = view;
    }
    view->ShowWindow();
}

void QtDesktop::FormHidden(platform::Form& form) {
    if (FormView* view = ViewFor(form)) view->hide();
}

void QtDesktop::FormBroughtToFront(platform::Form& form) {
    FormView* view = ViewFor(form);
    if (!view) return;
    view->show();
    view->raise();
    view->activateWindow();
}

// Dropped by its owner without an unload: the window goes with it.
void QtDesktop::FormDestroyed(platform::Form& form) { DropView(form); }

void QtDesktop::FormUnloaded(platform::Form& form) { DropView(form); }

void QtDesktop::DropView(platform::Form& form) {
    auto it = views_.find(&form);
    if (it == views_.end()) return;
    QPointer<FormView> view = it->second;
    views_.erase(it);
    if (view) {
        // A handler of this window may still be running: it goes when the event loop is
        // back, and touches the form no more from now on.
        view->Detach();
        view->hide();
        view->deleteLater();
    }
    if (views_.empty()) emit allWindowsClosed();
}

int RunDesktop(const std::function<void()>& start) {
    int exitCode = 0;
    {
        QtDesktop desktop;
        QObject::connect(&desktop, &QtDesktop::allWindowsClosed, QCoreApplication::instance(),
                         &QCoreApplication::quit, Qt::QueuedConnection);
        start();
        exitCode = QCoreApplication::exec();
    }
    // The windows are gone; now the forms may go.
    platform::Desktop::Instance().CollectUnloaded();
    return exitCode;
}

int EndProcess(std::unique_ptr<QApplication> app, int exitCode) {
    if (!app || !QGuiApplication::clipboard()->ownsClipboard()) {
        std::cout.flush();
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    // The Qt services the program holds (a request still running, the sound) go while the
    // application is there; then the application, which hands the clipboard over.
    platform::InstallServiceDoubles();
    app.reset();
    return exitCode;
}

}  // namespace qtfront
