// Every window of the program opens at the size its controls were laid out for, whenever the
// screen's available area holds it, and then needs no scrolling; on a smaller screen it fits
// the available area and scrolls only the way the screen is too small. Every size set after
// the window is shown (a page of the calculators, a smallest size) leaves the window manager's
// frame outside the layout, as the frame put round every window here shows. ctest runs these
// tests on a 1920 x 1080 and a 1366 x 768 screen as well (tests/qt/screens/); the pictures
// windows_<screen>_<window>.png in test-screenshots/ show each window on each screen.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "LoopbackServer.hpp"
#include "ProgramOnDesktop.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/ExportProgress.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/LanguageSelection.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "ui/tools/UnitConv.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"

namespace {

class WindowSizes : public qttest::ProgramOnDesktop {
protected:
    // Every window gets a frame as under a window manager: a title bar and borders outside
    // its client area, which the offscreen platform does not draw.
    void SetUp() override {
        qtfront::TestFrame().added = kFrame;
        ProgramOnDesktop::SetUp();
    }
    void TearDown() override {
        qtfront::TestFrame().added = QSize(0, 0);
        std::vector<platform::Form*> others;  // the tool windows outlive the test otherwise
        for (platform::Form* f : platform::Desktop::Instance().LoadedForms()) {
            if (f != w) others.push_back(f);
        }
        for (platform::Form* f : others) f->Unload();
        ui::ResetMechCalcs();
        ui::ResetUnitConv();
        ui::ResetDragRaceWindow();
        ui::ResetGearingAutoSpacer();
        ui::ResetMakeLevelRide();
        ProgramOnDesktop::TearDown();
    }
    // The window of a form that has just been shown, once the event loop has settled it.
    qtfront::FormView& ViewOf(platform::Form& form) {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        qtfront::FormView* view = desktop->ViewFor(form);
        EXPECT_NE(view, nullptr) << form.ClassName();
        return *view;
    }
    // The window with its frame, as the window manager places it (a maximised one has none).
    static QRect Outer(const qtfront::FormView& view) {
        const bool framed = !(view.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        return QRect(view.frameGeometry().topLeft(),
                     view.frameGeometry().size() + (framed ? kFrame : QSize()));
    }
    static constexpr QSize kFrame{10, 30};
    void Shot(QWidget& window, const std::string& name) {
        const QSize screen = window.screen()->size();
        const std::string path = qttest::ScreenshotPath("windows_" + std::to_string(screen.width()) + "x" +
                                                        std::to_string(screen.height()) + "_" + name + ".png");
        EXPECT_TRUE(window.grab().save(QString::fromStdString(path))) << path;
    }
};

struct Window {
    const char* name;
    QSize layout;  // the client size its controls are laid out in
    std::function<platform::Form*()> open;
    // Each container holds its controls (the main window's springs page and the options
    // window's graph page scroll theirs within a page).
    bool nested = true;
};

// Tool windows given an outer size hold it less the form's 20-pixel allowance for a title bar.
const std::vector<Window>& Windows() {
    using namespace ui;
    static const std::vector<Window> all = {
        {"main", {1280, 800}, [] { return &MainWindow(); }, false},
        {"options", {1020, 484}, [] { ShowOptionsPanel(); return &OptionsPanelWindow(); }, false},
        {"graph", {437, 282}, [] { charts::OpenGraphWindow(); return ResizeableGraphWindows().Windows.Peek(0); }},
        {"vehicle_data_reader", {813, 687}, [] { ShowDataOutputReader(); return &DataOutputReaderWindow(); }},
        {"setup_reader", {785, 601}, [] { ShowLFSSetupReader(); return &LFSSetupReaderWindow(); }},
        {"calculators", {655, 411}, [] { ShowMechCalcs(); return PeekMechCalcs(); }},
        {"unit_converter", {300, 194}, [] { ShowUnitConv(); return PeekUnitConv(); }},
        {"replay", {844, 432}, [] { ShowDragRaceWindow(); return PeekDragRaceWindow(); }},
        {"gear_spacer", {300, 170}, [] { ShowGearingAutoSpacer(); return PeekGearingAutoSpacer(); }},
        {"startup_list", {392, 300}, [] { ShowAutoVehEditor(); return &AutoVehEditorWindow(); }},
        {"torque_table", {333, 340}, [] { ShowTorqueDataTable(); return OpenTorqueDataTable(); }},
        {"level_ride", {300, 110}, [] { ShowMakeLevelRide(); return PeekMakeLevelRide(); }},
        {"about", {420, 274}, [] { ShowAbout(); return &AboutWindow(); }},
        {"language", {300, 150}, [] { ShowLanguageSelection(); return &LanguageSelectionWindow(); }},
        {"export_progress", {300, 44}, [] { ExportProgressLinks().Show(); return &ExportProgressWindow(); }},
    };
    return all;
}

TEST_F(WindowSizes, EveryWindowOpensAtItsLayoutAndScrollsOnlyWhereTheScreenIsSmaller) {
    for (const Window& entry : Windows()) {
        SCOPED_TRACE(entry.name);
        platform::Form& form = *entry.open();
        qtfront::FormView& view = ViewOf(form);
        Shot(view, entry.name);
        const QRect available = view.screen()->availableGeometry();
        const QRect frame = Outer(view);
        EXPECT_TRUE(available.contains(frame)) << "within the screen";
        if (view.isVisible())
            EXPECT_EQ(QSize(form.Width(), form.Height()), frame.size()) << "told to the form";

        // The layout holds its controls, and each container its own (the rows of every page
        // of the reader, and the frames' borders, included); so do the widgets.
        for (const auto& c : form.AllControls()) {
            QWidget* widget = view.WidgetFor(*c);
            if (!widget || !widget->isVisibleTo(&view)) continue;
            const bool top = widget->parentWidget() == view.ClientArea();
            if (!top && !entry.nested) continue;
            const QRect room = top ? QRect(QPoint(), entry.layout) : widget->parentWidget()->rect();
            EXPECT_TRUE(room.contains(widget->geometry())) << c->Name() << "(" << c->Index() << ")";
        }
        const QSize client = view.ClientArea()->size();
        EXPECT_EQ(QSize(form.ClientWidth(), form.ClientHeight()), client) << "told to the form";
        const QSize whole = entry.layout + QSize(0, view.ClientArea()->y()) + frame.size() - view.size();
        const bool across = view.HorizontalScrollBar()->isVisible();
        const bool down = view.VerticalScrollBar()->isVisible();
        if (available.width() >= whole.width() && available.height() >= whole.height()) {
            EXPECT_EQ(client, entry.layout);
            EXPECT_FALSE(across || down);
            for (QPushButton* button : view.ClientArea()->findChildren<QPushButton*>()) {
                if (!button->isVisibleTo(&view)) continue;
                const QRect at(button->mapTo(view.ClientArea(), QPoint(0, 0)), button->size());
                EXPECT_TRUE(view.ClientArea()->rect().contains(at)) << "no button needs scrolling";
            }
        } else {
            // Only the way the screen is too small does the window shrink and scroll; the
            // other way a bar takes its breadth from spare room, not from the layout.
            EXPECT_EQ(down, available.height() < whole.height());
            if (available.width() >= whole.width() + (down ? view.VerticalScrollBar()->width() : 0)) {
                EXPECT_FALSE(across);
                EXPECT_EQ(client.width(), entry.layout.width());
            }
            if (down) EXPECT_EQ(frame.height(), available.height()) << "as tall as the screen allows";
        }
    }
}

// Each page of the calculators sizes the window for its own layout, however often the person
// switches: the frame stays outside the layout, no bar appears and every frame shows whole.
TEST_F(WindowSizes, TheCalculatorsSizeEachPageForItsLayout) {
    ui::ShowMechCalcs();
    ui::MechCalcs& calcs = *ui::PeekMechCalcs();
    qtfront::FormView& view = ViewOf(calcs);
    const struct {
        int page;
        QSize layout;
    } pages[] = {{1, {503, 367}}, {0, {655, 411}}};
    for (int round = 0; round < 3; ++round) {
        for (const auto& p : pages) {
            SCOPED_TRACE("round " + std::to_string(round) + ", page " + std::to_string(p.page));
            calcs.SelectMechCalc->UserSelect(p.page);
            ViewOf(calcs);
            EXPECT_EQ(view.ClientArea()->size(), p.layout);
            EXPECT_FALSE(view.HorizontalScrollBar()->isVisible());
            EXPECT_FALSE(view.VerticalScrollBar()->isVisible());
            EXPECT_EQ(QSize(calcs.Width(), calcs.Height()), Outer(view).size());
            calcs.MechCalc.ForEach([&](int i, platform::Frame& frame) {
                if (!frame.Visible()) return;
                const QRect at = view.WidgetFor(frame)->geometry();
                EXPECT_TRUE(QRect(QPoint(), p.layout).contains(at)) << "frame " << i;
            });
            if (round == 2) Shot(view, "calculators_page" + std::to_string(p.page));
        }
    }
}

// A person who resizes a window that fits its controls to its client area: the form hears of
// the whole part that shows and no scroll bar stays (a graph fitted to the part beside bars it
// then no longer needs would leave strips bare), and one shrunk past its smallest size gets
// that size back from code, as its whole size with the frame (3000 x 2000 and 4000 x 3000
// twips). The graph is drawn once a resize, not first beside bars and then again.
TEST_F(WindowSizes, AResizedWindowFitsWhatShowsAndKeepsItsSmallestSizeFrameIncluded) {
    const struct {
        const char* name;
        std::function<platform::Form*()> open;
        QSize smallest;
    } windows[] = {
        {"graph", [] { charts::OpenGraphWindow(); return ui::ResizeableGraphWindows().Windows.Peek(0); },
         {200, 134}},
        {"torque_table", [] { ui::ShowTorqueDataTable(); return ui::OpenTorqueDataTable(); },
         {267, 200}},
    };
    for (const auto& entry : windows) {
        SCOPED_TRACE(entry.name);
        platform::Form& form = *entry.open();
        qtfront::FormView& view = ViewOf(form);
        auto* graph = dynamic_cast<ui::ResizeableGraphWindow*>(&form);
        const auto drawn = [graph] { return graph ? graph->LargeGraph().Surf().Revision() : 0; };
        uint64_t oneDraw = drawn();
        if (graph) graph->GraphMenuItem_Click(charts::GraphGroup::Data, 0);
        oneDraw = drawn() - oneDraw;
        for (const QSize asked : {QSize(300, 220), QSize(40, 40)}) {
            const uint64_t before = drawn();
            view.resize(asked);
            ViewOf(form);
            EXPECT_EQ(drawn() - before, oneDraw) << asked.width();
            EXPECT_EQ(QSize(form.ClientWidth(), form.ClientHeight()), view.ClientArea()->size())
                << asked.width();
            EXPECT_FALSE(view.HorizontalScrollBar()->isVisible()) << asked.width();
            EXPECT_FALSE(view.VerticalScrollBar()->isVisible()) << asked.width();
            EXPECT_EQ(QSize(form.Width(), form.Height()), Outer(view).size());
        }
        EXPECT_EQ(Outer(view).size(), entry.smallest);
    }
}

// The export runs from the main window's menu: its progress window opens centred on it.
TEST_F(WindowSizes, TheExportProgressOpensCentredOnTheMainWindow) {
    qtfront::FormView& main = ViewOf(*w);
    ui::ExportProgressLinks().Show();
    qtfront::FormView& progress = ViewOf(ui::ExportProgressWindow());
    const QPoint off = Outer(progress).center() - Outer(main).center();
    EXPECT_LE(off.manhattanLength(), 1) << off.x() << ", " << off.y();
}

// Maximised, the main window fills the screen's available area. Window managers take the
// frame away from a maximised window, as the offscreen platform does from a full-screen one:
// the window stays where the window manager put it, and the form hears of it. Restored, it
// is back where it was.
TEST_F(WindowSizes, AMaximisedWindowFillsTheAvailableArea) {
    qtfront::FormView& view = ViewOf(*w);
    const QRect before = Outer(view);
    const QRect available = view.screen()->availableGeometry();
    view.setWindowState(Qt::WindowMaximized | Qt::WindowFullScreen);
    ViewOf(*w);
    EXPECT_EQ(w->WindowState(), platform::WindowState::Maximized);
    EXPECT_EQ(view.frameGeometry(), available);
    EXPECT_EQ(QRect(w->Left(), w->Top(), w->Width(), w->Height()), available);
    view.ShowWindow();  // fitting to the screen leaves a maximised window alone
    ViewOf(*w);
    EXPECT_EQ(view.frameGeometry(), available);

    view.setWindowState(Qt::WindowNoState);
    ViewOf(*w);
    EXPECT_EQ(Outer(view), before);
    EXPECT_EQ(view.ClientArea()->size(), QSize(w->ClientWidth(), w->ClientHeight()));
}

// The update check's three messages show their whole title: a message box is as wide as
// its text, and the title bar draws the title, often in a larger bold font, beside the
// window's icon and buttons.
TEST_F(WindowSizes, TheUpdateCheckMessagesShowTheirWholeTitle) {
    qttest::LoopbackServer server{{{"newer", {200, "v9.9.9"}}, {"same", {200, " v3.1.4"}},
                                   {"missing", {404, ""}}}};
    ASSERT_TRUE(server.Listening());
    platform::Services().http = std::make_shared<qtfront::QtHttpService>();
    platform::Services().messages = std::make_shared<qtfront::QtMessageBoxService>();
    const std::string savedSite = ui::WebLinks().WebSite;
    for (const char* reply : {"newer", "same", "missing"}) {
        SCOPED_TRACE(reply);
        ui::WebLinks().WebSite = server.Site(reply);
        QString title;
        int width = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            title = box->windowTitle();
            width = box->width();
            EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()));
            Shot(*box, std::string("update_") + reply);
            box->done(QMessageBox::No);
        });
        poll.start(20);
        ui::CheckForUpdate(false);  // the answer comes in the background
        qttest::RunEventsUntil([] { return ui::UpdateCheck().Request == 0; });
        poll.stop();
        ASSERT_FALSE(title.isEmpty()) << "a message was shown";
        QFont bold = QApplication::font();
        bold.setBold(true);
        EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 100) << title.toStdString();
    }
    ui::WebLinks().WebSite = savedSite;
    platform::InstallServiceDoubles();
}

