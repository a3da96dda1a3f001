// Paints a surface's display list (pixels) with QPainter, and renders one to an image.
#pragma once

#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/Surface.hpp"

namespace qtfront {

// Paints the ops in order; the painter's current transform places the surface's (0,0).
void PaintDisplayList(QPainter& painter, const std::vector<platform::DrawOp>& ops);

// The surface as an image of its pixel size, cleared to its BackColor (a null image for a
// surface without size).
QImage RenderSurface(const platform::Surface& surface);

// Same, on a background colour of the caller's choice (a picture box paints its BackColor).
QImage RenderSurface(const platform::Surface& surface, platform::Color background);

}  // namespace qtfront
