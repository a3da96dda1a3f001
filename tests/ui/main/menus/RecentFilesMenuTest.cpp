// The recent-files list and its menu: order, moving an entry up, at most eight, titles, the
// start without a list, a file that has gone, and writing the list file only when it changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include <sys/stat.h>

#include "files/FileMessages.hpp"
#include "files/ListFiles.hpp"
#include "files/SetupFileContext.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"

namespace {

namespace fs = std::filesystem;
using platform::MessageDouble;

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

class RecentFilesMenuTest : public testsupport::StartedProgram {
protected:
    // A setup file that exists (its content does not matter to the list).
    std::string Setup(const std::string& name) {
        const fs::path p = root / "setups" / name;
        vehtest::WriteFile(p, "x");
        return p.string();
    }
    std::string Path(int slot) const { return files::ListFiles().RecentFiles[slot].Path; }
    int Count() const { return files::ListFiles().RecentFilesCount; }
};

TEST_F(RecentFilesMenuTest, AStartWithoutAListShowsADisabledNoRecentFiles) {
    ui::Main& w = Start();
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(w.FileOpenRecent[0]->Caption(), "No recent files");
    EXPECT_FALSE(w.FileOpenRecent[0]->Enabled());
    EXPECT_TRUE(w.FileOpenRecent[0]->Visible());
    for (int i = 1; i < 8; ++i) EXPECT_FALSE(w.FileOpenRecent[i]->Visible()) << i;

    // The first entry added enables entry 0 with its title.
    ui::AddRecentFile(Setup("XRT_race.set"));
    EXPECT_EQ(w.FileOpenRecent[0]->Caption(), "XRT_race");
    EXPECT_TRUE(w.FileOpenRecent[0]->Enabled());
}

TEST_F(RecentFilesMenuTest, NewestFirstDuplicatesMoveUpAndEightAtMost) {
    ui::Main& w = Start();
    std::vector<std::string> paths;
    for (int i = 0; i < 9; ++i) paths.push_back(Setup("car_" + std::to_string(i) + ".set"));
    for (int i = 0; i < 8; ++i) ui::AddRecentFile(paths[i]);
    ASSERT_EQ(Count(), 8);
    for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(Path(slot), paths[7 - slot]);

    // The path in slot 3 (car_4) moves to the top; slots 0..2 move down; 4..7 stay.
    ui::AddRecentFile(paths[4]);
    EXPECT_EQ(Count(), 8);
    const int expected[] = {4, 7, 6, 5, 3, 2, 1, 0};
    for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(Path(slot), paths[expected[slot]]) << slot;

    // A ninth distinct path drops the oldest.
    ui::AddRecentFile(paths[8]);
    EXPECT_EQ(Count(), 8);
    EXPECT_EQ(Path(0), paths[8]);
    EXPECT_EQ(Path(7), paths[1]);
    EXPECT_EQ(ui::FindRecentFile(paths[0]), ui::kRecentFileNotFound);
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_TRUE(w.FileOpenRecent[slot]->Visible());
        EXPECT_EQ(w.FileOpenRecent[slot]->Caption(), files::ListFiles().RecentFiles[slot].Title);
    }

    // Another way of writing a listed file's path, or a link to it, names the same file: it
    // moves up under the path last used instead of being listed twice.
    const std::string other = (root / "setups" / "." / "car_5.set").string();
    fs::create_symlink(paths[5], root / "setups" / "car_link.set");
    for (const std::string& spelling : {other, (root / "setups" / "car_link.set").string()}) {
        ui::AddRecentFile(spelling);
        EXPECT_EQ(Count(), 8);
        EXPECT_EQ(Path(0), spelling);
        EXPECT_EQ(Path(7), paths[1]) << "the oldest stays: nothing was added";
    }
}

TEST_F(RecentFilesMenuTest, TitlesDropOnlyALowerCaseSetExtensionAndCaseMatters) {
    Start();
    const std::string upper = Setup("XRT_race.SET");
    const std::string lower = Setup("xrt_race.set");
    ui::AddRecentFile(upper);
    ui::AddRecentFile(lower);
    EXPECT_EQ(Count(), 2);  // paths differing in case are distinct
    EXPECT_EQ(files::ListFiles().RecentFiles[0].Title, "xrt_race");
    EXPECT_EQ(files::ListFiles().RecentFiles[1].Title, "XRT_race.SET");
}

