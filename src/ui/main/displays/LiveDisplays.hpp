// The main window's side of the live-state analysis and of the physical and vehicle data
// displays: the reader of the live and setup controls the analysis takes, the writers of the
// physical, live and vehicle data captions, and the window-level live-state analysis.
//
// The captions are computed in analysis/PhysicalDisplay.hpp and vehicle/VehicleDataDisplay.hpp;
// only these functions touch the controls.
//
// Program-wide state: LiveDisplays() (the caption buffer the writers reuse). A test resets it
// with `ui::LiveDisplays() = ui::LiveDisplaysState{};`.
#pragma once

#include <functional>
#include <vector>

#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/PhysicalDisplay.hpp"

namespace ui {

class Main;

struct LiveDisplaysState {
    std::vector<core::Caption> Captions;  // reused by every caption writer
};

LiveDisplaysState& LiveDisplays();

// Live_Speed, Live_Throttle, Live_Brake, Set_ABS, Set_TC, the wing angles, the suspension,
// steering and camber sliders, Live_SteeringAngle, the tyre pressures and the live tyre
// temperatures and wear.
analysis::LiveStateInputs ReadLiveStateInputs(const Main& form);

// The captions of the masses (Analysis_PhysLabel 100..129 and 156, Set_AeroLabel 11..13).
void ShowPhysicalAnalysis(Main& form);
// The captions of the live state (Analysis_PhysLabel 130..155 and 157, Set_LiveLabel 103,
// 105, 106).
void ShowLiveAnalysis(Main& form);
// The vehicle data captions (DataLabel) and Live_FuelLoad.Max.
void ShowVehicleData(Main& form);

// The live-state analysis with the window's controls. An empty links.ShowLiveAnalysis is
// filled with ShowLiveAnalysis(form); the other displays are the caller's.
void AnalyseLiveState(Main& form, analysis::LiveStateLinks links = {});

}  // namespace ui
