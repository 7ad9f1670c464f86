#include "project/XAXIBUserDefinedRuntimeAttribute.h"

#include "core/XAString.h"
#include "project/XAXIBXMLNode.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace {

constexpr std::string_view kWhitespace = " \t\n\r\f\v";

// The text of a number at the start of `text` after leading white space: an optional sign, then digits with an
// optional fraction and exponent. Empty when the text does not begin with a number.
std::string_view numberPrefix(std::string_view text) {
    const size_t start = text.find_first_not_of(kWhitespace);
    if (start == std::string_view::npos) {
        return {};
    }
    text.remove_prefix(start);
    size_t end = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t digitsStart = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    bool hasDigits = end > digitsStart;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionStart = ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
        hasDigits = hasDigits || end > fractionStart;
    }
    if (!hasDigits) {
        return {};
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponentEnd = end + 1;
        if (exponentEnd < text.size() && (text[exponentEnd] == '+' || text[exponentEnd] == '-')) {
            ++exponentEnd;
        }
        const size_t exponentDigits = exponentEnd;
        while (exponentEnd < text.size() && std::isdigit(static_cast<unsigned char>(text[exponentEnd]))) {
            ++exponentEnd;
        }
        if (exponentEnd > exponentDigits) {
            end = exponentEnd;
        }
    }
    return text.substr(0, end);
}