// An entry shows its file's name as it is, whatever the name holds: an "&" as itself (the
// caption doubles it, or it would mark a shortcut letter and vanish), and a control character
// as its sign, as the window's title shows the path (a TAB would open a shortcut column, BEL
// or ESC would vanish). The entry opens the file of that very name.
TEST_F(RecentFilesMenuTest, AnEntryShowsItsNameAsItIsAndOpensItsFile) {
    CopyShippedData();
    const struct {
        std::string name;   // of the setup file, without ".set"
        std::string shown;  // as the menu shows it
    } rows[] = {
        {"VW Golf GTI Mk7_Ben & Jerry", "VW Golf GTI Mk7_Ben & Jerry"},
        {"VW Golf GTI Mk7_\t\a\x1B\x01\x7F&&x",
         "VW Golf GTI Mk7_\u2409\u2407\u241B\u2401\u2421&&x"},
        // Wider than a message shows a name whole (220 signs of two units each): whole still.
        {"VW Golf GTI Mk7_" + std::string(220, '\t'),
         "VW Golf GTI Mk7_" + Repeated("\u2409", 220)},
    };
    std::string list;
    for (const auto& row : rows) {
        const fs::path file = root / "setups" / (row.name + ".set");
        fs::copy_file(root / "setups" / "VW Golf GTI Mk7_Default.set", file);
        list += file.string() + "\r\n";
    }
    vehtest::WriteFile(root / "chassislab.mru", list + "\r\n");
    ui::Main& w = Start();
    ASSERT_EQ(Count(), static_cast<int>(std::size(rows)));
    for (int slot = 0; slot < Count(); ++slot) {
        const auto& row = rows[slot];
        SCOPED_TRACE(row.shown);
        platform::MenuItem& entry = *w.FileOpenRecent[slot];
        EXPECT_EQ(platform::StripMnemonic(entry.Caption()), row.shown);
        const std::string path = (root / "setups" / (row.name + ".set")).string();
        MessageDouble().Clear();
        entry.UserClick();
        EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
        EXPECT_EQ(files::SetupFile().SetupSavePath, path);
        EXPECT_EQ(w.Caption(), "ChassisLab (" + files::PathInTitle(path) + ")");
        // Opened, it moves to the top, shown the same.
        EXPECT_EQ(Path(0), path);
        EXPECT_EQ(platform::StripMnemonic(w.FileOpenRecent[0]->Caption()), row.shown);
    }
}

// The list file holds one path a line: a setup whose path holds a line break (CR or LF) is not
// listed, where it would come back as two lines naming no file.
TEST_F(RecentFilesMenuTest, APathHoldingALineBreakIsNotListed) {
    Start();
    const std::string plain = Setup("XRT_race.set");
    ui::AddRecentFile(plain);
    for (const char* name : {"XRT\nrace.set", "XRT\rrace.set", "XRT_race.set\r\n"}) {
        ui::AddRecentFile(Setup(name));
        EXPECT_EQ(Count(), 1) << name;
        EXPECT_EQ(Path(0), plain);
    }
    ASSERT_TRUE(files::SaveRecentFiles());
    EXPECT_EQ(vehtest::ReadFile(root / "chassislab.mru"), plain + "\r\n\r\n");
}

TEST_F(RecentFilesMenuTest, TheListFileFillsTheMenuWithTheFilesThatStillExist) {
    const std::string a = Setup("A_one.set");
    const std::string b = Setup("B_two.set");
    vehtest::WriteFile(root / "chassislab.mru",
                       a + "\r\n" + (root / "setups" / "gone.set").string() + "\r\n" + b + "\r\n\r\n");
    ui::Main& w = Start();
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(w.FileOpenRecent[0]->Caption(), "A_one");
    EXPECT_EQ(w.FileOpenRecent[1]->Caption(), "B_two");
    EXPECT_TRUE(w.FileOpenRecent[1]->Visible());
    EXPECT_FALSE(w.FileOpenRecent[2]->Visible());
}

TEST_F(RecentFilesMenuTest, AnEntryWhoseFileHasGoneIsRemovedAfterItsMessage) {
    ui::Main& w = Start();
    const std::string a = Setup("A_one.set");
    const std::string b = Setup("B_two.set");
    ui::AddRecentFile(a);
    ui::AddRecentFile(b);  // b in slot 0, a in slot 1
    fs::remove(b);
    MessageDouble().Clear();

    w.FileOpenRecent[0]->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().text, "File does not exist!");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Path(0), a);
    EXPECT_EQ(w.FileOpenRecent[0]->Caption(), "A_one");
    EXPECT_FALSE(w.FileOpenRecent[1]->Visible());

    // A file that is there but not a setup stays listed after its message.
    MessageDouble().Clear();
    w.FileOpenRecent[0]->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(Count(), 1);

    // The last one gone: "No recent files" again.
    fs::remove(a);
    w.FileOpenRecent[0]->UserClick();
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(w.FileOpenRecent[0]->Caption(), "No recent files");
    EXPECT_FALSE(w.FileOpenRecent[0]->Enabled());
}

TEST_F(RecentFilesMenuTest, TheListFileIsWrittenAtShutDownOnlyWhenItChanged) {
    const std::string a = Setup("A_one.set");
    const fs::path list = root / "chassislab.mru";
    vehtest::WriteFile(list, a + "\r\n\r\n");
    struct stat before {};
    ASSERT_EQ(::stat(list.c_str(), &before), 0);

    ui::Main& w = Start();
    w.Unload();  // unchanged: the file is not replaced (same inode)
    struct stat after {};
    ASSERT_EQ(::stat(list.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_TRUE(MessageDouble().Requests().empty());

    // Changed: replaced whole through a temporary file, nothing else left in the folder.
    ui::ResetMainWindow();
    files::ListFiles() = {};
    ui::Main& again = Start();
    const std::string b = Setup("B_two.set");
    ui::AddRecentFile(b);
    again.Unload();
    EXPECT_EQ(vehtest::ReadFile(list), b + "\r\n" + a + "\r\n\r\n");
    ASSERT_EQ(::stat(list.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    for (const auto& e : fs::directory_iterator(root))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

}  // namespace
