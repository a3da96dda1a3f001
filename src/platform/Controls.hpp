// The control kinds a window is built from, with the properties and events the program uses.
// Event rules (see Control.hpp for dispatch):
//  - A value written by code raises its event only when the value changes, except: setting a
//    drop-down's Text to one of its items, or its ListIndex, selects it and raises Click every
//    time; setting an option button's Value to true raises Click every time and clears the
//    other option buttons of the same container.
//  - Slider: a user drag raises Scroll, a user click raises Change then Click, the settled
//    value after a drag raises Change; a code write raises Change only. A Value written
//    outside [Min, Max] is clamped and counted (ClampCount and the program-wide
//    SliderClampTotal). A Min or Max write that leaves Value outside the new range moves it
//    in and raises Change (not counted: the range moved, the value was not wrong). The range
//    is never empty: Min written above Max raises Max to it, Max written below Min lowers Min.
//  - Scroll bar: a drag raises Scroll, the release Change, an arrow or page step Change; a
//    code write raises Change. Min above Max is allowed (a reversed bar).
//  - Text box: KeyPress before each typed character, then Change; a code write raises Change.
//  - Check box: a code write that changes Value raises Click.
//  - Tab strip: selecting a tab from code raises Click as a user's click does.
//  - User actions (User...) on a disabled or hidden control, or one inside a disabled or
//    hidden container, raise nothing and change nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Control.hpp"
#include "platform/Surface.hpp"

namespace platform {

enum class Align { Left, Right, Center };

class Label : public Control {
public:
    Label(Form& f, Container* p, std::string name, int index);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& text);  // "&&" shows one "&"
    Align Alignment() const { return align_; }
    void SetAlignment(Align a);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);
    // BackStyle 0 (true) or 1, opaque in BackColor (false). Labels here start transparent,
    // unlike the classic desktop's opaque button-face default: the window layouts overlap
    // some labels with frame borders (a value row's label reaches into the frame's bottom
    // edge), and opaque labels paint those borders away, while a transparent label on a
    // button-face background looks the same as an opaque one. BackColor still starts as the
    // button face, so SetTransparent(false) gives the classic look.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    bool Border() const { return border_; }
    void SetBorder(bool b);

    std::function<void()> Click;
    std::function<void()> DblClick;
    void UserClick();
    void UserDblClick();

private:
    std::string caption_;
    Align align_ = Align::Left;
    bool wordWrap_ = false;
    bool transparent_ = true;
    bool border_ = false;
};

// Key codes a KeyPress handler sees.
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;

// The text is UTF-8 with CR LF line breaks; SelStart and SelLength are byte offsets into it
// that always lie on character boundaries (never inside a multi-byte character or between
// the CR and LF of a line break).
class TextBox : public Control {
public:
    TextBox(Form& f, Container* p, std::string name, int index);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& t);  // raises Change when the text changes
    // 0: no limit. Limits typing only, in characters (code points; a line break counts 2).
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    // Clamped to the text and moved back to the start of the character it falls in; clears
    // the selection length.
    void SetSelStart(int s);
    // Clamped to the text after SelStart; an end inside a character takes the whole of it.
    void SetSelLength(int n);
    bool Locked() const { return locked_; }
    void SetLocked(bool l);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool m);
    Align Alignment() const { return align_; }
    void SetAlignment(Align a);

    std::function<void()> Change;
    // Raised before each typed character with its code: the ASCII code for ASCII, the
    // Unicode code point for any other character ("é" 233, "€" 8364), 8 for Backspace, 13
    // for Return. The handler may set another code (whose character is inserted instead, as
    // UTF-8) or 0 (or less) to drop the key.
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    // A person types UTF-8 text at the caret (replacing the selection), one character (code
    // point) at a time: each raises KeyPress once, then, unless dropped, is inserted
    // (MaxLength permitting, not when Locked) and raises Change. A byte that is not part of
    // well-formed UTF-8 types nothing. A CR types Return.
    void UserType(const std::string& chars);
    // One key by its code, as above. Backspace deletes the selection, or else the character
    // before the caret (a CR LF line break as a whole); Return inserts a CR LF line break in
    // a multi-line box and nothing in a single-line one; other control codes (below 32, 127
    // to 159), and codes that are no character (surrogates, beyond U+10FFFF), insert nothing.
    void UserKey(int keyAscii);
    // A person pastes, drops or commits (an input method) UTF-8 text at the caret, replacing
    // the selection: one edit. A one-line box takes the first line only; in a multi-line box
    // each line break (CR LF, LF or CR) is a Return. Every other character raises KeyPress
    // as typing it would, and the handler may change or drop it; control characters raise
    // nothing and insert nothing, nor do malformed bytes. MaxLength applies character by
    // character and Locked as a whole, as to typing. The text then changes once, the caret
    // stands after what went in, and Change is raised once; none when the text is the same.
    void UserInsert(const std::string& chars);
    void UserFocus();
    void UserLeave();