// A message while no window is active (the "Problem" after Yes to "A newer version is
// available": the window manager has not yet handed the focus back from the closed question)
// opens on the window last worked in.
TEST_F(WindowSizes, AMessageWhileNoWindowIsActiveOpensOnTheWindowLastUsed) {
    platform::Services().messages = std::make_shared<qtfront::QtMessageBoxService>();
    ui::ShowUnitConv();
    qtfront::FormView& tool = ViewOf(*ui::PeekUnitConv());
    QApplication::setActiveWindow(&tool);
    ViewOf(*ui::PeekUnitConv());
    QApplication::setActiveWindow(nullptr);
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const QPoint off = box->frameGeometry().center() - tool.frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 40) << off.x() << ", " << off.y();
        box->done(QMessageBox::Ok);
    });
    platform::MsgBox("Could not open the web page:");
    platform::InstallServiceDoubles();
}

// A message naming a file whose name holds no blank (the error for a 256-byte vehicle file
// name, the overwrite question for a 255-byte setup, and for one 450 pixels wide) wraps the
// name within the screen: the label's narrowest width holds no longer than its width, every
// stretch between two places where a line may end is at most a quarter of the screen and 400
// pixels wide. Selected and copied from the box, the name is the file's, whole (a zero-width
// space of its own kept), and a double click selects it whole; what another program copies
// meanwhile is left as it is.
TEST_F(WindowSizes, AMessageWrapsALongNameWithinTheScreen) {
    platform::Services().messages = std::make_shared<qtfront::QtMessageBoxService>();
    const QFontMetrics boxFont(QMessageBox().font());
    const std::string vehicle = std::string(252, 'G') + ".vd3";
    const std::string setup = std::string(120, 'S') + "\u200B" + std::string(128, 'S') + ".set";
    const int wideWs = (450 - boxFont.horizontalAdvance(".set")) / boxFont.horizontalAdvance('W');
    const std::string wide = std::string(static_cast<std::size_t>(wideWs), 'W') + ".set";
    const struct {
        std::string file;
        platform::MenuItem* entry;
    } messages[] = {{vehicle, w->FileSaveVehicle},
                    {setup, w->FileSaveAs},
                    {wide, w->FileSaveAs},
                    {std::string(260, 'N'), nullptr}};  // a message of the name alone
    for (const auto& m : messages) {
        SCOPED_TRACE(m.file.substr(0, 4) + m.file.substr(m.file.size() - 4));
        const QString file = QString::fromStdString(m.file);
        if (m.entry == w->FileSaveAs) vehtest::WriteFile(root / "setups" / m.file, "SRSETT");
        if (m.entry) platform::FileDialogDouble().QueueSavePath((root / "setups" / m.file).string());
        bool shown = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || shown) return;
            shown = true;
            const QRect screen = box->screen()->availableGeometry();
            EXPECT_TRUE(screen.contains(box->frameGeometry()));
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(label, nullptr);
            EXPECT_LE(label->minimumSizeHint().width(), label->width());
            const QString text = label->text();
            const QFontMetrics metrics(label->font());
            if (m.file == wide) {
                ASSERT_GT(metrics.horizontalAdvance(file), 400);
                ASSERT_LT(metrics.horizontalAdvance(file), 480);
            }
            QTextBoundaryFinder lineEnds(QTextBoundaryFinder::Line, text);
            for (qsizetype from = 0, to = lineEnds.toNextBoundary(); to != -1;
                 from = to, to = lineEnds.toNextBoundary()) {
                const QString stretch = text.mid(from, to - from).trimmed();
                EXPECT_LE(metrics.horizontalAdvance(stretch), std::min(screen.width() / 4, 400))
                    << stretch.toStdString();
            }
            Shot(*box, "message_long_name_" + m.file.substr(0, 1) + m.file.substr(m.file.size() - 4));
            QClipboard& clipboard = *QGuiApplication::clipboard();
            const QString elsewhere = QString::fromUtf8("copied\u200Belsewhere");
            clipboard.setText(elsewhere);
            EXPECT_EQ(clipboard.text(), elsewhere);
            label->setFocus(Qt::TabFocusReason);
            QTest::keyClick(label, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(label, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_EQ(label->selectedText().size(), text.size()) << "the keys select";
            QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
            const QString copied = clipboard.text();
            EXPECT_TRUE(copied.contains(file)) << copied.toStdString();
            EXPECT_EQ(copied.count(QChar(0x200B)), file.count(QChar(0x200B)));
            if (!m.entry) {  // a double click on the name's second line selects it whole
                QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(20, metrics.lineSpacing() * 3 / 2));
                EXPECT_EQ(label->selectedText().remove(QChar::LineSeparator).toStdString(), m.file);
            }
            box->done(QMessageBox::No);  // or OK, the one button of an error
        });
        poll.start(20);
        if (m.entry) {
            m.entry->UserClick();
        } else {
            platform::MsgBox(m.file);
        }
        poll.stop();
        EXPECT_TRUE(shown);
    }
    platform::InstallServiceDoubles();
}

