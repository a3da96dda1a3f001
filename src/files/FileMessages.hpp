// How file routines tell the user what went wrong: the critical icon with the title "Error!"
// for a missing file, a wrong identifier or a failed write; the exclamation icon with the
// title "Problem" for a wrong version or a file that cannot be used as it is.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace files {

void ShowFileError(const std::string& text);
void ShowFileProblem(const std::string& text);

// A path as a message naming one file shows it: whole up to five lines (kMessagePathUnits,
// ShortenedText), longer with its folders shortened in their middle ("…") and its file name
// whole (ShortenedPath), and its control characters shown as signs, so that no path makes the
// message taller than the screen or breaks its lines.
inline constexpr std::size_t kMessagePathUnits = 400;
std::string PathInMessage(std::string_view path);

// A path as a window's title shows it: whole (the title bar cuts what it cannot show), its
// control characters shown as the messages show them, so a line feed in a folder's name is
// "␊" and not a break in the title.
std::string PathInTitle(std::string_view path);

// A message's lines naming the first `named` of `total` files, `lineOf(i)` the line of file i,
// then "and N more." for the others, on a line of its own with no blank line before it (the
// whole text when no file is named).
std::string NamedFilesText(std::size_t total, const std::function<std::string(std::size_t)>& lineOf,
                           std::size_t named);

// A file that exists but could not be read (another user's, mode 000), or could not be reached
// (in a folder the user may not search), named with the system's reason, as the writers name
// theirs: "The file <path> cannot be read: Permission denied". Without `error`, call it right
// after the failed read: the reason is errno's.
std::string CannotReadText(const std::string& path);
std::string CannotReadText(const std::string& path, int error);

// The same said after a file's name given apart: "cannot be read: Permission denied". A file
// that is no regular file (a pipe, a device: ENOTSUP from ReachFile) "is not a regular file".
std::string CannotReadReason(int error);

// What the user is told of a file that was to be opened and could not be read: "File does not
// exist!" where there is no such file (ENOENT), otherwise CannotReadText. NotReadReason is the
// same without the file's name, for a caller that names the file in its own way.
std::string NotReadText(const std::string& path, int error);
std::string NotReadReason(int error);

}  // namespace files
