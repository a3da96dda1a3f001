// How the two simulator-file reader windows turn raw fields into the texts of their boxes.
// A file from elsewhere may hold any bit pattern: no text here is ever "NaN" or "inf", and a
// byte that names no entry of its table says so instead of showing another file's text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace files {

// "Unknown (<n>)": an enumerated byte or table index with no entry.
std::string UnknownEntryText(int value);

// The short text of a Single (at most 7 significant digits, no leading blank, "." as the
// point); "N/A" for a value that is not a finite number.
std::string InspectSingle(float value);
// The same for a Double with at most 15 significant digits.
std::string InspectDouble(double value);

// A fixed-length text field of a binary file: trailing NULs and blanks dropped, printable
// ASCII kept, other bytes read as Latin-1 characters (control bytes show as "?"). The result
// is UTF-8.
std::string InspectFixedText(std::string_view bytes);

}  // namespace files
