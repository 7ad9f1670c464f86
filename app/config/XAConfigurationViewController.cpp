#include "app/config/XAConfigurationViewController.h"

#include "app/config/XAConfigTableModel.h"
#include "app/config/XAOptionValueDelegate.h"
#include "app/config/XAStringArrayEditorWindowController.h"
#include "app/controls/XAAlerts.h"
#include "core/XAUserDefaults.h"
#include "engine/XARuleRegistry.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kMainOptionsHeading = QStringLiteral("Main options");

bool isShownInDesktop(const XAConfigurationOption &option) {
    return option.isPublic() && (option.optionDomain() & XAOptionDomainGUI) != 0;
}

QString joinedStringRepresentations(const XAConfigurationOption &option, const XAOptionValue::Array &elements) {
    QStringList texts;
    for (const XAOptionValue &element : elements) {
        texts << QString::fromStdString(option.stringRepresentationOfValue(element));
    }
    return texts.join(QStringLiteral(", "));
}

QVariant displayedValue(const XAConfigurationOption &option, const std::optional<XAOptionValue> &value) {
    if (!option.allowedValues().empty()) {
        const auto &allowed = option.allowedValues();
        const XAOptionValue current = value.value_or(XAOptionValue());
        auto found = std::find(allowed.begin(), allowed.end(), current);
        return found == allowed.end() ? 0 : int(found - allowed.begin());
    }
    if (!value || value->isNull()) {
        return {};
    }
    if (value->isArray()) {
        return joinedStringRepresentations(option, *value->array());
    }
    if (value->isRegex()) {
        return QString::fromStdString(value->regex()->pattern());
    }
    if (auto boolean = value->boolean()) {
        return *boolean;
    }
    return QString::fromStdString(value->description()); // numbers and strings as they are
}

} // namespace

XAConfigurationViewController::XAConfigurationViewController(
    const XAConfiguration &configuration, bool showMainOptions,
    const std::optional<std::vector<std::string>> &showOptionsForRules, QString autosaveName,
    const XARuleRegistry *registry)
    : autosaveName_(std::move(autosaveName)), mainOptionValues_(configuration.mainOptionValuesDictionary()),
      ruleOptionValues_(configuration.ruleOptionValuesDictionary()) {
    // The value dictionaries are copies, the per-group ones included: nothing reaches the configuration until the
    // owner applies the selected values.
    const XARuleRegistry &rules = registry ? *registry : XARuleRegistry::shared();
    std::vector<XARuleOptionGroup> groups;
    for (XARuleOptionGroup &group :
         rules.publicRuleOptionGroupsForRules(showOptionsForRules.value_or(std::vector<std::string>{}))) {
        if (!group.options.empty()) {
            groups.push_back(std::move(group));
        }
    }
    buildRows(showMainOptions, groups);
}

XAConfigurationViewController::~XAConfigurationViewController() {
    // The table may outlive the controller for a moment: it must not call back into it.
    if (model_) {
        model_->detach();
    }
    if (tableView_) {
        if (auto *valueDelegate = dynamic_cast<XAOptionValueDelegate *>(tableView_->itemDelegate())) {
            valueDelegate->detach();
        }
        tableView_->disconnect(this);
    }
}

void XAConfigurationViewController::buildRows(bool showMainOptions, const std::vector<XARuleOptionGroup> &groups) {
    if (showMainOptions) {
        if (!groups.empty()) {
            optionRows_.push_back(XAConfigTableRow::initGroupRowWithTitle(kMainOptionsHeading));
        }
        for (const XAConfigurationOption &option : XAConfiguration::appOptions()) {
            if (isShownInDesktop(option)) {
                optionRows_.push_back(XAConfigTableRow::initMainOptionRowWithOption(option));
            }
        }
    }
    for (const XARuleOptionGroup &group : groups) {
        if (groups.size() >= 2) {
            optionRows_.push_back(XAConfigTableRow::initGroupRowWithTitle(QString::fromStdString(group.name)));
        }
        for (const XARuleOption &option : group.options) {
            optionRows_.push_back(XAConfigTableRow::initRuleOptionRowWithOption(option, group));
        }
    }
}

