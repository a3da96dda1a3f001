// The File menu driven through the scripted file dialogs and message boxes: opening, saving
// under a new name and over an existing file, cancelling and failing dialogs, a save that
// cannot be written, Close, Exit, and loading and saving vehicle files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/OptionsSettings.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/ListFiles.hpp"
#include "files/SetupFileContext.hpp"
#include "files/ShortenedText.hpp"
#include "files/VehicleFile.hpp"
#include "support/FilePermissions.hpp"
#include "support/PeakMemory.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/startup/VehicleSelection.hpp"

namespace {

namespace fs = std::filesystem;
using platform::FileDialogDouble;
using platform::MessageDouble;
using platform::MsgAnswer;
using platform::ScriptedFileDialog;

const std::string kGolf = vehicle::PaddedVehicleName("VW Golf GTI Mk7");

class FileMenuTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        w = &Start();
        // The start applied the first vehicle's default setup, which became the current file.
        w->FileClose->UserClick();
        MessageDouble().Clear();
    }
    std::string Setups() const { return (root / "setups").string() + "/"; }
    std::string GolfDefault() const { return Setups() + "VW Golf GTI Mk7_Default.set"; }
    const files::ListFilesState& Recent() const { return files::ListFiles(); }

    ui::Main* w = nullptr;
};

// Started without a vehicle: the vehicle editor is open for a first one.
class FileMenuWithoutVehiclesTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        w = &Start();
        MessageDouble().Clear();
    }
    ui::Main* w = nullptr;
};

