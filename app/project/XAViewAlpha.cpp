#include "app/project/XAViewAlpha.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

QGraphicsOpacityEffect *xa_opacityEffect(QWidget *view) {
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(view->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(view);
        effect->setOpacity(1.0);
        view->setGraphicsEffect(effect);
    }
    return effect;
}

double xa_alphaValue(QWidget *view) { return xa_opacityEffect(view)->opacity(); }

void xa_setAlphaValue(QWidget *view, double alpha) { xa_opacityEffect(view)->setOpacity(alpha); }

QPropertyAnimation *xa_alphaAnimation(QWidget *view, double alpha, double seconds) {
    auto *animation = new QPropertyAnimation(xa_opacityEffect(view), "opacity");
    animation->setDuration(int(seconds * 1000));
    animation->setEndValue(alpha);
    return animation;
}
