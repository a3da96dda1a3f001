// The check for a newer published version: fetches "ver.txt" from the product web site and
// compares its "v<major>.<minor>.<patch>" with the program's own version, number by number.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ui {

struct UpdateCheckState {
    // How long the check waits for the web site, milliseconds. The request waits without
    // taking the person's input, so the window cannot hang longer than this.
    int TimeoutMs = 10000;
    // The start-up check's request while its answer is awaited in the background; 0 when
    // none is.
    int QuietRequest = 0;
};

UpdateCheckState& UpdateCheck();

using ProgramVersion = std::array<unsigned, 3>;  // major, minor, patch

// "v3.1.4" with blanks and line ends around it allowed; nullopt for anything else.
std::optional<ProgramVersion> ParseProgramVersion(std::string_view text);

// Asks the web site for the published version. Only a strictly newer one asks "Proceed to
// website now?" (Yes opens the home page), quiet or not. Unless quiet: "This program is
// already up-to-date." for the same or an older version, and "Error checking for program
// update" when there is no answer within the time-out, a status other than 200 or a reply
// that is not a version.
void CheckForUpdate(bool quiet);

// The start-up check: CheckForUpdate(true) with the web site asked in the background, so the
// window is usable at once whatever the network does; the answer speaks when it arrives.
void StartQuietUpdateCheck();
// The program is closing: the start-up check's answer, if still awaited, is dropped unheard.
void DropQuietUpdateCheck();

}  // namespace ui
