#pragma once

// The sheet that edits a list value: one row per element; rows are added, removed, edited in place and reordered by
// dragging, and every element is checked by the caller's validator. Save ends the sheet with 1 only when every
// element is valid, else an alert lists the invalid ones; Cancel ends it with 0 and the caller reads nothing.

#include "app/shell/XAWindowController.h"

#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class XAStringArrayModel;

class XAStringArrayEditorWindowController : public XAWindowController {
public:
    // Given one element, an error message, or none when the element is valid.
    using Validator = std::function<std::optional<std::string>(const std::optional<std::string> &element)>;

    XAStringArrayEditorWindowController(QString optionName, const std::optional<std::vector<std::string>> &arrayValues,
                                        Validator singleValueValidator);
    ~XAStringArrayEditorWindowController() override;

    const QString &optionName() const { return optionName_; }
    std::vector<std::string> &values() { return values_; }
    const std::vector<std::string> &editedArrayValue() const { return values_; }
    // One message per row after the last validation ("" for a valid row); none before any validation.
    const std::optional<std::vector<std::string>> &validationErrorMessagesForRows() const {
        return validationErrorMessagesForRows_;
    }

    QLabel *optionNameField() const { return optionNameField_; }
    QListView *tableView() const { return tableView_; }
    QPushButton *removeButton() const { return removeButton_; }
    QPushButton *saveButton() const { return saveButton_; }

    void addButtonPressed();
    void removeButtonPressed();
    void saveButtonPressed();
    void cancelButtonPressed();

    // Replaces the element of a row with edited text, then validates.
    void setValueOfRow(int row, const std::string &text);
    // Moves the elements of the dragged rows (by position) in front of row `dropRow`, and selects them there.
    // Returns whether any row was dragged.
    bool acceptDrop(const std::vector<int> &draggedRows, int dropRow);

    void updateControlsState();
    void validateValues();
    std::optional<std::string> validationErrorForRow(int row) const;
    bool allValuesAreValid() const;

protected:
    void windowDidLoad() override;

private:
    void reloadTable();

    QString optionName_;
    std::vector<std::string> values_;
    Validator validator_;
    std::optional<std::vector<std::string>> validationErrorMessagesForRows_;
    // The table view owns the model and can go first, with the window.
    QPointer<XAStringArrayModel> model_;
    QPointer<QLabel> optionNameField_;
    QPointer<QListView> tableView_;
    QPointer<QPushButton> addButton_;
    QPointer<QPushButton> removeButton_;
    QPointer<QPushButton> saveButton_;
    QPointer<QPushButton> cancelButton_;
};
