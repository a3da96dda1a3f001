// ChassisLab's entry point: the Qt application, the desktop services, and the main window.
#include <QApplication>
#include <memory>

#include "platform/Form.hpp"
#include "qt/FrontEndState.hpp"
#include "qt/QtDesktop.hpp"
#include "qt/QtServices.hpp"
#include "ui/ProgramState.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"

int main(int argc, char** argv) {
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(platform::kAppTitle);
    // The windows end when their forms unload, not when Qt closes the last one.
    QApplication::setQuitOnLastWindowClosed(false);
    // The state every test starts from, before the services and the first window.
    ui::ResetProgramState();
    qtfront::ResetFrontEndState();
    qtfront::InstallQtServices();
    const int exitCode = qtfront::RunDesktop([] { ui::MainWindow().Show(); });
    ui::ResetMainWindow();
    return qtfront::EndProcess(std::move(app), exitCode);
}
