#include "app/project/XAProjectWindowConfigurationHost.h"

#include "app/project/XAProjectWindowController.h"
#include "app/shell/XAWindow.h"
#include "engine/XACheckingOperation.h"

XAProjectGUIState *XAProjectWindowConfigurationHost::projectState() { return window_.projectState().get(); }

std::string XAProjectWindowConfigurationHost::xcodeprojPath() {
    XAProjectGUIState *state = projectState();
    return state && state->project ? state->project->xcodeprojPath() : std::string();
}

bool XAProjectWindowConfigurationHost::hasProjectSpecificTessaryConfigFile() {
    XAProjectGUIState *state = projectState();
    return state && state->project && state->project->hasProjectSpecificTessaryConfigFile();
}

XAConfiguration XAProjectWindowConfigurationHost::configurationRepresentedInTheGUI() {
    return window_.configurationRepresentedInTheGUI();
}

void XAProjectWindowConfigurationHost::updateUIStateFromProjectState() { window_.updateUIStateFromProjectState(); }

void XAProjectWindowConfigurationHost::updateRuleSetFromConfiguration() {
    XAProjectGUIState *state = projectState();
    if (!state || !state->configuration) {
        return;
    }
    state->ruleSet = XACheckingOperation::determineRuleSetWithConfiguration(*state->configuration, nullptr);
    window_.updateRuleSelectionUI();
}

void XAProjectWindowConfigurationHost::notifyAboutNewRulesIfNeeded() { window_.notifyAboutNewRulesIfNeeded(); }

QWidget *XAProjectWindowConfigurationHost::sheetParentWindow() { return window_.window(); }

XACheckingOperationLogView *XAProjectWindowConfigurationHost::logView() { return window_.logView(); }

void XAProjectWindowConfigurationHost::closeWindowWithoutPrompt() { window_.window()->close(); }
