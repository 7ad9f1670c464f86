#pragma once

// The bridge between the core's values and Qt's: colours, styled text as Qt rich text, and images as QImage with
// the image functions the windows use.

#include "core/XAAttributedString.h"
#include "core/XAColor.h"
#include "core/XAImage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

QColor XAQColor(const XAColor &color);
XAColor XAColorFromQColor(const QColor &color);

// The colour's hue, saturation, brightness and alpha as the block leaves them.
QColor xa_colorByModifyingHSBWithBlock(const QColor &color, const XAHSBModifier &modify);
// Calibrated white 0.13: the background of the dark content areas.
QColor xa_darkContentBackgroundColor();
// Brightness limited to at most 0.3.
QColor xa_darkColor(const QColor &color);

// The font at a size given in the points of the look. The look measures its frames, row heights and insets in
// points of a 72-per-inch screen, which are Qt's device-independent pixels; a font sized in the same unit keeps its
// place in those frames on a screen of any logical resolution (Qt's own points grow with it: 12 of them are 16 pixels
// at 96 dots per inch).
QFont xa_fontWithSize(QFont font, double points);

// Styled text as Qt rich text (HTML): fonts, colours, links, underlines and markers of every run. Text and
// text-background colour roles are left to the palette.
QString XARichTextFromAttributedString(const XAAttributedString &text);

QImage XAQImage(const XAImage &image);
XAImage XAImageFromQImage(const QImage &image);
// The image drawn into the whole of a new one of the size.
QImage xa_imageResizedToSize(const QImage &image, QSize size);
// A grey version with transparency kept.
QImage xa_monochromeImage(const QImage &image);
bool xa_writeToPNGFile(const QImage &image, const QString &path);
