// The make-level-ride window ("Make Level Ride"): sets the front and rear spring sliders of the
// main window so the ride becomes level at the live speed, from the level-ride target
// frequencies of the suspension analysis. "Stiffen", "Average" and "Soften" each work from the
// state captured when the window opened (pressing one twice gives the same springs; each
// replaces the effect of the one before); "Revert" restores the rates at opening.
//
// With the live speed at 0 or a level-ride target of 0 or below there is nothing to level to:
// the three buttons are disabled. Slider values are clamped to the sliders' ranges.
#pragma once

#include "platform/Form.hpp"
#include "ui/tools/LevelRide.hpp"

namespace ui {

class MakeLevelRide : public platform::Form {
public:
    MakeLevelRide();

    platform::Frame* LevelRideFrame = nullptr;
    platform::ControlArray<platform::CommandButton> MakeRideLevel;  // 0 Stiffen, 1 Average, 2 Soften
    platform::CommandButton* Restore = nullptr;
    platform::CommandButton* Close = nullptr;

    // Captured when the window loads.
    tools::LevelRideSnapshot Stored;

    void MakeLevelRide_Load();
    void MakeRideLevel_Click(int index);
    void Restore_Click();

private:
    void WriteSliders(const tools::LevelRideSliders& values);
};

void ShowMakeLevelRide();
MakeLevelRide* PeekMakeLevelRide();
void ResetMakeLevelRide();

// What the buttons read from the current vehicle and analyses at the time they are pressed.
tools::LevelRideVehicle CurrentLevelRideVehicle();

}  // namespace ui
