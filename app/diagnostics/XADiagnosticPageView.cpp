#include "app/diagnostics/XADiagnosticPageView.h"

#include "app/controls/XAScroller.h"

#include <QLabel>
#include <QStackedLayout>
#include <QTextBrowser>

XADiagnosticPageView::XADiagnosticPageView(QWidget *parent) : QWidget(parent) {
    stack_ = new QStackedLayout(this);
    placeholder_ = new QLabel(this);
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setWordWrap(true);
    placeholder_->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128); font-size: 13pt;"));
    browser_ = new QTextBrowser(this);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->setOpenLinks(false);
    browser_->viewport()->setAutoFillBackground(false);
    browser_->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; color: rgb(220, 220, 220); }"));
    browser_->setVerticalScrollBar(new XAScroller(Qt::Vertical, nullptr));
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (linkHandler_) {
            linkHandler_(url);
        }
    });
    stack_->addWidget(placeholder_);
    stack_->addWidget(browser_);
}

void XADiagnosticPageView::xa_clearWithPlaceholderText(const QString &text) {
    loadedHTML_.clear();
    browser_->clear();
    placeholder_->setText(text);
    stack_->setCurrentWidget(placeholder_);
}

void XADiagnosticPageView::loadHTMLString(const QString &html, const QUrl &baseURL) {
    loadedHTML_ = html;
    browser_->document()->setBaseUrl(baseURL);
    browser_->setSearchPaths({baseURL.toLocalFile()});
    browser_->setHtml(html);
    stack_->setCurrentWidget(browser_);
}

std::optional<QString> XADiagnosticPageView::placeholderText() const {
    if (stack_->currentWidget() != placeholder_) {
        return std::nullopt;
    }
    return placeholder_->text();
}
