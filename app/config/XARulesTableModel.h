#pragma once

// The rows of the rule selection sheet: one per displayed rule, in three columns. The first shows "✘" for an
// excluded rule, "✔" for a rule a tag selects, and otherwise a check box for selecting the rule by itself; the
// second the rule's name and tags; the third the cog that opens the row's menu.

#include "app/config/XARuleSelectionState.h"

#include <QAbstractTableModel>

#include <functional>

class XARulesTableModel : public QAbstractTableModel {
public:
    enum Column { CheckboxColumn = 0, InfoColumn = 1, CogColumn = 2 };
    // The info column's parts, for its cell.
    enum Role { RuleNameRole = Qt::UserRole + 1, RuleTagsRole, RuleIsExcludedRole, SearchTextRole };

    XARulesTableModel(const XARuleSelectionState &state, const XARuleList &displayedRules, QObject *parent);

    // The search text whose words the info column highlights.
    void setSearchText(const QString &text) { searchText_ = text; }
    // Runs when the check box of a row is clicked, with the row; the owner changes the selection.
    void setCheckboxToggleHandler(std::function<void(int row)> handler) { toggleCheckbox_ = std::move(handler); }

    void reload();
    // Repaints every row, keeping the rows.
    void refreshRows();
    // Whether the row's first column is a check box (not a "✘" or "✔" mark).
    bool rowShowsCheckbox(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant checkboxData(const XARuleDescriptor &rule, int role) const;
    QVariant infoData(const XARuleDescriptor &rule, int role) const;

    const XARuleSelectionState &state_;
    const XARuleList &displayedRules_;
    QString searchText_;
    std::function<void(int)> toggleCheckbox_;
};
