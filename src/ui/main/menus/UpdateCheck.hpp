// The check for a newer published version: fetches "ver.txt" from the product web site and
// compares its "v<major>.<minor>.<patch>" with the program's own version, number by number.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ui {

struct UpdateCheckState {
    // How long the check waits for the web site, milliseconds; no answer by then is a failure.
    int TimeoutMs = 10000;
    // The check's request while its answer is awaited in the background; 0 when none is.
    int Request = 0;
    // Whether the awaited answer speaks only of a newer version (the start-up check).
    bool Quiet = true;
};

UpdateCheckState& UpdateCheck();

using ProgramVersion = std::array<unsigned, 3>;  // major, minor, patch

// "v3.1.4" with blanks and line ends around it allowed; nullopt for anything else.
std::optional<ProgramVersion> ParseProgramVersion(std::string_view text);

// Asks the web site for the published version in the background: returns at once, so the
// window stays usable whatever the network does, and the answer speaks when it arrives. Only
// a strictly newer version asks "Proceed to website now?" (Yes opens the home page), quiet or
// not. Unless quiet: "This program is already up-to-date." for the same or an older version,
// and "Error checking for program update" when there is no answer within the time-out, a
// status other than 200 or a reply that is not a version.
// While an answer is awaited nothing new is asked: a check that is not quiet (the menu's)
// only makes the awaited answer speak as it would have.
void CheckForUpdate(bool quiet);

// The program is closing: an answer still awaited is dropped unheard.
void DropUpdateCheck();

}  // namespace ui
