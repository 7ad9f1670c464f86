#include "app/controls/XATabView.h"

#include <algorithm>

XATabView::XATabView(QWidget *parent) : QStackedWidget(parent) {}

XATabView::~XATabView() { delegate_ = nullptr; }

void XATabView::addTabViewItem(std::unique_ptr<XABasicTabViewItem> item) {
    insertTabViewItem(std::move(item), numberOfTabViewItems());
}

void XATabView::insertTabViewItem(std::unique_ptr<XABasicTabViewItem> item, int index) {
    index = std::clamp(index, 0, numberOfTabViewItems());
    QWidget *view = item->view();
    items_.insert(items_.begin() + index, std::move(item));
    insertWidget(index, view);
    didChangeNumberOfItems();
}

void XATabView::removeTabViewItemAtIndex(int index) {
    if (index < 0 || index >= numberOfTabViewItems()) {
        return;
    }
    QWidget *view = widget(index);
    removeWidget(view);
    delete view;
    items_.erase(items_.begin() + index);
    didChangeNumberOfItems();
}

XABasicTabViewItem *XATabView::tabViewItemAtIndex(int index) const {
    if (index < 0 || index >= numberOfTabViewItems()) {
        return nullptr;
    }
    return items_[std::size_t(index)].get();
}

void XATabView::selectTabViewItemAtIndex(int index) {
    XABasicTabViewItem *item = tabViewItemAtIndex(index);
    if (!item || index == currentIndex()) {
        return;
    }
    if (delegate_) {
        delegate_->tabViewWillSelectTabViewItem(this, item);
    }
    setCurrentIndex(index);
    if (delegate_) {
        delegate_->tabViewDidSelectTabViewItem(this, item);
    }
}

void XATabView::didChangeNumberOfItems() {
    if (delegate_) {
        delegate_->tabViewDidChangeNumberOfTabViewItems(this);
    }
}
