// Reports the default label of a switch that already handles every enumerator of its enumeration.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAExpressions.h"
#include "engine/XARule.h"

struct XARuleDefaultInExhaustiveSwitch : XACursorRule<XARuleDefaultInExhaustiveSwitch> {
    static XAXMLString ruleName() { return XAXMLString("Unnecessary default case in exhaustive switch statement"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>If a switch statement explicitly handles all possible values, then the default case is "
                           "unnecessary dead code, and might even be misleading to people reading the code.</p> "
                           "<p>If the intended purpose of the default case is to safeguard against enum fields that "
                           "are added in the future but accidentally left unhandled in the switch, the compiler "
                           "warning <code>-Wswitch-enum</code> is recommended for that purpose instead.</p>");
    }
    static std::vector<std::string> tags() { return {"Pedantic"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_SwitchStmt}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_SwitchStmt) { // the translation unit comes first
            return {};
        }
        if (!XAAllSwitchEnumCasesCovered(cursor)) {
            return {};
        }
        const CXCursor defaultStatement = XASwitchDefaultStmt(cursor);
        if (XAIsNullCursor(defaultStatement)) {
            return {};
        }
        return {diagnosticWithCursor(defaultStatement, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleDefaultInExhaustiveSwitch)
