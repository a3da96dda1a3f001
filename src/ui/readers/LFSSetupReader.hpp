// "LFS Setup Reader": opens any simulator setup file (.set) and shows every field decoded in a
// read-only box of its own, the unused bytes included, and exports what it shows as CSV.
// Reading here never touches the vehicle, the setup or the main window's settings.
#pragma once

#include <string>

#include "platform/Form.hpp"

namespace ui {

class LFSSetupReader : public platform::Form {
public:
    LFSSetupReader();

    // Full path of the file to read; "" until the open command chose one.
    std::string SetupReaderPath;

    platform::CommandButton* Read = nullptr;
    platform::CommandButton* ReRead = nullptr;
    platform::CommandButton* ExportSetupToCSV = nullptr;
    platform::ControlArray<platform::Frame> SetupFrame;  // 0..3, 5..9
    platform::ControlArray<platform::TextBox> SetupInfo;  // 0..63, 64 reverse ratio
    platform::ControlArray<platform::Label> SetupLabel;   // row captions by first box, headers
    platform::ControlArray<platform::CheckBox> SetupCheck;  // 0 Post 0.5X, 1 Asym, 2 TC, 3 ABS
    platform::ControlArray<platform::TextBox> BlankInfo;    // 1..17
    platform::ControlArray<platform::Label> FileLabel;      // 0..2

    void BrowseSetupFileToRead();
    // Reads SetupReaderPath and fills the display; a file that cannot be used changes nothing
    // on screen and says why. True when the display was filled.
    bool ReadSetupFile();
    // The export command: file dialog, overwrite question, WriteSetupCsv.
    void ExportSetupToCsvCommand();
    // Writes what the window shows (captions, box texts, check-box states) as CSV through a
    // temporary file and a rename. "" on success, otherwise the reason.
    std::string WriteSetupCsv(const std::string& path) const;

private:
    void BuildLayout();
    // A fixed-size window: when the front end reports another client area (a window frame
    // that arrived after the first size was set shrinks it), the outer size is set again so
    // the client area is the laid-out one and no row is cut off.
    void KeepClientSize();
};

void ShowLFSSetupReader();
LFSSetupReader& LFSSetupReaderWindow();
// Destroys the window (the program's state reset).
void ResetLFSSetupReader();

}  // namespace ui
