// The project window's content: the sidebar and the pages on the left and below, the project's icon, name and
// organisation, the target and build-configuration pop-ups, the rule count with its buttons, and the progress bar
// that takes the place of the pop-ups' label while a check runs, next to the run button.

#include "app/controls/XAButtons.h"
#include "app/controls/XAElidingLabel.h"
#include "app/controls/XAProgressIndicator.h"
#include "app/controls/XASidebarView.h"
#include "app/controls/XATabView.h"
#include "app/project/XAProjectWindowController.h"
#include "app/project/XAViewAlpha.h"
#include "app/shell/XAWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

void XAProjectWindowController::buildContentView() {
    XAWindow *ownWindow = window();
    ownWindow->resize(1120, 700);
    // The narrowest width is the header's: its buttons keep their titles, and the project's names give way.
    ownWindow->setMinimumHeight(480);
    auto *content = new QWidget(ownWindow);
    auto *layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    sidebarView_ = new XASidebarView(content);
    sidebarView_->setFixedWidth(96);
    layout->addWidget(sidebarView_);
    auto *main = new QWidget(content);
    auto *mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    mainLayout->addWidget(buildHeaderView(main));
    tabView_ = new XATabView(main);
    mainLayout->addWidget(tabView_, 1);
    layout->addWidget(main, 1);
    ownWindow->setContentView(content);
}

QWidget *XAProjectWindowController::buildHeaderView(QWidget *parent) {
    auto *header = new QWidget(parent);
    header->setFixedHeight(92);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(12);

    projectIconImageView_ = new QLabel(header);
    projectIconImageView_->setFixedSize(64, 64);
    projectIconImageView_->setAlignment(Qt::AlignCenter);
    layout->addWidget(projectIconImageView_);

    auto *names = new QVBoxLayout;
    projectNameField_ = new XAElidingLabel(header);
    QFont nameFont = projectNameField_->font();
    nameFont.setPointSize(18);
    nameFont.setBold(true);
    projectNameField_->setFont(nameFont);
    projectOrgNameField_ = new XAElidingLabel(header);
    names->addStretch();
    names->addWidget(projectNameField_);
    names->addWidget(projectOrgNameField_);
    names->addStretch();
    layout->addLayout(names, 1);

    auto *controls = new QGridLayout;
    controls->setVerticalSpacing(4);
    targetPopUpButton_ = new XAPopUpButton(header);
    targetPopUpButton_->setMinimumWidth(150);
    buildConfigPopUpButton_ = new XAPopUpButton(header);
    buildConfigPopUpButton_->setMinimumWidth(100);
    connect(targetPopUpButton_, &QComboBox::currentIndexChanged, this, [this] { targetPopUpButtonValueChanged(); });
    connect(buildConfigPopUpButton_, &QComboBox::currentIndexChanged, this,
            [this] { buildConfigPopUpButtonValueChanged(); });
    controls->addWidget(targetPopUpButton_, 0, 0);
    controls->addWidget(buildConfigPopUpButton_, 0, 1);

    // The label and the progress bar take turns in the same cell.
    targetAndBuildConfigLabelField_ = new QLabel(QStringLiteral("Target and build configuration"), header);
    checkingProgressBar_ = new XAProgressIndicator(header);
    checkingProgressBar_->setFixedHeight(14);
    xa_setAlphaValue(checkingProgressBar_, 0.0);
    controls->addWidget(targetAndBuildConfigLabelField_, 1, 0, 1, 2);
    controls->addWidget(checkingProgressBar_, 1, 0, 1, 2);

    auto *rules = new QHBoxLayout;
    ruleSelectionField_ = new QLabel(header);
    ruleSelectButton_ = new XAButton(QStringLiteral("Select…"), header);
    configureButton_ = new XAButton(QStringLiteral("Configure…"), header);
    for (QLabel *label : {ruleSelectionField_.data(), targetAndBuildConfigLabelField_.data()}) {
        label->setStyleSheet(QStringLiteral("color: rgb(190, 190, 190);"));
    }
    rules->addWidget(ruleSelectionField_);
    rules->addWidget(ruleSelectButton_);
    rules->addWidget(configureButton_);
    controls->addLayout(rules, 0, 2);
    runButton_ = new XAButton(QStringLiteral("Start checking"), header);
    connect(runButton_, &QPushButton::clicked, this, [this] { runButtonPressed(); });
    controls->addWidget(runButton_, 1, 2);
    layout->addLayout(controls);
    return header;
}
