// The Qt services that need no person: font metrics, pictures, filters, sound, locale, clock,
// and the shell hearing from the desktop's launcher whether it found a program.
#include <gtest/gtest.h>

#include <signal.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QTemporaryDir>

#include "QtTestApp.hpp"
#include "files/FileHelpers.hpp"
#include "platform/Form.hpp"

namespace {

class QtServicesTest : public ::testing::Test {
protected:
    void SetUp() override { qttest::App(); }
};

TEST_F(QtServicesTest, FontMetricsGrowWithTextSizeAndLines) {
    qtfront::QtFontMetricsService fonts;
    const platform::FontSpec arial{"Arial", 8.0f, false, false};
    const auto one = fonts.Measure("Torque", arial);
    const auto two = fonts.Measure("Torque Torque", arial);
    EXPECT_GT(one.width, 10);
    EXPECT_GT(two.width, 1.8 * one.width);
    // 8 pt at 96 dpi is 11 pixels: a line is a little taller than that.
    EXPECT_GE(one.height, 11);
    EXPECT_LT(one.height, 18);
    const auto lines = fonts.Measure("Torque\r\nPower", arial);
    EXPECT_DOUBLE_EQ(lines.height, 2 * one.height);
    EXPECT_DOUBLE_EQ(lines.width, one.width);
    const auto bigger = fonts.Measure("Torque", {"Arial", 16.0f, true, false});
    EXPECT_GT(bigger.width, 1.8 * one.width);
    // Trebuchet MS falls back to an installed sans of similar width, not to nothing.
    EXPECT_GT(fonts.Measure("Torque", {"Trebuchet MS", 8.0f, false, false}).width, 10);
}

// The windows' fixed-size boxes were fitted to texts in Liberation Sans, the family the layout
// tests measure. Whatever wider sans a desktop has besides (Open Sans, Cantarell, a real
// Trebuchet MS), sans texts are drawn in it or a metric twin; and with light hinting, under
// which texts keep the font's own widths whatever hinting the desktop's fontconfig asks for.
TEST_F(QtServicesTest, SansTextsKeepTheMeasuredFamilyAndWidths) {
    EXPECT_EQ(qtfront::SansFamilyAmong({"Cantarell", "Open Sans", "Fira Sans", "Trebuchet MS",
                                        "DejaVu Sans", "Arial", "Liberation Sans"}),
              "Liberation Sans");
    EXPECT_EQ(qtfront::SansFamilyAmong({"Open Sans", "Trebuchet MS", "DejaVu Sans", "Arimo"}),
              "Arimo");
    // Without any twin of Arial, the sans every desktop has, however much wider.
    EXPECT_EQ(qtfront::SansFamilyAmong({"Open Sans", "DejaVu Sans"}), "DejaVu Sans");
    for (const char* name : {"Trebuchet MS", "Arial", "MS Sans Serif"}) {
        const QFont font = qtfront::ToQFont({name, 8.0f, true, false});
        EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans") << name;
        EXPECT_EQ(font.hintingPreference(), QFont::PreferVerticalHinting) << name;
        // Where none of the families is installed, fontconfig's choice follows the hint.
        EXPECT_EQ(font.styleHint(), QFont::SansSerif) << name;
    }
    const QFont mono = qtfront::ToQFont({"Courier New", 10.0f, true, false});
    EXPECT_EQ(QFontInfo(mono).family(), "Liberation Mono");
    EXPECT_EQ(mono.styleHint(), QFont::TypeWriter);
    // Its columns keep their width too: under full hinting each advance would be rounded.
    EXPECT_EQ(mono.hintingPreference(), QFont::PreferVerticalHinting);
    // Menus and message boxes take the application's font.
    EXPECT_EQ(QApplication::font().hintingPreference(), QFont::PreferVerticalHinting);
}

TEST_F(QtServicesTest, PicturesLoadWithTheirSizeAndBadFilesAreRefused) {
    QTemporaryDir dir;
    const QString good = QDir(dir.path()).filePath("car.jpg");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(good, "JPG"));
    const QString bad = QDir(dir.path()).filePath("broken.jpg");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();

    qtfront::QtPictureService pictures;
    const auto loaded = pictures.Load(good.toStdString());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->width, 64);
    EXPECT_EQ(loaded->height, 48);
    EXPECT_FALSE(pictures.Load(bad.toStdString()).has_value());
    EXPECT_FALSE(pictures.Load(QDir(dir.path()).filePath("none.jpg").toStdString()).has_value());
}

TEST_F(QtServicesTest, FileFiltersBecomeQtNameFilters) {
    EXPECT_EQ(qtfront::ToQtNameFilters("Vehicle files (*.veh)|*.veh"),
              "Vehicle files (*.veh) (*.veh)");
    EXPECT_EQ(qtfront::ToQtNameFilters("CSV|*.csv|All files|*.*"), "CSV (*.csv);;All files (*.*)");
    EXPECT_EQ(qtfront::ToQtNameFilters("Setups|*.set;*.svs"), "Setups (*.set *.svs)");
    EXPECT_EQ(qtfront::ToQtNameFilters(""), "");
}

