// The analyses as the main window runs them: each routine reads the setting and live controls
// it needs once, runs the model, and redraws what that model's displays show. Start-up,
// vehicle selection, the setting handlers and "Manual Recalculate" all go through these, so a
// model is always run the same way whoever asks.
//
// Displays and charts that do not exist yet are skipped here and nowhere else.
#pragma once

namespace ui {

class Main;

// Masses and centres of gravity from the vehicle, occupants, handicap and fuel load; then the
// physical captions.
void CalcMassesAndCentreOfGravity(Main& form);
// Wheel and tyre dimensions and inertias of the current vehicle.
void CalcWheelDimensionsAndInertia(Main& form);
// The per-wheel tyre analysis at the static and live loads; then the tyre captions.
void UpdateTyreAnalysis(Main& form);
// The steering and camber geometry from the steering controls at the live speed and body
// pitch of the last live analysis (whose demanded lateral acceleration it updates); then the
// steering captions.
void CalcSteeringGeometry(Main& form);
// Fits the current engine's torque curve and draws the dyno graph (a vehicle that is not
// wheel driven has no curve: the graph is cleared).
void UpdateEngineModel(Main& form);
// Differential parameters from the controls, then their captions.
void SetDiffParams(Main& form);
// The aerodynamic speed table and the top speed.
void BuildAeroSpeedTable(Main& form);
// Overall ratios, shift points and speeds for the gear ratio controls.
void CalcGearing(Main& form);
// The live-state analysis with all the displays that exist.
void AnalyseLiveStateAll(Main& form);
// The acceleration run at the run's own time step, with its summary, search and texts.
void RunAccelerationAnalysisAll(Main& form);

// When the runs refuse the current vehicle and setup (a tyre pressed through its sidewall),
// says why in a message box; otherwise nothing. Called once after the runs that a start-up,
// selection or Calculate button ran.
void TellRunRefusal();

// The current vehicle standing at rest, before its gearing and live state: its brake torques
// and wing angles from the controls, the live results reset (analysis::ResetLiveResults) and
// the tyres worked out at the static loads. Start-up and every selection go through it, so a
// vehicle's analyses never start from another vehicle's state.
void SettleVehicleAtRest(Main& form);

// After a vehicle has been selected: the vehicle at rest, gearing (wheel-driven vehicles only),
// live state, gearing again at the live heights, differentials, the acceleration run and the
// deceleration run.
void RecalculateAnalyses(Main& form);

// "Manual Recalculate": masses, tyres, the aerodynamic speed table, the live state, gearing,
// differentials and brake torques, in that order, whether or not automatic recalculation is
// on.
void RecalculateAll(Main& form);

}  // namespace ui
