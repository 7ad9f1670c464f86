#pragma once

// The value of a configuration or rule option: what an option's conversion produces and what a configuration
// stores. Besides the kinds of a JSON tree it holds compiled regular expressions, and a number keeps whether it is a
// boolean, an integer or a real (all three count as numbers, as they do in configuration files).

#include "core/XARegex.h"
#include "core/XAValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class XAOptionValue {
public:
    enum class Kind { Null, Boolean, Integer, Real, String, Regex, Array, Other };
    using Array = std::vector<XAOptionValue>;

    XAOptionValue() = default;
    XAOptionValue(std::nullptr_t) {}
    XAOptionValue(bool value) : storage_(value) {}
    XAOptionValue(int value) : storage_(std::int64_t(value)) {}
    XAOptionValue(std::int64_t value) : storage_(value) {}
    XAOptionValue(double value) : storage_(RealNumber{value, false}) {}
    XAOptionValue(const char *value) { // a null pointer gives null
        if (value) {
            storage_ = std::string(value);
        }
    }
    XAOptionValue(std::string value) : storage_(std::move(value)) {}
    XAOptionValue(XARegex value) : storage_(std::move(value)) {}
    XAOptionValue(Array value) : storage_(std::move(value)) {}

    // A real read as single precision; its description is the shortest text of the float.
    static XAOptionValue singlePrecision(float value);
    // A JSON or property-list value: arrays element by element; dictionaries, data and dates are kept as they are.
    static XAOptionValue fromValue(const XAValue &value);
    // An array of strings.
    static XAOptionValue stringArray(const std::vector<std::string> &strings);

    Kind kind() const;
    bool isNull() const { return kind() == Kind::Null; }
    bool isString() const { return kind() == Kind::String; }
    bool isRegex() const { return kind() == Kind::Regex; }
    bool isArray() const { return kind() == Kind::Array; }
    // Booleans, integers and reals.
    bool isNumber() const;

    const std::string *string() const;
    const XARegex *regex() const;
    const Array *array() const;
    // The kept JSON value of kind Other (a dictionary, data or a date).
    const XAValue *other() const;
    std::optional<bool> boolean() const;         // a boolean as it is
    std::optional<std::int64_t> integer() const; // any number, truncated toward zero and saturated
    std::optional<double> real() const;          // any number
    // The truth value of a number (non-zero); false for anything else.
    bool truthValue() const;

    // A short text: a string itself, a number in decimal ("1" for true), a pattern, "(a, b)" for an array, the
    // JSON value's description for Other, "<null>" for null.
    std::string description() const;

    // Numbers compare by value whatever their kind (true equals 1); expressions by pattern and flags.
    bool operator==(const XAOptionValue &other) const;

private:
    struct RealNumber {
        double value = 0;
        bool singlePrecision = false;
    };
    struct OtherValue {
        XAValue value;
    };
    std::variant<std::monostate, bool, std::int64_t, RealNumber, std::string, XARegex, Array, OtherValue> storage_;
};
