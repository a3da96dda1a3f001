// The unit table: the 21 physical quantities the program shows, and for each the display
// units the user can choose from (name, suffix, factor, decimals).
//
// Every value is held internally in the quantity's base unit (SI, with power in kW and fuel
// economy in litres per metre) and converted only where it is shown or typed:
//   display = internal x factor              (exponent +1, every quantity but two)
//   display = factor / internal              (exponent -1: "Kilograms per kilowatt",
//                                             "Pound per horsepower", "Kilometers per litre",
//                                             "Miles per gallon")
//
// The conversion constants below are the program's own. Some differ on purpose from the exact
// figures (the inch is 39.3900787 per metre in the distance, pressure and stiffness units; the
// pound-force foot is 0.737310284547655 per N m); saved figures and benchmarks depend on them,
// so do not "correct" them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/PhysicalConstants.hpp"

namespace core {

// Quantity index; the order is the one of every per-quantity list of the program.
enum class Quantity : uint8_t {
    Speed = 0,      // m/s
    DistanceSmall,  // m (lengths, deflections, positions)
    DistanceLarge,  // m (run distances)
    Area,           // m^2
    Pressure,       // Pa
    Mass,           // kg
    Force,          // N
    Stiffness,      // N/m
    Acc,            // m/s^2
    Power,          // kW
    Torque,         // N m
    P2W,            // kW/kg (power-to-weight)
    Density,        // kg/m^3
    ARV,            // rad/s (angular velocity)
    MOI,            // kg m^2
    Damping,        // N s/m
    Rot,            // N m/rad (roll stiffness)
    Angle,          // rad
    FuelEcon,       // L/m (fuel used per distance)
    Volume,         // L
    Frequency,      // Hz
};
inline constexpr std::size_t kQuantityCount = 21;

constexpr std::size_t QuantityIndex(Quantity q) { return static_cast<std::size_t>(q); }
constexpr Quantity QuantityAt(std::size_t index) { return static_cast<Quantity>(index); }

// ---- Conversion constants of the unit table (with those of core/PhysicalConstants.hpp) ----
inline constexpr double kKmhPerMs = 3.6;                    // km/h per m/s
inline constexpr double kKmPerMile = 1.609344;              // km per statute mile
inline constexpr double kMetresPerMile = 1609.344;
inline constexpr double kMilesPerNauticalMile = 0.868976;   // statute miles per nautical mile
inline constexpr double kFeetPerMetre = 3.280839895;        // exact foot
inline constexpr double kInchesPerMetreExact = 39.37007874; // exact inch (in/s^2 only)
inline constexpr double kInchesPerMetre = 39.3900787;       // the program's inch (see above)
inline constexpr double kInchesPerMillimetre = 0.0393900787;
inline constexpr double kPoundsPerKg = 2.20462262;
inline constexpr double kGravitySingle = static_cast<double>(static_cast<float>(kGravity));
inline constexpr double kGravityMillSingle = static_cast<double>(9806.65f);  // g x 1000, Single
inline constexpr double kPoundsPerSlug = 32.17404908695518;
inline constexpr double kPoundalsPerKgf = 70.93163639409173;
inline constexpr double kPsiPerAtm = 14.6959494;
inline constexpr double kUkGallonsPerLitre = 0.21996924829908776;
inline constexpr double kUsGallonsPerLitre = 0.264172052358148;
inline constexpr double kTwoPi = 2.0 * kPi;  // 6.283185307178
inline constexpr double kGradiansPerRadian = 22918.311805238714 / 360.0;
inline constexpr double kLbfFtPerNm = 0.737310284547655;
inline constexpr double kHpPerKw = 1.341;         // "Horsepower (original)"
inline constexpr double kPsPerKw = 1.35962;       // "Horsepower (metric)"
inline constexpr double kFtLbfPerSPerKw = 737.55;

// One selectable display unit.
struct UnitRow {
    std::string_view Name;    // as listed in the options window's selector (exact text)
    std::string_view Suffix;  // appended to displayed numbers; UTF-8
    double Factor;            // display value per internal value
    uint8_t Decimals;         // decimals of displayed values
    int16_t Exponent;         // +1: display = internal x factor; -1: display = factor / internal
};

// The selectable units of a quantity, in selector order (index 0 is the SI unit).
std::span<const UnitRow> UnitRows(Quantity q);

}  // namespace core
