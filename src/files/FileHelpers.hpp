// File checks and file-name helpers used by every part of the program that reads or writes a
// file. Stateless; they open no file and show no message.
//
// Paths are this system's: "/" separates folders, and "\" is a character of a name like any
// other (a setup saved as "Track_Car_rain\slick.set" is one file of that name).
#pragma once

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace files {

// True when the path holds a NUL byte: no file name can hold one, and the system would read the
// path only up to it ("A.vd3<NUL>x" would name "A.vd3"), so such a path names no file at all.
bool HoldsNul(std::string_view path);

// 1 when the file exists and holds at least one byte, 0 when it exists and is empty, -1 when
// its size cannot be obtained (missing file, empty path, a folder, no access, a path holding a
// NUL byte). Never throws.
int16_t CheckFile(std::string_view path);

// A file however a path writes it ("A", "./A", "x/../A", a link to it): its device and inode.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
struct FileIdentityHash {
    std::size_t operator()(const FileIdentity& id) const noexcept;
};

// What CheckFile finds, and why where it gives -1: the system's error number. ENOENT is the one
// "no such file" (an empty path too, and a link to nothing); any other names a file that may be
// there but cannot be reached, which the user is told: EACCES for a folder on the way the user
// may not search, ENOTDIR for a file named as a folder on the way, EISDIR for a folder, ENOTSUP
// for a file of another kind (a pipe, a device), EINVAL for a path holding a NUL byte. Where
// check is 0 or 1, also the file's size and identity, from the one look at it.
struct FileReach {
    int16_t check = -1;       // as CheckFile
    int error = 0;            // 0 where check is 0 or 1
    std::uintmax_t size = 0;  // bytes
    FileIdentity identity;
    bool Missing() const { return error == ENOENT; }
    bool Unreachable() const { return check < 0 && !Missing(); }
};
FileReach ReachFile(std::string_view path);

// True when both paths lead to one file that exists, however each writes it ("A", "./A",
// "x/../A", a link to it); false where either names none (a path holding a NUL byte included).
bool SameFile(std::string_view a, std::string_view b);

// The size in bytes of a regular file; nullopt where CheckFile gives -1.
std::optional<std::uintmax_t> FileSize(std::string_view path);

// The name without its last four characters (the dot and "set") when its last three
// characters are exactly "set" (case-sensitive); otherwise the name unchanged. "reset" gives
// "r", "set" gives the empty text.
std::string StripSetExtension(std::string_view name);

// The folder part of a path, up to and including its last separator ("/a/b.set" -> "/a/");
// the empty text when there is no separator.
std::string GetFolderPart(std::string_view path);

// The part after the last separator; the whole path when there is none, the empty text when
// the path ends in a separator.
std::string GetFileNamePart(std::string_view path);

// The text without the characters a file name may not hold: / : ? * " < > |. The backslash is
// kept.
std::string SanitiseFileName(std::string_view text);

// The text a vehicle's setup file names begin with (followed by "_", as in its default setup
// "<stem>_Default.set"): the name without the characters a file name may not hold, without
// the backslash (a folder separator where the simulator runs, so such a setup could not be
// copied there) and without blanks around it.
std::string SetupFileStem(std::string_view vehicleName);

// The file-dialog pattern of the setup files whose names start with `prefix` and "_":
// prefix + "_*.set", each ";" of the prefix written "?" (which matches it): a dialog's filter
// separates its patterns at ";", so "Car;Two" would list "Car" and "Two_*.set" instead.
std::string SetupFilePattern(std::string_view prefix);

// The path a save dialog with a default extension saves to: the chosen path with "." and the
// extension added when it does not already end in them (letter case counts), so a name with a
// dot of its own ("Golf_wet 2.1bar") still gets it. An empty extension adds nothing.
std::string WithDefaultExtension(std::string_view path, std::string_view extension);

// True when two vehicles' setup files would carry one name ("Rally Car" and "Rally Car?",
// "Car" and " Car"): a setup saved for one would open for the other.
bool ShareSetupFiles(std::string_view vehicleName, std::string_view otherName);

// The name, without folder and without ".vd3", under which a vehicle's data file is saved:
// the vehicle's name without its trailing blanks and the characters a file name may not hold.
// The start-up list names the shipped vehicles this way, so saving one replaces its file.
std::string VehicleFileStem(const std::string& vehicleName);

}  // namespace files
