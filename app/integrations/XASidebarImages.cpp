#include "app/integrations/XASidebarImages.h"

#include "app/controls/XAQtConversions.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr int XASidebarImagePixels = 80;

XAImage XATemplateImageDrawnBy(const std::function<void(QPainter &)> &draw) {
    QImage image(XASidebarImagePixels, XASidebarImagePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    XAImage result = XAImageFromQImage(image);
    result.setTemplate(true);
    return result;
}

// A sheet with a folded corner and lines of text cut out of it.
void XADrawLogShape(QPainter &painter) {
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(14, 6, 52, 68), 5, 5);
    for (int line = 0; line < 6; ++line) {
        const double width = (line % 3 == 2) ? 22 : 36;
        QPainterPath cut;
        cut.addRoundedRect(QRectF(22, 16 + line * 9, width, 4), 2, 2);
        sheet = sheet.subtracted(cut);
    }
    painter.fillPath(sheet, Qt::black);
}

// A rounded triangle with an exclamation mark cut out of it.
void XADrawDiagnosticsShape(QPainter &painter) {
    QPainterPath triangle;
    triangle.moveTo(40, 8);
    triangle.lineTo(74, 70);
    triangle.lineTo(6, 70);
    triangle.closeSubpath();
    QPainterPath mark;
    mark.addRoundedRect(QRectF(36, 28, 8, 24), 4, 4);
    mark.addEllipse(QRectF(35.5, 56, 9, 9));
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(triangle);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(mark, Qt::transparent);
}

} // namespace

std::optional<XAImage> XASidebarImageNamed(const std::string &name) {
    if (name == "sidebarLogTemplate") {
        static const XAImage image = XATemplateImageDrawnBy(XADrawLogShape);
        return image;
    }
    if (name == "sidebarDiagnosticsTemplate") {
        static const XAImage image = XATemplateImageDrawnBy(XADrawDiagnosticsShape);
        return image;
    }
    return std::nullopt;
}
