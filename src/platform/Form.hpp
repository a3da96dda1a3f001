// A window: caption, geometry, menu bar, its tree of controls, and the Load / Unload / Resize
// events. A window class derives from Form, builds its controls in its constructor (the
// design-time state) and installs its handlers.
//
// Lifetime: Show() loads the form (raising Load once) and shows it modeless; Unload() raises
// Unload (which may cancel), hides the form and marks it unloaded. A FormHolder owns a
// single-instance window: it creates the window on first use and, once it has been unloaded,
// creates a fresh one (its design state) on the next use. The unloaded instance is parked on
// the Desktop until the front end collects it, so a handler that unloads its own window can
// still return safely.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.hpp"

namespace platform {

// How the window stands on the desktop. Only a normal window's size may be set from code: a
// minimised or maximised one has the size the desktop gives it.
enum class WindowState { Normal, Minimized, Maximized };

class Form : public Container {
public:
    explicit Form(std::string className);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The control kinds by their short names, for the window classes' member declarations.
    template <typename T>
    using Array = ControlArray<T>;
    using Label = platform::Label;
    using Frame = platform::Frame;
    using TextBox = platform::TextBox;
    using ComboBox = platform::ComboBox;
    using CheckBox = platform::CheckBox;
    using OptionButton = platform::OptionButton;
    using CommandButton = platform::CommandButton;
    using Slider = platform::Slider;
    using ScrollBar = platform::ScrollBar;
    using PictureBox = platform::PictureBox;
    using Image = platform::Image;
    using TabStrip = platform::TabStrip;
    using ProgressBar = platform::ProgressBar;
    using MenuItem = platform::MenuItem;

    const std::string& ClassName() const { return className_; }
    Control* AsControl() override { return nullptr; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // Outer geometry in pixels on the screen.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A size change from code keeps the client area's margins (menu bar, borders) and raises
    // Resize when the form is loaded, as a person's resize does. While the window is
    // minimised or maximised a size from code is not taken (the position still is).
    void Move(int left, int top, int width, int height);
    void SetSize(int width, int height);
    // The outer size whose client area is clientWidth x clientHeight, the margins kept: how a
    // window laid out for a client area of a given size asks for it.
    void SetClientSize(int clientWidth, int clientHeight);
    // Opens the window centred on `owner` (its whole window, frame included): Left and Top
    // are set from the sizes known now, and the front end centres the window again once it
    // knows the frame the window manager gives it. Holds for each showing until the window is
    // moved from code; a person may move it where they like.
    void CentreOn(const Form& owner);
    const Form* CentredOn() const { return centredOn_; }
    // The window this one belongs to (null: none), as a tool window belongs to the program's
    // main window: the owner never covers it, and it goes with the owner when the owner is
    // minimised. Set before the window is first shown.
    void SetOwner(const Form* owner) { owner_ = owner; }
    const Form* Owner() const { return owner_; }
    // Size of the client area (below the menu bar), pixels. The front end reports it.
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    bool Resizable() const { return resizable_; }
    void SetResizable(bool r);
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    void SetMinimumSize(int width, int height);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    platform::WindowState WindowState() const { return state_; }
    // From code: the front end follows. Raises Resize when the form is loaded.
    void SetWindowState(platform::WindowState s);

    bool Loaded() const { return loaded_; }
    // True once the form has been loaded and then unloaded: it is spent.
    bool WasUnloaded() const { return unloaded_; }
    bool Visible() const { return visible_; }
    // Modeless. The first Show raises Load, then (once shown) Resize and Activate; a later
    // Show of a hidden form raises Activate; Show of a shown form brings it to the front.
    // Showing a spent (unloaded) form loads it again as it is; FormHolder gives a fresh one.
    void Show();
    void Hide();
    void BringToFront();  // shows it over the other windows (when shown); raises Activate
    // Raises Unload; when not cancelled hides the form and marks it unloaded (Loaded false,
    // WasUnloaded true). Returns false when a handler cancelled. Unload of a form that is not
    // loaded, or from inside its own Unload handler, does nothing and returns true.
    bool Unload();

    std::function<void()> Load;
    std::function<void(bool& cancel)> UnloadEvent;
    std::function<void()> Resize;
    std::function<void()> Activate;

    // The front end reports the user's actions on the window itself. UserResize takes the
    // sizes as they are and raises Resize (a handler may set another size from code).
    void UserResize(int width, int height, int clientWidth, int clientHeight);
    // The person moved the window (outer top-left corner, screen pixels): Left and Top take
    // it. No event: a move changes nothing inside the window.
    void UserMove(int left, int top);
    // The person minimised, maximised or restored the window: raises Resize, as in a change
    // of size (the sizes that come with it arrive through UserResize).
    void UserWindowState(platform::WindowState s);
    void UserClose();  // the close box: Unload
    // The person pressed Esc in the window: it presses the window's cancel button, when the
    // window has one and it can be pressed (shown and enabled); a window without one that
    // closes on Esc closes as by its close box. Other windows take no notice.
    void UserEscape();

    // What Esc does (a tool window's Done or Close button; the front end leaves Esc to the
    // window's controls when neither is set). The cancel button belongs to this form.
    void SetCancelButton(CommandButton* button) { cancelButton_ = button; }
    CommandButton* CancelButton() const { return cancelButton_; }
    void SetClosesOnEscape(bool closes) { closesOnEscape_ = closes; }
    bool ClosesOnEscape() const { return closesOnEscape_; }
    bool TakesEscape() const { return cancelButton_ != nullptr || closesOnEscape_; }

    // Creates a control in this form, in parent (the client area when null), registered under
    // name and index (-1: not in an array). The form owns it. The observer hears Children on
    // the parent control, or FormChanged(Children) for the client area.
    template <typename T, typename... Args>
    T& Create(const std::string& name, Container* parent = nullptr, int index = -1,
              Args&&... args) {
        Container* where = parent ? parent : static_cast<Container*>(this);
        auto owned = std::make_unique<T>(*this, where, name, index, std::forward<Args>(args)...);
        T& ref = *owned;
        Adopt(std::move(owned));
        return ref;
    }
    // Creates a control and puts it into a control array.
    template <typename T, typename... Args>
    T& CreateIn(ControlArray<T>& array, const std::string& name, int index,
                Container* parent = nullptr, Args&&... args) {
        T& c = Create<T>(name, parent, index, std::forward<Args>(args)...);
        array.Put(index, c);
        return c;
    }
    // Looks a control up by name and index; nullptr when there is none.
    Control* Find(const std::string& name, int index = -1) const;
    const std::vector<std::unique_ptr<Control>>& AllControls() const { return controls_; }

    // Menu bar: top-level menus in order.
    MenuItem& AddMenu(std::string name, std::string caption);
    const std::vector<std::unique_ptr<MenuItem>>& MenuBar() const { return menus_; }
    // Finds a menu entry anywhere in the bar; nullptr when there is none.
    MenuItem* FindMenu(const std::string& name, int index = -1) const;

    void SetObserver(FormObserver* o) { observer_ = o; }
    FormObserver* Observer() const { return observer_; }
    void NotifyControl(Control& c, Prop what) {
        if (observer_) observer_->ControlChanged(c, what);
    }
    void NotifyForm(Prop what) {
        if (observer_) observer_->FormChanged(*this, what);
    }
    void NotifyMenu() {
        if (observer_) observer_->MenuChanged(*this);
    }

private:
    void Adopt(std::unique_ptr<Control> c);
    std::string className_;
    std::string caption_;
    int left_ = 100, top_ = 100, width_ = 640, height_ = 480;
    int clientWidth_ = 640, clientHeight_ = 460;
    int minWidth_ = 0, minHeight_ = 0;
    bool resizable_ = false;
    platform::WindowState state_ = platform::WindowState::Normal;
    Color backColor_ = SysColor::ButtonFace;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool unloading_ = false;  // inside Unload (a nested Unload is ignored)
    bool visible_ = false;
    CommandButton* cancelButton_ = nullptr;
    bool closesOnEscape_ = false;
    const Form* centredOn_ = nullptr;
    const Form* owner_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<MenuItem>> menus_;
    FormObserver* observer_ = nullptr;
};

// Whoever shows windows (the Qt front end) listens here.
class DesktopObserver {
public:
    virtual ~DesktopObserver() = default;
    virtual void FormShown(Form& form) = 0;
    virtual void FormHidden(Form& form) = 0;
    virtual void FormBroughtToFront(Form& form) = 0;
    virtual void FormUnloaded(Form& form) = 0;  // the form object lives until collected
    // The form object is being destroyed (collected, or dropped by its owner); forget it.
    virtual void FormDestroyed(Form& form) { (void)form; }
};

// The open windows of the program.
class Desktop {
public:
    Desktop() = default;
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;
    static Desktop& Instance();
    void SetObserver(DesktopObserver* o) { observer_ = o; }
    DesktopObserver* Observer() const { return observer_; }
    const std::vector<Form*>& ShownForms() const { return shown_; }
    // Every loaded form, shown or hidden, in the order they were loaded.
    const std::vector<Form*>& LoadedForms() const { return loaded_; }
    // Takes an unloaded form to destroy later (see CollectUnloaded).
    void Park(std::unique_ptr<Form> form);
    // Destroys parked forms; the front end calls it when no handler is running.
    void CollectUnloaded();
    std::size_t ParkedCount() const { return parked_.size(); }

