// The vehicle editor's input flags: one per checked box, set by the input checks
// (VehicleEditorChecks.hpp) and read by the store buttons' state and the engine preview.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Numbers.hpp"
#include "platform/Control.hpp"
#include "ui/main/form/EditorInputs.hpp"

namespace ui {

// Box colours: valid and refused. A refused slider turns red too; otherwise it shows the
// colour of the frame it sits on.
inline constexpr platform::Color kEditorValidColor = platform::SysColor::WindowBackground;
inline constexpr platform::Color kEditorRefusedColor = platform::RGB(255, 0, 0);
inline constexpr platform::Color kEditorSliderColor = platform::SysColor::ButtonFace;

struct VehicleEditorChecksState {
    // True = the input passed the last judgement of the editor's record (each sets every
    // flag). False at program start, so the store waits for the first; kept while the editor
    // is closed.
    std::array<core::VbBool, kEditorInputCount> Valid{};

    core::VbBool& operator[](EditorInput i) { return Valid[static_cast<std::size_t>(i)]; }
    bool Holds(EditorInput i) const { return Valid[static_cast<std::size_t>(i)] != 0; }
};

VehicleEditorChecksState& VehicleEditorChecks();

// The three cross-checks of the engine speeds.
inline constexpr EditorInput kEngineSpeedOrderInputs[] = {
    EditorInput::PowerAfterTorque, EditorInput::PowerAfterPlateau, EditorInput::IdleLowest};

// Whether the flag is one of the eleven engine flags: an engine box's (the eight boxes of
// ui/main/form/EngineControls.hpp) or a cross-check of the engine speeds.
bool IsEngineInput(EditorInput input);

// The eleven engine flags counted as the engine preview does: 0 when every one holds.
uint8_t CountEngineInputErrors();

}  // namespace ui
