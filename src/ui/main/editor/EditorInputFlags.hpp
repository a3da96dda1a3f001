// The vehicle editor's input flags: one per checked box, set by the input checks
// (VehicleEditorChecks.hpp) and read by the store buttons' state and the engine preview.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Numbers.hpp"
#include "platform/Control.hpp"

namespace ui {

// One flag per checked box (or box array; a box's flag also falls with a cross-check that
// marks it, the wheel masses and the tyre sidewall), then the three cross-checks of the engine
// speeds, then the check of the engine's power and torque figures against each other.
enum class EditorInput : uint8_t {
    Name, BodyMass, BodyPosX, BodyPosY, BodyPosZ, RefPosZ, FuelTankCapacity, FuelTankPosY,
    FuelTankPosZ, PassPosX, PassPosY, PassPosZ,
    Torque, TorqueRPM, Power, PowerRPM, EBC, DrivetrainEff, DrivetrainShiftTime, IdleRPM,
    TorquePeakWidth, LimitRPM,
    TyreWidth, TyreProfile, WheelSize, RotMass, WheelSpringMR, Unsprung, TrackWidth, Wheelbase,
    FrontalArea, Cd, Cl, AeroDevicePosY, AeroDevicePosZ,
    // The propulsion of a vehicle that is not wheel driven.
    Thrust, ThrustHeight,
    HandicapPosZ, WheelARBMR, Inclination, Camber, RideHeight,
    // The engine speeds' order.
    PowerAfterTorque, PowerAfterPlateau, IdleLowest,
    // The engine's power, torque and plateau agree (vehicle/engine/EngineFigureCheck.hpp). Not one
    // of the engine flags: the curve of refused figures is still drawn.
    EngineFiguresAgree,
    Count
};
inline constexpr std::size_t kEditorInputCount = static_cast<std::size_t>(EditorInput::Count);

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

// The eight engine boxes and the three cross-checks of the engine speeds.
inline constexpr EditorInput kEngineInputs[] = {
    EditorInput::Torque,          EditorInput::TorqueRPM,        EditorInput::Power,
    EditorInput::PowerRPM,        EditorInput::EBC,              EditorInput::IdleRPM,
    EditorInput::TorquePeakWidth, EditorInput::LimitRPM,         EditorInput::PowerAfterTorque,
    EditorInput::PowerAfterPlateau, EditorInput::IdleLowest};

// The eleven engine flags (eight engine boxes and the three cross-checks) counted as the
// engine preview does: 0 when every one holds.
uint8_t CountEngineInputErrors();

}  // namespace ui
