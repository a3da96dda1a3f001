// The program folder's list files: start-up vehicles, languages, recent setup files.
#include "files/ListFiles.hpp"
#include "files/ShortenedText.hpp"

#include <algorithm>
#include <functional>
#include <optional>

#include <sys/stat.h>

#include "support/FilePermissions.hpp"
#include "support/HangWatchdog.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

using namespace vehtest;

class ListFilesTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        files::ListFiles() = files::ListFilesState{};
    }
    std::string App(const std::string& name) const { return (root / name).string(); }
    // The start-up list's message begins by naming the list and the vehicles folder, once.
    std::string ListIntro() const {
        return "Vehicle files of the start-up list " + App("autoveh.lst") +
               ", named within the folder " + core::GlobalChassisLab().VehiclesDir + ":\r\n\r\n";
    }
    int FilesIn(const std::filesystem::path& folder) const {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
        return n;
    }
};

TEST_F(ListFilesTest, StartUpListLoadsNamedVehiclesInOrderSkippingBlanksAndMissing) {
    auto& g = core::GlobalChassisLab();
    WriteVehicleFile(VehiclePath("A"), ValidVehicle("Alpha"));
    WriteVehicleFile(VehiclePath("B"), ValidVehicle("Bravo"));
    WriteFile(VehiclePath("Empty"), "");
    WriteFile(App("autoveh.lst"), "A\r\n\r\nMissing\r\nEmpty\r\nB\r\n\r\n");
    g.FormLoading = core::VbTrue;

    files::LoadAutoVehicles();
    ASSERT_EQ(g.VehicleCount, 2);
    EXPECT_EQ(core::TrimRight(g.Vehicles[0].Name), "Alpha");
    EXPECT_EQ(core::TrimRight(g.Vehicles[1].Name), "Bravo");
    EXPECT_TRUE(Shown().empty());  // missing and empty files are skipped silently
    EXPECT_EQ(g.FormLoading, core::VbTrue);  // nothing selected
}

TEST_F(ListFilesTest, StartUpListMissingEmptyOrRepeated) {
    auto& g = core::GlobalChassisLab();
    files::LoadAutoVehicles();  // no list at all
    WriteFile(App("autoveh.lst"), "");
    files::LoadAutoVehicles();
    EXPECT_EQ(g.VehicleCount, 0);
    EXPECT_TRUE(Shown().empty());

    // A name with surrounding blanks is used as written: " A" is not "A". One message names
    // each refused file once, with the lines naming it, and apart from them each file loaded
    // once that more lines named: a repeat is not read again, in whatever way its path is
    // written (a link to the file too). A file is named as its first line names it within the
    // vehicles folder, one outside that folder by its path. A file that cannot be reached (a
    // file named as a folder on its way) is named with the system's reason.
    WriteVehicleFile(VehiclePath("A"), ValidVehicle("Alpha"));
    WriteFile(VehiclePath("Short"), "VEHDATA");
    WriteFile(App("Outside.vd3"), "VEHDATA");
    WriteFile(root / "vehicles" / "plain", "x");
    std::filesystem::create_directories(root / "vehicles" / "sub");
    std::filesystem::create_symlink("A.vd3", VehiclePath("Alias"));
    WriteFile(App("autoveh.lst"), " A\r\nA\r\nsub/../Short\r\n./A\r\nShort\r\nsub/../A\r\nAlias\r\n"
                                  ".//A\r\n../Outside\r\nplain/A\r\nplain/A");
    files::LoadAutoVehicles();
    EXPECT_EQ(g.VehicleCount, 1);
    ASSERT_EQ(Shown().size(), 1u);
    const std::string bad = ": Not a valid vehicle data file";
    EXPECT_EQ(Shown()[0].text, ListIntro() + "Not loaded:\r\nsub/../Short.vd3 (named on 2 lines)" +
                                   bad + "\r\n" + App("Outside.vd3") + " (named on 1 line)" + bad +
                                   "\r\nplain/A.vd3 (named on 2 lines): cannot be read: Not a "
                                   "directory\r\n\r\nLoaded once, their repeated lines skipped:\r\n"
                                   "A.vd3 (named on 5 lines)");
    EXPECT_EQ(Shown()[0].title, "Error!");

    // A file loaded once that a thousand lines name is not a refused one.
    g.Vehicles.clear();
    g.VehicleCount = 0;
    ClearMessages();
    std::string thousand;
    for (int i = 0; i < 1000; ++i) thousand += i % 2 == 0 ? "A\r\n" : "./A\r\n";
    WriteFile(App("autoveh.lst"), thousand);
    files::LoadAutoVehicles();
    EXPECT_EQ(g.VehicleCount, 1);
    ASSERT_EQ(Shown().size(), 1u);
    // Repeats alone are information: every listed vehicle is there.
    EXPECT_EQ(Shown()[0].text, ListIntro() + "Loaded once, their repeated lines skipped:\r\n"
                                             "A.vd3 (named on 1000 lines)");
    EXPECT_EQ(Shown()[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(Shown()[0].title, "");

    // A file that cannot be reached alone is an error, as one that cannot be read.
    ClearMessages();
    WriteFile(App("autoveh.lst"), "plain/B\r\n");
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, ListIntro() + "Not loaded:\r\nplain/B.vd3 (named on 1 line): "
                                             "cannot be read: Not a directory");
    EXPECT_EQ(Shown()[0].title, "Error!");
}

// At most 20 files are named in the whole message, each part at least 10 of them when it has
// them; the rest of each part are counted.
TEST_F(ListFilesTest, StartUpListNamesAtMostTwentyFiles) {
    const auto named = [](const std::string& stem, int lines) {
        return "\r\n" + stem + ".vd3 (named on " + std::to_string(lines) +
               (lines == 1 ? " line)" : " lines)");
    };
    const std::string bad = ": Not a valid vehicle data file";
    const std::string repeats = "\r\n\r\nLoaded once, their repeated lines skipped:";
    const struct {
        int refused, repeated;
        std::string ending;
    } rows[] = {
        {23, 2, named("s17", 1) + bad + "\r\nand 5 more." + repeats + named("r0", 2) + named("r1", 2)},
        {19, 3, named("s16", 1) + bad + "\r\nand 2 more." + repeats + named("r0", 2) +
                    named("r1", 2) + named("r2", 2)},
        {23, 12, named("s9", 1) + bad + "\r\nand 13 more." + repeats + named("r0", 2) +
                     named("r1", 2) + named("r2", 2) + named("r3", 2) + named("r4", 2) +
                     named("r5", 2) + named("r6", 2) + named("r7", 2) + named("r8", 2) +
                     named("r9", 2) + "\r\nand 2 more."},
        {3, 30, named("r16", 2) + "\r\nand 13 more."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.refused) + " refused, " + std::to_string(row.repeated));
        core::GlobalChassisLab().Vehicles.clear();
        core::GlobalChassisLab().VehicleCount = 0;
        ClearMessages();
        std::string list;
        for (int i = 0; i < row.refused; ++i) {
            WriteFile(VehiclePath("s" + std::to_string(i)), "VEHDATA");
            list += "s" + std::to_string(i) + "\n";
        }
        for (int i = 0; i < row.repeated; ++i) {
            const std::string stem = "r" + std::to_string(i);
            WriteVehicleFile(VehiclePath(stem), ValidVehicle("R" + std::to_string(i)));
            list += stem + "\n" + stem + "\n";
        }
        WriteFile(App("autoveh.lst"), list);
        files::LoadAutoVehicles();
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_TRUE(Shown()[0].text.ends_with(row.ending)) << Shown()[0].text;
    }
}

