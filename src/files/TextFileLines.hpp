// The lines of the program's text files: the list files of the program folder, the language
// files and the options file. A line ends at CR LF, at LF or at a CR alone, so a file the
// program wrote (CR LF), the same file saved by an editor of this system (LF) and one saved with
// the line ends of old Mac editors (CR) read alike. A UTF-8 byte-order mark at the start, which
// some editors put before the text to mark its encoding, is no part of the first line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// Splits a text at every line end (CR LF, LF, or a CR not followed by LF), dropping a leading
// UTF-8 byte-order mark. The text after the last line end (possibly empty) is the last piece, so
// a text ending in a line end gives an empty last piece and an empty text gives one empty piece.
std::vector<std::string> SplitLines(std::string_view text);

// The bytes to write for `text` so that SplitLines gives its lines back as they are: a text
// beginning with a byte-order mark (its first line a name that begins with U+FEFF) gets one more
// before it, the one the reader skips.
std::string TextReadBackAsWritten(std::string text);

enum class TextFileRead { Read, Missing, Unreadable, TooLarge };

// Reads a text file of at most `maxBytes` bytes and splits it into `lines`. Missing: there is
// no such file, or it is empty (nothing is said). Unreadable: it cannot be reached or read, and
// the user is told why: "The file <path> cannot be read: Permission denied". TooLarge: a file
// no real one of its kind reaches is not read, and the user is told, naming the file and its
// size: "The file <path> holds <n> bytes, more than <whatItIs> (at most <maxBytes> bytes); it
// was not read."
TextFileRead ReadTextFileLines(const std::string& path, std::size_t maxBytes,
                               std::string_view whatItIs, std::vector<std::string>& lines);

// The same, the user not told: what would be said is put in `problem` (empty when Read or
// Missing), for a caller that decides whether it is said.
TextFileRead ReadTextFileLines(const std::string& path, std::size_t maxBytes,
                               std::string_view whatItIs, std::vector<std::string>& lines,
                               std::string& problem);

}  // namespace files
