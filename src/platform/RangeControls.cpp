// Slider, scroll bar and progress bar: a value within a range.
#include <algorithm>
#include <cstdint>

#include "platform/Controls.hpp"
#include "platform/PlatformState.hpp"

namespace platform {

int64_t SliderClampTotal() { return Platform().sliderClampTotal; }
void ResetSliderClampTotal() { Platform().sliderClampTotal = 0; }

// ---- Shared by slider and scroll bar ------------------------------------------------------

RangeControl::RangeControl(ControlKind kind, Form& f, Container* p, std::string name, int index,
                           int32_t max, int32_t largeChange)
    : Control(kind, f, p, std::move(name), index), max_(max), largeChange_(largeChange) {}

void RangeControl::SetSmallChange(int32_t v) {
    if (v == smallChange_) return;
    smallChange_ = v;
    Notify(Prop::Range);
}

void RangeControl::SetLargeChange(int32_t v) {
    if (v == largeChange_) return;
    largeChange_ = v;
    Notify(Prop::Range);
}

void RangeControl::SettleAt(int32_t c) {
    settled_ = c;
    if (c == value_) return;
    value_ = c;
    Notify(Prop::Value);
    Raise(Change);
}

void RangeControl::UserDrag(int32_t v) {
    if (!AcceptsUser()) return;
    const int32_t c = Clamp(v);
    if (c == value_) return;
    value_ = c;
    Notify(Prop::Value);
    Raise(Scroll);
}

void RangeControl::UserRelease() {
    if (!AcceptsUser() || value_ == settled_) return;
    settled_ = value_;
    Raise(Change);
}

// ---- Slider -------------------------------------------------------------------------------

Slider::Slider(Form& f, Container* p, std::string name, int index)
    : RangeControl(ControlKind::Slider, f, p, std::move(name), index, 10, 5) {}

int32_t Slider::Clamp(int32_t v) const { return std::clamp(v, min_, max_); }

void Slider::SetMin(int32_t v) {
    if (v == min_) return;
    min_ = v;
    if (max_ < min_) max_ = min_;
    Notify(Prop::Range);
    FollowRange();
}

void Slider::SetMax(int32_t v) {
    if (v == max_) return;
    max_ = v;
    if (min_ > max_) min_ = max_;
    Notify(Prop::Range);
    FollowRange();
}

void Slider::SetValue(int32_t v) {
    const int32_t c = Clamp(v);
    if (c != v) {
        ++clampCount_;
        ++Platform().sliderClampTotal;
    }
    SettleAt(c);
}

void Slider::SetTickFrequency(int32_t v) {
    if (v == tickFrequency_) return;
    tickFrequency_ = v;
    Notify(Prop::Style);
}

void Slider::SetOrientation(Orientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    Notify(Prop::Style);
}

void Slider::UserClickAt(int32_t v) {
    if (!AcceptsUser()) return;
    const int32_t c = Clamp(v);
    if (c != value_) SettleAt(c);
    Raise(Click);
}

// ---- Scroll bar ---------------------------------------------------------------------------

ScrollBar::ScrollBar(Form& f, Container* p, std::string name, int index, Orientation o)
    : RangeControl(ControlKind::ScrollBar, f, p, std::move(name), index, 100, 10),
      orientation_(o) {
    InitColors(SysColor::WindowText, SysColor::ScrollBars);
}

int32_t ScrollBar::Clamp(int32_t v) const {
    return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

void ScrollBar::SetMin(int32_t v) {
    if (v == min_) return;
    min_ = v;
    Notify(Prop::Range);
    FollowRange();
}

void ScrollBar::SetMax(int32_t v) {
    if (v == max_) return;
    max_ = v;
    Notify(Prop::Range);
    FollowRange();
}

void ScrollBar::SetValue(int32_t v) { SettleAt(Clamp(v)); }

void ScrollBar::UserStep(int32_t delta) {
    if (!AcceptsUser()) return;
    // A reversed bar (Min above Max) steps towards Max all the same.
    const int64_t step = min_ <= max_ ? delta : -static_cast<int64_t>(delta);
    const int64_t target = std::clamp<int64_t>(static_cast<int64_t>(value_) + step, INT32_MIN,
                                               INT32_MAX);
    SettleAt(Clamp(static_cast<int32_t>(target)));
}

// ---- Progress bar -------------------------------------------------------------------------

ProgressBar::ProgressBar(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::ProgressBar, f, p, std::move(name), index) {}

void ProgressBar::SetMin(int32_t v) {
    if (v == min_) return;
    min_ = v;
    if (max_ < min_) max_ = min_;
    value_ = std::clamp(value_, min_, max_);
    Notify(Prop::Range);
}

void ProgressBar::SetMax(int32_t v) {
    if (v == max_) return;
    max_ = v;
    if (min_ > max_) min_ = max_;
    value_ = std::clamp(value_, min_, max_);
    Notify(Prop::Range);
}

void ProgressBar::SetValue(int32_t v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Notify(Prop::Value);
}

}  // namespace platform
