// The user manual the build renders from docs/manual: a complete PDF of the pages its text
// fills, in the fonts it names, beside the program and no older than its text, what Help >
// Manual opens in a program folder laid out as the build lays it out, and the menu shortcuts
// its text names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "QtTestApp.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Page objects of a PDF: "/Type /Page", not the page tree's "/Type /Pages".
int PageCount(const std::string& pdf) {
    const std::string key = "/Type /Page";
    int pages = 0;
    for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
        if (pdf.compare(at + key.size(), 1, "s") != 0) ++pages;
    }
    return pages;
}

// The manual is drawn in the fonts scripts/setup.sh installs and nothing else, so it has the
// same pages on every machine (13 today). The bounds catch a rendering gone wrong (a page a
// paragraph, a chapter lost) and leave room for the text to grow by a few pages.
constexpr int kFewestManualPages = 6;
constexpr int kMostManualPages = 16;

TEST(ShippedManualTest, IsACompletePdfOfItsPagesBesideTheProgram) {
    const fs::path pdf = CHASSISLAB_MANUAL_PDF;
    EXPECT_EQ(pdf.filename(), "ChassisLab Manual - English.pdf");
    EXPECT_TRUE(fs::equivalent(pdf.parent_path(), CHASSISLAB_PROGRAM_DIR));
    const std::string bytes = ReadBytes(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);  // written to the end
    EXPECT_GE(PageCount(bytes), kFewestManualPages);
    EXPECT_LE(PageCount(bytes), kMostManualPages);
    // Rendered again after every change of the text.
    EXPECT_GE(fs::last_write_time(pdf), fs::last_write_time(CHASSISLAB_MANUAL_SOURCE));
}

// The fonts the PDF holds, by their PostScript names ("LiberationSans-Bold"): only faces of the
// families tools/RenderManual.cpp names, the body's, the code's and the signs', whatever other
// fonts are installed (a monospace font fontconfig prefers, a fallback for signs).
TEST(ShippedManualTest, IsDrawnOnlyInTheFamiliesItNames) {
    const std::string bytes = ReadBytes(CHASSISLAB_MANUAL_PDF);
    const std::set<std::string> families = {"LiberationSans", "DejaVuSansMono", "Symbola"};
    std::set<std::string> used;
    const std::regex font(R"(/BaseFont\s*/(?:[A-Z]{6}\+)?([A-Za-z0-9_-]+))");
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), font), end; it != end; ++it) {
        const std::string name = (*it)[1];
        const std::string family = name.substr(0, name.find('-'));
        EXPECT_TRUE(families.contains(family)) << name;
        used.insert(family);
    }
    EXPECT_TRUE(used.contains("LiberationSans"));
    EXPECT_TRUE(used.contains("DejaVuSansMono"));  // the manual shows commands and file names
}

// What the renderer did with a manual: its exit code and what it wrote on its error output.
struct Rendering {
    int exitCode = -1;
    std::string said;
};

// Runs the renderer on `text` into `pdf`, in the environment given.
Rendering Render(const QString& text, const QString& pdf,
                 const QProcessEnvironment& environment =
                     QProcessEnvironment::systemEnvironment()) {
    QProcess render;
    render.setProcessEnvironment(environment);
    render.start(CHASSISLAB_RENDER_MANUAL, {text, pdf});
    Rendering r;
    if (!render.waitForFinished(qttest::kHangWatchdogMs)) {
        r.said = "no end within the hang watchdog's time";
        return r;
    }
    r.exitCode = render.exitStatus() == QProcess::NormalExit ? render.exitCode() : -1;
    r.said = (render.readAllStandardError() + render.readAllStandardOutput()).toStdString();
    return r;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// A sign none of the named families has (a CJK character, which a fallback font installed
// here may well have) stops the rendering with a message naming it, and leaves no PDF.
TEST(ShippedManualTest, ASignNoFontOfTheManualHasIsRefused) {
    qttest::App();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = dir.filePath("manual.md"), pdf = dir.filePath("manual.pdf");
    WriteFile(text, "# Manual\n\nThe sign \xE6\xBC\xA2 and `code`.\n");
    const Rendering r = Render(text, pdf);
    EXPECT_EQ(r.exitCode, 1) << r.said;
    EXPECT_THAT(r.said, ::testing::HasSubstr("no font of the manual has U+6F22"));
    EXPECT_FALSE(QFile::exists(pdf));
}

// A family the manual names that is not installed (hidden here by a fontconfig set-up of the
// test's own, the system's with that family rejected) stops the rendering with one line naming
// it, before anything is written: a PDF already at the target stays as it was, and nothing is
// left beside it.
class ManualWithAFamilyMissing : public ::testing::TestWithParam<const char*> {};

TEST_P(ManualWithAFamilyMissing, IsRefusedInOneLineAndLeavesThePdfAsItWas) {
    qttest::App();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string family = GetParam();
    const QString config = dir.filePath("fonts.conf"), text = dir.filePath("manual.md"),
                  pdf = dir.filePath("manual.pdf");
    WriteFile(config, QByteArray::fromStdString(
                          "<?xml version=\"1.0\"?>\n"
                          "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                          "<fontconfig>\n"
                          "  <include ignore_missing=\"no\">/etc/fonts/fonts.conf</include>\n"
                          "  <selectfont><rejectfont><pattern><patelt name=\"family\"><string>" +
                          family +
                          "</string></patelt></pattern></rejectfont></selectfont>\n"
                          "</fontconfig>\n"));
    WriteFile(text, "# Manual\n\nText, `code` and a sign \xE2\x90\x80.\n");
    const QByteArray older = "%PDF-1.4 the manual rendered before\n%%EOF\n";
    WriteFile(pdf, older);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FONTCONFIG_FILE", config);

    const Rendering r = Render(text, pdf, environment);
    EXPECT_EQ(r.exitCode, 1) << r.said;
    // Its own lines (Qt may add warnings of its own about the session).
    std::string own;
    std::istringstream lines(r.said);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("render_manual")) own += line + "\n";
    EXPECT_EQ(own, "render_manual: the font family \"" + family +
                       "\" is not installed (scripts/setup.sh installs it)\n")
        << r.said;
    QFile kept(pdf);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), older);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"fonts.conf", "manual.md", "manual.pdf"}));
}

