#pragma once

// The start window's project table as a Qt model and the delegate that draws its cells: column 0 the icon, column 1
// the name as rich text; header rows span the table in small bold type.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

class XAMainNaviWindowController;

class XAProjectsTableModel : public QAbstractTableModel {
public:
    explicit XAProjectsTableModel(XAMainNaviWindowController *controller, QObject *parent = nullptr)
        : QAbstractTableModel(parent), controller_(controller) {}

    int rowCount(const QModelIndex &parent) const override;
    int columnCount(const QModelIndex &parent) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Refills the table from the controller's rows.
    void reload();

private:
    XAMainNaviWindowController *controller_;
};

class XARichTextItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
