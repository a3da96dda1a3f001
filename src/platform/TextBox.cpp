#include <algorithm>
#include <limits>
#include <string_view>
#include <vector>

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

namespace {

// Codes that stand for no character to insert: the C0 and C1 controls and DEL.
bool IsControl(long code) { return code < 32 || (code >= 127 && code <= 159); }

// Appends the text a key inserts, as typing gives it: a CR LF line break for Return in a
// multi-line box, a character's UTF-8; false (nothing appended) for other control keys and
// codes that are no character.
bool AppendTyped(std::string& out, int key, bool multiLine) {
    if (key == kKeyReturn) {
        if (!multiLine) return false;
        out += "\r\n";
        return true;
    }
    return !IsControl(key) && utf8::Append(out, key);
}

}  // namespace

std::pair<std::size_t, std::size_t> TextBox::SelectedRange() const {
    const std::size_t start =
        utf8::BoundaryBefore(text_, static_cast<std::size_t>(std::max(0, selStart_)));
    const std::size_t end = utf8::BoundaryAfter(
        text_, std::min(text_.size(), static_cast<std::size_t>(std::max(0, selStart_)) +
                                          static_cast<std::size_t>(std::max(0, selLength_))));
    return {start, std::max(start, end)};
}

int TextBox::RoomFor(std::size_t start, std::size_t end) const {
    if (maxLength_ <= 0) return std::numeric_limits<int>::max();
    const std::string_view text(text_);
    return maxLength_ - utf8::Count(text.substr(0, start)) - utf8::Count(text.substr(end));
}

void TextBox::ReplaceByUser(std::size_t start, std::size_t end, const std::string& insert) {
    text_.replace(start, end - start, insert);
    selStart_ = static_cast<int>(start + insert.size());
    selLength_ = 0;
    Notify(Prop::Text);
    Raise(Change);
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
    // The handler may have changed the text or the caret: work from the state as it is now.
    auto [start, end] = SelectedRange();
    std::string insert;
    if (keyAscii == kKeyBack) {
        if (end == start) {
            if (start == 0) return;
            start = utf8::PreviousBoundary(text_, start);  // a CR LF pair goes as one
        }
    } else if (!AppendTyped(insert, keyAscii, multiLine_) ||
               utf8::Count(insert) > RoomFor(start, end)) {
        return;
    }
    ReplaceByUser(start, end, insert);
}

void TextBox::UserInsert(const std::string& chars) {
    if (!AcceptsUser()) return;
    std::string_view rest(chars);
    if (!multiLine_) rest = rest.substr(0, rest.find_first_of("\r\n"));
    // Every character's KeyPress first, as typing raises it; the keys that pass go in at
    // once afterwards.
    std::vector<int> keys;
    for (std::size_t pos = 0; pos < rest.size();) {
        std::size_t length = 1;
        const long cp = utf8::Decode(rest, pos, length);
        pos += length;
        int key = static_cast<int>(cp);
        if (cp == '\r' || cp == '\n') {
            if (cp == '\r' && pos < rest.size() && rest[pos] == '\n') ++pos;
            key = kKeyReturn;
        } else if (cp < 0 || IsControl(cp)) {
            continue;
        }
        if (KeyPress) KeyPress(key);
        if (key > 0) keys.push_back(key);
    }
    if (locked_ || keys.empty()) return;
    const auto [start, end] = SelectedRange();
    int room = RoomFor(start, end);
    std::string insert;
    for (const int key : keys) {
        const std::size_t before = insert.size();
        if (!AppendTyped(insert, key, multiLine_)) continue;
        const int count = utf8::Count(std::string_view(insert).substr(before));
        if (count > room) {
            insert.resize(before);  // too long for MaxLength: this one does not go in
            continue;
        }
        room -= count;
    }
    if (insert.empty()) return;
    if (text_.compare(start, end - start, insert) == 0) {
        // The same text: only the caret moves after it.
        SetSelStart(static_cast<int>(start + insert.size()));
        return;
    }
    ReplaceByUser(start, end, insert);
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
