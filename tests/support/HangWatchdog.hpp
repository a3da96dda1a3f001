// A hang watchdog for work that could run for ever or take quadratic time: past `seconds`, far
// above what the work takes under the sanitizers on a loaded machine, the test process stops
// with a message naming what hung. It judges no speed (the benchmarks time the work); it only
// turns a hang into a failure instead of a run that never ends.
#pragma once

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace testsupport {

namespace hang {
// What the armed watchdog guards, for the message (a literal: read in the signal handler).
inline const char* guarded = "";

extern "C" inline void OnHang(int) {
    constexpr char kHead[] = "hang watchdog: ";
    constexpr char kTail[] = " ran over its time (hang)\n";
    (void)!::write(2, kHead, sizeof kHead - 1);
    (void)!::write(2, guarded, std::strlen(guarded));
    (void)!::write(2, kTail, sizeof kTail - 1);
    std::abort();
}
}  // namespace hang

// Armed while it lives; one at a time.
class HangWatchdog {
public:
    HangWatchdog(const char* what, unsigned seconds) {
        hang::guarded = what;
        std::signal(SIGALRM, hang::OnHang);
        ::alarm(seconds);
    }
    ~HangWatchdog() { ::alarm(0); }
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;
};

}  // namespace testsupport
