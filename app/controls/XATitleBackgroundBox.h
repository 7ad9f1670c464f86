#pragma once

// A box filled with the title background: white 0.2, or 0.15 for a secondary title.

#include <QFrame>

class XATitleBackgroundBox : public QFrame {
public:
    explicit XATitleBackgroundBox(QWidget *parent = nullptr);

    bool xa_isSecondaryTitle() const { return isSecondaryTitle_; }
    void setXa_isSecondaryTitle(bool secondary);
    QColor fillColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool isSecondaryTitle_ = false;
};