// However long the names, the message keeps to the lines of a small screen: the program
// folder's paths and each name are shortened in their middle, a reason at its end; files of
// long lines are fewer (the others counted), and a line of junk shows its control characters
// as signs.
TEST_F(ListFilesTest, StartUpListMessageKeepsLongNamesShort) {
    auto& g = core::GlobalChassisLab();
    const std::string ellipsis = "\u2026";
    g.AppDir = App(std::string(200, 'p')) + "/";
    g.VehiclesDir = g.AppDir + "vehicles/";
    std::filesystem::create_directories(g.VehiclesDir);
    std::string list;
    for (int i = 10; i < 35; ++i) {
        const std::string stem = std::to_string(i) + std::string(114, 'd');
        WriteFile(g.VehiclesDir + stem + ".vd3", "VEHDATA");
        list += stem + "\r\n";
    }
    WriteFile(g.AppDir + "autoveh.lst", list);
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    const std::string listPath = g.AppDir + "autoveh.lst";
    const std::string first = "10" + std::string(114, 'd') + ".vd3";
    EXPECT_TRUE(Shown()[0].text.starts_with(
        "Vehicle files of the start-up list " + listPath.substr(0, 59) + ellipsis +
        listPath.substr(listPath.size() - 59) + ", named within the folder " +
        g.VehiclesDir.substr(0, 59) + ellipsis + g.VehiclesDir.substr(g.VehiclesDir.size() - 59) +
        ":\r\n\r\nNot loaded:\r\n" + first.substr(0, 31) + ellipsis +
        first.substr(first.size() - 31) + " (named on 1 line): Not a valid vehicle data file\r\n"))
        << Shown()[0].text;
    // Each of the files named takes two lines of 80 characters: twelve are named.
    EXPECT_TRUE(Shown()[0].text.ends_with("d.vd3 (named on 1 line): Not a valid vehicle data "
                                          "file\r\nand 13 more."))
        << Shown()[0].text;
    EXPECT_NE(Shown()[0].text.find("\r\n21d"), std::string::npos);
    EXPECT_EQ(Shown()[0].text.find("\r\n22d"), std::string::npos);

    // A line of junk: control characters, a character that ends a line (NEL) and 3,000 bytes
    // of no character, each as wide as two letters.
    ClearMessages();
    const std::string junk = std::string("\x01\x7f") + '\0' + "\xC2\x85" +
                             std::string(3000, '\xFF') + "end";
    WriteFile(g.AppDir + "autoveh.lst", junk);
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(Shown()[0].text.ends_with(
        "Not loaded:\r\n\u2401\u2421\u2400\u2424" + std::string(11, '\xFF') + ellipsis +
        std::string(12, '\xFF') + "end.vd3 (named on 1 line): holds a character no file name "
                                  "can hold"))
        << Shown()[0].text;

    // A reason of two long names, each of 16 characters outside ASCII, and the setup files
    // they share.
    ClearMessages();
    std::string wide;
    for (int i = 0; i < 15; ++i) wide += "\u00C4";
    WriteVehicleFile(g.VehiclesDir + "A.vd3", ValidVehicle(wide + "?"));
    WriteVehicleFile(g.VehiclesDir + "B.vd3", ValidVehicle(wide + "*"));
    WriteFile(g.AppDir + "autoveh.lst", "A\nB\n");
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    const std::string& text = Shown()[0].text;
    const std::string lead = "B.vd3 (named on 1 line): ";
    ASSERT_NE(text.find(lead), std::string::npos) << text;
    const std::string reason = text.substr(text.find(lead) + lead.size());
    EXPECT_TRUE(reason.starts_with("The vehicle \"" + wide + "*\" was not taken")) << reason;
    EXPECT_TRUE(reason.ends_with(ellipsis)) << reason;
    EXPECT_LE(files::WidthUnits(reason), 160u);
    EXPECT_GT(files::WidthUnits(reason), 150u);

    // Both parts name files of long names (12 refused and 12 repeated, of 200 bytes each, two
    // lines a file): they share the 24 lines, six files each, and the others are counted.
    g.Vehicles.clear();
    g.VehicleCount = 0;
    ClearMessages();
    list.clear();
    for (int i = 10; i < 22; ++i) {
        const std::string refused = std::to_string(i) + std::string(194, 's');
        const std::string repeated = std::to_string(i) + std::string(194, 'r');
        WriteFile(g.VehiclesDir + refused + ".vd3", "VEHDATA");
        WriteVehicleFile(g.VehiclesDir + repeated + ".vd3", ValidVehicle("R" + std::to_string(i)));
        list += refused + "\r\n" + repeated + "\r\n" + repeated + "\r\n";
    }
    WriteFile(g.AppDir + "autoveh.lst", list);
    files::LoadAutoVehicles();
    ASSERT_EQ(g.VehicleCount, 12);
    ASSERT_EQ(Shown().size(), 1u);
    const std::string& both = Shown()[0].text;
    const std::size_t repeats = both.find("\r\n\r\nLoaded once");
    ASSERT_NE(repeats, std::string::npos) << both;
    std::size_t namedLines = 0, refusedNamed = 0, repeatedNamed = 0;
    for (std::size_t at = both.find("Not loaded:\r\n") + 13, end; at < both.size(); at = end + 2) {
        end = std::min(both.find("\r\n", at), both.size());
        const std::string line = both.substr(at, end - at);
        if (line.find(".vd3 (named on") == std::string::npos) continue;
        namedLines += files::EstimatedLines(line, 80);
        ++(at < repeats ? refusedNamed : repeatedNamed);
    }
    EXPECT_LE(namedLines, 24u) << both;
    EXPECT_EQ(refusedNamed, 6u) << both;
    EXPECT_EQ(repeatedNamed, 6u) << both;
    EXPECT_EQ(both.substr(repeats - 13, 13), "\r\nand 6 more.");
    EXPECT_TRUE(both.ends_with("\r\nand 6 more.")) << both;

    // A file out of the vehicles folder, named by its long path: its name whole, its folders
    // shortened.
    ClearMessages();
    const std::string elsewhere = std::string(100, 'o');
    const std::string kart = "Kart_special_edition_for_the_winter_series";
    std::filesystem::create_directories(g.AppDir + elsewhere);
    WriteFile(g.AppDir + elsewhere + "/" + kart + ".vd3", "VEHDATA");
    WriteFile(g.AppDir + "autoveh.lst", "../" + elsewhere + "/" + kart + "\r\n");
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Shown()[0].text.find(ellipsis + "oooo"), std::string::npos) << Shown()[0].text;
    EXPECT_NE(Shown()[0].text.find("oooo/" + kart + ".vd3 (named on 1 line)"), std::string::npos)
        << Shown()[0].text;
}

