// Readers of the main window's suspension, steering and camber controls: each returns the
// plain input struct its model takes, so the suspension and steering models never touch a
// control and a time-stepped run can read the controls once. Values are the sliders' own.
#pragma once

#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"

namespace ui {

class Main;

// Set_SuspSpringTravel, Set_SuspSpringStiffness, Set_SuspBumpDamp, Set_SuspReboundDamp and
// Set_SuspARBStiffness, items 0 front and 1 rear.
analysis::SuspensionSetupInputs ReadSuspensionSetupInputs(const Main& form);
// Set_SteerToe(0..1), Set_SteerCaster(0..1), Set_SteerAckermann, Set_SteerLock and
// Set_TyreCamber(0..3).
analysis::SteeringSetupInputs ReadSteeringSetupInputs(const Main& form);
// Live_SteeringAngle, tenths of a degree.
analysis::LiveSteeringInputs ReadLiveSteeringInputs(const Main& form);

}  // namespace ui
