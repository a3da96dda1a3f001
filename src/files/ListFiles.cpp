#include "files/ListFiles.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/ShortenedText.hpp"
#include "files/TextFileLines.hpp"
#include "files/VehicleFile.hpp"
#include "files/FileMessages.hpp"
#include "platform/Services.hpp"
#include "vehicle/VehCode.hpp"

namespace files {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::string_view kVehicleExtension = ".vd3";  // of the files the start-up loads

// The largest list file read, in bytes. Real lists stay far below it: eight recent paths of at
// most 4096 bytes, or 200 start-up entries of at most 255 bytes, make some 50 kB.
constexpr std::size_t kMaxListFileBytes = 1 << 20;

constexpr std::string_view kWhatAListIs = "any list of the program";

// Reads a list file and splits it into lines. Read: `pieces` holds them; Missing: there is no
// such file, or it is empty; Unreadable or TooLarge: not read, and the user has been told.
TextFileRead ReadLines(const std::string& path, std::vector<std::string>& pieces) {
    return ReadTextFileLines(path, kMaxListFileBytes, kWhatAListIs, pieces);
}

// The text on one line: its line breaks written as "; ".
std::string OneLine(std::string text) {
    for (std::size_t at = text.find(kCrLf); at != std::string::npos; at = text.find(kCrLf, at))
        text.replace(at, 2, "; ");
    return text;
}

bool WriteListFile(const std::string& path, const std::string& text) {
    const std::string error = ReplaceFileContents(path, TextReadBackAsWritten(text));
    if (error.empty()) return true;
    ShowFileError("The file " + PathInMessage(path) + " could not be written.\r\n" + error);
    return false;
}

std::vector<std::string> RecentPaths(const ListFilesState& state) {
    std::vector<std::string> paths;
    const uint8_t count = std::min(state.RecentFilesCount, kMaxRecentFiles);
    for (uint8_t i = 0; i < count; ++i) paths.push_back(state.RecentFiles[i].Path);
    return paths;
}

// Index of the last piece of the language list that can name a language: the empty piece
// after the file's final line end is no entry. Reading and saving the choice both count with it,
// so a saved number always points at a piece the reader accepts.
std::size_t LastLanguagePiece(const std::vector<std::string>& pieces) {
    const std::size_t n = pieces.size() - 1;
    return n >= 1 && pieces[n].empty() ? n - 1 : n;
}

}  // namespace

ListFilesState& ListFiles() {
    static ListFilesState state;
    return state;
}

AutoVehicleListRead ReadAutoVehicleList(ListProblemTelling telling) {
    AutoVehicleListRead list;
    std::vector<std::string> pieces;
    list.read = ReadTextFileLines(core::GlobalChassisLab().AppDir + kAutoVehicleListFile,
                                  kMaxListFileBytes, kWhatAListIs, pieces, list.problem);
    std::string& told = ListFiles().AutoVehicleListProblem;
    if (!list.problem.empty() &&
        (telling == ListProblemTelling::Always || list.problem != told))
        ShowFileError(list.problem);
    told = list.problem;
    for (std::string& piece : pieces)
        if (!piece.empty()) list.entries.push_back(std::move(piece));
    return list;
}

std::optional<std::vector<std::string>> ReadAutoVehicleList() {
    AutoVehicleListRead list = ReadAutoVehicleList(ListProblemTelling::Always);
    if (list.read != TextFileRead::Read) return std::nullopt;
    return std::move(list.entries);
}

std::string AutoVehiclePath(const std::string& entry) {
    return core::GlobalChassisLab().VehiclesDir + entry + std::string(kVehicleExtension);
}