TEST_F(ListFilesTest, StartUpListStopsAtTwoHundredVehiclesWithOneMessage) {
    auto& g = core::GlobalChassisLab();
    std::string list = "v0\r\n";  // a repeat loads nothing; its notice joins the list's
    for (int i = 0; i < 205; ++i) {
        const std::string stem = "v" + std::to_string(i);
        WriteVehicleFile(VehiclePath(stem), ValidVehicle("Vehicle " + std::to_string(i)));
        list += stem + "\r\n";
    }
    // After the notice a line naming a vehicle loaded is a repeat, and a file left out is
    // counted once however many lines name it.
    WriteFile(App("autoveh.lst"), list + "v1\r\nv202\r\n");
    files::LoadAutoVehicles();
    ASSERT_EQ(g.VehicleCount, 200);
    ASSERT_EQ(g.Vehicles.size(), 200u);
    EXPECT_EQ(core::TrimRight(g.Vehicles[199].Name), "Vehicle 199");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, ListIntro() +
                                   "Loaded once, their repeated lines skipped:\r\n"
                                   "v0.vd3 (named on 2 lines)\r\nv1.vd3 (named on 2 lines)\r\n\r\n"
                                   "You can only load up to 200 vehicles at any one time.\r\n"
                                   "The vehicle file v200.vd3 and 4 more after it in the start-up "
                                   "list were not loaded.");
    EXPECT_EQ(Shown()[0].icon, platform::MsgIcon::None);  // as the full list is told elsewhere

    // One file left out is named alone; a list that only overfills the vehicle list, without
    // a repeat, is told too, and two files left out are the first and one more.
    const std::string limit = "You can only load up to 200 vehicles at any one time.\r\n";
    const struct {
        std::string list;
        std::string told;
    } rows[] = {
        {list.substr(0, list.find("v201\r\n")),
         "Loaded once, their repeated lines skipped:\r\nv0.vd3 (named on 2 lines)\r\n\r\n" +
             limit + "The vehicle file v200.vd3 of the start-up list was not loaded."},
        {list.substr(4, list.find("v201\r\n") - 4),
         limit + "The vehicle file v200.vd3 of the start-up list was not loaded."},
        {list.substr(4, list.find("v202\r\n") - 4),
         limit + "The vehicle file v200.vd3 and 1 more after it in the start-up list were not "
                 "loaded."},
    };
    for (const auto& row : rows) {
        g.Vehicles.clear();
        g.VehicleCount = 0;
        ClearMessages();
        WriteFile(App("autoveh.lst"), row.list);
        files::LoadAutoVehicles();
        EXPECT_EQ(g.VehicleCount, 200);
        ASSERT_EQ(Shown().size(), 1u) << row.told;
        EXPECT_EQ(Shown()[0].text, ListIntro() + row.told);
    }
}

TEST_F(ListFilesTest, StartUpListWrittenByTheEditorReadsBack) {
    ASSERT_TRUE(files::SaveAutoVehicleList({"A", "B"}));
    EXPECT_EQ(ReadFile(root / "autoveh.lst"), "A\r\nB\r\n\r\n");
    ASSERT_TRUE(files::SaveAutoVehicleList({}));
    EXPECT_EQ(ReadFile(root / "autoveh.lst"), "\r\n");
    EXPECT_EQ(FilesIn(root), 2);  // "vehicles" and the list; no temporary file left

    WriteVehicleFile(VehiclePath("A"), ValidVehicle("Alpha"));
    ASSERT_TRUE(files::SaveAutoVehicleList({"A"}));
    files::LoadAutoVehicles();
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 1);
}

