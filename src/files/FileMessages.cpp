#include "files/FileMessages.hpp"

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

}  // namespace files
