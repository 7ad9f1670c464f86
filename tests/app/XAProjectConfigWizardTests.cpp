// The first-open wizard: its starting answers, the workspaces it lists and preselects, browsing to a workspace or a
// project, schemes that arrive late or for a workspace no longer selected, when it may be saved, the answers it
// writes (switching things off included), and its buttons.

#include "app/config/XAProjectConfigWizardWindowController.h"
#include "app/controls/XAProgressIndicator.h"
#include "app/shell/XAWindow.h"
#include "core/XAPaths.h"
#include "project/XAProject.h"
#include "project/XAWorkspace.h"
#include "support/XADesktopTestSupport.h"

#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

namespace {

// Scheme names by workspace name, each listing taking the given time on its worker.
class FakeSchemeLister : public XAWorkspaceSchemeLister {
public:
    std::vector<std::string> schemeNamesOfWorkspace(const XAWorkspace &workspace, const XAProgressHandler &) override {
        std::chrono::milliseconds delay{0};
        std::vector<std::string> names;
        {
            std::lock_guard lock(mutex);
            ++listings;
            delay = delays[workspace.workspaceName()];
            names = schemes[workspace.workspaceName()];
        }
        std::this_thread::sleep_for(delay);
        return names;
    }

    std::mutex mutex;
    std::map<std::string, std::vector<std::string>> schemes;
    std::map<std::string, std::chrono::milliseconds> delays;
    int listings = 0;
};

void makeWorkspace(const std::string &path) {
    std::filesystem::create_directories(path);
    std::ofstream(path + "/contents.xcworkspacedata")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Workspace version = \"1.0\">\n</Workspace>\n";
}

QStringList itemTitles(const QComboBox *popUp) {
    QStringList titles;
    for (int index = 0; index < popUp->count(); ++index) {
        titles << popUp->itemText(index);
    }
    return titles;
}

XAConfiguration configurationWith(std::initializer_list<std::pair<const char *, XAOptionValue>> values) {
    XAConfiguration configuration;
    for (const auto &[name, value] : values) {
        configuration.setValue(value, *XAConfiguration::appOptionWithLongName(name));
    }
    return configuration;
}

} // namespace

class XAProjectConfigWizardTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        panels_ = std::make_shared<XAScriptedFilePanels>();
        XAFilePanelFactory::setShared(panels_);
        schemes_ = std::make_shared<FakeSchemeLister>();
        schemes_->schemes["Shop"] = {"Shop", "Shop Tests"};
        schemes_->schemes["Admin"] = {"Admin"};
        XAWorkspaceSchemeLister::setShared(schemes_);
        projectPath_ = environment_->makeProject("Shop", "Shop");
        folder_ = environment_->path() + "/Shop";
        // The project's own inner workspace, and two of the folder's.
        makeWorkspace(projectPath_ + "/project.xcworkspace");
        makeWorkspace(folder_ + "/Admin.xcworkspace");
        makeWorkspace(folder_ + "/Shop.xcworkspace");
    }

    void cleanup() {
        wizard_.reset();
        XAWorkspaceSchemeLister::setShared(nullptr);
        environment_.reset();
    }

    // Without CocoaPods and without a configuration both boxes start off and the wizard may be saved at once; the
    // cancel button offers the default configuration and is 204 points wide, 12 to the left of the save button.
    void startsEmptyWithoutABaseConfiguration() {
        open(nullptr);
        QVERIFY(!wizard_->codeGeneratedCheckBox()->isChecked());
        QVERIFY(!wizard_->workspaceCheckBox()->isChecked());
        QVERIFY(wizard_->saveButton()->isEnabled());
        QVERIFY(!wizard_->workspacePopUpButton()->isEnabled());
        QVERIFY(!wizard_->schemePopUpButton()->isEnabled());
        QCOMPARE(wizard_->cancelButton()->text(), QStringLiteral("Use Default Configuration"));
        const QRect save = wizard_->saveButton()->geometry();
        const QRect cancel = wizard_->cancelButton()->geometry();
        QCOMPARE(cancel.width(), 204);
        QCOMPARE(cancel.x(), save.x() - 12 - 204);
        QCOMPARE(cancel.y(), save.y());
        QVERIFY(wizard_->codeGeneratedInfoField()->text().startsWith(
            QStringLiteral("Or the successful interpretation of this project's source code")));
        QVERIFY(wizard_->codeGeneratedInfoField()->text().contains(QString::fromStdString(
            "Checking this will enable the “" + XAConfiguration::descriptionForAppOption("fullBuild") + "” option.")));
        QVERIFY(wizard_->workspaceInfoField()->text().startsWith(
            QStringLiteral("In other words, it cannot be built independently.\n\nChecking this will add values for")));

        XAConfiguration untouched = configurationWith({{"fullBuild", true}});
        wizard_->modifyConfigurationBasedOnUserChoices(untouched);
        QVERIFY(untouched.performFullBuild()); // without a base configuration unchecked boxes write nothing
    }

    // A project's inner workspace is never listed; the one named like the project is preselected and its schemes
    // listed, the one named like its workspace chosen.
    void listsTheFoldersWorkspacesAndPreselectsByName() {
        const XAConfiguration base = configurationWith({{"fullBuild", true}, {"scheme", std::string("Shop Tests")}});
        open(&base);
        QCOMPARE(wizard_->cancelButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(wizard_->cancelButton()->width(), wizard_->saveButton()->width());
        QVERIFY(wizard_->codeGeneratedCheckBox()->isChecked());
        QVERIFY(XAWaitFor([&] { return wizard_->workspacesLoaded(); }));
        QCOMPARE(itemTitles(wizard_->workspacePopUpButton()), (QStringList{"Admin", "Shop"}));
        QCOMPARE(wizard_->workspacePopUpButton()->currentText(), QStringLiteral("Shop"));
        QCOMPARE(wizard_->workspacePopUpButton()->itemData(1, Qt::ToolTipRole).toString(),
                 QString::fromStdString(folder_ + "/Shop.xcworkspace"));
        QVERIFY(!wizard_->workspaceLoadingProgressIndicator()->isAnimating());

        wizard_->workspaceCheckBox()->setChecked(true);
        wizard_->workspaceCheckBoxChanged();
        QVERIFY(!wizard_->saveButton()->isEnabled()); // schemes still on their way
        QVERIFY(XAWaitFor([&] { return wizard_->schemePopUpButton()->count() == 2; }));
        QCOMPARE(wizard_->schemePopUpButton()->currentText(), QStringLiteral("Shop Tests"));
        QVERIFY(wizard_->saveButton()->isEnabled());
        QVERIFY(wizard_->schemePopUpButton()->isEnabled());
        QVERIFY(!wizard_->schemeLoadingProgressIndicator()->isAnimating());

        XAConfiguration answers;
        wizard_->modifyConfigurationBasedOnUserChoices(answers);
        QCOMPARE(answers.associatedWorkspacePath().value_or(""), std::string("Shop.xcworkspace"));
        QCOMPARE(answers.associatedWorkspaceSchemeName().value_or(""), std::string("Shop Tests"));
        QVERIFY(answers.performFullBuild());
    }

    // When one workspace matches the saved path and a later one the project's name, the later one wins; a saved
    // relative path is read against the project's folder.
    void theLastMatchingWorkspaceIsPreselected() {
        const XAConfiguration byPath = configurationWith({{"workspace", std::string("Admin.xcworkspace")}});
        open(&byPath);
        QVERIFY(wizard_->workspaceCheckBox()->isChecked());
        QVERIFY(XAWaitFor([&] { return wizard_->workspacesLoaded(); }));
        QCOMPARE(wizard_->workspacePopUpButton()->currentText(), QStringLiteral("Shop"));

        std::filesystem::remove_all(folder_ + "/Shop.xcworkspace");
        open(&byPath);
        QVERIFY(XAWaitFor([&] { return wizard_->schemePopUpButton()->count() == 1; }));
        QCOMPARE(wizard_->workspacePopUpButton()->currentText(), QStringLiteral("Admin"));
        QCOMPARE(wizard_->schemePopUpButton()->currentText(), QStringLiteral("Admin"));
    }

    // Browsing to a project selects its inner workspace as the browsed item at the top; browsing to a listed
    // workspace selects its item; a workspace outside the project's folder is written with "..".
    void browsingSelectsWorkspacesAndProjects() {
        open(nullptr);
        QVERIFY(XAWaitFor([&] { return wizard_->workspacesLoaded(); }));
        wizard_->workspaceCheckBox()->setChecked(true);
        wizard_->workspaceCheckBoxChanged();
        QVERIFY(wizard_->workspaceBrowseButton()->isEnabled());

        panels_->answerNextWith(projectPath_);
        wizard_->browseOtherWorkspace();
        const XAFilePanelRequest &request = panels_->begun().at(0).request;
        QVERIFY(!panels_->begun()[0].asSheet);
        QCOMPARE(request.allowedExtensions, (QStringList{"xcodeproj", "xcworkspace"}));
        QVERIFY(request.choosesBundles && !request.canCreateDirectories && !request.canChooseDirectories);
        QCOMPARE(request.message, QStringLiteral("Please select an Xcode workspace or project. In the case of the "
                                                 "latter, the project’s default inner workspace will be "
                                                 "automatically selected."));
        QVERIFY(XAWaitFor([&] { return wizard_->userSpecifiedWorkspace() != nullptr; }));
        QCOMPARE(wizard_->userSpecifiedWorkspace()->xcworkspacePath(), projectPath_ + "/project.xcworkspace");
        QCOMPARE(wizard_->workspacePopUpButton()->currentIndex(), 0);
        QCOMPARE(wizard_->workspacePopUpButton()->itemData(0, Qt::UserRole + 1).toInt(), 1982);
        QCOMPARE(wizard_->workspacePopUpButton()->count(), 3);

        panels_->answerNextWith(folder_ + "/Admin.xcworkspace");
        wizard_->browseOtherWorkspace();
        QCOMPARE(wizard_->workspacePopUpButton()->currentText(), QStringLiteral("Admin"));
        QCOMPARE(wizard_->workspacePopUpButton()->count(), 3);

        const std::string outside = environment_->path() + "/Shared/Outside.xcworkspace";
        makeWorkspace(outside);
        schemes_->schemes["Outside"] = {"Everything"};
        panels_->answerNextWith(outside);
        wizard_->browseOtherWorkspace();
        QVERIFY(XAWaitFor([&] { return wizard_->schemePopUpButton()->currentText() == QStringLiteral("Everything"); }));
        QCOMPARE(wizard_->workspacePopUpButton()->count(), 3); // the browsed item was replaced
        QCOMPARE(wizard_->workspacePopUpButton()->currentText(), QStringLiteral("Outside"));
        XAConfiguration answers;
        wizard_->modifyConfigurationBasedOnUserChoices(answers);
        QCOMPARE(answers.associatedWorkspacePath().value_or(""), std::string("../Shared/Outside.xcworkspace"));
        QCOMPARE(answers.associatedWorkspaceSchemeName().value_or(""), std::string("Everything"));
    }

    // Switching from a slow workspace to a fast one never shows the slow one's schemes, even when they arrive last.
    void schemesOfAWorkspaceNoLongerSelectedAreDropped() {
        schemes_->delays["Admin"] = std::chrono::milliseconds(400);
        open(nullptr);
        QVERIFY(XAWaitFor([&] { return wizard_->workspacesLoaded(); }));
        wizard_->workspaceCheckBox()->setChecked(true);
        wizard_->workspacePopUpButton()->setCurrentIndex(0); // Admin, slow
        wizard_->workspacePopUpButtonChanged();
        wizard_->workspacePopUpButton()->setCurrentIndex(1); // Shop, fast
        wizard_->workspacePopUpButtonChanged();
        QVERIFY(XAWaitFor([&] { return wizard_->schemePopUpButton()->count() == 2; }));
        QVERIFY(XAWaitFor([&] {
            std::lock_guard lock(schemes_->mutex);
            return schemes_->listings >= 2;
        }));
        QTest::qWait(600); // the slow answer has come by now
        QCOMPARE(itemTitles(wizard_->schemePopUpButton()), (QStringList{"Shop", "Shop Tests"}));
        QCOMPARE(wizard_->workspacePopUpButton()->currentText(), QStringLiteral("Shop"));
    }

    // A workspace without schemes keeps the save button off while the workspace box is on.
    void aWorkspaceWithoutSchemesCannotBeSaved() {
        schemes_->schemes.erase("Shop");
        const XAConfiguration base = configurationWith({{"workspace", std::string("Shop.xcworkspace")}});
        open(&base);
        QVERIFY(XAWaitFor([&] { return wizard_->workspacesLoaded(); }));
        QVERIFY(XAWaitFor([&] { return !wizard_->schemeLoadingProgressIndicator()->isAnimating(); }));
        QCOMPARE(wizard_->schemePopUpButton()->count(), 0);
        QVERIFY(!wizard_->saveButton()->isEnabled());
        wizard_->workspaceCheckBox()->setChecked(false);
        wizard_->workspaceCheckBoxChanged();
        QVERIFY(wizard_->saveButton()->isEnabled());
    }

    // Starting from a configuration, unchecked boxes switch code generation off and remove the workspace and
    // scheme; other options stay.
    void uncheckedBoxesSwitchOffWhatTheConfigurationHad() {
        const XAConfiguration base = configurationWith({{"fullBuild", true},
                                                        {"workspace", std::string("Shop.xcworkspace")},
                                                        {"scheme", std::string("Shop")},
                                                        {"target", std::string("Shop")}});
        open(&base);
        QVERIFY(XAWaitFor([&] { return wizard_->schemePopUpButton()->count() == 2; }));
        wizard_->codeGeneratedCheckBox()->setChecked(false);
        wizard_->workspaceCheckBox()->setChecked(false);
        wizard_->workspaceCheckBoxChanged();
        XAConfiguration answers = base;
        wizard_->modifyConfigurationBasedOnUserChoices(answers);
        QVERIFY(!answers.performFullBuild());
        QVERIFY(!answers.associatedWorkspacePath());
        QVERIFY(!answers.associatedWorkspaceSchemeName());
        QCOMPARE(answers.targetName().value_or(""), std::string("Shop"));
    }

private:
    void open(const XAConfiguration *base) {
        wizard_ = std::make_shared<XAProjectConfigWizardWindowController>(XAProject::projectWithXcodeproj(projectPath_),
                                                                          base);
        wizard_->window()->show();
    }

    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedFilePanels> panels_;
    std::shared_ptr<FakeSchemeLister> schemes_;
    std::string projectPath_;
    std::string folder_;
    std::shared_ptr<XAProjectConfigWizardWindowController> wizard_;
};

QTEST_MAIN(XAProjectConfigWizardTests)
#include "XAProjectConfigWizardTests.moc"
