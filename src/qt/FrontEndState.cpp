#include "qt/FrontEndState.hpp"

#include "qt/FormView.hpp"
#include "qt/UserEvents.hpp"

namespace qtfront {

void ResetFrontEndState() {
    ForgetLastActiveWindow();
    UserEvents() = UserEventsState{};
    TestFrame() = TestFrameState{};
}

}  // namespace qtfront