QWidget *XAConfigurationViewController::loadView() {
    QWidget *view = XAViewController::loadView();
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    // The dark table inside a borderless scroll view; the value column stretches, so only rows ever scroll.
    scrollView_ = new XAScrollView(view);
    auto *table = new XATableView;
    tableView_ = table;
    scrollView_->setDocumentView(table);
    scrollView_->setHasHorizontalScroller(false);
    scrollView_->setAutohidesScrollers(true);
    layout->addWidget(scrollView_);
    model_ = new XAConfigTableModel(this, table);
    table->setModel(model_);
    table->xa_setStyle(2);
    table->xa_useHeaderCellClass();
    QPointer<XAConfigTableModel> model = model_;
    table->setGroupRowPredicate([model](int row) { return model && model->isGroupRow(row); });
    table->setItemDelegate(new XAOptionValueDelegate(this, table));
    table->setWordWrap(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { tableRowDoubleClicked(index.row(), index.column()); });
    contextMenu_ = new QMenu(table);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        clickedRow_ = tableView_->rowAt(position.y());
        menuNeedsUpdate(contextMenu_);
        if (!contextMenu_->isEmpty()) {
            contextMenu_->popup(tableView_->viewport()->mapToGlobal(position));
        }
    });
    table->setColumnWidth(OptionColumn, preferredOptionColumnWidth_);
    restoreColumnWidths();
    // The value column stretches to the table's width; only the user's widths of the option column are kept.
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == OptionColumn && !fittingColumns_) {
            preferredOptionColumnWidth_ = tableView_->columnWidth(OptionColumn);
            saveColumnWidths();
        }
    });
    table->viewport()->installEventFilter(this);
    reloadTable();
    return view;
}

void XAConfigurationViewController::reloadTable() {
    if (!tableView_) {
        return;
    }
    model_->reload();
    tableView_->clearSpans();
    for (int row = 0; row < numberOfRows(); ++row) {
        tableView_->setRowHeight(row, int(heightOfRow(row)) + IntercellHeight);
        if (isGroupRow(row)) {
            tableView_->setSpan(row, OptionColumn, 1, 2);
        } else if (dataCell(ValueColumn, row).kind == XAOptionValueCell::Kind::PopUp) {
            // Pop-ups stay open as controls, as a pop-up button cell always shows itself.
            tableView_->openPersistentEditor(model_->index(row, ValueColumn));
        }
    }
}

double XAConfigurationViewController::desiredViewHeight() {
    view();
    double height = tableView_->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < numberOfRows(); ++row) {
        height += heightOfRow(row) + IntercellHeight;
    }
    return height;
}

QSize XAConfigurationViewController::preferredContentSize() {
    view();
    constexpr int kValueColumnWidth = 320;
    constexpr int kMinimumHeight = 240;
    constexpr int kMaximumHeight = 560;
    const int frame = 2 * tableView_->frameWidth() + 2;
    const int valueColumn = std::max(kValueColumnWidth, tableView_->columnWidth(ValueColumn));
    const int width =
        preferredOptionColumnWidth_ + valueColumn + scrollView_->verticalScroller()->sizeHint().width() + frame;
    const int height = std::clamp(int(desiredViewHeight()) + frame, kMinimumHeight, kMaximumHeight);
    return {width, height};
}

XAConfiguration::OptionValues &XAConfigurationViewController::valuesDictForRow(const XAConfigTableRow &row) {
    if (row.isMainOptionRow()) {
        return mainOptionValues_;
    }
    return ruleOptionValues_[row.optionGroup()->shortName];
}

std::optional<XAOptionValue> XAConfigurationViewController::currentValue(const XAConfigTableRow &row) const {
    const XAConfiguration::OptionValues *values = &mainOptionValues_;
    if (!row.isMainOptionRow()) {
        auto group = ruleOptionValues_.find(row.optionGroup()->shortName);
        if (group == ruleOptionValues_.end()) {
            return std::nullopt;
        }
        values = &group->second;
    }
    auto found = values->find(row.option()->longName());
    if (found == values->end() || found->second.isNull()) {
        return std::nullopt;
    }
    return found->second;
}

bool XAConfigurationViewController::validateWithGUIErrorAndValue(const XAOptionValue &value,
                                                                 const XAConfigTableRow &row) {
    XAError error;
    if (row.option()->valueIsValid(value, &error)) {
        return true;
    }
    xa_showOKTitle(QString::fromStdString(error.message), QString());
    return false;
}

void XAConfigurationViewController::assignValue(const std::optional<XAOptionValue> &value, const XAConfigTableRow &row,
                                                bool performingValidation) {
    if (performingValidation && !validateWithGUIErrorAndValue(value.value_or(XAOptionValue()), row)) {
        return;
    }
    XAConfiguration::OptionValues &values = valuesDictForRow(row);
    std::optional<XAOptionValue> converted;
    if (value && !value->isNull()) {
        converted = row.option()->convertValueIfNeeded(*value);
    }
    if (converted && !converted->isNull()) {
        values[row.option()->longName()] = *converted;
    } else {
        values.erase(row.option()->longName());
    }
}

