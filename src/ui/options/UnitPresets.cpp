#include "ui/options/UnitPresets.hpp"

#include <string>

#include "core/OptionsSettings.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/OptionsPanelFill.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace ui {

void ApplyUnitPreset(int16_t index) {
    ShowOptionsSettings();
    if (index < 0 || index > 2) return;
    OptionsPanel& w = OptionsPanelWindow();
    // Most charts show several of the quantities: each is drawn once, in the new units, when
    // all 21 are chosen.
    const ChartsDrawnOnce charts;
    for (const core::Quantity q : core::UnitPresetOrder())
        w.Select(q).SetText(std::string(core::UnitPresetName(index, q)));
}

}  // namespace ui
