#include "ui/readers/ReaderFileBytes.hpp"

#include <cerrno>

#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/SafeFileWrite.hpp"

namespace ui {

std::optional<std::string> ReadReaderFile(const std::string& path, std::size_t recordSize) {
    const files::FileReach reach = files::ReachFile(path);
    if (reach.check < 0) {
        files::ShowFileError(files::NotReadText(path, reach.error));
        return std::nullopt;
    }
    std::string bytes;
    if (reach.check == 1 && !files::ReadFileStart(path, recordSize, bytes)) {
        files::ShowFileError(files::NotReadText(path, errno));
        return std::nullopt;
    }
    return bytes;
}

}  // namespace ui
