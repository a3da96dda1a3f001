#include "files/FileMessages.hpp"

#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
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

bool DialogGaveFile(const platform::FileDialogResult& result) {
    if (result.cancelled || result.errorNumber == platform::kCancelErrorNumber) return false;
    if (result.errorNumber != 0) {
        platform::MsgBox("Error " + std::to_string(result.errorNumber) + "\r\n" +
                         result.errorDescription);
        return false;
    }
    return !result.paths.empty() && !result.paths.front().empty();
}

bool MayOverwrite(const std::string& path) {
    if (CheckFile(path) != 1) return true;
    const auto& t = core::TextTable();
    return platform::MsgBox(t.MsgOverwritePrefix + GetFileNamePart(path) + t.MsgOverwriteSuffix,
                            platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                            t.MsgTitleFileExists) == platform::MsgAnswer::Yes;
}

}  // namespace files
