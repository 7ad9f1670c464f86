#pragma once

// Styled text for a terminal: each run becomes its text wrapped in ANSI escape sequences (Select Graphic Rendition)
// for the attributes a terminal can show: a bold font, an underline and the foreground and background colours, each
// colour as the nearest of the terminal's eight colours or grey. The text and text background colours stay the
// terminal's own. Fonts' families and sizes, links and the snippet marker have no escape sequence; the printers show
// the marker with a line of tildes.

#include "core/XAAttributedString.h"

#include <string>
#include <vector>

// The SGR parameters of one run's attributes, in the order bold, underline, foreground, background.
std::vector<int> XAANSIGraphicRenditionCodes(const XATextAttributes &attributes);

// The text with every run that has parameters wrapped in "ESC[<codes>m" and "ESC[0m".
std::string XAANSIEscapedString(const XAAttributedString &s);
