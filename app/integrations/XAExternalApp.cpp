#include "app/integrations/XAExternalApp.h"

#include "core/XAUserFolders.h"
#include "project/XADevEnvironment.h"

#include <QFileInfo>
#include <QIcon>
#include <QProcess>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

QString qs(const std::string &text) { return QString::fromStdString(text); }

std::string lowerCased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Whether some process runs the executable: its command name (cut to 15 bytes by the kernel) is the executable's
// name, or its program file has that name.
bool processOfExecutableRuns(const std::string &executablePath) {
    const std::string name = std::filesystem::path(executablePath).filename().string();
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), [](unsigned char c) { return std::isdigit(c); })) {
            continue;
        }
        std::ifstream commFile(entry.path() / "comm");
        std::string comm;
        std::getline(commFile, comm);
        if (!comm.empty() && comm == name.substr(0, 15)) {
            return true;
        }
        std::error_code linkError;
        const auto target = std::filesystem::read_symlink(entry.path() / "exe", linkError);
        if (!linkError && target.filename().string() == name) {
            return true;
        }
    }
    return false;
}

} // namespace

// ---- XAExternalApp ----

XAExternalApp::XAExternalApp(std::string name, std::string bundleId, std::string executableName)
    : name_(std::move(name)), bundleId_(std::move(bundleId)), executableName_(std::move(executableName)) {}

std::optional<std::string> XAExternalApp::pathOnDisk() const {
    if (executableName_.empty()) {
        return std::nullopt;
    }
    if (executableName_.find('/') != std::string::npos) {
        return ::access(executableName_.c_str(), X_OK) == 0 ? std::optional(executableName_) : std::nullopt;
    }
    return XADevEnvironment::sharedEnvironment().pathToExecutable(executableName_);
}

bool XAExternalApp::isInstalled() const { return executableName_.empty() || pathOnDisk().has_value(); }

bool XAExternalApp::isRunning() const {
    const std::optional<std::string> path = pathOnDisk();
    return path && processOfExecutableRuns(*path);
}

bool XAExternalApp::launchWithError(XAError *error) const {
    const std::optional<std::string> path = pathOnDisk();
    if (!path || !QProcess::startDetached(qs(*path), {})) {
        XASetError(error, "Cannot start " + name_ + ".");
        return false;
    }
    return true;
}

QImage XAExternalApp::appIcon() const {
    if (const std::optional<std::string> path = pathOnDisk()) {
        const QIcon themed = QIcon::fromTheme(QFileInfo(qs(*path)).fileName());
        if (!themed.isNull()) {
            return themed.pixmap(64, 64).toImage();
        }
    }
    const std::optional<std::string> picture =
        xa_pathForResourcePath("ExternalAppIcons/" + lowerCased(bundleId_) + ".png");
    return picture ? QImage(qs(*picture)) : QImage();
}

// ---- XACodeEditorApp ----

std::shared_ptr<XACodeEditorApp> XACodeEditorApp::editorWithName(std::string name, std::string bundleId,
                                                                 std::string executableName,
                                                                 OpenFileBlock openFileBlock, QString infoText) {
    return std::make_shared<XACodeEditorApp>(std::move(name), std::move(bundleId), std::move(executableName),
                                             std::move(openFileBlock), std::move(infoText));
}

XACodeEditorApp::XACodeEditorApp(std::string name, std::string bundleId, std::string executableName,
                                 OpenFileBlock openFileBlock, QString infoText)
    : XAExternalApp(std::move(name), std::move(bundleId), std::move(executableName)),
      openFileBlock_(std::move(openFileBlock)), infoText_(std::move(infoText)) {}

bool XACodeEditorApp::openFile(const std::string &path, unsigned long line, unsigned long column, XAError *error) {
    std::error_code ignored;
    if (path.empty() || !std::filesystem::exists(path, ignored)) {
        XASetError(error, QStringLiteral("Cannot find file: %1").arg(qs(path)).toStdString());
        return false;
    }
    if (!isInstalled()) {
        XASetError(error, QStringLiteral("Selected code editor app cannot be found: %1").arg(qs(name())).toStdString());
        return false;
    }
    if (!openFileBlock_) {
        return false;
    }
    XAError blockError;
    const bool opened = openFileBlock_(*this, path, line, column, &blockError);
    if (!opened && error) {
        *error = blockError.message.empty()
                     ? XAError(QStringLiteral("Could not open the file in %1").arg(qs(name())).toStdString())
                     : blockError;
    }
    return opened;
}

bool XACodeEditorApp::execute(const std::string &executablePath, const std::vector<std::string> &arguments,
                              XAError *error) {
    const XATaskResults results =
        XATask::xa_execute(executablePath, arguments, std::nullopt, std::nullopt, XATaskSetupFunction());
    if (results.error) {
        XASetError(error, QStringLiteral("%1 could not be executed: %2")
                              .arg(qs(executablePath), qs(results.error->message))
                              .toStdString());
        return false;
    }
    if (results.exitStatus == 0) {
        return true;
    }
    XASetError(error, QStringLiteral("%1 exited with status %2 and stderr: %3")
                          .arg(qs(executablePath))
                          .arg(results.exitStatus)
                          .arg(qs(results.standardError.value_or(std::string())))
                          .toStdString());
    return false;
}

// ---- XADocsBrowserApp ----

std::shared_ptr<XADocsBrowserApp> XADocsBrowserApp::docsBrowserWithName(std::string name, std::string bundleId,
                                                                        std::string executableName,
                                                                        OpenDocsBlock openDocsBlock) {
    return std::make_shared<XADocsBrowserApp>(std::move(name), std::move(bundleId), std::move(executableName),
                                              std::move(openDocsBlock));
}

XADocsBrowserApp::XADocsBrowserApp(std::string name, std::string bundleId, std::string executableName,
                                   OpenDocsBlock openDocsBlock)
    : XAExternalApp(std::move(name), std::move(bundleId), std::move(executableName)),
      openDocsBlock_(std::move(openDocsBlock)) {}

void XADocsBrowserApp::openDocsForCodeSymbol(const XACodeSymbolRef &symbol, Handler handler) {
    if (!isInstalled()) {
        if (handler) {
            handler(XAError(QStringLiteral("Selected documentation browser app cannot be found: %1")
                                .arg(qs(name()))
                                .toStdString()));
        }
        return;
    }
    if (openDocsBlock_) {
        openDocsBlock_(*this, symbol, handler ? handler : Handler([](const std::optional<XAError> &) {}));
    }
}
