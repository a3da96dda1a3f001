// Sliders and scroll bars. Dragging the thumb reports each position (Scroll) and the release
// (Change); a click on the track, an arrow key or the wheel is a step the model takes as a
// click at the new value. The widget then shows the model's value, which a handler may have
// changed.
#include <QScrollBar>
#include <QSlider>

#include "qt/BindingKinds.hpp"
#include "qt/FormView.hpp"

namespace qtfront {

using platform::Prop;

namespace {

Qt::Orientation ToQt(platform::Orientation o) {
    return o == platform::Orientation::Vertical ? Qt::Vertical : Qt::Horizontal;
}

class SliderBinding : public ControlBinding {
public:
    SliderBinding(FormView& view, platform::Slider& c, QSlider* w)
        : ControlBinding(view, c, w), slider_(c), w_(w) {
        w->setTracking(true);
        new WheelNeedsFocus(*w);
        QObject::connect(w, &QSlider::sliderMoved, this,
                         [this](int v) { User([this, v] { slider_.UserDrag(v); }); });
        QObject::connect(w, &QSlider::sliderReleased, this,
                         [this] { User([this] { slider_.UserRelease(); }); });
        QObject::connect(w, &QSlider::actionTriggered, this, [this](int action) {
            if (action == QAbstractSlider::SliderNoAction) return;
            if (action == QAbstractSlider::SliderMove && w_->isSliderDown()) return;  // a drag
            const int v = w_->sliderPosition();
            // Sets the widget's pending position to the model's value, so Qt applies that.
            User([this, v] { slider_.UserClickAt(v); });
        });
    }

protected:
    // A slider's back colour fills its area (the editor marks a refused shape slider red); in
    // its own colour it looks as before, the colour of the frame it sits on.
    void ApplyColors() override {
        ControlBinding::ApplyColors();
        w_->setAutoFillBackground(slider_.BackColor() != platform::SysColor::ButtonFace);
    }

    void SyncKind(Prop what) override {
        if (what == Prop::Style) {
            w_->setOrientation(ToQt(slider_.GetOrientation()));
            // The minimum is at the top of a vertical slider.
            w_->setInvertedAppearance(slider_.GetOrientation() == platform::Orientation::Vertical);
            w_->setTickPosition(QSlider::TicksBelow);
        }
        if (what == Prop::Range || what == Prop::Style) {
            w_->setRange(slider_.Min(), std::max(slider_.Min(), slider_.Max()));
            w_->setSingleStep(slider_.SmallChange());
            w_->setPageStep(slider_.LargeChange());
            w_->setTickInterval(std::max(0, slider_.TickFrequency()));
        }
        if (what == Prop::Range || what == Prop::Value) {
            w_->setValue(slider_.Value());
            w_->setSliderPosition(slider_.Value());
        }
    }

private:
    platform::Slider& slider_;
    QSlider* w_;
};

class ScrollBarBinding : public ControlBinding {
public:
    ScrollBarBinding(FormView& view, platform::ScrollBar& c, QScrollBar* w)
        : ControlBinding(view, c, w), bar_(c), w_(w) {
        w->setTracking(true);
        QObject::connect(w, &QScrollBar::sliderMoved, this,
                         [this](int v) { User([this, v] { bar_.UserDrag(v); }); });
        QObject::connect(w, &QScrollBar::sliderReleased, this,
                         [this] { User([this] { bar_.UserRelease(); }); });
        QObject::connect(w, &QScrollBar::actionTriggered, this, [this](int action) {
            if (action == QAbstractSlider::SliderNoAction) return;
            if (action == QAbstractSlider::SliderMove && w_->isSliderDown()) return;
            const int delta = w_->sliderPosition() - bar_.Value();
            if (delta == 0) return;
            User([this, delta] { bar_.UserStep(delta); });
        });
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Range || what == Prop::Style) {
            w_->setOrientation(ToQt(bar_.GetOrientation()));
            w_->setRange(bar_.Min(), std::max(bar_.Min(), bar_.Max()));
            w_->setSingleStep(bar_.SmallChange());
            w_->setPageStep(bar_.LargeChange());
        }
        if (what == Prop::Range || what == Prop::Value) {
            w_->setValue(bar_.Value());
            w_->setSliderPosition(bar_.Value());
        }
    }

private:
    platform::ScrollBar& bar_;
    QScrollBar* w_;
};

}  // namespace

ControlBinding* BindSlider(FormView& view, platform::Slider& c, QWidget* parent) {
    return new SliderBinding(view, c, new QSlider(parent));
}
ControlBinding* BindScrollBar(FormView& view, platform::ScrollBar& c, QWidget* parent) {
    return new ScrollBarBinding(view, c, new QScrollBar(parent));
}

}  // namespace qtfront
