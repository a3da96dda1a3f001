// The system's reason for a failed file operation, as the program's messages give it.
#pragma once

#include <string>

namespace files {

// The text of system error number `error` in the program's language (English: "Permission
// denied", "Not a directory"), whatever the language of the C library's locale. The Qt front
// end sets that locale to the desktop's, where strerror would answer "Keine Berechtigung" in
// the middle of an English message. Safe to call from any thread.
std::string SystemReason(int error);

}  // namespace files
