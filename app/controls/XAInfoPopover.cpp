#include "app/controls/XAInfoPopover.h"

#include "app/controls/XAButtons.h"
#include "app/controls/XAQtConversions.h"
#include "core/XALog.h"
#include "core/XAUserDefaults.h"
#include "engine/XAXMLString.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr qint64 kShowUntilDismissed = 2;
constexpr int kArrowLength = 10;
constexpr int kContentMargin = 12;
constexpr int kTextWidth = 260;

QList<XAInfoPopover *> &visibleSet() {
    static QList<XAInfoPopover *> popovers = [] {
        QList<XAInfoPopover *> list;
        list.reserve(10);
        return list;
    }();
    return popovers;
}

QString describeWidget(const QWidget *view) {
    const QString name =
        view->objectName().isEmpty() ? QStringLiteral("0x%1").arg(quintptr(view), 0, 16) : view->objectName();
    return QStringLiteral("<%1: %2>").arg(QString::fromLatin1(view->metaObject()->className()), name);
}

// The edge of the popover that faces the anchor.
QMargins arrowMargins(int edge) {
    switch (edge) {
    case XARectEdgeLeft:
        return {0, 0, kArrowLength, 0};
    case XARectEdgeRight:
        return {kArrowLength, 0, 0, 0};
    case XARectEdgeBottom:
        return {0, kArrowLength, 0, 0};
    default:
        return {0, 0, 0, kArrowLength};
    }
}

// Around the content: the same margin on every side plus the arrow's room at the edge that faces the anchor.
QMargins contentMargins(int edge) {
    return QMargins(kContentMargin, kContentMargin, kContentMargin, kContentMargin) + arrowMargins(edge);
}

} // namespace

// ---- Content ----

QWidget *XAInfoPopoverViewController::loadView() {
    auto *view = new QWidget;
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    textField_ = new QLabel(view);
    textField_->setWordWrap(true);
    textField_->setTextFormat(Qt::RichText);
    textField_->setFixedWidth(kTextWidth);
    dismissButton_ = new XAButton(QString(), view);
    dismissButton_->cell().xa_setSize(XAButtonSizeSmall);
    QObject::connect(dismissButton_, &QPushButton::clicked, this, [this] { dismiss(); });
    layout->addWidget(textField_);
    layout->addWidget(dismissButton_, 0, Qt::AlignRight);
    applyText();
    applyButton();
    return view;
}

void XAInfoPopoverViewController::setAttributedString(const std::optional<XAAttributedString> &text) {
    attributedString_ = text.value_or(XAAttributedString());
    applyText();
}

void XAInfoPopoverViewController::setButtonStyle(qint64 style) {
    buttonStyle_ = style;
    applyButton();
}

void XAInfoPopoverViewController::setDismissButtonTitle(const XAAttributedString &title) {
    dismissButtonTitle_ = title;
    applyButton();
}

void XAInfoPopoverViewController::applyText() {
    if (textField_) {
        textField_->setText(XARichTextFromAttributedString(attributedString_));
    }
}

void XAInfoPopoverViewController::applyButton() {
    if (!dismissButton_) {
        return;
    }
    if (buttonStyle_ != 0) {
        dismissButton_->cell().xa_setStyle(buttonStyle_);
    }
    dismissButton_->setText(QString::fromStdString(dismissButtonTitle_.string()));
    dismissButton_->update();
}

void XAInfoPopoverViewController::dismiss() {
    if (dismissHandler_) {
        dismissHandler_();
    }
}

// ---- Popover ----

XAInfoPopover *XAInfoPopover::showWithID(const QString &identifier, const QString &title, const QString &info,
                                         qint64 frequency, QWidget *view, int preferredEdge) {
    const XAXMLString markup(QStringLiteral("<strong>%1</strong><p>%2</p>").arg(title, info).toStdString());
    return showWithID(identifier, markup.attributedString(), frequency, view, preferredEdge);
}

