// The bytes of the file a reader window was asked to read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace ui {

// The file's first `recordSize` bytes, the record the reader shows (fewer when the file is
// shorter; an empty file gives no bytes, and the reader's parser then rejects it). A longer
// file reads the same, whatever its size, in constant time and memory. A missing file, or one
// that cannot be read or reached (named with the system's reason), says so in a file error
// message and gives nothing.
std::optional<std::string> ReadReaderFile(const std::string& path, std::size_t recordSize);

}  // namespace ui