// Saved by an editor of this system, the lists have LF line ends, and saved by an old Mac
// editor CR alone; a CR before an LF belongs to its line end, and a CR elsewhere is one.
TEST_F(ListFilesTest, ListsWithLfLineEndsReadAsTheProgramWritesThem) {
    const std::string setup = App("XFG_race.set");
    WriteFile(setup, "x");
    WriteVehicleFile(VehiclePath("A"), ValidVehicle("Alpha"));
    WriteVehicleFile(VehiclePath("B"), ValidVehicle("Bravo"));
    const struct {
        const char* ends;
        std::string vehicles, languages, recent;
    } rows[] = {
        {"LF, CR LF", "A\n\nB\r\r\n", "Language: 2\nEnglish\r\nGerman\n", setup + "\n\n"},
        {"CR", "A\r\rB\r", "Language: 2\rEnglish\rGerman\r", setup + "\r\r"},
        {"CR, LF", "A\r\nB\n\r", "Language: 2\rEnglish\nGerman\r\n", setup + "\r\n\r"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ends);
        auto& g = core::GlobalChassisLab();
        g.Vehicles.clear();
        g.VehicleCount = 0;
        files::ListFiles() = files::ListFilesState{};
        WriteFile(App("autoveh.lst"), row.vehicles);
        files::LoadAutoVehicles();
        EXPECT_EQ(g.VehicleCount, 2);

        WriteFile(App("languages.lst"), row.languages);
        const auto list = files::LoadLanguageList();
        EXPECT_EQ(list.items, (std::vector<std::string>{"English", "German"}));
        EXPECT_EQ(list.choice, "German");

        WriteFile(App("chassislab.mru"), row.recent);
        ASSERT_TRUE(files::LoadRecentFiles());
        EXPECT_EQ(files::ListFiles().RecentFiles[0].Path, setup);
        EXPECT_EQ(files::ListFiles().RecentFilesCount, 1);
        EXPECT_TRUE(Shown().empty());
    }
}

// Cut at the NUL, "A.vd3<NUL>x" would load A.vd3, and "B<NUL>" the file "B" without
// ".vd3": such a line names no file, and the start-up says so; the recent list drops it.
TEST_F(ListFilesTest, ALineHoldingANulNamesNoFile) {
    const std::string nul(1, '\0');
    WriteVehicleFile(VehiclePath("A"), ValidVehicle("Alpha"));
    WriteVehicleFile((root / "vehicles" / "B").string(), ValidVehicle("Bravo"));
    WriteFile(App("autoveh.lst"), "A.vd3" + nul + "x\r\nB" + nul + "\r\nA.vd3" + nul + "x\r\n");
    files::LoadAutoVehicles();
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 0);
    ASSERT_EQ(Shown().size(), 1u);
    const std::string why = ": holds a character no file name can hold";
    EXPECT_EQ(Shown()[0].text, ListIntro() + "Not loaded:\r\nA.vd3\u2400x.vd3 (named on 2 lines)" +
                                   why + "\r\nB\u2400.vd3 (named on 1 line)" + why);
    EXPECT_EQ(Shown()[0].title, "Problem");

    const std::string setup = App("XFG_race.set");
    WriteFile(setup, "x");
    WriteFile(App("chassislab.mru"), setup + nul + "x\r\n\r\n");
    EXPECT_FALSE(files::LoadRecentFiles());
    // Silently: the line of a damaged list names no file to tell of. The lines after it count.
    ClearMessages();
    const std::string other = App("XFG_wet.set");
    WriteFile(other, "x");
    WriteFile(App("chassislab.mru"), setup + nul + "\r\n" + nul + "\r\n" + other + "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(files::ListFiles().RecentFilesCount, 1);
    EXPECT_EQ(files::ListFiles().RecentFiles[0].Path, other);
    EXPECT_TRUE(Shown().empty());

    // A binary file saved as the list: 100,000 distinct such lines (some 800 kB) are told
    // apart as fast as files are, in time linear in the lines (bench_startup_list times it):
    // well under a second. Matched against every earlier line instead, they take about a
    // minute, which the hang watchdog of 20 s catches.
    ClearMessages();
    std::string many;
    for (int i = 0; i < 100000; ++i) many += std::to_string(i) + nul + "\n";
    WriteFile(App("autoveh.lst"), many);
    {
        const testsupport::HangWatchdog watchdog("the start-up list of 100,000 NUL lines", 20);
        files::LoadAutoVehicles();
    }
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(Shown()[0].text.ends_with("\r\nand 99980 more.")) << Shown()[0].text;
}

