// The reader windows filled from hand-built files, the list editor, the about box, the language
// selection and the export progress window (reader_*.png, tools_*.png) for a person to look at.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "qt/RenderToPng.hpp"
#include "support/ByteBuilder.hpp"
#include "support/WindowFileTest.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/ExportProgress.hpp"
#include "ui/tools/LanguageSelection.hpp"

namespace {

class ReaderAndToolScreenshots : public windowtest::WindowFileTest {
protected:
    void SetUp() override {
        qttest::App();
        WindowFileTest::SetUp();
    }
    void Shot(platform::Form& form, const std::string& name) {
        const std::string path = qttest::ScreenshotPath(name + ".png");
        ASSERT_TRUE(qtfront::RenderFormToPng(form, path)) << path;
        const QImage image(QString::fromStdString(path));
        EXPECT_GE(image.width(), form.Width() - 16);
        EXPECT_GE(image.height(), form.Height() - 40);
    }
};

// A plausible output file: a 1100 kg rear-drive car.
bytetest::Bytes SampleOutputFile() {
    bytetest::Bytes b(896);
    b.Text(0, "LFS_CI").U8(7, 3).Text(8, "XRG").U8(12, 1);
    const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int k = 0; k < 9; ++k) b.F32(16 + 4 * k, identity[k]);
    b.I32(52, 65536 * 120).I32(56, -65536 * 45).I32(60, 32768);
    b.F32(76, 0.0f).F32(80, -0.12f).F32(84, 0.45f).F32(88, 0.0f).F32(92, -1.1f).F32(96, 0.3f);
    b.F32(128, 0.0f).F32(132, -2.1f).F32(136, 0.95f).F32(140, 1.8f).F32(144, 0.45f);
    b.F32(188, 0.0f).F32(192, 0.2f).F32(196, 0.55f).F32(200, -0.3f).F32(204, 0.72f);
    const float inertia[9] = {420, 0, 0, 0, 1650, 0, 0, 0, 1800};
    for (int k = 0; k < 9; ++k) b.F32(208 + 4 * k, inertia[k]);
    b.F32(256, 215.0f).F32(260, 471.2f).F32(264, 129000.0f).F32(268, 680.7f);
    b.F32(272, 40.0f).F32(276, 1100.0f).F32(280, 2.47f).F32(284, 0.52f);
    b.U8(288, 5).U8(289, 1).F32(292, 0.0f).F32(296, 0.87f);
    const float ratios[8] = {-3.2f, 3.2f, 2.1f, 1.5f, 1.2f, 1.0f, 0, 0};
    for (int k = 0; k < 8; ++k) b.F32(304 + 4 * k, ratios[k]);
    b.F32(336, 4.1f).F32(352, 0.3f).F32(356, 1800.0f).F32(360, 0.68f);
    for (int w = 0; w < 4; ++w) {
        const std::size_t o = 384 + 128 * w;
        b.U8(o, 2).F32(o + 4, 180000.0f).F32(o + 8, 70.0f).F32(o + 12, w < 2 ? 0.0f : 0.0017f);
        b.F32(o + 16, 0.12f).F32(o + 20, 0.2f).F32(o + 24, 0.0f).F32(o + 28, 38.0f);
        b.F32(o + 32, 0.205f).F32(o + 36, 0.55f).F32(o + 40, 0.2032f).F32(o + 44, 0.1778f);
        b.F32(o + 48, 45000.0f).F32(o + 52, 3500.0f).F32(o + 56, 5500.0f).F32(o + 60, 12000.0f);
        b.F32(o + 64, -0.0262f).F32(o + 68, 0.1047f).F32(o + 72, w < 2 ? 0.0f : 0.087f);
        b.F32(o + 76, 0.021f).F32(o + 80, 1.2f).F32(o + 84, 0.045f).F32(o + 88, 0.15f);
        b.F32(o + 96, 200000.0f).F32(o + 100, 0.012f);
    }
    return b;
}

TEST_F(ReaderAndToolScreenshots, DataOutputReaderFilled) {
    Write("vehicles/xrg.bin", SampleOutputFile().Str());
    ui::DataOutputReader w;
    w.Show();
    w.DataOutputPath = Path("vehicles/xrg.bin");
    ASSERT_TRUE(w.ReadDataOutputFile());
    Shot(w, "reader_data_general");
    w.TabStrip1->UserSelect(2);
    Shot(w, "reader_data_wheels");
}

TEST_F(ReaderAndToolScreenshots, SetupReaderFilled) {
    Write("setups/XRG_hand.set", bytetest::HandBuiltSetup().Str());
    ui::LFSSetupReader w;
    w.Show();
    w.SetupReaderPath = Path("setups/XRG_hand.set");
    ASSERT_TRUE(w.ReadSetupFile());
    Shot(w, "reader_setup");
}

TEST_F(ReaderAndToolScreenshots, ToolWindows) {
    Write("autoveh.lst", "BMW M3 E46\r\nSubaru Impreza WRX STI\r\nVW Golf GTI Mk7\r\n\r\n");
    ui::AutoVehEditor editor;
    editor.Show();
    editor.VehAutoList->SetSelected(2, true);
    Shot(editor, "tools_autoveh");

    ui::About about;
    about.Show();
    Shot(about, "tools_about");

    Write("languages.lst", "Language: 1\r\nEnglish\r\nDeutsch\r\n");
    std::string lines;
    for (int i = 0; i < 338; ++i) lines += "x\r\n";
    Write("language_English.Text", lines);
    ui::LanguageSelection language;
    language.Show();
    Shot(language, "tools_language");

    ui::ExportProgress progress;
    progress.Show();
    progress.ProgressBar1->SetValue(32);
    Shot(progress, "tools_export_progress");
    EXPECT_EQ(Messages().Count(), 0u);
}

}  // namespace
