#pragma once

// The template images of the project window's sidebar buttons, drawn at run time: their shape is the alpha, the
// sidebar chooses the colour.

#include "core/XAImage.h"

#include <optional>
#include <string>

// "sidebarLogTemplate" (a page of log lines) and "sidebarDiagnosticsTemplate" (a warning sign), 80 × 80 pixels
// that the buttons draw into 40 points; none for another name.
std::optional<XAImage> XASidebarImageNamed(const std::string &name);
