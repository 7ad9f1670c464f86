#include "app/config/XARulesTableModel.h"

#include "app/controls/XAButtonCell.h"

#include <QColor>

namespace {

QString joined(const std::vector<std::string> &parts, const char *separator) {
    QStringList list;
    for (const std::string &part : parts) {
        list << QString::fromStdString(part);
    }
    return list.join(QString::fromUtf8(separator));
}

} // namespace

XARulesTableModel::XARulesTableModel(const XARuleSelectionState &state, const XARuleList &displayedRules,
                                     QObject *parent)
    : QAbstractTableModel(parent), state_(state), displayedRules_(displayedRules) {}

void XARulesTableModel::reload() {
    beginResetModel();
    endResetModel();
}

void XARulesTableModel::refreshRows() {
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

bool XARulesTableModel::rowShowsCheckbox(int row) const {
    const XARuleDescriptor &rule = *displayedRules_.at(std::size_t(row));
    return !state_.ruleIsExcludedIndividually(rule) && !state_.ruleIsSelectedViaTag(rule);
}

int XARulesTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(displayedRules_.size());
}

int XARulesTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 3; }

QVariant XARulesTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const XARuleDescriptor &rule = *displayedRules_[std::size_t(index.row())];
    switch (index.column()) {
    case CheckboxColumn:
        return checkboxData(rule, role);
    case InfoColumn:
        return infoData(rule, role);
    default:
        return {};
    }
}

QVariant XARulesTableModel::checkboxData(const XARuleDescriptor &rule, int role) const {
    const bool excluded = state_.ruleIsExcludedIndividually(rule);
    const bool viaTag = state_.ruleIsSelectedViaTag(rule);
    switch (role) {
    case Qt::DisplayRole:
        return excluded ? QStringLiteral("✘") : viaTag ? QStringLiteral("✔") : QString();
    case Qt::ForegroundRole:
        return excluded ? QVariant(QColor(Qt::red)) : viaTag ? QVariant(XAWhite(0.9)) : QVariant();
    case Qt::CheckStateRole:
        if (excluded || viaTag) {
            return {};
        }
        return state_.ruleIsSelectedIndividually(rule) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ToolTipRole:
        if (excluded) {
            return QStringLiteral("Excluded");
        }
        if (viaTag) {
            return QStringLiteral("Selected via tags: %1").arg(joined(state_.selectedTagsOfRule(rule), ", "));
        }
        return {};
    default:
        return {};
    }
}

QVariant XARulesTableModel::infoData(const XARuleDescriptor &rule, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(rule.ruleName.plainString()) + "\n" + joined(rule.tags, ", ");
    case RuleNameRole:
        return QString::fromStdString(rule.ruleName.plainString());
    case RuleTagsRole:
        return joined(rule.tags, ", ");
    case RuleIsExcludedRole:
        return state_.ruleIsExcludedIndividually(rule);
    case SearchTextRole:
        return searchText_;
    default:
        return {};
    }
}

bool XARulesTableModel::setData(const QModelIndex &index, const QVariant &, int role) {
    if (!index.isValid() || index.column() != CheckboxColumn || role != Qt::CheckStateRole ||
        !rowShowsCheckbox(index.row()) || !toggleCheckbox_) {
        return false;
    }
    toggleCheckbox_(index.row());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags XARulesTableModel::flags(const QModelIndex &index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == CheckboxColumn && rowShowsCheckbox(index.row())) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant XARulesTableModel::headerData(int, Qt::Orientation, int) const { return {}; }
