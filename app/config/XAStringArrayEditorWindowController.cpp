#include "app/config/XAStringArrayEditorWindowController.h"

#include "app/config/XAStringArrayModel.h"
#include "app/controls/XAAlerts.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XAQtConversions.h"
#include "app/shell/XAWindow.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

XAStringArrayEditorWindowController::XAStringArrayEditorWindowController(
    QString optionName, const std::optional<std::vector<std::string>> &arrayValues, Validator singleValueValidator)
    : optionName_(std::move(optionName)), values_(arrayValues.value_or(std::vector<std::string>{})),
      validator_(std::move(singleValueValidator)) {}

XAStringArrayEditorWindowController::~XAStringArrayEditorWindowController() {
    if (model_) {
        model_->detach();
    }
}

void XAStringArrayEditorWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    window()->resize(420, 360);
    window()->setFrameAutosaveName(QStringLiteral("stringArrayEditorWindow"));
    xa_adoptDarkWindowStyle();
    QWidget *content = window()->contentView();
    auto *layout = new QVBoxLayout(content);
    optionNameField_ = new QLabel(optionName_, content);
    optionNameField_->setWordWrap(true);
    QFont nameFont = optionNameField_->font();
    nameFont.setBold(true);
    optionNameField_->setFont(nameFont);
    QPalette namePalette = optionNameField_->palette();
    namePalette.setColor(QPalette::WindowText, XAQColor(XAColor::white(0.9)));
    optionNameField_->setPalette(namePalette);
    layout->addWidget(optionNameField_);

    tableView_ = new QListView(content);
    // Light text on the dark content background inside a thin grey line, the selection in the dark tables' blue.
    QPalette listPalette = tableView_->palette();
    listPalette.setColor(QPalette::WindowText, XAQColor(XAColor::white(0.3)));
    listPalette.setColor(QPalette::Base, xa_darkContentBackgroundColor());
    listPalette.setColor(QPalette::Text, XAQColor(XAColor::white(0.8)));
    listPalette.setColor(QPalette::Highlight, QColor(34, 75, 140));
    listPalette.setColor(QPalette::HighlightedText, XAQColor(XAColor::white(1.0)));
    tableView_->setPalette(listPalette);
    tableView_->setFrameShape(QFrame::Box);
    tableView_->setFrameShadow(QFrame::Plain);
    model_ = new XAStringArrayModel(this, tableView_);
    tableView_->setModel(model_);
    tableView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tableView_->setDragDropMode(QAbstractItemView::DragDrop);
    tableView_->setDefaultDropAction(Qt::CopyAction);
    tableView_->setDragDropOverwriteMode(false);
    tableView_->setDropIndicatorShown(true);
    tableView_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(tableView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateControlsState(); });
    layout->addWidget(tableView_, 1);

    auto *buttons = new QHBoxLayout;
    // Grey dark buttons: narrow ones for adding and removing rows, dialog-wide ones for ending the sheet.
    auto *addButton = new XAButton(QStringLiteral("+"), content);
    auto *removeButton = new XAButton(QStringLiteral("−"), content);
    auto *cancelButton = new XAButton(QStringLiteral("Cancel"), content);
    auto *saveButton = new XAButton(QStringLiteral("Save"), content);
    for (XAButton *button : {addButton, removeButton, cancelButton, saveButton}) {
        button->cell().xa_setStyle(XAButtonStyleGray);
        button->setMinimumWidth(button == addButton || button == removeButton ? 32 : 80);
    }
    addButton_ = addButton;
    removeButton_ = removeButton;
    cancelButton_ = cancelButton;
    saveButton_ = saveButton;
    saveButton_->setDefault(true);
    connect(addButton_, &QPushButton::clicked, this, [this] { addButtonPressed(); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { removeButtonPressed(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelButtonPressed(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveButtonPressed(); });
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addWidget(saveButton_);
    layout->addLayout(buttons);

    updateControlsState();
    reloadTable();
}

void XAStringArrayEditorWindowController::reloadTable() {
    if (model_) {
        model_->reload();
    }
}

void XAStringArrayEditorWindowController::updateControlsState() {
    if (removeButton_) {
        removeButton_->setEnabled(tableView_->selectionModel()->hasSelection());
    }
}

void XAStringArrayEditorWindowController::addButtonPressed() {
    window();
    values_.emplace_back();
    reloadTable();
    const QModelIndex last = model_->index(int(values_.size()) - 1);
    tableView_->setCurrentIndex(last);
    tableView_->edit(last);
}

void XAStringArrayEditorWindowController::removeButtonPressed() {
    window();
    std::set<int> selected;
    for (const QModelIndex &index : tableView_->selectionModel()->selectedIndexes()) {
        selected.insert(index.row());
    }
    if (selected.empty()) {
        return;
    }
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        values_.erase(values_.begin() + *row);
    }
    tableView_->clearSelection();
    validationErrorMessagesForRows_.reset();
    validateValues();
    reloadTable();
    updateControlsState();
}

void XAStringArrayEditorWindowController::setValueOfRow(int row, const std::string &text) {
    if (row < 0 || std::size_t(row) >= values_.size()) {
        return;
    }
    values_[std::size_t(row)] = text;
    validateValues();
    updateControlsState();
}

void XAStringArrayEditorWindowController::validateValues() {
    if (!validator_) {
        return;
    }
    std::vector<std::string> messages;
    for (const std::string &value : values_) {
        messages.push_back(validator_(value).value_or(""));
    }
    validationErrorMessagesForRows_ = std::move(messages);
    reloadTable();
}

std::optional<std::string> XAStringArrayEditorWindowController::validationErrorForRow(int row) const {
    if (!validationErrorMessagesForRows_ || row < 0 || std::size_t(row) >= validationErrorMessagesForRows_->size()) {
        return std::nullopt;
    }
    const std::string &message = (*validationErrorMessagesForRows_)[std::size_t(row)];
    return message.empty() ? std::nullopt : std::optional(message);
}

bool XAStringArrayEditorWindowController::allValuesAreValid() const {
    for (int row = 0; row < int(values_.size()); ++row) {
        if (validationErrorForRow(row)) {
            return false;
        }
    }
    return true;
}

void XAStringArrayEditorWindowController::saveButtonPressed() {
    validateValues();
    QStringList lines;
    for (int row = 0; row < int(values_.size()); ++row) {
        if (std::optional<std::string> message = validationErrorForRow(row)) {
            lines << QStringLiteral("Item #%1: %2").arg(row + 1).arg(QString::fromStdString(*message));
        }
    }
    if (!lines.isEmpty()) {
        const QString title =
            lines.size() == 1 ? QStringLiteral("%1 Invalid value") : QStringLiteral("%1 Invalid values");
        xa_showOKTitle(title.arg(lines.size()), lines.join(QStringLiteral("\n")));
        return;
    }
    if (tableView_) {
        // A row still being edited commits its text first.
        tableView_->setCurrentIndex({});
    }
    xa_endSelfSheetWithReturnCode(1);
}

void XAStringArrayEditorWindowController::cancelButtonPressed() { xa_endSelfSheetWithReturnCode(0); }

bool XAStringArrayEditorWindowController::acceptDrop(const std::vector<int> &draggedRows, int dropRow) {
    std::set<int> dragged;
    for (int row : draggedRows) {
        if (row >= 0 && std::size_t(row) < values_.size()) {
            dragged.insert(row);
        }
    }
    if (dragged.empty()) {
        return false;
    }
    // Rows move by position, so an element equal to a dragged one stays where it is.
    std::vector<std::string> before, moved, after;
    for (int row = 0; row < int(values_.size()); ++row) {
        std::vector<std::string> &target = dragged.count(row) ? moved : (row < dropRow ? before : after);
        target.push_back(values_[std::size_t(row)]);
    }
    values_ = before;
    values_.insert(values_.end(), moved.begin(), moved.end());
    values_.insert(values_.end(), after.begin(), after.end());
    validateValues();
    reloadTable();
    if (tableView_) {
        QItemSelection selection(model_->index(int(before.size())),
                                 model_->index(int(before.size() + moved.size()) - 1));
        tableView_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    updateControlsState();
    return true;
}
