#include "app/integrations/XACLIInstallWindowController.h"

#include "app/controls/XAAlerts.h"
#include "app/shell/XAWindow.h"
#include "core/XAAppVersion.h"
#include "core/XACLIToolScript.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString folderText() { return QString::fromStdString(XACLIToolsInstallFolder()); }

void showErrorModally(const QString &message) {
    XAAlertPresenter::shared().present({message, QString(), XAAlertStyle::Warning, {QStringLiteral("OK")}}, nullptr,
                                       nullptr);
}

} // namespace

void XACLIInstallWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    const QString title = QStringLiteral("%1 CLI Tools").arg(QString::fromUtf8(XAApplicationName));
    window()->setWindowTitle(title);

    auto *content = new QWidget(window());
    iconImageView_ = new QLabel(content);
    iconImageView_->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    titleField_ = new QLabel(title, content);
    QFont titleFont = titleField_->font();
    titleFont.setPointSize(titleFont.pointSize() + 5);
    titleFont.setBold(true);
    titleField_->setFont(titleFont);
    installInfoTF_ = new QLabel(content);
    installInfoTF_->setWordWrap(true);
    installInfoTF_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    installCLIButton_ = new QPushButton(content);
    uninstallCLIButton_ = new QPushButton(content);
    QObject::connect(installCLIButton_, &QPushButton::clicked, this, [this] { installCLIToolsButtonPressed(); });
    QObject::connect(uninstallCLIButton_, &QPushButton::clicked, this, [this] { uninstallCLIToolsButtonPressed(); });

    auto *texts = new QVBoxLayout;
    texts->addWidget(titleField_);
    texts->addWidget(installInfoTF_);
    texts->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(iconImageView_, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(uninstallCLIButton_);
    buttons->addWidget(installCLIButton_);
    auto *layout = new QVBoxLayout(content);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    window()->setContentView(content);
    window()->resize(520, 200);
    updateCLIToolsInstalledUIState();
}

void XACLIInstallWindowController::updateCLIToolsInstalledUIState() {
    window();
    installCLIButton_->setText(QStringLiteral("Install"));
    uninstallCLIButton_->setText(QStringLiteral("Uninstall"));
    const bool installed = cliToolsAlreadyInstalled();
    installCLIButton_->setEnabled(!installed);
    uninstallCLIButton_->setEnabled(installed);
    const QString tool = QString::fromUtf8(XACLIToolName);
    installInfoTF_->setText(
        installed ? QStringLiteral("The CLI tools have already been installed (to %1). Run '%2 %3' in the Terminal to "
                                   "see how to use it.")
                        .arg(folderText(), tool, QStringLiteral("help"))
                  : QStringLiteral("Install the '%1' command to be used from the command line:").arg(tool));
}

void XACLIInstallWindowController::installCLIToolsButtonPressed() {
    xa_showInWindow(
        window(), QStringLiteral("Install CLI tools"),
        QStringLiteral("The '%1' script will be installed to: %2").arg(QString::fromUtf8(XACLIToolName), folderText()),
        {QStringLiteral("Install"), QStringLiteral("Cancel")}, [this](const XAAlert &, int response) {
            if (response != XAAlertFirstButtonReturn) {
                return;
            }
            XAError error;
            if (installCLIToolScript(XACLIToolsInstallFolder(), XACLIToolName, &error)) {
                updateCLIToolsInstalledUIState();
            } else {
                showErrorModally(QString::fromStdString(error.message));
            }
        });
}

void XACLIInstallWindowController::uninstallCLIToolsButtonPressed() {
    const QString path = QString::fromStdString(cliCommandFullInstallationPath());
    xa_showInWindow(
        window(), QStringLiteral("Uninstall CLI Tools"),
        QStringLiteral("Are you sure you want to uninstall:\n\n%1").arg(path),
        {QStringLiteral("Uninstall"), QStringLiteral("Cancel")}, [this, path](const XAAlert &, int response) {
            if (response != XAAlertFirstButtonReturn) {
                return;
            }
            QFile file(path);
            if (!file.moveToTrash()) {
                showErrorModally(
                    QStringLiteral("The file %1 could not be moved to the trash: %2").arg(path, file.errorString()));
            }
            updateCLIToolsInstalledUIState();
        });
}
