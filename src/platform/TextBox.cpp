#include <algorithm>

#include "platform/Controls.hpp"

namespace platform {

TextBox::TextBox(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::TextBox, f, p, std::move(name), index) {
    InitColors(SysColor::WindowText, SysColor::WindowBackground);
}

void TextBox::SetText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    // A new text puts the caret at its start, as after a fresh assignment.
    selStart_ = 0;
    selLength_ = 0;
    Notify(Prop::Text);
    Raise(Change);
}

void TextBox::SetMaxLength(int n) {
    n = std::max(0, n);
    if (n == maxLength_) return;
    maxLength_ = n;
    Notify(Prop::Style);
}

void TextBox::SetSelStart(int s) {
    s = std::clamp(s, 0, static_cast<int>(text_.size()));
    if (s == selStart_ && selLength_ == 0) return;
    selStart_ = s;
    selLength_ = 0;
    Notify(Prop::Selection);
}

void TextBox::SetSelLength(int n) {
    n = std::clamp(n, 0, static_cast<int>(text_.size()) - selStart_);
    if (n == selLength_) return;
    selLength_ = n;
    Notify(Prop::Selection);
}

void TextBox::SetLocked(bool l) {
    if (l == locked_) return;
    locked_ = l;
    Notify(Prop::Style);
}

void TextBox::SetMultiLine(bool m) {
    if (m == multiLine_) return;
    multiLine_ = m;
    Notify(Prop::Style);
}

void TextBox::SetAlignment(Align a) {
    if (a == align_) return;
    align_ = a;
    Notify(Prop::Style);
}

void TextBox::UserType(const std::string& chars) {
    for (char c : chars) UserKey(static_cast<unsigned char>(c));
}

void TextBox::UserKey(int keyAscii) {
    if (!AcceptsUser()) return;
    if (KeyPress) KeyPress(keyAscii);
    if (keyAscii <= 0 || keyAscii > 255) return;  // dropped by the handler
    if (locked_) return;
    // The handler may have changed the text or the caret: work from the state as it is now.
    const int size = static_cast<int>(text_.size());
    int start = std::clamp(selStart_, 0, size);
    int length = std::clamp(selLength_, 0, size - start);
    std::string next = text_;
    if (keyAscii == kKeyBack) {
        if (length > 0) {
            next.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        } else if (start > 0) {
            next.erase(static_cast<std::size_t>(start - 1), 1);
            --start;
        } else {
            return;
        }
    } else if (keyAscii == kKeyReturn) {
        if (!multiLine_) return;
        if (maxLength_ > 0 && size - length + 2 > maxLength_) return;
        next.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), "\r\n");
        start += 2;
    } else if (keyAscii < 32) {
        return;  // other control keys insert nothing
    } else {
        if (maxLength_ > 0 && size - length + 1 > maxLength_) return;
        next.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), 1,
                     static_cast<char>(keyAscii));
        ++start;
    }
    text_ = std::move(next);
    selStart_ = start;
    selLength_ = 0;
    Notify(Prop::Text);
    Raise(Change);
}

void TextBox::UserFocus() {
    if (!AcceptsUser()) return;
    Raise(GotFocus);
}

void TextBox::UserLeave() {
    if (!AcceptsUser()) return;
    Raise(LostFocus);
}

}  // namespace platform
