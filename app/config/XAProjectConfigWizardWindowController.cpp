#include "app/config/XAProjectConfigWizardWindowController.h"

#include "app/controls/XAFilePanels.h"
#include "app/controls/XAProgressIndicator.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAWindow.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAProject.h"
#include "project/XAWorkspace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kWindowWidth = 560;
constexpr int kMargin = 20;
constexpr int kButtonBarHeight = 44;
constexpr int kSaveButtonMinimumWidth = 110;
constexpr int kWorkspaceRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

class XAXcodebuildSchemeLister : public XAWorkspaceSchemeLister {
public:
    std::vector<std::string> schemeNamesOfWorkspace(const XAWorkspace &workspace,
                                                    const XAProgressHandler &progress) override {
        XAWorkspace copy = workspace;
        copy.gatherSchemeNamesWithProgress(progress);
        return copy.schemeNames();
    }
};

// Workers keep the lister they started with, even when it is replaced meanwhile.
std::shared_ptr<XAWorkspaceSchemeLister> &sharedSchemeLister() {
    static std::shared_ptr<XAWorkspaceSchemeLister> lister = std::make_shared<XAXcodebuildSchemeLister>();
    return lister;
}

// Logs each error message of a worker at the warning level as "<prefix><message>".
XAProgressHandler errorLogger(std::string prefix) {
    return [prefix](const XAProgressMessage &message) {
        if (message.isError()) {
            XALog(XALogLevelError, "%s%s", prefix.c_str(), message.message().c_str());
        }
    };
}

bool pathHasProjectBundleComponent(const std::string &path) {
    for (const std::string &component : xa_pathComponents(path)) {
        if (component.ends_with(".xcodeproj")) {
            return true;
        }
    }
    return false;
}

QLabel *infoLabel(QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    label->setFont(font);
    label->setContentsMargins(22, 0, 0, 6);
    return label;
}

XAProgressIndicator *spinner(QWidget *parent) {
    auto *indicator = new XAProgressIndicator(parent);
    indicator->setIndeterminate(true);
    indicator->setFixedSize(48, 8);
    QSizePolicy policy = indicator->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    indicator->setSizePolicy(policy);
    indicator->hide();
    return indicator;
}

// A spinner shows only while it spins.
void setSpinning(XAProgressIndicator *indicator, bool spinning) {
    if (spinning) {
        indicator->startAnimation();
    } else {
        indicator->stopAnimation();
    }
    indicator->setVisible(spinning);
}

} // namespace

XAWorkspaceSchemeLister &XAWorkspaceSchemeLister::shared() { return *sharedSchemeLister(); }

void XAWorkspaceSchemeLister::setShared(std::shared_ptr<XAWorkspaceSchemeLister> lister) {
    sharedSchemeLister() = lister ? std::move(lister) : std::make_shared<XAXcodebuildSchemeLister>();
}

// ---- Defaults ----

XAProjectConfigWizardWindowController::XAProjectConfigWizardWindowController(std::shared_ptr<XAProject> project,
                                                                             const XAConfiguration *configuration)
    : project_(std::move(project)), wasInitializedWithBaseConfiguration_(configuration != nullptr) {
    if (configuration) {
        storeDefaultSelectionsFromConfiguration(*configuration);
    } else {
        determineAndStoreDefaultSelections();
    }
}

XAProjectConfigWizardWindowController::~XAProjectConfigWizardWindowController() = default;

void XAProjectConfigWizardWindowController::storeDefaultSelectionsFromConfiguration(
    const XAConfiguration &configuration) {
    defaultSelectionPerformFullBuild_ = configuration.performFullBuild();
    // The wizard writes the workspace relative to the project's folder; read back, it is resolved the same way, so
    // that a saved workspace is preselected again.
    std::optional<std::string> workspace = configuration.associatedWorkspacePath();
    if (workspace && !xa_isAbsolutePath(*workspace) && project_) {
        workspace = xa_stringByAppendingPathComponent(xa_stringByDeletingLastPathComponent(project_->xcodeprojPath()),
                                                      *workspace);
    }
    defaultSelectionWorkspacePath_ = workspace ? xa_stringByStandardizingPath(*workspace) : std::string();
    defaultSelectionSchemeName_ = configuration.associatedWorkspaceSchemeName().value_or("");
}

