#include "app/controls/XAButtons.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>

namespace {

XAButtonDrawState drawStateOf(const QAbstractButton &button) {
    XAButtonDrawState state;
    state.enabled = button.isEnabled();
    state.highlighted = button.isDown();
    return state;
}

} // namespace

XAButton::XAButton(const QString &title, QWidget *parent) : QPushButton(title, parent) {}

QSize XAButton::sizeHint() const {
    const QFontMetrics metrics(cell_.xa_textAttributes.font);
    return {metrics.horizontalAdvance(text()) + 24, cell_.xa_size() == XAButtonSizeSmall ? 20 : 24};
}

void XAButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    cell_.drawWithFrame(painter, rect(), text(), drawStateOf(*this));
}

XACheckBox::XACheckBox(QWidget *parent) : QCheckBox(parent) {
    cell_.setButtonType(XAButtonType::CheckBox);
    setFixedSize(15, 15);
}

void XACheckBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    XAButtonDrawState state = drawStateOf(*this);
    state.checkState = checkState();
    cell_.drawWithFrame(painter, rect(), QString(), state);
}

void XANoBezelButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

XAPopUpButton::XAPopUpButton(QWidget *parent) : QComboBox(parent) {}

void XAPopUpButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setFont(font());
    // The pop-up counts as pressed while its list is open.
    cell_.drawWithFrame(painter, rect(), currentText(), isEnabled(), view()->isVisible(), false);
}

XAButtonCell *xa_buttonCell(QAbstractButton *button) {
    if (auto *styled = dynamic_cast<XAButton *>(button)) {
        return &styled->cell();
    }
    if (auto *checkBox = dynamic_cast<XACheckBox *>(button)) {
        return &checkBox->cell();
    }
    return nullptr;
}
