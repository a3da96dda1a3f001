// The whole program for the Qt tests: the test application, a program folder of the test's own
// and the main window loaded through its load event (see support/StartedProgram.hpp).
#pragma once

#include "QtTestApp.hpp"
#include "qt/FrontEndState.hpp"
#include "support/StartedProgram.hpp"

namespace qttest {

class StartedProgram : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        App();
        testsupport::StartedProgram::SetUp();
    }
    // The front end's state goes back only here: a test may set up its part of it (the frame
    // round the windows) before this fixture's SetUp opens the first window.
    void TearDown() override {
        testsupport::StartedProgram::TearDown();
        qtfront::ResetFrontEndState();
    }
};

// The same with the shipped sample cars in the program folder.
class ShippedProgram : public StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
    }
};

}  // namespace qttest
