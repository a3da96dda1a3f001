// The small window shown while a run is exported as CSV: caption "Exporting Data...", one
// progress bar running to 50, no buttons. Not modal; hidden again at the end of every export.
#pragma once

#include "files/RunCsvExport.hpp"
#include "platform/Form.hpp"

namespace ui {

class ExportProgress : public platform::Form {
public:
    ExportProgress();
    platform::ProgressBar* ProgressBar1 = nullptr;
};

// The window's one instance (created on first use).
ExportProgress& ExportProgressWindow();
// Destroys the window (the program's state reset).
void ResetExportProgress();
// Links an export to the window: show, maximum, value, hide.
files::RunCsvProgress ExportProgressLinks();

}  // namespace ui
