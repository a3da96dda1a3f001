// How file routines tell the user what went wrong: the critical icon with the title "Error!"
// for a missing file, a wrong identifier or a failed write; the exclamation icon with the
// title "Problem" for a wrong version or a file that cannot be used as it is.
#pragma once

#include <string>

#include "platform/Services.hpp"

namespace files {

void ShowFileError(const std::string& text);
void ShowFileProblem(const std::string& text);

// After a file dialog: true when it gave a file name to use. A cancel gives false silently;
// any other failure shows "Error <n>", CR LF and the description (OK only, default title)
// and gives false.
bool DialogGaveFile(const platform::FileDialogResult& result);

// "The file <name> exists, do you wish to overwrite it?" (Yes/No, question icon, "File
// exists") when the file exists and is not empty; true when it may be written.
bool MayOverwrite(const std::string& path);

}  // namespace files