namespace {

// At most this many files are named in the start-up list's message; the rest are counted.
constexpr std::size_t kMaxFilesNamed = 20;

// The message's height, whatever the names: its lines are estimated at kLineUnits units
// (ShortenedText) a line, some 400 pixels of a message box's text, and the files named take at
// most kMaxLinesNamed of them between them. A name is shown within four fifths of such a line,
// leaving room for what a line breaking inside it wastes; a reason within two lines; and each of
// the two paths that open the message within a line and a half.
constexpr std::size_t kLineUnits = 80;
constexpr std::size_t kMaxLinesNamed = 24;
constexpr std::size_t kNameUnits = 64;
constexpr std::size_t kReasonUnits = 2 * kLineUnits;
constexpr std::size_t kPathUnits = 120;

// Why the start-up list passes over a line holding a NUL byte: the system would read its path
// only up to it, so it names no file.
constexpr const char* kHoldsNul = "holds a character no file name can hold";

// A vehicle file the start-up list names, and how its lines fared.
struct ListedFile {
    std::string path;       // as the first line naming it gives it
    std::size_t lines = 1;  // lines of the list naming it
    bool loaded = false;    // its vehicle joined the list (at the first line naming it)
    std::string refusal;    // why it was not loaded; "" when it was, or when it was skipped
    bool error = false;     // the file itself is unusable ("Error!"), not its vehicle
};

// What became of the list's lines: each file once, in the order of the first line naming it,
// and the files not loaded because the vehicle list was full.
struct StartUpListOutcome {
    std::vector<ListedFile> listed;
    std::size_t firstNotLoaded = 0;  // index in `listed`, when notLoaded > 0
    std::size_t notLoaded = 0;       // files (not lines) left out for the full vehicle list
};

// How the message names a listed file: as the list's line wrote it, within the vehicles folder
// the message names once ("A.vd3", "sub/A.vd3"); a file the line leads out of that folder
// ("../A") by its whole path. A control character is written as its sign ("␀" for a NUL byte),
// and a name wider than a line is shortened in its middle.
std::string ShownName(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string& folder = core::GlobalChassisLab().VehiclesDir;
    const fs::path normal = fs::path(path).lexically_normal();
    const fs::path within = normal.lexically_relative(fs::path(folder).lexically_normal());
    const std::string name = path.starts_with(folder) && !within.empty() && *within.begin() != ".."
                                 ? path.substr(folder.size())
                                 : normal.string();
    return ShortenedPath(name, kNameUnits);
}

// The line of the message naming a file: its name, the number of lines naming it and why it was
// refused, if it was.
std::string FileLine(const ListedFile& file) {
    return ShownName(file.path) + " (named on " + std::to_string(file.lines) +
           (file.lines == 1 ? " line)" : " lines)") +
           (file.refusal.empty() ? "" : ": " + ShortenedAtEnd(file.refusal, kReasonUnits));
}

// How many of its first files a part of the message names within `maxFiles` files and
// `maxLines` estimated lines, and the lines they take.
struct FilesNamed {
    std::size_t files = 0;
    std::size_t lines = 0;
};
FilesNamed FirstFilesWithin(const std::vector<const ListedFile*>& files, std::size_t maxFiles,
                            std::size_t maxLines) {
    FilesNamed named;
    for (; named.files < std::min(maxFiles, files.size()); ++named.files) {
        const std::size_t lines = EstimatedLines(FileLine(*files[named.files]), kLineUnits);
        if (named.lines + lines > maxLines) break;
        named.lines += lines;
    }
    return named;
}

// One part of the start-up list's message: its heading, then at most `named` of the files with
// the number of lines naming each and why it was refused (if it was), then how many more there
// are. Empty without files.
std::string MessagePart(const std::string& heading, const std::vector<const ListedFile*>& files,
                        std::size_t named) {
    if (files.empty()) return {};
    return heading + kCrLf +
           NamedFilesText(files.size(), [&files](std::size_t i) { return FileLine(*files[i]); },
                          named);
}

// Joins the parts of one message that are not empty, a blank line between two.
void JoinPart(std::string& text, const std::string& part) {
    if (!part.empty()) text += (text.empty() ? "" : "\r\n\r\n") + part;
}

// The notice that the vehicle list was full, naming the first file left out; empty when none
// was.
std::string FullListNotice(const StartUpListOutcome& outcome) {
    if (outcome.notLoaded == 0) return {};
    const std::string first = ShownName(outcome.listed[outcome.firstNotLoaded].path);
    const std::size_t more = outcome.notLoaded - 1;
    return core::TextTable().VehicleLimitText + "\r\nThe vehicle file " + first +
           (more == 0 ? " of the start-up list was not loaded."
                      : " and " + std::to_string(more) +
                            " more after it in the start-up list were not loaded.");
}

// One message for the whole list: the list and the vehicles folder, named once; the files not
// loaded, each once with the number of lines that named it and why; the files loaded once
// although more lines named them; then the notice of a full vehicle list. Nothing when all
// went well. The two parts name kMaxFilesNamed files in kMaxLinesNamed lines between them, each
// part at least half of either when it has that many, so the message fits a small screen.
void TellStartUpListOutcome(const StartUpListOutcome& outcome) {
    std::vector<const ListedFile*> refused, repeated;
    bool error = false;
    for (const ListedFile& file : outcome.listed) {
        if (!file.refusal.empty()) {
            refused.push_back(&file);
            error = error || file.error;
        } else if (file.loaded && file.lines > 1) {
            repeated.push_back(&file);
        }
    }
    if (refused.empty() && repeated.empty() && outcome.notLoaded == 0) return;
    const auto& g = core::GlobalChassisLab();
    std::string text =
        "Vehicle files of the start-up list " +
        ShortenedInMiddle(g.AppDir + kAutoVehicleListFile, kPathUnits) +
        ", named within the folder " + ShortenedInMiddle(g.VehiclesDir, kPathUnits) + ":";
    // The repeated files claim up to half of the names and lines, the refused ones take what
    // that leaves, and the repeated ones then what the refused ones leave.
    const FilesNamed claim = FirstFilesWithin(repeated, kMaxFilesNamed / 2, kMaxLinesNamed / 2);
    const FilesNamed refusedNamed = FirstFilesWithin(refused, kMaxFilesNamed - claim.files,
                                                     kMaxLinesNamed - claim.lines);
    const FilesNamed repeatedNamed =
        FirstFilesWithin(repeated, kMaxFilesNamed - refusedNamed.files,
                         kMaxLinesNamed - refusedNamed.lines);
    JoinPart(text, MessagePart("Not loaded:", refused, refusedNamed.files));
    JoinPart(text, MessagePart("Loaded once, their repeated lines skipped:", repeated,
                               repeatedNamed.files));
    JoinPart(text, FullListNotice(outcome));
    if (error)
        ShowFileError(text);
    else if (!refused.empty())
        ShowFileProblem(text);
    else if (outcome.notLoaded > 0)
        platform::MsgBox(text);  // as the full vehicle list is told everywhere
    else
        platform::MsgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Information);
}

}  // namespace

