// The window "Engine Torque Curve Data Table": the engine being edited in the vehicle editor as
// rows of engine speed, torque, torque as a share of the peak, and power, from a chosen start
// speed in chosen steps. It exists only while the editor is open; the editor's preview refills
// it whenever the engine inputs change. A row the person picks stays picked over the refills
// while the table lists its engine speed.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/Form.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace ui {

class TorqueDataTable : public platform::Form {
public:
    TorqueDataTable();

    platform::ControlArray<platform::Label> TorqueDataLabel;  // 0 "Start:", 1 "Step:"
    platform::TextBox* StartRevsText = nullptr;  // start speed, angular-velocity display unit
    platform::TextBox* UnitStepText = nullptr;   // step, same unit
    platform::ListView* DataTable = nullptr;

    // The engine speed of each row as last listed, rad/s (row k at [k - 1]).
    std::vector<float> RowSpeeds;
    // The engine speed of the row the person last picked, rad/s; kept while refills list
    // other speeds, until another row is picked or the window closes.
    std::optional<float> PickedSpeed;

private:
    void Layout();
};

// The table's size for a window of the given outer size (frame included) and client size,
// all in twips: a window below the minimum first grows to it (one side at a time, as the
// window's own resizing does); the table fills the client area.
struct TorqueTableLayout {
    std::optional<int> snapWidth;   // set the window to this width and stop
    std::optional<int> snapHeight;  // set the window to this height and stop
    int tableWidth = 0, tableHeight = 0;
    int columnWidth = 0;            // each column, when the table has columns
};
TorqueTableLayout LayoutTorqueTable(int windowWidth, int windowHeight, int clientWidth,
                                    int clientHeight, int columnCount);

// What the window runs to refill itself when it opens and when its start or step changes: the
// editor's engine preview, attached with the editor's handlers.
struct TorqueDataTableLinks {
    std::function<void()> PreviewEngine;
};
TorqueDataTableLinks& TorqueDataTableHooks();

// Opens the window (or brings it to the front) and marks it open; the opening fills it. It
// opens owned by the main window, beside the editor's Drive-train page.
void ShowTorqueDataTable();
// Closes the window when it is open.
void CloseTorqueDataTable();
// Unloads the window and forgets it (tests start each case without it).
void ResetTorqueDataTable();
// The open window, or nullptr.
TorqueDataTable* OpenTorqueDataTable();

// Lists the engine's torque and power from the start speed in the window's step (at least
// 5 rad/s) up to the limit speed, at most 201 rows. Writes the idle speed into an empty start
// box. Selects the row of the speed the person picked, where the new rows hold it. Does
// nothing when the window is not open.
void FillTorqueDataTable(vehicle::EngineRecord& engine);

}  // namespace ui
