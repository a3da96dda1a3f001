// The small text files of the program folder: the start-up vehicle list "autoveh.lst", the
// language list "languages.lst" and the recent-files list "chassislab.mru". The program writes
// CR LF line ends and reads CR LF, LF or a CR alone, skipping a leading byte-order mark
// (SplitLines); a list whose first line begins with the character of that mark (U+FEFF) is
// written after one more, so each list reads back as it was written. Files are replaced through
// a temporary file and a rename. A list file larger than any real list (1 MiB) is not read: the
// user is told, and it counts as no list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/TextFileLines.hpp"

namespace files {

inline constexpr const char* kAutoVehicleListFile = "autoveh.lst";
inline constexpr const char* kLanguageListFile = "languages.lst";
inline constexpr const char* kRecentFilesFile = "chassislab.mru";
inline constexpr uint8_t kMaxRecentFiles = 8;

// One recently used setup file.
struct RecentFileEntry {
    std::string Path;   // full path
    std::string Title;  // file name without folder and without ".set", as it is: the menu
                        // entry shows it (ShowRecentFiles)
};

// What SaveRecentFiles does with "chassislab.mru" at shut-down, as LoadRecentFiles found it.
enum class RecentListAtExit : uint8_t {
    WriteWhenChanged,  // written when the paths differ from RecentPathsLoaded
    Write,             // written: it names files the start told of and left out
    Keep,              // left as it is: the start could not read it, so its entries are unknown
};

struct ListFilesState {
    std::array<RecentFileEntry, kMaxRecentFiles> RecentFiles{};  // slot 0 newest
    uint8_t RecentFilesCount = 0;  // valid slots 0 .. count - 1
    // The paths of the valid slots as LoadRecentFiles left them: the list is written at
    // shut-down only when the paths differ from these (RecentListAtExit::WriteWhenChanged).
    std::vector<std::string> RecentPathsLoaded;
    RecentListAtExit RecentListWrite = RecentListAtExit::WriteWhenChanged;
    uint8_t LanguageIndex = 0;     // language number of the list's first line; 0 = none
    // What the user was told when "autoveh.lst" was last read and could not be; empty after a
    // read that found the list, or none. The list's window, opening, says no more of it.
    std::string AutoVehicleListProblem;
};

ListFilesState& ListFiles();

// How a reading of "autoveh.lst" went: Read, with its entries in order, empty lines skipped (a
// line holding a NUL byte is kept: it names no file, which the start-up says); Missing, when the
// file is missing or empty (nothing is said); Unreadable or TooLarge, with what the user is told
// in `problem` ("The file <path> cannot be read: Permission denied").
struct AutoVehicleListRead {
    TextFileRead read = TextFileRead::Missing;
    std::vector<std::string> entries;
    std::string problem;
};

// Always: a list that cannot be read is told of. UnlessTold: not when the last reading of the
// list told the same (at start, the list's window opening says no more of it).
enum class ListProblemTelling : uint8_t { Always, UnlessTold };

AutoVehicleListRead ReadAutoVehicleList(ListProblemTelling telling);

// The entries of "autoveh.lst" (ReadAutoVehicleList, told always); nullopt when there are none
// to read.
std::optional<std::vector<std::string>> ReadAutoVehicleList();

// The file the start-up loads for a list entry: VehiclesDir + entry + ".vd3".
std::string AutoVehiclePath(const std::string& entry);

// Loads every vehicle named in AppDir + "autoveh.lst" from VehiclesDir (name + ".vd3"),
// without selecting it. Missing or empty files are skipped silently; a file named again, in
// whatever way its path is written ("A", "./A", a link to it), is not read again; a line
// holding a NUL byte names no file and is refused. Once the vehicle list is full no file is
// loaded. Then one message at most, naming the list and the vehicles folder once and each file
// as its line does within that folder (a file outside it by its path), tells what went amiss:
// each refused file once, with the number of lines that named it and why; then each file
// loaded once although more lines named it, with that number; at most 20 files named in all,
// in at most some 24 lines, each part at least half of either when it has them, a part's others
// counted ("and N more."); then the notice of a full list naming the first file not loaded and
// counting the others (a line naming a file loaded is no other). The message fits a small
// screen whatever the names: a name, and each of the list's and the folder's paths, is
// shortened in its middle ("…") to about a line, with its control characters shown as signs
// ("␀" for a NUL byte), and a reason at its end to about two lines. "Error!" when a refused
// file is unusable, "Problem" for other refusals, a plain message for a full list, and
// information for repeats alone. A list file too large to be one is refused with a message.
// Afterwards the main window selects the first entry of its vehicle selector when VehicleCount
// is not 0.
// A listed file that cannot be read or reached (in a folder the user may not search) is refused
// with the system's reason, as a damaged one is.
void LoadAutoVehicles();

// A vehicle file picked for the start-up list: the entry it gives (its file name without the
// folder and without a ".vd3" in any letter case) and, when the entry would never load the
// picked vehicle at start-up, why not ("" when it will). Refused: a file that is empty or
// missing, one that cannot be read (named with the system's reason), one outside VehiclesDir,
// one that the loader's VehiclesDir + entry + ".vd3" does not reach (another extension, or ".vd3" in capitals on a file system that tells case apart), an
// empty entry (a file named ".vd3"), one holding a line break, a file the loader refuses on its
// own (CheckVehicleFile: damaged, too short or too long), an entry already in `listed`, and a
// vehicle of the name, or sharing the setup files, of one a listed entry's file already holds
// (the loader refuses such a second vehicle).
struct AutoVehicleChoice {
    std::string entry;
    std::string refusal;
};
AutoVehicleChoice CheckAutoVehicleChoice(const std::string& pickedPath,
                                         const std::vector<std::string>& listed);

// Writes the start-up vehicle list: each entry followed by CR LF, then one more CR LF.
// A failure is reported to the user and gives false; the old list then stays as it was.
bool SaveAutoVehicleList(const std::vector<std::string>& entries);

// What the language selection window shows after LoadLanguageList.
struct LanguageListContents {
    bool exists = false;             // false: the file is missing or empty; hide the window
    std::vector<std::string> items;  // the language names, in order
    bool hasChoice = false;          // true: set the selector's text to `choice`
    std::string choice;
};

// Reads "languages.lst" and sets LanguageIndex. Shows "The language list does not exist - the
// language cannot be changed." when the file is missing or empty (one that cannot be read is
// named with the reason instead), and "Invalid language selection." when the stored number
// points past the listed languages.
LanguageListContents LoadLanguageList();

// Rewrites "languages.lst" with the first line "Language: k", k the (last) listed language
// equal to `chosenLanguage` (0 for none; the empty piece after the final line end is no language,
// as LoadLanguageList counts), followed by the unchanged language names. Missing file:
// "The language list does not exist - the language cannot be saved." and false; a file that
// cannot be read is named with the reason, and false.
bool SaveLanguageChoice(const std::string& chosenLanguage);

// True when a path can be a line of a list file: it holds no line end (CR or LF), which would
// split it into two lines, and no NUL byte. A setup file of another path is not listed in Open
// Recent.
bool FitsOnAListLine(std::string_view path);

// Fills RecentFiles from "chassislab.mru" with the listed files that still exist (at most
// eight), each file once, as the first line naming it writes its path (judged as the start-up
// list judges, by the file a path leads to). A listed file that cannot be reached or read (one
// the user may not read too), and a line too long for a path, is left out, and one message
// names such files with the system's reason, each path once; the list written at shut-down then
// no longer holds them, so each is told once. The message keeps to a small screen as the
// start-up list's does: each path shortened in its middle to a line and a half, with its
// control characters as signs, and at most eight files in some 24 lines named, the others
// counted. A missing file, and a line holding a NUL byte (it names no file), are left out
// silently. True when at least one entry was taken; otherwise RecentFiles is left unchanged.
// A list that cannot be read (the user told) is left as it is at shut-down.
bool LoadRecentFiles();

// Writes the paths of the valid RecentFiles slots, each followed by CR LF, then one more CR LF.
// Nothing is written when the start could not read the list, nor, unless the start left out
// files it told of, when there are no entries or the paths are those LoadRecentFiles left (a
// file in another form, or naming files since gone, stays as it is: a read-only program folder
// is then no error). A failure is reported to the user and gives false.
bool SaveRecentFiles();

}  // namespace files
