// How file routines tell the user what went wrong: the critical icon with the title "Error!"
// for a missing file, a wrong identifier or a failed write; the exclamation icon with the
// title "Problem" for a wrong version or a file that cannot be used as it is.
#pragma once

#include <string>

namespace files {

void ShowFileError(const std::string& text);
void ShowFileProblem(const std::string& text);

// A file that exists but could not be read (another user's, mode 000), or could not be reached
// (in a folder the user may not search), named with the system's reason, as the writers name
// theirs: "The file <path> cannot be read: Permission denied". Without `error`, call it right
// after the failed read: the reason is errno's.
std::string CannotReadText(const std::string& path);
std::string CannotReadText(const std::string& path, int error);

// The same said after a file's name given apart: "cannot be read: Permission denied".
std::string CannotReadReason(int error);

}  // namespace files
