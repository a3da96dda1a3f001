#include "qt/FormView.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <unordered_set>

#include "qt/MenuMirror.hpp"
#include "qt/QtLook.hpp"

namespace qtfront {

namespace {

Qt::WindowStates QtWindowState(platform::WindowState s) {
    switch (s) {
        case platform::WindowState::Minimized: return Qt::WindowMinimized;
        case platform::WindowState::Maximized: return Qt::WindowMaximized;
        case platform::WindowState::Normal: break;
    }
    return Qt::WindowNoState;
}

platform::WindowState FormWindowState(Qt::WindowStates s) {
    if (s & Qt::WindowMinimized) return platform::WindowState::Minimized;
    if (s & Qt::WindowMaximized) return platform::WindowState::Maximized;
    return platform::WindowState::Normal;
}

// The bars controls reaching `extent` need in `room`, the space the client area and its bars
// share.
ScrollNeed ScrollingIn(QSize room, QSize extent, QSize bars) {
    ScrollNeed need;
    need.across = extent.width() > room.width();
    need.down = extent.height() > room.height() - (need.across ? bars.height() : 0);
    need.across = extent.width() > room.width() - (need.down ? bars.width() : 0);
    need.shown = QSize(room.width() - (need.down ? bars.width() : 0),
                       room.height() - (need.across ? bars.height() : 0));
    need.extent = extent;
    return need;
}

// An open drop-down list or menu takes the Esc pressed while it is open: the window's Esc
// shortcut would otherwise come first and close the whole window. Filters the whole
// application, as the key goes to the list, not to a control of the window.
class PopupTakesEsc : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !QApplication::activePopupWidget())
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
        key->accept();  // no shortcut: the key goes on to the list, which closes
        return true;
    }
};

// What the windows share.
struct WindowsState {
    QPointer<FormView> lastActive;        // the program's window the person last worked in
    QPointer<PopupTakesEsc> popupEscape;  // on the application from the first window on
};

WindowsState& Windows() {
    static WindowsState state;
    return state;
}

void LetPopupsTakeEsc() {
    QPointer<PopupTakesEsc>& filter = Windows().popupEscape;
    if (filter || !qApp) return;
    filter = new PopupTakesEsc(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace

TestFrameState& TestFrame() {
    static TestFrameState state;
    return state;
}

void ForgetLastActiveWindow() { Windows().lastActive = nullptr; }

QWidget* DialogOwner() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    FormView* last = Windows().lastActive;
    return last && last->Attached() && last->isVisible() ? last : nullptr;
}

QSize InnerSizeWithin(QSize client, QSize extent, int menuHeight, QSize room, QSize bars) {
    ScrollNeed need;
    QSize inner;
    // A bar that one pass brings in may bring in the other bar on the next, where the room
    // has no space for it beside the client area.
    for (int pass = 0; pass < 3; ++pass) {
        inner = QSize(client.width() + (need.down ? bars.width() : 0),
                      client.height() + menuHeight + (need.across ? bars.height() : 0))
                    .boundedTo(room);
        need = ScrollingIn(inner - QSize(0, menuHeight), extent, bars);
    }
    return inner;
}

QRect FitWithin(QRect outer, const QRect& available) {
    outer.setSize(outer.size().boundedTo(available.size()));
    const int x = std::clamp(outer.x(), available.x(), available.x() + available.width() - outer.width());
    const int y = std::clamp(outer.y(), available.y(), available.y() + available.height() - outer.height());
    outer.moveTo(x, y);
    return outer;
}

using platform::Container;
using platform::Control;
using platform::Prop;

FormView::FormView(platform::Form& form, QWidget* owner)
    : QWidget(nullptr, owner ? Qt::Tool : Qt::Window), form_(&form), owner_(owner) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(client_, 0, 0);
    grid->addWidget(vScroll_, 0, 1);
    grid->addWidget(hScroll_, 1, 0);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid, 1);
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->hide();
        bar->setSingleStep(20);
        QObject::connect(bar, &QScrollBar::valueChanged, this,
                         [this] { ScrollTo({hScroll_->value(), vScroll_->value()}); });
    }
    client_->installEventFilter(this);
    LetPopupsTakeEsc();
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setContext(Qt::WindowShortcut);
    QObject::connect(escape_, &QShortcut::activated, this, [this] {
        if (!Attached()) return;
        UserEventScope scope;
        form_->UserEscape();
    });

    menus_ = std::make_unique<MenuMirror>(*menuBar_, [this] { return Attached(); });
    menus_->Sync(form);
    for (Control* child : form.Children()) Bind(*child, client_);
    Restack(form);
    form.SetObserver(this);
    SyncForm();
}

