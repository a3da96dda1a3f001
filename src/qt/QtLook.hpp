// Colours, fonts and the overall look of the Qt front end. The program's windows are laid
// out in fixed pixels for a 96-dpi light-grey desktop, so fonts are sized in pixels and the
// style is always Fusion with a palette built from the platform's system colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

#include "platform/Control.hpp"

namespace qtfront {

// A platform colour (0x00BBGGRR, or a system colour) as a QColor.
QColor ToQColor(platform::Color c);

// The font a FontSpec asks for, mapped onto an installed family. The windows are laid out in
// fixed pixels and their layout tests measure texts in Liberation Sans (fonts-liberation, which
// the set-up script installs), so Arial, MS Sans Serif and Trebuchet MS all become that family
// (SansFamilyAmong), whatever wider sans the desktop has besides (Open Sans, Cantarell), and
// Courier New becomes Liberation Mono. Sizes are points at 96 dpi, turned into whole pixels;
// the hinting is light whatever the desktop's fontconfig asks for, so widths stay as measured.
QFont ToQFont(const platform::FontSpec& spec);

// Of the font families `installed`, the one ToQFont draws sans texts in: Liberation Sans, else
// a metric twin of it (Arimo, Arial, Helvetica), else DejaVu Sans.
QString SansFamilyAmong(const QStringList& installed);

// When a QApplication exists: the Fusion style, a palette built
// from the system colours and the default font. Safe to call more than once.
void InstallQtLook();

// Sets the background and text colours of a widget palette: the background in every colour
// group, the text only in the active and inactive groups (disabled text stays grey).
void SetColors(QPalette& palette, QPalette::ColorRole background, QPalette::ColorRole text,
               platform::Color back, platform::Color fore);

}  // namespace qtfront
