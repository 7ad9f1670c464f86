#include "app/diagnostics/XATokenTextAttachmentCell.h"

#include "app/controls/XAQtConversions.h"
#include "app/controls/XARoundedRectangles.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPillRadius = 6;
constexpr double kKindPillPadding = 12;
constexpr double kValuePillPadding = 10;
constexpr double kSuffixGap = 3;

QSizeF textSize(const QString &text, const QFont &font) {
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// Draws the text with its baseline's left end at the point.
void drawText(QPainter *painter, const QString &text, const QFont &font, const QColor &color, QPointF baseline) {
    painter->setFont(font);
    painter->setPen(color);
    painter->drawText(baseline, text);
}

} // namespace

XATokenTextAttachmentCell::XATokenTextAttachmentCell() { performOwnInit(); }

XATokenTextAttachmentCell::XATokenTextAttachmentCell(const QString &text) : stringValue_(text) { performOwnInit(); }

void XATokenTextAttachmentCell::performOwnInit() {
    if (initPerformed_) {
        return;
    }
    initPerformed_ = true;
    updateColorScheme();
}

XADiagnosticFilter XATokenTextAttachmentCell::diagnosticFilterValue() const {
    return XADiagnosticFilter::filterWithString(stringValue_.toStdString());
}

QString XATokenTextAttachmentCell::kindString() const {
    const XADiagnosticFilter filter = diagnosticFilterValue();
    return QString::fromStdString(filter.kindString() + filter.opString());
}

QString XATokenTextAttachmentCell::valueString() const {
    return QString::fromStdString(diagnosticFilterValue().string());
}

QFont XATokenTextAttachmentCell::kindTextFont() const {
    QFont font = font_;
    font.setPointSizeF(std::max(font_.pointSizeF() - 3, 10.0));
    return font;
}

QSizeF XATokenTextAttachmentCell::kindTextSize() const { return textSize(kindString().toUpper(), kindTextFont()); }

QSizeF XATokenTextAttachmentCell::valueTextSize() const { return textSize(valueString(), valueTextFont()); }

QFont XATokenTextAttachmentCell::suffixFont() {
    QFont font;
    font.setPointSizeF(11);
    return font;
}

QSizeF XATokenTextAttachmentCell::suffixTextSize() const {
    const QSizeF size = textSize(QStringLiteral("and"), suffixFont());
    return {size.width() + 6, size.height()};
}

double XATokenTextAttachmentCell::maxTextHeight() const {
    return std::max(kindTextSize().height(), valueTextSize().height());
}

QSizeF XATokenTextAttachmentCell::kindCellPillSize() const {
    return {std::ceil(kindTextSize().width() + kKindPillPadding), std::ceil(maxTextHeight())};
}

QSizeF XATokenTextAttachmentCell::valueCellPillSize() const {
    return {std::ceil(valueTextSize().width() + kValuePillPadding), std::ceil(maxTextHeight())};
}

QSizeF XATokenTextAttachmentCell::cellSize() const {
    const QSizeF kind = kindCellPillSize(), value = valueCellPillSize();
    return {kind.width() + value.width() + suffixTextSize().width() + kSuffixGap,
            std::max(kind.height(), value.height())};
}

void XATokenTextAttachmentCell::updateColorScheme() {
    const QColor kindColor = xa_darkColor(XAQColor(diagnosticFilterValue().kindColor()));
    const QColor valueColor(91, 95, 99), selectedValueColor(45, 48, 51);
    const QColor lightText = QColor::fromRgbF(0.8f, 0.8f, 0.8f), dimText = QColor::fromRgbF(0.7f, 0.7f, 0.7f);
    for (int mode : {0, 1, 2}) {
        kindPillFillColors_[mode] = kindColor;
        valuePillFillColors_[mode] = mode == 2 ? selectedValueColor : valueColor;
        kindTextColors_[mode] = lightText;
        valueTextColors_[mode] = mode == 2 ? dimText : lightText;
    }
}

void XATokenTextAttachmentCell::drawTokenWithFrame(QPainter *painter, const QRectF &frame) const {
    const double x = frame.x(), y = frame.y();
    const QSizeF kindPill = kindCellPillSize(), valuePill = valueCellPillSize();
    const QSizeF kindText = kindTextSize(), valueText = valueTextSize();
    const int mode = tokenDrawingMode_;
    const QPainterPath kindOutline =
        xa_bezierPathWithRoundedRectangle(QRectF(x, y, kindPill.width() + 2, kindPill.height()),
                                          XARectCornerMinXMinY | XARectCornerMinXMaxY, kPillRadius);
    const QPainterPath valueOutline =
        xa_bezierPathWithRoundedRectangle(QRectF(x + kindPill.width(), y, valuePill.width(), valuePill.height()),
                                          XARectCornerMaxXMinY | XARectCornerMaxXMaxY, kPillRadius);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(kindPillStrokeColors().at(mode));
    painter->setBrush(kindPillFillColors().at(mode));
    painter->drawPath(kindOutline);
    painter->setPen(valuePillStrokeColors().at(mode));
    painter->setBrush(valuePillFillColors().at(mode));
    painter->drawPath(valueOutline);

    const double baseline = y + (kindPill.height() - kindText.height()) / 2 + QFontMetricsF(kindTextFont()).ascent();
    drawText(painter, kindString().toUpper(), kindTextFont(), kindTextColors().at(mode),
             {x + (kindPill.width() + 2 - kindText.width()) / 2, baseline});
    drawText(painter, valueString(), valueTextFont(), valueTextColors().at(mode),
             {x + kindPill.width() + (valuePill.width() - valueText.width()) / 2, baseline});
    drawText(painter, QStringLiteral("and"), suffixFont(), suffixColor(),
             {x + kindPill.width() + valuePill.width() + kSuffixGap, baseline});
    painter->restore();
}