XAInfoPopover *XAInfoPopover::showWithID(const QString &identifier, const XAAttributedString &text, qint64 frequency,
                                         QWidget *view, int preferredEdge) {
    // A hint already on screen is not stacked a second time.
    for (XAInfoPopover *shown : visibleSet()) {
        if (shown->identifier() == identifier) {
            return shown;
        }
    }
    auto *popover = new XAInfoPopover(identifier, text, frequency);
    visibleSet().append(popover);
    popover->showRelativeToRect(view ? view->rect() : QRect(), view, preferredEdge);
    if (!popover->isVisible()) {
        visibleSet().removeAll(popover);
        delete popover;
        return nullptr;
    }
    return popover;
}

QList<XAInfoPopover *> XAInfoPopover::visiblePopovers() { return visibleSet(); }

XAInfoPopover::XAInfoPopover(const QString &identifier, const XAAttributedString &text, qint64 frequency)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), identifier_(identifier), displayFrequency_(frequency) {
    setAttribute(Qt::WA_TranslucentBackground);
    // Dark text on the light hint, whatever its window's own colours.
    QPalette light = palette();
    light.setColor(QPalette::WindowText, QColor(26, 26, 26));
    setPalette(light);
    setObjectName(QStringLiteral("XAInfoPopover-%1").arg(identifier));
    displayAttributedString(text);
}

XAInfoPopover::XAInfoPopover(const QString &identifier, const QString &info, qint64 frequency)
    : XAInfoPopover(identifier, attributedStringForString(info), frequency) {}

XAInfoPopover::~XAInfoPopover() { visibleSet().removeAll(this); }

XAAttributedString XAInfoPopover::attributedStringForString(const QString &text) {
    return xa_stringWithSystemFont(text.toStdString(), XAColor::white(0.1));
}

bool XAInfoPopover::hasBeenShown() const {
    return XAUserDefaults::standard().boolForKey(hasBeenShownDefaultsKey().toStdString());
}

void XAInfoPopover::setHasBeenShown() {
    XAUserDefaults::standard().setBool(hasBeenShownDefaultsKey().toStdString(), true);
}

bool XAInfoPopover::shouldDisplay() const { return displayFrequency_ != kShowUntilDismissed || !hasBeenShown(); }

void XAInfoPopover::displayAttributedString(const XAAttributedString &text) {
    if (!shouldDisplay()) {
        return;
    }
    content_ = std::make_unique<XAInfoPopoverViewController>();
    content_->setAttributedString(text);
    content_->setButtonStyle(XAButtonStyleGreen);
    XAAttributedString title = xa_stringWithSystemFont("Okay!");
    if (displayFrequency_ == kShowUntilDismissed) {
        title.append(xa_stringWithSystemFont(" (Don't show this again)", XAColor::white(0.5)));
    }
    title.insert(0, XAAttributedString("  "));
    title.append("  ");
    content_->setDismissButtonTitle(title);
    content_->setDismissHandler([this] {
        if (displayFrequency_ == kShowUntilDismissed) {
            setHasBeenShown();
        }
        closeAndRelease();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(content_->view());
}

void XAInfoPopover::showRelativeToRect(const QRect &rect, QWidget *view, int preferredEdge) {
    if (!shouldDisplay()) {
        return;
    }
    if (!view || !view->window()->isVisible()) {
        XALog(XALogLevelError, "%s has no window — not showing popover '%s'.",
              view ? describeWidget(view).toUtf8().constData() : "(null)", identifier_.toUtf8().constData());
        return;
    }
    // The hint belongs to the anchor's window: it stays above it, is hidden and closed with it, and follows it.
    QWidget *window = view->window();
    setParent(window, windowFlags());
    window->installEventFilter(this);
    anchorView_ = view;
    anchorRect_ = rect;
    preferredEdge_ = preferredEdge;
    place();
    // A hint outlives no anchor: it goes with it, without counting as dismissed.
    connect(view, &QObject::destroyed, this, [this] { closeAndRelease(); });
    show();
    raise();
    activateWindow();
}

bool XAInfoPopover::eventFilter(QObject *watched, QEvent *event) {
    if (anchorView_ && watched == anchorView_->window() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        place();
    }
    return QWidget::eventFilter(watched, event);
}

void XAInfoPopover::place() {
    if (!anchorView_) {
        return;
    }
    const QRect anchor(anchorView_->mapToGlobal(anchorRect_.topLeft()), anchorRect_.size());
    QScreen *screen = anchorView_->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // The preferred edge unless the hint would leave the screen there and fits at the opposite edge.
    int edge = preferredEdge_;
    if (available.isValid() && !available.contains(frameBeside(anchor, edge))) {
        const int opposite = (edge + 2) % 4;
        if (available.contains(frameBeside(anchor, opposite))) {
            edge = opposite;
        }
    }
    setArrowEdge(edge);
    QRect frame = frameBeside(anchor, edge);
    if (available.isValid()) {
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height() + 1)));
    }
    move(frame.topLeft());
}

