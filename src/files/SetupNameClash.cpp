#include "files/SetupNameClash.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "files/FileHelpers.hpp"

namespace files {

namespace {

// A name as typed, padding removed, in quotes: a leading blank stays visible.
std::string Quoted(std::string_view name) { return "\"" + core::TrimRight(name) + "\""; }

}  // namespace

std::string SetupNameClash(std::string_view name, std::optional<std::size_t> except) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        if (i == except || !ShareSetupFiles(name, vehicles[i].Name)) continue;
        return "The vehicle " + Quoted(name) + " was not taken: its setup files would be named \"" +
               SetupFileStem(name) + "_*.set\", as are those of the loaded vehicle " +
               Quoted(vehicles[i].Name) + ".";
    }
    return {};
}

}  // namespace files