// from_chars takes no leading "+"; a value out of range is reported there and taken as no number here.
template <typename Number> std::optional<Number> parsedNumber(std::string_view prefix) {
    if (prefix.empty()) {
        return std::nullopt;
    }
    if (prefix[0] == '+') {
        prefix.remove_prefix(1);
    }
    Number value{};
    const auto [end, error] = std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

// A decimal number as the "en_US_POSIX" locale writes it; NaN when the text does not begin with one.
double decimalValue(const std::optional<std::string> &text) {
    return parsedNumber<double>(numberPrefix(text.value_or(""))).value_or(std::numeric_limits<double>::quiet_NaN());
}

// A single-precision number prefix widened to 64 bits; 0 when there is none.
double floatValue(const pugi::xml_node &element, std::string_view attribute) {
    const auto text = xa_valueOfAttribute(element, attribute);
    return static_cast<double>(parsedNumber<float>(numberPrefix(text.value_or(""))).value_or(0.0f));
}

std::uint64_t unsignedValue(const pugi::xml_node &element, std::string_view attribute) {
    const auto value = xa_numberFromDecimalIntString(xa_valueOfAttribute(element, attribute).value_or(""));
    return value && *value > 0 ? static_cast<std::uint64_t>(*value) : 0;
}

// Numbers as "%g" writes them, independent of the process's locale.
std::string shortNumberText(double value) {
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 6);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

// The shortest text that reads back as the same number; "NaN" for a value that is no number.
std::string exactNumberText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

std::string pairText(double first, double second) {
    return "{" + shortNumberText(first) + ", " + shortNumberText(second) + "}";
}

bool isNumericKind(int kind) {
    return (kind >= XAXIBTypeKind::FirstInteger && kind <= XAXIBTypeKind::LastInteger) ||
           kind == XAXIBTypeKind::Float || kind == XAXIBTypeKind::Double || kind == XAXIBTypeKind::LongDouble ||
           kind == XAXIBTypeKind::Float128;
}

bool isFloatingKind(int kind) {
    return kind == XAXIBTypeKind::Float || kind == XAXIBTypeKind::Double || kind == XAXIBTypeKind::LongDouble ||
           kind == XAXIBTypeKind::Float128;
}

bool isPointerKind(int kind) {
    switch (kind) {
    case XAXIBTypeKind::NullPtr:
    case XAXIBTypeKind::ObjCId:
    case XAXIBTypeKind::ObjCClass:
    case XAXIBTypeKind::Pointer:
    case XAXIBTypeKind::BlockPointer:
    case XAXIBTypeKind::ObjCObjectPointer:
    case XAXIBTypeKind::MemberPointer:
        return true;
    default:
        return false;
    }
}

bool contains(std::initializer_list<std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The spelling of T or of its underlying type is one of the names.
bool spellingIsOneOf(const XAXIBPropertyType &type, std::initializer_list<std::string_view> names) {
    return contains(names, type.type.spelling) || contains(names, type.underlying.spelling);
}

bool isPointerToClassNamedOneOf(const XAXIBTypeFacts &facts, std::initializer_list<std::string_view> names) {
    return facts.kind == XAXIBTypeKind::ObjCObjectPointer && facts.pointeeKind == XAXIBTypeKind::ObjCInterface &&
           contains(names, facts.pointeeSpelling);
}

// T or its underlying type points to an object of one of the named classes. Only the pointee's own spelling counts,
// not its superclasses.
bool isPointerToClassNamedOneOf(const XAXIBPropertyType &type, std::initializer_list<std::string_view> names) {
    return isPointerToClassNamedOneOf(type.type, names) || isPointerToClassNamedOneOf(type.underlying, names);
}

} // namespace

XAXIBUserDefinedRuntimeAttribute::XAXIBUserDefinedRuntimeAttribute(const pugi::xml_node &element)
    : keyPath_(xa_valueOfAttribute(element, "keyPath")), valueType_(valueTypeFromElement(element)) {
    assignValuePropertyFromElement(element);
}

XAXIBAttributeValueType XAXIBUserDefinedRuntimeAttribute::valueTypeFromElement(const pugi::xml_node &element) {
    static constexpr std::pair<std::string_view, XAXIBAttributeValueType> kTypes[] = {
        {"number", XAXIBAttributeValueTypeNumber}, {"color", XAXIBAttributeValueTypeColor},
        {"image", XAXIBAttributeValueTypeImage},   {"boolean", XAXIBAttributeValueTypeBoolean},
        {"point", XAXIBAttributeValueTypePoint},   {"size", XAXIBAttributeValueTypeSize},
        {"rect", XAXIBAttributeValueTypeRect},     {"range", XAXIBAttributeValueTypeRange},
        {"nil", XAXIBAttributeValueTypeNil},
    };
    const auto type = xa_valueOfAttribute(element, "type");
    if (!type) {
        return XAXIBAttributeValueTypeNone;
    }
    if (*type == "string") {
        return xa_valueOfAttribute(element, "localized") == "YES" ? XAXIBAttributeValueTypeLocalizedString
                                                                  : XAXIBAttributeValueTypeString;
    }
    for (const auto &[name, valueType] : kTypes) {
        if (*type == name) {
            return valueType;
        }
    }
    return XAXIBAttributeValueTypeNone;
}

void XAXIBUserDefinedRuntimeAttribute::assignValuePropertyFromElement(const pugi::xml_node &element) {
    switch (valueType_) {
    case XAXIBAttributeValueTypeString:
    case XAXIBAttributeValueTypeLocalizedString:
        stringValue_ = xa_valueOfAttribute(element, "value");
        break;
    case XAXIBAttributeValueTypeNumber:
        numberValue_ =
            decimalValue(xa_valueOfAttribute(xa_firstChildElementWithValue(element, "value", "key"), "value"));
        break;
    case XAXIBAttributeValueTypeColor: {
        const pugi::xml_node color = xa_firstChildElementWithName(element, "color");
        colorValue_ = XAXIBColor{floatValue(color, "red"), floatValue(color, "green"), floatValue(color, "blue"),
                                 floatValue(color, "alpha")};
        break;
    }
    case XAXIBAttributeValueTypeImage:
        imageNameValue_ = xa_valueOfAttribute(element, "value");
        break;
    case XAXIBAttributeValueTypeBoolean:
        boolValue_ = xa_valueOfAttribute(element, "value") == "YES";
        break;
    case XAXIBAttributeValueTypePoint: {
        const pugi::xml_node point = xa_firstChildElementWithName(element, "point");
        pointValue_ = {floatValue(point, "x"), floatValue(point, "y")};
        break;
    }
    case XAXIBAttributeValueTypeSize: {
        const pugi::xml_node size = xa_firstChildElementWithName(element, "size");
        sizeValue_ = {floatValue(size, "width"), floatValue(size, "height")};
        break;
    }
    case XAXIBAttributeValueTypeRect: {
        const pugi::xml_node rect = xa_firstChildElementWithName(element, "rect");
        rectValue_ = {{floatValue(rect, "x"), floatValue(rect, "y")},
                      {floatValue(rect, "width"), floatValue(rect, "height")}};
        break;
    }
    case XAXIBAttributeValueTypeRange: {
        const pugi::xml_node range = xa_firstChildElementWithName(element, "range");
        rangeValue_ = {unsignedValue(range, "location"), unsignedValue(range, "length")};
        break;
    }
    case XAXIBAttributeValueTypeNone:
    case XAXIBAttributeValueTypeNil:
        break;
    }
}

std::optional<std::string> XAXIBUserDefinedRuntimeAttribute::displayNameForValueType(int valueType) {
    static constexpr const char *kNames[] = {
        nullptr, "string", "localized string", "number", "color", "image", "boolean", "point", "size", "rect",
        "range", "nil"};
    if (valueType <= 0 || valueType >= static_cast<int>(std::size(kNames))) {
        return std::nullopt;
    }
    return std::string(kNames[valueType]);
}

std::string XAXIBUserDefinedRuntimeAttribute::valueDescription() const {
    switch (valueType_) {
    case XAXIBAttributeValueTypeNone:
        return {};
    case XAXIBAttributeValueTypeString:
    case XAXIBAttributeValueTypeLocalizedString:
        return stringValue_.value_or("");
    case XAXIBAttributeValueTypeNumber:
        return numberValue_ ? exactNumberText(*numberValue_) : std::string();
    case XAXIBAttributeValueTypeColor: {
        const XAXIBColor color = colorValue_.value_or(XAXIBColor{});
        return "NSCalibratedRGBColorSpace " + shortNumberText(color.red) + " " + shortNumberText(color.green) + " " +
               shortNumberText(color.blue) + " " + shortNumberText(color.alpha);
    }
    case XAXIBAttributeValueTypeImage:
        return imageNameValue_.value_or("");
    case XAXIBAttributeValueTypeBoolean:
        return boolValue_ ? "YES" : "NO";
    case XAXIBAttributeValueTypePoint:
        return pairText(pointValue_.x, pointValue_.y);
    case XAXIBAttributeValueTypeSize:
        return pairText(sizeValue_.width, sizeValue_.height);
    case XAXIBAttributeValueTypeRect:
        return "{" + pairText(rectValue_.origin.x, rectValue_.origin.y) + ", " +
               pairText(rectValue_.size.width, rectValue_.size.height) + "}";
    case XAXIBAttributeValueTypeRange:
        return "{" + std::to_string(rangeValue_.location) + ", " + std::to_string(rangeValue_.length) + "}";
    case XAXIBAttributeValueTypeNil:
        return "nil";
    }
    return {};
}

bool XAXIBUserDefinedRuntimeAttribute::typeMatchesType(const XAXIBPropertyType &propertyType) const {
    switch (valueType_) {
    case XAXIBAttributeValueTypeString:
    case XAXIBAttributeValueTypeLocalizedString:
        return isPointerToClassNamedOneOf(propertyType, {"NSString", "NSObject"});
    case XAXIBAttributeValueTypeNumber: {
        // BOOL is an integer (or bool) type underneath, but a number attribute is never meant for it.
        if (propertyType.type.spelling == "BOOL") {
            return false;
        }
        const float number = static_cast<float>(numberValue_.value_or(std::numeric_limits<double>::quiet_NaN()));
        const bool integral = std::isfinite(number) && number == std::trunc(number);
        const int kind = propertyType.underlying.kind;
        return (integral ? isNumericKind(kind) : isFloatingKind(kind)) ||
               isPointerToClassNamedOneOf(propertyType, {"NSNumber", "NSValue", "NSObject"});
    }
    case XAXIBAttributeValueTypeColor:
        return isPointerToClassNamedOneOf(propertyType, {"NSColor", "UIColor", "NSObject"});
    case XAXIBAttributeValueTypeImage:
        return isPointerToClassNamedOneOf(propertyType, {"NSImage", "UIImage"});
    case XAXIBAttributeValueTypeBoolean:
        return spellingIsOneOf(propertyType, {"BOOL", "bool", "_Bool"});
    case XAXIBAttributeValueTypePoint:
        return spellingIsOneOf(propertyType, {"CGPoint", "NSPoint"});
    case XAXIBAttributeValueTypeSize:
        return spellingIsOneOf(propertyType, {"CGSize", "NSSize"});
    case XAXIBAttributeValueTypeRect:
        return spellingIsOneOf(propertyType, {"CGRect", "NSRect"});
    case XAXIBAttributeValueTypeRange:
        return spellingIsOneOf(propertyType, {"NSRange"});
    case XAXIBAttributeValueTypeNil:
        // A typedef of a pointer type (a block type, a CF reference) takes nil as well as the pointer type itself.
        return isPointerKind(propertyType.type.kind) || isPointerKind(propertyType.underlying.kind);
    case XAXIBAttributeValueTypeNone:
        return false;
    }
    return false;
}
