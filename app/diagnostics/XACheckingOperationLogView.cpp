#include "app/diagnostics/XACheckingOperationLogView.h"

#include "app/controls/XAQtConversions.h"
#include "app/controls/XAScrollView.h"
#include "app/controls/XAScroller.h"
#include "app/shell/XADispatch.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int XAFlushIntervalMilliseconds = 100;
constexpr int XAMarkerUpdateDelayMilliseconds = 10;

// The system's fixed-pitch font at 11 points, made once.
const QFont &XALogFont() {
    static const QFont font = [] {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSizeF(11);
        return fixed;
    }();
    return font;
}

QColor XALightlySaturatedColor(const XAColor &color) {
    return XAQColor(xa_colorByModifyingHSBWithBlock(
        color, [](double &, double &saturation, double &, double &) { saturation = std::min(saturation, 0.2); }));
}

QTextCharFormat XALogLineFormat(const XALogLineStyle &style) {
    QTextCharFormat format;
    format.setFont(XALogFont());
    format.setForeground(style.textColor);
    if (style.backgroundColor) {
        format.setBackground(*style.backgroundColor);
    }
    if (style.markColor) {
        format.setProperty(XAScrollerIndicatorColorProperty, *style.markColor);
    }
    return format;
}

std::optional<QColor> XAMarkColorOfFormat(const QTextCharFormat &format) {
    if (!format.hasProperty(XAScrollerIndicatorColorProperty)) {
        return std::nullopt;
    }
    return format.colorProperty(XAScrollerIndicatorColorProperty);
}

// A stretch of consecutive lines with one mark colour, in document coordinates.
struct XAMarkedRun {
    QColor color;
    double top = 0;
    double bottom = 0;
};

} // namespace

XALogLineStyle XALogLineStyleForColor(const std::optional<XAColor> &color) {
    if (!color) {
        return {Qt::white, std::nullopt, std::nullopt};
    }
    if (*color == XAColor::redColor()) {
        return {XALightlySaturatedColor(*color), QColor(51, 37, 37), QColor(189, 83, 81)};
    }
    if (*color == XAColor::yellowColor()) {
        return {XALightlySaturatedColor(*color), std::nullopt, QColor(122, 122, 97)};
    }
    return {XALightlySaturatedColor(*color), std::nullopt, std::nullopt};
}

XACheckingOperationLogView::XACheckingOperationLogView(QWidget *parent) : QWidget(parent) {
    buildTextView();
    messageQueueTimer_.setInterval(XAFlushIntervalMilliseconds);
    connect(&messageQueueTimer_, &QTimer::timeout, this, [this] { flushQueuedMessages(); });
    messageQueueTimer_.start();
    markerUpdateThrottleTimer_.setSingleShot(true);
    markerUpdateThrottleTimer_.setInterval(XAMarkerUpdateDelayMilliseconds);
    connect(&markerUpdateThrottleTimer_, &QTimer::timeout, this, [this] { updateScrollerMarkers(); });
}

XACheckingOperationLogView::~XACheckingOperationLogView() = default;

void XACheckingOperationLogView::buildTextView() {
    textView_ = new QTextEdit;
    textView_->setReadOnly(true);
    textView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Selecting by keyboard keeps a cursor, but a read-only log shows no caret.
    textView_->setCursorWidth(0);
    textView_->setUndoRedoEnabled(false);
    textView_->setAcceptRichText(false);
    textView_->setLineWrapMode(QTextEdit::WidgetWidth);
    QPalette palette = textView_->palette();
    palette.setColor(QPalette::Base, xa_darkContentBackgroundColor());
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(57, 61, 107));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    textView_->setPalette(palette);
    textView_->document()->setDocumentMargin(2);

    scrollView_ = new XAScrollView(this);
    scrollView_->setDocumentView(textView_);
    scrollView_->setHasHorizontalScroller(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollView_);

    connect(textView_->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { textViewFrameDidChange(); });
}

void XACheckingOperationLogView::logMessage(const std::optional<std::string> &text,
                                            const std::optional<XAColor> &color) {
    if (!text) {
        return;
    }
    queuedMessages_.emplace_back(*text, color);
}

void XACheckingOperationLogView::logProgressMessage(const XAProgressMessage &message) {
    logMessage(message.logMessage(), message.logMessageColor());
}

XAProgressHandler XACheckingOperationLogView::standardProgressHandler() {
    QPointer<XACheckingOperationLogView> view(this);
    return [view](const XAProgressMessage &message) {
        auto deliver = [view, message] {
            if (view) {
                view->logProgressMessage(message);
            }
        };
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            deliver();
        } else {
            XADispatchToMain(deliver);
        }
    };
}

void XACheckingOperationLogView::clearLog() {
    textView_->document()->clear();
    updateScrollerMarkers();
}

bool XACheckingOperationLogView::scrollViewIsBeingManipulated() const {
    if (scrollView_->verticalScroller()->xa_isBeingDragged()) {
        return true;
    }
    return scrollView_->horizontalScroller()->xa_isBeingDragged();
}

bool XACheckingOperationLogView::shouldFollowEnd() const {
    const QScrollBar *scroller = textView_->verticalScrollBar();
    const bool hasEnoughContentToScroll = scroller->maximum() > scroller->minimum();
    return !hasEnoughContentToScroll || scroller->value() >= scroller->maximum();
}

void XACheckingOperationLogView::scrollToEnd() {
    QTextDocument *document = textView_->document();
    // Lays the text out to its end, so that the scroller's range covers the new lines.
    document->documentLayout()->blockBoundingRect(document->lastBlock());
    QScrollBar *scroller = textView_->verticalScrollBar();
    scroller->setValue(scroller->maximum());
}

void XACheckingOperationLogView::flushQueuedMessages() {
    if (queuedMessages_.empty()) {
        return;
    }
    const std::vector<QueuedMessage> messages = std::move(queuedMessages_);
    queuedMessages_.clear();
    const bool follow = shouldFollowEnd();
    QTextCursor cursor(textView_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const QueuedMessage &message : messages) {
        const QTextCharFormat format = XALogLineFormat(XALogLineStyleForColor(message.second()));
        cursor.insertText(QString::fromStdString(message.first()) + QLatin1Char('\n'), format);
    }
    cursor.endEditBlock();
    if (follow) {
        scrollToEnd();
    }
}

void XACheckingOperationLogView::textViewFrameDidChange() { markerUpdateThrottleTimer_.start(); }

void XACheckingOperationLogView::updateScrollerMarkers() {
    XAScroller *scroller = scrollView_->verticalScroller();
    scroller->xa_clearMarkers();
    QTextDocument *document = textView_->document();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    const double height = std::max<double>(textView_->viewport()->height(), layout->documentSize().height());
    if (height <= 0) {
        return;
    }
    std::optional<XAMarkedRun> run;
    auto closeRun = [&] {
        if (run) {
            scroller->xa_addMarkerWithColor(run->color, run->top / height, run->bottom / height);
            run.reset();
        }
    };
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QRectF lineRect = layout->blockBoundingRect(block);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const std::optional<QColor> mark = XAMarkColorOfFormat(fragment.fragment().charFormat());
            if (run && mark && run->color == *mark) {
                run->bottom = lineRect.bottom();
                continue;
            }
            closeRun();
            if (mark) {
                run = XAMarkedRun{*mark, lineRect.top(), lineRect.bottom()};
            }
        }
    }
    closeRun();
}
