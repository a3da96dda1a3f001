#include <algorithm>

#include "platform/Controls.hpp"
#include "platform/Utf8.hpp"

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
    s = static_cast<int>(utf8::BoundaryBefore(text_, static_cast<std::size_t>(std::max(0, s))));
    if (s == selStart_ && selLength_ == 0) return;
    selStart_ = s;
    selLength_ = 0;
    Notify(Prop::Selection);
}

void TextBox::SetSelLength(int n) {
    n = std::clamp(n, 0, static_cast<int>(text_.size()) - selStart_);
    n = static_cast<int>(utf8::BoundaryAfter(text_, static_cast<std::size_t>(selStart_ + n))) -
        selStart_;
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
    for (std::size_t pos = 0; pos < chars.size();) {
        std::size_t length = 1;
        const long cp = utf8::Decode(chars, pos, length);
        pos += length;
        if (cp >= 0) UserKey(static_cast<int>(cp));  // a malformed byte types nothing
    }
}

void TextBox::UserKey(int keyAscii) {
    if (!AcceptsUser()) return;
    if (KeyPress) KeyPress(keyAscii);
    if (keyAscii <= 0) return;  // dropped by the handler
    if (locked_) return;
    // The handler may have changed the text or the caret: work from the state as it is now,
    // on whole characters.
    const std::size_t size = text_.size();
    std::size_t start = utf8::BoundaryBefore(text_, static_cast<std::size_t>(std::max(0, selStart_)));
    std::size_t end = utf8::BoundaryAfter(
        text_, std::min(size, static_cast<std::size_t>(selStart_) +
                                  static_cast<std::size_t>(std::max(0, selLength_))));
    end = std::max(start, end);
    std::string insert;
    if (keyAscii == kKeyBack) {
        if (end == start) {
            if (start == 0) return;
            start = utf8::PreviousBoundary(text_, start);  // a CR LF pair goes as one
        }
    } else if (keyAscii == kKeyReturn) {
        if (!multiLine_) return;
        insert = "\r\n";
    } else if (keyAscii < 32 || !utf8::Append(insert, keyAscii)) {
        return;  // other control keys, and codes that are no character, insert nothing
    }
    if (!insert.empty() && maxLength_ > 0) {
        const std::string_view text(text_);
        const int kept = utf8::Count(text.substr(0, start)) + utf8::Count(text.substr(end));
        if (kept + utf8::Count(insert) > maxLength_) return;
    }
    text_.replace(start, end - start, insert);
    selStart_ = static_cast<int>(start + insert.size());
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
