#include "app/controls/XASidebarView.h"

#include "app/controls/XAQtConversions.h"
#include "app/controls/XASidebarButtonCell.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAViewController.h"

#include <QPainter>

namespace {

QImage XASidebarImageTinted(const XAImage &image, double white) {
    return XAQImage(xa_imageColorizedWithColor(image, XAColor::white(white)));
}

} // namespace

XASidebarView::XASidebarView(QWidget *parent) : QWidget(parent), backgroundColor_(XAQColor(XAColor::white(0.2))) {
    matrix_ = new QWidget(this);
    matrix_->setAutoFillBackground(true);
    QPalette palette = matrix_->palette();
    palette.setColor(QPalette::Window, backgroundColor_);
    matrix_->setPalette(palette);
    group_.setExclusive(true);
    setButtonHeight(70);
}

XASidebarView::~XASidebarView() {
    if (associatedTabView_ && associatedTabView_->delegate() == this) {
        associatedTabView_->setDelegate(nullptr);
    }
}

void XASidebarView::setAssociatedTabView(XATabView *tabView) {
    associatedTabView_ = tabView;
    if (tabView) {
        tabView->setDelegate(this);
        takeButtonsFromTabView(tabView);
    }
}

void XASidebarView::takeButtonsFromTabView(XATabView *tabView) {
    removeAllButtons();
    for (const auto &item : tabView->tabViewItems()) {
        const auto *imageItem = dynamic_cast<const XATabViewItem *>(item.get());
        addButtonWithTitle(item->label(), imageItem ? imageItem->sidebarImage() : std::nullopt, std::nullopt);
    }
    selectItemAtIndex(tabView->indexOfSelectedTabViewItem());
}

XASidebarButtonCell *XASidebarView::addButtonWithTitle(const QString &title, const std::optional<XAImage> &image,
                                                       const std::optional<XAImage> &alternateImage) {
    XASidebarButtonCell *cell = newButtonCell();
    cell->setText(title);
    if (!image) {
        return cell;
    }
    cell->setImage(image->isTemplate() ? XASidebarImageTinted(*image, 0.8) : XAQImage(*image));
    if (alternateImage) {
        cell->setAlternateImage(XAQImage(*alternateImage));
    } else if (image->isTemplate()) {
        cell->setAlternateImage(XASidebarImageTinted(*image, 0.5));
    }
    return cell;
}

XASidebarButtonCell *XASidebarView::newButtonCell() {
    auto *cell = new XASidebarButtonCell(matrix_);
    group_.addButton(cell);
    connect(cell, &QAbstractButton::clicked, this, [this] { buttonCellClicked(); });
    buttons_.push_back(cell);
    cell->show();
    layoutMatrix();
    return cell;
}

void XASidebarView::removeAllButtons() {
    for (XASidebarButtonCell *cell : buttons_) {
        group_.removeButton(cell);
        delete cell;
    }
    buttons_.clear();
    layoutMatrix();
}

void XASidebarView::buttonCellClicked() {
    if (associatedTabView_) {
        associatedTabView_->selectTabViewItemAtIndex(indexOfSelectedItem());
    }
}

int XASidebarView::indexOfSelectedItem() const {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        if (buttons_[index]->isChecked()) {
            return int(index);
        }
    }
    return -1;
}

void XASidebarView::selectItemAtIndex(int index) {
    if (index >= 0 && std::size_t(index) < buttons_.size()) {
        buttons_[std::size_t(index)]->setChecked(true);
    }
}

void XASidebarView::setBadge(const std::optional<QString> &text, std::int64_t type, std::size_t index) {
    if (index < buttons_.size()) {
        buttons_[index]->xa_setBadgeText(text, type);
    }
    update();
}

void XASidebarView::setButtonHeight(double height) {
    buttonHeight_ = height;
    layoutMatrix();
}

void XASidebarView::layoutMatrix() {
    // The buttons stack from the top and take the sidebar's width as it is laid out now.
    const int height = int(buttonHeight_);
    matrix_->setGeometry(0, 0, width(), height * int(buttons_.size()));
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        buttons_[index]->setGeometry(0, int(index) * height, width(), height);
    }
}

void XASidebarView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor_);
}

void XASidebarView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layoutMatrix();
}

void XASidebarView::tabViewDidChangeNumberOfTabViewItems(XATabView *tabView) { takeButtonsFromTabView(tabView); }

void XASidebarView::tabViewWillSelectTabViewItem(XATabView *tabView, XABasicTabViewItem *item) {
    const auto &items = tabView->tabViewItems();
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].get() == item) {
            selectItemAtIndex(int(index));
        }
    }
}

void XASidebarView::tabViewDidSelectTabViewItem(XATabView *, XABasicTabViewItem *item) {
    XANotificationCenter::defaultCenter().post({XASidebarViewShownNotificationName, item->view(), {}});
}
