#include "app/integrations/XADesktopDevEnvironment.h"

#include "app/integrations/XAIntegrationSettings.h"
#include "app/integrations/XAURLOpener.h"
#include "app/shell/XASharedService.h"
#include "core/XATask.h"
#include "core/XAURLEncoding.h"
#include "core/XAUserDefaults.h"
#include "project/XADevEnvironment.h"

#include <QApplication>
#include <QPalette>
#include <QProcess>
#include <QUrl>

#include <algorithm>

namespace {

QString qs(const std::string &text) { return QString::fromStdString(text); }

using SharedEnvironment = XASharedService<XADesktopDevEnvironment, XADesktopDevEnvironment>;

// An editor opened by a command template. Its tool counts columns from 1 or from 0 (callers pass them from 0).
struct XAEditorCommand {
    const char *name;
    const char *bundleId;
    XACommandTemplate command;
    bool countsColumnsFromOne;
};

std::shared_ptr<XACodeEditorApp> editorForCommand(const XAEditorCommand &row, const QString &infoText) {
    const bool fromOne = row.countsColumnsFromOne;
    const XACommandTemplate command = row.command;
    auto open = [command, fromOne](XACodeEditorApp &editor, const std::string &path, unsigned long line,
                                   unsigned long column, XAError *error) {
        const std::optional<std::string> executable = editor.pathOnDisk();
        if (!executable) {
            return false;
        }
        std::vector<std::string> arguments = XAExpandCommandTemplate(command, std::string(), path, std::to_string(line),
                                                                     std::to_string(fromOne ? column + 1 : column));
        arguments.erase(arguments.begin());
        return XACodeEditorApp::execute(*executable, arguments, error);
    };
    return XACodeEditorApp::editorWithName(row.name, row.bundleId, command.front(), open, infoText);
}

std::vector<XAEditorCommand> editorCommands() {
    std::vector<XAEditorCommand> rows = {
        {"Visual Studio Code", "com.microsoft.VSCode", {"code", "--goto", "{file}:{line}:{column}"}, true},
        {"VSCodium", "com.vscodium", {"codium", "--goto", "{file}:{line}:{column}"}, true},
        {"Sublime Text", "com.sublimetext.4", {"subl", "{file}:{line}:{column}"}, true},
        {"gedit", "org.gnome.gedit", {"gedit", "+{line}", "{file}"}, false},
        {"GVim", "org.vim.GVim", {"gvim", "+call cursor({line}, {column})", "--", "{file}"}, true},
        {"Emacs", "org.gnu.Emacs", {"emacsclient", "--no-wait", "+{line}:{column}", "{file}"}, true},
    };
    // The user's own editor, when the settings name one.
    if (std::optional<XACommandTemplate> custom = xa_customCodeEditorCommand(XAUserDefaults::standard())) {
        rows.push_back({"Custom Editor", "custom", std::move(*custom), true});
    }
    return rows;
}

// The desktop's default application for the file, through the address opener; it cannot go to a line.
std::shared_ptr<XACodeEditorApp> desktopDefaultEditor(const QString &infoText) {
    auto editor = XACodeEditorApp::editorWithName(
        "Default Application", "desktop-default", std::string(),
        [](XACodeEditorApp &, const std::string &path, unsigned long, unsigned long, XAError *) {
            return XAURLOpener::shared().openURL(QUrl::fromLocalFile(qs(path)));
        },
        infoText);
    editor->setOpensAtLine(false);
    return editor;
}

bool installed(const std::string &executable) {
    return XAExternalApp(executable, executable, executable).isInstalled();
}

void openDocsAnswer(const XADocsBrowserApp::Handler &handler, bool opened, const std::string &browserName) {
    if (opened) {
        handler(std::nullopt);
    } else {
        handler(XAError(QStringLiteral("Could not open documentation in %1.").arg(qs(browserName)).toStdString()));
    }
}

} // namespace

XADesktopDevEnvironment &XADesktopDevEnvironment::shared() { return SharedEnvironment::get(); }

void XADesktopDevEnvironment::setShared(std::shared_ptr<XADesktopDevEnvironment> environment) {
    SharedEnvironment::set(std::move(environment));
}

std::string XADashURLForSearchTerm(const std::string &searchTerm) { return "dash://" + xa_URLEncoded(searchTerm); }

// ---- The IDE ----

