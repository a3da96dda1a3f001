// The options file: what is written, what reads back, and what happens to files the program
// did not write the way it expects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/GraphScales.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/OptionsFile.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/FilePermissions.hpp"
#include "support/TemporaryFolder.hpp"

namespace {

using core::Quantity;
using files::OptionsLoadResult;

class OptionsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        root = testsupport::MakeTemporaryFolder("chassislab-options").string();
        ASSERT_FALSE(root.empty());
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::InitDefaultTexts(root + "/");  // the messages' texts, and AppDir
        ResetSettings();
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::OptionsSettings() = core::OptionsSettingsState{};
    }

    // The state at start-up before the file is read.
    static void ResetSettings() {
        core::OptionsSettings() = core::OptionsSettingsState{};
        core::SetDefaultOptions();
        core::ApplySelectedUnits();
    }
    std::string Path() const { return root + "/Options.ini"; }
    std::string ReadFile() const {
        std::ifstream in(Path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteFile(const std::string& text) const {
        std::ofstream out(Path(), std::ios::binary);
        out << text;
    }
    static std::vector<std::string> Lines(const std::string& text, const std::string& end) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
            lines.push_back(text.substr(start, at - start));
        }
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }
    static std::string Join(const std::vector<std::string>& lines, const std::string& end) {
        std::string text;
        for (const auto& line : lines) text += line + end;
        return text;
    }
    // The default file with line `number` (from 1) replaced.
    static std::string DefaultFileWith(int number, const std::string& line) {
        auto lines = Lines(files::OptionsFileText(), "\r\n");
        lines.at(number - 1) = line;
        return Join(lines, "\r\n");
    }
    static std::size_t Messages() { return platform::MessageDouble().Count(); }

    std::string root;
};

TEST_F(OptionsFileTest, MissingOrEmptyFileIsWrittenWithDefaultsAndSIUnits) {
    for (bool empty : {false, true}) {
        if (empty) WriteFile("");
        core::OptionsSettings().AutoRecalc = core::VbTrue;  // start-up sets it before the read
        EXPECT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Created);
        EXPECT_EQ(Messages(), 0u);

        const std::string text = ReadFile();
        const auto lines = Lines(text, "\r\n");
        ASSERT_EQ(lines.size(), 101u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare LF anywhere
        EXPECT_EQ(lines[0], "DstSUnits: 0");
        EXPECT_EQ(lines[85], "AutoRecalc: -1");
        EXPECT_EQ(lines[97], "SpeedoErr: 3");
        EXPECT_EQ(lines[100], "SimpleDiffs: 0");
    }
}

TEST_F(OptionsFileTest, EveryFieldRoundTrips) {
    auto& s = core::OptionsSettings();
    // A unit other than the first wherever there is one; the file holds the index.
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const Quantity q = core::QuantityAt(i);
        core::ApplyUnitRow(q, static_cast<uint8_t>(core::UnitRows(q).size() - 1 - i % 2));
    }
    s.DynoGraphScaleX = 10;  // the slider's lowest
    s.CornerMassChartScaleY = 200;  // its highest
    for (core::VbBool* flag : {&s.GearSpeedStyle, &s.DrawPeakTorqueLine, &s.GearTorqueStyle,
                               &s.DrawEngineTorque, &s.HighlightTorqueCurve,
                               &s.DrawStaticTractionLimit, &s.DrawDecVLoads, &s.DrawAccVLoads,
                               &s.DrawAeroVLoads, &s.SpeedoIndicated, &s.SimplifiedDiffs,
                               &s.SimplifiedDampers, &s.LowResControls, &s.FilterSetupsOnOpen,
                               &s.AutoRecalc, &s.AutoUpdateCheck}) {
        *flag = core::VbTrue;
    }
    s.DrawPeakPowerLine = s.RevLimitEnabled = s.ShiftPointAuto = s.LFSMode = core::VbFalse;
    s.GearRevsTopMode = 2;
    s.PowerDropPercent = 12;
    s.AreaOffsetX = 204;
    s.AreaOffsetY = 0;
    s.FixedShiftRpm = 40000;
    s.SpeedoErrorPercent = 2.5f;
    // Every other graph scale (lines 22-74) at one end of its slider's range, alternately the
    // top and the bottom.
    auto lines = Lines(files::OptionsFileText(), "\r\n");
    const auto sliders = core::GraphScaleSliders();
    for (int i = 22; i <= 73; ++i) {  // DynoGraphX (index 21) and CornerY keep their values
        if (i == 23) continue;
        const core::GraphScaleSlider& slider = sliders[static_cast<std::size_t>(i - 21)];
        const int value = i % 2 == 0 ? slider.Max : slider.Min;
        lines[i] = lines[i].substr(0, lines[i].find(": ") + 2) + std::to_string(value);
    }
    lines[29] = "DecForcesY: 4999";
    lines[41] = "SpringLoadsY: 1999";
    WriteFile(Join(lines, "\r\n"));
    ResetSettings();
    ASSERT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded);
    EXPECT_EQ(s.DecForcesGraphScaleY, 4999);
    EXPECT_EQ(s.SpringLoadsChartScaleY, 1999);
    EXPECT_EQ(s.GearTimeGraphScaleX, 5);  // line 60 (index 59), the bottom of its 5-20 range
    const std::string written = Join(lines, "\r\n");
    EXPECT_EQ(files::OptionsFileText(), written);

    // Saved and read once more.
    ASSERT_TRUE(files::SaveOptionsFile());
    EXPECT_EQ(ReadFile(), written);
    EXPECT_NE(written.find("\r\nSpeedoErr: 2.5\r\n"), std::string::npos);
    core::ApplyUnitPreset(2);
    ASSERT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded);
    EXPECT_EQ(files::OptionsFileText(), written);
    EXPECT_EQ(s.DynoGraphScaleX, 10);
    EXPECT_EQ(s.FixedShiftRpm, 40000);
    EXPECT_EQ(s.SpeedoErrorPercent, 2.5f);
    EXPECT_EQ(s.LFSMode, core::VbFalse);
    // The selections are applied, not only stored: factor and suffix follow the index.
    EXPECT_EQ(s.UnitFactorSpeed, core::UnitRows(Quantity::Speed)[4].Factor);
    EXPECT_EQ(core::UnitSuffix(Quantity::Speed), " ft/s");
    EXPECT_EQ(Messages(), 0u);
}

