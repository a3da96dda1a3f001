// The user manual the build renders from docs/manual: a complete PDF of a handful of pages,
// beside the program and no older than its text, what Help > Manual opens in a program folder
// laid out as the build lays it out, and the menu shortcuts its text names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "platform/ServiceDoubles.hpp"
#include "support/StartedProgram.hpp"

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

TEST(ShippedManualTest, IsACompletePdfOfSixToTwelvePagesBesideTheProgram) {
    const fs::path pdf = CHASSISLAB_MANUAL_PDF;
    EXPECT_EQ(pdf.filename(), "ChassisLab Manual - English.pdf");
    EXPECT_TRUE(fs::equivalent(pdf.parent_path(), CHASSISLAB_PROGRAM_DIR));
    const std::string bytes = ReadBytes(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);  // written to the end
    EXPECT_GE(PageCount(bytes), 6);
    EXPECT_LE(PageCount(bytes), 12);
    // Rendered again after every change of the text.
    EXPECT_GE(fs::last_write_time(pdf), fs::last_write_time(CHASSISLAB_MANUAL_SOURCE));
}

class ManualMenuTest : public testsupport::StartedProgram {};

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
    ui::Main& w = ui::MainWindow();
    const std::string text = ReadBytes(CHASSISLAB_MANUAL_SOURCE);
    const std::regex named(R"(\*\*(\w+) > ([^*]+)\*\* \(((?:Ctrl\+|Shift\+)?F?\w+)\))");
    int checked = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), named), end; it != end; ++it) {
        const std::string menu = (*it)[1], entry = (*it)[2], key = (*it)[3];
        const platform::MenuItem* found = nullptr;
        for (const auto& top : w.MenuBar()) {
            if (platform::StripMnemonic(top->Caption()) != menu) continue;
            for (const auto& item : top->Items())
                if (platform::StripMnemonic(item->Caption()) == entry) found = item.get();
        }
        ASSERT_NE(found, nullptr) << menu << " > " << entry;
        EXPECT_EQ(found->Shortcut(), key) << menu << " > " << entry;
        ++checked;
    }
    EXPECT_GE(checked, 8);  // File Open, Save, Close; Options and Tools entries; Help > About
}

}  // namespace
