#include "engine/config/XAOptionValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

template <typename Number> std::string shortestText(Number value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
}

std::int64_t saturatedInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(std::trunc(value));
}

} // namespace

XAOptionValue XAOptionValue::singlePrecision(float value) {
    XAOptionValue result;
    result.storage_ = RealNumber{value, true};
    return result;
}

XAOptionValue XAOptionValue::fromValue(const XAValue &value) {
    switch (value.type()) {
    case XAValue::Type::Null:
        return {};
    case XAValue::Type::Boolean:
        return *value.boolean();
    case XAValue::Type::Integer:
        return *value.integer();
    case XAValue::Type::Real:
        return *value.real();
    case XAValue::Type::String:
        return *value.string();
    case XAValue::Type::Array: {
        Array elements;
        elements.reserve(value.array()->size());
        for (const XAValue &element : *value.array()) {
            elements.push_back(fromValue(element));
        }
        return elements;
    }
    default: {
        XAOptionValue result;
        result.storage_ = OtherValue{value};
        return result;
    }
    }
}

XAOptionValue XAOptionValue::stringArray(const std::vector<std::string> &strings) {
    return Array(strings.begin(), strings.end());
}

XAOptionValue::Kind XAOptionValue::kind() const { return static_cast<Kind>(storage_.index()); }

bool XAOptionValue::isNumber() const {
    Kind k = kind();
    return k == Kind::Boolean || k == Kind::Integer || k == Kind::Real;
}

const std::string *XAOptionValue::string() const { return std::get_if<std::string>(&storage_); }

const XARegex *XAOptionValue::regex() const { return std::get_if<XARegex>(&storage_); }

const XAOptionValue::Array *XAOptionValue::array() const { return std::get_if<Array>(&storage_); }

const XAValue *XAOptionValue::other() const {
    const auto *other = std::get_if<OtherValue>(&storage_);
    return other ? &other->value : nullptr;
}

std::optional<bool> XAOptionValue::boolean() const {
    if (const bool *value = std::get_if<bool>(&storage_)) {
        return *value;
    }
    return std::nullopt;
}

std::optional<std::int64_t> XAOptionValue::integer() const {
    if (const bool *value = std::get_if<bool>(&storage_)) {
        return *value ? 1 : 0;
    }
    if (const std::int64_t *value = std::get_if<std::int64_t>(&storage_)) {
        return *value;
    }
    if (const RealNumber *value = std::get_if<RealNumber>(&storage_)) {
        return saturatedInteger(value->value);
    }
    return std::nullopt;
}

std::optional<double> XAOptionValue::real() const {
    if (const bool *value = std::get_if<bool>(&storage_)) {
        return *value ? 1.0 : 0.0;
    }
    if (const std::int64_t *value = std::get_if<std::int64_t>(&storage_)) {
        return static_cast<double>(*value);
    }
    if (const RealNumber *value = std::get_if<RealNumber>(&storage_)) {
        return value->value;
    }
    return std::nullopt;
}

bool XAOptionValue::truthValue() const {
    if (const std::int64_t *value = std::get_if<std::int64_t>(&storage_)) {
        return *value != 0;
    }
    std::optional<double> number = real();
    return number && *number != 0;
}

std::string XAOptionValue::description() const {
    switch (kind()) {
    case Kind::Null:
        return "<null>";
    case Kind::Boolean:
        return *boolean() ? "1" : "0";
    case Kind::Integer:
        return std::to_string(std::get<std::int64_t>(storage_));
    case Kind::Real: {
        const RealNumber &number = std::get<RealNumber>(storage_);
        return number.singlePrecision ? shortestText(static_cast<float>(number.value)) : shortestText(number.value);
    }
    case Kind::String:
        return *string();
    case Kind::Regex:
        return regex()->pattern();
    case Kind::Array: {
        std::string text = "(";
        const Array &elements = *array();
        for (size_t i = 0; i < elements.size(); ++i) {
            text += (i ? ", " : "") + elements[i].description();
        }
        return text + ")";
    }
    case Kind::Other:
        return other()->description();
    }
    return {};
}

bool XAOptionValue::operator==(const XAOptionValue &other) const {
    if (isNumber() && other.isNumber()) {
        if (kind() != Kind::Real && other.kind() != Kind::Real) {
            return *integer() == *other.integer();
        }
        return *real() == *other.real();
    }
    if (kind() != other.kind()) {
        return false;
    }
    switch (kind()) {
    case Kind::Null:
        return true;
    case Kind::String:
        return *string() == *other.string();
    case Kind::Regex:
        return *regex() == *other.regex();
    case Kind::Array:
        return *array() == *other.array();
    case Kind::Other:
        return *this->other() == *other.other();
    default:
        return false;
    }
}
