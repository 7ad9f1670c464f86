#pragma once

// The window that installs the command-line launcher ("tessary" in the install folder) and removes it again. Removing
// moves the file to the trash; it is never deleted. The buttons follow what is really at the path each time the
// window refreshes.

#include "app/shell/XAWindowController.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

class XACLIInstallWindowController : public XAWindowController {
public:
    void updateCLIToolsInstalledUIState();
    void installCLIToolsButtonPressed();
    void uninstallCLIToolsButtonPressed();

    QLabel *titleField() const { return titleField_; }
    QLabel *installInfoTF() const { return installInfoTF_; }
    QPushButton *installCLIButton() const { return installCLIButton_; }
    QPushButton *uninstallCLIButton() const { return uninstallCLIButton_; }

protected:
    void windowDidLoad() override;

private:
    QPointer<QLabel> iconImageView_;
    QPointer<QLabel> titleField_;
    QPointer<QLabel> installInfoTF_;
    QPointer<QPushButton> installCLIButton_;
    QPointer<QPushButton> uninstallCLIButton_;
};
