// Every person's action the front end passes to the model runs inside a UserEventScope. When
// the outermost scope ends (no handler is running any more, also none that opened a nested
// dialog loop), the windows unloaded meanwhile are destroyed.
#pragma once

namespace qtfront {

struct UserEventsState {
    int depth = 0;  // scopes open now (nested event loops can stack them)
};
UserEventsState& UserEvents();

class UserEventScope {
public:
    UserEventScope();
    ~UserEventScope();
    UserEventScope(const UserEventScope&) = delete;
    UserEventScope& operator=(const UserEventScope&) = delete;
};

}  // namespace qtfront
