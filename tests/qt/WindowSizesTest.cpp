// Every window of the program opens at the size its controls were laid out for, whenever the
// screen's available area holds it, and then needs no scrolling; on a smaller screen it fits
// the available area and scrolls only the way the screen is too small. ctest runs these tests
// on a 1920 x 1080 and a 1366 x 768 screen as well (tests/qt/screens/); the pictures
// windows_<screen>_<window>.png in test-screenshots/ show each window on each screen.
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "LoopbackServer.hpp"
#include "ProgramOnDesktop.hpp"
#include "charts/ResizeableGraphCode.hpp"
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

using platform::Control;

std::string ScreenName(const QScreen* screen) {
    return std::to_string(screen->size().width()) + "x" + std::to_string(screen->size().height());
}

// Where a control lies in its container's (or the client area's) pixels.
QRect Place(const Control& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

bool Shown(const Control& c) {
    for (const Control* at = &c; at; at = at->Parent() ? at->Parent()->AsControl() : nullptr) {
        if (!at->Visible()) return false;
    }
    return true;
}

class WindowSizes : public qttest::ProgramOnDesktop {
protected:
    void TearDown() override {
        ui::ResetMechCalcs();
        ui::ResetUnitConv();
        ui::ResetDragRaceWindow();
        ui::ResetGearingAutoSpacer();
        ui::ResetMakeLevelRide();
        for (platform::Form* f : platform::Desktop::Instance().LoadedForms()) {
            if (f != w) toClose.push_back(f);
        }
        for (platform::Form* f : toClose) f->Unload();
        ProgramOnDesktop::TearDown();
    }
    // The window of a form that has just been shown, once the event loop has settled it.
    qtfront::FormView& ViewOf(platform::Form& form) {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        qtfront::FormView* view = desktop->ViewFor(form);
        EXPECT_NE(view, nullptr) << form.ClassName();
        return *view;
    }
    void Shot(QWidget& window, const std::string& name) {
        const std::string path = qttest::ScreenshotPath("windows_" + ScreenName(window.screen()) +
                                                        "_" + name + ".png");
        EXPECT_TRUE(window.grab().save(QString::fromStdString(path))) << path;
    }
    std::vector<platform::Form*> toClose;
};

struct Window {
    const char* name;
    std::function<platform::Form&(ui::Main&)> open;
    QSize layout;  // the client size its controls are laid out in
    // Each container holds its controls (the main window's springs page and the options
    // window's graph page scroll theirs within a page).
    bool nested = true;
};

// Tool windows given an outer size hold it less the form's 20-pixel allowance for a title bar.
const std::vector<Window>& Windows() {
    static const std::vector<Window> all = {
        {"main", [](ui::Main& m) -> platform::Form& { return m; }, {1280, 800}, false},
        {"options", [](ui::Main&) -> platform::Form& { ui::ShowOptionsPanel(); return ui::OptionsPanelWindow(); }, {1020, 484}, false},
        {"graph", [](ui::Main&) -> platform::Form& { charts::OpenGraphWindow(); return *ui::ResizeableGraphWindows().Windows.Peek(0); }, {437, 282}},
        {"vehicle_data_reader", [](ui::Main&) -> platform::Form& { ui::ShowDataOutputReader(); return ui::DataOutputReaderWindow(); }, {813, 687}},
        {"setup_reader", [](ui::Main&) -> platform::Form& { ui::ShowLFSSetupReader(); return ui::LFSSetupReaderWindow(); }, {785, 601}},
        {"calculators", [](ui::Main&) -> platform::Form& { ui::ShowMechCalcs(); return *ui::PeekMechCalcs(); }, {655, 411}},
        {"unit_converter", [](ui::Main&) -> platform::Form& { ui::ShowUnitConv(); return *ui::PeekUnitConv(); }, {300, 194}},
        {"replay", [](ui::Main&) -> platform::Form& { ui::ShowDragRaceWindow(); return *ui::PeekDragRaceWindow(); }, {844, 432}},
        {"gear_spacer", [](ui::Main&) -> platform::Form& { ui::ShowGearingAutoSpacer(); return *ui::PeekGearingAutoSpacer(); }, {300, 170}},
        {"startup_list", [](ui::Main&) -> platform::Form& { ui::ShowAutoVehEditor(); return ui::AutoVehEditorWindow(); }, {392, 300}},
        {"torque_table", [](ui::Main&) -> platform::Form& { ui::ShowTorqueDataTable(); return *ui::OpenTorqueDataTable(); }, {333, 340}},
        {"level_ride", [](ui::Main&) -> platform::Form& { ui::ShowMakeLevelRide(); return *ui::PeekMakeLevelRide(); }, {300, 110}},
        {"about", [](ui::Main&) -> platform::Form& { ui::ShowAbout(); return ui::AboutWindow(); }, {420, 274}},
        {"language", [](ui::Main&) -> platform::Form& { ui::ShowLanguageSelection(); return ui::LanguageSelectionWindow(); }, {300, 150}},
        {"export_progress", [](ui::Main&) -> platform::Form& { ui::ExportProgressLinks().Show(); return ui::ExportProgressWindow(); }, {300, 44}},
    };
    return all;
}

TEST_F(WindowSizes, EveryWindowOpensAtItsLayoutAndScrollsOnlyWhereTheScreenIsSmaller) {
    for (const Window& entry : Windows()) {
        SCOPED_TRACE(entry.name);
        platform::Form& form = entry.open(*w);
        qtfront::FormView& view = ViewOf(form);
        Shot(view, entry.name);
        const QRect available = view.screen()->availableGeometry();
        const QRect frame = view.frameGeometry();
        EXPECT_TRUE(available.contains(frame)) << "within the screen";

        // The layout holds its controls, and each container its own (the rows of every page
        // of the reader, and the frames' borders, included).
        for (const auto& c : form.AllControls()) {
            if (!Shown(*c) || c->Kind() == platform::ControlKind::Timer) continue;
            const Control* in = c->Parent() ? c->Parent()->AsControl() : nullptr;
            if (in && !entry.nested) continue;
            const QRect room = in ? QRect(0, 0, in->Width(), in->Height()) : QRect(QPoint(), entry.layout);
            EXPECT_TRUE(room.contains(Place(*c))) << c->Name() << "(" << c->Index() << ")";
        }

        const QSize client = view.ClientArea()->size();
        EXPECT_EQ(QSize(form.ClientWidth(), form.ClientHeight()), client) << "told to the form";
        const QSize whole = entry.layout + QSize(0, view.ClientArea()->y()) + frame.size() - view.size();
        const bool across = view.HorizontalScrollBar()->isVisible();
        const bool down = view.VerticalScrollBar()->isVisible();
        if (available.width() >= whole.width() && available.height() >= whole.height()) {
            EXPECT_EQ(client, entry.layout);
            EXPECT_FALSE(across || down);
            // No button needs scrolling.
            for (const auto& c : form.AllControls()) {
                if (c->Kind() != platform::ControlKind::CommandButton || !Shown(*c)) continue;
                QWidget* button = view.WidgetFor(*c);
                const QRect at(button->mapTo(view.ClientArea(), QPoint(0, 0)), button->size());
                EXPECT_TRUE(view.ClientArea()->rect().contains(at)) << c->Name();
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

// The export runs from the main window's menu: its progress window opens centred on it.
TEST_F(WindowSizes, TheExportProgressOpensCentredOnTheMainWindow) {
    qtfront::FormView& main = ViewOf(*w);
    ui::ExportProgressLinks().Show();
    qtfront::FormView& progress = ViewOf(ui::ExportProgressWindow());
    const QPoint off = progress.frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(off.manhattanLength(), 12) << off.x() << ", " << off.y();
}

// Maximised, the main window fills the screen's available area. Window managers take the
// frame away from a maximised window, as the offscreen platform does from a full-screen one:
// the window stays where the window manager put it, and the form hears of it. Restored, it
// is back where it was.
TEST_F(WindowSizes, AMaximisedWindowFillsTheAvailableArea) {
    qtfront::FormView& view = ViewOf(*w);
    const QRect before = view.frameGeometry();
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
    EXPECT_EQ(view.frameGeometry(), before);
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
        ui::CheckForUpdate(false);
        poll.stop();
        ASSERT_FALSE(title.isEmpty()) << "a message was shown";
        QFont bold = QApplication::font();
        bold.setBold(true);
        EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 100) << title.toStdString();
    }
    ui::WebLinks().WebSite = savedSite;
}

}  // namespace
