// The About window: its height from the number of rows, a new order at every showing with the info buttons still
// opening the clicked row's licence, derived licence paths and titles, and the copies the previews read.

#include "app/integrations/XAAboutWindowController.h"
#include "app/shell/XAWindow.h"
#include "codemodel/XALibclangLoader.h"
#include "core/XAAppVersion.h"
#include "support/XADesktopTestSupport.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <cstdlib>

class XAAboutWindowTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    QString resources_;

    void writeResource(const QString &relativePath, const QByteArray &text) {
        const QString path = resources_ + QLatin1Char('/') + relativePath;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    static QToolButton *infoButton(XAAboutWindowController &controller, int row) {
        return qobject_cast<QToolButton *>(controller.tableView()->cellWidget(row, 1));
    }

private slots:
    // The version record is read once per process: read it before any test points the resources elsewhere.
    void initTestCase() { XAAppVersionInfoOfProcess(); }

    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        resources_ = QString::fromStdString(environment_->path()) + QStringLiteral("/resources");
        QDir().mkpath(resources_);
        ::setenv("TESSARY_RESOURCES_DIR", resources_.toUtf8(), 1);
    }
    void cleanup() {
        ::unsetenv("TESSARY_RESOURCES_DIR");
        XAURLOpener::setShared(nullptr);
        environment_.reset();
    }

    void theHeightFollowsTheRows() {
        XAAboutWindowController controller;
        const int rows = static_cast<int>(XAAboutWindowController::acknowledgements().size());
        QCOMPARE(controller.window()->height(), rows * 20 + 110);
        QCOMPARE(controller.tableView()->rowCount(), rows);
        QCOMPARE(controller.tableView()->rowHeight(0), 20);
        controller.setTableViewRows({XAAboutWindowController::acknowledgements().front()});
        QCOMPARE(controller.window()->height(), 130);
        QCOMPARE(controller.tableHeaderField()->text(), QStringLiteral("Tessary ❤ (in random order)"));
    }

    // Two showings give two orders (almost always: a few tries rule out an unlucky equal shuffle); the buttons of a
    // row act on the row shown there.
    void everyShowingShufflesAndButtonsFollowTheShownRow() {
        auto opener = std::make_shared<XARecordingURLOpener>();
        XAURLOpener::setShared(opener);
        XAAboutWindowController controller;
        controller.showWindow(nullptr);
        QStringList firstOrder;
        for (const XAAcknowledgement &row : controller.tableViewRows()) {
            firstOrder << row.name;
        }
        QStringList secondOrder = firstOrder;
        for (int attempt = 0; attempt < 5 && secondOrder == firstOrder; ++attempt) {
            controller.showWindow(nullptr);
            secondOrder.clear();
            for (const XAAcknowledgement &row : controller.tableViewRows()) {
                secondOrder << row.name;
            }
        }
        QVERIFY(secondOrder != firstOrder);
        QStringList sortedFirst = firstOrder, sortedSecond = secondOrder;
        sortedFirst.sort();
        sortedSecond.sort();
        QCOMPARE(sortedFirst, sortedSecond);

        const int llvmRow = static_cast<int>(secondOrder.indexOf(QStringLiteral("Clang/LLVM")));
        writeResource(QStringLiteral("Licenses/LLVM.license.txt"), "Apache License with LLVM Exceptions");
        infoButton(controller, llvmRow)->click();
        QCOMPARE(controller.licenseQLDataSource()->resourceFilePath(), QStringLiteral("Licenses/LLVM.license.txt"));
        QCOMPARE(controller.licensePreviewWindow()->windowTitle(), QStringLiteral("Clang/LLVM License"));
        QVERIFY(controller.licensePreviewWindow()->isVisible());
        qobject_cast<QToolButton *>(controller.tableView()->cellWidget(llvmRow, 2))->click();
        QCOMPARE(opener->opened, std::vector<QUrl>{QUrl(QStringLiteral("https://llvm.org"))});
        XASaveScreenshot(controller.licensePreviewWindow(), QStringLiteral("about-license"));
    }

    // A row without licence file or title: the file named after the row with dots for spaces, titled in title case.
    void aRowWithoutLicenceFileDerivesPathAndTitle() {
        XAAboutWindowController controller;
        controller.setTableViewRows(
            {{"Pacifico font", "Vernon Adams", "https://example.org", std::nullopt, std::nullopt}});
        writeResource(QStringLiteral("Licenses/Pacifico.font.license.txt"), "SIL Open Font License");
        infoButton(controller, 0)->click();
        QCOMPARE(controller.licenseQLDataSource()->resourceFilePath(),
                 QStringLiteral("Licenses/Pacifico.font.license.txt"));
        QCOMPARE(controller.licenseQLDataSource()->title(), QStringLiteral("Pacifico Font License"));
        QCOMPARE(controller.licenseQLDataSource()->previewText(), QStringLiteral("SIL Open Font License"));
    }

    // A second preview reads the copy made for the first; equal file names in different folders get a copy each.
    void previewsReuseTheirCopyKeyedByTheWholePath() {
        writeResource(QStringLiteral("Licenses/a/COPYING.txt"), "first licence");
        writeResource(QStringLiteral("Licenses/b/COPYING.txt"), "second licence");
        auto first =
            XAResourceFileQLDataSource::dataSourceForResourceFile(QStringLiteral("Licenses/a/COPYING.txt"), "A");
        auto second =
            XAResourceFileQLDataSource::dataSourceForResourceFile(QStringLiteral("Licenses/b/COPYING.txt"), "B");
        QCOMPARE(first->previewText(), QStringLiteral("first licence"));
        QCOMPARE(second->previewText(), QStringLiteral("second licence"));
        QVERIFY(first->previewItemPath() != second->previewItemPath());
        writeResource(QStringLiteral("Licenses/a/COPYING.txt"), "changed on disk");
        auto again =
            XAResourceFileQLDataSource::dataSourceForResourceFile(QStringLiteral("Licenses/a/COPYING.txt"), "A");
        QCOMPARE(again->previewText(), QStringLiteral("first licence"));
        // A path that climbs out of the resources copies nothing.
        auto outside =
            XAResourceFileQLDataSource::dataSourceForResourceFile(QStringLiteral("../../../etc/hostname"), "X");
        QCOMPARE(outside->previewText(), QString());
    }

    // The build copies a licence text for every row, under the path the row names or the one derived from its name.
    void everyRowHasItsLicenceTextInTheBuild() {
        ::unsetenv("TESSARY_RESOURCES_DIR");
        XAAboutWindowController controller;
        for (int row = 0; row < static_cast<int>(controller.tableViewRows().size()); ++row) {
            infoButton(controller, row)->click();
            QVERIFY2(!controller.licenseQLDataSource()->previewText().isEmpty(),
                     qPrintable(controller.licenseQLDataSource()->resourceFilePath()));
        }
    }

    void screenshot() {
        ::unsetenv("TESSARY_RESOURCES_DIR");
        QVERIFY(loadConfiguredLibclang());
        XAAboutWindowController controller;
        controller.showWindow(nullptr);
        QVERIFY(controller.appVersionField()->text().startsWith(QStringLiteral("Version ")));
        QVERIFY(!controller.clangVersionField()->text().isEmpty());
        QVERIFY(!XASaveScreenshot(controller.window(), QStringLiteral("about")).isEmpty());
    }
};

QTEST_MAIN(XAAboutWindowTests)
#include "XAAboutWindowTests.moc"
