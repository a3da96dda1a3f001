#include "analysis/RunRefusal.hpp"

#include <array>
#include <string_view>

#include "analysis/PhysicalCode.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/TyreCode.hpp"

namespace analysis {

namespace {

constexpr std::array<std::string_view, 4> kWheelNames{"front left", "front right", "rear left",
                                                      "rear right"};

}  // namespace

std::optional<BottomedTyre> FindBottomedTyre() {
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const auto& loads = PhysicalCode().CornerStaticLoad;
    for (int i = 0; i < 4; ++i) {
        // A copy: the live tyre keeps its live deflection.
        vehicle::TyreState tyre = tyres[static_cast<std::size_t>(i)];
        const float load = loads[static_cast<std::size_t>(i)];
        // A wheel without a sidewall (a rigid wheel), or without a load, is pressed through
        // nothing.
        if (!(tyre.SidewallHeight > 0.0f) || !(load > 0.0f)) continue;
        vehicle::CalcTyreContactPatch(tyre, load);
        if (tyre.Deflection >= tyre.SidewallHeight) return BottomedTyre{i, load, tyre.Pressure};
    }
    return std::nullopt;
}

std::string RunRefusalText() {
    const std::optional<BottomedTyre> t = FindBottomedTyre();
    if (!t) return {};
    return "The acceleration and deceleration runs cannot start: the " +
           std::string(kWheelNames[static_cast<std::size_t>(t->Wheel)]) +
           " tyre is pressed flat through its whole sidewall by its load of " +
           core::UnitValueText(core::Quantity::Force, t->Load) + " at " +
           core::UnitValueText(core::Quantity::Pressure, static_cast<double>(t->Pressure)) +
           ".\r\nRaise its pressure, or fit a tyre that can carry the load.";
}

}  // namespace analysis
