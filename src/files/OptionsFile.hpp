// The options file "Options.ini" in the program folder: the 21 unit selections, the 53 graph
// scales, 11 drawing toggles and the program switches, one "Key: value" line each, 101 lines
// in a fixed order, CR LF line ends. A line's meaning is given by its position; the keys are
// written for the reader's benefit and not checked.
//
// Reading is forgiving where nothing is lost and strict where something would be: CR LF, LF or
// CR line ends and a missing final line end are accepted (files::SplitLines); a unit index that
// names no unit of its quantity, or a graph scale outside its slider's range, keeps that setting
// as it is; another value outside its field's range (the options window's own ranges) gives that
// field its default; but a file of the wrong length, or one above 64 KiB (not read at all), is
// not used, is never overwritten behind the user's back, and the user is told once.
//
// At start-up a file that cannot be used gives the SI units (a missing or empty one is then
// written afresh, silently). Read on request from the options window, a file that cannot be
// used changes nothing: the user is told why, and the settings in effect stay.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace files {

inline constexpr const char* kOptionsFileName = "Options.ini";
inline constexpr int kOptionsFileLines = 101;

// When the file is read: at start-up, or on request (the options window's "Load Options").
enum class OptionsLoadOccasion { StartUp, Request };

enum class OptionsLoadResult {
    Loaded,      // the file's settings are in effect
    Created,     // start-up, no file (or an empty one): SI units and defaults, a new file written
    Missing,     // on request, no file (or an empty one): nothing changed, user told
    Malformed,   // wrong line count: user told, file left as it is; at start-up SI units and
                 // defaults, on request nothing changed
    Unreadable,  // the file cannot be read or reached (said with the system's reason): as
                 // Malformed
    TooLarge,    // larger than any options file (64 KiB), not read: as Malformed
};

// The whole file as SaveOptionsFile writes it, from the current settings.
std::string OptionsFileText();

// Writes AppDir + "Options.ini" through a temporary file in the same folder and a rename, so
// a failed write leaves the old file as it was. On failure tells the user and returns false.
bool SaveOptionsFile();

// What reading the file does beyond the settings themselves (the options window and the main
// window's displays; any link left empty is skipped).
struct OptionsFileLinks {
    // After a file was read: the options window shows the whole block.
    std::function<void()> ShowOptionsSettings;
    // After a file was read outside start-up (FormLoading lowered): every display again.
    std::function<void()> RefreshAllDisplays;
    // When no file can be used: the "SI" preset (index 0). Empty: core::ApplyUnitPreset.
    std::function<void(int16_t preset)> ApplyUnitPreset;
};

// Reads AppDir + "Options.ini" into the unit system and the options block and applies the
// stored unit selections; then the links.
OptionsLoadResult LoadOptionsFile(const OptionsFileLinks& links = {},
                                  OptionsLoadOccasion occasion = OptionsLoadOccasion::StartUp);

}  // namespace files
