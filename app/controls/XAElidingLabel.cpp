#include "app/controls/XAElidingLabel.h"

#include <QPainter>
#include <QStyle>

QSize XAElidingLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void XAElidingLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shown, foregroundRole());
}
