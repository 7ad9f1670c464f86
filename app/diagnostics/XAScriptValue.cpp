#include "app/diagnostics/XAScriptValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

bool isUndefinedMarker(const QJsonValue &json) {
    return json.isObject() && json.toObject().size() == 1 &&
           json.toObject().value(QLatin1String(XAScriptUndefinedMarkerKey)).toBool();
}

} // namespace

XAScriptValue XAScriptValue::fromJson(const QJsonValue &json) {
    XAScriptValue value;
    value.json_ = json;
    if (json.isUndefined() || isUndefinedMarker(json)) {
        value.kind_ = Kind::Undefined;
        value.json_ = QJsonValue(QJsonValue::Undefined);
    } else if (json.isNull()) {
        value.kind_ = Kind::Null;
    } else if (json.isBool()) {
        value.kind_ = Kind::Boolean;
    } else if (json.isDouble()) {
        value.kind_ = Kind::Number;
    } else if (json.isString()) {
        value.kind_ = Kind::String;
    } else if (json.isArray()) {
        value.kind_ = Kind::Array;
    } else {
        value.kind_ = Kind::Object;
    }
    return value;
}

QString XAScriptValue::toString() const {
    switch (kind_) {
    case Kind::Undefined:
    case Kind::Null:
        return {};
    case Kind::Boolean:
        return json_.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::Number: {
        const double number = json_.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15) {
            return QString::number(static_cast<qint64>(number));
        }
        return QString::number(number, 'g', 17);
    }
    case Kind::String:
        return json_.toString();
    case Kind::Array:
        return QString::fromUtf8(QJsonDocument(json_.toArray()).toJson(QJsonDocument::Compact));
    case Kind::Object:
        return QString::fromUtf8(QJsonDocument(json_.toObject()).toJson(QJsonDocument::Compact));
    }
    return {};
}

unsigned long XAScriptValue::toUnsignedInteger() const {
    if (kind_ != Kind::Number) {
        return 0;
    }
    const double number = json_.toDouble();
    if (!(number > 0)) {
        return 0; // negative numbers and NaN
    }
    if (number >= 18446744073709551615.0) {
        return static_cast<unsigned long>(-1);
    }
    return static_cast<unsigned long>(number);
}

std::optional<std::vector<XAScriptValue>> xa_arrayValue(const XAScriptValue &value) {
    std::vector<XAScriptValue> elements;
    auto appendUntilHole = [&elements](const XAScriptValue &element) {
        if (element.isUndefined()) {
            return false;
        }
        elements.push_back(element);
        return true;
    };
    if (value.kind() == XAScriptValue::Kind::Array) {
        for (const QJsonValue &element : value.json().toArray()) {
            if (!appendUntilHole(XAScriptValue::fromJson(element))) {
                break;
            }
        }
        return elements;
    }
    if (value.kind() != XAScriptValue::Kind::Object) {
        return std::nullopt;
    }
    const QJsonObject object = value.json().toObject();
    const QJsonValue length = object.value(QStringLiteral("length"));
    if (!length.isDouble()) {
        return std::nullopt;
    }
    const unsigned long count = XAScriptValue::fromJson(length).toUnsignedInteger();
    for (unsigned long index = 0; index < count; ++index) {
        if (!appendUntilHole(XAScriptValue::fromJson(object.value(QString::number(index))))) {
            break;
        }
    }
    return elements;
}
