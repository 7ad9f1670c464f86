#include "app/config/XAStringArrayModel.h"

#include "app/config/XAStringArrayEditorWindowController.h"
#include "core/XAPropertyList.h"

#include <QBrush>
#include <QMimeData>
#include <QPalette>

#include <algorithm>

XAStringArrayModel::XAStringArrayModel(XAStringArrayEditorWindowController *controller, QObject *parent)
    : QAbstractListModel(parent), controller_(controller) {}

int XAStringArrayModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !controller_ ? 0 : int(controller_->editedArrayValue().size());
}

QVariant XAStringArrayModel::data(const QModelIndex &index, int role) const {
    if (!controller_ || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const std::optional<std::string> error = controller_->validationErrorForRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(controller_->editedArrayValue()[std::size_t(index.row())]);
    case Qt::ForegroundRole:
        return error ? QVariant(QBrush(Qt::red)) : QVariant();
    case Qt::ToolTipRole:
        return error ? QVariant(QString::fromStdString(*error)) : QVariant();
    default:
        return {};
    }
}

bool XAStringArrayModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!controller_ || !index.isValid() || role != Qt::EditRole) {
        return false;
    }
    controller_->setValueOfRow(index.row(), value.toString().toStdString());
    return true;
}

Qt::ItemFlags XAStringArrayModel::flags(const QModelIndex &index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

QStringList XAStringArrayModel::mimeTypes() const { return {XAOptionValuesPasteboardType}; }

QMimeData *XAStringArrayModel::mimeData(const QModelIndexList &indexes) const {
    std::vector<int> rows;
    for (const QModelIndex &index : indexes) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    XAValue::Array numbers;
    for (int row : rows) {
        numbers.emplace_back(std::int64_t(row));
    }
    auto *data = new QMimeData;
    if (std::optional<std::string> plist = XAXMLPropertyListData(XAValue(std::move(numbers)), nullptr)) {
        data->setData(XAOptionValuesPasteboardType, QByteArray::fromStdString(*plist));
    }
    return data;
}

std::optional<std::vector<int>> XAStringArrayModel::draggedRows(const QMimeData *data) {
    if (!data || !data->hasFormat(XAOptionValuesPasteboardType)) {
        return std::nullopt;
    }
    const std::string bytes = data->data(XAOptionValuesPasteboardType).toStdString();
    std::optional<XAValue> plist = XAPropertyListFromData(bytes, "dragged rows", nullptr);
    if (!plist || !plist->array()) {
        return std::nullopt;
    }
    std::vector<int> rows;
    for (const XAValue &number : *plist->array()) {
        if (std::optional<std::int64_t> row = number.integer()) {
            rows.push_back(int(*row));
        }
    }
    return rows;
}

bool XAStringArrayModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int, const QModelIndex &) const {
    return draggedRows(data).has_value();
}

bool XAStringArrayModel::dropMimeData(const QMimeData *data, Qt::DropAction, int row, int, const QModelIndex &parent) {
    std::optional<std::vector<int>> rows = draggedRows(data);
    if (!controller_ || !rows) {
        return false;
    }
    // A drop onto a row goes above it; a drop below the last row goes to the end.
    const int dropRow = row >= 0 ? row : (parent.isValid() ? parent.row() : rowCount());
    return controller_->acceptDrop(*rows, dropRow);
}

void XAStringArrayModel::reload() {
    beginResetModel();
    endResetModel();
}
