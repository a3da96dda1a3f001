// "Configure Vehicle Auto-Loading": edits the list of vehicles loaded at start-up
// ("autoveh.lst" in the program folder). Entries are vehicle file names without ".vd3",
// looked for in the vehicles folder. Changes take effect at the next start; nothing is
// written until "Save List", and closing the window discards unsaved changes.
#pragma once

#include <string>
#include <vector>

#include "files/ListFiles.hpp"
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
    // or empty file leaves the list as it is. A file that cannot be read leaves it too, and is
    // then not saved over until a later reading finds it (or finds no file).
    void LoadList(files::ListProblemTelling telling = files::ListProblemTelling::Always);
    // "Save List": the entries in order, through a temporary file and a rename. Refused, with
    // a message saying why, while the file the list was read from could not be read.
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

    // What the user was told when the list file was last read and could not be: while it is
    // not empty, Save List does not write over the file.
    std::string unreadProblem_;
};

void ShowAutoVehEditor();
AutoVehEditor& AutoVehEditorWindow();
// Destroys the window (the program's state reset).
void ResetAutoVehEditor();

}  // namespace ui
