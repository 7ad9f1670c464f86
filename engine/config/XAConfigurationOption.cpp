#include "engine/config/XAConfigurationOption.h"

#include "core/XAJSON.h"
#include "core/XAString.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

struct ValueTypeTexts {
    const char *displayName;
    const char *example;
};

constexpr std::array<ValueTypeTexts, 11> kValueTypeTexts = {{
    {"--", "value"},
    {"File path", "path"},
    {"String", "value"},
    {"Regular expression", "regex"},
    {"Boolean", "yes/no"},
    {"Positive integer", "number"},
    {"Decimal number", "number"},
    {"Array of strings", "value,value,..."},
    {"Array of strings", "value,value,..."},
    {"Array of regular expression strings", "regex,regex,..."},
    {"Array of numbers", "value,value,..."},
}};

bool isKnownType(XAOptionValueType type) {
    return type >= XAOptionValueTypeNone && type <= XAOptionValueTypeNumberArray;
}

std::string asciiLowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::optional<bool> booleanFromText(std::string_view text) {
    std::string lower = asciiLowercase(text);
    if (lower == "true" || lower == "yes" || lower == "yep") {
        return true;
    }
    if (lower == "false" || lower == "no" || lower == "nope") {
        return false;
    }
    return std::nullopt;
}

bool isNumericText(const XAOptionValue &value) { return value.isString() && xa_isNonEmptyNumeric(*value.string()); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The value of a text that is a number by xa_isNonEmptyNumeric: "-", blanks, digits and at most one point.
double valueOfNumericText(std::string_view text) {
    std::string digits;
    bool negative = false;
    for (char c : text) {
        if (c == '-') {
            negative = true;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            digits += c;
        }
    }
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value); // a lone "." stays 0
    return negative ? -value : value;
}

// The leading decimal number of a text after blanks (an optional sign, digits, a fraction and an exponent); 0 when
// the text does not begin with one.
double leadingDoubleValue(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    size_t end = start;
    auto digitsFrom = [&](size_t at) {
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
        return at;
    };
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) {
        ++end;
    }
    size_t mantissaStart = end;
    end = digitsFrom(end);
    if (end < text.size() && text[end] == '.') {
        end = digitsFrom(end + 1);
    }
    if (end == mantissaStart || (end == mantissaStart + 1 && text[mantissaStart] == '.')) {
        return 0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '-' || text[exponent] == '+')) {
            ++exponent;
        }
        size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    std::string number(text.substr(start, end - start));
    if (!number.empty() && number[0] == '+') {
        number.erase(0, 1);
    }
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return std::isfinite(value) ? value : 0;
}

// The leading integer of a text after blanks (an optional sign and digits), saturated at the 64-bit limits; 0 when
// the text does not begin with one. "3.7" gives 3.
std::int64_t leadingIntegerValue(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        int digit = text[at] - '0';
        if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10) {
            return negative ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// An array value, or an array split from a comma-separated text (a backslash keeps a comma in its element).
std::optional<XAOptionValue::Array> arrayFromValue(const XAOptionValue &value) {
    if (const XAOptionValue::Array *elements = value.array()) {
        return *elements;
    }
    if (const std::string *text = value.string()) {
        XAOptionValue::Array elements;
        for (std::string &piece : xa_componentsSeparatedByString(*text, ",")) {
            elements.emplace_back(std::move(piece));
        }
        return elements;
    }
    return std::nullopt;
}

constexpr const char *kRegexMessage = "Value must be a regular expression string";

const char *arrayTypeMessage(XAOptionValueType type) {
    switch (type) {
    case XAOptionValueTypeRegexArray:
        return "Value must be an array that contains regular expression strings";
    case XAOptionValueTypeNumberArray:
        return "Value must be an array that contains numbers";
    default:
        return "Value must be an array that contains strings";
    }
}

std::string joined(const std::vector<std::string> &pieces, std::string_view separator) {
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i) {
            text += separator;
        }
        text += pieces[i];
    }
    return text;
}

bool fail(XAError *error, std::string message) {
    XASetError(error, std::move(message));
    return false;
}

std::string quoted(const std::string &text) { return "\"" + text + "\""; }

// The text form of an array element: a pattern for an expression, else its description.
std::string elementText(const XAOptionValue &element) {
    return element.regex() ? element.regex()->pattern() : element.description();
}