private:
    // The selection as byte offsets on whole characters, as it stands now (a KeyPress handler
    // may have moved it).
    std::pair<std::size_t, std::size_t> SelectedRange() const;
    // How many characters may replace [start, end) under MaxLength.
    int RoomFor(std::size_t start, std::size_t end) const;
    // The person's edit: [start, end) gives way to `insert`, the caret follows it, Change.
    void ReplaceByUser(std::size_t start, std::size_t end, const std::string& insert);

    std::string text_;
    int maxLength_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    bool locked_ = false;
    bool multiLine_ = false;
    Align align_ = Align::Left;
};

enum class ComboStyle { DropdownCombo = 0, SimpleCombo = 1, DropdownList = 2 };

class ComboBox : public Control {
public:
    ComboBox(Form& f, Container* p, std::string name, int index);
    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle s);
    void AddItem(const std::string& item, int index = -1);  // -1: at the end
    void RemoveItem(int index);
    void Clear();  // no items, ListIndex -1, empty text
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;
    void SetList(int index, const std::string& item);
    int ListIndex() const { return listIndex_; }
    // Selects item i and raises Click every time (also when it is already selected);
    // -1 clears the selection (and, for a drop-down list, the text) without an event.
    void SetListIndex(int i);
    const std::string& Text() const { return text_; }
    // Text equal to an item selects it and raises Click every time. Other text: a drop-down
    // list changes nothing; an editable combo takes the text, deselects, and raises Change
    // when the text changed.
    void SetText(const std::string& t);
    int FindItem(const std::string& t) const;  // first exact match, -1 when none

    std::function<void()> Click;
    std::function<void()> Change;
    void UserSelect(int index);              // raises Click
    void UserType(const std::string& text);  // editable combos only: replaces text, Change

private:
    ComboStyle style_ = ComboStyle::DropdownList;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
};

class CheckBox : public Control {
public:
    CheckBox(Form& f, Container* p, std::string name, int index);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int Value() const { return value_; }  // 0 unchecked, 1 checked, 2 grayed
    // Raises Click when the value changes; a value other than 0, 1, 2 is ignored.
    void SetValue(int v);
    std::function<void()> Click;
    void UserClick();  // 0 -> 1, 1 or 2 -> 0, raises Click

private:
    std::string caption_;
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form& f, Container* p, std::string name, int index);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Value() const { return value_; }
    // true: clears the other option buttons of the same container (whatever their names or
    // arrays), then raises Click (every time); false: clears this one, no event.
    void SetValue(bool v);
    std::function<void()> Click;
    // Selects it (clearing the others) and raises Click; a click on the option already
    // selected changes nothing and raises nothing.
    void UserClick();

private:
    std::string caption_;
    bool value_ = false;
};

class CommandButton : public Control {
public:
    CommandButton(Form& f, Container* p, std::string name, int index);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    std::function<void()> Click;
    void UserClick();

private:
    std::string caption_;
};

enum class Orientation { Horizontal, Vertical };

// The number of slider values clamped into range since start (all sliders together), so
// tests can assert that none was clamped where none is expected.
int64_t SliderClampTotal();
void ResetSliderClampTotal();

// What a slider and a scroll bar share: a value in a range with small and large steps, the
// settled value (the one Change was last raised for), and the Scroll and Change events.
class RangeControl : public Control {
public:
    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    int32_t Value() const { return value_; }
    int32_t SmallChange() const { return smallChange_; }
    int32_t LargeChange() const { return largeChange_; }
    void SetSmallChange(int32_t v);
    void SetLargeChange(int32_t v);

    std::function<void()> Scroll;
    std::function<void()> Change;
    void UserDrag(int32_t v);  // thumb moved to v (clamped): Scroll
    void UserRelease();        // thumb let go: Change when the value moved since settled

protected:
    RangeControl(ControlKind kind, Form& f, Container* p, std::string name, int index,
                 int32_t max, int32_t largeChange);
    virtual int32_t Clamp(int32_t v) const = 0;
    // Settles on c (clamped already): raises Change when the value moved.
    void SettleAt(int32_t c);
    // After a range write: moves the value into the range, raising Change.
    void FollowRange() {
        const int32_t c = Clamp(value_);
        if (c != value_) SettleAt(c);
    }
    int32_t min_ = 0, max_, value_ = 0;
    int32_t settled_ = 0;  // value when Change was last raised
    int32_t smallChange_ = 1, largeChange_;
};

