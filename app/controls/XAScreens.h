#pragma once

#include <QList>

// The greatest of the scale factors, never below 1.0 (1.0 for none).
double xa_maxScaleFactor(const QList<double> &scaleFactors);
// The greatest device pixel ratio of Qt's screens, never below 1.0.
double xa_maxScreenScaleFactor();
