#include <algorithm>

#include "platform/Controls.hpp"
#include "platform/Form.hpp"

namespace platform {

MenuItem::MenuItem(Form& f, MenuItem* parent, std::string name, int index, std::string caption)
    : form_(&f), parent_(parent), name_(std::move(name)), index_(index),
      caption_(std::move(caption)) {}

void MenuItem::Notify() { form_->NotifyMenu(); }

void MenuItem::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify();
}

void MenuItem::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    Notify();
}

void MenuItem::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    Notify();
}

void MenuItem::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Notify();
}

void MenuItem::SetShortcut(const std::string& s) {
    if (s == shortcut_) return;
    shortcut_ = s;
    Notify();
}

MenuItem& MenuItem::AddItem(std::string name, int index, std::string caption) {
    items_.push_back(
        std::make_unique<MenuItem>(*form_, this, std::move(name), index, std::move(caption)));
    Notify();
    return *items_.back();
}

void MenuItem::RemoveItem(const MenuItem& item) {
    auto it = std::find_if(items_.begin(), items_.end(),
                           [&](const std::unique_ptr<MenuItem>& m) { return m.get() == &item; });
    if (it == items_.end()) return;
    items_.erase(it);
    Notify();
}

void MenuItem::UserClick() {
    for (const MenuItem* m = this; m; m = m->parent_)
        if (!m->enabled_ || !m->visible_) return;
    Raise(Click);
}

}  // namespace platform
