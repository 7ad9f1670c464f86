#pragma once

// The pane beside the diagnostics table: either a centred grey placeholder text or the selected group's HTML page,
// loaded with the resource folder as its base address so that its style sheet and pictures resolve. The page is
// shown by a rich-text browser that draws no background of its own; links are handed to the link handler.

#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QStackedLayout;
class QTextBrowser;

class XADiagnosticPageView : public QWidget {
public:
    explicit XADiagnosticPageView(QWidget *parent = nullptr);

    // An empty page with the text centred over it.
    void xa_clearWithPlaceholderText(const QString &text);
    void loadHTMLString(const QString &html, const QUrl &baseURL);

    // The placeholder on show; none while a page is.
    std::optional<QString> placeholderText() const;
    // The page last loaded; empty after a placeholder.
    const QString &loadedHTML() const { return loadedHTML_; }
    QTextBrowser *browser() const { return browser_; }
    void setLinkHandler(std::function<void(const QUrl &url)> handler) { linkHandler_ = std::move(handler); }

private:
    QStackedLayout *stack_ = nullptr;
    QLabel *placeholder_ = nullptr;
    QTextBrowser *browser_ = nullptr;
    QString loadedHTML_;
    std::function<void(const QUrl &)> linkHandler_;
};
