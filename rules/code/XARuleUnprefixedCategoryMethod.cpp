// Methods that the project's categories add to system classes without a prefix: a later version of the framework may
// add a method of the same name, and which one runs is then undefined.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "core/XARegex.h"
#include "core/XAString.h"
#include "engine/XARule.h"

namespace {

constexpr const char *kPrefixes = "prefixes";
constexpr const char *kIgnoreSetters = "ignoreSetters";

// Three or more lower-case letters and an underscore: "tqx_trimmed", "abc_x".
constexpr const char *kLowercasePrefixPattern = "^\\p{Ll}{3,}_\\w+";

} // namespace

struct XARuleUnprefixedCategoryMethod : XACursorRule<XARuleUnprefixedCategoryMethod> {
    static XAXMLString ruleName() { return XAXMLString("Unprefixed category method"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Category methods on system classes must be prefixed in order to avoid name collisions.</p> <p>By "
            "default, this rule considers a method name prefixed if it begins with at least three lowercase "
            "characters (or the lowercase version of the ‘Class Prefix’ configured for the project), followed by an "
            "underscore.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Programming with Objective-C: Customizing Existing Classes",
            "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/ProgrammingWithObjectiveC/"
            "CustomizingExistingClasses/CustomizingExistingClasses.html")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kPrefixes, "Allowed prefixes",
                                                 "Prefixes that may be used for category method names. Case sensitive.",
                                                 std::nullopt, XAOptionValueTypeStringArray),
                XARuleOption::ruleOptionWithName(kIgnoreSetters, "Ignore setters", "Do not warn about setter methods.",
                                                 XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCCategoryImplDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCCategoryImplDecl) {
            return {};
        }
        const CXCursor extendedClass = XALibclang::fn().clang_getCursorReferenced(XAChildAtIndex(cursor, 0));
        if (XAIsNullCursor(extendedClass) || !XACursorIsInSystemHeader(extendedClass)) {
            return {};
        }
        const std::string className = XACursorSpelling(extendedClass).value_or("");
        const std::vector<std::string> prefixes = allowedPrefixes(context);
        const bool ignoreSetters = boolForOption(kIgnoreSetters, context);
        XADiagnostics diagnostics;
        diagnostics.reserve(100);
        XAVisitChildren(cursor, [&](CXCursor child) {
            if (child.kind == CXCursor_ObjCInstanceMethodDecl || child.kind == CXCursor_ObjCClassMethodDecl) {
                if (!(ignoreSetters && XAIsSetterMethodDecl(child)) && isUnprefixed(child, prefixes)) {
                    diagnostics.push_back(diagnosticForMethod(child, className));
                }
            }
            return CXChildVisit_Recurse;
        });
        return diagnostics;
    }

private:
    // The configured prefixes, and the project's class prefix in lower case followed by an underscore.
    static std::vector<std::string> allowedPrefixes(const XARuleContext &context) {
        std::vector<std::string> prefixes = stringsForOption(kPrefixes, context);
        const std::optional<std::string> classPrefix =
            context.project() ? context.project()->classPrefix() : std::nullopt;
        if (classPrefix && !classPrefix->empty()) {
            prefixes.push_back(xa_lowercased(*classPrefix) + "_");
        }
        return prefixes;
    }

    static bool isUnprefixed(CXCursor method, const std::vector<std::string> &prefixes) {
        const std::string name = XACursorSpelling(method).value_or("");
        if (name == "load") {
            return false;
        }
        for (const std::string &prefix : prefixes) {
            if (name.starts_with(prefix)) {
                return false;
            }
        }
        return !xa_matchesRegex(name, kLowercasePrefixPattern);
    }

    static XADiagnostic diagnosticForMethod(CXCursor method, const std::string &className) {
        const std::string sign = method.kind == CXCursor_ObjCInstanceMethodDecl ? "-" : "+";
        const std::string identifier = sign + "[" + className + " " + XACursorSpelling(method).value_or("") + "]";
        return diagnosticWithCursor(method, std::nullopt, identifier, XADiagnosticImpactFunctionality,
                                    XADiagnosticSeverityWarning, XADiagnosticConfidenceLow);
    }
};

TESSARY_REGISTER_RULE(XARuleUnprefixedCategoryMethod)