void LoadAutoVehicles() {
    const auto entries = ReadAutoVehicleList();
    if (!entries) return;
    // Each file once, in the order of the first line naming it; reserved, so an element stays
    // where it is while others are added.
    StartUpListOutcome outcome;
    std::vector<ListedFile>& listed = outcome.listed;
    std::unordered_map<FileIdentity, std::size_t, FileIdentityHash> fileAt;
    std::unordered_map<std::string, std::size_t> refusedPathAt;  // lines naming no reachable file
    listed.reserve(entries->size());
    fileAt.reserve(entries->size());
    for (const std::string& entry : *entries) {
        std::string path = AutoVehiclePath(entry);
        // Cut at the NUL, the line would name another file (or one without ".vd3"). A file that
        // cannot be reached (in a folder the user may not search) has no identity to know it
        // by: such lines are told apart by their paths.
        const bool holdsNul = HoldsNul(entry);
        const FileReach reach = holdsNul ? FileReach{} : ReachFile(path);
        if (holdsNul || reach.Unreachable()) {
            const auto [at, first] = refusedPathAt.try_emplace(path, listed.size());
            if (!first) {
                ++listed[at->second].lines;
                continue;
            }
            ListedFile& file = listed.emplace_back();
            file.path = std::move(path);
            file.refusal = holdsNul ? kHoldsNul : CannotReadReason(reach.error);
            file.error = !holdsNul;
            continue;
        }
        // Missing and empty files are skipped silently.
        if (reach.check != 1) continue;
        // A file named again, in whatever way its line writes its path, is told by its identity.
        const auto [at, first] = fileAt.try_emplace(reach.identity, listed.size());
        if (!first) {
            // A file named again is not read again: one more line naming it.
            ++listed[at->second].lines;
            continue;
        }
        ListedFile& file = listed.emplace_back();
        file.path = std::move(path);
        if (vehicle::VehicleListFull()) {
            // Said once, with the number of files left out: a line naming a file already
            // loaded is a repeat still, not one more left out.
            if (outcome.notLoaded++ == 0) outcome.firstNotLoaded = listed.size() - 1;
            continue;
        }
        const std::optional<VehicleLoadRefusal> refusal = AddVehicleFromFile(file.path, false);
        file.loaded = !refusal;
        if (!refusal) continue;
        file.refusal = OneLine(refusal->text);
        file.error = refusal->kind == VehicleLoadRefusal::Kind::Error;
    }
    TellStartUpListOutcome(outcome);
}

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    const std::string_view end = text.substr(text.size() - tail.size());
    return std::equal(end.begin(), end.end(), tail.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

// The vehicle's name held by a vehicle data file the loader takes on its own.
std::optional<std::string> VehicleNameIn(const std::string& path) {
    std::optional<VehicleFileRecord> record = CheckVehicleFile(path).record;
    if (!record) return std::nullopt;
    return std::move(record->Vehicle.Name);
}

}  // namespace

