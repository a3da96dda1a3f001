// Colours, fonts and the overall look of the Qt front end. The program's windows are laid
// out in fixed pixels for a 96-dpi light-grey desktop, so fonts are sized in pixels and the
// style is always Fusion with a palette built from the platform's system colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "platform/Control.hpp"

namespace qtfront {

// A platform colour (0x00BBGGRR, or a system colour) as a QColor.
QColor ToQColor(platform::Color c);

// The font a FontSpec asks for, mapped onto an installed family: Arial becomes Liberation
// Sans (same metrics); Trebuchet MS, which has no metric twin here, becomes the closest
// installed humanist sans. Sizes are points at 96 dpi, turned into whole pixels.
QFont ToQFont(const platform::FontSpec& spec);

// When a QApplication exists: the Fusion style, a palette built
// from the system colours and the default font. Safe to call more than once.
void InstallQtLook();

// Sets the background and text colours of a widget palette: the background in every colour
// group, the text only in the active and inactive groups (disabled text stays grey).
void SetColors(QPalette& palette, QPalette::ColorRole background, QPalette::ColorRole text,
               platform::Color back, platform::Color fore);

}  // namespace qtfront
