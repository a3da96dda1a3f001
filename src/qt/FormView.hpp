// The Qt window of one platform::Form: a menu bar, and below it the client area holding one
// widget per control at the model's geometry. It observes the form and keeps the widgets in
// step; the person's actions go to the model through the bindings.
//
// The client area has the form's client size, the size its controls were laid out for; the
// window manager's frame and the menu bar lie outside it. A window being shown fits the
// screen's available area: only where the screen is smaller than the window does the client
// area shrink, and then scroll bars at its right and bottom edges (and the mouse wheel) move
// the controls, so every one of them can be reached; the form's client size is the part that
// shows.
#pragma once

#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <unordered_map>

#include "platform/Form.hpp"
#include "qt/ControlBinding.hpp"

namespace qtfront {

class MenuMirror;

// A frame that tests put round every window: the offscreen platform gives windows none, so a
// layout that takes a window's outer size for its client area would pass there. The frame
// set here (pixels across and down, none by default) is added to the outer size of every
// normal window on view, as a window manager's frame is.
struct TestFrameState {
    QSize added{0, 0};
};
TestFrameState& TestFrame();

// The window a dialog (a message box, a file dialog) belongs to and opens centred on: the
// active window, or else the program's window the person last worked in. No window is
// active for a moment after a dialog closes, until the window manager hands the focus back.
QWidget* DialogOwner();
// No window counts as the one last worked in (the program's state reset). The filter that lets
// an open list take Esc stays on the application, as the look does.
void ForgetLastActiveWindow();

// A window's outer geometry moved and, where it must be, shrunk so that it lies wholly within
// an available area of the screen (the screen less its panels).
QRect FitWithin(QRect outer, const QRect& available);

// The inner size of a window (client area, scroll bars and menu bar, without the frame) whose
// client area asks for `client` below a menu bar `menuHeight` high, its controls reaching
// `extent`, within `room`. Where the room is smaller the client area shrinks; a scroll bar
// (`bars`: the vertical bar's width, the horizontal bar's height) that the controls then need
// is added beside the client area while the room has space for it, so a layout that fits one
// way does not scroll that way too.
QSize InnerSizeWithin(QSize client, QSize extent, int menuHeight, QSize room, QSize bars);

// The scroll bars a window's controls need, and the part of its client area that then shows.
struct ScrollNeed {
    bool down = false;    // the vertical bar
    bool across = false;  // the horizontal bar
    QSize shown;          // the client area less the bars
    QSize extent;         // how far the controls reach
};

class FormView : public QWidget, public platform::FormObserver {
    Q_OBJECT
public:
    // A form with an owner gets the owner's window as `owner`: it is then a tool window kept
    // above that window (from when it is shown).
    explicit FormView(platform::Form& form, QWidget* owner = nullptr);
    ~FormView() override;

    // The form; only while Attached().
    platform::Form& Model() const { return *form_; }
    bool Attached() const { return form_ != nullptr; }
    // Stops observing the form and disposes the bindings: afterwards nothing touches the
    // model (it may be destroyed).
    void Detach();

    QWidget* ClientArea() const { return client_; }
    // How far the controls are scrolled, pixels right and down; (0,0) when the client area
    // shows them from their top-left corner.
    QPoint ScrollPosition() const { return scrolled_; }
    QScrollBar* HorizontalScrollBar() const { return hScroll_; }
    QScrollBar* VerticalScrollBar() const { return vScroll_; }
    QMenuBar* MenuBarWidget() const { return menuBar_; }
    ControlBinding* BindingFor(const platform::Control& control) const;
    QWidget* WidgetFor(const platform::Control& control) const;
    QAction* ActionFor(const platform::MenuItem& item) const;
    // Whether an entry of the window's menus that can be chosen now has this shortcut.
    bool MenuTakes(const QKeySequence& key) const;

    // Copies the form's caption, geometry, limits and colours to the window.
    void SyncForm();
    // Reports the window's size to the form when it differs from what the form holds.
    void ReportSize();
    // Reports the window's position to the form when it differs from what the form holds.
    void ReportPosition();
    // Shows the window at the form's client size, fitted to the screen (again once the frame
    // is known, which is only after the window is shown), and reports the resulting sizes
    // when the event loop is back. A minimised or maximised window keeps its place.
    void ShowWindow();

    void ControlChanged(platform::Control& control, platform::Prop what) override;
    void FormChanged(platform::Form& form, platform::Prop what) override;
    void MenuChanged(platform::Form& form) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* HostFor(platform::Container& container) const;
    void Reconcile(platform::Container& container);
    void Restack(platform::Container& container);
    void Bind(platform::Control& control, QWidget* host);
    QSize FrameExtra() const;
    // The outer geometry of the window the form opens centred on (invalid when none).
    QRect OwnerGeometry() const;
    // The available area of the screen the form is on (invalid without a screen).
    QRect AvailableArea() const;
    // How far the visible controls of the client area reach, pixels right and down.
    QSize ControlsExtent() const;
    QSize ScrollBarBreadth() const;  // the vertical bar's width, the horizontal bar's height
    int MenuHeight(int width) const;  // of the menu bar, at a window's width
    // Copies the form's geometry to the window as SyncForm does, fitting it to the screen, and
    // reports the result to the form. Only a window being shown is fitted: a person may move
    // or size it past the edges later.
    void FitOnScreen();
    // The room the client area and the bars share: the window less its menu bar.
    QSize ScrollRoom() const;
    // The bars the controls need in the window at its present size.
    ScrollNeed NeedForScrolling() const;
    // Shows a scroll bar where the controls reach beyond the client area, and sets its range.
    void FitScrollBars();
    void ScrollTo(QPoint position);
    // Fits the window to the screen again once the window manager's frame has come or
    // changed (it is known only some time after the window is first shown).
    void RefitForFrame();

    platform::Form* form_;
    QPointer<QWidget> owner_;  // the window of the form's owner
    QMenuBar* menuBar_;
    QWidget* client_;
    QScrollBar* hScroll_;
    QScrollBar* vScroll_;
    QShortcut* escape_;  // Esc anywhere in the window, for a form that takes it
    QPoint scrolled_;
    bool fitting_ = false;  // SyncForm keeps the window within the screen's available area
    bool fittingBars_ = false;  // inside FitScrollBars
    bool barsAgain_ = false;    // FitScrollBars was asked again meanwhile
    bool shownOnce_ = false;
    QSize fittedFrame_;  // the window manager's frame the last fit allowed for
    bool frameSeen_ = false;  // a fit has allowed for the frame the window got once shown
    // The form's client size and outer corner as last copied to the window or reported by it.
    QSize syncedClient_;
    QPoint syncedCorner_;
    std::unique_ptr<MenuMirror> menus_;
    std::unordered_map<const platform::Control*, QPointer<ControlBinding>> bindings_;
    // Each bound control's containing control (null: the client area), compared as pointers
    // only, so controls that left the form can be found after they are gone.
    std::unordered_map<const platform::Control*, const platform::Control*> parentOf_;
    bool syncingForm_ = false;
    bool holdReports_ = false;  // while the window is being shown
    bool fitsToldRoom_ = false;  // while a form that fits its controls hears of its whole room
};

}  // namespace qtfront
