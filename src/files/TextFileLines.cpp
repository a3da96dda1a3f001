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
    // The next LF, kept until a line passes it: a text of CR line ends is searched for LF once,
    // not once a line. A CR is looked for only before it, within the line.
    std::size_t lf = text.find('\n', start);
    for (;;) {
        if (lf != std::string_view::npos && lf < start) lf = text.find('\n', start);
        const std::size_t lineEnd = lf == std::string_view::npos ? text.size() : lf;
        std::size_t at = lf;
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
