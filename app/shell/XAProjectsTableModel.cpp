#include "app/shell/XAProjectsTableModel.h"

#include "app/shell/XAMainNaviWindowController.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace {

const char *columnIdentifier(int column) {
    return column == 0 ? XAMainNaviWindowController::kIconColumn : XAMainNaviWindowController::kNameColumn;
}

} // namespace

int XAProjectsTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : controller_->numberOfRows();
}

int XAProjectsTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 2; }

QVariant XAProjectsTableModel::data(const QModelIndex &index, int role) const {
    const long row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        // A header spans both columns, so its text shows from the first.
        return index.column() == 1 || controller_->isGroupRow(row) ? controller_->objectValue(columnIdentifier(1), row)
                                                                   : QVariant();
    case Qt::DecorationRole:
        return index.column() == 0 ? controller_->objectValue(columnIdentifier(0), row) : QVariant();
    case Qt::ToolTipRole: {
        const QString tip = controller_->toolTipForRow(row);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::SizeHintRole:
        return QSize(index.column() == 0 ? 36 : 300, static_cast<int>(controller_->heightOfRow(row)));
    default:
        return {};
    }
}

void XAProjectsTableModel::reload() {
    beginResetModel();
    endResetModel();
}

void XARichTextItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const {
    if (option.state & QStyle::State_Selected) {
        painter->fillRect(option.rect, option.palette.highlight());
    }
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.canConvert<QImage>() && !decoration.value<QImage>().isNull()) {
        const QImage icon = decoration.value<QImage>();
        const int side = std::min(option.rect.height() - 4, 24);
        const QRect target(option.rect.x() + (option.rect.width() - side) / 2,
                           option.rect.y() + (option.rect.height() - side) / 2, side, side);
        painter->drawImage(target, icon);
        return;
    }
    const QString html = index.data(Qt::DisplayRole).toString();
    if (html.isEmpty()) {
        return;
    }
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    painter->save();
    const double y = option.rect.y() + (option.rect.height() - document.size().height()) / 2; // centred vertically
    painter->translate(option.rect.x() + 4, y);
    document.drawContents(painter);
    painter->restore();
}