// Some editors mark a text as UTF-8 with a byte-order mark before it: it is no part of the
// first vehicle's or path's name.
TEST_F(ListFilesTest, AByteOrderMarkBeforeAListIsSkipped) {
    const std::string mark = "\xEF\xBB\xBF";
    WriteVehicleFile(VehiclePath("A"), ValidVehicle("Alpha"));
    WriteVehicleFile(VehiclePath("B"), ValidVehicle("Bravo"));
    WriteFile(App("autoveh.lst"), mark + "A\r\nB\r\n");
    files::LoadAutoVehicles();
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 2);
    EXPECT_EQ(*files::ReadAutoVehicleList(), (std::vector<std::string>{"A", "B"}));

    const std::string setup = App("XFG_race.set");
    WriteFile(setup, "x");
    WriteFile(App("chassislab.mru"), mark + setup + "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(files::ListFiles().RecentFiles[0].Path, setup);
    EXPECT_TRUE(Shown().empty());

    // A first entry whose name begins with the character of the mark (U+FEFF) is written after
    // one more mark, and reads back as it was written.
    WriteVehicleFile(VehiclePath(mark + "C"), ValidVehicle("Charlie"));
    ASSERT_TRUE(files::SaveAutoVehicleList({mark + "C", "A"}));
    EXPECT_EQ(*files::ReadAutoVehicleList(), (std::vector<std::string>{mark + "C", "A"}));
    core::GlobalChassisLab().Vehicles.clear();
    core::GlobalChassisLab().VehicleCount = 0;
    files::LoadAutoVehicles();
    ASSERT_EQ(core::GlobalChassisLab().VehicleCount, 2);
    EXPECT_EQ(core::TrimRight(core::GlobalChassisLab().Vehicles[0].Name), "Charlie");
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ListFilesTest, LanguageChoiceIsReadAndSavedBack) {
    const std::string names = "\r\nEnglish\r\nGerman\r\n";
    WriteFile(App("languages.lst"), "Language: 2" + names);
    const auto list = files::LoadLanguageList();
    EXPECT_TRUE(list.exists);
    EXPECT_EQ(list.items, (std::vector<std::string>{"English", "German"}));
    EXPECT_TRUE(list.hasChoice);
    EXPECT_EQ(list.choice, "German");
    EXPECT_EQ(files::ListFiles().LanguageIndex, 2);

    // A name not listed, or "" (nothing selected), stores 0, which reads back as the first
    // language: the empty piece after the final CR LF is no language for either side.
    const std::array<std::string, 3> cases[] = {
        {"English", "1", "English"}, {"Klingon", "0", "English"}, {"", "0", "English"}};
    for (const auto& [name, stored, readBack] : cases) {
        ASSERT_TRUE(files::SaveLanguageChoice(name));
        EXPECT_EQ(ReadFile(root / "languages.lst"), "Language: " + stored + names) << name;
        EXPECT_EQ(files::LoadLanguageList().choice, readBack) << name;
    }
    // A real empty line inside the list is a listed entry for both.
    WriteFile(App("languages.lst"), "Language: 0\r\nEnglish\r\n\r\nGerman\r\n");
    ASSERT_TRUE(files::SaveLanguageChoice(""));
    EXPECT_EQ(ReadFile(root / "languages.lst"), "Language: 2\r\nEnglish\r\n\r\nGerman\r\n");
    EXPECT_TRUE(files::LoadLanguageList().hasChoice);
    EXPECT_EQ(files::LoadLanguageList().choice, "");
    EXPECT_TRUE(Shown().empty());

    // Two digits are read: "Language: 12".
    std::string many = "Language: 12";
    for (int i = 1; i <= 12; ++i) many += "\r\nL" + std::to_string(i);
    WriteFile(App("languages.lst"), many);
    EXPECT_EQ(files::LoadLanguageList().choice, "L12");
}

TEST_F(ListFilesTest, LanguageListFaults) {
    // A number past the listed languages, or pointing at the empty piece after the final
    // CR LF: the list is shown, nothing chosen, the user told.
    for (const char* text : {"Language: 5\r\nEnglish\r\nGerman\r\n",
                             "Language: 3\r\nEnglish\r\nGerman\r\n"}) {
        ClearMessages();
        WriteFile(App("languages.lst"), text);
        const auto list = files::LoadLanguageList();
        EXPECT_EQ(list.items.size(), 2u);
        EXPECT_FALSE(list.hasChoice);
        EXPECT_EQ(LastMessage(), "Invalid language selection.");
    }
    // A negative number chooses no language rather than wrapping to a byte.
    WriteFile(App("languages.lst"), "Language:-1\r\nEnglish\r\n");
    EXPECT_EQ(files::LoadLanguageList().choice, "English");
    // Only the first line: no languages, nothing chosen.
    WriteFile(App("languages.lst"), "Language: 0");
    EXPECT_FALSE(files::LoadLanguageList().hasChoice);

    ClearMessages();
    std::filesystem::remove(root / "languages.lst");
    EXPECT_FALSE(files::LoadLanguageList().exists);
    EXPECT_EQ(LastMessage(), "The language list does not exist - the language cannot be changed.");
    EXPECT_FALSE(files::SaveLanguageChoice("English"));
    EXPECT_EQ(LastMessage(), "The language list does not exist - the language cannot be saved.");
    EXPECT_FALSE(std::filesystem::exists(root / "languages.lst"));
}

