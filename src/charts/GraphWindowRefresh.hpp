// The charts' one call into the graph-window registry: after a chart of the main window is
// redrawn, every open graph window that shows one of the same graphs is redrawn too.
#pragma once

#include <cstdint>

namespace charts {

// Redraws every open graph window whose graph id lies in firstGraphId..lastGraphId (the ids of
// the graph windows' menu), each with the graph it shows. Nothing when no window is open.
void RefreshGraphWindows(int16_t firstGraphId, int16_t lastGraphId);

}  // namespace charts
