#include "platform/Control.hpp"

#include <algorithm>

#include "platform/Form.hpp"

namespace platform {

Color ResolveColor(Color c) {
    if (!IsSystemColor(c)) return c & 0xFFFFFFu;
    switch (c & 0xFFu) {
        case 0x00: return RGB(200, 200, 200);  // scroll bars
        case 0x01: return RGB(58, 110, 165);   // desktop
        case 0x05: return RGB(255, 255, 255);  // window background
        case 0x06: return RGB(100, 100, 100);  // window frame
        case 0x07: return RGB(0, 0, 0);        // menu text
        case 0x08: return RGB(0, 0, 0);        // window text
        case 0x0D: return RGB(0, 120, 215);    // highlight
        case 0x0E: return RGB(255, 255, 255);  // highlight text
        case 0x0F: return RGB(240, 240, 240);  // button face
        case 0x10: return RGB(160, 160, 160);  // button shadow
        case 0x11: return RGB(109, 109, 109);  // grey text
        case 0x12: return RGB(0, 0, 0);        // button text
        default: return RGB(240, 240, 240);
    }
}

Control::Control(ControlKind kind, Form& form, Container* parent, std::string name, int index)
    : kind_(kind), form_(&form), parent_(parent), name_(std::move(name)), index_(index) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    if (!parent_) return;
    auto& sib = parent_->children_;
    sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
}

std::string Control::DisplayName() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

void Control::Notify(Prop what) { form_->NotifyControl(*this, what); }

void Control::Move(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    GeometryChanged();
    Notify(Prop::Geometry);
}

void Control::SetLeft(int v) { Move(v, top_, width_, height_); }
void Control::SetTop(int v) { Move(left_, v, width_, height_); }
void Control::SetWidth(int v) { Move(left_, top_, v, height_); }
void Control::SetHeight(int v) { Move(left_, top_, width_, v); }

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Notify(Prop::Visible);
}

bool Control::Shown() const {
    for (const Control* c = this; c; ) {
        if (!c->visible_) return false;
        c = c->parent_ ? c->parent_->AsControl() : nullptr;
    }
    return true;
}

void Control::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Notify(Prop::Enabled);
}

bool Control::Usable() const {
    for (const Control* c = this; c; ) {
        if (!c->enabled_) return false;
        c = c->parent_ ? c->parent_->AsControl() : nullptr;
    }
    return true;
}

void Control::SetForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    Notify(Prop::Colors);
}

void Control::SetBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    Notify(Prop::Colors);
}

void Control::SetToolTipText(const std::string& t) {
    if (t == toolTip_) return;
    toolTip_ = t;
    Notify(Prop::ToolTip);
}

void Control::SetFont(const FontSpec& f) {
    if (f == font_) return;
    font_ = f;
    Notify(Prop::Font);
}

void Control::SetFontBold(bool b) {
    if (b == font_.bold) return;
    font_.bold = b;
    Notify(Prop::Font);
}

void Control::BringToFront() {
    if (!parent_) return;
    auto& sib = parent_->children_;
    auto it = std::find(sib.begin(), sib.end(), this);
    if (it == sib.end() || it + 1 == sib.end()) return;
    std::rotate(it, it + 1, sib.end());
    Notify(Prop::ZOrder);
}

void Control::SendToBack() {
    if (!parent_) return;
    auto& sib = parent_->children_;
    auto it = std::find(sib.begin(), sib.end(), this);
    if (it == sib.end() || it == sib.begin()) return;
    std::rotate(sib.begin(), it, it + 1);
    Notify(Prop::ZOrder);
}

}  // namespace platform
