// The vehicle data output reader window: filling from a hand-built file, Refresh, the pages,
// and refused files that leave the display alone.
#include "ui/readers/DataOutputReader.hpp"

#include "support/ByteBuilder.hpp"
#include "support/PeakMemory.hpp"
#include "support/WindowFileTest.hpp"

namespace {

// An 896-byte output file with a few fields set from the published offsets.
bytetest::Bytes OutputFile(uint8_t driveType) {
    bytetest::Bytes b(896);
    b.Text(0, "LFS_CI").U8(7, 3).Text(8, "FXR").U8(289, driveType);
    b.F32(256, 230.0f).F32(264, 160000.0f).F32(276, 1220.5f).I32(52, 98304);
    b.F32(384 + 32, 0.225f);  // rear left tyre width
    b.F32(768 + 32, 0.195f);  // front right tyre width
    return b;
}

class DataOutputReaderTest : public windowtest::WindowFileTest {
protected:
    void SetUp() override {
        WindowFileTest::SetUp();
        w = std::make_unique<ui::DataOutputReader>();
        w->Show();
    }
    void Open(const std::string& name) {
        Dialogs().QueueOpenPath(Path(name));
        w->Read->UserClick();
    }
    std::unique_ptr<ui::DataOutputReader> w;
};

// Open and Refresh side by side, alike in size, clear of each other and of the tabs beside them.
TEST_F(DataOutputReaderTest, TheTwoButtonsStandSideBySideBeforeTheTabs) {
    const platform::Control& open = *w->Read;
    const platform::Control& refresh = *w->ReRead;
    EXPECT_EQ(refresh.Top(), open.Top());
    EXPECT_EQ(refresh.Width(), open.Width());
    EXPECT_EQ(refresh.Height(), open.Height());
    EXPECT_GT(refresh.Left(), open.Left() + open.Width());
    EXPECT_LE(refresh.Left() + refresh.Width(), w->TabStrip1->Left());
}

TEST_F(DataOutputReaderTest, FillsTheBoxesAndEnablesRefreshAfterASuccess) {
    EXPECT_FALSE(w->ReRead->Enabled());

    Write("vehicles/bad.bin", "LFS_CI too short");
    Open("vehicles/bad.bin");
    EXPECT_EQ(Messages().Last().text, "Not a valid binary output file");
    EXPECT_FALSE(w->ReRead->Enabled());

    Write("vehicles/fxr.bin", OutputFile(3).Str());
    Open("vehicles/fxr.bin");
    EXPECT_TRUE(w->ReRead->Enabled());
    EXPECT_EQ(w->OutputBox(2).Text(), "FXR");
    EXPECT_EQ(w->OutputBox(54).Text(), "230 Nm");
    EXPECT_EQ(w->OutputBox(56).Text(), "160 kW");
    EXPECT_EQ(w->OutputBox(63).Text(), "AWD");
    EXPECT_EQ(w->OutputBox(13).Text(), "1.5");
    EXPECT_EQ(w->OutputBox(103 + 8).Text(), "225 mm");  // first block: rear left
    EXPECT_EQ(w->OutputBox(178 + 8).Text(), "195 mm");  // last block: front right
    // A longer file shows its record, read alone: its 256 MB take no memory.
    std::filesystem::resize_file(root / "vehicles/fxr.bin", 256 * testsupport::kMiB);
    const std::size_t peak = testsupport::PeakResidentBytes();
    w->ReRead->UserClick();
    EXPECT_LT(testsupport::PeakResidentBytes(), peak + 64 * testsupport::kMiB);
    EXPECT_EQ(Messages().Count(), 1u);  // the bad file's, before

    // A changed file shows its new contents on Refresh; a bad one changes nothing.
    Write("vehicles/fxr.bin", OutputFile(9).Str());
    w->ReRead->UserClick();
    EXPECT_EQ(w->OutputBox(63).Text(), "Unknown (9)");
    bytetest::Bytes wrong = OutputFile(1);
    wrong.Text(0, "LFS_XX");
    Write("vehicles/fxr.bin", wrong.Str());
    w->ReRead->UserClick();
    EXPECT_EQ(w->OutputBox(63).Text(), "Unknown (9)");
    EXPECT_EQ(Messages().Last().text, "Not a valid binary output file");
    // Opening a refused file keeps Refresh on the file shown.
    Write("vehicles/fxr.bin", OutputFile(2).Str());
    Open("vehicles/bad.bin");
    w->ReRead->UserClick();
    EXPECT_EQ(w->OutputBox(63).Text(), "FWD");
    std::filesystem::remove(root / "vehicles/fxr.bin");
    w->ReRead->UserClick();
    EXPECT_EQ(Messages().Last().text, "File does not exist!");
    EXPECT_TRUE(w->ReRead->Enabled());
}

TEST_F(DataOutputReaderTest, TabsBringTheirPageToTheFront) {
    auto front = [&] { return w->Page(0).Parent()->Children().back(); };
    w->TabStrip1->UserSelect(2);
    EXPECT_EQ(front(), &w->Page(1));
    w->TabStrip1->UserSelect(1);
    EXPECT_EQ(front(), &w->Page(0));
}

TEST_F(DataOutputReaderTest, CancelAndDialogErrors) {
    w->Read->UserClick();  // cancelled
    EXPECT_EQ(Messages().Count(), 0u);
    Dialogs().QueueOpen(platform::ScriptedFileDialog::Failed(20477, "Invalid file name"));
    w->Read->UserClick();
    EXPECT_EQ(Messages().Last().text, "Error 20477\r\nInvalid file name");
    EXPECT_EQ(w->DataOutputPath, "");
}

}  // namespace
