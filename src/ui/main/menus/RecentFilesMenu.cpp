#include "ui/main/menus/RecentFilesMenu.hpp"

#include "core/GlobalChassisLab.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/ListFiles.hpp"
#include "files/SetupFileContext.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SetupFileIO.hpp"

namespace ui {

namespace {

Main* Window() { return core::GlobalChassisLab().MainForm; }

}  // namespace

void ShowRecentFiles(Main& form) {
    const auto& list = files::ListFiles();
    for (int i = 0; i < static_cast<int>(form.FileOpenRecent.size()); ++i) {
        platform::MenuItem& entry = *form.FileOpenRecent[i];
        if (i < list.RecentFilesCount) {
            // The name as it is: an "&" is no shortcut mark, and a control character (a TAB
            // would open a shortcut column) shows as its sign, as the window titles show it.
            const std::string& name = list.RecentFiles[i].Title;
            entry.SetCaption(platform::LiteralCaption(files::PathInTitle(name)));
            entry.SetVisible(true);
            entry.SetEnabled(true);
        } else if (i == 0) {
            entry.SetCaption("No recent files");
            entry.SetEnabled(false);
        } else {
            entry.SetVisible(false);
        }
    }
}

void LoadRecentFilesMenu(Main& form) {
    files::LoadRecentFiles();
    ShowRecentFiles(form);
}

uint16_t FindRecentFile(const std::string& path) {
    const auto& list = files::ListFiles();
    for (uint16_t i = 0; i < list.RecentFilesCount; ++i)
        if (list.RecentFiles[i].Path == path || files::SameFile(list.RecentFiles[i].Path, path))
            return i;
    return kRecentFileNotFound;
}

void AddRecentFile(const std::string& path) {
    // Written to the list, the path would come back as two lines naming no file.
    if (!files::FitsOnAListLine(path)) return;
    auto& list = files::ListFiles();
    uint16_t k = FindRecentFile(path);
    if (k == kRecentFileNotFound) {
        if (list.RecentFilesCount < files::kMaxRecentFiles) ++list.RecentFilesCount;
        k = static_cast<uint16_t>(list.RecentFilesCount - 1);
    }
    for (uint16_t j = k; j >= 1; --j) list.RecentFiles[j] = list.RecentFiles[j - 1];
    list.RecentFiles[0] = {path, files::StripSetExtension(files::GetFileNamePart(path))};
    if (Main* form = Window()) ShowRecentFiles(*form);
}

void Main_FileOpenRecent_Click(Main& form, int index) {
    auto& list = files::ListFiles();
    if (index < 0 || index >= list.RecentFilesCount) return;
    const std::string path = list.RecentFiles[index].Path;
    files::SetupFile().SetupOpenPath = path;
    if (OpenSetupFile(true)) {
        AddRecentFile(path);
        return;
    }
    if (files::CheckFile(path) == 1) return;  // still there: the list keeps it
    for (int j = index; j + 1 < list.RecentFilesCount; ++j) list.RecentFiles[j] = list.RecentFiles[j + 1];
    --list.RecentFilesCount;
    list.RecentFiles[list.RecentFilesCount] = {};
    ShowRecentFiles(form);
}

}  // namespace ui