// The setting controls hold no vehicle's setup: Save and Save As say so before any dialog,
// rather than naming a final drive ratio of 0.
TEST_F(FileMenuWithoutVehiclesTest, SaveSaysNoVehicleIsSelected) {
    const std::string target = (root / "setups" / "none_race.set").string();
    for (platform::MenuItem* item : {w->FileSaveSetup, w->FileSaveAs}) {
        MessageDouble().Clear();
        FileDialogDouble().QueueSavePath(target);  // what the dialog would answer
        item->UserClick();
        ASSERT_EQ(MessageDouble().Count(), 1u);
        EXPECT_EQ(MessageDouble().Last().text, "The setup was not saved: no vehicle is selected.");
        EXPECT_EQ(MessageDouble().Last().title, "Problem");
    }
    EXPECT_TRUE(FileDialogDouble().SaveRequests().empty());
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(FileMenuTest, OpenMakesTheFileCurrentAndRecentAndFiltersByCarOnlyWhenAsked) {
    FileDialogDouble().QueueOpenPath(GolfDefault());
    w->FileOpenSetup->UserClick();
    ASSERT_EQ(FileDialogDouble().OpenRequests().size(), 1u);
    EXPECT_EQ(FileDialogDouble().OpenRequests()[0].filter, "LFS Settings File | *.set");
    EXPECT_EQ(FileDialogDouble().OpenRequests()[0].initialFolder, Setups());
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(w->Caption(), "ChassisLab (" + GolfDefault() + ")");
    EXPECT_TRUE(w->FileClose->Enabled());
    EXPECT_EQ(files::SetupFile().SetupSavePath, GolfDefault());
    ASSERT_EQ(Recent().RecentFilesCount, 1);
    EXPECT_EQ(Recent().RecentFiles[0].Path, GolfDefault());
    EXPECT_EQ(w->FileOpenRecent[0]->Caption(), "VW Golf GTI Mk7_Default");

    core::OptionsSettings().FilterSetupsOnOpen = core::VbTrue;
    w->FileOpenSetup->UserClick();  // cancelled: the empty queue answers as a cancel
    EXPECT_EQ(FileDialogDouble().OpenRequests()[1].filter, "LFS Settings File | VW Golf GTI Mk7_*.set");
}

// A setup in a folder whose name holds a line feed: the title shows the sign the messages show
// for it, after Open and after Save As, and is one line.
TEST_F(FileMenuTest, APathsControlCharactersAreSignsInTheTitle) {
    const fs::path folder = root / "setups" / "wet\nweekend";
    fs::create_directories(folder);
    const std::string shown = Setups() + "wet\u240Aweekend/VW Golf GTI Mk7_";
    fs::copy_file(GolfDefault(), folder / "VW Golf GTI Mk7_a.set");
    FileDialogDouble().QueueOpenPath((folder / "VW Golf GTI Mk7_a.set").string());
    w->FileOpenSetup->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(w->Caption(), "ChassisLab (" + shown + "a.set)");
    FileDialogDouble().QueueSavePath((folder / "VW Golf GTI Mk7_\rb.set").string());
    w->FileSaveAs->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(files::CheckFile((folder / "VW Golf GTI Mk7_\rb.set").string()), 1);
    EXPECT_EQ(w->Caption(), "ChassisLab (" + shown + "\u240Db.set)");

    // A path longer than a message shows is whole in the title too.
    const fs::path deep = root / "setups" / std::string(200, 'd') / std::string(200, 'e');
    fs::create_directories(deep);
    fs::copy_file(GolfDefault(), deep / "VW Golf GTI Mk7_c.set");
    FileDialogDouble().QueueOpenPath((deep / "VW Golf GTI Mk7_c.set").string());
    w->FileOpenSetup->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(w->Caption(), "ChassisLab (" + (deep / "VW Golf GTI Mk7_c.set").string() + ")");
}

TEST_F(FileMenuTest, SaveAsToANewNameWritesItAndMakesItCurrentAndRecent) {
    const std::string target = Setups() + "VW Golf GTI Mk7_race.set";
    FileDialogDouble().QueueSavePath(target);
    w->FileSaveAs->UserClick();

    ASSERT_EQ(FileDialogDouble().SaveRequests().size(), 1u);
    const platform::FileDialogRequest& r = FileDialogDouble().SaveRequests()[0];
    EXPECT_EQ(r.fileName, "VW Golf GTI Mk7_");  // no current file: the prefix is proposed
    EXPECT_EQ(r.defaultExtension, "set");
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(files::CheckFile(target), 1);
    EXPECT_EQ(w->Caption(), "ChassisLab (" + target + ")");
    ASSERT_EQ(Recent().RecentFilesCount, 1);
    EXPECT_EQ(Recent().RecentFiles[0].Title, "VW Golf GTI Mk7_race");

    // A plain save then writes the same file and touches neither caption nor list.
    fs::remove(target);
    w->FileSaveSetup->UserClick();
    EXPECT_EQ(files::CheckFile(target), 1);
    EXPECT_EQ(FileDialogDouble().SaveRequests().size(), 1u);  // no dialog
    EXPECT_EQ(Recent().RecentFilesCount, 1);

    // An empty file of the chosen name is replaced without asking.
    const std::string empty = Setups() + "VW Golf GTI Mk7_empty.set";
    vehtest::WriteFile(empty, "");
    FileDialogDouble().QueueSavePath(empty);
    w->FileSaveAs->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 0u);
    EXPECT_EQ(files::CheckFile(empty), 1);
}

TEST_F(FileMenuTest, SaveAsProposesTheCurrentFileCleanedOfForbiddenCharacters) {
    files::SetupFile().SetupSavePath = Setups() + "odd?name*.set";
    w->FileSaveAs->UserClick();  // cancelled
    ASSERT_EQ(FileDialogDouble().SaveRequests().size(), 1u);
    EXPECT_EQ(FileDialogDouble().SaveRequests()[0].fileName, Setups() + "oddname.set");
    EXPECT_EQ(files::SetupFile().SetupSavePath, Setups() + "odd?name*.set");  // unchanged
}

