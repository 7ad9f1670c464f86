#pragma once

// Resize-following: a widget that keeps the full size of its parent, or stays centred in it, whenever the parent
// is resized (Qt's stand-in for autoresizing masks).

class QWidget;

// Flexible margins on all four sides (mask 45): the widget stays centred.
void xa_keepCenteredInSuperview(QWidget *view);
// Flexible width and height (mask 18): the widget fills its parent.
void xa_keepFullSizeOfSuperview(QWidget *view);
// Fills the parent now, when there is one, and keeps filling it.
void xa_makeAndKeepFullSizeOfSuperview(QWidget *view);
// The mask the widget follows (0 when none).
unsigned xa_autoresizingMask(const QWidget *view);
