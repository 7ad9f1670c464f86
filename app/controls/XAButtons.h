#pragma once

// The application's push button, check box, title-only button and pop-up button: Qt's controls painted by the
// button and pop-up cells.

#include "app/controls/XAButtonCell.h"
#include "app/controls/XAPopUpButtonCell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

class XAButton : public QPushButton {
public:
    explicit XAButton(const QString &title = QString(), QWidget *parent = nullptr);
    XAButtonCell &cell() { return cell_; }
    QSize sizeHint() const override;
    // Layouts never make a button narrower than its title.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    XAButtonCell cell_;
};

// Draws only the box and its mark, never a title.
class XACheckBox : public QCheckBox {
public:
    explicit XACheckBox(QWidget *parent = nullptr);
    XAButtonCell &cell() { return cell_; }
    QSize sizeHint() const override { return {15, 15}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override { return rect().contains(position); }

private:
    XAButtonCell cell_;
};

// A button that shows only its title, without a bezel.
class XANoBezelButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class XAPopUpButton : public QComboBox {
public:
    explicit XAPopUpButton(QWidget *parent = nullptr);
    XAPopUpButtonCell &cell() { return cell_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    XAPopUpButtonCell cell_;
};

// The button's styled cell, or none for any other button.
XAButtonCell *xa_buttonCell(QAbstractButton *button);
