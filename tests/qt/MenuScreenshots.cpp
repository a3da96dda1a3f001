// Each menu of the main window opened and drawn (menu_*.png in test-screenshots/) for a
// person to look at, after a start with the shipped vehicles and two recent setup files; and
// the vehicle photo read by the real picture reader, which refuses a file it cannot decode.
#include <QAction>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>
#include <filesystem>
#include <memory>
#include <string>

#include "QtTestApp.hpp"
#include "qt/FormView.hpp"
#include "qt/RenderToPng.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"

namespace {

namespace fs = std::filesystem;

class MenuScreenshots : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
    }
    // Opens the submenu of `entry` and writes its picture; returns the picture's size.
    QSize Shoot(qtfront::FormView& view, const platform::MenuItem& entry, const std::string& name) {
        QAction* action = view.ActionFor(entry);
        EXPECT_NE(action, nullptr) << name;
        if (action == nullptr || action->menu() == nullptr) return {};
        QMenu* menu = action->menu();
        menu->popup(QPoint(0, 0));
        qttest::App().processEvents();
        const QImage image = menu->grab().toImage();
        menu->hide();
        const std::string path = qttest::ScreenshotPath("menu_" + name + ".png");
        EXPECT_TRUE(image.save(QString::fromStdString(path))) << path;
        return image.size();
    }
};

// The header with the first vehicle's photo and with the vehicle tools panel in its place
// (main_header_photo.png, main_header_tools.png), then every menu.
TEST_F(MenuScreenshots, HeaderAndEveryMenuOpened) {
    CopyShippedData();
    platform::Services().pictures = std::make_shared<qtfront::QtPictureService>();
    fs::create_directories(root / "images");
    QImage picture(336, 176, QImage::Format_RGB32);
    picture.fill(QColor(70, 110, 160));
    ASSERT_TRUE(picture.save(QString::fromStdString((root / "images" / "VW Golf.jpg").string()), "JPG"));
    ui::Main& w = Start();
    EXPECT_EQ(w.Info_VehPic->GetPicture().path, (root / "images" / "VW Golf.jpg").string());
    const QRect header(0, 0, 1296, 140);
    EXPECT_TRUE(qtfront::RenderForm(w).copy(header).save(
        QString::fromStdString(qttest::ScreenshotPath("main_header_photo.png"))));
    w.VehData_PhotoToggle->UserClick();
    EXPECT_TRUE(qtfront::RenderForm(w).copy(header).save(
        QString::fromStdString(qttest::ScreenshotPath("main_header_tools.png"))));

    ui::AddRecentFile((root / "setups" / "BMW M3 E46_Default.set").string());
    ui::AddRecentFile((root / "setups" / "VW Golf GTI Mk7_Default.set").string());
    qtfront::FormView view(w);
    const struct {
        const platform::MenuItem* entry;
        const char* name;
    } menus[] = {
        {w.FileMenu, "file"},           {w.FileOpenRecentMenu, "file_recent"},
        {w.FileUserVehicles, "file_vehicles"}, {w.FileExport, "file_export"},
        {w.OptionsMenu, "options"},     {w.ToolsMenu, "tools"},
        {w.HelpMenu, "help"},           {w.LinksMenu, "links"},
        {w.LinkSpecSites[0], "links_cars"}, {w.LinkSetSites, "links_setups"},
    };
    for (const auto& m : menus) {
        const QSize size = Shoot(view, *m.entry, m.name);
        EXPECT_GT(size.width(), 60) << m.name;
        EXPECT_GT(size.height(), 20) << m.name;
    }
    platform::InstallServiceDoubles();
}

// Open Recent as the desktop shows it (menu_file_recent_names.png): an "&" in a file's name is
// itself, no shortcut letter, also in a name too long for the menu and cut in its middle; a
// control character is its sign, and a TAB opens no shortcut column.
TEST_F(MenuScreenshots, OpenRecentShowsNamesAsTheyAre) {
    ui::Main& w = Start();
    const std::string longName = "MMMMM & " + std::string(240, 'N') + "_end";
    const struct {
        std::string name;   // of the setup file, without ".set"
        std::string shown;  // as the menu shows it
    } rows[] = {
        {longName, longName},
        {"Ctl\t\a\x1B\x01\x7F", "Ctl\u2409\u2407\u241B\u2401\u2421"},
        {"VW Golf GTI Mk7_Ben & Jerry", "VW Golf GTI Mk7_Ben & Jerry"},  // the newest: first
    };
    for (const auto& row : rows)
        ui::AddRecentFile((root / "setups" / (row.name + ".set")).string());
    qtfront::FormView view(w);
    for (int slot = 0; slot < 3; ++slot) {
        const auto& row = rows[2 - slot];
        SCOPED_TRACE(row.shown.substr(0, 30));
        QAction* entry = view.ActionFor(*w.FileOpenRecent[slot]);
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(QKeySequence::mnemonic(entry->text()).isEmpty()) << entry->text().toStdString();
        EXPECT_FALSE(entry->text().contains('\t'));
        // Qt's text shown, "&&" as "&".
        if (slot < 2) EXPECT_EQ(entry->iconText().toStdString(), row.shown);
    }
    // The long name, cut in its middle, keeps its "&" a pair: one "&" shown.
    const QString cut = view.ActionFor(*w.FileOpenRecent[2])->text();
    EXPECT_TRUE(cut.size() < 240 && cut.startsWith("MMMMM && N") && cut.endsWith("N_end"))
        << cut.toStdString();
    EXPECT_EQ(cut.count('&'), 2);
    Shoot(view, *w.FileOpenRecentMenu, "file_recent_names");
}

TEST_F(MenuScreenshots, APhotoThePictureReaderCannotDecodeCountsAsMissing) {
    ui::Main& w = Start();
    platform::Services().pictures = std::make_shared<qtfront::QtPictureService>();
    const fs::path images = root / "images";
    fs::create_directories(images);
    vehtest::WriteFile(images / "Alpha Beta.jpg", "this is not a JPEG picture");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(QString::fromStdString((images / "Alpha.jpg").string()), "JPG"));
    const std::string found = ui::LoadVehiclePhotoFrom(w, images.string() + "/", "Alpha Beta");
    EXPECT_EQ(found, (images / "Alpha.jpg").string());
    EXPECT_EQ(w.Info_VehPic->GetPicture().width, 40);
    platform::InstallServiceDoubles();
}

}  // namespace
