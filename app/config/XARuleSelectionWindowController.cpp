#include "app/config/XARuleSelectionWindowController.h"

#include "app/config/XARuleInfoViewController.h"
#include "app/config/XARuleRowCells.h"
#include "app/config/XARuleSearchRows.h"
#include "app/config/XARulesTableModel.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XAImageButtonCell.h"
#include "app/controls/XAInfoPopover.h"
#include "app/controls/XAKeyboardShortcuts.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/controls/XAViewLayout.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAWindow.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleTags.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

XARuleList publicRules(const XARuleRegistry &registry) {
    XARuleList rules;
    for (const std::string &shortName : registry.allPublicRuleShortNames()) {
        if (const XARuleDescriptor *rule = registry.ruleWithShortName(shortName)) {
            rules.push_back(rule);
        }
    }
    return XARulesSortedByName(std::move(rules));
}

} // namespace

XARuleSelectionWindowController::XARuleSelectionWindowController(const XAConfiguration &configuration,
                                                                 std::optional<std::string> focusedRuleShortName,
                                                                 std::optional<std::string> searchQuery,
                                                                 const XARuleRegistry *registry)
    : configuration_(configuration), registry_(registry ? registry : &XARuleRegistry::shared()),
      state_(publicRules(*registry_), configuration), displayedRules_(state_.allRules()),
      focusedRuleShortName_(std::move(focusedRuleShortName)), initialSearchQuery_(std::move(searchQuery)) {}

XARuleSelectionWindowController::~XARuleSelectionWindowController() {
    if (rulesTable_) {
        rulesTable_->setModel(nullptr);
    }
}

void XARuleSelectionWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    xa_adoptDarkWindowStyle();
    window()->resize(980, 640);
    window()->setFrameAutosaveName(QStringLiteral("ruleSelectionWindow"));
    window()->installEventFilter(this);
    QWidget *content = window()->contentView();
    auto *layout = new QVBoxLayout(content);

    auto *header = new QHBoxLayout;
    titleTextField_ = new QLabel(QStringLiteral("Select the rules to check with"), content);
    header->addWidget(titleTextField_);
    buildTagsControl(content);
    header->addWidget(tagsSelectionControl_, 1);
    layout->addLayout(header);

    searchField_ = new QLineEdit(content);
    searchField_->setPlaceholderText(QStringLiteral("Filter rules"));
    searchField_->setClearButtonEnabled(true);
    connect(searchField_, &QLineEdit::textChanged, this, [this] { updateRulesUI(); });
    layout->addWidget(searchField_);

    splitView_ = new XASplitView(Qt::Horizontal, content);
    buildTable(splitView_);
    auto *infoHost = new QWidget(splitView_);
    splitView_->addWidget(rulesTable_);
    splitView_->addWidget(infoHost);
    splitView_->setSizes({440, 540});
    layout->addWidget(splitView_, 1);

    auto *footerView = new QWidget(content);
    auto *footer = new QHBoxLayout(footerView);
    footer->setContentsMargins(0, 0, 0, 0);
    infoField_ = new QLabel(footerView);
    cancelButton_ = new XAButton(QStringLiteral("Cancel"), footerView);
    okButton_ = new XAButton(QStringLiteral("OK"), footerView);
    static_cast<XAButton *>(cancelButton_.data())->cell().xa_setStyle(XAButtonStyleGray);
    static_cast<XAButton *>(okButton_.data())->cell().xa_setStyle(XAButtonStyleGray);
    okButton_->setDefault(true);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelPressed(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { okPressed(); });
    footer->addWidget(infoField_, 1);
    footer->addWidget(cancelButton_);
    footer->addWidget(okButton_);
    layout->addWidget(footerView);

    ruleInfoVC_ = std::make_unique<XARuleInfoViewController>(this, registry_);
    ruleInfoVC_->view()->setParent(infoHost);
    xa_makeAndKeepFullSizeOfSuperview(ruleInfoVC_->view());

    ruleInfoVC_->clearDisplayedRuleWithPlaceholder(QStringLiteral("Select a rule to see its info"));
    model_->reload();
    updateInfoField();
    updateRulesUI();
    QPointer<QObject> guard(this);
    XADispatchToMainAfter(focusDelaySeconds_, [this, guard] {
        if (guard && model_ && searchField_) {
            applyFocusAndInitialSearch();
        }
    });
}

void XARuleSelectionWindowController::buildTagsControl(QWidget *parent) {
    tagsSelectionControl_ = new XAMultiItemSelectionControl(parent);
    tagsSelectionControl_->setMinimumHeight(28);
    tagsSelectionControl_->setDelegate(this);
    tagsSelectionControl_->setItems(XARulePublicTagNames());
    tagsSelectionControl_->selectItems(state_.selectedRuleTags());
}

