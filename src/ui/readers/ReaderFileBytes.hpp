// The bytes of the file a reader window was asked to read.
#pragma once

#include <optional>
#include <string>

namespace ui {

// The file's whole contents; an empty file gives no bytes (the reader's parser then rejects
// it). A missing file, or one that cannot be read, says so in a file error message and gives
// nothing.
std::optional<std::string> ReadReaderFile(const std::string& path);

}  // namespace ui
