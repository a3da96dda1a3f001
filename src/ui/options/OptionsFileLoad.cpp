#include "ui/options/OptionsFileLoad.hpp"

#include "ui/options/OptionsPanelFill.hpp"
#include "ui/options/UnitPresets.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace ui {

files::OptionsFileLinks OptionsWindowLinks() {
    files::OptionsFileLinks links;
    links.ShowOptionsSettings = [] { ShowOptionsSettings(); };
    links.RefreshAllDisplays = [] { RefreshAllDisplays(); };
    links.ApplyUnitPreset = [](int16_t preset) { ApplyUnitPreset(preset); };
    return links;
}

files::OptionsLoadResult LoadOptionsFile(files::OptionsLoadOccasion occasion) {
    return files::LoadOptionsFile(OptionsWindowLinks(), occasion);
}

}  // namespace ui
