#include "app/shell/XAWrapperWindowController.h"

#include "app/controls/XAButtons.h"
#include "app/shell/XAViewController.h"
#include "app/shell/XAWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTitleAreaHeight = 65;
constexpr int kViewToButtonsSpacing = 10;
constexpr int kBottomMargin = 12;

} // namespace

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
    resizeToFitContent();
}

void XAWrapperWindowController::resizeToFitContent() {
    // The title area, the view at the size it asks for, the gap and the button row with its bottom margin.
    constexpr int kMinimumWidth = 420;
    const QSize view = viewController_ ? viewController_->preferredContentSize().expandedTo({0, 0}) : QSize();
    const int buttons = std::max(okButton_->sizeHint().height(), cancelButton_->sizeHint().height());
    window()->resize(std::max(kMinimumWidth, view.width()),
                     kTitleAreaHeight + view.height() + kViewToButtonsSpacing + buttons + kBottomMargin);
}

void XAWrapperWindowController::addViewControllerViewToWindow(QWidget *content) {
    // The title in the top 65 points, the view edge to edge below it, 10 points above the buttons.
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, kBottomMargin);
    layout->setSpacing(0);
    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(20, 0, 20, 0);
    titleRow->addWidget(titleTextField_);
    auto *titleArea = new QWidget(content);
    titleArea->setFixedHeight(kTitleAreaHeight);
    titleArea->setLayout(titleRow);
    layout->addWidget(titleArea);
    if (viewController_) {
        layout->addWidget(viewController_->view(), 1);
    }
    layout->addSpacing(kViewToButtonsSpacing);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 0, 20, 0);
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);
}
