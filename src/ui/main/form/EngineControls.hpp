// The vehicle editor's engine controls, each described once: the engine figure it sets (the
// field as the one check of a vehicle names it, with its range and, for a shape figure, the
// slider's ends and scale: vehicle/VehicleFieldRanges.hpp), its caption (the editor's words for
// it), and its box or slider. The layout titles the rows and sets the sliders from it; the
// editor's checks mark each control that a problem names by its field, the fill and the store
// move each figure between its control and the record through it, and the editor's messages
// name each control by its caption. A control thus names the field the check names, whatever
// that field is called.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "core/OptionsSettings.hpp"
#include "core/Units.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/form/EditorInputs.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace ui {

struct EngineControl {
    const vehicle::EngineField* Field;
    // "Peak torque". A box on another's row is named after that row ("Peak torque speed").
    std::string_view Caption;
    // A box, with the flag its check sets and the quantity it shows its figure in (an engine
    // speed, rpm in the record, as an angular velocity; none: the figure as typed)...
    platform::TextBox* Main::*Box = nullptr;
    EditorInput Flag = EditorInput::Count;
    std::optional<core::Quantity> Unit;
    // ... or the shape slider that sets the figure (Field->Slider: its ends and scale).
    platform::Slider* Main::*Slider = nullptr;

    // The caption as a row's title: "Peak torque:".
    std::string RowTitle() const { return std::string(Caption) + ":"; }
    // A box of an engine speed: an angular velocity in the box, rpm in the record.
    bool ShowsSpeed() const { return Unit == core::Quantity::ARV; }
    // Any other box: display units per record unit, in the units chosen now.
    double UnitFactor() const { return Unit ? core::UnitData(*Unit).Factor : 1.0; }
};

namespace engine_controls {
namespace f = vehicle::fields;
using Q = core::Quantity;
inline constexpr EngineControl PeakTorque{&f::PeakTorque, "Peak torque", &Main::VehData_NewTorque,
                                          EditorInput::Torque, Q::Torque};
inline constexpr EngineControl TorquePeakSpeed{&f::TorquePeakRPM, "Peak torque speed",
                                               &Main::VehData_NewTorqueRPM,
                                               EditorInput::TorqueRPM, Q::ARV};
inline constexpr EngineControl TorquePeakWidth{&f::TorquePeakWidth, "Torque plateau width",
                                               &Main::VehData_NewTorquePeakWidth,
                                               EditorInput::TorquePeakWidth, Q::ARV};
inline constexpr EngineControl PeakPower{&f::PeakPower, "Peak power", &Main::VehData_NewPower,
                                         EditorInput::Power, Q::Power};
inline constexpr EngineControl PowerPeakSpeed{&f::PowerPeakRPM, "Peak power speed",
                                              &Main::VehData_NewPowerRPM, EditorInput::PowerRPM,
                                              Q::ARV};
inline constexpr EngineControl IdleSpeed{&f::IdleRPM, "Idle point", &Main::VehData_NewIdleRPM,
                                         EditorInput::IdleRPM, Q::ARV};
inline constexpr EngineControl LimitSpeed{&f::LimitRPM, "Rev limit", &Main::VehData_NewLimitRPM,
                                          EditorInput::LimitRPM, Q::ARV};
inline constexpr EngineControl EngineBraking{&f::EngineBrakingCoeff, "Engine braking coeff.",
                                             &Main::VehData_NewEBC, EditorInput::EBC};
// The torque at idle, as a share of the peak torque, beside the idle speed.
inline constexpr EngineControl IdleTorque{&f::IdleTorqueFraction, "Idle point torque", nullptr,
                                          EditorInput::Count, {}, &Main::VehData_NewIdleTorque};
inline constexpr EngineControl LowerShape{&f::LowerShape, "Lower curve shape", nullptr,
                                          EditorInput::Count, {}, &Main::VehData_NewTCA};
inline constexpr EngineControl PowerReduction{&f::ReducePowerFactor, "Power reduction", nullptr,
                                              EditorInput::Count, {}, &Main::VehData_NewPR};
inline constexpr EngineControl UpperShapeA{&f::UpperShapeA, "Upper curve shape A", nullptr,
                                           EditorInput::Count, {}, &Main::VehData_NewPCA};
inline constexpr EngineControl UpperShapeB{&f::UpperShapeB, "Upper curve shape B", nullptr,
                                           EditorInput::Count, {}, &Main::VehData_NewPWA};
inline constexpr EngineControl ShiftPower{&f::ShiftPowerFactor, "Shift power", nullptr,
                                          EditorInput::Count, {}, &Main::VehData_NewPS};
}  // namespace engine_controls

// Every engine control of the editor (shown for a wheel-driven vehicle).
inline constexpr const EngineControl* kEngineControls[] = {
    &engine_controls::PeakTorque,    &engine_controls::TorquePeakSpeed,
    &engine_controls::TorquePeakWidth, &engine_controls::PeakPower,
    &engine_controls::PowerPeakSpeed, &engine_controls::IdleSpeed,
    &engine_controls::LimitSpeed,    &engine_controls::EngineBraking,
    &engine_controls::IdleTorque,    &engine_controls::LowerShape,
    &engine_controls::PowerReduction, &engine_controls::UpperShapeA,
    &engine_controls::UpperShapeB,   &engine_controls::ShiftPower};

// Their captions: the editor's words above the preview keep each on one line.
inline constexpr auto kEngineCaptions = [] {
    std::array<std::string_view, std::size(kEngineControls)> captions{};
    for (std::size_t k = 0; k < captions.size(); ++k) captions[k] = kEngineControls[k]->Caption;
    return captions;
}();

// The control of an engine figure, by the name the check gives it; none for a figure without
// one.
inline const EngineControl* EngineControlOf(std::string_view field) {
    for (const EngineControl* c : kEngineControls)
        if (c->Field->Name == field) return c;
    return nullptr;
}

}  // namespace ui