// Open Recent with five names of 240 to 255 bytes stays within the screen beside the File
// menu; each entry shows its name's start and end.
TEST_F(WindowSizes, OpenRecentWithLongNamesStaysBesideTheFileMenu) {
    std::vector<std::string> names;
    for (const int bytes : {240, 244, 248, 252, 255}) {
        names.push_back("R" + std::to_string(bytes) + std::string(static_cast<std::size_t>(bytes - 15), 'M') +
                        "_end" + std::to_string(bytes) + ".set");
        ui::AddRecentFile((root / "setups" / names.back()).string());
    }
    qtfront::FormView& view = ViewOf(*w);
    QMenu* file = view.ActionFor(*w->FileMenu)->menu();
    QMenu* recent = view.ActionFor(*w->FileOpenRecentMenu)->menu();
    ASSERT_TRUE(file && recent);
    file->popup(view.mapToGlobal(QPoint(0, 20)));
    file->setActiveAction(recent->menuAction());
    QTest::keyClick(file, Qt::Key_Right);
    qttest::RunEventsUntil([recent] { return recent->isVisible(); });
    ASSERT_TRUE(recent->isVisible());
    const QRect screen = view.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(recent->geometry()));
    // Beside the entry it opens from (a submenu may lie on the parent's frame).
    const QRect from = file->actionGeometry(recent->menuAction());
    EXPECT_GE(recent->geometry().left(), file->mapToGlobal(from.topRight()).x());
    const QList<QAction*> entries = recent->actions();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString shown = entries[static_cast<qsizetype>(i)]->text();
        const std::string& name = names[names.size() - 1 - i];  // the newest first
        const std::string title = name.substr(0, name.size() - 4);
        EXPECT_TRUE(shown.startsWith(QString::fromStdString(title.substr(0, 4)))) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QString::fromStdString(title.substr(title.size() - 6))))
            << shown.toStdString();
    }
    Shot(*file, "file_menu");
    Shot(*recent, "open_recent_long_names");
    recent->hide();
    file->hide();
}

}  // namespace
