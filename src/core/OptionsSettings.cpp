#include "core/OptionsSettings.hpp"

#include <cmath>

#include <array>

#include "core/GlobalShared.hpp"

namespace core {

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit OptionsSettingsState g_state;
}  // namespace

OptionsSettingsState& OptionsSettings() { return g_state; }

namespace {

struct SlotMembers {
    uint8_t UnitSystem::*index;
    uint8_t UnitSystem::*decimals;
    double UnitSystem::*factor;
    TextList UnitSystem::*names;
    TextList UnitSystem::*suffixes;
};

#define CHASSISLAB_UNIT_SLOT(Q)                                                     \
    SlotMembers {                                                                   \
        &UnitSystem::UnitIndex##Q, &UnitSystem::UnitDecimals##Q,                    \
            &UnitSystem::UnitFactor##Q, &UnitSystem::UnitNames##Q,                  \
            &UnitSystem::UnitSuffixes##Q                                            \
    }

// In Quantity order.
const std::array<SlotMembers, kQuantityCount> kSlots = {
    CHASSISLAB_UNIT_SLOT(Speed),     CHASSISLAB_UNIT_SLOT(DistanceSmall),
    CHASSISLAB_UNIT_SLOT(DistanceLarge), CHASSISLAB_UNIT_SLOT(Area),
    CHASSISLAB_UNIT_SLOT(Pressure),  CHASSISLAB_UNIT_SLOT(Mass),
    CHASSISLAB_UNIT_SLOT(Force),     CHASSISLAB_UNIT_SLOT(Stiffness),
    CHASSISLAB_UNIT_SLOT(Acc),       CHASSISLAB_UNIT_SLOT(Power),
    CHASSISLAB_UNIT_SLOT(Torque),    CHASSISLAB_UNIT_SLOT(P2W),
    CHASSISLAB_UNIT_SLOT(Density),   CHASSISLAB_UNIT_SLOT(ARV),
    CHASSISLAB_UNIT_SLOT(MOI),       CHASSISLAB_UNIT_SLOT(Damping),
    CHASSISLAB_UNIT_SLOT(Rot),       CHASSISLAB_UNIT_SLOT(Angle),
    CHASSISLAB_UNIT_SLOT(FuelEcon),  CHASSISLAB_UNIT_SLOT(Volume),
    CHASSISLAB_UNIT_SLOT(Frequency),
};

#undef CHASSISLAB_UNIT_SLOT

// The presets, in the order in which their selections are applied.
struct PresetRow {
    Quantity quantity;
    std::array<std::string_view, 3> names;  // "SI", "Metric", "Imperial"
};

constexpr std::array<PresetRow, kQuantityCount> kPresets = {{
    {Quantity::DistanceSmall, {"Metres", "Centimetres", "Inches"}},
    {Quantity::DistanceLarge, {"Metres", "Kilometres", "Yards"}},
    {Quantity::Area, {"Square metres", "Square centimetres", "Square inches"}},
    {Quantity::Mass, {"Kilograms", "Kilograms", "Pounds"}},
    {Quantity::Force, {"Newtons", "Newtons", "Poundals"}},
    {Quantity::Torque, {"Newton metres", "Newton metres", "Pound-force feet"}},
    {Quantity::Power, {"Kilowatts", "Horsepower (metric)", "Horsepower (original)"}},
    {Quantity::Speed, {"Metres per second", "Kilometres per hour", "Miles per hour"}},
    {Quantity::Angle, {"Radians", "Gradians", "Degrees"}},
    {Quantity::Density,
     {"Kilograms per cubic metre", "Kilograms per cubic metre", "Pounds per cubic foot"}},
    {Quantity::Pressure,
     {"Kilopascals", "Kilograms per square centimetre", "Pounds per square inch"}},
    {Quantity::P2W,
     {"Kilowatts per tonne", "Horsepower per tonne", "Horsepower per ton (long)"}},
    {Quantity::Acc,
     {"Metres per second squared", "Rate of free fall", "Feet per second squared"}},
    {Quantity::MOI, {"Kilogram square metres", "Kilogram square metres", "Pound square feet"}},
    {Quantity::Stiffness,
     {"Newtons per millimetre", "Kilograms-force per millimetre", "Pounds per inch"}},
    {Quantity::Rot,
     {"Sthene metres per radian", "Kilogram-force metres per gradian",
      "Pound-force feet per degree"}},
    {Quantity::Damping,
     {"Newton seconds per millimetre", "Newton seconds per millimetre",
      "Pound-force seconds per inch"}},
    {Quantity::ARV,
     {"Radians per second", "Revolutions per minute", "Revolutions per minute"}},
    {Quantity::FuelEcon,
     {"Kilometers per litre", "Litres per 100 kilometres", "Miles per gallon"}},
    {Quantity::Volume, {"Litres", "Litres", "UK Gallons"}},
    {Quantity::Frequency, {"Hertz", "Hertz", "Cycles per minute"}},
}};

}  // namespace

