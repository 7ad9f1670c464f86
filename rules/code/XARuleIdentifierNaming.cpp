// Names of declarations and macros held against the regular expressions the project configures, one per kind of
// identifier. Only instance and local variables have patterns by default; every other kind is checked once its
// pattern is set.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

namespace {

constexpr const char *kIvarNameFormat = "ivarNameFormat";
constexpr const char *kLocalVarNameFormat = "localVarNameFormat";
constexpr const char *kFunctionNameFormat = "functionNameFormat";
constexpr const char *kTypedefNameFormat = "typedefNameFormat";
constexpr const char *kMacroNameFormat = "macroNameFormat";
constexpr const char *kObjCMethodNameFormat = "objcMethodNameFormat";
constexpr const char *kObjCClassNameFormat = "objcClassNameFormat";
constexpr const char *kObjCCategoryNameFormat = "objcCategoryNameFormat";

// The option that holds the pattern of a kind of identifier, and the word that names the kind in the message.
struct NamedKind {
    const char *option;
    const char *kindWord;
};

XAOptionValue patternValue(std::string_view pattern) {
    const std::optional<XARegex> regex = XARegex::compile(pattern);
    return regex ? XAOptionValue(*regex) : XAOptionValue();
}

} // namespace

struct XARuleIdentifierNaming : XACursorRule<XARuleIdentifierNaming> {
    static XAXMLString ruleName() { return XAXMLString("Identifier naming"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("This rule allows enforcing custom naming guidelines for different kinds of identifiers "
                           "via regular expressions.");
    }
    static std::vector<std::string> tags() { return {"Style"}; }
    static std::vector<XARuleOption> options() {
        return {regexOption(kIvarNameFormat, "Instance variable name format regex", std::nullopt, patternValue("^_.+")),
                regexOption(kLocalVarNameFormat, "Local variable name format regex",
                            "Local variable in a function or method.", patternValue("^[^_].*")),
                regexOption(kFunctionNameFormat, "Function name format regex"),
                regexOption(kTypedefNameFormat, "Typedef name format regex"),
                regexOption(kMacroNameFormat, "Macro name format regex"),
                regexOption(kObjCMethodNameFormat, "Objective-C method name format regex"),
                regexOption(kObjCClassNameFormat, "Objective-C class name format regex"),
                regexOption(kObjCCategoryNameFormat, "Objective-C category name format regex")};
    }
    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCIvarDecl,        CXCursor_VarDecl,           CXCursor_FunctionDecl,
                CXCursor_TypedefDecl,         CXCursor_MacroDefinition,   CXCursor_ObjCInstanceMethodDecl,
                CXCursor_ObjCClassMethodDecl, CXCursor_ObjCInterfaceDecl, CXCursor_ObjCCategoryDecl};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        const std::optional<NamedKind> namedKind = namedKindOfCursor(cursor, kind);
        if (!namedKind) {
            return {};
        }
        // A pattern the configuration rejected is no expression: that kind stays unchecked.
        const std::optional<XAOptionValue> value = valueForOption(namedKind->option, context);
        if (!value || !value->isRegex() || XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        const std::optional<std::string> name = XACursorSpelling(cursor);
        if (name && value->regex()->matches(*name)) {
            return {};
        }
        const std::string text = std::string("The name of the ") + namedKind->kindWord + " <codesymbol>" +
                                 name.value_or("") + "</codesymbol> must match the regular expression <code>" +
                                 xa_escapedForXML(value->regex()->pattern()) + "</code>.";
        return {diagnosticWithCursor(cursor, XAXMLString(text), name, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }

private:
    static XARuleOption regexOption(const char *name, const char *title, std::optional<std::string> info = std::nullopt,
                                    std::optional<XAOptionValue> defaultValue = std::nullopt) {
        return XARuleOption::ruleOptionWithName(name, title, std::move(info), std::move(defaultValue),
                                                XAOptionValueTypeRegex);
    }

    // Global variables are not checked: only a variable inside a function or method is a local one.
    static std::optional<NamedKind> namedKindOfCursor(CXCursor cursor, int kind) {
        switch (kind) {
        case CXCursor_FunctionDecl:
            return NamedKind{kFunctionNameFormat, "function"};
        case CXCursor_VarDecl:
            if (XAIsNullCursor(XAEnclosingFunctionOrMethod(cursor))) {
                return std::nullopt;
            }
            return NamedKind{kLocalVarNameFormat, "local variable"};
        case CXCursor_ObjCIvarDecl:
            return NamedKind{kIvarNameFormat, "instance variable"};
        case CXCursor_TypedefDecl:
            return NamedKind{kTypedefNameFormat, "typedef"};
        case CXCursor_MacroDefinition:
            return NamedKind{kMacroNameFormat, "macro definition"};
        case CXCursor_ObjCInstanceMethodDecl:
        case CXCursor_ObjCClassMethodDecl:
            return NamedKind{kObjCMethodNameFormat, "method"};
        case CXCursor_ObjCCategoryDecl:
            return NamedKind{kObjCCategoryNameFormat, "Objective-C category"};
        case CXCursor_ObjCInterfaceDecl:
            return NamedKind{kObjCClassNameFormat, "Objective-C class"};
        default:
            return std::nullopt;
        }
    }
};

TESSARY_REGISTER_RULE(XARuleIdentifierNaming)
