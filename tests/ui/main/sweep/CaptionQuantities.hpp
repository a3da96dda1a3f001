// Which physical quantities each caption of the main window shows, learnt from the program's
// own unit table: every quantity's unit is switched in turn to another row of its list and the
// displays redrawn; a caption whose text changes shows that quantity. A caption that shows no
// figure of a unit (a share, a ratio, a name) is in no set.
#pragma once

#include <map>
#include <set>
#include <string>

#include "core/Units.hpp"

namespace ui {
class Main;
}

namespace sweep {

// By the label's display name, "Analysis_PhysLabel(108)".
using CaptionQuantities = std::map<std::string, std::set<core::Quantity>>;

// The visible labels of the main window with their captions, by display name.
std::map<std::string, std::string> VisibleCaptions(const ui::Main& form);

// Adds what the window now shows to `known`; the units are SI again afterwards.
void LearnCaptionQuantities(ui::Main& form, CaptionQuantities& known);

}  // namespace sweep
