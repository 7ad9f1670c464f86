#pragma once

// A splitter with thin dividers painted in one colour (black unless set).

#include <QColor>
#include <QSplitter>

class XASplitView : public QSplitter {
public:
    explicit XASplitView(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);

    QColor xa_dividerColor() const { return dividerColor_; }
    void setXa_dividerColor(const QColor &color);

protected:
    QSplitterHandle *createHandle() override;

private:
    QColor dividerColor_;
};
