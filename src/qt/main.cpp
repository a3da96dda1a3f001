// ChassisLab's entry point: the Qt application, the desktop services, and the main window.
#include <QApplication>

#include "platform/Form.hpp"
#include "qt/QtDesktop.hpp"
#include "qt/QtServices.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::kAppTitle);
    // The windows end when their forms unload, not when Qt closes the last one.
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::InstallQtServices();

    int exitCode = 0;
    {
        qtfront::QtDesktop desktop;
        QObject::connect(&desktop, &qtfront::QtDesktop::allWindowsClosed, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
        ui::MainWindow().Show();
        exitCode = QApplication::exec();
    }
    // The windows are gone; now the forms may go.
    platform::Desktop::Instance().CollectUnloaded();
    ui::ResetMainWindow();
    return exitCode;
}
