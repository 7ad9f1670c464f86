#pragma once

// The web view of every HTML pane and window. Its page asks a navigation policy before it follows a navigation, so
// that its owner can keep links to the web out of the pane; without a policy every navigation loads.

#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>

class XAWebPage : public QWebEnginePage {
public:
    // Whether the navigation may load in the page.
    using NavigationPolicy = std::function<bool(const QUrl &url, NavigationType type, bool isMainFrame)>;

    explicit XAWebPage(QObject *parent = nullptr);
    void setNavigationPolicy(NavigationPolicy policy) { navigationPolicy_ = std::move(policy); }
    bool hasNavigationPolicy() const { return static_cast<bool>(navigationPolicy_); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    NavigationPolicy navigationPolicy_;
};

class XAWebView : public QWebEngineView {
public:
    explicit XAWebView(QWidget *parent = nullptr);

    XAWebPage *webPage() const { return page_; }
    // Loads the HTML through the page loader, with the base address for its relative references.
    void loadHTML(const QString &html, const QUrl &baseURL);
    // Whether the last load has finished, and whether it succeeded.
    bool isLoaded() const { return loaded_; }
    bool lastLoadSucceeded() const { return lastLoadSucceeded_; }

    // Shows an empty page with the text as a centred placeholder label, which goes away as soon as the view starts
    // loading a page.
    void xa_clearWithPlaceholderText(const QString &text);

private:
    XAWebPage *page_;
    bool loaded_ = false;
    bool lastLoadSucceeded_ = false;
};
