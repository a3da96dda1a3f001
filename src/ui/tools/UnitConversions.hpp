// The quick unit converter's conversions as plain functions: a typed distance, mass, power or
// torque in a common non-SI unit to the SI unit the program works in, and a metric tyre size
// (three lengths in mm) to the width / profile R rim-inches notation.
//
// The factors are the program's own (core/Units.hpp): the exact foot and inch here, and the
// pound-force foot of 0.737310284547655 per N m.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tools {

enum class ConvQuantity : uint8_t { Distance, Mass, Power, Torque };

// The unit names of a quantity, in list order ("cm", "mm", "in", "ft" for distance, ...).
std::span<const std::string_view> ConvUnitNames(ConvQuantity q);
// Decimals of the result and its SI suffix (" m", " kg", " kW", " Nm").
int ConvDecimals(ConvQuantity q);
std::string_view ConvSuffix(ConvQuantity q);

// The value in SI, or nothing when `unit` names none of the quantity's units (exact match,
// case matters). Single precision.
std::optional<float> ConvertToSI(ConvQuantity q, std::string_view unit, float value);
// "is 2.5 m": the result rounded to the quantity's decimals, or nothing for an unknown unit.
std::optional<std::string> ConversionText(ConvQuantity q, std::string_view unit, float value);

// ---- Tyre size ----
inline constexpr int kNarrowestTyreMm = 50;
inline constexpr int kSmallestTyreMm = 150;  // overall diameter
inline constexpr int kSmallestRimMm = 100;

// Which of the three tyre boxes pass: width >= 50; height >= 150 and not below the rim;
// rim >= 100 and not above the height. Values as read from the boxes.
struct TyreSizeChecks {
    bool Width = false, Height = false, Rim = false;
    bool All() const { return Width && Height && Rim; }
};
TyreSizeChecks CheckTyreSize(double widthMm, double heightMm, double rimMm);

// "205 / 50 R15" from the width, the overall diameter and the rim diameter (mm, rounded half to
// even to whole millimetres). Only for sizes that pass every check (a width of 0 would divide
// by zero).
std::string TyreSizeText(double widthMm, double heightMm, double rimMm);

}  // namespace tools
