// The Qt front end's own program-wide state, beside the program's (ui/ProgramState.hpp): the
// window last worked in, the nesting of the person's events, and the frame tests put round the
// windows.
#pragma once

namespace qtfront {

// Returns the front end's state to what a process starts with. Called where no handler runs:
// at the start, and between tests. Kept: what belongs to the QApplication (the look, the
// filter that lets an open list take Esc), the installed services, and the count of paints
// under way during long work, which is raised and lowered around each paint and so is 0
// wherever this can be called.
void ResetFrontEndState();

}  // namespace qtfront
