#include "ui/main/editor/EditorInputFlags.hpp"

#include <algorithm>

#include "ui/main/form/EngineControls.hpp"

namespace ui {

VehicleEditorChecksState& VehicleEditorChecks() {
    static VehicleEditorChecksState state;
    return state;
}

bool IsEngineInput(EditorInput input) {
    return std::any_of(std::begin(kEngineControls), std::end(kEngineControls),
                       [input](const EngineControl* c) { return c->Box && c->Flag == input; }) ||
           std::find(std::begin(kEngineSpeedOrderInputs), std::end(kEngineSpeedOrderInputs),
                     input) != std::end(kEngineSpeedOrderInputs);
}

uint8_t CountEngineInputErrors() {
    // Each false flag counts one (the flags are -1 when true, 0 when false).
    int errors = 0;
    const auto count = [&errors](EditorInput i) { errors += VehicleEditorChecks()[i] + 1; };
    for (const EngineControl* c : kEngineControls)
        if (c->Box) count(c->Flag);
    for (EditorInput i : kEngineSpeedOrderInputs) count(i);
    return static_cast<uint8_t>(errors);
}

}  // namespace ui
