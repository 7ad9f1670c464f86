#include "app/config/XAConfigTableModel.h"

#include "app/config/XAConfigurationViewController.h"

XAConfigTableModel::XAConfigTableModel(XAConfigurationViewController *controller, QObject *parent)
    : QAbstractTableModel(parent), controller_(controller) {}

int XAConfigTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !controller_ ? 0 : controller_->numberOfRows();
}

int XAConfigTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 2; }

QVariant XAConfigTableModel::data(const QModelIndex &index, int role) const {
    if (!controller_ || !index.isValid()) {
        return {};
    }
    const XAOptionValueCell cell = controller_->dataCell(index.column(), index.row());
    const QVariant value = controller_->objectValue(index.column(), index.row());
    switch (role) {
    case Qt::EditRole:
        return value;
    case Qt::DisplayRole:
        if (cell.kind == XAOptionValueCell::Kind::PopUp) {
            return cell.items.value(value.toInt());
        }
        return cell.kind == XAOptionValueCell::Kind::CheckBox ? QVariant() : value;
    case Qt::CheckStateRole:
        if (cell.kind == XAOptionValueCell::Kind::CheckBox) {
            return value.toBool() ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::ForegroundRole:
        return cell.foregroundColor.isValid() ? QVariant(cell.foregroundColor) : QVariant();
    case Qt::FontRole:
        return cell.kind == XAOptionValueCell::Kind::TextField ? QVariant(cell.font) : QVariant();
    default:
        return {};
    }
}

bool XAConfigTableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!controller_ || !index.isValid()) {
        return false;
    }
    if (role == Qt::CheckStateRole) {
        controller_->setObjectValue(value.toInt() == Qt::Checked, index.column(), index.row());
    } else if (role == Qt::EditRole) {
        controller_->setObjectValue(value, index.column(), index.row());
    } else {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags XAConfigTableModel::flags(const QModelIndex &index) const {
    if (!controller_ || !index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!controller_->shouldEditTableColumn(index.column(), index.row())) {
        return flags;
    }
    const XAOptionValueCell cell = controller_->dataCell(index.column(), index.row());
    if (cell.kind == XAOptionValueCell::Kind::CheckBox) {
        flags |= Qt::ItemIsUserCheckable;
    } else if (cell.editable) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant XAConfigTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == XAConfigurationViewController::OptionColumn ? QStringLiteral("Option") : QStringLiteral("Value");
}

bool XAConfigTableModel::isGroupRow(int row) const {
    return controller_ && row >= 0 && row < controller_->numberOfRows() && controller_->isGroupRow(row);
}

void XAConfigTableModel::reload() {
    beginResetModel();
    endResetModel();
}
