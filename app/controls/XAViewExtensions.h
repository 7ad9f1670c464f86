#pragma once

// Small additions to Qt's widgets that the windows share.

#include <QColor>
#include <QString>

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
