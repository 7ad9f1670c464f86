#pragma once

// The cells of the rule selection sheet's rows: the first column's mark or check box, the two-line rule info with
// the search words highlighted, and the cog image.

#include "app/controls/XAControlCellDelegates.h"

#include <QImage>
#include <QStyledItemDelegate>
#include <QTextDocument>

#include <memory>

// The two lines of a rule's info cell: its name in the bold system font of 12 points (grey for an excluded rule),
// its tags in bold 10 points and blue-grey; every occurrence of a search word on a dark yellow background.
std::unique_ptr<QTextDocument> XARuleInfoDocument(const QString &name, const QString &tags, bool excluded,
                                                  const QString &searchText);
// The colour every occurrence of a search word is underlaid with.
QColor XARuleSearchHighlightColor();

// "✘" or "✔" centred in the cell, else the check box of the gray button style; a click on the box toggles it.
class XARuleCheckboxCell : public QStyledItemDelegate {
public:
    explicit XARuleCheckboxCell(QObject *parent = nullptr);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    XACheckBoxCellDelegate checkbox_;
};

// The info document, truncated at the tail of each line and drawn with a soft shadow.
class XARuleInfoCell : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// The action (cog) image in the grey level: 16 × 16 points, transparent around the cog.
QImage XAActionTemplateImage(double white);
