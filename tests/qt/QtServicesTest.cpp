// The Qt services that need no person: font metrics, pictures, filters, sound, locale, clock,
// and the shell hearing from the desktop's launcher whether it found a program.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include "QtTestApp.hpp"
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

// The setup filter as a real file dialog applies it: every "<stem>_*.set" of the car is listed,
// whatever blanks, brackets or letters its name holds; a file of a name differing only there may
// show too, never one that merely ends like it.
TEST_F(QtServicesTest, SetupFiltersListEverySetupOfTheirCarInARealDialog) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList files = {"VW Golf GTI Mk7_mine.set", "VW Golf GTI Mk7_Default.set",
                               "Mk7_other.set", "Car (2)_a.set", "Car [x]_b.set",
                               "Zo\u00EB's Car_c.set", "Car_d.set", "Golf_e.set", "notes.txt"};
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stem);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        qtfront::SetNameFilters(dialog, std::string("LFS Settings File | ") + c.stem + "_*.set");
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
        qttest::RunEventsUntil([&] { return listed() == expected; }, 3000);
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

// A stand-in launcher "xdg-open" first on the PATH: it writes what it was given and exits
// with the status scripted, or keeps running as one does while it runs the program it found.
// The shell returns at once and hears of a failure from the event loop.
TEST_F(QtServicesTest, TheShellReportsALauncherThatFailsWithoutWaitingForIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString given = dir.filePath("given.txt");
    const auto launcher = [&](const QString& then) {
        QFile::remove(given);
        QFile script(dir.filePath("xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + given + "'\n" + then + "\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const auto givenText = [&] {
        QFile f(given);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    };
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + path);
    const std::string manual = dir.filePath("manual.pdf").toStdString();
    QFile(QString::fromStdString(manual)).open(QIODevice::WriteOnly);
    qtfront::QtShellService shell;
    const struct {
        const char* then;
        const char* target;
        bool fails;
    } cases[] = {{"exit 0", manual.c_str(), false},
                 {"exit 3", "https://example.org/page", true},  // no program for it
                 {"sleep 0.3; exit 4", "mailto:someone@example.org", true},  // the program failed
                 {"sleep 3", manual.c_str(), false}};  // still running the program it found
    for (const auto& c : cases) {
        SCOPED_TRACE(c.then);
        launcher(c.then);
        int failures = 0;
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(shell.Open(c.target, [&] { ++failures; }));
        EXPECT_LT(clock.elapsed(), 200) << "no wait for the launcher";
        qttest::RunEventsUntil([&] { return failures > 0; }, 1500);
        EXPECT_EQ(failures, c.fails ? 1 : 0);
        EXPECT_EQ(givenText(), c.target);
    }
    EXPECT_FALSE(shell.Open(dir.filePath("missing.pdf").toStdString(), [] {}));
    qputenv("PATH", path);
}

}  // namespace
