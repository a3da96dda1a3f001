// A vehicle may join the loaded list only when no loaded vehicle's setup files would carry the
// same names as its own (files::ShareSetupFiles): otherwise a setup saved for one would open
// for the other. The editor's name box and store and the vehicle file loader (start-up list
// included) ask here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// The setup file stems of the loaded vehicles, element i beside Vehicles[i] with the name it
// was worked out from. The list only grows and a loaded vehicle keeps its name, so a stem is
// worked out once; a name that differs from the one kept (a list rebuilt) is stemmed again.
struct LoadedStemsState {
    std::vector<std::string> Names;
    std::vector<std::string> Stems;
};
LoadedStemsState& LoadedStems();

// The loaded vehicles (other than the element `except`) whose setup files a vehicle named
// `name` would share, in list order; none when it may join. The name is stemmed once, and each
// loaded vehicle's stem is worked out once and kept beside it, so a start-up list of 200
// vehicles costs 200 stems, not one pair per comparison.
std::vector<std::size_t> VehiclesSharingSetupFiles(
    std::string_view name, std::optional<std::size_t> except = std::nullopt);

// The message refusing a vehicle named `name`, naming it and the first loaded vehicle (other
// than the element `except`) whose setup files it would share; "" when there is none.
std::string SetupNameClash(std::string_view name, std::optional<std::size_t> except = std::nullopt);

// That message for the loaded vehicle `other`.
std::string SetupNameClashText(std::string_view name, std::size_t other);

}  // namespace files
