// What a person would see of one state of the program, looked at for figures no car can have:
// captions of the main window, cells of both run tables' CSV exports, and the drawings of the
// main window's charts. Each problem found is kept as a Finding naming the input that led there,
// the caption, cell or chart, and what it showed.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Units.hpp"

namespace platform {
class PictureBox;
}
namespace ui {
class Main;
}

namespace sweep {

struct Finding {
    std::string input;    // "VW Golf GTI Mk7: BodyMass = 750000"
    std::string where;    // "caption Analysis_PhysLabel(108)", "acceleration CSV column 12", ...
    std::string problem;  // "negative mass", "exponent form", "drawn off its chart", ...
    std::string shown;    // what the program showed
};

// Which quantities each caption shows, by the label's display name ("Analysis_PhysLabel(108)"),
// learnt from the program's own unit table: each quantity's unit is switched in turn and the
// displays redrawn; a caption whose text changes shows that quantity. A caption that shows no
// figure of a unit (a share, a ratio, a name) is in no set.
using CaptionQuantities = std::map<std::string, std::set<core::Quantity>>;
// Adds what the window now shows to `known`; the units are as they were afterwards.
void LearnCaptionQuantities(ui::Main& form, CaptionQuantities& known);

class Checks {
public:
    Checks(const CaptionQuantities& quantities, std::vector<Finding>& out)
        : quantities_(quantities), out_(out) {}

    // Every visible caption: finite, no exponent form, and a meaning for its kind of figure.
    void Captions(const ui::Main& form, const std::string& input);
    // Every cell of both run exports: a finite number (an empty cell stands for one that was
    // not) in plain form.
    void RunTables(const std::string& input);
    // What each picture box's surface has dropped so far; a case looks at what it adds.
    using DroppedCounts = std::map<const platform::PictureBox*, int>;
    static DroppedCounts Dropped(const ui::Main& form);
    // Every shown picture box of the main window, against `before` from Dropped().
    void Pictures(const ui::Main& form, const std::string& input, const DroppedCounts& before);
    // One picture box, drawn for the choice `view`.
    void Picture(const platform::PictureBox& box, const std::string& input,
                 const std::string& view, int droppedBefore);

private:
    void Add(const std::string& input, std::string where, std::string problem, std::string shown) {
        out_.push_back({input, std::move(where), std::move(problem), std::move(shown)});
    }
    const CaptionQuantities& quantities_;
    std::vector<Finding>& out_;
};

// The findings grouped by problem and place, each group with its count and a few inputs, for a
// failure message a person can read; empty when there are none.
std::string GroupedFindings(const std::vector<Finding>& findings, std::size_t examples = 3);

}  // namespace sweep
