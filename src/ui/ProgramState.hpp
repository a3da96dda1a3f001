// The program's whole state in one place: every window and every module's program-wide state,
// as a process has them before the main window loads. The program's start and the tests'
// fixtures both go through here, so a test starts where the program starts. The one unit that
// knows every module of every layer, so it sits at the top of ui/ and nothing includes it but
// the start and the tests.
#pragma once

namespace ui {

// Destroys every window (the tool windows and readers first, then the graph windows, the
// options window and last the main window, which the others may reach while they close),
// forgets an update check still awaited, and then returns every module state to its fresh
// value, from the platform layer up.
//
// Left as they are, being the process's set-up rather than the program's state: the installed
// services (the front end installs its own once; a test installs its doubles) and the
// desktop's observer (the front end's window registry). The program folder goes back to the
// executable's folder; a test points it at its own after this.
void ResetProgramState();

}  // namespace ui
