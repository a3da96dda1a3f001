// UTF-8 steps the text box needs: reading one code point, writing one, counting them, and
// keeping byte offsets off the middle of a character or of a CR LF line break.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::utf8 {

// The code point starting at byte `pos`, and its length in bytes in `length`. A byte that
// does not start a well-formed sequence (stray continuation byte, overlong form, surrogate,
// beyond U+10FFFF, cut short) gives -1 with length 1.
long Decode(std::string_view text, std::size_t pos, std::size_t& length);

// Appends the UTF-8 form of a code point; false (nothing appended) for a surrogate, a
// negative value or one beyond U+10FFFF.
bool Append(std::string& out, long codePoint);

// Characters of a text: code points, with each byte of a malformed sequence counted as one.
// A CR LF line break counts two.
int Count(std::string_view text);

// The nearest character boundary at or before `pos` (clamped into the text): never between
// a lead byte and its continuation bytes, never between the CR and LF of a line break.
std::size_t BoundaryBefore(std::string_view text, std::size_t pos);
// The same, at or after `pos`.
std::size_t BoundaryAfter(std::string_view text, std::size_t pos);

// The start of the character that ends at `pos` (a boundary above 0): a CR LF pair is one
// step back, as is a whole multi-byte character.
std::size_t PreviousBoundary(std::string_view text, std::size_t pos);

}  // namespace platform::utf8