std::optional<XACommandTemplate> XADesktopDevEnvironment::projectCommand() {
    if (std::optional<XACommandTemplate> stored = xa_xcodeProjectCommand(XAUserDefaults::standard())) {
        return stored;
    }
    for (const XACommandTemplate &command : XADefaultProjectCommands()) {
        if (installed(command.front())) {
            return command;
        }
    }
    return std::nullopt;
}

bool XADesktopDevEnvironment::openProjectInXcode(const std::string &projectPath, XAError *error) {
    if (const std::optional<XACommandTemplate> command = projectCommand()) {
        std::vector<std::string> arguments =
            XAExpandCommandTemplate(*command, projectPath, std::string(), std::string(), std::string());
        const std::string executable = arguments.front();
        arguments.erase(arguments.begin());
        const XATaskResults results = XATask::xa_execute(executable, arguments);
        if (!results.error && results.exitStatus == 0) {
            return true;
        }
    }
    XASetError(error, QStringLiteral("We could not open the project in Xcode: %1").arg(qs(projectPath)).toStdString());
    return false;
}

bool XADesktopDevEnvironment::openFileInXcode(const std::string &path, unsigned long line, unsigned long column,
                                              XAError *) {
    std::vector<std::string> arguments =
        XAExpandCommandTemplate(xa_xcodeFileCommand(XAUserDefaults::standard()), std::string(), path,
                                std::to_string(line), std::to_string(column));
    const std::string executable = arguments.front();
    arguments.erase(arguments.begin());
    const XATaskResults results = XATask::xa_execute(executable, arguments);
    return !results.error && results.exitStatus == 0;
}

namespace {

XAExternalApp xcodeApp() {
    return XAExternalApp("Xcode", "com.apple.dt.Xcode", xa_xcodeFileCommand(XAUserDefaults::standard()).front());
}

} // namespace

std::optional<std::string> XADesktopDevEnvironment::xcodeAppPath() { return xcodeApp().pathOnDisk(); }

bool XADesktopDevEnvironment::isXcodeInstalled() { return xcodeAppPath().has_value(); }

bool XADesktopDevEnvironment::isXcodeRunning() { return xcodeApp().isRunning(); }

QImage XADesktopDevEnvironment::xcodeIcon() { return xcodeApp().appIcon(); }

std::optional<std::string> XADesktopDevEnvironment::xcodeBundleVersion() {
    return XADevEnvironment::sharedEnvironment().xcodeBundleVersion();
}

// ---- Code editors ----

std::vector<std::shared_ptr<XACodeEditorApp>> XADesktopDevEnvironment::supportedEditors() {
    std::vector<std::shared_ptr<XACodeEditorApp>> editors;
    // The IDE's column counts from 1; its file command may or may not name the line.
    const XACommandTemplate fileCommand = xa_xcodeFileCommand(XAUserDefaults::standard());
    auto ide = XACodeEditorApp::editorWithName(
        "Xcode", "com.apple.dt.Xcode", fileCommand.front(),
        [](XACodeEditorApp &, const std::string &path, unsigned long line, unsigned long column, XAError *error) {
            return XADesktopDevEnvironment::shared().openFileInXcode(path, line, column + 1, error);
        },
        xcodeInfoText());
    ide->setOpensAtLine(std::ranges::any_of(
        fileCommand, [](const std::string &element) { return element.find("{line}") != std::string::npos; }));
    editors.push_back(std::move(ide));
    for (const XAEditorCommand &row : editorCommands()) {
        editors.push_back(editorForCommand(row, QString()));
    }
    editors.push_back(desktopDefaultEditor(
        appInfoText(QStringLiteral("Opens the file in the application the desktop has for it, at its start."))));
    return editors;
}

std::shared_ptr<XACodeEditorApp>
XADesktopDevEnvironment::preferredEditor(const std::vector<std::shared_ptr<XACodeEditorApp>> &editors) {
    const auto atLine = std::ranges::find_if(
        editors, [](const auto &editor) { return editor->opensAtLine() && editor->isInstalled(); });
    if (atLine != editors.end()) {
        return *atLine;
    }
    const auto ownProgramless =
        std::ranges::find_if(editors, [](const auto &editor) { return editor->executableName().empty(); });
    return ownProgramless != editors.end() ? *ownProgramless : nullptr;
}

