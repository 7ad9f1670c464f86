#include "app/diagnostics/XAWebView.h"

#include "app/controls/XAViewExtensions.h"
#include "app/diagnostics/XAPageLoader.h"

namespace {

// The page behind a placeholder.
const char *const kEmptyPageAddress = "about:blank";

} // namespace

XAWebPage::XAWebPage(QObject *parent) : QWebEnginePage(parent) {}

bool XAWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) {
    return navigationPolicy_ ? navigationPolicy_(url, type, isMainFrame) : true;
}

XAWebView::XAWebView(QWidget *parent) : QWebEngineView(parent), page_(new XAWebPage(this)) {
    setPage(page_);
    connect(page_, &QWebEnginePage::loadStarted, this, [this] { loaded_ = false; });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        loaded_ = true;
        lastLoadSucceeded_ = ok;
    });
    // Pages given as text go through loadHTML, which takes the placeholder away; any other page that the view
    // goes to (a followed link, a reload of an earlier page) takes it away as soon as its address is known. The
    // engine reports no new start for a load that replaces one still in progress, so the start cannot tell.
    connect(page_, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) {
        if (url != QUrl(QString::fromLatin1(kEmptyPageAddress))) {
            removePlaceholder();
        }
    });
}

void XAWebView::loadHTML(const QString &html, const QUrl &baseURL) {
    removePlaceholder();
    XALoadHTML(page_, html, baseURL);
}

void XAWebView::xa_clearWithPlaceholderText(const QString &text) {
    page_->load(QUrl(QString::fromLatin1(kEmptyPageAddress)));
    xa_addPlaceholderLabelWithText(this, text);
    showsPlaceholder_ = true;
}

void XAWebView::removePlaceholder() {
    if (showsPlaceholder_) {
        showsPlaceholder_ = false;
        xa_clearPlaceholderLabel(this);
    }
}
