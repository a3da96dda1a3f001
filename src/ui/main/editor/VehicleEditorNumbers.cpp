#include "ui/main/editor/VehicleEditorNumbers.hpp"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"

namespace ui {

namespace {

float HeldSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(v)) return 0.0f;
    if (v > kMax) return std::numeric_limits<float>::max();
    if (v < -kMax) return -std::numeric_limits<float>::max();
    return static_cast<float>(v);
}

// Display units of an angular velocity per rpm.
double SpeedFactor() { return core::kRpmToRadPerSec * core::OptionsSettings().UnitFactorARV; }

// The display value rounded to 1, 2, ... 15 significant digits, written as the program writes
// Doubles; the first text whose figure `readBack` turns into `field` again. A Single needs at
// most 9 digits (a few more through a unit factor), so the search ends long before 15; should
// it not, the 15-digit text is the nearest there is.
template <typename ReadBack>
std::string ShortestText(float field, double display, ReadBack readBack) {
    for (int digits = 1; digits < 15; ++digits) {
        char buf[40];
        const auto end =
            std::to_chars(buf, buf + sizeof buf, display, std::chars_format::scientific, digits - 1)
                .ptr;
        double rounded = 0.0;
        std::from_chars(buf, end, rounded);
        const std::string text = core::DoubleText(rounded);
        if (std::bit_cast<uint32_t>(readBack(core::Val(text))) == std::bit_cast<uint32_t>(field))
            return text;
    }
    return core::DoubleText(display);
}

}  // namespace

float StoredSingle(double typed, double unitFactor) { return HeldSingle(typed / unitFactor); }

float StoredRpm(double typed) {
    return HeldSingle(typed / core::kRpmToRadPerSec / core::OptionsSettings().UnitFactorARV);
}

std::string FieldText(float field, double unitFactor) {
    return ShortestText(field, static_cast<double>(field) * unitFactor,
                        [unitFactor](double typed) { return StoredSingle(typed, unitFactor); });
}

std::string SpeedFieldText(float rpm) {
    return ShortestText(rpm, static_cast<double>(rpm) * SpeedFactor(), StoredRpm);
}

}  // namespace ui
