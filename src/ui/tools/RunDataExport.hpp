// The File menu's two run exports: ask for a CSV file name, ask before replacing a file, and
// write the acceleration or deceleration run table with the progress window shown.
#pragma once

#include <string>

namespace ui {

struct RunDataExportState {
    std::string CsvExportPath;  // the file chosen for the last export
};

RunDataExportState& RunDataExport();

// "Export acceleration data to CSV file...": the acceleration run's table and time step.
void ExportAccelerationData();
// "Export deceleration data to CSV file...": the deceleration run's table and time step.
void ExportDecelerationData();

}  // namespace ui