// The setup filter as a real file dialog applies it, built as the File menu builds it: every
// "<stem>_*.set" of the car is listed, whatever blanks, brackets, semicolons or letters its
// name holds; a file of a name differing only there may
// show too, never one that merely ends like it.
TEST_F(QtServicesTest, SetupFiltersListEverySetupOfTheirCarInARealDialog) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList files = {"VW Golf GTI Mk7_mine.set", "VW Golf GTI Mk7_Default.set",
                               "Mk7_other.set", "Car (2)_a.set", "Car [x]_b.set",
                               "Zo\u00EB's Car_c.set", "Car_d.set", "Golf_e.set", "notes.txt",
                               "Car;Two_f.set", "Two_g.set"};
    for (const QString& name : files) {
        QFile f(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    const struct {
        const char* stem;
        QStringList listed;
    } cases[] = {
        {"VW Golf GTI Mk7", {"VW Golf GTI Mk7_Default.set", "VW Golf GTI Mk7_mine.set"}},
        {"Car (2)", {"Car (2)_a.set"}},
        {"Car [x]", {"Car [x]_b.set"}},
        {"Zo\u00EB's Car", {"Zo\u00EB's Car_c.set"}},
        {"Car", {"Car_d.set"}},
        {"Car;Two", {"Car;Two_f.set"}},  // a filter separates its patterns at ";"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stem);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        qtfront::SetNameFilters(
            dialog, std::string("LFS Settings File | ") + files::SetupFilePattern(c.stem));
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        dialog.setDirectory(dir.path());
        // The model reads the folder in a thread of its own and applies the filter later still.
        // Depending on the platform, a file the filter refuses is left out or shown disabled.
        const auto listed = [&] {
            const QModelIndex folder = model->index(dir.path());
            QStringList names;
            for (int row = 0; row < model->rowCount(folder); ++row) {
                const QModelIndex file = model->index(row, 0, folder);
                if (model->flags(file) & Qt::ItemIsEnabled) names << model->fileName(file);
            }
            names.sort();
            return names.join(" | ").toStdString();
        };
        const std::string expected = c.listed.join(" | ").toStdString();
        qttest::RunEventsUntil([&] { return listed() == expected; });
        EXPECT_EQ(listed(), expected);
    }
}

TEST_F(QtServicesTest, SoundOfAMissingFilePlaysNothingAndReturns) {
    qtfront::QtSoundService sound;
    sound.PlayAsync("/nonexistent/shift.wav");  // no crash, no wait
    SUCCEED();
}

TEST_F(QtServicesTest, DecimalSeparatorIsProcessLocalAndTheClockRuns) {
    qtfront::QtLocaleService locale;
    EXPECT_FALSE(locale.DecimalSeparator().empty());
    locale.SetDecimalSeparator(",");
    EXPECT_EQ(locale.DecimalSeparator(), ",");
    qtfront::QtLocaleService fresh;  // the user's setting is untouched
    EXPECT_NE(fresh.DecimalSeparator(), "");
    const double now = qtfront::QtClockService().SecondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);
}

// A stand-in launcher "xdg-open" first on the PATH: it writes what it was given and its process
// id, then keeps running, as one does while it runs the program it found, until the test lets
// it go (or for 20 s at least), and then exits with the status scripted. The shell has returned
// while the launcher is held, and hears of a failure from the event loop once the launcher has
// ended. The test waits for each launcher's start and end, never for a time.
TEST_F(QtServicesTest, TheShellReportsALauncherThatFailsWithoutWaitingForIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString given = dir.filePath("given.txt"), pidFile = dir.filePath("pid.txt"),
                  release = dir.filePath("release");
    // Until let go, or until the test's folder is gone with a test that failed before; 2000
    // naps of 10 ms at least.
    const QString held = "n=0; while [ ! -e '" + release + "' ] && [ -d '" + dir.path() +
                         "' ] && [ $n -lt 2000 ]; do sleep 0.01; n=$((n + 1)); done";
    const auto launcher = [&](const QString& then) {
        for (const QString& f : {given, pidFile, release}) QFile::remove(f);
        QFile script(dir.filePath("xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + given + "'\necho $$ > '" + pidFile +
                      ".new' && mv '" + pidFile + ".new' '" + pidFile + "'\n" + held + "\n" +
                      then + "\n")
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const auto readText = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    };
    // Gone once it has ended and the shell's watcher has reaped it, which is when the watcher
    // hears of the end; a last turn of the event loop delivers what it queued then.
    const auto ended = [](pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; };
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + path);
    const std::string manual = dir.filePath("manual.pdf").toStdString();
    QFile(QString::fromStdString(manual)).open(QIODevice::WriteOnly);
    qtfront::QtShellService shell;
    const struct {
        const char* then;
        const char* target;
        bool fails;
    } cases[] = {{"exit 0", manual.c_str(), false},  // the program it found has closed
                 {"exit 3", "https://example.org/page", true},  // no program for it
                 {"exit 4", "mailto:someone@example.org", true}};  // the program failed
    for (const auto& c : cases) {
        SCOPED_TRACE(c.then);
        launcher(c.then);
        int failures = 0;
        EXPECT_TRUE(shell.Open(c.target, [&] { ++failures; }));
        pid_t pid = 0;
        if (!qttest::RunEventsUntil(
                [&] { return (pid = std::atoi(readText(pidFile).c_str())) > 0; })) {
            ADD_FAILURE() << "the launcher did not run";
            continue;
        }
        EXPECT_EQ(readText(given), c.target);
        QCoreApplication::processEvents();
        EXPECT_FALSE(ended(pid)) << "the shell waited for the launcher, or ended it";
        EXPECT_EQ(failures, 0) << "a launcher still running has not failed";
        QFile(release).open(QIODevice::WriteOnly);
        EXPECT_TRUE(qttest::RunEventsUntil([&] { return ended(pid); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(failures, c.fails ? 1 : 0);
    }
    EXPECT_FALSE(shell.Open(dir.filePath("missing.pdf").toStdString(), [] {}));
    qputenv("PATH", path);
}

}  // namespace
