#include "app/config/XAPreferencesWindowController.h"

#include "app/shell/XAWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

XAPreferencesWindowController::XAPreferencesWindowController() {
    panes_.push_back(std::make_unique<XAGeneralPrefsViewController>());
    panes_.push_back(std::make_unique<XAIntegrationsViewController>());
    panes_.push_back(std::make_unique<XASparklePrefsViewController>());
}

XAPreferencesWindowController::~XAPreferencesWindowController() = default;

void XAPreferencesWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    window()->setWindowTitle(QStringLiteral("Preferences"));
    auto *content = new QWidget(window());
    toolbar_ = new QToolBar(content);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    stack_ = new QStackedWidget(content);
    auto *group = new QActionGroup(content);
    for (const std::unique_ptr<XAPreferencesPane> &pane : panes_) {
        QAction *item = toolbar_->addAction(pane->toolbarItemImage(), pane->toolbarItemLabel());
        item->setCheckable(true);
        item->setData(pane->identifier());
        group->addAction(item);
        stack_->addWidget(pane->view());
        XAPreferencesPane *selectedPane = pane.get();
        QObject::connect(item, &QAction::triggered, this, [this, selectedPane] { select(selectedPane); });
    }
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbar_);
    layout->addWidget(stack_, 1);
    window()->setContentView(content);
    // Every pane in full.
    window()->resize(window()->sizeHint().expandedTo(QSize(480, 220)));
}

void XAPreferencesWindowController::showWindow(const void *sender) {
    if (!selected_) {
        select(panes_.front().get());
    } else {
        selected_->viewWillAppear(); // values changed elsewhere show up
    }
    XAWindowController::showWindow(sender);
}

void XAPreferencesWindowController::selectControllerWithIdentifier(const QString &identifier) {
    for (const std::unique_ptr<XAPreferencesPane> &pane : panes_) {
        if (pane->identifier() == identifier) {
            select(pane.get());
        }
    }
}

void XAPreferencesWindowController::select(XAPreferencesPane *pane) {
    window();
    if (selected_ == pane) {
        return;
    }
    if (selected_) {
        selected_->viewDidDisappear();
    }
    pane->viewWillAppear();
    stack_->setCurrentWidget(pane->view());
    for (QAction *item : toolbar_->actions()) {
        item->setChecked(item->data().toString() == pane->identifier());
    }
    selected_ = pane;
}
