// The base of every control of a window: geometry, visibility, colours, font, z-order among
// its siblings, and the change notification a front end listens to.
//
// Events are plain std::function members named after the event (Click, Change, ...). They are
// raised synchronously: a property write that raises an event runs the handler inside the
// write, and a handler may write properties that raise further events (re-entrancy follows
// from these rules, there is no queue). A handler must not replace its own std::function while
// it runs. Methods named User... stand for what a person does with mouse and keyboard: they
// raise nothing when the control is disabled or hidden (or inside a disabled or hidden
// container). Code writes raise their events whatever the control's state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Services.hpp"

namespace platform {

// Colours are 24-bit 0x00BBGGRR (red in the low byte). A value with bit 31 set is a system
// colour, kept symbolic (0x80000000 | index) and resolved only when painted.
using Color = uint32_t;
namespace SysColor {
inline constexpr Color ScrollBars = 0x80000000;
inline constexpr Color Desktop = 0x80000001;
inline constexpr Color WindowBackground = 0x80000005;
inline constexpr Color WindowFrame = 0x80000006;
inline constexpr Color MenuText = 0x80000007;
inline constexpr Color WindowText = 0x80000008;
inline constexpr Color Highlight = 0x8000000D;
inline constexpr Color HighlightText = 0x8000000E;
inline constexpr Color ButtonFace = 0x8000000F;
inline constexpr Color ButtonShadow = 0x80000010;
inline constexpr Color GrayText = 0x80000011;
inline constexpr Color ButtonText = 0x80000012;
}  // namespace SysColor
inline constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }
// The 24-bit colour a system colour stands for on this desktop (a light grey theme); other
// colours come back unchanged.
Color ResolveColor(Color c);
inline constexpr Color RGB(int r, int g, int b) {
    return static_cast<Color>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}

// A twip is 1/1440 inch; the program's screens have 15 twips per pixel.
inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind {
    Label, TextBox, ComboBox, CheckBox, OptionButton, CommandButton, Slider, ScrollBar,
    Frame, PictureBox, Image, TabStrip, ProgressBar, ListView, Timer
};

// What changed, for the front end that mirrors the model.
enum class Prop {
    Geometry, Visible, Enabled, Text, Value, Range, Items, Selection, Colors, Font, ZOrder,
    Tabs, Picture, Surface, ToolTip, Style, Children
};

class Control;
class Container;
class Form;

// Whoever mirrors a form (the Qt front end) listens here. Only one observer per form.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void ControlChanged(Control& control, Prop what) = 0;
    virtual void FormChanged(Form& form, Prop what) = 0;
    virtual void MenuChanged(Form& form) = 0;
};

class Control {
public:
    Control(ControlKind kind, Form& form, Container* parent, std::string name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }  // -1 when the control is not in a control array
    Form& OwnerForm() const { return *form_; }
    Container* Parent() const { return parent_; }
    // "Name" or "Name(3)"
    std::string DisplayName() const;

    // Position and size in pixels of the containing area.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void Move(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Visible, and every container up to the form visible too (the form's own visibility is
    // not part of it: a window's controls can be operated in tests without showing it).
    bool Shown() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // Enabled, and every container up to the form enabled too.
    bool Usable() const;

    Color ForeColor() const { return foreColor_; }
    Color BackColor() const { return backColor_; }
    void SetForeColor(Color c);
    void SetBackColor(Color c);
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& t);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& f);
    bool FontBold() const { return font_.bold; }
    void SetFontBold(bool b);

    // Z-order among the siblings: BringToFront moves it to the end of its parent's Children()
    // (the topmost, shown over the others); SendToBack moves it to the start.
    void BringToFront();
    void SendToBack();

    // Free slot for a window's own bookkeeping (e.g. a design position).
    int Tag = 0;

protected:
    // Tells the form's observer (if any) that `what` changed. Setters call it only when the
    // value actually changed.
    void Notify(Prop what);
    // True when a person could operate the control now.
    bool AcceptsUser() const { return Usable() && Shown(); }
    // Called after Left/Top/Width/Height changed (a picture box resizes its surface).
    virtual void GeometryChanged() {}
    // Design defaults of a kind, set in its constructor (no notification).
    void InitColors(Color fore, Color back) {
        foreColor_ = fore;
        backColor_ = back;
    }

private:
    ControlKind kind_;
    Form* form_;
    Container* parent_;
    std::string name_;
    int index_;
    int left_ = 0, top_ = 0, width_ = 80, height_ = 20;
    bool visible_ = true;
    bool enabled_ = true;
    Color foreColor_ = SysColor::WindowText;
    Color backColor_ = SysColor::ButtonFace;
    std::string toolTip_;
    FontSpec font_{"Trebuchet MS", 8.0f, false, false};
};

// A control that holds others (frames, picture boxes, and each form's client area). The
// children are kept in z-order: the last one is on top.
class Container {
public:
    virtual ~Container() = default;
    const std::vector<Control*>& Children() const { return children_; }
    // The control this container is, or nullptr for a form's client area.
    virtual Control* AsControl() = 0;

private:
    friend class Control;
    friend class Form;
    std::vector<Control*> children_;
};

// Calls f when it is set.
inline void Raise(const std::function<void()>& f) {
    if (f) f();
}

}  // namespace platform
