#include "ui/readers/ReaderFileBytes.hpp"

#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/SafeFileWrite.hpp"

namespace ui {

std::optional<std::string> ReadReaderFile(const std::string& path, std::size_t recordSize) {
    const int16_t check = files::CheckFile(path);
    if (check < 0) {
        files::ShowFileError(core::TextTable().MsgFileNotExist);
        return std::nullopt;
    }
    std::string bytes;
    if (check == 1 && !files::ReadFileStart(path, recordSize, bytes)) {
        files::ShowFileError("The file " + path + " could not be read.");
        return std::nullopt;
    }
    return bytes;
}

}  // namespace ui
