#include "platform/devtools/completion/XACompletionDeclarations.h"

#include <algorithm>

namespace {

// Enumeration constants get distinct values, so that two of them in one switch are never duplicate cases.
constexpr long kFirstEnumerationValue = 0x5ACE0000;

bool isVariadicSelector(const std::string &selector) {
    auto endsWith = [&selector](const std::string &suffix) {
        return selector.size() >= suffix.size() &&
               selector.compare(selector.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    return endsWith("Format:") || endsWith("WithObjects:") || endsWith("WithObjectsAndKeys:") ||
           endsWith("WithKeysAndObjects:");
}

std::vector<std::string> selectorPieces(const std::string &selector) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char character : selector) {
        if (character == ':') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece.push_back(character);
        }
    }
    return pieces;
}

std::string methodDeclaration(const XACompletedMethod &method) {
    std::string text = std::string(method.classMethod ? "+ (" : "- (") + method.returnType + ")";
    const std::vector<std::string> pieces = selectorPieces(method.selector);
    if (pieces.empty()) {
        return text + method.selector + ";\n";
    }
    for (std::size_t index = 0; index < pieces.size(); ++index) {
        const std::string type = index < method.parameterTypes.size() ? method.parameterTypes[index] : "id";
        text += (index ? " " : "") + pieces[index] + ":(" + type + ")a" + std::to_string(index);
    }
    return text + (isVariadicSelector(method.selector) ? ", ...;\n" : ";\n");
}

void appendMethods(std::string &text, const std::map<std::string, XACompletedMethod> &methods) {
    for (const auto &[key, method] : methods) {
        text += methodDeclaration(method);
    }
}

// A declaration of `name` with `type`: "NSString *const name", "long name".
std::string declarator(const std::string &type, const std::string &name) {
    return type + (type.empty() || type.back() == '*' ? "" : " ") + name;
}

// The fields of a completed struct, each on the line of its struct.
void appendFields(std::string &text, const XACompletedStructFields &node) {
    for (const auto &[name, field] : node.fields) {
        if (field.fields.empty()) {
            text += " " + declarator(field.type, (field.pointer ? "*" : "") + name) + ";";
        } else {
            text += " struct {";
            appendFields(text, field);
            text += std::string(" } ") + (field.pointer ? "*" : "") + name + ";";
        }
    }
}

bool mergeMethod(std::map<std::string, XACompletedMethod> &methods, const XACompletedMethod &method) {
    auto [position, inserted] = methods.emplace(method.key(), method);
    if (inserted) {
        return true;
    }
    // A later use may show a parameter's type where an earlier one showed nothing.
    bool changed = false;
    XACompletedMethod &known = position->second;
    for (std::size_t index = 0; index < method.parameterTypes.size() && index < known.parameterTypes.size(); ++index) {
        if (known.parameterTypes[index] == "id" && method.parameterTypes[index] != "id") {
            known.parameterTypes[index] = method.parameterTypes[index];
            changed = true;
        }
    }
    return changed;
}

bool setIfDifferent(std::string &target, const std::string &value) {
    if (target == value) {
        return false;
    }
    target = value;
    return true;
}

} // namespace

std::string XASDKHeaderSpelling(const std::string &sdkPath) {
    const std::string frameworks = "System/Library/Frameworks/";
    const std::string include = "usr/include/";
    const std::size_t headers = sdkPath.find(".framework/Headers/");
    if (sdkPath.rfind(frameworks, 0) == 0 && headers != std::string::npos) {
        return sdkPath.substr(frameworks.size(), headers - frameworks.size()) + "/" + sdkPath.substr(headers + 19);
    }
    return sdkPath.rfind(include, 0) == 0 ? sdkPath.substr(include.size()) : sdkPath;
}

