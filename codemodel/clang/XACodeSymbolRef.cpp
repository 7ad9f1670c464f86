#include "codemodel/clang/XACodeSymbolRef.h"

#include "core/XAPaths.h"
#include "core/XARegex.h"
#include "core/XAString.h"

#include <vector>

namespace {

constexpr std::string_view kAppleRefPrefix = "//apple_ref/";

bool isNonEmpty(const std::optional<std::string> &part) { return part && !part->empty(); }

// The text cut before its first "(", trimmed of white space.
std::string nameBeforeParenthesis(std::string_view displayName) {
    const std::string trimmed = xa_trimmed(displayName);
    return xa_trimmed(std::string_view(trimmed).substr(0, trimmed.find('(')));
}

bool contains(std::string_view text, std::string_view fragment) {
    return text.find(fragment) != std::string_view::npos;
}

} // namespace

XACodeSymbolRef XACodeSymbolRef::withObjCClassName(std::string_view className) {
    XACodeSymbolRef reference(XACodeSymbolTypeObjCClass);
    reference.objCClassName_ = std::string(className);
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withObjCProtocolName(std::string_view protocolName) {
    XACodeSymbolRef reference(XACodeSymbolTypeObjCProtocol);
    reference.objCProtocolName_ = std::string(protocolName);
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withObjCMethod(std::string_view className, std::string_view methodName,
                                                bool isInstanceMethod) {
    XACodeSymbolRef reference(XACodeSymbolTypeObjCMethod);
    reference.objCClassName_ = std::string(className);
    reference.objCMethodName_ = std::string(methodName);
    reference.isInstanceMethodOrProperty_ = isInstanceMethod;
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withObjCProperty(std::string_view className, std::string_view propertyName,
                                                  bool isInstanceProperty) {
    XACodeSymbolRef reference(XACodeSymbolTypeObjCProperty);
    reference.objCClassName_ = std::string(className);
    reference.objCPropertyName_ = std::string(propertyName);
    reference.isInstanceMethodOrProperty_ = isInstanceProperty;
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withFunctionName(std::string_view functionName) {
    XACodeSymbolRef reference(XACodeSymbolTypeFunction);
    reference.functionName_ = std::string(functionName);
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withMacroName(std::string_view macroName) {
    XACodeSymbolRef reference(XACodeSymbolTypeMacro);
    reference.macroName_ = std::string(macroName);
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withTypedefName(std::string_view typedefName) {
    XACodeSymbolRef reference(XACodeSymbolTypeTypedef);
    reference.typedefName_ = std::string(typedefName);
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withTypedefDisplayName(std::string_view displayName) {
    return withTypedefName(displayName);
}

std::optional<XACodeSymbolRef> XACodeSymbolRef::withObjCMethodDisplayName(std::string_view displayName) {
    static const std::optional<XARegex> pattern = XARegex::compile(R"(^([-+])\s*\[\s*(.*?)\s+(.*?)\s*\]$)");
    const std::optional<XARegexMatch> match = pattern->firstMatch(xa_trimmed(displayName));
    if (!match) {
        return std::nullopt;
    }
    return withObjCMethod(match->group(2).value_or(""), match->group(3).value_or(""), match->group(1) == "-");
}

XACodeSymbolRef XACodeSymbolRef::withObjCPropertyDisplayName(std::string_view displayName) {
    XACodeSymbolRef reference(XACodeSymbolTypeObjCProperty);
    const size_t dot = displayName.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view rest = displayName.substr(dot + 1);
        reference.objCClassName_ = std::string(displayName.substr(0, dot));
        reference.objCPropertyName_ = std::string(rest.substr(0, rest.find('.')));
        reference.isInstanceMethodOrProperty_ = true;
    }
    return reference;
}

XACodeSymbolRef XACodeSymbolRef::withFunctionDisplayName(std::string_view displayName) {
    return withFunctionName(nameBeforeParenthesis(displayName));
}

XACodeSymbolRef XACodeSymbolRef::withMacroDisplayName(std::string_view displayName) {
    return withMacroName(nameBeforeParenthesis(displayName));
}

XACodeSymbolRef XACodeSymbolRef::withAppleRef(std::string_view appleRef) {
    XACodeSymbolRef reference;
    reference.explicitAppleRef_ = std::string(appleRef);
    reference.readAppleRefComponents(appleRef);
    return reference;
}

void XACodeSymbolRef::readAppleRefComponents(std::string_view appleRef) {
    if (appleRef.starts_with("//")) {
        appleRef.remove_prefix(2);
    }
    const std::vector<std::string> components = xa_componentsSeparatedByString(xa_trimmed(appleRef), "/");
    if (components.size() < 4 || components[0] != "apple_ref") {
        return;
    }
    if (components[1] == "occ") {
        readObjCComponents(components[2], components[3], components.size() > 4 ? &components[4] : nullptr);
    } else if (components[1] == "c") {
        readCComponents(components[2], components[3]);
    }
}

void XACodeSymbolRef::readObjCComponents(const std::string &kind, const std::string &name, const std::string *member) {
    if (kind == "cl") {
        type_ = XACodeSymbolTypeObjCClass;
        objCClassName_ = name;
    } else if (kind == "intf") {
        type_ = XACodeSymbolTypeObjCProtocol;
        objCProtocolName_ = name;
    } else if ((kind == "clm" || kind == "instm") && member) {
        type_ = XACodeSymbolTypeObjCMethod;
        objCClassName_ = name;
        objCMethodName_ = *member;
        isInstanceMethodOrProperty_ = kind == "instm";
    } else if (kind == "instp" && member) {
        type_ = XACodeSymbolTypeObjCProperty;
        objCClassName_ = name;
        objCPropertyName_ = *member;
        isInstanceMethodOrProperty_ = true;
    }
}

void XACodeSymbolRef::readCComponents(const std::string &kind, const std::string &name) {
    if (kind == "macro") {
        type_ = XACodeSymbolTypeMacro;
        macroName_ = name;
    } else if (kind == "func") {
        type_ = XACodeSymbolTypeFunction;
        functionName_ = name;
    } else if (kind == "tdef") {
        type_ = XACodeSymbolTypeTypedef;
        typedefName_ = name;
    }
}

std::optional<std::string> XACodeSymbolRef::appleRef() const {
    if (isNonEmpty(explicitAppleRef_)) {
        return explicitAppleRef_;
    }
    const std::string prefix(kAppleRefPrefix);
    switch (type_) {
    case XACodeSymbolTypeObjCClass:
        return isNonEmpty(objCClassName_) ? std::optional(prefix + "occ/cl/" + *objCClassName_) : std::nullopt;
    case XACodeSymbolTypeObjCProtocol:
        return isNonEmpty(objCProtocolName_) ? std::optional(prefix + "occ/intf/" + *objCProtocolName_) : std::nullopt;
    case XACodeSymbolTypeObjCMethod:
        if (!isNonEmpty(objCClassName_) || !isNonEmpty(objCMethodName_)) {
            return std::nullopt;
        }
        return prefix + "occ/" + (isInstanceMethodOrProperty_ ? "instm/" : "clm/") + *objCClassName_ + "/" +
               *objCMethodName_;
    case XACodeSymbolTypeObjCProperty:
        if (!isNonEmpty(objCClassName_) || !isNonEmpty(objCPropertyName_)) {
            return std::nullopt;
        }
        return prefix + "occ/instp/" + *objCClassName_ + "/" + *objCPropertyName_;
    case XACodeSymbolTypeFunction:
        return isNonEmpty(functionName_) ? std::optional(prefix + "c/func/" + *functionName_) : std::nullopt;
    case XACodeSymbolTypeMacro:
        return isNonEmpty(macroName_) ? std::optional(prefix + "c/macro/" + *macroName_) : std::nullopt;
    case XACodeSymbolTypeTypedef:
        return isNonEmpty(typedefName_) ? std::optional(prefix + "c/tdef/" + *typedefName_) : std::nullopt;
    case XACodeSymbolTypeUnknown:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> XACodeSymbolRef::displayName() const {
    const std::optional<std::string> reference = appleRef();
    return reference ? std::optional(displayNameForAppleRef(*reference)) : std::nullopt;
}

std::string XACodeSymbolRef::displayNameForAppleRef(std::string_view appleRef) {
    static constexpr std::pair<std::string_view, std::string_view> kNamedKinds[] = {
        {"//apple_ref/occ/cl/", "class "},    {"//apple_ref/occ/intf/", "protocol "},
        {"//apple_ref/c/func/", "function "}, {"//apple_ref/c/tdef/", "typedef "},
        {"//apple_ref/c/macro/", "macro "},
    };
    const std::vector<std::string> components = xa_pathComponents(appleRef);
    const std::string last = components.empty() ? std::string() : components.back();
    const std::string container = components.size() < 2 ? std::string() : components[components.size() - 2];
    for (const auto &[fragment, kindName] : kNamedKinds) {
        if (contains(appleRef, fragment)) {
            return std::string(kindName) + last;
        }
    }
    if (contains(appleRef, "//apple_ref/occ/instm/") || contains(appleRef, "//apple_ref/occ/clm/")) {
        return container + " method " + (contains(appleRef, "/instm/") ? "-" : "+") + last;
    }
    if (contains(appleRef, "//apple_ref/occ/instp/") || contains(appleRef, "//apple_ref/occ/clp/")) {
        return container + " property " + last;
    }
    return std::string(appleRef);
}

std::optional<std::string> XACodeSymbolRef::searchTerm() const {
    switch (type_) {
    case XACodeSymbolTypeObjCClass:
        return objCClassName_;
    case XACodeSymbolTypeObjCProtocol:
        return objCProtocolName_;
    case XACodeSymbolTypeObjCMethod:
        return objCClassName_.value_or("") + " " + objCMethodName_.value_or("");
    case XACodeSymbolTypeObjCProperty:
        return objCClassName_.value_or("") + " " + objCPropertyName_.value_or("");
    case XACodeSymbolTypeFunction:
        return functionName_;
    case XACodeSymbolTypeMacro:
        return macroName_;
    case XACodeSymbolTypeTypedef:
        return typedefName_;
    case XACodeSymbolTypeUnknown:
        break;
    }
    return std::nullopt;
}
