#pragma once

// A value that a page script passed to native code through the web channel. The channel carries JSON, which has no
// undefined value, so the page's bridge script replaces every undefined argument and array element by a marker
// object; this type turns the marker back into Undefined, so that native code can tell an argument the page left out
// from null and from "".

#include <QJsonValue>
#include <QString>

#include <optional>
#include <vector>

class XAScriptValue {
public:
    enum class Kind { Undefined, Null, Boolean, Number, String, Array, Object };

    // Undefined.
    XAScriptValue() = default;
    static XAScriptValue fromJson(const QJsonValue &json);

    Kind kind() const { return kind_; }
    bool isUndefined() const { return kind_ == Kind::Undefined; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isString() const { return kind_ == Kind::String; }
    const QJsonValue &json() const { return json_; }

    // The text of a string; numbers and booleans as the script writes them; "" for undefined and null; arrays and
    // objects as compact JSON.
    QString toString() const;
    // The number as an unsigned integer: 0 for anything that is not a number, for negative numbers and for NaN;
    // fractions are cut off.
    unsigned long toUnsignedInteger() const;

private:
    Kind kind_ = Kind::Undefined;
    QJsonValue json_;
};

// The elements of a script array, or no value when the object has no length. An array ends at its first undefined
// element (a hole); an object with a numeric "length" is read by its index keys "0", "1" ... in the same way.
std::optional<std::vector<XAScriptValue>> xa_arrayValue(const XAScriptValue &value);

// The key of the marker object that stands for an undefined value.
inline constexpr const char *XAScriptUndefinedMarkerKey = "__tessaryUndefined__";
