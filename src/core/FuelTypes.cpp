#include "core/FuelTypes.hpp"

namespace core {

namespace {
// The one instance, at namespace scope so its accessor needs no first-use check. Not
// constinit: its table holds std::string names, whose constructor GCC evaluates at compile
// time but clang (with libstdc++ 12) cannot, so there it is initialised before main; nothing
// reads it earlier.
FuelTypesState g_state;
}  // namespace

FuelTypesState& FuelTable() { return g_state; }

namespace {

enum FuelIndex : std::size_t {
    kGasoline = 0, kDiesel, kLpg, kElectric, kEthanol, kE85, kButanol, kAvgas, kMethanol,
    kNitromethane, kNitro90, kNitro50, kPropyleneOxide,
};

FuelTypeRecord Plain(const char* name, float densityKgPerL, double energyJPerKg) {
    return {name, densityKgPerL,
            static_cast<float>(static_cast<double>(densityKgPerL) * energyJPerKg)};
}

// share of a + (1 - share) of b, by volume.
FuelTypeRecord Blend(const char* name, double share, const FuelTypeRecord& a,
                     const FuelTypeRecord& b) {
    return {name, static_cast<float>(share * a.Density + (1.0 - share) * b.Density),
            static_cast<float>(share * a.EnergyPerLitre + (1.0 - share) * b.EnergyPerLitre)};
}

}  // namespace

void InitFuelTypes() {
    auto& f = FuelTable().FuelTypes;
    f[kGasoline] = Plain("Gasoline (Petrol)", 0.73722f, 43800000.0);
    f[kDiesel] = Plain("Diesel", 0.842f, 42500000.0);
    f[kLpg] = Plain("LPG (Autogas)", 0.53822f, 46040000.0);
    f[kElectric] = FuelTypeRecord{"Electric / No Fuel", 0.0f, 0.0f};
    f[kEthanol] = Plain("Ethanol", 0.789f, 26680000.0);
    f[kE85] = Blend("E85", 0.85, f[kEthanol], f[kGasoline]);
    f[kButanol] = Plain("Butanol", 0.8098f, 36000000.0);
    f[kAvgas] = Plain("Aviation Gasoline", 0.73722f, 44800000.0);
    f[kMethanol] = Plain("Methanol", 0.7918f, 19950000.0);
    f[kNitromethane] = Plain("Nitromethane", 1.138f, 11250000.0);
    f[kNitro90] = Blend("Nitromethane (90%)", 0.9, f[kNitromethane], f[kMethanol]);
    f[kNitro50] = Blend("Nitromethane (50%)", 0.5, f[kNitromethane], f[kMethanol]);
    f[kPropyleneOxide] = Plain("Propylene Oxide", 0.828f, 31200000.0);
}

}  // namespace core
