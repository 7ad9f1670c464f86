#pragma once

// The web pane beside the diagnostics table: either a centred grey placeholder text or the selected group's HTML
// page, loaded with the resource folder as its base address so that its style sheet, script and pictures resolve.
// The page draws no background of its own and styles its own scroll bars. The view remembers what it was last asked
// to show.

#include "app/diagnostics/XAWebView.h"

#include <optional>

class XADiagnosticPageView : public XAWebView {
public:
    explicit XADiagnosticPageView(QWidget *parent = nullptr);

    // An empty page with the text centred over it.
    void xa_clearWithPlaceholderText(const QString &text);
    void loadHTMLString(const QString &html, const QUrl &baseURL);

    // The placeholder on show; none while a page is.
    const std::optional<QString> &placeholderText() const { return placeholderText_; }
    // The page last loaded; empty after a placeholder.
    const QString &loadedHTML() const { return loadedHTML_; }

private:
    std::optional<QString> placeholderText_;
    QString loadedHTML_;
};
