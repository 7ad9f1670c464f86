#pragma once

// The log pane of the project window: a dark, monospaced, read-only text view that shows progress messages and log
// lines in the colour of their kind. Lines are queued as they arrive and appended in batches by a timer; the view
// follows the end of the log unless the user has scrolled up. Error and warning lines are marked on the vertical
// scroller, recomputed once the text's size has settled after a burst of changes.

#include "core/XAColor.h"
#include "core/XAPair.h"
#include "core/XAProgressMessage.h"

#include <QColor>
#include <QTextFormat>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QTextEdit;
class XAScrollView;

// The character-format property of a log line that holds the colour of its scroller mark (absent without a mark);
// it stands for the text attribute "com.tessaryapp.ScrollerIndicatorColor".
inline constexpr int XAScrollerIndicatorColorProperty = QTextFormat::UserProperty + 1;
inline constexpr const char *XAScrollerIndicatorColorAttributeName = "com.tessaryapp.ScrollerIndicatorColor";

// How a line of the log looks: text and background colours and the colour of its scroller mark.
struct XALogLineStyle {
    QColor textColor;
    std::optional<QColor> backgroundColor; // none: clear
    std::optional<QColor> markColor;       // none: no mark
};

// The style of a line passed with the colour (none, the named red or yellow, or any other).
XALogLineStyle XALogLineStyleForColor(const std::optional<XAColor> &color);

class XACheckingOperationLogView : public QWidget {
public:
    using QueuedMessage = XAPair<std::string, std::optional<XAColor>>;

    explicit XACheckingOperationLogView(QWidget *parent = nullptr);
    ~XACheckingOperationLogView() override;

    XAScrollView *scrollView() const { return scrollView_; }
    QTextEdit *textView() const { return textView_; }
    const std::vector<QueuedMessage> &queuedMessages() const { return queuedMessages_; }

    // Queues the line; it shows at the next flush. No text adds nothing.
    void logMessage(const std::optional<std::string> &text, const std::optional<XAColor> &color);
    void logProgressMessage(const XAProgressMessage &message);
    // A handler that logs each message in this view; callable from any thread (off the GUI thread the message is
    // posted there). Messages that arrive after the view is gone are dropped.
    XAProgressHandler standardProgressHandler();

    // Empties the text and its marks; lines still queued appear at the next flush.
    void clearLog();
    // Whether the user is dragging one of the scrollers.
    bool scrollViewIsBeingManipulated() const;

    // Appends every queued line; called by the flush timer.
    void flushQueuedMessages();
    // Recomputes the vertical scroller's marks from the marked runs of the text.
    void updateScrollerMarkers();

    // The flush interval (0.1 s) and the delay of the mark update after the last size change (10 ms).
    void setFlushIntervalMilliseconds(int milliseconds) { messageQueueTimer_.setInterval(milliseconds); }
    void setMarkerUpdateDelayMilliseconds(int milliseconds) { markerUpdateThrottleTimer_.setInterval(milliseconds); }
    bool isMarkerUpdatePending() const { return markerUpdateThrottleTimer_.isActive(); }

private:
    void buildTextView();
    bool shouldFollowEnd() const;
    void scrollToEnd();
    void textViewFrameDidChange();

    XAScrollView *scrollView_ = nullptr;
    QTextEdit *textView_ = nullptr;
    std::vector<QueuedMessage> queuedMessages_;
    QTimer messageQueueTimer_;
    QTimer markerUpdateThrottleTimer_;
};
