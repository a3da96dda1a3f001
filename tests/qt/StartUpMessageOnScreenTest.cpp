// The start-up list's message on a laptop screen: however long the program folder's path, the
// whole message, its last names and its OK button lie within the screen. ctest runs this test
// on a 1366 x 768 and a 1920 x 1080 screen (tests/qt/screens/); the picture
// startup_message_<screen>.png in test-screenshots/ shows the message.
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <string>

#include "QtStartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

namespace fs = std::filesystem;

class StartUpMessageOnScreen : public qttest::StartedProgram {
protected:
    void TearDown() override {
        platform::InstallServiceDoubles();
        StartedProgram::TearDown();
    }
};

// A program folder of 94 characters whose list names 25 damaged files twice each, and the Golf
// and the BMW twice each: the message names the folder once, 18 of the damaged files and both
// repeats.
TEST_F(StartUpMessageOnScreen, AListOfDamagedFilesAndRepeatsFitsTheScreen) {
    const QSize screen = qttest::App().primaryScreen()->size();
    if (screen.width() < 1366 || screen.height() < 768)
        GTEST_SKIP() << "laid out for a screen of at least 1366 x 768; ctest runs it on one";
    std::string folder = root.string() + "/Program-folder-of-someone-who-keeps-programs-deep/";
    folder += "ChassisLab";
    folder += std::string(94 - folder.size(), 'x');
    ASSERT_EQ(folder.size(), 94u);
    const fs::path vehicles = fs::path(folder) / "vehicles";
    fs::create_directories(vehicles);
    std::string list;
    for (int i = 1; i <= 25; ++i) {
        const std::string stem = "Damaged vehicle " + std::string(i < 10 ? "0" : "") +
                                 std::to_string(i);
        vehtest::WriteFile(vehicles / (stem + ".vd3"), "VEHDATA");
        list += stem + "\r\n" + stem + "\r\n";
    }
    for (const char* car : {"VW Golf GTI Mk7", "BMW M3 E46"}) {
        fs::copy_file(fs::path(CHASSISLAB_DATA_DIR) / "vehicles" / (std::string(car) + ".vd3"),
                      vehicles / (std::string(car) + ".vd3"));
        list += std::string(car) + "\r\n" + car + "\r\n";
    }
    vehtest::WriteFile(fs::path(folder) / "autoveh.lst", list);
    ui::MainStartUp().ProgramFolder = folder + "/";
    platform::Services().messages = std::make_shared<qtfront::QtMessageBoxService>();

    // What a window manager puts round the box: a title bar and borders.
    const QSize frame(10, 30);
    QString text;
    QRect box;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown || !shown->isVisible() || !text.isEmpty()) return;
        text = shown->text();
        box = QRect(shown->frameGeometry().topLeft(), shown->frameGeometry().size() + frame);
        const auto* ok = shown->button(QMessageBox::Ok);
        EXPECT_TRUE(ok && ok->isVisible());
        EXPECT_TRUE(shown->rect().contains(QRect(ok->mapTo(shown, QPoint(0, 0)), ok->size())));
        const std::string name = "startup_message_" + std::to_string(screen.width()) + "x" +
                                 std::to_string(screen.height()) + ".png";
        EXPECT_TRUE(shown->grab().save(QString::fromStdString(qttest::ScreenshotPath(name))));
        shown->done(QMessageBox::Ok);
    });
    poll.start(20);
    Start();
    poll.stop();

    ASSERT_FALSE(text.isEmpty()) << "the message was shown";
    EXPECT_EQ(text.count(QString::fromStdString(folder)), 2) << "the list and the folder, once";
    EXPECT_TRUE(text.contains("Damaged vehicle 18.vd3 (named on 2 lines)"));
    EXPECT_TRUE(text.contains("and 7 more."));
    EXPECT_TRUE(text.endsWith("VW Golf GTI Mk7.vd3 (named on 2 lines)\n"
                              "BMW M3 E46.vd3 (named on 2 lines)"));
    EXPECT_LE(box.width(), 1366);
    EXPECT_LE(box.height(), 768 - 40) << "above a 40-pixel panel";
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 2);
}

}  // namespace
