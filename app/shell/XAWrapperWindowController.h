#pragma once

// A generic sheet around any view controller: a title over the view, OK (return code 1) and Cancel (0) below it.
// It opens at the size its view needs, and remembers the size the user gives it under its autosave name.

#include "app/shell/XAWindowController.h"

#include <memory>

#include <QLabel>
#include <QPushButton>

class XAViewController;

class XAWrapperWindowController : public XAWindowController {
public:
    XAWrapperWindowController(std::shared_ptr<XAViewController> viewController, QString title,
                              const QString &autosaveName);

    QString title() const { return title_; }
    const std::shared_ptr<XAViewController> &viewController() const { return viewController_; }
    QLabel *titleTextField() const { return titleTextField_; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }

    void okPressed() { xa_endSelfSheetWithReturnCode(1); }
    void cancelPressed() { xa_endSelfSheetWithReturnCode(0); }

protected:
    void windowDidLoad() override;

private:
    void addViewControllerViewToWindow(QWidget *content);
    // The window opens at the size the view asks for (preferredContentSize) around the title and the buttons; a
    // size the user gave it, kept under the autosave name, wins when it is shown.
    void resizeToFitContent();

    std::shared_ptr<XAViewController> viewController_;
    QString title_;
    QString autosaveName_;
    QPointer<QLabel> titleTextField_;
    QPointer<QPushButton> okButton_;
    QPointer<QPushButton> cancelButton_;
};
