#include "app/controls/XASidebarButtonCell.h"

#include "app/controls/XAQtConversions.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double XABadgeMargin = 5;
constexpr double XABadgeTextPadding = 10;
constexpr double XABadgeRadius = 3;
constexpr double XATitleHeight = 18;
constexpr double XATitleBottomMargin = 4;
constexpr double XAImageSide = 40;
constexpr double XAPressedImageInset = 2;

QColor XAGray(double white) { return QColor::fromRgbF(float(white), float(white), float(white)); }

} // namespace

XASidebarButtonCell::XASidebarButtonCell(QWidget *parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

void XASidebarButtonCell::xa_setBadgeText(const std::optional<QString> &text, std::int64_t type) {
    if (type == 0) {
        return;
    }
    if (text) {
        badgeTextsByType_[type] = *text;
    } else {
        badgeTextsByType_.erase(type);
    }
    update();
}

void XASidebarButtonCell::setBadgeTextsByType(std::map<std::int64_t, QString> texts) {
    badgeTextsByType_ = std::move(texts);
    update();
}

void XASidebarButtonCell::setHighlighted(bool highlighted) {
    setDown(highlighted);
    repaint();
}

QColor XASidebarButtonCell::bezelFillColor() const {
    if (isOn()) {
        return XAGray(0.21);
    }
    return XAGray(isHighlighted() ? 0.16 : 0.26);
}

QRectF XASidebarButtonCell::titleRect(const QRectF &frame) const {
    return QRectF(frame.x(), frame.bottom() - XATitleBottomMargin - XATitleHeight, frame.width(), XATitleHeight);
}

QFont XASidebarButtonCell::titleFont() const { return xa_fontWithSize(font(), isHighlighted() ? 10 : 11); }

QColor XASidebarButtonCell::titleColor() const {
    return isOn() && !isHighlighted() ? QColor(Qt::white) : QColor(Qt::lightGray);
}

QRectF XASidebarButtonCell::imageRect(const QRectF &frame) const {
    const QRectF rect((frame.width() - XAImageSide) / 2,
                      frame.y() + XATitleBottomMargin + (frame.height() - XATitleHeight - 8 - XAImageSide) / 2,
                      XAImageSide, XAImageSide);
    if (isHighlighted()) {
        return rect.adjusted(XAPressedImageInset, XAPressedImageInset, -XAPressedImageInset, -XAPressedImageInset);
    }
    return rect;
}

const std::optional<QImage> &XASidebarButtonCell::shownImage() const {
    if (isOn() || !alternateImage_) {
        return image_;
    }
    return alternateImage_;
}

std::vector<std::pair<std::int64_t, QRectF>> XASidebarButtonCell::badgeRects(const QRectF &frame) const {
    std::vector<std::pair<std::int64_t, QRectF>> rects;
    const QFontMetricsF metrics(xa_badgeTextFont());
    double top = frame.y() + XABadgeMargin;
    for (const std::int64_t type : {XASidebarBadgeTypeError, XASidebarBadgeTypeWarning}) {
        const auto text = badgeTextsByType_.find(type);
        if (text == badgeTextsByType_.end() || text->second.isEmpty()) {
            continue;
        }
        const double width = metrics.horizontalAdvance(text->second) + XABadgeTextPadding;
        const double height = metrics.height();
        rects.emplace_back(type, QRectF(frame.width() - width - XABadgeMargin, top, width, height));
        top += height + 1;
    }
    return rects;
}

QFont XASidebarButtonCell::xa_badgeTextFont() {
    QFont font = xa_fontWithSize(QFont(), 12);
    font.setBold(true);
    return font;
}

QColor XASidebarButtonCell::xa_backgroundColorForBadgeType(std::int64_t type) {
    switch (type) {
    case XASidebarBadgeTypeError:
        return QColor(191, 61, 61);
    case XASidebarBadgeTypeWarning:
        return QColor(166, 149, 51);
    default:
        return {};
    }
}

void XASidebarButtonCell::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRectF frame = rect();
    drawBezel(painter, frame);
    drawTitle(painter, frame);
    drawImage(painter, frame);
    xa_drawAllBadges(painter, frame);
}

void XASidebarButtonCell::drawBezel(QPainter &painter, const QRectF &frame) const {
    const QColor fill = bezelFillColor();
    painter.fillRect(frame, fill);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(frame.x() + 0.5, frame.bottom() - 2, frame.width() - 1, 1), XAGray(0.145));
    painter.fillRect(QRectF(frame.x() + 0.5, frame.bottom() - 1, frame.width() - 1, 1), XAGray(0.3));
    if (isOn() || isHighlighted()) {
        // A shadow band along the top edge, darker when pressed.
        const QRectF band(0, frame.y() - 1, frame.width(), isHighlighted() ? 6 : 4);
        QLinearGradient gradient(band.topLeft(), band.bottomLeft());
        gradient.setColorAt(0, XAGray(isHighlighted() ? 0.1 : 0.165));
        gradient.setColorAt(1, fill);
        painter.fillRect(band, gradient);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void XASidebarButtonCell::drawTitle(QPainter &painter, const QRectF &frame) const {
    painter.setFont(titleFont());
    painter.setPen(titleColor());
    painter.drawText(titleRect(frame), Qt::AlignHCenter | Qt::AlignTop, text());
}

void XASidebarButtonCell::drawImage(QPainter &painter, const QRectF &frame) const {
    const std::optional<QImage> &image = shownImage();
    if (!image || image->isNull()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(imageRect(frame), *image);
}

void XASidebarButtonCell::xa_drawAllBadges(QPainter &painter, const QRectF &frame) const {
    for (const auto &[type, badge] : badgeRects(frame)) {
        const QColor color = xa_backgroundColorForBadgeType(type);
        QPainterPath outline;
        outline.addRoundedRect(badge, XABadgeRadius, XABadgeRadius);
        painter.save();
        // The shadow: black at 0.4, one pixel down, slightly blurred.
        painter.fillPath(outline.translated(0, 1), QColor(0, 0, 0, 102));
        painter.setPen(color);
        painter.setBrush(color);
        painter.drawPath(outline);
        painter.restore();
        painter.setFont(xa_badgeTextFont());
        painter.setPen(Qt::white);
        painter.drawText(badge, Qt::AlignCenter, badgeTextsByType_.at(type));
    }
}
