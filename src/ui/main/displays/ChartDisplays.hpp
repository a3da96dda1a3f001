// The main window's charts and diagrams: each routine picks the picture boxes and the choices
// the window's controls hold (graph combos, zoom bars, diagram views), draws them with the
// chart routines of src/charts/, and redraws the open graph windows that show the same graphs.
// They compute nothing: the analyses have already run.
#pragma once

namespace ui {

class Main;

// The four corner masses (Analysis_PhysChart).
void DrawPhysicalChart(Main& form);

// The suspension page: rear and side views (Analysis_SuspChart 3, 4).
void DrawSuspChart(Main& form);
// Spring loads and wheel travel bars (Analysis_SuspChart 0, 1).
void DrawSuspDamperChart(Main& form);
// Roll stiffness diagram (Analysis_SuspChart 2) and roll balance bar (Analysis_SuspBalance).
void DrawSuspBalance(Main& form);
// The response run named in Analysis_SuspDampGraphCombo (Analysis_DampChart); a text naming
// none leaves the chart as it was.
void DrawSuspResponseChart(Main& form);
// The five damping balance bars (Analysis_DampBalance 0..4).
void DrawDampBalance(Main& form);
// All five of the above, as the suspension analysis ends.
void DrawSuspensionCharts(Main& form);

// The two acceleration graphs (Analysis_AccGraph 0, 1) of the choices in Analysis_AccGraphData;
// dt is the run's time step (s).
void DrawAccGraph(Main& form, float& dt);
// The two deceleration graphs (Analysis_DecGraph 0, 1) of the choices in Analysis_DecGraphData.
void DrawDecGraph(Main& form);

// The steering plan and camber diagrams (Analysis_SteeringDiagram 0, 1).
void PlotSteeringGeometry(Main& form);

// The gearing speed and torque charts (Analysis_GearingGraph 0, 1).
void DrawGearingGraph(Main& form);

// The chosen wheel's side view and contact patch (Analysis_TyreDrawing 0, 1, zoomed by
// Analysis_TyresZoom 1 and 0) and the grip balance bar (Analysis_TyreGripDrawing).
void DrawTyreDiagrams(Main& form);

// The aerodynamic speed chart (Analysis_AeroForcesChart 0): resistances, or lift when the
// chart option says so.
void DrawAeroSpeedChart(Main& form);
// The static against aerodynamic wheel loads (Analysis_AeroForcesChart 1).
void DrawAeroForcesChart(Main& form);
// The aerodynamic balance bar (Analysis_AeroBalanceDiagram).
void DrawAeroBalanceDiagram(Main& form);

}  // namespace ui
