#pragma once

// The desktop's side of the shared developer-tools environment: control of the IDE, the code editors and the
// documentation browsers, and which of them the user chose.
//
// On this platform the IDE is driven by the command templates of the settings (see XAIntegrationSettings.h), run
// through the core's process runner without a shell. The editors and browsers are fixed tables, rebuilt on every
// call; the choice is kept in the settings "codeEditorBundleId" and "docsBrowserBundleId". An absent or unknown
// identifier means what works on the desktop as it is: the first installed editor that opens a file at its line,
// else the desktop's default application for the file; the first installed browser, else the web search.
//
// Tests replace the shared object with a subclass whose tables hold fakes.

#include "app/integrations/XAExternalApp.h"
#include "app/integrations/XAIntegrationSettings.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class XADesktopDevEnvironment {
public:
    virtual ~XADesktopDevEnvironment() = default;

    static XADesktopDevEnvironment &shared();
    static void setShared(std::shared_ptr<XADesktopDevEnvironment> environment); // empty: the real one

    // ---- The IDE ----
    // The project command of the settings, else the first of XADefaultProjectCommands whose program is installed.
    std::optional<XACommandTemplate> projectCommand();
    // Runs the project command; without one, or when it fails: "We could not open the project in Xcode: %@".
    virtual bool openProjectInXcode(const std::string &projectPath, XAError *error);
    // Runs the file command with the line in decimal; true on exit status 0. Fails without an error, as the
    // editor table reports it in its own words.
    virtual bool openFileInXcode(const std::string &path, unsigned long line, unsigned long column, XAError *error);
    // The IDE stands for the program of its file command: whether that is found, its path, whether it runs, and
    // its picture. No IDE answers scripting requests on this platform: the projects it has open are always unknown
    // (see XAXcodeProjectsQuery).
    bool isXcodeInstalled();
    std::optional<std::string> xcodeAppPath();
    bool isXcodeRunning();
    QImage xcodeIcon();
    std::string xcodeApplescriptAppName() const { return "Xcode"; }
    // The version of the developer directory that stands in for the IDE, read once per process.
    std::optional<std::string> xcodeBundleVersion();

    // ---- Code editors ----
    // The IDE, Visual Studio Code, VSCodium, Sublime Text, gedit, GVim, Emacs, the user's own editor when the
    // settings hold one, and the desktop's default application for the file (always there, no line).
    virtual std::vector<std::shared_ptr<XACodeEditorApp>> supportedEditors();
    // The editor used without a choice: the first installed one that opens a file at its line, else the first that
    // needs no program of its own.
    static std::shared_ptr<XACodeEditorApp>
    preferredEditor(const std::vector<std::shared_ptr<XACodeEditorApp>> &editors);
    std::shared_ptr<XACodeEditorApp> selectedEditor();
    void selectEditorWithBundleId(const std::optional<std::string> &bundleId);
    // Opens the file in the selected editor at the line (from 1) and column (from 0).
    bool openFileInEditor(const std::string &path, unsigned long line, unsigned long column, XAError *error);
    // Rich texts shown beside an editor in the preferences, in the disabled text colour at 11 points.
    QString xcodeInfoText() const;
    QString appInfoText(const QString &text) const;

    // ---- Documentation browsers ----
    // Zeal, then the web search of the settings' address (always there).
    virtual std::vector<std::shared_ptr<XADocsBrowserApp>> supportedDocsBrowsers();
    std::shared_ptr<XADocsBrowserApp> selectedDocsBrowser();
    void selectDocsBrowserWithBundleId(const std::optional<std::string> &bundleId);
    void openDocsForCodeSymbol(const XACodeSymbolRef &symbol, XADocsBrowserApp::Handler handler);
};

// The address that the documentation browsers use for a symbol: "dash://" and the percent-encoded search term.
std::string XADashURLForSearchTerm(const std::string &searchTerm);
