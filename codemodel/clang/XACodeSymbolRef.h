#pragma once

// A reference to a platform symbol (class, protocol, method, property, C function, macro, typedef) that rule texts
// and diagnostics name: it gives the documentation reference string ("//apple_ref/occ/cl/NSString"), a readable
// display name and a documentation-browser search term. Made from the symbol's parts, from a display name as markup
// text writes it ("-[NSView setNeedsDisplay:]"), or from a reference string. An immutable value; no libclang.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum XACodeSymbolType : std::int64_t {
    XACodeSymbolTypeUnknown = 0,
    XACodeSymbolTypeObjCClass = 1,
    XACodeSymbolTypeObjCProtocol = 2,
    XACodeSymbolTypeObjCMethod = 3,
    XACodeSymbolTypeObjCProperty = 4,
    XACodeSymbolTypeFunction = 5,
    XACodeSymbolTypeMacro = 6,
    XACodeSymbolTypeTypedef = 7,
};

class XACodeSymbolRef {
public:
    // A reference of unknown type with no parts.
    XACodeSymbolRef() = default;

    static XACodeSymbolRef withObjCClassName(std::string_view className);
    static XACodeSymbolRef withObjCProtocolName(std::string_view protocolName);
    static XACodeSymbolRef withObjCMethod(std::string_view className, std::string_view methodName,
                                          bool isInstanceMethod);
    static XACodeSymbolRef withObjCProperty(std::string_view className, std::string_view propertyName,
                                            bool isInstanceProperty);
    static XACodeSymbolRef withFunctionName(std::string_view functionName);
    static XACodeSymbolRef withMacroName(std::string_view macroName);
    static XACodeSymbolRef withTypedefName(std::string_view typedefName);
    // The display name is the typedef's name as it is.
    static XACodeSymbolRef withTypedefDisplayName(std::string_view displayName);

    // "-[Class selector]" or "+[Class selector]", blanks allowed around the brackets; no value for any other text.
    static std::optional<XACodeSymbolRef> withObjCMethodDisplayName(std::string_view displayName);
    // "Class.property"; a text without "." gives a property reference without parts.
    static XACodeSymbolRef withObjCPropertyDisplayName(std::string_view displayName);
    // The name trimmed of white space and cut before its first "(": "NSLog(...)" names NSLog.
    static XACodeSymbolRef withFunctionDisplayName(std::string_view displayName);
    static XACodeSymbolRef withMacroDisplayName(std::string_view displayName);
    // Parses a reference string ("//apple_ref/occ/instm/NSView/setNeedsDisplay:", the leading "//" optional). The
    // string is kept and is what appleRef() gives, also when its parts were not understood (type unknown).
    static XACodeSymbolRef withAppleRef(std::string_view appleRef);

    // The kept reference string when it is not empty; otherwise the one the type and parts make; no value for an
    // unknown type or a missing or empty required part. A property is always "instp".
    std::optional<std::string> appleRef() const;
    // displayNameForAppleRef of appleRef(); no value without one.
    std::optional<std::string> displayName() const;
    // "class NSString", "NSView method -setNeedsDisplay:", "UIView property frame", "function NSLog"...; the string
    // itself when it holds no known reference.
    static std::string displayNameForAppleRef(std::string_view appleRef);
    // The class, protocol, function, macro or typedef name; "Class selector" or "Class property" for members; no
    // value for an unknown type.
    std::optional<std::string> searchTerm() const;

    XACodeSymbolType type() const { return type_; }
    const std::optional<std::string> &objCClassName() const { return objCClassName_; }
    const std::optional<std::string> &objCProtocolName() const { return objCProtocolName_; }
    const std::optional<std::string> &objCMethodName() const { return objCMethodName_; }
    const std::optional<std::string> &objCPropertyName() const { return objCPropertyName_; }
    bool isInstanceMethodOrProperty() const { return isInstanceMethodOrProperty_; }
    const std::optional<std::string> &functionName() const { return functionName_; }
    const std::optional<std::string> &macroName() const { return macroName_; }
    const std::optional<std::string> &typedefName() const { return typedefName_; }
    const std::optional<std::string> &explicitAppleRef() const { return explicitAppleRef_; }

private:
    explicit XACodeSymbolRef(XACodeSymbolType type) : type_(type) {}
    void readAppleRefComponents(std::string_view appleRef);
    void readObjCComponents(const std::string &kind, const std::string &name, const std::string *member);
    void readCComponents(const std::string &kind, const std::string &name);

    XACodeSymbolType type_ = XACodeSymbolTypeUnknown;
    std::optional<std::string> objCClassName_;
    std::optional<std::string> objCProtocolName_;
    std::optional<std::string> objCMethodName_;
    std::optional<std::string> objCPropertyName_;
    bool isInstanceMethodOrProperty_ = false;
    std::optional<std::string> functionName_;
    std::optional<std::string> macroName_;
    std::optional<std::string> typedefName_;
    std::optional<std::string> explicitAppleRef_;
};
