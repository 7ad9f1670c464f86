#pragma once

// Whether the desktop's initialisation has succeeded, and the in-memory state of the project in the project window.

#include "core/XAError.h"
#include "core/XAProgressMessage.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XACheckingRun;
class XAConfiguration;
class XAProjectDocument;
class XARuleSet;

// The developer tools as the initialisation sets them up. The real one is the shared developer-tools environment;
// tests give their own.
class XADevEnvironmentSetUp {
public:
    virtual ~XADevEnvironmentSetUp() = default;
    virtual bool setUp() = 0;
    virtual std::vector<XAError> errors() const = 0;
    virtual std::string setUpFailureInstructions() const = 0;

    static XADevEnvironmentSetUp &shared();
    static void setShared(std::shared_ptr<XADevEnvironmentSetUp> setUp); // an empty pointer restores the real one
};

class XAGUIState {
public:
    static XAGUIState &sharedGUIState();

    // Log targets (standard error and the log notification), the log threshold from "uberVerboseLogging" (read
    // before the application's defaults are registered), the application's defaults and the developer tools, in
    // this order. On failure the progress handler, when given, receives one error message naming each error as a
    // "• " line followed by the environment's instructions. Runs on a background thread.
    bool initializeGUIStateWithProgress(const XAProgressHandler &progress);

    bool isInitialized() const { return initialized_.load(); }
    void setIsInitialized(bool initialized) { initialized_.store(initialized); }

private:
    std::atomic<bool> initialized_{false};
};

// The project shown in the project window; a plain record. The message lists hold the log lines of the last
// check's error and warning messages.
struct XAProjectGUIState {
    std::shared_ptr<XAProjectDocument> project;
    std::optional<std::string> lastCheckedProjectHash; // none disables the check for changes on disk
    std::shared_ptr<XACheckingRun> checkingOperation;
    std::shared_ptr<const XARuleSet> ruleSet;
    std::shared_ptr<XAConfiguration> configuration;
    std::shared_ptr<XAConfiguration> lastLoadedOrSavedConfiguration;
    std::vector<std::string> errorMessages;
    std::vector<std::string> warningMessages;
};
