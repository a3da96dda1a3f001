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

// `text` with each control character shown as its sign ("␀" for NUL, "␊" for LF, "␡" for DEL),
// and a character that would end a line (NEL, U+2028, U+2029) as "␤"; whole, whatever its width.
std::string WithSigns(std::string_view text);

// `text` for one line of a message: each control character shown as its sign ("␀" for NUL,
// "␍" for CR, "␡" for DEL), and a character that would end the line (NEL, U+2028, U+2029) as
// "␤"; wider than `units`, its middle is left out for "…", so both its start and its end show.
std::string ShortenedInMiddle(std::string_view text, std::size_t units);

// The same, its end left out for "…".
std::string ShortenedAtEnd(std::string_view text, std::size_t units);

// A path for a message, with its signs: wider than `units`, its file name (after the last "/")
// stays whole and its folders are shortened in their middle, so the path's start, the folder
// nearest the file and the whole name show ("/home/you/Set…/weekend/Golf_race.set"). Only a
// name too wide on its own is shortened itself, in its middle, after "…/". A text without "/"
// is shortened as ShortenedInMiddle does.
std::string ShortenedPath(std::string_view path, std::size_t units);

}  // namespace files
