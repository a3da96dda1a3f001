#include "files/TextFileLines.hpp"

#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/SafeFileWrite.hpp"

namespace files {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t start = text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    for (;;) {
        // The first LF, then a CR before it: two searches for one byte each (memchr), which
        // cost less than one search for either of two bytes.
        std::size_t at = text.find('\n', start);
        const std::size_t lineEnd = at == std::string_view::npos ? text.size() : at;
        if (const std::size_t cr = text.substr(start, lineEnd - start).find('\r');
            cr != std::string_view::npos)
            at = start + cr;
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        const bool crLf = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
        start = at + (crLf ? 2 : 1);
    }
}

std::string TextReadBackAsWritten(std::string text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.insert(0, kUtf8ByteOrderMark);
    return text;
}

TextFileRead ReadTextFileLines(const std::string& path, std::size_t maxBytes,
                               std::string_view whatItIs, std::vector<std::string>& lines) {
    const FileReach reach = ReachFile(path);
    if (reach.Unreachable()) {
        ShowFileError(CannotReadText(path, reach.error));
        return TextFileRead::Unreadable;
    }
    if (reach.check != 1) return TextFileRead::Missing;
    std::string text;
    switch (ReadFileUpTo(path, maxBytes, text)) {
        case CappedRead::Unreadable:
            ShowFileError(CannotReadText(path));
            return TextFileRead::Unreadable;
        case CappedRead::TooLarge:
            ShowFileError("The file " + PathInMessage(path) + " holds " +
                          std::to_string(FileSize(path).value_or(text.size())) +
                          " bytes, more than " + std::string(whatItIs) + " (at most " +
                          std::to_string(maxBytes) + " bytes); it was not read.");
            return TextFileRead::TooLarge;
        case CappedRead::Read: break;
    }
    lines = SplitLines(text);
    return TextFileRead::Read;
}

}  // namespace files
