// A fixture for tests of the whole program on the Qt desktop: the shipped sample cars loaded by
// the start-up, and every window the program shows getting its Qt window.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "QtStartedProgram.hpp"
#include "qt/QtDesktop.hpp"

namespace qttest {

class ProgramOnDesktop : public ShippedProgram {
protected:
    void SetUp() override {
        ShippedProgram::SetUp();
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
