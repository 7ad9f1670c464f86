#include "app/controls/XASplitView.h"

#include <QPainter>

namespace {

// Fills its divider with the split view's divider colour.
class XASplitViewHandle : public QSplitterHandle {
public:
    XASplitViewHandle(Qt::Orientation orientation, XASplitView *splitView)
        : QSplitterHandle(orientation, splitView), splitView_(splitView) {}

protected:
    void paintEvent(QPaintEvent *) override {
        // A thin handle keeps a wider grab area as margins; the divider is the contents only.
        QPainter painter(this);
        painter.fillRect(contentsRect(), splitView_->xa_dividerColor());
    }

private:
    XASplitView *splitView_;
};

} // namespace

XASplitView::XASplitView(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent), dividerColor_(QColor::fromRgbF(0, 0, 0)) {
    setHandleWidth(1);
}

void XASplitView::setXa_dividerColor(const QColor &color) {
    dividerColor_ = color;
    for (int index = 0; index < count(); ++index) {
        handle(index)->update();
    }
}

QSplitterHandle *XASplitView::createHandle() { return new XASplitViewHandle(orientation(), this); }
