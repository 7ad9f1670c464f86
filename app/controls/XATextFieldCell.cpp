#include "app/controls/XATextFieldCell.h"

#include "app/controls/XAButtonCell.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr double kHorizontalPadding = 2;

QString itemText(const QModelIndex &index) { return index.data(Qt::DisplayRole).toString(); }

// The text laid out in the width: rich text (HTML) keeps its own styles, plain text takes the font.
void layOut(QTextDocument &document, const QString &text, const QFont &font, double width) {
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(wrapping);
    if (Qt::mightBeRichText(text)) {
        document.setHtml(text);
    } else {
        document.setPlainText(text);
    }
    document.setTextWidth(width);
}

// Gives every run of the text the colour.
void recolour(QTextDocument &document, const QColor &color) {
    QTextCursor cursor(&document);
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(color);
    cursor.mergeCharFormat(format);
}

void drawDocument(QPainter *painter, const QTextDocument &document, const QPointF &origin, const QRectF &clip,
                  const QColor &defaultColor) {
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    painter->translate(origin);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, defaultColor);
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

} // namespace

bool xa_isOnSelectedRowInTableView(const QStyleOptionViewItem &option) { return option.state & QStyle::State_Selected; }

QString xa_textFittedToSize(const QString &text, const QFont &font, const QSizeF &size) {
    const QFontMetricsF metrics(font);
    QString flowing = text;
    flowing.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(flowing, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(size.width(), 1.0));
        lines << flowing.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
    }
    layout.endLayout();
    const qsizetype fitting = std::max<qsizetype>(1, qsizetype(size.height() / metrics.lineSpacing()));
    QStringList shown;
    for (qsizetype index = 0; index < lines.size() && index < fitting; ++index) {
        const bool textLeftOver = index == fitting - 1 && index + 1 < lines.size();
        const QString line = textLeftOver ? lines.mid(index).join(QLatin1Char(' ')) + QChar(0x2026) : lines[index];
        shown << metrics.elidedText(line, Qt::ElideRight, size.width());
    }
    return shown.join(QLatin1Char('\n'));
}

QRectF XATextFieldCell::titleRectForBounds(const QRectF &bounds, const QString &text, const QFont &font) const {
    QRectF r = bounds.adjusted(kHorizontalPadding, 0, -kHorizontalPadding, 0);
    if (!centerVertically_) {
        return r;
    }
    double height = 0.0;
    if (!text.isEmpty()) {
        QTextDocument document;
        layOut(document, text, font, r.width());
        height = document.size().height();
    }
    if (r.height() > height) {
        r.setY(bounds.y() + (bounds.height() - height) * 0.5);
        r.setHeight(height);
    }
    return r;
}

void XATextFieldCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    drawInterior(painter, option, index);
}

QWidget *XATextFieldCell::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const {
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *field = qobject_cast<QLineEdit *>(editor)) {
        // The field editor's dark colours: white caret and text on a blue-grey background.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, QColor::fromRgbF(57 / 255.0, 81 / 255.0, 133 / 255.0));
        palette.setColor(QPalette::Text, XAWhite(1.0));
        field->setPalette(palette);
    }
    return editor;
}

bool XATextFieldCell::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                const QModelIndex &index) {
    const QString value = itemText(index);
    if (event->type() != QEvent::ToolTip || index.data(Qt::ToolTipRole).isValid() || value.isEmpty()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QTextDocument document;
    layOut(document, value, option.font, -1); // unwrapped: the width the whole value needs
    const QString plain = document.toPlainText();
    if (document.idealWidth() <= titleRectForBounds(option.rect, value, option.font).width()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), plain.toHtmlEscaped(), view);
    return true;
}

void XATextFieldCell::drawInterior(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const {
    const QString value = itemText(index);
    if (!value.isEmpty()) {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        const QColor color =
            foreground.isValid() ? foreground.value<QBrush>().color() : option.palette.color(QPalette::Text);
        drawText(painter, option, value, color, false);
    } else if (placeholder_) {
        drawText(painter, option, *placeholder_, XAWhite(0.4), true);
    }
}

void XATextFieldCell::drawText(QPainter *painter, const QStyleOptionViewItem &option, const QString &text, QColor color,
                               bool isPlaceholder) const {
    const QRectF rect = titleRectForBounds(option.rect, text, option.font);
    QTextDocument document;
    layOut(document, text, option.font, rect.width());
    QString shown = text;
    const bool fits = document.size().height() <= rect.height() + 0.5 && document.idealWidth() <= rect.width() + 0.5;
    if (!fits && !Qt::mightBeRichText(text)) {
        shown = xa_textFittedToSize(text, option.font, rect.size());
        layOut(document, shown, option.font, rect.width());
    }
    if (xa_isOnSelectedRowInTableView(option)) {
        // White text with a grey shadow one point above it.
        QTextDocument shadow;
        layOut(shadow, shown, option.font, rect.width());
        recolour(shadow, QColor::fromRgbF(0.4f, 0.4f, 0.4f));
        drawDocument(painter, shadow, rect.topLeft() + QPointF(0, -1), option.rect, color);
        color = XAWhite(isPlaceholder ? 0.9 : 1.0);
        recolour(document, color);
    } else if (isPlaceholder) {
        recolour(document, color);
    }
    drawDocument(painter, document, rect.topLeft(), option.rect, color);
}

XAPillTextFieldCell::XAPillTextFieldCell(QObject *parent)
    : XATextFieldCell(parent), pillColor_(XAWhite(0.5)), highlightedPillColor_(XAWhite(0.7)) {}

QRectF XAPillTextFieldCell::pillRect(const QRectF &titleRect) { return titleRect.adjusted(0, -2, 0, 2); }

QSizeF XAPillTextFieldCell::pillRadii(double fontPointSize, const QRectF &pill) {
    const double k = fontPointSize * 0.5 * 0.9;
    return {std::min(2 * k - 1, pill.width() / 2), std::min(2 * k, pill.height() / 2)};
}

void XAPillTextFieldCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const QRectF pill = pillRect(titleRectForBounds(option.rect, itemText(index), option.font));
    const QSizeF radii = pillRadii(option.font.pointSizeF(), pill);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(xa_isOnSelectedRowInTableView(option) ? highlightedPillColor_ : pillColor_);
    painter->drawRoundedRect(pill, radii.width(), radii.height());
    painter->restore();
    drawInterior(painter, option, index);
}

void XANoHighlightTextFieldCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const {
    QStyleOptionViewItem plain = option;
    plain.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, plain, index);
}
