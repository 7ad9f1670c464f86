#include "app/diagnostics/XAWebView.h"

#include "app/controls/XAViewExtensions.h"
#include "app/diagnostics/XAPageLoader.h"

#include <QLabel>
#include <QWebEngineLoadingInfo>

#include <memory>

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
}

void XAWebView::loadHTML(const QString &html, const QUrl &baseURL) { XALoadHTML(page_, html, baseURL); }

void XAWebView::xa_clearWithPlaceholderText(const QString &text) {
    loadHTML(QString(), QUrl());
    xa_addPlaceholderLabelWithText(this, text);
    // The empty page's own load is not the page that replaces the label: only a load that starts after it ended.
    auto connection = std::make_shared<QMetaObject::Connection>();
    auto emptyPageLoaded = std::make_shared<bool>(false);
    *connection = connect(page_, &QWebEnginePage::loadingChanged, this,
                          [this, connection, emptyPageLoaded](const QWebEngineLoadingInfo &info) {
                              if (!*emptyPageLoaded) {
                                  *emptyPageLoaded = info.status() != QWebEngineLoadingInfo::LoadStartedStatus;
                                  return;
                              }
                              if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
                                  xa_clearPlaceholderLabel(this);
                                  disconnect(*connection);
                              }
                          });
}
