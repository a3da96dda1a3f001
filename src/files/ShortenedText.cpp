#include "files/ShortenedText.hpp"

#include <vector>

#include "platform/Utf8.hpp"

namespace files {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // "…"

// One character of a text: its bytes, or a byte that is no part of a character.
struct Piece {
    std::string_view bytes;
    long codePoint = -1;  // -1: a byte of no character
};

std::vector<Piece> PiecesOf(std::string_view text) {
    std::vector<Piece> pieces;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        const long codePoint = platform::utf8::Decode(text, at, length);
        pieces.push_back({text.substr(at, length), codePoint});
        at += length;
    }
    return pieces;
}

std::size_t UnitsOf(const Piece& piece) {
    return piece.codePoint >= 0 && piece.codePoint < 0x80 ? 1 : 2;
}

}  // namespace

std::string WithSigns(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const Piece& piece : PiecesOf(text)) {
        const long c = piece.codePoint;
        if (c >= 0 && c < 0x20)
            platform::utf8::Append(out, 0x2400 + c);  // the Control Pictures block: "␀" ...
        else if (c == 0x7F)
            platform::utf8::Append(out, 0x2421);  // "␡"
        else if (c == 0x85 || c == 0x2028 || c == 0x2029)
            platform::utf8::Append(out, 0x2424);  // "␤"
        else
            out += piece.bytes;
    }
    return out;
}

namespace {

// The first characters of `pieces` (from the end when `fromEnd`) within `units`, in order.
std::string Within(const std::vector<Piece>& pieces, std::size_t units, bool fromEnd) {
    std::size_t used = 0, n = 0;
    for (; n < pieces.size(); ++n) {
        const Piece& piece = pieces[fromEnd ? pieces.size() - 1 - n : n];
        if (used + UnitsOf(piece) > units) break;
        used += UnitsOf(piece);
    }
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += pieces[fromEnd ? pieces.size() - n + i : i].bytes;
    return out;
}

}  // namespace

std::size_t WidthUnits(std::string_view text) {
    std::size_t units = 0;
    for (const Piece& piece : PiecesOf(text)) units += UnitsOf(piece);
    return units;
}

std::size_t EstimatedLines(std::string_view text, std::size_t lineUnits) {
    const std::size_t units = WidthUnits(text);
    return units <= lineUnits ? 1 : (units + lineUnits - 1) / lineUnits;
}

std::string ShortenedInMiddle(std::string_view text, std::size_t units) {
    std::string shown = WithSigns(text);
    if (WidthUnits(shown) <= units) return shown;
    const std::vector<Piece> pieces = PiecesOf(shown);
    const std::size_t left = units > WidthUnits(kEllipsis) ? units - WidthUnits(kEllipsis) : 0;
    return Within(pieces, (left + 1) / 2, false) + std::string(kEllipsis) +
           Within(pieces, left / 2, true);
}

std::string ShortenedAtEnd(std::string_view text, std::size_t units) {
    std::string shown = WithSigns(text);
    if (WidthUnits(shown) <= units) return shown;
    const std::size_t left = units > WidthUnits(kEllipsis) ? units - WidthUnits(kEllipsis) : 0;
    return Within(PiecesOf(shown), left, false) + std::string(kEllipsis);
}

std::string ShortenedPath(std::string_view path, std::size_t units) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return ShortenedInMiddle(path, units);
    std::string shown = WithSigns(path);
    if (WidthUnits(shown) <= units) return shown;
    const std::string name = WithSigns(path.substr(slash + 1));
    const std::size_t nameUnits = WidthUnits(name);
    // The folders and the "/" before the name; at the least "…/".
    const std::size_t folderUnits = units > nameUnits ? units - nameUnits : 0;
    if (folderUnits >= WidthUnits(kEllipsis) + 1)
        return ShortenedInMiddle(path.substr(0, slash), folderUnits - 1) + "/" + name;
    const std::string lead = std::string(kEllipsis) + "/";
    const std::size_t leadUnits = WidthUnits(lead);
    return lead +
           ShortenedInMiddle(path.substr(slash + 1), units > leadUnits ? units - leadUnits : 0);
}

}  // namespace files
