#pragma once

// A window that shows one HTML page, given as text or produced by a render block off the GUI thread, with a find
// bar. While `openLinksInExternalBrowser` holds (the default), followed links to the web leave for the desktop's
// default application, as in the bridged panes; pages of files load in place.

#include "app/diagnostics/XAWebView.h"
#include "app/shell/XAWindowController.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <mutex>

class QAction;

// The actions of a find menu item's tag.
enum XATextFinderAction {
    XATextFinderActionShowFindInterface = 1,
    XATextFinderActionNextMatch = 2,
    XATextFinderActionPreviousMatch = 3,
    XATextFinderActionSetSearchString = 7,
    XATextFinderActionHideFindInterface = 11,
};

class XAHTMLWindowController : public XAWindowController {
public:
    using HTMLRenderBlock = std::function<QString()>;

    XAHTMLWindowController(const QString &title, const QString &html, const QUrl &baseURL);
    XAHTMLWindowController(const QString &title, HTMLRenderBlock htmlRenderBlock, const QUrl &baseURL);

    const QString &title() const { return title_; }
    QString html() const;
    void setHtml(const QString &html);
    const QUrl &baseURL() const { return baseURL_; }
    bool openLinksInExternalBrowser() const { return openLinksInExternalBrowser_; }
    void setOpenLinksInExternalBrowser(bool open) { openLinksInExternalBrowser_ = open; }

    XAWebView *webView() const { return webView_; }
    QWidget *findBar() const { return findBar_; }
    QLineEdit *findField() const { return findField_; }
    // "<current> of <count>" while the search text has matches.
    QLabel *findStatus() const { return findStatus_; }

    // The window's Edit menu: Find… (Ctrl+F), Find Next, Find Previous and Use Selection for Find, each carrying its
    // action's tag.
    QMenu *editMenu() const { return editMenu_; }

    // A find menu item's action, by its tag (the item's data). Showing the find bar first takes the page's
    // selection as the search text. Other senders than menu items are ignored.
    void performFindAction(const QAction *sender);
    void performTextFinderAction(int action);

protected:
    void windowDidLoad() override;

private:
    void buildContent();
    void buildEditMenu();
    void loadPage();
    void findAgain(bool backwards);

    QString title_;
    mutable std::mutex htmlMutex_;
    QString html_;
    HTMLRenderBlock htmlRenderBlock_;
    QUrl baseURL_;
    bool openLinksInExternalBrowser_ = true;
    QPointer<XAWebView> webView_;
    QPointer<QWidget> findBar_;
    QPointer<QLineEdit> findField_;
    QPointer<QLabel> findStatus_;
    QPointer<QMenu> editMenu_;
};
