#include "app/controls/XAScreens.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

double xa_maxScaleFactor(const QList<double> &scaleFactors) {
    double result = 1.0;
    for (const double factor : scaleFactors) {
        result = std::max(result, factor);
    }
    return result;
}

double xa_maxScreenScaleFactor() {
    QList<double> factors;
    for (const QScreen *screen : QGuiApplication::screens()) {
        factors.append(screen->devicePixelRatio());
    }
    return xa_maxScaleFactor(factors);
}
