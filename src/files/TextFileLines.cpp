#include "files/TextFileLines.hpp"

#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/SafeFileWrite.hpp"

namespace files {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The pieces SplitLines makes of `text`: one more than its line ends, a CR LF counted once.
std::size_t PiecesIn(std::string_view text) {
    std::size_t ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        ends += c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    }
    return ends + 1;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    // Reserved once: grown line by line, the pieces would be moved some twice over.
    std::vector<std::string> pieces;
    pieces.reserve(PiecesIn(text));
    std::size_t start = 0;
    // The next LF, kept until a line passes it: a text of CR line ends is searched for LF once,
    // not once a line.
    std::size_t lf = text.find('\n');
    for (;;) {
        if (lf != std::string_view::npos && lf < start) lf = text.find('\n', start);
        // The line runs to the LF, less the CR of a CR LF; a CR alone before that ends it sooner.
        // The CR is looked for only within the line, and not at all in an empty one.
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > start && end == lf && text[end - 1] == '\r') --end;
        if (const std::size_t cr = text.substr(start, end - start).find('\r');
            cr != std::string_view::npos) {
            pieces.emplace_back(text.substr(start, cr));
            start += cr + 1;
            continue;
        }
        pieces.emplace_back(text.substr(start, end - start));
        if (lf == std::string_view::npos) return pieces;
        start = lf + 1;
    }
}

std::string TextReadBackAsWritten(std::string text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.insert(0, kUtf8ByteOrderMark);
    return text;
}

TextFileRead ReadTextFileLines(const std::string& path, std::size_t maxBytes,
                               std::string_view whatItIs, std::vector<std::string>& lines,
                               std::string& problem) {
    problem.clear();
    const FileReach reach = ReachFile(path);
    if (reach.Unreachable()) {
        problem = CannotReadText(path, reach.error);
        return TextFileRead::Unreadable;
    }
    if (reach.check != 1) return TextFileRead::Missing;
    std::string text;
    switch (ReadFileUpTo(path, maxBytes, text)) {
        case CappedRead::Unreadable:
            problem = CannotReadText(path);
            return TextFileRead::Unreadable;
        case CappedRead::TooLarge:
            problem = "The file " + PathInMessage(path) + " holds " +
                      std::to_string(FileSize(path).value_or(text.size())) + " bytes, more than " +
                      std::string(whatItIs) + " (at most " + std::to_string(maxBytes) +
                      " bytes); it was not read.";
            return TextFileRead::TooLarge;
        case CappedRead::Read: break;
    }
    lines = SplitLines(text);
    return TextFileRead::Read;
}

TextFileRead ReadTextFileLines(const std::string& path, std::size_t maxBytes,
                               std::string_view whatItIs, std::vector<std::string>& lines) {
    std::string problem;
    const TextFileRead read = ReadTextFileLines(path, maxBytes, whatItIs, lines, problem);
    if (!problem.empty()) ShowFileError(problem);
    return read;
}

}  // namespace files