// Orders elements as sorted option arrays need: expressions and strings by their text (byte order), numbers by
// value. Elements of different kinds cannot order each other; they are grouped by kind so that the order stays a
// strict weak ordering.
int kindRank(const XAOptionValue &value) {
    if (value.isNumber()) {
        return 0;
    }
    if (value.isString()) {
        return 1;
    }
    if (value.isRegex()) {
        return 2;
    }
    return 3;
}

bool elementPrecedes(const XAOptionValue &a, const XAOptionValue &b) {
    int rankA = kindRank(a), rankB = kindRank(b);
    if (rankA != rankB) {
        return rankA < rankB;
    }
    switch (rankA) {
    case 0:
        return *a.real() < *b.real();
    case 1:
        return *a.string() < *b.string();
    case 2:
        return a.regex()->pattern() < b.regex()->pattern();
    default:
        return false;
    }
}

std::optional<XARegex> compiledRegex(const XAOptionValue &value, XAError *error) {
    if (const XARegex *regex = value.regex()) {
        return *regex;
    }
    if (const std::string *pattern = value.string()) {
        return XARegex::compile(*pattern, 0, error);
    }
    return std::nullopt;
}

} // namespace

XAConfigurationOption::XAConfigurationOption(std::optional<std::string> shortName, std::string longName,
                                             std::string description, std::optional<std::string> info,
                                             std::optional<XAOptionValue> defaultValue, XAOptionValueType valueType,
                                             XAOptionDomain domain, bool isPublic,
                                             std::vector<std::string> appliesToCommands,
                                             std::vector<XAOptionValue> allowedValues)
    : isPublic_(isPublic), shortName_(std::move(shortName)), longName_(std::move(longName)),
      description_(std::move(description)), info_(std::move(info)), defaultValue_(std::move(defaultValue)),
      domain_(domain), valueType_(valueType), appliesToCommands_(std::move(appliesToCommands)),
      allowedValues_(std::move(allowedValues)) {
    // The default is always acceptable; a default of no value cannot be listed.
    if (!allowedValues_.empty() && defaultValue_ && !defaultValue_->isNull() && !isAllowed(*defaultValue_)) {
        allowedValues_.insert(allowedValues_.begin(), *defaultValue_);
    }
}

std::string XAConfigurationOption::valueTypeDisplayName() const {
    if (!allowedValues_.empty()) {
        return allowedValuesDisplayFormat();
    }
    return isKnownType(valueType_) ? kValueTypeTexts[valueType_].displayName : "";
}

std::string XAConfigurationOption::valueTypeExample() const {
    if (!allowedValues_.empty()) {
        return allowedValuesDisplayFormat();
    }
    return isKnownType(valueType_) ? kValueTypeTexts[valueType_].example : "";
}

std::string XAConfigurationOption::allowedValuesDisplayFormat() const {
    std::vector<std::string> texts;
    for (const XAOptionValue &value : allowedValues_) {
        texts.push_back(value.isString() ? quoted(*value.string()) : value.description());
    }
    return joined(texts, " / ");
}

std::string XAConfigurationOption::defaultValueDisplayName() const {
    return displayFormatForValue(defaultValue_.value_or(XAOptionValue()));
}

bool XAConfigurationOption::valueTypeIsArrayType() const {
    return valueType_ >= XAOptionValueTypeStringArray && valueType_ <= XAOptionValueTypeNumberArray;
}

bool XAConfigurationOption::valueOrderIsSignificant() const {
    return valueType_ == XAOptionValueTypeOrderedStringArray;
}

std::optional<XAOptionValueClass> XAConfigurationOption::valueTypeClass() const {
    switch (valueType_) {
    case XAOptionValueTypeNone:
        return XAOptionValueClass::Any;
    case XAOptionValueTypeFilePath:
    case XAOptionValueTypeString:
        return XAOptionValueClass::String;
    case XAOptionValueTypeRegex:
        return XAOptionValueClass::Regex;
    case XAOptionValueTypeBool:
    case XAOptionValueTypePositiveInteger:
    case XAOptionValueTypeDecimal:
        return XAOptionValueClass::Number;
    default:
        return valueTypeIsArrayType() ? std::optional(XAOptionValueClass::Array) : std::nullopt;
    }
}

XAOptionValue XAConfigurationOption::emptyValueOfOwnType() const {
    switch (valueType_) {
    case XAOptionValueTypeFilePath:
    case XAOptionValueTypeString:
        return std::string();
    case XAOptionValueTypeRegex:
        return *XARegex::compile("");
    case XAOptionValueTypeBool:
        return false;
    case XAOptionValueTypePositiveInteger:
    case XAOptionValueTypeDecimal:
        return std::int64_t(0);
    default:
        return valueTypeIsArrayType() ? XAOptionValue(XAOptionValue::Array()) : XAOptionValue();
    }
}

