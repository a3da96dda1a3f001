#include "vehicle/GearingTable.hpp"

#include <cmath>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"

namespace vehicle {

using core::Quantity;
using Column = GearingTableCaption::Column;
using Colour = GearingTableCaption::Colour;

namespace {

// Rows of the two loops: every gear row including reverse, and the shifts between forward
// gears (row g: the upshift out of gear g).
constexpr int kLastGearRow = 7;
constexpr int kFirstShiftRow = 1;
constexpr int kLastShiftRow = 6;

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

Colour Warn(bool condition, Colour colour) { return condition ? colour : Colour::Normal; }

}  // namespace

std::vector<GearingTableCaption> BuildGearingTableCaptions() {
    const GearingCodeState& s = GearingCode();
    const EngineRecord& engine = EngineCode().CurrentEngine;
    const float topSpeed = AeroCode().TopSpeed;

    std::vector<GearingTableCaption> out;
    out.reserve(4 * (kLastGearRow + 1) + 1 + 4 * kLastShiftRow);
    auto put = [&out](Column column, int index, std::string text, Colour colour = Colour::Keep) {
        out.push_back({column, index, std::move(text), colour});
    };

    for (int g = 0; g <= kLastGearRow; ++g) {
        const auto i = static_cast<std::size_t>(g);
        put(Column::RevsPreShift, g, core::UnitValueText(Quantity::ARV, s.ShiftRevs[i]),
            Warn(s.ShiftRevs[i] > engine.LimitSpeed, Colour::Red));
        put(Column::Speed, g, core::UnitValueText(Quantity::Speed, s.SpeedAtShift[i]),
            Warn(s.SpeedAtShift[i] > topSpeed, Colour::Red));
        put(Column::Reduction, g, core::RoundedText(s.OverallRatios[i], 3));
        put(Column::CruisingRevs, g, core::UnitValueText(Quantity::ARV, s.CruisingRevs[i]));
    }
    // The area under the torque curve the forward gears use, N m x rad/s, whole.
    put(Column::Label, kGearingAreaLabel, core::RoundedText(s.TorqueCurveArea, 0));

    for (int g = kFirstShiftRow; g <= kLastShiftRow; ++g) {
        const auto i = static_cast<std::size_t>(g);
        put(Column::RevsPostShift, g, core::UnitValueText(Quantity::ARV, s.PostShiftRevs[i]),
            Warn(s.PostShiftRevs[i] < engine.TorquePeakStart, Colour::Blue));
        put(Column::RevsDropAbs, g, core::UnitValueText(Quantity::ARV, s.RevDrop[i]));
        put(Column::RevsDropRel, g,
            std::isfinite(s.RatioStepPct[i]) ? core::RoundedText(s.RatioStepPct[i], 1) + " %"
                                             : NotApplicable());
        put(Column::SpeedGained, g, core::UnitValueText(Quantity::Speed, s.SpeedGained[i]));
    }
    return out;
}

}  // namespace vehicle
