#include "files/OptionsFile.hpp"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/GraphScales.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "files/FileHelpers.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/FileMessages.hpp"
#include "files/TextFileLines.hpp"
#include "platform/Services.hpp"

namespace files {
namespace {

using core::OptionsBlock;
using core::Quantity;

// The largest options file read, in bytes: the file the program writes holds some 1.5 kB.
constexpr std::size_t kMaxOptionsFileBytes = 64 * 1024;

// Said when Load Options finds no file it can use.
constexpr const char* kSettingsKept = "\r\nThe settings in effect are kept.";

enum class Kind : uint8_t { Unit, Scale, Flag, Byte, Long, Single };

// One line of the file: its key and the field it holds.
struct OptionsLine {
    std::string_view key;  // ends in ": "
    Kind kind;
    Quantity quantity = Quantity::Speed;        // Unit
    int16_t OptionsBlock::*i16 = nullptr;       // Scale, Flag
    uint8_t OptionsBlock::*u8 = nullptr;        // Byte
    int32_t low = 0, high = 0;                  // Byte: accepted range
};

constexpr OptionsLine Unit(std::string_view key, Quantity q) {
    return {key, Kind::Unit, q, nullptr, nullptr, 0, 0};
}
// A grid spacing: a whole number of display units within its slider's range
// (core/GraphScales.hpp).
constexpr OptionsLine Scale(std::string_view key, int16_t OptionsBlock::*field) {
    return {key, Kind::Scale, Quantity::Speed, field, nullptr, 0, 0};
}
constexpr OptionsLine Flag(std::string_view key, int16_t OptionsBlock::*field) {
    return {key, Kind::Flag, Quantity::Speed, field, nullptr, -32768, 32767};
}
constexpr OptionsLine Byte(std::string_view key, uint8_t OptionsBlock::*field, int32_t low,
                           int32_t high) {
    return {key, Kind::Byte, Quantity::Speed, nullptr, field, low, high};
}
// FixedShiftRpm (rpm, 0 to core::kFixedShiftRpmMax).
constexpr OptionsLine Long(std::string_view key) {
    return {key, Kind::Long, Quantity::Speed, nullptr, nullptr, 0, 0};
}
// SpeedoErrorPercent (0 to core::kSpeedoErrorMaxPercent).
constexpr OptionsLine Single(std::string_view key) {
    return {key, Kind::Single, Quantity::Speed, nullptr, nullptr, 0, 0};
}

// Lines 1-21 unit selections, 22-74 graph scales, 75-85 graph drawing toggles, 86-101 program
// switches. The speed unit is line 8, not line 1.
constexpr std::array<OptionsLine, kOptionsFileLines> kLines = {{
    Unit("DstSUnits: ", Quantity::DistanceSmall),
    Unit("DstLUnits: ", Quantity::DistanceLarge),
    Unit("AreUnits: ", Quantity::Area),
    Unit("MasUnits: ", Quantity::Mass),
    Unit("FrcUnits: ", Quantity::Force),
    Unit("TrqUnits: ", Quantity::Torque),
    Unit("PwrUnits: ", Quantity::Power),
    Unit("SpdUnits: ", Quantity::Speed),
    Unit("AngUnits: ", Quantity::Angle),
    Unit("VolUnits: ", Quantity::Volume),
    Unit("DnsUnits: ", Quantity::Density),
    Unit("PrsUnits: ", Quantity::Pressure),
    Unit("FrqUnits: ", Quantity::Frequency),
    Unit("P2WUnits: ", Quantity::P2W),
    Unit("AccUnits: ", Quantity::Acc),
    Unit("MOIUnits: ", Quantity::MOI),
    Unit("StfUnits: ", Quantity::Stiffness),
    Unit("RotUnits: ", Quantity::Rot),
    Unit("DamUnits: ", Quantity::Damping),
    Unit("ARVUnits: ", Quantity::ARV),
    Unit("FecUnits: ", Quantity::FuelEcon),
    Scale("DynoGraphX: ", &OptionsBlock::DynoGraphScaleX),
    Scale("DynoGraphY: ", &OptionsBlock::DynoGraphScaleY),
    Scale("CornerY: ", &OptionsBlock::CornerMassChartScaleY),
    Scale("DecBrakeX: ", &OptionsBlock::DecBrakeGraphScaleX),
    Scale("DecEngARVX: ", &OptionsBlock::DecEngineARVGraphScaleX),
    Scale("DecEngARVY: ", &OptionsBlock::DecEngineARVGraphScaleY),
    Scale("DecGearX: ", &OptionsBlock::DecGearGraphScaleX),
    Scale("DecForcesX: ", &OptionsBlock::DecForcesGraphScaleX),
    Scale("DecForcesY: ", &OptionsBlock::DecForcesGraphScaleY),
    Scale("DecDecX: ", &OptionsBlock::DecDecGraphScaleX),
    Scale("DecDecY: ", &OptionsBlock::DecDecGraphScaleY),
    Scale("DecSpeedX: ", &OptionsBlock::DecSpeedGraphScaleX),
    Scale("DecSpeedY: ", &OptionsBlock::DecSpeedGraphScaleY),
    Scale("DecDistX: ", &OptionsBlock::DecDistanceGraphScaleX),
    Scale("DecDistY: ", &OptionsBlock::DecDistanceGraphScaleY),
    Scale("DecSpringDefX: ", &OptionsBlock::DecSpringDefGraphScaleX),
    Scale("DecSpringDefY: ", &OptionsBlock::DecSpringDefGraphScaleY),
    Scale("DecTyreDefX: ", &OptionsBlock::DecTyreDefGraphScaleX),
    Scale("DecTyreDefY: ", &OptionsBlock::DecTyreDefGraphScaleY),
    Scale("DecBrakeBalX: ", &OptionsBlock::DecBrakeBalanceGraphScaleX),
    Scale("SpringLoadsY: ", &OptionsBlock::SpringLoadsChartScaleY),
    Scale("SpringDeflectY: ", &OptionsBlock::SpringDeflectionChartScaleY),
    Scale("RollStiff: ", &OptionsBlock::SuspRollStiffDiaScale),
    Scale("DampDropX: ", &OptionsBlock::DampDropGraphScaleX),
    Scale("DampDropY: ", &OptionsBlock::DampDropGraphScaleY),
    Scale("SpeedPlotX: ", &OptionsBlock::SpeedPlotScaleX),
    Scale("SpeedPlotY: ", &OptionsBlock::SpeedPlotScaleY),
    Scale("TorqueX: ", &OptionsBlock::TorquePlotScaleX),
    Scale("TorqueY: ", &OptionsBlock::TorquePlotScaleY),
    Scale("ContactPatch: ", &OptionsBlock::TyreContactPatchScale),
    Scale("AeroDragX: ", &OptionsBlock::AeroDragGraphScaleX),
    Scale("AeroDragY: ", &OptionsBlock::AeroDragGraphScaleY),
    Scale("AeroLiftX: ", &OptionsBlock::AeroLiftGraphScaleX),
    Scale("AeroLiftY: ", &OptionsBlock::AeroLiftGraphScaleY),
    Scale("AeroChartY: ", &OptionsBlock::AeroLoadsChartScaleY),
    Scale("AccThrottleX: ", &OptionsBlock::ThrottleTimeGraphScaleX),
    Scale("AccEngARVX: ", &OptionsBlock::EngineARVTimeGraphScaleX),
    Scale("AccEngARVY: ", &OptionsBlock::EngineARVTimeGraphScaleY),
    Scale("AccGearX: ", &OptionsBlock::GearTimeGraphScaleX),
    Scale("AccForcesX: ", &OptionsBlock::ForcesTimeGraphScaleX),
    Scale("AccForcesY: ", &OptionsBlock::ForcesTimeGraphScaleY),
    Scale("AccAccX: ", &OptionsBlock::AccTimeGraphScaleX),
    Scale("AccAccY: ", &OptionsBlock::AccTimeGraphScaleY),
    Scale("AccSpeedX: ", &OptionsBlock::SpeedTimeGraphScaleX),
    Scale("AccSpeedY: ", &OptionsBlock::SpeedTimeGraphScaleY),
    Scale("AccDistX: ", &OptionsBlock::DistanceTimeGraphScaleX),
    Scale("AccDistY: ", &OptionsBlock::DistanceTimeGraphScaleY),
    Scale("AccSpringDefX: ", &OptionsBlock::SpringDefTimeGraphScaleX),
    Scale("AccSpringDefY: ", &OptionsBlock::SpringDefTimeGraphScaleY),
    Scale("AccTyreDefX: ", &OptionsBlock::TyreDefTimeGraphScaleX),
    Scale("AccTyreDefY: ", &OptionsBlock::TyreDefTimeGraphScaleY),
    Scale("AccFuelX: ", &OptionsBlock::FuelTimeGraphScaleX),
    Scale("AccFuelY: ", &OptionsBlock::FuelTimeGraphScaleY),
    Flag("DecVLoads: ", &OptionsBlock::DrawDecVLoads),
    Flag("GearSpeedStyle: ", &OptionsBlock::GearSpeedStyle),
    Flag("TorqueLine: ", &OptionsBlock::DrawPeakTorqueLine),
    Flag("PowerLine: ", &OptionsBlock::DrawPeakPowerLine),
    Flag("Redline: ", &OptionsBlock::DrawRevLimiterLine),
    Flag("GearTorqueStyle: ", &OptionsBlock::GearTorqueStyle),
    Flag("EngineTorque: ", &OptionsBlock::DrawEngineTorque),
    Flag("StaticTraction: ", &OptionsBlock::DrawStaticTractionLimit),
    Flag("HighlightCurve: ", &OptionsBlock::HighlightTorqueCurve),
    Flag("AeroVLoads: ", &OptionsBlock::DrawAeroVLoads),
    Flag("AccVLoads: ", &OptionsBlock::DrawAccVLoads),
    Flag("AutoRecalc: ", &OptionsBlock::AutoRecalc),
    Flag("AutoUpdate: ", &OptionsBlock::AutoUpdateCheck),
    Flag("LFSMode: ", &OptionsBlock::LFSMode),
    Flag("LowResControls: ", &OptionsBlock::LowResControls),
    Byte("LowResX: ", &OptionsBlock::AreaOffsetX, 0, core::kAreaOffsetXMax),
    Byte("LowResY: ", &OptionsBlock::AreaOffsetY, 0, core::kAreaOffsetYMax),
    Flag("FilterSets: ", &OptionsBlock::FilterSetupsOnOpen),
    Flag("SimpleDampers: ", &OptionsBlock::SimplifiedDampers),
    Flag("AutoRevs: ", &OptionsBlock::ShiftPointAuto),
    Long("CustomRevs: "),
    Flag("RevLimit: ", &OptionsBlock::RevLimitEnabled),
    Flag("RealSpeedo: ", &OptionsBlock::SpeedoIndicated),
    Single("SpeedoErr: "),
    Byte("RevsTop: ", &OptionsBlock::GearRevsTopMode, 0, 2),
    Byte("PowerDrop: ", &OptionsBlock::PowerDropPercent, core::kPowerDropSlider.Min,
         core::kPowerDropSlider.Max),
    Flag("SimpleDiffs: ", &OptionsBlock::SimplifiedDiffs),
}};

std::string ValueText(const OptionsLine& line) {
    const core::OptionsSettingsState& s = core::OptionsSettings();
    switch (line.kind) {
        case Kind::Unit: return std::to_string(core::UnitData(line.quantity).Index);
        case Kind::Scale: return std::to_string(s.*line.i16);
        case Kind::Flag: return (s.*line.i16) != 0 ? "-1" : "0";
        case Kind::Byte: return std::to_string(s.*line.u8);
        case Kind::Long: return std::to_string(s.FixedShiftRpm);
        case Kind::Single: return core::SingleText(s.SpeedoErrorPercent);
    }
    return {};
}

// The lines of the text, without the empty piece after a final line end (a last line need not
// end in one).
std::vector<std::string> FileLines(std::string_view text) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

// The number after the line's first ": ", the whole rest of the line (blanks around it
// allowed), with "." as the decimal point whatever the locale. Empty when there is no such
// number.
std::optional<double> LineNumber(std::string_view line) {
    const std::size_t at = line.find(": ");
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view value = line.substr(at + 2);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    if (value.empty()) return std::nullopt;
    double number = 0.0;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    const auto [end, error] = std::from_chars(first, last, number, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(number)) return std::nullopt;
    return number;
}

// The number as a whole number within [low, high]; empty when it is not one.
std::optional<int32_t> WholeNumber(std::optional<double> number, int32_t low, int32_t high) {
    if (!number || std::floor(*number) != *number) return std::nullopt;
    if (*number < low || *number > high) return std::nullopt;
    return static_cast<int32_t>(*number);
}

// Stores one line's value, or the field's default when the value is missing or out of range.
void StoreLine(const OptionsLine& line, std::string_view text, const OptionsBlock& defaults) {
    core::OptionsSettingsState& s = core::OptionsSettings();
    const std::optional<double> number = LineNumber(text);
    switch (line.kind) {
        case Kind::Unit: {
            // An index that names no unit of the quantity keeps the unit chosen now.
            const auto count = static_cast<int32_t>(core::UnitRows(line.quantity).size());
            const auto k = WholeNumber(number, 0, count - 1);
            if (k) core::ApplyUnitRow(line.quantity, static_cast<uint8_t>(*k));
            break;
        }
        case Kind::Scale: {
            // A grid step the slider cannot show (0 or below among them) keeps the step now.
            const core::GraphScaleSlider* slider = core::FindGraphScale(line.i16);
            const auto v = WholeNumber(number, slider->Min, slider->Max);
            if (v) s.*line.i16 = static_cast<int16_t>(*v);
            break;
        }
        case Kind::Flag: {
            const auto v = WholeNumber(number, line.low, line.high);
            s.*line.i16 = v ? core::ToVbBool(*v != 0) : defaults.*line.i16;
            break;
        }
        case Kind::Byte: {
            const auto v = WholeNumber(number, line.low, line.high);
            s.*line.u8 = v ? static_cast<uint8_t>(*v) : defaults.*line.u8;
            break;
        }
        case Kind::Long: {
            const auto v = WholeNumber(number, 0, core::kFixedShiftRpmMax);
            s.FixedShiftRpm = v ? *v : defaults.FixedShiftRpm;
            break;
        }
        case Kind::Single: {
            const bool ok = number && *number >= 0.0 && *number <= core::kSpeedoErrorMaxPercent;
            s.SpeedoErrorPercent = ok ? static_cast<float>(*number) : defaults.SpeedoErrorPercent;
            break;
        }
    }
}

// Why the file cannot be used at all; empty when it can.
std::string FindMalformation(const std::vector<std::string>& lines) {
    if (lines.size() != kLines.size()) {
        return "it has " + std::to_string(lines.size()) + " lines instead of " +
               std::to_string(kLines.size());
    }
    return {};
}

std::string OptionsFilePath() { return core::GlobalChassisLab().AppDir + kOptionsFileName; }

// No file to use: the SI units and the settings as they stand.
void UseDefaults(const OptionsFileLinks& links) {
    if (links.ApplyUnitPreset) {
        links.ApplyUnitPreset(0);
    } else {
        core::ApplyUnitPreset(0);
    }
}

void ReportUnusable(const std::string& path, const std::string& reason,
                    OptionsLoadOccasion occasion) {
    ShowFileProblem("The options file " + PathInMessage(path) + " cannot be used: " + reason +
                    (occasion == OptionsLoadOccasion::StartUp
                         ? ".\r\nThe default settings are in effect; saving the options will "
                           "replace the file."
                         : std::string(".") + kSettingsKept));
}

}  // namespace

std::string OptionsFileText() {
    std::string text;
    for (const OptionsLine& line : kLines) {
        text.append(line.key);
        text.append(ValueText(line));
        text.append("\r\n");
    }
    return text;
}

bool SaveOptionsFile() {
    const std::string path = OptionsFilePath();
    const std::string error = ReplaceFileContents(path, OptionsFileText());
    if (error.empty()) return true;
    ShowFileError("The options file " + PathInMessage(path) + " could not be written.\r\n" + error);
    return false;
}

OptionsLoadResult LoadOptionsFile(const OptionsFileLinks& links, OptionsLoadOccasion occasion) {
    const std::string path = OptionsFilePath();
    const bool startUp = occasion == OptionsLoadOccasion::StartUp;
    const FileReach reach = ReachFile(path);
    if (reach.check == 0 || reach.Missing()) {
        const bool exists = reach.check == 0;
        if (!startUp) {
            // Nothing to load: the user's settings stay as they are.
            ShowFileProblem((exists ? "The options file " + PathInMessage(path) + " is empty."
                                    : "There is no options file " + PathInMessage(path) + ".") +
                            kSettingsKept);
            return OptionsLoadResult::Missing;
        }
        // No file, or an empty one: nothing to lose, start the file afresh.
        UseDefaults(links);
        SaveOptionsFile();
        return OptionsLoadResult::Created;
    }

    std::string text;
    const CappedRead read = reach.check < 0 ? CappedRead::Unreadable
                                            : ReadFileUpTo(path, kMaxOptionsFileBytes, text);
    const int readError = reach.check < 0 ? reach.error : errno;  // when Unreadable
    if (read != CappedRead::Read) {
        if (startUp) UseDefaults(links);
        const bool tooLarge = read == CappedRead::TooLarge;
        ReportUnusable(path,
                       tooLarge ? "it holds " +
                                      std::to_string(FileSize(path).value_or(text.size())) +
                                      " bytes, more than any options file (at most " +
                                      std::to_string(kMaxOptionsFileBytes) + " bytes)"
                                : "it " + CannotReadReason(readError),
                       occasion);
        return tooLarge ? OptionsLoadResult::TooLarge : OptionsLoadResult::Unreadable;
    }

    const std::vector<std::string> lines = FileLines(text);
    const std::string reason = FindMalformation(lines);
    if (!reason.empty()) {
        if (startUp) UseDefaults(links);
        ReportUnusable(path, reason, occasion);
        return OptionsLoadResult::Malformed;
    }

    const OptionsBlock defaults{};
    for (std::size_t i = 0; i < kLines.size(); ++i) StoreLine(kLines[i], lines[i], defaults);
    core::ApplySelectedUnits();
    if (links.ShowOptionsSettings) links.ShowOptionsSettings();
    if (!core::FromVbBool(core::GlobalChassisLab().FormLoading) && links.RefreshAllDisplays)
        links.RefreshAllDisplays();
    return OptionsLoadResult::Loaded;
}

}  // namespace files
