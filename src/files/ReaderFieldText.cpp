#include "files/ReaderFieldText.hpp"

#include <cmath>

#include "core/Numbers.hpp"
#include "platform/Utf8.hpp"

namespace files {

std::string UnknownEntryText(int value) { return "Unknown (" + std::to_string(value) + ")"; }

std::string InspectSingle(float value) {
    return std::isfinite(value) ? core::SingleText(value) : std::string("N/A");
}

std::string InspectDouble(double value) {
    return std::isfinite(value) ? core::DoubleText(value) : std::string("N/A");
}

std::string InspectFixedText(std::string_view bytes) {
    const std::string trimmed = core::TrimRight(bytes);
    std::string out;
    for (const char ch : trimmed) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x20 && b < 0x7F) {
            out += ch;
        } else if (b >= 0xA0) {
            platform::utf8::Append(out, b);
        } else {
            out += '?';
        }
    }
    return out;
}

}  // namespace files
