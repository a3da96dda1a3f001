// The fuel table: the 13 fuels a vehicle's engine can burn. A vehicle's fuel is an index into
// it (EngineFigures.FuelType); the editor's fuel selector lists the names in table order, so
// the selector's list index is the fuel index. Built once at start-up by InitFuelTypes.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace core {

inline constexpr std::size_t kFuelTypeCount = 13;

struct FuelTypeRecord {
    std::string Name;
    float Density = 0.0f;         // kg per litre
    float EnergyPerLitre = 0.0f;  // J per litre; 0: the fuel is not burnt (no fuel flow)
};

struct FuelTypesState {
    std::array<FuelTypeRecord, kFuelTypeCount> FuelTypes;
};

FuelTypesState& FuelTable();

// Fills the 13 rows. Plain fuels: energy per litre = density x energy per kilogram. Blends are
// mixed by volume from their components' stored values.
void InitFuelTypes();

}  // namespace core