void XARuleSelectionWindowController::buildTable(QWidget *parent) {
    rulesTable_ = new XATableView(parent);
    rulesTable_->setFrameShape(QFrame::NoFrame);
    rulesTable_->xa_setStyle(2);
    model_ = new XARulesTableModel(state_, displayedRules_, rulesTable_);
    model_->setCheckboxToggleHandler([this](int row) { toggleIndividualSelection(row); });
    rulesTable_->setModel(model_);
    rulesTable_->setItemDelegateForColumn(XARulesTableModel::CheckboxColumn, new XARuleCheckboxCell(rulesTable_));
    rulesTable_->setItemDelegateForColumn(XARulesTableModel::InfoColumn, new XARuleInfoCell(rulesTable_));
    auto *cog = new XAImageButtonCell(rulesTable_);
    cog->setImage(XAActionTemplateImage(0.25));
    cog->setXa_imageWhenOnHighlightedTableRow(XAActionTemplateImage(0.7));
    cog->setXa_imageWhenPressed(XAActionTemplateImage(1.0));
    rulesTable_->setItemDelegateForColumn(XARulesTableModel::CogColumn, cog);
    rulesTable_->horizontalHeader()->hide();
    rulesTable_->verticalHeader()->hide();
    rulesTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    rulesTable_->verticalHeader()->setDefaultSectionSize(32 + 10);
    rulesTable_->setShowGrid(false);
    rulesTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rulesTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    rulesTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rulesTable_->horizontalHeader()->setSectionResizeMode(XARulesTableModel::CheckboxColumn, QHeaderView::Fixed);
    rulesTable_->horizontalHeader()->setSectionResizeMode(XARulesTableModel::InfoColumn, QHeaderView::Stretch);
    rulesTable_->horizontalHeader()->setSectionResizeMode(XARulesTableModel::CogColumn, QHeaderView::Fixed);
    rulesTable_->setColumnWidth(XARulesTableModel::CheckboxColumn, 36);
    rulesTable_->setColumnWidth(XARulesTableModel::CogColumn, 32);
    rulesTable_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rulesTable_, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        const int row = rulesTable_->indexAt(position).row();
        menuForRow(row)->popup(rulesTable_->viewport()->mapToGlobal(position));
    });
    connect(rulesTable_, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == XARulesTableModel::CogColumn) {
            contextMenuButtonCellClicked(index.row());
        }
    });
    connect(rulesTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateRuleInfoView(); });
}

void XARuleSelectionWindowController::applyFocusAndInitialSearch() {
    if (focusedRuleShortName_) {
        focusOnRuleWithShortName(*focusedRuleShortName_);
        focusedRuleShortName_.reset();
    }
    if (initialSearchQuery_) {
        const std::string query = *std::exchange(initialSearchQuery_, std::nullopt);
        searchField_->setText(QString::fromStdString(query)); // runs updateRulesUI
    }
}

