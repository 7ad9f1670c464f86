#pragma once

// The first-open wizard: a small sheet that asks whether checking the project depends on code generated during the
// build, and whether the project can be built only inside an Xcode workspace (which one, with which scheme). The
// project window shows it for a project without a configuration file of its own, and on request for the working
// configuration; when it ends with 1 the window writes the answers into its configuration with
// modifyConfigurationBasedOnUserChoices. The wizard itself saves nothing.
//
// The workspace search, the scheme listing and the reading of a browsed workspace run on worker threads; their
// results come back to the GUI thread, where all controls change. The controller must be owned by a shared pointer,
// since the workers' results find it through a weak one.

#include "app/shell/XAWindowController.h"
#include "core/XAProgressMessage.h"
#include "engine/config/XAConfiguration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAProject;
class XAProgressIndicator;
class XAWorkspace;

// Lists the schemes of a workspace (xcodebuild by default); tests give slow or failing fakes. Called on a worker
// thread; the workspace is not changed.
class XAWorkspaceSchemeLister {
public:
    virtual ~XAWorkspaceSchemeLister() = default;
    virtual std::vector<std::string> schemeNamesOfWorkspace(const XAWorkspace &workspace,
                                                            const XAProgressHandler &progress) = 0;

    static XAWorkspaceSchemeLister &shared();
    static void setShared(std::shared_ptr<XAWorkspaceSchemeLister> lister); // an empty pointer restores the real one
};

class XAProjectConfigWizardWindowController : public XAWindowController {
public:
    // The tag of the pop-up item of the workspace chosen with "Browse…".
    static constexpr int UserSpecifiedWorkspaceTag = 1982;
    static constexpr double CancelButtonWidthWithoutBaseConfiguration = 204.0;
    static constexpr int CancelButtonSpacing = 12;

    // With a configuration the wizard starts from its answers; without one from the project's likely ones.
    XAProjectConfigWizardWindowController(std::shared_ptr<XAProject> project, const XAConfiguration *configuration);
    ~XAProjectConfigWizardWindowController() override;

    bool wasInitializedWithBaseConfiguration() const { return wasInitializedWithBaseConfiguration_; }
    bool defaultSelectionPerformFullBuild() const { return defaultSelectionPerformFullBuild_; }
    const std::string &defaultSelectionWorkspacePath() const { return defaultSelectionWorkspacePath_; }
    const std::string &defaultSelectionSchemeName() const { return defaultSelectionSchemeName_; }
    const std::shared_ptr<XAProject> &project() const { return project_; }
    const std::shared_ptr<XAWorkspace> &userSpecifiedWorkspace() const { return userSpecifiedWorkspace_; }

    // Writes the answers: generated code switches "fullBuild" on, a workspace sets "workspace" (relative to the
    // folder holding the project) and "scheme". Starting from a configuration, unchecked boxes switch these off:
    // "fullBuild" becomes false, "workspace" and "scheme" are removed.
    void modifyConfigurationBasedOnUserChoices(XAConfiguration &configuration) const;

    // The workspace of the selected pop-up item, if any.
    std::shared_ptr<XAWorkspace> selectedWorkspace() const;
    bool workspacesLoaded() const { return workspacesLoaded_; }

    // Actions.
    void codeGeneratedCheckBoxChanged();
    void workspaceCheckBoxChanged();
    void workspacePopUpButtonChanged();
    void schemePopUpButtonChanged();
    void browseOtherWorkspace();
    void cancelAndUseDefaultConfig() { xa_endSelfSheetWithReturnCode(0); }
    void saveConfigurationAndDismiss() { xa_endSelfSheetWithReturnCode(1); }

    // Controls, built with the window.
    QLabel *headingField() const { return headingField_; }
    QCheckBox *codeGeneratedCheckBox() const { return codeGeneratedCheckBox_; }
    QLabel *codeGeneratedInfoField() const { return codeGeneratedInfoField_; }
    QCheckBox *workspaceCheckBox() const { return workspaceCheckBox_; }
    QLabel *workspaceInfoField() const { return workspaceInfoField_; }
    QLabel *workspacePopUpButtonLabel() const { return workspacePopUpButtonLabel_; }
    QComboBox *workspacePopUpButton() const { return workspacePopUpButton_; }
    QPushButton *workspaceBrowseButton() const { return workspaceBrowseButton_; }
    XAProgressIndicator *workspaceLoadingProgressIndicator() const { return workspaceLoadingProgressIndicator_; }
    QLabel *schemeLabelField() const { return schemeLabelField_; }
    QComboBox *schemePopUpButton() const { return schemePopUpButton_; }
    XAProgressIndicator *schemeLoadingProgressIndicator() const { return schemeLoadingProgressIndicator_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QPushButton *saveButton() const { return saveButton_; }

protected:
    void windowDidLoad() override;

private:
    void storeDefaultSelectionsFromConfiguration(const XAConfiguration &configuration);
    void determineAndStoreDefaultSelections();
    void buildControls();
    void placeCancelButton();
    void setInitialControlStates();
    void updateControlStates();
    void validateFormAndUpdateSubmitButtonState();
    void populateWorkspacesPopUpButtonWithCompletionHandler(std::function<void()> completion);
    void workspacesFound(const std::vector<std::shared_ptr<XAWorkspace>> &workspaces, std::function<void()> completion);
    void updateUserSpecifiedWorkspaceInPopUpButton();
    void populateSchemesPopUpButtonForSelectedWorkspace();
    void schemesListed(const std::shared_ptr<XAWorkspace> &workspace, const std::vector<std::string> &schemeNames);
    void browsedPathChosen(const std::string &path);
    void addWorkspaceItem(const std::shared_ptr<XAWorkspace> &workspace, int index, int tag);
    std::optional<std::string> selectedSchemeName() const;
    std::weak_ptr<XAProjectConfigWizardWindowController> weakSelf();
    // False once the window has gone with its parent while a worker was still busy.
    bool hasControls() const { return workspacePopUpButton_ && schemePopUpButton_ && workspaceCheckBox_; }

    std::shared_ptr<XAProject> project_;
    bool workspacesLoaded_ = false;
    bool wasInitializedWithBaseConfiguration_ = false;
    bool defaultSelectionPerformFullBuild_ = false;
    std::string defaultSelectionWorkspacePath_;
    std::string defaultSelectionSchemeName_;
    std::shared_ptr<XAWorkspace> userSpecifiedWorkspace_;
    // The workspaces of the pop-up's items, by path, and the scheme names already listed for each.
    std::map<std::string, std::shared_ptr<XAWorkspace>> workspacesByPath_;
    std::map<std::string, std::vector<std::string>> schemeNamesByWorkspacePath_;

    QPointer<QLabel> headingField_;
    QPointer<QCheckBox> codeGeneratedCheckBox_;
    QPointer<QLabel> codeGeneratedInfoField_;
    QPointer<QCheckBox> workspaceCheckBox_;
    QPointer<QLabel> workspaceInfoField_;
    QPointer<QLabel> workspacePopUpButtonLabel_;
    QPointer<QComboBox> workspacePopUpButton_;
    QPointer<QPushButton> workspaceBrowseButton_;
    QPointer<XAProgressIndicator> workspaceLoadingProgressIndicator_;
    QPointer<QLabel> schemeLabelField_;
    QPointer<QComboBox> schemePopUpButton_;
    QPointer<XAProgressIndicator> schemeLoadingProgressIndicator_;
    QPointer<QPushButton> cancelButton_;
    QPointer<QPushButton> saveButton_;
};
