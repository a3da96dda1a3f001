#include "files/FileMessages.hpp"

#include <cerrno>
#include <cstring>

#include "core/TextTable.hpp"
#include "files/ShortenedText.hpp"
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

std::string PathInMessage(std::string_view path) {
    return ShortenedInMiddle(path, kMessagePathUnits);
}

std::string CannotReadText(const std::string& path) { return CannotReadText(path, errno); }

std::string CannotReadText(const std::string& path, int error) {
    return "The file " + PathInMessage(path) + " " + CannotReadReason(error);
}

std::string CannotReadReason(int error) {
    // ReachFile's word for a file of another kind; the system's text for it ("Operation not
    // supported") would not say what is amiss.
    if (error == ENOTSUP) return "is not a regular file";
    return std::string("cannot be read: ") + std::strerror(error);
}

std::string NotReadText(const std::string& path, int error) {
    return error == ENOENT ? NotReadReason(error) : CannotReadText(path, error);
}

std::string NotReadReason(int error) {
    return error == ENOENT ? core::TextTable().MsgFileNotExist : CannotReadReason(error);
}

}  // namespace files
