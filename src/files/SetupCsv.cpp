#include "files/SetupCsv.hpp"

#include "core/TextTable.hpp"

namespace files {

const std::vector<SetupCsvRow>& SetupCsvRows() {
    static const std::vector<SetupCsvRow> rows = [] {
        std::vector<SetupCsvRow> r;
        r.push_back({1, true, {}});  // "Asymmetric Tyres"
        r.push_back({2, true, {}});  // "TC"
        for (int i = 3; i <= 18; ++i) r.push_back({i, false, {i}});
        // Suspension: rear box, then front box.
        for (int i = 19; i <= 29; i += 2) r.push_back({i, false, {i, i + 1}});
        // Final drive, seven gears, then the centre differential's three boxes.
        for (int i = 31; i <= 41; ++i) r.push_back({i, false, {i}});
        // Axle differentials and the tyre type and toe rows: rear, then front.
        for (int i = 42; i <= 54; i += 2) r.push_back({i, false, {i, i + 1}});
        // Camber adjust and pressures: RL, RR, FL, FR.
        for (int i : {56, 60}) r.push_back({i, false, {i, i + 1, i + 2, i + 3}});
        return r;
    }();
    return rows;
}

std::string BuildSetupCsv(const std::vector<SetupCsvLine>& lines) {
    const std::string& sep = core::TextTable().CsvSeparator;
    std::string text;
    for (const SetupCsvLine& line : lines) {
        text += line.caption;
        for (const std::string& v : line.values) text += sep + v;
        text += "\r\n";
    }
    return text + "\r\n";
}

}  // namespace files
