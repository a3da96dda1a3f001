// Building blocks of the main window's design-time layout: make a control of a kind at a place,
// put labels in rows and columns, and the common sizes. Used only by the MainLayout*.cpp units.
//
// All positions are pixels of the containing frame. A caption row is kRowPitch pixels high;
// slider rows are kSliderPitch high. Frames leave kFrameHead pixels for their caption.
#pragma once

#include <initializer_list>
#include <string>

#include "ui/main/form/Main.hpp"
#include "core/SliderRanges.hpp"

// Passes a member and its name, so a control is always registered under its member's name.
#define CTL(member) member, #member

namespace ui::layout {

inline constexpr int kRowPitch = 18;     // caption rows
inline constexpr int kLabelHeight = 16;  // one line of 8 pt text
inline constexpr int kSliderPitch = 28;  // rows that hold a slider
inline constexpr int kSliderHeight = 24;
inline constexpr int kSliderWidth = 150;
inline constexpr int kFrameHead = 18;    // room for a frame's caption
inline constexpr int kBoxHeight = 20;    // text boxes and drop-downs
inline constexpr int kButtonHeight = 24;

// Design-time range, start value and steps of a slider, from the one table of them.
using SliderDesign = core::SliderDesign;
using SliderRange = core::SliderDesign;
namespace design = core::design;

platform::Frame& MakeFrame(Main& w, platform::ControlArray<platform::Frame>& arr,
                           const char* name, int index, platform::Container* parent, int left,
                           int top, int width, int height, const std::string& caption,
                           bool border = true);
platform::Frame& MakeFrame(Main& w, platform::Frame*& member, const char* name,
                           platform::Container* parent, int left, int top, int width, int height,
                           const std::string& caption, bool border = true);

platform::Label& MakeLabel(Main& w, platform::ControlArray<platform::Label>& arr,
                           const char* name, int index, platform::Container* parent, int left,
                           int top, int width, const std::string& caption = {},
                           platform::Align align = platform::Align::Left);

// A single control of any kind at a place; the kind's constructor arguments follow.
template <typename T, typename... Args>
T& Make(Main& w, T*& member, const char* name, platform::Container* parent, int left, int top,
        int width, int height, Args&&... args) {
    T& c = w.Create<T>(name, parent, -1, std::forward<Args>(args)...);
    c.Move(left, top, width, height);
    member = &c;
    return c;
}

// One element of a control array at a place.
template <typename T, typename... Args>
T& MakeIn(Main& w, platform::ControlArray<T>& arr, const char* name, int index,
          platform::Container* parent, int left, int top, int width, int height,
          Args&&... args) {
    T& c = w.CreateIn<T>(arr, name, index, parent, std::forward<Args>(args)...);
    c.Move(left, top, width, height);
    return c;
}

void ApplyRange(platform::Slider& s, const SliderRange& r);

// Columns of a caption table: the title at `left`, then value k at valueLeft + k * valueStep.
struct Columns {
    int left;        // title's left
    int titleWidth;  // title's width
    int valueLeft;   // first value's left
    int valueWidth;
    int valueStep;
};

// A row: title label (titleIndex < 0: none) and value labels of the same array in columns
// (an index below 0 leaves that column empty).
void Row(Main& w, platform::ControlArray<platform::Label>& arr, const char* name,
         platform::Container* parent, int top, const Columns& c, int titleIndex,
         const std::string& title, std::initializer_list<int> values,
         platform::Align valueAlign = platform::Align::Left);

// Column headings over the value columns of `c` (index < 0 skipped).
void Headings(Main& w, platform::ControlArray<platform::Label>& arr, const char* name,
              platform::Container* parent, int top, const Columns& c,
              std::initializer_list<std::pair<int, const char*>> headings);

}  // namespace ui::layout
