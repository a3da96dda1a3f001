#include "ui/tools/RunDataExport.hpp"

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "core/TextTable.hpp"
#include "files/FileMessages.hpp"
#include "files/RunCsvExport.hpp"
#include "ui/tools/ExportProgress.hpp"

namespace ui {
namespace {

void ExportRun(const std::string& title, const files::RunTableView& table) {
    const auto& t = core::TextTable();
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = t.DlgFilterCsv;
    request.defaultExtension = "csv";
    const platform::FileDialogResult chosen = platform::Services().fileDialogs->Save(request);
    if (!files::DialogGaveFile(chosen)) return;
    const std::string path = chosen.paths.front();
    RunDataExport().CsvExportPath = path;
    if (!files::MayOverwrite(path)) return;
    const std::string error = files::ExportRunDataCsv(path, table, ExportProgressLinks());
    if (!error.empty())
        files::ShowFileError("The file " + path + " could not be written.\r\n" + error);
}

}  // namespace

RunDataExportState& RunDataExport() {
    static RunDataExportState state;
    return state;
}

void ExportAccelerationData() {
    const auto& s = analysis::AccelerationCode();
    ExportRun(core::TextTable().DlgTitleExportAcc,
              {s.AccData, analysis::kAccColumns, s.AccLastStep, s.AccTimeStep});
}

void ExportDecelerationData() {
    const auto& s = analysis::DecelerationCode();
    ExportRun(core::TextTable().DlgTitleExportDec,
              {s.DecData, analysis::kDecColumns, s.DecLastStep, s.DecTimeStep});
}

}  // namespace ui
