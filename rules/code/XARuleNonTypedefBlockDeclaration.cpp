// Block-typed parameters and variables written out in full instead of through a typedef, which reads better.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

namespace {
constexpr const char *kOnlyArguments = "onlyArguments";
}

struct XARuleNonTypedefBlockDeclaration : XACursorRule<XARuleNonTypedefBlockDeclaration> {
    static XAXMLString ruleName() { return XAXMLString("Block-typed declaration without typedef"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("It is recommended that typedef be used for all block-typed declarations, for readability.");
    }
    static std::vector<std::string> tags() { return {"Style", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kOnlyArguments, "Apply only to function/method arguments",
                                                 std::nullopt, XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() {
        return {CXCursor_FunctionDecl, CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl, CXCursor_VarDecl};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        XADiagnostics diagnostics;
        if (kind == CXCursor_VarDecl) {
            if (!boolForOption(kOnlyArguments, context)) {
                potentiallyAddDiagnosticForCursor(cursor, diagnostics);
            }
        } else if (kind == CXCursor_FunctionDecl || kind == CXCursor_ObjCInstanceMethodDecl ||
                   kind == CXCursor_ObjCClassMethodDecl) {
            XAMethodArguments(cursor, [&diagnostics](CXCursor argument, unsigned, bool &) {
                potentiallyAddDiagnosticForCursor(argument, diagnostics);
            });
        }
        return diagnostics;
    }

    // Adds a finding for a declaration of a block type spelled out in place (a typedef's name is a typedef type).
    static void potentiallyAddDiagnosticForCursor(CXCursor cursor, XADiagnostics &diagnostics) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXType type = XAPlainType(clang.clang_getCursorType(cursor));
        if (type.kind != CXType_BlockPointer || clang.clang_getTypeDeclaration(type).kind == CXCursor_TypedefDecl) {
            return;
        }
        diagnostics.push_back(diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactStyle,
                                                   XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute));
    }
};

TESSARY_REGISTER_RULE(XARuleNonTypedefBlockDeclaration)
