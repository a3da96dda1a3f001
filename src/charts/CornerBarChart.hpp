// The corner bar chart (one bar per wheel, optionally comparing two values per wheel) and the
// balance bar (a front/rear share drawn about its centre, "Understeer" to "Oversteer").
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Surface.hpp"

namespace charts {

// The wheel drawn at each bar position, left to right: rear left, rear right, front left, front
// right (wheels 0 front left, 1 front right, 2 rear left, 3 rear right).
inline constexpr std::array<uint8_t, 4> CornerBarOrder = {2, 3, 0, 1};

// Bar layouts of DrawCornerBarChart.
enum : uint8_t {
    kBarsSingle = 0,    // value k, red
    kBarsOverlay = 1,   // value k blue, then value k + 4 green over it
    kBarsCompare = 2,   // value k blue, a green cap where value k + 4 exceeds it, a red top
                        // section where it falls short
};

// Whole-twip geometry of the bars (halves rounded to even): four slots across the width less
// the 15-twip margin, each bar slot / 1.75 wide, centred in its slot.
struct CornerBarGeometry {
    int32_t Slot = 0;
    int32_t BarWidth = 0;
    int32_t Gap = 0;
};
CornerBarGeometry CornerBars(float scaleWidth);

// values[k] and values[k + 4] are wheel k's two values, in the unit of yScale (twips per unit)
// and yStep (units between grid lines). Horizontal grid, y title, and the four corner labels
// reading upwards. A mode outside 0..2 draws no bars. Leaves DrawWidth at 3. A yScale that is
// not a finite number draws no bars.
void DrawCornerBarChart(platform::Surface& s, const std::array<float, 8>& values, float yScale,
                        float yStep, const std::string& yTitle, const std::string& yUnit,
                        uint8_t mode);

// The balance of a share v near 0.5: a light background (red above 0.5025, blue below 0.4925,
// green between), a bar from the centre to the point dividing the width in the ratio v (red
// from 0.5 up, blue below), ten tenths and the centre line in black, and the words
// "Understeer" and "Oversteer". v not a finite number draws the background and ticks only.
// DrawWidth is left as it was.
void DrawBalanceBar(platform::Surface& s, float v);

}  // namespace charts
