#pragma once

// Draws and edits the configuration table's cells: rich-text titles in the option column; in the value column a
// pop-up, a check box or a fixed-pitch text field with the option's placeholder, as the row's value cell says.

#include <QStyledItemDelegate>

class XAConfigurationViewController;

class XAOptionValueDelegate : public QStyledItemDelegate {
public:
    XAOptionValueDelegate(XAConfigurationViewController *controller, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    void detach() { controller_ = nullptr; }

private:
    void paintRichText(QPainter *painter, const QStyleOptionViewItem &option, const QString &html) const;
    void paintText(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    XAConfigurationViewController *controller_;
};
