#pragma once

// The application's menus, built once and shared by the menu bars of the primary windows. Items whose windows do
// not exist yet stay hidden.

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class QMenuBar;
class QWidget;

class XAMainMenu {
public:
    XAMainMenu();
    ~XAMainMenu();

    // A menu bar for the window with every top-level menu.
    QMenuBar *createMenuBar(QWidget *window) const;

    QMenu *fileMenu() const { return fileMenu_.get(); }
    QMenu *projectMenu() const { return projectMenu_.get(); }
    QMenu *configurationMenu() const { return configurationMenu_.get(); }
    QMenu *helpMenu() const { return helpMenu_.get(); }

    QAction *openDocumentAction() const { return openDocument_; }
    QAction *installCLIToolsAction() const { return installCLITools_; }
    QAction *quitAction() const { return quit_; }
    QAction *aboutAction() const { return about_; }
    QAction *preferencesAction() const { return preferences_; }
    QAction *helpAction() const { return help_; }
    QAction *licenseAction() const { return license_; }
    QAction *feedbackAction() const { return feedback_; }
    QAction *issueTrackerAction() const { return issueTracker_; }
    // The "Crash The App" item, when the debugging features added it.
    QAction *crashAction() const { return crash_; }
    QAction *addCrashAction();

    // The items of "Project" and "Configuration" with the selectors of the project window's actions they send.
    const std::vector<std::pair<std::string, QPointer<QAction>>> &projectWindowActions() const {
        return projectWindowActions_;
    }
    QAction *actionForSelector(const std::string &selector) const;
    // The data of items that show only while Alt is held.
    static constexpr int kOptionKeyItemTag = 1;

private:
    std::unique_ptr<QMenu> fileMenu_;
    std::unique_ptr<QMenu> projectMenu_;
    std::unique_ptr<QMenu> configurationMenu_;
    std::unique_ptr<QMenu> helpMenu_;
    QPointer<QAction> openDocument_;
    QPointer<QAction> installCLITools_;
    QPointer<QAction> quit_;
    QPointer<QAction> about_;
    QPointer<QAction> preferences_;
    QPointer<QAction> help_;
    QPointer<QAction> license_;
    QPointer<QAction> feedback_;
    QPointer<QAction> issueTracker_;
    QPointer<QAction> crash_;
    std::vector<std::pair<std::string, QPointer<QAction>>> projectWindowActions_;

    void addProjectWindowAction(QMenu *menu, const QString &title, const std::string &selector);
};
