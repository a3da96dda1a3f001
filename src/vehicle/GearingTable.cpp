#include "vehicle/GearingTable.hpp"

#include <cmath>
#include <cstdint>
#include <optional>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"

namespace vehicle {

using core::Quantity;
using Column = core::LabelArray;

namespace {

// Rows of the two loops: every gear row including reverse, and the shifts between forward
// gears (row g: the upshift out of gear g).
constexpr int kLastGearRow = 7;
constexpr int kFirstShiftRow = 1;
constexpr int kLastShiftRow = 6;

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

// The warning colour where the condition holds, else the normal text colour.
uint32_t Warn(bool condition, uint32_t colour) {
    return condition ? colour : kGearingNormalColour;
}

}  // namespace

std::vector<core::Caption> BuildGearingTableCaptions(bool topSpeedShown) {
    const GearingCodeState& s = GearingCode();
    const EngineRecord& engine = EngineCode().CurrentEngine;
    const float topSpeed = AeroCode().TopSpeed;

    std::vector<core::Caption> out;
    out.reserve(4 * (kLastGearRow + 1) + 1 + 4 * kLastShiftRow);
    auto put = [&out](Column column, int index, std::string text,
                      std::optional<uint32_t> colour = std::nullopt) {
        out.push_back({column, index, std::move(text), colour});
    };

    for (int g = 0; g <= kLastGearRow; ++g) {
        const auto i = static_cast<std::size_t>(g);
        put(Column::GearingRevsPreShift, g, core::UnitValueText(Quantity::ARV, s.ShiftRevs[i]),
            Warn(s.ShiftRevs[i] > engine.LimitSpeed, kGearingWarnRed));
        put(Column::GearingSpeed, g, core::UnitValueText(Quantity::Speed, s.SpeedAtShift[i]),
            Warn(topSpeedShown && s.SpeedAtShift[i] > topSpeed, kGearingWarnRed));
        put(Column::GearingReduction, g, core::RoundedText(s.OverallRatios[i], 3));
        put(Column::GearingCruisingRevs, g, core::UnitValueText(Quantity::ARV, s.CruisingRevs[i]));
    }
    // The area under the torque curve the forward gears use, N m x rad/s, whole.
    put(Column::GearingLabel, kGearingAreaLabel, core::RoundedText(s.TorqueCurveArea, 0));

    for (int g = kFirstShiftRow; g <= kLastShiftRow; ++g) {
        const auto i = static_cast<std::size_t>(g);
        put(Column::GearingRevsPostShift, g, core::UnitValueText(Quantity::ARV, s.PostShiftRevs[i]),
            Warn(s.PostShiftRevs[i] < engine.TorquePeakStart, kGearingWarnBlue));
        put(Column::GearingRevsDropAbs, g, core::UnitValueText(Quantity::ARV, s.RevDrop[i]));
        put(Column::GearingRevsDropRel, g,
            std::isfinite(s.RatioStepPct[i]) ? core::RoundedText(s.RatioStepPct[i], 1) + " %"
                                             : NotApplicable());
        put(Column::GearingSpeedGained, g, core::UnitValueText(Quantity::Speed, s.SpeedGained[i]));
    }
    return out;
}

}  // namespace vehicle
