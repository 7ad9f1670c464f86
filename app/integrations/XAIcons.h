#pragma once

// The application's own pictures, drawn at run time: the icon of Xcode project files (used where the system would
// give a file-type icon) and the tile of the start window's background pattern.

#include <QImage>

// The generic icon of ".xcodeproj" files, 64 × 64 pixels.
QImage XAProjectFileTypeIcon();
// The tile of the start window's background ("mainbkg").
QImage XAMainBackgroundPatternTile();
