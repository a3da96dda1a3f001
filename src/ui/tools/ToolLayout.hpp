// Small building blocks for the tool windows' design-time layouts: a control of a kind at a
// place, a caption label, the colours of an input box that passes or fails its check, and the
// number a box holds.
// Positions are pixels of the containing frame (or of the client area for a null parent).
#pragma once

#include <string>
#include <utility>

#include "core/Numbers.hpp"
#include "platform/Controls.hpp"
#include "platform/Form.hpp"

namespace ui::toolkit {

inline constexpr int kRowPitch = 20;
inline constexpr int kBoxHeight = 18;
inline constexpr int kLabelHeight = 16;
inline constexpr int kButtonHeight = 24;
inline constexpr int kFrameHead = 18;  // room for a frame's caption

// Back colour of an input box that passed its check (the window background) or failed (red).
inline constexpr platform::Color kBoxValid = platform::SysColor::WindowBackground;
inline constexpr platform::Color kBoxInvalid = platform::RGB(255, 0, 0);

inline void MarkBox(platform::TextBox& box, bool valid) {
    box.SetBackColor(valid ? kBoxValid : kBoxInvalid);
}

// The number typed in a box (or picked in a list), read as a typed number, as a Single.
template <typename Control>
float ReadSingle(const Control& box) {
    return static_cast<float>(core::TypedVal(box.Text()));
}

// A single control (index -1) or an element of a control array.
template <typename T, typename... Args>
T& Place(platform::Form& f, const std::string& name, platform::Container* parent, int left,
         int top, int width, int height, Args&&... args) {
    T& c = f.Create<T>(name, parent, -1, std::forward<Args>(args)...);
    c.Move(left, top, width, height);
    return c;
}
template <typename T, typename... Args>
T& PlaceIn(platform::Form& f, platform::ControlArray<T>& arr, const std::string& name, int index,
           platform::Container* parent, int left, int top, int width, int height,
           Args&&... args) {
    T& c = f.CreateIn<T>(arr, name, index, parent, std::forward<Args>(args)...);
    c.Move(left, top, width, height);
    return c;
}

inline platform::Label& LabelAt(platform::Form& f, platform::ControlArray<platform::Label>& arr,
                                const std::string& name, int index, platform::Container* parent,
                                int left, int top, int width, const std::string& text,
                                platform::Align align = platform::Align::Left) {
    platform::Label& l = PlaceIn(f, arr, name, index, parent, left, top, width, kLabelHeight);
    l.SetCaption(text);
    l.SetAlignment(align);
    return l;
}

inline platform::Frame& MakeFrame(platform::Form& f, platform::ControlArray<platform::Frame>& arr,
                                  const std::string& name, int index,
                                  platform::Container* parent, int left, int top, int width,
                                  int height, const std::string& caption) {
    platform::Frame& fr = PlaceIn(f, arr, name, index, parent, left, top, width, height);
    fr.SetCaption(caption);
    return fr;
}

// Twips of the classic desktop to pixels (15 twips a pixel).
constexpr int Px(int twips) { return twips / platform::kTwipsPerPixel; }

}  // namespace ui::toolkit
