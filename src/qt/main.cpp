// ChassisLab's entry point: the Qt application, the desktop services, and the main window.
#include <QApplication>

#include "platform/Form.hpp"
#include "qt/QtDesktop.hpp"
#include "qt/QtServices.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::kAppTitle);
    // The windows are ended by their forms' unloading, not by Qt closing the last one.
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::InstallQtServices();

    platform::Form mainForm("Main");
    mainForm.SetCaption(platform::kAppTitle);
    mainForm.SetResizable(true);
    mainForm.SetMinimumSize(320, 200);

    int exitCode = 0;
    {
        // Declared after the form, so its windows go before the form does.
        qtfront::QtDesktop desktop;
        QObject::connect(&desktop, &qtfront::QtDesktop::allWindowsClosed, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
        mainForm.Show();
        exitCode = QApplication::exec();
    }
    platform::Desktop::Instance().CollectUnloaded();
    return exitCode;
}
