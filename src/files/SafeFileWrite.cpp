#include "files/SafeFileWrite.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/FileHelpers.hpp"
#include "files/SystemReason.hpp"

namespace files {
namespace {

std::string SystemError(const char* what) {
    return std::string(what) + ": " + SystemReason(errno);
}

// Writes all bytes, retrying short writes. False on an error (errno set).
bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path names once symbolic links are followed (the path itself when it is no link).
// A link to a file not yet there gives that file's path, so the save creates it. The empty
// text after 40 links (a loop).
std::string FollowLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)) || ec) return p.string();
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) return p.string();
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return {};
}

// A file nobody may write (no write bit in its mode) is one the user marked read-only. The
// rename would replace it all the same, as would root, whom no permission bit stops, so the
// writer refuses on the mode itself.
bool IsReadOnlyFile(const struct stat& st) {
    return S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

// The longest name a file in the folder may have, in bytes (a limit per path component, not
// per path). The folder says where it can; 255 is the common limit otherwise.
std::size_t LongestNameIn(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

// The first `maxBytes` bytes of a name, cut before a character that would not fit whole: a
// multi-byte UTF-8 character cut in half makes a name some file systems refuse. A character
// has at most three continuation bytes (10xxxxxx); a name in another encoding loses no more.
std::string_view NameStart(std::string_view name, std::size_t maxBytes) {
    if (name.size() <= maxBytes) return name;
    std::size_t end = maxBytes;
    const auto continues = [&name](std::size_t at) {
        return (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80;
    };
    for (int back = 0; back < 3 && end > 0 && continues(end); ++back) --end;
    return name.substr(0, end);
}

// The temporary file's path for one attempt: beside the target, its name the target's followed
// by ".tmp", the process id and the attempt, the target's name shortened as far as the folder's
// name limit asks. Shortened names of two targets may meet; the exclusive create then moves on
// to the next attempt, so no file is ever written over.
std::string TemporaryPath(const std::string& folder, std::string_view name, std::size_t longest,
                          int attempt) {
    const std::string suffix =
        ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
    const std::size_t room = longest > suffix.size() ? longest - suffix.size() : 0;
    std::string path = folder;
    path += NameStart(name, room);
    path += suffix;
    return path;
}

// Makes the rename in the folder durable: without this a power cut just after the save can
// bring back the old file (or none) although the new contents were on the disk.
void SyncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)SafeFileWrite().Sync(fd);  // some file systems cannot sync a folder; the file is
    ::close(fd);
}

}  // namespace

int SyncToDisk(int fd) { return ::fsync(fd); }

SafeFileWriteState& SafeFileWrite() {
    static SafeFileWriteState state;
    return state;
}

std::string ReplaceFileContents(const std::string& linkOrPath, std::string_view bytes) {
    if (HoldsNul(linkOrPath))
        return "Cannot save the file: its name holds a character no file name can hold";
    // Saving over a symbolic link replaces the file it points to and keeps the link.
    const std::string path = FollowLinks(linkOrPath);
    if (path.empty()) {
        errno = ELOOP;
        return SystemError("Cannot replace the file");
    }
    struct stat before {};
    const bool existed = ::stat(path.c_str(), &before) == 0;
    // Said of a file that was there; a new file is saved, not replaced.
    const char* const cannot = existed ? "Cannot replace the file" : "Cannot save the file";
    if (existed && IsReadOnlyFile(before)) return "Cannot replace the file: it is read-only";
    // The temporary file sits beside the target so the rename stays within one file system.
    const std::size_t nameAt = path.rfind('/') + 1;  // 0 when the path names no folder
    const std::string folder = path.substr(0, nameAt);
    const std::string_view name = std::string_view(path).substr(nameAt);
    const std::size_t longest = LongestNameIn(folder.empty() ? "." : folder);
    if (name.size() > longest) {
        // The folder cannot hold the name: say so before writing anything.
        errno = ENAMETOOLONG;
        return SystemError(cannot);
    }
    std::string tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = TemporaryPath(folder, name, longest, attempt);
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return SystemError("Cannot create a temporary file beside the file");

    // Keep the old file's permissions when replacing it.
    if (existed && S_ISREG(before.st_mode)) (void)::fchmod(fd, before.st_mode & 07777);

    std::string error;
    if (!WriteAll(fd, bytes)) {
        error = SystemError("Cannot write the file");
    } else if (SafeFileWrite().Sync(fd) != 0) {
        // The new contents must be on the disk before they take the old file's place.
        error = SystemError("Cannot write the file");
    }
    if (::close(fd) != 0 && error.empty()) error = SystemError("Cannot write the file");
    if (error.empty() && ::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = SystemError(cannot);
    }
    if (!error.empty()) {
        ::unlink(tempPath.c_str());
        return error;
    }
    SyncFolderOf(path);
    return error;
}

int OpenForReadingError(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    if (HoldsNul(path)) {
        errno = EINVAL;  // the system would open the path cut at the NUL: another file
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char chunk[16384];
    int error = 0;
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
        const ssize_t n = ::read(fd, chunk, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    errno = error;  // the read's own, not the close's
    return error == 0;
}

CappedRead ReadFileUpTo(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    // One byte more than the limit tells a file of exactly maxBytes from a longer one.
    const std::size_t wanted = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    if (!ReadFileStart(path, wanted, bytes)) return CappedRead::Unreadable;
    return bytes.size() > maxBytes ? CappedRead::TooLarge : CappedRead::Read;
}

}  // namespace files
