// The draw routines of the graph windows, one per group of the View menu. Each draws graph
// (group's first id + index) on the window's LargeGraph, scaled to its size, from the
// program-wide analysis state, and records the id as the window's current graph. They draw
// only; they compute no analysis. An index outside the group draws nothing.
#pragma once

#include <cstdint>

#include "charts/GraphWindow.hpp"

namespace charts {

void DrawPowerTorqueGraph(int16_t index, GraphWindow& window);   // 0
void DrawCornerMassesGraph(int16_t index, GraphWindow& window);  // 1
void DrawDecelerationGraph(int16_t index, GraphWindow& window);  // 2..11
void DrawSpringGraph(int16_t index, GraphWindow& window);        // 12..16
void DrawDamperGraph(int16_t index, GraphWindow& window);        // 17..19
void DrawSteeringGraph(int16_t index, GraphWindow& window);      // 20, 21
void DrawDrivetrainGraph(int16_t index, GraphWindow& window);    // 22, 23
void DrawTyreGraph(int16_t index, GraphWindow& window);          // 24..28
void DrawAeroGraph(int16_t index, GraphWindow& window);          // 29..31
void DrawAccelerationGraph(int16_t index, GraphWindow& window);  // 32..41

}  // namespace charts
