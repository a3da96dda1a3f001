// The setup reader window: a hand-built file in all 65 boxes and 4 check boxes, its 44-row CSV
// byte for byte, a user's click going into the CSV, refused files leaving the display alone,
// and the export's dialog, question and failures.
#include "ui/readers/LFSSetupReader.hpp"

#include "files/FileMessages.hpp"
#include "files/SetupReaderTexts.hpp"

#include "support/ByteBuilder.hpp"
#include "support/FilePermissions.hpp"
#include "support/PeakMemory.hpp"
#include "support/WindowFileTest.hpp"

namespace {

// Folders of 3,900 bytes in all, each a name a folder may have.
std::string LongFolder() {
    std::string folder = "Setups";
    while (folder.size() < 3900) folder += "/Setups_for_a_long_weekend";
    return folder;
}

using bytetest::HandBuiltSetup;

class LFSSetupReaderTest : public windowtest::WindowFileTest {
protected:
    void SetUp() override {
        WindowFileTest::SetUp();
        w = std::make_unique<ui::LFSSetupReader>();
        w->Show();
    }
    void Open(const std::string& name) {
        Dialogs().QueueOpenPath(Path(name));
        w->Read->UserClick();
    }
    std::string ExportedCsv() {
        Dialogs().QueueSavePath(Path("out.csv"));
        w->ExportSetupToCSV->UserClick();
        return ReadBack("out.csv");
    }
    std::unique_ptr<ui::LFSSetupReader> w;
};

std::string HandBuiltCsv() {
    const auto& c = vehicle::TyreCode().TyreCompounds;
    return "Asymmetric Tyres,0\r\nTC,1\r\nTC Slip,2.5%\r\nTC Speed,8\r\nFront Wing Angle,7\r\n"
           "Rear Wing Angle,12\r\nSteering Lock,36\r\nParallel Steer,20%\r\n"
           "Brake Strength,2450.5\r\nBrake Balance,68%\r\nEngine Brake Reduction,40%\r\n"
           "Tyre Brand,Michelin\r\nPassenger Flags,00000101\r\nConfig,Open roof\r\n????,13\r\n"
           "Mass Position,45%\r\nMass (Quantity),30\r\nIntake Restriction,15%\r\n"
           "Ride Height,0.125,0.25\r\nSpring Stiffness,75,60\r\nBump Damping,3.5,2.5\r\n"
           "Rebound Damping,7.25,5\r\nAnti Roll Stiffness,42,0\r\nCaster,0.3,6.2\r\n"
           "Final Drive,0.5\r\nGear Ratio 1,1.5\r\nGear Ratio 2,2.5\r\nGear Ratio 3,3.5\r\n"
           "Gear Ratio 4,4.5\r\nGear Ratio 5,5.5\r\nGear Ratio 6,6.5\r\nGear Ratio 7,7.5\r\n"
           "Diff Type,Viscous\r\nViscous Setting,60\r\nTorque Split,55%\r\n"
           "Diff Type,Clutch pack,Open\r\nViscous Setting,20,0\r\nPre-load,2550,40\r\n"
           "Power Locking,65%,100%\r\nCoast Locking,35%,0%\r\n"
           "Tyre Type," + c[4].Name + "," + c[8].Name + "\r\nToe In,-0.9,0\r\n"
           "Camber Adjust,-1,0,0.5,-0.5\r\nTyre Pressures,-1,180,200,210\r\n\r\n";
}

TEST_F(LFSSetupReaderTest, OpensEmptyThenShowsAHandBuiltFile) {
    EXPECT_FALSE(w->ReRead->Enabled());
    for (int i = 0; i < 64; ++i) EXPECT_EQ(w->SetupInfo(i).Text(), "");

    Write("setups/XRT_hand.set", HandBuiltSetup().Str());
    Open("setups/XRT_hand.set");
    EXPECT_EQ(Dialogs().OpenRequests().back().initialFolder, root.string() + "/setups/");
    EXPECT_EQ(Messages().Count(), 0u);
    EXPECT_TRUE(w->ReRead->Enabled());
    EXPECT_EQ(w->Caption(), "LFS Setup Reader - Last File Read: " + Path("setups/XRT_hand.set"));
    // A line feed in the path shows as its sign, as the messages show it, not as a break.
    std::filesystem::create_directories(root / "a\nb");
    Write("a\nb/XRT_\tx.set", HandBuiltSetup().Str());
    Open("a\nb/XRT_\tx.set");
    EXPECT_EQ(w->Caption(),
              "LFS Setup Reader - Last File Read: " + root.string() + "/a\u240Ab/XRT_\u2409x.set");
    // However long, the path is whole: the title bar cuts what it cannot show.
    const std::string deep = std::string(200, 'd') + "/" + std::string(200, 'e') + "/XRT_d.set";
    std::filesystem::create_directories(root / deep.substr(0, 401));
    Write(deep, HandBuiltSetup().Str());
    Open(deep);
    EXPECT_EQ(w->Caption(), "LFS Setup Reader - Last File Read: " + Path(deep));
    Open("setups/XRT_hand.set");
    EXPECT_EQ(w->SetupInfo(0).Text(), "SRSETT");
    EXPECT_EQ(w->SetupInfo(54).Text(), "-0.9");  // toe byte 0
    EXPECT_EQ(w->SetupInfo(60).Text(), "-1");    // pressure word 65535
    EXPECT_EQ(w->SetupInfo(38).Text(), "7.5");   // 7th gear word at offset 32
    EXPECT_EQ(w->SetupInfo(31).Text(), "0.5");   // final drive word at offset 34
    EXPECT_EQ(w->SetupCheck(0).Value(), 1);
    EXPECT_EQ(w->SetupCheck(1).Value(), 0);
    EXPECT_EQ(w->BlankInfo(4).Text(), "");
    EXPECT_EQ(w->BlankInfo(17).Text(), "122");

    // The CSV of that file, byte for byte; a user's click on a check box goes into it.
    EXPECT_EQ(ExportedCsv(), HandBuiltCsv());
    w->SetupCheck(1).UserClick();
    Messages().QueueAnswer(platform::MsgAnswer::Yes);  // replace out.csv
    std::string expected = HandBuiltCsv();
    expected.replace(0, 18, "Asymmetric Tyres,1");
    EXPECT_EQ(ExportedCsv(), expected);
    EXPECT_EQ(Messages().Last().text, "The file out.csv exists, do you wish to overwrite it?");

    // A longer file shows its record, read alone: its 256 MB take no memory.
    std::filesystem::resize_file(root / "setups/XRT_hand.set", 256 * testsupport::kMiB);
    const std::size_t peak = testsupport::PeakResidentBytes();
    w->ReRead->UserClick();
    EXPECT_LT(testsupport::PeakResidentBytes(), peak + 64 * testsupport::kMiB);
    EXPECT_EQ(Messages().Last().text, "The file out.csv exists, do you wish to overwrite it?");
}

TEST_F(LFSSetupReaderTest, ExportBeforeAnyReadWritesEmptyRows) {
    const std::string csv = ExportedCsv();
    EXPECT_EQ(csv.substr(0, 36), "Asymmetric Tyres,0\r\nTC,0\r\nTC Slip,\r\n");
    EXPECT_NE(csv.find("\r\nRide Height,,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nTyre Pressures,,,,\r\n\r\n"), std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2) ++rows;
    EXPECT_EQ(rows, 45u);
}

// Refused files: the display stays as it was (boxes, caption, the file Refresh reads), with
// the reason.
TEST_F(LFSSetupReaderTest, RefusedFilesChangeNothingOnScreen) {
    Write("setups/good.set", HandBuiltSetup().Str());
    Open("setups/good.set");
    const std::string caption = w->Caption();
    struct Case {
        std::string bytes;
        std::string message;
        platform::MsgIcon icon;
    };
    bytetest::Bytes lower = HandBuiltSetup();
    lower.Text(0, "srsett");
    bytetest::Bytes v3 = HandBuiltSetup();
    v3.U8(8, 3);
    const std::vector<Case> cases{
        {lower.Str(), "Not a valid setup file", platform::MsgIcon::Critical},
        {v3.Str(), "Incorrect setup file version", platform::MsgIcon::Exclamation},
        {HandBuiltSetup().Prefix(131), "Not a valid setup file", platform::MsgIcon::Critical},
        {"", "Not a valid setup file", platform::MsgIcon::Critical},
    };
    for (const Case& c : cases) {
        Write("setups/bad.set", c.bytes);
        Open("setups/bad.set");
        EXPECT_EQ(Messages().Last().text, c.message);
        EXPECT_EQ(Messages().Last().icon, c.icon);
        EXPECT_EQ(w->Caption(), caption);
        EXPECT_EQ(w->SetupInfo(7).Text(), "36");
    }
    Open("setups/missing.set");
    EXPECT_EQ(Messages().Last().text, "File does not exist!");
    EXPECT_EQ(Messages().Last().title, "Error!");
    // A file that cannot be reached or read is named with the system's reason.
    std::filesystem::create_directory(root / "setups" / "folder.set");
    Open("setups/folder.set");
    EXPECT_EQ(Messages().Last().text,
              "The file " + Path("setups/folder.set") + " cannot be read: Is a directory");
    EXPECT_EQ(Messages().Last().title, "Error!");
    EXPECT_EQ(w->Caption(), caption);
    {
        Write("setups/locked.set", HandBuiltSetup().Str());
        std::filesystem::permissions(Path("setups/locked.set"), std::filesystem::perms::none);
        testsupport::FilePermissionsEnforced enforced;
        if (enforced.Holds()) {
            Open("setups/locked.set");
            EXPECT_EQ(Messages().Last().text, "The file " + Path("setups/locked.set") +
                                                  " cannot be read: Permission denied");
            EXPECT_EQ(w->Caption(), caption);
        }
    }
    // Refresh reads the file on screen, not the refused one.
    bytetest::Bytes changed = HandBuiltSetup();
    changed.U8(24, 40);
    Write("setups/good.set", changed.Str());
    const std::size_t before = Messages().Count();
    w->ReRead->UserClick();
    EXPECT_EQ(Messages().Count(), before);
    EXPECT_EQ(w->SetupInfo(7).Text(), "40");

    // A file whose enumerated bytes name nothing replaces the earlier texts.
    bytetest::Bytes odd = HandBuiltSetup();
    odd.U8(49, 2).U8(28, 2);
    Write("setups/odd.set", odd.Str());
    Open("setups/odd.set");
    EXPECT_EQ(w->SetupInfo(14).Text(), "Unknown (2)");
    EXPECT_EQ(w->SetupInfo(39).Text(), "Unknown (2)");
}

TEST_F(LFSSetupReaderTest, ExportDialogFailuresAndWriteFailures) {
    w->ExportSetupToCSV->UserClick();  // the double cancels when nothing is queued
    EXPECT_EQ(Messages().Count(), 0u);
    Dialogs().QueueSave(platform::ScriptedFileDialog::Failed(5, "Invalid procedure call"));
    w->ExportSetupToCSV->UserClick();
    EXPECT_EQ(Messages().Last().text, "Error 5\r\nInvalid procedure call");
    // Answering No leaves the existing file as it was.
    Write("keep.csv", "old");
    Dialogs().QueueSavePath(Path("keep.csv"));
    Messages().QueueAnswer(platform::MsgAnswer::No);
    w->ExportSetupToCSV->UserClick();
    EXPECT_EQ(ReadBack("keep.csv"), "old");
    // An empty existing file is replaced without a question.
    Write("empty.csv", "");
    const std::size_t before = Messages().Count();
    Dialogs().QueueSavePath(Path("empty.csv"));
    w->ExportSetupToCSV->UserClick();
    EXPECT_EQ(Messages().Count(), before);
    EXPECT_EQ(ReadBack("empty.csv").substr(0, 16), "Asymmetric Tyres");
    // A folder that does not exist: the reason, and no file.
    Dialogs().QueueSavePath(Path("nowhere/x.csv"));
    w->ExportSetupToCSV->UserClick();
    EXPECT_EQ(Messages().Last().icon, platform::MsgIcon::Critical);
    EXPECT_NE(Messages().Last().text.find("could not be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(root / "nowhere"));
    // The file named as every message names it: a long folder shortened, so the box keeps to a
    // small screen; a TAB or ESC in a folder's name shown as its sign.
    for (const std::string& folder : {LongFolder(), std::string("tab\tesc\x1B")}) {
        const std::string path = Path(folder + "/x.csv");
        Dialogs().QueueSavePath(path);
        w->ExportSetupToCSV->UserClick();
        EXPECT_TRUE(Messages().Last().text.starts_with("The file " + files::PathInMessage(path) +
                                                       " could not be written.\r\n"))
            << Messages().Last().text;
    }
    // A read-only file, even where the system would let the write through.
    Write("ro.csv", "old");
    std::filesystem::permissions(root / "ro.csv", std::filesystem::perms::owner_read);
    Dialogs().QueueSavePath(Path("ro.csv"));
    Messages().QueueAnswer(platform::MsgAnswer::Yes);
    w->ExportSetupToCSV->UserClick();
    EXPECT_NE(Messages().Last().text.find("could not be written"), std::string::npos);
    EXPECT_EQ(ReadBack("ro.csv"), "old");
}

// Every frame inside the laid-out client area, the reverse ratio in "Drive-train"; a window
// frame reported after the first size (the client area shrunk by it) gives the size back.
TEST_F(LFSSetupReaderTest, KeepsItsLaidOutClientArea) {
    w->SetupFrame.ForEach([&](int i, platform::Frame& f) {
        EXPECT_LE(f.Left() + f.Width(), 785) << i;
        EXPECT_LE(f.Top() + f.Height(), 601) << i;
    });
    EXPECT_EQ(w->SetupInfo(files::kSetupInfoReverseRatio).Parent(), &w->SetupFrame(3));
    EXPECT_EQ(w->SetupLabel(files::kSetupInfoReverseRatio).Caption(), "Reverse Ratio");

    w->UserResize(785, 601, 779, 575);  // borders of 3 and a title bar of 26 pixels
    EXPECT_EQ(w->ClientWidth(), 785);
    EXPECT_EQ(w->ClientHeight(), 601);
    EXPECT_EQ(w->Width(), 791);
    EXPECT_EQ(w->Height(), 627);
}

}  // namespace
