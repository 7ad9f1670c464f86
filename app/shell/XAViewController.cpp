#include "app/shell/XAViewController.h"

#include "app/shell/XANotificationCenter.h"

#include <QWidget>

XAViewController::XAViewController() = default;

XAViewController::~XAViewController() {
    if (sidebarObservation_) {
        XANotificationCenter::defaultCenter().removeObserver(sidebarObservation_);
    }
    if (view_ && !view_->parent()) {
        delete view_.data();
    }
}

QWidget *XAViewController::view() {
    if (!view_) {
        view_ = loadView();
        sidebarObservation_ = XANotificationCenter::defaultCenter().addObserver(
            XASidebarViewShownNotificationName, view_.data(),
            [this](const XANotification &notification) { xa_sidebarDidShowView(notification); });
    }
    return view_;
}

QSize XAViewController::preferredContentSize() { return view()->sizeHint(); }

void XAViewController::xa_sidebarDidShowView(const XANotification &) {}

QWidget *XAViewController::loadView() { return new QWidget; }
