#pragma once

// The sheet in which the developer chooses which rules a project's check runs: through tags (picked in the tag
// control), one by one (the check box of a row) or by excluding single rules (the row menu), with a ranked search
// over the rules, each rule's page and options beside the list, and "%lu/%lu rules selected." keeping count.
// The caller reads the results after the sheet ended with OK; after Cancel there are none.

#include "app/config/XAConfigurationViewController.h"
#include "app/config/XAMultiItemSelectionControl.h"
#include "app/config/XARuleSearchQueue.h"
#include "app/config/XARuleSelectionState.h"
#include "app/config/XARulesTableModel.h"
#include "app/shell/XAWindowController.h"
#include "engine/config/XAConfiguration.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class XARuleInfoViewController;
class XARuleRegistry;
class XASplitView;
class XATableView;

class XARuleSelectionWindowController : public XAWindowController,
                                        public XAMultiItemSelectionControlDelegate,
                                        public XAConfigurationViewControllerDelegate {
public:
    // The rules are the registry's public rules (the shared registry when none is given).
    explicit XARuleSelectionWindowController(const XAConfiguration &configuration,
                                             std::optional<std::string> focusedRuleShortName = std::nullopt,
                                             std::optional<std::string> searchQuery = std::nullopt,
                                             const XARuleRegistry *registry = nullptr);
    ~XARuleSelectionWindowController() override;

    const XAConfiguration &configuration() const { return configuration_; }
    const XARuleList &allRules() const { return state_.allRules(); }
    const XARuleList &displayedRules() const { return displayedRules_; }
    XARuleSelectionState &state() { return state_; }

    // The results, read after the sheet ended with OK; empty when it was cancelled.
    std::vector<std::string> selectedRuleTags() const;
    std::vector<std::string> selectedRuleShortNames() const;
    std::vector<std::string> excludedRuleShortNames() const;
    XAConfiguration::RuleOptionValues selectedRuleOptionValues() const;

    void okPressed();
    void cancelPressed();

    // The row menu of the clicked row: exclusion toggle, "Select only this rule", "Select all", "Select none".
    QMenu *menuForRow(int row);
    void toggleClickedRuleExclusion();
    void selectOnlyOneRule();
    void selectAllRules();
    void deselectAllRules();
    void contextMenuButtonCellClicked(int row);
    // Makes the search field the first responder on Cmd-F (Ctrl+F here).
    bool keyDown(QKeyEvent *event);

    // Starts a search for the current text; its rows replace the table's when no newer search has started.
    void updateRulesUI();
    void updateInfoField();
    void updateRuleInfoView();
    void focusOnRuleWithShortName(const std::string &shortName);

    void multiItemSelectionControlDidChangeSelection(XAMultiItemSelectionControl *control,
                                                     const std::vector<std::string> &selectedItems) override;
    std::optional<std::string> multiItemSelectionControlToolTipForItem(XAMultiItemSelectionControl *control,
                                                                       const std::string &item) override;
    void configurationViewControllerDidChangeOptionValues(XAConfigurationViewController *controller) override;

    QLabel *titleTextField() const { return titleTextField_; }
    XATableView *rulesTable() const { return rulesTable_; }
    XARulesTableModel *rulesModel() const { return model_; }
    QLabel *infoField() const { return infoField_; }
    QLineEdit *searchField() const { return searchField_; }
    XAMultiItemSelectionControl *tagsSelectionControl() const { return tagsSelectionControl_; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    XASplitView *splitView() const { return splitView_; }
    XARuleInfoViewController *ruleInfoVC() const { return ruleInfoVC_.get(); }
    XARuleSearchQueue &searchQueue() { return searchQueue_; }

    // How long after the window loaded the focus and the initial text are applied, and after it became key the tag
    // hint is shown; tests shorten them.
    void setFocusDelaySeconds(double seconds) { focusDelaySeconds_ = seconds; }
    void setHintDelaySeconds(double seconds) { hintDelaySeconds_ = seconds; }

protected:
    void windowDidLoad() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTable(QWidget *parent);
    void buildTagsControl(QWidget *parent);
    void applyFocusAndInitialSearch();
    void windowDidBecomeKey();
    void toggleIndividualSelection(int row);
    const XARuleDescriptor *clickedRule() const;
    bool endedWithOK() const { return returnCode_ == 1; }

    XAConfiguration configuration_;
    const XARuleRegistry *registry_;
    XARuleSelectionState state_;
    XARuleList displayedRules_;
    XAConfiguration::RuleOptionValues selectedRuleOptionValues_;
    std::optional<std::string> focusedRuleShortName_;
    std::optional<std::string> initialSearchQuery_;
    double focusDelaySeconds_ = 0.4;
    double hintDelaySeconds_ = 0.3;
    int clickedRow_ = -1;
    int returnCode_ = -1;

    QPointer<QLabel> titleTextField_;
    QPointer<XATableView> rulesTable_;
    // The table owns its model; both go with the window, which can go before this controller.
    QPointer<XARulesTableModel> model_;
    QPointer<QLabel> infoField_;
    QPointer<QLineEdit> searchField_;
    QPointer<XAMultiItemSelectionControl> tagsSelectionControl_;
    QPointer<QPushButton> okButton_;
    QPointer<QPushButton> cancelButton_;
    QPointer<XASplitView> splitView_;
    QPointer<QMenu> rowMenu_;
    std::unique_ptr<XARuleInfoViewController> ruleInfoVC_;
    XARuleSearchQueue searchQueue_; // last: its searches end before the rest goes
};
