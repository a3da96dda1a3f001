// "Configure Vehicle Auto-Loading": edits the list of vehicles loaded at start-up
// ("autoveh.lst" in the program folder). Entries are vehicle file names without ".vd3",
// looked for in the vehicles folder. Changes take effect at the next start; nothing is
// written until "Save List", and closing the window discards unsaved changes.
#pragma once

#include <string>
#include <vector>

#include "platform/Form.hpp"

namespace ui {

class AutoVehEditor : public platform::Form {
public:
    AutoVehEditor();

    platform::ListView* VehAutoList = nullptr;
    platform::CommandButton* AutoVehAdd = nullptr;
    platform::CommandButton* AutoVehMoveUp = nullptr;
    platform::CommandButton* AutoVehMoveDown = nullptr;
    platform::CommandButton* AutoVehRemoveSelected = nullptr;
    platform::CommandButton* AutoVehRemoveMissing = nullptr;
    platform::CommandButton* AutoVehLoad = nullptr;
    platform::CommandButton* AutoVehSave = nullptr;

    // "Reset List" (and the window's opening): the file's entries replace the list; a missing
    // or empty file leaves the list as it is.
    void LoadList();
    // "Save List": the entries in order, through a temporary file and a rename.
    bool SaveList();
    // "Add Vehicle(s)": one or several vehicle files picked in the open dialog. A file the
    // start-up would never load from its entry (files::CheckAutoVehicleChoice) is not added;
    // one message lists each such file and why.
    void AddVehicles();
    void MoveUp();
    void MoveDown();
    void RemoveSelected();
    // Removes the entries whose vehicle file cannot be found (an empty file stays).
    void RemoveMissing();

    std::vector<std::string> Entries() const;

private:
    void SwapItems(int a, int b);
};

void ShowAutoVehEditor();
AutoVehEditor& AutoVehEditorWindow();
// Destroys the window (the program's state reset).
void ResetAutoVehEditor();

}  // namespace ui
