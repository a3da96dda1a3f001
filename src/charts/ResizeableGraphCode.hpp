// The registry of the resizable graph windows: up to eight open side by side, each showing one
// of 42 graphs chosen from its own View menu. The registry opens windows (reusing the lowest
// free slot), keeps the count and the newest window that chart double-clicks draw into, and
// enables "Open another graph window" while fewer than eight are open. The modules that own a
// chart redraw every open window showing one of their graphs through RefreshGraphWindows.
//
// Graph ids come in ten groups, one draw routine each (GraphWindowRoutines.hpp); the id of an
// item is the group's first id plus the item's index within the group.
//
// Program-wide state: ResizeableGraphCode(). Reset it with ResetResizeableGraphCode(), which
// keeps the installed window source.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "charts/GraphWindow.hpp"
#include "core/Numbers.hpp"

namespace charts {

inline constexpr int kMaxGraphWindows = 8;
inline constexpr int kGraphCount = 42;
inline constexpr int kNoGraph = -1;

// In id order.
enum class GraphGroup : uint8_t {
    Data, Physical, Deceleration, Springs, Damping, Steering, Drivetrain, Tyres, Aero, Acceleration
};
inline constexpr int kGraphGroupCount = 10;

struct GraphGroupRange {
    int16_t FirstId;
    int16_t Count;
    bool Holds(int id) const { return id >= FirstId && id < FirstId + Count; }
};
GraphGroupRange GroupRange(GraphGroup group);
// The group of a graph id; false (group untouched) for an id outside 0..41.
bool GroupOfGraph(int id, GraphGroup& group);

struct GraphWindowSlot {
    GraphWindow* Window = nullptr;  // set on first open; a closed window stays in its slot
    core::VbBool InUse = core::VbFalse;
    // Place in the order of opening (1 for the first window ever opened, then 2, ...): a
    // counter rather than a clock, so the newest window is found whatever the time of day.
    uint32_t OpenedAt = 0;
};

struct ResizeableGraphCodeState {
    std::vector<GraphWindowSlot> GraphWindows;  // grows one slot at a time, at most eight
    uint8_t GraphWindowSlotCount = 0;           // == GraphWindows.size()
    uint8_t OpenGraphWindowCount = 0;           // slots in use
    uint8_t NewestGraphWindow = 0;              // slot of the latest window opened still open
    uint32_t OpenCounter = 0;                   // windows opened so far
    // The window of a slot: the slot's window while it lives, a fresh one (its design state)
    // after it was closed. Installed by the window's own module; no window opens without it.
    std::function<GraphWindow&(int slot)> WindowForSlot;
};

ResizeableGraphCodeState& ResizeableGraphCode();
// Forgets every slot and count; the window source stays.
void ResetResizeableGraphCode();

// Opens one more graph window (a blank one) and makes it the newest; with eight open it only
// refreshes the menus.
void OpenGraphWindow();
// Finds the newest open window and enables "Open another graph window" on every open window
// while fewer than eight are open (disables it on all of them at eight).
void UpdateGraphWindowMenus();
// A window of the registry closed (its unload, which never cancels): its slot is free.
void GraphWindowClosed(int slot);
// The window of an open slot; null for a free or unknown slot.
GraphWindow* OpenGraphWindowAt(int slot);
void UncheckGraphMenus(GraphWindow& window);

// Draws item `index` of the group into the window: no check marks but the item's, then the
// group's draw routine. What a click on the item does, and what a resize redraws.
void ShowGraphItem(GraphGroup group, int16_t index, GraphWindow& window);
// The chart double-click on the main window: opens a window when none is open, then shows
// the item in the newest open window.
void ShowGraphInNewestWindow(GraphGroup group, int16_t index);
// Redraws every open window whose graph belongs to the group, with its own item.
void RefreshGraphWindows(GraphGroup group);
// The same for the windows showing items firstItem..lastItem of the group (a chart routine
// that draws only some of its group's graphs).
void RefreshGraphWindows(GraphGroup group, int16_t firstItem, int16_t lastItem);
// The group's draw routine.
void DrawGroupGraph(GraphGroup group, int16_t index, GraphWindow& window);

}  // namespace charts