class Slider : public RangeControl {
public:
    Slider(Form& f, Container* p, std::string name, int index);
    void SetMin(int32_t v);  // moves Value into range (raising Change) when needed
    void SetMax(int32_t v);
    void SetValue(int32_t v);  // clamped (and counted); raises Change when it changes
    int32_t TickFrequency() const { return tickFrequency_; }
    void SetTickFrequency(int32_t v);
    Orientation GetOrientation() const { return orientation_; }
    void SetOrientation(Orientation o);
    int ClampCount() const { return clampCount_; }

    std::function<void()> Click;
    void UserClickAt(int32_t v);  // click on the track: value v, Change (if moved), Click

private:
    int32_t Clamp(int32_t v) const override;
    int32_t tickFrequency_ = 1;
    Orientation orientation_ = Orientation::Horizontal;
    int clampCount_ = 0;
};

class ScrollBar : public RangeControl {
public:
    ScrollBar(Form& f, Container* p, std::string name, int index, Orientation o);
    void SetMin(int32_t v);
    void SetMax(int32_t v);
    void SetValue(int32_t v);  // clamped; raises Change when it changes
    Orientation GetOrientation() const { return orientation_; }
    // Arrow or page click: delta towards Max (negative: towards Min), Change when it moved.
    void UserStep(int32_t delta);

private:
    int32_t Clamp(int32_t v) const override;  // a reversed bar (Min above Max) is allowed
    Orientation orientation_;
};

class Frame : public Control, public Container {
public:
    Frame(Form& f, Container* p, std::string name, int index);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Border() const { return border_; }
    void SetBorder(bool b);
    Control* AsControl() override { return this; }

private:
    std::string caption_;
    bool border_ = true;
};

// The width in pixels of a bordered picture box's sunken border, on each side.
inline constexpr int kPictureBorderPixels = 2;

class PictureBox : public Control, public Container {
public:
    PictureBox(Form& f, Container* p, std::string name, int index);
    // Drawing in twips; the surface's pixel size is the box's inner size (InnerWidth x
    // InnerHeight), so ScaleWidth and ScaleHeight leave the border out and a chart drawn to
    // them ends inside the box. The surface follows every change of size or border. The box
    // owns the surface's Changed hook (it notifies Prop::Surface); do not replace it.
    Surface& Surf() { return surface_; }
    const Surface& Surf() const { return surface_; }
    bool Border() const { return border_; }
    void SetBorder(bool b);  // also resizes the surface
    // The area inside the border, pixels (Width and Height less 2 x kPictureBorderPixels
    // when bordered; never negative). The surface's (0,0) and the children's (0,0) are its
    // top-left corner.
    int InnerWidth() const;
    int InnerHeight() const;
    Control* AsControl() override { return this; }

    std::function<void()> Click;
    std::function<void()> DblClick;
    void UserClick();
    void UserDblClick();

protected:
    void GeometryChanged() override;

private:
    Surface surface_;
    bool border_ = true;
};

class Image : public Control {
public:
    Image(Form& f, Container* p, std::string name, int index);
    const Picture& GetPicture() const { return picture_; }
    // Loads through the picture service; on failure the old picture stays and false returns.
    bool LoadPicture(const std::string& path);
    void ClearPicture();
    bool Stretch() const { return stretch_; }
    void SetStretch(bool s);
    std::function<void()> Click;
    void UserClick();

private:
    Picture picture_;
    bool stretch_ = true;
};

class TabStrip : public Control {
public:
    TabStrip(Form& f, Container* p, std::string name, int index);
    void AddTab(const std::string& caption);  // "&&" shows one "&"
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    const std::string& TabCaption(int tab) const;  // tabs are numbered from 1
    int SelectedTab() const { return selected_; }   // 1-based; 0 when there are no tabs
    // Selects the tab and raises Click, as a user's click does (also when already selected).
    void SelectTab(int tab);
    std::function<void()> Click;
    void UserSelect(int tab);

private:
    std::vector<std::string> tabs_;
    int selected_ = 0;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& f, Container* p, std::string name, int index);
    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    int32_t Value() const { return value_; }
    void SetMin(int32_t v);
    void SetMax(int32_t v);
    void SetValue(int32_t v);  // clamped into [Min, Max]; the range is never empty (as Slider)

private:
    int32_t min_ = 0, max_ = 100, value_ = 0;
};

struct ListColumn {
    std::string text;
    int width = 80;  // pixels
};

struct ListItem {
    std::string text;
    std::vector<std::string> subItems;  // subItems[0] is the second column
    bool selected = false;
};

