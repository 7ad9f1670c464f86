#pragma once

// Draws and edits the configuration table's cells with the dark controls: rich-text titles in the option column; in
// the value column the row's value cell, a pop-up (a pop-up button of the grey style, always shown), a check box or
// an editable text field in a fixed-pitch font with the option's placeholder. Every cell lies inside its row and
// column less half the table's spacing between cells on each side.

#include <QPointer>
#include <QStyledItemDelegate>

class XACheckBoxCellDelegate;
class XAConfigurationViewController;
class XATextFieldCell;

class XAOptionValueDelegate : public QStyledItemDelegate {
public:
    XAOptionValueDelegate(XAConfigurationViewController *controller, QObject *parent);

    // The frame a cell is drawn in: the item's rectangle less half the spacing between cells on each side.
    static QRect cellFrame(const QRect &itemRect);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    // A click on a check box's cell or the space key toggles it.
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The controller is going away: the delegate draws and edits nothing from now on.
    void detach() { controller_ = nullptr; }

private:
    void paintRichText(QPainter *painter, const QRect &frame, const QString &html) const;

    QPointer<XAConfigurationViewController> controller_;
    XATextFieldCell *textCell_;
    XACheckBoxCellDelegate *checkBoxCell_;
};
