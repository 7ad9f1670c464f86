// The open-project dialog: a project bundle is taken as a whole, anything else is refused with a message.

#include "app/shell/XAOpenProjectDialog.h"
#include "support/XADesktopTestSupport.h"

#include <QDir>
#include <QTest>

#include <optional>
#include <string>

class XAOpenProjectDialogTests : public QObject {
    Q_OBJECT

    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::optional<std::string> chosen_;

    std::unique_ptr<XAOpenProjectDialog> makeDialog() {
        auto dialog =
            std::make_unique<XAOpenProjectDialog>(nullptr, [this](const std::string &path) { chosen_ = path; });
        dialog->setDirectory(QString::fromStdString(environment_->path()));
        dialog->open();
        return dialog;
    }

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        chosen_.reset();
        QDir(QString::fromStdString(environment_->path())).mkpath(QStringLiteral("Sources"));
    }
    void cleanup() { environment_.reset(); }

    void onlyProjectBundlesCount_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<bool>("isProject");
        QTest::newRow("project") << "Demo/Demo.xcodeproj" << true;
        QTest::newRow("upper-case extension") << "Old/OLD.XCODEPROJ" << true;
        QTest::newRow("plain folder") << "Sources" << false;
        QTest::newRow("workspace") << "Demo.xcworkspace" << false;
        QTest::newRow("missing project") << "Gone.xcodeproj" << false;
    }

    void onlyProjectBundlesCount() {
        QFETCH(QString, relativePath);
        QFETCH(bool, isProject);
        const QDir root(QString::fromStdString(environment_->path()));
        if (relativePath != "Gone.xcodeproj") {
            root.mkpath(relativePath);
        }
        QCOMPARE(XAOpenProjectDialog::isProjectBundle(root.filePath(relativePath)), isProject);
    }

    void aChosenProjectBundleIsOpened() {
        const std::string project = environment_->makeProject("Demo", "Demo");
        auto dialog = makeDialog();
        dialog->selectFile(QString::fromStdString(project));
        dialog->accept();
        QCOMPARE(chosen_, std::optional<std::string>(project));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(environment_->alerts()->shown().empty());
    }

    void openingAProjectBundleChoosesItInsteadOfShowingItsInside() {
        const std::string project = environment_->makeProject("Demo", "Demo");
        auto dialog = makeDialog();
        emit dialog->directoryEntered(QString::fromStdString(project));
        QCOMPARE(chosen_, std::optional<std::string>(project));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->directory().absolutePath(), QFileInfo(QString::fromStdString(project)).absolutePath());
    }

    void anyOtherFolderIsRefusedWithAMessageAndTheDialogStaysOpen() {
        auto dialog = makeDialog();
        const QString sources = QDir(QString::fromStdString(environment_->path())).filePath(QStringLiteral("Sources"));
        emit dialog->directoryEntered(sources); // walking through folders is not choosing them
        QVERIFY(environment_->alerts()->shown().empty());
        dialog->selectFile(sources);
        dialog->accept();
        QVERIFY(!chosen_);
        QVERIFY(dialog->isVisible());
        QCOMPARE(environment_->alerts()->shown().size(), std::size_t(1));
        const auto &shown = environment_->alerts()->shown().front();
        QCOMPARE(shown.alert.title, QStringLiteral("“Sources” is not an Xcode project."));
        QCOMPARE(shown.alert.message, QStringLiteral("Choose a project: a folder whose name ends in “.xcodeproj”."));
        QVERIFY(shown.asSheet);
    }

    void theDialogListsFoldersOnly() {
        auto dialog = makeDialog();
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
    }
};

QTEST_MAIN(XAOpenProjectDialogTests)
#include "XAOpenProjectDialogTests.moc"
