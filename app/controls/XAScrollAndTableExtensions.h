#pragma once

// Questions to scroll areas and tables, and emptying a tab widget.

class QAbstractScrollArea;
class QTabWidget;
class QTableView;

// The vertical scroll position, as a share of its range, within 0.001 of the top or the bottom.
bool xa_isScrolledToTop(const QAbstractScrollArea *scrollView);
bool xa_isScrolledToBottom(const QAbstractScrollArea *scrollView);
// Whether the content is taller (wider) than what the scroll area shows.
bool xa_hasEnoughContentToScrollVertically(const QAbstractScrollArea *scrollView);
bool xa_hasEnoughContentToScrollHorizontally(const QAbstractScrollArea *scrollView);

// How a table sizes its rows: by the platform's default height, or row by row (from the delegate's size hints or
// heights set on the vertical header).
enum class XATableRowSizeStyle { Default, Custom };
void xa_setRowSizeStyle(QTableView *table, XATableRowSizeStyle style);
XATableRowSizeStyle xa_rowSizeStyle(const QTableView *table);
// The vertical space between rows, in points (0 unless set).
void xa_setIntercellSpacingHeight(QTableView *table, double height);
double xa_intercellSpacingHeight(const QTableView *table);

// The row's height with custom row sizes, else 0.
double xa_heightOfRow(const QTableView *table, int row);
// The heights of all rows of the model plus one spacing per row; 0 without rows.
double xa_totalHeightOfAllRows(const QTableView *table);
// The rows' total plus the height of the visible header.
double xa_totalContentHeight(const QTableView *table);

// Removes the last tab until none is left.
void xa_removeAllTabViewItems(QTabWidget *tabView);
