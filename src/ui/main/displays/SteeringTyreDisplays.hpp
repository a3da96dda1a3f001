// The main window's steering and tyre captions: the writers of the steering state and of the
// tyre analysis into the setting, live and analysis pages' labels. The texts come from
// analysis/SteeringDisplay.hpp and vehicle/TyreDisplay.hpp; only these functions touch the
// controls.
//
// Program-wide state: SteeringTyreDisplays() (the caption buffers the writers reuse). A test
// resets it with `ui::SteeringTyreDisplays() = ui::SteeringTyreDisplaysState{};`.
#pragma once

#include <vector>

#include "analysis/SteeringDisplay.hpp"
#include "vehicle/TyreDisplay.hpp"

namespace ui {

class Main;

struct SteeringTyreDisplaysState {
    std::vector<core::Caption> Steering;
    std::vector<core::Caption> Tyre;
};

SteeringTyreDisplaysState& SteeringTyreDisplays();

// Live_TyreTemp, Live_TyreWear, the wheel chosen in Analysis_TyreChoice and the live corner
// loads of the mass analysis.
vehicle::TyreCaptionInputs ReadTyreCaptionInputs(const Main& form);

// The steering captions (Set_LiveLabel 108, Set_TyreLabel 8 and 9, Set_SteerLabel 100..105,
// Analysis_SteeringLabel 100..125) from the current steering state, without a new analysis.
void ShowSteeringAnalysis(Main& form);

// The tyre captions (Set_TyreLabel 4 and 5, Set_LiveLabel 100..102, Analysis_TyreLabel
// 100..117, the chosen wheel's figures) from the current tyre state, without a new analysis;
// the "Sidewall height remaining:" caption turns red while the chosen tyre is bottomed out.
void ShowTyreAnalysis(Main& form);

}  // namespace ui
