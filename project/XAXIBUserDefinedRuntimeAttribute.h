#pragma once

// One user-defined runtime attribute of an Interface Builder object: a key path, a typed value, and a test whether
// that value can be assigned to a property of a given type declared in code.

#include <cstdint>
#include <optional>
#include <string>

#include <pugixml.hpp>

// The value types, numbered as the "type" attribute is mapped.
enum XAXIBAttributeValueType : int {
    XAXIBAttributeValueTypeNone = 0, // any "type" this model does not know
    XAXIBAttributeValueTypeString = 1,
    XAXIBAttributeValueTypeLocalizedString = 2,
    XAXIBAttributeValueTypeNumber = 3,
    XAXIBAttributeValueTypeColor = 4,
    XAXIBAttributeValueTypeImage = 5,
    XAXIBAttributeValueTypeBoolean = 6,
    XAXIBAttributeValueTypePoint = 7,
    XAXIBAttributeValueTypeSize = 8,
    XAXIBAttributeValueTypeRect = 9,
    XAXIBAttributeValueTypeRange = 10,
    XAXIBAttributeValueTypeNil = 11,
};

// A calibrated RGB colour with alpha.
struct XAXIBColor {
    double red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const XAXIBColor &) const = default;
};

struct XAXIBPoint {
    double x = 0, y = 0;
    bool operator==(const XAXIBPoint &) const = default;
};

struct XAXIBSize {
    double width = 0, height = 0;
    bool operator==(const XAXIBSize &) const = default;
};

struct XAXIBRect {
    XAXIBPoint origin;
    XAXIBSize size;
    bool operator==(const XAXIBRect &) const = default;
};

struct XAXIBRange {
    std::uint64_t location = 0, length = 0;
    bool operator==(const XAXIBRange &) const = default;
};

// libclang's type kinds (CXTypeKind values) that the type fit reads. This layer does not load libclang, so the
// numbers are repeated here.
namespace XAXIBTypeKind {
constexpr int Invalid = 0;
constexpr int Bool = 3;
constexpr int FirstInteger = 4; // CXType_Char_U
constexpr int LastInteger = 20; // CXType_Int128
constexpr int Float = 21;
constexpr int Double = 22;
constexpr int LongDouble = 23;
constexpr int NullPtr = 24;
constexpr int ObjCId = 27;
constexpr int ObjCClass = 28;
constexpr int Float128 = 30;
constexpr int Pointer = 101;
constexpr int BlockPointer = 102;
constexpr int Typedef = 107;
constexpr int ObjCInterface = 108;
constexpr int ObjCObjectPointer = 109;
constexpr int MemberPointer = 117;
} // namespace XAXIBTypeKind

// What the type fit needs to know of one libclang type: its kind and spelling, and for a pointer the kind and
// spelling of the pointee.
struct XAXIBTypeFacts {
    int kind = XAXIBTypeKind::Invalid;
    std::string spelling;
    int pointeeKind = XAXIBTypeKind::Invalid;
    std::string pointeeSpelling;
};

// The type T of a property declared in code, and U: the underlying type when T's declaration is a typedef with a
// valid underlying type, else T itself. The code model fills it from a CXType (XATypeSpelling,
// XATypedefUnderlyingType, clang_getPointeeType); this layer never calls libclang.
struct XAXIBPropertyType {
    XAXIBTypeFacts type;
    XAXIBTypeFacts underlying;

    // A type that is not a typedef: U is T.
    static XAXIBPropertyType withType(const XAXIBTypeFacts &facts) { return {facts, facts}; }
};

class XAXIBUserDefinedRuntimeAttribute {
public:
    XAXIBUserDefinedRuntimeAttribute() = default;
    // Reads one child element of a "userDefinedRuntimeAttributes" element: key path, value type, then the value.
    explicit XAXIBUserDefinedRuntimeAttribute(const pugi::xml_node &element);

    static XAXIBAttributeValueType valueTypeFromElement(const pugi::xml_node &element);
    // "string", "localized string", "number", ... for the known types; no value for 0 and unknown numbers.
    static std::optional<std::string> displayNameForValueType(int valueType);
    std::optional<std::string> typeDisplayName() const { return displayNameForValueType(valueType_); }

    // The value as text: "" for no type; the string itself; the number's or colour's description; "YES" or "NO";
    // "{x, y}", "{w, h}", "{{x, y}, {w, h}}", "{location, length}"; "nil".
    std::string valueDescription() const;

    // True when the value can be assigned to a property of the given type.
    bool typeMatchesType(const XAXIBPropertyType &propertyType) const;

    const std::optional<std::string> &keyPath() const { return keyPath_; }
    XAXIBAttributeValueType valueType() const { return valueType_; }
    // Only the value that belongs to the value type is set; the others keep their empty or zero values.
    const std::optional<std::string> &stringValue() const { return stringValue_; }
    // A decimal number; NaN when the text is no number.
    const std::optional<double> &numberValue() const { return numberValue_; }
    const std::optional<XAXIBColor> &colorValue() const { return colorValue_; }
    const std::optional<std::string> &imageNameValue() const { return imageNameValue_; }
    bool boolValue() const { return boolValue_; }
    XAXIBPoint pointValue() const { return pointValue_; }
    XAXIBSize sizeValue() const { return sizeValue_; }
    XAXIBRect rectValue() const { return rectValue_; }
    XAXIBRange rangeValue() const { return rangeValue_; }

    void setKeyPath(std::optional<std::string> keyPath) { keyPath_ = std::move(keyPath); }
    void setValueType(XAXIBAttributeValueType valueType) { valueType_ = valueType; }
    void setStringValue(std::optional<std::string> value) { stringValue_ = std::move(value); }
    void setNumberValue(std::optional<double> value) { numberValue_ = value; }
    void setColorValue(std::optional<XAXIBColor> value) { colorValue_ = value; }
    void setImageNameValue(std::optional<std::string> value) { imageNameValue_ = std::move(value); }
    void setBoolValue(bool value) { boolValue_ = value; }
    void setPointValue(XAXIBPoint value) { pointValue_ = value; }
    void setSizeValue(XAXIBSize value) { sizeValue_ = value; }
    void setRectValue(XAXIBRect value) { rectValue_ = value; }
    void setRangeValue(XAXIBRange value) { rangeValue_ = value; }

private:
    void assignValuePropertyFromElement(const pugi::xml_node &element);

    std::optional<std::string> keyPath_;
    XAXIBAttributeValueType valueType_ = XAXIBAttributeValueTypeNone;
    std::optional<std::string> stringValue_;
    std::optional<double> numberValue_;
    std::optional<XAXIBColor> colorValue_;
    std::optional<std::string> imageNameValue_;
    bool boolValue_ = false;
    XAXIBPoint pointValue_;
    XAXIBSize sizeValue_;
    XAXIBRect rectValue_;
    XAXIBRange rangeValue_;
};
