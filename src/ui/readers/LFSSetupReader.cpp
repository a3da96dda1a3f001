#include "ui/readers/LFSSetupReader.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "files/FileMessages.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/SetupCsv.hpp"
#include "files/SetupFile.hpp"
#include "files/SetupReaderTexts.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/readers/ReaderFileBytes.hpp"

namespace ui {
namespace {

struct LFSSetupReaderModule {
    platform::FormHolder<LFSSetupReader> Holder;
};

LFSSetupReaderModule& Module() {
    static LFSSetupReaderModule m;
    return m;
}

constexpr const char* kCaption = "LFS Setup Reader";

}  // namespace

LFSSetupReader::LFSSetupReader() : platform::Form("LFSSetupReader") {
    BuildLayout();
    SetCaption(kCaption);
    SetClosesOnEscape(true);
    Read->Click = [this] { BrowseSetupFileToRead(); };
    ReRead->Click = [this] { ReadSetupFile(); };
    ExportSetupToCSV->Click = [this] { ExportSetupToCsvCommand(); };
    Resize = [this] { KeepClientSize(); };
}

void LFSSetupReader::BrowseSetupFileToRead() {
    const auto& t = core::TextTable();
    platform::FileDialogRequest request;
    request.title = t.DlgTitleOpenSetup;
    request.filter = t.DlgFilterSetup + "*.set";
    request.initialFolder = core::GlobalChassisLab().SetupsDir;
    const auto chosen = ChooseFile(request, false);
    if (!chosen) return;
    // A file that is refused leaves the window showing the previous one, and Refresh reads
    // that one again.
    const std::string previous = SetupReaderPath;
    SetupReaderPath = *chosen;
    if (!ReadSetupFile()) SetupReaderPath = previous;
}

bool LFSSetupReader::ReadSetupFile() {
    const auto& t = core::TextTable();
    // A missing file says so; an empty or short one is not a setup file.
    const std::optional<std::string> bytes = ReadReaderFile(SetupReaderPath, files::kSetupFileSize);
    if (!bytes) return false;
    const auto record = files::ParseSetupRecord(*bytes);
    if (!record || record->Identifier != files::kSetupFileId) {
        files::ShowFileError(t.MsgBadSetupFile);
        return false;
    }
    if (record->Version != files::kSetupFileVersion) {
        files::ShowFileProblem(t.MsgBadSetupVersion);
        return false;
    }
    const files::SetupReaderDisplay d = files::SetupReaderTexts(*record);
    for (std::size_t i = 0; i < d.Info.size(); ++i)
        SetupInfo(static_cast<int>(i)).SetText(d.Info[i]);
    for (std::size_t i = 0; i < d.Checks.size(); ++i)
        SetupCheck(static_cast<int>(i)).SetValue(d.Checks[i]);
    BlankInfo.ForEach([&](int i, platform::TextBox& box) {
        box.SetText(d.Blanks[static_cast<std::size_t>(i)]);
    });
    ReRead->SetEnabled(true);
    SetCaption(std::string(kCaption) + " - Last File Read: " + files::PathInTitle(SetupReaderPath));
    return true;
}

void LFSSetupReader::ExportSetupToCsvCommand() {
    const auto& t = core::TextTable();
    platform::FileDialogRequest request;
    request.title = t.DlgTitleExportSetup;
    request.filter = t.DlgFilterCsv;
    request.defaultExtension = "csv";
    const auto path = ChooseFile(request, true);
    if (!path || !MayOverwrite(*path)) return;
    const std::string error = WriteSetupCsv(*path);
    if (!error.empty())
        files::ShowFileError("The file " + files::PathInMessage(*path) +
                             " could not be written.\r\n" + error);
}

std::string LFSSetupReader::WriteSetupCsv(const std::string& path) const {
    std::vector<files::SetupCsvLine> lines;
    for (const files::SetupCsvRow& row : files::SetupCsvRows()) {
        files::SetupCsvLine line{SetupLabel(row.labelIndex).Caption(), {}};
        if (row.fromCheckBox) {
            line.values.push_back(std::to_string(SetupCheck(row.labelIndex).Value()));
        } else {
            for (int box : row.boxes) line.values.push_back(SetupInfo(box).Text());
        }
        lines.push_back(std::move(line));
    }
    return files::ReplaceFileContents(path, files::BuildSetupCsv(lines));
}

LFSSetupReader& LFSSetupReaderWindow() { return Module().Holder.Get(); }

void ResetLFSSetupReader() { Module().Holder.Reset(); }

void ShowLFSSetupReader() { LFSSetupReaderWindow().Show(); }

}  // namespace ui
