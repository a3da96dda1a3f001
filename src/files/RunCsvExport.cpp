#include "files/RunCsvExport.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/StringConcat.hpp"

namespace files {
namespace {

using core::Quantity;

constexpr const char* kCrLf = "\r\n";

// Number texts in the classic Str form: one blank before a value that is not negative, "-"
// before a negative one, "." as the point, no grouping. Magnitudes below 1 keep their leading
// zero ("0.5", not ".5"): the file is read by spreadsheets and scripts, and both forms read
// the same, so the plainer one is written. Singles carry at most 7 significant digits,
// Doubles 15 (a Single table value times a Double unit factor is a Double). A value of a run
// gone wrong (not a number, infinite) leaves its cell empty, which spreadsheets read as
// missing.
std::string StrSingle(float v) {
    if (!std::isfinite(v)) return {};
    return (v >= 0.0f ? " " : "") + core::SingleText(v);
}
std::string StrDouble(double v) {
    if (!std::isfinite(v)) return {};
    return (v >= 0.0 ? " " : "") + core::DoubleText(v);
}

// How a table column becomes a cell.
enum class CellKind {
    Factor,    // value x the quantity's unit factor, written as a Double
    Percent,   // value x 100, a Single
    AsStored,  // the Single as it is
    YesNo,     // -1 "Yes", 0 "No", anything else an empty cell
};

struct ColumnRule {
    CellKind kind;
    Quantity quantity;  // for Factor
};

constexpr ColumnRule Factor(Quantity q) { return {CellKind::Factor, q}; }
constexpr ColumnRule kPercent{CellKind::Percent, Quantity::Speed};
constexpr ColumnRule kAsStored{CellKind::AsStored, Quantity::Speed};
constexpr ColumnRule kYesNo{CellKind::YesNo, Quantity::Speed};

// Columns 0..45 of both run tables (the deceleration table holds the braking counterparts in
// the same places). Column 39 is the fuel left in litres: shown in the volume unit, converted.
constexpr std::array<ColumnRule, kRunCsvColumns> kColumnRules = [] {
    std::array<ColumnRule, kRunCsvColumns> r{};
    r[0] = Factor(Quantity::ARV);
    r[1] = kPercent;
    r[2] = kAsStored;
    for (int c = 3; c <= 8; ++c) r[c] = Factor(Quantity::Force);
    r[9] = Factor(Quantity::Acc);
    r[10] = Factor(Quantity::Force);
    r[11] = Factor(Quantity::Speed);
    r[12] = Factor(Quantity::DistanceLarge);
    for (int c = 13; c <= 16; ++c) r[c] = Factor(Quantity::Force);
    for (int c = 17; c <= 20; ++c) r[c] = Factor(Quantity::DistanceSmall);
    for (int c = 21; c <= 24; ++c) r[c] = Factor(Quantity::Torque);
    for (int c = 25; c <= 28; ++c) r[c] = kYesNo;
    for (int c = 29; c <= 37; ++c) r[c] = Factor(Quantity::DistanceSmall);
    r[38] = kPercent;
    r[39] = Factor(Quantity::Volume);
    r[40] = Factor(Quantity::Angle);
    r[41] = Factor(Quantity::Angle);
    for (int c = 42; c <= 45; ++c) r[c] = kPercent;
    return r;
}();

// One item of header row 1.
struct HeaderItem {
    std::string label;
    enum { Unit, Fixed, None } unitKind;
    Quantity quantity;      // Unit
    const char* fixed;      // Fixed
    bool wheelGroup;        // heads four columns
};

std::vector<HeaderItem> HeaderItems() {
    const auto& t = core::TextTable();
    auto unit = [](std::string label, Quantity q, bool gap = false) {
        return HeaderItem{std::move(label), HeaderItem::Unit, q, nullptr, gap};
    };
    auto fixed = [](std::string label, const char* text, bool gap = false) {
        return HeaderItem{std::move(label), HeaderItem::Fixed, Quantity::Speed, text, gap};
    };
    auto none = [](std::string label, bool gap = false) {
        return HeaderItem{std::move(label), HeaderItem::None, Quantity::Speed, nullptr, gap};
    };
    return {
        fixed(t.CsvLabelTime, "s"),
        unit(t.CsvLabelEngineAngVel, Quantity::ARV),
        fixed("Clutch Engagement", "%"),
        none(t.CsvLabelGear),
        unit(t.CsvLabelDrivingForce, Quantity::Force),
        unit("Total Lift", Quantity::Force),
        unit("Total Air Drag", Quantity::Force),
        unit("Rolling Resistance", Quantity::Force),
        unit(t.CsvLabelResistance, Quantity::Force),
        unit(t.CsvLabelNetForce, Quantity::Force),
        unit(t.CsvLabelAcceleration, Quantity::Acc),
        unit("Weight Transferred", Quantity::Force),
        unit(t.CsvLabelSpeed, Quantity::Speed),
        unit("Distance", Quantity::DistanceLarge),
        unit(t.CsvLabelTyreVerticalLoad, Quantity::Force, true),
        unit("Tyre Vertical Deformation", Quantity::DistanceSmall, true),
        unit("Tyre Angular Momentum Torque", Quantity::Torque, true),
        none("Tyre Traction Limited?", true),
        unit("Loaded Spring Length", Quantity::DistanceSmall, true),
        unit("CoG Height", Quantity::DistanceSmall),
        unit("Body Aero Centre Height", Quantity::DistanceSmall),
        unit("Undertray Height", Quantity::DistanceSmall),
        unit("Front Wing Height", Quantity::DistanceSmall),
        unit("Rear Wing Height", Quantity::DistanceSmall),
        fixed("Throttle or Brake Application", "%"),
        unit("Fuel", Quantity::Volume),
        unit("Front Wing Angle", Quantity::Angle),
        unit("Rear Wing Angle", Quantity::Angle),
        fixed("Tyre Slip", "%", true),
    };
}

void AddHeaderRows(StringConcat& out) {
    const auto& t = core::TextTable();
    for (const HeaderItem& item : HeaderItems()) {
        out.Add(item.label);
        if (item.unitKind == HeaderItem::None) {
            out.Add(t.CsvSeparator);
        } else {
            const std::string unit = item.unitKind == HeaderItem::Fixed
                                         ? std::string(item.fixed)
                                         : core::Trim(core::UnitSuffix(item.quantity));
            out.Add(" ");
            out.Add(t.UnitOpenBracket);
            out.Add(unit);
            out.Add(t.CsvUnitClose);
        }
        if (item.wheelGroup) out.Add(t.CsvWheelGap);
    }
    out.Add(kCrLf);

    // Wheel names over the five wheel groups of items 15..19 and over the tyre slip group.
    std::string wheels;
    for (const std::string* axle : {&t.FrontText, &t.RearText}) {
        for (const std::string* side : {&t.LeftText, &t.RightText})
            wheels += *axle + " " + *side + t.CsvSeparator;
    }
    for (int i = 0; i < 14; ++i) out.Add(t.CsvSeparator);
    for (int g = 0; g < 5; ++g) out.Add(wheels);
    for (int i = 0; i < 9; ++i) out.Add(t.CsvSeparator);
    out.Add(wheels);
    out.Add(kCrLf);
}

std::string CellText(const ColumnRule& rule, float value, const std::array<double, 21>& factors) {
    const auto& t = core::TextTable();
    switch (rule.kind) {
        case CellKind::Factor:
            return StrDouble(static_cast<double>(value) *
                             factors[core::QuantityIndex(rule.quantity)]);
        case CellKind::Percent:
            return StrSingle(value * 100.0f);
        case CellKind::AsStored:
            return StrSingle(value);
        case CellKind::YesNo:
            if (value == -1.0f) return t.YesText;
            if (value == 0.0f) return t.NoText;
            return {};
    }
    return {};
}

}  // namespace

int32_t RunCsvStride(int32_t lastStep) {
    if (lastStep <= kRunCsvMaxUnthinned) return 1;
    const auto argument =
        static_cast<float>(static_cast<double>(lastStep) / kRunCsvMaxUnthinned + 2.0);
    return static_cast<int32_t>(core::RoundToDecimals(argument, 0));
}

std::string BuildRunCsv(const RunTableView& table, const RunCsvProgress& progress) {
    const auto& t = core::TextTable();
    StringConcat out;
    AddHeaderRows(out);

    // Only whole rows the table really holds are written.
    int32_t last = table.lastStep;
    if (table.columns < static_cast<std::size_t>(kRunCsvColumns)) {
        last = -1;
    } else {
        const auto rows = static_cast<int64_t>(table.data.size() / table.columns);
        last = static_cast<int32_t>(std::min<int64_t>(last, rows - 1));
    }

    std::array<double, 21> factors{};
    for (std::size_t q = 0; q < factors.size(); ++q)
        factors[q] = core::UnitData(core::QuantityAt(q)).Factor;

    // A run that never left its first step (N = 0) is an empty run: the two header rows and
    // no data rows. This also keeps the progress divisor N / 50 away from zero.
    if (last < 1) last = -1;
    // Progress divisor N / 50 in single precision.
    const auto divisor = static_cast<float>(static_cast<double>(last) / kRunCsvProgressMax);
    const int32_t stride = RunCsvStride(last);
    for (int32_t i = 0; i <= last; i += stride) {
        if (progress.SetValue) {
            const auto share = static_cast<float>(i / static_cast<double>(divisor));
            progress.SetValue(static_cast<int32_t>(core::RoundToDecimals(share, 0)));
        }
        const auto time = static_cast<float>(static_cast<double>(table.timeStep) * i);
        out.Add(StrSingle(core::RoundToDecimals(time, 4)));
        out.Add(t.CsvSeparator);
        const float* row = table.data.data() + static_cast<std::size_t>(i) * table.columns;
        for (int c = 0; c < kRunCsvColumns; ++c) {
            out.Add(CellText(kColumnRules[static_cast<std::size_t>(c)], row[c], factors));
            out.Add(c + 1 < kRunCsvColumns ? t.CsvSeparator : std::string(kCrLf));
        }
    }
    out.Add(kCrLf);
    return out.GetStr();
}

std::string ExportRunDataCsv(const std::string& path, const RunTableView& table,
                             const RunCsvProgress& progress) {
    if (progress.Show) progress.Show();
    if (progress.SetMax) progress.SetMax(kRunCsvProgressMax);
    std::string error;
    try {
        const std::string text = BuildRunCsv(table, progress);
        if (progress.SetValue) progress.SetValue(kRunCsvProgressMax);
        error = ReplaceFileContents(path, text);
    } catch (const std::exception& e) {
        // Out of memory for a very long run: the same as a failed write, nothing written.
        error = std::string("Cannot build the export: ") + e.what();
    }
    if (progress.Hide) progress.Hide();
    return error;
}

}  // namespace files
