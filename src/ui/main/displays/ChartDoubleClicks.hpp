// A double-click on any chart or diagram of the main window draws the same graph large in the
// newest open graph window (opening one when none is open) and marks it in that window's View
// menu. The item drawn is the one the double-clicked box is showing: its own index, or the
// choice of the box's data selector.
#pragma once

#include <cstdint>

#include "charts/ResizeableGraphCode.hpp"

namespace ui {

class Main;

// The graph a double-click on one of the main window's charts draws.
struct ChartGraph {
    charts::GraphGroup Group = charts::GraphGroup::Data;
    int Item = -1;  // index within the group; outside the group: nothing is drawn or opened
};

// The graph of each chart as the window shows it now.
ChartGraph DecGraphShown(const Main& form, int box);
ChartGraph AccGraphShown(const Main& form, int box);
ChartGraph DamperGraphShown(const Main& form);
ChartGraph TyreGraphShown(const Main& form, int box);
ChartGraph AeroGraphShown(int box);

// Draws the graph in the newest graph window; an item outside its group does nothing at all.
void ShowChartInGraphWindow(const ChartGraph& graph);

// Attaches the double-click handlers of every chart of the window.
void InstallChartDoubleClicks(Main& form);

}  // namespace ui
