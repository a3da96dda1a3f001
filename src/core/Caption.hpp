// One caption for a label of the main window: which label array, which index, the text and,
// where the caption has a colour of its own, the text colour. The display modules build lists
// of these; ui/main/displays/CaptionWriter.hpp writes them into the window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace core {

// The main window's label arrays the display modules write.
enum class LabelArray : uint8_t {
    Analysis_PhysLabel,
    Set_LiveLabel,
    Set_AeroLabel,
    Analysis_SuspLabel,
    Set_SuspLabel,
    Set_SteerLabel,
    Set_TyreLabel,
    Analysis_SteeringLabel,
    Analysis_TyreLabel,
    Analysis_AeroLabel,
    DataLabel,
    Set_GearingLabel,
    GearingLabel,
    GearingRevsPreShift,   // 0..7
    GearingRevsPostShift,  // 1..6
    GearingSpeed,          // 0..7
    GearingSpeedGained,    // 1..6
    GearingRevsDropAbs,    // 1..6
    GearingRevsDropRel,    // 1..6
    GearingReduction,      // 0..7
    GearingCruisingRevs,   // 0..7
    Analysis_AccLabel,
    Analysis_DecLabel,
    Set_BrakeLabel,
};

// The array's name as the window knows it: "Analysis_PhysLabel".
const char* LabelArrayName(LabelArray array);

// Text colour that marks the normal state of a caption: the system's button-text colour.
inline constexpr uint32_t kCaptionButtonText = 0x80000012;

struct Caption {
    LabelArray Array = LabelArray::Analysis_PhysLabel;
    int Index = 0;
    std::string Text;
    // Text colour, set before the text: a colour 0xBBGGRR or a system colour
    // 0x80000000 | index; none leaves the label's colour as it is.
    std::optional<uint32_t> ForeColor;
    bool operator==(const Caption&) const = default;
};

// Refills a caption list in writing order, reusing its elements' strings; the list is cut to
// what was put when the filler goes.
class CaptionFill {
public:
    explicit CaptionFill(std::vector<Caption>& out) : out_(out) {}
    ~CaptionFill() { out_.resize(n_); }
    CaptionFill(const CaptionFill&) = delete;
    CaptionFill& operator=(const CaptionFill&) = delete;

    // The next caption, with its text emptied and no colour, for the caller to fill.
    Caption& Put(LabelArray array, int index) {
        if (n_ == out_.size()) out_.emplace_back();
        Caption& c = out_[n_++];
        c.Array = array;
        c.Index = index;
        c.Text.clear();
        c.ForeColor.reset();
        return c;
    }
    std::string& Text(LabelArray array, int index) { return Put(array, index).Text; }

private:
    std::vector<Caption>& out_;
    std::size_t n_ = 0;
};

// For test messages: Analysis_PhysLabel(3) "60%" [0x0000FF]
std::ostream& operator<<(std::ostream& os, const Caption& c);

}  // namespace core
