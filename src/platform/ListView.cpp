#include <algorithm>

#include "platform/Controls.hpp"

namespace platform {

ListView::ListView(Form& f, Container* p, std::string name, int index)
    : Control(ControlKind::ListView, f, p, std::move(name), index) {
    InitColors(SysColor::WindowText, SysColor::WindowBackground);
}

void ListView::AddColumn(const std::string& text, int width) {
    columns_.push_back({text, width});
    Changed(Prop::Items, {ListChange::Kind::Columns});
}

void ListView::ClearColumns() {
    if (columns_.empty()) return;
    columns_.clear();
    Changed(Prop::Items, {ListChange::Kind::Columns});
}

int ListView::AddItem(const std::string& text) {
    ListItem item;
    item.text = text;
    items_.push_back(std::move(item));
    Changed(Prop::Items, {ListChange::Kind::Added, ItemCount()});
    return ItemCount();
}

void ListView::RemoveItem(int item) {
    if (item < 1 || item > ItemCount()) return;
    items_.erase(items_.begin() + (item - 1));
    Changed(Prop::Items, {ListChange::Kind::Removed, item});
}

void ListView::ClearItems() {
    if (items_.empty()) return;
    items_.clear();
    Changed(Prop::Items, {ListChange::Kind::Whole});
}

void ListView::Changed(Prop what, ListChange change) {
    lastChange_ = change;
    Notify(what);
}

const ListItem& ListView::Item(int item) const {
    static const ListItem none;
    if (item < 1 || item > ItemCount()) return none;
    return items_[static_cast<std::size_t>(item - 1)];
}

void ListView::SetItemText(int item, const std::string& text) {
    if (item < 1 || item > ItemCount()) return;
    ListItem& it = items_[static_cast<std::size_t>(item - 1)];
    if (it.text == text) return;
    it.text = text;
    Changed(Prop::Items, {ListChange::Kind::Text, item, 0});
}

void ListView::SetSubItem(int item, int column, const std::string& text) {
    if (item < 1 || item > ItemCount() || column < 1) return;
    ListItem& it = items_[static_cast<std::size_t>(item - 1)];
    const auto slot = static_cast<std::size_t>(column - 1);
    if (it.subItems.size() <= slot) it.subItems.resize(slot + 1);
    if (it.subItems[slot] == text) return;
    it.subItems[slot] = text;
    Changed(Prop::Items, {ListChange::Kind::Text, item, column});
}

void ListView::SetMultiSelect(bool m) {
    if (m == multiSelect_) return;
    multiSelect_ = m;
    Notify(Prop::Style);
}

void ListView::SetSelected(int item, bool selected) {
    if (item < 1 || item > ItemCount()) return;
    ListItem& it = items_[static_cast<std::size_t>(item - 1)];
    if (it.selected == selected) return;
    it.selected = selected;
    Changed(Prop::Selection, {ListChange::Kind::Selected, item});
}

std::vector<int> ListView::SelectedItems() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].selected) out.push_back(static_cast<int>(i) + 1);
    return out;
}

void ListView::UserClickItem(int item, bool extend) {
    if (!AcceptsUser() || item < 1 || item > ItemCount()) return;
    if (extend && multiSelect_) {
        ListItem& it = items_[static_cast<std::size_t>(item - 1)];
        it.selected = !it.selected;
    } else {
        for (std::size_t i = 0; i < items_.size(); ++i)
            items_[i].selected = static_cast<int>(i) + 1 == item;
    }
    Changed(Prop::Selection, {ListChange::Kind::Whole});
    if (ItemClick) ItemClick(item);
}

void ListView::UserDblClick() {
    if (AcceptsUser()) Raise(DblClick);
}

}  // namespace platform
