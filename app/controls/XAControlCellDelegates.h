#pragma once

// Check boxes and pop-ups inside table cells, painted by the button and pop-up cells' code: the check box from the
// item's check state, the pop-up from its display text.

#include "app/controls/XAButtonCell.h"
#include "app/controls/XAPopUpButtonCell.h"

#include <QStyledItemDelegate>

class XACheckBoxCellDelegate : public QStyledItemDelegate {
public:
    explicit XACheckBoxCellDelegate(QObject *parent = nullptr);
    XAButtonCell &cell() { return cell_; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable XAButtonCell cell_; // painting records the bezel outline
};

class XAPopUpCellDelegate : public QStyledItemDelegate {
public:
    explicit XAPopUpCellDelegate(QObject *parent = nullptr);
    XAPopUpButtonCell &cell() { return cell_; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable XAPopUpButtonCell cell_;
};
