#pragma once

// The project window as its configuration controller sees it.

#include "app/project/XAProjectConfigurationController.h"

class XAProjectWindowController;

class XAProjectWindowConfigurationHost : public XAProjectConfigurationHost {
public:
    explicit XAProjectWindowConfigurationHost(XAProjectWindowController &window) : window_(window) {}

    XAProjectGUIState *projectState() override;
    std::string xcodeprojPath() override;
    bool hasProjectSpecificTessaryConfigFile() override;
    XAConfiguration configurationRepresentedInTheGUI() override;
    void updateUIStateFromProjectState() override;
    void updateRuleSetFromConfiguration() override;
    void notifyAboutNewRulesIfNeeded() override;
    QWidget *sheetParentWindow() override;
    XACheckingOperationLogView *logView() override;
    void closeWindowWithoutPrompt() override;

private:
    XAProjectWindowController &window_;
};