AutoVehicleChoice CheckAutoVehicleChoice(const std::string& pickedPath,
                                         const std::vector<std::string>& listed) {
    const std::string& folder = core::GlobalChassisLab().VehiclesDir;
    const std::string fileName = std::filesystem::path(pickedPath).filename().string();
    // The name as every message shows one: its control characters as signs (a line break in it
    // would otherwise split its line of the message in two), a very long one shortened.
    const std::string shown = PathInMessage(fileName);
    AutoVehicleChoice choice;
    choice.entry = fileName;
    if (EndsWithNoCase(fileName, kVehicleExtension))
        choice.entry.resize(fileName.size() - kVehicleExtension.size());

    if (const FileReach reach = ReachFile(pickedPath); reach.Unreachable()) {
        choice.refusal = shown + " " + CannotReadReason(reach.error);
    } else if (reach.check != 1) {
        choice.refusal = shown + " is empty or cannot be found.";
    } else if (!SameFile(std::filesystem::path(pickedPath).parent_path().string(), folder)) {
        choice.refusal = shown + " is not in the vehicles folder " + PathInMessage(folder) +
                         "; only vehicles there load at start-up.";
    } else if (!SameFile(AutoVehiclePath(choice.entry), pickedPath)) {
        choice.refusal = shown + " does not end in \".vd3\"; only such files load at start-up.";
    } else if (choice.entry.empty()) {
        // The list would hold an empty line, which the start-up skips.
        choice.refusal =
            shown + " has no name before \".vd3\"; the start-up list cannot name it.";
    } else if (choice.entry.find_first_of("\r\n") != std::string::npos) {
        // The list holds one entry a line: the name would be split into two.
        choice.refusal =
            shown + " has a line break in its name; the start-up list cannot name it.";
    } else if (const VehicleFileCheck check = CheckVehicleFile(pickedPath); !check.record) {
        // One line a file in the editor's message: "Not a valid vehicle data file; Value ...";
        // a file that cannot be read "cannot be read: Permission denied".
        choice.refusal = shown + (check.readError != 0 ? " " : " cannot be loaded: ") +
                         OneLine(check.refusal);
    } else if (std::find(listed.begin(), listed.end(), choice.entry) != listed.end()) {
        choice.refusal = choice.entry + " is already in the list.";
    } else {
        const std::string& name = check.record->Vehicle.Name;
        for (const std::string& other : listed) {
            const std::optional<std::string> otherName = VehicleNameIn(AutoVehiclePath(other));
            if (!otherName || !ShareSetupFiles(name, *otherName)) continue;
            // The loader refuses a second vehicle of one name, or of one whose setup files
            // another's would share.
            const std::string held = core::Trim(name) == core::Trim(*otherName)
                                         ? core::Trim(name)
                                         : "\"" + core::TrimRight(name) +
                                               "\", whose setup files would be those of \"" +
                                               core::TrimRight(*otherName) + "\"";
            choice.refusal = shown + " holds the vehicle " + held + ", which " + other +
                             " in the list already loads.";
            break;
        }
    }
    return choice;
}

