// "LFS Vehicle Data Output Reader": opens a simulator vehicle data output file (.bin) and
// shows every field of it, padding included, in read-only boxes on two pages ("General Data"
// and "Wheel Data"). Reading never touches the vehicle or the setup.
#pragma once

#include <string>

#include "platform/Form.hpp"

namespace ui {

class DataOutputReader : public platform::Form {
public:
    DataOutputReader();

    // Full path of the file to read; "" until the open command chose one. Refresh reads it
    // again.
    std::string DataOutputPath;

    platform::CommandButton* Read = nullptr;
    platform::CommandButton* ReRead = nullptr;
    platform::TabStrip* TabStrip1 = nullptr;
    platform::ControlArray<platform::Frame> Page;  // 0 "General Data", 1 "Wheel Data"
    platform::ControlArray<platform::TextBox> OutputBox;  // 0..202
    platform::ControlArray<platform::Label> OutputLabel;
    platform::ControlArray<platform::Label> XYZLabel;     // 0..5

    // The open command: the file dialog, then the read.
    void BrowseDataOutputFileToRead();
    // Reads DataOutputPath and fills every box; a file that cannot be used changes nothing on
    // screen and says why. True when the boxes were filled.
    bool ReadDataOutputFile();

private:
    void BuildLayout();
};

// Opens the window (one instance; a second call brings it to the front).
void ShowDataOutputReader();
// The instance, created on first use (tests).
DataOutputReader& DataOutputReaderWindow();
// Destroys the window (the program's state reset).
void ResetDataOutputReader();

}  // namespace ui
