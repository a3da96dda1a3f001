// The File menu of the main window: open, save, save as and close simulator setup files, load
// and save vehicle data files, export the run tables as CSV, and exit.
//
// Every use of the file dialog is one fresh request with all its properties set, so nothing
// of an earlier use (another window's multiple selection, an old file name) leaks into it;
// only the CSV exports start in the folder of the last export, on purpose. The handlers check
// for overwriting themselves. A save that fails has already told the user why and leaves the
// old file, the window caption and the recent-files list as they were.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Services.hpp"

namespace ui {

class Main;

enum class RunTable { Acceleration, Deceleration };
// Writes a run table as CSV to the path; false when it could not (the writer tells the user).
using RunCsvWriter = std::function<bool(RunTable table, const std::string& path)>;

struct FileMenuState {
    // The path chosen in the last CSV export dialog; the next export starts in its folder.
    std::string CsvExportPath;
    RunCsvWriter WriteRunCsv;  // empty until the export unit installs it
};

FileMenuState& FileMenu();

// Installs the run table writer and enables the two export entries.
void InstallRunCsvWriter(Main& form, RunCsvWriter writer);

// Shows the open or save dialog for `request` and gives the chosen path; nullopt when the user
// cancelled (silently) or the dialog failed ("Error " + number + CR LF + description shown).
// A save gives the path with the request's default extension (files::WithDefaultExtension):
// the path to ask the overwrite question of, save to, show and remember.
std::optional<std::string> ChooseFile(const platform::FileDialogRequest& request, bool save);
// True when `path` may be written: it holds no data yet, or the user answers Yes to "The file
// <title> exists, do you wish to overwrite it?".
bool MayOverwrite(const std::string& path);

// The name setup files of the current vehicle start with, before their "_": the simulator
// car's code in compatibility mode for a simulator car, else the vehicle's name as a file name
// can hold it (files::SetupFileStem), as its default setup is named. The Open and Save As
// filters (through files::SetupFilePattern) and the Save As proposal use it.
std::string SetupNamePrefix();

void Main_FileOpenSetup_Click(Main& form);
void Main_FileSaveSetup_Click(Main& form);
void Main_FileSaveAs_Click(Main& form);
void Main_FileClose_Click(Main& form);
void Main_FileLoadVehicle_Click(Main& form);
void Main_FileSaveVehicle_Click(Main& form);
void Main_ExportAccelerationData_Click(Main& form);
void Main_ExportDecelerationData_Click(Main& form);
// Closes the main window; its unloading runs the shut-down sequence, once.
void Main_FileExit_Click(Main& form);

// Loads a vehicle file into the list and the vehicle selector, selecting it when asked, and
// enables "Edit existing vehicle". False when the loader refused the file (it said why).
bool LoadVehicleFileIntoWindow(Main& form, const std::string& path, bool select);

}  // namespace ui