TEST_F(ListFilesTest, RecentFilesReadBack) {
    const std::filesystem::path setups = root / "setups";
    std::filesystem::create_directories(setups);
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i) {
        paths.push_back((setups / ("XFG_race" + std::to_string(i) + ".set")).string());
        WriteFile(paths.back(), "x");
    }
    const std::string other = (setups / "notes.txt").string();
    WriteFile(other, "x");

    // One path and two CR LF: one entry. One path and one line end of any kind, or none, is
    // one entry too, and stays as it is at shut-down.
    auto& state = files::ListFiles();
    for (const char* end : {"\r\n\r\n", "\r\n", "\n", "\r", ""}) {
        SCOPED_TRACE(::testing::PrintToString(end));
        state = files::ListFilesState{};
        WriteFile(App("chassislab.mru"), paths[0] + end);
        ASSERT_TRUE(files::LoadRecentFiles());
        EXPECT_EQ(state.RecentFilesCount, 1);
        EXPECT_EQ(state.RecentFiles[0].Path, paths[0]);
        EXPECT_EQ(state.RecentFiles[0].Title, "XFG_race0");
        ASSERT_TRUE(files::SaveRecentFiles());
        EXPECT_EQ(ReadFile(root / "chassislab.mru"), paths[0] + end);
    }

    // Ten existing paths give the first eight; vanished files are dropped; a name not ending
    // in "set" is its own title.
    std::string text = other + "\r\n" + (setups / "gone.set").string() + "\r\n";
    for (const auto& p : paths) text += p + "\r\n";
    WriteFile(App("chassislab.mru"), text + "\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(state.RecentFilesCount, 8);
    EXPECT_EQ(state.RecentFiles[0].Title, "notes.txt");
    EXPECT_EQ(state.RecentFiles[1].Path, paths[0]);
    EXPECT_EQ(state.RecentFiles[7].Path, paths[6]);

    // A damaged list naming one file six ways, a link to it among them: the file once, as the
    // first line names it.
    std::filesystem::create_directories(setups / "sub");
    std::filesystem::create_symlink(paths[0], setups / "link.set");
    const std::string dir = setups.string();
    WriteFile(App("chassislab.mru"), paths[0] + "\r\n" + dir + "/./XFG_race0.set\r\n" + dir +
                                         "/sub/../XFG_race0.set\r\n" + dir + "//XFG_race0.set\r\n" +
                                         dir + "/link.set\r\n" + paths[0] + "\r\n" + paths[1] +
                                         "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(state.RecentFilesCount, 2);
    EXPECT_EQ(state.RecentFiles[0].Path, paths[0]);
    EXPECT_EQ(state.RecentFiles[1].Path, paths[1]);

    WriteFile(App("chassislab.mru"), "");
    EXPECT_FALSE(files::LoadRecentFiles());
    std::filesystem::remove(root / "chassislab.mru");
    EXPECT_FALSE(files::LoadRecentFiles());
}

// A list in another form than the program writes (no final blank line, a vanished file) is
// left alone at shut-down as long as the entries did not change.
TEST_F(ListFilesTest, RecentFilesWrittenOnlyWhenTheirEntriesChanged) {
    const std::string a = App("a.set"), b = App("b.set");
    WriteFile(a, "x");
    WriteFile(b, "x");
    const std::string stored = a + "\r\n" + App("gone.set") + "\r\n" + b + "\r\n";
    WriteFile(App("chassislab.mru"), stored);
    ASSERT_TRUE(files::LoadRecentFiles());
    ASSERT_TRUE(files::SaveRecentFiles());
    EXPECT_EQ(ReadFile(root / "chassislab.mru"), stored);

    // b opened again moves to the top: now the list is written.
    auto& state = files::ListFiles();
    std::swap(state.RecentFiles[0], state.RecentFiles[1]);
    ASSERT_TRUE(files::SaveRecentFiles());
    EXPECT_EQ(ReadFile(root / "chassislab.mru"), b + "\r\n" + a + "\r\n\r\n");
    EXPECT_TRUE(Shown().empty());
}

// A list file larger than any real list is refused unread, with a message naming its size; one
// of 1 MiB is still read.
TEST_F(ListFilesTest, ListFilesAboveOneMebibyteAreRefusedUnread) {
    const std::size_t cap = std::size_t{1} << 20;
    const std::string setup = App("XFG_race.set");
    WriteFile(setup, "x");
    const struct {
        const char* file;
        std::string list;  // padded with empty lines up to the size tried
        std::function<bool()> read;
    } cases[] = {
        {"autoveh.lst", "A\r\n", [] { return files::ReadAutoVehicleList().has_value(); }},
        {"chassislab.mru", setup + "\r\n\r\n", [] { return files::LoadRecentFiles(); }},
        {"languages.lst", "Language: 1\r\nEnglish\r\n",
         [] { return files::LoadLanguageList().exists; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        for (const std::size_t size : {cap, cap + 1, std::size_t{256} << 20}) {
            ClearMessages();
            const std::size_t written = std::min(size, cap + 1);  // the rest a hole of zeros
            WriteFile(App(c.file), c.list + std::string(written - c.list.size(), '\n'));
            std::filesystem::resize_file(App(c.file), size);
            EXPECT_EQ(c.read(), size <= cap) << size;
            if (size <= cap) {
                EXPECT_TRUE(Shown().empty());
                continue;
            }
            ASSERT_EQ(Shown().size(), 1u);
            EXPECT_EQ(Shown()[0].text, "The file " + App(c.file) + " holds " +
                                           std::to_string(size) +
                                           " bytes, more than any list of the program (at most "
                                           "1048576 bytes); it was not read.");
            EXPECT_EQ(Shown()[0].title, "Error!");
        }
    }
}

// A list that cannot be read (a folder in its place, a file the user may not read) is named
// with the system's reason; no list is read, and nothing says the list does not exist. A
// listed recent file that cannot be reached is named so too, and left out.
TEST_F(ListFilesTest, ListsThatCannotBeReadAreNamedWithTheReason) {
    const std::string a = App("a.set"), b = App("b.set");
    WriteFile(a, "x");
    WriteFile(b, "x");
    // Nine files under a file named as a folder: eight named, the ninth counted.
    std::string list = App("gone.set") + "\r\n", said;
    for (int i = 1; i <= 9; ++i) {
        const std::string beyond = a + "/" + std::to_string(i) + ".set";
        list += beyond + "\r\n";
        if (i > 8) continue;
        said += (said.empty() ? "The file " : "\r\nThe file ") + beyond +
                " cannot be read: Not a directory";
    }
    WriteFile(App("chassislab.mru"), list + b + "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(files::ListFiles().RecentFilesCount, 1);
    EXPECT_EQ(files::ListFiles().RecentFiles[0].Path, b);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, said + "\r\nand 1 more.");
    EXPECT_EQ(Shown()[0].title, "Error!");

    const struct {
        const char* file;
        std::function<bool()> read;
    } cases[] = {
        {"autoveh.lst", [] { return files::ReadAutoVehicleList().has_value(); }},
        {"chassislab.mru", [] { return files::LoadRecentFiles(); }},
        {"languages.lst", [] { return files::LoadLanguageList().exists; }},
        {"languages.lst", [] { return files::SaveLanguageChoice("English"); }},
    };
    for (const bool locked : {false, true}) {
        std::optional<testsupport::FilePermissionsEnforced> enforced;
        if (locked) enforced.emplace();
        if (locked && !enforced->Holds()) GTEST_SKIP() << "file permissions do not hold for root";
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.file) + (locked ? " mode 000" : " a folder"));
            std::filesystem::remove_all(App(c.file));
            if (locked) {
                WriteFile(App(c.file), App("a.set") + "\r\n\r\n");
                std::filesystem::permissions(App(c.file), std::filesystem::perms::none);
            } else {
                std::filesystem::create_directory(App(c.file));
            }
            ClearMessages();
            EXPECT_FALSE(c.read());
            ASSERT_EQ(Shown().size(), 1u);
            EXPECT_EQ(Shown()[0].text, "The file " + App(c.file) + " cannot be read: " +
                                           (locked ? "Permission denied" : "Is a directory"));
            EXPECT_EQ(Shown()[0].title, "Error!");
        }
    }
}

