// The start-up list's message on a laptop screen: however long the program folder's path and
// the names of the files, the whole message, its last names and its OK button lie within the
// screen. ctest runs this test on a 1366 x 768 and a 1920 x 1080 screen (tests/qt/screens/);
// the pictures startup_message_<case>_<screen>.png in test-screenshots/ show the messages.
#include <QAbstractButton>
#include <QGlyphRun>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextLayout>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "QtStartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

namespace fs = std::filesystem;

// What a window manager puts round a box: a title bar and borders.
const QSize kFrame(10, 30);
// The height of a desktop's panel, above or below the windows.
constexpr int kPanel = 40;
// The length of the deep program folder's path, in bytes, and of the folder beside it.
constexpr std::size_t kDeepFolderBytes = 94;
constexpr std::size_t kElsewhereBytes = 103;

class StartUpMessageOnScreen : public qttest::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        screen = qttest::App().primaryScreen()->availableGeometry();
        if (screen.width() < 1366 || screen.height() < 768)
            GTEST_SKIP() << "laid out for a screen of at least 1366 x 768; ctest runs it on one";
        // The deep program folder needs room below the test's own for two folders of its own.
        if (root.string().size() + std::string("/P/ChassisLab").size() > kDeepFolderBytes)
            GTEST_SKIP() << "the temporary folder's path is too long for a program folder of "
                         << kDeepFolderBytes << " bytes below it";
    }
    void TearDown() override {
        platform::InstallServiceDoubles();
        StartedProgram::TearDown();
    }

    // A program folder of `length` bytes, two folders below the test's own (the first named as
    // long as the temporary folder's path leaves room for); its vehicles folder is made.
    // Start() runs the program from it.
    std::string DeepProgramFolder(std::size_t length) {
        const std::string last = "/ChassisLab";
        std::string folder = root.string() + "/";
        folder += std::string("Program-folder-of-someone-who-keeps-programs-deep")
                      .substr(0, length - folder.size() - last.size());
        folder += last;
        folder += std::string(length - folder.size(), 'x');
        fs::create_directories(fs::path(folder) / "vehicles");
        ui::MainStartUp().ProgramFolder = folder + "/";
        return folder;
    }

    // The message box the start-up shows, as a window manager frames it.
    struct ShownMessage {
        QString text;
        QRect box;          // the box with its frame, on the screen
        bool okInBox = false;
        QRect ok;           // the OK button, on the screen
        QFont font;         // of its text
    };

    // Starts the program with the Qt message boxes, answers the first message and gives it;
    // its picture is saved as startup_message_<name>_<screen>.png.
    ShownMessage StartAndTakeMessage(const std::string& name) {
        platform::Services().messages = std::make_shared<qtfront::QtMessageBoxService>();
        ShownMessage message;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!shown || !shown->isVisible() || !message.text.isEmpty()) return;
            message.text = shown->text();
            if (const auto* label = shown->findChild<QLabel*>("qt_msgbox_label"))
                message.font = label->font();
            message.box = QRect(shown->frameGeometry().topLeft(),
                                shown->frameGeometry().size() + kFrame);
            if (const auto* ok = shown->button(QMessageBox::Ok); ok && ok->isVisible()) {
                message.ok = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
                message.okInBox =
                    shown->rect().contains(QRect(ok->mapTo(shown, QPoint(0, 0)), ok->size()));
            }
            const std::string picture = "startup_message_" + name + "_" +
                                        std::to_string(screen.width()) + "x" +
                                        std::to_string(screen.height()) + ".png";
            EXPECT_TRUE(shown->grab().save(QString::fromStdString(qttest::ScreenshotPath(picture))));
            shown->done(QMessageBox::Ok);
        });
        poll.start(20);
        Start();
        poll.stop();
        return message;
    }

    // The box is no taller than the screen leaves above a panel, and its OK button is on the
    // screen.
    void ExpectOnScreen(const ShownMessage& message) const {
        ASSERT_FALSE(message.text.isEmpty()) << "the message was shown";
        EXPECT_LE(message.box.width(), screen.width());
        EXPECT_LE(message.box.height(), screen.height() - kPanel) << "above a panel";
        EXPECT_TRUE(message.okInBox);
        EXPECT_TRUE(screen.contains(message.ok)) << "the OK button is on the screen";
    }

    // A list naming 25 damaged files `<stem> 01` ... `<stem> 25` of `folder`, each twice, with
    // `lead` before each name.
    static std::string ListOfDamagedFiles(const fs::path& folder, const std::string& stem,
                                          const std::string& lead) {
        std::string list;
        for (int i = 1; i <= 25; ++i) {
            const std::string name = stem + (i < 10 ? " 0" : " ") + std::to_string(i);
            vehtest::WriteFile(folder / (name + ".vd3"), "VEHDATA");
            list += lead + name + "\r\n" + lead + name + "\r\n";
        }
        return list;
    }

    // Starts the program from a folder whose recent list names `files` setups of about `bytes`
    // bytes that cannot be reached (UnreachableRecentList): the message fits the screen.
    void ExpectRecentListFits(const std::string& name, int files, std::size_t bytes);

    QRect screen;
};

