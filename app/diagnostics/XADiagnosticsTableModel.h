#pragma once

// The diagnostics table's model: one row per group of the shown rows, columns "severityIcon", "confidenceIcon",
// "count" and "info" in that order. Icons are decorations, count and info rich text; every row is 40 points high.
// A group without diagnostics shows nothing in any column.

#include "app/diagnostics/XADiagnosticTableRows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

#include <memory>

// The item role that answers the number of diagnostics of a row's group.
inline constexpr int XADiagnosticCountRole = Qt::UserRole + 41;
// The item role of the info column that answers its lines, each an XADiagnosticInfoLine.
inline constexpr int XADiagnosticInfoLinesRole = Qt::UserRole + 42;

// One line of a row's info text, drawn in the font and colour of its first character.
struct XADiagnosticInfoLine {
    QString text;
    QFont font;
    QColor color;
};
Q_DECLARE_METATYPE(XADiagnosticInfoLine)

class XADiagnosticsTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int RowHeight = 40;

    // Replaces the rows and resets the model.
    void setRows(std::shared_ptr<const XADiagnosticTableRows> rows);
    const std::shared_ptr<const XADiagnosticTableRows> &rows() const { return rows_; }

    // The column's identifier; empty for a column out of range.
    static QString columnIdentifier(int column);
    static int columnWithIdentifier(const QString &identifier);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant cellValue(const XADiagnosticRowCells &cells, const QString &column, int role) const;

    std::shared_ptr<const XADiagnosticTableRows> rows_;
};

// The info column's cell: its lines centred vertically as a block, each truncated at the tail to the cell's width;
// white on a selected row.
class XADiagnosticInfoCell : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The line's text as drawn in the width.
    static QString truncatedLine(const XADiagnosticInfoLine &line, double width);
};
