// Reading the options file from the options window: the links through which the file's
// options reach this window (stored options shown, unit presets applied) and every display of
// the main window.
#pragma once

#include "files/OptionsFile.hpp"

namespace ui {

// The links through which reading the options file reaches this window and the displays.
files::OptionsFileLinks OptionsWindowLinks();
// Reads the options file with those links (start-up and the "Load Options" button).
files::OptionsLoadResult LoadOptionsFile(files::OptionsLoadOccasion occasion);

}  // namespace ui
