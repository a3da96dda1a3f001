// Labels, buttons, check and option buttons, frames, picture boxes, images, tab strips,
// timers, and the control-array error.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/Controls.hpp"
#include "platform/Form.hpp"

namespace platform {

// ---- Label --------------------------------------------------------------------------------

Label::Label(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::Label, f, p, std::move(name), index) {}

void Label::SetCaption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    Notify(Prop::Text);
}

void Label::SetAlignment(Align a) {
    if (a == align_) return;
    align_ = a;
    Notify(Prop::Style);
}

void Label::SetWordWrap(bool w) {
    if (w == wordWrap_) return;
    wordWrap_ = w;
    Notify(Prop::Style);
}

void Label::SetTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    Notify(Prop::Style);
}

void Label::SetBorder(bool b) {
    if (b == border_) return;
    border_ = b;
    Notify(Prop::Style);
}

void Label::UserClick() {
    if (AcceptsUser()) Raise(Click);
}

void Label::UserDblClick() {
    if (AcceptsUser()) Raise(DblClick);
}

// ---- Check box ----------------------------------------------------------------------------

CheckBox::CheckBox(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::CheckBox, f, p, std::move(name), index) {}

void CheckBox::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify(Prop::Text);
}

void CheckBox::SetValue(int v) {
    if (v < 0 || v > 2 || v == value_) return;
    value_ = v;
    Notify(Prop::Value);
    Raise(Click);
}

void CheckBox::UserClick() {
    if (!AcceptsUser()) return;
    value_ = value_ == 0 ? 1 : 0;
    Notify(Prop::Value);
    Raise(Click);
}

// ---- Option button ------------------------------------------------------------------------

OptionButton::OptionButton(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::OptionButton, f, p, std::move(name), index) {}

void OptionButton::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify(Prop::Text);
}

void OptionButton::SetValue(bool v) {
    if (!v) {
        if (!value_) return;
        value_ = false;
        Notify(Prop::Value);
        return;
    }
    if (Parent()) {
        for (Control* c : Parent()->Children()) {
            if (c == this || c->Kind() != ControlKind::OptionButton) continue;
            auto* other = static_cast<OptionButton*>(c);
            if (!other->value_) continue;
            other->value_ = false;
            other->Notify(Prop::Value);
        }
    }
    if (!value_) {
        value_ = true;
        Notify(Prop::Value);
    }
    Raise(Click);
}

void OptionButton::UserClick() {
    if (!AcceptsUser() || value_) return;
    SetValue(true);
}

// ---- Command button -----------------------------------------------------------------------

CommandButton::CommandButton(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::CommandButton, f, p, std::move(name), index) {}

void CommandButton::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify(Prop::Text);
}

void CommandButton::UserClick() {
    if (AcceptsUser()) Raise(Click);
}

// ---- Frame, picture box, image ------------------------------------------------------------

Frame::Frame(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::Frame, f, p, std::move(name), index) {}

void Frame::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify(Prop::Text);
}

void Frame::SetBorder(bool b) {
    if (b == border_) return;
    border_ = b;
    Notify(Prop::Style);
}

PictureBox::PictureBox(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::PictureBox, f, p, std::move(name), index) {
    InitColors(SysColor::WindowText, SysColor::ButtonFace);
    surface_.SetPixelSize(InnerWidth(), InnerHeight());
    surface_.Changed = [this] { Notify(Prop::Surface); };
}

int PictureBox::InnerWidth() const {
    return std::max(0, Width() - (border_ ? 2 * kPictureBorderPixels : 0));
}

int PictureBox::InnerHeight() const {
    return std::max(0, Height() - (border_ ? 2 * kPictureBorderPixels : 0));
}

void PictureBox::GeometryChanged() { surface_.SetPixelSize(InnerWidth(), InnerHeight()); }

void PictureBox::SetBorder(bool b) {
    if (b == border_) return;
    border_ = b;
    surface_.SetPixelSize(InnerWidth(), InnerHeight());
    Notify(Prop::Style);
}

void PictureBox::UserClick() {
    if (AcceptsUser()) Raise(Click);
}

void PictureBox::UserDblClick() {
    if (AcceptsUser()) Raise(DblClick);
}

Image::Image(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::Image, f, p, std::move(name), index) {}

bool Image::LoadPicture(const std::string& path) {
    std::optional<Picture> loaded = Services().pictures->Load(path);
    if (!loaded) return false;
    picture_ = std::move(*loaded);
    Notify(Prop::Picture);
    return true;
}

void Image::ClearPicture() {
    if (picture_.Empty() && picture_.path.empty()) return;
    picture_ = Picture{};
    Notify(Prop::Picture);
}

void Image::SetStretch(bool s) {
    if (s == stretch_) return;
    stretch_ = s;
    Notify(Prop::Style);
}

void Image::UserClick() {
    if (AcceptsUser()) Raise(Click);
}

// ---- Tab strip ----------------------------------------------------------------------------

TabStrip::TabStrip(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::TabStrip, f, p, std::move(name), index) {}

void TabStrip::AddTab(const std::string& caption) {
    tabs_.push_back(caption);
    if (selected_ == 0) selected_ = 1;
    Notify(Prop::Tabs);
}

const std::string& TabStrip::TabCaption(int tab) const {
    static const std::string none;
    if (tab < 1 || tab > TabCount()) return none;
    return tabs_[static_cast<std::size_t>(tab - 1)];
}

void TabStrip::SelectTab(int tab) {
    if (tab < 1 || tab > TabCount()) return;
    if (tab != selected_) {
        selected_ = tab;
        Notify(Prop::Selection);
    }
    Raise(Click);
}

void TabStrip::UserSelect(int tab) {
    if (AcceptsUser()) SelectTab(tab);
}

// ---- Timer --------------------------------------------------------------------------------

Timer::Timer(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::Timer, f, p, std::move(name), index) {}

void Timer::SetInterval(int ms) {
    if (ms < 0) ms = 0;
    if (ms == interval_) return;
    interval_ = ms;
    Notify(Prop::Value);
}

void Timer::Tick() {
    if (Enabled() && interval_ > 0) Raise(TimerEvent);
}

// ---- Helpers ------------------------------------------------------------------------------

std::string StripMnemonic(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

std::string LiteralCaption(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

void ReportMissingIndex(const char* what, int index) {
    std::fprintf(stderr, "ChassisLab: %s has no element %d\n", what ? what : "control array",
                 index);
    std::fflush(stderr);
    std::abort();
}

}  // namespace platform
