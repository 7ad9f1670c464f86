// Code editors, documentation browsers and the IDE's commands, run against stub executables that write their
// arguments to a file, one per line.

#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/integrations/XAIntegrationSettings.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>

namespace {

QString qs(const std::string &text) { return QString::fromStdString(text); }

} // namespace

class XAExternalAppsTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // One folder of stubs for the whole run: executable paths are looked up once per process.
        QVERIFY(stubs_.isValid());
        for (const char *name :
             {"subl", "gedit", "code", "codium", "gvim", "emacsclient", "xdg-open", "idestub", "mystub", "zeal"}) {
            writeStub(name, "printf '%s\\n' \"$@\" > \"$STUB_OUTPUT/" + QString::fromLatin1(name) + ".args\"\n");
        }
        // Writes its process id, then waits until it is terminated.
        writeStub("sleeper", "echo $$ > \"$STUB_OUTPUT/sleeper.pid\"\ntrap 'kill $child; exit 0' TERM\n"
                             "sleep 30 & child=$!\nwait\n");
        writeStub("failing", "printf 'no such line' >&2\nexit 1\n");
        ::setenv("PATH", (stubs_.path() + ":" + qgetenv("PATH")).toUtf8().constData(), 1);
    }

    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        ::setenv("STUB_OUTPUT", environment_->path().c_str(), 1);
        file_ = environment_->path() + "/Sources/App Delegate.m";
        QDir().mkpath(qs(environment_->path() + "/Sources"));
        QFile source(qs(file_));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("@implementation AppDelegate\n@end\n");
    }

    void cleanup() { environment_.reset(); }

    void editorsGetTheirArguments_data() {
        QTest::addColumn<QString>("bundleId");
        QTest::addColumn<QString>("stub");
        QTest::addColumn<QStringList>("arguments"); // %F is the file
        QTest::newRow("Sublime Text counts columns from 1") << "com.sublimetext.4"
                                                            << "subl" << QStringList{"%F:12:5"};
        QTest::newRow("gedit") << "org.gnome.gedit"
                               << "gedit" << QStringList{"+12", "%F"};
        QTest::newRow("Visual Studio Code") << "com.microsoft.VSCode"
                                            << "code" << QStringList{"--goto", "%F:12:5"};
        QTest::newRow("GVim") << "org.vim.GVim"
                              << "gvim" << QStringList{"+call cursor(12, 5)", "--", "%F"};
        QTest::newRow("Emacs") << "org.gnu.Emacs"
                               << "emacsclient" << QStringList{"--no-wait", "+12:5", "%F"};
        QTest::newRow("the IDE opens the file with the desktop by default") << "com.apple.dt.Xcode"
                                                                            << "xdg-open" << QStringList{"%F"};
        QTest::newRow("the user's own editor") << "custom"
                                               << "mystub" << QStringList{"--line", "12", "5", "%F"};
        QTest::newRow("VSCodium") << "com.vscodium"
                                  << "codium" << QStringList{"--goto", "%F:12:5"};
    }

    void editorsGetTheirArguments() {
        QFETCH(QString, bundleId);
        QFETCH(QString, stub);
        QFETCH(QStringList, arguments);
        xa_setCustomCodeEditorCommand(XAUserDefaults::standard(),
                                      XACommandTemplate{"mystub", "--line", "{line}", "{column}", "{file}"});
        XADesktopDevEnvironment &devEnvironment = XADesktopDevEnvironment::shared();
        devEnvironment.selectEditorWithBundleId(bundleId.toStdString());
        QCOMPARE(qs(devEnvironment.selectedEditor()->bundleId()), bundleId);

        XAError error;
        QVERIFY2(devEnvironment.openFileInEditor(file_, 12, 4, &error), error.message.c_str());
        arguments.replaceInStrings("%F", qs(file_));
        QCOMPARE(stubArguments(stub), arguments);
    }

    // The IDE opens files without a line by default, so the first installed editor that goes to the line is used.
    void absentOrUnknownEditorSelectsTheFirstInstalledThatOpensAtALine() {
        XADesktopDevEnvironment &devEnvironment = XADesktopDevEnvironment::shared();
        QCOMPARE(devEnvironment.selectedEditor()->name(), std::string("Visual Studio Code"));
        devEnvironment.selectEditorWithBundleId("org.example.unknown");
        QCOMPARE(devEnvironment.selectedEditor()->name(), std::string("Visual Studio Code"));
        devEnvironment.selectEditorWithBundleId(std::nullopt);
        QVERIFY(!xa_selectedCodeEditorBundleId(XAUserDefaults::standard()));
        // An IDE file command that names the line makes the IDE the first choice.
        xa_setXcodeFileCommand(XAUserDefaults::standard(), XACommandTemplate{"idestub", "{file}", "+{line}"});
        QCOMPARE(devEnvironment.selectedEditor()->name(), std::string("Xcode"));
        QCOMPARE(devEnvironment.selectedDocsBrowser()->name(), std::string("Zeal"));
    }

    void thePreferredEditorIsChosenFromWhatIsInstalled_data() {
        QTest::addColumn<QStringList>("editors"); // name:program:opensAtLine; "-" for no program of its own
        QTest::addColumn<QString>("preferred");
        const QString installed = stubs_.path() + "/gedit";
        QTest::newRow("the first installed that opens at a line")
            << QStringList{"IDE:" + installed + ":0", "Gone:/nonexistent/editor:1", "Found:" + installed + ":1",
                           "Later:" + installed + ":1", "Default:-:0"}
            << "Found";
        QTest::newRow("else the desktop's default application")
            << QStringList{"IDE:" + installed + ":0", "Gone:/nonexistent/editor:1", "Default:-:0"} << "Default";
    }

    void thePreferredEditorIsChosenFromWhatIsInstalled() {
        QFETCH(QStringList, editors);
        QFETCH(QString, preferred);
        std::vector<std::shared_ptr<XACodeEditorApp>> table;
        for (const QString &row : editors) {
            const QStringList fields = row.split(':');
            const std::string program = fields[1] == "-" ? std::string() : fields[1].toStdString();
            auto editor = XACodeEditorApp::editorWithName(fields[0].toStdString(), fields[0].toStdString(), program,
                                                          nullptr, QString());
            editor->setOpensAtLine(fields[2] == "1");
            table.push_back(editor);
        }
        QCOMPARE(qs(XADesktopDevEnvironment::preferredEditor(table)->name()), preferred);
    }

    // The desktop's default application opens the file through the address opener, at its start.
    void theDesktopsDefaultApplicationIsAlwaysThere() {
        auto opener = std::make_shared<XARecordingURLOpener>();
        XAURLOpener::setShared(opener);
        XADesktopDevEnvironment &devEnvironment = XADesktopDevEnvironment::shared();
        const auto editors = devEnvironment.supportedEditors();
        QCOMPARE(editors.back()->bundleId(), std::string("desktop-default"));
        QVERIFY(editors.back()->isInstalled());
        QVERIFY(!editors.back()->opensAtLine());
        devEnvironment.selectEditorWithBundleId("desktop-default");
        XAError error;
        QVERIFY(devEnvironment.openFileInEditor(file_, 12, 4, &error));
        QCOMPARE(opener->opened.size(), 1u);
        QCOMPARE(opener->opened[0], QUrl::fromLocalFile(qs(file_)));
        opener->succeeds = false;
        QVERIFY(!devEnvironment.openFileInEditor(file_, 12, 4, &error));
        QCOMPARE(qs(error.message), QStringLiteral("Could not open the file in Default Application"));
    }

    // Without Zeal the documentation of a symbol is looked up with the web search.
    void withoutAnInstalledBrowserSymbolsGoToTheWebSearch() {
        class NoZeal : public XADesktopDevEnvironment {
        public:
            std::vector<std::shared_ptr<XADocsBrowserApp>> supportedDocsBrowsers() override {
                std::vector<std::shared_ptr<XADocsBrowserApp>> browsers =
                    XADesktopDevEnvironment::supportedDocsBrowsers();
                browsers.front() =
                    XADocsBrowserApp::docsBrowserWithName("Zeal", "org.zealdocs.zeal", "tessary-no-such-zeal", nullptr);
                return browsers;
            }
        } environment;
        QCOMPARE(environment.selectedDocsBrowser()->name(), std::string("Web Search"));
        auto opener = std::make_shared<XARecordingURLOpener>();
        XAURLOpener::setShared(opener);
        std::optional<XAError> answer = XAError("not answered");
        environment.openDocsForCodeSymbol(XACodeSymbolRef::withObjCClassName("NSString"),
                                          [&answer](const std::optional<XAError> &error) { answer = error; });
        QVERIFY(!answer);
        QCOMPARE(opener->opened.size(), 1u);
        QCOMPARE(opener->opened[0].toString(), QStringLiteral("https://developer.apple.com/search/?q=NSString"));
        // A browser the user chose is used, installed or not.
        environment.selectDocsBrowserWithBundleId("org.zealdocs.zeal");
        QCOMPARE(environment.selectedDocsBrowser()->name(), std::string("Zeal"));
    }

    void editorFailures() {
        XADesktopDevEnvironment &devEnvironment = XADesktopDevEnvironment::shared();
        devEnvironment.selectEditorWithBundleId("custom");
        XAError error;

        // A missing file is reported before a missing editor.
        xa_setCustomCodeEditorCommand(XAUserDefaults::standard(), XACommandTemplate{"/nonexistent/editor", "{file}"});
        QVERIFY(!devEnvironment.openFileInEditor(environment_->path() + "/Gone.m", 1, 0, &error));
        QCOMPARE(qs(error.message), "Cannot find file: " + qs(environment_->path()) + "/Gone.m");
        QVERIFY(!devEnvironment.openFileInEditor(file_, 1, 0, &error));
        QCOMPARE(qs(error.message), QStringLiteral("Selected code editor app cannot be found: Custom Editor"));

        // A tool that fails is reported with its status and what it wrote to standard error.
        xa_setCustomCodeEditorCommand(XAUserDefaults::standard(), XACommandTemplate{"failing", "{file}"});
        QVERIFY(!devEnvironment.openFileInEditor(file_, 1, 0, &error));
        QCOMPARE(qs(error.message), stubs_.path() + "/failing exited with status 1 and stderr: no such line");

        QVERIFY(!XACodeEditorApp::execute("/nonexistent/tool", {}, &error));
        QVERIFY(qs(error.message).startsWith("/nonexistent/tool could not be executed: "));

        // The IDE's own command fails without an error of its own, and the table names the editor.
        devEnvironment.selectEditorWithBundleId("com.apple.dt.Xcode");
        xa_setXcodeFileCommand(XAUserDefaults::standard(), XACommandTemplate{"failing", "{file}"});
        QVERIFY(!devEnvironment.openFileInEditor(file_, 1, 0, &error));
        QCOMPARE(qs(error.message), QStringLiteral("Could not open the file in Xcode"));
    }

    void ideCommands() {
        XADesktopDevEnvironment &devEnvironment = XADesktopDevEnvironment::shared();
        const std::string project = environment_->path() + "/My App.xcodeproj";
        XAError error;
        // Without a command of the settings the first installed IDE or editor opens the project's folder.
        QCOMPARE(devEnvironment.projectCommand(), std::optional(XACommandTemplate{"code", "{projectFolder}"}));
        QVERIFY(devEnvironment.openProjectInXcode(project, &error));
        QCOMPARE(stubArguments("code"), QStringList{qs(environment_->path())});

        xa_setXcodeProjectCommand(XAUserDefaults::standard(), XACommandTemplate{"idestub", "--project", "{project}"});
        QVERIFY(devEnvironment.openProjectInXcode(project, &error));
        QCOMPARE(stubArguments("idestub"), QStringList({"--project", qs(project)}));

        xa_setXcodeProjectCommand(XAUserDefaults::standard(), XACommandTemplate{"failing", "{project}"});
        error = XAError();
        QVERIFY(!devEnvironment.openProjectInXcode(project, &error));
        QCOMPARE(qs(error.message), "We could not open the project in Xcode: " + qs(project));

        // The IDE stands for its file command's program.
        xa_setXcodeFileCommand(XAUserDefaults::standard(), XACommandTemplate{"tessary-no-such-ide", "{file}"});
        QVERIFY(!devEnvironment.isXcodeInstalled());
        QVERIFY(!devEnvironment.xcodeIcon().isNull()); // our picture
        QVERIFY(!devEnvironment.isXcodeRunning());

        // Line 0 is still passed, as "0".
        xa_setXcodeFileCommand(XAUserDefaults::standard(),
                               XACommandTemplate{"idestub", "{file}", "--line", "{line}", "--column", "{column}"});
        QVERIFY(devEnvironment.isXcodeInstalled());
        QCOMPARE(qs(*devEnvironment.xcodeAppPath()), stubs_.path() + "/idestub");
        QVERIFY(devEnvironment.openFileInXcode(file_, 0, 7, &error));
        QCOMPARE(stubArguments("idestub"), QStringList({qs(file_), "--line", "0", "--column", "7"}));
    }

    void placeholdersAreReplacedOnce() {
        // A file whose name looks like a placeholder keeps its name.
        QCOMPARE(XAExpandCommandTemplate({"tool", "{file}:{line}", "x{column}y"}, "", "/a/{line}.m", "3", "0"),
                 std::vector<std::string>({"tool", "/a/{line}.m:3", "x0y"}));
        QCOMPARE(XAExpandCommandTemplate({"ide", "{projectFolder}", "{project}"}, "/a/b/App.xcodeproj", "", "", ""),
                 std::vector<std::string>({"ide", "/a/b", "/a/b/App.xcodeproj"}));
    }

    void commandsReadAsTheyAreTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("command");
        QTest::newRow("plain") << "code --goto {file}:{line}" << QStringList{"code", "--goto", "{file}:{line}"};
        QTest::newRow("spaces") << "\"/opt/My Editor/bin/ed\" \"+call cursor({line}, {column})\" {file}"
                                << QStringList{"/opt/My Editor/bin/ed", "+call cursor({line}, {column})", "{file}"};
        QTest::newRow("quote") << "echo \"say \"\"\"hi\"\"\"\"" << QStringList{"echo", "say \"hi\""};
    }

    void commandsReadAsTheyAreTyped() {
        QFETCH(QString, text);
        QFETCH(QStringList, command);
        XACommandTemplate expected;
        for (const QString &element : command) {
            expected.push_back(element.toStdString());
        }
        QCOMPARE(XACommandTemplateFromText(text.toStdString()), std::optional(expected));
        QCOMPARE(qs(XACommandTemplateText(expected)), text);
        QVERIFY(!XACommandTemplateFromText("   "));
    }

    void documentationBrowsers() {
        XADesktopDevEnvironment &devEnvironment = XADesktopDevEnvironment::shared();
        const XACodeSymbolRef symbol = XACodeSymbolRef::withTypedefDisplayName("Foo & Bar");
        std::vector<std::optional<XAError>> answers;
        auto record = [&answers](const std::optional<XAError> &error) { answers.push_back(error); };

        // Zeal gets the percent-encoded term in a "dash://" address.
        devEnvironment.openDocsForCodeSymbol(symbol, record);
        QVERIFY(XAWaitFor([&] { return QFile::exists(qs(environment_->path() + "/zeal.args")); }, 10000));
        QVERIFY(XAWaitFor([&] { return !stubArguments("zeal").isEmpty(); }, 10000));
        QCOMPARE(stubArguments("zeal"), QStringList{"dash://Foo%20%26%20Bar"});

        // The web search fills the address of the settings.
        auto opener = std::make_shared<XARecordingURLOpener>();
        XAURLOpener::setShared(opener);
        xa_setDocsWebSearchAddress(XAUserDefaults::standard(), "https://search.example/?q=%@");
        devEnvironment.selectDocsBrowserWithBundleId("web-search");
        devEnvironment.openDocsForCodeSymbol(symbol, record);
        QCOMPARE(opener->opened.size(), 1u);
        QCOMPARE(opener->opened[0].toEncoded(), QByteArray("https://search.example/?q=Foo%20%26%20Bar"));
        opener->succeeds = false;
        devEnvironment.openDocsForCodeSymbol(symbol, record);

        // A browser that is not installed says so.
        auto missing = XADocsBrowserApp::docsBrowserWithName(
            "Missing Browser", "org.example.missing", "tessary-no-such-browser",
            [](XADocsBrowserApp &, const XACodeSymbolRef &, const XADocsBrowserApp::Handler &) { QFAIL("ran"); });
        missing->openDocsForCodeSymbol(symbol, record);

        QCOMPARE(answers.size(), 4u);
        QVERIFY(!answers[0] && !answers[1]);
        QCOMPARE(qs(answers[2]->message), QStringLiteral("Could not open documentation in Web Search."));
        QCOMPARE(qs(answers[3]->message),
                 QStringLiteral("Selected documentation browser app cannot be found: Missing Browser"));
    }

    void launchingAndRunning() {
        const XAExternalApp sleeper("Sleeper", "org.example.sleeper", "sleeper");
        QVERIFY(sleeper.isInstalled());
        QVERIFY(!sleeper.isRunning());
        XAError error;
        QVERIFY(sleeper.launchWithError(&error));
        const QString pidFile = qs(environment_->path()) + "/sleeper.pid";
        QVERIFY(XAWaitFor([&] { return QFile(pidFile).size() > 0; }, 10000));
        QVERIFY(sleeper.isRunning());
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const pid_t pid = file.readAll().trimmed().toInt();
        QVERIFY(pid > 0);
        ::kill(pid, SIGTERM);
        QVERIFY(XAWaitFor([&] { return !sleeper.isRunning(); }, 10000));

        const XAExternalApp missing("Missing", "org.example.missing", "tessary-no-such-program");
        QVERIFY(!missing.launchWithError(&error));
        QCOMPARE(qs(error.message), QStringLiteral("Cannot start Missing."));
    }

    void iconsOfEditorsThatAreNotInstalled() {
        // Not installed: our own picture, named after the lower-cased identifier.
        const XAExternalApp editor("Sublime Text", "com.SublimeText.4", "tessary-no-such-editor");
        QVERIFY(!editor.isInstalled());
        QVERIFY(!editor.appIcon().isNull());
        QVERIFY(XAExternalApp("Unknown", "org.example.none", "tessary-no-such-editor").appIcon().isNull());
    }

private:
    void writeStub(const char *name, const QString &body) {
        QFile stub(stubs_.path() + "/" + QString::fromLatin1(name));
        QVERIFY(stub.open(QIODevice::WriteOnly));
        stub.write(("#!/bin/sh\n" + body).toUtf8());
        stub.close();
        stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    }

    QStringList stubArguments(const QString &stub) const {
        QFile file(qs(environment_->path()) + "/" + stub + ".args");
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
        return lines;
    }

    QTemporaryDir stubs_;
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::string file_;
};

QTEST_MAIN(XAExternalAppsTests)
#include "XAExternalAppsTests.moc"
