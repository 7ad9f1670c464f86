#pragma once

// A tab view whose tabs are not shown: a stack of pages, each a tab view item with a label and a view, that shows
// one page at a time. A delegate hears when items are added or removed and before and after each selection; the
// sidebar is such a delegate and draws the buttons that switch the pages.

#include "core/XAImage.h"

#include <QPointer>
#include <QStackedWidget>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class XATabView;

// One page: its label and its view (which the tab view shows and owns); without a view it gets an empty one.
class XABasicTabViewItem {
public:
    XABasicTabViewItem(QString label, QWidget *view) : label_(std::move(label)), view_(view ? view : new QWidget) {}
    virtual ~XABasicTabViewItem() = default;

    const QString &label() const { return label_; }
    void setLabel(const QString &label) { label_ = label; }
    QWidget *view() const { return view_; }

private:
    QString label_;
    QPointer<QWidget> view_;
};

// A page that carries the image of its sidebar button.
class XATabViewItem : public XABasicTabViewItem {
public:
    using XABasicTabViewItem::XABasicTabViewItem;

    const std::optional<XAImage> &sidebarImage() const { return sidebarImage_; }
    void setSidebarImage(std::optional<XAImage> image) { sidebarImage_ = std::move(image); }

private:
    std::optional<XAImage> sidebarImage_;
};

class XATabViewDelegate {
public:
    virtual ~XATabViewDelegate() = default;
    virtual void tabViewDidChangeNumberOfTabViewItems(XATabView *tabView) = 0;
    virtual void tabViewWillSelectTabViewItem(XATabView *tabView, XABasicTabViewItem *item) = 0;
    virtual void tabViewDidSelectTabViewItem(XATabView *tabView, XABasicTabViewItem *item) = 0;
};

class XATabView : public QStackedWidget {
public:
    explicit XATabView(QWidget *parent = nullptr);
    ~XATabView() override;

    // Adds the page at the end (or at the index); the first page becomes the selected one.
    void addTabViewItem(std::unique_ptr<XABasicTabViewItem> item);
    void insertTabViewItem(std::unique_ptr<XABasicTabViewItem> item, int index);
    // Removes the page and deletes its view; another page becomes selected when it was the selected one.
    void removeTabViewItemAtIndex(int index);

    const std::vector<std::unique_ptr<XABasicTabViewItem>> &tabViewItems() const { return items_; }
    int numberOfTabViewItems() const { return int(items_.size()); }
    XABasicTabViewItem *tabViewItemAtIndex(int index) const;
    // The index of the selected page; -1 without pages.
    int indexOfSelectedTabViewItem() const { return currentIndex(); }
    XABasicTabViewItem *selectedTabViewItem() const { return tabViewItemAtIndex(currentIndex()); }
    // Selects the page, telling the delegate before and after; the selected page or an index out of range does
    // nothing.
    void selectTabViewItemAtIndex(int index);

    XATabViewDelegate *delegate() const { return delegate_; }
    void setDelegate(XATabViewDelegate *delegate) { delegate_ = delegate; }

private:
    void didChangeNumberOfItems();

    std::vector<std::unique_ptr<XABasicTabViewItem>> items_;
    XATabViewDelegate *delegate_ = nullptr;
};
