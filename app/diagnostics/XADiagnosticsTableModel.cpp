#include "app/diagnostics/XADiagnosticsTableModel.h"

#include "app/controls/XAQtConversions.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSize>

#include <array>

namespace {

const std::array<const char *, 4> kColumns = {XADiagnosticsSeverityIconColumn, XADiagnosticsConfidenceIconColumn,
                                              XADiagnosticsCountColumn, XADiagnosticsInfoColumn};

QString centred(const QString &richText) { return QStringLiteral("<div align=\"center\">%1</div>").arg(richText); }

constexpr double kInfoHorizontalPadding = 2;

QFont qtFont(const std::optional<XAFont> &font) {
    QFont result;
    if (font) {
        if (!font->isSystemFont()) {
            result.setFamily(QString::fromStdString(font->family));
        }
        result.setPointSizeF(font->pointSize);
        result.setBold(font->bold);
        result.setItalic(font->italic);
    }
    return result;
}

QVariantList infoLines(const XAAttributedString &info) {
    QVariantList lines;
    std::size_t start = 0;
    const std::string &text = info.string();
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const XATextAttributes attributes = info.attributesAtIndex(start < text.size() ? start : 0);
        XADiagnosticInfoLine line{QString::fromStdString(text.substr(start, end - start)), qtFont(attributes.font),
                                  XAQColor(attributes.foregroundColor.value_or(XAColor::white(0.9)))};
        lines.append(QVariant::fromValue(line));
        start = end + 1;
    }
    return lines;
}

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
    if (role == XADiagnosticInfoLinesRole && column == QLatin1String(XADiagnosticsInfoColumn)) {
        return infoLines(cells.info);
    }
    return {};
}

QVariant XADiagnosticsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return columnIdentifier(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString XADiagnosticInfoCell::truncatedLine(const XADiagnosticInfoLine &line, double width) {
    return QFontMetricsF(line.font).elidedText(line.text, Qt::ElideRight, width);
}

void XADiagnosticInfoCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
    const QVariantList lines = index.data(XADiagnosticInfoLinesRole).toList();
    double height = 0;
    for (const QVariant &value : lines) {
        height += QFontMetricsF(value.value<XADiagnosticInfoLine>().font).height();
    }
    const QRectF bounds = QRectF(option.rect).adjusted(kInfoHorizontalPadding, 0, -kInfoHorizontalPadding, 0);
    double y = bounds.y() + std::max(0.0, (bounds.height() - height) / 2);
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(option.rect);
    for (const QVariant &value : lines) {
        const XADiagnosticInfoLine line = value.value<XADiagnosticInfoLine>();
        const QFontMetricsF metrics(line.font);
        painter->setFont(line.font);
        painter->setPen(selected ? QColor(Qt::white) : line.color);
        painter->drawText(QPointF(bounds.x(), y + metrics.ascent()), truncatedLine(line, bounds.width()));
        y += metrics.height();
    }
    painter->restore();
}
