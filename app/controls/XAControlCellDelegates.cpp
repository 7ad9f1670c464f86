#include "app/controls/XAControlCellDelegates.h"

#include <QPainter>

XACheckBoxCellDelegate::XACheckBoxCellDelegate(QObject *parent) : QStyledItemDelegate(parent) {
    cell_.setButtonType(XAButtonType::CheckBox);
    cell_.xa_setStyle(XAButtonStyleGray);
}

void XACheckBoxCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const {
    XAButtonDrawState state;
    state.enabled = option.state & QStyle::State_Enabled;
    state.checkState = static_cast<Qt::CheckState>(index.data(Qt::CheckStateRole).toInt());
    state.inTableView = true;
    painter->save();
    cell_.drawWithFrame(*painter, option.rect, QString(), state);
    painter->restore();
}

XAPopUpCellDelegate::XAPopUpCellDelegate(QObject *parent) : QStyledItemDelegate(parent) { cell_.xa_setStyle(2); }

void XAPopUpCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    painter->save();
    painter->setFont(option.font);
    cell_.drawWithFrame(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
                        option.state & QStyle::State_Enabled, false, true);
    painter->restore();
}
