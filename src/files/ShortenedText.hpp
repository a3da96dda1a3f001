// Names and reasons a message shows on a line of its own, kept within a width that holds
// whatever a name is made of. The text is put together before any font is known, so its width
// is estimated in units: a character of ASCII is one, about an average letter of a message box's
// font; any other character, and each byte that is no part of a character, two, as wide as the
// widest of them (an ideograph, the sign a message box shows for a byte of no character).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace files {

// The estimated width of `text` in units.
std::size_t WidthUnits(std::string_view text);

// The lines `text` takes at `lineUnits` units a line, at least one.
std::size_t EstimatedLines(std::string_view text, std::size_t lineUnits);

// `text` for one line of a message: each control character shown as its sign ("␀" for NUL,
// "␍" for CR, "␡" for DEL), and a character that would end the line (NEL, U+2028, U+2029) as
// "␤"; wider than `units`, its middle is left out for "…", so both its start and its end show.
std::string ShortenedInMiddle(std::string_view text, std::size_t units);

// The same, its end left out for "…".
std::string ShortenedAtEnd(std::string_view text, std::size_t units);

}  // namespace files
