// Labels, buttons, check boxes, option buttons, frames, progress bars and timers.
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "qt/BindingKinds.hpp"
#include "qt/FormView.hpp"
#include "qt/QtLook.hpp"

namespace qtfront {

using platform::Prop;

namespace {

Qt::Alignment ToQt(platform::Align a) {
    switch (a) {
        case platform::Align::Right: return Qt::AlignRight;
        case platform::Align::Center: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

class LabelBinding : public ControlBinding {
public:
    LabelBinding(FormView& view, platform::Label& c, QLabel* w)
        : ControlBinding(view, c, w), label_(c), w_(w) {
        w->setTextFormat(Qt::PlainText);
        new ClickRelay(*w, [this] { User([this] { label_.UserClick(); }); },
                       [this] { User([this] { label_.UserDblClick(); }); });
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Text) w_->setText(PlainText(label_.Caption()));
        if (what == Prop::Style || what == Prop::Text) {
            w_->setAlignment(ToQt(label_.Alignment()) | Qt::AlignTop);
            w_->setWordWrap(label_.WordWrap());
            w_->setFrameStyle(label_.Border() ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
            ApplyColors();
        }
    }
    void ApplyColors() override {
        ControlBinding::ApplyColors();
        w_->setAutoFillBackground(!label_.Transparent());
    }

private:
    platform::Label& label_;
    QLabel* w_;
};

class CommandButtonBinding : public ControlBinding {
public:
    CommandButtonBinding(FormView& view, platform::CommandButton& c, QPushButton* w)
        : ControlBinding(view, c, w), button_(c), w_(w) {
        w->setAutoDefault(false);
        QObject::connect(w, &QPushButton::clicked, this,
                         [this] { User([this] { button_.UserClick(); }); });
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Text) w_->setText(CaptionText(button_.Caption()));
    }
    void ApplyColors() override {
        QPalette pal = w_->palette();
        SetColors(pal, QPalette::Button, QPalette::ButtonText, button_.BackColor(),
                  button_.ForeColor());
        w_->setPalette(pal);
    }

private:
    platform::CommandButton& button_;
    QPushButton* w_;
};

class CheckBoxBinding : public ControlBinding {
public:
    CheckBoxBinding(FormView& view, platform::CheckBox& c, QCheckBox* w)
        : ControlBinding(view, c, w), check_(c), w_(w) {
        w->setTristate(true);
        // Qt has already turned the box over when clicked; the model's value replaces it.
        QObject::connect(w, &QCheckBox::clicked, this,
                         [this] { User([this] { check_.UserClick(); }); });
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Text) w_->setText(CaptionText(check_.Caption()));
        if (what == Prop::Value) {
            const int v = check_.Value();
            w_->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        }
    }
    void ApplyColors() override {
        ControlBinding::ApplyColors();
        w_->setAutoFillBackground(true);
    }

private:
    platform::CheckBox& check_;
    QCheckBox* w_;
};

// The model groups option buttons by container; Qt's own exclusivity stays off.
class OptionButtonBinding : public ControlBinding {
public:
    OptionButtonBinding(FormView& view, platform::OptionButton& c, QRadioButton* w)
        : ControlBinding(view, c, w), option_(c), w_(w) {
        w->setAutoExclusive(false);
        QObject::connect(w, &QRadioButton::clicked, this,
                         [this] { User([this] { option_.UserClick(); }); });
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Text) w_->setText(CaptionText(option_.Caption()));
        if (what == Prop::Value) w_->setChecked(option_.Value());
    }
    void ApplyColors() override {
        ControlBinding::ApplyColors();
        w_->setAutoFillBackground(true);
    }

private:
    platform::OptionButton& option_;
    QRadioButton* w_;
};

// A frame: an etched rectangle with the caption set into its top edge. Children are placed
// relative to the frame's outer top-left corner.
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }
    QString caption;
    bool border = true;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!border) return;
        QPainter p(this);
        const QFontMetrics fm(font());
        const int top = caption.isEmpty() ? 0 : fm.height() / 2;
        const QRect r = rect().adjusted(0, top, -1, -1);
        const QColor dark = palette().color(QPalette::Mid);
        const QColor light = palette().color(QPalette::Light);
        p.setPen(dark);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(light);
        p.drawRect(r.adjusted(1, 1, 0, 0));
        if (!caption.isEmpty()) {
            const int x = 7;
            const int width = fm.horizontalAdvance(caption) + 4;
            p.fillRect(QRect(x, 0, width, fm.height()), palette().color(QPalette::Window));
            p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::WindowText));
            p.drawText(QRect(x + 2, 0, width, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       caption);
        }
    }
};