void XAConfigurationViewController::notifyValuesChanged() {
    if (delegate_) {
        delegate_->configurationViewControllerDidChangeOptionValues(this);
    }
}

QVariant XAConfigurationViewController::objectValue(int column, int row) const {
    const XAConfigTableRow &tableRow = optionRows_.at(std::size_t(row));
    if (tableRow.isGroupRow()) {
        return column == OptionColumn ? QVariant(tableRow.title()) : QVariant();
    }
    if (column == OptionColumn) {
        return QString::fromStdString(tableRow.option()->optionDescription());
    }
    return displayedValue(*tableRow.option(), currentValue(tableRow));
}

void XAConfigurationViewController::setObjectValue(const QVariant &object, int column, int row) {
    const XAConfigTableRow &tableRow = optionRows_.at(std::size_t(row));
    if (column != ValueColumn || tableRow.isGroupRow()) {
        return;
    }
    const XAConfigurationOption &option = *tableRow.option();
    std::optional<XAOptionValue> value;
    if (!option.allowedValues().empty()) {
        const auto index = std::size_t(object.toInt());
        value = index < option.allowedValues().size() ? std::optional(option.allowedValues()[index])
                                                      : option.defaultValue();
    } else if (object.typeId() == QMetaType::Bool) {
        value = object.toBool();
    } else {
        const std::string text = object.toString().toStdString();
        // Clearing a field takes the option's own value away; only a string option keeps "" as a value.
        if (!text.empty() || option.valueType() == XAOptionValueTypeString) {
            value = text;
        }
    }
    if (!validateWithGUIErrorAndValue(value.value_or(XAOptionValue()), tableRow)) {
        restartEditingValueOfRow(row);
        return;
    }
    assignValue(value, tableRow, false);
    notifyValuesChanged();
}

void XAConfigurationViewController::restartEditingValueOfRow(int row) {
    if (!tableView_) {
        return;
    }
    // The editor that delivered the refused value is still closing: edit again once it has.
    QPointer<XATableView> table = tableView_;
    QTimer::singleShot(0, table, [table, row] {
        const QModelIndex index = table->model()->index(row, ValueColumn);
        table->setCurrentIndex(index);
        table->edit(index);
        if (auto *field = qobject_cast<QLineEdit *>(table->indexWidget(index))) {
            field->selectAll();
        }
    });
}

double XAConfigurationViewController::heightOfRow(int row) const {
    return isGroupRow(row) ? GroupRowHeight : OptionRowHeight;
}

bool XAConfigurationViewController::shouldEditTableColumn(int column, int row) const {
    return column == ValueColumn && !isGroupRow(row);
}

XAOptionValueCell XAConfigurationViewController::dataCell(int column, int row) const {
    const XAConfigTableRow &tableRow = optionRows_.at(std::size_t(row));
    if (column != ValueColumn || tableRow.isGroupRow()) {
        return {};
    }
    return tableRow.valueCellWithForegroundColor(QColor::fromRgbF(0.8, 0.8, 0.8, 1.0));
}

void XAConfigurationViewController::menuNeedsUpdate(QMenu *menu) {
    menu->clear();
    if (clickedRow_ < 0 || clickedRow_ >= numberOfRows() || isGroupRow(clickedRow_)) {
        return;
    }
    const XAConfigTableRow &row = optionRows_[std::size_t(clickedRow_)];
    QAction *reset = menu->addAction(QStringLiteral("Reset to Default Value"));
    std::optional<XAOptionValue> value = currentValue(row);
    std::optional<XAOptionValue> defaultValue = row.option()->defaultValue();
    if (defaultValue && defaultValue->isNull()) {
        defaultValue.reset();
    }
    const bool differs = value.has_value() != defaultValue.has_value() || (value && !(*value == *defaultValue));
    reset->setEnabled(differs);
    if (differs) {
        connect(reset, &QAction::triggered, this, [this] { resetClickedOptionToDefaultValue(); });
    }
}

void XAConfigurationViewController::resetClickedOptionToDefaultValue() {
    if (clickedRow_ < 0 || clickedRow_ >= numberOfRows() || isGroupRow(clickedRow_)) {
        return;
    }
    const XAConfigTableRow &row = optionRows_[std::size_t(clickedRow_)];
    assignValue(row.option()->defaultValue(), row, false);
    notifyValuesChanged();
    reloadTable();
}