bool XACompletionDeclarations::add(const XACompletionUse &use) {
    using Kind = XACompletionUse::Kind;
    if (use.kind == Kind::Method) {
        return addMethod(use);
    }
    if (use.kind == Kind::Header) {
        return headers_.insert(use.name).second;
    }
    if (isDropped(use.name)) {
        return false;
    }
    switch (use.kind) {
    case Kind::Class:
        return addClass(use);
    case Kind::Struct:
        return addStruct(use);
    case Kind::Protocol:
        return protocols_.insert(use.name).second;
    case Kind::Typedef:
        if (classes_.count(use.name) || values_.count(use.name)) {
            return false;
        }
        enumConstants_.erase(use.name); // a name used as a type somewhere is a type
        constants_.erase(use.name);
        return typedefs_.try_emplace(use.name, use.type, use.objectiveC).second;
    case Kind::EnumConstant:
        if (constants_.count(use.name) || typedefs_.count(use.name) || classes_.count(use.name)) {
            return false;
        }
        return enumConstants_.insert(use.name).second;
    case Kind::Constant: {
        if (typedefs_.count(use.name) || constantExpressions_.count(use.name)) {
            return false;
        }
        enumConstants_.erase(use.name);
        auto [position, inserted] = constants_.try_emplace(use.name, use.type, use.objectiveC);
        position->second.second = position->second.second && use.objectiveC;
        return inserted;
    }
    case Kind::Function:
        if (use.type.find('(') != std::string::npos) {
            return libraryFunctions_.try_emplace(use.name, use.type).second;
        }
        return functions_.try_emplace(use.name, use.type.empty() ? "int" : use.type, use.objectiveC).second;
    case Kind::Method:
    case Kind::Header:
        break;
    }
    return false;
}

bool XACompletionDeclarations::addClass(const XACompletionUse &use) {
    auto [position, inserted] = classes_.try_emplace(use.name);
    XACompletedClass &completed = position->second;
    bool changed = inserted;
    if (use.typeParameters > completed.typeParameters) {
        completed.typeParameters = use.typeParameters;
        changed = true;
    }
    if (!use.receiverClass.empty() && completed.superclass == "NSObject" && use.receiverClass != use.name) {
        completed.superclass = use.receiverClass;
        completed.superclassImport = use.receiverImport;
        changed = true;
    }
    return changed;
}

bool XACompletionDeclarations::addStruct(const XACompletionUse &use) {
    auto [position, inserted] = structs_.try_emplace(use.name);
    XACompletedStruct &completed = position->second;
    completed.tag = use.type == "struct";
    completed.objectiveC = inserted ? use.objectiveC : completed.objectiveC && use.objectiveC;
    bool changed = inserted;
    for (const auto &[path, type] : use.fields) {
        XACompletedStructFields *node = &completed.root;
        std::size_t start = 0;
        bool pointer = false;
        while (start <= path.size()) {
            const std::size_t dot = path.find('.', start);
            const std::size_t arrow = path.find("->", start);
            const std::size_t end = std::min(dot, arrow);
            auto [field, added] = node->fields.try_emplace(path.substr(start, end - start));
            changed = changed || added;
            node = &field->second;
            node->pointer = node->pointer || pointer;
            if (end == std::string::npos) {
                break;
            }
            pointer = end == arrow;
            start = end + (pointer ? 2 : 1);
        }
        if (node->fields.empty() && node->type == "long" && type != "long") {
            node->type = type;
            changed = true;
        }
    }
    return changed;
}

bool XACompletionDeclarations::markValue(const std::string &name) {
    values_.insert(name);
    const bool wasType = typedefs_.erase(name) > 0;
    if (wasType) {
        enumConstants_.insert(name);
    }
    return wasType;
}

bool XACompletionDeclarations::markConstantExpression(const std::string &name, bool bitFieldWidth) {
    constantExpressions_.insert(name);
    bool changed = bitFieldWidth && bitFieldWidths_.insert(name).second;
    if (constants_.erase(name) > 0 && !isDropped(name)) {
        enumConstants_.insert(name);
        changed = true;
    }
    return changed;
}

bool XACompletionDeclarations::addMethod(const XACompletionUse &use) {
    if (!use.method || (!use.receiverClass.empty() && isDropped(use.receiverClass))) {
        return false;
    }
    if (use.receiverClass.empty()) {
        return mergeMethod(anyReceiverMethods_, *use.method);
    }
    if (auto completed = classes_.find(use.receiverClass); completed != classes_.end()) {
        return mergeMethod(completed->second.methods, *use.method);
    }
    if (!use.receiverIsSDKClass) {
        return false;
    }
    XACompletedCategory &category = categories_[use.receiverClass];
    if (category.importSpelling.empty()) {
        category.importSpelling = use.receiverImport;
    }
    return mergeMethod(category.methods, *use.method);
}

