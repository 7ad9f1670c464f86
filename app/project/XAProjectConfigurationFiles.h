#pragma once

// The desktop's ways of writing a project's configuration into a configuration file and reading one: straight into
// the file the configuration came from (or the project's default path for a new file) after a sheet that names the
// path, into a file chosen in a save panel, and from a file chosen in an open panel. Outcomes reach the progress
// handler as messages: a success line naming the path, or the write's error.
//
// The save panel and the open panel are single instances for the whole process: a new save replaces the remembered
// save panel, and asking to load while the open panel is still showing only brings it to the front.

#include "core/XAError.h"
#include "core/XAProgressMessage.h"
#include "engine/config/XAConfiguration.h"

#include <functional>
#include <string>

class QWidget;
class XAProject;

class XAProjectConfigurationFiles {
public:
    // Called after a save attempt; `saved` is false when the file could not be written.
    using SavedHandler = std::function<void(bool saved)>;
    using CancelledHandler = std::function<void()>;
    using LoadedHandler = std::function<void(const XAConfiguration &configuration)>;

    XAProjectConfigurationFiles() = delete;

    // Writes the configuration's file text (default values commented out, headed by the application's comment),
    // creating the file's folder when it is missing.
    static bool saveConfiguration(const XAConfiguration &configuration, const std::string &path, XAError *error);

    // The save panel for a ".json" file, opening beside the file the configuration was loaded from, if any.
    static void saveConfigurationIntoUserSpecifiedFolderWithConfiguration(const XAConfiguration &configuration,
                                                                          const XAProgressHandler &progress,
                                                                          SavedHandler saved,
                                                                          CancelledHandler cancelled);
    // The sheet "Save configuration" on the window naming the implied path, with "Save", "Cancel" and
    // "Other Path…"; the last goes on to the save panel.
    static void saveConfigurationIntoImpliedFolderWithConfiguration(const XAProject &project,
                                                                    const XAConfiguration &configuration,
                                                                    QWidget *window, const XAProgressHandler &progress,
                                                                    SavedHandler saved, CancelledHandler cancelled);
    // The open panel for a ".json" file; the configuration read from the chosen file goes to the handler.
    static void loadConfigurationFromUserSpecifiedPathWithHandler(LoadedHandler handler,
                                                                  const XAProgressHandler &progress);

    // The path a save into the implied folder writes to.
    static std::string impliedSavePath(const XAProject &project, const XAConfiguration &configuration);
};
