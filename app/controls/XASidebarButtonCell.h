#pragma once

// One button of the sidebar: a large image above a small title on a dark bezel, with up to two count badges at its
// top right (errors in red, warnings in yellow). Checked means it is the selected page's button; held down means
// it is being pressed, which shrinks the image and the title and darkens the bezel.

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

inline constexpr std::int64_t XASidebarBadgeTypeError = 1;
inline constexpr std::int64_t XASidebarBadgeTypeWarning = 2;

class XASidebarButtonCell : public QAbstractButton {
public:
    explicit XASidebarButtonCell(QWidget *parent = nullptr);

    // Type 0 is ignored; a text is stored under its type, none removes the type's badge.
    void xa_setBadgeText(const std::optional<QString> &text, std::int64_t type);
    const std::map<std::int64_t, QString> &badgeTextsByType() const { return badgeTextsByType_; }
    void setBadgeTextsByType(std::map<std::int64_t, QString> texts);

    const std::optional<QImage> &image() const { return image_; }
    void setImage(std::optional<QImage> image) { image_ = std::move(image); }
    const std::optional<QImage> &alternateImage() const { return alternateImage_; }
    void setAlternateImage(std::optional<QImage> image) { alternateImage_ = std::move(image); }

    bool isOn() const { return isChecked(); }
    bool isHighlighted() const { return isDown(); }
    void setHighlighted(bool highlighted);

    // The drawing's parts for a frame of the cell.
    QColor bezelFillColor() const;
    QRectF titleRect(const QRectF &frame) const;
    QFont titleFont() const;
    QColor titleColor() const;
    QRectF imageRect(const QRectF &frame) const;
    // The image shown: the image when on, else the alternate image or, without one, the image.
    const std::optional<QImage> &shownImage() const;
    // The badges drawn, by type, top to bottom; missing and empty texts take no place.
    std::vector<std::pair<std::int64_t, QRectF>> badgeRects(const QRectF &frame) const;
    static QFont xa_badgeTextFont();
    static QColor xa_backgroundColorForBadgeType(std::int64_t type);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBezel(QPainter &painter, const QRectF &frame) const;
    void drawTitle(QPainter &painter, const QRectF &frame) const;
    void drawImage(QPainter &painter, const QRectF &frame) const;
    void xa_drawAllBadges(QPainter &painter, const QRectF &frame) const;

    std::map<std::int64_t, QString> badgeTextsByType_;
    std::optional<QImage> image_;
    std::optional<QImage> alternateImage_;
};
