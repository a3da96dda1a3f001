// The vehicle editor: the main window's "Vehicle Data" page switched into a form for a new or
// changed vehicle. Opening hides the value labels and shows the edit controls with their unit
// labels (in the chosen display units); filling writes the current vehicle's figures into
// them; storing turns them back into a record, appended to the vehicle list or written over
// the edited vehicle, and selects it; closing returns the page to showing the current vehicle.
//
// The editor's flags (open, editing an existing vehicle, filling) are vehicle::VehCode()'s.
#pragma once

#include "vehicle/VehicleRecord.hpp"

namespace ui {

class Main;

void OpenVehicleEditor(Main& form);
// Writes every edit control from CurrentVehicle, except the name. For a vehicle that is not
// wheel driven only the thrust and its height are written on the drive-train tab.
void FillVehicleEditor(Main& form);
void CloseVehicleEditor(Main& form);

// The record the edit controls describe, starting from `base` (the fields the editor does not
// hold keep base's values). The name is the name box's text, padded or cut to 32 characters.
// A box the fill wrote and the user left as it is keeps the figure the fill wrote it from; a
// box with no number reads 0, but an engine box of a wheel-driven vehicle gives NaN, which the
// check refuses (EditorFilledFigures.hpp).
vehicle::VehicleRecord ReadEditedVehicle(const Main& form, const vehicle::VehicleRecord& base);
// The record a store would write now: over the vehicle being edited, or for a new vehicle
// over a blank record.
vehicle::VehicleRecord VehicleToStore(const Main& form);

// Adds or updates the vehicle, announces it, selects it (which recomputes every analysis) and
// closes the editor. Refuses with a message, storing nothing and leaving the editor open, when
// the list is full or the edited vehicle is no longer loaded.
void StoreEditedVehicle(Main& form);

// ---- The page's buttons and the controls that work inside the open editor ----
void Main_VehData_CreateNew_Click(Main& form);
void Main_VehData_EditExisting_Click(Main& form);
void Main_VehData_AddVeh_Click(Main& form);
void Main_VehData_UpdateVeh_Click(Main& form);
void Main_VehData_Cancel_Click(Main& form);
// Shows the engine inputs, or the thrust inputs of a vehicle that is not wheel driven.
void Main_VehData_NewDrivetrain_Click(Main& form);
void Main_VehData_Wh_VScroll_Scroll(Main& form);
void Main_VehData_DT_VScroll_Scroll(Main& form);

// Installs the handlers above, the engine-shape and dyno-throttle sliders' preview and the
// input checks; the store buttons start hidden and disabled.
void InstallVehicleEditorHandlers(Main& form);

}  // namespace ui
