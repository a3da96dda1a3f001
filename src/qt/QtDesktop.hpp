// Shows the program's windows: a FormView for every form the program shows, raised when
// brought to front, hidden, and disposed of when the form is unloaded.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

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

}  // namespace qtfront