FormView::~FormView() { Detach(); }

void FormView::Detach() {
    if (!form_) return;
    if (form_->Observer() == this) form_->SetObserver(nullptr);
    // Detached first: hiding a widget that has the focus hands the focus on to another,
    // whose binding must not reach its control (the form may be half destroyed).
    form_ = nullptr;
    for (auto& [control, binding] : bindings_) {
        if (binding) binding->Dispose();
    }
    bindings_.clear();
    parentOf_.clear();
}

ControlBinding* FormView::BindingFor(const Control& control) const {
    auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : it->second.data();
}

QWidget* FormView::WidgetFor(const Control& control) const {
    ControlBinding* b = BindingFor(control);
    return b ? b->Widget() : nullptr;
}

QAction* FormView::ActionFor(const platform::MenuItem& item) const {
    return menus_->ActionFor(item);
}

QWidget* FormView::HostFor(Container& container) const {
    Control* c = container.AsControl();
    if (!c) return client_;
    ControlBinding* b = BindingFor(*c);
    return b ? b->ChildHost() : nullptr;
}

void FormView::Bind(Control& control, QWidget* host) {
    if (!host || BindingFor(control)) return;
    ControlBinding* binding = CreateBinding(*this, control, host);
    if (!binding) return;
    bindings_[&control] = binding;
    parentOf_[&control] = control.Parent() ? control.Parent()->AsControl() : nullptr;
    binding->SyncAll();
    // The window's menu shortcuts come first wherever the focus is (see eventFilter): on the
    // control's widget and on the widgets inside it (the edit line of a combo box).
    if (QWidget* w = binding->Widget()) {
        w->installEventFilter(this);
        for (QWidget* inner : w->findChildren<QWidget*>()) inner->installEventFilter(this);
    }
    if (auto* container = dynamic_cast<Container*>(&control)) {
        for (Control* child : container->Children()) Bind(*child, binding->ChildHost());
        Restack(*container);
    }
}

void FormView::Restack(Container& container) {
    for (Control* child : container.Children()) {
        if (QWidget* w = WidgetFor(*child)) w->raise();
    }
}

void FormView::Reconcile(Container& container) {
    QWidget* host = HostFor(container);
    const Control* self = container.AsControl();
    std::unordered_set<const Control*> present(container.Children().begin(),
                                               container.Children().end());
    // Controls of this container that left it, and everything inside them. Their objects
    // may be gone already: only the pointers are compared.
    std::unordered_set<const Control*> gone;
    for (const auto& [control, parent] : parentOf_) {
        if (parent == self && !present.count(control)) gone.insert(control);
    }
    for (bool grew = !gone.empty(); grew;) {
        grew = false;
        for (const auto& [control, parent] : parentOf_) {
            if (parent && gone.count(parent) && gone.insert(control).second) grew = true;
        }
    }
    for (const Control* c : gone) {
        if (auto it = bindings_.find(c); it != bindings_.end()) {
            if (it->second) it->second->Dispose();
            bindings_.erase(it);
        }
        parentOf_.erase(c);
    }
    for (Control* child : container.Children()) Bind(*child, host);
    Restack(container);
}

void FormView::ControlChanged(Control& control, Prop what) {
    if (!Attached()) return;
    if (what == Prop::Children) {
        if (auto* container = dynamic_cast<Container*>(&control)) Reconcile(*container);
        return;
    }
    if (what == Prop::ZOrder && control.Parent()) {
        Restack(*control.Parent());
        return;
    }
    if (ControlBinding* b = BindingFor(control)) {
        b->Sync(what);
    } else if (control.Parent()) {
        Reconcile(*control.Parent());  // a control created after the window was built
    }
    if ((what == Prop::Geometry || what == Prop::Visible) && control.Parent() == form_) {
        FitScrollBars();
    }
}

