// The run export commands: the save dialog, the overwrite question, the progress window
// hidden at the end, and a failed write reported with nothing left behind.
#include "ui/tools/RunDataExport.hpp"

#include "ui/tools/ExportProgress.hpp"
#include "support/WindowFileTest.hpp"

namespace {

class RunDataExportTest : public windowtest::WindowFileTest {
protected:
    void SetUp() override {
        WindowFileTest::SetUp();
        sample::Prepare(sample::SampleCar());
        analysis::RunAccelerationAnalysis(0.01f, {}, {});
    }
};

TEST_F(RunDataExportTest, WritesTheChosenFileWithTheProgressWindowShownThenHidden) {
    ui::ExportAccelerationData();  // cancelled: nothing
    EXPECT_EQ(Messages().Count(), 0u);
    const auto& request = Dialogs().SaveRequests().back();
    EXPECT_EQ(request.title, "Export acceleration data to CSV file...");
    EXPECT_EQ(request.filter, "Comma Separated Values | *.csv");
    EXPECT_EQ(request.defaultExtension, "csv");
    EXPECT_EQ(request.fileName, "");

    Dialogs().QueueSavePath(Path("acc.csv"));
    ui::ExportAccelerationData();
    EXPECT_EQ(ui::RunDataExport().CsvExportPath, Path("acc.csv"));
    const std::string text = ReadBack("acc.csv");
    EXPECT_EQ(text.substr(0, 9), "Time (s),");
    const auto rows = std::count(text.begin(), text.end(), '\n');
    EXPECT_EQ(rows, 2 + analysis::AccelerationCode().AccLastStep + 1 + 1);
    ui::ExportProgress& progress = ui::ExportProgressWindow();
    EXPECT_EQ(progress.Caption(), "Exporting Data...");
    EXPECT_FALSE(progress.Visible());
    EXPECT_EQ(progress.ProgressBar1->Max(), 50);
    EXPECT_EQ(progress.ProgressBar1->Value(), 50);

    // Answering No keeps the file; a failed write is reported and the window hidden.
    Dialogs().QueueSavePath(Path("acc.csv"));
    Messages().QueueAnswer(platform::MsgAnswer::No);
    analysis::RunDecelerationAnalysis({}, {});
    ui::ExportDecelerationData();
    EXPECT_EQ(ReadBack("acc.csv"), text);
    EXPECT_EQ(Dialogs().SaveRequests().back().title, "Export deceleration data to CSV file...");
    Dialogs().QueueSavePath(Path("no/dec.csv"));
    ui::ExportDecelerationData();
    EXPECT_EQ(Messages().Last().icon, platform::MsgIcon::Critical);
    EXPECT_EQ(Messages().Last().title, "Error!");
    EXPECT_FALSE(progress.Visible());
    EXPECT_FALSE(std::filesystem::exists(root / "no"));
}

}  // namespace
