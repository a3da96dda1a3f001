// Holds a whole text file split into lines at CR LF and hands the lines out one by one, as
// text or as a small integer read from the line's rightmost characters. The options-file
// reader gives it the file, checks GetNumLines and then reads the values in a fixed order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class StringFileParser {
public:
    // Splits the text at every CR LF (a lone CR or LF stays inside its line). A text ending in
    // CR LF gives an empty last line; an empty text gives no lines. The position is kept.
    void SetFile(std::string_view text);

    // Highest line index: the number of lines minus one (-1 for no lines), at most 32767.
    int16_t GetNumLines() const;

    // Integer read from the current line: the leading number of its rightmost `digits`
    // characters (the whole line when shorter, nothing when digits is 0), rounded half to even;
    // text without a leading number reads 0. Empty (nullopt) when the number does not fit a
    // 16-bit integer: the caller treats the line as malformed.
    // The Next forms advance to the next line first; the Last forms read the current line.
    std::optional<int16_t> GetNextInt(uint8_t digits);
    std::optional<int16_t> GetLastInt(uint8_t digits) const;

    std::string GetNextStr();
    std::string GetLastStr() const;

private:
    // The current line; the empty text before the first line and past the last (callers read
    // no more lines than GetNumLines reports).
    const std::string& CurrentLine() const;

    std::vector<std::string> Lines;
    int32_t Position = -1;  // index of the current line; -1 before the first
};

}  // namespace files
