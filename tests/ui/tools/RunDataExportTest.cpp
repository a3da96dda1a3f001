// The run tables written for the File menu's export entries: the file, the progress window
// hidden at the end, a failed write reported with nothing left behind; and the menu's wiring.
#include "ui/tools/RunDataExport.hpp"

#include "files/FileMessages.hpp"
#include "support/StartedProgram.hpp"
#include "support/WindowFileTest.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/tools/ExportProgress.hpp"

namespace {

// Folders of 3,900 bytes in all, each a name a folder may have.
std::string LongFolder() {
    std::string folder = "Setups";
    while (folder.size() < 3900) folder += "/Setups_for_a_long_weekend";
    return folder;
}

class RunDataExportTest : public windowtest::WindowFileTest {
protected:
    void SetUp() override {
        WindowFileTest::SetUp();
        sample::Prepare(sample::SampleCar());
        analysis::RunAccelerationAnalysis(0.01f, {}, {});
        analysis::RunDecelerationAnalysis({}, {});
    }
};

TEST_F(RunDataExportTest, WritesTheRunWithTheProgressWindowShownThenHidden) {
    ASSERT_TRUE(ui::WriteRunTableCsv(ui::RunTable::Acceleration, Path("acc.csv")));
    const std::string text = ReadBack("acc.csv");
    EXPECT_EQ(text.substr(0, 9), "Time (s),");
    const auto rows = std::count(text.begin(), text.end(), '\n');
    EXPECT_EQ(rows, 2 + analysis::AccelerationCode().AccLastStep + 1 + 1);
    ui::ExportProgress& progress = ui::ExportProgressWindow();
    EXPECT_FALSE(progress.Visible());
    EXPECT_EQ(progress.ProgressBar1->Max(), 50);
    EXPECT_EQ(progress.ProgressBar1->Value(), 50);

    // The deceleration table with its own time step (0.005 s with the brakes applied).
    ASSERT_TRUE(ui::WriteRunTableCsv(ui::RunTable::Deceleration, Path("dec.csv")));
    const std::string dec = ReadBack("dec.csv");
    const std::size_t row3 = dec.find("\r\n", dec.find("\r\n", dec.find("\r\n") + 2) + 2) + 2;
    EXPECT_EQ(dec.substr(row3, 7), " 0.005,");
}

// The message names the file as every message does: folders of 3,900 bytes shortened, so the
// box keeps to a small screen, and a TAB or ESC in a folder's name shown as its sign.
TEST_F(RunDataExportTest, AFailedWriteIsReportedAndLeavesNothing) {
    for (const std::string& folder :
         {std::string("no"), LongFolder(), std::string("tab\tesc\x1B")}) {
        SCOPED_TRACE(folder.substr(0, 12));
        const std::string path = Path(folder + "/dec.csv");
        Messages().Clear();
        EXPECT_FALSE(ui::WriteRunTableCsv(ui::RunTable::Deceleration, path));
        ASSERT_EQ(Messages().Count(), 1u);
        EXPECT_EQ(Messages().Last().icon, platform::MsgIcon::Critical);
        EXPECT_EQ(Messages().Last().title, "Error!");
        EXPECT_TRUE(Messages().Last().text.starts_with("The file " + files::PathInMessage(path) +
                                                       " could not be written.\r\n"))
            << Messages().Last().text;
        EXPECT_FALSE(ui::ExportProgressWindow().Visible());
        EXPECT_FALSE(std::filesystem::exists(root / folder));
    }
}

// The main window's entries reach these windows and the real run export.
class ReaderMenuEntriesTest : public testsupport::StartedProgram {};

TEST_F(ReaderMenuEntriesTest, MenuEntriesOpenTheWindowsAndExportTheRun) {
    CopyShippedData();
    ui::Main& w = Start();
    auto shown = [](const std::string& name) {
        for (platform::Form* f : platform::Desktop::Instance().ShownForms())
            if (f->ClassName() == name) return true;
        return false;
    };
    for (auto [entry, form] : std::vector<std::pair<platform::MenuItem*, std::string>>{
             {w.ToolsBinaryReader, "DataOutputReader"}, {w.OptionsAutoVeh, "AutoVehEditor"}}) {
        entry->UserClick();
        EXPECT_TRUE(shown(form)) << form;
    }

    const std::string path = (root / "run.csv").string();
    platform::FileDialogDouble().QueueSavePath(path);
    w.ExportAccelerationData->UserClick();
    EXPECT_TRUE(std::filesystem::exists(path));
    w.Unload();
}

}  // namespace