std::string UnreachableRecentList(const fs::path& folder, int files, std::size_t bytes);

void StartUpMessageOnScreen::ExpectRecentListFits(const std::string& name, int files,
                                                  std::size_t bytes) {
    const std::string folder = DeepProgramFolder(kDeepFolderBytes);
    vehtest::WriteFile(fs::path(folder) / "chassislab.mru",
                       UnreachableRecentList(folder, files, bytes));
    const ShownMessage message = StartAndTakeMessage(name);
    ExpectOnScreen(message);
    EXPECT_TRUE(message.text.contains("Golf race setup 1.set cannot be read: Not a directory"))
        << message.text.toStdString();
    std::cout << name << ": the box is " << message.box.height() << " px tall\n";
}

// A program folder of 94 characters whose list names 25 damaged files twice each, and the Golf
// and the BMW twice each: the message names the folder once, 18 of the damaged files and both
// repeats.
TEST_F(StartUpMessageOnScreen, AListOfDamagedFilesAndRepeatsFitsTheScreen) {
    const std::string folder = DeepProgramFolder(kDeepFolderBytes);
    const fs::path vehicles = fs::path(folder) / "vehicles";
    std::string list = ListOfDamagedFiles(vehicles, "Damaged vehicle", "");
    for (const char* car : {"VW Golf GTI Mk7", "BMW M3 E46"}) {
        fs::copy_file(fs::path(CHASSISLAB_DATA_DIR) / "vehicles" / (std::string(car) + ".vd3"),
                      vehicles / (std::string(car) + ".vd3"));
        list += std::string(car) + "\r\n" + car + "\r\n";
    }
    vehtest::WriteFile(fs::path(folder) / "autoveh.lst", list);
    const ShownMessage message = StartAndTakeMessage("repeats");

    ExpectOnScreen(message);
    const QString& text = message.text;
    EXPECT_EQ(text.count(QString::fromStdString(folder)), 2) << "the list and the folder, once";
    EXPECT_TRUE(text.contains("Damaged vehicle 18.vd3 (named on 2 lines)"));
    EXPECT_TRUE(text.contains("and 7 more."));
    EXPECT_TRUE(text.endsWith("VW Golf GTI Mk7.vd3 (named on 2 lines)\n"
                              "BMW M3 E46.vd3 (named on 2 lines)"));
    EXPECT_LE(message.box.width(), 1366);
    EXPECT_LE(message.box.height(), 768 - 40) << "above a 40-pixel panel";
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 2);
}

// A stem of `bytes` bytes made of `word` repeated, to which the list adds " 01" ... " 25".
std::string LongStem(std::size_t bytes, const std::string& word) {
    std::string stem;
    while (stem.size() < bytes - 3) stem += word;
    stem.resize(bytes - 3);
    return stem;
}

// Damaged files of 120-byte names with blanks.
TEST_F(StartUpMessageOnScreen, NamesOf120BytesFitTheScreen) {
    const std::string folder = DeepProgramFolder(kDeepFolderBytes);
    vehtest::WriteFile(fs::path(folder) / "autoveh.lst",
                       ListOfDamagedFiles(fs::path(folder) / "vehicles",
                                          LongStem(116, "Damaged vehicle "), ""));
    ExpectOnScreen(StartAndTakeMessage("names120"));
}

// Damaged files of the longest names a ".vd3" file may have, 255 bytes, without a blank.
TEST_F(StartUpMessageOnScreen, NamesOf255BytesFitTheScreen) {
    const std::string folder = DeepProgramFolder(kDeepFolderBytes);
    vehtest::WriteFile(fs::path(folder) / "autoveh.lst",
                       ListOfDamagedFiles(fs::path(folder) / "vehicles",
                                          LongStem(251, "Damaged_vehicle_"), ""));
    ExpectOnScreen(StartAndTakeMessage("names255"));
}

