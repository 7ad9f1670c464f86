#pragma once

// A one-line label that gives up width before anything beside it does: narrower than its text, it shows the text cut
// with an ellipsis. text() stays the whole text.

#include <QLabel>

class XAElidingLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
