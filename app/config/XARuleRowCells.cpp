#include "app/config/XARuleRowCells.h"

#include "app/config/XARuleSearchRows.h"
#include "app/config/XARulesTableModel.h"
#include "app/controls/XAButtonCell.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>

#include <cmath>

namespace {

QTextCharFormat boldFormat(double pointSize, const QColor &color) {
    QTextCharFormat format;
    QFont font;
    font.setPointSizeF(pointSize);
    font.setBold(true);
    format.setFont(font);
    format.setForeground(color);
    return format;
}

// Sets the brightness of every colour of the range to 0.9, keeping hue and saturation.
QColor withBrightness(const QColor &color, double brightness) {
    QColor hsv = color.toHsv();
    hsv.setHsvF(hsv.hsvHueF(), hsv.hsvSaturationF(), float(brightness), hsv.alphaF());
    return hsv;
}

void appendLine(QTextCursor &cursor, const QString &text, const QTextCharFormat &format, const QString &searchText) {
    const int start = cursor.position();
    cursor.insertText(text, format);
    QTextCharFormat highlight;
    highlight.setBackground(XARuleSearchHighlightColor());
    for (const auto &[offset, length] : XAHighlightedRanges(text, searchText)) {
        QTextCursor range(cursor.document());
        range.setPosition(start + int(offset));
        range.setPosition(start + int(offset + length), QTextCursor::KeepAnchor);
        range.mergeCharFormat(highlight);
    }
}

} // namespace

QColor XARuleSearchHighlightColor() { return QColor(99, 98, 82); }

std::unique_ptr<QTextDocument> XARuleInfoDocument(const QString &name, const QString &tags, bool excluded,
                                                  const QString &searchText) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    QTextCursor cursor(document.get());
    // The text brightness of 0.9 lightens every colour but the excluded rule's grey, which would otherwise look
    // like every other name.
    const QColor nameColor = excluded ? XAWhite(0.5) : XAWhite(0.9);
    appendLine(cursor, name, boldFormat(12, nameColor), searchText);
    cursor.insertBlock();
    appendLine(cursor, tags, boldFormat(10, withBrightness(QColor(78, 92, 138), 0.9)), searchText);
    return document;
}

XARuleCheckboxCell::XARuleCheckboxCell(QObject *parent) : QStyledItemDelegate(parent), checkbox_(this) {}

void XARuleCheckboxCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    if (index.data(Qt::CheckStateRole).isValid()) {
        QStyleOptionViewItem boxOption = option;
        const double side = 15;
        boxOption.rect =
            QRect(int(option.rect.center().x() - side / 2 - 3), option.rect.y(), int(side + 6), option.rect.height());
        checkbox_.paint(painter, boxOption, index);
        return;
    }
    painter->save();
    painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
    QFont font = option.font;
    font.setPointSizeF(14);
    painter->setFont(font);
    painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
}

bool XARuleCheckboxCell::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &,
                                     const QModelIndex &index) {
    const bool isLeftRelease =
        event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (!isLeftRelease || !index.data(Qt::CheckStateRole).isValid()) {
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void XARuleInfoCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const QRect rect = option.rect.adjusted(2, 0, -2, 0);
    const auto elided = [&](int role, double pointSize) {
        QFont font;
        font.setPointSizeF(pointSize);
        font.setBold(true);
        return QFontMetrics(font).elidedText(index.data(role).toString(), Qt::ElideRight, rect.width());
    };
    std::unique_ptr<QTextDocument> document =
        XARuleInfoDocument(elided(XARulesTableModel::RuleNameRole, 12), elided(XARulesTableModel::RuleTagsRole, 10),
                           index.data(XARulesTableModel::RuleIsExcludedRole).toBool(),
                           index.data(XARulesTableModel::SearchTextRole).toString());
    const double top = rect.y() + std::max(0.0, (rect.height() - document->size().height()) / 2);
    painter->save();
    painter->setClipRect(option.rect);
    // The shadow: the same text in white 0.1, one point lower.
    std::unique_ptr<QTextDocument> shadow = XARuleInfoDocument(document->toPlainText().section('\n', 0, 0),
                                                               document->toPlainText().section('\n', 1), false, {});
    QTextCursor all(shadow.get());
    all.select(QTextCursor::Document);
    QTextCharFormat shadowColor;
    shadowColor.setForeground(XAWhite(0.1));
    all.mergeCharFormat(shadowColor);
    painter->translate(rect.x(), top + 1);
    shadow->drawContents(painter);
    painter->translate(0, -1);
    document->drawContents(painter);
    painter->restore();
}

QImage XAActionTemplateImage(double white) {
    const int scale = 2;
    QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath cog;
    const QPointF centre(8, 8);
    const int teeth = 8;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const double angle = tooth * 2 * M_PI / teeth;
        QPainterPath toothPath;
        toothPath.addRect(QRectF(-1.5, -7.5, 3, 3));
        QTransform transform;
        transform.translate(centre.x(), centre.y());
        transform.rotateRadians(angle);
        cog.addPath(transform.map(toothPath));
    }
    cog.addEllipse(centre, 5.5, 5.5);
    cog = cog.simplified();
    QPainterPath hole;
    hole.addEllipse(centre, 2.2, 2.2);
    painter.fillPath(cog.subtracted(hole), XAWhite(white));
    return image;
}
