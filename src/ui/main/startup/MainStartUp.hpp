// The program's start and end, carried by the main window's load and unload events: the
// fixed tables, texts and defaults, the start-up vehicles, the options file, and the
// preparation of the first vehicle; at the end the recent-files list, the decimal separator
// and the other windows.
#pragma once

#include <string>

namespace ui {

class Main;

struct MainStartUpState {
    // The program folder; empty: the executable's folder. Tests point it at a folder of
    // their own before the window loads.
    std::string ProgramFolder;
};

MainStartUpState& MainStartUp();

// The fixed reference tables: simulator cars, wheel-order tables, gear ratios, fuels (and the
// editor's fuel selector), benchmark targets.
void InitReferenceTables(Main& form);
// The vehicle selector lists every loaded vehicle by its full padded name, in list order.
void RefillVehicleSelector(Main& form);

void Main_Form_Load(Main& form);
void Main_Form_Unload(Main& form);

}  // namespace ui
