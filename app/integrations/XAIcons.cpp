#include "app/integrations/XAIcons.h"

#include <QPainter>
#include <QPainterPath>

QImage XAProjectFileTypeIcon() {
    static const QImage icon = [] {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // A blueprint sheet with a folded corner and a ruler and pencil across it.
        QPainterPath sheet;
        sheet.moveTo(10, 4);
        sheet.lineTo(44, 4);
        sheet.lineTo(56, 16);
        sheet.lineTo(56, 60);
        sheet.lineTo(10, 60);
        sheet.closeSubpath();
        painter.fillPath(sheet, QColor(38, 98, 178));
        painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
        for (int line = 12; line < 60; line += 6) {
            painter.drawLine(12, line, 54, line);
        }
        QPainterPath fold;
        fold.moveTo(44, 4);
        fold.lineTo(44, 16);
        fold.lineTo(56, 16);
        fold.closeSubpath();
        painter.fillPath(fold, QColor(130, 170, 225));
        painter.translate(32, 34);
        painter.rotate(-35);
        painter.fillRect(QRectF(-22, -3, 44, 6), QColor(245, 200, 70));
        painter.fillRect(QRectF(-22, 5, 44, 4), QColor(235, 235, 235));
        return image;
    }();
    return icon;
}

QImage XAMainBackgroundPatternTile() {
    static const QImage tile = [] {
        QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(236, 236, 236));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 0, 14), 1));
        painter.drawLine(0, 24, 24, 0);
        painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
        painter.drawLine(0, 23, 23, 0);
        return image;
    }();
    return tile;
}
