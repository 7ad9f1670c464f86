#include "app/shell/XAMenuUpdatingDelegate.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

std::function<Qt::KeyboardModifiers()> &keyboardModifiersProvider() {
    static std::function<Qt::KeyboardModifiers()> provider;
    return provider;
}

} // namespace

void XAMenuUpdatingDelegate::setKeyboardModifiersProvider(std::function<Qt::KeyboardModifiers()> provider) {
    keyboardModifiersProvider() = std::move(provider);
}

XAMenuUpdatingDelegate::XAMenuUpdatingDelegate(QMenu *menu, Handler handler)
    : QObject(menu), handler_(std::move(handler)), menu_(menu) {
    connect(menu, &QMenu::aboutToShow, this, [this] { menuWillOpen(menu_); });
    connect(menu, &QMenu::aboutToHide, this, [this] { menuDidClose(menu_); });
}

void XAMenuUpdatingDelegate::updateMenu(QMenu *menu) {
    const Qt::KeyboardModifiers modifiers =
        keyboardModifiersProvider() ? keyboardModifiersProvider()() : QGuiApplication::queryKeyboardModifiers();
    updateMenu(menu, modifiers.testFlag(Qt::AltModifier));
}

void XAMenuUpdatingDelegate::updateMenu(QMenu *menu, bool optionKeyDown) {
    if (handler_ && menu) {
        handler_(menu, optionKeyDown);
    }
}

void XAMenuUpdatingDelegate::menuWillOpen(QMenu *menu) {
    updateMenu(menu);
    if (!observing_ && menu) {
        menu->installEventFilter(this);
        observing_ = true;
    }
}

void XAMenuUpdatingDelegate::menuDidClose(QMenu *menu) {
    if (observing_ && menu) {
        menu->removeEventFilter(this);
    }
    observing_ = false;
}

bool XAMenuUpdatingDelegate::eventFilter(QObject *watched, QEvent *event) {
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched == menu_) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Alt) {
            updateMenu(menu_, event->type() == QEvent::KeyPress);
            return true; // the menu itself would take Alt as a request to close
        }
    }
    return false;
}

// A plain cast over the children: the class has no meta-object of its own, so findChild would match any child.
XAMenuUpdatingDelegate *xa_updatingDelegate(const QMenu *menu) {
    for (QObject *child : menu->children()) {
        if (auto *delegate = dynamic_cast<XAMenuUpdatingDelegate *>(child)) {
            return delegate;
        }
    }
    return nullptr;
}

XAMenuUpdatingDelegate *xa_addUpdatingDelegateWithHandler(QMenu *menu, XAMenuUpdatingDelegate::Handler handler) {
    xa_removeUpdatingDelegate(menu);
    return new XAMenuUpdatingDelegate(menu, std::move(handler));
}

void xa_removeUpdatingDelegate(QMenu *menu) {
    if (XAMenuUpdatingDelegate *delegate = xa_updatingDelegate(menu)) {
        delegate->menuDidClose(menu);
        delete delegate;
    }
}

void xa_makeItemsWithTagsVisibleOnlyWhenOptionKeyDepressed(QMenu *menu, const std::vector<int> &tags) {
    xa_addUpdatingDelegateWithHandler(menu, [tags](QMenu *updated, bool optionKeyDown) {
        for (int tag : tags) {
            for (QAction *action : updated->actions()) {
                if (action->data().isValid() && action->data().toInt() == tag) {
                    action->setVisible(optionKeyDown);
                    break;
                }
            }
        }
    });
}

QAction *xa_emptyItem(QObject *parent) { return new QAction(QString(), parent); }
