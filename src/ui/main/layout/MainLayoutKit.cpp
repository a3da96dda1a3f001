// Building blocks of the main window's layout (see MainLayout.hpp).
#include "ui/main/layout/MainLayout.hpp"

#include <algorithm>

namespace ui::layout {

using platform::Align;
using platform::Container;
using platform::ControlArray;
using platform::Frame;
using platform::Label;

Frame& MakeFrame(Main& w, ControlArray<Frame>& arr, const char* name, int index,
                 Container* parent, int left, int top, int width, int height,
                 const std::string& caption, bool border) {
    Frame& f = MakeIn(w, arr, name, index, parent, left, top, width, height);
    f.SetCaption(caption);
    f.SetBorder(border);
    return f;
}

Frame& MakeFrame(Main& w, Frame*& member, const char* name, Container* parent, int left,
                 int top, int width, int height, const std::string& caption, bool border) {
    Frame& f = Make(w, member, name, parent, left, top, width, height);
    f.SetCaption(caption);
    f.SetBorder(border);
    return f;
}

Label& MakeLabel(Main& w, ControlArray<Label>& arr, const char* name, int index,
                 Container* parent, int left, int top, int width, const std::string& caption,
                 Align align) {
    Label& l = MakeIn(w, arr, name, index, parent, left, top, width, kLabelHeight);
    l.SetCaption(caption);
    l.SetAlignment(align);
    return l;
}

void ApplyRange(platform::Slider& s, const SliderRange& r) {
    // Widen first so the start value never has to be clamped on the way.
    s.SetMin(std::min(s.Min(), r.min));
    s.SetMax(std::max(s.Max(), r.max));
    s.SetValue(r.value);
    s.SetMin(r.min);
    s.SetMax(r.max);
    s.SetSmallChange(r.smallStep);
    s.SetLargeChange(r.largeStep);
    s.SetTickFrequency(std::max(1, (r.max - r.min) / 10));
}

void Row(Main& w, ControlArray<Label>& arr, const char* name, Container* parent, int top,
         const Columns& c, int titleIndex, const std::string& title,
         std::initializer_list<int> values, Align valueAlign) {
    if (titleIndex >= 0) MakeLabel(w, arr, name, titleIndex, parent, c.left, top, c.titleWidth, title);
    int k = 0;
    for (int v : values) {
        if (v >= 0)
            MakeLabel(w, arr, name, v, parent, c.valueLeft + k * c.valueStep, top, c.valueWidth, {},
                      valueAlign);
        ++k;
    }
}

void Headings(Main& w, ControlArray<Label>& arr, const char* name, Container* parent, int top,
              const Columns& c, std::initializer_list<std::pair<int, const char*>> headings) {
    int k = 0;
    for (const auto& h : headings) {
        if (h.first >= 0) {
            Label& l = MakeLabel(w, arr, name, h.first, parent, c.valueLeft + k * c.valueStep, top,
                                 c.valueWidth, h.second);
            l.SetFontBold(true);
        }
        ++k;
    }
}

}  // namespace ui::layout
