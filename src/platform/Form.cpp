#include "platform/Form.hpp"

#include <algorithm>

#include "platform/PlatformState.hpp"

namespace platform {

Form::Form(std::string className) : className_(std::move(className)) {}

Form::~Form() {
    // Children before their containers: controls are created after the container they sit
    // in, so destroying in reverse order never leaves a child pointing at a dead container.
    while (!controls_.empty()) controls_.pop_back();
    menus_.clear();
    Desktop::Instance().Destroyed(*this);
}

void Form::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    NotifyForm(Prop::Text);
}

void Form::Move(int left, int top, int width, int height) {
    if (state_ != platform::WindowState::Normal) {
        width = width_;
        height = height_;
    }
    const bool moved = left != left_ || top != top_;
    const bool sized = width != width_ || height != height_;
    if (moved) centredOn_ = nullptr;  // placed from code
    if (!moved && !sized) return;
    // The client area keeps its margins to the outer size (menu bar, borders).
    clientWidth_ += width - width_;
    clientHeight_ += height - height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    NotifyForm(Prop::Geometry);
    if (sized && loaded_) Raise(Resize);
}

void Form::SetSize(int width, int height) { Move(left_, top_, width, height); }

void Form::CentreOn(const Form& owner) {
    Move(owner.Left() + (owner.Width() - width_) / 2, owner.Top() + (owner.Height() - height_) / 2,
         width_, height_);
    centredOn_ = &owner;
}

void Form::SetClientSize(int clientWidth, int clientHeight) {
    SetSize(clientWidth + (width_ - clientWidth_), clientHeight + (height_ - clientHeight_));
}

void Form::SetResizable(bool r) {
    if (r == resizable_) return;
    resizable_ = r;
    NotifyForm(Prop::Style);
}

void Form::SetMinimumSize(int width, int height) {
    if (width == minWidth_ && height == minHeight_) return;
    minWidth_ = width;
    minHeight_ = height;
    NotifyForm(Prop::Style);
}

void Form::SetWindowState(platform::WindowState s) {
    if (s == state_) return;
    state_ = s;
    NotifyForm(Prop::Style);
    if (loaded_) Raise(Resize);
}

void Form::UserWindowState(platform::WindowState s) {
    if (s == state_) return;
    state_ = s;
    Raise(Resize);
}

void Form::SetBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    NotifyForm(Prop::Colors);
}

void Form::Show() {
    if (unloaded_) {
        // Showing a spent window loads it again (as it is now; a FormHolder gives a fresh one).
        unloaded_ = false;
    }
    const bool firstShow = !loaded_;
    if (!loaded_) {
        loaded_ = true;
        Desktop::Instance().Loading(*this);
        Raise(Load);
        if (unloaded_ || !loaded_) return;  // the Load handler unloaded it
    }
    if (visible_) {
        BringToFront();
        return;
    }
    visible_ = true;
    NotifyForm(Prop::Visible);
    Desktop::Instance().Shown(*this);
    if (firstShow) Raise(Resize);
    Raise(Activate);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    NotifyForm(Prop::Visible);
    Desktop::Instance().Hidden(*this);
}

void Form::BringToFront() {
    if (!visible_) return;
    Desktop::Instance().ToFront(*this);
    Raise(Activate);
}

bool Form::Unload() {
    if (unloading_) return true;  // Unload from inside the Unload handler: the outer one decides
    if (!loaded_) return true;    // never loaded, or already unloaded: nothing to do
    unloading_ = true;
    bool cancel = false;
    if (UnloadEvent) UnloadEvent(cancel);
    unloading_ = false;
    if (cancel) return false;
    const bool wasVisible = visible_;
    visible_ = false;
    loaded_ = false;
    unloaded_ = true;
    if (wasVisible) NotifyForm(Prop::Visible);
    Desktop::Instance().Unloaded(*this);
    return true;
}

void Form::UserResize(int width, int height, int clientWidth, int clientHeight) {
    const bool changed = width != width_ || height != height_ || clientWidth != clientWidth_ ||
                         clientHeight != clientHeight_;
    width_ = width;
    height_ = height;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    if (changed) NotifyForm(Prop::Geometry);
    Raise(Resize);
}

void Form::UserMove(int left, int top) {
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    NotifyForm(Prop::Geometry);
}

void Form::UserClose() { Unload(); }

void Form::UserEscape() {
    if (!loaded_) return;
    if (cancelButton_) {
        // A button that cannot be pressed now cannot be pressed by Esc either.
        if (cancelButton_->Visible() && cancelButton_->Enabled()) cancelButton_->UserClick();
    } else if (closesOnEscape_) {
        UserClose();
    }
}

void Form::Adopt(std::unique_ptr<Control> c) {
    Control& added = *c;
    controls_.push_back(std::move(c));
    // Told to the container that got the new child, so a front end updates just that one.
    Control* container = added.Parent() ? added.Parent()->AsControl() : nullptr;
    if (container) {
        NotifyControl(*container, Prop::Children);
    } else {
        NotifyForm(Prop::Children);
    }
}

Control* Form::Find(const std::string& name, int index) const {
    for (const auto& c : controls_)
        if (c->Index() == index && c->Name() == name) return c.get();
    return nullptr;
}

MenuItem& Form::AddMenu(std::string name, std::string caption) {
    menus_.push_back(std::make_unique<MenuItem>(*this, nullptr, std::move(name), -1,
                                                std::move(caption)));
    NotifyMenu();
    return *menus_.back();
}

namespace {

MenuItem* FindIn(const std::vector<std::unique_ptr<MenuItem>>& items, const std::string& name,
                 int index) {
    for (const auto& m : items) {
        if (m->Name() == name && m->Index() == index) return m.get();
        if (MenuItem* found = FindIn(m->Items(), name, index)) return found;
    }
    return nullptr;
}

}  // namespace

MenuItem* Form::FindMenu(const std::string& name, int index) const {
    return FindIn(menus_, name, index);
}

// ---- Desktop ------------------------------------------------------------------------------

Desktop::~Desktop() { parked_.clear(); }

Desktop& Desktop::Instance() { return Platform().desktop; }

void Desktop::Park(std::unique_ptr<Form> form) {
    if (form) parked_.push_back(std::move(form));
}

void Desktop::CollectUnloaded() {
    // Destroying a form may park or unload others; take the list first.
    std::vector<std::unique_ptr<Form>> spent;
    spent.swap(parked_);
    spent.clear();
}

void Desktop::Loading(Form& f) { loaded_.push_back(&f); }

void Desktop::Shown(Form& f) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &f), shown_.end());
    shown_.push_back(&f);
    if (observer_) observer_->FormShown(f);
}

void Desktop::Hidden(Form& f) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &f), shown_.end());
    if (observer_) observer_->FormHidden(f);
}

void Desktop::ToFront(Form& f) {
    auto it = std::find(shown_.begin(), shown_.end(), &f);
    if (it != shown_.end()) std::rotate(it, it + 1, shown_.end());
    if (observer_) observer_->FormBroughtToFront(f);
}

void Desktop::Unloaded(Form& f) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &f), shown_.end());
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &f), loaded_.end());
    if (observer_) observer_->FormUnloaded(f);
}

void Desktop::Destroyed(Form& f) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &f), shown_.end());
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &f), loaded_.end());
    if (observer_) observer_->FormDestroyed(f);
}

}  // namespace platform
