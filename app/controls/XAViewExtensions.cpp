#include "app/controls/XAViewExtensions.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QWidget>

namespace {

QString placeholderObjectName() { return QStringLiteral("xa_placeholder_%1").arg(XAPlaceholderLabelTag); }

} // namespace

void xa_centerOnWindow(QWidget *window, const QWidget *other) {
    const QRect otherFrame = other ? other->frameGeometry() : QRect(0, 0, 0, 0);
    QSize ownFrame = window->frameGeometry().size();
    if (!window->isVisible() && other) {
        // A window not shown yet has no frame: take the other window's frame margins.
        ownFrame = window->size() + (other->frameGeometry().size() - other->geometry().size());
    }
    const int x = otherFrame.x() + (otherFrame.width() - ownFrame.width()) / 2;
    const int y = otherFrame.y() + (otherFrame.height() - ownFrame.height()) / 2;
    window->move(x, y);
}

QLabel *xa_placeholderLabel(const QWidget *view) { return view->findChild<QLabel *>(placeholderObjectName()); }

QLabel *xa_addPlaceholderLabelWithText(QWidget *view, const std::optional<QString> &text) {
    QLabel *label = xa_placeholderLabel(view);
    if (!label) {
        label = new QLabel(view);
        label->setObjectName(placeholderObjectName());
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(13);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: rgb(102, 102, 102); background: transparent;"));
    }
    label->setText(text.value_or(QString()));
    label->adjustSize();
    label->move((view->width() - label->width()) / 2, (view->height() - label->height()) / 2);
    label->show();
    label->raise();
    return label;
}

void xa_clearPlaceholderLabel(QWidget *view) {
    if (QLabel *label = xa_placeholderLabel(view)) {
        label->hide();
        label->deleteLater();
        label->setObjectName(QString()); // so that a new label may be added before this one is gone
    }
}

void xa_setTitle(QLabel *label, const std::optional<QString> &title, const std::optional<QColor> &color,
                 const QColor &shadowColor) {
    label->setText(title.value_or(QString()));
    if (color) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *color);
        label->setPalette(palette);
    }
    auto *shadow = new QGraphicsDropShadowEffect(label);
    shadow->setOffset(0, 2);
    shadow->setBlurRadius(0.5);
    shadow->setColor(shadowColor);
    label->setGraphicsEffect(shadow);
}
