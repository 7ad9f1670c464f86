#pragma once

// The base of the controllers of content panes: the view is built on first use, and the controller hears when the
// sidebar brings its view up ("XASidebarViewShownNotificationName" with the view as object).

#include <QObject>
#include <QPointer>
#include <QSize>

#include <cstdint>

class QWidget;
struct XANotification;

inline constexpr const char *XASidebarViewShownNotificationName = "XASidebarViewShownNotificationName";

class XAViewController : public QObject {
public:
    XAViewController();
    ~XAViewController() override;

    // The view, built on first use.
    QWidget *view();
    bool isViewLoaded() const { return !view_.isNull(); }

    // The size the view needs to show its content, which a window made around it opens at; here the view's own
    // size hint.
    virtual QSize preferredContentSize();

    // Called when the sidebar shows this controller's view; does nothing here.
    virtual void xa_sidebarDidShowView(const XANotification &notification);

protected:
    // Builds the view; the base gives an empty widget.
    virtual QWidget *loadView();

private:
    QPointer<QWidget> view_;
    std::uint64_t sidebarObservation_ = 0;
};
