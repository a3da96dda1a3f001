#include <algorithm>

#include "platform/Controls.hpp"

namespace platform {

ComboBox::ComboBox(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::ComboBox, f, p, std::move(name), index) {
    InitColors(SysColor::WindowText, SysColor::WindowBackground);
}

void ComboBox::SetStyle(ComboStyle s) {
    if (s == style_) return;
    style_ = s;
    Notify(Prop::Style);
}

void ComboBox::AddItem(const std::string& item, int index) {
    const int count = ListCount();
    if (index < 0 || index > count) index = count;
    items_.insert(items_.begin() + index, item);
    if (listIndex_ >= index) ++listIndex_;
    Notify(Prop::Items);
}

void ComboBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    if (index == listIndex_) {
        listIndex_ = -1;
        if (style_ == ComboStyle::DropdownList) text_.clear();
        Notify(Prop::Selection);
    } else if (index < listIndex_) {
        --listIndex_;
    }
    Notify(Prop::Items);
}

void ComboBox::Clear() {
    if (items_.empty() && listIndex_ == -1 && text_.empty()) return;
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    Notify(Prop::Items);
}

const std::string& ComboBox::List(int index) const {
    static const std::string none;
    if (index < 0 || index >= ListCount()) return none;
    return items_[static_cast<std::size_t>(index)];
}

void ComboBox::SetList(int index, const std::string& item) {
    if (index < 0 || index >= ListCount() || items_[static_cast<std::size_t>(index)] == item)
        return;
    items_[static_cast<std::size_t>(index)] = item;
    if (index == listIndex_ && style_ == ComboStyle::DropdownList) text_ = item;
    Notify(Prop::Items);
}

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) return;  // no such item: nothing changes
    if (i == -1) {
        const bool clearText = style_ == ComboStyle::DropdownList && !text_.empty();
        if (listIndex_ == -1 && !clearText) return;
        listIndex_ = -1;
        if (clearText) text_.clear();
        Notify(Prop::Selection);
        return;
    }
    const bool changed = i != listIndex_ || text_ != items_[static_cast<std::size_t>(i)];
    listIndex_ = i;
    text_ = items_[static_cast<std::size_t>(i)];
    if (changed) Notify(Prop::Selection);
    Raise(Click);
}

void ComboBox::SetText(const std::string& t) {
    const int found = FindItem(t);
    if (found >= 0) {
        SetListIndex(found);
        return;
    }
    if (style_ == ComboStyle::DropdownList) return;
    const bool changed = t != text_;
    const bool deselect = listIndex_ != -1;
    listIndex_ = -1;
    text_ = t;
    if (deselect) Notify(Prop::Selection);
    if (!changed) return;
    Notify(Prop::Text);
    Raise(Change);
}

int ComboBox::FindItem(const std::string& t) const {
    auto it = std::find(items_.begin(), items_.end(), t);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ComboBox::UserSelect(int index) {
    if (!AcceptsUser() || index < 0 || index >= ListCount()) return;
    SetListIndex(index);
}

void ComboBox::UserType(const std::string& text) {
    if (!AcceptsUser() || style_ == ComboStyle::DropdownList) return;
    const bool deselect = listIndex_ != -1;
    listIndex_ = -1;
    if (deselect) Notify(Prop::Selection);
    if (text == text_) return;
    text_ = text;
    Notify(Prop::Text);
    Raise(Change);
}

}  // namespace platform
