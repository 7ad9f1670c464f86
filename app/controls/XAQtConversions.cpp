#include "app/controls/XAQtConversions.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

QColor XAQColor(const XAColor &color) { return QColor::fromRgbF(color.red, color.green, color.blue, color.alpha); }

XAColor XAColorFromQColor(const QColor &color) {
    const QColor rgb = color.toRgb();
    return XAColor::rgb(rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF());
}

QColor xa_colorByModifyingHSBWithBlock(const QColor &color, const XAHSBModifier &modify) {
    return XAQColor(xa_colorByModifyingHSBWithBlock(XAColorFromQColor(color), modify));
}

QFont xa_fontWithSize(QFont font, double points) {
    font.setPixelSize(std::max(1, int(std::lround(points))));
    return font;
}

QColor xa_darkContentBackgroundColor() { return XAQColor(XAColor::white(0.13)); }

QColor xa_darkColor(const QColor &color) {
    return xa_colorByModifyingHSBWithBlock(
        color, [](double &, double &, double &brightness, double &) { brightness = std::min(brightness, 0.3); });
}

namespace {

QString styleOfAttributes(const XATextAttributes &attributes) {
    QStringList style;
    if (attributes.font) {
        const XAFont &font = *attributes.font;
        if (font.fixedPitch) {
            style << QStringLiteral("font-family: '%1', monospace").arg(QString::fromStdString(font.family));
        } else if (!font.isSystemFont()) {
            style << QStringLiteral("font-family: '%1'").arg(QString::fromStdString(font.family));
        }
        style << QStringLiteral("font-size: %1pt").arg(font.pointSize);
        if (font.bold) {
            style << QStringLiteral("font-weight: bold");
        }
        if (font.italic) {
            style << QStringLiteral("font-style: italic");
        }
    }
    auto plainColor = [](const std::optional<XAColor> &color) {
        return color && color->role == XAColorRole::Plain ? color : std::nullopt;
    };
    if (const auto color = plainColor(attributes.foregroundColor)) {
        style << QStringLiteral("color: %1").arg(XAQColor(*color).name(QColor::HexRgb));
    }
    if (const auto color = plainColor(attributes.backgroundColor)) {
        style << QStringLiteral("background-color: %1").arg(XAQColor(*color).name(QColor::HexRgb));
    }
    if (attributes.underline) {
        style << QStringLiteral("text-decoration: underline");
    }
    if (attributes.marker) {
        style << QStringLiteral("background-color: #fff3a0");
    }
    return style.join(QStringLiteral("; "));
}

} // namespace

QString XARichTextFromAttributedString(const XAAttributedString &text) {
    QString html;
    for (const XAAttributeRun &run : text.runs()) {
        const std::string piece = text.string().substr(run.range.location, run.range.length);
        QString escaped =
            QString::fromStdString(piece).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
        const QString style = styleOfAttributes(run.attributes);
        QString span = style.isEmpty() ? escaped : QStringLiteral("<span style=\"%1\">%2</span>").arg(style, escaped);
        if (run.attributes.link) {
            span = QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(QString::fromStdString(*run.attributes.link).toHtmlEscaped(), span);
        }
        html += span;
    }
    return html;
}

QImage XAQImage(const XAImage &image) {
    const XABitmap *bitmap = image.bestRepresentation();
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) {
        return {};
    }
    QImage result(bitmap->pixels.data(), bitmap->width, bitmap->height, bitmap->width * 4, QImage::Format_RGBA8888);
    return result.copy(); // the wrapper does not own the pixels
}

XAImage XAImageFromQImage(const QImage &image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    XABitmap bitmap = XABitmap::blank(rgba.width(), rgba.height());
    for (int y = 0; y < rgba.height(); ++y) {
        std::copy_n(rgba.constScanLine(y), rgba.width() * 4, bitmap.pixel(0, y));
    }
    return XAImage(std::move(bitmap));
}

QImage xa_imageResizedToSize(const QImage &image, QSize size) {
    QImage result(size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return result;
}

QImage xa_monochromeImage(const QImage &image) { return XAQImage(xa_monochromeImage(XAImageFromQImage(image))); }

bool xa_writeToPNGFile(const QImage &image, const QString &path) { return image.save(path, "PNG"); }
