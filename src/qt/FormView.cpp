#include "qt/FormView.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
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

}  // namespace

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

FormView::FormView(platform::Form& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(&form) {
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
    return {std::max(0, frame.width() - inner.width()),
            std::max(0, frame.height() - inner.height())};
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

    // Only a normal window takes the form's size; a minimised or maximised one keeps the size
    // the window manager gave it.
    const Qt::WindowStates want = QtWindowState(f.WindowState());
    if ((windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != want) {
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | want);
    }
    const bool normal = f.WindowState() == platform::WindowState::Normal;

    const QSize extra = FrameExtra();
    if (fitting_) fittedFrame_ = extra;
    const QRect outer = normal ? OnScreen(QRect(f.Left(), f.Top(), f.Width(), f.Height()))
                               : QRect(f.Left(), f.Top(), f.Width(), f.Height());
    const QSize content(std::max(1, outer.width() - extra.width()),
                        std::max(1, outer.height() - extra.height()));
    if (f.Resizable()) {
        // A screen smaller than the form's smallest size lowers it: the window still fits.
        setMinimumSize(std::min(std::max(0, f.MinWidth() - extra.width()), content.width()),
                       std::min(std::max(0, f.MinHeight() - extra.height()), content.height()));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (normal && size() != content) resize(content);
    } else if (minimumSize() != content || maximumSize() != content) {
        setFixedSize(content);
    }
    if (pos() != outer.topLeft()) move(outer.topLeft());
    syncingForm_ = false;
}

QRect FormView::OnScreen(QRect outer) const {
    if (!fitting_) return outer;
    const QScreen* screen = QGuiApplication::screenAt(outer.topLeft());
    if (!screen) screen = this->screen();
    if (!screen) return outer;
    return FitWithin(outer, screen->availableGeometry());
}

void FormView::FitScrollBars() {
    if (!Attached()) return;
    // How far the visible controls of the client area reach (their own children lie inside).
    QSize extent(0, 0);
    for (const Control* c : form_->Children()) {
        if (c->Visible()) extent = extent.expandedTo({c->Left() + c->Width(), c->Top() + c->Height()});
    }
    const int barWidth = vScroll_->sizeHint().width();
    const int barHeight = hScroll_->sizeHint().height();
    // The room the client area and the bars share; a bar that shows takes its strip of it.
    const int roomWidth = client_->width() + (vScroll_->isHidden() ? 0 : barWidth);
    const int roomHeight = client_->height() + (hScroll_->isHidden() ? 0 : barHeight);
    bool across = extent.width() > roomWidth;
    const bool down = extent.height() > roomHeight - (across ? barHeight : 0);
    across = extent.width() > roomWidth - (down ? barWidth : 0);
    const QSize shown(roomWidth - (down ? barWidth : 0), roomHeight - (across ? barHeight : 0));
    hScroll_->setRange(0, across ? extent.width() - shown.width() : 0);
    hScroll_->setPageStep(std::max(1, shown.width()));
    vScroll_->setRange(0, down ? extent.height() - shown.height() : 0);
    vScroll_->setPageStep(std::max(1, shown.height()));
    hScroll_->setVisible(across);
    vScroll_->setVisible(down);
}

void FormView::ScrollTo(QPoint position) {
    const QPoint delta = scrolled_ - position;
    if (delta.isNull()) return;
    scrolled_ = position;
    client_->scroll(delta.x(), delta.y());  // moves the controls' widgets with the pixels
}

void FormView::FitOnScreen() {
    fitting_ = true;
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
    show();
    FitOnScreen();
    holdReports_ = false;
    QTimer::singleShot(0, this, [this] { FitOnScreen(); });
}

void FormView::RefitForFrame() {
    if (!Attached() || !shownOnce_ || !isVisible() || syncingForm_) return;
    if (FrameExtra() != fittedFrame_) FitOnScreen();
}

void FormView::ReportPosition() {
    if (!Attached() || syncingForm_ || holdReports_ || !isVisible()) return;
    const QPoint at = pos();  // the outer (frame) corner, as move() takes it
    if (at.x() == form_->Left() && at.y() == form_->Top()) return;
    UserEventScope scope;
    form_->UserMove(at.x(), at.y());
}

void FormView::ReportSize() {
    if (!Attached() || syncingForm_ || holdReports_ || !isVisible()) return;
    const QRect frame = frameGeometry();
    const int w = frame.width(), h = frame.height();
    const int cw = client_->width(), ch = client_->height();
    const platform::Form& f = *form_;
    if (w == f.Width() && h == f.Height() && cw == f.ClientWidth() && ch == f.ClientHeight()) {
        return;
    }
    UserEventScope scope;
    form_->UserResize(w, h, cw, ch);
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
    if (event->type() != QEvent::WindowStateChange || !Attached() || syncingForm_) return;
    const platform::WindowState now = FormWindowState(windowState());
    if (now == form_->WindowState()) return;
    UserEventScope scope;
    form_->UserWindowState(now);
}

void FormView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    RefitForFrame();  // a frame put round the window moves it
    ReportPosition();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
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
