#pragma once

// The native end of a page's script bridge. Each bridged page has one web channel with one of these objects
// registered under "tessaryNativeApp"; a script injected at document creation into every document of the page
// defines window.tessaryNativeApp with exactly the two methods below (a selector's colons written as underscores),
// queues calls made before the channel is ready, and marks undefined arguments, so that they arrive here as
// undefined rather than as null. Every call goes on to the shared web delegate.

#include <QJsonValue>
#include <QObject>
#include <QString>

class XAWebBridgeObject : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE void openLink_ofType_ref_line_column_(const QJsonValue &linkText, const QJsonValue &type,
                                                      const QJsonValue &ref, const QJsonValue &line,
                                                      const QJsonValue &column);
    Q_INVOKABLE void invokeGenericAction_withParameter_(const QJsonValue &actionName, const QJsonValue &parameter);
};

// The name of the native object on the page's window and in its channel.
inline constexpr const char *XAWebBridgeObjectName = "tessaryNativeApp";

// Qt's client script of the web channel (it defines QWebChannel), made to drop answers that reach a document for calls
// an earlier document of the same frame made.
QString XAWebChannelClientScript();

// The script injected into every document of a bridged page: the web channel's own client script followed by the
// definition of window.tessaryNativeApp.
QString XAWebBridgeScriptSource();