class FrameBinding : public ControlBinding {
public:
    FrameBinding(FormView& view, platform::Frame& c, FrameWidget* w)
        : ControlBinding(view, c, w), frame_(c), w_(w) {}
    QWidget* ChildHost() override { return w_; }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Text || what == Prop::Style) {
            w_->caption = PlainText(frame_.Caption());
            w_->border = frame_.Border();
            w_->update();
        }
    }

private:
    platform::Frame& frame_;
    FrameWidget* w_;
};

class ProgressBarBinding : public ControlBinding {
public:
    ProgressBarBinding(FormView& view, platform::ProgressBar& c, QProgressBar* w)
        : ControlBinding(view, c, w), bar_(c), w_(w) {
        w->setTextVisible(false);
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Range || what == Prop::Value) {
            w_->setRange(bar_.Min(), std::max(bar_.Min(), bar_.Max()));
            w_->setValue(bar_.Value());
        }
    }

private:
    platform::ProgressBar& bar_;
    QProgressBar* w_;
};

// A timer has no widget: a QTimer raises the model's Tick every interval while enabled.
// Changing the interval or switching it on starts the count afresh.
class TimerBinding : public ControlBinding {
public:
    TimerBinding(FormView& view, platform::Timer& c)
        : ControlBinding(view, c, nullptr), timer_(c), clock_(this) {
        QObject::connect(&clock_, &QTimer::timeout, this, [this] {
            if (!Live()) return;
            UserEventScope scope;
            timer_.Tick();
        });
    }

protected:
    void SyncKind(Prop what) override {
        if (what != Prop::Enabled && what != Prop::Value && what != Prop::Range) return;
        const bool run = timer_.TimerEnabled() && timer_.Interval() > 0;
        if (!run) {
            clock_.stop();
        } else if (!clock_.isActive() || clock_.interval() != timer_.Interval() ||
                   what == Prop::Enabled) {
            clock_.start(timer_.Interval());
        }
    }

private:
    platform::Timer& timer_;
    QTimer clock_;
};

}  // namespace

ControlBinding* BindLabel(FormView& view, platform::Label& c, QWidget* parent) {
    return new LabelBinding(view, c, new QLabel(parent));
}
ControlBinding* BindCommandButton(FormView& view, platform::CommandButton& c, QWidget* parent) {
    return new CommandButtonBinding(view, c, new QPushButton(parent));
}
ControlBinding* BindCheckBox(FormView& view, platform::CheckBox& c, QWidget* parent) {
    return new CheckBoxBinding(view, c, new QCheckBox(parent));
}
ControlBinding* BindOptionButton(FormView& view, platform::OptionButton& c, QWidget* parent) {
    return new OptionButtonBinding(view, c, new QRadioButton(parent));
}
ControlBinding* BindFrame(FormView& view, platform::Frame& c, QWidget* parent) {
    return new FrameBinding(view, c, new FrameWidget(parent));
}
ControlBinding* BindProgressBar(FormView& view, platform::ProgressBar& c, QWidget* parent) {
    return new ProgressBarBinding(view, c, new QProgressBar(parent));
}
ControlBinding* BindTimer(FormView& view, platform::Timer& c, QWidget*) {
    return new TimerBinding(view, c);
}

}  // namespace qtfront