bool SaveAutoVehicleList(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) text += entry + kCrLf;
    text += kCrLf;
    return WriteListFile(core::GlobalChassisLab().AppDir + kAutoVehicleListFile, text);
}

LanguageListContents LoadLanguageList() {
    LanguageListContents result;
    auto& state = ListFiles();
    std::vector<std::string> pieces;
    const TextFileRead read =
        ReadLines(core::GlobalChassisLab().AppDir + kLanguageListFile, pieces);
    if (read != TextFileRead::Read) {
        if (read == TextFileRead::Missing)
            platform::MsgBox("The language list does not exist - the language cannot be changed.");
        return result;
    }
    result.exists = true;

    // The number is read from the last two characters of the first line ("Language: 3").
    // A negative or unreadable number means no language chosen.
    const std::string& first = pieces[0];
    const std::string lastTwo = first.size() > 2 ? first.substr(first.size() - 2) : first;
    const auto index = core::CByteChecked(core::Val(lastTwo));
    state.LanguageIndex = index.inRange ? index.value : 0;

    const std::size_t last = LastLanguagePiece(pieces);
    for (std::size_t i = 1; i <= last; ++i) result.items.push_back(pieces[i]);

    if (state.LanguageIndex != 0) {
        // A number past the listed languages, or one pointing at the empty piece after the
        // final line end, names no language.
        if (state.LanguageIndex > last) {
            platform::MsgBox("Invalid language selection.");
            return result;
        }
        result.hasChoice = true;
        result.choice = pieces[state.LanguageIndex];
    } else if (last >= 1) {
        result.hasChoice = true;
        result.choice = pieces[1];
    }
    return result;
}

bool SaveLanguageChoice(const std::string& chosenLanguage) {
    const std::string path = core::GlobalChassisLab().AppDir + kLanguageListFile;
    std::vector<std::string> pieces;
    const TextFileRead read = ReadLines(path, pieces);
    if (read != TextFileRead::Read) {
        if (read == TextFileRead::Missing)
            platform::MsgBox("The language list does not exist - the language cannot be saved.");
        return false;
    }
    std::size_t k = 0;
    const std::size_t last = LastLanguagePiece(pieces);
    for (std::size_t i = 1; i <= last; ++i) {
        if (pieces[i] == chosenLanguage) k = i;
    }
    std::string text = "Language: " + std::to_string(k);
    for (std::size_t i = 1; i < pieces.size(); ++i) text += kCrLf + pieces[i];
    if (text.ends_with(kCrLf)) text.resize(text.size() - 2);
    return WriteListFile(path, text + kCrLf);
}

bool FitsOnAListLine(std::string_view path) {
    // One search per byte (memchr) costs less than one search for any of three.
    for (const char c : {'\r', '\n', '\0'})
        if (path.find(c) != std::string_view::npos) return false;
    return true;
}

