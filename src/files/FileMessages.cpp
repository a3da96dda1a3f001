#include "files/FileMessages.hpp"

#include <cerrno>
#include <cstring>

#include "core/TextTable.hpp"
#include "platform/Services.hpp"

namespace files {

void ShowFileError(const std::string& text) {
    platform::MsgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Critical,
                     core::TextTable().MsgTitleError);
}

void ShowFileProblem(const std::string& text) {
    platform::MsgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                     core::TextTable().MsgTitleProblem);
}

std::string CannotReadText(const std::string& path) { return CannotReadText(path, errno); }

std::string CannotReadText(const std::string& path, int error) {
    return "The file " + path + " " + CannotReadReason(error);
}

std::string CannotReadReason(int error) {
    return std::string("cannot be read: ") + std::strerror(error);
}

}  // namespace files
