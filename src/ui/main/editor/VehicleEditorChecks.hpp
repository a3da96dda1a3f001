// The vehicle editor's input checks. Every edit box of a ranged field has a change handler that
// reads the box as a number (in the box's display unit), divides it by the unit factor, tests
// it against the field's range (vehicle/VehicleFieldRanges.hpp), colours the box (window
// background when valid, red when not) and sets the box's flag. After each check
// ValidateVehicleEditorInputs cross-checks the engine speeds, redraws the engine preview and
// enables the store buttons only while every flag holds. Nothing typed is ever changed or
// refused: a bad value only turns its box red and keeps the store buttons disabled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Numbers.hpp"
#include "platform/Control.hpp"

namespace ui {

class Main;

// One flag per checked box (or box array), then the three cross-checks of the engine speeds.
enum class EditorInput : uint8_t {
    Name, BodyMass, BodyPosX, BodyPosY, BodyPosZ, RefPosZ, FuelTankCapacity, FuelTankPosY,
    FuelTankPosZ, PassPosX, PassPosY, PassPosZ,
    Torque, TorqueRPM, Power, PowerRPM, EBC, DrivetrainEff, DrivetrainShiftTime, IdleRPM,
    TorquePeakWidth, LimitRPM,
    TyreWidth, TyreProfile, WheelSize, RotMass, WheelSpringMR, Unsprung, TrackWidth, Wheelbase,
    FrontalArea, Cd, Cl, AeroDevicePosY, AeroDevicePosZ,
    // Boxes bounded only by what their length lets the user type as a plain number: an
    // exponent ("1E30") would reach far beyond that.
    HandicapPosZ, Thrust, ThrustHeight, WheelARBMR, Inclination, Camber, RideHeight,
    PowerAfterTorque, PowerAfterPlateau, IdleLowest,
    Count
};
// The first of the boxes bounded by their length. Their empty boxes at program start read 0,
// which is in range, so their flags start true.
inline constexpr EditorInput kFirstLengthBoundInput = EditorInput::HandicapPosZ;
inline constexpr std::size_t kEditorInputCount = static_cast<std::size_t>(EditorInput::Count);

// Box colours: valid and refused.
inline constexpr platform::Color kEditorValidColor = platform::SysColor::WindowBackground;
inline constexpr platform::Color kEditorRefusedColor = platform::RGB(255, 0, 0);

struct VehicleEditorChecksState {
    // True = the input passed its last check. False at program start (but for the boxes
    // bounded by their length); never reset by opening or closing the editor (a box keeps the
    // result of its last check).
    std::array<core::VbBool, kEditorInputCount> Valid = [] {
        std::array<core::VbBool, kEditorInputCount> v{};
        for (auto i = static_cast<std::size_t>(kFirstLengthBoundInput);
             i < static_cast<std::size_t>(EditorInput::PowerAfterTorque); ++i)
            v[i] = core::VbTrue;
        return v;
    }();

    core::VbBool& operator[](EditorInput i) { return Valid[static_cast<std::size_t>(i)]; }
    bool Holds(EditorInput i) const { return Valid[static_cast<std::size_t>(i)] != 0; }
};

VehicleEditorChecksState& VehicleEditorChecks();

// The eleven engine flags (eight engine boxes and the three cross-checks) counted as the
// engine preview does: 0 when every one holds.
uint8_t CountEngineInputErrors();

// The inputs a vehicle of the editor's drive type must have valid before it can be stored
// (all of them for a wheel-driven vehicle; without the hidden engine and drive-train inputs for
// one that is not wheel driven), and a selection in every list the store reads.
bool EditorInputsComplete(const Main& form);

// The cross-checks of idle, torque peak, power peak and limit speeds, the engine preview, the
// dyno throttle's and the store buttons' enabled states. Returns at once while the editor is
// being filled.
void ValidateVehicleEditorInputs(Main& form);

// Installs the change handlers of the checked boxes (and the list selections that take part
// in the store buttons' state).
void InstallVehicleEditorChecks(Main& form);

}  // namespace ui
