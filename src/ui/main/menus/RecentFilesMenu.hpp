// The "Open Recent" submenu: up to eight setup files recently opened or saved under a new
// name, newest first, mirrored in the entries FileOpenRecent(0..7). The list itself is
// files::ListFiles().RecentFiles; it is read from "chassislab.mru" at start-up and written
// back at shut-down when it changed.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

class Main;

// Not in the list.
inline constexpr uint16_t kRecentFileNotFound = 65535;

// At the end of start-up: reads the list file and shows its entries, or a disabled
// "No recent files" when there are none.
void LoadRecentFilesMenu(Main& form);
// Puts `path` at the top (moving it up when it is already listed, else dropping the oldest of
// a full list) and refreshes the menu. A path holding a line break is not listed: the list file
// holds one path a line (files::FitsOnAListLine).
void AddRecentFile(const std::string& path);
// The slot holding `path` (case-sensitive), or another path to the same file ("./", a link:
// the list names each file once, as at start), or kRecentFileNotFound.
uint16_t FindRecentFile(const std::string& path);
// Opens the setup file of entry `index`. A file that has gone is taken off the list after its
// message; any other refusal leaves the list as it is.
void Main_FileOpenRecent_Click(Main& form, int index);

// Writes the captions, visibility and enabled state of the eight entries from the list: each
// entry shows its file's title as it is, an "&" as itself and a control character as its sign.
void ShowRecentFiles(Main& form);

}  // namespace ui
