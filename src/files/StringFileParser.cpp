#include "files/StringFileParser.hpp"

#include "core/Numbers.hpp"

namespace files {

void StringFileParser::SetFile(std::string_view text) {
    Lines.clear();
    if (text.empty()) return;
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = text.find("\r\n", start);
        if (pos == std::string_view::npos) {
            Lines.emplace_back(text.substr(start));
            return;
        }
        Lines.emplace_back(text.substr(start, pos - start));
        start = pos + 2;
    }
}

int16_t StringFileParser::GetNumLines() const {
    const auto highest = static_cast<int64_t>(Lines.size()) - 1;
    return static_cast<int16_t>(highest > INT16_MAX ? INT16_MAX : highest);
}

const std::string& StringFileParser::CurrentLine() const {
    static const std::string kNone;
    if (Position < 0 || static_cast<std::size_t>(Position) >= Lines.size()) return kNone;
    return Lines[static_cast<std::size_t>(Position)];
}

std::optional<int16_t> StringFileParser::GetLastInt(uint8_t digits) const {
    std::string_view line = CurrentLine();
    if (line.size() > digits) line.remove_prefix(line.size() - digits);
    const core::Converted<int16_t> v = core::CIntChecked(core::Val(line));
    if (!v.inRange) return std::nullopt;
    return v.value;
}

std::optional<int16_t> StringFileParser::GetNextInt(uint8_t digits) {
    if (Position < INT32_MAX) ++Position;
    return GetLastInt(digits);
}

std::string StringFileParser::GetLastStr() const { return CurrentLine(); }

std::string StringFileParser::GetNextStr() {
    if (Position < INT32_MAX) ++Position;
    return CurrentLine();
}

}  // namespace files
