// The units page: a choice in a quantity's selector applies that unit to the unit system,
// writes the suffix beside the selector (and, for speed and large distance, beside the run
// searches of the main window, whose boxes it converts into the new unit) and redisplays what
// shows the quantity.
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/RefreshDisplays.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"

namespace ui {

void OptionsPanel::InstallUnitsHandlers() {
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const core::Quantity q = core::QuantityAt(i);
        UnitSelector[i]->Click = [this, q] { Select_Units_Click(q); };
    }
}

void OptionsPanel::Select_Units_Click(core::Quantity q) {
    // A text that names no unit leaves the unit data as it is; the rest still follows.
    const double oldFactor = core::UnitData(q).Factor;
    core::SelectUnitByName(q, Select(q).Text());
    const std::string& suffix = core::UnitSuffix(q);
    UnitSuffixLabel(q).SetCaption(suffix);

    auto& g = core::GlobalChassisLab();
    if (Main* main = g.MainForm) {
        // The run searches keep asking for the same speeds and distance. At start-up the boxes
        // still hold the window's design figures, meant in whatever unit is chosen.
        if (!core::FromVbBool(g.FormLoading))
            ConvertSearchInputs(*main, q, oldFactor, core::UnitData(q).Factor);
        if (q == core::Quantity::Speed) {
            main->Analysis_AccLabel(38).SetCaption(suffix);
            main->Analysis_DecLabel(15).SetCaption(suffix);
        } else if (q == core::Quantity::DistanceLarge) {
            main->Analysis_AccLabel(39).SetCaption(suffix);
            main->Analysis_DecLabel(16).SetCaption(suffix);
        }
    }
    // The calculators hold no state of the main window: they follow every unit applied,
    // also when the window's fill applies the units of a loaded options file.
    MechCalcsFollowUnitChange();
    if (core::FromVbBool(g.FormLoading) || core::FromVbBool(g.OptionsPanelFilling)) return;
    RedisplayQuantity(q);
}

}  // namespace ui
