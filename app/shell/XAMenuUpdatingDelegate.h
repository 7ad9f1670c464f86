#pragma once

// A menu that updates itself while it is open: its handler runs when the menu opens, with whether the Option key
// (Alt here) is down, and again each time Alt is pressed or released while the menu stays open, so that items can
// show only while Alt is held. The delegate belongs to its menu (a child object) and watches the menu's key events
// only while it is open.

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenu;

class XAMenuUpdatingDelegate : public QObject {
public:
    using Handler = std::function<void(QMenu *menu, bool optionKeyDown)>;

    XAMenuUpdatingDelegate(QMenu *menu, Handler handler);

    // Runs the handler with the keyboard's current Alt state.
    void updateMenu(QMenu *menu);
    void updateMenu(QMenu *menu, bool optionKeyDown);
    void menuWillOpen(QMenu *menu);
    void menuDidClose(QMenu *menu);
    bool isObservingMenu() const { return observing_; }

    // Where the keyboard's modifier state comes from (the application by default); tests hold keys down here.
    static void setKeyboardModifiersProvider(std::function<Qt::KeyboardModifiers()> provider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler handler_;
    QPointer<QMenu> menu_;
    bool observing_ = false;
};

// Makes an updating delegate with the handler the menu's own, replacing one added before.
XAMenuUpdatingDelegate *xa_addUpdatingDelegateWithHandler(QMenu *menu, XAMenuUpdatingDelegate::Handler handler);
void xa_removeUpdatingDelegate(QMenu *menu);
XAMenuUpdatingDelegate *xa_updatingDelegate(const QMenu *menu);
// Items are tagged by their data (an integer); the tagged items show only while Alt is down. Tags without an item
// are skipped.
void xa_makeItemsWithTagsVisibleOnlyWhenOptionKeyDepressed(QMenu *menu, const std::vector<int> &tags);
// A new item with an empty title, no action and no shortcut.
QAction *xa_emptyItem(QObject *parent);
