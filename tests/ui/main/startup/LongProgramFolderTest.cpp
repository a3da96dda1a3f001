// A program folder of a very long path (some 500 characters, past the five lines a message
// gives a path): every message naming one of its files shows that path shortened, its file
// name whole, so no message grows taller than the screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "files/FileMessages.hpp"
#include "files/ListFiles.hpp"
#include "files/OptionsFile.hpp"
#include "files/SetupFileContext.hpp"
#include "files/VehicleFile.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/options/OptionsFileLoad.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/LanguageSelection.hpp"

namespace {

namespace fs = std::filesystem;
using platform::MessageDouble;

class LongProgramFolderTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        folder = root / std::string(150, 'p') / std::string(150, 'q') / std::string(150, 'r');
        fs::create_directories(folder);
        for (const char* part : {"vehicles", "setups", "autoveh.lst"})
            fs::rename(root / part, folder / part);
        ui::MainStartUp().ProgramFolder = folder.string() + "/";
        Start();
        MessageDouble().Clear();
    }
    std::string In(const std::string& name) const { return (folder / name).string(); }
    // A folder where the file should be: the file cannot be written in its place.
    void Block(const std::string& name) const {
        fs::remove_all(folder / name);
        fs::create_directories(folder / name / "x");
    }

    fs::path folder;
};

TEST_F(LongProgramFolderTest, EveryMessageNamingAFileShortensItsPath) {
    const struct {
        const char* what;
        std::string file;
        std::function<void()> act;
    } rows[] = {
        {"a list not written", "autoveh.lst",
         [&] {
             Block("autoveh.lst");
             files::SaveAutoVehicleList({"A"});
         }},
        {"a list too large", "chassislab.mru",
         [&] {
             vehtest::WriteFile(In("chassislab.mru"), std::string((1 << 20) + 1, '\n'));
             files::LoadRecentFiles();
         }},
        {"the options not written", "Options.ini",
         [&] {
             Block("Options.ini");
             files::SaveOptionsFile();
         }},
        {"the options unusable", "Options.ini",
         [&] {
             fs::remove_all(In("Options.ini"));
             vehtest::WriteFile(In("Options.ini"), "not an options file\r\n");
             ui::LoadOptionsFile(files::OptionsLoadOccasion::StartUp);
         }},
        {"no options file", "Options.ini",
         [&] {
             fs::remove(In("Options.ini"));
             ui::LoadOptionsFile(files::OptionsLoadOccasion::Request);
         }},
        {"a vehicle not saved", "vehicles/Kept.vd3",
         [&] {
             Block("vehicles/Kept.vd3");
             files::SaveVehicleFile(0, In("vehicles/Kept.vd3"));
         }},
        {"a setup not saved", "setups/Kept.set",
         [&] {
             Block("setups/Kept.set");
             files::SetupFile().SetupSavePath = In("setups/Kept.set");
             ui::SaveSetupFile();
         }},
        {"no language file", "language_English.Text",
         [&] {
             vehtest::WriteFile(In("languages.lst"), "Language: 1\r\nEnglish\r\n");
             ui::LanguageSelection w;
             w.Show();  // the stored choice is checked
         }},
        {"no manual", "ChassisLab Manual - English.pdf",
         [&] { ui::MainWindow().HelpUsage->UserClick(); }},
        {"no program for the manual", "ChassisLab Manual - English.pdf",
         [&] {
             vehtest::WriteFile(In("ChassisLab Manual - English.pdf"), "%PDF-1.4");
             platform::ShellDouble().result = false;
             ui::MainWindow().HelpUsage->UserClick();
         }},
        {"a vehicle outside the vehicles folder", "vehicles/",
         [&] {
             fs::remove_all(In("autoveh.lst"));  // blocked above: the window would say so
             vehtest::WriteFile(root / "Kart.vd3", "x");
             platform::FileDialogDouble().QueueOpenPath((root / "Kart.vd3").string());
             ui::AutoVehEditor w;
             w.Show();
             w.AutoVehAdd->UserClick();
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = In(row.file);
        ASSERT_GT(path.size(), files::kMessagePathUnits);
        MessageDouble().Clear();
        row.act();
        ASSERT_EQ(MessageDouble().Count(), 1u);
        const std::string& text = MessageDouble().Last().text;
        EXPECT_EQ(text.find(path), std::string::npos) << text;
        EXPECT_NE(text.find(files::PathInMessage(path)), std::string::npos) << text;
    }
}

}  // namespace
