#include "app/controls/XAViewLayout.h"

#include "app/controls/XAViewDebugging.h"

#include <QEvent>
#include <QWidget>

namespace {

constexpr char kMaskProperty[] = "xa_autoresizingMask";
constexpr unsigned kCenteredMask = XAViewMinXMargin | XAViewMaxXMargin | XAViewMinYMargin | XAViewMaxYMargin;
constexpr unsigned kFullSizeMask = XAViewWidthSizable | XAViewHeightSizable;

void followMask(QWidget *view) {
    QWidget *parent = view->parentWidget();
    if (!parent) {
        return;
    }
    const unsigned mask = xa_autoresizingMask(view);
    if (mask == kFullSizeMask) {
        view->setGeometry(parent->rect());
    } else if (mask == kCenteredMask) {
        view->move((parent->width() - view->width()) / 2, (parent->height() - view->height()) / 2);
    }
}

// Lives on the followed widget and watches its parent's resizes (and a change of parent).
class XAResizeFollower : public QObject {
public:
    explicit XAResizeFollower(QWidget *view) : QObject(view), view_(view) {
        view->installEventFilter(this);
        watchParent();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == view_ && event->type() == QEvent::ParentChange) {
            watchParent();
        } else if (watched == view_->parentWidget() && event->type() == QEvent::Resize) {
            followMask(view_);
        }
        return false;
    }

private:
    void watchParent() {
        if (QWidget *parent = view_->parentWidget()) {
            parent->installEventFilter(this);
        }
    }

    QWidget *view_;
};

void setMask(QWidget *view, unsigned mask) {
    const bool following = view->property(kMaskProperty).isValid();
    view->setProperty(kMaskProperty, mask);
    if (!following) {
        new XAResizeFollower(view);
    }
}

} // namespace

unsigned xa_autoresizingMask(const QWidget *view) { return view->property(kMaskProperty).toUInt(); }

void xa_keepCenteredInSuperview(QWidget *view) { setMask(view, kCenteredMask); }

void xa_keepFullSizeOfSuperview(QWidget *view) { setMask(view, kFullSizeMask); }

void xa_makeAndKeepFullSizeOfSuperview(QWidget *view) {
    if (QWidget *parent = view->parentWidget()) {
        view->setGeometry(parent->rect());
    }
    xa_keepFullSizeOfSuperview(view);
}
