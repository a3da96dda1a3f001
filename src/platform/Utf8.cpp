#include "platform/Utf8.hpp"

#include <algorithm>

namespace platform::utf8 {

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Inside a character: on a continuation byte that belongs to a well-formed sequence, or on
// the LF of a CR LF pair.
bool Inside(std::string_view text, std::size_t pos) {
    if (pos == 0 || pos >= text.size()) return false;
    if (text[pos - 1] == '\r' && text[pos] == '\n') return true;
    if (!IsContinuation(static_cast<unsigned char>(text[pos]))) return false;
    // Find the lead byte (at most 3 bytes back) and check that its sequence covers pos.
    for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
        const std::size_t lead = pos - back;
        if (IsContinuation(static_cast<unsigned char>(text[lead]))) continue;
        std::size_t length = 0;
        return Decode(text, lead, length) >= 0 && lead + length > pos;
    }
    return false;
}

}  // namespace

long Decode(std::string_view text, std::size_t pos, std::size_t& length) {
    length = 1;
    if (pos >= text.size()) return -1;
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) return b0;
    std::size_t n = 0;
    long cp = 0, minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    if (pos + n > text.size()) return -1;
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(b)) return -1;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    length = n;
    return cp;
}

bool Append(std::string& out, long cp) {
    if (cp < 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return true;
}

int Count(std::string_view text) {
    int n = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 1;
        Decode(text, pos, length);
        pos += length;
        ++n;
    }
    return n;
}

std::size_t BoundaryBefore(std::string_view text, std::size_t pos) {
    pos = std::min(pos, text.size());
    while (Inside(text, pos)) --pos;
    return pos;
}

std::size_t BoundaryAfter(std::string_view text, std::size_t pos) {
    pos = std::min(pos, text.size());
    while (Inside(text, pos)) ++pos;
    return pos;
}

std::size_t PreviousBoundary(std::string_view text, std::size_t pos) {
    pos = BoundaryBefore(text, pos);
    if (pos == 0) return 0;
    return BoundaryBefore(text, pos - 1);
}

}  // namespace platform::utf8
