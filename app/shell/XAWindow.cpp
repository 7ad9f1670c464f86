#include "app/shell/XAWindow.h"

#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAWindowController.h"

#include <QCloseEvent>
#include <QEvent>
#include <QStackedLayout>

XAWindow::XAWindow(XAWindowController *controller, QWidget *parent)
    : QDialog(parent), controller_(controller), contentLayout_(new QStackedLayout(this)) {
    contentLayout_->setContentsMargins(0, 0, 0, 0);
    setContentView(new QWidget(this));
}

QWidget *XAWindow::contentView() const { return contentLayout_->currentWidget(); }

void XAWindow::setContentView(QWidget *view) {
    if (contentLayout_->indexOf(view) < 0) {
        contentLayout_->addWidget(view);
    }
    contentLayout_->setCurrentWidget(view);
}

void XAWindow::reject() {
    if (!closing_ && controller_ && !controller_->windowShouldClose()) {
        return;
    }
    QDialog::reject();
}

void XAWindow::closeEvent(QCloseEvent *event) {
    if (controller_ && event->spontaneous() && !controller_->windowShouldClose()) {
        event->ignore();
        return;
    }
    XANotificationCenter::defaultCenter().post({XAWindowWillCloseNotificationName, this, {}});
    // The dialog's own close goes through reject(), which must not ask again.
    closing_ = true;
    QDialog::closeEvent(event);
    closing_ = false;
}

void XAWindow::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        XANotificationCenter::defaultCenter().post({XAWindowDidBecomeMainNotificationName, this, {}});
    }
}
