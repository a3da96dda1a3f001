// The front end's own state goes back with the program's, between tests and at the start.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "QtTestApp.hpp"
#include "SampleForm.hpp"
#include "platform/ServiceDoubles.hpp"
#include "qt/FormView.hpp"
#include "qt/FrontEndState.hpp"
#include "qt/UserEvents.hpp"
#include "support/ProgramWideStates.hpp"

namespace {

TEST(FrontEndState, TheResetLeavesNoFrameAndNoOpenEventScope) {
    qttest::App();
    qtfront::TestFrame().added = QSize(8, 31);
    qtfront::UserEvents().depth = 2;

    qtfront::ResetFrontEndState();

    EXPECT_EQ(qtfront::TestFrame().added, QSize(0, 0));
    EXPECT_EQ(qtfront::UserEvents().depth, 0);
}

TEST(FrontEndState, TheResetForgetsTheWindowLastWorkedIn) {
    qttest::App();
    platform::InstallServiceDoubles();
    qttest::SampleForm form;
    qtfront::FormView view(form);
    view.show();
    QApplication::setActiveWindow(&view);
    QApplication::setActiveWindow(nullptr);  // the focus is away for a moment
    ASSERT_EQ(qtfront::DialogOwner(), &view);

    qtfront::ResetFrontEndState();

    EXPECT_EQ(qtfront::DialogOwner(), nullptr);
}

// A state added to the front end later is either reset by ResetFrontEndState or, like the look,
// belongs to the QApplication; either way it is named here.
TEST(FrontEndState, EveryStateTheFrontEndDefinesIsKnown) {
    const std::set<std::string> known = {
        "WindowsState",         // the window last worked in (reset); the popup Esc filter (kept)
        "TestFrameState",       // reset
        "UserEventsState",      // reset
        "WindowUpdatesModule",  // the paints under way: 0 whenever no handler runs (kept)
        "bool",                 // the look, installed once on the application (kept)
    };
    std::set<std::string> defined;
    for (const auto& [type, file] : testsupport::ProgramWideStates(CHASSISLAB_SOURCE_DIR "/qt")) {
        defined.insert(type);
        EXPECT_TRUE(known.count(type)) << type << " (qt/" << file << ") is not known";
    }
    EXPECT_EQ(defined, known);
}

}  // namespace