// A line's place in the file, not its key, says which setting it holds.
TEST_F(OptionsFileTest, LinePositionDecidesTheMeaning) {
    WriteFile(DefaultFileWith(1, "SpdUnits: 2"));
    ASSERT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded);
    EXPECT_EQ(core::OptionsSettings().UnitIndexDistanceSmall, 2);
    EXPECT_EQ(core::OptionsSettings().UnitIndexSpeed, 0);
}

// Values are numbers after ": "; one out of its range, or not a number, leaves that setting
// at its default (not at the value before the read), and the file is still read.
TEST_F(OptionsFileTest, EachValueIsReadWithinItsRange) {
    using S = const core::OptionsSettingsState&;
    struct Case {
        int line;  // from 1
        const char* text;
        double (*field)(S);
        double expected;
    };
    const Case cases[] = {
        {22, "DynoGraphX: 50", [](S s) -> double { return s.DynoGraphScaleX; }, 50},
        {24, "CornerY: 5", [](S s) -> double { return s.CornerMassChartScaleY; }, 5},
        {95, "CustomRevs: 750", [](S s) -> double { return s.FixedShiftRpm; }, 750},
        {75, "DecVLoads: 5", [](S s) -> double { return s.DrawDecVLoads; }, -1},  // non-zero: true
        {78, "PowerLine: 0", [](S s) -> double { return s.DrawPeakPowerLine; }, 0},
        {98, "SpeedoErr:  1.25 ", [](S s) -> double { return s.SpeedoErrorPercent; }, 1.25},
        {24, "CornerY: 0", [](S s) -> double { return s.CornerMassChartScaleY; }, 50},  // step > 0
        {30, "DecForcesY: -5", [](S s) -> double { return s.DecForcesGraphScaleY; }, 1000},
        {42, "SpringLoadsY: 40000", [](S s) -> double { return s.SpringLoadsChartScaleY; }, 500},
        {48, "SpeedPlotY: 2.5", [](S s) -> double { return s.SpeedPlotScaleY; }, 1000},
        {25, "DecBrakeX 4", [](S s) -> double { return s.DecBrakeGraphScaleX; }, 1},  // no ": "
        {86, "AutoRecalc: 99999", [](S s) -> double { return s.AutoRecalc; }, 0},
        {99, "RevsTop: 7", [](S s) -> double { return s.GearRevsTopMode; }, 0},
        {98, "SpeedoErr: abc", [](S s) -> double { return s.SpeedoErrorPercent; }, 3},
        // The options window's own limits, just inside and just outside.
        {90, "LowResX: 0", [](S s) -> double { return s.AreaOffsetX; }, 0},
        {90, "LowResX: 205", [](S s) -> double { return s.AreaOffsetX; }, 204},
        {91, "LowResY: 149", [](S s) -> double { return s.AreaOffsetY; }, 148},
        {95, "CustomRevs: 100000", [](S s) -> double { return s.FixedShiftRpm; }, 100000},
        {95, "CustomRevs: 100001", [](S s) -> double { return s.FixedShiftRpm; }, 7500},
        {95, "CustomRevs: -1", [](S s) -> double { return s.FixedShiftRpm; }, 7500},
        {98, "SpeedoErr: 15", [](S s) -> double { return s.SpeedoErrorPercent; }, 15},
        {98, "SpeedoErr: 15.5", [](S s) -> double { return s.SpeedoErrorPercent; }, 3},
        {100, "PowerDrop: 20", [](S s) -> double { return s.PowerDropPercent; }, 20},
        {100, "PowerDrop: 21", [](S s) -> double { return s.PowerDropPercent; }, 5},
    };
    for (const Case& c : cases) {
        auto lines = Lines(DefaultFileWith(c.line, c.text), "\r\n");
        lines[25] = "DecEngARVX: 3";  // a good line beside the bad one is still read
        WriteFile(Join(lines, "\r\n"));
        ResetSettings();
        core::OptionsSettings().AutoRecalc = core::VbTrue;
        ASSERT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded) << c.text;
        EXPECT_EQ(c.field(core::OptionsSettings()), c.expected) << c.text;
        EXPECT_EQ(core::OptionsSettings().DecEngineARVGraphScaleX, 3) << c.text;
    }
    EXPECT_EQ(Messages(), 0u);
}

