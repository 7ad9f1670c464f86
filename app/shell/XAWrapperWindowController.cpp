#include "app/shell/XAWrapperWindowController.h"

#include "app/controls/XAButtons.h"
#include "app/shell/XAViewController.h"
#include "app/shell/XAWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

XAWrapperWindowController::XAWrapperWindowController(std::shared_ptr<XAViewController> viewController, QString title,
                                                     const QString &autosaveName)
    : viewController_(std::move(viewController)), title_(std::move(title)), autosaveName_(autosaveName) {}

void XAWrapperWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    window()->setFrameAutosaveName(autosaveName_);
    xa_adoptDarkWindowStyle();
    QWidget *content = window()->contentView();
    titleTextField_ = new QLabel(title_, content);
    QFont font = titleTextField_->font();
    font.setPointSize(15);
    titleTextField_->setFont(font);
    titleTextField_->setStyleSheet(QStringLiteral("color: rgb(230, 230, 230);"));
    // The dialog buttons in the grey style of the dark controls.
    auto *okButton = new XAButton(QStringLiteral("OK"), content);
    auto *cancelButton = new XAButton(QStringLiteral("Cancel"), content);
    for (XAButton *button : {okButton, cancelButton}) {
        button->cell().xa_setStyle(XAButtonStyleGray);
        button->setMinimumWidth(80);
    }
    okButton_ = okButton;
    cancelButton_ = cancelButton;
    connect(okButton_, &QPushButton::clicked, this, [this] { okPressed(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelPressed(); });
    addViewControllerViewToWindow(content);
}

void XAWrapperWindowController::addViewControllerViewToWindow(QWidget *content) {
    // The title in the top 65 points, the view edge to edge below it, 10 points above the buttons.
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->setSpacing(0);
    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(20, 0, 20, 0);
    titleRow->addWidget(titleTextField_);
    auto *titleArea = new QWidget(content);
    titleArea->setFixedHeight(65);
    titleArea->setLayout(titleRow);
    layout->addWidget(titleArea);
    if (viewController_) {
        layout->addWidget(viewController_->view(), 1);
    }
    layout->addSpacing(10);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 0, 20, 0);
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);
}
