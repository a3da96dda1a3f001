// A new empty folder in the system's temporary folder (TMPDIR when it is set, else /tmp), named
// "<stem>-" and six random characters, for a test's or a benchmark's files. Removing it is the
// caller's.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace testsupport {

// The folder made, or an empty path when none could be made (the temporary folder is missing
// or not writable).
inline std::filesystem::path MakeTemporaryFolder(const std::string& stem) {
    std::error_code ec;
    const std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    if (ec) return {};
    std::string pattern = (system / (stem + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

}  // namespace testsupport
