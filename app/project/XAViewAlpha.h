#pragma once

// A widget's alpha value as the platform's views have one: an opacity effect made on first use (alpha 1), and a
// property animation of it.

#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

QGraphicsOpacityEffect *xa_opacityEffect(QWidget *view);
double xa_alphaValue(QWidget *view);
void xa_setAlphaValue(QWidget *view, double alpha);
// An animation (not started) of the view's alpha to `alpha` over the seconds.
QPropertyAnimation *xa_alphaAnimation(QWidget *view, double alpha, double seconds);