    // Used by Form.
    void Loading(Form& f);
    void Shown(Form& f);
    void Hidden(Form& f);
    void ToFront(Form& f);
    void Unloaded(Form& f);
    void Destroyed(Form& f);  // from ~Form

private:
    DesktopObserver* observer_ = nullptr;
    std::vector<Form*> shown_;
    std::vector<Form*> loaded_;
    std::vector<std::unique_ptr<Form>> parked_;
};

// Owns a single-instance window: created on first use, recreated after an unload.
template <typename T>
class FormHolder {
public:
    T& Get() {
        if (form_ && form_->WasUnloaded()) Desktop::Instance().Park(std::move(form_));
        if (!form_) form_ = std::make_unique<T>();
        return *form_;
    }
    // True when an instance exists and is loaded (does not create one).
    bool IsLoaded() const { return form_ && form_->Loaded(); }
    T* Peek() const { return form_.get(); }
    void Reset() { form_.reset(); }

private:
    std::unique_ptr<T> form_;
};

// Owns several windows of one class open side by side, by slot number (0, 1, ...): each slot
// is a FormHolder, so a slot's window is created on first use and, once it has been unloaded,
// replaced by a fresh one (its design state) on the slot's next use. The other slots' windows
// are untouched.
template <typename T>
class FormSlots {
public:
    T& Get(std::size_t slot) {
        if (slot >= slots_.size()) slots_.resize(slot + 1);
        return slots_[slot].Get();
    }
    // The slot's current instance, loaded or spent; null when it never had one.
    T* Peek(std::size_t slot) const { return slot < slots_.size() ? slots_[slot].Peek() : nullptr; }
    std::size_t Size() const { return slots_.size(); }
    void Reset() { slots_.clear(); }

private:
    std::vector<FormHolder<T>> slots_;
};

}  // namespace platform