TEST_F(ListFilesTest, AReadOnlyStartUpListIsReportedAndKept) {
    WriteFile(App("autoveh.lst"), "A\r\n\r\n");
    std::filesystem::permissions(root / "autoveh.lst", std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read);
    EXPECT_FALSE(files::SaveAutoVehicleList({"B"}));
    EXPECT_EQ(ReadFile(root / "autoveh.lst"), "A\r\n\r\n");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].title, "Error!");
    EXPECT_TRUE(Shown()[0].text.starts_with("The file " + App("autoveh.lst") +
                                            " could not be written.\r\n"));
}

TEST_F(ListFilesTest, RecentFilesWrittenAtShutDown) {
    auto& state = files::ListFiles();
    // No entries: an existing file stays as it is.
    WriteFile(App("chassislab.mru"), "keep\r\n\r\n");
    ASSERT_TRUE(files::SaveRecentFiles());
    EXPECT_EQ(ReadFile(root / "chassislab.mru"), "keep\r\n\r\n");

    state.RecentFilesCount = 3;
    state.RecentFiles[0].Path = "/a/new.set";
    state.RecentFiles[1].Path = "/a/mid.set";
    state.RecentFiles[2].Path = "/a/old.set";
    ASSERT_TRUE(files::SaveRecentFiles());
    EXPECT_EQ(ReadFile(root / "chassislab.mru"), "/a/new.set\r\n/a/mid.set\r\n/a/old.set\r\n\r\n");
    EXPECT_EQ(FilesIn(root), 2);

    // A program folder that cannot hold files: the user is told, nothing claims success.
    WriteFile(root / "plainfile", "x");
    core::GlobalChassisLab().AppDir = (root / "plainfile").string() + "/";
    EXPECT_FALSE(files::SaveRecentFiles());
    EXPECT_FALSE(files::SaveAutoVehicleList({"A"}));
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].title, "Error!");
}

// A recent list the start could not read (one above 1 MiB; one the user may write but not
// read, mode 200) is left as it is at shut-down, whatever was opened meanwhile: written over,
// it would lose its entries.
TEST_F(ListFilesTest, ARecentListTheStartCouldNotReadIsKept) {
    const std::string a = App("a.set"), b = App("b.set"), opened = App("opened.set");
    for (const auto& path : {a, b, opened}) WriteFile(path, "x");
    const std::string stored = a + "\r\n" + b + "\r\n\r\n";
    auto& state = files::ListFiles();
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "mode 200" : "above 1 MiB");
        std::optional<testsupport::FilePermissionsEnforced> enforced;
        if (locked) enforced.emplace();
        if (locked && !enforced->Holds()) GTEST_SKIP() << "file permissions do not hold for root";
        const std::string list = locked ? stored : stored + std::string(1 << 20, '\n');
        WriteFile(App("chassislab.mru"), list);
        if (locked)
            std::filesystem::permissions(App("chassislab.mru"),
                                         std::filesystem::perms::owner_write);
        ClearMessages();
        state = files::ListFilesState{};
        EXPECT_FALSE(files::LoadRecentFiles());
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].title, "Error!");
        state.RecentFiles[0] = {opened, "opened"};
        state.RecentFilesCount = 1;
        EXPECT_TRUE(files::SaveRecentFiles());
        std::filesystem::permissions(App("chassislab.mru"), std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadFile(root / "chassislab.mru"), list);
        EXPECT_EQ(Shown().size(), 1u);

        // Read at the next start, the list is written again when it changes.
        WriteFile(App("chassislab.mru"), stored);
        ASSERT_TRUE(files::LoadRecentFiles());
        std::swap(state.RecentFiles[0], state.RecentFiles[1]);
        EXPECT_TRUE(files::SaveRecentFiles());
        EXPECT_EQ(ReadFile(root / "chassislab.mru"), b + "\r\n" + a + "\r\n\r\n");
    }
}

// A listed file the start names as one it cannot reach is left out, and the list written at
// shut-down no longer holds it, even when nothing else changed: the next start says nothing.
// A list of such files alone is written empty; a file listed twice is named once.
TEST_F(ListFilesTest, AnUnreachableRecentFileIsToldOnce) {
    const std::string a = App("a.set"), beyond = a + "/b.set";
    WriteFile(a, "x");
    const struct {
        std::string list, written;
    } rows[] = {
        {beyond + "\r\n" + a + "\r\n\r\n", a + "\r\n\r\n"},
        {beyond + "\r\n\r\n", "\r\n"},
        {beyond + "\r\n" + beyond + "\r\n" + a + "\r\n\r\n", a + "\r\n\r\n"},  // named once
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.list);
        files::ListFiles() = files::ListFilesState{};
        WriteFile(App("chassislab.mru"), row.list);
        ClearMessages();
        files::LoadRecentFiles();
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].text, "The file " + beyond + " cannot be read: Not a directory");
        ASSERT_TRUE(files::SaveRecentFiles());
        EXPECT_EQ(ReadFile(root / "chassislab.mru"), row.written);
        files::ListFiles() = files::ListFilesState{};
        files::LoadRecentFiles();
        EXPECT_EQ(Shown().size(), 1u);
    }
}