namespace {

// A listed recent file that cannot be reached or read, and why: the system's error number.
struct UnreachableRecentFile {
    std::string path;
    int error = 0;
};

// Tells which listed recent files cannot be reached or read, each with the system's reason,
// within the bounds of the start-up list's message: each path within a line and a half, so
// that with the system's reason (some 50 characters at most) a file takes three lines, and at
// most kMaxRecentFiles of them (a list of that many lines), so within kMaxLinesNamed lines;
// the others counted.
void TellUnreachableRecentFiles(const std::vector<UnreachableRecentFile>& files) {
    if (files.empty()) return;
    const auto lineOf = [&files](std::size_t i) {
        return "The file " + ShortenedPath(files[i].path, kPathUnits) + " " +
               CannotReadReason(files[i].error);
    };
    ShowFileError(NamedFilesText(files.size(), lineOf, kMaxRecentFiles));
}

// Takes the listed files that still exist into RecentFiles, whatever the line ends (a list of
// one path with or without a line end after it too); false (RecentFiles unchanged) when there
// is no list to read. Sets how the list is treated at shut-down.
bool TakeRecentFiles(ListFilesState& state) {
    std::vector<std::string> pieces;
    switch (ReadLines(core::GlobalChassisLab().AppDir + kRecentFilesFile, pieces)) {
        case TextFileRead::Read: break;
        case TextFileRead::Missing: return false;
        case TextFileRead::Unreadable:
        case TextFileRead::TooLarge:
            // Written over, the list would lose the entries it holds.
            state.RecentListWrite = RecentListAtExit::Keep;
            return false;
    }
    state.RecentFilesCount = 0;
    std::vector<UnreachableRecentFile> unreachable;
    std::unordered_set<std::string> told;  // paths in `unreachable`
    // Each file once, as its first line names it, however the lines write its path.
    std::unordered_set<FileIdentity, FileIdentityHash> taken;
    for (const std::string& piece : pieces) {
        // A file gone since, and a line holding a NUL byte (a damaged list's; it names no
        // file), are dropped silently; a file that cannot be reached or read, and a line too
        // long for a path, are dropped and named with the reason.
        if (HoldsNul(piece)) continue;
        FileReach reach = ReachFile(piece);
        if (reach.check == 1) {
            if (taken.contains(reach.identity)) continue;
            // A file that exists but cannot be read (mode 000 in a folder the user may search)
            // is told of as one that cannot be reached.
            if (const int error = OpenForReadingError(piece); error != 0) reach = {-1, error};
        }
        if (reach.Unreachable()) {
            if (told.insert(piece).second) unreachable.push_back({piece, reach.error});
            continue;
        }
        if (reach.check != 1) continue;
        taken.insert(reach.identity);
        RecentFileEntry& slot = state.RecentFiles[state.RecentFilesCount];
        slot.Path = piece;
        slot.Title = StripSetExtension(GetFileNamePart(piece));
        if (++state.RecentFilesCount == kMaxRecentFiles) break;
    }
    TellUnreachableRecentFiles(unreachable);
    // Once told, a file left out is no longer listed: the list is written at shut-down.
    if (!unreachable.empty()) state.RecentListWrite = RecentListAtExit::Write;
    return state.RecentFilesCount > 0;
}

}  // namespace

bool LoadRecentFiles() {
    auto& state = ListFiles();
    state.RecentListWrite = RecentListAtExit::WriteWhenChanged;
    const bool taken = TakeRecentFiles(state);
    state.RecentPathsLoaded = RecentPaths(state);
    return taken;
}

bool SaveRecentFiles() {
    const auto& state = ListFiles();
    const std::vector<std::string> paths = RecentPaths(state);
    switch (state.RecentListWrite) {
        case RecentListAtExit::Keep: return true;
        case RecentListAtExit::WriteWhenChanged:
            if (paths.empty() || paths == state.RecentPathsLoaded) return true;
            break;
        case RecentListAtExit::Write: break;
    }
    std::string text;
    for (const std::string& path : paths) text += path + kCrLf;
    text += kCrLf;
    return WriteListFile(core::GlobalChassisLab().AppDir + kRecentFilesFile, text);
}

}  // namespace files
