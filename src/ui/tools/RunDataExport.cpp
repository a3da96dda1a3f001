#include "ui/tools/RunDataExport.hpp"

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "files/FileMessages.hpp"
#include "files/RunCsvExport.hpp"
#include "ui/tools/ExportProgress.hpp"

namespace ui {

bool WriteRunTableCsv(RunTable table, const std::string& path) {
    files::RunTableView view;
    if (table == RunTable::Acceleration) {
        const auto& s = analysis::AccelerationCode();
        view = {s.AccData, analysis::kAccColumns, s.AccLastStep, s.AccTimeStep};
    } else {
        const auto& s = analysis::DecelerationCode();
        view = {s.DecData, analysis::kDecColumns, s.DecLastStep, s.DecTimeStep};
    }
    const std::string error = files::ExportRunDataCsv(path, view, ExportProgressLinks());
    if (error.empty()) return true;
    files::ShowFileError("The file " + files::PathInMessage(path) + " could not be written.\r\n" +
                         error);
    return false;
}

void InstallRunDataExport(Main& form) { InstallRunCsvWriter(form, WriteRunTableCsv); }

}  // namespace ui
