#include "app/controls/XATableHeaderView.h"

#include "app/controls/XAButtonCell.h"

#include <QMouseEvent>
#include <QPainter>

XATableHeaderView::XATableHeaderView(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent) {
    setSectionsClickable(true);
}

void XATableHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    xa_drawSection(painter, rect, logicalIndex, logicalIndex == pressedSection_);
}

void XATableHeaderView::xa_drawSection(QPainter *painter, const QRect &rect, int logicalIndex, bool highlighted) const {
    const QColor border = XAWhite(0.3);
    const QRectF frame = rect;
    painter->save();
    painter->fillRect(frame, border);
    // The border's last row of pixels stays as the line along the header's bottom.
    const QRectF inner(frame.x(), frame.y(), frame.width(), frame.height() - 1);
    painter->fillRect(inner, XAVerticalGradient(inner, XAWhite(0.5), XAWhite(0.4)));
    painter->fillRect(QRectF(frame.x() + frame.width() - 1, frame.y() + 3, 1, frame.height() - 6), border);
    if (highlighted) {
        painter->fillRect(frame, XAWhite(0.0, 0.1));
    }
    painter->setPen(XAWhite(0.8));
    const QString title = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    painter->drawText(inner.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter->restore();
}

void XATableHeaderView::mousePressEvent(QMouseEvent *event) {
    pressedSection_ = logicalIndexAt(event->position().toPoint());
    viewport()->update();
    QHeaderView::mousePressEvent(event);
}

void XATableHeaderView::mouseReleaseEvent(QMouseEvent *event) {
    pressedSection_ = -1;
    viewport()->update();
    QHeaderView::mouseReleaseEvent(event);
}
