// Factory methods (class methods named after their class, +arrayWithObject: of NSArray) and, when asked, init
// methods whose declared return type is not instancetype: a precise return type lets the compiler check more.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

namespace {
constexpr const char *kCheckInitMethods = "checkInitMethods";
}

struct XARuleConstructorReturnType : XACursorRule<XARuleConstructorReturnType> {
    static XAXMLString ruleName() { return XAXMLString("Constructor return type"); }

    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when the return type of an init or factory method is anything other than "
            "<codesymbol>instancetype</codesymbol>.</p> <p>A precise return type for factory methods lets the "
            "compiler catch more type errors. The compiler infers the return type of init methods even when they "
            "say <codesymbol>id</codesymbol>, but being explicit is still good.</p>");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Stack Overflow: Would it be beneficial to begin using instancetype instead of id?",
            "https://stackoverflow.com/questions/8972221/would-it-be-beneficial-to-begin-using-instancetype-instead-"
            "of-id")};
    }

    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kCheckInitMethods, "Check init methods",
                                                 "Warn about init methods with a return type other than instancetype.",
                                                 XAOptionValue(false), XAOptionValueTypeBool)};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        XADiagnosticConfidence confidence = XADiagnosticConfidenceNone;
        const bool isFactoryMethod = kind == CXCursor_ObjCClassMethodDecl;
        if (isFactoryMethod) {
            if (!xa_isFactoryMethodNameForClassName(XACursorSpelling(cursor).value_or(""),
                                                    containerClassName(cursor).value_or(""))) {
                return {};
            }
            confidence = XADiagnosticConfidenceMedium;
        } else if (kind == CXCursor_ObjCInstanceMethodDecl) {
            if (!XAObjCMethodFamily(cursor) || !boolForOption(kCheckInitMethods, context)) {
                return {};
            }
            confidence = XADiagnosticConfidenceHigh;
        } else {
            return {};
        }
        const CXType resultType = XAPlainType(XALibclang::fn().clang_getCursorResultType(cursor));
        if (resultType.kind == CXType_Typedef && XATypeSpelling(resultType) == "instancetype") {
            return {};
        }
        if (isFactoryMethod && returnsPointerToOwnClass(cursor, resultType)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, XACursorSpelling(cursor), XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, confidence)};
    }

private:
    // The class of the method's container; for a category (interface or implementation) the class it extends.
    static std::optional<std::string> containerClassName(CXCursor method) {
        CXCursor container = XAEnclosingObjCContainer(method);
        const CXCursorKind containerKind = XALibclang::fn().clang_getCursorKind(container);
        if (containerKind == CXCursor_ObjCCategoryDecl || containerKind == CXCursor_ObjCCategoryImplDecl) {
            container = XAChildAtIndex(container, 0);
        }
        return XACursorSpelling(container);
    }

    // A factory method may name its own class instead of instancetype: +(XYWidget *)widgetWithName:.
    static bool returnsPointerToOwnClass(CXCursor method, CXType resultType) {
        const std::optional<std::string> className = containerClassName(method);
        if (!className || className->empty() || resultType.kind != CXType_ObjCObjectPointer) {
            return false;
        }
        return XATypeSpelling(XAPlainType(XALibclang::fn().clang_getPointeeType(resultType))) == *className;
    }
};

TESSARY_REGISTER_RULE(XARuleConstructorReturnType)