// However long the paths, the recent list's message keeps to the lines of a small screen: each
// path is shortened in its middle to a line and a half, at most eight are named in some 24
// lines, and a character that would break a line is shown as a sign.
TEST_F(ListFilesTest, RecentListMessageKeepsLongPathsShort) {
    const std::string ellipsis = "\u2026";
    const std::string a = App("a.set");
    WriteFile(a, "x");
    std::string list;
    std::vector<std::string> paths;
    for (int i = 1; i <= 9; ++i) {
        std::string path = a;
        while (path.size() < 950) path += "/Setups_for_a_long_weekend";
        paths.push_back(path + "/" + std::to_string(i) + ".set");
        list += paths.back() + "\r\n";
    }
    WriteFile(App("chassislab.mru"), list + "\r\n");
    files::LoadRecentFiles();
    ASSERT_EQ(Shown().size(), 1u);
    const std::string& text = Shown()[0].text;
    // The name whole, its folders shortened in their middle.
    const std::string folder = paths[0].substr(0, paths[0].size() - 6);
    EXPECT_TRUE(text.starts_with("The file " + folder.substr(0, 56) + ellipsis +
                                 folder.substr(folder.size() - 56) +
                                 "/1.set cannot be read: Not a directory\r\nThe file "))
        << text;
    EXPECT_TRUE(text.ends_with("/8.set cannot be read: Not a directory\r\nand 1 more.")) << text;
    std::size_t lines = 0;
    for (std::size_t at = 0, end; at <= text.size(); at = end + 2) {
        end = std::min(text.find("\r\n", at), text.size());
        lines += files::EstimatedLines(text.substr(at, end - at), 80);
    }
    EXPECT_LE(lines, 25u);

    // Eight files of long names, alike but in their middle, in a long folder: each is told
    // apart by its whole name, its folders shortened.
    ClearMessages();
    list.clear();
    std::vector<std::string> names;
    for (int i = 1; i <= 8; ++i) {
        names.push_back("Blackwood_GP_qualifying_setup_low_wing_" + std::to_string(i) +
                        "_soft_tyres_and_a_stiffer_rear_anti_roll_bar.set");
        list += paths[0].substr(0, paths[0].size() - 5) + names.back() + "\r\n";
    }
    WriteFile(App("chassislab.mru"), list + "\r\n");
    files::LoadRecentFiles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(Shown()[0].text.starts_with("The file /")) << Shown()[0].text;
    for (const std::string& name : names)
        EXPECT_NE(Shown()[0].text.find(ellipsis + "a_long_weekend/" + name + " cannot be read"),
                  std::string::npos)
            << name << "\n" << Shown()[0].text;

    // Line separators in a name, and the control characters of a junk line, are signs.
    ClearMessages();
    const std::string odd = a + "/x\u2028y\u2029z\x01.set";
    WriteFile(App("chassislab.mru"), odd + "\r\n\r\n");
    files::LoadRecentFiles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text,
              "The file " + a + "/x\u2424y\u2424z\u2401.set cannot be read: Not a directory");
}

// A line too long for a path names a file the user may have meant: the start-up list and the
// recent list both name it as one that cannot be read.
TEST_F(ListFilesTest, ALineTooLongForAPathIsNamedInBothLists) {
    const std::string name(300, 'n');
    WriteFile(App("autoveh.lst"), name + "\r\n");
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].title, "Error!");
    EXPECT_NE(Shown()[0].text.find(": cannot be read: File name too long"), std::string::npos)
        << Shown()[0].text;

    ClearMessages();
    const std::string a = App("a.set");
    WriteFile(a, "x");
    WriteFile(App("chassislab.mru"), App(name + ".set") + "\r\n" + a + "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(files::ListFiles().RecentFilesCount, 1);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].title, "Error!");
    EXPECT_TRUE(Shown()[0].text.ends_with(".set cannot be read: File name too long"))
        << Shown()[0].text;
}

// A recent setup the user may not read (mode 000 in a folder the user may open) is named at
// start with the reason and left out of the list, as one in a folder the user may not open.
TEST_F(ListFilesTest, ARecentFileTheUserMayNotReadIsNamedAndLeftOut) {
    testsupport::FilePermissionsEnforced enforced;
    if (!enforced.Holds()) GTEST_SKIP() << "file permissions do not hold for root";
    const std::string locked = App("locked.set"), a = App("a.set");
    WriteFile(locked, "x");
    WriteFile(a, "x");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    WriteFile(App("chassislab.mru"), locked + "\r\n" + a + "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    EXPECT_EQ(files::ListFiles().RecentFilesCount, 1);
    EXPECT_EQ(files::ListFiles().RecentFiles[0].Path, a);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "The file " + locked + " cannot be read: Permission denied");
}

// A list, or a file a list names, that is a pipe or a device: the user is told it is not a
// regular file, not what the system says of reading one.
TEST_F(ListFilesTest, APipeOrDeviceIsNotARegularFile) {
    ASSERT_EQ(::mkfifo(App("autoveh.lst").c_str(), 0600), 0);
    EXPECT_FALSE(files::ReadAutoVehicleList());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "The file " + App("autoveh.lst") + " is not a regular file");

    ClearMessages();
    std::filesystem::remove(App("autoveh.lst"));
    ASSERT_EQ(::mkfifo(VehiclePath("Pipe").c_str(), 0600), 0);
    WriteFile(App("autoveh.lst"), "Pipe\r\n");
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, ListIntro() + "Not loaded:\r\nPipe.vd3 (named on 1 line): is not "
                                             "a regular file");

    ClearMessages();
    const std::string a = App("a.set");
    WriteFile(a, "x");
    WriteFile(App("chassislab.mru"), "/dev/null\r\n" + a + "\r\n\r\n");
    ASSERT_TRUE(files::LoadRecentFiles());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "The file /dev/null is not a regular file");
}

}  // namespace