void XAConfigurationViewController::tableRowDoubleClicked(int row, int column) {
    if (row < 0 || row >= numberOfRows() || column < 0 || column == OptionColumn || isGroupRow(row)) {
        return;
    }
    const XAConfigTableRow &tableRow = optionRows_[std::size_t(row)];
    if (tableRow.option()->valueTypeIsArrayType()) {
        openStringArrayEditor(tableRow);
        return;
    }
    if (tableView_) {
        const QModelIndex index = model_->index(row, column);
        tableView_->setCurrentIndex(index);
        tableView_->edit(index);
        if (auto *field = qobject_cast<QLineEdit *>(tableView_->indexWidget(index))) {
            field->selectAll();
        }
    }
}

void XAConfigurationViewController::openStringArrayEditor(const XAConfigTableRow &row) {
    const XAConfigurationOption &option = *row.option();
    std::vector<std::string> texts;
    if (std::optional<XAOptionValue> value = currentValue(row); value && value->isArray()) {
        for (const XAOptionValue &element : *value->array()) {
            texts.push_back(option.stringRepresentationOfValue(element));
        }
    }
    auto validator = [option](const std::optional<std::string> &element) -> std::optional<std::string> {
        XAOptionValue wrapped =
            element ? XAOptionValue(XAOptionValue::Array{XAOptionValue(*element)}) : XAOptionValue();
        XAError error;
        if (option.valueIsValid(wrapped, &error)) {
            return std::nullopt;
        }
        return error.message;
    };
    stringArrayEditor_ = std::make_shared<XAStringArrayEditorWindowController>(
        QString::fromStdString(option.optionDescription()), texts, validator);
    const std::size_t rowIndex = std::size_t(&row - optionRows_.data());
    // The sheet may end after this controller has gone (its window stays with the sheet's owner).
    QPointer<XAConfigurationViewController> self(this);
    stringArrayEditor_->xa_showModalInParent(view()->window(), [self, rowIndex](XAWindowController *, int code) {
        if (self) {
            self->stringArrayEditorDidEnd(rowIndex, code);
        }
    });
}

void XAConfigurationViewController::stringArrayEditorDidEnd(std::size_t rowIndex, int code) {
    std::shared_ptr<XAStringArrayEditorWindowController> editor = std::move(stringArrayEditor_);
    if (code == 0 || !editor) {
        return;
    }
    XAOptionValue::Array elements;
    for (const std::string &text : editor->editedArrayValue()) {
        elements.emplace_back(text);
    }
    assignValue(XAOptionValue(std::move(elements)), optionRows_[rowIndex], true);
    notifyValuesChanged();
    reloadTable();
}

void XAConfigurationViewController::restoreColumnWidths() {
    if (autosaveName_.isEmpty()) {
        return;
    }
    std::optional<XAValue> saved = XAUserDefaults::standard().objectForKey(autosaveName_.toStdString());
    if (!saved || !saved->array()) {
        return;
    }
    const XAValue::Array &widths = *saved->array();
    for (std::size_t column = 0; column < widths.size() && column < 2; ++column) {
        if (std::optional<std::int64_t> width = widths[column].integer(); width && *width > 0) {
            tableView_->setColumnWidth(int(column), int(*width));
        }
    }
    preferredOptionColumnWidth_ = tableView_->columnWidth(OptionColumn);
}

bool XAConfigurationViewController::eventFilter(QObject *watched, QEvent *event) {
    if (tableView_ && watched == tableView_->viewport() && event->type() == QEvent::Resize) {
        fitColumnsToWidth();
    }
    return XAViewController::eventFilter(watched, event);
}

void XAConfigurationViewController::fitColumnsToWidth() {
    constexpr int kValueColumnRoom = 200;
    const int width = tableView_->viewport()->width();
    const int valueRoom = std::min(kValueColumnRoom, width / 2);
    const int optionWidth = std::max(0, std::min(preferredOptionColumnWidth_, width - valueRoom));
    if (optionWidth != tableView_->columnWidth(OptionColumn)) {
        fittingColumns_ = true;
        tableView_->setColumnWidth(OptionColumn, optionWidth);
        fittingColumns_ = false;
    }
}

void XAConfigurationViewController::saveColumnWidths() {
    if (autosaveName_.isEmpty() || !tableView_) {
        return;
    }
    XAValue::Array widths{XAValue(std::int64_t(tableView_->columnWidth(OptionColumn))),
                          XAValue(std::int64_t(tableView_->columnWidth(ValueColumn)))};
    XAUserDefaults::standard().setObject(autosaveName_.toStdString(), XAValue(std::move(widths)));
}
