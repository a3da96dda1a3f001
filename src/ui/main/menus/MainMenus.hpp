// The handlers of the main window's menus (and of the photo/tools toggle beside them).
#pragma once

namespace ui {

class Main;

// Installs the handlers of every menu entry whose action lives in the main window's own
// modules. Entries that open other windows are wired by those windows' modules.
void InstallMenuHandlers(Main& form);

// "Manual": opens "ChassisLab Manual - English.pdf" of the program folder with the desktop's
// viewer; "Cannot open manual" and the path it looked for (title "Problem") when it is
// missing or empty, and a message with its full path when no viewer could be started.
void Main_HelpUsage_Click(Main& form);

}  // namespace ui
