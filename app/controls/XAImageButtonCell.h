#pragma once

// A table cell that shows only an image, centred at its own size: the pressed image while the mouse is down on it,
// else the selected-row image on a selected row, else the plain image (also whenever the special one is not set).

#include <QImage>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class XAImageButtonCell : public QStyledItemDelegate {
public:
    explicit XAImageButtonCell(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}

    QImage image() const { return image_; }
    void setImage(const QImage &image) { image_ = image; }
    QImage xa_imageWhenOnHighlightedTableRow() const { return imageOnSelectedRow_; }
    void setXa_imageWhenOnHighlightedTableRow(const QImage &image) { imageOnSelectedRow_ = image; }
    QImage xa_imageWhenPressed() const { return imageWhenPressed_; }
    void setXa_imageWhenPressed(const QImage &image) { imageWhenPressed_ = image; }

    // The image the cell shows in that state.
    QImage imageFor(bool pressed, bool onSelectedRow) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    QImage image_;
    QImage imageOnSelectedRow_;
    QImage imageWhenPressed_;
    QPersistentModelIndex pressedIndex_;
};
