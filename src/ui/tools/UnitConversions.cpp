#include "ui/tools/UnitConversions.hpp"

#include <array>

#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/Units.hpp"

namespace tools {

namespace {

constexpr std::array<std::string_view, 4> kDistanceUnits{"cm", "mm", "in", "ft"};
constexpr std::array<std::string_view, 5> kMassUnits{"t", "lb", "Slug", "Tons (Short)",
                                                     "Tons (Long)"};
constexpr std::array<std::string_view, 3> kPowerUnits{"ps", "hp", "ft lbf/s"};
constexpr std::array<std::string_view, 3> kTorqueUnits{"kgfm", "lbf ft", "lbf in"};

constexpr double kPoundsPerShortTon = 2000.0;
constexpr double kPoundsPerLongTon = 2240.0;
constexpr double kInchesPerFoot = 12.0;

// SI value of one typed value, by the unit's position in its list.
double ToSI(ConvQuantity q, std::size_t unit, double x) {
    switch (q) {
        case ConvQuantity::Distance: {
            constexpr std::array<double, 4> perMetre{100.0, 1000.0, core::kInchesPerMetreExact,
                                                     core::kFeetPerMetre};
            return x / perMetre[unit];
        }
        case ConvQuantity::Mass: {
            constexpr std::array<double, 5> kgPer{
                1000.0, 1.0 / core::kPoundsPerKg, core::kPoundsPerSlug / core::kPoundsPerKg,
                kPoundsPerShortTon / core::kPoundsPerKg, kPoundsPerLongTon / core::kPoundsPerKg};
            return x * kgPer[unit];
        }
        case ConvQuantity::Power: {
            constexpr std::array<double, 3> perKw{core::kPsPerKw, core::kHpPerKw,
                                                  core::kFtLbfPerSPerKw};
            return x / perKw[unit];
        }
        case ConvQuantity::Torque:
            if (unit == 0) return x * core::kGravity;
            if (unit == 1) return x / core::kLbfFtPerNm;
            return x / core::kLbfFtPerNm / kInchesPerFoot;
    }
    return 0.0;
}

}  // namespace

std::span<const std::string_view> ConvUnitNames(ConvQuantity q) {
    switch (q) {
        case ConvQuantity::Distance: return kDistanceUnits;
        case ConvQuantity::Mass: return kMassUnits;
        case ConvQuantity::Power: return kPowerUnits;
        case ConvQuantity::Torque: return kTorqueUnits;
    }
    return {};
}

int ConvDecimals(ConvQuantity q) { return q == ConvQuantity::Distance ? 2 : 1; }

std::string_view ConvSuffix(ConvQuantity q) {
    switch (q) {
        case ConvQuantity::Distance: return " m";
        case ConvQuantity::Mass: return " kg";
        case ConvQuantity::Power: return " kW";
        case ConvQuantity::Torque: return " Nm";
    }
    return {};
}

std::optional<float> ConvertToSI(ConvQuantity q, std::string_view unit, float value) {
    const auto names = ConvUnitNames(q);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == unit) return static_cast<float>(ToSI(q, i, value));
    return std::nullopt;
}

std::optional<std::string> ConversionText(ConvQuantity q, std::string_view unit, float value) {
    const std::optional<float> si = ConvertToSI(q, unit, value);
    if (!si) return std::nullopt;
    return "is " + core::RoundedText(*si, ConvDecimals(q)) +
           std::string(ConvSuffix(q));
}

TyreSizeChecks CheckTyreSize(double widthMm, double heightMm, double rimMm) {
    TyreSizeChecks c;
    c.Width = widthMm >= kNarrowestTyreMm;
    c.Height = heightMm >= kSmallestTyreMm && rimMm <= heightMm;
    c.Rim = rimMm >= kSmallestRimMm && heightMm >= rimMm;
    return c;
}

std::string TyreSizeText(double widthMm, double heightMm, double rimMm) {
    const int16_t height = core::CInt(heightMm);
    const int16_t width = core::CInt(widthMm);
    const int16_t rim = core::CInt(rimMm);
    const int16_t sidewalls = core::CInt(static_cast<double>(height) - rim);  // both sidewalls
    const int16_t profile = width != 0 ? core::CInt(sidewalls / 2.0 / width * 100.0) : 0;
    const float rimInches = core::RoundToDecimals(
        static_cast<float>(rim / 1000.0 * core::kFeetPerMetre * kInchesPerFoot), 1);
    return std::to_string(width) + " / " + std::to_string(profile) + " R" +
           core::SingleText(rimInches);
}

}  // namespace tools
