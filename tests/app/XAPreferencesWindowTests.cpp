// The preferences window: the crash-report policy pop-up, the editor and browser pop-ups with the greyed entry of an
// editor that is not installed, and the date of the last update check against a loopback server.

#include "app/config/XAPreferencesWindowController.h"
#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/integrations/XAIntegrationSettings.h"
#include "app/integrations/XAUpdater.h"
#include "app/shell/XAWindow.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"
#include "support/XALoopbackHTTPServer.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

#include <cstdlib>

namespace {

// An installed editor (its program is the shell) and one whose program is nowhere, in either order; a browser whose
// program is nowhere and one that needs none.
class FakeEditors : public XADesktopDevEnvironment {
public:
    explicit FakeEditors(bool missingEditorFirst = false) : missingEditorFirst_(missingEditorFirst) {}
    std::vector<std::shared_ptr<XACodeEditorApp>> supportedEditors() override {
        auto installed = XACodeEditorApp::editorWithName("Xcode", "com.apple.dt.Xcode", "sh", nullptr,
                                                         QStringLiteral("Opens files at their line."));
        auto missing =
            XACodeEditorApp::editorWithName("Missing Editor", "com.example.Missing", "no-such-editor-program-anywhere",
                                            nullptr, QStringLiteral("never"));
        if (missingEditorFirst_) {
            return {missing, installed};
        }
        return {installed, missing};
    }
    std::vector<std::shared_ptr<XADocsBrowserApp>> supportedDocsBrowsers() override {
        return {XADocsBrowserApp::docsBrowserWithName("Dash", "com.kapeli.dash", "no-such-browser-program", nullptr),
                XADocsBrowserApp::docsBrowserWithName("Web Search", "web-search", std::string(), nullptr)};
    }

private:
    bool missingEditorFirst_;
};

} // namespace

class XAPreferencesWindowTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        XADesktopDevEnvironment::setShared(std::make_shared<FakeEditors>());
    }
    void cleanup() {
        XADesktopDevEnvironment::setShared(nullptr);
        environment_.reset();
    }

    void panesComeInToolbarOrder() {
        XAPreferencesWindowController controller;
        QCOMPARE(controller.window()->windowTitle(), QStringLiteral("Preferences"));
        QStringList labels;
        for (QAction *item : controller.toolbar()->actions()) {
            labels << item->text();
        }
        QCOMPARE(labels, (QStringList{"General", "Integrations", "Updates"}));
        QStringList identifiers;
        for (const auto &pane : controller.viewControllers()) {
            identifiers << pane->identifier();
            QVERIFY(!pane->hasResizableWidth() && !pane->hasResizableHeight());
        }
        QCOMPARE(identifiers, (QStringList{"general", "integrations", "sparkle"}));
    }

    // No stored policy and a stored empty one both select "Ask each time"; picking stores the value.
    void theCrashReportPolicyPopUp() {
        XAPreferencesWindowController controller;
        controller.showWindow(nullptr);
        auto *general = static_cast<XAGeneralPrefsViewController *>(controller.selectedViewController());
        QComboBox *popUp = general->crashReportPolicyPopupButton();
        QCOMPARE(popUp->count(), 3);
        QCOMPARE(popUp->currentText(), QStringLiteral("Ask each time"));
        QCOMPARE(popUp->itemText(1), QStringLiteral("Send automatically"));
        QCOMPARE(popUp->itemText(2), QStringLiteral("Never send"));
        xa_setCrashReportPolicy(XAUserDefaults::standard(), 2);
        general->viewWillAppear();
        QCOMPARE(popUp->currentText(), QStringLiteral("Never send"));
        XAUserDefaults::standard().setString("CrashReportingPolicy", "");
        general->viewWillAppear();
        QCOMPARE(popUp->currentText(), QStringLiteral("Ask each time"));
        popUp->activated(1);
        QCOMPARE(xa_crashReportPolicy(XAUserDefaults::standard()), 1);
        XASaveScreenshot(controller.window(), QStringLiteral("preferences-general"));
    }

    void anEditorThatIsNotInstalledIsGreyedAndSaysSo() {
        XAUserDefaults::standard().setString("codeEditorBundleId", "com.example.Missing");
        XAPreferencesWindowController controller;
        controller.showWindow(nullptr);
        controller.selectControllerWithIdentifier(QStringLiteral("integrations"));
        auto *integrations = static_cast<XAIntegrationsViewController *>(controller.selectedViewController());
        QComboBox *editors = integrations->codeEditorPopupButton();
        QCOMPARE(editors->currentText(), QStringLiteral("Missing Editor"));
        QCOMPARE(integrations->codeEditorInfoField()->text(),
                 QStringLiteral("Missing Editor doesn't seem to be installed."));
        const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(editors->itemData(1, Qt::ForegroundRole).value<QColor>(), disabled);
        QVERIFY(editors->itemData(0, Qt::ForegroundRole).value<QColor>() != disabled);
        QCOMPARE(integrations->codeEditorInfoField()->palette().color(QPalette::WindowText), disabled);
        // Picking the installed editor stores it and shows its own text.
        editors->setCurrentIndex(0);
        editors->activated(0);
        QCOMPARE(XAUserDefaults::standard().stringForKey("codeEditorBundleId"),
                 std::optional<std::string>("com.apple.dt.Xcode"));
        QCOMPARE(integrations->codeEditorInfoField()->text(), QStringLiteral("Opens files at their line."));
        QCOMPARE(integrations->docsBrowserPopupButton()->itemText(0), QStringLiteral("Dash"));
        QCoreApplication::processEvents();
        QCOMPARE(XACutWidgets(controller.window()).join(QLatin1Char('\n')), QString());
        XASaveScreenshot(controller.window(), QStringLiteral("preferences-integrations"));
    }

    // Each pane shows in full when it is selected, with the texts it sets as it appears.
    void everyPaneShowsInFull() {
        XAPreferencesWindowController controller;
        controller.showWindow(nullptr);
        for (const QString identifier : {"general", "integrations", "sparkle"}) {
            controller.selectControllerWithIdentifier(identifier);
            QCoreApplication::processEvents();
            QCOMPARE(XACutWidgets(controller.window()).join(QLatin1Char('\n')), QString());
        }
    }

    // Without a stored choice the pop-ups show the editor and the browser that are used: the first installed ones,
    // not the first of the list when it is missing.
    void withoutAChoiceThePopUpsShowTheAppsInUse() {
        XADesktopDevEnvironment::setShared(std::make_shared<FakeEditors>(true));
        XAPreferencesWindowController controller;
        controller.showWindow(nullptr);
        controller.selectControllerWithIdentifier(QStringLiteral("integrations"));
        auto *integrations = static_cast<XAIntegrationsViewController *>(controller.selectedViewController());
        QCOMPARE(integrations->codeEditorPopupButton()->itemText(0), QStringLiteral("Missing Editor"));
        QCOMPARE(integrations->codeEditorPopupButton()->currentText(), QStringLiteral("Xcode"));
        QCOMPARE(integrations->codeEditorInfoField()->text(), QStringLiteral("Opens files at their line."));
        QCOMPARE(integrations->docsBrowserPopupButton()->currentText(), QStringLiteral("Web Search"));
        // Showing them stores nothing.
        QVERIFY(!XAUserDefaults::standard().stringForKey("codeEditorBundleId"));
        QVERIFY(!XAUserDefaults::standard().stringForKey("docsBrowserBundleId"));
    }

    // The integrations' commands and address show as typed; an empty field stands for the default its placeholder
    // names; what the user changes is stored when editing ends, and clearing a field goes back to the default.
    void theIntegrationCommandsAreShownAndEdited() {
        XAUserDefaults &defaults = XAUserDefaults::standard();
        xa_setXcodeProjectCommand(defaults, XACommandTemplate{"/opt/My IDE/ide", "--open", "{project}"});
        XAPreferencesWindowController controller;
        controller.showWindow(nullptr);
        controller.selectControllerWithIdentifier(QStringLiteral("integrations"));
        auto *integrations = static_cast<XAIntegrationsViewController *>(controller.selectedViewController());
        QCOMPARE(integrations->projectCommandField()->text(), QStringLiteral("\"/opt/My IDE/ide\" --open {project}"));
        QCOMPARE(integrations->fileCommandField()->text(), QString());
        QCOMPARE(integrations->fileCommandField()->placeholderText(), QStringLiteral("xdg-open {file}"));
        QCOMPARE(integrations->customEditorCommandField()->text(), QString());
        QCOMPARE(integrations->docsSearchAddressField()->placeholderText(),
                 QStringLiteral("https://developer.apple.com/search/?q=%@"));
        QVERIFY(
            QFile::exists(XASaveScreenshot(controller.window(), QStringLiteral("preferences-integrations-commands"))));

        auto type = [](QLineEdit *field, const QString &text) {
            field->setText(text);
            field->setModified(true);
            emit field->editingFinished();
        };
        type(integrations->customEditorCommandField(), QStringLiteral("ed +{line} {file}"));
        QCOMPARE(xa_customCodeEditorCommand(defaults), std::optional(XACommandTemplate{"ed", "+{line}", "{file}"}));
        type(integrations->fileCommandField(), QStringLiteral("ide --line {line} {file}"));
        QCOMPARE(xa_xcodeFileCommand(defaults), (XACommandTemplate{"ide", "--line", "{line}", "{file}"}));
        type(integrations->docsSearchAddressField(), QStringLiteral("https://search.example/?q=%@"));
        QCOMPARE(xa_docsWebSearchAddress(defaults), std::string("https://search.example/?q=%@"));
        type(integrations->projectCommandField(), QString());
        QVERIFY(!xa_xcodeProjectCommand(defaults));
        QVERIFY(!integrations->projectCommandField()->placeholderText().isEmpty());
        // Editing that ends without a change stores nothing.
        integrations->fileCommandField()->setText(QStringLiteral("other"));
        integrations->fileCommandField()->setModified(false);
        emit integrations->fileCommandField()->editingFinished();
        QCOMPARE(xa_xcodeFileCommand(defaults), (XACommandTemplate{"ide", "--line", "{line}", "{file}"}));
    }

    // "Never" until a check has finished; the label follows at once when a check ends while the pane shows.
    void theLastCheckDateFollowsAFinishedCheck() {
        XALoopbackHTTPServer server;
        server.setResponse(200, "{\"version\": \"99.0\"}");
        ::setenv("TESSARY_UPDATE_CHECK_URL", server.baseAddress("newest.json").c_str(), 1);
        XAPreferencesWindowController controller;
        controller.showWindow(nullptr);
        controller.selectControllerWithIdentifier(QStringLiteral("sparkle"));
        auto *updates = static_cast<XASparklePrefsViewController *>(controller.selectedViewController());
        QCOMPARE(updates->lastCheckedTextField()->text(), QStringLiteral("Last checked: Never"));
        std::optional<XAUpdateCheckResult> result;
        XAUpdater::sharedUpdater().checkForUpdates([&](const XAUpdateCheckResult &answer) { result = answer; });
        QVERIFY(XAWaitFor([&] { return result.has_value(); }));
        ::unsetenv("TESSARY_UPDATE_CHECK_URL");
        QCOMPARE(result->newestVersion, std::optional<std::string>("99.0"));
        QVERIFY(result->updateAvailable);
        QCOMPARE(server.requests().size(), 1u);
        QCOMPARE(server.requests().front().path, std::string("/newest.json"));
        const QString label = updates->lastCheckedTextField()->text();
        QVERIFY(label.startsWith(QStringLiteral("Last checked: ")));
        QVERIFY(label != QStringLiteral("Last checked: Never"));
        const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QVERIFY2(label.contains(today), qPrintable(label));
        XASaveScreenshot(controller.window(), QStringLiteral("preferences-updates"));
    }
};

QTEST_MAIN(XAPreferencesWindowTests)
#include "XAPreferencesWindowTests.moc"
