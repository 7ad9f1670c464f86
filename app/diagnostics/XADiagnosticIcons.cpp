#include "app/diagnostics/XADiagnosticIcons.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int kIconSize = 18;

QImage blankIcon() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

int confidenceBars(XADiagnosticConfidence confidence) {
    switch (confidence) {
    case XADiagnosticConfidenceLow:
        return 1;
    case XADiagnosticConfidenceMedium:
        return 2;
    case XADiagnosticConfidenceHigh:
        return 3;
    case XADiagnosticConfidenceAbsolute:
        return 4;
    default:
        return 0;
    }
}

} // namespace

QImage XAImpactAndSeverityImage(const XADiagnostic &diagnostic) {
    const std::optional<std::string> picture = diagnostic.impactAndSeverityImage();
    if (!picture) {
        return {};
    }
    QSvgRenderer renderer(QByteArray::fromStdString(*picture));
    QImage image = blankIcon();
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, kIconSize, kIconSize));
    return image;
}

QImage XAConfidenceImage(XADiagnosticConfidence confidence) {
    const int filled = confidenceBars(confidence);
    if (filled == 0) {
        return {};
    }
    QImage image = blankIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int bar = 0; bar < 4; ++bar) {
        const double height = 5 + 3 * bar;
        painter.setBrush(bar < filled ? QColor(190, 190, 190) : QColor(80, 80, 80));
        painter.drawRoundedRect(QRectF(1.5 + 4 * bar, kIconSize - 2 - height, 3, height), 1, 1);
    }
    return image;
}

QImage xa_imageByPaddingWithInsets(const QImage &image, const QMargins &insets) {
    if (image.isNull()) {
        return image;
    }
    QImage padded(image.width() + insets.left() + insets.right(), image.height() + insets.top() + insets.bottom(),
                  QImage::Format_ARGB32_Premultiplied);
    padded.fill(Qt::transparent);
    QPainter painter(&padded);
    painter.drawImage(QPoint(insets.left(), insets.top()), image);
    return padded;
}
