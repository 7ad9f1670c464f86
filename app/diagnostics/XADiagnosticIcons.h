#pragma once

// The small pictures of the diagnostics table, drawn at run time: a disc in the severity's colour with the impact's
// initial, and a meter of one to four bars for the confidence. The HTML pages use the matching pictures among the
// resources.

#include "engine/XADiagnostic.h"

#include <QImage>

// 18 × 18 points; a null image for an unknown severity.
QImage XAImpactAndSeverityImage(XADiagnosticImpact impact, XADiagnosticSeverity severity);
// 18 × 18 points; a null image for an unknown confidence.
QImage XAConfidenceImage(XADiagnosticConfidence confidence);
// The image with transparent margins of the widths around it.
QImage xa_imageByPaddingWithInsets(const QImage &image, const QMargins &insets);
