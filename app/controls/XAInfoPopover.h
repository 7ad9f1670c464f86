#pragma once

// Hints in a popover beside a control: a bold title, a paragraph of text and an "Okay!" button. A hint of display
// frequency 2 shows until the user dismisses it once (with the button or Escape), which is remembered in the user
// default "PopoverShown-<identifier>"; a hint of any other frequency shows whenever it is asked for.
//
// The popover is a frameless tool window of the anchor's window, with an arrow that points at an edge of its anchor
// widget; it stays on screen and moves with its window; clicks elsewhere leave it open. The process keeps every popover
// on screen alive until it closes.

#include "app/shell/XAViewController.h"
#include "core/XAAttributedString.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class XAButton;

// The anchor's edges, as the popover takes them.
enum XARectEdge : int { XARectEdgeLeft = 0, XARectEdgeBottom = 1, XARectEdgeRight = 2, XARectEdgeTop = 3 };

// The popover's content: the text and the dismiss button. Values set before the view is built are applied when it is.
class XAInfoPopoverViewController : public XAViewController {
public:
    const XAAttributedString &attributedString() const { return attributedString_; }
    void setAttributedString(const std::optional<XAAttributedString> &text);
    qint64 buttonStyle() const { return buttonStyle_; }
    void setButtonStyle(qint64 style);
    const XAAttributedString &dismissButtonTitle() const { return dismissButtonTitle_; }
    void setDismissButtonTitle(const XAAttributedString &title);
    void setDismissHandler(std::function<void()> handler) { dismissHandler_ = std::move(handler); }

    void dismiss();
    // The Escape key: the same as dismiss().
    void cancelOperation() { dismiss(); }

    QLabel *textField() const { return textField_; }
    XAButton *dismissButton() const { return dismissButton_; }

protected:
    QWidget *loadView() override;

private:
    void applyText();
    void applyButton();

    XAAttributedString attributedString_;
    qint64 buttonStyle_ = 0;
    XAAttributedString dismissButtonTitle_;
    std::function<void()> dismissHandler_;
    QPointer<QLabel> textField_;
    QPointer<XAButton> dismissButton_;
};

class XAInfoPopover : public QWidget {
public:
    // The markup "<strong>title</strong><p>info</p>", styled, shown by the next function.
    static XAInfoPopover *showWithID(const QString &identifier, const QString &title, const QString &info,
                                     qint64 frequency, QWidget *view, int preferredEdge);
    // Creates the popover, keeps it among the visible ones and shows it at the edge of the view's bounds; none when
    // nothing was shown.
    static XAInfoPopover *showWithID(const QString &identifier, const XAAttributedString &text, qint64 frequency,
                                     QWidget *view, int preferredEdge);
    // The popovers on screen.
    static QList<XAInfoPopover *> visiblePopovers();

    XAInfoPopover(const QString &identifier, const XAAttributedString &text, qint64 frequency);
    XAInfoPopover(const QString &identifier, const QString &info, qint64 frequency);
    ~XAInfoPopover() override;

    // A plain text in white 0.1.
    static XAAttributedString attributedStringForString(const QString &text);

    const QString &identifier() const { return identifier_; }
    qint64 displayFrequency() const { return displayFrequency_; }
    QString hasBeenShownDefaultsKey() const { return QStringLiteral("PopoverShown-%1").arg(identifier_); }
    bool hasBeenShown() const;
    void setHasBeenShown();
    // The frequency is not 2, or the hint has not been dismissed yet.
    bool shouldDisplay() const;

    // Shows the popover beside the rectangle of the view, unless it should not display or the view is in no shown
    // window (which is logged).
    void showRelativeToRect(const QRect &rect, QWidget *view, int preferredEdge);
    // The popover's content, or none when it was not to be displayed.
    XAInfoPopoverViewController *contentViewController() const { return content_.get(); }
    int arrowEdge() const { return arrowEdge_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Follows its window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void displayAttributedString(const XAAttributedString &text);
    // Beside the anchor at the preferred edge, at the opposite one when only that keeps it on screen, and moved
    // inside the screen as far as needed.
    void place();
    QRect frameBeside(const QRect &anchor, int edge) const;
    void setArrowEdge(int edge);
    void closeAndRelease();

    QString identifier_;
    qint64 displayFrequency_ = 0;
    int arrowEdge_ = XARectEdgeTop;
    int preferredEdge_ = XARectEdgeTop;
    QPointer<QWidget> anchorView_;
    QRect anchorRect_;
    bool closingByDismissal_ = false;
    std::unique_ptr<XAInfoPopoverViewController> content_;
};
