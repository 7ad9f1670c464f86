#pragma once

// The application's table in two colour styles, light (1) and dark (2). It paints group rows and the selection
// with gradients of its own; cells paint only their content over them.

#include <QColor>
#include <QTableView>

#include <functional>
#include <optional>

// A gradient's colours from its top edge to its bottom edge.
struct XAGradientColors {
    QColor top;
    QColor bottom;
};

class XATableView : public QTableView {
public:
    explicit XATableView(QWidget *parent = nullptr);

    qint64 xa_style() const { return style_; }
    // Stores the style and applies it; a style other than 1 or 2 keeps the previous colours and gradients.
    void xa_setStyle(qint64 style);

    // Answers whether a row is a group row; without one, no row is.
    void setGroupRowPredicate(std::function<bool(int row)> isGroupRow) { isGroupRow_ = std::move(isGroupRow); }
    bool xa_rowIsGroupRow(int row) const { return isGroupRow_ && isGroupRow_(row); }
    // Gives every column the dark header, keeping the titles.
    void xa_useHeaderCellClass();

    XAGradientColors selectedFocusedHighlightGradient() const { return selectedFocused_; }
    XAGradientColors selectedUnfocusedHighlightGradient() const { return selectedUnfocused_; }
    std::optional<XAGradientColors> groupRowHighlightGradient() const { return groupRow_; }
    std::optional<XAGradientColors> selectedGroupRowHighlightGradient() const { return selectedGroupRow_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void updateStyleIvars();
    // The scrollers of the scroll view around the table get a light knob over a dark table and a dark one over a
    // light table.
    void updateScrollerKnobStyle();
    // The gradient that paints the row's background, or none for an unselected ordinary row.
    std::optional<XAGradientColors> backgroundOfRow(int row, bool focused) const;

    qint64 style_ = 1;
    std::function<bool(int)> isGroupRow_;
    XAGradientColors selectedFocused_;
    XAGradientColors selectedUnfocused_;
    std::optional<XAGradientColors> groupRow_;
    std::optional<XAGradientColors> selectedGroupRow_;
};
