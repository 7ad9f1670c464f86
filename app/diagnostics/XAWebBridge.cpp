#include "app/diagnostics/XAWebBridge.h"

#include "app/diagnostics/XAScriptValue.h"
#include "app/diagnostics/XAWebDelegate.h"

#include <QFile>

namespace {

// Defines window.tessaryNativeApp. Arguments are marked before they travel: undefined (also a missing argument or a
// hole in an array) becomes the marker object, which the native side reads back as undefined.
const char *const kBridgeDefinition = R"JS(
(function () {
    'use strict';
    if (window.tessaryNativeApp) {
        return;
    }
    var UNDEFINED = {__tessaryUndefined__: true};
    function mark(value) {
        if (value === undefined || typeof value === 'function') {
            return UNDEFINED;
        }
        if (Array.isArray(value)) {
            var elements = [];
            for (var index = 0; index < value.length; index++) {
                elements.push(index in value ? mark(value[index]) : UNDEFINED);
            }
            return elements;
        }
        if (value !== null && typeof value === 'object') {
            var copy = {};
            Object.keys(value).forEach(function (key) { copy[key] = mark(value[key]); });
            return copy;
        }
        return value;
    }
    var nativeObject = null;
    var pending = [];
    function send(method, args) {
        var marked = args.map(mark);
        if (nativeObject) {
            nativeObject[method].apply(nativeObject, marked);
        } else {
            pending.push([method, marked]);
        }
    }
    var bridge = {
        openLink_ofType_ref_line_column_: function (linkText, type, ref, line, column) {
            send('openLink_ofType_ref_line_column_', [linkText, type, ref, line, column]);
        },
        invokeGenericAction_withParameter_: function (actionName, parameter) {
            send('invokeGenericAction_withParameter_', [actionName, parameter]);
        }
    };
    Object.freeze(bridge);
    Object.defineProperty(window, 'tessaryNativeApp', {value: bridge, enumerable: true, configurable: true});
    function connect(attempt) {
        if (!(window.qt && window.qt.webChannelTransport)) {
            if (attempt < 2000) {
                setTimeout(function () { connect(attempt + 1); }, 5);
            }
            return;
        }
        new QWebChannel(window.qt.webChannelTransport, function (channel) {
            nativeObject = channel.objects.tessaryNativeApp;
            var queued = pending;
            pending = [];
            queued.forEach(function (call) { nativeObject[call[0]].apply(nativeObject, call[1]); });
        });
    }
    connect(0);
})();
)JS";

// The native channel answers a call in whichever document its frame shows by the time the answer is ready, so a
// document can receive answers to calls that the document before it made (a page replaced while its channel was
// still being set up). The client script has no callback for them and throws in its message handler; they are
// dropped instead. Numbers of calls repeat between documents, so an earlier document's answer to the first call may
// stand in for this document's: both describe the same native objects.
const char *const kStrayAnswersDropped = R"JS(
(function () {
    var PlainQWebChannel = QWebChannel;
    QWebChannel = function (transport, initCallback, converters) {
        var channel = new PlainQWebChannel(transport, initCallback, converters);
        var handleResponse = channel.handleResponse;
        channel.handleResponse = function (message) {
            if (typeof channel.execCallbacks[message.id] === 'function') {
                handleResponse(message);
            }
        };
        return channel;
    };
})();
)JS";

} // namespace

void XAWebBridgeObject::openLink_ofType_ref_line_column_(const QJsonValue &linkText, const QJsonValue &type,
                                                         const QJsonValue &ref, const QJsonValue &line,
                                                         const QJsonValue &column) {
    XAWebDelegate::sharedDelegate().openLink(XAScriptValue::fromJson(linkText), XAScriptValue::fromJson(type),
                                             XAScriptValue::fromJson(ref), XAScriptValue::fromJson(line),
                                             XAScriptValue::fromJson(column));
}

void XAWebBridgeObject::invokeGenericAction_withParameter_(const QJsonValue &actionName, const QJsonValue &parameter) {
    XAWebDelegate::sharedDelegate().invokeGenericAction(XAScriptValue::fromJson(actionName),
                                                        XAScriptValue::fromJson(parameter));
}

QString XAWebChannelClientScript() {
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.readAll()) + QString::fromUtf8(kStrayAnswersDropped);
}

QString XAWebBridgeScriptSource() {
    static const QString source = XAWebChannelClientScript() + QString::fromUtf8(kBridgeDefinition);
    return source;
}
