#include "app/controls/XAImageButtonCell.h"

#include "app/controls/XATextFieldCell.h"

#include <QEvent>
#include <QPainter>

QImage XAImageButtonCell::imageFor(bool pressed, bool onSelectedRow) const {
    if (pressed && !imageWhenPressed_.isNull()) {
        return imageWhenPressed_;
    }
    if (!pressed && onSelectedRow && !imageOnSelectedRow_.isNull()) {
        return imageOnSelectedRow_;
    }
    return image_;
}

void XAImageButtonCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const bool pressed = pressedIndex_.isValid() && pressedIndex_ == index;
    const QImage image = imageFor(pressed, xa_isOnSelectedRowInTableView(option));
    if (image.isNull()) {
        return;
    }
    const QSizeF size = image.deviceIndependentSize();
    const QRectF frame = option.rect;
    const QPointF origin(frame.x() + (frame.width() - size.width()) * 0.5,
                         frame.y() + (frame.height() - size.height()) * 0.5);
    painter->drawImage(QRectF(origin, size), image);
}

bool XAImageButtonCell::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) {
    if (event->type() == QEvent::MouseButtonPress) {
        pressedIndex_ = index;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressedIndex_ = QPersistentModelIndex();
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
