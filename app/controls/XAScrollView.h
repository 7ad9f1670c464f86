#pragma once

// A scroll view with the application's scrollers in both directions and a painted corner between them. Its document
// view is a scrolling widget (a text view, a table) that takes the scrollers as its own, or any other widget, which
// the scroll view then puts into a scroll area of its own.

#include <QAbstractScrollArea>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "app/controls/XAScroller.h"

class XAScrollView : public QWidget {
public:
    explicit XAScrollView(QWidget *parent = nullptr);

    void setDocumentView(QWidget *view);
    QWidget *documentView() const { return documentView_; }
    // The scrolling widget that shows the document view.
    QAbstractScrollArea *scrollArea() const { return scrollArea_; }

    XAScroller *verticalScroller() const { return verticalScroller_; }
    XAScroller *horizontalScroller() const { return horizontalScroller_; }
    // A scroller that is not wanted is hidden; the scroll view has both by default.
    void setHasVerticalScroller(bool has);
    void setHasHorizontalScroller(bool has);
    bool hasVerticalScroller() const { return hasVerticalScroller_; }
    bool hasHorizontalScroller() const { return hasHorizontalScroller_; }
    // A wanted scroller that hides itself while the document fits (off by default: wanted scrollers always show).
    void setAutohidesScrollers(bool autohides);
    bool autohidesScrollers() const { return autohidesScrollers_; }

    // The square between the two scrollers, in this view's coordinates; empty unless both are shown.
    QRect cornerRect() const;

private:
    void applyScrollerPolicies();

    QPointer<QWidget> documentView_;
    QPointer<QAbstractScrollArea> scrollArea_;
    QPointer<XAScroller> verticalScroller_;
    QPointer<XAScroller> horizontalScroller_;
    QWidget *corner_ = nullptr;
    bool hasVerticalScroller_ = true;
    bool hasHorizontalScroller_ = true;
    bool autohidesScrollers_ = false;
};
