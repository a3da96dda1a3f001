// Writing the run tables as CSV for the File menu's two export entries (the menu asks for the
// file and about overwriting; see ui/main/menus/FileMenu.hpp): the progress window is shown while
// the text is built and hidden at the end, and a failed write is reported with its reason.
#pragma once

#include <string>

#include "ui/main/menus/FileMenu.hpp"

namespace ui {

// Writes the acceleration or deceleration run's table, with that run's own time step, to the
// path through a temporary file and a rename. False (after a message) when it could not.
bool WriteRunTableCsv(RunTable table, const std::string& path);

// Makes the File menu's export entries write through WriteRunTableCsv.
void InstallRunDataExport(Main& form);

}  // namespace ui