INSTANTIATE_TEST_SUITE_P(Family, ManualWithAFamilyMissing,
                         ::testing::Values("Liberation Sans", "DejaVu Sans Mono", "Symbola"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name;
                         });

class ManualMenuTest : public testsupport::StartedProgram {
protected:
    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    // The entry `caption` of the menu bar's menu `menu` (captions without their "&").
    static const platform::MenuItem* Entry(const std::string& menu, const std::string& caption) {
        for (const auto& top : ui::MainWindow().MenuBar()) {
            if (platform::StripMnemonic(top->Caption()) != menu) continue;
            for (const auto& item : top->Items())
                if (platform::StripMnemonic(item->Caption()) == caption) return item.get();
        }
        return nullptr;
    }
    // Every visible entry of the menu bar's menus that has a shortcut, as "Tools > Unit
    // Converter", by its key.
    static std::map<std::string, std::string> EntriesByKey() {
        std::map<std::string, std::string> entries;
        for (const auto& top : ui::MainWindow().MenuBar())
            for (const auto& item : top->Items())
                if (item->Visible() && !item->Shortcut().empty())
                    entries[item->Shortcut()] = platform::StripMnemonic(top->Caption()) + " > " +
                                                platform::StripMnemonic(item->Caption());
        return entries;
    }
    static std::vector<std::string> ManualLines() {
        std::istringstream text(ReadBytes(CHASSISLAB_MANUAL_SOURCE));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }
};

TEST_F(ManualMenuTest, HelpManualOpensTheRenderedManualOfTheProgramFolder) {
    CopyShippedData();
    const fs::path built = CHASSISLAB_MANUAL_PDF;
    fs::copy_file(built, root / built.filename());
    ui::Main& w = Start();
    w.HelpUsage->UserClick();
    EXPECT_EQ(platform::MessageDouble().Count(), 0u);
    ASSERT_EQ(platform::ShellDouble().Targets().size(), 1u);
    EXPECT_EQ(platform::ShellDouble().Targets()[0], (root / built.filename()).string());
}

// "**File > Close** (Ctrl+W)": the entry the text names exists and has that shortcut.
TEST_F(ManualMenuTest, EveryMenuShortcutTheTextNamesIsTheMenus) {
    const std::string text = ReadBytes(CHASSISLAB_MANUAL_SOURCE);
    const std::regex named(R"(\*\*(\w+) > ([^*]+)\*\* \(((?:Ctrl\+|Shift\+)?F?\w+)\))");
    int checked = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), named), end; it != end; ++it) {
        const std::string menu = (*it)[1], entry = (*it)[2], key = (*it)[3];
        const platform::MenuItem* found = Entry(menu, entry);
        ASSERT_NE(found, nullptr) << menu << " > " << entry;
        EXPECT_EQ(found->Shortcut(), key) << menu << " > " << entry;
        ++checked;
    }
    EXPECT_GE(checked, 8);  // File Open, Save, Close; Options and Tools entries; Help > About
}

