#include "app/diagnostics/XAWebDelegate.h"

#include "app/controls/XAAlerts.h"
#include "app/diagnostics/XAPageLoader.h"
#include "app/diagnostics/XAWebBridge.h"
#include "app/diagnostics/XAWebView.h"
#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/integrations/XAFileRevealer.h"
#include "app/integrations/XAURLOpener.h"
#include "app/shell/XANotificationCenter.h"
#include "core/XALog.h"
#include "core/XAPaths.h"

#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <filesystem>

namespace {

const QString kBridgeScriptName = QStringLiteral("tessary-script-bridge");

void showErrorAlert(const XAError &error) {
    XAAlertPresenter::shared().present(
        {QString::fromStdString(error.message), QString(), XAAlertStyle::Warning, {QStringLiteral("OK")}}, nullptr,
        nullptr);
}

QWebEngineScript bridgeScript() {
    QWebEngineScript script;
    script.setName(kBridgeScriptName);
    script.setSourceCode(XAWebBridgeScriptSource());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

// The reference that a symbol link's type makes from its text; no value for a text that does not parse, and for
// types that are not symbols.
std::optional<XACodeSymbolRef> symbolRefForLink(const QString &type, const QString &linkText, bool *isSymbolType) {
    const std::string text = linkText.toStdString();
    *isSymbolType = true;
    if (type == QLatin1String("objcmethod")) {
        return XACodeSymbolRef::withObjCMethodDisplayName(text);
    }
    if (type == QLatin1String("objcclass")) {
        return XACodeSymbolRef::withObjCClassName(text);
    }
    if (type == QLatin1String("objcprotocol")) {
        return XACodeSymbolRef::withObjCProtocolName(text);
    }
    if (type == QLatin1String("objcproperty")) {
        return XACodeSymbolRef::withObjCPropertyDisplayName(text);
    }
    if (type == QLatin1String("cfunction")) {
        return XACodeSymbolRef::withFunctionDisplayName(text);
    }
    if (type == QLatin1String("cmacro")) {
        return XACodeSymbolRef::withMacroDisplayName(text);
    }
    if (type == QLatin1String("typedef")) {
        return XACodeSymbolRef::withTypedefDisplayName(text);
    }
    *isSymbolType = false;
    return std::nullopt;
}

} // namespace

XAWebDelegate &XAWebDelegate::sharedDelegate() {
    static XAWebDelegate delegate;
    return delegate;
}

// ---- Bridging a view ----

void XAWebDelegate::activateInWebView(XAWebView *webView) {
    if (!webView || isActiveInWebView(webView)) {
        return;
    }
    XAWebPage *page = webView->webPage();
    auto *channel = new QWebChannel(page);
    channel->registerObject(QString::fromLatin1(XAWebBridgeObjectName), new XAWebBridgeObject(channel));
    page->setWebChannel(channel, QWebEngineScript::MainWorld);
    page->scripts().insert(bridgeScript());
    // A document that is already there gets the bridge now; every later one at its creation.
    page->runJavaScript(XAWebBridgeScriptSource(), QWebEngineScript::MainWorld);
    page->setNavigationPolicy(&XAWebDelegate::decidePolicyForNavigation);
    webView->setContextMenuPolicy(Qt::NoContextMenu);
}

void XAWebDelegate::deactivateInWebView(XAWebView *webView) {
    if (!webView || !isActiveInWebView(webView)) {
        return;
    }
    XAWebPage *page = webView->webPage();
    for (const QWebEngineScript &script : page->scripts().find(kBridgeScriptName)) {
        page->scripts().remove(script);
    }
    page->runJavaScript(QStringLiteral("delete window.tessaryNativeApp;"), QWebEngineScript::MainWorld);
    QWebChannel *channel = page->webChannel();
    page->setWebChannel(nullptr);
    delete channel;
    page->setNavigationPolicy(nullptr);
    webView->setContextMenuPolicy(Qt::DefaultContextMenu);
}

bool XAWebDelegate::isActiveInWebView(const XAWebView *webView) const {
    return webView && !webView->webPage()->scripts().find(kBridgeScriptName).isEmpty();
}

// ---- Calls from the page ----

void XAWebDelegate::invokeGenericAction(const XAScriptValue &actionName, const XAScriptValue &parameter) {
    XADictionary userInfo;
    userInfo.set(XAWebDelegateGenericActionNameKey, XAValue(actionName.toString().toStdString()));
    userInfo.set(XAWebDelegateGenericActionParamKey, XAValue(parameter.toString().toStdString()));
    XANotificationCenter::defaultCenter().post({XAWebDelegateGenericActionNotificationName, this, userInfo});
}

void XAWebDelegate::openLink(const XAScriptValue &linkText, const XAScriptValue &type, const XAScriptValue &ref,
                             const XAScriptValue &line, const XAScriptValue &column) {
    XALog(XALogLevelDebug, "openLink:%s ofType:%s ref:%s line:%s column:%s", linkText.toString().toUtf8().constData(),
          type.toString().toUtf8().constData(), ref.toString().toUtf8().constData(),
          line.toString().toUtf8().constData(), column.toString().toUtf8().constData());
    if (linkText.isUndefined() || type.isUndefined()) {
        return;
    }
    const QString text = linkText.toString();
    const QString typeName = type.toString();
    // A reference of the page wins over the link's text, but only a documentation reference.
    const QString reference = ref.toString();
    if (!reference.isEmpty()) {
        if (!reference.startsWith(QLatin1String("//apple_ref"))) {
            return;
        }
        XACodeSymbolRef symbol = XACodeSymbolRef::withAppleRef(reference.toStdString());
        openDocumentationRef(symbol.type() == XACodeSymbolTypeUnknown ? std::nullopt : std::optional(symbol), typeName,
                             text);
        return;
    }
    if (typeName == QLatin1String("filepath")) {
        openFileLink(text, line, column);
        return;
    }
    bool isSymbolType = false;
    const std::optional<XACodeSymbolRef> symbol = symbolRefForLink(typeName, text, &isSymbolType);
    if (isSymbolType) {
        openDocumentationRef(symbol, typeName, text);
    }
}

// A text file, and a path that does not exist, go to the editor (which names a missing file); anything else that
// exists, such as a folder or an image, is shown in the file manager.
void XAWebDelegate::openFileLink(const QString &path, const XAScriptValue &line, const XAScriptValue &column) {
    const std::string filePath = path.toStdString();
    if (filePath.empty()) {
        return; // the page named no file
    }
    std::error_code ignored;
    const bool exists = std::filesystem::exists(filePath, ignored);
    if (exists && !xa_fileIsTextFile(filePath)) {
        XAFileRevealer::shared().revealPath(filePath);
        return;
    }
    XAError error;
    if (!XADesktopDevEnvironment::shared().openFileInEditor(filePath, line.toUnsignedInteger(),
                                                            column.toUnsignedInteger(), &error)) {
        if (error.message.empty()) {
            error.message = "Could not open the file.";
        }
        showErrorAlert(error);
    }
}

void XAWebDelegate::openDocumentationRef(const std::optional<XACodeSymbolRef> &ref, const QString &,
                                         const QString &originalLinkText) {
    const QString title = QStringLiteral("Could not find documentation");
    if (!ref) {
        xa_showOKTitle(title,
                       QStringLiteral("We could not find documentation for %1. Please search for it manually in Xcode.")
                           .arg(originalLinkText));
        return;
    }
    const QString displayName = QString::fromStdString(ref->displayName().value_or(originalLinkText.toStdString()));
    XADesktopDevEnvironment::shared().openDocsForCodeSymbol(
        *ref, [title, displayName](const std::optional<XAError> &error) {
            if (!error) {
                return;
            }
            if (error->code == 100) {
                xa_showOKTitle(title, QStringLiteral("We could not find documentation for %1.").arg(displayName));
            } else {
                showErrorAlert(*error);
            }
        });
}

// ---- Navigation ----

bool XAWebDelegate::navigationLoadsInPlace(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame) {
    if (!isMainFrame || type == QWebEnginePage::NavigationTypeRedirect || type == QWebEnginePage::NavigationTypeTyped) {
        return true;
    }
    const QString scheme = url.scheme();
    // Pages given as text arrive as "data" addresses or under the page loader's scheme.
    return scheme == QLatin1String("file") || scheme == QLatin1String("about") || scheme == QLatin1String("data") ||
           scheme == QLatin1String(XAPageSchemeName);
}

bool XAWebDelegate::decidePolicyForNavigation(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame) {
    if (navigationLoadsInPlace(url, type, isMainFrame)) {
        return true;
    }
    openURLOutside(url);
    return false;
}

void XAWebDelegate::openURLOutside(const QUrl &url) {
    XALog(XALogLevelDebug, "Opening URL: %s", url.toString().toUtf8().constData());
    if (!XAURLOpener::shared().openURL(url)) {
        xa_showOKTitle(QStringLiteral("Error"), QStringLiteral("Can not open URL:\n\n%1").arg(url.toString()));
    }
}
