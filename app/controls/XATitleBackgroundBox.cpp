#include "app/controls/XATitleBackgroundBox.h"

#include <QPainter>

XATitleBackgroundBox::XATitleBackgroundBox(QWidget *parent) : QFrame(parent) {}

void XATitleBackgroundBox::setXa_isSecondaryTitle(bool secondary) {
    isSecondaryTitle_ = secondary;
    update();
}

QColor XATitleBackgroundBox::fillColor() const {
    const double white = isSecondaryTitle_ ? 0.15 : 0.2;
    return QColor::fromRgbF(white, white, white);
}

void XATitleBackgroundBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), fillColor());
}
