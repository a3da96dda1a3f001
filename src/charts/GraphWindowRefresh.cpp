#include "charts/GraphWindowRefresh.hpp"

namespace charts {

// No graph window can be opened yet, so there is nothing to redraw.
void RefreshGraphWindows(int16_t, int16_t) {}

}  // namespace charts
