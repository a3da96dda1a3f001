// The 53 chart-scale sliders of the options window's "Graphs" page and the 37 option groups
// they sit in: the one table of their ranges, steps, value-label formats and group positions.
// The window's layout builds the sliders from it, its handlers write the value labels by it,
// and the options file reader takes a stored scale only inside its slider's range.
//
// A scale is the grid spacing of one chart axis, a whole number in the display unit of the
// plotted quantity (time axes in seconds, the damper-drop time axis in tenths of a second, two
// scales unitless). Every range starts at 1 or more, so a grid step of 0 never reaches a chart.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/OptionsSettings.hpp"
#include "core/Units.hpp"

namespace core {

inline constexpr int kGraphScaleCount = 53;
inline constexpr int kGraphGroupCount = 37;

// How a scale's value label reads.
enum class ScaleLabel : uint8_t {
    Unit,        // the number and the quantity's selected suffix ("20 km/h")
    Time,        // the number and "s" ("10s")
    TimeTenths,  // tenths of a second: the number / 10 and "s" ("0.5s")
    Bare,        // the number alone ("50")
};

// The chart a group's controls redraw.
enum class ScaleChart : uint8_t {
    None, DynoGraph, PhysicalChart, DecGraph, SuspDamperChart, SuspBalance, SuspChart,
    SuspResponseChart, GearingGraph, TyreDiagrams, AeroSpeedChart, AeroForcesChart, AccGraph,
};

struct GraphScaleSlider {
    int16_t OptionsBlock::*Field;  // the option the slider's position is stored in
    std::string_view Slider;       // control name on the options window
    int Item;                      // 0 horizontal, 1 vertical; -1 a slider outside any array
    bool VerticalLabel;            // value label in Label_YUnits, else Label_XUnits
    int Group;                     // OptionsGraphGroup index; also the value label's index
    int16_t Min, Max;              // range
    int16_t SmallChange, LargeChange, TickFrequency;
    ScaleLabel Label;
    Quantity Unit;                 // for ScaleLabel::Unit
};

struct GraphGroup {
    std::string_view Caption;  // "&&" shows one "&"
    int Top;                   // design top on the page, in page pixels
    int Height;                // frame height, pixels
    ScaleChart Redraw;
};

// In the line order of the options file.
std::span<const GraphScaleSlider> GraphScaleSliders();
// Groups 0 to 36.
std::span<const GraphGroup> GraphGroups();
// The slider that stores `field`; nullptr for a field that is no graph scale.
const GraphScaleSlider* FindGraphScale(int16_t OptionsBlock::*field);
// True when `value` lies within the slider's range.
inline bool InScaleRange(const GraphScaleSlider& s, int32_t value) {
    return value >= s.Min && value <= s.Max;
}
// The value label's caption for a scale value in the current units.
std::string GraphScaleLabelText(const GraphScaleSlider& s, int16_t value);

// The power-drop slider of the "Misc" page (GearRevsTopPowerDrop), percent.
struct PlainSliderRange {
    int32_t Min, Max, SmallChange, LargeChange, TickFrequency;
};
inline constexpr PlainSliderRange kPowerDropSlider{1, 20, 1, 5, 1};
// Accepted ranges of the "Misc" page's text boxes (the boxes correct a typed value into them).
inline constexpr int32_t kAreaOffsetXMax = 204;     // pixels
inline constexpr int32_t kAreaOffsetYMax = 148;     // pixels
inline constexpr float kSpeedoErrorMaxPercent = 15.0f;
inline constexpr int32_t kFixedShiftRpmMax = 100000;  // rpm; no engine turns faster

}  // namespace core