// Damaged files listed by a path out of the vehicles folder, into a folder of 103 bytes beside
// the program folder: each is named by its whole path.
TEST_F(StartUpMessageOnScreen, PathsOutOfALongFolderFitTheScreen) {
    DeepProgramFolder(kDeepFolderBytes);  // two folders below the test's own
    std::string elsewhere = root.string() + "/";
    elsewhere +=
        std::string("Vehicles-kept-elsewhere-").substr(0, kElsewhereBytes - elsewhere.size());
    elsewhere += std::string(kElsewhereBytes - elsewhere.size(), 'y');
    fs::create_directories(elsewhere);
    vehtest::WriteFile(
        fs::path(ui::MainStartUp().ProgramFolder) / "autoveh.lst",
        ListOfDamagedFiles(elsewhere, "Damaged vehicle",
                           "../../../" + fs::path(elsewhere).filename().string() + "/"));
    const ShownMessage message = StartAndTakeMessage("elsewhere");
    ExpectOnScreen(message);
    EXPECT_TRUE(message.text.contains("Damaged vehicle 01.vd3 (named on 2 lines)"));
}

// A file of bytes that are no text saved as the list: its lines hold NUL bytes, other control
// characters and bytes of no character; the first is 20,000 bytes long.
TEST_F(StartUpMessageOnScreen, ABinaryFileSavedAsTheListFitsTheScreen) {
    const std::string folder = DeepProgramFolder(kDeepFolderBytes);
    std::mt19937 bytes(44);
    std::string junk;
    for (int i = 0; i < 100000; ++i) {
        const char byte = static_cast<char>(bytes() & 0xFF);
        junk += i < 20000 && byte == '\n' ? '\0' : byte;
    }
    vehtest::WriteFile(fs::path(folder) / "autoveh.lst", junk);
    ExpectOnScreen(StartAndTakeMessage("binary"));
}

// The characters of `text` that `font`, and the fonts Qt falls back to, have no glyph for: each
// would be drawn as an empty box.
QString CharactersNotDrawn(const QString& text, const QFont& font) {
    QString missing;
    for (const uint c : text.toUcs4()) {
        if (c < 0x20) continue;  // the line ends of the text itself
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        QTextLayout layout(character, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            for (const quint32 glyph : run.glyphIndexes())
                if (glyph == 0) missing += character;
    }
    return missing;
}

// A list line holding a NUL byte, every other control character, DEL and the characters that
// end a line: the message shows each as a sign that the installed fonts draw (no empty box).
TEST_F(StartUpMessageOnScreen, EverySignOfALineOfControlCharactersIsDrawn) {
    const std::string folder = DeepProgramFolder(kDeepFolderBytes);
    std::string line(1, '\0');
    for (char c = 1; c < 0x20; ++c)
        if (c != '\n' && c != '\r') line += c;
    line += "\x7F\u0085\u2028\u2029";
    vehtest::WriteFile(fs::path(folder) / "autoveh.lst", "Junk " + line + "\r\n");
    const ShownMessage message = StartAndTakeMessage("signs");
    ExpectOnScreen(message);
    EXPECT_TRUE(message.text.contains(QString::fromUtf8("Junk \u2400\u2401")))
        << message.text.toStdString();
    const QString missing = CharactersNotDrawn(message.text, message.font);
    EXPECT_TRUE(missing.isEmpty()) << "drawn as empty boxes: " << missing.toStdString();
}

// A recent list naming `files` setups the start cannot reach, each under a setup file that
// stands where its path names a folder (the reason is "Not a directory"), each path of about
// `bytes` bytes, of words and blanks.
std::string UnreachableRecentList(const fs::path& folder, int files, std::size_t bytes) {
    const fs::path standing = folder / "setups" / "Setups of the season.set";
    fs::create_directories(standing.parent_path());
    vehtest::WriteFile(standing, "x");
    std::string list;
    for (int i = 1; i <= files; ++i) {
        std::string path = standing.string();
        const std::string file = "/Golf race setup " + std::to_string(i) + ".set";
        while (path.size() + file.size() < bytes) path += "/Setups_for_a_long_weekend";
        list += path + file + "\r\n";
    }
    return list + "\r\n";
}

// Nine paths of about 460 and of about 960 bytes, and one of 3,960 bytes: the message names
// them shortened, at most eight, and fits the screen.
TEST_F(StartUpMessageOnScreen, RecentSetupsOf460BytesFitTheScreen) {
    ExpectRecentListFits("recent460", 9, 460);
}
TEST_F(StartUpMessageOnScreen, RecentSetupsOf960BytesFitTheScreen) {
    ExpectRecentListFits("recent960", 9, 960);
}
TEST_F(StartUpMessageOnScreen, ARecentSetupOf3960BytesFitsTheScreen) {
    ExpectRecentListFits("recent3960", 1, 3960);
}

}  // namespace
