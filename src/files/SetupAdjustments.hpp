// Which settings of a setup file the current vehicle could not take as they are: the values
// the file asked for against the values the setting controls hold after applying it (a slider
// keeps its value inside its range, a list keeps its choice when the file's entry is not
// offered, a locked control follows its leader).
#pragma once

#include <string>
#include <vector>

#include "files/SetupFile.hpp"

namespace files {

// The names of the adjusted settings, in the file's order, each once ("steering lock",
// "front tyre compound", ...). Gear ratios compare by value (to 0.001, the texts' precision);
// the reverse ratio is left out when the vehicle's reverse is fixed (fromFile.ReverseSlider).
std::vector<std::string> AdjustedSetupFields(const SetupControlValues& fromFile,
                                             const SetupControlValues& shown);

// One message naming them, or "" when there are none.
std::string AdjustedSetupMessage(const std::vector<std::string>& fields);

}  // namespace files
