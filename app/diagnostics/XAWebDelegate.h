#pragma once

// The one script bridge of the HTML panes (diagnostics, rule information). A bridged web view's page scripts reach
// it as window.tessaryNativeApp: they open a file of the checked project in the user's code editor at a line, look a
// code symbol up in the user's documentation browser, and send a named action with a parameter to the rest of the
// application as the notification "XAWebDelegateGenericActionNotificationName". Links to the web leave the pane for
// the desktop's default application; pages of files load in place. A bridged pane has no context menu.

#include "app/diagnostics/XAScriptValue.h"
#include "codemodel/clang/XACodeSymbolRef.h"

#include <QString>
#include <QUrl>
#include <QWebEnginePage>

#include <optional>

class XAWebView;

class XAWebDelegate {
public:
    static XAWebDelegate &sharedDelegate();

    // Bridges the view: its page gets the native object and the navigation policy. The users activate the bridge
    // when their view is set up and deactivate it when they release the view.
    void activateInWebView(XAWebView *webView);
    void deactivateInWebView(XAWebView *webView);
    bool isActiveInWebView(const XAWebView *webView) const;

    // Posts the generic action notification; undefined or null arguments are "".
    void invokeGenericAction(const XAScriptValue &actionName, const XAScriptValue &parameter);
    // Follows a link of the page: a code symbol of the type named, or a file path ("filepath"); see the
    // implementation for the order of the tests.
    void openLink(const XAScriptValue &linkText, const XAScriptValue &type, const XAScriptValue &ref,
                  const XAScriptValue &line, const XAScriptValue &column);
    // Opens the documentation of the reference, or says that there is none for the link text.
    void openDocumentationRef(const std::optional<XACodeSymbolRef> &ref, const QString &type,
                              const QString &originalLinkText);

    // The navigation policy of the bridged panes: true lets the navigation load in place; false means it was handed
    // to the desktop's default application instead (with an alert when none took it).
    static bool decidePolicyForNavigation(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame);
    // Whether a navigation loads in place: sub-frames, redirects, the application's own loads and pages of the
    // schemes "file", "about", "data" and the page loader's own; everything else goes outside.
    static bool navigationLoadsInPlace(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame);
    // Opens the address in the desktop's default application; "Error" / "Can not open URL:\n\n%@" when that fails.
    static void openURLOutside(const QUrl &url);

private:
    XAWebDelegate() = default;
    void openFileLink(const QString &path, const XAScriptValue &line, const XAScriptValue &column);
};

inline constexpr const char *XAWebDelegateGenericActionNotificationName = "XAWebDelegateGenericActionNotificationName";
inline constexpr const char *XAWebDelegateGenericActionNameKey = "XAWebDelegateGenericActionNameKey";
inline constexpr const char *XAWebDelegateGenericActionParamKey = "XAWebDelegateGenericActionParamKey";