bool XAConfigurationOption::isAllowed(const XAOptionValue &value) const {
    return std::find(allowedValues_.begin(), allowedValues_.end(), value) != allowedValues_.end();
}

bool XAConfigurationOption::valueIsValid(const XAOptionValue &value, XAError *error) const {
    if (value.isNull()) {
        return true;
    }
    if (!allowedValues_.empty() && !isAllowed(value)) {
        return fail(error, "Value must be one of: " + allowedValuesDisplayFormat());
    }
    switch (valueType_) {
    case XAOptionValueTypeFilePath:
    case XAOptionValueTypeString:
        return value.isString() || fail(error, "Value must be of type: " + asciiLowercase(valueTypeDisplayName()));
    case XAOptionValueTypeRegex:
        if (value.isRegex()) {
            return true;
        }
        if (value.isString()) {
            return XARegex::compile(*value.string(), 0, error).has_value();
        }
        return fail(error, kRegexMessage);
    case XAOptionValueTypeBool: {
        bool valid = value.isString() ? booleanFromText(*value.string()).has_value()
                                      : value.isNumber() && (*value.real() == 0 || *value.real() == 1);
        return valid || fail(error, "Value must be a boolean ('yes' or 'no')");
    }
    case XAOptionValueTypePositiveInteger: {
        std::optional<double> number = isNumericText(value) ? valueOfNumericText(*value.string()) : value.real();
        if (!number) {
            return fail(error, "Value must be a number");
        }
        if (std::fmod(*number, 1.0) > 0) {
            return fail(error, "Value must be an unsigned _integer_: greater or equal to zero");
        }
        if (std::trunc(*number) < 0) {
            return fail(error, "Value must be an _unsigned_ integer: greater or equal to zero");
        }
        return true;
    }
    case XAOptionValueTypeDecimal:
        return isNumericText(value) || value.isNumber() || fail(error, "Value must be a number");
    default:
        return valueTypeIsArrayType() ? arrayIsValid(value, error) : true;
    }
}

bool XAConfigurationOption::arrayIsValid(const XAOptionValue &value, XAError *error) const {
    std::optional<XAOptionValue::Array> elements = arrayFromValue(value);
    if (!elements) {
        return fail(error, arrayTypeMessage(valueType_));
    }
    std::vector<std::string> problems;
    for (const XAOptionValue &element : *elements) {
        if (valueType_ == XAOptionValueTypeRegexArray) {
            XAError regexError;
            if (!element.isRegex() && !element.isString()) {
                problems.push_back(kRegexMessage); // as for a single expression
            } else if (!compiledRegex(element, &regexError)) {
                problems.push_back(regexError.message);
            }
        } else if (valueType_ == XAOptionValueTypeNumberArray) {
            if (!element.isNumber() && !isNumericText(element)) {
                problems.push_back("Value must be a number: " + element.description());
            }
        } else if (!element.isString()) {
            return fail(error, arrayTypeMessage(valueType_));
        }
    }
    return problems.empty() || fail(error, joined(problems, ", "));
}

XAOptionValue XAConfigurationOption::convertValueIfNeeded(const XAOptionValue &value) const {
    if (value.isNull() || (value.isString() && value.string()->empty() && valueType_ != XAOptionValueTypeString)) {
        return {};
    }
    XAOptionValue converted = convertedByType(value);
    std::optional<XAOptionValueClass> valueClass = valueTypeClass();
    bool ofOwnClass = false;
    if (valueClass) {
        switch (*valueClass) {
        case XAOptionValueClass::Any:
            ofOwnClass = !converted.isNull();
            break;
        case XAOptionValueClass::String:
            ofOwnClass = converted.isString();
            break;
        case XAOptionValueClass::Regex:
            ofOwnClass = converted.isRegex();
            break;
        case XAOptionValueClass::Number:
            ofOwnClass = converted.isNumber();
            break;
        case XAOptionValueClass::Array:
            ofOwnClass = converted.isArray();
            break;
        }
    }
    return normalizedValue(ofOwnClass ? converted : emptyValueOfOwnType());
}

