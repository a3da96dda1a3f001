#include "qt/ControlBinding.hpp"

#include <QMouseEvent>
#include <QSignalBlocker>

#include "qt/BindingKinds.hpp"
#include "qt/FormView.hpp"
#include "qt/QtLook.hpp"

namespace qtfront {

using platform::ControlKind;
using platform::Prop;

ControlBinding::ControlBinding(FormView& view, platform::Control& control, QWidget* widget)
    : QObject(widget ? static_cast<QObject*>(widget) : view.ClientArea()),
      view_(view),
      control_(&control),
      widget_(widget) {}

ControlBinding::~ControlBinding() = default;

bool ControlBinding::Live() const { return !disposed_ && view_.Attached(); }

void ControlBinding::Dispose() {
    if (disposed_) return;
    disposed_ = true;
    Disposed();
    if (widget_) {
        widget_->hide();
        widget_->deleteLater();  // takes this binding along
    } else {
        deleteLater();
    }
}

void ControlBinding::SyncAll() {
    for (Prop p : {Prop::Geometry, Prop::Visible, Prop::Enabled, Prop::Colors, Prop::Font,
                   Prop::ToolTip, Prop::Style, Prop::Range, Prop::Items, Prop::Tabs, Prop::Text,
                   Prop::Value, Prop::Selection, Prop::Picture, Prop::Surface}) {
        Sync(p);
    }
}

void ControlBinding::Sync(Prop what) {
    if (!Live()) return;
    if (!widget_) {
        SyncKind(what);
        return;
    }
    const QSignalBlocker block(widget_.data());
    const platform::Control& c = *control_;
    switch (what) {
        case Prop::Geometry: ApplyGeometry(); break;
        case Prop::Visible: widget_->setVisible(c.Visible()); break;
        case Prop::Enabled: widget_->setEnabled(c.Enabled()); break;
        case Prop::Colors: ApplyColors(); break;
        case Prop::Font: ApplyFont(); break;
        case Prop::ToolTip: widget_->setToolTip(QString::fromStdString(c.ToolTipText())); break;
        default: break;
    }
    SyncKind(what);
}

void ControlBinding::ApplyGeometry() {
    // The client area's own controls move with its scrolling.
    QPoint offset = -view_.ScrollPosition();
    if (platform::Container* parent = control_->Parent()) {
        if (platform::Control* pc = parent->AsControl()) {
            offset = {};
            if (ControlBinding* pb = view_.BindingFor(*pc)) offset = pb->ChildOffset();
        }
    }
    widget_->setGeometry(control_->Left() + offset.x(), control_->Top() + offset.y(),
                         std::max(0, control_->Width()), std::max(0, control_->Height()));
}

void ControlBinding::ApplyColors() {
    QPalette pal = widget_->palette();
    SetColors(pal, QPalette::Window, QPalette::WindowText, control_->BackColor(),
              control_->ForeColor());
    widget_->setPalette(pal);
}

void ControlBinding::ApplyFont() { widget_->setFont(ToQFont(control_->Font())); }

ControlBinding* CreateBinding(FormView& view, platform::Control& control, QWidget* parent) {
    using namespace platform;
    switch (control.Kind()) {
        case ControlKind::Label: return BindLabel(view, static_cast<Label&>(control), parent);
        case ControlKind::TextBox:
            return BindTextBox(view, static_cast<TextBox&>(control), parent);
        case ControlKind::ComboBox:
            return BindComboBox(view, static_cast<ComboBox&>(control), parent);
        case ControlKind::CheckBox:
            return BindCheckBox(view, static_cast<CheckBox&>(control), parent);
        case ControlKind::OptionButton:
            return BindOptionButton(view, static_cast<OptionButton&>(control), parent);
        case ControlKind::CommandButton:
            return BindCommandButton(view, static_cast<CommandButton&>(control), parent);
        case ControlKind::Slider: return BindSlider(view, static_cast<Slider&>(control), parent);
        case ControlKind::ScrollBar:
            return BindScrollBar(view, static_cast<ScrollBar&>(control), parent);
        case ControlKind::Frame: return BindFrame(view, static_cast<Frame&>(control), parent);
        case ControlKind::PictureBox:
            return BindPictureBox(view, static_cast<PictureBox&>(control), parent);
        case ControlKind::Image: return BindImage(view, static_cast<Image&>(control), parent);
        case ControlKind::TabStrip:
            return BindTabStrip(view, static_cast<TabStrip&>(control), parent);
        case ControlKind::ProgressBar:
            return BindProgressBar(view, static_cast<ProgressBar&>(control), parent);
        case ControlKind::ListView:
            return BindListView(view, static_cast<ListView&>(control), parent);
        case ControlKind::Timer: return BindTimer(view, static_cast<Timer&>(control), parent);
    }
    return nullptr;
}

QString CaptionText(const std::string& caption) {
    QString s = QString::fromStdString(caption);
    s.replace("\r\n", "\n");
    return s;
}

QString PlainText(const std::string& caption) {
    QString s = QString::fromStdString(platform::StripMnemonic(caption));
    s.replace("\r\n", "\n");
    return s;
}

ClickRelay::ClickRelay(QWidget& widget, std::function<void()> click,
                       std::function<void()> dblClick)
    : QObject(&widget), click_(std::move(click)), dblClick_(std::move(dblClick)) {
    widget.installEventFilter(this);
}

bool ClickRelay::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            afterDouble_ = true;
            if (dblClick_) dblClick_();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            const bool skip = afterDouble_;
            afterDouble_ = false;
            if (!skip && w->rect().contains(me->position().toPoint()) && click_) click_();
            return true;
        }
    }
    return false;
}

WheelNeedsFocus::WheelNeedsFocus(QWidget& widget) : QObject(&widget) {
    widget.setFocusPolicy(Qt::StrongFocus);  // the wheel alone gives no focus
    widget.installEventFilter(this);
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || event->type() != QEvent::Wheel || w->hasFocus()) return false;
    event->ignore();  // passed on to the parent widgets
    return true;
}

}  // namespace qtfront
