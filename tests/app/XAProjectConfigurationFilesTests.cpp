// Writing a project's configuration into its configuration file or one chosen in a save panel, and reading one chosen
// in an open panel: the sheet's texts and buttons, the panel's settings, what is written, how outcomes are reported,
// and the remembered panels.

#include "app/project/XAProjectConfigurationFiles.h"
#include "core/XAPaths.h"
#include "project/XAProject.h"
#include "support/XADesktopTestSupport.h"

#include <QTest>
#include <QWidget>

#include <filesystem>
#include <fstream>

namespace {

struct Outcome {
    std::vector<XAProgressMessage> messages;
    std::vector<bool> saves;
    int cancels = 0;

    XAProgressHandler progress() {
        return [this](const XAProgressMessage &message) { messages.push_back(message); };
    }
    XAProjectConfigurationFiles::SavedHandler saved() {
        return [this](bool written) { saves.push_back(written); };
    }
    XAProjectConfigurationFiles::CancelledHandler cancelled() {
        return [this] { ++cancels; };
    }
};

XAConfiguration configurationWithTarget(const std::string &target) {
    XAConfiguration configuration;
    configuration.setValue(XAOptionValue(target), *XAConfiguration::appOptionWithLongName("target"));
    configuration.setValue(XAOptionValue(true), *XAConfiguration::appOptionWithLongName("fullBuild"));
    return configuration;
}

} // namespace

class XAProjectConfigurationFilesTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        panels_ = std::make_shared<XAScriptedFilePanels>();
        XAFilePanelFactory::setShared(panels_);
        project_ = XAProject::projectWithXcodeproj(environment_->makeProject("Shop", "Shop"));
        window_ = std::make_unique<QWidget>();
    }

    void cleanup() {
        window_.reset();
        project_.reset();
        environment_.reset();
    }

    // A new configuration goes to "TessaryConfig/main.tessary.json", whose folder is made on the way; what is
    // written reads back as the same configuration.
    void savingANewConfigurationCreatesTheFolderAndReadsBack() {
        const std::string path = project_->defaultPathForSavingNewConfigFile();
        QVERIFY(!std::filesystem::exists(project_->tessaryConfigFileFolderPath()));
        Outcome outcome;
        const XAConfiguration configuration = configurationWithTarget("Shop");
        alerts_->answerNextWith(QStringLiteral("Save"));
        XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
            *project_, configuration, window_.get(), outcome.progress(), outcome.saved(), outcome.cancelled());

        QCOMPARE(alerts_->shown().size(), std::size_t(1));
        const XAAlert &sheet = alerts_->shown()[0].alert;
        QVERIFY(alerts_->shown()[0].asSheet);
        QCOMPARE(sheet.title, QStringLiteral("Save configuration"));
        QCOMPARE(sheet.message, QStringLiteral("The configuration file will be written into the following path:\n\n") +
                                    QString::fromStdString(path));
        QCOMPARE(sheet.buttons, (QStringList{"Save", "Cancel", "Other Path…"}));
        QCOMPARE(outcome.saves, std::vector<bool>{true});
        QCOMPARE(outcome.cancels, 0);
        QCOMPARE(outcome.messages.size(), std::size_t(1));
        QCOMPARE(outcome.messages[0].kind(), XAProgressMessageKindSuccess);
        QCOMPARE(outcome.messages[0].message(), "The configuration has been written into: " + path);

        const XAConfiguration readBack = XAConfiguration::configFromFile(path, nullptr);
        QVERIFY(readBack.isEqualToConfiguration(configuration));
        QCOMPARE(project_->primaryTessaryConfigFilePath().value_or(""), path);
        std::ifstream file(path);
        std::string firstLine;
        std::getline(file, firstLine);
        QCOMPARE(firstLine, std::string("// Generated from the Tessary GUI"));
    }

    // A configuration read from a file is written back over that file, and the sheet says so.
    void aLoadedConfigurationOverwritesItsFile() {
        const std::string path = environment_->path() + "/Shop/Other.tessary.json";
        { std::ofstream(path) << "{}\n"; }
        XAConfiguration configuration = configurationWithTarget("Shop");
        configuration.setOriginalLoadFilePath(path);
        Outcome outcome;
        alerts_->answerNextWith(QStringLiteral("Save"));
        XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
            *project_, configuration, window_.get(), outcome.progress(), outcome.saved(), outcome.cancelled());

        QCOMPARE(alerts_->shown().back().alert.message,
                 QStringLiteral("This will overwrite the configuration file at the following path:\n\n") +
                     QString::fromStdString(path));
        QCOMPARE(outcome.saves, std::vector<bool>{true});
        QVERIFY(XAConfiguration::configFromFile(path, nullptr).isEqualToConfiguration(configuration));
        QVERIFY(!std::filesystem::exists(project_->tessaryConfigFileFolderPath()));
    }

    void cancellingTheSheetWritesNothing() {
        Outcome outcome;
        alerts_->answerNextWith(QStringLiteral("Cancel"));
        XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
            *project_, configurationWithTarget("Shop"), window_.get(), outcome.progress(), outcome.saved(),
            outcome.cancelled());
        QCOMPARE(outcome.cancels, 1);
        QVERIFY(outcome.saves.empty());
        QVERIFY(outcome.messages.empty());
        QVERIFY(!std::filesystem::exists(project_->defaultPathForSavingNewConfigFile()));
        QVERIFY(panels_->begun().empty());
    }

    // "Other Path…" opens the save panel beside the file the configuration came from, and writes where it says.
    void otherPathGoesToTheSavePanel() {
        const std::string loadedFrom = environment_->path() + "/Shop/Team.tessary.json";
        XAConfiguration configuration = configurationWithTarget("Shop");
        configuration.setOriginalLoadFilePath(loadedFrom);
        const std::string chosen = environment_->path() + "/elsewhere/Chosen.tessary.json";
        panels_->answerNextWith(chosen);
        alerts_->answerNextWith(QStringLiteral("Other Path…"));
        Outcome outcome;
        XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
            *project_, configuration, window_.get(), outcome.progress(), outcome.saved(), outcome.cancelled());

        QCOMPARE(panels_->begun().size(), std::size_t(1));
        const XAFilePanelRequest &request = panels_->begun()[0].request;
        QCOMPARE(request.kind, XAFilePanelRequest::Kind::Save);
        QVERIFY(!panels_->begun()[0].asSheet);
        QCOMPARE(request.title, QStringLiteral("Save configuration"));
        QCOMPARE(request.message, QStringLiteral("Originally loaded from “Team.tessary.json”"));
        QCOMPARE(request.directory, QString::fromStdString(environment_->path() + "/Shop"));
        QCOMPARE(request.nameFieldValue, QStringLiteral("Team.tessary.json"));
        QCOMPARE(request.allowedExtensions, QStringList{"json"});
        QVERIFY(request.canCreateDirectories);
        QVERIFY(!request.extensionHidden);
        QCOMPARE(outcome.saves, std::vector<bool>{true});
        QCOMPARE(outcome.messages.back().message(), "The configuration has been written into: " + chosen);
        QVERIFY(XAConfiguration::configFromFile(chosen, nullptr).isEqualToConfiguration(configuration));
        QVERIFY(!std::filesystem::exists(loadedFrom));
    }

    // A configuration never read from a file gets a plain panel; cancelling it only reports the cancel.
    void aCancelledSavePanelOnlyCancels() {
        panels_->answerNextWith(std::nullopt);
        Outcome outcome;
        XAProjectConfigurationFiles::saveConfigurationIntoUserSpecifiedFolderWithConfiguration(
            configurationWithTarget("Shop"), outcome.progress(), outcome.saved(), outcome.cancelled());
        const XAFilePanelRequest &request = panels_->begun().at(0).request;
        QVERIFY(request.message.isEmpty());
        QVERIFY(request.nameFieldValue.isEmpty());
        QCOMPARE(outcome.cancels, 1);
        QVERIFY(outcome.saves.empty());
        QVERIFY(outcome.messages.empty());
    }

    // A file that cannot be written is reported as an error and handed on as a failed save, from the sheet and
    // from the panel alike.
    void aFailedWriteIsReportedAndIsNoSave() {
        const std::string blocker = environment_->path() + "/Shop/blocker";
        { std::ofstream(blocker) << "a file where a folder should be"; }
        XAConfiguration configuration = configurationWithTarget("Shop");
        configuration.setOriginalLoadFilePath(blocker + "/main.tessary.json");
        Outcome outcome;
        alerts_->answerNextWith(QStringLiteral("Save"));
        XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
            *project_, configuration, window_.get(), outcome.progress(), outcome.saved(), outcome.cancelled());
        panels_->answerNextWith(blocker + "/chosen.tessary.json");
        XAProjectConfigurationFiles::saveConfigurationIntoUserSpecifiedFolderWithConfiguration(
            configuration, outcome.progress(), outcome.saved(), outcome.cancelled());

        QCOMPARE(outcome.saves, (std::vector<bool>{false, false}));
        QCOMPARE(outcome.messages.size(), std::size_t(2));
        for (const XAProgressMessage &message : outcome.messages) {
            QCOMPARE(message.kind(), XAProgressMessageKindError);
            QVERIFY(!message.message().empty());
        }
    }

    // The chosen file is read with its messages going to the handler; a cancelled panel is kept and shown again, a
    // panel still open is only brought to the front, and a panel that loaded is forgotten.
    void loadingReadsTheChosenFileAndRemembersTheOpenPanel() {
        const std::string path = environment_->path() + "/Shop/Loaded.tessary.json";
        { std::ofstream(path) << "{ \"target\": \"Loaded\", \"noSuchOption\": 1 }\n"; }
        std::vector<XAConfiguration> loaded;
        Outcome outcome;
        auto load = [&] {
            XAProjectConfigurationFiles::loadConfigurationFromUserSpecifiedPathWithHandler(
                [&](const XAConfiguration &configuration) { loaded.push_back(configuration); }, outcome.progress());
        };

        panels_->answerNextWith(std::nullopt);
        load();
        QVERIFY(loaded.empty());
        QCOMPARE(panels_->panelsMade(), 1);

        load(); // no answer scripted: the panel stays open
        QCOMPARE(panels_->panelsMade(), 1);
        QCOMPARE(panels_->begun().size(), std::size_t(2));
        load();
        QCOMPARE(panels_->ordersFront, 1);
        QCOMPARE(panels_->begun().size(), std::size_t(2));

        panels_->finishPending(path);
        QCOMPARE(loaded.size(), std::size_t(1));
        QCOMPARE(loaded[0].targetName().value_or(""), std::string("Loaded"));
        QCOMPARE(loaded[0].originalLoadFilePath().value_or(""), path);
        QVERIFY(!outcome.messages.empty()); // the unknown key
        const XAFilePanelRequest &request = panels_->begun()[0].request;
        QCOMPARE(request.kind, XAFilePanelRequest::Kind::Open);
        QCOMPARE(request.allowedExtensions, QStringList{"json"});
        QVERIFY(request.canChooseFiles && !request.canChooseDirectories && !request.canCreateDirectories);

        panels_->answerNextWith(path);
        load();
        QCOMPARE(panels_->panelsMade(), 2);
        QCOMPARE(loaded.size(), std::size_t(2));
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XAScriptedFilePanels> panels_;
    std::shared_ptr<XAProject> project_;
    std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(XAProjectConfigurationFilesTests)
#include "XAProjectConfigurationFilesTests.moc"
