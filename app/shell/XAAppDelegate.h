#pragma once

// The desktop application's delegate. At launch it creates the controllers of the windows, shows the start window
// and has it initialise the application; until that has succeeded the interface is disabled (no opening projects,
// no installing the command-line tools) and a project asked for meanwhile is kept and opened afterwards. It routes
// every request to open a project to the one project window, switches between start window and project window,
// answers the menus, and asks the project window before the application quits.

#include "app/shell/XAMainMenu.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAOpenProjectDialog;
class XAAboutWindowController;
class XACLIInstallWindowController;
class XAPreferencesWindowController;
class XAAppDocsWindowController;
class XAEULAWindowController;
class XAMainNaviWindowController;
class XAProjectList;
class XAProjectWindow;
class XAWindowController;

enum class XATerminateReply { Now, Cancel, Later };

class XAAppDelegate : public QObject {
public:
    using ProjectWindowFactory = std::function<std::shared_ptr<XAProjectWindow>()>;

    // `recentProjects` is the list the start window shows (the shared one by default).
    explicit XAAppDelegate(XAProjectList *recentProjects = nullptr);
    ~XAAppDelegate() override;

    // The delegate of the running application, if any.
    static XAAppDelegate *current();
    // Makes the project window; the desktop has none until its controller exists.
    void setProjectWindowFactory(ProjectWindowFactory factory) { projectWindowFactory_ = std::move(factory); }
    // What ends the process once termination is decided (the application's quit by default).
    void setQuitHandler(std::function<void()> handler) { quitHandler_ = std::move(handler); }

    void applicationDidFinishLaunching();

    void openProjectAtPath(const std::string &path);
    bool application_openFile(const std::string &path);
    void application_openFiles(const std::vector<std::string> &paths);
    void showProjectWindow();
    void projectWindowWillClose();
    XAWindowController *latestVisiblePrimaryWindowController() const;
    void showProjectMenuItems(bool show);
    // Enables the items of "Project" and "Configuration" that the project window can perform now.
    void validateProjectWindowMenuItems();
    void setUserInterfaceEnabled(bool enabled);
    bool userInterfaceEnabled() const { return uiEnabled_; }
    // Whether an action can be sent now: "openDocument:" and "installCLITools:" only while the interface is
    // enabled, every other action always.
    bool respondsToSelector(const std::string &selector) const;
    const std::optional<std::string> &deferredProjectPathToOpen() const { return deferredProjectPathToOpen_; }

    // Menu actions.
    void openDocument(const void *sender);
    void installCLITools(const void *sender);
    void orderFrontAboutPanel(const void *sender);
    void showPreferences(const void *sender);
    // Asks the update address for the newest version and tells the user what it said.
    void checkForUpdatesToApp(const void *sender);
    void sendFeedback(const void *sender);
    void navigateToIssueTracker(const void *sender);
    void showDocumentation(const void *sender);
    void showLicenseAgreement(const void *sender);
    void enableDebugUI();
    void crashTheApp(const void *sender);

    // Quitting: asks the project window when it is visible; the reply may come later.
    XATerminateReply applicationShouldTerminate();
    void replyToApplicationShouldTerminate(bool shouldTerminate);
    void applicationWillTerminate();
    // The whole quit: ask, and end the process when the answer is yes (now or later).
    void terminate();

    XAMainNaviWindowController *mainNaviVC() const { return mainNaviVC_.get(); }
    XAProjectWindow *projectVC() const { return projectVC_.get(); }
    XAAboutWindowController *aboutVC();
    XAPreferencesWindowController *preferencesVC();
    XACLIInstallWindowController *cliInstallVC();
    XAAppDocsWindowController *docsWindowController() const { return docsWindowController_.get(); }
    XAEULAWindowController *eulaWindowController() const { return eulaWindowController_.get(); }
    XAMainMenu &mainMenu() { return mainMenu_; }
    std::size_t observerCount() const { return observers_.size(); }

private:
    void createControllers();
    void registerObservers();
    void initializationDidComplete();
    void connectMenuActions();
    void connectProjectWindowMenuActions();
    void finishTermination();

    XAProjectList *recentProjects_;
    bool uiEnabled_ = false;
    std::optional<std::string> deferredProjectPathToOpen_;
    std::shared_ptr<XAMainNaviWindowController> mainNaviVC_;
    std::shared_ptr<XAProjectWindow> projectVC_;
    std::shared_ptr<XAAboutWindowController> aboutVC_;
    std::shared_ptr<XAPreferencesWindowController> preferencesVC_;
    std::shared_ptr<XACLIInstallWindowController> cliInstallVC_;
    std::shared_ptr<XAAppDocsWindowController> docsWindowController_;
    std::shared_ptr<XAEULAWindowController> eulaWindowController_;
    QPointer<XAOpenProjectDialog> openProjectPanel_;
    XAMainMenu mainMenu_;
    std::vector<std::uint64_t> observers_;
    ProjectWindowFactory projectWindowFactory_;
    std::function<void()> quitHandler_;
    bool terminationPending_ = false;
};

// Asks the running application to quit (through its delegate when there is one).
void XAApplicationTerminate();

// The vendor's addresses for feedback and its issue tracker.
inline constexpr const char *XAFeedbackEmailAddress = "feedback@tessary.invalid";
inline constexpr const char *XABackendBaseAddress = "https://tessary.invalid";
