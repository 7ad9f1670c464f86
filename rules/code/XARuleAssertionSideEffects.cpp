// Foundation assertions whose condition calls a function or sends a message that may change state: assertions are
// normally compiled out of release builds, and the program must behave the same with them and without.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "codemodel/clang/XAVariableDeclarations.h"
#include "core/XARegex.h"
#include "engine/XARule.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Methods known to change nothing, by their resolution strings.
std::unordered_set<std::string> makeSideEffectFreeMethods() {
    std::vector<XAObjCMethod> methods;
    for (const char *selector : {"isKindOfClass:", "isMemberOfClass:", "respondsToSelector:", "conformsToProtocol:"}) {
        methods.push_back(XAObjCMethod::protocolMethodWithProtocolName("NSObject", selector, true));
    }
    for (const char *selector : {"instancesRespondToSelector:", "isSubclassOfClass:"}) {
        methods.push_back(XAObjCMethod::methodWithClassName("NSObject", selector, false));
    }
    for (const char *selector : {"containsObject:", "objectAtIndex:", "objectAtIndexedSubscript:", "objectsAtIndexes:",
                                 "getObjects:range:", "indexOfObj:", "firstObjectCommonWithArray:"}) {
        methods.push_back(XAObjCMethod::methodWithClassName("NSArray", selector, true));
    }
    for (const char *selector : {"objectForKey:", "objectForKeyedSubscript:", "allKeysForObject:",
                                 "getObjects:andKeys:", "objectsForKeys:notFoundMarker:"}) {
        methods.push_back(XAObjCMethod::methodWithClassName("NSDictionary", selector, true));
    }
    for (const char *selector : {"sizeThatFits:", "viewWithTag:"}) {
        methods.push_back(XAObjCMethod::methodWithClassName("UIView", selector, true));
    }
    std::unordered_set<std::string> usrs;
    for (const XAObjCMethod &method : methods) {
        if (!method.usr().empty()) {
            usrs.insert(method.usr());
        }
    }
    return usrs;
}

// Method names that by convention only ask: isEqual..., indexOfObject..., conversions between coordinate systems.
std::vector<XARegex> makeSideEffectFreeNamePatterns() {
    std::vector<XARegex> patterns;
    for (const char *pattern :
         {"^is\\p{Lu}.*", "^indexOfObject.*", "^indexesOfObjects.*", "^descriptionWith.*", "^convert(Point|Rect).*"}) {
        patterns.push_back(*XARegex::compile(pattern));
    }
    return patterns;
}

struct XASideEffectFreeCalls {
    std::unordered_set<std::string> methodUSRs = makeSideEffectFreeMethods();
    std::vector<XARegex> namePatterns = makeSideEffectFreeNamePatterns();

    static const XASideEffectFreeCalls &shared() {
        static const XASideEffectFreeCalls calls;
        return calls;
    }

    bool containsMethod(CXCursor method) const {
        const std::optional<std::string> usr = XAStringFromCXString(XALibclang::fn().clang_getCursorUSR(method));
        const std::optional<std::string> name = XACursorSpelling(method);
        return (usr && methodUSRs.contains(*usr)) ||
               std::any_of(namePatterns.begin(), namePatterns.end(),
                           [&](const XARegex &pattern) { return xa_matchesString(pattern, name); });
    }
};

} // namespace

struct XARuleAssertionSideEffects : XACursorRule<XARuleAssertionSideEffects> {
    static XAXMLString ruleName() { return XAXMLString("Potential assertion side effects"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns if assertion macro bodies contain invocations of non-getter methods or "
                           "functions.</p><p>Assertions should not have side effects because they are normally "
                           "disabled in release builds: the behaviour of the program must not depend on whether they "
                           "are enabled.</p><p>This rule considers only Foundation assertion macros.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    // The Foundation assertion macros expand to a do-while statement.
    static std::vector<int> cursorKinds() { return {CXCursor_DoStmt}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_DoStmt) {
            return {};
        }
        const CXCursor macro = XACursorAfterLocation(cursor);
        if (macro.kind != CXCursor_MacroExpansion || !isFoundationAssertion(XACursorSpelling(macro).value_or(""))) {
            return {};
        }
        const CXCursor condition = XAChildAtIndex(XAFirstChildOfKind(cursor, CXCursor_IfStmt, CXChildVisit_Recurse), 0);
        if (XAIsNullCursor(condition)) {
            return {};
        }
        XADiagnostics diagnostics;
        XAVisitChildren(condition, [&](CXCursor descendant) {
            if (mayHaveSideEffects(descendant)) {
                diagnostics.push_back(diagnosticWithCursor(macro, std::nullopt, std::nullopt,
                                                           XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                                           XADiagnosticConfidenceLow));
            }
            return CXChildVisit_Recurse;
        });
        return diagnostics;
    }

private:
    static bool isFoundationAssertion(const std::string &macroName) {
        return macroName.starts_with("NSAssert") || macroName.starts_with("NSCAssert") ||
               macroName == "NSParameterAssert" || macroName == "NSCParameterAssert";
    }

    // A call of a function, or a send of a method that is neither getter-shaped nor known to only ask, whose
    // declaration is not marked pure or const.
    static bool mayHaveSideEffects(CXCursor expression) {
        if (expression.kind != CXCursor_CallExpr && expression.kind != CXCursor_ObjCMessageExpr) {
            return false;
        }
        const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(expression);
        if (XAIsNullCursor(declaration)) {
            return false;
        }
        if (expression.kind == CXCursor_ObjCMessageExpr &&
            (XAIsGetterMethodDecl(declaration) || XASideEffectFreeCalls::shared().containsMethod(declaration))) {
            return false;
        }
        return !XAHasPureOrConstAttribute(declaration);
    }
};

TESSARY_REGISTER_RULE(XARuleAssertionSideEffects)
