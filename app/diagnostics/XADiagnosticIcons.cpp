#include "app/diagnostics/XADiagnosticIcons.h"

#include "app/controls/XAQtConversions.h"

#include <QPainter>

namespace {

constexpr int kIconSize = 18;

QImage blankIcon() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QString impactInitial(XADiagnosticImpact impact) {
    switch (impact) {
    case XADiagnosticImpactFunctionality:
        return QStringLiteral("F");
    case XADiagnosticImpactMaintainability:
        return QStringLiteral("M");
    case XADiagnosticImpactStyle:
        return QStringLiteral("S");
    default:
        return {};
    }
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

QImage XAImpactAndSeverityImage(XADiagnosticImpact impact, XADiagnosticSeverity severity) {
    if (!XADiagnostic::imageForSeverity(severity)) {
        return {};
    }
    const XADiagnostic probe = XADiagnostic::diagnosticWithRuleName(
        XAXMLString(""), "", XAXMLString(""), std::nullopt, {}, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
        std::nullopt, std::nullopt, impact, severity, XADiagnosticConfidenceNone);
    QImage image = blankIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(XAQColor(probe.severityColor().value_or(XAColor::grayColor())).darker(110));
    painter.drawEllipse(QRectF(1, 1, kIconSize - 2, kIconSize - 2));
    QFont font;
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, impactInitial(impact));
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
