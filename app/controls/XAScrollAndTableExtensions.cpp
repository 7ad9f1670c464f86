#include "app/controls/XAScrollAndTableExtensions.h"

#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include <cmath>

namespace {

constexpr char kRowSizeStyleProperty[] = "xa_rowSizeStyle";
constexpr char kSpacingProperty[] = "xa_intercellSpacingHeight";
constexpr double kScrollTolerance = 0.001;

// The scroll bar's position as a share of its range: 0 at the top, 1 at the bottom; 0 when it cannot move.
double verticalScrollShare(const QAbstractScrollArea *scrollView) {
    const QScrollBar *bar = scrollView->verticalScrollBar();
    const int range = bar->maximum() - bar->minimum();
    return range > 0 ? double(bar->value() - bar->minimum()) / range : 0.0;
}

} // namespace

bool xa_isScrolledToTop(const QAbstractScrollArea *scrollView) {
    return std::fabs(verticalScrollShare(scrollView)) < kScrollTolerance;
}

bool xa_isScrolledToBottom(const QAbstractScrollArea *scrollView) {
    return std::fabs(verticalScrollShare(scrollView) - 1.0) < kScrollTolerance;
}

bool xa_hasEnoughContentToScrollVertically(const QAbstractScrollArea *scrollView) {
    return scrollView->verticalScrollBar()->maximum() > scrollView->verticalScrollBar()->minimum();
}

bool xa_hasEnoughContentToScrollHorizontally(const QAbstractScrollArea *scrollView) {
    return scrollView->horizontalScrollBar()->maximum() > scrollView->horizontalScrollBar()->minimum();
}

void xa_setRowSizeStyle(QTableView *table, XATableRowSizeStyle style) {
    table->setProperty(kRowSizeStyleProperty, static_cast<int>(style));
}

XATableRowSizeStyle xa_rowSizeStyle(const QTableView *table) {
    return static_cast<XATableRowSizeStyle>(table->property(kRowSizeStyleProperty).toInt());
}

void xa_setIntercellSpacingHeight(QTableView *table, double height) { table->setProperty(kSpacingProperty, height); }

double xa_intercellSpacingHeight(const QTableView *table) { return table->property(kSpacingProperty).toDouble(); }

double xa_heightOfRow(const QTableView *table, int row) {
    if (xa_rowSizeStyle(table) != XATableRowSizeStyle::Custom) {
        return 0.0;
    }
    return table->verticalHeader()->sectionSize(row);
}

double xa_totalHeightOfAllRows(const QTableView *table) {
    const int rows = table->model() ? table->model()->rowCount() : 0;
    double total = 0.0;
    for (int row = 0; row < rows; ++row) {
        total += xa_heightOfRow(table, row) + xa_intercellSpacingHeight(table);
    }
    return total;
}

double xa_totalContentHeight(const QTableView *table) {
    const QHeaderView *header = table->horizontalHeader();
    const double headerHeight = header && !header->isHidden() ? header->sizeHint().height() : 0.0;
    return xa_totalHeightOfAllRows(table) + headerHeight;
}

void xa_removeAllTabViewItems(QTabWidget *tabView) {
    while (tabView->count() > 0) {
        tabView->removeTab(tabView->count() - 1);
    }
}
