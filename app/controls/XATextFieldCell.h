#pragma once

// The text cells of the dark tables, as item delegates. XATextFieldCell draws the item's text (optionally centred
// vertically) or a grey placeholder, in white with a soft shadow on a selected row; XAPillTextFieldCell paints a
// rounded pill behind the text; XANoHighlightTextFieldCell draws plain text with no selection colour behind it.
// The table paints the rows' selection itself, so none of them paints a background.

#include <QColor>
#include <QStyledItemDelegate>

#include <optional>

// Whether the cell being painted stands on a selected row of its table.
bool xa_isOnSelectedRowInTableView(const QStyleOptionViewItem &option);

// Plain text as it fits a rectangle: wrapped between words only, as many lines as fit (at least one), a word wider
// than the rectangle and the last line when text is left over ending in an ellipsis; lines joined by "\n".
QString xa_textFittedToSize(const QString &text, const QFont &font, const QSizeF &size);

// Values wrap between words; plain text that does not fit its cell is cut with an ellipsis (see xa_textFittedToSize)
// rather than broken inside a word or clipped.
class XATextFieldCell : public QStyledItemDelegate {
public:
    explicit XATextFieldCell(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}

    bool xa_centerVertically() const { return centerVertically_; }
    void setXa_centerVertically(bool center) { centerVertically_ = center; }
    std::optional<QString> placeholderString() const { return placeholder_; }
    void setPlaceholderString(const std::optional<QString> &placeholder) { placeholder_ = placeholder; }

    // The rectangle the text is drawn in: the bounds less 2 points on each side, centred on the bounds' middle and
    // as high as the text when centring is on and the text is lower than that rectangle.
    QRectF titleRectForBounds(const QRectF &bounds, const QString &text, const QFont &font) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A value wider than its cell shows in full, as plain dark text, in a tool tip (unless the item has its own).
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    // Draws the value or, for an empty one, the placeholder.
    void drawInterior(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

private:
    void drawText(QPainter *painter, const QStyleOptionViewItem &option, const QString &text, QColor color,
                  bool isPlaceholder) const;

    bool centerVertically_ = false;
    std::optional<QString> placeholder_;
};

class XAPillTextFieldCell : public XATextFieldCell {
public:
    explicit XAPillTextFieldCell(QObject *parent = nullptr);

    QColor pillColor() const { return pillColor_; }
    void setPillColor(const QColor &color) { pillColor_ = color; }
    QColor highlightedPillColor() const { return highlightedPillColor_; }
    void setHighlightedPillColor(const QColor &color) { highlightedPillColor_ = color; }

    // The pill around a title rectangle: 2 points taller at top and bottom.
    static QRectF pillRect(const QRectF &titleRect);
    // The corner radii for the font size (0.9 f − 1 across, 0.9 f up), limited to half the pill's size.
    static QSizeF pillRadii(double fontPointSize, const QRectF &pill);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QColor pillColor_;
    QColor highlightedPillColor_;
};

class XANoHighlightTextFieldCell : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