// "### Unit converter (Tools, Ctrl+U)": the key is the shortcut of an entry of that menu, and
// that entry is the one the section is about: the heading's title or the section's text names
// the entry's caption. Every heading with a parenthesis names a menu and a key so.
TEST_F(ManualMenuTest, EveryHeadingsKeyOpensWhatItsSectionDescribes) {
    const std::vector<std::string> lines = ManualLines();
    const std::regex withKey(R"(#+ (.+) \((\w+), ([^)]+)\))");
    int checked = 0;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string& heading = lines[at];
        if (heading.empty() || heading[0] != '#' || heading.find('(') == std::string::npos)
            continue;
        SCOPED_TRACE(heading);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(heading, m, withKey));
        const std::string title = m[1], menu = m[2], key = m[3];
        std::string section;
        for (std::size_t k = at + 1; k < lines.size() && !lines[k].starts_with('#'); ++k)
            section += lines[k] + ' ';
        const std::string entry = EntriesByKey()[key];
        ASSERT_TRUE(entry.starts_with(menu + " > ")) << key << " is " << entry;
        const std::string caption = entry.substr(menu.size() + 3);
        EXPECT_TRUE(Lower(title) == Lower(caption) ||
                    Lower(section).find(Lower(caption)) != std::string::npos)
            << key << " is " << entry;
        ++checked;
    }
    EXPECT_GE(checked, 4);  // Mechanical calculators, Unit converter, Realtime..., Start-up list
}

// The maker's figures are in rpm while the program starts in rad/s: the paragraph on them says
// where to choose rpm in the words the options window shows: its frame, the angular-velocity
// caption and the unit's name in that list ("Revolutions per minute").
TEST_F(ManualMenuTest, TheMakersFiguresSayWhereToChooseRpm) {
    Start();
    ui::ShowOptionsPanel();
    ui::OptionsPanel& panel = ui::OptionsPanelWindow();
    const platform::ComboBox& list = panel.Select(core::Quantity::ARV);
    std::string paragraph;
    for (const std::string& line : ManualLines()) {
        if (line.starts_with("**Entering a maker's figures.**")) paragraph = " ";
        if (paragraph.empty()) continue;
        if (line.empty()) break;
        paragraph += line + ' ';
    }
    for (const std::string& said :
         {panel.PreferencesUnits(2).Caption(),
          panel.OptionsLabel(ui::UnitCaptionIndex(core::Quantity::ARV)).Caption(),
          list.List(2)})
        EXPECT_NE(paragraph.find('"' + said + '"'), std::string::npos) << said;
}

// The maker's plateau in both units: each figure fits the box it is typed in (the start's and
// the width's), and the rad/s figures are the rpm ones to the last digit they show.
TEST_F(ManualMenuTest, TheMakersPlateauCanBeTypedInRpmAndRadPerSecond) {
    ui::Main& w = Start();
    std::string text;
    for (const std::string& line : ManualLines()) text += line + ' ';
    static const std::regex example(
        R"(is (\S+) with a width of (\S+) in rpm, or (\S+) with a width of (\S+) in rad/s)");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, example));
    const platform::TextBox* boxes[] = {w.VehData_NewTorqueRPM, w.VehData_NewTorquePeakWidth};
    for (int k = 0; k < 2; ++k) {
        const std::string rpm = m[1 + k], radPerSecond = m[3 + k];
        EXPECT_LE(static_cast<int>(rpm.size()), boxes[k]->MaxLength()) << rpm;
        EXPECT_LE(static_cast<int>(radPerSecond.size()), boxes[k]->MaxLength()) << radPerSecond;
        const std::size_t point = radPerSecond.find('.');
        const int decimals = point == std::string::npos ? 0 : static_cast<int>(radPerSecond.size() - point - 1);
        EXPECT_NEAR(std::stod(radPerSecond), std::stod(rpm) * std::numbers::pi / 30.0,
                    0.5 * std::pow(10.0, -decimals))
            << radPerSecond;
    }
}

// The table under "Keyboard shortcuts": each key is the shortcut of the menu entry beside it,
// every visible menu entry with a shortcut has its row, and a key without an entry (Esc) is
// no menu's.
TEST_F(ManualMenuTest, KeyTableListsEveryMenuShortcutWithItsEntry) {
    const std::vector<std::string> lines = ManualLines();
    auto at = std::find(lines.begin(), lines.end(), "### Keyboard shortcuts");
    ASSERT_NE(at, lines.end());
    while (at != lines.end() && !at->starts_with("| Key |")) ++at;
    ASSERT_NE(at, lines.end());
    const std::regex row(R"(\| ([^|]+) \| ([^|]*?) ?\| [^|]+ \|)");
    std::map<std::string, std::string> entries = EntriesByKey();
    EXPECT_GE(entries.size(), 15u);
    for (at += 2; at != lines.end() && at->starts_with('|'); ++at) {
        SCOPED_TRACE(*at);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(*at, m, row));
        const std::string key = m[1], entry = m[2];
        EXPECT_EQ(entries[key], entry);
        entries.erase(key);
    }
    for (const auto& [key, entry] : entries) ADD_FAILURE() << key << " (" << entry << ") has no row";
}

}  // namespace
