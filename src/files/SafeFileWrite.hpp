// Whole-file reads and writes for the program's small data and list files.
//
// A file is replaced by writing the new contents to a temporary file in the same folder and
// renaming it over the old one, so a failed write never leaves a half-written or emptied
// file: the old file stays as it was. The folder is synced after the rename, so the new file
// survives a power cut. A symbolic link is written through: its target gets the contents and
// the link stays.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace files {

// Flushes an open file or folder to the disk (fsync): 0 on success, -1 with errno set.
int SyncToDisk(int fd);

struct SafeFileWriteState {
    // Every flush of a replace goes through here: the temporary file before its rename, the
    // folder after it. A test puts in a fake that records what was flushed and when.
    std::function<int(int fd)> Sync = SyncToDisk;
};

SafeFileWriteState& SafeFileWrite();

// Replaces (or creates) the file with exactly these bytes. Returns an empty text on success,
// otherwise a description of what went wrong (the old file is then unchanged), also when the
// file is read-only, its name longer than its folder takes or holding a NUL byte. The
// description begins "Cannot replace the file" where a file was there, "Cannot save the file"
// where none was. Any name the folder takes saves: the temporary file's name is cut to the
// folder's limit.
std::string ReplaceFileContents(const std::string& path, std::string_view bytes);

// 0 when the file can be opened for reading, otherwise the system's error number (EACCES for a
// file the user may not read, mode 000 in a folder the user may search). Reads nothing, and
// waits for no writer of a pipe.
int OpenForReadingError(const std::string& path);

// Reads the file's first `maxBytes` bytes into `bytes` (all of it when it is shorter). The
// buffer grows with what is read, so a short file costs little however large the limit, and a
// huge file costs no more than the limit. False when it cannot be opened or read, errno then
// saying why (EACCES for a file the user may not read).
bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Reads the file into `bytes` when it holds at most `maxBytes` bytes. Never reads more than one
// byte past that, so a huge file costs no time or memory: it is TooLarge (`bytes` then holds
// its first maxBytes + 1 bytes). Unreadable leaves errno saying why, as ReadFileStart.
enum class CappedRead { Read, Unreadable, TooLarge };
CappedRead ReadFileUpTo(const std::string& path, std::size_t maxBytes, std::string& bytes);

}  // namespace files
