#pragma once

// The column header of the dark tables: a grey gradient with a one-point border line along its bottom and a
// separator at each section's right edge; a pressed section is a tenth darker.

#include <QHeaderView>

class XATableHeaderView : public QHeaderView {
public:
    explicit XATableHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Paints one section into the rectangle.
    void xa_drawSection(QPainter *painter, const QRect &rect, int logicalIndex, bool highlighted) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int pressedSection_ = -1;
};