bool XACompletionDeclarations::refineType(const std::string &name, const std::string &type) {
    if (constantExpressions_.count(name)) {
        return false;
    }
    if (enumConstants_.erase(name)) {
        constants_[name] = {type, true};
        return true;
    }
    if (auto constant = constants_.find(name); constant != constants_.end()) {
        return setIfDifferent(constant->second.first, type);
    }
    if (auto function = functions_.find(name); function != functions_.end()) {
        return setIfDifferent(function->second.first, type);
    }
    return false;
}

bool XACompletionDeclarations::refineMethodReturn(const std::string &selector, const std::string &type) {
    bool changed = false;
    auto refine = [&](std::map<std::string, XACompletedMethod> &methods) {
        for (auto &[key, method] : methods) {
            if (method.selector == selector) {
                changed = setIfDifferent(method.returnType, type) || changed;
            }
        }
    };
    refine(anyReceiverMethods_);
    for (auto &[name, completed] : classes_) {
        refine(completed.methods);
    }
    for (auto &[name, category] : categories_) {
        refine(category.methods);
    }
    return changed;
}

bool XACompletionDeclarations::refineMethodParameter(const std::string &selector, std::size_t index,
                                                     const std::string &type) {
    bool changed = false;
    auto refine = [&](std::map<std::string, XACompletedMethod> &methods) {
        for (auto &[key, method] : methods) {
            if (method.selector == selector && index < method.parameterTypes.size()) {
                changed = setIfDifferent(method.parameterTypes[index], type) || changed;
            }
        }
    };
    refine(anyReceiverMethods_);
    for (auto &[name, completed] : classes_) {
        refine(completed.methods);
    }
    for (auto &[name, category] : categories_) {
        refine(category.methods);
    }
    return changed;
}

bool XACompletionDeclarations::drop(const std::string &name) {
    if (!dropped_.insert(name).second) {
        return false;
    }
    classes_.erase(name);
    categories_.erase(name);
    protocols_.erase(name);
    typedefs_.erase(name);
    constants_.erase(name);
    functions_.erase(name);
    libraryFunctions_.erase(name);
    enumConstants_.erase(name);
    structs_.erase(name);
    anyReceiverMethods_.erase("-" + name);
    anyReceiverMethods_.erase("+" + name);
    return true;
}

bool XACompletionDeclarations::empty() const {
    return headers_.empty() && imports_.empty() && classes_.empty() && categories_.empty() &&
           anyReceiverMethods_.empty() && protocols_.empty() && typedefs_.empty() && constants_.empty() &&
           functions_.empty() && libraryFunctions_.empty() && enumConstants_.empty() && structs_.empty();
}

void XACompletionDeclarations::appendStructs(std::string &text, bool objectiveC) const {
    for (const auto &[name, completed] : structs_) {
        if (completed.objectiveC != objectiveC) {
            continue;
        }
        text += completed.tag ? "struct " + name + " {" : "typedef struct " + (kCompletedStructTagPrefix + name) + " {";
        appendFields(text, completed.root);
        text += completed.tag ? " };\n" : " } " + name + ";\n";
    }
}

void XACompletionDeclarations::appendCDeclarations(std::string &text, bool objectiveC) const {
    appendStructs(text, objectiveC);
    for (const auto &[name, entry] : typedefs_) {
        if (entry.second == objectiveC && !structs_.count(name)) {
            text += "typedef " + declarator(entry.first, name) + ";\n";
        }
    }
    for (const auto &[name, entry] : constants_) {
        if (entry.second == objectiveC) {
            text +=
                "extern " + declarator(entry.first + (entry.first.back() == '*' ? "const" : " const"), name) + ";\n";
        }
    }
    // As the SDK's C functions are, they are audited for ARC: a result the name does not show to be retained
    // (Create, Copy) is cast to an object without a bridge.
    text += "#pragma clang arc_cf_code_audited begin\n";
    for (const auto &[name, entry] : functions_) {
        if (entry.second == objectiveC) {
            text += declarator(entry.first, name) + "(XA_SDK_COMPLETION_ANY_ARGUMENTS);\n";
        }
    }
    text += "#pragma clang arc_cf_code_audited end\n";
}

