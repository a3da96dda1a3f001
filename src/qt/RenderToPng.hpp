// Renders a form or a surface to an image or PNG file, without showing anything on screen
// (tests and documentation use it).
#pragma once

#include <QImage>
#include <string>

#include "platform/Form.hpp"

namespace qtfront {

// The form's window as it would look: menu bar, client area and its controls. Uses the
// form's open window when it has one, otherwise a window built for the occasion.
QImage RenderForm(platform::Form& form);
bool RenderFormToPng(platform::Form& form, const std::string& path);

bool RenderSurfaceToPng(const platform::Surface& surface, const std::string& path);

}  // namespace qtfront
