// The launcher installer window: installing into the configured folder, refusing to replace a file that is there,
// and uninstalling into the trash, with the buttons following the file.

#include "app/integrations/XACLIInstallWindowController.h"
#include "app/shell/XAWindow.h"
#include "core/XACLIToolScript.h"
#include "support/XADesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>

class XACLIInstallWindowTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    QString folder_;
    std::optional<std::string> home_;

    QString installedPath() const { return folder_ + QStringLiteral("/tessary"); }

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        folder_ = QString::fromStdString(environment_->path()) + QStringLiteral("/usr/local/bin");
        ::setenv("TESSARY_CLI_TOOLS_INSTALL_DIR", folder_.toUtf8(), 1);
        home_ = std::getenv("HOME") ? std::optional<std::string>(std::getenv("HOME")) : std::nullopt;
        ::setenv("HOME", environment_->path().c_str(), 1); // the trash of the folder's own home
    }
    void cleanup() {
        ::unsetenv("TESSARY_CLI_TOOLS_INSTALL_DIR");
        if (home_) {
            ::setenv("HOME", home_->c_str(), 1);
        }
        environment_.reset();
    }

    // Install creates the missing folders and an executable script; Uninstall moves it to the trash; the buttons
    // and the text follow each step; cancelling changes nothing.
    void installAndUninstallFlipTheButtons() {
        XACLIInstallWindowController controller;
        QCOMPARE(controller.window()->windowTitle(), QStringLiteral("Tessary CLI Tools"));
        QCOMPARE(controller.titleField()->text(), QStringLiteral("Tessary CLI Tools"));
        QVERIFY(controller.installCLIButton()->isEnabled());
        QVERIFY(!controller.uninstallCLIButton()->isEnabled());
        QCOMPARE(controller.installInfoTF()->text(),
                 QStringLiteral("Install the 'tessary' command to be used from the command line:"));

        alerts_->answerNextWith(QStringLiteral("Cancel"));
        controller.installCLIButton()->click();
        QVERIFY(!QFile::exists(installedPath()));

        alerts_->answerNextWith(QStringLiteral("Install"));
        controller.installCLIButton()->click();
        QCOMPARE(alerts_->shown().back().alert.title, QStringLiteral("Install CLI tools"));
        QCOMPARE(alerts_->shown().back().alert.message,
                 QStringLiteral("The 'tessary' script will be installed to: %1").arg(folder_));
        QVERIFY(alerts_->shown().back().asSheet);
        QVERIFY(QFile::exists(installedPath()));
        QCOMPARE(std::filesystem::status(installedPath().toStdString()).permissions(), std::filesystem::perms(0755));
        QVERIFY(!controller.installCLIButton()->isEnabled());
        QVERIFY(controller.uninstallCLIButton()->isEnabled());
        QCOMPARE(controller.installInfoTF()->text(),
                 QStringLiteral("The CLI tools have already been installed (to %1). Run 'tessary help' in the "
                                "Terminal to see how to use it.")
                     .arg(folder_));
        XASaveScreenshot(controller.window(), QStringLiteral("cli-install"));

        alerts_->answerNextWith(QStringLiteral("Uninstall"));
        controller.uninstallCLIButton()->click();
        QCOMPARE(alerts_->shown().back().alert.message,
                 QStringLiteral("Are you sure you want to uninstall:\n\n%1").arg(installedPath()));
        QVERIFY(!QFile::exists(installedPath()));
        QVERIFY(QFile::exists(QString::fromStdString(environment_->path()) + "/XDG_DATA_HOME/Trash/files/tessary"));
        QVERIFY(controller.installCLIButton()->isEnabled());
        QVERIFY(!controller.uninstallCLIButton()->isEnabled());
    }

    // A file that appeared after the window refreshed is left as it is, and the error is shown.
    void anExistingFileIsReportedAndKept() {
        XACLIInstallWindowController controller;
        controller.window();
        QDir().mkpath(folder_);
        QFile existing(installedPath());
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("someone else's\n");
        existing.close();
        alerts_->answerNextWith(QStringLiteral("Install"));
        controller.installCLIButton()->click();
        QCOMPARE(alerts_->shown().back().alert.title,
                 QStringLiteral("The file already exists: %1").arg(installedPath()));
        QVERIFY(!alerts_->shown().back().asSheet);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("someone else's\n"));
    }
};

QTEST_MAIN(XACLIInstallWindowTests)
#include "XACLIInstallWindowTests.moc"
