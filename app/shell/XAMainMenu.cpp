#include "app/shell/XAMainMenu.h"

#include <QKeySequence>
#include <QMenuBar>

XAMainMenu::XAMainMenu()
    : fileMenu_(std::make_unique<QMenu>(QStringLiteral("File"))),
      projectMenu_(std::make_unique<QMenu>(QStringLiteral("Project"))),
      configurationMenu_(std::make_unique<QMenu>(QStringLiteral("Configuration"))),
      helpMenu_(std::make_unique<QMenu>(QStringLiteral("Help"))) {
    about_ = fileMenu_->addAction(QStringLiteral("About Tessary"));
    preferences_ = fileMenu_->addAction(QStringLiteral("Preferences…"));
    installCLITools_ = fileMenu_->addAction(QStringLiteral("Install Command-Line Tools…"));
    fileMenu_->addSeparator();
    openDocument_ = fileMenu_->addAction(QStringLiteral("Open…"));
    openDocument_->setShortcut(QKeySequence::Open);
    fileMenu_->addSeparator();
    quit_ = fileMenu_->addAction(QStringLiteral("Quit Tessary"));
    quit_->setShortcut(QKeySequence::Quit);
    help_ = helpMenu_->addAction(QStringLiteral("Tessary Help"));
    license_ = helpMenu_->addAction(QStringLiteral("License Agreement"));
    helpMenu_->addSeparator();
    feedback_ = helpMenu_->addAction(QStringLiteral("Send Feedback…"));
    issueTracker_ = helpMenu_->addAction(QStringLiteral("Issue Tracker"));
    addProjectWindowAction(projectMenu_.get(), QStringLiteral("Reload Project"), "reloadProjectFromDisk:");
    addProjectWindowAction(projectMenu_.get(), QStringLiteral("Open in Xcode"), "openProjectInXcode:");
    projectMenu_->addSeparator();
    addProjectWindowAction(projectMenu_.get(), QStringLiteral("Add Annotations Header to Project…"),
                           "addAnnotationsHeaderToProject:");
    addProjectWindowAction(projectMenu_.get(), QStringLiteral("Clear Project Caches"), "clearProjectCaches:");
    actionForSelector("clearProjectCaches:")->setData(kOptionKeyItemTag);
    addProjectWindowAction(configurationMenu_.get(), QStringLiteral("Select Rules…"), "showRuleSelection:");
    addProjectWindowAction(configurationMenu_.get(), QStringLiteral("Configure Options…"), "showProjectConfiguration:");
    addProjectWindowAction(configurationMenu_.get(), QStringLiteral("Configuration Wizard…"),
                           "showProjectConfigurationWizard:");
    configurationMenu_->addSeparator();
    addProjectWindowAction(configurationMenu_.get(), QStringLiteral("Load Configuration…"), "loadConfiguration:");
    addProjectWindowAction(configurationMenu_.get(), QStringLiteral("Save Configuration"), "saveConfiguration:");
    addProjectWindowAction(configurationMenu_.get(), QStringLiteral("Save Configuration As…"), "saveConfigurationAs:");
    // Their windows come later.
    for (QAction *action :
         {about_.data(), preferences_.data(), installCLITools_.data(), help_.data(), license_.data()}) {
        action->setVisible(false);
    }
}

XAMainMenu::~XAMainMenu() = default;

QMenuBar *XAMainMenu::createMenuBar(QWidget *window) const {
    auto *bar = new QMenuBar(window);
    for (QMenu *menu : {fileMenu_.get(), projectMenu_.get(), configurationMenu_.get(), helpMenu_.get()}) {
        bar->addAction(menu->menuAction());
    }
    return bar;
}

QAction *XAMainMenu::addCrashAction() {
    if (!crash_) {
        crash_ = helpMenu_->addAction(QStringLiteral("Crash The App"));
    }
    return crash_;
}

void XAMainMenu::addProjectWindowAction(QMenu *menu, const QString &title, const std::string &selector) {
    projectWindowActions_.emplace_back(selector, menu->addAction(title));
}

QAction *XAMainMenu::actionForSelector(const std::string &selector) const {
    for (const auto &[actionSelector, action] : projectWindowActions_) {
        if (actionSelector == selector) {
            return action;
        }
    }
    return nullptr;
}