void XARuleSelectionWindowController::focusOnRuleWithShortName(const std::string &shortName) {
    for (std::size_t row = 0; row < displayedRules_.size(); ++row) {
        if (displayedRules_[row]->shortName == shortName) {
            const QModelIndex index = model_->index(int(row), XARulesTableModel::InfoColumn);
            rulesTable_->scrollTo(index);
            rulesTable_->selectionModel()->select(index,
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return;
        }
    }
}

void XARuleSelectionWindowController::updateRulesUI() {
    window();
    const QString text = searchField_->text();
    model_->refreshRows();
    updateInfoField();
    searchQueue_.search(state_.allRules(), text.toStdString(), this, [this, text](XARuleList rows) {
        if (!model_) {
            return;
        }
        displayedRules_ = std::move(rows);
        model_->setSearchText(text);
        model_->reload();
        updateInfoField();
    });
}

void XARuleSelectionWindowController::updateInfoField() {
    if (infoField_) {
        infoField_->setText(
            QStringLiteral("%1/%2 rules selected.").arg(state_.numberOfSelectedRules()).arg(state_.allRules().size()));
    }
}

void XARuleSelectionWindowController::updateRuleInfoView() {
    const QModelIndexList selected = rulesTable_->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    if (row >= 0 && std::size_t(row) < displayedRules_.size()) {
        ruleInfoVC_->displayRule(displayedRules_[std::size_t(row)], configuration_);
    } else {
        ruleInfoVC_->clearDisplayedRuleWithPlaceholder(QStringLiteral("Select a rule to see its info"));
    }
}

void XARuleSelectionWindowController::toggleIndividualSelection(int row) {
    const std::string &shortName = displayedRules_.at(std::size_t(row))->shortName;
    if (!state_.selectedShortNames.erase(shortName)) {
        state_.selectedShortNames.insert(shortName);
    }
    updateInfoField();
}

QMenu *XARuleSelectionWindowController::menuForRow(int row) {
    clickedRow_ = row;
    if (rowMenu_) {
        rowMenu_->deleteLater();
    }
    rowMenu_ = new QMenu(rulesTable_);
    const XARuleDescriptor *rule = clickedRule();
    const bool excluded = rule && state_.ruleIsExcludedIndividually(*rule);
    rowMenu_->addAction(excluded ? QStringLiteral("Don’t exclude this rule") : QStringLiteral("Exclude this rule"),
                        this, [this] { toggleClickedRuleExclusion(); });
    rowMenu_->addAction(QStringLiteral("Select only this rule"), this, [this] { selectOnlyOneRule(); });
    rowMenu_->addSeparator();
    rowMenu_->addAction(QStringLiteral("Select all"), this, [this] { selectAllRules(); });
    rowMenu_->addAction(QStringLiteral("Select none"), this, [this] { deselectAllRules(); });
    return rowMenu_;
}

const XARuleDescriptor *XARuleSelectionWindowController::clickedRule() const {
    if (clickedRow_ < 0 || std::size_t(clickedRow_) >= displayedRules_.size()) {
        return nullptr;
    }
    return displayedRules_[std::size_t(clickedRow_)];
}

void XARuleSelectionWindowController::toggleClickedRuleExclusion() {
    if (const XARuleDescriptor *rule = clickedRule()) {
        state_.toggleExclusion(*rule);
        updateRulesUI();
    }
}

void XARuleSelectionWindowController::selectOnlyOneRule() {
    if (const XARuleDescriptor *rule = clickedRule()) {
        state_.selectOnly(*rule);
        tagsSelectionControl_->selectItems(state_.selectedRuleTags());
        updateRulesUI();
    }
}

void XARuleSelectionWindowController::selectAllRules() {
    state_.selectAll();
    updateRulesUI();
}

void XARuleSelectionWindowController::deselectAllRules() {
    state_.selectNone();
    updateRulesUI();
}

void XARuleSelectionWindowController::contextMenuButtonCellClicked(int row) { menuForRow(row)->popup(QCursor::pos()); }

bool XARuleSelectionWindowController::keyDown(QKeyEvent *event) {
    if (!xa_matchesKeyboardShortcut(event, QStringLiteral("Cmd-F"))) {
        return false;
    }
    searchField_->setFocus(Qt::ShortcutFocusReason);
    return true;
}

bool XARuleSelectionWindowController::eventFilter(QObject *watched, QEvent *event) {
    if (watched == window()) {
        if (event->type() == QEvent::KeyPress && keyDown(static_cast<QKeyEvent *>(event))) {
            return true;
        }
        if (event->type() == QEvent::WindowActivate) {
            windowDidBecomeKey();
        }
    }
    return XAWindowController::eventFilter(watched, event);
}

void XARuleSelectionWindowController::windowDidBecomeKey() {
    QPointer<QObject> guard(this);
    XADispatchToMainAfter(hintDelaySeconds_, [this, guard] {
        if (!guard || !tagsSelectionControl_) {
            return;
        }
        XAInfoPopover::showWithID(QStringLiteral("SelectRulesByTag"), QStringLiteral("Select Rules via Tags"),
                                  QStringLiteral("Rules that have any of these tags will be selected (unless they are "
                                                 "individually excluded)."),
                                  2, tagsSelectionControl_, XARectEdgeTop);
    });
}

void XARuleSelectionWindowController::multiItemSelectionControlDidChangeSelection(
    XAMultiItemSelectionControl *, const std::vector<std::string> &selectedItems) {
    state_.selectedTags = {selectedItems.begin(), selectedItems.end()};
    updateRulesUI();
}

std::optional<std::string>
XARuleSelectionWindowController::multiItemSelectionControlToolTipForItem(XAMultiItemSelectionControl *,
                                                                         const std::string &item) {
    return XARuleDescriptionForTag(item);
}

void XARuleSelectionWindowController::configurationViewControllerDidChangeOptionValues(
    XAConfigurationViewController *controller) {
    for (const auto &[groupShortName, values] : controller->selectedRuleOptionValues()) {
        selectedRuleOptionValues_[groupShortName] = values;
    }
}

void XARuleSelectionWindowController::okPressed() {
    returnCode_ = 1;
    xa_endSelfSheetWithReturnCode(1);
}

void XARuleSelectionWindowController::cancelPressed() {
    returnCode_ = 0;
    xa_endSelfSheetWithReturnCode(0);
}

std::vector<std::string> XARuleSelectionWindowController::selectedRuleTags() const {
    return endedWithOK() ? state_.selectedRuleTags() : std::vector<std::string>{};
}

std::vector<std::string> XARuleSelectionWindowController::selectedRuleShortNames() const {
    return endedWithOK() ? state_.selectedRuleShortNames() : std::vector<std::string>{};
}

std::vector<std::string> XARuleSelectionWindowController::excludedRuleShortNames() const {
    return endedWithOK() ? state_.excludedRuleShortNames() : std::vector<std::string>{};
}

XAConfiguration::RuleOptionValues XARuleSelectionWindowController::selectedRuleOptionValues() const {
    return endedWithOK() ? selectedRuleOptionValues_ : XAConfiguration::RuleOptionValues{};
}