// A vehicle name holding characters a file name cannot hold: Save As proposes, and Open and
// Save As filter on, the name its default setup carries.
TEST_F(FileMenuTest, SetupDialogsUseTheVehicleNameAsItsDefaultSetupCarriesIt) {
    core::OptionsSettings().FilterSetupsOnOpen = core::VbTrue;
    const struct {
        const char* name;
        const char* stem;
        const char* pattern = nullptr;  // the stem's, unless a filter cannot hold it
    } cases[] = {{"Golf 1.8/2.0", "Golf 1.82.0"}, {"Rally Car?", "Rally Car"},
                 {"Rally\\Car", "RallyCar"}, {" Kart: ", "Kart"},
                 {"Car;Two", "Car;Two", "Car?Two"}};
    auto& current = core::GlobalChassisLab().CurrentVehicle;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        vehicle::SetVehicleName(current, c.name);
        w->FileSaveAs->UserClick();  // cancelled
        w->FileOpenSetup->UserClick();
        const platform::FileDialogRequest& save = FileDialogDouble().SaveRequests().back();
        const std::string pattern = std::string(c.pattern ? c.pattern : c.stem) + "_*.set";
        EXPECT_EQ(save.fileName, std::string(c.stem) + "_");
        EXPECT_EQ(save.filter, "LFS Settings File | " + pattern);
        EXPECT_EQ(FileDialogDouble().OpenRequests().back().filter, "LFS Settings File | " + pattern);
        EXPECT_EQ(ui::DefaultSetupPath(), Setups() + c.stem + "_Default.set");
    }
}

// A chosen name with a dot of its own still gets the dialog's extension, before the overwrite
// question; that file is the one saved, shown and remembered. (Every save dialog goes through
// ChooseFile; the setup reader's CSV export shows it too.)
TEST_F(FileMenuTest, SaveAsAddsTheExtensionToANameWithADot) {
    const std::string wet = Setups() + "Golf_wet 2.1bar";
    FileDialogDouble().QueueSavePath(wet);
    w->FileSaveAs->UserClick();
    EXPECT_EQ(files::CheckFile(wet + ".set"), 1);
    EXPECT_EQ(w->Caption(), "ChassisLab (" + wet + ".set)");
    EXPECT_EQ(Recent().RecentFiles[0].Title, "Golf_wet 2.1bar");

    FileDialogDouble().QueueSavePath(Setups() + "VW Golf GTI Mk7_Default");
    MessageDouble().QueueAnswer(MsgAnswer::No);  // then the reopened dialog is cancelled
    w->FileSaveAs->UserClick();
    EXPECT_EQ(MessageDouble().Last().text,
              "The file VW Golf GTI Mk7_Default.set exists, do you wish to overwrite it?");

    // A control character in the name shows as its sign, as in every other message.
    const std::string tabbed = Setups() + "Golf\twet.set";
    vehtest::WriteFile(tabbed, vehtest::ReadFile(GolfDefault()));
    FileDialogDouble().QueueSavePath(tabbed);
    MessageDouble().QueueAnswer(MsgAnswer::No);
    w->FileSaveAs->UserClick();
    EXPECT_EQ(MessageDouble().Last().text,
              "The file Golf\u2409wet.set exists, do you wish to overwrite it?");

    // A name wider than a message shows whole (230 TABs, each a sign two units wide) is
    // shortened in its middle, as every message shortens one.
    const std::string wide = "Golf" + std::string(230, '\t') + "wet.set";
    const std::string shown = files::PathInMessage(wide);
    ASSERT_NE(shown.find("\u2026"), std::string::npos);
    ASSERT_LE(files::WidthUnits(shown), files::kMessagePathUnits);
    vehtest::WriteFile(Setups() + wide, vehtest::ReadFile(GolfDefault()));
    FileDialogDouble().QueueSavePath(Setups() + wide);
    MessageDouble().QueueAnswer(MsgAnswer::No);
    w->FileSaveAs->UserClick();
    EXPECT_EQ(MessageDouble().Last().text,
              "The file " + shown + " exists, do you wish to overwrite it?");
}

