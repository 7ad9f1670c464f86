#pragma once

// The small pictures of the diagnostics table: the diagnostic's combined impact-and-severity picture (an SVG document
// of the engine) drawn at the table's size, and a meter of one to four bars for the confidence, drawn at run time.
// The HTML pages use the matching pictures among the resources.

#include "engine/XADiagnostic.h"

#include <QImage>

// The diagnostic's impactAndSeverityImage() at 18 × 18 points; a null image for an unknown severity.
QImage XAImpactAndSeverityImage(const XADiagnostic &diagnostic);
// 18 × 18 points; a null image for an unknown confidence.
QImage XAConfidenceImage(XADiagnosticConfidence confidence);
// The image with transparent margins of the widths around it.
QImage xa_imageByPaddingWithInsets(const QImage &image, const QMargins &insets);
