// CSV export of what the setup reader window shows: 44 rows, each its caption and then the
// texts of its 1, 2 or 4 boxes (two check-box rows give 0 or 1), fields separated by ",", no
// header, no quoting (no caption or shown value holds a comma), every row ended by CR LF and
// one more CR LF after the last row.
#pragma once

#include <string>
#include <vector>

namespace files {

// One row of the export: the caption label's index and where its values come from.
struct SetupCsvRow {
    int labelIndex = 0;         // SetupLabel(labelIndex) holds the caption
    bool fromCheckBox = false;  // true: the value is SetupCheck(labelIndex)'s state
    std::vector<int> boxes;     // otherwise: SetupInfo indexes, in export order
};

// The 44 rows in file order.
const std::vector<SetupCsvRow>& SetupCsvRows();

// The file's text from each row's caption and values (same order as SetupCsvRows()).
struct SetupCsvLine {
    std::string caption;
    std::vector<std::string> values;
};
std::string BuildSetupCsv(const std::vector<SetupCsvLine>& lines);

}  // namespace files