TEST_F(OptionsFileTest, LFLineEndsAndMissingFinalLineEndAreRead) {
    const std::string withCr = DefaultFileWith(24, "CornerY: 75");
    const auto lines = Lines(withCr, "\r\n");
    WriteFile(Join(lines, "\n"));
    ASSERT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded);
    EXPECT_EQ(core::OptionsSettings().CornerMassChartScaleY, 75);
    EXPECT_EQ(ReadFile(), Join(lines, "\n"));  // read, not rewritten

    ResetSettings();
    std::string noFinal = DefaultFileWith(101, "SimpleDiffs: -1");
    noFinal.resize(noFinal.size() - 2);
    WriteFile(noFinal);
    ASSERT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded);
    EXPECT_EQ(core::OptionsSettings().SimplifiedDiffs, core::VbTrue);
    EXPECT_EQ(Messages(), 0u);
}

TEST_F(OptionsFileTest, WrongLineCountIsNotUsedNorOverwritten) {
    for (int count : {100, 102, 1}) {
        ResetSettings();
        platform::MessageDouble().Clear();
        auto lines = Lines(DefaultFileWith(24, "CornerY: 75"), "\r\n");
        lines.resize(count, "Extra: 1");
        lines[0] = "DstSUnits: 3";
        const std::string text = Join(lines, "\r\n");
        WriteFile(text);
        core::ApplyUnitPreset(2);  // whatever was chosen before, SI units afterwards

        EXPECT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Malformed) << count;
        EXPECT_EQ(ReadFile(), text) << count;
        EXPECT_EQ(core::OptionsSettings().CornerMassChartScaleY, 50) << count;
        EXPECT_EQ(core::OptionsSettings().UnitIndexDistanceSmall, 0) << count;
        EXPECT_EQ(core::OptionsSettings().UnitIndexVolume, 0) << count;
        ASSERT_EQ(Messages(), 1u) << count;
        EXPECT_EQ(platform::MessageDouble().Last().title, "Problem");
        EXPECT_EQ(platform::MessageDouble().Last().icon, platform::MsgIcon::Exclamation);
        EXPECT_NE(platform::MessageDouble().Last().text.find("Options.ini"), std::string::npos);
    }
    // Saving replaces it.
    ASSERT_TRUE(files::SaveOptionsFile());
    EXPECT_EQ(Lines(ReadFile(), "\r\n").size(), 101u);
}

// A unit index that names no unit of its quantity, or a grid step its slider cannot show,
// leaves that one setting as the user has it now; the rest of the file is read.
TEST_F(OptionsFileTest, UnknownUnitOrScaleKeepsTheCurrentSetting) {
    for (const char* bad : {"SpdUnits: 5", "SpdUnits: x", "SpdUnits: -1", "SpdUnits: 1.5"}) {
        ResetSettings();
        platform::MessageDouble().Clear();
        auto lines = Lines(DefaultFileWith(8, bad), "\r\n");
        lines[23] = "CornerY: 75";
        lines[21] = "DynoGraphX: 0";     // below its slider (10 to 2000)
        lines[22] = "DynoGraphY: 501";   // above its slider (10 to 500)
        const std::string text = Join(lines, "\r\n");
        WriteFile(text);
        core::ApplyUnitRow(Quantity::Speed, 2);  // mph chosen now
        core::OptionsSettings().DynoGraphScaleX = 750;
        core::OptionsSettings().DynoGraphScaleY = 25;
        EXPECT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Loaded) << bad;
        EXPECT_EQ(core::OptionsSettings().CornerMassChartScaleY, 75) << bad;
        EXPECT_EQ(core::OptionsSettings().UnitIndexSpeed, 2) << bad;
        EXPECT_EQ(core::UnitSuffix(Quantity::Speed), " mph") << bad;
        EXPECT_EQ(core::OptionsSettings().DynoGraphScaleX, 750) << bad;
        EXPECT_EQ(core::OptionsSettings().DynoGraphScaleY, 25) << bad;
        EXPECT_EQ(ReadFile(), text) << bad;
        EXPECT_EQ(Messages(), 0u) << bad;
    }
}

