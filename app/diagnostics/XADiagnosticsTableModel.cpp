#include "app/diagnostics/XADiagnosticsTableModel.h"

#include "app/controls/XAQtConversions.h"

#include <QSize>

#include <array>

namespace {

const std::array<const char *, 4> kColumns = {XADiagnosticsSeverityIconColumn, XADiagnosticsConfidenceIconColumn,
                                              XADiagnosticsCountColumn, XADiagnosticsInfoColumn};

QString centred(const QString &richText) { return QStringLiteral("<div align=\"center\">%1</div>").arg(richText); }

} // namespace

void XADiagnosticsTableModel::setRows(std::shared_ptr<const XADiagnosticTableRows> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString XADiagnosticsTableModel::columnIdentifier(int column) {
    return column >= 0 && column < static_cast<int>(kColumns.size()) ? QString::fromLatin1(kColumns[column])
                                                                     : QString();
}

int XADiagnosticsTableModel::columnWithIdentifier(const QString &identifier) {
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        if (identifier == QLatin1String(kColumns[column])) {
            return static_cast<int>(column);
        }
    }
    return -1;
}

int XADiagnosticsTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->size());
}

int XADiagnosticsTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant XADiagnosticsTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::SizeHintRole) {
        return QSize(-1, RowHeight);
    }
    const XADiagnosticTableRow &row = (*rows_)[static_cast<std::size_t>(index.row())];
    if (!row.cells) {
        return {};
    }
    const QString column = columnIdentifier(index.column());
    if (role == XADiagnosticCountRole) {
        return static_cast<qulonglong>(row.group->diagnostics().size());
    }
    if (role == Qt::ToolTipRole) {
        const std::optional<QString> toolTip = XADiagnosticRowToolTip(row, column);
        return toolTip ? QVariant(*toolTip) : QVariant();
    }
    return cellValue(*row.cells, column, role);
}

QVariant XADiagnosticsTableModel::cellValue(const XADiagnosticRowCells &cells, const QString &column, int role) const {
    if (role == Qt::DecorationRole && column == QLatin1String(XADiagnosticsSeverityIconColumn)) {
        return cells.severityIcon;
    }
    if (role == Qt::DecorationRole && column == QLatin1String(XADiagnosticsConfidenceIconColumn)) {
        return cells.confidenceIcon;
    }
    if (role == Qt::DisplayRole && column == QLatin1String(XADiagnosticsCountColumn)) {
        return centred(XARichTextFromAttributedString(cells.count));
    }
    if (role == Qt::DisplayRole && column == QLatin1String(XADiagnosticsInfoColumn)) {
        return XARichTextFromAttributedString(cells.info);
    }
    return {};
}

QVariant XADiagnosticsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return columnIdentifier(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
