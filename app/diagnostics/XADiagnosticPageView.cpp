#include "app/diagnostics/XADiagnosticPageView.h"

#include "app/controls/XAViewExtensions.h"

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
    // A page that follows a placeholder at once may start loading before the placeholder's empty page has ended,
    // which would leave the label over it.
    xa_clearPlaceholderLabel(this);
    loadHTML(html, baseURL);
}
