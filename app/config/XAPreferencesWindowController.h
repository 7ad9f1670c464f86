#pragma once

// The preferences window, "Preferences": a toolbar with one item per pane (General, Integrations, Updates) over the
// panes, of which one shows at a time. A pane hears when it is about to appear and when it has gone.

#include "app/config/XAPreferencesPanes.h"
#include "app/shell/XAWindowController.h"

#include <QPointer>
#include <QToolBar>

#include <memory>
#include <vector>

class QStackedWidget;

class XAPreferencesWindowController : public XAWindowController {
public:
    // The three panes in the order General, Integrations, Updates.
    XAPreferencesWindowController();
    ~XAPreferencesWindowController() override;

    const std::vector<std::unique_ptr<XAPreferencesPane>> &viewControllers() const { return panes_; }
    XAPreferencesPane *selectedViewController() const { return selected_; }
    void selectControllerWithIdentifier(const QString &identifier);
    void showWindow(const void *sender) override;
    QToolBar *toolbar() { return window(), toolbar_; }

protected:
    void windowDidLoad() override;

private:
    void select(XAPreferencesPane *pane);

    std::vector<std::unique_ptr<XAPreferencesPane>> panes_;
    XAPreferencesPane *selected_ = nullptr;
    QPointer<QToolBar> toolbar_;
    QPointer<QStackedWidget> stack_;
};