void XAProjectConfigWizardWindowController::determineAndStoreDefaultSelections() {
    if (project_ && project_->usesCocoaPods()) {
        const std::optional<std::string> workspace = project_->cocoaPodsWorkspacePath();
        defaultSelectionWorkspacePath_ = workspace ? xa_stringByStandardizingPath(*workspace) : std::string();
    }
}

std::weak_ptr<XAProjectConfigWizardWindowController> XAProjectConfigWizardWindowController::weakSelf() {
    return std::static_pointer_cast<XAProjectConfigWizardWindowController>(weak_from_this().lock());
}

// ---- Window ----

void XAProjectConfigWizardWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    buildControls();
    codeGeneratedInfoField_->setText(
        QStringLiteral("Or the successful interpretation of this project's source code otherwise depends on something "
                       "that happens during the build process.\n\nChecking this will enable the “%1” option.")
            .arg(QString::fromStdString(XAConfiguration::descriptionForAppOption(XAConfiguration::kFullBuild))));
    workspaceInfoField_->setText(
        QStringLiteral("In other words, it cannot be built independently.\n\nChecking this will add values for the "
                       "“%1” and “%2” options.")
            .arg(QString::fromStdString(XAConfiguration::descriptionForAppOption(XAConfiguration::kWorkspace)),
                 QString::fromStdString(XAConfiguration::descriptionForAppOption(XAConfiguration::kScheme))));
    cancelButton_->setText(wasInitializedWithBaseConfiguration_ ? QStringLiteral("Cancel")
                                                                : QStringLiteral("Use Default Configuration"));
    placeCancelButton();
    setInitialControlStates();
}

