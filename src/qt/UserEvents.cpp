#include "qt/UserEvents.hpp"

#include "platform/Form.hpp"

namespace qtfront {

UserEventsState& UserEvents() {
    static UserEventsState state;
    return state;
}

UserEventScope::UserEventScope() { ++UserEvents().depth; }

UserEventScope::~UserEventScope() {
    if (--UserEvents().depth == 0) platform::Desktop::Instance().CollectUnloaded();
}

}  // namespace qtfront
