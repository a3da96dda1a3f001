#include "ui/main/menus/FileMenu.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/SetupFileContext.hpp"
#include "files/VehicleFile.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "vehicle/VehCode.hpp"

namespace ui {

namespace {

constexpr const char* kSetupPattern = "*.set";

platform::FileDialogRequest Request(std::string title, std::string filter, std::string fileName,
                                    std::string defaultExtension, std::string folder) {
    platform::FileDialogRequest r;
    r.title = std::move(title);
    r.filter = std::move(filter);
    r.fileName = std::move(fileName);
    r.defaultExtension = std::move(defaultExtension);
    r.initialFolder = std::move(folder);
    r.multiSelect = false;
    return r;
}

void ShowNoCurrentSetup(Main& form) {
    form.SetCaption(core::TextTable().MainWindowTitle);
    form.FileClose->SetEnabled(false);
}

void ExportRun(Main& form, RunTable table) {
    auto& state = FileMenu();
    if (!state.WriteRunCsv) return;
    const auto& t = core::TextTable();
    const std::string title =
        table == RunTable::Acceleration ? t.DlgTitleExportAcc : t.DlgTitleExportDec;
    const auto path = ChooseFile(Request(title, t.DlgFilterCsv, "", "csv",
                                         files::GetFolderPart(state.CsvExportPath)),
                                 true);
    if (!path) return;
    state.CsvExportPath = *path;
    if (!MayOverwrite(*path)) return;
    state.WriteRunCsv(table, *path);
    (void)form;
}

}  // namespace

FileMenuState& FileMenu() {
    static FileMenuState state;
    return state;
}

void InstallRunCsvWriter(Main& form, RunCsvWriter writer) {
    FileMenu().WriteRunCsv = std::move(writer);
    const bool on = static_cast<bool>(FileMenu().WriteRunCsv);
    form.ExportAccelerationData->SetEnabled(on);
    form.ExportDecelerationData->SetEnabled(on);
}

std::optional<std::string> ChooseFile(const platform::FileDialogRequest& request, bool save) {
    auto& dialogs = *platform::Services().fileDialogs;
    const platform::FileDialogResult r = save ? dialogs.Save(request) : dialogs.Open(request);
    if (r.cancelled || r.errorNumber == platform::kCancelErrorNumber) return std::nullopt;
    if (r.errorNumber != 0) {
        platform::MsgBox("Error " + std::to_string(r.errorNumber) + "\r\n" + r.errorDescription);
        return std::nullopt;
    }
    if (r.paths.empty() || r.paths.front().empty()) return std::nullopt;
    // A dialog adds the default extension only to a name without one of its own.
    return save ? files::WithDefaultExtension(r.paths.front(), request.defaultExtension)
                : r.paths.front();
}

bool MayOverwrite(const std::string& path) {
    if (files::CheckFile(path) != 1) return true;
    const auto& t = core::TextTable();
    // The name as every message shows one: a control character as its sign, so a TAB or a
    // line feed in it does not break the question.
    const std::string text =
        t.MsgOverwritePrefix + files::PathInMessage(files::GetFileNamePart(path)) + t.MsgOverwriteSuffix;
    return platform::MsgBox(text, platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                            t.MsgTitleFileExists) == platform::MsgAnswer::Yes;
}

std::string SetupNamePrefix() {
    const auto& g = core::GlobalChassisLab();
    if (core::FromVbBool(core::OptionsSettings().LFSMode) && core::FromVbBool(g.HasLFSCar))
        return core::Trim(g.CurrentLFSCar.Code);
    return files::SetupFileStem(g.CurrentVehicle.Name);
}

void Main_FileOpenSetup_Click(Main& form) {
    (void)form;
    const auto& t = core::TextTable();
    const bool filtered = core::FromVbBool(core::OptionsSettings().FilterSetupsOnOpen);
    const std::string pattern =
        filtered ? files::SetupFilePattern(SetupNamePrefix()) : std::string(kSetupPattern);
    const auto path = ChooseFile(
        Request(t.DlgTitleOpenSetup, t.DlgFilterSetup + pattern, "", "",
                core::GlobalChassisLab().SetupsDir),
        false);
    if (!path) return;
    files::SetupFile().SetupOpenPath = *path;
    if (OpenSetupFile(true)) AddRecentFile(*path);
}

void Main_FileSaveSetup_Click(Main& form) {
    if (files::SetupFile().SetupSavePath.empty()) {
        Main_FileSaveAs_Click(form);
        return;
    }
    SaveSetupFile();  // a failure has been reported; nothing else changes
}

void Main_FileSaveAs_Click(Main& form) {
    if (!SetupCanBeSaved()) return;  // before a dialog whose choice could not be saved
    const auto& t = core::TextTable();
    auto& setup = files::SetupFile();
    for (;;) {
        std::string proposal =
            setup.SetupSavePath.empty() ? SetupNamePrefix() + "_" : setup.SetupSavePath;
        proposal = files::GetFolderPart(proposal) +
                   files::SanitiseFileName(files::GetFileNamePart(proposal));
        const std::string filter = t.DlgFilterSetup + files::SetupFilePattern(SetupNamePrefix());
        const std::string& folder = core::GlobalChassisLab().SetupsDir;
        const auto path =
            ChooseFile(Request(t.DlgTitleSaveSetup, filter, proposal, "set", folder), true);
        if (!path) return;
        if (!MayOverwrite(*path)) continue;  // No: choose again

        const std::string previous = setup.SetupSavePath;
        setup.SetupSavePath = *path;
        if (!SaveSetupFile()) {
            setup.SetupSavePath = previous;  // the current file stays what it was
            return;
        }
        form.SetCaption(SetupFileCaption(*path));
        form.FileClose->SetEnabled(true);
        AddRecentFile(*path);
        return;
    }
}

void Main_FileClose_Click(Main& form) {
    files::SetupFile().SetupSavePath.clear();
    ShowNoCurrentSetup(form);
}

bool LoadVehicleFileIntoWindow(Main& form, const std::string& path, bool select) {
    if (!files::LoadVehicleFile(path, select)) return false;
    const std::string name = core::GlobalChassisLab().Vehicles.back().Name;
    form.Main_SelectVeh->AddItem(name);
    // Choosing it raises the selector's Click, which selects the vehicle as a person's choice.
    if (select) form.Main_SelectVeh->SetText(name);
    form.VehData_EditExisting->SetEnabled(true);
    return true;
}

void Main_FileLoadVehicle_Click(Main& form) {
    // An open editor is cancelled first: the loaded vehicle replaces what it shows.
    if (core::FromVbBool(vehicle::VehCode().EditorOpen)) Main_VehData_Cancel_Click(form);
    const auto& t = core::TextTable();
    const auto path = ChooseFile(Request(t.DlgTitleOpenVehicle, t.DlgFilterVehicle, "", "",
                                         core::GlobalChassisLab().VehiclesDir),
                                 false);
    if (!path) return;
    LoadVehicleFileIntoWindow(form, *path, true);
}

void Main_FileSaveVehicle_Click(Main& form) {
    const auto& g = core::GlobalChassisLab();
    // The vehicle the selector names; never some other vehicle under the chosen name.
    const std::string& chosen = form.Main_SelectVeh->Text();
    std::optional<std::size_t> index;
    for (std::size_t i = 0; i < g.Vehicles.size(); ++i) {
        if (g.Vehicles[i].Name == chosen) {
            index = i;
            break;
        }
    }
    if (!index) {
        platform::MsgBox("No loaded vehicle to save.");
        return;
    }
    const auto& t = core::TextTable();
    const std::string proposal = files::VehicleFileStem(g.Vehicles[*index].Name) + ".vd3";
    const auto path = ChooseFile(
        Request(t.DlgTitleSaveVehicle, t.DlgFilterVehicle, proposal, "vd3", g.VehiclesDir), true);
    if (!path || !MayOverwrite(*path)) return;
    files::SaveVehicleFile(static_cast<uint8_t>(*index), *path);
}

void Main_ExportAccelerationData_Click(Main& form) { ExportRun(form, RunTable::Acceleration); }
void Main_ExportDecelerationData_Click(Main& form) { ExportRun(form, RunTable::Deceleration); }

void Main_FileExit_Click(Main& form) { form.Unload(); }

}  // namespace ui
