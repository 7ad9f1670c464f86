#pragma once

// The programs that the desktop hands files and symbols to: code editors, which open a file at a line, and
// documentation browsers, which look a code symbol up. Each is known by a name, an identifier (the key stored in the
// settings) and the executable that runs it; it counts as installed when that executable is found on PATH.

#include "codemodel/clang/XACodeSymbolRef.h"
#include "core/XAError.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAExternalApp {
public:
    // `executableName`: a name looked up on PATH, or an absolute path; empty for an application that needs no
    // program of its own (always installed).
    XAExternalApp(std::string name, std::string bundleId, std::string executableName);
    virtual ~XAExternalApp() = default;

    const std::string &name() const { return name_; }
    const std::string &bundleId() const { return bundleId_; }
    const std::string &executableName() const { return executableName_; }

    // The absolute path of the executable, or none when it is not installed.
    std::optional<std::string> pathOnDisk() const;
    bool isInstalled() const;
    // Whether a process of the executable runs for this user.
    bool isRunning() const;
    // Starts the executable without arguments, detached; false with an error when it cannot be started.
    bool launchWithError(XAError *error) const;
    // The desktop theme's icon of the executable when installed and the theme has one; otherwise our own picture
    // "ExternalAppIcons/<lower-cased identifier>.png" among the resources; a null image when that is missing too.
    QImage appIcon() const;

private:
    std::string name_;
    std::string bundleId_;
    std::string executableName_;
};

class XACodeEditorApp : public XAExternalApp {
public:
    // Opens the file at the line (counted from 1) and column (counted from 0); false with or without an error.
    using OpenFileBlock = std::function<bool(XACodeEditorApp &editor, const std::string &path, unsigned long line,
                                             unsigned long column, XAError *error)>;

    static std::shared_ptr<XACodeEditorApp> editorWithName(std::string name, std::string bundleId,
                                                           std::string executableName, OpenFileBlock openFileBlock,
                                                           QString infoText);
    XACodeEditorApp(std::string name, std::string bundleId, std::string executableName, OpenFileBlock openFileBlock,
                    QString infoText);

    // Rich text shown beside the editor in the preferences; may be empty.
    const QString &infoText() const { return infoText_; }
    // Whether the editor goes to the line it is given (true unless said otherwise).
    bool opensAtLine() const { return opensAtLine_; }
    void setOpensAtLine(bool opens) { opensAtLine_ = opens; }
    const OpenFileBlock &openFileBlock() const { return openFileBlock_; }

    // In this order: a missing file ("Cannot find file: %@"), an editor that is not installed ("Selected code editor
    // app cannot be found: %@"), an editor without a way of opening (false, no error); then the editor's way, whose
    // failure without an error of its own becomes "Could not open the file in %@".
    bool openFile(const std::string &path, unsigned long line, unsigned long column, XAError *error);
    // Runs the executable with the arguments and waits for it: true on exit status 0; otherwise "%@ could not be
    // executed: %@" when it did not start, "%@ exited with status %d and stderr: %@" when it failed.
    static bool execute(const std::string &executablePath, const std::vector<std::string> &arguments, XAError *error);

private:
    OpenFileBlock openFileBlock_;
    QString infoText_;
    bool opensAtLine_ = true;
};

class XADocsBrowserApp : public XAExternalApp {
public:
    // Receives no value on success, else the error.
    using Handler = std::function<void(const std::optional<XAError> &error)>;
    using OpenDocsBlock =
        std::function<void(XADocsBrowserApp &browser, const XACodeSymbolRef &symbol, const Handler &handler)>;

    static std::shared_ptr<XADocsBrowserApp> docsBrowserWithName(std::string name, std::string bundleId,
                                                                 std::string executableName,
                                                                 OpenDocsBlock openDocsBlock);
    XADocsBrowserApp(std::string name, std::string bundleId, std::string executableName, OpenDocsBlock openDocsBlock);

    // An installed browser with a way of opening opens the symbol and answers the handler (which may be empty); one
    // that is not installed answers "Selected documentation browser app cannot be found: %@".
    void openDocsForCodeSymbol(const XACodeSymbolRef &symbol, Handler handler);

private:
    OpenDocsBlock openDocsBlock_;
};
