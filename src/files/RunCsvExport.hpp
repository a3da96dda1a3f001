// CSV export of the acceleration and deceleration run tables: two header rows (column labels
// with the selected units, then the wheel names over the per-wheel groups), then one row per
// written step with the time and columns 0..45 converted to the display units.
//
// A table of more than 65534 rows is thinned: only every k-th step is written, so no export
// has more than 65534 data rows (what older spreadsheet programs can open).
//
// The text is built whole in memory, then written through a temporary file in the target's
// folder and renamed over it: a failed write leaves no partial file and an old file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace files {

inline constexpr int kRunCsvColumns = 46;           // table columns 0..45 are exported
inline constexpr int32_t kRunCsvMaxUnthinned = 65533;  // last step index written unthinned
inline constexpr int32_t kRunCsvProgressMax = 50;   // progress bar maximum during an export

// A run table as the runs store it: row s, column c at data[s * columns + c].
struct RunTableView {
    std::span<const float> data;
    std::size_t columns = 0;   // 47 for the acceleration table, 48 for the deceleration one
    int32_t lastStep = -1;     // N, index of the last valid row; below 1: an empty run
    float timeStep = 0.0f;     // s; step i is at time i x timeStep
};

// The progress window's side of an export; any member may be empty.
struct RunCsvProgress {
    std::function<void()> Show;
    std::function<void(int32_t)> SetMax;
    std::function<void(int32_t)> SetValue;
    std::function<void()> Hide;
};

// The stride k: 1 up to N = 65533, otherwise RoundToDecimals(N / 65533 + 2, 0) (120000 gives 4,
// 240000 gives 6, 65534 gives 3).
int32_t RunCsvStride(int32_t lastStep);

// The whole file's text, final extra CR LF included. Reports progress through SetValue (value
// i / (N / 50), rounded) but neither shows nor hides the window. Rows beyond what `data` holds
// are not written; an empty run (N = 0, or no run at all) gives the two header rows only.
std::string BuildRunCsv(const RunTableView& table, const RunCsvProgress& progress = {});

// Shows the progress window, builds the text, writes it to `path` (temporary file and rename)
// and hides the window, also on failure. Returns "" on success, otherwise the reason.
std::string ExportRunDataCsv(const std::string& path, const RunTableView& table,
                             const RunCsvProgress& progress = {});

}  // namespace files
