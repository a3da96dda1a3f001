// Writes display captions into the main window's labels.
#pragma once

#include <vector>

#include "core/Caption.hpp"

namespace ui {

class Main;

// Writes each caption in order: its colour first (where it has one), then its text. A caption
// whose index the label array does not have is skipped.
void WriteCaptions(Main& form, const std::vector<core::Caption>& captions);

}  // namespace ui
