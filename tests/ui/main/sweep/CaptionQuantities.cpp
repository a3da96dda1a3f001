#include "ui/main/sweep/CaptionQuantities.hpp"

#include "core/OptionsSettings.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace sweep {

std::map<std::string, std::string> VisibleCaptions(const ui::Main& form) {
    std::map<std::string, std::string> captions;
    for (const auto& owned : form.AllControls()) {
        const auto* label = dynamic_cast<const platform::Label*>(owned.get());
        // Every page of the window is a visible frame, only stacked; a label hidden by its own
        // flag or its group's (the thrust boxes of a car with an engine) is never shown.
        if (label != nullptr && label->Shown()) captions[label->DisplayName()] = label->Caption();
    }
    return captions;
}

void LearnCaptionQuantities(ui::Main& form, CaptionQuantities& known) {
    ui::RefreshAllDisplays();
    const auto before = VisibleCaptions(form);
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const core::Quantity q = core::QuantityAt(i);
        const uint8_t selected = core::UnitData(q).Index;
        // Row 1 differs from the SI row 0 in its factor for every quantity.
        core::ApplyUnitRow(q, selected == 1 ? 0 : 1);
        ui::RefreshAllDisplays();
        for (const auto& [name, text] : VisibleCaptions(form)) {
            const auto old = before.find(name);
            if (old != before.end() && old->second != text) known[name].insert(q);
        }
        core::ApplyUnitRow(q, selected);
    }
    ui::RefreshAllDisplays();
}

}  // namespace sweep
