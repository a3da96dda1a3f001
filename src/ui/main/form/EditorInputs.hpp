// The vehicle editor's checked inputs, one flag each (their state and checks are the editor's,
// ui/main/editor/EditorInputFlags.hpp): named here, below the editor, so that the table of its
// engine controls (EngineControls.hpp), which the layout reads too, can name each box's flag.
#pragma once

#include <cstddef>
#include <cstdint>

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

}  // namespace ui