// A setup file longer than its record opens from the record alone: its 256 MB take no memory.
TEST_F(FileMenuTest, ALongSetupFileOpensFromItsRecord) {
    const std::string longer = Setups() + "VW Golf GTI Mk7_long.set";
    fs::copy_file(GolfDefault(), longer);
    fs::resize_file(longer, 256 * testsupport::kMiB);
    const std::size_t peak = testsupport::PeakResidentBytes();
    FileDialogDouble().QueueOpenPath(longer);
    w->FileOpenSetup->UserClick();
    EXPECT_LT(testsupport::PeakResidentBytes(), peak + 64 * testsupport::kMiB);
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(w->Caption(), "ChassisLab (" + longer + ")");
}

TEST_F(FileMenuTest, SaveAsOverAnExistingFileAsksAndNoChoosesAgain) {
    const std::string existing = GolfDefault();
    const std::string before = vehtest::ReadFile(existing);
    // No: the dialog reopens; the second time the user cancels. Nothing is written.
    FileDialogDouble().QueueSavePath(existing);
    MessageDouble().QueueAnswer(MsgAnswer::No);
    w->FileSaveAs->UserClick();
    EXPECT_EQ(FileDialogDouble().SaveRequests().size(), 2u);
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Requests()[0].text,
              "The file VW Golf GTI Mk7_Default.set exists, do you wish to overwrite it?");
    EXPECT_EQ(vehtest::ReadFile(existing), before);
    EXPECT_EQ(Recent().RecentFilesCount, 0);
    EXPECT_EQ(w->Caption(), "ChassisLab v3.1.4");

    // Yes: written, current and recent.
    w->Set_SteerLock->SetValue(w->Set_SteerLock->Value() + 1);
    FileDialogDouble().QueueSavePath(existing);
    MessageDouble().QueueAnswer(MsgAnswer::Yes);
    w->FileSaveAs->UserClick();
    EXPECT_NE(vehtest::ReadFile(existing), before);
    EXPECT_EQ(Recent().RecentFilesCount, 1);
    EXPECT_EQ(w->Caption(), "ChassisLab (" + existing + ")");
}

TEST_F(FileMenuTest, CancelAtEveryDialogDoesNothingAndSaysNothing) {
    const std::string caption = w->Caption();
    w->FileOpenSetup->UserClick();
    w->FileSaveAs->UserClick();
    w->FileSaveSetup->UserClick();  // no current file: Save As
    w->FileLoadVehicle->UserClick();
    w->FileSaveVehicle->UserClick();
    EXPECT_EQ(FileDialogDouble().OpenRequests().size(), 2u);
    EXPECT_EQ(FileDialogDouble().SaveRequests().size(), 3u);
    EXPECT_EQ(MessageDouble().Count(), 0u);
    EXPECT_EQ(w->Caption(), caption);
    EXPECT_EQ(Recent().RecentFilesCount, 0);
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 3);
}

TEST_F(FileMenuTest, ADialogErrorIsShownWithItsNumberAndDescription) {
    FileDialogDouble().QueueOpen(ScriptedFileDialog::Failed(20476, "Buffer too small"));
    w->FileOpenSetup->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().text, "Error 20476\r\nBuffer too small");
    EXPECT_EQ(Recent().RecentFilesCount, 0);
}

