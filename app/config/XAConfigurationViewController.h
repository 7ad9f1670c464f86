#pragma once

// The option table: one row per option of a configuration (the application options shown in the desktop, the options
// of some rules, or both), with an editor for every kind of value in its value column. It edits copies of the
// configuration's value dictionaries; its owner reads them back (selectedMainOptionValues, selectedRuleOptionValues)
// and decides whether to apply them.

#include "app/config/XAConfigTableRow.h"
#include "app/controls/XAScrollView.h"
#include "app/controls/XATableView.h"
#include "app/shell/XAViewController.h"
#include "engine/config/XAConfiguration.h"

#include <QMenu>
#include <QPointer>
#include <QVariant>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAConfigurationViewController;
class XAConfigTableModel;
class XARuleRegistry;
class XAStringArrayEditorWindowController;

class XAConfigurationViewControllerDelegate {
public:
    virtual ~XAConfigurationViewControllerDelegate() = default;
    virtual void configurationViewControllerDidChangeOptionValues(XAConfigurationViewController *) {}
};

class XAConfigurationViewController : public XAViewController {
public:
    static constexpr int OptionColumn = 0;
    static constexpr int ValueColumn = 1;
    static constexpr double GroupRowHeight = 20.0;
    static constexpr double OptionRowHeight = 50.0;
    static constexpr int IntercellWidth = 20;
    static constexpr int IntercellHeight = 10;

    // The rows of the given rules' option groups come from the registry (the shared one when none is given).
    XAConfigurationViewController(const XAConfiguration &configuration, bool showMainOptions,
                                  const std::optional<std::vector<std::string>> &showOptionsForRules,
                                  QString autosaveName, const XARuleRegistry *registry = nullptr);
    ~XAConfigurationViewController() override;

    XAConfigurationViewControllerDelegate *delegate() const { return delegate_; }
    void setDelegate(XAConfigurationViewControllerDelegate *delegate) { delegate_ = delegate; }
    // The dark table and the scroll view around it, with the view built on first use.
    XATableView *tableView() {
        view();
        return tableView_;
    }
    XAScrollView *scrollView() {
        view();
        return scrollView_;
    }
    const QString &autosaveName() const { return autosaveName_; }
    const std::vector<XAConfigTableRow> &optionRows() const { return optionRows_; }

    // The table's header and every row with its spacing.
    double desiredViewHeight();
    // Both columns in full, the value column wide enough for its values, and every row up to a screenful.
    QSize preferredContentSize() override;
    const XAConfiguration::OptionValues &selectedMainOptionValues() const { return mainOptionValues_; }
    const XAConfiguration::RuleOptionValues &selectedRuleOptionValues() const { return ruleOptionValues_; }
    XAConfiguration::OptionValues &valuesDictForRow(const XAConfigTableRow &row);

    // Asks the option; an invalid value gets an application-modal alert made from the option's error.
    bool validateWithGUIErrorAndValue(const XAOptionValue &value, const XAConfigTableRow &row);
    // Stores the option's conversion of the value; no value (or one that converts to null) removes the key.
    void assignValue(const std::optional<XAOptionValue> &value, const XAConfigTableRow &row, bool performingValidation);
    void notifyValuesChanged();

    // The context menu and the double click act on the row and column that were clicked.
    void setClickedRow(int row) { clickedRow_ = row; }
    int clickedRow() const { return clickedRow_; }
    QMenu *contextMenu() const { return contextMenu_; }
    void menuNeedsUpdate(QMenu *menu);
    void resetClickedOptionToDefaultValue();
    void tableRowDoubleClicked(int row, int column);
    // The list editor of the last double-clicked array option, while its sheet is open.
    std::shared_ptr<XAStringArrayEditorWindowController> stringArrayEditor() const { return stringArrayEditor_; }

    // The table's data: the value column of an option row holds the pop-up index, the check state, or the text.
    int numberOfRows() const { return int(optionRows_.size()); }
    QVariant objectValue(int column, int row) const;
    void setObjectValue(const QVariant &object, int column, int row);
    double heightOfRow(int row) const;
    bool shouldEditTableColumn(int column, int row) const;
    bool isGroupRow(int row) const { return optionRows_.at(std::size_t(row)).isGroupRow(); }
    XAOptionValueCell dataCell(int column, int row) const;
    std::optional<XAOptionValue> currentValue(const XAConfigTableRow &row) const;

protected:
    QWidget *loadView() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildRows(bool showMainOptions, const std::vector<XARuleOptionGroup> &groups);
    void reloadTable();
    void restartEditingValueOfRow(int row);
    void restoreColumnWidths();
    void saveColumnWidths();
    // Gives the option column its preferred width where the table has room, and otherwise leaves the value column
    // enough to show its values.
    void fitColumnsToWidth();
    void openStringArrayEditor(const XAConfigTableRow &row);
    // OK assigns the edited list with validation, notifies and reloads; Cancel changes nothing.
    void stringArrayEditorDidEnd(std::size_t rowIndex, int returnCode);

    XAConfigurationViewControllerDelegate *delegate_ = nullptr;
    // The window owns the view with the scroll view, the table and its model, and can delete them first.
    QPointer<XAScrollView> scrollView_;
    QPointer<XATableView> tableView_;
    QPointer<XAConfigTableModel> model_;
    QPointer<QMenu> contextMenu_;
    QString autosaveName_;
    std::vector<XAConfigTableRow> optionRows_;
    XAConfiguration::OptionValues mainOptionValues_;
    XAConfiguration::RuleOptionValues ruleOptionValues_;
    int clickedRow_ = -1;
    // The option column's width when there is room: the default or the user's.
    int preferredOptionColumnWidth_ = 380;
    bool fittingColumns_ = false;
    std::shared_ptr<XAStringArrayEditorWindowController> stringArrayEditor_;
};