std::shared_ptr<XACodeEditorApp> XADesktopDevEnvironment::selectedEditor() {
    const std::vector<std::shared_ptr<XACodeEditorApp>> editors = supportedEditors();
    const std::optional<std::string> selected = xa_selectedCodeEditorBundleId(XAUserDefaults::standard());
    for (const auto &editor : editors) {
        if (selected && editor->bundleId() == *selected) {
            return editor;
        }
    }
    return preferredEditor(editors);
}

void XADesktopDevEnvironment::selectEditorWithBundleId(const std::optional<std::string> &bundleId) {
    xa_setSelectedCodeEditorBundleId(XAUserDefaults::standard(), bundleId);
}

bool XADesktopDevEnvironment::openFileInEditor(const std::string &path, unsigned long line, unsigned long column,
                                               XAError *error) {
    const std::shared_ptr<XACodeEditorApp> editor = selectedEditor();
    return editor && editor->openFile(path, line, column, error);
}

QString XADesktopDevEnvironment::appInfoText(const QString &text) const {
    const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    return QStringLiteral("<span style=\"color: %1; font-size: 11pt;\">%2</span>")
        .arg(disabled.name(), text.toHtmlEscaped());
}

QString XADesktopDevEnvironment::xcodeInfoText() const {
    const QString bugReport = QStringLiteral("https://tessary.invalid/issues/xcode-open-file-at-line");
    return QStringLiteral("<span style=\"font-size: 11pt;\">%1<a href=\"%2\" style=\"color: blue; "
                          "text-decoration: underline;\">%2</a></span>")
        .arg(appInfoText(QStringLiteral("Xcode has poor support for selecting specific lines when opening files: ")),
             bugReport);
}

// ---- Documentation browsers ----

std::vector<std::shared_ptr<XADocsBrowserApp>> XADesktopDevEnvironment::supportedDocsBrowsers() {
    auto zeal = XADocsBrowserApp::docsBrowserWithName(
        "Zeal", "org.zealdocs.zeal", "zeal",
        [](XADocsBrowserApp &browser, const XACodeSymbolRef &symbol, const XADocsBrowserApp::Handler &handler) {
            const std::optional<std::string> executable = browser.pathOnDisk();
            // Zeal keeps running when it was not running before, so it is not waited for.
            const bool started =
                executable && QProcess::startDetached(qs(*executable),
                                                      {qs(XADashURLForSearchTerm(symbol.searchTerm().value_or("")))});
            openDocsAnswer(handler, started, browser.name());
        });
    auto webSearch = XADocsBrowserApp::docsBrowserWithName(
        "Web Search", "web-search", std::string(),
        [](XADocsBrowserApp &browser, const XACodeSymbolRef &symbol, const XADocsBrowserApp::Handler &handler) {
            QString address = qs(xa_docsWebSearchAddress(XAUserDefaults::standard()));
            address.replace(QStringLiteral("%@"), qs(xa_URLEncoded(symbol.searchTerm().value_or(""))));
            openDocsAnswer(handler, XAURLOpener::shared().openURL(QUrl(address)), browser.name());
        });
    return {zeal, webSearch};
}

std::shared_ptr<XADocsBrowserApp> XADesktopDevEnvironment::selectedDocsBrowser() {
    const std::vector<std::shared_ptr<XADocsBrowserApp>> browsers = supportedDocsBrowsers();
    const std::optional<std::string> selected = xa_selectedDocsBrowserBundleId(XAUserDefaults::standard());
    for (const auto &browser : browsers) {
        if (selected && browser->bundleId() == *selected) {
            return browser;
        }
    }
    const auto installedBrowser =
        std::ranges::find_if(browsers, [](const auto &browser) { return browser->isInstalled(); });
    return installedBrowser != browsers.end() ? *installedBrowser : nullptr;
}

void XADesktopDevEnvironment::selectDocsBrowserWithBundleId(const std::optional<std::string> &bundleId) {
    xa_setSelectedDocsBrowserBundleId(XAUserDefaults::standard(), bundleId);
}

void XADesktopDevEnvironment::openDocsForCodeSymbol(const XACodeSymbolRef &symbol, XADocsBrowserApp::Handler handler) {
    if (const std::shared_ptr<XADocsBrowserApp> browser = selectedDocsBrowser()) {
        browser->openDocsForCodeSymbol(symbol, std::move(handler));
    }
}