void FormView::FormChanged(platform::Form& form, Prop what) {
    if (!Attached() || &form != form_) return;
    if (what == Prop::Children) {
        Reconcile(form);  // the client area's own children changed
        FitScrollBars();
    } else if (what == Prop::ZOrder) {
        Restack(form);
    } else {
        SyncForm();
    }
}

void FormView::MenuChanged(platform::Form& form) {
    if (!Attached() || &form != form_) return;
    menus_->Sync(form);
    bool anyVisible = false;
    for (const auto& m : form.MenuBar()) anyVisible = anyVisible || m->Visible();
    menuBar_->setVisible(anyVisible);
}

QSize FormView::FrameExtra() const {
    // The window manager's frame, once the window has one; none before it is shown.
    if (!isVisible()) return {0, 0};
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    QSize extra(std::max(0, frame.width() - inner.width()),
                std::max(0, frame.height() - inner.height()));
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        extra += TestFrame().added;
    return extra;
}

void FormView::SyncForm() {
    if (!Attached()) return;
    syncingForm_ = true;
    const platform::Form& f = *form_;
    setWindowTitle(QString::fromStdString(f.Caption()));
    escape_->setEnabled(f.TakesEscape());  // otherwise Esc stays with the focused control
    QPalette pal = client_->palette();
    SetColors(pal, QPalette::Window, QPalette::WindowText, f.BackColor(),
              platform::SysColor::WindowText);
    client_->setPalette(pal);
    bool anyMenu = false;
    for (const auto& m : f.MenuBar()) anyMenu = anyMenu || m->Visible();
    menuBar_->setVisible(anyMenu);

    // Only a normal window takes the form's size and place; the window manager places a
    // minimised or maximised one (a maximised window fills the screen's available area).
    const Qt::WindowStates want = QtWindowState(f.WindowState());
    if ((windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != want) {
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | want);
    }
    const bool normal = f.WindowState() == platform::WindowState::Normal;

    // The window's frame lies outside the client area: the client area takes the form's
    // client size, and the frame, the menu bar and any scroll bars are added to it. A size or
    // place that the window reported itself is where the window is already, or is going (the
    // window manager may have moved it since): only one set from code, or a fit, is applied.
    const QSize client(f.ClientWidth(), f.ClientHeight());
    const QPoint corner(f.Left(), f.Top());
    const bool sized = fitting_ || client != syncedClient_;
    const bool moved = fitting_ || corner != syncedCorner_;
    const QSize extra = FrameExtra();
    if (fitting_) fittedFrame_ = extra;
    const QRect available = AvailableArea();
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (fitting_ && normal && available.isValid()) room = available.size() - extra;
    const int menuHeight = anyMenu ? MenuHeight(client.width()) : 0;
    // A form told of its whole room (see ReportSize) that sets another size meanwhile fits its
    // controls to that size too: they reach no further than its client area.
    QSize extent = ControlsExtent();
    if (fitsToldRoom_) extent = extent.boundedTo(client);
    const QSize inner = InnerSizeWithin(client, extent, menuHeight, room, ScrollBarBreadth());
    const QSize smallest(std::max(0, f.MinWidth() - extra.width()),
                         std::max(0, f.MinHeight() - extra.height()));
    if (f.Resizable()) {
        // A screen smaller than the form's smallest size lowers it: the window still fits.
        setMinimumSize(normal ? smallest.boundedTo(inner) : smallest);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (normal && sized && size() != inner) resize(inner);
    } else if (normal && sized && (minimumSize() != inner || maximumSize() != inner)) {
        setFixedSize(inner);
    }
    if (normal && moved) {
        QRect outer(corner, inner + extra);
        if (fitting_) {
            const QRect owner = OwnerGeometry();
            if (owner.isValid()) outer.moveCenter(owner.center());
            if (available.isValid()) outer = FitWithin(outer, available);
        }
        if (pos() != outer.topLeft()) move(outer.topLeft());
    }
    if (normal) {
        syncedClient_ = client;
        syncedCorner_ = corner;
    }
    syncingForm_ = false;
}

