#include "files/FileMessages.hpp"

#include <algorithm>
#include <cerrno>

#include "core/TextTable.hpp"
#include "files/ShortenedText.hpp"
#include "files/SystemReason.hpp"
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
    return ShortenedPath(path, kMessagePathUnits);
}

std::string PathInTitle(std::string_view path) { return WithSigns(path); }

std::string NamedFilesText(std::size_t total, const std::function<std::string(std::size_t)>& lineOf,
                           std::size_t named) {
    std::string text;
    const std::size_t shown = std::min(named, total);
    for (std::size_t i = 0; i < shown; ++i) text += (i == 0 ? "" : "\r\n") + lineOf(i);
    if (shown < total)
        text += (shown == 0 ? "" : "\r\n") + ("and " + std::to_string(total - shown) + " more.");
    return text;
}

std::string CannotReadText(const std::string& path) { return CannotReadText(path, errno); }

std::string CannotReadText(const std::string& path, int error) {
    return "The file " + PathInMessage(path) + " " + CannotReadReason(error);
}

std::string CannotReadReason(int error) {
    // ReachFile's word for a file of another kind; the system's text for it ("Operation not
    // supported") would not say what is amiss.
    if (error == ENOTSUP) return "is not a regular file";
    return "cannot be read: " + SystemReason(error);
}

std::string NotReadText(const std::string& path, int error) {
    return error == ENOENT ? NotReadReason(error) : CannotReadText(path, error);
}

std::string NotReadReason(int error) {
    return error == ENOENT ? core::TextTable().MsgFileNotExist : CannotReadReason(error);
}

}  // namespace files