// Named with the system's reason: a folder where the file should be, a file the user may not
// read.
TEST_F(OptionsFileTest, UnreadableFileIsReportedAndKept) {
    std::filesystem::create_directory(Path());
    EXPECT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Unreadable);
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
    EXPECT_EQ(Messages(), 1u);

    std::filesystem::remove(Path());
    WriteFile("DstSUnits: 1\r\n");
    std::filesystem::permissions(Path(), std::filesystem::perms::none);
    testsupport::FilePermissionsEnforced enforced;
    if (!enforced.Holds()) GTEST_SKIP() << "file permissions do not hold for root";
    EXPECT_EQ(files::LoadOptionsFile(), OptionsLoadResult::Unreadable);
    ASSERT_EQ(Messages(), 2u);
    EXPECT_EQ(platform::MessageDouble().Last().text,
              "The options file " + Path() + " cannot be used: it cannot be read: Permission "
              "denied.\r\nThe default settings are in effect; saving the options will replace "
              "the file.");
}

// Read on request (the options window's button), a file that cannot be used changes no unit
// and writes no file; the user is told what is wrong with it.
TEST_F(OptionsFileTest, AFileThatCannotBeUsedOnRequestChangesNothing) {
    const struct {
        const char* text;  // nullptr: no file; "dir": a folder in its place; "huge": 256 MB
        OptionsLoadResult result;
        const char* said;
    } cases[] = {
        {nullptr, OptionsLoadResult::Missing, "There is no options file "},
        {"", OptionsLoadResult::Missing, " is empty"},
        {"DstSUnits: 1\r\n", OptionsLoadResult::Malformed, "it has 1 lines instead of 101"},
        {"dir", OptionsLoadResult::Unreadable, "it cannot be read: Is a directory."},
        {"huge", OptionsLoadResult::TooLarge,
         "it holds 268435456 bytes, more than any options file (at most 65536 bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        std::filesystem::remove_all(Path());
        const std::string text = c.text ? c.text : "";
        if (text == "dir") std::filesystem::create_directory(Path());
        else if (c.text) WriteFile(text);
        if (text == "huge") std::filesystem::resize_file(Path(), 256 << 20);  // a hole of zeros
        platform::MessageDouble().Clear();
        core::ApplyUnitPreset(2);
        EXPECT_EQ(files::LoadOptionsFile({}, files::OptionsLoadOccasion::Request), c.result);
        for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
            const Quantity q = core::QuantityAt(i);
            EXPECT_EQ(core::UnitRows(q)[core::UnitData(q).Index].Name, core::UnitPresetName(2, q));
        }
        EXPECT_EQ(std::filesystem::exists(Path()), c.text != nullptr);
        if (c.text && text != "dir" && text != "huge") EXPECT_EQ(ReadFile(), text);
        ASSERT_EQ(Messages(), 1u);
        const std::string& said = platform::MessageDouble().Last().text;
        EXPECT_NE(said.find(Path()), std::string::npos) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_NE(said.find("The settings in effect are kept."), std::string::npos) << said;
    }
}

TEST_F(OptionsFileTest, FailedSaveIsReportedAndLeavesNoFile) {
    core::GlobalChassisLab().AppDir = root + "/no-such-folder/";
    EXPECT_FALSE(files::SaveOptionsFile());
    ASSERT_EQ(Messages(), 1u);
    EXPECT_EQ(platform::MessageDouble().Last().title, "Error!");
    EXPECT_FALSE(std::filesystem::exists(root + "/no-such-folder"));
}

// A locale whose decimal separator is a comma, for the streams of the whole process.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST_F(OptionsFileTest, NumbersUseAPointWhateverTheLocale) {
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    core::OptionsSettings().SpeedoErrorPercent = 2.5f;
    const bool saved = files::SaveOptionsFile();
    ResetSettings();
    const OptionsLoadResult result = files::LoadOptionsFile();
    std::locale::global(previous);
    ASSERT_TRUE(saved);
    EXPECT_EQ(result, OptionsLoadResult::Loaded);
    EXPECT_NE(ReadFile().find("\r\nSpeedoErr: 2.5\r\n"), std::string::npos);
    EXPECT_EQ(core::OptionsSettings().SpeedoErrorPercent, 2.5f);
}

}  // namespace
