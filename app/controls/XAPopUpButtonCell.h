#pragma once

// The look of the application's pop-up buttons: a rounded dark base with a one-point border, a pair of up and down
// chevrons at the right end, and a light title. XAPopUpButton and the pop-up cell of tables share it.

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

class XAPopUpButtonCell {
public:
    XAPopUpButtonCell();

    qint64 xa_style() const { return style_; }
    void xa_setStyle(qint64 style);
    // Sets the styled properties; a style other than 1 or 2 keeps the border and background.
    void updateStyle();
    QColor xa_foregroundColor() const;

    double xa_disabledAlpha = 0;
    double xa_cornerRadius = 0;
    QColor xa_highlightOverlayColor;
    std::optional<QColor> borderColor;
    std::optional<std::pair<QColor, QColor>> backgroundGradient; // start (bottom) and end (top) colours

    const QPainterPath &bezelPath() const { return bezelPath_; }

    // The bezel's frame: inside a table, narrowed by 3 points on each side and at most 22 points high, centred.
    static QRectF bezelFrame(const QRectF &frame, bool inTableView);
    // Draws base, chevrons, title and pressed overlay, at the disabled alpha when disabled.
    void drawWithFrame(QPainter &painter, const QRectF &frame, const QString &title, bool enabled, bool highlighted,
                       bool inTableView);
    void xa_drawBaseWithFrame(QPainter &painter, const QRectF &frame);
    void xa_drawTrianglesWithFrame(QPainter &painter, const QRectF &frame) const;
    static void xa_drawTriangleInRect(QPainter &painter, const QRectF &rect, bool downwards, const QColor &color);
    // A light version of the title's colour: brightness at least 0.7, black turned white.
    static QColor titleColor(const QColor &color);

private:
    qint64 style_ = 1;
    QPainterPath bezelPath_;
};
