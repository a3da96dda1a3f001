// A fixture for tests of the whole program on the Qt desktop: the shipped sample cars loaded by
// the start-up, and every window the program shows getting its Qt window.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "QtTestApp.hpp"
#include "qt/QtDesktop.hpp"
#include "support/StartedProgram.hpp"

namespace qttest {

class ProgramOnDesktop : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        App();
        StartedProgram::SetUp();
        CopyShippedData();
        w = &Start();
        desktop = std::make_unique<qtfront::QtDesktop>();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        ui::ResetGraphWindows();
        ui::ResetOptionsPanel();
        ui::ResetMainWindow();
        desktop.reset();
        platform::Desktop::Instance().CollectUnloaded();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        StartedProgram::TearDown();
    }
    ui::Main* w = nullptr;
    std::unique_ptr<qtfront::QtDesktop> desktop;
};

}  // namespace qttest