void XAInfoPopover::setArrowEdge(int edge) {
    arrowEdge_ = edge;
    layout()->setContentsMargins(contentMargins(edge));
    adjustSize();
    update();
}

QRect XAInfoPopover::frameBeside(const QRect &anchor, int edge) const {
    const QSize size = content_->view()->sizeHint().grownBy(contentMargins(edge));
    QPoint origin;
    switch (edge) {
    case XARectEdgeLeft:
        origin = {anchor.left() - size.width(), anchor.center().y() - size.height() / 2};
        break;
    case XARectEdgeRight:
        origin = {anchor.right() + 1, anchor.center().y() - size.height() / 2};
        break;
    case XARectEdgeBottom:
        origin = {anchor.center().x() - size.width() / 2, anchor.bottom() + 1};
        break;
    default:
        origin = {anchor.center().x() - size.width() / 2, anchor.top() - size.height()};
        break;
    }
    return {origin, size};
}

void XAInfoPopover::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).marginsRemoved(arrowMargins(arrowEdge_).toMarginsF());
    QPainterPath path;
    path.addRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QPolygonF arrow;
    const QPointF mid = body.center();
    switch (arrowEdge_) {
    case XARectEdgeLeft:
        arrow << QPointF(body.right(), mid.y() - kArrowLength) << QPointF(width(), mid.y())
              << QPointF(body.right(), mid.y() + kArrowLength);
        break;
    case XARectEdgeRight:
        arrow << QPointF(body.left(), mid.y() - kArrowLength) << QPointF(0, mid.y())
              << QPointF(body.left(), mid.y() + kArrowLength);
        break;
    case XARectEdgeBottom:
        arrow << QPointF(mid.x() - kArrowLength, body.top()) << QPointF(mid.x(), 0)
              << QPointF(mid.x() + kArrowLength, body.top());
        break;
    default:
        arrow << QPointF(mid.x() - kArrowLength, body.bottom()) << QPointF(mid.x(), height())
              << QPointF(mid.x() + kArrowLength, body.bottom());
        break;
    }
    QPainterPath arrowPath;
    arrowPath.addPolygon(arrow);
    path = path.united(arrowPath);
    painter.setPen(QColor(0, 0, 0, 60));
    painter.setBrush(QColor(246, 246, 246));
    painter.drawPath(path);
}

void XAInfoPopover::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && content_) {
        content_->cancelOperation();
        return;
    }
    QWidget::keyPressEvent(event);
}

void XAInfoPopover::closeEvent(QCloseEvent *event) {
    // Only the dismiss action closes a hint; clicks elsewhere and the window system leave it open.
    if (!closingByDismissal_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void XAInfoPopover::closeAndRelease() {
    closingByDismissal_ = true;
    QWidget::close();
    visibleSet().removeAll(this);
    deleteLater();
}
