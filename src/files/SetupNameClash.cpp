#include "files/SetupNameClash.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "files/FileHelpers.hpp"

namespace files {

LoadedStemsState& LoadedStems() {
    static LoadedStemsState state;
    return state;
}

namespace {

const std::string& StemOfLoaded(LoadedStemsState& kept, std::size_t i, const std::string& name) {
    if (i >= kept.Names.size()) {
        kept.Names.resize(i + 1);
        kept.Stems.resize(i + 1);
    }
    // A fresh element keeps the empty name, whose stem is the empty text.
    if (kept.Names[i] != name) {
        kept.Names[i] = name;
        kept.Stems[i] = SetupFileStem(name);
    }
    return kept.Stems[i];
}

// A name as typed, padding removed, in quotes: a leading blank stays visible.
std::string Quoted(std::string_view name) { return "\"" + core::TrimRight(name) + "\""; }

}  // namespace

std::vector<std::size_t> VehiclesSharingSetupFiles(std::string_view name,
                                                   std::optional<std::size_t> except) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    const std::string stem = SetupFileStem(name);
    LoadedStemsState& kept = LoadedStems();
    std::vector<std::size_t> sharing;
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        if (i != except && StemOfLoaded(kept, i, vehicles[i].Name) == stem) sharing.push_back(i);
    }
    return sharing;
}

std::string SetupNameClash(std::string_view name, std::optional<std::size_t> except) {
    const std::vector<std::size_t> sharing = VehiclesSharingSetupFiles(name, except);
    return sharing.empty() ? std::string() : SetupNameClashText(name, sharing.front());
}

std::string SetupNameClashText(std::string_view name, std::size_t other) {
    return "The vehicle " + Quoted(name) + " was not taken: its setup files would be named \"" +
           SetupFileStem(name) + "_*.set\", as are those of the loaded vehicle " +
           Quoted(core::GlobalChassisLab().Vehicles[other].Name) + ".";
}

}  // namespace files