TEST_F(FileMenuTest, ASaveThatCannotBeWrittenReportsAndKeepsTheOldFileCaptionAndList) {
    // A read-only folder holding an older setup of the same name.
    const fs::path folder = root / "locked";
    fs::create_directories(folder);
    const std::string target = (folder / "VW Golf GTI Mk7_old.set").string();
    fs::copy_file(GolfDefault(), target);
    const std::string before = vehtest::ReadFile(target);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    {
        testsupport::FilePermissionsEnforced enforced;
        if (!enforced.Holds()) {
            fs::permissions(folder, fs::perms::owner_all);
            GTEST_SKIP() << "running as root without a way to honour file permissions";
        }
        FileDialogDouble().QueueSavePath(target);
        MessageDouble().QueueAnswer(MsgAnswer::Yes);  // overwrite
        w->FileSaveAs->UserClick();
    }
    fs::permissions(folder, fs::perms::owner_all);

    ASSERT_EQ(MessageDouble().Count(), 2u);  // the question, then the failure
    EXPECT_EQ(MessageDouble().Last().title, "Error!");
    EXPECT_NE(MessageDouble().Last().text.find(target), std::string::npos)
        << MessageDouble().Last().text;
    EXPECT_EQ(vehtest::ReadFile(target), before);
    EXPECT_EQ(w->Caption(), "ChassisLab v3.1.4");
    EXPECT_FALSE(w->FileClose->Enabled());
    EXPECT_EQ(files::SetupFile().SetupSavePath, "");
    EXPECT_EQ(Recent().RecentFilesCount, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

// A setup file the user may not read, or one in a folder the user may not search, is named
// with the system's reason, not called invalid or missing.
TEST_F(FileMenuTest, OpenNamesASetupFileTheUserMayNotRead) {
    const std::string path = Setups() + "VW Golf GTI Mk7_locked.set";
    fs::copy_file(GolfDefault(), path);
    fs::permissions(path, fs::perms::none);
    fs::create_directory(Setups() + "closed");
    const std::string inClosed = Setups() + "closed/VW Golf GTI Mk7_race.set";
    fs::copy_file(GolfDefault(), inClosed);
    fs::permissions(Setups() + "closed", fs::perms::owner_read | fs::perms::owner_write);
    testsupport::FilePermissionsEnforced enforced;
    if (!enforced.Holds()) GTEST_SKIP() << "running as root without a way to honour file permissions";
    for (const std::string& file : {path, inClosed}) {
        MessageDouble().Clear();
        FileDialogDouble().QueueOpenPath(file);
        w->FileOpenSetup->UserClick();
        ASSERT_EQ(MessageDouble().Count(), 1u);
        EXPECT_EQ(MessageDouble().Last().text,
                  "The file " + file + " cannot be read: Permission denied");
        EXPECT_EQ(MessageDouble().Last().title, "Error!");
        EXPECT_EQ(files::SetupFile().SetupSavePath, "");
        EXPECT_EQ(Recent().RecentFilesCount, 0);
    }
    fs::permissions(Setups() + "closed", fs::perms::owner_all);
}

TEST_F(FileMenuTest, CloseForgetsTheCurrentFileAndSaveThenAsksForANewName) {
    FileDialogDouble().QueueOpenPath(GolfDefault());
    w->FileOpenSetup->UserClick();
    ASSERT_TRUE(w->FileClose->Enabled());
    w->FileClose->UserClick();
    EXPECT_EQ(w->Caption(), "ChassisLab v3.1.4");
    EXPECT_FALSE(w->FileClose->Enabled());
    EXPECT_EQ(files::SetupFile().SetupSavePath, "");

    w->FileSaveSetup->UserClick();
    EXPECT_EQ(FileDialogDouble().SaveRequests().size(), 1u);  // Save As's dialog
}

TEST_F(FileMenuTest, ExitClosesTheWindowAndShutsDownOnce) {
    FileDialogDouble().QueueOpenPath(GolfDefault());
    w->FileOpenSetup->UserClick();
    const fs::path list = root / "chassislab.mru";

    w->FileExit->UserClick();
    EXPECT_FALSE(w->Loaded());
    EXPECT_EQ(vehtest::ReadFile(list), GolfDefault() + "\r\n\r\n");  // written by the shut-down

    fs::remove(list);
    w->UserClose();  // the window is already closed: no second shut-down
    EXPECT_FALSE(fs::exists(list));
}

TEST_F(FileMenuTest, SaveVehicleWritesTheSelectedVehicleOrStopsWhenNoneMatches) {
    const std::string target = (root / "vehicles" / "copy.vd3").string();
    FileDialogDouble().QueueSavePath(target);
    w->FileSaveVehicle->UserClick();
    ASSERT_EQ(FileDialogDouble().SaveRequests().size(), 1u);
    EXPECT_EQ(FileDialogDouble().SaveRequests()[0].fileName, "VW Golf GTI Mk7.vd3");
    EXPECT_EQ(FileDialogDouble().SaveRequests()[0].initialFolder, core::GlobalChassisLab().VehiclesDir);
    EXPECT_EQ(vehtest::ReadFile(target), vehtest::ReadFile(root / "vehicles" / "VW Golf GTI Mk7.vd3"));

    // The selector's text names no loaded vehicle (never vehicle 0 under another name).
    for (auto& v : core::GlobalChassisLab().Vehicles) vehicle::SetVehicleName(v, "Renamed");
    w->FileSaveVehicle->UserClick();
    EXPECT_EQ(FileDialogDouble().SaveRequests().size(), 1u);
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().text, "No loaded vehicle to save.");
}

TEST_F(FileMenuTest, LoadVehicleAddsItToTheSelectorAndSelectsIt) {
    auto& g = core::GlobalChassisLab();
    vehicle::VehicleRecord v = g.Vehicles[0];
    vehicle::SetVehicleName(v, "Golf Estate");
    const std::string path = (root / "vehicles" / "golf_estate.vd3").string();
    vehtest::WriteVehicleFile(path, v);
    w->VehData_EditExisting->SetEnabled(false);

    FileDialogDouble().QueueOpenPath(path);
    w->FileLoadVehicle->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    ASSERT_EQ(g.VehicleCount, 4);
    EXPECT_EQ(w->Main_SelectVeh->Text(), vehicle::PaddedVehicleName("Golf Estate"));
    EXPECT_EQ(g.CurrentVehicle.Name, vehicle::PaddedVehicleName("Golf Estate"));
    EXPECT_TRUE(w->VehData_EditExisting->Enabled());

    // The same vehicle again is refused by the loader, which says why; the selector is as it was.
    FileDialogDouble().QueueOpenPath(path);
    w->FileLoadVehicle->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(w->Main_SelectVeh->ListCount(), 4);
}

TEST_F(FileMenuTest, EveryDialogRequestIsFreshWhateverCameBefore) {
    // Another window's request with multiple selection and a file name must not leak.
    platform::FileDialogRequest other;
    other.multiSelect = true;
    other.fileName = "leftover.vd3";
    other.defaultExtension = "xyz";
    (void)ui::ChooseFile(other, false);
    w->FileLoadVehicle->UserClick();
    w->FileOpenSetup->UserClick();
    const auto& opens = FileDialogDouble().OpenRequests();
    ASSERT_EQ(opens.size(), 3u);
    for (std::size_t i = 1; i < opens.size(); ++i) {
        EXPECT_FALSE(opens[i].multiSelect);
        EXPECT_EQ(opens[i].fileName, "");
        EXPECT_EQ(opens[i].defaultExtension, "");
    }
}

TEST_F(FileMenuTest, RunExportsAskForAFileAndKeepTheirFolder) {
    // The run export installs its writer with the menus; a test's own writer replaces it.
    std::vector<std::pair<ui::RunTable, std::string>> written;
    ui::InstallRunCsvWriter(*w, [&](ui::RunTable t, const std::string& p) {
        written.emplace_back(t, p);
        return true;
    });
    ASSERT_TRUE(w->ExportAccelerationData->Enabled());
    const std::string first = (root / "acc.csv").string();
    FileDialogDouble().QueueSavePath(first);
    w->ExportAccelerationData->UserClick();
    w->ExportDecelerationData->UserClick();  // cancelled
    ASSERT_EQ(FileDialogDouble().SaveRequests().size(), 2u);
    EXPECT_EQ(FileDialogDouble().SaveRequests()[1].initialFolder, root.string() + "/");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, ui::RunTable::Acceleration);
    EXPECT_EQ(written[0].second, first);

    // Over an existing file: No writes nothing.
    vehtest::WriteFile(first, "old");
    FileDialogDouble().QueueSavePath(first);
    MessageDouble().QueueAnswer(MsgAnswer::No);
    w->ExportDecelerationData->UserClick();
    EXPECT_EQ(written.size(), 1u);
    ui::InstallRunCsvWriter(*w, {});  // the writer above refers to this test's locals
}

}  // namespace