QRect FormView::OwnerGeometry() const {
    const platform::Form* owner = form_->CentredOn();
    if (!owner) return {};
    // Only a window that is still there (its form may have gone since).
    const auto& loaded = platform::Desktop::Instance().LoadedForms();
    if (std::find(loaded.begin(), loaded.end(), owner) == loaded.end()) return {};
    return {owner->Left(), owner->Top(), owner->Width(), owner->Height()};
}

QRect FormView::AvailableArea() const {
    const QScreen* screen = Attached() ? QGuiApplication::screenAt({form_->Left(), form_->Top()})
                                       : nullptr;
    if (!screen) screen = this->screen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize FormView::ControlsExtent() const {
    // The visible controls of the client area; their own children lie inside them.
    QSize extent(0, 0);
    for (const Control* c : form_->Children()) {
        if (c->Visible()) extent = extent.expandedTo({c->Left() + c->Width(), c->Top() + c->Height()});
    }
    return extent;
}

QSize FormView::ScrollBarBreadth() const {
    return {vScroll_->sizeHint().width(), hScroll_->sizeHint().height()};
}

int FormView::MenuHeight(int width) const {
    const int h = menuBar_->heightForWidth(width);
    return h > 0 ? h : menuBar_->sizeHint().height();
}

QSize FormView::ScrollRoom() const {
    // Taken from the window's own size, which a resize sets at once (the client area follows
    // only when the layout has run).
    QSize room = size();
    if (!menuBar_->isHidden()) room.rheight() -= MenuHeight(room.width());
    return room;
}

ScrollNeed FormView::NeedForScrolling() const {
    return ScrollingIn(ScrollRoom(), ControlsExtent(), ScrollBarBreadth());
}

void FormView::FitScrollBars() {
    if (!Attached()) return;
    // Showing or hiding a bar resizes the client area at once, and the form may fit its
    // controls to it (calling here again): the need is worked out again after that call, so
    // the inner call's answer is not overturned by the outer one's older need (a few times at
    // most).
    if (fittingBars_) {
        barsAgain_ = true;
        return;
    }
    fittingBars_ = true;
    barsAgain_ = true;
    for (int pass = 0; pass < 3 && barsAgain_ && Attached(); ++pass) {
        barsAgain_ = false;
        const ScrollNeed need = NeedForScrolling();
        hScroll_->setRange(0, need.across ? need.extent.width() - need.shown.width() : 0);
        hScroll_->setPageStep(std::max(1, need.shown.width()));
        vScroll_->setRange(0, need.down ? need.extent.height() - need.shown.height() : 0);
        vScroll_->setPageStep(std::max(1, need.shown.height()));
        hScroll_->setVisible(need.across);
        vScroll_->setVisible(need.down);
    }
    fittingBars_ = false;
}

void FormView::ScrollTo(QPoint position) {
    const QPoint delta = scrolled_ - position;
    if (delta.isNull()) return;
    scrolled_ = position;
    client_->scroll(delta.x(), delta.y());  // moves the controls' widgets with the pixels
}

void FormView::FitOnScreen() {
    fitting_ = true;
    if (isVisible() && !FrameExtra().isNull()) frameSeen_ = true;
    SyncForm();
    // Each report copies the window back from the form, which still holds part of what it
    // asked for until both are in: that copy fits too.
    ReportSize();
    ReportPosition();
    fitting_ = false;
}

void FormView::ShowWindow() {
    holdReports_ = true;
    shownOnce_ = true;
    FitOnScreen();  // at a size that fits before the window appears
    // An owned window is the owner's transient: the window manager keeps it above the owner.
    // It is no child widget of the owner's window, whose menu keys would then reach into it.
    if (owner_ && owner_->windowHandle()) {
        create();
        windowHandle()->setTransientParent(owner_->windowHandle());
    }
    show();
    FitOnScreen();
    holdReports_ = false;
    QTimer::singleShot(0, this, [this] { FitOnScreen(); });
}

void FormView::RefitForFrame() {
    if (!Attached() || !shownOnce_ || !isVisible() || syncingForm_ || frameSeen_) return;
    // Only the frame the window gets after it is first shown: a later change of frame comes
    // with a change the person made (a maximised window has none), whose new geometry the
    // form hears of only when the window reports it.
    const QSize extra = FrameExtra();
    if (extra.isNull()) return;
    frameSeen_ = true;
    if (extra != fittedFrame_) FitOnScreen();
}

void FormView::ReportPosition() {
    if (!Attached() || syncingForm_ || holdReports_ || !isVisible()) return;
    const QPoint at = pos();  // the outer (frame) corner, as move() takes it
    if (at.x() == form_->Left() && at.y() == form_->Top()) return;
    syncedCorner_ = at;
    UserEventScope scope;
    form_->UserMove(at.x(), at.y());
}

void FormView::ReportSize() {
    if (!Attached() || syncingForm_ || holdReports_ || !isVisible()) return;
    // A form whose Resize handler fits its controls to the part it was told of, and whose
    // controls fit that part now, will fit them to the new part too: it is told of the whole
    // room. Bars worked out from its controls as they stand would tell a window made smaller
    // of the part beside bars its fitted controls no longer need, and it would lay out and
    // draw twice. Where the need changes after a report after all (the controls reach out of
    // the room, or a bar is no longer needed), the form hears of the part that shows at once.
    const QSize told(form_->ClientWidth(), form_->ClientHeight());
    const QSize extent = ControlsExtent();
    const bool fitsItsControls = form_->Resize && extent.boundedTo(told) == extent;
    for (int pass = 0; pass < 3 && Attached() && isVisible(); ++pass) {
        const QSize outer = size() + FrameExtra();
        const int w = outer.width(), h = outer.height();
        const QSize shown = pass == 0 && fitsItsControls ? ScrollRoom() : NeedForScrolling().shown;
        const platform::Form& f = *form_;
        if (w == f.Width() && h == f.Height() && shown.width() == f.ClientWidth() &&
            shown.height() == f.ClientHeight()) {
            return;
        }
        syncedClient_ = shown;
        {
            fitsToldRoom_ = pass == 0 && fitsItsControls;
            UserEventScope scope;
            form_->UserResize(w, h, shown.width(), shown.height());
            fitsToldRoom_ = false;
        }
        if (!Attached() || NeedForScrolling().shown == shown) return;
    }
}

void FormView::closeEvent(QCloseEvent* event) {
    // The form decides: its Unload handler may cancel. When it unloads, the desktop hides
    // and disposes of this window.
    event->ignore();
    if (!Attached()) {
        hide();
        return;
    }
    UserEventScope scope;
    form_->UserClose();
}

void FormView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Windows().lastActive = this;
    if (event->type() != QEvent::WindowStateChange || !Attached() || syncingForm_) return;
    const platform::WindowState now = FormWindowState(windowState());
    if (now == form_->WindowState()) return;
    UserEventScope scope;
    form_->UserWindowState(now);
}

void FormView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    ReportPosition();
    RefitForFrame();  // a frame put round the window moves it
}

bool FormView::MenuTakes(const QKeySequence& key) const {
    if (key.isEmpty()) return false;
    for (const QAction* action : menuBar_->findChildren<QAction*>()) {
        if (action->shortcut() == key && action->isEnabled() && action->isVisible()) return true;
    }
    return false;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    // A text box claims keys that are also menu shortcuts (Ctrl+A selects its text, Ctrl+U
    // erases it): the window's menu entry goes first, as its caption promises.
    if (event->type() == QEvent::ShortcutOverride &&
        MenuTakes(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
        event->ignore();
        return true;
    }
    if (watched == client_ && event->type() == QEvent::Resize) {
        ReportSize();
        FitScrollBars();
    }
    // The wheel over a place where no control takes it scrolls the client area.
    if (watched == client_ && event->type() == QEvent::Wheel) {
        QScrollBar* bar = !vScroll_->isHidden() ? vScroll_ : !hScroll_->isHidden() ? hScroll_ : nullptr;
        if (bar) {
            QCoreApplication::sendEvent(bar, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qtfront
