// Local error variables (NSError * or CFErrorRef) whose address is taken, typically for a call to fill them in, but
// whose value is never read: when the error is of no interest, NULL should be passed instead. The syntax tree finds
// the reads; the raw tokens of the body then catch reads it does not show, such as one in code that a preprocessor
// condition leaves out.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

#include <map>
#include <string>
#include <vector>

namespace {
// What the body does with one error variable.
struct XAErrorVariableUses {
    CXCursor declaration;
    bool isDeclaredInBody = false;
    unsigned reads = 0;
    unsigned addressUses = 0;
};

bool isErrorVariable(CXCursor cursor) {
    if (XALibclang::fn().clang_getCursorKind(cursor) != CXCursor_VarDecl) {
        return false;
    }
    const CXType type = XACursorType(cursor);
    return XAIsPointerToObjCClassNamed("NSError", type) || XATypeSpelling(type) == "CFErrorRef";
}

// The reference is the variable assigned to (error = ..., error += ...) or incremented or decremented.
bool isWrite(CXCursor reference, CXCursor parent) {
    if (XAIsNullCursor(parent)) {
        return false;
    }
    if (XAIsIncrementOrDecrementOperatorKind(XAUnaryOperatorKind(parent))) {
        return true;
    }
    if (!XAIsAssignmentOperatorKind(XABinaryOperatorKind(parent))) {
        return false;
    }
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor assigned = XAChildAtIndex(parent, 0);
    return assigned.kind == CXCursor_DeclRefExpr &&
           clang.clang_equalCursors(clang.clang_getCursorReferenced(assigned),
                                    clang.clang_getCursorReferenced(reference));
}

// The error variables of a body with their reads and address uses, in the order of their declarations.
class XAErrorVariableCollector {
public:
    std::vector<XAErrorVariableUses> variables;

    void collect(CXCursor body) {
        XAVisitChildren(body, [this](CXCursor cursor, CXCursor parent) {
            visit(cursor, parent);
            return CXChildVisit_Recurse;
        });
    }

private:
    std::map<std::string, std::size_t> indexByKey_;

    void visit(CXCursor cursor, CXCursor parent) {
        if (isErrorVariable(cursor)) {
            XAErrorVariableUses &uses = usesOf(cursor);
            uses.declaration = cursor;
            uses.isDeclaredInBody = true;
            return;
        }
        if (cursor.kind != CXCursor_DeclRefExpr) {
            return;
        }
        const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(cursor);
        if (!isErrorVariable(declaration)) {
            return;
        }
        if (XAUnaryOperatorKind(parent) == 5) { // address-of
            ++usesOf(declaration).addressUses;
        } else if (!isWrite(cursor, parent)) {
            ++usesOf(declaration).reads;
        }
    }

    XAErrorVariableUses &usesOf(CXCursor declaration) {
        const auto [entry, isNew] = indexByKey_.emplace(XACursorDebugDescription(declaration), variables.size());
        if (isNew) {
            variables.push_back({declaration});
        }
        return variables[entry->second];
    }
};

// Whether the variable's name stands among the body's tokens as something other than a write ("error ="), an address
// use ("&error"), a selector keyword ("error:") or a call ("error("), outside the declaration itself.
bool tokensReadVariable(CXCursor body, CXCursor declaration) {
    const std::optional<std::string> name = XACursorSpelling(declaration);
    const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(body);
    if (!name || !tokens) {
        return false;
    }
    const CXSourceRange declarationExtent = XALibclang::fn().clang_getCursorExtent(declaration);
    for (std::size_t i = 0; i < tokens->size(); ++i) {
        const XAClangToken &token = (*tokens)[i];
        if (!token.isKind(CXToken_Identifier, *name) ||
            XASourceRangesIntersection(token.sourceRange(), declarationExtent)) {
            continue;
        }
        const bool afterAddressOf = i > 0 && (*tokens)[i - 1].isKind(CXToken_Punctuation, "&");
        const bool beforeWriteKeywordOrCall =
            i + 1 < tokens->size() &&
            ((*tokens)[i + 1].isKind(CXToken_Punctuation, ":") || (*tokens)[i + 1].isKind(CXToken_Punctuation, "(") ||
             (*tokens)[i + 1].isKind(CXToken_Punctuation, "="));
        if (!afterAddressOf && !beforeWriteKeywordOrCall) {
            return true;
        }
    }
    return false;
}
} // namespace

struct XARuleUnusedErrorValue : XACursorRule<XARuleUnusedErrorValue> {
    static XAXMLString ruleName() { return XAXMLString("Unused error value"); }

    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when the values of <objcclass>NSError</objcclass> or <codesymbol>CFErrorRef"
                           "</codesymbol> variables are never used. When the error returned by a method or function "
                           "is of no interest, <codesymbol>NULL</codesymbol> should be passed for the error "
                           "argument.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }

    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl, CXCursor_FunctionDecl};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_FunctionDecl && kind != CXCursor_ObjCInstanceMethodDecl &&
            kind != CXCursor_ObjCClassMethodDecl) {
            return {};
        }
        const CXCursor body = XAFirstChildOfKind(cursor, CXCursor_CompoundStmt, CXChildVisit_Recurse);
        if (XAIsNullCursor(body)) {
            return {};
        }
        XAErrorVariableCollector collector;
        collector.collect(body);
        XADiagnostics diagnostics;
        for (const XAErrorVariableUses &variable : collector.variables) {
            if (!variable.isDeclaredInBody || variable.reads > 0 || variable.addressUses == 0 ||
                tokensReadVariable(body, variable.declaration)) {
                continue;
            }
            diagnostics.push_back(diagnosticWithCursor(
                variable.declaration, std::nullopt, XACursorDisplayName(variable.declaration),
                XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium));
        }
        return diagnostics;
    }
};

TESSARY_REGISTER_RULE(XARuleUnusedErrorValue)