void XACompletionDeclarations::appendObjectiveCDeclarations(std::string &text) const {
    for (const auto &[name, completed] : classes_) {
        text += "@class " + name + ";\n";
    }
    // Selectors sent to `id` are declared first, in a protocol that every completed protocol adopts, so that
    // receivers typed `id<P>` with a completed P know them too.
    const bool anyReceiver = !anyReceiverMethods_.empty();
    if (anyReceiver) {
        text += "@protocol XASDKCompletionMessagesToId\n";
        appendMethods(text, anyReceiverMethods_);
        text += "@end\n";
    }
    for (const std::string &name : protocols_) {
        text += "@protocol " + name +
                (anyReceiver ? " <NSObject, XASDKCompletionMessagesToId>\n@end\n" : " <NSObject>\n@end\n");
    }
    appendCDeclarations(text, true);
    for (const auto &[name, completed] : classes_) {
        std::string parameters;
        for (int index = 0; index < completed.typeParameters; ++index) {
            parameters += (index ? ", __covariant T" : "<__covariant T") + std::to_string(index);
        }
        text +=
            "@interface " + name + (parameters.empty() ? "" : parameters + ">") + " : " + completed.superclass + "\n";
        appendMethods(text, completed.methods);
        text += "@end\n";
    }
    for (const auto &[name, category] : categories_) {
        text += "@interface " + name + " (XASDKCompletion)\n";
        appendMethods(text, category.methods);
        text += "@end\n";
    }
}

std::string XACompletionDeclarations::headerText() const {
    std::string text =
        "// Declarations of the SDK that the SDK stand-in lacks, completed from this target's own uses.\n"
        "#pragma clang system_header\n"
        "#ifndef XA_SDK_COMPLETION_H\n#define XA_SDK_COMPLETION_H\n"
        "#ifdef __cplusplus\n#define XA_SDK_COMPLETION_ANY_ARGUMENTS ...\nextern \"C\" {\n"
        "#else\n#define XA_SDK_COMPLETION_ANY_ARGUMENTS\n#endif\n";
    if (!enumConstants_.empty()) {
        text += "enum {\n";
        long value = kFirstEnumerationValue;
        for (const std::string &name : enumConstants_) {
            text += "    " + name + " = " + (bitFieldWidths_.count(name) ? "1" : std::to_string(value++)) + ",\n";
        }
        text += "};\n";
    }
    appendCDeclarations(text, false);
    for (const auto &[name, type] : libraryFunctions_) {
        const std::size_t parameters = type.find('(');
        text += type.substr(0, parameters) + name + type.substr(parameters) + ";\n";
    }
    text += "#ifdef __cplusplus\n}\n#endif\n#ifdef __OBJC__\n#import <Foundation/Foundation.h>\n";
    std::set<std::string> imports = imports_;
    for (const std::string &spelling : imports_) {
        text += "#import <" + spelling + ">\n";
    }
    for (const auto &[name, category] : categories_) {
        if (!category.importSpelling.empty() && imports.insert(category.importSpelling).second) {
            text += "#import <" + category.importSpelling + ">\n";
        }
    }
    for (const auto &[name, completed] : classes_) {
        if (!completed.superclassImport.empty() && imports.insert(completed.superclassImport).second) {
            text += "#import <" + completed.superclassImport + ">\n";
        }
    }
    appendObjectiveCDeclarations(text);
    return text + "#endif\n#endif\n";
}

std::vector<std::string> XACompletionDeclarations::completedNames() const {
    std::vector<std::string> names;
    for (const std::string &header : headers_) {
        names.push_back("<" + XASDKHeaderSpelling(header) + ">");
    }
    auto addMethods = [&names](const std::string &owner, const std::map<std::string, XACompletedMethod> &methods) {
        for (const auto &[key, method] : methods) {
            names.push_back(key.substr(0, 1) + "[" + owner + " " + method.selector + "]");
        }
    };
    for (const auto &[name, completed] : classes_) {
        names.push_back(name);
        addMethods(name, completed.methods);
    }
    for (const auto &[name, category] : categories_) {
        addMethods(name, category.methods);
    }
    addMethods("id", anyReceiverMethods_);
    for (const auto *group : {&typedefs_, &constants_, &functions_}) {
        for (const auto &[name, entry] : *group) {
            names.push_back(name);
        }
    }
    for (const auto &[name, type] : libraryFunctions_) {
        names.push_back(name);
    }
    for (const auto &[name, completed] : structs_) {
        if (!typedefs_.count(name)) {
            names.push_back(completed.tag ? "struct " + name : name);
        }
    }
    names.insert(names.end(), protocols_.begin(), protocols_.end());
    names.insert(names.end(), enumConstants_.begin(), enumConstants_.end());
    return names;
}
