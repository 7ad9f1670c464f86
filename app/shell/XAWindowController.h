#pragma once

// The base of every window's controller. It builds its window on first use (subclasses lay out their own content in
// windowDidLoad), shows a loading overlay in place of the content on request, presents its window as a window-modal
// sheet on another window with a completion callback, and records when its window was last shown, which picks the
// window that new windows are centred on.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "app/controls/XAProgressIndicator.h"

#include <QLabel>

class QWidget;
class XAWindow;

class XAWindowController : public QObject, public std::enable_shared_from_this<XAWindowController> {
public:
    // Receives the controller and the sheet's return code (1 for OK or Save, 0 for Cancel).
    using SheetCallback = std::function<void(XAWindowController *controller, int returnCode)>;

    XAWindowController();
    ~XAWindowController() override;

    // The window, built and decorated on first use.
    XAWindow *window();
    bool isWindowLoaded() const { return !window_.isNull(); }

    // Centres a window without frame autosave name on the latest visible primary window (never on itself), shows
    // it and records the time.
    virtual void showWindow(const void *sender);
    // When showWindow was last called, in seconds since 1 January 2001 UTC; 0 before.
    double lastShownTimestamp() const { return lastShownTimestamp_; }

    // Puts the overlay in place of the content (once) and sets its texts (every time; none gives "").
    void showLoadingUIWithMessage(const std::optional<QString> &message, const std::optional<QString> &subtitle);
    // Puts the remembered content and first responder back; nothing when no overlay is shown.
    void hideLoadingUI();
    bool isShowingLoadingUI() const;
    QLabel *loadingViewTextField() const { return loadingViewTextField_; }
    QLabel *loadingViewSubtitleTextField() const { return loadingViewSubtitleTextField_; }
    XAProgressIndicator *loadingViewProgressIndicator() const { return loadingViewProgressIndicator_; }

    // The dark chrome: dark background, light texts.
    void xa_adoptDarkWindowStyle();

    // Presents the window as a window-modal sheet on the parent. When it ends, the callback runs once with the
    // return code; the presentation keeps the controller alive until then and for one second after.
    void xa_showModalInParent(QWidget *parent, SheetCallback callback);
    void xa_endSelfSheetWithReturnCode(int returnCode);

    // Asked before the window closes by its close button, the system or Escape; false keeps it open (the
    // controller may then close it itself later).
    virtual bool windowShouldClose() { return true; }

    // Which window new windows are centred on; the application delegate provides it.
    static void setLatestVisiblePrimaryWindowProvider(std::function<XAWindowController *()> provider);

protected:
    // Lays out the window's content; subclasses call the base first.
    virtual void windowDidLoad();

private:
    void buildLoadingView();

    QPointer<XAWindow> window_;
    bool initialFirstResponderHasBeenSet_ = false;
    double lastShownTimestamp_ = 0;
    QPointer<QWidget> actualContentView_;
    QPointer<QWidget> actualContentViewFirstResponder_;
    QPointer<QWidget> loadingView_;
    QPointer<QLabel> loadingViewTextField_;
    QPointer<QLabel> loadingViewSubtitleTextField_;
    QPointer<XAProgressIndicator> loadingViewProgressIndicator_;
};