void XAProjectConfigWizardWindowController::buildControls() {
    XAWindow *ownWindow = window();
    ownWindow->setWindowTitle(QStringLiteral("Project Configuration"));
    ownWindow->setFixedWidth(kWindowWidth);
    QWidget *content = ownWindow->contentView();
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(kMargin, kMargin, kMargin, 0);

    headingField_ = new QLabel(QStringLiteral("Please answer two questions about this project"), content);
    QFont heading = headingField_->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() + 2);
    headingField_->setFont(heading);
    layout->addWidget(headingField_);
    layout->addSpacing(10);

    codeGeneratedCheckBox_ = new QCheckBox(QStringLiteral("This project's build generates source code"), content);
    codeGeneratedInfoField_ = infoLabel(content);
    workspaceCheckBox_ =
        new QCheckBox(QStringLiteral("This project can only be built as part of a workspace"), content);
    workspaceInfoField_ = infoLabel(content);
    for (QWidget *widget : std::initializer_list<QWidget *>{codeGeneratedCheckBox_, codeGeneratedInfoField_,
                                                            workspaceCheckBox_, workspaceInfoField_}) {
        layout->addWidget(widget);
    }

    auto *grid = new QGridLayout;
    grid->setContentsMargins(22, 0, 0, 0);
    workspacePopUpButtonLabel_ = new QLabel(QStringLiteral("Workspace:"), content);
    workspacePopUpButton_ = new QComboBox(content);
    workspaceBrowseButton_ = new QPushButton(QStringLiteral("Browse…"), content);
    workspaceLoadingProgressIndicator_ = spinner(content);
    schemeLabelField_ = new QLabel(QStringLiteral("Scheme:"), content);
    schemePopUpButton_ = new QComboBox(content);
    schemeLoadingProgressIndicator_ = spinner(content);
    for (QComboBox *popUp : {workspacePopUpButton_.data(), schemePopUpButton_.data()}) {
        popUp->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        popUp->setMinimumContentsLength(24);
    }
    grid->addWidget(workspacePopUpButtonLabel_, 0, 0);
    grid->addWidget(workspacePopUpButton_, 0, 1);
    grid->addWidget(workspaceBrowseButton_, 0, 2);
    grid->addWidget(workspaceLoadingProgressIndicator_, 0, 3);
    grid->addWidget(schemeLabelField_, 1, 0);
    grid->addWidget(schemePopUpButton_, 1, 1);
    grid->addWidget(schemeLoadingProgressIndicator_, 1, 3);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();

    // The buttons are placed by hand: the cancel button's frame follows the save button's.
    auto *buttonBar = new QWidget(content);
    buttonBar->setFixedSize(kWindowWidth - 2 * kMargin, kButtonBarHeight);
    saveButton_ = new QPushButton(QStringLiteral("Save"), buttonBar);
    saveButton_->setDefault(true);
    cancelButton_ = new QPushButton(buttonBar);
    const int saveWidth = std::max(kSaveButtonMinimumWidth, saveButton_->sizeHint().width());
    const int buttonHeight = saveButton_->sizeHint().height();
    saveButton_->setGeometry(buttonBar->width() - saveWidth, (kButtonBarHeight - buttonHeight) / 2, saveWidth,
                             buttonHeight);
    layout->addWidget(buttonBar);

    connect(codeGeneratedCheckBox_, &QCheckBox::clicked, this, [this] { codeGeneratedCheckBoxChanged(); });
    connect(workspaceCheckBox_, &QCheckBox::clicked, this, [this] { workspaceCheckBoxChanged(); });
    connect(workspacePopUpButton_, &QComboBox::activated, this, [this] { workspacePopUpButtonChanged(); });
    connect(schemePopUpButton_, &QComboBox::activated, this, [this] { schemePopUpButtonChanged(); });
    connect(workspaceBrowseButton_, &QPushButton::clicked, this, [this] { browseOtherWorkspace(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelAndUseDefaultConfig(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveConfigurationAndDismiss(); });
}

void XAProjectConfigWizardWindowController::placeCancelButton() {
    const QRect save = saveButton_->geometry();
    const int width =
        wasInitializedWithBaseConfiguration_ ? save.width() : int(CancelButtonWidthWithoutBaseConfiguration);
    cancelButton_->setGeometry(save.x() - CancelButtonSpacing - width, save.y(), width, save.height());
}

void XAProjectConfigWizardWindowController::setInitialControlStates() {
    populateWorkspacesPopUpButtonWithCompletionHandler([this] { populateSchemesPopUpButtonForSelectedWorkspace(); });
    codeGeneratedCheckBox_->setChecked(defaultSelectionPerformFullBuild_);
    workspaceCheckBox_->setChecked(!defaultSelectionWorkspacePath_.empty());
    updateControlStates();
}

// ---- Control states ----

void XAProjectConfigWizardWindowController::updateControlStates() {
    const bool workspaceActive = workspaceCheckBox_->isChecked() && workspacesLoaded_;
    workspacePopUpButtonLabel_->setEnabled(workspaceActive);
    workspacePopUpButton_->setEnabled(workspaceActive);
    workspaceBrowseButton_->setEnabled(workspaceActive);
    const bool schemeActive = workspaceActive && selectedWorkspace() != nullptr;
    schemePopUpButton_->setEnabled(schemeActive);
    schemeLabelField_->setEnabled(schemeActive);
    validateFormAndUpdateSubmitButtonState();
}

void XAProjectConfigWizardWindowController::validateFormAndUpdateSubmitButtonState() {
    if (!workspaceCheckBox_->isChecked()) {
        saveButton_->setEnabled(true);
        return;
    }
    saveButton_->setEnabled(selectedWorkspace() != nullptr && selectedSchemeName().has_value());
}

std::shared_ptr<XAWorkspace> XAProjectConfigWizardWindowController::selectedWorkspace() const {
    if (!workspacePopUpButton_ || workspacePopUpButton_->currentIndex() < 0) {
        return nullptr;
    }
    const std::string path = workspacePopUpButton_->currentData(kWorkspaceRole).toString().toStdString();
    const auto found = workspacesByPath_.find(path);
    return found != workspacesByPath_.end() ? found->second : nullptr;
}

std::optional<std::string> XAProjectConfigWizardWindowController::selectedSchemeName() const {
    if (!schemePopUpButton_ || schemePopUpButton_->currentIndex() < 0) {
        return std::nullopt;
    }
    const QVariant name = schemePopUpButton_->currentData();
    return name.isValid() ? std::optional<std::string>(name.toString().toStdString()) : std::nullopt;
}

// ---- Actions ----

void XAProjectConfigWizardWindowController::codeGeneratedCheckBoxChanged() { updateControlStates(); }

void XAProjectConfigWizardWindowController::workspaceCheckBoxChanged() {
    updateControlStates();
    populateSchemesPopUpButtonForSelectedWorkspace();
}

void XAProjectConfigWizardWindowController::workspacePopUpButtonChanged() {
    updateControlStates();
    populateSchemesPopUpButtonForSelectedWorkspace();
}

void XAProjectConfigWizardWindowController::schemePopUpButtonChanged() { updateControlStates(); }

// ---- Workspaces ----

void XAProjectConfigWizardWindowController::addWorkspaceItem(const std::shared_ptr<XAWorkspace> &workspace, int index,
                                                             int tag) {
    const QString path = QString::fromStdString(workspace->xcworkspacePath());
    workspacesByPath_[workspace->xcworkspacePath()] = workspace;
    workspacePopUpButton_->insertItem(index, QString::fromStdString(workspace->workspaceName()), path);
    workspacePopUpButton_->setItemData(index, tag, kTagRole);
    workspacePopUpButton_->setItemData(index, path, Qt::ToolTipRole);
}

void XAProjectConfigWizardWindowController::updateUserSpecifiedWorkspaceInPopUpButton() {
    for (int index = workspacePopUpButton_->count() - 1; index >= 0; --index) {
        if (workspacePopUpButton_->itemData(index, kTagRole).toInt() == UserSpecifiedWorkspaceTag) {
            workspacePopUpButton_->removeItem(index);
        }
    }
    if (userSpecifiedWorkspace_) {
        addWorkspaceItem(userSpecifiedWorkspace_, 0, UserSpecifiedWorkspaceTag);
    }
}

void XAProjectConfigWizardWindowController::populateWorkspacesPopUpButtonWithCompletionHandler(
    std::function<void()> completion) {
    workspacePopUpButton_->clear();
    updateUserSpecifiedWorkspaceInPopUpButton();
    setSpinning(workspaceLoadingProgressIndicator_, true);
    std::weak_ptr<XAProjectConfigWizardWindowController> weak = weakSelf();
    std::shared_ptr<XAProject> project = project_;
    XADispatchToGlobal([weak, project, completion] {
        std::vector<std::shared_ptr<XAWorkspace>> kept;
        if (project) {
            for (std::shared_ptr<XAWorkspace> &workspace :
                 project->relatedWorkspacesWithProgress(XAProgressHandlerLoggingErrors())) {
                if (!pathHasProjectBundleComponent(workspace->xcworkspacePath())) {
                    kept.push_back(std::move(workspace));
                }
            }
        }
        XADispatchToMain([weak, kept, completion] {
            std::shared_ptr<XAProjectConfigWizardWindowController> self = weak.lock();
            if (self && self->hasControls()) {
                self->workspacesFound(kept, completion);
            }
        });
    });
}

void XAProjectConfigWizardWindowController::workspacesFound(const std::vector<std::shared_ptr<XAWorkspace>> &workspaces,
                                                            std::function<void()> completion) {
    workspacesLoaded_ = true;
    int selection = -1;
    for (const std::shared_ptr<XAWorkspace> &workspace : workspaces) {
        const int index = workspacePopUpButton_->count();
        addWorkspaceItem(workspace, index, 0);
        const bool pathMatches =
            xa_stringByStandardizingPath(workspace->xcworkspacePath()) == defaultSelectionWorkspacePath_;
        if (pathMatches || (project_ && workspace->workspaceName() == project_->projectName())) {
            selection = index;
        }
    }
    if (selection >= 0) {
        workspacePopUpButton_->setCurrentIndex(selection);
        if (workspaceCheckBox_->isChecked()) {
            populateSchemesPopUpButtonForSelectedWorkspace();
        }
    }
    updateControlStates();
    setSpinning(workspaceLoadingProgressIndicator_, false);
    if (completion) {
        completion();
    }
}

// ---- Schemes ----

void XAProjectConfigWizardWindowController::populateSchemesPopUpButtonForSelectedWorkspace() {
    schemePopUpButton_->clear();
    updateControlStates();
    std::shared_ptr<XAWorkspace> workspace = selectedWorkspace();
    if (!workspace) {
        return;
    }
    setSpinning(schemeLoadingProgressIndicator_, true);
    std::weak_ptr<XAProjectConfigWizardWindowController> weak = weakSelf();
    const auto known = schemeNamesByWorkspacePath_.find(workspace->xcworkspacePath());
    if (known != schemeNamesByWorkspacePath_.end() || !workspace->schemeNames().empty()) {
        const std::vector<std::string> names =
            known != schemeNamesByWorkspacePath_.end() ? known->second : workspace->schemeNames();
        XADispatchToMain([weak, workspace, names] {
            std::shared_ptr<XAProjectConfigWizardWindowController> self = weak.lock();
            if (self && self->hasControls()) {
                self->schemesListed(workspace, names);
            }
        });
        return;
    }
    std::shared_ptr<XAWorkspaceSchemeLister> lister = sharedSchemeLister();
    XADispatchToGlobal([weak, workspace, lister] {
        const std::string prefix = "Error gathering workspace '" + workspace->workspaceName() + "' scheme names: ";
        const std::vector<std::string> names = lister->schemeNamesOfWorkspace(*workspace, errorLogger(prefix));
        XADispatchToMain([weak, workspace, names] {
            std::shared_ptr<XAProjectConfigWizardWindowController> self = weak.lock();
            if (self && self->hasControls()) {
                self->schemesListed(workspace, names);
            }
        });
    });
}

void XAProjectConfigWizardWindowController::schemesListed(const std::shared_ptr<XAWorkspace> &workspace,
                                                          const std::vector<std::string> &schemeNames) {
    std::shared_ptr<XAWorkspace> selected = selectedWorkspace();
    if (!selected || selected->xcworkspacePath() != workspace->xcworkspacePath()) {
        return; // a newer listing is on its way and owns the spinner
    }
    if (!schemeNames.empty()) {
        schemeNamesByWorkspacePath_[workspace->xcworkspacePath()] = schemeNames;
    }
    schemePopUpButton_->clear();
    int selection = -1;
    for (const std::string &name : schemeNames) {
        schemePopUpButton_->addItem(QString::fromStdString(name), QString::fromStdString(name));
        if (name == defaultSelectionSchemeName_ || name == workspace->workspaceName()) {
            selection = schemePopUpButton_->count() - 1;
        }
    }
    if (selection >= 0) {
        schemePopUpButton_->setCurrentIndex(selection);
    }
    updateControlStates();
    setSpinning(schemeLoadingProgressIndicator_, false);
}

// ---- Browsing ----

void XAProjectConfigWizardWindowController::browseOtherWorkspace() {
    XAFilePanelRequest request;
    request.kind = XAFilePanelRequest::Kind::Open;
    request.title = QStringLiteral("Choose Workspace");
    request.message = QStringLiteral("Please select an Xcode workspace or project. In the case of the latter, the "
                                     "project’s default inner workspace will be automatically selected.");
    request.allowedExtensions = {QStringLiteral("xcodeproj"), QStringLiteral("xcworkspace")};
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.choosesBundles = true;
    request.canCreateDirectories = false;
    std::shared_ptr<XAFilePanel> panel = XAFilePanelFactory::shared().makePanel();
    std::weak_ptr<XAProjectConfigWizardWindowController> weak = weakSelf();
    panel->begin(request, nullptr, [weak, panel](const std::optional<std::string> &path) {
        std::shared_ptr<XAProjectConfigWizardWindowController> self = weak.lock();
        if (self && path) {
            self->browsedPathChosen(*path);
        }
    });
}

void XAProjectConfigWizardWindowController::browsedPathChosen(const std::string &chosenPath) {
    std::string path = xa_stringByStandardizingPath(chosenPath);
    if (xa_isEqualToStringLenient(xa_pathExtension(path), "xcodeproj")) {
        path = xa_stringByAppendingPathComponent(path, "project.xcworkspace");
    }
    for (int index = 0; index < workspacePopUpButton_->count(); ++index) {
        const std::string itemPath = workspacePopUpButton_->itemData(index, kWorkspaceRole).toString().toStdString();
        if (xa_stringByStandardizingPath(itemPath) == path) {
            workspacePopUpButton_->setCurrentIndex(index);
            workspacePopUpButtonChanged();
            return;
        }
    }
    std::weak_ptr<XAProjectConfigWizardWindowController> weak = weakSelf();
    XADispatchToGlobal([weak, path] {
        auto workspace = std::make_shared<XAWorkspace>(path);
        workspace->readWorkspaceDataWithProgress(errorLogger("Error reading workspace data: "));
        XADispatchToMain([weak, workspace] {
            std::shared_ptr<XAProjectConfigWizardWindowController> self = weak.lock();
            if (!self || !self->hasControls()) {
                return;
            }
            self->userSpecifiedWorkspace_ = workspace;
            self->updateUserSpecifiedWorkspaceInPopUpButton();
            self->workspacePopUpButton_->setCurrentIndex(0);
            self->workspacePopUpButtonChanged();
        });
    });
}

// ---- Answers ----

void XAProjectConfigWizardWindowController::modifyConfigurationBasedOnUserChoices(
    XAConfiguration &configuration) const {
    const XAConfigurationOption &fullBuild = *XAConfiguration::appOptionWithLongName(XAConfiguration::kFullBuild);
    if (codeGeneratedCheckBox_->isChecked()) {
        configuration.setValue(XAOptionValue(true), fullBuild);
    } else if (wasInitializedWithBaseConfiguration_) {
        configuration.setValue(XAOptionValue(false), fullBuild);
    }
    if (workspaceCheckBox_->isChecked()) {
        if (std::shared_ptr<XAWorkspace> workspace = selectedWorkspace()) {
            const std::string projectFolder = xa_stringByDeletingLastPathComponent(project_->xcodeprojPath());
            configuration.setValue(XAOptionValue(xa_relativePathFromPath(workspace->xcworkspacePath(), projectFolder)),
                                   *XAConfiguration::appOptionWithLongName(XAConfiguration::kWorkspace));
        }
        if (std::optional<std::string> scheme = selectedSchemeName()) {
            configuration.setValue(XAOptionValue(*scheme),
                                   *XAConfiguration::appOptionWithLongName(XAConfiguration::kScheme));
        }
    } else if (wasInitializedWithBaseConfiguration_) {
        XAConfiguration::OptionValues values = configuration.mainOptionValuesDictionary();
        values.erase(XAConfiguration::kWorkspace);
        values.erase(XAConfiguration::kScheme);
        configuration.applyMainOptionValuesFromDictionary(values);
    }
}
