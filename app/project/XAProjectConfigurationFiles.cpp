#include "app/project/XAProjectConfigurationFiles.h"

#include "app/controls/XAAlerts.h"
#include "app/controls/XAFilePanels.h"
#include "core/XAPaths.h"
#include "engine/XAConfigurationFileWriter.h"
#include "project/XAProject.h"

#include <filesystem>
#include <memory>

namespace {

constexpr const char *kConfigFileExtension = "json";
constexpr int kSaveButton = XAAlertFirstButtonReturn;
constexpr int kOtherPathButton = XAAlertFirstButtonReturn + 2;

std::shared_ptr<XAFilePanel> &rememberedSavePanel() {
    static std::shared_ptr<XAFilePanel> panel;
    return panel;
}

std::shared_ptr<XAFilePanel> &rememberedOpenPanel() {
    static std::shared_ptr<XAFilePanel> panel;
    return panel;
}

// Writes the file and reports the outcome; true when it was written.
bool writeAndReport(const XAConfiguration &configuration, const std::string &path, const XAProgressHandler &progress) {
    XAError error;
    const bool written = XAProjectConfigurationFiles::saveConfiguration(configuration, path, &error);
    if (progress) {
        progress(written ? XAProgressMessage(XAProgressMessageKindSuccess,
                                             "The configuration has been written into: " + path)
                         : XAProgressMessage(XAProgressMessageKindError, error.message));
    }
    return written;
}

XAFilePanelRequest savePanelRequest(const XAConfiguration &configuration) {
    XAFilePanelRequest request;
    request.kind = XAFilePanelRequest::Kind::Save;
    request.title = QStringLiteral("Save configuration");
    request.allowedExtensions = {QString::fromLatin1(kConfigFileExtension)};
    request.canCreateDirectories = true;
    request.extensionHidden = false;
    const std::string loadedFrom = configuration.originalLoadFilePath().value_or("");
    if (!loadedFrom.empty()) {
        const QString name = QString::fromStdString(xa_lastPathComponent(loadedFrom));
        request.message = QStringLiteral("Originally loaded from “%1”").arg(name);
        request.directory = QString::fromStdString(xa_stringByDeletingLastPathComponent(loadedFrom));
        request.nameFieldValue = name;
    }
    return request;
}

} // namespace

bool XAProjectConfigurationFiles::saveConfiguration(const XAConfiguration &configuration, const std::string &path,
                                                    XAError *error) {
    const std::string text = XAConfigurationFileWriter::jsonConfigFileRepresentation(
        configuration, XAProject::tessaryConfigFileHeaderComment(), true);
    return XAProject::saveConfigurationText(text, path, error);
}

std::string XAProjectConfigurationFiles::impliedSavePath(const XAProject &project,
                                                         const XAConfiguration &configuration) {
    const std::string loadedFrom = configuration.originalLoadFilePath().value_or("");
    return loadedFrom.empty() ? project.defaultPathForSavingNewConfigFile() : loadedFrom;
}

void XAProjectConfigurationFiles::saveConfigurationIntoUserSpecifiedFolderWithConfiguration(
    const XAConfiguration &configuration, const XAProgressHandler &progress, SavedHandler saved,
    CancelledHandler cancelled) {
    std::shared_ptr<XAFilePanel> panel = XAFilePanelFactory::shared().makePanel();
    rememberedSavePanel() = panel;
    std::weak_ptr<XAFilePanel> weakPanel = panel;
    panel->begin(savePanelRequest(configuration), nullptr,
                 [configuration, progress, saved, cancelled, weakPanel](const std::optional<std::string> &path) {
                     if (rememberedSavePanel() == weakPanel.lock()) {
                         rememberedSavePanel().reset();
                     }
                     if (!path) {
                         if (cancelled) {
                             cancelled();
                         }
                         return;
                     }
                     const bool written = writeAndReport(configuration, *path, progress);
                     if (saved) {
                         saved(written);
                     }
                 });
}

void XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
    const XAProject &project, const XAConfiguration &configuration, QWidget *window, const XAProgressHandler &progress,
    SavedHandler saved, CancelledHandler cancelled) {
    const std::string path = impliedSavePath(project, configuration);
    std::error_code existsError;
    const QString intro = std::filesystem::exists(path, existsError)
                              ? QStringLiteral("This will overwrite the configuration file at the following path")
                              : QStringLiteral("The configuration file will be written into the following path");
    xa_showInWindow(window, QStringLiteral("Save configuration"),
                    QStringLiteral("%1:\n\n%2").arg(intro, QString::fromStdString(path)),
                    {QStringLiteral("Save"), QStringLiteral("Cancel"), QStringLiteral("Other Path…")},
                    [configuration, path, progress, saved, cancelled](const XAAlert &, int response) {
                        if (response == kSaveButton) {
                            const bool written = writeAndReport(configuration, path, progress);
                            if (saved) {
                                saved(written);
                            }
                        } else if (response == kOtherPathButton) {
                            saveConfigurationIntoUserSpecifiedFolderWithConfiguration(configuration, progress, saved,
                                                                                      cancelled);
                        } else if (cancelled) {
                            cancelled();
                        }
                    });
}

void XAProjectConfigurationFiles::loadConfigurationFromUserSpecifiedPathWithHandler(LoadedHandler handler,
                                                                                    const XAProgressHandler &progress) {
    std::shared_ptr<XAFilePanel> &panel = rememberedOpenPanel();
    if (panel && panel->isVisible()) {
        panel->orderFront();
        return;
    }
    if (!panel) {
        panel = XAFilePanelFactory::shared().makePanel();
    }
    XAFilePanelRequest request;
    request.kind = XAFilePanelRequest::Kind::Open;
    request.title = QStringLiteral("Load configuration");
    request.allowedExtensions = {QString::fromLatin1(kConfigFileExtension)};
    // A cancelled panel stays remembered and is shown again by the next load.
    panel->begin(request, nullptr, [handler, progress](const std::optional<std::string> &path) {
        if (!path) {
            return;
        }
        const XAConfiguration configuration = XAConfiguration::configFromFile(*path, progress);
        if (handler) {
            handler(configuration);
        }
        rememberedOpenPanel().reset();
    });
}