// The type-specific step of the conversion; a null result stands for "nothing".
XAOptionValue XAConfigurationOption::convertedByType(const XAOptionValue &value) const {
    switch (valueType_) {
    case XAOptionValueTypeRegex:
        if (value.isString()) {
            std::optional<XARegex> regex = XARegex::compile(*value.string());
            return regex ? XAOptionValue(*regex) : XAOptionValue();
        }
        return value;
    case XAOptionValueTypeBool:
        if (value.isString()) {
            std::optional<bool> truth = booleanFromText(*value.string());
            return truth ? XAOptionValue(*truth) : value;
        }
        return value;
    case XAOptionValueTypePositiveInteger: {
        std::optional<std::int64_t> number =
            isNumericText(value) ? leadingIntegerValue(*value.string()) : value.integer();
        return number ? XAOptionValue(std::max<std::int64_t>(*number, 0)) : value;
    }
    case XAOptionValueTypeDecimal:
        return isNumericText(value)
                   ? XAOptionValue::singlePrecision(static_cast<float>(valueOfNumericText(*value.string())))
                   : value;
    default:
        break;
    }
    if (!valueTypeIsArrayType()) {
        return value;
    }
    std::optional<XAOptionValue::Array> elements = arrayFromValue(value);
    if (!elements) {
        return {};
    }
    XAOptionValue::Array converted;
    for (const XAOptionValue &element : *elements) {
        if (valueType_ == XAOptionValueTypeRegexArray) {
            if (std::optional<XARegex> regex = compiledRegex(element, nullptr)) {
                converted.emplace_back(*regex);
            }
        } else if (valueType_ == XAOptionValueTypeNumberArray) {
            if (element.isNumber()) {
                converted.push_back(element);
            } else if (element.isString()) {
                converted.emplace_back(leadingDoubleValue(*element.string()));
            }
        } else if (element.isString()) {
            converted.push_back(element);
        }
    }
    return converted;
}

XAOptionValue XAConfigurationOption::normalizedValue(const XAOptionValue &value) const {
    const XAOptionValue::Array *elements = value.array();
    if (!elements || valueOrderIsSignificant()) {
        return value;
    }
    XAOptionValue::Array sorted = *elements;
    std::stable_sort(sorted.begin(), sorted.end(), elementPrecedes);
    return sorted;
}

std::string XAConfigurationOption::stringRepresentationOfValue(const XAOptionValue &value) const {
    if (value.isNull()) {
        return "";
    }
    return elementText(value);
}

std::string XAConfigurationOption::valueAsJSONValue(const XAOptionValue &value) const {
    XAOptionValue normalized = normalizedValue(value);
    switch (normalized.kind()) {
    case XAOptionValue::Kind::Null:
        return "null";
    case XAOptionValue::Kind::Boolean:
    case XAOptionValue::Kind::Integer:
    case XAOptionValue::Kind::Real:
        if (valueType_ == XAOptionValueTypeBool) {
            return normalized.truthValue() ? "true" : "false";
        }
        return normalized.boolean() ? std::string(*normalized.boolean() ? "1" : "0") : normalized.description();
    case XAOptionValue::Kind::Array: {
        // Elements are written as strings, so numbers in arrays become quoted texts.
        XAValue::Array elements;
        for (const XAOptionValue &element : *normalized.array()) {
            bool textual = element.isString() || element.isRegex() || element.isNumber();
            elements.push_back(textual ? XAValue(elementText(element)) : XAValue());
        }
        return XAJSONString(XAValue(std::move(elements)), false);
    }
    case XAOptionValue::Kind::String:
        return XAJSONString(XAValue(*normalized.string()), false);
    case XAOptionValue::Kind::Regex:
        return XAJSONString(XAValue(normalized.regex()->pattern()), false);
    case XAOptionValue::Kind::Other:
        if (normalized.other()->isDictionary()) {
            return XAJSONString(*normalized.other(), false);
        }
        return quoted(normalized.description());
    }
    return "null";
}

std::string XAConfigurationOption::displayFormatForValue(const XAOptionValue &value) const {
    if (value.isNull()) {
        return "<none>";
    }
    switch (valueType_) {
    case XAOptionValueTypeFilePath:
    case XAOptionValueTypeString:
    case XAOptionValueTypeRegex:
        return quoted(elementText(value));
    case XAOptionValueTypeBool:
        return value.truthValue() ? "yes" : "no";
    default:
        break;
    }
    if (valueTypeIsArrayType() && value.isArray()) {
        std::vector<std::string> texts;
        for (const XAOptionValue &element : *value.array()) {
            texts.push_back(quoted(elementText(element)));
        }
        return "[" + joined(texts, ", ") + "]";
    }
    return value.description();
}