UnitSlot UnitData(Quantity q) {
    UnitSystem& units = OptionsSettings();
    const SlotMembers& m = kSlots.at(QuantityIndex(q));
    return UnitSlot{units.*m.index, units.*m.decimals, units.*m.factor, units.*m.names,
                    units.*m.suffixes};
}

int16_t UnitExponent(Quantity q) {
    const auto& s = OptionsSettings();
    if (q == Quantity::P2W) return s.PowerToWeightExponent;
    if (q == Quantity::FuelEcon) return s.FuelEconomyExponent;
    return 1;
}

void SetDefaultOptions() {
    OptionsSettingsState& s = OptionsSettings();
    static_cast<OptionsBlock&>(s) = OptionsBlock{};
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        UnitSlot slot = UnitData(QuantityAt(i));
        slot.Names.clear();
        slot.Suffixes.clear();
        for (const UnitRow& row : UnitRows(QuantityAt(i))) {
            slot.Names.emplace_back(row.Name);
            slot.Suffixes.emplace_back(row.Suffix);
        }
    }
}

bool ApplyUnitRow(Quantity q, uint8_t k) {
    const auto rows = UnitRows(q);
    if (k >= rows.size()) return false;
    UnitSlot slot = UnitData(q);
    slot.Index = k;
    slot.Decimals = rows[k].Decimals;
    slot.Factor = rows[k].Factor;
    if (q == Quantity::P2W) OptionsSettings().PowerToWeightExponent = rows[k].Exponent;
    if (q == Quantity::FuelEcon) OptionsSettings().FuelEconomyExponent = rows[k].Exponent;
    return true;
}

bool SelectUnitByName(Quantity q, std::string_view name) {
    const TextList& names = UnitData(q).Names;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (names[k] == name) return ApplyUnitRow(q, static_cast<uint8_t>(k));
    }
    return false;
}

void ApplySelectedUnits() {
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const Quantity q = QuantityAt(i);
        // An index that is not a row never reaches here (the options file refuses it); fall
        // back to the first unit rather than keep a factor that does not match the index.
        if (!ApplyUnitRow(q, UnitData(q).Index)) ApplyUnitRow(q, 0);
    }
}

std::string_view UnitPresetName(int16_t preset, Quantity q) {
    if (preset < 0 || preset > 2) return {};
    for (const PresetRow& row : kPresets) {
        if (row.quantity == q) return row.names[static_cast<std::size_t>(preset)];
    }
    return {};
}

std::array<Quantity, kQuantityCount> UnitPresetOrder() {
    std::array<Quantity, kQuantityCount> order{};
    for (std::size_t i = 0; i < kPresets.size(); ++i) order[i] = kPresets[i].quantity;
    return order;
}

void ApplyUnitPreset(int16_t index) {
    if (index < 0 || index > 2) return;
    for (const PresetRow& row : kPresets) {
        SelectUnitByName(row.quantity, row.names[static_cast<std::size_t>(index)]);
    }
}

const std::string& UnitSuffix(Quantity q) {
    static const std::string kNone;
    UnitSlot slot = UnitData(q);
    if (slot.Index >= slot.Suffixes.size()) return kNone;
    return slot.Suffixes[slot.Index];
}

bool UnitDisplayValue(Quantity q, double internal, float& display) {
    const double factor = UnitData(q).Factor;
    if (UnitExponent(q) < 0) {
        // An inverse unit of nothing (no power, no fuel used) has no value to show.
        if (internal == 0.0) return false;
        display = static_cast<float>(factor / internal);
    } else {
        display = static_cast<float>(internal * factor);
    }
    // A figure that is not a finite number (or too large for a Single) is no figure to show.
    return std::isfinite(display);
}

std::string RoundedText(float value, int32_t places) {
    if (!std::isfinite(value)) return std::string(kNotApplicableText);
    return SingleText(RoundToDecimals(value, places));
}

std::string UnitNumberText(Quantity q, double internal) {
    float x = 0.0f;
    if (!UnitDisplayValue(q, internal, x)) return std::string(kNotApplicableText);
    return SingleText(RoundToDecimals(x, UnitData(q).Decimals));
}

std::string UnitValueText(Quantity q, double internal) {
    float x = 0.0f;
    if (!UnitDisplayValue(q, internal, x)) return std::string(kNotApplicableText);
    return SingleText(RoundToDecimals(x, UnitData(q).Decimals)) + UnitSuffix(q);
}

double UnitInputValue(Quantity q, std::string_view typed) {
    const double value = TypedVal(typed);
    const double factor = UnitData(q).Factor;
    if (factor == 0.0) return 0.0;  // unit data not yet applied
    if (UnitExponent(q) < 0) return value == 0.0 ? 0.0 : factor / value;
    return value / factor;
}

}  // namespace core
