#include "app/controls/XAViewExtensions.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLayout>
#include <QPropertyAnimation>
#include <QWidget>

#include <deque>

namespace {

QString placeholderObjectName() { return QStringLiteral("xa_placeholder_%1").arg(XAPlaceholderLabelTag); }

// A placeholder stays centred on its view whenever the view is resized.
class XAPlaceholderLabel : public QLabel {
public:
    explicit XAPlaceholderLabel(QWidget *view) : QLabel(view) { view->installEventFilter(this); }

    void centre() {
        adjustSize();
        move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == parentWidget() && event->type() == QEvent::Resize) {
            centre();
        }
        return false;
    }
};

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
    auto *label = static_cast<XAPlaceholderLabel *>(xa_placeholderLabel(view));
    if (!label) {
        label = new XAPlaceholderLabel(view);
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
    label->centre();
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

namespace {

QList<QWidget *> childWidgets(const QWidget *view) { return view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly); }

bool hasWindowModalDialogOn(const QWidget *window) {
    for (const QDialog *dialog : window->findChildren<QDialog *>()) {
        if (dialog->isVisible() && dialog->windowModality() == Qt::WindowModal && dialog->window() != window) {
            return true;
        }
    }
    return false;
}

void fade(QWidget *view, double seconds, double from, double to) {
    auto *effect = new QGraphicsOpacityEffect(view);
    view->setGraphicsEffect(effect);
    effect->setOpacity(from);
    view->show();
    auto *animation = new QPropertyAnimation(effect, "opacity", view);
    animation->setDuration(static_cast<int>(seconds * 1000));
    animation->setStartValue(from);
    animation->setEndValue(to);
    QObject::connect(animation, &QPropertyAnimation::finished, view, [view, to] {
        if (to == 0.0) {
            view->hide();
        }
        view->setGraphicsEffect(nullptr);
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace

bool xa_isFocused(const QWidget *view) {
    const QWidget *window = view->window();
    if (QApplication::focusWidget() != view || hasWindowModalDialogOn(window)) {
        return false;
    }
    return window->isActiveWindow() || window == QApplication::activeModalWidget();
}

void xa_bringSubviewToFront(QWidget *view, QWidget *subview) {
    if (subview->parentWidget() == view) {
        subview->raise();
    }
}

void xa_recurseSubviewsWithBlock(const QWidget *view, const std::function<void(QWidget *, bool &)> &block) {
    std::deque<QWidget *> queue;
    for (QWidget *child : childWidgets(view)) {
        queue.push_back(child);
    }
    bool stop = false;
    while (!queue.empty()) {
        QWidget *next = queue.front();
        queue.pop_front();
        block(next, stop);
        if (stop) {
            return;
        }
        for (QWidget *child : childWidgets(next)) {
            queue.push_back(child);
        }
    }
}

QWidget *xa_subviewAtIndex(const QWidget *view, qsizetype index) {
    const QList<QWidget *> children = childWidgets(view);
    return index >= 0 && index < children.size() ? children[index] : nullptr;
}

void xa_removeAllSubviews(QWidget *view) { qDeleteAll(childWidgets(view)); }

void xa_replaceFirstSubviewWithView(QWidget *view, QWidget *replacement) {
    QWidget *first = xa_subviewAtIndex(view, 0);
    if (!first) {
        replacement->setParent(view);
        replacement->show();
        return;
    }
    if (QLayout *layout = view->layout(); layout && layout->indexOf(first) >= 0) {
        delete layout->replaceWidget(first, replacement);
    } else {
        replacement->setParent(view);
        replacement->setGeometry(first->geometry());
    }
    replacement->stackUnder(first);
    replacement->show();
    delete first;
}

void xa_fadeInWithDuration(QWidget *view, double seconds) { fade(view, seconds, 0.0, 1.0); }

void xa_fadeOutWithDuration(QWidget *view, double seconds) { fade(view, seconds, 1.0, 0.0); }