// What one notification of a list view's items (Prop::Items) or selection (Prop::Selection)
// was about: a front end that keeps a copy of the list brings it up to date by that change
// alone, not by copying the whole list again at each row or cell a handler writes.
struct ListChange {
    enum class Kind {
        Whole,    // anything may have changed (with Prop::Selection: any item's selection)
        Columns,  // the columns' texts or widths; the items are as they were
        Added,    // `item` was added at the end
        Removed,  // `item` was removed; the items after it moved up by one
        Text,     // `item`'s text in `column` (0: the item's own text, from 1: a sub-item)
        Selected  // `item` was selected or deselected
    };
    Kind kind = Kind::Whole;
    int item = 0;  // 1-based
    int column = 0;
};

// A list view in report mode: columns, then items numbered from 1 with sub-items.
class ListView : public Control {
public:
    ListView(Form& f, Container* p, std::string name, int index);
    void AddColumn(const std::string& text, int width);
    void ClearColumns();
    const std::vector<ListColumn>& Columns() const { return columns_; }
    int AddItem(const std::string& text);  // returns the new item's 1-based index
    void RemoveItem(int item);
    void ClearItems();
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const ListItem& Item(int item) const;  // 1-based
    void SetItemText(int item, const std::string& text);
    void SetSubItem(int item, int column, const std::string& text);  // column >= 1
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool m);
    void SetSelected(int item, bool selected);  // no event
    std::vector<int> SelectedItems() const;
    // What the latest notification of the items or the selection was about.
    const ListChange& LastChange() const { return lastChange_; }

    std::function<void(int item)> ItemClick;
    std::function<void()> DblClick;
    // A click on an item: without extend, only it is selected; with extend (multi-select),
    // it toggles. Raises ItemClick.
    void UserClickItem(int item, bool extend = false);
    void UserDblClick();

private:
    void Changed(Prop what, ListChange change);

    std::vector<ListColumn> columns_;
    std::vector<ListItem> items_;
    bool multiSelect_ = false;
    ListChange lastChange_;
};

// A periodic timer. The front end drives it from a real clock; tests call Tick by hand.
class Timer : public Control {
public:
    Timer(Form& f, Container* p, std::string name, int index);
    int Interval() const { return interval_; }  // milliseconds; 0 stops it
    void SetInterval(int ms);
    bool TimerEnabled() const { return Enabled(); }
    std::function<void()> TimerEvent;
    // One elapsed interval: raises TimerEvent when enabled with an interval above 0.
    void Tick();

private:
    int interval_ = 0;
};

// A menu entry: top-level menus hold entries, entries may hold sub-entries.
class MenuItem {
public:
    MenuItem(Form& f, MenuItem* parent, std::string name, int index, std::string caption);
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    MenuItem* Parent() const { return parent_; }
    const std::string& Caption() const { return caption_; }  // "&" marks the mnemonic
    void SetCaption(const std::string& c);
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    const std::string& Shortcut() const { return shortcut_; }  // "Ctrl+O", "F5", ""
    void SetShortcut(const std::string& s);
    bool IsSeparator() const { return caption_ == "-"; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    MenuItem& AddItem(std::string name, int index, std::string caption);
    // Removes a sub-entry (menu arrays shrink at run time).
    void RemoveItem(const MenuItem& item);

    std::function<void()> Click;
    void UserClick();  // nothing when disabled or hidden

private:
    void Notify();
    Form* form_;
    MenuItem* parent_;
    std::string name_;
    int index_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// Strips "&" mnemonic marks: "&File" -> "File", "A && B" -> "A & B".
std::string StripMnemonic(const std::string& caption);

// The caption that shows `text` as it is, with no mnemonic: each "&" doubled, "Ben & Jerry" ->
// "Ben && Jerry" (StripMnemonic gives `text` back).
std::string LiteralCaption(std::string_view text);

// A control array: controls of one name by index, with gaps. A missing index is a
// programming error.
template <typename T>
class ControlArray {
public:
    T& operator()(int index) const;
    T& operator[](int index) const { return (*this)(index); }
    bool Has(int index) const { return items_.count(index) != 0; }
    void Put(int index, T& control) { items_[index] = &control; }
    int Count() const { return static_cast<int>(items_.size()); }
    int LowerBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UpperBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::vector<int> Indexes() const {
        std::vector<int> out;
        for (const auto& kv : items_) out.push_back(kv.first);
        return out;
    }
    template <typename F>
    void ForEach(F&& f) const {
        for (const auto& kv : items_) f(kv.first, *kv.second);
    }

private:
    std::map<int, T*> items_;
};

void ReportMissingIndex(const char* what, int index);  // asserts / aborts with a message

template <typename T>
T& ControlArray<T>::operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end()) ReportMissingIndex("control array", index);
    return *it->second;
}

}  // namespace platform
