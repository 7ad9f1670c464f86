#include "app/shell/XAWindow.h"

#include "app/shell/XANotificationCenter.h"

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

void XAWindow::closeEvent(QCloseEvent *event) {
    XANotificationCenter::defaultCenter().post({XAWindowWillCloseNotificationName, this, {}});
    QDialog::closeEvent(event);
}

void XAWindow::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        XANotificationCenter::defaultCenter().post({XAWindowDidBecomeMainNotificationName, this, {}});
    }
}
