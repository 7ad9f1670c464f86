#include "app/diagnostics/XADiagnosticPageView.h"

XADiagnosticPageView::XADiagnosticPageView(QWidget *parent) : XAWebView(parent) {
    page()->setBackgroundColor(Qt::transparent);
}

void XADiagnosticPageView::xa_clearWithPlaceholderText(const QString &text) {
    loadedHTML_.clear();
    placeholderText_ = text;
    XAWebView::xa_clearWithPlaceholderText(text);
}

void XADiagnosticPageView::loadHTMLString(const QString &html, const QUrl &baseURL) {
    loadedHTML_ = html;
    placeholderText_.reset();
    loadHTML(html, baseURL);
}
