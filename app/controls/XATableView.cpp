#include "app/controls/XATableView.h"

#include "app/controls/XAButtonCell.h"
#include "app/controls/XAQtConversions.h"
#include "app/controls/XAScroller.h"
#include "app/controls/XATableHeaderView.h"
#include "app/controls/XAViewExtensions.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>

namespace {

QColor rgb255(int red, int green, int blue) { return QColor::fromRgbF(red / 255.0, green / 255.0, blue / 255.0); }

} // namespace

XATableView::XATableView(QWidget *parent) : QTableView(parent) {
    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // The table paints the selection itself; cells must not paint it again.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, Qt::transparent);
    palette.setColor(QPalette::HighlightedText, XAWhite(1.0));
    setPalette(palette);
    updateStyleIvars();
}

void XATableView::xa_setStyle(qint64 style) {
    style_ = style;
    updateStyleIvars();
}

void XATableView::updateStyleIvars() {
    if (style_ == 1 || style_ == 2) {
        const bool dark = style_ == 2;
        QPalette palette = this->palette();
        palette.setColor(QPalette::Base, dark ? xa_darkContentBackgroundColor() : XAWhite(1.0));
        palette.setColor(QPalette::Text, dark ? XAWhite(0.8) : XAWhite(0.0));
        setPalette(palette);
        if (dark) {
            selectedFocused_ = {rgb255(34, 75, 140), rgb255(24, 53, 99)};
            selectedUnfocused_ = {XAWhite(0.3), XAWhite(0.2)};
            groupRow_ = XAGradientColors{XAWhite(0.5), XAWhite(0.3)};
            selectedGroupRow_ = XAGradientColors{XAWhite(0.6), XAWhite(0.4)};
        } else {
            selectedFocused_ = {rgb255(52, 113, 212), rgb255(36, 79, 150)};
            selectedUnfocused_ = {XAWhite(0.7), XAWhite(0.65)};
            groupRow_.reset();
            selectedGroupRow_.reset();
        }
        updateScrollerKnobStyle();
    }
    viewport()->update();
}

void XATableView::updateScrollerKnobStyle() {
    const auto knobStyle = style_ == 2 ? XAScrollerKnobStyle::Light : XAScrollerKnobStyle::Dark;
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()}) {
        if (auto *scroller = dynamic_cast<XAScroller *>(bar)) {
            scroller->setKnobStyle(knobStyle);
        }
    }
}

bool XATableView::event(QEvent *event) {
    // A scroll view gives the table its scrollers before taking it in; they take the table's knob style then.
    if (event->type() == QEvent::ParentChange && (style_ == 1 || style_ == 2)) {
        updateScrollerKnobStyle();
    }
    return QTableView::event(event);
}

void XATableView::xa_useHeaderCellClass() { setHorizontalHeader(new XATableHeaderView(Qt::Horizontal, this)); }

std::optional<XAGradientColors> XATableView::backgroundOfRow(int row, bool focused) const {
    const bool selected = selectionModel() && selectionModel()->isRowSelected(row, rootIndex());
    if (xa_rowIsGroupRow(row)) {
        // Group rows show their own gradients only, and only where the style has them.
        if (!groupRow_) {
            return std::nullopt;
        }
        return selected ? selectedGroupRow_ : groupRow_;
    }
    if (!selected) {
        return std::nullopt;
    }
    return focused ? selectedFocused_ : selectedUnfocused_;
}

void XATableView::paintEvent(QPaintEvent *event) {
    if (model()) {
        QPainter painter(viewport());
        const bool focused = xa_isFocused(this);
        const int first = std::max(0, rowAt(event->rect().top()));
        int last = rowAt(event->rect().bottom());
        last = last < 0 ? model()->rowCount(rootIndex()) - 1 : last;
        for (int row = first; row <= last; ++row) {
            if (const auto gradient = backgroundOfRow(row, focused)) {
                const QRectF rect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
                painter.fillRect(rect, XAVerticalGradient(rect, gradient->top, gradient->bottom));
            }
        }
    }
    QTableView::paintEvent(event);
}
