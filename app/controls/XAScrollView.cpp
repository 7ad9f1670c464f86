#include "app/controls/XAScrollView.h"

#include "app/controls/XAQtConversions.h"
#include "app/controls/XAScroller.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Paints the scroll view's corner square when the scroll view has one to show.
class XAScrollViewCorner : public QWidget {
public:
    explicit XAScrollViewCorner(const XAScrollView *scrollView) : scrollView_(scrollView) {}

protected:
    void paintEvent(QPaintEvent *) override {
        if (scrollView_->cornerRect().isEmpty()) {
            return;
        }
        QPainter painter(this);
        painter.fillRect(rect(), XAQColor(XAColor::white(0.2)));
    }

private:
    const XAScrollView *scrollView_;
};

} // namespace

XAScrollView::XAScrollView(QWidget *parent)
    : QWidget(parent), verticalScroller_(new XAScroller(this)), horizontalScroller_(XAScroller::initHorizontal()) {
    horizontalScroller_->setParent(this);
    verticalScroller_->hide();
    horizontalScroller_->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void XAScrollView::setDocumentView(QWidget *view) {
    auto *area = qobject_cast<QAbstractScrollArea *>(view);
    if (!area) {
        auto *wrapper = new QScrollArea;
        wrapper->setWidgetResizable(true);
        wrapper->setWidget(view);
        area = wrapper;
    }
    area->setFrameShape(QFrame::NoFrame);
    area->setVerticalScrollBar(verticalScroller_);
    area->setHorizontalScrollBar(horizontalScroller_);
    corner_ = new XAScrollViewCorner(this);
    documentView_ = view;
    scrollArea_ = area;
    layout()->addWidget(area);
    applyScrollerPolicies();
}

void XAScrollView::setHasVerticalScroller(bool has) {
    hasVerticalScroller_ = has;
    applyScrollerPolicies();
}

void XAScrollView::setHasHorizontalScroller(bool has) {
    hasHorizontalScroller_ = has;
    applyScrollerPolicies();
}

void XAScrollView::setAutohidesScrollers(bool autohides) {
    autohidesScrollers_ = autohides;
    applyScrollerPolicies();
}

void XAScrollView::applyScrollerPolicies() {
    if (!scrollArea_) {
        return;
    }
    // Classic scrollers are always visible when wanted, unless they hide while there is nothing to scroll.
    const Qt::ScrollBarPolicy wanted = autohidesScrollers_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    scrollArea_->setVerticalScrollBarPolicy(hasVerticalScroller_ ? wanted : Qt::ScrollBarAlwaysOff);
    scrollArea_->setHorizontalScrollBarPolicy(hasHorizontalScroller_ ? wanted : Qt::ScrollBarAlwaysOff);
    // A corner widget would keep room free at the end of a lone scroller.
    scrollArea_->setCornerWidget(hasVerticalScroller_ && hasHorizontalScroller_ ? corner_ : nullptr);
}

QRect XAScrollView::cornerRect() const {
    if (!verticalScroller_ || !horizontalScroller_ || !verticalScroller_->isVisibleTo(this) ||
        !horizontalScroller_->isVisibleTo(this)) {
        return {};
    }
    const QPoint horizontalOrigin = horizontalScroller_->mapTo(this, QPoint(0, 0));
    const QPoint verticalOrigin = verticalScroller_->mapTo(this, QPoint(0, 0));
    return QRect(horizontalOrigin.x() + horizontalScroller_->width(), verticalOrigin.y() + verticalScroller_->height(),
                 verticalScroller_->width(), horizontalScroller_->height());
}
