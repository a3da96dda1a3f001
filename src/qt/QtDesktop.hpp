// Shows the program's windows: a FormView for every form the program shows, raised when
// brought to front, hidden, and disposed of when the form is unloaded.
#pragma once

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "platform/Form.hpp"
#include "qt/FormView.hpp"

namespace qtfront {

class QtDesktop : public QObject, public platform::DesktopObserver {
    Q_OBJECT
public:
    // Becomes the desktop's observer and opens windows for forms already shown.
    QtDesktop();
    ~QtDesktop() override;

    // The window of a form, null when it has none.
    FormView* ViewFor(const platform::Form& form) const;

    void FormShown(platform::Form& form) override;
    void FormHidden(platform::Form& form) override;
    void FormBroughtToFront(platform::Form& form) override;
    void FormUnloaded(platform::Form& form) override;
    void FormDestroyed(platform::Form& form) override;

signals:
    // The last window went away (its form was unloaded).
    void allWindowsClosed();

private:
    // Detaches and deletes the form's window later; the last one gone ends the program.
    void DropView(platform::Form& form);
    std::map<const platform::Form*, QPointer<FormView>> views_;
};

// Runs the program on the desktop: `start` shows the first window; returns the event loop's
// exit code once the last window has gone (every form unloaded), the spent forms collected.
// Needs a QApplication.
int RunDesktop(const std::function<void()>& start);

// Ends the process once the program has shut down: its windows gone and everything it keeps
// written (the main window's unloading writes the recent-files list; every other file is
// written and closed by the handler that saves it). The toolkit's own teardown would wait for
// work that nobody needs any more: a name lookup started by an update check cannot be
// cancelled, and the application object's destruction waits for it as long as the name
// server takes (1.5 s and more). So the process ends here at once with `exitCode`, its
// output flushed. Only while the program owns the clipboard does the teardown run (the
// toolkit hands a copied text to the desktop's clipboard manager as it goes) and the exit
// code is returned.
int EndProcess(std::unique_ptr<QApplication> app, int exitCode);

}  // namespace qtfront
