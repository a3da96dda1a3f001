#include "ui/main/editor/EditorInputFlags.hpp"

namespace ui {

VehicleEditorChecksState& VehicleEditorChecks() {
    static VehicleEditorChecksState state;
    return state;
}

uint8_t CountEngineInputErrors() {
    // Each false flag counts one (the flags are -1 when true: their sum plus 11).
    int sum = 0;
    for (EditorInput e : kEngineInputs) sum += VehicleEditorChecks()[e];
    return static_cast<uint8_t>(sum + 11);
}

}  // namespace ui
