// A vehicle may join the loaded list only when no loaded vehicle's setup files would carry the
// same names as its own (files::ShareSetupFiles): otherwise a setup saved for one would open
// for the other. The editor's store and the vehicle file loader (start-up list included) ask here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The message refusing a vehicle named `name`, naming it and the first loaded vehicle (other
// than the element `except`) whose setup files it would share; "" when there is none.
std::string SetupNameClash(std::string_view name, std::optional<std::size_t> except = std::nullopt);

}  // namespace files
