#pragma once

// Small additions to Qt's widgets that the windows share.

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

// The tag that finds a view's placeholder label.
inline constexpr int XAPlaceholderLabelTag = 814301639;

// Moves the window so that its frame is centred on the other window's frame; with none, on an all-zero frame.
void xa_centerOnWindow(QWidget *window, const QWidget *other);

// Shows a centred grey label over the view, reusing the one already there; returns it.
QLabel *xa_addPlaceholderLabelWithText(QWidget *view, const std::optional<QString> &text);
// The view's placeholder label, or none.
QLabel *xa_placeholderLabel(const QWidget *view);
void xa_clearPlaceholderLabel(QWidget *view);

// The label's text in the colour (the label's own text colour when none) with a shadow of offset (0, 2) downwards,
// blur radius 0.5 and the shadow colour.
void xa_setTitle(QLabel *label, const std::optional<QString> &title, const std::optional<QColor> &color,
                 const QColor &shadowColor);

// Whether the widget has keyboard focus: it is the focus widget, no window-modal dialog sits on its window, and its
// window is the active one or the front-most modal dialog.
bool xa_isFocused(const QWidget *view);
// Raises the child widget above its siblings.
void xa_bringSubviewToFront(QWidget *view, QWidget *subview);
// Visits all descendant widgets breadth-first (direct children first, in order; the view itself is not visited);
// setting the stop flag ends the walk at once.
void xa_recurseSubviewsWithBlock(const QWidget *view, const std::function<void(QWidget *subview, bool &stop)> &block);
// The direct child widget at the index, or none when the index is not below their number.
QWidget *xa_subviewAtIndex(const QWidget *view, qsizetype index);
// Deletes every direct child widget.
void xa_removeAllSubviews(QWidget *view);
// Puts the new widget in the place of the first child widget (deleting that one), or adds it when there is none.
void xa_replaceFirstSubviewWithView(QWidget *view, QWidget *replacement);
// Fades the widget in (shown) or out (hidden at the end) over the duration.
void xa_fadeInWithDuration(QWidget *view, double seconds);
void xa_fadeOutWithDuration(QWidget *view, double seconds);
